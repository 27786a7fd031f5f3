#include "model/LayoutFile.h"

#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
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
        {"[_A4_]", "Hpartition", false, ""}, // a later repeat of a header is ignored
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

TEST(LayoutIndex, ASectionRunsToTheNextHeaderAndItsKeysStandAnywhere) {
    const LayoutLines file = Lines({
        "LayoutName=before any header",
        "[_A4_]",
        "MojiData2=\"two\"",
        "",
        "MojiData1=\"one\"", // an empty line does not end the section
        "HeaderArea= 1, 1, 1, 1",
        "HeaderArea= 9, 9, 9, 9", // the first line of a key counts
        "not an entry",
        "[_B4_]", // a header ends the section without an empty line
        "FooterArea= 2, 2, 2, 2",
        "[_A4_]",
        "FooterArea= 3, 3, 3, 3", // a repeated header's lines are ignored
        "[EOS]",
        "[_A3_]", // nothing after the end is read
        "HeaderArea= 4, 4, 4, 4",
    });
    const LayoutFileIndex index(file);
    const LayoutSection* a4 = index.Paper(0);
    ASSERT_NE(a4, nullptr);
    struct Case {
        const char* key;
        const char* value; // nullptr: absent
    };
    const std::vector<Case> cases = {
        {"MojiData1", "\"one\""}, {"MojiData2", "\"two\""}, {"HeaderArea", " 1, 1, 1, 1"},
        {"FooterArea", nullptr},  {"LayoutName", nullptr},  {"not an entry", nullptr},
        {"MojiData", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const std::string* value = a4->Find(c.key);
        if (c.value == nullptr) {
            EXPECT_EQ(value, nullptr);
        } else {
            ASSERT_NE(value, nullptr);
            EXPECT_EQ(*value, c.value);
        }
    }
    EXPECT_EQ(a4->Lines().size(), 5u);
    ASSERT_NE(index.Paper(1), nullptr);
    EXPECT_EQ(*index.Paper(1)->Find("FooterArea"), " 2, 2, 2, 2");
    EXPECT_EQ(index.Paper(2), nullptr);
    EXPECT_EQ(index.Info(), nullptr);
    EXPECT_EQ(index.Paper(6), nullptr);
}

TEST(LayoutValue, TheA3UprightSectionNeedsItsExactHeader) {
    const LayoutLines file =
        Lines({"[_A3縦_]", "HeaderArea= 1, 1, 1, 1", "", "[A3縦] ", "HeaderArea= 2, 2, 2, 2"});
    std::string value;
    EXPECT_FALSE(GetLayoutValue(file, LayoutPaperSectionHeader(3), "HeaderArea", value));
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
        {FileText({"[_A4_]", "MasterFlag=1"}), 0},
    };
    for (const Case& c : cases) {
        const auto file = dir.Write("flag.LYT", c.text);
        EXPECT_EQ(ReadLayoutMasterFlag(file), c.flag);
    }
    EXPECT_EQ(ReadLayoutMasterFlag(dir.File("none.LYT")), 0);
}

TEST(LayoutName, ReadsTheNameToTheLineEndOrNothing) {
    TempDir dir;
    const auto named =
        dir.Write("n.LYT", FileText({"[ファイル情報]", "MasterFlag=0", "LayoutName= 標準, 書式 "}));
    EXPECT_EQ(ReadLayoutName(named), J(" 標準, 書式 "));
    const auto unnamed = dir.Write("u.LYT", FileText({"[ファイル情報]", "MasterFlag=0"}));
    EXPECT_EQ(ReadLayoutName(unnamed), "");
    EXPECT_EQ(ReadLayoutName(dir.File("none.LYT")), "");
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
    EXPECT_EQ(input.contents, "Title\r\nline"); // contents hold CR LF
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
    // 1100 characters with a comma inside; the text is cut to 1024 bytes, and the parser goes on
    // after the closing quote, not at the comma inside the text.
    std::string longText(600, 'a');
    longText += ",";
    longText += std::string(499, 'b');
    const LayoutTextEntry text =
        ParseLayoutTextEntry("\"" + longText + "\", 10, 20, 30, 40, \"Face\", 8, 4, 1, 1, 9, 1");
    EXPECT_EQ(text.contents, longText.substr(0, 1024));
    EXPECT_EQ(text.rect, CRect(10, 20, 30, 40));
    EXPECT_EQ(text.faceName, "Face");
    EXPECT_EQ(text.color, 9u);
    EXPECT_EQ(text.area, 1);

    // A cut never splits a double-byte character, nor a line break taken from backslash and n.
    std::string wide;
    for (int i = 0; i < 512; ++i) {
        wide += J("表");
    }
    const LayoutTextEntry cut = ParseLayoutTextEntry("\"x" + wide + "\", 1, 2, 3, 4, \"" +
                                                     wide.substr(0, 128) + "\", 5, 6, 0, 0, 7");
    EXPECT_EQ(cut.contents.size(), 1023u);
    EXPECT_EQ(cut.faceName.size(), 126u);
    EXPECT_EQ(cut.rect, CRect(1, 2, 3, 4));
    EXPECT_EQ(cut.fontHeight, 5);
    const LayoutTextEntry breakCut =
        ParseLayoutTextEntry("\"" + std::string(1023, 'c') + "\\nd\", 1, 2, 3, 4");
    EXPECT_EQ(breakCut.contents, std::string(1023, 'c'));
    EXPECT_EQ(breakCut.rect, CRect(1, 2, 3, 4));
}

