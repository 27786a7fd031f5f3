#include "print/LayoutTempFile.h"

#include "model/LayoutFile.h"
#include "model/PrintArea.h"
#include "model/Utility.h"
#include "print/PrHeader.h"
#include "print/PrNewLine.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include "PrTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::J;
using test::LayoutText;
using test::TempDir;

// A small source layout: the paper section comes before the file information, one old key and
// two partitions are there to be taken over (one written without a blank), one fixed text, one
// input area and one line.
const std::vector<std::string> kSource = {
    "[_A4_]",
    "PaperArea= 0, 0, 2970, 2100",
    "HeaderArea= 100, 80, 2870, 380",
    "FooterArea= 100, 1900, 2870, 2020",
    "FooterAreaOld= 1, 2, 3, 4",
    "DateArea= 100, 380, 2870, 480",
    "EditArea= 100, 480, 2870, 1900",
    "OffsetLTop= 0, 0, 100, 80",
    "Vpartition= 40",
    "HpartitionB=8",
    "MojiData1=\"会社名\", 150, 100, 450, 160, \"ＭＳ 明朝\", 30, 15, 1, 0, 0, 2",
    "InputArea1=\"010001\", 500, 100, 1500, 300, \"ＭＳ 明朝\", 60, 30, 1, 1, 255, \"工事\\nA\", "
    "1, 0",
    "LineData1= 100, 380, 2870, 380, 0, 3, 16711680, 1",
    "",
    "[ファイル情報]",
    "Vertion=10000",
    "MasterFlag=1",
    "LayoutName=元の書式",
    "LayoutDiscernmentFlag=1",
    "",
    "[EOS]",
};

const std::vector<std::string> kExpected = {
    "[ファイル情報]",
    "Vertion=10000",
    "MasterFlag=-1",
    "CurrentPaper=0",
    "LayoutName=ローカル書式",
    "hWnd_Tembra=4242",
    "LayoutDiscernmentFlag=1",
    "",
    "[_A4_]",
    "PaperArea= 0, 0, 2970, 2100",
    "HeaderArea= 100, 80, 2870, 380",
    "FooterArea= 100, 1900, 2870, 2020",
    "FooterAreaOld= 1, 2, 3, 4",
    "LeftArea= 100, 380, 100, 1900",
    "LeftAreaOld= 0, 0, 0, 0",
    "RightArea= 2870, 380, 2870, 1900",
    "RightAreaOld= 0, 0, 0, 0",
    "DateArea= 100, 380, 2870, 480",
    "EditArea= 100, 480, 2870, 1900",
    "OffsetLTop= 0, 0, 100, 80",
    "OffsetRBottom= 2870, 2020, 2970, 2100",
    "Vpartition= 40",
    "Hpartition= 6",
    "VpartitionB= 50",
    "HpartitionB=8",
    "VpartitionL= 6",
    "HpartitionL= 50",
    "VpartitionR= 6",
    "HpartitionR= 50",
    "MojiData1=\"会社名\", 150, 100, 450, 160, \"ＭＳ 明朝\", 30, 15, 1, 0, 0, 2",
    "InputArea1=\"010001\", 500, 100, 1500, 300, \"ＭＳ 明朝\", 60, 30, 1, 1, 255, \"工事\\nA\", "
    "1, 0",
    "LineData1= 100, 380, 2870, 380, 0, 3, 16711680, 1",
};

