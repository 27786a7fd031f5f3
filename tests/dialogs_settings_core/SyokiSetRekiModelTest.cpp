#include "dialogs/settings/core/SyokiSetRekiModel.h"

#include "SyokiSetFixture.h"
#include "platform/RangeMessage.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

using test::SyokiSetFixture;

CTime Date(const SyokiSetValues& v, bool end) {
    const std::array<int, 3>& i = end ? v.end : v.start;
    return CTime(kMinDateYear + i[0], i[1] + 1, i[2] + 1);
}

class SyokiSetRekiModelTest : public SyokiSetFixture {
protected:
    void Load() {
        model.LoadPeriod(&doc.GetSyokiSet(), nullptr);
        model.InitControls();
        ui->ClearRecords();
    }
    void SetIndexes(std::array<int, 3>& indexes, int year, int month, int day) {
        indexes = {year - kMinDateYear, month - 1, day - 1};
    }

    CSyokiSetRekiModel model{&doc};
};

TEST_F(SyokiSetRekiModelTest, TheModelCountsAsAnOpenSettingsDialog) {
    EXPECT_EQ(app->GetSyokiDlgCount(), 1);
    {
        CSyokiSetRekiModel second(&doc);
        EXPECT_EQ(app->GetSyokiDlgCount(), 2);
    }
    EXPECT_EQ(app->GetSyokiDlgCount(), 1);
}

// ---- The period ---------------------------------------------------------------------------------

