#include "model/AttrBlocks.h"
#include "model/ConfigBase.h"
#include "model/ConfigColor.h"
#include "model/ConfigEvent.h"
#include "model/ConfigOperation.h"
#include "model/ConfigPath.h"
#include "model/ConfigShin.h"
#include "model/ConfigZukei.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace tembra {
namespace {

namespace fs = std::filesystem;

void Put(const char* section, const char* key, const std::string& utf8Value) {
    WriteProfileString(section, key, Sjis::FromUtf8(utf8Value).c_str());
}

std::string Get(const char* section, const char* key) {
    return Sjis::ToUtf8(GetProfileString(section, key, "<none>"));
}

// Temporary program folders with the shipped standard layout and the application's settings
// installed and reset (the parts take their fonts from it).
class ConfigPartsTest : public ::testing::Test {
protected:
    ConfigPartsTest() : m_sourceData(Paths::ShippedDataDir()) {
        m_paths.emplace();
        fs::copy_file(m_sourceData / "MASTER01.LYT", m_paths->Shipped() / "MASTER01.LYT");
        m_previous = SetAppConfig(&app);
        app.Read(FALSE);
    }
    ~ConfigPartsTest() override { SetAppConfig(m_previous); }

    std::string ProgramFolder() const { return (m_paths->Writable() / "").string(); }

