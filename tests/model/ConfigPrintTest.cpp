#include "model/ConfigPrint.h"

#include "platform/Profile.h"
#include "platform/ProfileFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using test::ScopedPaths;

class ConfigPrintTest : public ::testing::Test {
protected:
    ScopedPaths paths;
};

void ExpectBuiltInDefaults(const CConfigPrint& c) {
    EXPECT_EQ(c.GetSelect(), 0);
    EXPECT_EQ(c.GetKikan(), 1);
    EXPECT_EQ(c.GetToDay(), 1);
    EXPECT_EQ(c.GetAmikake(), 0);
    EXPECT_EQ(c.GetKeisen(), 0);
    EXPECT_EQ(c.GetColor(), RGB(0, 0, 0));
    EXPECT_EQ(c.GetVoldLineEx(), 0);
    EXPECT_EQ(c.GetAmikakeColor(), RGB(255, 0, 0));
    EXPECT_EQ(c.GetHolidayLine(), 2);
    EXPECT_EQ(c.GetZoomPrinting(), 1);
    EXPECT_EQ(c.GetCrossType(), 0);
    EXPECT_EQ(c.GetArcRay(), 9);
    EXPECT_EQ(c.GetSatdayColor(), RGB(0, 0, 255));
    EXPECT_EQ(c.GetSundayColor(), RGB(255, 0, 0));
    EXPECT_EQ(c.GetLineRate(), "1.0");
    EXPECT_EQ(c.GetHatch(), 1);
    EXPECT_EQ(c.GetKeisenDotFlag(), 0);
    EXPECT_EQ(c.GetKeisenDotWidth(), 1);
    EXPECT_EQ(c.GetKeisenDotItv(), 10);
    EXPECT_EQ(c.GetKeisenDotLen(), 10);
    EXPECT_EQ(c.GetKeisenDot2Width(), 2);
    EXPECT_EQ(c.GetPeriodSetFlag(), 0);
    EXPECT_EQ(c.GetHeaderTexts(), CConfigPrint::PeriodTexts{});
    EXPECT_EQ(c.GetDateSetFlag(), 0);
    EXPECT_EQ(c.GetHeaderTexts2(), CConfigPrint::DateTexts{});
}

TEST_F(ConfigPrintTest, ReadWithoutProfileResetsEveryFieldAndTouchesNoKey) {
    ASSERT_TRUE(WriteProfileInt("PrintConfig", "Kikan", 0));
    CConfigPrint c;
    c.SetArcRay(30);
    c.SetLineRate("2.5");
    c.SetHeaderTexts({"2001", "4", "1", "2002", "3", "31"});
    c.SetPeriodSetFlag(1);
    EXPECT_TRUE(c.Read(FALSE));
    ExpectBuiltInDefaults(c);
}

TEST_F(ConfigPrintTest, AnEmptyProfileGivesTheBuiltInDefaults) {
    CConfigPrint c;
    EXPECT_TRUE(c.Read(TRUE));
    ExpectBuiltInDefaults(c);
}

TEST_F(ConfigPrintTest, ReadsEveryKeyWithItsEncoding) {
    const std::vector<std::pair<const char*, const char*>> keys = {
        {"Select", "1"},
        {"Kikan", "-1"},
        {"ToDay", "65538"},
        {"Amikake", "3"},
        {"Keisen", "513"},
        {"Color", "1,2,3"},
        {"VoldLineEx", "2"},
        {"AmikakeColor", "300,0,0"},
        {"HolidayLine", "1"},
        {"ZoomPrinting", "0"},
        {"CrossType", "1"},
        {"ArcRay", "20"},
        {"SatdayColor", "0,0,128"},
        {"SundayColor", "nonsense"},
        {"LineRate", "1.5"},
        {"Hatch", "0"},
        {"KeisenDotFlag", "1"},
        {"KeisenDotWidth", "3"},
        {"KeisenDotItv", "15"},
        {"KeisenDotLen", "12"},
        {"KeisenDot2Width", "4"},
    };
    for (const auto& [key, value] : keys) {
        ASSERT_TRUE(WriteProfileString("PrintConfig", key, value));
    }
    CConfigPrint c;
    c.Read(TRUE);
    EXPECT_EQ(c.GetSelect(), 1);
    EXPECT_EQ(c.GetKikan(), -1); // signed 16 bits
    EXPECT_EQ(c.GetToDay(), 2);  // low 16 bits of 65538
    EXPECT_EQ(c.GetAmikake(), 3);
    EXPECT_EQ(c.GetKeisenVertical(), 2); // 513 = 2 << 8 | 1
    EXPECT_EQ(c.GetKeisenHorizontal(), 1);
    EXPECT_EQ(c.GetColor(), RGB(1, 2, 3));
    EXPECT_EQ(c.GetVoldLineEx(), 2);
    EXPECT_EQ(c.GetAmikakeColor(), RGB(44, 0, 0)); // each component cut to 8 bits
    EXPECT_EQ(c.GetHolidayLine(), 1);
    EXPECT_EQ(c.GetZoomPrinting(), 0);
    EXPECT_EQ(c.GetCrossType(), 1);
    EXPECT_EQ(c.GetArcRay(), 20);
    EXPECT_EQ(c.GetSatdayColor(), RGB(0, 0, 128));
    EXPECT_EQ(c.GetSundayColor(), RGB(255, 0, 0)); // does not scan: the default stays
    EXPECT_EQ(c.GetLineRate(), "1.5");
    EXPECT_EQ(c.GetHatch(), 0);
    EXPECT_EQ(c.GetKeisenDotFlag(), 1);
    EXPECT_EQ(c.GetKeisenDotWidth(), 3);
    EXPECT_EQ(c.GetKeisenDotItv(), 15);
    EXPECT_EQ(c.GetKeisenDotLen(), 12);
    EXPECT_EQ(c.GetKeisenDot2Width(), 4);
}