TEST_F(SyokiSetRekiModelTest, PeriodFieldsAreRepairedAsTheyAreLeft) {
    struct Case {
        const char* what;
        CTime start;
        CTime end;
        int mae;
        int ato;
        // "日数" entered instead of the end (-1: the end fields were edited).
        int days;
        CTime wantStart;
        CTime wantEnd;
        int wantMae;
        int wantAto;
        int wantDays;
    };
    const CTime max = GetMaxDate();
    const Case cases[] = {
        {"start after end", CTime(2010, 5, 10), CTime(2010, 5, 1), 0, 0, -1, CTime(2010, 5, 10),
         CTime(2010, 5, 10), 0, 0, 1},
        {"30 February", CTime(2000, 2, 30), CTime(2000, 3, 10), 0, 0, -1, CTime(2000, 3, 1),
         CTime(2000, 3, 10), 0, 0, 10},
        {"leading margin before the first day", CTime(1991, 1, 5), CTime(1991, 2, 1), 10, 3, -1,
         CTime(1991, 1, 1), CTime(1991, 2, 1), 0, 3, 32},
        {"trailing margin after the last day", max - CTimeSpan(9, 0, 0, 0), max, 2, 5, -1,
         max - CTimeSpan(9, 0, 0, 0), max, 2, 0, 10},
        {"day count 0", CTime(2010, 4, 1), CTime(2010, 4, 30), 0, 0, 0, CTime(2010, 4, 1),
         CTime(2010, 4, 1), 0, 0, 1},
        {"day count past the last day", max - CTimeSpan(9, 0, 0, 0), max, 0, 4, 100,
         max - CTimeSpan(9, 0, 0, 0), max, 0, 0, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetPeriod(CTime(2010, 4, 1), CTime(2010, 4, 30));
        Load();
        SyokiSetValues& v = model.Values();
        SetIndexes(v.start, c.start.GetYear(), c.start.GetMonth(), c.start.GetDay());
        if (c.what == std::string("30 February")) {
            v.start = {2000 - kMinDateYear, 1, 29};
        }
        SetIndexes(v.end, c.end.GetYear(), c.end.GetMonth(), c.end.GetDay());
        v.maeYohaku = c.mae;
        v.atoYohaku = c.ato;
        if (c.days >= 0) {
            v.dayCount = c.days;
            model.RecalcEndFromDays();
        } else {
            model.RecalcDayCount();
        }
        EXPECT_EQ(Date(v, false), c.wantStart);
        EXPECT_EQ(Date(v, true), c.wantEnd);
        EXPECT_EQ(v.maeYohaku, c.wantMae);
        EXPECT_EQ(v.atoYohaku, c.wantAto);
        EXPECT_EQ(v.dayCount, c.wantDays);
    }
}

TEST_F(SyokiSetRekiModelTest, StorePutsTheMarginsAroundTheDisplayedPeriod) {
    SetPeriod(CTime(2010, 4, 1), CTime(2010, 4, 30), 3, 4);
    Load();
    SyokiSetValues& v = model.Values();
    v.rows = 20;
    v.start = {2011 - kMinDateYear, 0, 9};
    v.end = {2011 - kMinDateYear, 1, 9};
    model.RecalcDayCount();
    CSyokiSet stored = doc.GetSyokiSet();
    ASSERT_TRUE(model.StorePeriod(&stored));
    EXPECT_EQ(stored.GetStartDate(), CTime(2011, 1, 7));
    EXPECT_EQ(stored.GetEndDate(), CTime(2011, 2, 14));
    EXPECT_EQ(stored.GetDisplayDayCount(), 32);
    EXPECT_EQ(stored.GetRowSpan(), 20);
    EXPECT_EQ(stored.GetNobeMode(), 0);
    // The document's own record is changed only by the caller.
    EXPECT_EQ(doc.GetSyokiSet().GetStartDate(), CTime(2010, 3, 29));

    CSyokiSetRekiModel empty(&doc);
    EXPECT_FALSE(empty.StorePeriod(nullptr));
}

TEST_F(SyokiSetRekiModelTest, ARefusedFieldIsNamedAndNothingIsRecalculated) {
    SetPeriod(CTime(2010, 4, 1), CTime(2010, 4, 30));
    Load();
    model.Values().rows = 151;
    model.Values().end = {2010 - kMinDateYear, 4, 0};
    EXPECT_EQ(model.ReadControls(), SyokiSetField::kRows);
    model.RecalcDayCount();
    EXPECT_EQ(model.Values().dayCount, 30);
    EXPECT_EQ(ui->MessageIds().back(), IDS_VALUE_RANGE);
    model.Values().rows = 150;
    model.Values().insetLeft = 701;
    EXPECT_EQ(model.ReadControls(), SyokiSetField::kInsetLeft);
    EXPECT_FALSE(model.CanClose());
}

// The era row keeps its kind 5 and is named 和暦 in the row lists: it shows 平成 and 令和 years.
TEST_F(SyokiSetRekiModelTest, TheEraRowIsNamedWareki) {
    SetPeriod(CTime(2027, 4, 1), CTime(2027, 6, 30));
    Load();
    model.SetDateRows({kDateRowEraYear, kDateRowMonth, kDateRowDay, kDateRowNone}, {0, 0, 0, 0});
    EXPECT_EQ(model.GetDateRows()[0], 5);
    EXPECT_EQ(test::U8(model.GetRowLabels()[0]), "和暦");
    EXPECT_EQ(test::U8(model.GetRowLabels()[1]), "月");
}

// ---- The date-label check ----------------------------------------------------------------------

class SyokiSetThinningTest : public SyokiSetRekiModelTest {
protected:
    // A2, the item width chosen so that the chart is 4000 wide; a period of days ending on
    // 2010-04-01 + days - 1; the date font as wide as given.
    void Prepare(int days, int fontWidth) {
        SetPaper(4);
        SetPeriod(CTime(2000, 1, 1), CTime(2000, 1, 1) + CTimeSpan(days - 1, 0, 0, 0));
        Load();
        const CPrintArea& area = model.GetArea();
        model.Values().itemWidth = area.GetLeftWidth() + area.GetChartSize().cx - 4000;
        model.OnItemWidthLeft();
        ASSERT_EQ(model.GetArea().GetChartSize().cx, 4000);
        ElementFontSet fonts = model.GetFonts();
        fonts[kFontDate].lfWidth = fontWidth;
        model.SetFonts(fonts);
        ui->ClearRecords();
    }
};

TEST_F(SyokiSetThinningTest, TheLabelsAreWideEnoughForTheDateFont) {
    Prepare(100, 20);
    SyokiSetValues& v = model.Values();
    v.dateUnit = kUnitDay;
    v.dateStep = 0;
    v.holidayMode = 2;
    ASSERT_TRUE(model.CheckThinning(false));
    EXPECT_DOUBLE_EQ(model.GetMeasure().minWidth, 42.0);
    EXPECT_DOUBLE_EQ(model.GetMeasure().widthPerUnit, 40.0);
    EXPECT_EQ(v.dateUnit, kUnitDay);
    EXPECT_EQ(v.dateStep, 1);
    EXPECT_EQ(model.GetDateStepList()[1], " 2");
    EXPECT_EQ(v.keisenUnit, kUnitDay);
    EXPECT_EQ(v.keisenStep, 1);
    EXPECT_EQ(v.holidayMode, 2);
    EXPECT_EQ(model.GetDateRows()[0], kDateRowMonth);
    EXPECT_EQ(model.GetDateRows()[1], kDateRowDay);
    EXPECT_EQ(test::U8(model.GetRowLabels()[1]), "日");
    EXPECT_FALSE(model.IsStartHourEnabled());
    EXPECT_TRUE(ui->MessageIds().empty());
}

TEST_F(SyokiSetThinningTest, ShownUnitsAreKeptRaisedOrReplaced) {
    struct Case {
        const char* what;
        int days;
        int fontWidth;
        int unit;
        int step;
        int holiday;
        int wantUnit;
        int wantStep;
        int wantHoliday;
    };
    const Case cases[] = {
        // W 5: a day step of 10 is needed; two weeks (14 days) do.
        {"one week raised to two", 800, 20, kUnitWeek, 0, 2, kUnitWeek, 1, 2},
        // W 4: 15 days are needed; no week step does.
        {"weeks run out", 1000, 20, kUnitWeek, 0, 2, kUnitDay, 7, 1},
        {"a shown step wider than needed stays", 100, 20, kUnitDay, 4, 2, kUnitDay, 4, 1},
        {"a coarser unit stays", 100, 20, kUnitMonth, 0, 2, kUnitMonth, 0, 1},
        // W 1, M 202: only years fit, and years shade no holiday.
        {"years", 4000, 100, kUnitDay, 0, 2, kUnitYear, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Prepare(c.days, c.fontWidth);
        SyokiSetValues& v = model.Values();
        v.dateUnit = c.unit;
        v.dateStep = c.step;
        v.keisenUnit = c.unit;
        v.keisenStep = 0;
        v.holidayMode = c.holiday;
        EXPECT_TRUE(model.CheckThinning(false));
        EXPECT_EQ(v.dateUnit, c.wantUnit);
        EXPECT_EQ(v.dateStep, c.wantStep);
        EXPECT_EQ(v.holidayMode, c.wantHoliday);
        EXPECT_EQ(v.keisenUnit, c.wantUnit);
    }
}

TEST_F(SyokiSetThinningTest, NoWidthOrNoStepRefusesAndKeepsTheFields) {
    // Nothing fits: W 1 and M 802 even for two years.
    Prepare(4000, 400);
    SyokiSetValues& v = model.Values();
    v.dateUnit = kUnitDay;
    v.dateStep = 3;
    EXPECT_FALSE(model.CheckThinning(true));
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5075});
    EXPECT_EQ(v.dateUnit, kUnitDay);
    EXPECT_EQ(v.dateStep, 3);
    EXPECT_FALSE(model.CanClose());

    // No width: the item columns take the whole process area.
    SetPaper(0);
    CPageSetting& page = doc.GetSyokiSet().GetPageSetting();
    page.SetLeftWidth(page.GetLeftWidth() + page.GetChartSize().cx);
    ASSERT_EQ(page.GetChartSize().cx, 0);
    Load();
    EXPECT_FALSE(model.CheckThinning(false));
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5079});
    ui->ClearRecords();
    EXPECT_FALSE(model.CheckRuledLines(false));
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5079});
}

