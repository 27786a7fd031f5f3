#include "model/Utility.h"

#include "platform/Archive.h"
#include "platform/FontCatalog.h"
#include "platform/Sjis.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <map>

namespace tembra {
namespace {

// CP932 characters whose trail byte equals an ASCII character that the utilities look for.
const std::string kHyou = "\x95\x5c"; // 表: trail '\\'
const std::string kNo = "\x83\x6d";   // ノ: trail 'm'
const std::string kDu = "\x83\x64";   // ヅ: trail 'd'
const std::string kPe = "\x83\x79";   // ペ: trail 'y'
const std::string kDo = "\x83\x68";   // ド: trail 'h'
const std::string kGi = "\x83\x4d";   // ギ: trail 'M'
const std::string kHa = "\x83\x6e";   // ハ: trail 'n'
const std::string kA = "\x82\xa0";    // あ

// ---- Coordinates and rectangles -------------------------------------------------------------

TEST(UtilityTest, ClampCoordKeepsDrawingRange) {
    struct Case {
        std::int64_t in;
        int out;
    };
    const std::vector<Case> cases = {
        {40000, 30000},
        {-40000, -30000},
        {30000, 30000},
        {-30000, -30000},
        {30001, 30000},
        {0, 0},
        {-123, -123},
        {std::numeric_limits<std::int64_t>::max(), 30000},
        {std::numeric_limits<std::int64_t>::min(), -30000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClampCoord(c.in), c.out) << c.in;
    }
}

TEST(UtilityTest, NormalizeRectsInBothDirections) {
    struct Case {
        CRect in;
        CRect log; // y upwards: top >= bottom
        CRect dev; // y downwards: top <= bottom
    };
    const std::vector<Case> cases = {
        {{0, 10, 20, 0}, {0, 10, 20, 0}, {0, 0, 20, 10}},
        {{20, 0, 0, 10}, {0, 10, 20, 0}, {0, 0, 20, 10}},
        {{-5, -7, -9, -3}, {-9, -3, -5, -7}, {-9, -7, -5, -3}},
        {{3, 3, 3, 3}, {3, 3, 3, 3}, {3, 3, 3, 3}},
    };
    for (const Case& c : cases) {
        CRect log = c.in;
        NormalizeLogRect(log);
        EXPECT_EQ(log, c.log);
        CRect dev = c.in;
        NormalizeRect(dev);
        EXPECT_EQ(dev, c.dev);
    }
}

TEST(UtilityTest, PtInLogRectOwnsLeftAndTopEdges) {
    const CRect r(0, 100, 200, 0); // y upwards
    struct Case {
        CPoint p;
        BOOL in;
    };
    const std::vector<Case> cases = {
        {{50, 50}, TRUE},  {{0, 50}, TRUE},    // left edge
        {{50, 100}, TRUE}, {{200, 50}, FALSE}, // top edge, right edge
        {{50, 0}, FALSE},  {{0, 100}, TRUE},   // bottom edge, top-left corner
        {{-1, 50}, FALSE}, {{50, 101}, FALSE},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PtInLogRect(c.p, r), c.in) << c.p.x << "," << c.p.y;
        EXPECT_EQ(PtInLogRect(c.p.x, c.p.y, r.left, r.top, r.right, r.bottom), c.in);
    }
}

TEST(UtilityTest, UnionLogRectIgnoresEmptyRectangles) {
    struct Case {
        CRect a;
        CRect b;
        CRect out;
    };
    const std::vector<Case> cases = {
        // both in y-up form
        {{0, 10, 10, 0}, {5, 20, 30, 5}, {0, 20, 30, 0}},
        // mixed orientation
        {{10, 0, 0, 10}, {5, 5, 30, 20}, {0, 20, 30, 0}},
        // an empty one (no height) is ignored, whichever side it is on
        {{0, 10, 10, 0}, {100, 50, 200, 50}, {0, 10, 10, 0}},
        {{100, 50, 100, 70}, {0, 10, 10, 0}, {0, 10, 10, 0}},
        // both empty: the first, returned with top >= bottom
        {{1, 2, 1, 8}, {3, 3, 3, 3}, {1, 8, 1, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UnionLogRect(c.a, c.b), c.out);
    }
}

TEST(UtilityTest, BytesOfWord) {
    EXPECT_EQ(LowByteOf(0x1234), 0x34);
    EXPECT_EQ(HighByteOf(0x1234), 0x12);
    EXPECT_EQ(MakeWordOf(0x12, 0x34), 0x1234);
    EXPECT_EQ(MakeWordOf(HighByteOf(0xBEEF), LowByteOf(0xBEEF)), 0xBEEF);
    int a = 1;
    int b = 2;
    SwapInt(a, b);
    EXPECT_EQ(a * 10 + b, 21);
    CPoint p(1, 2);
    CPoint q(3, 4);
    SwapPoint(p, q);
    EXPECT_EQ(p, CPoint(3, 4));
    EXPECT_EQ(q, CPoint(1, 2));
}

// ---- Dates ----------------------------------------------------------------------------------

TEST(UtilityTest, SupportedDatesAreChartZoneMidnights) {
    // The tests run in a host zone other than the charts' (UTC+9); the values must not move.
    EXPECT_EQ(GetMinDate().GetTime(), 662655600);  // 1991-01-01 00:00 +09:00
    EXPECT_EQ(GetMaxDate().GetTime(), 2145798000); // 2037-12-31 00:00 +09:00
    EXPECT_EQ(GetMinDate().GetYear(), 1991);
    EXPECT_EQ(GetMaxDate().GetDay(), 31);
    EXPECT_EQ(GetMaxDate().GetHour(), 0);
}

TEST(UtilityTest, LeapYearsAndMonthLengths) {
    struct Case {
        int year;
        int month;
        BOOL leap;
        int days;
    };
    const std::vector<Case> cases = {
        {1900, 2, FALSE, 28},  {2000, 2, TRUE, 29},  {2004, 2, TRUE, 29},   {1991, 2, FALSE, 28},
        {2100, 2, FALSE, 28},  {1992, 4, TRUE, 30},  {1993, 6, FALSE, 30},  {1993, 9, FALSE, 30},
        {1993, 11, FALSE, 30}, {1993, 1, FALSE, 31}, {1993, 12, FALSE, 31}, {1993, 7, FALSE, 31},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
        EXPECT_EQ(GetDaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
    }
}

TEST(UtilityTest, ScaleSpanTruncatesAndRoundsToWholeDays) {
    const auto days = [](int d, int h = 0, int m = 0, int s = 0) { return CTimeSpan(d, h, m, s); };
    struct Case {
        CTimeSpan span;
        double factor;
        BOOL roundUp;
        CTimeSpan out;
    };
    const std::vector<Case> cases = {
        {days(10), 0.5, FALSE, days(5)},
        {days(3), 0.5, FALSE, days(1, 12)},
        {days(3), 0.5, TRUE, days(2)},        // 12 hours go up to the next day
        {days(1), 0.4, TRUE, days(0, 9, 36)}, // 9 hours stay
        {days(1, 11, 59, 59), 1.0, TRUE, days(1, 11, 59, 59)},
        {days(1, 12, 0, 1), 1.0, TRUE, days(2)},  // minutes and seconds dropped with the hours
        {CTimeSpan(7), 0.5, FALSE, CTimeSpan(3)}, // truncated toward zero
        {CTimeSpan(-7), 0.5, FALSE, CTimeSpan(-3)},
        {days(-3), 0.5, TRUE, days(-1, -12)}, // a negative hours part is never 12 or more
        {days(5), std::nan(""), TRUE, CTimeSpan(0)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScaleSpan(c.span, c.factor, c.roundUp).GetTimeSpan(), c.out.GetTimeSpan())
            << c.span.GetTimeSpan() << " x " << c.factor;
    }
    // A damaged factor gives some span, not undefined behaviour.
    EXPECT_GT(ScaleSpan(days(1), 1e300, FALSE).GetTimeSpan(), 0);
    EXPECT_LT(ScaleSpan(days(1), -1e300, FALSE).GetTimeSpan(), 0);
}

// ---- Strings --------------------------------------------------------------------------------

TEST(UtilityTest, BlanksAreRemovedAndTrimmed) {
    struct Case {
        std::string in;
        std::string removed;
        std::string trimmed;
    };
    const std::string wideBlank = "\x81\x40"; // the full-width blank is no ASCII blank
    const std::vector<Case> cases = {
        {" a b  c ", "abc", " a b  c"},
        {"", "", ""},
        {"   ", "", ""},
        {kHyou + " " + kA + "  ", kHyou + kA, kHyou + " " + kA},
        {"x" + wideBlank + " ", "x" + wideBlank, "x" + wideBlank},
        {"tab\t ", "tab\t", "tab\t"},
    };
    for (const Case& c : cases) {
        std::string removed = c.in;
        RemoveSpaces(removed);
        EXPECT_EQ(removed, c.removed);
        std::string trimmed = c.in;
        EXPECT_EQ(TrimTrailingSpaces(trimmed), static_cast<int>(c.trimmed.size()));
        EXPECT_EQ(trimmed, c.trimmed);
    }
}

TEST(UtilityTest, ReplaceAllWorksOnCharacterBoundaries) {
    struct Case {
        std::string text;
        std::string what;
        std::string with;
        BOOL replaced;
        std::string out;
    };
    const std::vector<Case> cases = {
        {"a-b-c", "-", "+", TRUE, "a+b+c"},
        {"aa aa", "aa", "aaa", TRUE, "aaa aaa"}, // replacements are not searched again
        {"xxx", "xx", "y", TRUE, "yx"},
        {"abc", "z", "y", FALSE, "abc"},
        {"abc", "", "y", FALSE, "abc"},
        {"abc", "abc", "", TRUE, ""},
        // '\\' and 'n' as trail bytes of 表 and ハ are not characters of their own
        {kHyou + "\\", "\\", "/", TRUE, kHyou + "/"},
        {kHa + "n", "n", "N", TRUE, kHa + "N"},
        {kHyou, "\\", "/", FALSE, kHyou},
        // a lead byte matched alone would split 表
        {kHyou + "x", "\x95", "?", FALSE, kHyou + "x"},
        {"$" + kA + "$" + kA + "$", "$" + kA + "$", "($x$)", TRUE, "($x$)" + kA + "$"},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(ReplaceAll(text, c.what, c.with), c.replaced) << c.text;
        EXPECT_EQ(text, c.out) << c.text;
    }
}

TEST(UtilityTest, NewlinesAreEscapedAndUnescaped) {
    struct Case {
        std::string text;
        std::string escaped;
    };
    const std::vector<Case> cases = {
        {"a\r\nb", "a\\nb"},
        {"a\r\n", "a"}, // a final CR LF is dropped
        {"a\r\n\r\n", "a"},
        {"a\\n", "a"},
        {"\r\n", ""},
        {"a\nb", "a\nb"}, // a bare LF is no line end of the edit boxes
        // 表 followed by 'n' is no escape: its trail byte only looks like a backslash
        {kHyou + "n", kHyou + "n"},
        {kHyou + "\\n", kHyou},
        {kHyou + "\r\n", kHyou},
        {"\\\r\n", "\\"}, // the backslash before the cut pair is a character of its own
        {"\\n\r\n", ""},
        {"a\r\nn", "a\\nn"},
        {"\r\n\x95", "\\n\x95"},  // a lead byte without its trail byte ends the text
        {"\x95\r\n", "\x95\r\n"}, // CR is the trail byte of the lead byte before it
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EscapeNewlines(text);
        EXPECT_EQ(text, c.escaped) << c.text;
    }

    struct Back {
        std::string text;
        std::string unescaped;
    };
    const std::vector<Back> backs = {
        {"a\\nb\\n", "a\r\nb\r\n"},
        {"\\\\n", "\\\r\n"},
        {kHyou + "n", kHyou + "n"},
        {"no escape", "no escape"},
    };
    for (const Back& b : backs) {
        std::string text = b.text;
        UnescapeNewlines(text);
        EXPECT_EQ(text, b.unescaped) << b.text;
    }
}

std::string Repeat(const std::string& unit, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += unit;
    }
    return out;
}

TEST(UtilityTest, NewlinesAreEscapedInLongTexts) {
    // 64 KB of line breaks and texts around them: every pair at the end is cut, the others stay.
    constexpr int kBreaks = 32768;
    struct Case {
        const char* what;
        std::string text;
        std::string escaped;
    };
    const Case cases[] = {
        {"only line breaks", Repeat("\r\n", kBreaks), ""},
        {"text around them", "x" + Repeat("\r\n", kBreaks) + "y",
         "x" + Repeat("\\n", kBreaks) + "y"},
        {"a line break after every letter", Repeat("a\r\n", kBreaks),
         Repeat("a\\n", kBreaks - 1) + "a"},
        {"after a double-byte character", kHyou + Repeat("\r\n", kBreaks), kHyou},
        {"after a backslash", "\\" + Repeat("\r\n", kBreaks), "\\"},
        {"escapes already written", Repeat("\\n", kBreaks) + "z" + Repeat("\\n", kBreaks),
         Repeat("\\n", kBreaks) + "z"},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EscapeNewlines(text);
        EXPECT_EQ(text, c.escaped) << c.what;
    }
}

TEST(UtilityTest, NormalizePathGivesUpperCaseFullPath) {
    std::string out;
    EXPECT_TRUE(NormalizePath(out, "/tmp/sub/../chart.akd"));
    EXPECT_EQ(out, "/TMP/CHART.AKD");

    const std::string relative = "some dir/./x.akd";
    EXPECT_TRUE(NormalizePath(out, relative));
    const std::string expected = Sjis::ToUpperAscii(
        (std::filesystem::current_path() / "some dir" / "x.akd").lexically_normal().string());
    EXPECT_EQ(out, expected);

    // Only ASCII letters are folded: the trail byte 'm' of ノ stays.
    EXPECT_TRUE(NormalizePath(out, "/data/" + kNo + "a.akd"));
    EXPECT_EQ(out, "/DATA/" + kNo + "A.AKD");

    out = "unchanged";
    EXPECT_FALSE(NormalizePath(out, ""));
    EXPECT_EQ(out, "");
}

TEST(UtilityTest, FormatDateTokensBecomeTimeCodes) {
    struct Case {
        std::string format;
        std::string codes;
    };
    const std::vector<Case> cases = {
        {"yyyy/mm/dd", "%Y/%m/%d"},
        {"m/d", "%#m/%#d"},
        {"yy.m.d", "%y.%#m.%#d"},
        {"hh:MM", "%H:%M"},
        {"h:M", "%#H:%#M"},
        {"yyyy yy", "%Y yy"}, // the long form wins; the short one stays text
        {"mm m", "%m m"},
        {"100%", "100%%"}, // the user's '%' stays a '%'
        {"", ""},
        // double-byte characters whose trail bytes are token letters stay whole
        {kPe + kNo + kDu + kDo + kGi, kPe + kNo + kDu + kDo + kGi},
        {kNo + "d", kNo + "%#d"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatDateTokens(c.format), c.codes) << c.format;
    }
}

TEST(UtilityTest, FormattedDatesShowTheUsersText) {
    const CTime t(2005, 3, 7, 9, 5, 0);
    struct Case {
        std::string format;
        std::string shown;
    };
    const std::string nen = "\x94\x4e";   // 年
    const std::string gatsu = "\x8c\x8e"; // 月
    const std::string nichi = "\x93\xfa"; // 日
    const std::vector<Case> cases = {
        {"yyyy/m/d h:MM", "2005/3/7 9:05"},
        {"yy" + nen + "mm" + gatsu + "dd" + nichi, "05" + nen + "03" + gatsu + "07" + nichi},
        {"100% d", "100% 7"},
        {"%d", "%7"},
        {kDu + "d" + kNo + "m", kDu + "7" + kNo + "3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(t.Format(FormatDateTokens(c.format)), c.shown) << c.format;
    }
}

TEST(UtilityTest, CharacterClassesOfBytes) {
    struct Case {
        unsigned char byte;
        int cls;
    };
    const std::vector<Case> cases = {
        {'A', kCharSingle},  {'~', kCharSingle},  {'!', kCharSingle},  {0xA1, kCharSingle},
        {0xDF, kCharSingle}, // half-width katakana are single-byte graphic characters
        {' ', kCharBlank},   {'\t', kCharBlank},  {'\r', kCharBlank},  {0x81, kCharDouble},
        {0x9F, kCharDouble}, {0xE0, kCharDouble}, {0xFC, kCharDouble}, {0x00, kCharOther},
        {0x7F, kCharOther},  {0x80, kCharOther},  {0xA0, kCharOther},  {0xFD, kCharOther},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetCharClass(c.byte), c.cls) << static_cast<int>(c.byte);
    }
}

TEST(UtilityTest, TextIsCutIntoCharacterRuns) {
    struct Run {
        std::string bytes;
        int cls;
        std::size_t lastIndex;
    };
    struct Case {
        std::string text;
        std::vector<Run> runs;
    };
    const std::vector<Case> cases = {
        {"AB " + kHyou + kNo + "x",
         {{"AB", kCharSingle, 1},
          {" ", kCharBlank, 2},
          {kHyou + kNo, kCharDouble, 6},
          {"x", kCharSingle, 7}}},
        // the trail byte '\\' of 表 does not end the double-byte run
        {kHyou + "\\", {{kHyou, kCharDouble, 1}, {"\\", kCharSingle, 2}}},
        // a lead byte cut off at the end is a run of its own
        {"a\x95", {{"a", kCharSingle, 0}, {"\x95", kCharDouble, 1}}},
    };
    for (const Case& c : cases) {
        std::size_t index = 0;
        for (const Run& expected : c.runs) {
            int cls = -1;
            EXPECT_EQ(NextCharRun(c.text, index, cls), expected.bytes);
            EXPECT_EQ(cls, expected.cls);
            EXPECT_EQ(index, expected.lastIndex);
            ++index;
        }
        EXPECT_EQ(index, c.text.size());
    }

    // Class 0 gives an empty run and leaves the index; so does the end of the text.
    const std::string text = std::string("a\x7f") + "b";
    std::size_t index = 1;
    int cls = -1;
    EXPECT_EQ(NextCharRun(text, index, cls), "");
    EXPECT_EQ(cls, kCharOther);
    EXPECT_EQ(index, 1u);
    index = 3;
    EXPECT_EQ(NextCharRun(text, index, cls), "");
    EXPECT_EQ(cls, kCharOther);
    EXPECT_EQ(index, 3u);
}

// ---- Setting lines --------------------------------------------------------------------------

// The parsers view the caller's line; the tables keep their lines as strings.
ParsePos AsPos(const std::optional<std::string>& line) {
    return line ? ParsePos(*line) : std::nullopt;
}

TEST(UtilityTest, ParseIntListReadsCommaSeparatedValues) {
    constexpr int kUnset = -99;
    struct Case {
        ParsePos line;
        std::size_t n;
        std::vector<int> values; // what the array holds afterwards
        ParsePos rest;
    };
    const std::vector<Case> cases = {
        {"Key = 1 , 2 , 3 ; remark", 5, {1, 2, 3, kUnset, kUnset}, std::nullopt},
        {"Key=1,2,3,", 3, {1, 2, 3}, ""},
        {"Key=1,2,3,4", 2, {1, 2}, "3,4"},
        {"1,\t2", 2, {1, 2}, std::nullopt}, // no "=": from the start
        {"Key=-5,+7,x,", 3, {-5, 7, 0}, ""},
        {"Key=1 2, 3", 2, {1, 3}, std::nullopt}, // atoi reads the leading number
        {"Key=1;2,3", 2, {1, kUnset}, std::nullopt},
        {"Key=1\n,2", 2, {1, kUnset}, std::nullopt},
        {"Key=,5,", 2, {0, 5}, ""},
        {"Key=99999999999,-99999999999,",
         2,
         {std::numeric_limits<int>::max(), std::numeric_limits<int>::min()},
         ""},
        // failures write nothing
        {"Key=", 2, {kUnset, kUnset}, std::nullopt},
        {"Key=  ; 1,2", 2, {kUnset, kUnset}, std::nullopt},
        {"", 2, {kUnset, kUnset}, std::nullopt},
        {std::nullopt, 2, {kUnset, kUnset}, std::nullopt},
    };
    for (const Case& c : cases) {
        std::vector<int> values(c.n, kUnset);
        const ParsePos rest = ParseIntList(c.line, values);
        const std::string shown(c.line.value_or("(none)"));
        EXPECT_EQ(values, c.values) << shown;
        EXPECT_EQ(rest, c.rest) << shown;
    }
}

TEST(UtilityTest, ParseLongAndDoubleLists) {
    std::vector<LONG> longs(3, -1);
    EXPECT_EQ(ParseLongList("Color=16777215, 255,9999999999,", longs), ParsePos(""));
    EXPECT_EQ(longs, (std::vector<LONG>{16777215, 255, std::numeric_limits<LONG>::max()}));

    struct Case {
        std::string line;
        double value;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<Case> cases = {
        {"Scale=1.5,", 1.5},   {"Scale= -2.25e1,", -22.5}, {"Scale=.5,", 0.5},
        {"Scale=+3,", 3.0},    {"Scale=abc,", 0.0},        {"Scale=--1,", 0.0},
        {"Scale=1e999,", inf}, {"Scale=-1e999,", -inf},    {"Scale=1e-999,", 0.0},
        {"Scale=7x,", 7.0},
    };
    for (const Case& c : cases) {
        std::vector<double> values(1, -1.0);
        EXPECT_EQ(ParseDoubleList(c.line, values), ParsePos("")) << c.line;
        EXPECT_EQ(values[0], c.value) << c.line;
    }
}

TEST(UtilityTest, ParseQuotedStringAndToken) {
    const std::string hyouji = kHyou + "\x8e\xa6"; // 表示
    struct Case {
        std::optional<std::string> line;
        std::size_t max;
        std::string out; // "(kept)" when nothing may be written
        ParsePos rest;
    };
    const std::vector<Case> cases = {
        {"\"abc\",1", 10, "abc", "1"},
        {"Key = \"abc\" , 1", 10, "abc", " 1"},
        {"\"abcdef\",1", 2, "ab", "1"},
        {"\"a,b,c\",7", 1, "a", "7"},          // a comma inside a long text is no separator
        {"\"" + hyouji + "\",", 3, kHyou, ""}, // cut on a character boundary
        {"\"\",5", 10, "", "5"},
        {"\"abc", 10, "abc", std::nullopt},       // no closing quote: to the end
        {"\"abc\n\",1", 10, "abc", std::nullopt}, // ... of the line
        {"\"abc\"", 10, "abc", std::nullopt},     // no comma after it
        {"\"abc\";,1", 10, "abc", std::nullopt},
        {"abc,1", 10, "(kept)", std::nullopt},
        {std::nullopt, 10, "(kept)", std::nullopt},
    };
    for (const Case& c : cases) {
        std::string out = "(kept)";
        const ParsePos rest = ParseQuotedString(AsPos(c.line), out, c.max);
        const std::string shown(c.line.value_or("(none)"));
        EXPECT_EQ(out, c.out) << shown;
        EXPECT_EQ(rest, c.rest) << shown;
    }

    struct Token {
        std::optional<std::string> text;
        std::size_t size;
        char separator;
        std::string out;
        ParsePos rest;
    };
    const std::vector<Token> tokens = {
        {"abc|def", 10, '|', "abc", "def"},
        {"abc|def", 3, '|', "ab", "def"},
        {"abc", 10, '|', "abc", std::nullopt},
        {"|x", 10, '|', "", "x"},
        {"abc|", 0, '|', "", ""},
        // the separator '\\' is not found inside 表
        {kHyou + "a\\b", 10, '\\', kHyou + "a", "b"},
        {kHyou + "a\\b", 2, '\\', "", "b"},
    };
    for (const Token& t : tokens) {
        std::string out = "(kept)";
        EXPECT_EQ(ParseToken(AsPos(t.text), out, t.size, t.separator), t.rest);
        EXPECT_EQ(out, t.out);
    }
}

TEST(UtilityTest, ParsersChainOverOneLine) {
    // The form of a text element of a layout file: text, rectangle, face, font sizes, colour
    // and an optional area number.
    const std::string face = kDefaultFaceName;
    const std::string line = "MojiData1=\"A=B, C\",10,20,30,40,\"" + face + "\",32,16,0,1,255,2";
    std::string text;
    std::string faceOut;
    int rect[4] = {};
    int sizes[4] = {};
    LONG color[1] = {};
    int area[1] = {};
    ParsePos rest = ParseQuotedString(line, text, 511);
    rest = ParseIntList(rest, rect);
    rest = ParseQuotedString(rest, faceOut, 127);
    rest = ParseIntList(rest, sizes);
    rest = ParseLongList(rest, color);
    ASSERT_TRUE(rest.has_value());
    EXPECT_FALSE(ParseIntList(rest, area).has_value()); // the last value has no comma after it
    EXPECT_EQ(text, "A=B, C");
    EXPECT_EQ(std::vector<int>(rect, rect + 4), (std::vector<int>{10, 20, 30, 40}));
    EXPECT_EQ(faceOut, face);
    EXPECT_EQ(std::vector<int>(sizes, sizes + 4), (std::vector<int>{32, 16, 0, 1}));
    EXPECT_EQ(color[0], 255);
    EXPECT_EQ(area[0], 2);
}

// ---- Fonts ----------------------------------------------------------------------------------

class FakeFontCatalog : public IFontCatalog {
public:
    std::map<std::string, LOGFONT> faces;

    bool FindFace(std::string_view face, LOGFONT& out) const override {
        const auto it = faces.find(std::string(face));
        if (it == faces.end()) {
            return false;
        }
        out = it->second;
        return true;
    }
    std::vector<std::string> FaceNames() const override { return {}; }
};

class ScopedFontCatalog {
public:
    explicit ScopedFontCatalog(const IFontCatalog& catalog)
        : m_previous(SetFontCatalog(&catalog)) {}
    ~ScopedFontCatalog() { SetFontCatalog(m_previous); }
    ScopedFontCatalog(const ScopedFontCatalog&) = delete;
    ScopedFontCatalog& operator=(const ScopedFontCatalog&) = delete;

private:
    const IFontCatalog* m_previous;
};

TEST(UtilityTest, EnumFontFacesBuildsTheProgramsFont) {
    FakeFontCatalog catalog;
    LOGFONT installed{};
    installed.lfHeight = 99;
    installed.lfWidth = 77;
    installed.lfWeight = FW_BOLD;
    installed.lfCharSet = SHIFTJIS_CHARSET;
    installed.lfOutPrecision = 3;
    installed.lfClipPrecision = 2;
    installed.lfQuality = 1;
    installed.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    installed.SetFaceName("Installed");
    catalog.faces["Installed"] = installed;
    ScopedFontCatalog scope(catalog);

    // Without an installed font of that face: the program's own description.
    LOGFONT font;
    font.lfItalic = 1;
    EnumFontFaces(font, std::nullopt, -32, 16);
    EXPECT_EQ(font.lfHeight, -32);
    EXPECT_EQ(font.lfWidth, 16);
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfItalic, 0); // cleared
    EXPECT_EQ(font.lfCharSet, 128);
    EXPECT_EQ(font.lfOutPrecision, 3);
    EXPECT_EQ(font.lfClipPrecision, 2);
    EXPECT_EQ(font.lfQuality, 1);
    EXPECT_EQ(font.lfPitchAndFamily, 0x11);
    EXPECT_EQ(Sjis::ToUtf8(font.FaceName()), "ＭＳ 明朝");

    // An installed face: its description, with the height and width put back.
    EnumFontFaces(font, "Installed", -40, 20);
    LOGFONT expected = installed;
    expected.lfHeight = -40;
    expected.lfWidth = 20;
    EXPECT_EQ(font, expected);

    // A face name longer than the record holds is cut on a character boundary.
    std::string longFace;
    for (int i = 0; i < 20; ++i) {
        longFace += kA;
    }
    EnumFontFaces(font, longFace, 10, 5);
    EXPECT_EQ(font.FaceName(), longFace.substr(0, 30));
}

// ---- User interface -------------------------------------------------------------------------

TEST(UtilityTest, MessageBoxFFormatsAndCutsItsText) {
    test::ScopedUi ui;
    ui->QueueAnswer(IDOK);
    EXPECT_EQ(MessageBoxF("%s: %d", "count", 5), IDOK);
    EXPECT_EQ(MessageBoxF("%s / %s", std::string("a"), std::string(kHyou)), IDOK);
    EXPECT_EQ(MessageBoxF("100%%"), IDOK);

    std::string longText;
    for (int i = 0; i < 200; ++i) {
        longText += kA;
    }
    MessageBoxF("%s", longText.c_str()); // 400 bytes: byte 255 would split the 128th あ

    const auto& boxes = ui->MessageBoxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].bytes, "count: 5");
    EXPECT_EQ(boxes[0].type & MB_TYPEMASK, MB_OK);
    EXPECT_EQ(boxes[1].bytes, "a / " + kHyou);
    EXPECT_EQ(boxes[2].bytes, "100%");
    EXPECT_EQ(boxes[3].bytes, longText.substr(0, 254));
}

