#include "model/LayoutFile.h"

#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::ScopedPaths;
using test::TempDir;

std::string J(const std::string& utf8) {
    return Sjis::FromUtf8(utf8);
}

LayoutLines Lines(const std::vector<std::string>& utf8) {
    LayoutLines lines;
    for (const std::string& line : utf8) {
        lines.push_back(J(line));
    }
    return lines;
}

std::string FileText(const std::vector<std::string>& utf8) {
    std::string text;
    for (const std::string& line : utf8) {
        text += J(line) + "\r\n";
    }
    return text;
}

// ---- Names ----------------------------------------------------------------------------------

TEST(LayoutNames, SectionsAreasAndPaperExtents) {
    EXPECT_EQ(LayoutInfoSectionHeader(), J("[ファイル情報]"));
    const std::vector<std::string> headers = {"[_A4_]", "[_B4_]", "[_A3_]",
                                              "[A3縦]", "[_A2_]", "[_A1_]"};
    const std::vector<CSize> extents = {{2970, 2100}, {3640, 2570}, {4200, 2970},
                                        {2970, 4200}, {5940, 4200}, {8400, 5940}};
    for (int paper = 0; paper < 6; ++paper) {
        EXPECT_EQ(LayoutPaperSectionHeader(paper), J(headers[static_cast<std::size_t>(paper)]));
        EXPECT_EQ(LayoutPaperExtent(paper), extents[static_cast<std::size_t>(paper)]);
    }
    // "自由" has a profile section only.
    EXPECT_EQ(LayoutPaperSectionHeader(6), "");
    EXPECT_EQ(LayoutPaperSectionHeader(-1), "");
    EXPECT_EQ(LayoutPaperExtent(6), CSize());
    EXPECT_STREQ(LayoutAreaKey(0), "HeaderArea");
    EXPECT_STREQ(LayoutAreaKey(1), "EditArea");
    EXPECT_STREQ(LayoutAreaKey(2), "DateArea");
    EXPECT_STREQ(LayoutAreaKey(3), "FooterArea");
    EXPECT_EQ(LayoutAreaKey(4), nullptr);
}

// ---- Lines and look-ups ---------------------------------------------------------------------

TEST(LayoutLinesTest, ReadsLinesWithoutTheirEnds) {
    TempDir dir;
    const auto file = dir.Write("a.LYT", "[x]\r\na=1\nb=2\r\n\r\nlast");
    const auto lines = ReadLayoutLines(file);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (LayoutLines{"[x]", "a=1", "b=2", "", "last"}));
    EXPECT_FALSE(ReadLayoutLines(dir.File("missing.LYT")));
}

TEST(LayoutValue, FindsAKeyOfASectionByItsHeader) {
    const LayoutLines file = Lines({
        "[_B4_]",
        "HeaderArea= 2, 2, 2, 2",
        "",
        "[未知の節]",
        "Vpartition=99",
        "",
        "[_A4_]",
        "VpartitionB= 40",
        "Vpartition= 30",
        "MojiData10=\"ten\"",
        "MojiData1=\"one\"",
        "",
        "[_A4_]",
        "Hpartition= 7",
    });
    struct Case {
        const char* header;
        const char* key;
        bool found;
        const char* value;
    };
    const std::vector<Case> cases = {
        {"[_A4_]", "Vpartition", true, " 30"}, // not "VpartitionB", value verbatim
        {"[_A4_]", "VpartitionB", true, " 40"},
        {"[_A4_]", "MojiData1", true, "\"one\""},
        {"[_A4_]", "Hpartition", true, " 7"}, // in a second appearance of the section
        {"[_B4_]", "HeaderArea", true, " 2, 2, 2, 2"},
        {"[_B4_]", "Vpartition", false, ""}, // the next section's key is not taken
        {"[_A3_]", "HeaderArea", false, ""},
        {"_A4_", "Vpartition", false, ""}, // the header is matched with its brackets
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.header) + " " + c.key);
        std::string value = "untouched";
        EXPECT_EQ(GetLayoutValue(file, c.header, c.key, value), c.found ? TRUE : FALSE);
        EXPECT_EQ(value, c.found ? c.value : "untouched");
    }
}

