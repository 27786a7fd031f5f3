#include "model/ConfigBase.h"

#include "model/AppDrawSettings.h"
#include "model/PrintArea.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace tembra {
namespace {

namespace fs = std::filesystem;

// Sections, keys and values as UTF-8, for readable comparisons.
using ProfileMap = std::map<std::string, std::map<std::string, std::string>>;

// The user profile as it stands.
ProfileMap DumpProfile() {
    ProfileMap map;
    ProfileFile& profile = UserProfile();
    for (const std::string& section : profile.SectionNames()) {
        for (const std::string& key : profile.KeyNames(section)) {
            map[Sjis::ToUtf8(section)][Sjis::ToUtf8(key)] =
                Sjis::ToUtf8(profile.Find(section, key).value_or(""));
        }
    }
    return map;
}

// Writes a profile file holding exactly these values (the stand-in for the registry key is
// UTF-8 text).
void WriteProfileFixture(const ProfileMap& map) {
    std::string text;
    for (const auto& [section, keys] : map) {
        text += "[" + section + "]\n";
        for (const auto& [key, value] : keys) {
            text += key + "=" + value + "\n";
        }
    }
    fs::create_directories(UserProfilePath().parent_path());
    std::ofstream(UserProfilePath(), std::ios::binary) << text;
}

// Temporary program folders with the shipped standard layout, the scripted user interface and
// an application settings object installed as the application's.
class ConfigBaseTest : public ::testing::Test {
protected:
    ConfigBaseTest() : m_sourceData(Paths::ShippedDataDir()) {
        m_paths.emplace();
        fs::copy_file(m_sourceData / "MASTER01.LYT", m_paths->Shipped() / "MASTER01.LYT");
        m_previous = SetAppConfig(&app);
    }
    ~ConfigBaseTest() override { SetAppConfig(m_previous); }