// What the copy reads back is the header's element list, field by field; where contents are
// given, the texts read back are those.
void ExpectSameElements(const CPrHeader& header, const CPrHeader& back,
                        const std::vector<std::string>& contents = {}) {
    ASSERT_EQ(back.GetElementList().size(), header.GetElementList().size());
    for (std::size_t i = 0; i < header.GetElementList().size(); ++i) {
        SCOPED_TRACE(i);
        const CPrNewElement& a = *header.GetElementList()[i];
        const CPrNewElement& b = *back.GetElementList()[i];
        EXPECT_EQ(a.GetKind(), b.GetKind());
        EXPECT_EQ(a.GetArea(), b.GetArea());
        if (const auto* ta = dynamic_cast<const CPrNewText*>(&a)) {
            const auto* tb = dynamic_cast<const CPrNewText*>(&b);
            ASSERT_NE(tb, nullptr);
            EXPECT_EQ(ta->GetRect(), tb->GetRect());
            EXPECT_EQ(ta->GetFont(), tb->GetFont());
            EXPECT_EQ(ta->GetColor(), tb->GetColor());
            EXPECT_EQ(ta->GetText(), tb->GetText());
            EXPECT_EQ(i < contents.size() ? contents[i] : ta->GetContents(), tb->GetContents());
            EXPECT_EQ(ta->GetVCenter(), tb->GetVCenter());
            EXPECT_EQ(ta->GetHCenter(), tb->GetHCenter());
        } else {
            const auto& la = dynamic_cast<const CPrNewLine&>(a);
            const auto* lb = dynamic_cast<const CPrNewLine*>(&b);
            ASSERT_NE(lb, nullptr);
            EXPECT_EQ(la.GetRect(), lb->GetRect());
            EXPECT_EQ(la.GetStyle(), lb->GetStyle());
            EXPECT_EQ(la.GetWidth(), lb->GetWidth());
            EXPECT_EQ(la.GetColor(), lb->GetColor());
        }
    }
}

class LayoutTempFileTest : public ::testing::Test {
protected:
    TempDir dir;
    test::ScopedUi ui;

    // The page areas and the header as the chart holds them after reading the source.
    void Load(const std::filesystem::path& source, CPrintArea& area, CPrHeader& header) {
        ASSERT_TRUE(area.SetPaper(0, 0, source, -1));
        ASSERT_TRUE(ReadLayoutIntoHeader(header, 0, source, FALSE));
    }
};

TEST_F(LayoutTempFileTest, WritesTheOnePaperCopyByteForByteAndReadsBackTheSameElements) {
    const auto source = dir.Write("SOURCE.LYT", LayoutText(kSource));
    CPrintArea area;
    CPrHeader header;
    Load(source, area, header);
    ASSERT_EQ(header.GetElementList().size(), 3u);

    const auto target = dir.File("LAYTEMP0.LY$");
    ASSERT_TRUE(header.WriteLayoutFile(4242, area, 0, J("ローカル書式"), target, source, FALSE));
    EXPECT_EQ(TempDir::Read(target), LayoutText(kExpected));

    CPrHeader back;
    ASSERT_TRUE(ReadLayoutIntoHeader(back, 0, target, FALSE));
    EXPECT_EQ(back.GetLayoutName(), J("ローカル書式"));
    EXPECT_EQ(back.GetLayoutKind(), 1);
    ExpectSameElements(header, back);

    // The copy holds the file information and the one paper section.
    EXPECT_EQ(ReadLayoutMasterFlag(target), kLayoutTempMasterFlag);
    CPoint offset;
    EXPECT_TRUE(GetLayoutOffset(0, offset, target));
    EXPECT_FALSE(GetLayoutOffset(1, offset, target));
}

TEST_F(LayoutTempFileTest, TextsWithLineEndsAndDoubleQuotesKeepEveryElement) {
    // Line breaks in contents come as CR LF, or in a lone LF; a double quote may stand in any
    // text. Before the elements that follow them: a line break that split an entry's line, or a
    // line starting with "[" ending the section, would lose them.
    const auto source = dir.Write("SOURCE.LYT", LayoutText(kSource));
    CPrintArea area;
    CPrHeader header;
    Load(source, area, header);
    std::vector<std::unique_ptr<CPrNewElement>> added;
    const auto text = [&](int kind, std::string name, std::string contents) {
        // The font as reading a layout builds it.
        LOGFONT font;
        EnumFontFaces(font, J("ＭＳ ゴシック"), -40, 20);
        return std::make_unique<CPrNewText>(kind, kPrAreaFooter, CRect(10, -20, 300, -60), font,
                                            RGB(1, 2, 3), std::move(name), std::move(contents), 1,
                                            0);
    };
    auto& list = header.GetElementList();
    list.insert(list.begin(), text(kPrKindFixedText, "", "C\r\n\r\nD"));
    list.insert(list.begin(), text(kPrKindFixedText, "", "A\r\nB"));
    list.insert(list.begin() + 3, text(kPrKindInput, "020001", "say \"hi\", ok\r\n[x]"));
    list.insert(list.begin() + 4, text(kPrKindNamedInput, "020002", "x\ny"));

    const auto target = dir.File("LAYTEMP0.LY$");
    ASSERT_TRUE(header.WriteLayoutFile(1, area, 0, "n", target, source, FALSE));
    CPrHeader back;
    ASSERT_TRUE(ReadLayoutIntoHeader(back, 0, target, FALSE));
    // Line breaks come back as CR LF; a double quote as the full-width one.
    ExpectSameElements(header, back,
                       {"A\r\nB", "C\r\n\r\nD", J("会社名"), J("say ＂hi＂, ok\r\n[x]"), "x\r\ny",
                        J("工事\r\nA")});
}

