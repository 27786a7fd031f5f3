// The dates of a period that the batch input's choice takes: days of chosen months, days of every
// month, weekdays in chosen weeks of the month (counted from the month's 1st, wherever the period
// begins), and chosen days that the period's months do not have.
#include "document/EventBatchTables.h"

#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

CTime Day(int year, int month, int day) {
    return CTime(year, month, day);
}

TEST(EventBatchTablesTest, DatesOfChosenDays) {
    struct Case {
        const char* what;
        int mode;
        std::vector<std::pair<int, int>> chosen; // (month, day); month 0: every month
        CTime first, last;
        std::vector<CTime> dates;
    };
    const Case cases[] = {
        {"1st and 15th of every month",
         0,
         {{0, 1}, {0, 15}},
         Day(2000, 1, 10),
         Day(2000, 3, 20),
         {Day(2000, 1, 15), Day(2000, 2, 1), Day(2000, 2, 15), Day(2000, 3, 1), Day(2000, 3, 15)}},
        {"the 31st only where a month has it",
         0,
         {{0, 31}},
         Day(2001, 1, 1),
         Day(2001, 5, 31),
         {Day(2001, 1, 31), Day(2001, 3, 31), Day(2001, 5, 31)}},
        {"29 February in a common year: none",
         2,
         {{2, 29}},
         Day(2001, 1, 1),
         Day(2001, 12, 31),
         {}},
        {"29 February in a leap year",
         2,
         {{2, 29}},
         Day(2000, 1, 1),
         Day(2000, 12, 31),
         {Day(2000, 2, 29)}},
        {"chosen months across a year's end",
         12,
         {{12, 24}, {1, 5}},
         Day(2009, 12, 1),
         Day(2010, 1, 31),
         {Day(2009, 12, 24), Day(2010, 1, 5)}},
        {"the ends of the period are in it, whatever their time",
         0,
         {{0, 10}, {0, 20}},
         CTime(2000, 1, 10, 18, 0, 0),
         CTime(2000, 1, 20, 6, 0, 0),
         {Day(2000, 1, 10), Day(2000, 1, 20)}},
        {"chosen months ignore the every-month list",
         3,
         {{3, 3}},
         Day(2000, 1, 1),
         Day(2000, 12, 31),
         {Day(2000, 3, 3)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EventBatchDateTable table;
        table.mode = c.mode;
        for (const auto& [month, day] : c.chosen) {
            if (month == 0) {
                table.everyMonth[day - 1] = 1;
            } else {
                table.monthDays[month - 1][day - 1] = 1;
            }
        }
        // A choice of the other mode stands by and must not count.
        (c.mode == 0 ? table.monthDays[5][5] : table.everyMonth[6]) = 1;
        EXPECT_EQ(ChosenDates(table, c.first, c.last), c.dates);
    }
}

TEST(EventBatchTablesTest, DatesOfChosenWeekdays) {
    struct Case {
        const char* what;
        int weekday, week; // 0 Sunday; week 1 to 5
        CTime first, last;
        std::vector<CTime> dates;
    };
    const Case cases[] = {
        // March 2010: Mondays on the 1st, 8th, 15th, 22nd and 29th.
        {"third Monday, the period starting on the 15th",
         1,
         3,
         Day(2010, 3, 15),
         Day(2010, 4, 30),
         {Day(2010, 3, 15), Day(2010, 4, 19)}},
        {"first Monday, the period starting on the 15th",
         1,
         1,
         Day(2010, 3, 15),
         Day(2010, 4, 30),
         {Day(2010, 4, 5)}},
        {"fifth Monday only in the months that have one",
         1,
         5,
         Day(2010, 3, 1),
         Day(2010, 5, 31),
         {Day(2010, 3, 29), Day(2010, 5, 31)}},
        {"second Sunday", 0, 2, Day(2010, 4, 1), Day(2010, 4, 30), {Day(2010, 4, 11)}},
        {"first Saturday", 6, 1, Day(2010, 4, 1), Day(2010, 4, 30), {Day(2010, 4, 3)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EventBatchWeekTable table;
        table.weeks[c.weekday][c.week - 1] = 1;
        EXPECT_EQ(ChosenDates(table, c.first, c.last), c.dates);
    }
}

} // namespace
} // namespace tembra