    fs::path m_sourceData;
    std::optional<test::ScopedPaths> m_paths;
    test::ScopedUi ui;
    CConfigBase app;
    CConfigBase* m_previous = nullptr;
};

// ---- A profile holding every key ----------------------------------------------------------------

std::string Line(std::initializer_list<std::string> fields) {
    std::string line;
    for (const std::string& f : fields) {
        line += (line.empty() ? "" : ",") + f;
    }
    return line;
}

ProfileMap FullProfile() {
    ProfileMap p;
    p["SystemConfig"] = {{"ToolBar", "1"},       {"CursorDate", "3"},  {"EndDateDec", "0"},
                         {"BlackBack", "1"},     {"RightClick", "1"},  {"Ctl3DDisable", "1"},
                         {"PrSetOriginal", "1"}, {"HolidayMesh", "0"}, {"CrossCursor", "1"}};
    p["BaseConfig"] = {{"Kikan", "60"},      {"Lines", "55"},    {"NobeMode", "1"},
                       {"MaeYohaku", "3"},   {"AtoYohaku", "4"}, {"JyunbiKikan", "2"},
                       {"MonthDays", "28"},  {"Paper", "4"},     {"Muki", "0"},
                       {"BigHolidays", "3"}, {"YearMode", "1"},  {"MonthMode", "2"},
                       {"DayMode", "0"},     {"WeekMode", "1"}};
    p["AreaNameConfig"] = {{"Style", "2"}, {"BunkatuOpt", "1"}, {"KoumokuColumnCount", "4"}};
    p["AreaNameConfig\\StdData"] = {
        {"StdData0", Line({"0", "工種", "1", "ＭＳ ゴシック", "-40", "20", "4", "1", "255"})},
        {"StdData1", Line({"1", "日程", "0", "ＭＳ 明朝", "-32", "16", "256", "2", "0"})}};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 10; ++j) {
            const std::string n = std::to_string(i) + "-" + std::to_string(j);
            p["AreaNameConfig\\GridData"]["GridData" + n] =
                Line({std::to_string(i), std::to_string(j), "G" + n, "0", "ＭＳ 明朝", "-30",
                      std::to_string(j), "512", "1", std::to_string(i * 10 + j), "-1", "255", "2",
                      "65535", "65280", "1"});
        }
    }
    for (int k = 0; k < 13; ++k) {
        p["AreaNameConfig\\SlantData"]["SlantData" + std::to_string(k)] =
            Line({std::to_string(k), "S" + std::to_string(k), "1", "ＭＳ 明朝", "-28", "14", "0",
                  "2", "16711680", "0", "0", std::to_string(k % 3)});
    }
    p["KoumokuConfig"] = {{"Partition", "1"}, {"EventBase", "2"}, {"FontHeigh", "2"},
                          {"FontWidth", "3"}, {"Form", "1"},      {"Attrb", "4"},
                          {"Color", "1,2,3"}};
    p["KouteiConfig"] = {
        {"NormalWidth", "4"},   {"ThinWidth", "2"},   {"BoldWidth", "8"},    {"Style", "3"},
        {"SubStyle", "1"},      {"Type", "2"},        {"Width", "1"},        {"Holiday", "0"},
        {"Hatch", "99"},        {"CornerSize", "11"}, {"ArrowLength", "13"}, {"ArrowAngle", "31"},
        {"KakomiAngle", "-45"}, {"Inclined", "21"},   {"BarHeight", "19"},   {"Color", "255,0,0"}};
    p["LandConfig"] = {{"Radius", "7"}, {"Style", "2"}, {"Type", "1"}, {"Color", "0,255,0"}};
    p["YogoConfig"] = {{"FontHeigh", "2"},  {"FontWidth", "1"},    {"Form", "2"},
                       {"Attrb", "8"},      {"LinkPosition", "1"}, {"Stack", "3"},
                       {"OffsetX", "5"},    {"OffsetY", "-3"},     {"DrawerX", "10"},
                       {"DrawerY", "-20"},  {"LineSpace", "12"},   {"1stSpace", "2"},
                       {"Color", "0,0,255"}};
    p["ShigenConfig"] = {{"FontHeigh", "1"},   {"FontWidth", "2"},    {"Form", "0"},
                         {"Attrb", "16"},      {"LinkPosition", "0"}, {"Stack", "2"},
                         {"OffsetX", "-7"},    {"OffsetY", "9"},      {"DrawerX", "-1"},
                         {"DrawerY", "1"},     {"LineSpace", "8"},    {"1stSpace", "4"},
                         {"Color", "10,20,30"}};
    p["EventConfig"] = {{"FontHeigh", "2"}, {"FontWidth", "2"},    {"Form", "4"},
                        {"Attrb", "4097"},  {"Revice", "1"},       {"OffsetX", "20"},
                        {"OffsetY", "50"},  {"Color", "255,255,0"}};
    p["ShinConfig"] = {{"NormalWidth", "5"}, {"ThinWidth", "2"},         {"BoldWidth", "9"},
                       {"Style", "1"},       {"SubStyle", "2"},          {"Type", "3"},
                       {"Width", "0"},       {"Color", "0,0,0"},         {"Linked", "1"},
                       {"DateDisp", "0"},    {"DateFormat", "yy/mm/dd"}, {"DateColor", "0,128,0"}};
    p["ZukeiConfig"] = {{"NormalWidth", "2"},   {"ThinWidth", "1"},      {"BoldWidth", "7"},
                        {"Style", "4"},         {"PointMode", "1"},      {"Type", "2"},
                        {"Width", "-3"},        {"Hatch", "99"},         {"BoxRay", "40"},
                        {"Color", "1,1,1"},     {"HatchColor", "2,2,2"}, {"PartitionFlag", "1"},
                        {"TimePartition", "4"}, {"LinePartition", "2"},  {"Form", "2"},
                        {"Attrb", "516"},       {"TextColor", "3,3,3"}};
    p["PrintConfig"] = {{"Select", "1"},
                        {"Kikan", "0"},
                        {"ToDay", "0"},
                        {"Amikake", "1"},
                        {"Keisen", "513"},
                        {"Color", "4,5,6"},
                        {"VoldLineEx", "1"},
                        {"AmikakeColor", "7,8,9"},
                        {"HolidayLine", "1"},
                        {"ZoomPrinting", "0"},
                        {"CrossType", "1"},
                        {"ArcRay", "12"},
                        {"SatdayColor", "0,0,128"},
                        {"SundayColor", "128,0,0"},
                        {"LineRate", "1.5"},
                        {"Hatch", "0"},
                        {"KeisenDotFlag", "1"},
                        {"KeisenDotWidth", "2"},
                        {"KeisenDotItv", "12"},
                        {"KeisenDotLen", "8"},
                        {"KeisenDot2Width", "3"}};
    p["OperationConfig"] = {{"GuideMode", "0"},   {"Wakunai", "0"},      {"EventBaseMove", "0"},
                            {"WithYogo", "1"},    {"KouTempStyle", "1"}, {"MultiEdit", "1"},
                            {"HolidayAuto", "0"}, {"YogoAttach", "17"}};
    p["ColorConfig"] = {{"EditWork", "1,2,3"},
                        {"EditBold", "4,5,6"},
                        {"HolidayMesh", "7,8,9"},
                        {"Linked", "10,11,12"}};
    p["Path"] = {{"DataPath", "/home/user/charts/"},
                 {"LayoutFileName", "MASTER01.LYT"},
                 {"LayoutTempFileName", "LAYTEMP1.LY$"}};
    p["AutoSave"] = {{"AutoSaveTime", "-15"}};
    p["FloatOpt"] = {{"TemWithFlt", "1"}};
    const char* papers[] = {"A4", "B4", "A3", "A3TATE", "A2", "A1"};
    const char* fonts[] = {"DateFont",   "KoumukuFont", "YogoFont",   "EventFont",
                           "ShigenFont", "ZukeiFont",   "HeaderFont", "ShinFont"};
    for (int paper = 0; paper < 6; ++paper) {
        for (int kind = 0; kind < 8; ++kind) {
            p[papers[paper]][fonts[kind]] =
                "\"ＭＳ ゴシック\"," + std::to_string(20 + paper) + "," + std::to_string(kind);
        }
    }
    return p;
}