TEST_F(SyokiSetThinningTest, HourLabelsEnableTheStartHourAndCountTheScaleInHours) {
    Prepare(2, 20);
    SyokiSetValues& v = model.Values();
    v.dateUnit = kUnitHour;
    v.dateStep = 0;
    v.startHour = 5;
    ASSERT_TRUE(model.CheckThinning(false));
    EXPECT_EQ(v.dateUnit, kUnitHour);
    EXPECT_TRUE(model.IsStartHourEnabled());
    EXPECT_EQ(v.startHour, 5);
    EXPECT_TRUE(model.Hensoku().IsHourMode());

    // Optimising a period of more than five days never keeps hours; the scale goes back to days.
    Prepare(6, 1);
    v.dateUnit = kUnitHour;
    v.startHour = 5;
    model.Hensoku().SetHourMode(TRUE);
    ASSERT_TRUE(model.CheckThinning(true));
    EXPECT_EQ(v.dateUnit, kUnitDay);
    EXPECT_FALSE(model.IsStartHourEnabled());
    EXPECT_EQ(v.startHour, 0);
    EXPECT_FALSE(model.Hensoku().IsHourMode());
}

TEST_F(SyokiSetThinningTest, ChangingTheDateUnitResetsBothStepsAndTheRuledUnit) {
    Prepare(100, 20);
    SyokiSetValues& v = model.Values();
    v.dateStep = 3;
    v.keisenUnit = kUnitDay;
    v.keisenStep = 2;
    v.dateUnit = kUnitMonth;
    model.OnDateUnitChanged();
    EXPECT_EQ(v.dateUnit, kUnitMonth);
    EXPECT_EQ(v.dateStep, 0);
    EXPECT_EQ(v.keisenUnit, kUnitMonth);
    EXPECT_EQ(v.keisenStep, 0);
    EXPECT_EQ(model.GetDateStepList().size(), 5u);
    EXPECT_EQ(model.GetDateRows()[0], kDateRowYear);
}

