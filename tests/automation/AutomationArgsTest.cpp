// How the members read their arguments: strings or not, and date texts.
#include "automation/AutomationArgs.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

TEST(VariantToStringTest, OnlyStringsAreRead) {
    std::string out = "kept";
    EXPECT_FALSE(VariantToString(std::nullopt, out));
    EXPECT_EQ(out, "kept");
    EXPECT_TRUE(VariantToString(std::string("基礎"), out));
    // The program's code page.
    EXPECT_EQ(out, "\x8a\xee\x91\x62");
}

TEST(SplitDateTest, CutsTenCharactersAtTheSeparator) {
    struct Case {
        const char* text;
        char separator;
        bool split;
        const char* year;
        const char* month;
        const char* day;
    };
    const Case cases[] = {
        {"1999/04/01", '/', true, "1999", "04", "01"},
        {"2005,04,01", ',', true, "2005", "04", "01"},
        {"1999/4/1", '/', false, "y", "m", "d"},
        {"", '/', false, "y", "m", "d"},
        {"1999/04/011", '/', false, "y", "m", "d"},
        {"1999040100", '/', true, "1999", "", ""},
        {"19990/4/01", '/', true, "1999", "4", "01"},
        {"2005-04-01", '/', true, "2005", "", ""},
    };
    for (const Case& c : cases) {
        std::string year = "y";
        std::string month = "m";
        std::string day = "d";
        EXPECT_EQ(SplitDate(c.text, year, month, day, c.separator), c.split) << c.text;
        EXPECT_EQ(year, c.year) << c.text;
        EXPECT_EQ(month, c.month) << c.text;
        EXPECT_EQ(day, c.day) << c.text;
    }
}

TEST(CalendarDateArgTest, NamesADayOfTheCalendar) {
    struct Case {
        AutoArg arg;
        bool taken;
    };
    const Case cases[] = {
        {std::string("2005/04/01"), true},  {std::string("2004/02/29"), true},
        {std::string("2005/02/29"), false}, {std::string("2005/02/30"), false},
        {std::string("2005/13/01"), false}, {std::string("2005/04/00"), false},
        {std::string("2005-04-01"), false}, {std::nullopt, false},
    };
    for (const Case& c : cases) {
        int y = 0;
        int m = 0;
        int d = 0;
        EXPECT_EQ(CalendarDateArg(c.arg, '/', y, m, d), c.taken) << c.arg.value_or("(none)");
    }
}

TEST(AutoNumberTest, ReadsLeadingDigitsLikeTheCLibrary) {
    EXPECT_EQ(AutoNumber("12ab"), 12);
    EXPECT_EQ(AutoNumber(" -3"), -3);
    EXPECT_EQ(AutoNumber("x1"), 0);
    EXPECT_EQ(AutoNumber(""), 0);
}

} // namespace
} // namespace tembra