// The per-paper item width and process margin are read but never written.
void AddReadOnlyPaperKeys(ProfileMap& p) {
    p["A2"]["KoumokuWidth"] = "1300";
    p["A2"]["KouteiMargin"] = "25";
}

TEST_F(ConfigBaseTest, EveryKeyReadsInAndWritesBackUnchanged) {
    ProfileMap fixture = FullProfile();
    ProfileMap withReadOnly = fixture;
    AddReadOnlyPaperKeys(withReadOnly);
    WriteProfileFixture(withReadOnly);

    ASSERT_EQ(app.Read(TRUE), TRUE);
    EXPECT_TRUE(ui->MessageBoxes().empty());
    EXPECT_EQ(app.GetKoumokuWidth(4), 1300);
    EXPECT_EQ(app.GetKouteiMargin(4), 25);

    // An empty profile, then every group written back.
    for (const auto& [section, keys] : withReadOnly) {
        WriteProfileString(Sjis::FromUtf8(section), nullptr, nullptr);
    }
    ASSERT_TRUE(DumpProfile().empty());
    EXPECT_EQ(app.Write(0xFFFF), TRUE);
    EXPECT_EQ(DumpProfile(), fixture);
}

TEST_F(ConfigBaseTest, OwnSettingsFromTheProfile) {
    WriteProfileFixture(FullProfile());
    app.Read(TRUE);
    const struct {
        const char* name;
        LONG value;
        LONG expected;
    } cases[] = {
        {"Kikan", app.GetKikan(), 60},
        {"Lines", app.GetLines(), 55},
        {"NobeMode", app.GetNobeMode(), 1},
        {"MaeYohaku", app.GetMaeYohaku(), 3},
        {"AtoYohaku", app.GetAtoYohaku(), 4},
        {"JyunbiKikan", app.GetJyunbiKikan(), 2},
        {"MonthDays", app.GetMonthDays(), 28},
        {"AutoSaveTime", app.GetAutoSaveTime(), -15},
        {"TemWithFlt", app.GetTemWithFlt(), 1},
        {"ToolBar", app.GetToolBar(), 1},
        {"CursorDate", app.GetCursorDate(), 3},
        {"EndDateDec", app.GetEndDateDec(), 0},
        {"RightClick", app.GetRightClick(), 1},
        {"BlackBack", app.GetBlackBack(), 1},
        {"Ctl3DDisable", app.GetCtl3DDisable(), 1},
        {"PrSetOriginal", app.GetPrSetOriginal(), 1},
        {"HolidayMesh", app.GetHolidayMesh(), 0},
        {"CrossCursor", app.GetCrossCursor(), 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.value, c.expected) << c.name;
    }
    const LOGFONT& font = app.GetFont(kFontShigen, 4);
    EXPECT_EQ(font.FaceName(), Sjis::FromUtf8("ＭＳ ゴシック"));
    EXPECT_EQ(font.lfHeight, -24);
    EXPECT_EQ(font.lfWidth, 4);
    EXPECT_EQ(app.GetFont(kFontHeader, 1).lfHeight, -21);
}