// ---- The ruled-line check ----------------------------------------------------------------------

TEST_F(SyokiSetThinningTest, RuledLinesMustSuitTheDateUnit) {
    // The message for each date unit when the ruled unit is not one of its two.
    const UINT messages[5] = {5028, 5031, 5029, 5032, 5030};
    const bool allowed[5][6] = {
        // day   week   month  year   hour   minute
        {true, false, false, false, true, false}, // days
        {true, true, false, false, false, false}, // weeks
        {true, false, true, false, false, false}, // months
        {false, false, true, true, false, false}, // years
        {false, false, false, false, true, true}, // hours
    };
    Prepare(100, 20);
    SyokiSetValues& v = model.Values();
    for (int du = 0; du < 5; ++du) {
        for (int ru = 0; ru < 6; ++ru) {
            SCOPED_TRACE(std::to_string(du) + " " + std::to_string(ru));
            ui->ClearRecords();
            v.dateUnit = du;
            v.dateStep = 1;
            v.keisenUnit = ru;
            v.keisenStep = 0;
            EXPECT_TRUE(model.CheckRuledLines(false));
            if (allowed[du][ru]) {
                EXPECT_TRUE(ui->MessageIds().empty());
                EXPECT_EQ(v.keisenUnit, ru);
                EXPECT_EQ(v.keisenStep, 0);
            } else {
                EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{messages[du]});
                EXPECT_EQ(v.keisenUnit, du);
                EXPECT_EQ(v.keisenStep, 1);
            }
        }
    }
}

} // namespace
} // namespace tembra