TEST_F(LayoutTempFileTest, InputAreasOfKindsTheCopyDoesNotKnowKeepTheirKind) {
    // A damaged layout's input area of kind 7 is handed on as it was read, and the input areas
    // after it keep their places.
    std::vector<std::string> lines = kSource;
    const auto input1 = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.rfind("InputArea1=", 0) == 0;
    });
    ASSERT_NE(input1, lines.end());
    const auto after = lines.insert(
        input1 + 1,
        "InputArea2=\"050001\", 1, 2, 3, 4, \"ＭＳ 明朝\", 30, 15, 0, 0, 0, \"?\", 7, 3");
    lines.insert(after + 1,
                 "InputArea3=\"050002\", 5, 6, 7, 8, \"ＭＳ 明朝\", 30, 15, 0, 0, 0, \"!\", 4, 0");
    const auto source = dir.Write("SOURCE.LYT", LayoutText(lines));
    CPrintArea area;
    CPrHeader header;
    Load(source, area, header);
    ASSERT_EQ(header.GetElementList().size(), 5u);
    ASSERT_EQ(header.GetElementList()[2]->GetKind(), 7);

    const auto target = dir.File("LAYTEMP0.LY$");
    ASSERT_TRUE(header.WriteLayoutFile(1, area, 0, "n", target, source, FALSE));
    CPrHeader back;
    ASSERT_TRUE(ReadLayoutIntoHeader(back, 0, target, FALSE));
    ExpectSameElements(header, back);
}

TEST_F(LayoutTempFileTest, ThePrinterShiftIsAddedBackAndTheWidthIsHalfTheHeight) {
    const auto source = dir.Write("SOURCE.LYT", LayoutText(kSource));
    CPrintArea area;
    CPrHeader header;
    Load(source, area, header);
    // A printer that cannot print the first 30 units: the shift is 70 and -50.
    area.AdjustMargins(70, -50);
    header.AddElement(std::make_unique<CPrNewText>(
        kPrKindFixedText, 0, CRect(0, 0, 10, -10),
        [] {
            LOGFONT f;
            f.lfHeight = -35;
            f.lfWidth = 40;
            return f;
        }(),
        0, "", "x", 0, 0));
    // An element of all zeros is never drawn and stays all zeros, not moved by the shift.
    header.AddElement(std::make_unique<CPrNewLine>(0, CRect(), 0, 1, 0));
    const auto target = dir.File("T.LY$");
    ASSERT_TRUE(header.WriteLayoutFile(1, area, 0, "n", target, source, FALSE));
    const auto lines = ReadLayoutLines(target);
    ASSERT_TRUE(lines);
    std::string value;
    EXPECT_TRUE(GetLayoutValue(*lines, "[_A4_]", "HeaderArea", value));
    EXPECT_EQ(value, " 70, 50, 2840, 350");
    EXPECT_TRUE(GetLayoutValue(*lines, "[_A4_]", "OffsetLTop", value));
    EXPECT_EQ(value, " 0, 0, 70, 50");
    EXPECT_TRUE(GetLayoutValue(*lines, "[_A4_]", "MojiData2", value));
    EXPECT_EQ(value, "\"x\", 70, 50, 80, 60, \"\", 35, 17, 0, 0, 0, 0");
    EXPECT_TRUE(GetLayoutValue(*lines, "[_A4_]", "LineData1", value));
    EXPECT_EQ(value, " 70, 350, 2840, 350, 0, 3, 16711680, 1");
    EXPECT_TRUE(GetLayoutValue(*lines, "[_A4_]", "LineData2", value));
    EXPECT_EQ(value, " 0, 0, 0, 0, 0, 1, 0, 0");
}