// ---- Built-in defaults ------------------------------------------------------------------------

TEST_F(ConfigBaseTest, EmptyProfileGivesTheBuiltInDefaults) {
    ASSERT_EQ(app.Read(TRUE), TRUE);
    EXPECT_TRUE(ui->MessageBoxes().empty());
    const struct {
        const char* name;
        LONG value;
        LONG expected;
    } own[] = {
        {"NobeMode", app.GetNobeMode(), 0},     {"MaeYohaku", app.GetMaeYohaku(), 0},
        {"AtoYohaku", app.GetAtoYohaku(), 0},   {"Kikan", app.GetKikan(), 40},
        {"Lines", app.GetLines(), 40},          {"JyunbiKikan", app.GetJyunbiKikan(), 0},
        {"MonthDays", app.GetMonthDays(), 30},  {"AutoSaveTime", app.GetAutoSaveTime(), 10},
        {"TemWithFlt", app.GetTemWithFlt(), 0},
    };
    for (const auto& c : own) {
        EXPECT_EQ(c.value, c.expected) << c.name;
    }
    const WORD system[13] = {0, 1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 1, 0};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(app.GetSystemWord(i), system[i]) << "system word " << i + 1;
    }
    const WORD widths[6] = {500, 550, 450, 900, 1273, 450};
    for (int paper = 0; paper < 6; ++paper) {
        EXPECT_EQ(app.GetKoumokuWidth(paper), widths[paper]) << paper;
        EXPECT_EQ(app.GetKouteiMargin(paper), 30) << paper;
    }
}

TEST_F(ConfigBaseTest, DefaultFontTableByPaperAndKind) {
    app.Read(FALSE);
    for (int paper = 0; paper < 6; ++paper) {
        const bool large = paper >= 4;
        for (int kind = 0; kind < kFontKindCount; ++kind) {
            LONG height = large ? -40 : -32;
            LONG width = large ? 20 : 16;
            if (kind == kFontZukei) {
                width = 0;
            } else if (kind == kFontHeader) {
                height = 0;
                width = 0;
            }
            const LOGFONT& f = app.GetFont(kind, paper);
            EXPECT_EQ(f.lfHeight, height) << paper << "/" << kind;
            EXPECT_EQ(f.lfWidth, width) << paper << "/" << kind;
            EXPECT_EQ(f.lfWeight, 400);
            EXPECT_EQ(f.lfCharSet, 128);
            EXPECT_EQ(f.lfOutPrecision, 3);
            EXPECT_EQ(f.lfClipPrecision, 2);
            EXPECT_EQ(f.lfQuality, 1);
            EXPECT_EQ(f.lfPitchAndFamily, 17);
            EXPECT_EQ(f.FaceName(), Sjis::FromUtf8("ＭＳ 明朝"));
        }
    }
}