TEST(LayoutValue, ASectionEndsAtTheNextHeaderEvenWithoutAnEmptyLine) {
    const LayoutLines file =
        Lines({"[_A4_]", "HeaderArea= 1, 1, 1, 1", "[_B4_]", "FooterArea= 9, 9, 9, 9"});
    std::string value;
    EXPECT_FALSE(GetLayoutValue(file, "[_A4_]", "FooterArea", value));
    const auto a4 = GetLayoutSection(file, "[_A4_]");
    ASSERT_TRUE(a4);
    EXPECT_EQ(*a4, (LayoutLines{"HeaderArea= 1, 1, 1, 1"}));
    EXPECT_FALSE(GetLayoutSection(file, "[_A3_]"));
}

TEST(LayoutValue, TheA3UprightSectionNeedsItsExactHeader) {
    const LayoutLines file =
        Lines({"[_A3縦_]", "HeaderArea= 1, 1, 1, 1", "", "[A3縦] ", "HeaderArea= 2, 2, 2, 2"});
    std::string value;
    EXPECT_FALSE(GetLayoutValue(file, LayoutPaperSectionHeader(3), "HeaderArea", value));
}

TEST(LayoutFindLine, TheCursorMovesForwardAndRestartsOnlyWhenPastTheEnd) {
    const LayoutLines lines = {"A=1", "B=2", "C=3"};
    struct Case {
        const char* key;
        int cursorIn;
        bool found;
        const char* value;
        int cursorOut;
    };
    const std::vector<Case> cases = {
        {"A", 0, true, "1", 1},  {"B", 0, true, "2", 2}, {"A", 1, false, "", 1},
        {"C", 2, true, "3", 3},  {"A", 3, true, "1", 1}, {"B", -5, true, "2", 2},
        {"A", 99, true, "1", 1}, {"D", 2, false, "", 2}, {"D", 7, false, "", 0},
        {"", 0, false, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " from " + std::to_string(c.cursorIn));
        std::string value;
        int cursor = c.cursorIn;
        EXPECT_EQ(FindLayoutLine(lines, c.key, value, cursor), c.found ? TRUE : FALSE);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(cursor, c.cursorOut);
    }
}

TEST(LayoutMasterFlag, ReadsTheFlagOrZero) {
    TempDir dir;
    struct Case {
        std::string text;
        int flag;
    };
    const std::vector<Case> cases = {
        {FileText({"[ファイル情報]", "Vertion=10000", "MasterFlag=-2"}), -2},
        {FileText({"[_A4_]", "OffsetLTop= 0, 0, 1, 1", "", "[ファイル情報]", "MasterFlag=1"}), 1},
        {FileText({"[ファイル情報]", "Vertion=10000"}), 0},
        {FileText({"[ファイル情報]", "MasterFlag=  -1xyz"}), -1},
    };
    for (const Case& c : cases) {
        const auto file = dir.Write("flag.LYT", c.text);
        EXPECT_EQ(ReadLayoutMasterFlag(file), c.flag);
    }
    EXPECT_EQ(ReadLayoutMasterFlag(dir.File("none.LYT")), 0);
}

// ---- Single values --------------------------------------------------------------------------

class LayoutReaders : public ::testing::Test {
protected:
    ScopedPaths paths;
    std::filesystem::path file = paths.Dir().Write(
        "r.LYT", FileText({"[ファイル情報]", "LayoutDiscernmentFlag=1", "", "[_B4_]",
                           "HeaderArea= 100, 80, 3500, 400", "OffsetLTop= 10, 20, 110, 100",
                           "EditArea=", "", "[A4]", "KoumokuWidth= 620", "KouteiMargin=abc"}));
};

TEST_F(LayoutReaders, OffsetAreaAndDiscernmentFlag) {
    CPoint offset(-1, -1);
    EXPECT_TRUE(GetLayoutOffset(1, offset, file));
    EXPECT_EQ(offset, CPoint(100, -80));
    offset = CPoint(-1, -1);
    EXPECT_FALSE(GetLayoutOffset(0, offset, file));
    EXPECT_EQ(offset, CPoint(-1, -1));

    CRect rect(1, 2, 3, 4);
    EXPECT_TRUE(GetLayoutArea(1, 0, rect, file));
    EXPECT_EQ(rect, CRect(100, -80, 3500, -400));
    rect = CRect(1, 2, 3, 4);
    EXPECT_FALSE(GetLayoutArea(1, 1, rect, file)); // an empty value
    EXPECT_FALSE(GetLayoutArea(1, 3, rect, file)); // no such key
    EXPECT_FALSE(GetLayoutArea(1, 4, rect, file)); // no such area
    EXPECT_EQ(rect, CRect(1, 2, 3, 4));

    EXPECT_EQ(GetLayoutDiscernmentFlag(file), 1);
    EXPECT_EQ(GetLayoutDiscernmentFlag(paths.Dir().File("none.LYT")), 0);
}