TEST_F(ConfigPrintTest, WritesEveryKeyInOrderAndReadsItBack) {
    CConfigPrint written;
    written.Read(FALSE);
    written.SetSelect(1);
    written.SetKikan(-2);
    written.SetToDay(0xFFFF);
    written.SetKeisen(3, 4);
    written.SetColor(RGB(10, 20, 30));
    written.SetAmikakeColor(RGB(0, 255, 0));
    written.SetSundayColor(RGB(1, 1, 1));
    written.SetLineRate("0.5");
    written.SetHatch(-7);
    written.SetKeisenDotLen(7);
    written.SetKeisenDotItv(8);
    EXPECT_TRUE(written.Write(0));

    EXPECT_EQ(UserProfile().KeyNames("PrintConfig"),
              (std::vector<std::string>{"Select",       "Kikan",         "ToDay",
                                        "Amikake",      "Keisen",        "VoldLineEx",
                                        "HolidayLine",  "ZoomPrinting",  "CrossType",
                                        "ArcRay",       "Color",         "AmikakeColor",
                                        "SatdayColor",  "SundayColor",   "LineRate",
                                        "Hatch",        "KeisenDotFlag", "KeisenDotWidth",
                                        "KeisenDotLen", "KeisenDotItv",  "KeisenDot2Width"}));
    EXPECT_EQ(GetProfileString("PrintConfig", "Color"), "10,20,30");
    // Signed fields sign-extended, unsigned ones zero-extended.
    EXPECT_EQ(GetProfileString("PrintConfig", "Kikan"), "-2");
    EXPECT_EQ(GetProfileString("PrintConfig", "ToDay"), "65535");

    CConfigPrint read;
    read.Read(TRUE);
    EXPECT_EQ(read.GetSelect(), written.GetSelect());
    EXPECT_EQ(read.GetKikan(), written.GetKikan());
    EXPECT_EQ(read.GetToDay(), written.GetToDay());
    EXPECT_EQ(read.GetKeisen(), written.GetKeisen());
    EXPECT_EQ(read.GetColor(), written.GetColor());
    EXPECT_EQ(read.GetAmikakeColor(), written.GetAmikakeColor());
    EXPECT_EQ(read.GetSundayColor(), written.GetSundayColor());
    EXPECT_EQ(read.GetLineRate(), written.GetLineRate());
    EXPECT_EQ(read.GetHatch(), written.GetHatch());
    EXPECT_EQ(read.GetKeisenDotLen(), 7);
    EXPECT_EQ(read.GetKeisenDotItv(), 8);
}

TEST_F(ConfigPrintTest, CopyTakesEveryFieldButTheLocalLayoutFlag) {
    CConfigPrint source;
    source.SetArcRay(15);
    source.SetLineRate("3.0");
    source.SetPeriodSetFlag(1);
    source.SetHeaderTexts({"2001", "4", "1", "2002", "3", "31"});
    source.SetDateSetFlag(1);
    source.SetHeaderTexts2({"2001", "5", "6"});
    source.SetLocalLayout(1);

    CConfigPrint target;
    target.SetLocalLayout(0);
    target.Copy(source);
    EXPECT_EQ(target.GetArcRay(), 15);
    EXPECT_EQ(target.GetLineRate(), "3.0");
    EXPECT_EQ(target.GetPeriodSetFlag(), 1);
    EXPECT_EQ(target.GetHeaderTexts(), source.GetHeaderTexts());
    EXPECT_EQ(target.GetDateSetFlag(), 1);
    EXPECT_EQ(target.GetHeaderTexts2(), source.GetHeaderTexts2());
    EXPECT_EQ(target.GetLocalLayout(), 0);
}

TEST_F(ConfigPrintTest, TheApplicationDefaultsComeFromTheInstalledSource) {
    ExpectBuiltInDefaults(GetAppPrintConfig());
    CConfigPrint app;
    app.SetArcRay(42);
    AppPrintConfigSource previous =
        SetAppPrintConfigSource([&app]() -> const CConfigPrint& { return app; });
    EXPECT_EQ(GetAppPrintConfig().GetArcRay(), 42);
    SetAppPrintConfigSource(previous);
    EXPECT_EQ(GetAppPrintConfig().GetArcRay(), 9);
}

} // namespace
} // namespace tembra