TEST(UtilityTest, BeepWarningSoundsTheExclamation) {
    test::ScopedUi ui;
    BeepWarning();
    EXPECT_EQ(ui->Beeps(), std::vector<UINT>{MB_ICONEXCLAMATION});
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST(UtilityTest, PaletteOfTheBars) {
    struct Case {
        int index;
        COLORREF color;
    };
    const std::vector<Case> palette = {
        {0, RGB(0, 0, 0)},     {1, RGB(255, 0, 0)},   {2, RGB(0, 255, 0)},
        {3, RGB(255, 0, 255)}, {4, RGB(0, 255, 255)}, {5, RGB(255, 255, 0)},
    };
    for (const Case& c : palette) {
        EXPECT_EQ(ColorFromIndex(c.index), c.color) << c.index;
        EXPECT_EQ(IndexFromColor(c.color), c.index) << c.index;
    }
    for (const int index : {-1, 6, 7, 1000}) {
        EXPECT_EQ(ColorFromIndex(index), RGB(0, 0, 0)) << index;
    }
    for (const COLORREF color : {RGB(1, 2, 3), RGB(255, 255, 255), RGB(0, 0, 255), 0x01000000u}) {
        EXPECT_EQ(IndexFromColor(color), kOtherColorIndex) << color;
    }
}

TEST(UtilityTest, ExactSearchInListAndComboEntries) {
    const std::vector<std::string> entries = {"Abc", "abc", "abcd", kHyou + "A", kHyou};
    struct Case {
        std::string text;
        int index;
    };
    const std::vector<Case> cases = {
        {"abc", 1},               // the prefix search stops at "Abc"; the full comparison goes on
        {"Abc", 0},  {"ABC", -1}, // equal only without regard to case
        {"abcd", 2}, {kHyou, 4},  {"x", -1}, {"", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindListBoxExact(entries, c.text), c.index) << c.text;
        EXPECT_EQ(FindComboExact(entries, c.text), c.index) << c.text;
    }
    EXPECT_EQ(FindListBoxExact({}, "abc"), -1);
}

TEST(UtilityTest, OpenUrlShortcutOpensOnlyWebAndMailAddresses) {
    struct Case {
        std::string address;
        int result;
    };
    const std::vector<Case> cases = {
        {"http://example.com/?Keyword=" + kHyou, 1},
        {"https://example.com/", 1},
        {"HTTPS://EXAMPLE.COM/", 1},
        {"mailto:someone@example.com", 1},
        {"", 0},
        {"file:///etc/passwd", 0},
        {"javascript:alert(1)", 0},
        {"/usr/bin/xterm", 0},
        {"http:", 0},
        {"http://example.com/\r\nx", 0},
        {"http://example.com/\tx", 0},
        {"http://example.com/\x7f", 0},
    };
    for (const Case& c : cases) {
        test::ScopedUi ui;
        EXPECT_EQ(OpenUrlShortcut(c.address), c.result) << c.address;
        const std::vector<std::string> opened =
            c.result ? std::vector<std::string>{c.address} : std::vector<std::string>{};
        EXPECT_EQ(ui->OpenedUrls(), opened) << c.address;
    }

    // A desktop that cannot open the address is not reported as success.
    test::ScopedUi ui;
    ui->SetOpenUrlResult(false);
    EXPECT_EQ(OpenUrlShortcut("https://example.com/"), 0);
}

TEST(UtilityTest, SeekToEndPositionsAtTheLength) {
    const BYTE data[] = {1, 2, 3, 4, 5};
    CMemFile file(data, sizeof(data));
    EXPECT_EQ(SeekToEnd(file), 5u);
    EXPECT_EQ(file.GetPosition(), 5u);
    BYTE b = 0;
    EXPECT_EQ(file.Read(&b, 1), 0u);
}

} // namespace
} // namespace tembra
