#include "layout_editor/core/LayoutFileData.h"

#include "layout_editor/core/MarquellDoc.h"
#include "layout_editor/core/PHeadBoxData.h"
#include "layout_editor/core/PHeadInputArea.h"
#include "layout_editor/core/PHeadLineData.h"

#include "EditorTestSupport.h"
#include "model/LayoutFile.h"
#include "model/PrintArea.h"
#include "platform/RegKey.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace marquell {
namespace {

using tembra::LayoutLines;
using test::J;

const std::filesystem::path kData = TEMBRA_DATA_DIR;
const std::filesystem::path kMaster = kData / "MASTER01.LYT";

// A key with the A4 areas and one base input area, and one for every paper.
const std::vector<std::string> kKey = {
    "[固定Ａ_A4_]",
    "PaperArea=0, 0, 2970, 2100",
    "HeaderArea=100, 100, 2870, 400",
    "FooterArea=0, 0, 0, 0",
    "DateArea=100, 400, 2870, 520",
    "EditArea=100, 520, 2870, 2000",
    "OffsetLTop=0, 0, 100, 100",
    "OffsetRBottom=2870, 2000, 2970, 2100",
    "Vpartition=50",
    "Hpartition=6",
    R"(InputArea1="工事名称", 250, 110, 1613, 250, "ＭＳ 明朝", 60, 30, 1, 1, 0)",
    "[固定Ｂ]",
    R"(InputArea1="会社名", 0, 0, 0, 0, "ＭＳ 明朝", 32, 16, 1, 1, 0)",
};

// CP932 text with CR LF from UTF-8 lines.
std::string FileText(const std::vector<std::string>& utf8) {
    std::string text;
    for (const std::string& line : utf8) {
        text += J(line) + "\r\n";
    }
    return text;
}

LayoutLines Lines(const std::vector<std::string>& utf8) {
    LayoutLines lines;
    for (const std::string& line : utf8) {
        lines.push_back(J(line));
    }
    return lines;
}

std::string Written(CLayoutFileData& layout, bool modified = false) {
    std::ostringstream out;
    EXPECT_TRUE(layout.WriteLayoutFile(out, modified));
    return out.str();
}

const CPHeadInputArea* Input(const CPaperData& paper, const std::string& name) {
    for (const auto& element : paper.GetElements()) {
        if (const auto* input = dynamic_cast<const CPHeadInputArea*>(element.get());
            input != nullptr && input->GetName() == name) {
            return input;
        }
    }
    return nullptr;
}

template <class T> std::vector<const T*> Of(const CPaperData& paper) {
    std::vector<const T*> out;
    for (const auto& element : paper.GetElements()) {
        if (const auto* e = dynamic_cast<const T*>(element.get());
            e != nullptr && element->GetType() == T().GetType()) {
            out.push_back(e);
        }
    }
    return out;
}

class LayoutFileDataTest : public testing::Test {
protected:
    void SetUp() override { test::ShipEditorKey(kKey); }