    fs::path m_sourceData;
    std::optional<test::ScopedPaths> m_paths;
    test::ScopedUi ui;
    CConfigBase app;
    CConfigBase* m_previous = nullptr;
};

// ---- Encodings --------------------------------------------------------------------------------

TEST(ProfileColorTest, ScanTakesThreeNumbersCutToEightBits) {
    const struct {
        const char* text;
        bool scanned;
        COLORREF color;
    } cases[] = {
        {"1,2,3", true, RGB(1, 2, 3)},          {"300,0,0", true, RGB(44, 0, 0)},
        {"-1,256,511", true, RGB(255, 0, 255)}, {" 4, 5, 6", true, RGB(4, 5, 6)},
        {"7,8,9xyz", true, RGB(7, 8, 9)},       {"99999999999,0,0", true, RGB(255, 0, 0)},
        {"1,2", false, RGB(9, 9, 9)},           {"1 ,2,3", false, RGB(9, 9, 9)},
        {"red", false, RGB(9, 9, 9)},           {"", false, RGB(9, 9, 9)},
    };
    for (const auto& c : cases) {
        COLORREF color = RGB(9, 9, 9);
        EXPECT_EQ(ScanProfileColor(c.text, color) != FALSE, c.scanned) << c.text;
        EXPECT_EQ(color, c.color) << c.text;
    }
    EXPECT_EQ(FormatProfileColor(RGB(255, 225, 225)), "255,225,225");
}

TEST_F(ConfigPartsTest, ColourKeysThatDoNotScanKeepTheDefault) {
    Put("ColorConfig", "EditWork", "300,0,0");
    Put("ColorConfig", "EditBold", "blue");
    Put("ColorConfig", "Linked", "1,2");
    CConfigColor color;
    color.Read(TRUE);
    EXPECT_EQ(color.GetEditWork(), RGB(44, 0, 0));
    EXPECT_EQ(color.GetEditBold(), RGB(255, 0, 0));
    EXPECT_EQ(color.GetHolidayMesh(), RGB(255, 225, 225));
    EXPECT_EQ(color.GetLinked(), RGB(0, 0, 255));
}

TEST_F(ConfigPartsTest, EventSizeWordsKeepTheirLowBytes) {
    Put("EventConfig", "FontHeigh", "300");
    Put("EventConfig", "FontWidth", "-1");
    CConfigEvent event;
    event.Read(TRUE);
    EXPECT_EQ(event.GetTextAttr().m_fontHeigh, 44);
    EXPECT_EQ(event.GetTextAttr().m_fontWidth, 255);
    EXPECT_EQ(event.GetTextAttr().GetSize(), 0x2CFF);
}

TEST(WidthSetTest, OtherCodesGiveTheNormalWidth) {
    CWidthSet widths;
    const struct {
        int code;
        WORD width;
    } cases[] = {{0, 3}, {1, 1}, {2, 6}, {3, 3}, {-1, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(widths.GetAt(c.code), c.width) << c.code;
    }
}

// ---- Defaults ---------------------------------------------------------------------------------

TEST_F(ConfigPartsTest, EmptyProfileGivesTheBuiltInDefaults) {
    CConfigEvent event;
    event.Read(TRUE);
    const CTextAttr& e = event.GetTextAttr();
    EXPECT_EQ(e.m_fontHeigh, 1);
    EXPECT_EQ(e.m_fontWidth, 1);
    EXPECT_EQ(e.m_form, 1);
    EXPECT_EQ(e.m_attrb, 0x1000);
    EXPECT_EQ(event.GetRevice(), 0x0102);
    EXPECT_EQ(event.GetAttrb(), 0x0102);
    EXPECT_EQ(e.m_offsetX, 0);
    EXPECT_EQ(e.m_offsetY, 0);
    EXPECT_EQ(e.m_ownFont, 0);
    EXPECT_EQ(e.m_color, RGB(0, 0, 0));
    EXPECT_EQ(event.GetLogFont(), app.GetFont(kFontEvent, 0));

    CConfigShin shin;
    shin.Read(TRUE);
    EXPECT_EQ(shin.GetWidthSet().m_width, (std::array<WORD, 3>{3, 1, 6}));
    EXPECT_EQ(shin.GetStyle(), 0);
    EXPECT_EQ(shin.GetSubStyle(), 0);
    EXPECT_EQ(shin.GetType(), 0);
    EXPECT_EQ(shin.GetWidth(), 2);
    EXPECT_EQ(shin.GetColor(), RGB(255, 0, 0));
    EXPECT_EQ(shin.GetLinked(), 0);
    EXPECT_EQ(shin.GetDateDisp(), 1);
    EXPECT_EQ(shin.GetDateFormat(), "mm/dd");
    EXPECT_EQ(shin.GetDateColor(), RGB(255, 0, 0));
    EXPECT_EQ(shin.GetDateValue1(), 0);
    EXPECT_EQ(shin.GetDateValue2(), 0);
    EXPECT_EQ(shin.GetLogFont(), app.GetFont(kFontShin, 0));

    CConfigZukei zukei;
    zukei.Read(TRUE);
    EXPECT_EQ(zukei.GetWidthSet().m_width, (std::array<WORD, 3>{3, 1, 6}));
    EXPECT_EQ(zukei.GetAttr(), (CZukeiAttr{0, 0, 0, 0, 0, 100, 0, 30}));
    EXPECT_EQ(zukei.GetPartitionFlag(), 0);
    EXPECT_EQ(zukei.GetTimePartition(), 1);
    EXPECT_EQ(zukei.GetLinePartition(), 1);
    EXPECT_EQ(zukei.GetTextAttr().m_form, 0);
    EXPECT_EQ(zukei.GetTextAttr().m_attrb, 0x0100);
    EXPECT_EQ(zukei.GetTextAttr().m_color, RGB(0, 0, 0));
    EXPECT_EQ(zukei.GetLogFont(), app.GetFont(kFontZukei, 0));

    CConfigOperation op;
    op.SetWakunai(9);
    op.Read(TRUE);
    const struct {
        const char* key;
        LONG value;
        LONG expected;
    } ops[] = {
        {"Wakunai", op.GetWakunai(), 1},         {"EventBaseMove", op.GetEventBaseMove(), 1},
        {"WithYogo", op.GetWithYogo(), 0},       {"KouTempStyle", op.GetKouTempStyle(), 0},
        {"MultiEdit", op.GetMultiEdit(), 0},     {"GuideMode", op.GetGuideMode(), 1},
        {"HolidayAuto", op.GetHolidayAuto(), 1}, {"YogoAttach", op.GetYogoAttach(), 255},
    };
    for (const auto& c : ops) {
        EXPECT_EQ(c.value, c.expected) << c.key;
    }

    CConfigColor color;
    color.Read(TRUE);
    EXPECT_EQ(color.GetEditWork(), RGB(0, 255, 255));
    EXPECT_EQ(color.GetEditBold(), RGB(255, 0, 0));
    EXPECT_EQ(color.GetHolidayMesh(), RGB(255, 225, 225));
    EXPECT_EQ(color.GetLinked(), RGB(0, 0, 255));

    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST_F(ConfigPartsTest, PathDefaultsLieInTheProgramFolder) {
    CConfigPath path;
    path.Read(TRUE);
    const std::string folder = ProgramFolder();
    EXPECT_EQ(path.GetFolder(), folder);
    EXPECT_EQ(path.GetDataPath(), folder);
    EXPECT_EQ(path.GetBackupDir(), folder + "BackUp/");
    EXPECT_EQ(path.GetLayoutFilePath(), folder + "MASTER01.LYT");
    EXPECT_EQ(path.GetLayoutTempPath(), folder + "LAYTEMP0.LY$");
    EXPECT_EQ(path.GetBacklogFile(), folder + "BackUp/Backlog.lst");
    EXPECT_EQ(path.GetBacklogOldFile(), folder + "BackUp/Backlog.old");
    EXPECT_EQ(path.GetShiftFilePath(), folder + "SHIFT.INI");
    EXPECT_EQ(path.GetYogoFilePath(), folder + "YOGO.INI");
    EXPECT_EQ(path.GetMyYogoFilePath(), folder + "MYYOGO.INI");
    EXPECT_EQ(path.GetHistoryFilePath(), folder + "HISTORY.INI");
    // The shipped standard layout is in the program folder.
    EXPECT_TRUE(fs::is_regular_file(ConfigPathToFs(path.GetLayoutFilePath())));
    // Reading checked the layout name and wrote it back.
    EXPECT_EQ(Get("Path", "LayoutFileName"), "MASTER01.LYT");
}

TEST_F(ConfigPartsTest, PathWritesOnlyUnderItsBit) {
    CConfigPath path;
    path.Read(FALSE);
    path.SetDataPath("/data/");
    EXPECT_EQ(path.Write(kConfigBase | kConfigPrint), TRUE);
    EXPECT_EQ(Get("Path", "DataPath"), "<none>");
    EXPECT_EQ(path.Write(kConfigPath), TRUE);
    EXPECT_EQ(Get("Path", "DataPath"), "/data/");
    EXPECT_EQ(Get("Path", "LayoutFileName"), "MASTER01.LYT");
    EXPECT_EQ(Get("Path", "LayoutTempFileName"), "LAYTEMP0.LY$");

    CConfigPath copy;
    copy = path;
    EXPECT_EQ(copy, path);
}

// ---- The layout-file check --------------------------------------------------------------------

struct LayoutCase {
    const char* stored;   // "LayoutFileName" in the profile (nullptr: none)
    const char* existing; // a layout of that name in the program folder (nullptr: none)
    const char* taken;
    bool message;
};

class LayoutCheckTest : public ConfigPartsTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(LayoutCheckTest, NamesAFileThatOpensOrTheStandardLayout) {
    const LayoutCase& c = GetParam();
    if (c.existing != nullptr) {
        std::ofstream(m_paths->Writable() / c.existing) << "[EOS]\r\n";
    }
    if (c.stored != nullptr) {
        Put("Path", "LayoutFileName", c.stored);
    }
    CConfigPath path;
    path.Read(TRUE);
    EXPECT_EQ(path.GetLayoutFileName(), c.taken);
    EXPECT_EQ(Get("Path", "LayoutFileName"), c.taken);
    if (c.message) {
        ASSERT_EQ(ui->MessageBoxes().size(), 1u);
        EXPECT_EQ(ui->MessageBoxes()[0].text,
                  "指定の書式ファイルが存在しないか異常です。\n標準の書式ファイルで初期化します。");
        EXPECT_EQ(ui->MessageBoxes()[0].type & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    } else {
        EXPECT_TRUE(ui->MessageBoxes().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, LayoutCheckTest,
    ::testing::Values(LayoutCase{nullptr, nullptr, "MASTER01.LYT", false},
                      LayoutCase{"MASTER01.LYT", nullptr, "MASTER01.LYT", false},
                      LayoutCase{"MINE.LYT", "MINE.LYT", "MINE.LYT", false},
                      LayoutCase{"GONE.LYT", nullptr, "MASTER01.LYT", true},
                      // Another case is not the standard name: it is opened, and on this
                      // system that file does not exist.
                      LayoutCase{"master01.lyt", nullptr, "MASTER01.LYT", true},
                      // An empty name would name the program folder itself.
                      LayoutCase{"", nullptr, "MASTER01.LYT", true}));

TEST_F(ConfigPartsTest, StandardLayoutNameIsTakenWithoutOpeningIt) {
    fs::remove(m_paths->Shipped() / "MASTER01.LYT");
    Put("Path", "LayoutFileName", "MASTER01.LYT");
    CConfigPath path;
    path.Read(TRUE);
    EXPECT_EQ(path.GetLayoutFileName(), "MASTER01.LYT");
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

// ---- Part values ------------------------------------------------------------------------------

TEST_F(ConfigPartsTest, EventOffsetsRoundTrip) {
    CConfigEvent event;
    event.Read(FALSE);
    event.GetTextAttr().m_offsetX = 20;
    event.GetTextAttr().m_offsetY = 50;
    EXPECT_EQ(event.Write(0), TRUE);
    EXPECT_EQ(Get("EventConfig", "OffsetX"), "20");
    EXPECT_EQ(Get("EventConfig", "OffsetY"), "50");
    CConfigEvent back;
    back.Read(TRUE);
    EXPECT_EQ(back.GetTextAttr().m_offsetX, 20);
    EXPECT_EQ(back.GetTextAttr().m_offsetY, 50);
}

TEST_F(ConfigPartsTest, LongDateFormatIsCutOnACharacterBoundary) {
    std::string format = "yyyy";
    for (int i = 0; i < 14; ++i) {
        format += "年";
    }
    Put("ShinConfig", "DateFormat", format); // 4 + 28 bytes
    CConfigShin shin;
    shin.Read(TRUE);
    EXPECT_EQ(shin.GetDateFormat().size(), 30u);
    EXPECT_EQ(Sjis::ToUtf8(shin.GetDateFormat()), format.substr(0, 4 + 13 * 3));
}

// "なし" is a grid division of 0: it must survive a write and a read, not come back as 1.
TEST_F(ConfigPartsTest, ShapeGridDivisionNoneIsReadBackAsZero) {
    CConfigZukei written;
    written.Read(FALSE);
    written.SetTimePartition(0);
    written.SetLinePartition(0);
    ASSERT_TRUE(written.Write(0));
    EXPECT_EQ(Get("ZukeiConfig", "TimePartition"), "0");
    CConfigZukei zukei;
    zukei.Read(TRUE);
    EXPECT_EQ(zukei.GetTimePartition(), 0);
    EXPECT_EQ(zukei.GetLinePartition(), 0);

    // A number a 16-bit word cannot hold wraps as the profile reader gives it.
    Put("ZukeiConfig", "TimePartition", "4");
    Put("ZukeiConfig", "LinePartition", "65536");
    zukei.Read(TRUE);
    EXPECT_EQ(zukei.GetTimePartition(), 4);
    EXPECT_EQ(zukei.GetLinePartition(), 0);
}

TEST_F(ConfigPartsTest, OperationCopyTakesTheEightSettings) {
    CConfigOperation source;
    source.SetWakunai(0);
    source.SetEventBaseMove(0);
    source.SetWithYogo(1);
    source.SetKouTempStyle(1);
    source.SetMultiEdit(1);
    source.SetGuideMode(0);
    source.SetHolidayAuto(0);
    source.SetYogoAttach(0x0F);
    CConfigOperation target;
    // The target's editing state is its document's, not a setting.
    target.SetMode(COperationState::kModeZukei);
    target.SetOperation(COperationState::kOpMove);
    target.SetState(2);
    target.SetToolCode(7);
    target.Copy(source);
    EXPECT_EQ(target.GetMode(), COperationState::kModeZukei);
    EXPECT_EQ(target.GetOperation(), COperationState::kOpMove);
    EXPECT_EQ(target.GetState(), 2);
    EXPECT_EQ(target.GetToolCode(), 7);
    EXPECT_EQ(target.GetWakunai(), 0);
    EXPECT_EQ(target.GetEventBaseMove(), 0);
    EXPECT_EQ(target.GetWithYogo(), 1);
    EXPECT_EQ(target.GetKouTempStyle(), 1);
    EXPECT_EQ(target.GetMultiEdit(), 1);
    EXPECT_EQ(target.GetGuideMode(), 0);
    EXPECT_EQ(target.GetHolidayAuto(), 0);
    EXPECT_EQ(target.GetYogoAttach(), 0x0F);
}

TEST_F(ConfigPartsTest, PartFontsFollowThePaperOfTheApplicationChart) {
    app.GetChart().GetPageSetting().SetPaper(5, 0,
                                             ConfigPathToFs(app.GetPath().GetLayoutFilePath()));
    ASSERT_EQ(app.GetChart().GetPageSetting().GetPaper(), 5);
    CConfigEvent event;
    event.Read(FALSE);
    EXPECT_EQ(event.GetLogFont().lfHeight, -40);
    EXPECT_EQ(event.GetLogFont(), app.GetFont(kFontEvent, 5));
}

} // namespace
} // namespace tembra