TEST_F(ConfigBaseTest, ResetAfterAProfileReadRestoresDefaultsAndWritesNothing) {
    WriteProfileFixture(FullProfile());
    app.Read(TRUE);
    const ProfileMap before = DumpProfile();
    CConfigBase fresh;
    fresh.Read(FALSE);

    app.Read(FALSE);
    EXPECT_EQ(DumpProfile(), before);
    EXPECT_EQ(app.GetKikan(), 40);
    EXPECT_EQ(app.GetAutoSaveTime(), 10);
    EXPECT_EQ(app.GetBlackBack(), 0);
    for (int paper = 0; paper < 6; ++paper) {
        for (int kind = 0; kind < kFontKindCount; ++kind) {
            EXPECT_EQ(app.GetFont(kind, paper), fresh.GetFont(kind, paper)) << paper << kind;
        }
    }
    EXPECT_EQ(app.GetChart().GetPageSetting().GetPaper(), 0);
    EXPECT_EQ(app.GetChart().GetAreaNameSet().GetKoumokuName(), Sjis::FromUtf8("作業"));
    EXPECT_EQ(app.GetPrint().GetLineRate(), "1.0");
    EXPECT_EQ(app.GetOperation().GetGuideMode(), 1);
    EXPECT_EQ(app.GetColor().GetEditWork(), RGB(0, 255, 255));
    EXPECT_EQ(app.GetPath().GetLayoutTempFileName(), "LAYTEMP0.LY$");
}

// ---- Values a later division uses ---------------------------------------------------------------

struct CountCase {
    const char* key;
    const char* stored;
    LONG expected;
};

class ConfigBaseCountTest : public ConfigBaseTest,
                            public ::testing::WithParamInterface<CountCase> {};

TEST_P(ConfigBaseCountTest, CountsStayUsable) {
    const CountCase& c = GetParam();
    WriteProfileFixture({{"BaseConfig", {{c.key, c.stored}}}});
    app.Read(TRUE);
    const std::string key = c.key;
    const LONG value = key == "Kikan"   ? app.GetKikan()
                       : key == "Lines" ? app.GetLines()
                                        : app.GetMonthDays();
    EXPECT_EQ(value, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Counts, ConfigBaseCountTest,
                         ::testing::Values(CountCase{"MonthDays", "0", 30},
                                           CountCase{"MonthDays", "-3", 30},
                                           CountCase{"MonthDays", "1", 1},
                                           CountCase{"Kikan", "0", 1}, CountCase{"Kikan", "-10", 1},
                                           CountCase{"Lines", "0", 1}, CountCase{"Lines", "2", 2}));

TEST_F(ConfigBaseTest, AMissingLayoutFileIsReportedOnceAndReplaced) {
    // The file names are read twice (before the chart part and in the parts' order); the
    // replacement written back by the first read keeps the second from asking again.
    WriteProfileFixture({{"Path", {{"LayoutFileName", "GONE.LYT"}}}});
    app.Read(TRUE);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].text,
              "指定の書式ファイルが存在しないか異常です。\n標準の書式ファイルで初期化します。");
    EXPECT_EQ(app.GetPath().GetLayoutFileName(), "MASTER01.LYT");
    EXPECT_EQ(DumpProfile()["Path"]["LayoutFileName"], "MASTER01.LYT");
    EXPECT_EQ(app.GetChart().GetPageSetting().GetPaper(), 0);
}

