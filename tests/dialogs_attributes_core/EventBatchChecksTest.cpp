// The checks of the batch input dialogs: whether anything is chosen, whether a chosen date
// lies in the period, and which day and month buttons the date dialog shows.
#include "dialogs/attributes/core/EventBatchChecks.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

EventBatchDateTable EveryMonth(std::initializer_list<int> days) {
    EventBatchDateTable table;
    for (int d : days) {
        table.everyMonth[d - 1] = 1;
    }
    return table;
}

EventBatchDateTable Months(std::initializer_list<std::pair<int, int>> dates) {
    EventBatchDateTable table;
    table.mode = 1;
    for (const auto& [m, d] : dates) {
        table.monthDays[m - 1][d - 1] = 1;
    }
    return table;
}

TEST(EventBatchDates, AChosenDayMustFallInThePeriod) {
    struct Case {
        const char* name;
        EventBatchDateTable table;
        CTime start, end;
        bool holds;
    };
    const Case cases[] = {
        {"day 31, 10 to 20 March", EveryMonth({31}), CTime(2020, 3, 10), CTime(2020, 3, 20), false},
        {"day 20, 10 to 20 March", EveryMonth({20}), CTime(2020, 3, 10), CTime(2020, 3, 20), true},
        {"day 9, 10 to 20 March", EveryMonth({9}), CTime(2020, 3, 10), CTime(2020, 3, 20), false},
        {"the end's day, from noon", EveryMonth({20}), CTime(2020, 3, 10, 12),
         CTime(2020, 3, 20, 12), true},
        {"29 February, a common year's 1 March", Months({{2, 29}}), CTime(2019, 2, 20),
         CTime(2019, 3, 1), true},
        {"29 February, before 1 March", Months({{2, 29}}), CTime(2019, 2, 20), CTime(2019, 2, 28),
         false},
        {"December, over the new year", Months({{12, 30}}), CTime(2019, 12, 1), CTime(2020, 1, 31),
         true},
        {"June, outside", Months({{6, 1}}), CTime(2019, 12, 1), CTime(2020, 1, 31), false},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(AnyDayChosen(c.table)) << c.name;
        EXPECT_EQ(DatePeriodHolds(c.table, c.start, c.end), c.holds) << c.name;
    }
    // What counts as chosen is the table of the mode.
    EventBatchDateTable other = EveryMonth({5});
    other.mode = 3;
    EXPECT_FALSE(AnyDayChosen(other));
    EXPECT_FALSE(AnyDayChosen(EventBatchDateTable()));
}

TEST(EventBatchWeeks, TheWeekOfAWeekdayCountsFromTheFirstOfItsMonth) {
    // March 2020: Sunday the 1st; the Mondays are the 2nd, 9th, 16th, 23rd and 30th.
    struct Case {
        const char* name;
        int weekday, week;
        CTime start, end;
        bool holds;
    };
    const Case cases[] = {
        {"third Monday from the 15th", 1, 3, CTime(2020, 3, 15), CTime(2020, 3, 17), true},
        {"first Monday from the 15th", 1, 1, CTime(2020, 3, 15), CTime(2020, 3, 17), false},
        {"fifth Monday", 1, 5, CTime(2020, 3, 30), CTime(2020, 3, 30), true},
        {"fifth anything in the first week", 3, 5, CTime(2020, 3, 1), CTime(2020, 3, 7), false},
        {"first Sunday of April, counted afresh", 0, 1, CTime(2020, 3, 25), CTime(2020, 4, 5),
         true},
        {"second Tuesday, ending at its day's start", 2, 2, CTime(2020, 3, 1), CTime(2020, 3, 10),
         true},
    };
    for (const Case& c : cases) {
        EventBatchWeekTable table;
        table.weeks[c.weekday][c.week - 1] = 1;
        EXPECT_TRUE(AnyWeekdayChosen(table)) << c.name;
        EXPECT_EQ(WeekPeriodHolds(table, c.start, c.end), c.holds) << c.name;
    }
    EXPECT_FALSE(AnyWeekdayChosen(EventBatchWeekTable()));
}

TEST(EventBatchDates, ButtonsShowTheMonthsLengthAndWhichMonthsHoldADay) {
    const int lengths[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(VisibleDayButtons(m), lengths[m - 1]) << m;
    }
    const EventBatchDateTable table = Months({{2, 3}, {7, 31}});
    EXPECT_EQ(MonthButtonState(table, 7, 7), 1);
    EXPECT_EQ(MonthButtonState(table, 2, 7), 2);
    EXPECT_EQ(MonthButtonState(table, 5, 7), 0);
}

} // namespace
} // namespace tembra