TEST(LayoutEntries, BackslashAndNBecomeALineBreakOnlyAtCharacterStartsOfTexts) {
    struct Case {
        std::string field;
        std::string text; // as a text or contents holds it
        std::string name; // as a name or face holds it
    };
    const std::vector<Case> cases = {
        {"A\\nB", "A\r\nB", "A\\nB"},
        {"\\n\\n", "\r\n\r\n", "\\n\\n"},
        {J("表") + "n", J("表") + "n", J("表") + "n"}, // 0x95 0x5C "n": no break
        {J("表") + "\\n", J("表") + "\r\n", J("表") + "\\n"},
        {"a\\", "a\\", "a\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Sjis::ToUtf8(c.field));
        const LayoutTextEntry text = ParseLayoutTextEntry("\"" + c.field + "\", 1, 2, 3, 4, \"" +
                                                          c.field + "\", 5, 6, 0, 0, 7");
        EXPECT_EQ(text.contents, c.text);
        EXPECT_EQ(text.faceName, c.name);
        const LayoutTextEntry input = ParseLayoutInputEntry(
            "\"" + c.field + "\", 1, 2, 3, 4, \"f\", 5, 6, 0, 0, 7, \"" + c.field + "\", 3");
        EXPECT_EQ(input.name, c.name);
        EXPECT_EQ(input.contents, c.text);
        EXPECT_EQ(input.kind, 3);
    }
}

TEST(LayoutEntries, FormatsEveryLineKind) {
    LayoutTextEntry text;
    text.contents = "A\r\nB";
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
    // A line end is written as the format's line break (backslash and n), which a text reads
    // back as CR LF and a name keeps as it is; a double quote as the full-width "＂". Every other
    // field keeps its place.
    struct Case {
        std::string text;
        std::string contentsBack;
        std::string nameBack;
    };
    const std::vector<Case> cases = {
        {"A\r\nB", "A\r\nB", "A\\nB"},
        {"C\r\n\r\nD\r\n", "C\r\n\r\nD\r\n", "C\\n\\nD\\n"}, // an empty line
        {"\r\n[_B4_]", "\r\n[_B4_]", "\\n[_B4_]"}, // a line starting with "[" would end the section
        {"x\ny", "x\r\ny", "x\\ny"},
        {"cr\ronly", "cr\ronly", "cr\ronly"}, // a lone CR does not end a line
        {"say \"hi\", ok", J("say ＂hi＂, ok"), J("say ＂hi＂, ok")},
        {J("表\r\n示"), J("表\r\n示"), J("表") + "\\n" + J("示")}, // trail byte 0x5C first
        {"A\\nB", "A\r\nB", "A\\nB"},
        // A lead byte without its trail byte would take the closing quote with it.
        {"ab" + J("表").substr(0, 1), "ab", "ab"},
        // Damaged texts: a lead byte takes the byte after it as its trail byte, a double quote
        // included, so such a pair is no quote; one before a line end would take the line feed
        // and split the entry's line, and is dropped.
        {"\x96\"x", "\x96\"x", "\x96\"x"},
        {"a\x96\r\nb", "a\r\nb", "a\\nb"},
        {"a\x96\nb", "a\r\nb", "a\\nb"},
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
        expected.contents = c.contentsBack;
        expected.kind = 0x100;
        EXPECT_EQ(ParseLayoutTextEntry(moji.substr(moji.find('=') + 1)), expected);

        LayoutTextEntry input = text;
        input.name = c.text;
        input.kind = 3;
        const std::string area = FormatLayoutInputEntry(1, input);
        EXPECT_EQ(area.find('\n'), std::string::npos);
        expected = input;
        expected.name = c.nameBack;
        expected.contents = c.contentsBack;
        EXPECT_EQ(ParseLayoutInputEntry(area.substr(area.find('=') + 1)), expected);
    }
    // A value taken over verbatim, or a layout name, ends at its line end.
    EXPECT_EQ(FormatLayoutEntry("LayoutName", "a\r\n[_A4_]"), "LayoutName=a");
}

// ---- Whole files ----------------------------------------------------------------------------

TEST(LayoutWholeFile, WritesEverySectionInOrderAndReadsItBack) {
    LayoutFileContents contents;
    contents.info.version = 30000;
    contents.info.masterFlag = -2;
    contents.info.currentPaper = 3;
    contents.info.layoutName = J("書式");
    contents.info.windowHandle = 77;
    contents.info.discernmentFlag = 1;
    LayoutPaperSection a3;
    for (int i = 0; i < kLayoutRectCount; ++i) {
        a3.rects[static_cast<std::size_t>(i)] = CRect(i, i + 1, i + 2, i + 3);
    }
    for (int i = 0; i < kLayoutPartitionCount; ++i) {
        a3.partitions[static_cast<std::size_t>(i)] = LayoutPartitionDefault(i);
    }
    a3.texts.push_back(ParseLayoutTextEntry("\"T\", 1, 2, 3, 4, \"F\", 8, 4, 0, 1, 5, 1"));
    a3.inputs.push_back(
        ParseLayoutInputEntry("\"N\", 1, 2, 3, 4, \"F\", 8, 4, 0, 1, 5, \"C\\nD\", 4, 2"));
    a3.lines.push_back(ParseLayoutLineEntry(" 1, 2, 3, 4, 0, 3, 0, 3"));
    contents.papers[3] = a3;
    contents.papers[0] = LayoutPaperSection();

    std::ostringstream out;
    ASSERT_TRUE(WriteLayoutFileContents(out, contents));
    const LayoutLines lines = SplitLayoutLines(out.str());
    const LayoutLines head =
        Lines({"[ファイル情報]", "Vertion=30000", "MasterFlag=-2", "CurrentPaper=3",
               "LayoutName=書式", "hWnd_Tembra=77", "LayoutDiscernmentFlag=1", "", "[_A4_]"});
    ASSERT_GT(lines.size(), head.size());
    EXPECT_EQ(LayoutLines(lines.begin(), lines.begin() + static_cast<long>(head.size())), head);
    EXPECT_EQ(lines[head.size() + 20], "");
    EXPECT_EQ(lines[head.size() + 21], J("[A3縦]"));
    EXPECT_EQ(lines[head.size() + 22], "PaperArea= 0, 1, 2, 3");
    EXPECT_EQ(lines[head.size() + 34], "Vpartition= 50");
    EXPECT_EQ(lines[head.size() + 43],
              "InputArea1=\"N\", 1, 2, 3, 4, \"F\", 8, 4, 0, 1, 5, \"C\\nD\", 4, 2");
    EXPECT_EQ(LayoutLines(lines.end() - 2, lines.end()), (LayoutLines{"", "[EOS]"}));
    EXPECT_EQ(out.str().substr(out.str().size() - 7), "[EOS]\r\n");
    EXPECT_EQ(ParseLayoutFile(LayoutFileIndex(lines)), contents);

    // Without a handle the key is not written.
    contents.info.windowHandle.reset();
    std::ostringstream noHandle;
    ASSERT_TRUE(WriteLayoutFileContents(noHandle, contents));
    EXPECT_EQ(noHandle.str().find("hWnd_Tembra"), std::string::npos);
    EXPECT_EQ(ParseLayoutFile(LayoutFileIndex(SplitLayoutLines(noHandle.str()))), contents);

    std::ostringstream failing;
    failing.setstate(std::ios::badbit);
    EXPECT_FALSE(WriteLayoutFileContents(failing, contents));
}

// ---- The elements of one paper --------------------------------------------------------------

TEST(LayoutPaperElementsTest, ReadsTheFamiliesWhereverTheirLinesStand) {
    TempDir dir;
    const auto file = dir.Write(
        "e.LYT",
        FileText({
            "[_A3_]", // the paper before the file information, and an unknown section between
            "LineData1= 0, 10, 100, 10, 0, 1, 0, 0",
            "MojiData2=\"second\", 1, 2, 3, 4, \"f\", 10, 5, 0, 0, 0, 1",
            "InputArea1=\"010001\", 1, 2, 3, 4, \"f\", 10, 5, 0, 0, 0, \"title\", 1, 0",
            "InputArea3=\"never\", 1, 2, 3, 4, \"f\", 10, 5, 0, 0, 0, \"x\", 0, 0",
            "",
            "MojiData1=\"first\", 1, 2, 3, 4, \"f\", 10, 5, 0, 0, 0",
            "OffsetLTop= 0, 0, 100, 50",
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
    EXPECT_EQ(e.layoutName, J("安全衛生"));
    EXPECT_EQ(e.discernmentFlag, 1);
    EXPECT_TRUE(e.hasPaperSection);
    EXPECT_EQ(e.offset, CPoint(100, -50));
    ASSERT_EQ(e.texts.size(), 2u);
    EXPECT_EQ(e.texts[0].contents, "first");
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
