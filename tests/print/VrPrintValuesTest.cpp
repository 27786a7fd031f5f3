// The print settings sheet's values: what it opens with, what applying writes into the chart and
// what "記憶" stores as the defaults of new charts.
#include "print/VrPrintValues.h"

#include "model/SyokiSet.h"
#include "platform/Profile.h"
#include "print/PrHeader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::ScopedPaths;

class VrPrintValuesTest : public ::testing::Test {
protected:
    VrPrintValuesTest() {
        settings.SetStartDate(CTime(2001, 4, 1));
        settings.SetEndDate(CTime(2002, 3, 31));
    }
    VrPrintValues Opened(const std::optional<LayoutPeriod>& view = std::nullopt) const {
        return CopyInPrintValues(&header, &settings, defaults, view, CTime(2001, 5, 6));
    }

    ScopedPaths paths;
    CPrHeader header;
    CSyokiSet settings;
    CConfigPrint defaults;
};

// Each option, changed alone, reaches the chart's print settings and, stored, its
// "PrintConfig" key.
TEST_F(VrPrintValuesTest, EveryOptionReachesTheChartAndItsProfileKey) {
    struct Case {
        const char* key;
        std::function<void(VrPrintValues&)> change;
        std::function<bool(const CConfigPrint&)> applied;
        const char* stored;
    };
    const std::vector<Case> cases = {
        {"Kikan", [](VrPrintValues& v) { v.kikan = 0; },
         [](const CConfigPrint& c) { return c.GetKikan() == 0; }, "0"},
        {"ToDay", [](VrPrintValues& v) { v.toDay = 0; },
         [](const CConfigPrint& c) { return c.GetToDay() == 0; }, "0"},
        {"Amikake", [](VrPrintValues& v) { v.amikake = 3; },
         [](const CConfigPrint& c) { return c.GetAmikake() == 3; }, "3"},
        {"AmikakeColor", [](VrPrintValues& v) { v.amikakeColor = RGB(10, 20, 30); },
         [](const CConfigPrint& c) { return c.GetAmikakeColor() == RGB(10, 20, 30); }, "10,20,30"},
        {"HolidayLine", [](VrPrintValues& v) { v.holidayLine = 1; },
         [](const CConfigPrint& c) { return c.GetHolidayLine() == 1; }, "1"},
        {"Keisen",
         [](VrPrintValues& v) {
             v.keisenVertical = 2;
             v.keisenHorizontal = 3;
         },
         [](const CConfigPrint& c) {
             return c.GetKeisenVertical() == 2 && c.GetKeisenHorizontal() == 3;
         },
         "515"},
        {"Color", [](VrPrintValues& v) { v.color = RGB(0, 128, 255); },
         [](const CConfigPrint& c) { return c.GetColor() == RGB(0, 128, 255); }, "0,128,255"},
        {"KeisenDotFlag", [](VrPrintValues& v) { v.keisenDotFlag = 1; },
         [](const CConfigPrint& c) { return c.GetKeisenDotFlag() == 1; }, "1"},
        {"KeisenDotWidth", [](VrPrintValues& v) { v.keisenDotWidth = 3; },
         [](const CConfigPrint& c) { return c.GetKeisenDotWidth() == 3; }, "3"},
        {"KeisenDotItv", [](VrPrintValues& v) { v.keisenDotItv = 4; },
         [](const CConfigPrint& c) { return c.GetKeisenDotItv() == 4; }, "4"},
        {"KeisenDotLen", [](VrPrintValues& v) { v.keisenDotLen = 17; },
         [](const CConfigPrint& c) { return c.GetKeisenDotLen() == 17; }, "17"},
        {"KeisenDot2Width", [](VrPrintValues& v) { v.keisenDot2Width = 3; },
         [](const CConfigPrint& c) { return c.GetKeisenDot2Width() == 3; }, "3"},
        {"VoldLineEx", [](VrPrintValues& v) { v.voldLineEx = 1; },
         [](const CConfigPrint& c) { return c.GetVoldLineEx() == 1; }, "1"},
        {"LineRate", [](VrPrintValues& v) { v.lineRate = "2.5"; },
         [](const CConfigPrint& c) { return c.GetLineRate() == "2.5"; }, "2.5"},
        {"ZoomPrinting", [](VrPrintValues& v) { v.zoomPrinting = 0; },
         [](const CConfigPrint& c) { return c.GetZoomPrinting() == 0; }, "0"},
        {"CrossType", [](VrPrintValues& v) { v.crossType = 2; },
         [](const CConfigPrint& c) { return c.GetCrossType() == 2; }, "2"},
        {"ArcRay", [](VrPrintValues& v) { v.arcRay = 999; },
         [](const CConfigPrint& c) { return c.GetArcRay() == 999; }, "999"},
        {"SatdayColor", [](VrPrintValues& v) { v.satdayColor = RGB(1, 2, 3); },
         [](const CConfigPrint& c) { return c.GetSatdayColor() == RGB(1, 2, 3); }, "1,2,3"},
        {"SundayColor", [](VrPrintValues& v) { v.sundayColor = RGB(4, 5, 6); },
         [](const CConfigPrint& c) { return c.GetSundayColor() == RGB(4, 5, 6); }, "4,5,6"},
        {"Hatch", [](VrPrintValues& v) { v.hatch = 0; },
         [](const CConfigPrint& c) { return c.GetHatch() == 0; }, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        CPrHeader chart;
        CConfigPrint stored;
        VrPrintValues v = CopyInPrintValues(&chart, &settings, defaults, std::nullopt, CTime());
        EXPECT_FALSE(c.applied(chart)) << "the case changes nothing";
        c.change(v);
        ApplyPrintValues(v, chart, settings);
        EXPECT_TRUE(c.applied(chart));
        ASSERT_TRUE(StorePrintDefaults(v, stored));
        EXPECT_TRUE(c.applied(stored));
        EXPECT_EQ(GetProfileString(CConfigPrint::kSection, c.key, "?"), c.stored);
    }
}

TEST_F(VrPrintValuesTest, TextsMarginsAndPagesStayWithTheChart) {
    VrPrintValues v = Opened();
    v.period = {"2003", "1", "2", "2004", "5", "6"};
    v.date = {"2003", "7", "8"};
    v.marginLeft = 120;
    v.marginTop = 80;
    v.fromPage = 2;
    v.toPage = 3;
    ApplyPrintValues(v, header, settings);
    EXPECT_EQ(header.GetHeaderTexts(), v.period);
    EXPECT_EQ(header.GetPeriodSetFlag(), 1);
    EXPECT_EQ(header.GetHeaderTexts2(), v.date);
    EXPECT_EQ(header.GetDateSetFlag(), 1);
    // Kept as (left, -top), shown again as absolute values.
    EXPECT_EQ(settings.GetPageSetting().GetMarginShift(), CPoint(120, -80));
    const VrPrintValues again = Opened();
    EXPECT_EQ(again.marginLeft, 120);
    EXPECT_EQ(again.marginTop, 80);

    CConfigPrint stored;
    ASSERT_TRUE(StorePrintDefaults(v, stored));
    EXPECT_EQ(stored.GetHeaderTexts(), CConfigPrint::PeriodTexts{});
    EXPECT_EQ(stored.GetPeriodSetFlag(), 0);
    EXPECT_EQ(stored.GetHeaderTexts2(), CConfigPrint::DateTexts{});
    EXPECT_EQ(stored.GetDateSetFlag(), 0);
}

TEST_F(VrPrintValuesTest, TheMarginPairKeepsThePrintersOffset) {
    CPrintArea::StoredFields fields;
    fields.printerOffset = CPoint(40, -30);
    settings.GetPageSetting().SetStoredFields(fields);
    VrPrintValues v = Opened();
    v.marginLeft = 0;
    v.marginTop = 500;
    ApplyPrintValues(v, header, settings);
    EXPECT_EQ(settings.GetPageSetting().GetMarginShift(), CPoint(0, -500));
    EXPECT_EQ(settings.GetPageSetting().GetPrinterOffset(), CPoint(40, -30));
}

TEST_F(VrPrintValuesTest, TheFactorIsCheckedOnThePageAndClampedOnApply) {
    struct Case {
        const char* text;
        bool inRange;
        const char* applied;
    };
    const std::vector<Case> cases = {
        {"0.5", true, "0.5"},  {"3.0", true, "3.0"},  {"1.25", true, "1.25"},
        {"3.1", false, "3.0"}, {"5.0", false, "3.0"}, {"0.4", false, "0.5"},
        {"-1", false, "0.5"},  {"", false, "0.5"},    {"1.0x", false, "0.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsLineRateInRange(c.text), c.inRange);
        // A stored factor that no page checked (the page was never opened) is clamped as well.
        header.SetLineRate(c.text);
        VrPrintValues v = Opened();
        EXPECT_EQ(v.lineRate, c.text);
        ApplyPrintValues(v, header, settings);
        EXPECT_EQ(header.GetLineRate(), c.applied);
    }
}

TEST_F(VrPrintValuesTest, ThePeriodAndDateComeFromTheHeaderOnlyWhenSetThere) {
    const LayoutPeriod view{CTime(2001, 4, 15), CTime(2001, 12, 24)};
    EXPECT_EQ(Opened().period, (CConfigPrint::PeriodTexts{"2001", "4", "1", "2002", "3", "31"}));
    EXPECT_EQ(Opened(view).period,
              (CConfigPrint::PeriodTexts{"2001", "4", "15", "2001", "12", "24"}));
    EXPECT_EQ(Opened(view).layoutPeriod, Opened(view).period);
    EXPECT_EQ(Opened().date, (CConfigPrint::DateTexts{"2001", "5", "6"}));

    header.SetHeaderTexts({"1999", "1", "1", "1999", "2", "2"});
    header.SetHeaderTexts2({"1998", "3", "3"});
    EXPECT_EQ(Opened(view).period,
              (CConfigPrint::PeriodTexts{"2001", "4", "15", "2001", "12", "24"}));
    header.SetPeriodSetFlag(1);
    header.SetDateSetFlag(1);
    EXPECT_EQ(Opened(view).period, header.GetHeaderTexts());
    // "期間" still offers the view's dates.
    EXPECT_EQ(Opened(view).layoutPeriod,
              (CConfigPrint::PeriodTexts{"2001", "4", "15", "2001", "12", "24"}));
    EXPECT_EQ(Opened().date, header.GetHeaderTexts2());
}

TEST_F(VrPrintValuesTest, WithoutADocumentTheDefaultsOpenAndThePagesAreOneToOne) {
    defaults.SetArcRay(44);
    defaults.SetKeisen(1, 2);
    const VrPrintValues v = CopyInPrintValues(nullptr, nullptr, defaults, std::nullopt, CTime());
    EXPECT_EQ(v.arcRay, 44);
    EXPECT_EQ(PackKeisen(v.keisenVertical, v.keisenHorizontal), 0x0102);
    EXPECT_EQ(v.period, CConfigPrint::PeriodTexts{});
    EXPECT_EQ(v.fromPage, 1u);
    EXPECT_EQ(v.toPage, 1u);
    settings.SetNobeMode(1);
    EXPECT_TRUE(Opened().elapsed);
}

TEST_F(VrPrintValuesTest, ThePaperTextNamesTheChartsPaperOnly) {
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "A4"}, {1, "B4"}, {2, "A3"}, {3, "A3縦"}, {4, "A2"}, {5, "A1"}, {6, ""}, {-1, ""}};
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(PaperText(code), text) << code;
    }
    EXPECT_EQ(ScaleText(1), "ON");
    EXPECT_EQ(ScaleText(0), "OFF");
}

} // namespace
} // namespace tembra
