// Calendar-day positions without widgets: the arrows' ends, and the
// span of two points in calendar and working days over a calendar with a weekend off.
#include "dialogs/settings/core/CalendarPosition.h"

#include "model/Calendar.h"
#include "model/Utility.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

TEST(CalendarPosition, ArrowsStopAtTheFieldEnds) {
    EXPECT_EQ(StepInRange(23, 1, kHourRange), 23);
    EXPECT_EQ(StepInRange(0, -1, kMinuteRange), 0);
    EXPECT_EQ(StepInRange(kYearRange.max, 1, kYearRange), kYearRange.max);
    EXPECT_EQ(StepInRange(1, -1, kRowRange), 1);
    EXPECT_EQ(StepInRange(11, 1, kMonthRange), 12);
}

// A calendar whose weekend of 8 and 9 June 2024 is off.
class WeekendCalendar : public ::testing::Test {
protected:
    void SetUp() override {
        m_calendar.Clear();
        m_calendar.AddDayFlag(2024, 6, 8, CCalendar::kRuleHoliday);
        m_calendar.AddDayFlag(2024, 6, 9, CCalendar::kRuleHoliday);
    }
    CCalendar m_calendar;
    const CTime m_friday{2024, 6, 7};
};

TEST_F(WeekendCalendar, WorkingDaysLeaveTheHolidaysOut) {
    const CTime tuesday(2024, 6, 11, 6, 30);
    const CalendarSpan calendarDays = SpanBetween(m_friday, tuesday, m_calendar, false);
    EXPECT_EQ(calendarDays, (CalendarSpan{4, 6, 30, 2}));
    const CalendarSpan workingDays = SpanBetween(m_friday, tuesday, m_calendar, true);
    EXPECT_EQ(workingDays, (CalendarSpan{2, 6, 30, 2}));
}

TEST_F(WeekendCalendar, TypedWorkingDaysReachThatManyWorkingDaysOn) {
    const CTime entered =
        EnteredFromSpan(m_friday, CalendarSpan{5, 0, 0, 0}, m_calendar, SpanEntry{true});
    EXPECT_EQ(entered, CTime(2024, 6, 14));
    EXPECT_EQ(SpanBetween(m_friday, entered, m_calendar, true).days, 5);
    EXPECT_EQ(EnteredFromSpan(m_friday, CalendarSpan{5, 0, 0, 0}, m_calendar, SpanEntry{false}),
              CTime(2024, 6, 12));
}

TEST_F(WeekendCalendar, AnEmptySpanOnOneRowIsLiftedToTheChartsSmallestStep) {
    struct LiftCase {
        const char* name;
        CalendarSpan typed;
        SpanEntry entry;
        CTimeSpan span;
    };
    const LiftCase cases[] = {
        {"no times, one row, 0 days", {0, 0, 0, 0}, {false, true, true}, CTimeSpan(1, 0, 0, 0)},
        {"no times, two rows", {0, 0, 0, 0}, {false, true, false}, CTimeSpan(0)},
        {"times, one row, all zero", {0, 0, 0, 0}, {false, false, true}, CTimeSpan(0, 0, 1, 0)},
        {"times, one row, hours typed", {0, 3, 0, 0}, {false, false, true}, CTimeSpan(0, 3, 0, 0)},
        {"times, one row, days typed", {2, 0, 0, 0}, {false, false, true}, CTimeSpan(2, 0, 0, 0)},
    };
    for (const LiftCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EnteredFromSpan(m_friday, c.typed, m_calendar, c.entry) - m_friday, c.span);
    }
}

TEST_F(WeekendCalendar, SpansStayInsideTheSupportedDates) {
    EXPECT_EQ(EnteredFromSpan(m_friday, CalendarSpan{90000, 0, 0, 0}, m_calendar, SpanEntry{}),
              GetMaxDate());
    EXPECT_EQ(SpanBetween(CTime(1985, 1, 1), CTime(1991, 1, 3), m_calendar, false).days, 2);
}

} // namespace
} // namespace tembra