TEST_F(ConfigBaseTest, LongPaperFontFaceIsCutOnACharacterBoundary) {
    // 20 double-byte characters: 40 bytes; the face holds 31, so 15 characters remain.
    std::string face;
    for (int i = 0; i < 20; ++i) {
        face += "明";
    }
    WriteProfileFixture({{"A3", {{"YogoFont", "\"" + face + "\",30,15"}}}});
    app.Read(TRUE);
    const std::string cut = std::string(app.GetFont(kFontYogo, 2).FaceName());
    EXPECT_EQ(cut.size(), 30u);
    EXPECT_EQ(Sjis::ToUtf8(cut), face.substr(0, 15 * 3));
}

// ---- The write mask ---------------------------------------------------------------------------

struct MaskCase {
    UINT bit;
    std::set<std::string> sections;
    bool message;
};

class ConfigBaseMaskTest : public ConfigBaseTest, public ::testing::WithParamInterface<MaskCase> {};

TEST_P(ConfigBaseMaskTest, EachBitWritesExactlyItsSections) {
    const MaskCase& c = GetParam();
    app.Read(FALSE);
    ASSERT_TRUE(DumpProfile().empty());
    EXPECT_EQ(app.Write(c.bit), TRUE);
    std::set<std::string> written;
    for (const auto& [section, keys] : DumpProfile()) {
        written.insert(section);
    }
    EXPECT_EQ(written, c.sections);
    if (c.message) {
        ASSERT_EQ(ui->MessageBoxes().size(), 1u);
        EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5084u);
        EXPECT_EQ(ui->MessageBoxes()[0].text, "変更内容は次回新規作成から有効になります");
    } else {
        EXPECT_TRUE(ui->MessageBoxes().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bits, ConfigBaseMaskTest,
    ::testing::Values(
        MaskCase{0x0001, {"SystemConfig"}, false},
        MaskCase{0x0002,
                 {"BaseConfig", "AreaNameConfig", "AreaNameConfig\\StdData",
                  "AreaNameConfig\\GridData", "AreaNameConfig\\SlantData"},
                 true},
        MaskCase{0x0004, {"KouteiConfig", "LandConfig"}, true},
        MaskCase{0x0008, {"KoumokuConfig"}, true}, MaskCase{0x0010, {"YogoConfig"}, true},
        MaskCase{0x0020, {"ShinConfig"}, true}, MaskCase{0x0040, {"EventConfig"}, true},
        MaskCase{0x0080, {"ZukeiConfig"}, true}, MaskCase{0x0100, {"PrintConfig"}, false},
        MaskCase{0x0200, {"OperationConfig"}, true}, MaskCase{0x0400, {"ColorConfig"}, false},
        MaskCase{0x0800, {"Path"}, false}, MaskCase{0x1000, {"AutoSave"}, false},
        MaskCase{0x2000, {"ShigenConfig"}, false}, MaskCase{0x4000, {"FloatOpt"}, false},
        MaskCase{0x8000, {"A4", "B4", "A3", "A3TATE", "A2", "A1"}, true},
        MaskCase{0x0000, {}, false}));

TEST_F(ConfigBaseTest, BaseBitWritesThePeriodPageAndDateRowKeys) {
    app.Read(FALSE);
    app.Write(kConfigBase);
    std::set<std::string> keys;
    ProfileMap profile = DumpProfile();
    for (const auto& [key, value] : profile["BaseConfig"]) {
        keys.insert(key);
    }
    const std::set<std::string> expected = {
        "Kikan", "Lines", "NobeMode",    "MaeYohaku", "AtoYohaku", "JyunbiKikan", "MonthDays",
        "Paper", "Muki",  "BigHolidays", "YearMode",  "MonthMode", "DayMode",     "WeekMode"};
    EXPECT_EQ(keys, expected);
}

TEST_F(ConfigBaseTest, FontBitWritesEveryPaperFontInItsForm) {
    app.Read(FALSE);
    app.Write(kConfigFont);
    ProfileMap profile = DumpProfile();
    EXPECT_EQ(profile["A1"]["DateFont"], "\"ＭＳ 明朝\",40,20");
    EXPECT_EQ(profile["A4"]["ZukeiFont"], "\"ＭＳ 明朝\",32,0");
    EXPECT_EQ(profile["B4"]["HeaderFont"], "\"ＭＳ 明朝\",0,0");
    EXPECT_EQ(profile["A3TATE"]["KoumukuFont"], "\"ＭＳ 明朝\",32,16");
    EXPECT_EQ(profile["A4"].count("KoumokuWidth"), 0u);
}

// ---- The application's settings ----------------------------------------------------------------

TEST_F(ConfigBaseTest, InstalledSettingsFeedThePageAreasAndPrintHeaders) {
    WriteProfileFixture(FullProfile());
    app.Read(TRUE);
    app.SetKoumokuWidth(1, 777);
    EXPECT_EQ(GetAppConfig(), &app);
    EXPECT_EQ(GetPaperAreaDefaults(1).itemWidth, 777);
    EXPECT_EQ(GetPaperAreaDefaults(1).chartMargin, 30);
    EXPECT_EQ(GetAppPrintConfig().GetLineRate(), "1.5");

    CConfigBase* mine = SetAppConfig(nullptr);
    EXPECT_EQ(mine, &app);
    EXPECT_NE(GetAppConfig(), &app);
    EXPECT_EQ(GetPaperAreaDefaults(1).itemWidth, 550);
    EXPECT_EQ(GetAppPrintConfig().GetLineRate(), "1.0");
    SetAppConfig(&app);
}

TEST_F(ConfigBaseTest, ProfileColoursReachTheApplicationColourTable) {
    AppCurrentColors().fill(RGB(1, 1, 1));
    app.Read(TRUE);
    EXPECT_EQ(AppCurrentColors()[kAppColorShinDate], RGB(255, 0, 0));
    EXPECT_EQ(AppCurrentColors()[kAppColorShin], RGB(255, 0, 0));
    EXPECT_EQ(AppCurrentColors()[kAppColorKoutei], RGB(0, 0, 0));

    WriteProfileFixture(FullProfile());
    app.Read(TRUE);
    const struct {
        int slot;
        COLORREF color;
    } cases[] = {
        {kAppColorKoutei, RGB(255, 0, 0)},   {kAppColorLand, RGB(0, 255, 0)},
        {kAppColorKoumoku, RGB(1, 2, 3)},    {kAppColorYogo, RGB(0, 0, 255)},
        {kAppColorEvent, RGB(255, 255, 0)},  {kAppColorShin, RGB(0, 0, 0)},
        {kAppColorShinDate, RGB(0, 128, 0)}, {kAppColorZukeiLine, RGB(1, 1, 1)},
        {kAppColorZukeiHatch, RGB(2, 2, 2)}, {kAppColorShigen, RGB(10, 20, 30)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AppCurrentColors()[static_cast<std::size_t>(c.slot)], c.color) << c.slot;
    }
}

TEST_F(ConfigBaseTest, DrawingValuesFollowTheSettings) {
    app.Read(FALSE);
    EXPECT_EQ(DeriveAppDrawValues(app), (AppDrawValues{"1.0", false, false}));

    app.GetPrint().SetLineRate("2.5");
    app.SetSystemWord(CConfigBase::kSysBlackBack, 1);
    SetAppFlipY(true);
    EXPECT_EQ(DeriveAppDrawValues(app), (AppDrawValues{"2.5", true, true}));
    SetAppFlipY(false);
}

} // namespace
} // namespace tembra