    tembra::test::ScopedPaths paths;
    CLayoutFileData layout;
};

// ---- Writing --------------------------------------------------------------------------------

TEST_F(LayoutFileDataTest, ANewLayoutIsWrittenWithEveryPaperItsBaseAreasAndTheEnd) {
    layout.InitNew();
    std::vector<std::string> expected = {
        "[ファイル情報]",
        "Vertion=30000",
        "MasterFlag=0",
        "CurrentPaper=0",
        "LayoutName=",
        "LayoutDiscernmentFlag=0",
        "",
        "[_A4_]",
        "PaperArea= 0, 0, 2970, 2100",
        "HeaderArea= 100, 100, 2870, 400",
        "FooterArea= 0, 0, 0, 0",
        "FooterAreaOld= 0, 0, 0, 0",
        "LeftArea= 100, 400, 100, 2000",
        "LeftAreaOld= 0, 0, 0, 0",
        "RightArea= 2870, 400, 2870, 2000",
        "RightAreaOld= 0, 0, 0, 0",
        "DateArea= 100, 400, 2870, 520",
        "EditArea= 100, 520, 2870, 2000",
        "OffsetLTop= 0, 0, 100, 100",
        "OffsetRBottom= 2870, 2000, 2970, 2100",
        "Vpartition= 50",
        "Hpartition= 6",
        "VpartitionB= 50",
        "HpartitionB= 6",
        "VpartitionL= 6",
        "HpartitionL= 50",
        "VpartitionR= 6",
        "HpartitionR= 50",
        R"(InputArea1="工事名称", 250, 110, 1613, 250, "ＭＳ 明朝", 60, 30, 1, 1, 0, "", 1, 0)",
        R"(InputArea2="会社名", 0, 0, 0, 0, "ＭＳ 明朝", 32, 16, 1, 1, 0, "", 0, 0)",
    };
    // The papers the key has no sizes for: nothing but the base area of every paper.
    for (const char* header : {"[_B4_]", "[_A3_]", "[A3縦]", "[_A2_]", "[_A1_]"}) {
        expected.push_back("");
        expected.push_back(header);
        for (const char* key :
             {"PaperArea", "HeaderArea", "FooterArea", "FooterAreaOld", "LeftArea", "LeftAreaOld",
              "RightArea", "RightAreaOld", "DateArea", "EditArea", "OffsetLTop", "OffsetRBottom"}) {
            expected.push_back(std::string(key) + "= 0, 0, 0, 0");
        }
        for (const char* key : {"Vpartition", "Hpartition", "VpartitionB", "HpartitionB",
                                "VpartitionL", "HpartitionL", "VpartitionR", "HpartitionR"}) {
            expected.push_back(std::string(key) + "= 0");
        }
        expected.push_back(
            R"(InputArea1="会社名", 0, 0, 0, 0, "ＭＳ 明朝", 32, 16, 1, 1, 0, "", 0, 0)");
    }
    expected.push_back("");
    expected.push_back("[EOS]");
    EXPECT_EQ(Written(layout), FileText(expected));
}

TEST_F(LayoutFileDataTest, MasterFlagAndTheMainProgramsWindowAsWritten) {
    struct Case {
        int flag;
        bool modified;
        const char* masterFlag;
        bool handle;
    };
    const std::vector<Case> cases = {
        {kMasterLayout, false, "MasterFlag=0", false},
        {kMasterLayout, true, "MasterFlag=0", false},
        {kOrdinaryLayout, true, "MasterFlag=0", false},
        {kTemporaryLayout, false, "MasterFlag=-1", true},
        {kTemporaryLayout, true, "MasterFlag=-2", true},
        {kChangedTemporaryLayout, false, "MasterFlag=-2", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.masterFlag);
        layout.ReadLayoutFile(
            Lines({"[ファイル情報]", "Vertion=10000", "MasterFlag=" + std::to_string(c.flag),
                   "CurrentPaper=3", "LayoutName=ローカル書式", "hWnd_Tembra=4242",
                   "LayoutDiscernmentFlag=1"}));
        const LayoutLines lines = tembra::SplitLayoutLines(Written(layout, c.modified));
        std::vector<std::string> info = {"[ファイル情報]", "Vertion=10000", c.masterFlag,
                                         "CurrentPaper=3", "LayoutName=ローカル書式"};
        if (c.handle) {
            info.push_back("hWnd_Tembra=4242");
        }
        info.push_back("LayoutDiscernmentFlag=1");
        ASSERT_GT(lines.size(), info.size());
        EXPECT_EQ(LayoutLines(lines.begin(), lines.begin() + static_cast<long>(info.size())),
                  Lines(info));
        EXPECT_EQ(layout.GetWindowHandle(), c.flag == kTemporaryLayout ? 4242 : 0);
    }
}

TEST_F(LayoutFileDataTest, BoxesAreWrittenAsFourLinesAfterTheLinesAndTextsKeepTheirBreaks) {
    layout.InitNew();
    CPaperData& a4 = layout.GetPaper(0);
    auto box = std::make_unique<CPHeadBoxData>();
    box->SetFrameRect(CRect(100, -200, 300, -400));
    box->SetStyle(1);
    box->SetWidth(6);
    box->SetColor(255);
    box->SetArea(kAreaFooter);
    a4.GetElements().push_back(std::move(box));
    auto line = std::make_unique<CPHeadLineData>();
    line->SetFrameRect(CRect(0, -10, 50, -10));
    a4.GetElements().push_back(std::move(line));
    auto text = std::make_unique<CPHeadMojiData>();
    text->SetText("AB\r\nCD\"");
    text->SetFrameRect(CRect(1, -2, 3, -4));
    LOGFONT font;
    font.lfHeight = -25;
    font.SetFaceName("F");
    text->SetFont(font);
    a4.GetElements().push_back(std::move(text));

    const LayoutLines lines = tembra::SplitLayoutLines(Written(layout));
    const tembra::LayoutFileIndex index(lines);
    const tembra::LayoutSection* section = index.Paper(0);
    ASSERT_NE(section, nullptr);
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"LineData1", " 0, 10, 50, 10, 0, 3, 0, 0"},
        {"LineData2", " 100, 200, 300, 200, 1, 6, 255, 1"},
        {"LineData3", " 300, 200, 300, 400, 1, 6, 255, 1"},
        {"LineData4", " 100, 400, 300, 400, 1, 6, 255, 1"},
        {"LineData5", " 100, 200, 100, 400, 1, 6, 255, 1"},
        {"MojiData1", "\"AB\\nCD\xFA\x57\", 1, 2, 3, 4, \"F\", 25, 12, 0, 0, 0, 0"},
    };
    for (const auto& [key, value] : expected) {
        ASSERT_NE(section->Find(key), nullptr) << key;
        EXPECT_EQ(*section->Find(key), value) << key;
    }
    EXPECT_EQ(section->Find("LineData6"), nullptr);

    // Read back: the box is four lines, the text has its line break.
    CLayoutFileData back;
    back.ReadLayoutFile(lines);
    EXPECT_EQ(Of<CPHeadLineData>(back.GetPaper(0)).size(), 5u);
    EXPECT_TRUE(Of<CPHeadBoxData>(back.GetPaper(0)).empty());
    const auto texts = Of<CPHeadMojiData>(back.GetPaper(0));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->GetText(), "AB\r\nCD\xFA\x57");
}

