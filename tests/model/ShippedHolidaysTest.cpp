// The national holidays of Japan from 2021 on as the shipped holiday set generates them.
#include "model/Calendar.h"

#include "CalendarTestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tembra {
namespace {

using test::CalendarTest;
using test::Day;
using test::kDay;
using test::UseShippedRules;

// Every national holiday and substitute day of 2021-2026 as the official lists give them.
struct YearHolidays {
    int year;
    std::vector<std::pair<int, int>> days; // month, day
};
const YearHolidays kHolidays2021To2026[] = {
    {2021,
     {{1, 1},
      {1, 11},
      {2, 11},
      {2, 23},
      {3, 20},
      {4, 29},
      {5, 3},
      {5, 4},
      {5, 5},
      {7, 22},
      {7, 23},
      {8, 8},
      {8, 9},
      {9, 20},
      {9, 23},
      {11, 3},
      {11, 23}}},
    {2022,
     {{1, 1},
      {1, 10},
      {2, 11},
      {2, 23},
      {3, 21},
      {4, 29},
      {5, 3},
      {5, 4},
      {5, 5},
      {7, 18},
      {8, 11},
      {9, 19},
      {9, 23},
      {10, 10},
      {11, 3},
      {11, 23}}},
    {2023,
     {{1, 1},
      {1, 2},
      {1, 9},
      {2, 11},
      {2, 23},
      {3, 21},
      {4, 29},
      {5, 3},
      {5, 4},
      {5, 5},
      {7, 17},
      {8, 11},
      {9, 18},
      {9, 23},
      {10, 9},
      {11, 3},
      {11, 23}}},
    {2024, {{1, 1},  {1, 8},  {2, 11}, {2, 12},  {2, 23}, {3, 20}, {4, 29},
            {5, 3},  {5, 4},  {5, 5},  {5, 6},   {7, 15}, {8, 11}, {8, 12},
            {9, 16}, {9, 22}, {9, 23}, {10, 14}, {11, 3}, {11, 4}, {11, 23}}},
    {2025,
     {{1, 1},
      {1, 13},
      {2, 11},
      {2, 23},
      {2, 24},
      {3, 20},
      {4, 29},
      {5, 3},
      {5, 4},
      {5, 5},
      {5, 6},
      {7, 21},
      {8, 11},
      {9, 15},
      {9, 23},
      {10, 13},
      {11, 3},
      {11, 23},
      {11, 24}}},
    {2026,
     {{1, 1},
      {1, 12},
      {2, 11},
      {2, 23},
      {3, 20},
      {4, 29},
      {5, 3},
      {5, 4},
      {5, 5},
      {5, 6},
      {7, 20},
      {8, 11},
      {9, 21},
      {9, 22},
      {9, 23},
      {10, 12},
      {11, 3},
      {11, 23}}},
};

TEST_F(CalendarTest, ShippedRulesGiveTheNationalHolidaysFrom2021) {
    UseShippedRules();
    CCalendar calendar;
    ASSERT_TRUE(calendar.MakeHolidays(nullptr, TRUE, TRUE));

    for (const YearHolidays& year : kHolidays2021To2026) {
        std::set<std::int64_t> listed;
        for (const auto& [month, day] : year.days) {
            listed.insert(Day(year.year, month, day).GetTime());
        }
        for (CTime d = Day(year.year, 1, 1); d <= Day(year.year, 12, 31); d += CTimeSpan(kDay)) {
            const bool holiday = d.GetDayOfWeek() == 1 || listed.contains(d.GetTime());
            EXPECT_EQ(calendar.IsHoliday(d) != FALSE, holiday)
                << d.Format("%Y-%m-%d") << (holiday ? " is a holiday" : " is a working day");
        }
    }
    // The moved holidays of 2021 and the day between two holidays of 2026, once more by name.
    for (const CTime& holiday :
         {Day(2021, 7, 22), Day(2021, 7, 23), Day(2021, 8, 8), Day(2021, 8, 9), Day(2026, 9, 22)}) {
        EXPECT_TRUE(calendar.IsHoliday(holiday)) << holiday.Format("%Y-%m-%d");
    }
    for (const CTime& working : {Day(2021, 7, 19), Day(2021, 8, 11), Day(2021, 10, 11)}) {
        EXPECT_FALSE(calendar.IsHoliday(working)) << working.Format("%Y-%m-%d");
    }
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST_F(CalendarTest, ShippedRulesGiveTheEquinoxDaysTo2037) {
    UseShippedRules();
    CCalendar calendar;
    ASSERT_TRUE(calendar.MakeHolidays(nullptr, TRUE, TRUE));
    // Vernal and autumnal equinox days; one on a Sunday gives the Monday as substitute.
    struct Equinoxes {
        int year;
        int march;
        int september;
    };
    const Equinoxes cases[] = {
        {2027, 21, 23}, {2028, 20, 22}, {2029, 20, 23}, {2030, 20, 23},
        {2031, 21, 23}, {2032, 20, 22}, {2033, 20, 23}, {2034, 20, 23},
        {2035, 21, 23}, {2036, 20, 22}, {2037, 20, 23},
    };
    for (const Equinoxes& c : cases) {
        for (const CTime& day : {Day(c.year, 3, c.march), Day(c.year, 9, c.september)}) {
            const std::string what = day.Format("%Y-%m-%d");
            EXPECT_TRUE(calendar.IsHoliday(day)) << what;
            if (day.GetDayOfWeek() == 1) {
                EXPECT_TRUE(calendar.IsHoliday(day + CTimeSpan(kDay))) << what << "'s Monday";
            }
        }
    }
}

} // namespace
} // namespace tembra