TEST(LayoutDamaged, PositionsBeyondAnyPaperAreCutBeforeTheyAreNegatedOrSubtracted) {
    // A damaged file with the extremes of int: y is negated and the margin corner is a
    // difference, neither of which may overflow.
    TempDir dir;
    const auto file = dir.Write(
        "big.LYT",
        FileText({"[_A4_]", "HeaderArea= -2147483648, -2147483648, 2147483647, 99999999999",
                  "OffsetLTop= 0, 2147483647, -2147483648, -2147483648",
                  "MojiData1=\"t\", 1, -2147483648, 3, 4, \"f\", -2147483648, "
                  "2147483647, 0, 0, 0",
                  "LineData1= -2147483648, 5, 6, 7, 0, 1, 0, 0"}));
    constexpr int L = kLayoutNumberLimit;
    CPoint offset;
    ASSERT_TRUE(GetLayoutOffset(0, offset, file));
    EXPECT_EQ(offset, CPoint(-L, 2 * L));
    CRect rect;
    ASSERT_TRUE(GetLayoutArea(0, 0, rect, file));
    EXPECT_EQ(rect, CRect(-L, L, L, -L));

    LayoutPaperElements e;
    ASSERT_TRUE(ReadLayoutPaperElements(file, 0, e));
    EXPECT_EQ(e.offset, CPoint(-L, 2 * L));
    ASSERT_EQ(e.texts.size(), 1u);
    EXPECT_EQ(e.texts[0].rect, CRect(1, -L, 3, 4));
    EXPECT_EQ(e.texts[0].fontHeight, -L);
    EXPECT_EQ(e.texts[0].fontWidth, L);
    ASSERT_EQ(e.lines.size(), 1u);
    EXPECT_EQ(e.lines[0].rect, CRect(-L, 5, 6, 7));
    // Numbers of an ordinary size are read as they stand.
    EXPECT_EQ(ParseLayoutLineEntry(" -999999, 999999, 0, 1, 2, 3, 4").rect,
              CRect(-999999, 999999, 0, 1));
}

TEST_F(LayoutReaders, IntegersFromTheProfileOrFromAFile) {
    ASSERT_TRUE(WriteProfileString("A4", "KoumokuWidth", "480"));
    std::array<int, 1> width{1};
    EXPECT_TRUE(ReadLayoutInts("A4", "KoumokuWidth", width, LayoutValueSource::Profile()));
    EXPECT_EQ(width[0], 480);
    std::array<int, 1> margin{7};
    EXPECT_FALSE(ReadLayoutInts("A4", "KouteiMargin", margin, LayoutValueSource::Profile()));
    EXPECT_EQ(margin[0], 7);

    // The same keys from a file, in a section named like the profile's.
    EXPECT_TRUE(ReadLayoutInts("A4", "KoumokuWidth", width, LayoutValueSource(file)));
    EXPECT_EQ(width[0], 620);
    EXPECT_TRUE(ReadLayoutInts("A4", "KouteiMargin", margin, LayoutValueSource(file)));
    EXPECT_EQ(margin[0], 0); // malformed numbers parse as far as their digits reach
    EXPECT_FALSE(ReadLayoutInts("A4", "KoumokuWidth", width,
                                LayoutValueSource(paths.Dir().File("none.LYT"))));
}

TEST_F(LayoutReaders, TheProfileSourceIsKnownByHowItWasMadeNotByItsText) {
    ASSERT_TRUE(WriteProfileString("B4", "KoumokuWidth", "555"));
    // A source that merely names something is a file, and no such file exists.
    std::array<int, 1> v{};
    EXPECT_FALSE(ReadLayoutInts("B4", "KoumokuWidth", v, LayoutValueSource("")));
    const LayoutValueSource copy = LayoutValueSource::Profile();
    EXPECT_TRUE(ReadLayoutInts("B4", "KoumokuWidth", v, copy));
    EXPECT_EQ(v[0], 555);
}