TEST_F(LayoutFileDataTest, AFailingStreamFailsTheWrite) {
    layout.InitNew();
    std::ostringstream out;
    out.setstate(std::ios::failbit);
    EXPECT_FALSE(layout.WriteLayoutFile(out, false));
}

// ---- Reading --------------------------------------------------------------------------------

TEST_F(LayoutFileDataTest, ReaderTable) {
    const std::string longText(1100, 'x');
    struct Case {
        const char* name;
        std::vector<std::string> file;
        void (*check)(const CLayoutFileData&);
    };
    const std::vector<Case> cases = {
        {"a Windows editor's file without the end",
         {"[ファイル情報]", "Vertion=30000", "MasterFlag=0", "CurrentPaper=2", "LayoutName=名前",
          "LayoutDiscernmentFlag=0", "", "[_A3_]", "PaperArea= 0, 0, 4200, 2970",
          "HeaderArea= 1, 2, 3, 4", "Vpartition= 7"},
         [](const CLayoutFileData& l) {
             EXPECT_EQ(l.GetVersion(), 30000u);
             EXPECT_EQ(l.GetCurrentPaperIndex(), 2);
             EXPECT_EQ(l.GetLayoutName(), J("名前"));
             const CPaperData& a3 = l.GetPaper(2);
             EXPECT_EQ(a3.GetSize().GetArea(tembra::kLayoutHeaderArea), CRect(1, -2, 3, -4));
             EXPECT_EQ(a3.GetSizeAsRead().GetArea(tembra::kLayoutHeaderArea), CRect(1, -2, 3, -4));
             EXPECT_EQ(a3.GetSize().GetPartition(tembra::kLayoutVpartition), 7);
             // Keys the file lacks read as 0.
             EXPECT_EQ(a3.GetSize().GetArea(tembra::kLayoutEditArea), CRect());
         }},
        {"the main program's temporary copy",
         {"[ファイル情報]", "Vertion=10000", "MasterFlag=-1", "CurrentPaper=1",
          "LayoutName=ローカル書式", "hWnd_Tembra=99", "LayoutDiscernmentFlag=0", "", "[_B4_]",
          "PaperArea= 0, 0, 3640, 2570", "HeaderArea= 122, 122, 3518, 489",
          R"(MojiData1="会社名", 1, 2, 3, 4, "ＭＳ 明朝", 32, 16, 0, 0, 0, 0)"},
         [](const CLayoutFileData& l) {
             EXPECT_EQ(l.GetMasterFlag(), kTemporaryLayout);
             EXPECT_EQ(l.GetWindowHandle(), 99);
             EXPECT_EQ(l.GetCurrentPaperIndex(), 1);
             EXPECT_EQ(l.GetVersion(), 10000u);
             EXPECT_EQ(Of<CPHeadMojiData>(l.GetPaper(1)).size(), 1u);
             // The other papers at their defaults.
             const CPaperData& a4 = l.GetPaper(0);
             EXPECT_EQ(a4.GetSize().GetArea(tembra::kLayoutHeaderArea),
                       CRect(100, -100, 2870, -400));
             EXPECT_NE(Input(a4, J("工事名称")), nullptr);
         }},
        {"papers by their header, wherever they stand",
         {"[_A3_]", "PaperArea= 0, 0, 4200, 2970", "[_A1_]", "PaperArea= 0, 0, 8400, 5940",
          "[未知]", "PaperArea= 0, 0, 1, 1", "[_A3_]", "PaperArea= 0, 0, 9, 9"},
         [](const CLayoutFileData& l) {
             EXPECT_EQ(l.GetPaper(2).GetSize().GetArea(tembra::kLayoutPaperArea),
                       CRect(0, 0, 4200, -2970));
             EXPECT_EQ(l.GetPaper(5).GetSize().GetArea(tembra::kLayoutPaperArea),
                       CRect(0, 0, 8400, -5940));
             EXPECT_EQ(l.GetPaper(3).GetSize().GetArea(tembra::kLayoutPaperArea), CRect());
         }},
        {"an empty line inside a section",
         {"[_A2_]", "PaperArea= 0, 0, 5940, 4200", "", "EditArea= 1, 1, 2, 2", "",
          "LineData1= 1, 2, 3, 4, 0, 3, 0, 0"},
         [](const CLayoutFileData& l) {
             EXPECT_EQ(l.GetPaper(4).GetSize().GetArea(tembra::kLayoutEditArea),
                       CRect(1, -1, 2, -2));
             EXPECT_EQ(Of<CPHeadLineData>(l.GetPaper(4)).size(), 1u);
         }},
        {"no file information",
         {"[_A4_]", "PaperArea= 0, 0, 2970, 2100"},
         [](const CLayoutFileData& l) {
             EXPECT_EQ(l.GetVersion(), 0u);
             EXPECT_EQ(l.GetMasterFlag(), 0);
             EXPECT_EQ(l.GetLayoutName(), "");
             EXPECT_EQ(l.GetCurrentPaperIndex(), 0);
         }},
        {"a current paper of 9",
         {"[ファイル情報]", "CurrentPaper=9"},
         [](const CLayoutFileData& l) { EXPECT_EQ(l.GetCurrentPaperIndex(), 0); }},
        {"a text of 1100 bytes, then its numbers",
         {"[_A4_]", "PaperArea= 0, 0, 2970, 2100",
          "MojiData1=\"" + std::string(1100, 'x') + "\", 10, 20, 30, 40, \"F\", 8, 4, 1, 0, 5, 2"},
         [](const CLayoutFileData& l) {
             const auto texts = Of<CPHeadMojiData>(l.GetPaper(0));
             ASSERT_EQ(texts.size(), 1u);
             EXPECT_EQ(texts[0]->GetText(), std::string(1024, 'x'));
             EXPECT_EQ(texts[0]->GetFrameRect(), CRect(10, -20, 30, -40));
             EXPECT_EQ(texts[0]->GetFont().lfHeight, -8);
             EXPECT_EQ(texts[0]->GetColor(), 5u);
             EXPECT_EQ(texts[0]->GetArea(), kAreaLeft);
         }},
        {"a trail byte 0x5C before n",
         {"[_A4_]", "PaperArea= 0, 0, 2970, 2100",
          "MojiData1=\"表n\\n表\", 10, 20, 30, 40, \"F\", 8, 4, 1, 0, 5, 2"},
         [](const CLayoutFileData& l) {
             const auto texts = Of<CPHeadMojiData>(l.GetPaper(0));
             ASSERT_EQ(texts.size(), 1u);
             EXPECT_EQ(texts[0]->GetText(), J("表n\r\n表"));
         }},
        {"input areas: a repeated name merged, the index kept or standing for none",
         {"[_A4_]", "PaperArea= 0, 0, 2970, 2100",
          R"(InputArea1="工事名称", 1, 1, 2, 2, "F", 8, 4, 0, 0, 0, "新築\n工事", 1, 0)",
          R"(InputArea2="X", 1, 1, 2, 2, "F", 8, 4, 0, 0, 0, "", 4, 0)",
          R"(InputArea3="X", 5, 5, 6, 6, "F", 8, 4, 0, 0, 0, "second", 4, 3)",
          R"(InputArea4="Y", 1, 1, 2, 2, "F", 8, 4, 0, 0, 0, "", 7, 0)"},
         [](const CLayoutFileData& l) {
             const CPaperData& a4 = l.GetPaper(0);
             EXPECT_EQ(Of<CPHeadInputArea>(a4).size(), 3u);
             const CPHeadInputArea* title = Input(a4, J("工事名称"));
             ASSERT_NE(title, nullptr);
             EXPECT_EQ(title->GetFrameRect(), CRect(1, -1, 2, -2));
             EXPECT_EQ(title->GetDefaultText(), J("新築\r\n工事"));
             EXPECT_EQ(title->GetBaseIndex(), 1);
             const CPHeadInputArea* x = Input(a4, "X");
             ASSERT_NE(x, nullptr);
             EXPECT_EQ(x->GetFrameRect(), CRect(5, -5, 6, -6));
             EXPECT_EQ(x->GetDefaultText(), "second");
             EXPECT_EQ(x->GetArea(), kAreaRight);
             EXPECT_EQ(x->GetBaseFlag(), 0);
             EXPECT_EQ(x->GetFileIndex(), 4);
             const CPHeadInputArea* y = Input(a4, "Y");
             ASSERT_NE(y, nullptr);
             EXPECT_EQ(y->GetBaseFlag(), 1);
             EXPECT_EQ(y->GetFileIndex(), 7);
         }},
        {"an all-zero paper rectangle keeps the defaults, once",
         {"[_A4_]", "PaperArea= 0, 0, 0, 0", "HeaderArea= 1, 2, 3, 4",
          "LineData1= 1, 2, 3, 4, 0, 3, 0, 0"},
         [](const CLayoutFileData& l) {
             const CPaperData& a4 = l.GetPaper(0);
             EXPECT_EQ(a4.GetSize().GetArea(tembra::kLayoutHeaderArea),
                       CRect(100, -100, 2870, -400));
             EXPECT_EQ(a4.GetElements().size(), 1u);
             EXPECT_EQ(a4.GetBaseInputAreas().size(), 2u);
         }},
        {"nothing after the end",
         {"[_A4_]", "PaperArea= 0, 0, 2970, 2100", "", "[EOS]", "[_B4_]",
          "PaperArea= 0, 0, 3640, 2570"},
         [](const CLayoutFileData& l) {
             EXPECT_EQ(l.GetPaper(1).GetSize().GetArea(tembra::kLayoutPaperArea), CRect());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // What the layout held before is gone.
        layout.GetPaper(3).GetElements().push_back(std::make_unique<CPHeadLineData>());
        std::istringstream in(FileText(c.file));
        layout.ReadLayoutFile(in);
        EXPECT_TRUE(layout.GetPaper(3).GetElements().empty());
        c.check(layout);
    }
}

// ---- The shipped layout and key ---------------------------------------------------------------

// Read by the editor and written back: byte for byte the same but for what the editor writes of
// every layout, and read by the main program as the shipped file.
void ExpectReadTheSameInBothPrograms(const std::filesystem::path& shipped,
                                     const std::string& name) {
    const std::string original = tembra::test::TempDir::Read(shipped);
    CLayoutFileData layout;
    std::istringstream in(original);
    layout.ReadLayoutFile(in);
    const std::string written = Written(layout);

    // Byte for byte the same, but that a master layout is written as an ordinary one and the
    // main program's window is written only for its temporary copy.
    LayoutLines expected = tembra::SplitLayoutLines(original);
    std::erase(expected, "hWnd_Tembra=0");
    std::replace(expected.begin(), expected.end(), std::string("MasterFlag=1"),
                 std::string("MasterFlag=0"));
    EXPECT_EQ(tembra::SplitLayoutLines(written), expected);
    EXPECT_EQ(written.substr(written.size() - 7), "[EOS]\r\n");

    // The editor reads its own file as it read the original.
    CLayoutFileData again;
    std::istringstream back(written);
    again.ReadLayoutFile(back);
    EXPECT_EQ(Written(again), written);

    // The main program reads every paper as before.
    const tembra::test::TempDir dir;
    const auto copy = dir.Write("COPY.LYT", written);
    EXPECT_EQ(tembra::ReadLayoutName(copy), name);
    EXPECT_EQ(tembra::ReadLayoutMasterFlag(copy), 0);
    for (int paper = 0; paper < CLayoutFileData::kPaperCount; ++paper) {
        SCOPED_TRACE(paper);
        tembra::LayoutPaperElements a;
        tembra::LayoutPaperElements b;
        ASSERT_TRUE(tembra::ReadLayoutPaperElements(shipped, paper, a));
        ASSERT_TRUE(tembra::ReadLayoutPaperElements(copy, paper, b));
        EXPECT_EQ(a.offset, b.offset);
        EXPECT_EQ(a.texts, b.texts);
        EXPECT_EQ(a.inputs, b.inputs);
        EXPECT_EQ(a.lines, b.lines);
        tembra::CPrintArea areaA;
        tembra::CPrintArea areaB;
        ASSERT_TRUE(areaA.SetPaper(paper, 0, shipped, -1));
        ASSERT_TRUE(areaB.SetPaper(paper, 0, copy, -1));
        EXPECT_EQ(areaA.GetHeaderRect(), areaB.GetHeaderRect());
        EXPECT_EQ(areaA.GetEditRect(), areaB.GetEditRect());
        EXPECT_EQ(areaA.GetDateRect(), areaB.GetDateRect());
        EXPECT_EQ(areaA.GetFooterRect(), areaB.GetFooterRect());
    }
}

class ShippedLayoutTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(kData / tembra::AppRegKeyDefaultPath().filename(),
                                   tembra::AppRegKeyDefaultPath(),
                                   std::filesystem::copy_options::overwrite_existing);
    }

    tembra::test::ScopedPaths paths;
    tembra::test::ScopedUi ui;
};

