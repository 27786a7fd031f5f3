#include "platform/NumberText.h"

#include "support/Cp932Text.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::J;

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

struct IntegerCase {
    const char* name;
    std::string text;
    int atoi;
    std::uint32_t profile;
    std::uint32_t strtoul;
};

TEST(NumberTextTest, EachIntegerReaderKeepsItsOwnRules) {
    const IntegerCase cases[] = {
        {"Empty", "", 0, 0, 0},
        {"Plain", "42", 42, 42, 42},
        {"Plus", "+7", 7, 7, 7},
        {"Minus", "-5", -5, 0xFFFFFFFBu, 0xFFFFFFFBu},
        {"SpacesAndTabs", " \t 12", 12, 12, 12},
        {"VerticalTab", "\v12", 12, 12, 12},
        // The profile passes over fewer blanks than the C library.
        {"LineFeed", "\n12", 12, 0, 12},
        {"FormFeed", "\f12", 12, 0, 12},
        {"CarriageReturn", "\r12", 12, 0, 12},
        {"TrailingText", "12abc", 12, 12, 12},
        {"BlankInside", "1 2", 1, 1, 1},
        {"NoDigits", "abc", 0, 0, 0},
        {"TwoSigns", "+-1", 0, 0, 0},
        {"BlankAfterSign", "- 1", 0, 0, 0},
        {"Hexadecimal", "0x10", 0, 0, 0},
        {"LeadingZeros", "-007", -7, 0xFFFFFFF9u, 0xFFFFFFF9u},
        {"IntMax", "2147483647", kIntMax, 0x7FFFFFFFu, 0x7FFFFFFFu},
        {"IntMaxPlusOne", "2147483648", kIntMax, 0x80000000u, 0x80000000u},
        {"IntMin", "-2147483648", kIntMin, 0x80000000u, 0x80000000u},
        {"IntMinMinusOne", "-2147483649", kIntMin, 0x7FFFFFFFu, 0x7FFFFFFFu},
        {"UnsignedMax", "4294967295", kIntMax, 0xFFFFFFFFu, 0xFFFFFFFFu},
        {"UnsignedMaxPlusOne", "4294967296", kIntMax, 0, 0xFFFFFFFFu},
        {"UnsignedMaxPlusTwo", "4294967297", kIntMax, 1, 0xFFFFFFFFu},
        {"NegativeBeyondUnsigned", "-4294967296", kIntMin, 0, 0xFFFFFFFFu},
        {"FarBeyond", "99999999999999999999999", kIntMax, 0xF67FFFFFu, 0xFFFFFFFFu},
        {"FarBeyondNegative", "-99999999999999999999999", kIntMin, 0x09800001u, 0xFFFFFFFFu},
        // No byte of a double-byte character is a blank, a sign or a digit.
        {"FullWidthDigits", J("１２"), 0, 0, 0},
        {"Cp932After", "12" + J("円"), 12, 12, 12},
        {"Cp932Before", J("表") + "12", 0, 0, 0},
        {"HalfWidthKana",
         "\xB1"
         "12",
         0, 0, 0},
        {"NoBreakSpaceByte",
         "\xA0"
         "12",
         0, 0, 0},
    };
    for (const IntegerCase& c : cases) {
        EXPECT_EQ(NumberText::AtoI(c.text), c.atoi) << c.name;
        EXPECT_EQ(NumberText::ProfileInt(c.text), c.profile) << c.name;
        EXPECT_EQ(NumberText::StrToUL(c.text), c.strtoul) << c.name;
    }
}

TEST(NumberTextTest, StopsAtTheEndOfItsView) {
    // A field of a longer line: the digits after the view are not the reader's.
    const std::string line = "12345";
    const std::string_view view = std::string_view(line).substr(0, 2);
    EXPECT_EQ(NumberText::AtoI(view), 12);
    EXPECT_EQ(NumberText::ProfileInt(view), 12u);
    EXPECT_EQ(NumberText::StrToUL(view), 12u);
    EXPECT_EQ(NumberText::StrToD(view), 12.0);
}

// A "%d" conversion inside a longer text: it needs a digit, and moves on past it.
TEST(NumberTextTest, ScansOneIntegerAndMovesPastIt) {
    struct Case {
        const char* text;
        std::size_t from;
        std::optional<int> value;
        std::size_t next;
    };
    const Case cases[] = {
        {"12,34", 0, 12, 2},
        {"12,34", 3, 34, 5},
        {" \t-7,", 0, -7, 4},
        {"+,1", 0, std::nullopt, 0},
        {",1", 0, std::nullopt, 0},
        {"", 0, std::nullopt, 0},
        {"9", 2, std::nullopt, 2},
        {"99999999999,", 0, 2147483647, 11},
        {"-99999999999", 0, -2147483647 - 1, 12},
    };
    for (const Case& c : cases) {
        std::size_t pos = c.from;
        EXPECT_EQ(NumberText::ScanInt(c.text, pos), c.value) << c.text << " from " << c.from;
        EXPECT_EQ(pos, c.next) << c.text << " from " << c.from;
    }
}

TEST(NumberTextTest, ReadsDecimalFractionsWhateverTheLocale) {
    struct Case {
        std::string text;
        double value;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"1.5", 1.5},   {" \n-2.25e1x", -22.5}, {"", 0.0},        {"+-1", 0.0},
        {"1,5", 1.0},   {"1e999", inf},         {"-1e999", -inf}, {"1e-999", 0.0},
        {"0x1p3", 0.0}, {J("１") + "1", 0.0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumberText::StrToD(c.text), c.value) << c.text;
}

TEST(NumberTextTest, ReadsTheFieldsOfAList) {
    constexpr int kUnset = -99;
    struct Case {
        std::optional<std::string> list;
        std::vector<int> values; // what three values hold afterwards
        NumberText::ListPos rest;
    };
    const Case cases[] = {
        {"1,2,3,4", {1, 2, 3}, "4"},
        {" 1 ,\t2x, -3,", {1, 2, -3}, ""},
        {"1,2", {1, 2, kUnset}, std::nullopt},        // the last field is read, then the list ends
        {"1;2,3", {1, kUnset, kUnset}, std::nullopt}, // ";" ends the list
        {"1,\n2,3", {1, kUnset, kUnset}, std::nullopt},
        {",,7,", {0, 0, 7}, ""},
        {"  ", {kUnset, kUnset, kUnset}, std::nullopt},
        {std::nullopt, {kUnset, kUnset, kUnset}, std::nullopt},
        // A comma is found only at a character start, and CP932 text is a field of its own.
        {J("表,") + "5,6,", {0, 5, 6}, ""},
    };
    for (const Case& c : cases) {
        std::array<int, 3> values{kUnset, kUnset, kUnset};
        const NumberText::ListPos list =
            c.list ? NumberText::ListPos(*c.list) : std::nullopt; // views the case's text
        const NumberText::ListPos rest =
            NumberText::ReadList(list, std::span<int>(values), NumberText::AtoI);
        const std::string shown(c.list.value_or("(none)"));
        EXPECT_EQ(std::vector<int>(values.begin(), values.end()), c.values) << shown;
        EXPECT_EQ(rest, c.rest) << shown;
    }
}

} // namespace
} // namespace tembra
