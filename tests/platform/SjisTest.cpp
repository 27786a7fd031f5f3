#include "platform/Sjis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using std::string;

// Named CP932 characters; several have trail bytes that are ASCII punctuation or letters.
const string kHyo = "\x95\x5C";   // 表 (trail '\')
const string kSo = "\x83\x5C";    // ソ (trail '\')
const string kA = "\x83\x41";     // ア (trail 'A')
const string kZenB = "\x82\x61";  // Ｂ (trail 'a')
const string kZenA = "\x82\x81";  // ａ
const string kNijuu = "\x81\x64"; // ‥ (trail 'd')
const string kHalfA = "\xB1";     // ｱ, single byte

TEST(SjisTest, LeadBytes) {
    struct Case {
        unsigned char c;
        bool lead;
    };
    const std::vector<Case> cases = {{0x00, false}, {0x5C, false}, {0x7F, false}, {0x80, false},
                                     {0x81, true},  {0x9F, true},  {0xA0, false}, {0xB1, false},
                                     {0xDF, false}, {0xE0, true},  {0xFC, true},  {0xFD, false},
                                     {0xFF, false}};
    for (const Case& c : cases)
        EXPECT_EQ(Sjis::IsLeadByte(c.c), c.lead) << int(c.c);
}

TEST(SjisTest, CharacterBoundaries) {
    const string text = "a" + kHyo + "\\" + kHalfA + "\x95"; // lone lead byte at the end
    struct Case {
        std::size_t pos;
        bool start;
        std::size_t length;
    };
    const std::vector<Case> cases = {{0, true, 1}, {1, true, 2}, {2, false, 2}, {3, true, 1},
                                     {4, true, 1}, {5, true, 1}, {6, true, 0},  {7, false, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(Sjis::IsCharStart(text, c.pos), c.start) << c.pos;
        if (c.start) {
            EXPECT_EQ(Sjis::CharLength(text, c.pos), c.length) << c.pos;
        }
    }
    EXPECT_EQ(Sjis::CharCount(text), 5u);
    EXPECT_EQ(Sjis::CharCount(""), 0u);
}

TEST(SjisTest, ToUtf8OfKnownCharacters) {
    struct Case {
        string cp932;
        string utf8;
    };
    const std::vector<Case> cases = {
        {"abc\\~", "abc\\~"},
        {kHyo, "表"},
        {kSo, "ソ"},
        {kHalfA, "ｱ"},
        {"\x81\x40", "\u3000"},
        {"\x87\x40", "①"},
        {"\xFA\x40", "ⅰ"},
        {"\xF0\x40", "\uE000"}, // user-defined area
        {"\x94\x4E" + kNijuu, "年‥"},
        // Bytes that are no CP932 character travel as U+F700 + byte.
        {"\x80", "\uF780"},
        {"\xA0", "\uF7A0"},
        {"\xFD\xFE\xFF", "\uF7FD\uF7FE\uF7FF"},
        {"a\x95", "a\uF795"},
        // A lead byte before a control stays alone; the line feed keeps its meaning.
        {"\x81\n", "\uF781\n"},
        // A pair the code page leaves unassigned stays together as two raw bytes.
        {"\x85\x40", "\uF785\uF740"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Sjis::ToUtf8(c.cp932), c.utf8) << c.utf8;
}

TEST(SjisTest, FromUtf8) {
    struct Case {
        string utf8;
        string cp932;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {"plain", "plain"},
        {"表ソ", kHyo + kSo},
        {"ｱ", kHalfA},
        {"\uE000", "\xF0\x40"},
        {"\uF795\uF700", string("\x95\0", 2)},
        // Characters that only map one way still find their code.
        {"¥", "\\"},
        {"～", "\x81\x60"},
        // What CP932 cannot hold, and broken UTF-8, become '?'.
        {"😀", "?"},
        {"é", "?"},
        {"a\xFF"
         "b",
         "a?b"},
        {"\xE3\x81", "??"},
        {"\xC0\xAF", "??"},      // overlong '/'
        {"\xED\xA0\x80", "???"}, // a surrogate
    };
    for (const Case& c : cases)
        EXPECT_EQ(Sjis::FromUtf8(c.utf8), c.cp932) << c.utf8;
}

// Every byte and every pair of bytes survives a load and a save, whether it is CP932 or not,
// including the duplicate codes of the NEC and IBM extensions.
TEST(SjisTest, AnyBytesRoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const string one(1, static_cast<char>(b));
        ASSERT_EQ(Sjis::FromUtf8(Sjis::ToUtf8(one)), one) << b;
    }
    int failures = 0;
    for (int lead = 0; lead < 256 && failures < 10; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            const string pair = {static_cast<char>(lead), static_cast<char>(trail)};
            if (Sjis::FromUtf8(Sjis::ToUtf8(pair)) != pair) {
                ADD_FAILURE() << std::hex << lead << " " << trail;
                ++failures;
            }
        }
    }
    const string mixed = "\x87\x90\x81\xE0\xEE\xEF\xFA\x40\xED\x40\xFA\x5C" + kHyo + "\x80\xFF";
    EXPECT_EQ(Sjis::FromUtf8(Sjis::ToUtf8(mixed)), mixed);
}