TEST_F(ShippedLayoutTest, TheKeysDefaultsAreThoseOfTheStandardLayout) {
    const auto lines = tembra::ReadLayoutLines(kMaster);
    ASSERT_TRUE(lines);
    const tembra::LayoutFileContents master =
        tembra::ParseLayoutFile(tembra::LayoutFileIndex(*lines));
    for (int paper = 0; paper < CLayoutFileData::kPaperCount; ++paper) {
        SCOPED_TRACE(paper);
        CPaperData defaults;
        defaults.SetDefaults(paper);
        const auto& section = master.papers[static_cast<std::size_t>(paper)];
        ASSERT_TRUE(section);
        for (int i = 0; i < tembra::kLayoutRectCount; ++i) {
            const CRect& r = section->rects[static_cast<std::size_t>(i)];
            EXPECT_EQ(defaults.GetSize().GetArea(i), CRect(r.left, -r.top, r.right, -r.bottom))
                << tembra::LayoutRectKey(i);
        }
        for (int i = 0; i < tembra::kLayoutPartitionCount; ++i) {
            EXPECT_EQ(defaults.GetSize().GetPartition(i),
                      section->partitions[static_cast<std::size_t>(i)])
                << tembra::LayoutPartitionKey(i);
        }
        // The title, period and creation date as the standard layout places them.
        const auto& base = defaults.GetBaseInputAreas();
        ASSERT_EQ(base.size(), 5u);
        for (std::size_t i = 0; i < 3; ++i) {
            const tembra::LayoutTextEntry& e = section->inputs[i];
            EXPECT_EQ(base[i]->GetName(), e.name);
            EXPECT_EQ(base[i]->GetBaseIndex(), e.kind);
            EXPECT_EQ(base[i]->GetFrameRect(),
                      CRect(e.rect.left, -e.rect.top, e.rect.right, -e.rect.bottom));
            EXPECT_EQ(base[i]->GetFont().lfHeight, -e.fontHeight);
        }
        EXPECT_EQ(base[3]->GetName(), J("会社名"));
        EXPECT_EQ(base[4]->GetName(), J("部署名"));
    }
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

// The standard layout and the two plan layouts.
TEST_F(ShippedLayoutTest, TheShippedLayoutsThroughTheEditorReadTheSameInBothPrograms) {
    struct Case {
        const char* file;
        const char* name;
    };
    const Case cases[] = {
        {"MASTER01.LYT", "標準書式"},
        {"MASTER-A01.LYT", "安全衛生管理計画表"},
        {"MASTER-A02.LYT", "月間安全衛生計画表"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::filesystem::path shipped = kData / c.file;
        ExpectReadTheSameInBothPrograms(shipped, J(c.name));
        // The editor's document opens it whole: no line is passed over.
        CMarquellDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(shipped.string()));
        EXPECT_FALSE(doc.IsReadOnly());
        EXPECT_TRUE(ui->MessageBoxes().empty());
    }
}

} // namespace
} // namespace marquell
