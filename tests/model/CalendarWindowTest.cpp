// The calendar's file window: 30 of its years, from the stored first day's year, chosen to hold
// the chart's dates and changed days; the years outside it come from the holiday rules.
#include "model/Calendar.h"

#include "CalendarTestSupport.h"
#include "model/HolidaySettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::CalendarTest;
using test::Day;
using test::Dword;
using test::kDay;
using test::Load;
using test::Store;
using test::UseShippedRules;
using test::WeeklyOff;

// ---- The file window ----------------------------------------------------------------------------

TEST_F(CalendarTest, WindowIsTheSmallestThatHoldsTheYears) {
    struct Case {
        int first, last;
        int window;
    };
    const Case cases[] = {
        {1991, 1991, 1991}, {1995, 2020, 1991}, {2020, 2021, 1992},
        {2026, 2027, 1998}, {2008, 2037, 2008}, {2037, 2037, 2008},
        {1995, 2024, 1995}, {1995, 2025, 0},    {1991, 2037, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CCalendar::WindowYearFor(c.first, c.last), c.window) << c.first << ".." << c.last;
    }
}

TEST_F(CalendarTest, ChartAfter2020StoresTheWindowThatHoldsItsDates) {
    UseShippedRules();
    CCalendar calendar;
    ASSERT_TRUE(calendar.MakeHolidays(nullptr, TRUE, TRUE));
    calendar.ToggleDayFlag(2026, 8, 13, CCalendar::kUserToggle); // a company holiday
    calendar.ToggleDayFlag(2027, 5, 5, CCalendar::kUserToggle);  // a holiday worked

    CTime first;
    CTime last;
    ASSERT_TRUE(calendar.FitWindow(Day(2026, 4, 1), Day(2027, 3, 31), first, last));
    EXPECT_EQ(calendar.GetWindowYear(), 1998);
    const Bytes bytes = Store(calendar);
    ASSERT_EQ(bytes.size(), 11177u);
    EXPECT_EQ(Dword(bytes, 11162), 883580400u);  // 1998-01-01 00:00 in the chart zone
    EXPECT_EQ(Dword(bytes, 11166), 1830178800u); // 2027-12-31 00:00
    const int from = CCalendar::SlotIndex(1998, 1, 1);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + CCalendar::kWindowSlotCount,
                           calendar.GetDayTable() + from));

    CCalendar loaded;
    Load(bytes, loaded);
    EXPECT_EQ(loaded.GetWindowYear(), 1998);
    EXPECT_EQ(loaded.GetFirstDay(), Day(1998, 1, 1));
    EXPECT_EQ(loaded.GetLastDay(), Day(2027, 12, 31));
    EXPECT_TRUE(loaded.IsSameAs(&calendar));
    for (CTime d = Day(2026, 1, 1); d <= Day(2027, 12, 31); d += CTimeSpan(kDay)) {
        ASSERT_EQ(loaded.GetDayFlag(d.GetTime()), calendar.GetDayFlag(d.GetTime()))
            << d.Format("%Y-%m-%d");
    }
    EXPECT_TRUE(loaded.IsHoliday(2026, 8, 13));
    EXPECT_FALSE(loaded.IsHoliday(2027, 5, 5));
    EXPECT_EQ(Store(loaded), bytes);
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST_F(CalendarTest, YearsOutsideTheWindowAreGeneratedOnLoading) {
    // Written with Saturdays off too; the store knows only Sundays.
    CCalendar source;
    ASSERT_TRUE(source.MakeHolidays(WeeklyOff({1, 7}).data(), FALSE, FALSE));
    source.SetWindow(2000);
    CCalendar loaded;
    Load(Store(source), loaded);
    EXPECT_FALSE(loaded.IsHoliday(1999, 12, 25)) << "a Saturday before the window";
    EXPECT_TRUE(loaded.IsHoliday(1999, 12, 26)) << "a Sunday before the window";
    EXPECT_TRUE(loaded.IsHoliday(2000, 1, 1)) << "the window's first Saturday";
    EXPECT_TRUE(loaded.IsHoliday(2029, 12, 29)) << "the window's last Saturday";
    EXPECT_EQ(loaded.GetWeekday(1995, 5, 5), 6);
}