TEST(SjisTest, CutNeverSplitsACharacter) {
    const string text = "ab" + kHyo + "c";
    struct Case {
        std::size_t max;
        std::size_t length;
    };
    const std::vector<Case> cases = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 4}, {5, 5}, {99, 5}};
    for (const Case& c : cases) {
        EXPECT_EQ(Sjis::CutLength(text, c.max), c.length) << c.max;
        EXPECT_EQ(Sjis::Cut(text, c.max), text.substr(0, c.length)) << c.max;
    }
    // A lone lead byte at the end is one character of its own.
    EXPECT_EQ(Sjis::CutLength("ab\x95", 3), 3u);
}

TEST(SjisTest, FindMatchesOnlyAtCharacterStarts) {
    const string text = kHyo + "\\" + kSo + "x\\";
    EXPECT_EQ(Sjis::FindByte(text, '\\'), 2u);
    EXPECT_EQ(Sjis::FindByte(text, '\\', 3), 6u);
    EXPECT_EQ(Sjis::FindByte(text, '\\', 7), string::npos);
    EXPECT_EQ(Sjis::FindLastByte(text, '\\'), 6u);
    EXPECT_EQ(Sjis::FindByte(kHyo, '\\'), string::npos);
    EXPECT_EQ(Sjis::FindLastByte(kHyo + kSo, '\\'), string::npos);

    struct Case {
        string text, what;
        std::size_t from;
        std::size_t found;
    };
    const std::vector<Case> cases = {
        {text, kSo, 0, 3},
        {text, "x\\", 0, 5},
        {text, "\\", 1, 2},
        {kHyo + kSo, "\\", 0, string::npos},
        // ソ's bytes stand at 1, but 0x83 is the trail byte of the first character there.
        {"\x95\x83\x5C", kSo, 0, string::npos},
        {kNijuu + "d", "d", 0, 2},
        // A match must not end inside a double-byte character either.
        {kHyo, "\x95", 0, string::npos},
        {"ab", "", 1, 1},
        {"ab", "b", 2, string::npos},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Sjis::Find(c.text, c.what, c.from), c.found) << Sjis::ToUtf8(c.text);
}

TEST(SjisTest, CaseFoldingLeavesDoubleByteCharactersAlone) {
    const string mixed = "ab" + kSo + kZenA + kZenB + kA + kHalfA + "Yz";
    EXPECT_EQ(Sjis::ToUpperAscii(mixed), "AB" + kSo + kZenA + kZenB + kA + kHalfA + "YZ");
    EXPECT_EQ(Sjis::ToLowerAscii(mixed), "ab" + kSo + kZenA + kZenB + kA + kHalfA + "yz");

    struct Case {
        string a, b;
        int sign;
    };
    const std::vector<Case> cases = {
        {"Tembra.INI", "tembra.ini", 0},
        {"abc", "abd", -1},
        {"ab", "abc", -1},
        {"b", "A", 1},
        {kA + "x", kA + "X", 0},
        // ア and ッ differ only in the case of their trail byte: they are different characters.
        {kA, "\x83\x61", -1},
        {"\x83\x61", kA, 1},
        {"", "", 0},
        // Letters fold to lower case, so '[' sorts before every letter.
        {"[", "A", -1},
    };
    for (const Case& c : cases) {
        int r = Sjis::CompareNoCase(c.a, c.b);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << Sjis::ToUtf8(c.a) << " vs " << Sjis::ToUtf8(c.b);
    }
    EXPECT_TRUE(Sjis::EqualsNoCase("\x82\x6C\x82\x72"
                                   "abc",
                                   "\x82\x6C\x82\x72"
                                   "ABC"));
    EXPECT_FALSE(Sjis::EqualsNoCase(kZenB, "\x82\x41"));
}

} // namespace
} // namespace tembra