TEST_F(LayoutTempFileTest, TakenOverKeysAreFoundWhereverTheyStandInTheSourceSection) {
    struct Case {
        std::vector<std::string> section;
        std::vector<std::string> partitions; // the eight lines written
        const char* leftAreaOld;             // its value as written
    };
    const std::vector<Case> cases = {
        // Nothing to take over: the defaults.
        {{},
         {"Vpartition= 50", "Hpartition= 6", "VpartitionB= 50", "HpartitionB= 6", "VpartitionL= 6",
          "HpartitionL= 50", "VpartitionR= 6", "HpartitionR= 50"},
         " 0, 0, 0, 0"},
        // Out of the written order, with lines after them.
        {{"Hpartition=9", "Vpartition=7", "VpartitionB=5"},
         {"Vpartition=7", "Hpartition=9", "VpartitionB=5", "HpartitionB= 6", "VpartitionL= 6",
          "HpartitionL= 50", "VpartitionR= 6", "HpartitionR= 50"},
         " 0, 0, 0, 0"},
        // After an empty line and behind the partitions; the first of a repeated key counts.
        {{"HpartitionR=1", "", "HpartitionR=2", "LeftAreaOld= 1, 2, 3, 4"},
         {"Vpartition= 50", "Hpartition= 6", "VpartitionB= 50", "HpartitionB= 6", "VpartitionL= 6",
          "HpartitionL= 50", "VpartitionR= 6", "HpartitionR=1"},
         " 1, 2, 3, 4"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> source = {"[_B4_]", "HeaderArea= 0, 0, 3640, 300",
                                           "EditArea= 0, 400, 3640, 2500",
                                           "OffsetLTop= 0, 0, 0, 0"};
        source.insert(source.end(), c.section.begin(), c.section.end());
        const auto path = dir.Write("P.LYT", LayoutText(source));
        CPrintArea area;
        ASSERT_TRUE(area.SetPaper(1, 0, path, -1));
        CPrHeader header;
        const auto target = dir.File("P.LY$");
        ASSERT_TRUE(header.WriteLayoutFile(0, area, 1, "n", target, path, FALSE));
        const auto lines = ReadLayoutLines(target);
        ASSERT_TRUE(lines);
        ASSERT_GE(lines->size(), 8u);
        // Without elements the partitions are the last eight lines; no footer in the source:
        // its strip at the edit area's bottom is written back.
        EXPECT_EQ(std::vector<std::string>(lines->end() - 8, lines->end()), c.partitions);
        std::string value;
        EXPECT_TRUE(GetLayoutValue(*lines, "[_B4_]", "FooterArea", value));
        EXPECT_EQ(value, " 0, 2500, 3640, 2500");
        EXPECT_TRUE(GetLayoutValue(*lines, "[_B4_]", "FooterAreaOld", value));
        EXPECT_EQ(value, " 0, 0, 0, 0");
        EXPECT_TRUE(GetLayoutValue(*lines, "[_B4_]", "LeftAreaOld", value));
        EXPECT_EQ(value, c.leftAreaOld);
    }
}

TEST_F(LayoutTempFileTest, FailuresAreReportedAsFailures) {
    const auto source = dir.Write("SOURCE.LYT", LayoutText(kSource));
    CPrintArea area;
    CPrHeader header;
    Load(source, area, header);
    EXPECT_FALSE(
        header.WriteLayoutFile(0, area, 0, "n", dir.File("T.LY$"), dir.File("none.LYT"), FALSE));
    EXPECT_FALSE(std::filesystem::exists(dir.File("T.LY$")));
    EXPECT_FALSE(
        header.WriteLayoutFile(0, area, 0, "n", dir.File("no/such/folder/T.LY$"), source, FALSE));
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_FALSE(header.WriteLayoutFile(0, area, 0, "n", "/dev/full", source, FALSE));
    }
}

} // namespace
} // namespace tembra