TEST_F(CalendarTest, DatesOfMoreThanThirtyYearsDoNotFit) {
    CCalendar calendar;
    ASSERT_TRUE(calendar.MakeHolidays(nullptr, TRUE, TRUE));
    calendar.SetWindow(1995);
    CTime first;
    CTime last;
    EXPECT_FALSE(calendar.FitWindow(Day(1995, 6, 1), Day(2030, 3, 31), first, last));
    EXPECT_EQ(first, Day(1995, 6, 1));
    EXPECT_EQ(last, Day(2030, 3, 31));
    EXPECT_EQ(calendar.GetWindowYear(), 1995) << "the window stays";
}

TEST_F(CalendarTest, TheChartsDatesChooseTheWindowAndChangedDaysOnlyWhereTheyFit) {
    // Changed days are taken into the window only when a window of the dates holds them; the
    // others are not stored, and are never a reason to refuse the dates.
    struct Case {
        const char* what;
        int chartFirst, chartLast; // years of the chart's dates
        std::vector<int> changed;  // years of days toggled
        int window;
    };
    const Case cases[] = {
        {"in the first window, changes after it", 2010, 2010, {2035}, 1991},
        {"in the first window, inverted everywhere", 2010, 2011, {1991, 2037}, 1991},
        {"after 2020, a change the window can take", 2026, 2026, {2035}, 2006},
        {"after 2020, a change before every window of it", 2026, 2026, {1993}, 1997},
        {"after 2020, inverted everywhere", 2027, 2027, {1991, 2037}, 1998},
        {"after 2020, changes on both sides, held together", 2027, 2027, {2000, 2029}, 2000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CCalendar calendar;
        ASSERT_TRUE(calendar.MakeHolidays(nullptr, TRUE, TRUE));
        calendar.TakeRules();
        for (const int year : c.changed) {
            calendar.ToggleDayFlag(year, 6, 3, CCalendar::kUserToggle);
        }
        CTime first;
        CTime last;
        ASSERT_TRUE(
            calendar.FitWindow(Day(c.chartFirst, 4, 1), Day(c.chartLast, 9, 30), first, last));
        EXPECT_EQ(calendar.GetWindowYear(), c.window);
    }
}

TEST_F(CalendarTest, ChangedDaysAreMeasuredAgainstTheRulesTheCalendarHas) {
    CCalendar made;
    ASSERT_TRUE(made.MakeHolidays(nullptr, TRUE, TRUE));
    made.TakeRules();
    CCalendar copy;
    made.CopyTo(&copy);

    // The rules change: Saturdays off too from now on. The calendars keep the rules they have.
    CHolidaySettings settings;
    settings.Load();
    settings.Weekly() = WeeklyOff({1, 7});
    ASSERT_TRUE(settings.Save());
    CTime first;
    CTime last;
    EXPECT_FALSE(made.GetChangedDays(first, last));
    EXPECT_FALSE(copy.GetChangedDays(first, last));
    made.ToggleDayFlag(2001, 2, 3, CCalendar::kUserToggle);
    ASSERT_TRUE(made.GetChangedDays(first, last));
    EXPECT_EQ(first, Day(2001, 2, 3));
    EXPECT_EQ(last, Day(2001, 2, 3));

    // Back to its rules; loaded, a calendar takes the rules of the store as they are then.
    ASSERT_TRUE(made.RestoreRules());
    EXPECT_TRUE(made.IsSameAs(&copy));
    CCalendar loaded;
    Load(Store(made), loaded);
    EXPECT_TRUE(loaded.IsHoliday(2025, 1, 4)) << "a Saturday after the window, by the new rules";
    EXPECT_FALSE(loaded.IsHoliday(2020, 1, 4)) << "a Saturday of the window, as stored";
    ASSERT_TRUE(loaded.GetChangedDays(first, last));
    EXPECT_EQ(last.GetYear(), 2020) << "only the stored years differ from its rules";
    ASSERT_TRUE(loaded.RestoreRules());
    EXPECT_TRUE(loaded.IsHoliday(2020, 1, 4));
}

TEST_F(CalendarTest, AChangedDayMovesTheWindow) {
    UseShippedRules();
    CCalendar calendar;
    ASSERT_TRUE(calendar.MakeHolidays(nullptr, TRUE, TRUE));
    CTime first;
    CTime last;
    ASSERT_TRUE(calendar.FitWindow(Day(1995, 1, 1), Day(1995, 12, 31), first, last));
    EXPECT_EQ(calendar.GetWindowYear(), 1991);
    EXPECT_FALSE(calendar.GetChangedDays(first, last));

    calendar.ToggleDayFlag(2035, 6, 6, CCalendar::kUserToggle);
    ASSERT_TRUE(calendar.GetChangedDays(first, last));
    EXPECT_EQ(first, Day(2035, 6, 6));
    EXPECT_EQ(last, Day(2035, 6, 6));
    ASSERT_TRUE(calendar.FitWindow(Day(2026, 4, 1), Day(2026, 9, 30), first, last));
    EXPECT_EQ(calendar.GetWindowYear(), 2006);

    CCalendar loaded;
    Load(Store(calendar), loaded);
    EXPECT_TRUE(loaded.IsHoliday(2035, 6, 6));
    EXPECT_TRUE(loaded.IsSameAs(&calendar));
}

TEST_F(CalendarTest, AFirstDayThatStartsNoWindowIsDamage) {
    CCalendar source;
    ASSERT_TRUE(source.MakeHolidays(nullptr, FALSE, FALSE));
    const Bytes good = Store(source);
    const auto withDays = [&](std::uint32_t firstDay, std::uint32_t lastDay) {
        Bytes bytes = good;
        for (int i = 0; i < 4; ++i) {
            bytes[11162 + static_cast<std::size_t>(i)] = static_cast<BYTE>(firstDay >> (8 * i));
            bytes[11166 + static_cast<std::size_t>(i)] = static_cast<BYTE>(lastDay >> (8 * i));
        }
        return bytes;
    };
    const auto at = [](int y, int m, int d) {
        return static_cast<std::uint32_t>(Day(y, m, d).GetTime());
    };
    struct Case {
        std::uint32_t firstDay, lastDay;
        const char* what;
    };
    const Case cases[] = {
        {at(1991, 7, 1), at(2021, 6, 30), "1991-07-01"},
        {at(2009, 1, 1), at(2038, 12, 31), "2009-01-01, a window past the table"},
        {at(1990, 1, 1), at(2019, 12, 31), "1990-01-01"},
        {at(1991, 1, 1), at(2021, 12, 31), "a last day that does not end the window"},
        {at(1991, 1, 1) + 3600, at(2020, 12, 31) + 3600, "not at midnight"},
        {0, 0, "no days"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui->ClearRecords();
        CCalendar target;
        ASSERT_TRUE(target.MakeHolidays(WeeklyOff({1, 7}).data(), FALSE, FALSE));
        const Bytes before = Store(target);
        EXPECT_THROW(Load(withDays(c.firstDay, c.lastDay), target), CUserException);
        EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5008});
        EXPECT_EQ(Store(target), before);
    }
    // The last window there is loads.
    CCalendar target;
    EXPECT_NO_THROW(Load(withDays(at(2008, 1, 1), at(2037, 12, 31)), target));
    EXPECT_EQ(target.GetWindowYear(), 2008);
}

} // namespace
} // namespace tembra