// ---- Element lines --------------------------------------------------------------------------

TEST(LayoutEntries, ParsesFixedTextsInputAreasAndLines) {
    const LayoutTextEntry text = ParseLayoutTextEntry(
        J("\"工事名称\", 100, 200, 900, 300, \"ＭＳ 明朝\", 40, 20, 1, 0, 255, 3"));
    EXPECT_EQ(text.contents, J("工事名称"));
    EXPECT_EQ(text.name, "");
    EXPECT_EQ(text.rect, CRect(100, 200, 900, 300));
    EXPECT_EQ(text.faceName, J("ＭＳ 明朝"));
    EXPECT_EQ(text.fontHeight, 40);
    EXPECT_EQ(text.fontWidth, 20);
    EXPECT_EQ(text.vCenter, 1);
    EXPECT_EQ(text.hCenter, 0);
    EXPECT_EQ(text.color, 255u);
    EXPECT_EQ(text.kind, 0x100);
    EXPECT_EQ(text.area, 3);

    const LayoutTextEntry input = ParseLayoutInputEntry(
        "\"010001\",10,20,30,40,\"Face\",\t35, 17, 0, 1, 16711680, \"Title\\nline\", 1, 2");
    EXPECT_EQ(input.name, "010001");
    EXPECT_EQ(input.rect, CRect(10, 20, 30, 40));
    EXPECT_EQ(input.faceName, "Face");
    EXPECT_EQ(input.fontHeight, 35);
    EXPECT_EQ(input.hCenter, 1);
    EXPECT_EQ(input.color, 0xFF0000u);
    EXPECT_EQ(input.contents, "Title\\nline");
    EXPECT_EQ(input.kind, 1);
    EXPECT_EQ(input.area, 2);

    // An "=" in a later text does not move where the numbers are read.
    const LayoutTextEntry equals =
        ParseLayoutInputEntry("\"k\", 1, 2, 3, 4, \"f\", 5, 6, 0, 1, 7, \"a=9, 9\", 4, 2");
    EXPECT_EQ(equals.rect, CRect(1, 2, 3, 4));
    EXPECT_EQ(equals.fontHeight, 5);
    EXPECT_EQ(equals.hCenter, 1);
    EXPECT_EQ(equals.color, 7u);
    EXPECT_EQ(equals.contents, "a=9, 9");
    EXPECT_EQ(equals.kind, 4);
    EXPECT_EQ(equals.area, 2);

    const LayoutLineEntry line = ParseLayoutLineEntry(" 1, 2, 3, 4, 5, 6, 4294967295, 1");
    EXPECT_EQ(line.rect, CRect(1, 2, 3, 4));
    EXPECT_EQ(line.style, 5);
    EXPECT_EQ(line.width, 6);
    EXPECT_EQ(line.color, 0xFFFFFFFFu); // an unsigned long
    EXPECT_EQ(line.area, 1);
}

TEST(LayoutEntries, TheAreaNumberIsOptional) {
    EXPECT_EQ(ParseLayoutTextEntry("\"t\", 1, 2, 3, 4, \"f\", 5, 6, 0, 0, 7").area, 0);
    EXPECT_EQ(ParseLayoutTextEntry("\"t\", 1, 2, 3, 4, \"f\", 5, 6, 0, 0, 7").color, 7u);
    EXPECT_EQ(ParseLayoutInputEntry("\"n\", 1, 2, 3, 4, \"f\", 5, 6, 0, 0, 7, \"c\", 4").kind, 4);
    EXPECT_EQ(ParseLayoutInputEntry("\"n\", 1, 2, 3, 4, \"f\", 5, 6, 0, 0, 7, \"c\", 4").area, 0);
    const LayoutLineEntry line = ParseLayoutLineEntry(" 1, 2, 3, 4, 5, 6, 7 ; note, 3");
    EXPECT_EQ(line.color, 7u);
    EXPECT_EQ(line.area, 0); // ";" ends the list
}

TEST(LayoutEntries, AnOverlongTextIsCutAndTheFieldsAfterItStillRead) {
    // 600 characters with a comma inside; the text is cut to 511 bytes, and the parser goes on
    // after the closing quote, not at the comma inside the text.
    std::string longText(300, 'a');
    longText += ",";
    longText += std::string(299, 'b');
    const LayoutTextEntry text =
        ParseLayoutTextEntry("\"" + longText + "\", 10, 20, 30, 40, \"Face\", 8, 4, 1, 1, 9, 1");
    EXPECT_EQ(text.contents, longText.substr(0, 511));
    EXPECT_EQ(text.rect, CRect(10, 20, 30, 40));
    EXPECT_EQ(text.faceName, "Face");
    EXPECT_EQ(text.color, 9u);
    EXPECT_EQ(text.area, 1);

    // A cut never splits a double-byte character: 255 two-byte characters and one more.
    std::string wide;
    for (int i = 0; i < 256; ++i) {
        wide += J("表");
    }
    const LayoutTextEntry cut =
        ParseLayoutTextEntry("\"" + wide + "\", 1, 2, 3, 4, \"" + wide + "\", 5, 6, 0, 0, 7");
    EXPECT_EQ(cut.contents.size(), 510u);
    EXPECT_EQ(cut.faceName.size(), 126u);
    EXPECT_EQ(cut.rect, CRect(1, 2, 3, 4));
    EXPECT_EQ(cut.fontHeight, 5);
}

TEST(LayoutEntries, FormatsEveryLineKind) {
    LayoutTextEntry text;
    text.contents = "A\\nB";
    text.rect = CRect(100, 200, 900, 300);
    text.faceName = J("ＭＳ 明朝");
    text.fontHeight = 40;
    text.fontWidth = 20;
    text.vCenter = 1;
    text.color = 0xFF0000;
    text.area = 1;
    EXPECT_EQ(
        FormatLayoutTextEntry(3, text),
        J("MojiData3=\"A\\nB\", 100, 200, 900, 300, \"ＭＳ 明朝\", 40, 20, 1, 0, 16711680, 1"));

    LayoutTextEntry input = text;
    input.name = "010001";
    input.contents = J("工事");
    input.kind = 1;
    EXPECT_EQ(FormatLayoutInputEntry(1, input),
              J("InputArea1=\"010001\", 100, 200, 900, 300, \"ＭＳ 明朝\", 40, 20, 1, 0, "
                "16711680, \"工事\", 1, 1"));

    LayoutLineEntry line;
    line.rect = CRect(0, 500, 2000, 500);
    line.style = 1;
    line.width = 3;
    line.color = 0xFFFFFFFF;
    EXPECT_EQ(FormatLayoutLineEntry(12, line),
              "LineData12= 0, 500, 2000, 500, 1, 3, 4294967295, 0");

    EXPECT_EQ(FormatLayoutRect("HeaderArea", CRect(1, -2, 3, 4)), "HeaderArea= 1, -2, 3, 4");
    EXPECT_EQ(FormatLayoutNumber("Vpartition", 50), "Vpartition= 50");
    EXPECT_EQ(FormatLayoutInfoInt("MasterFlag", -1), "MasterFlag=-1");
    EXPECT_EQ(FormatLayoutEntry("LayoutName", " x "), "LayoutName= x ");

    // What is written reads back as the same entry.
    EXPECT_EQ(ParseLayoutTextEntry(FormatLayoutTextEntry(3, text).substr(10)), [&] {
        LayoutTextEntry e = text;
        e.kind = 0x100;
        return e;
    }());
    EXPECT_EQ(ParseLayoutInputEntry(FormatLayoutInputEntry(1, input).substr(11)), input);
    EXPECT_EQ(ParseLayoutLineEntry(FormatLayoutLineEntry(12, line).substr(11)), line);
}

TEST(LayoutEntries, TextsStayInsideTheirFieldAndLine) {
    // The format has no escape: a line end would end the entry's line, a double quote its field.
    // A line end is written as the format's line break (backslash and n); a double quote, which
    // no field can hold, as a single quote. Every other field keeps its place.
    struct Case {
        std::string text;
        std::string written; // the text as it reads back
    };
    const std::vector<Case> cases = {
        {"A\r\nB", "A\\nB"},
        {"C\r\n\r\nD\r\n", "C\\n\\nD\\n"}, // an empty line would end the section
        {"\r\n[_B4_]", "\\n[_B4_]"},       // so would a line starting with "["
        {"x\ny", "x\\ny"},
        {"cr\ronly", "cr\ronly"}, // a lone CR does not end a line
        {"say \"hi\", ok", "say 'hi', ok"},
        {J("表\r\n示"), J("表") + "\\n" + J("示")}, // trail byte 0x5C before the break
        {"A\\nB", "A\\nB"},
        // Damaged texts: a lead byte takes the byte after it as its trail byte, a double quote
        // included, so such a pair is no quote; a lead byte at the end of the text would take
        // the closing quote and is dropped.
        {"\x96\"x", "\x96\"x"},
        {"end\x96", "end"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Sjis::ToUtf8(c.text));
        LayoutTextEntry text;
        text.contents = c.text;
        text.rect = CRect(1, 2, 3, 4);
        text.faceName = J("ＭＳ 明朝");
        text.fontHeight = 40;
        text.fontWidth = 20;
        text.color = 255;
        text.area = 2;
        const std::string moji = FormatLayoutTextEntry(1, text);
        EXPECT_EQ(moji.find('\n'), std::string::npos);
        LayoutTextEntry expected = text;
        expected.contents = c.written;
        expected.kind = 0x100;
        EXPECT_EQ(ParseLayoutTextEntry(moji.substr(moji.find('=') + 1)), expected);

        LayoutTextEntry input = text;
        input.name = c.text;
        input.kind = 3;
        const std::string area = FormatLayoutInputEntry(1, input);
        EXPECT_EQ(area.find('\n'), std::string::npos);
        expected = input;
        expected.name = c.written;
        expected.contents = c.written;
        EXPECT_EQ(ParseLayoutInputEntry(area.substr(area.find('=') + 1)), expected);
    }
}

// ---- The elements of one paper --------------------------------------------------------------

TEST(LayoutPaperElementsTest, ReadsTheFamiliesInOrderWithOneCursor) {
    TempDir dir;
    const auto file = dir.Write(
        "e.LYT",
        FileText({
            "[_A3_]", // the paper before the file information, and an unknown section between
            "OffsetLTop= 0, 0, 100, 50",
            "MojiData1=\"first\", 1, 2, 3, 4, \"f\", 10, 5, 0, 0, 0",
            "MojiData2=\"second\", 1, 2, 3, 4, \"f\", 10, 5, 0, 0, 0, 1",
            "InputArea1=\"010001\", 1, 2, 3, 4, \"f\", 10, 5, 0, 0, 0, \"title\", 1, 0",
            "InputArea3=\"never\", 1, 2, 3, 4, \"f\", 10, 5, 0, 0, 0, \"x\", 0, 0",
            "LineData1= 0, 10, 100, 10, 0, 1, 0, 0",
            "",
            "[その他]",
            "LayoutName=wrong",
            "",
            "[ファイル情報]",
            "Vertion=10000",
            "LayoutDiscernmentFlag=1",
            "LayoutName=安全衛生",
            "hWnd_Tembra=0",
        }));
    LayoutPaperElements e;
    ASSERT_TRUE(ReadLayoutPaperElements(file, 2, e));
    // "LayoutName" is searched first; "LayoutDiscernmentFlag" before it is not found after it.
    EXPECT_EQ(e.layoutName, J("安全衛生"));
    EXPECT_EQ(e.discernmentFlag, 0);
    EXPECT_TRUE(e.hasPaperSection);
    EXPECT_EQ(e.offset, CPoint(100, -50));
    ASSERT_EQ(e.texts.size(), 2u);
    EXPECT_EQ(e.texts[1].contents, "second");
    EXPECT_EQ(e.texts[1].area, 1);
    ASSERT_EQ(e.inputs.size(), 1u); // number 3 without number 2 is never read
    EXPECT_EQ(e.inputs[0].contents, "title");
    ASSERT_EQ(e.lines.size(), 1u);

    LayoutPaperElements none;
    ASSERT_TRUE(ReadLayoutPaperElements(file, 0, none));
    EXPECT_FALSE(none.hasPaperSection);
    EXPECT_TRUE(none.texts.empty());
    EXPECT_EQ(none.layoutName, J("安全衛生"));
    EXPECT_FALSE(ReadLayoutPaperElements(dir.File("none.LYT"), 0, none));
}

} // namespace
} // namespace tembra
