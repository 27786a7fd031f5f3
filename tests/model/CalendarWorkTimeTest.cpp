// Working-time arithmetic over the calendar: holiday time, adding working time and its stops at
// the edges of the table, holiday runs, and the counts over the table checked against a
// day-by-day walk, also after every change of the day flags.
#include "model/Calendar.h"

#include "CalendarTestSupport.h"

#include "model/Utility.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

namespace tembra {
namespace {

using test::CalendarTest;
using test::Day;
using test::kDay;
using test::Load;
using test::Store;
using test::WeeklyOff;

// ---- Working-time arithmetic --------------------------------------------------------------------

// Saturdays and Sundays off; 2001-01-01 (a Monday) made a holiday too.
class WorkTimeTest : public CalendarTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(calendar.MakeHolidays(WeeklyOff({1, 7}).data(), FALSE, FALSE));
        calendar.SetDayFlag(2001, 1, 1, CCalendar::kUserToggle);
    }
    CCalendar calendar;
};

TEST_F(WorkTimeTest, HolidayTime) {
    struct Case {
        CTime a, b;
        std::int64_t seconds;
        const char* what;
    };
    const Case cases[] = {
        {Day(2000, 1, 8, 12), Day(2000, 1, 10), 129600, "Saturday 12:00 to Monday 00:00"},
        {Day(2000, 1, 10), Day(2000, 1, 8, 12), -129600, "reversed"},
        {Day(2000, 1, 10), Day(2000, 1, 14, 18), 0, "Monday to Friday"},
        {Day(2000, 1, 8, 6), Day(2000, 1, 8, 18), 43200, "within one Saturday"},
        {Day(2000, 1, 7, 18), Day(2000, 1, 9, 6), 108000, "Friday 18:00 to Sunday 06:00"},
        {Day(2000, 1, 3), Day(2000, 1, 3), 0, "empty"},
        {Day(2000, 12, 29), Day(2001, 1, 2), 3 * kDay, "over a long weekend"},
        {Day(1990, 12, 1), Day(1991, 1, 7), 2 * kDay, "from before the table"},
        {Day(2020, 12, 26), Day(2021, 1, 4), 4 * kDay, "over the turn of 2020"},
        {Day(2037, 12, 26), Day(2038, 2, 1), 2 * kDay, "past the end of the table"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(calendar.GetHolidayTime(c.a, c.b).GetTimeSpan(), c.seconds) << c.what;
    }
}

TEST_F(WorkTimeTest, AddWorkTime) {
    struct Case {
        CTime start;
        CTimeSpan work;
        CTimeSpan expected;
        const char* what;
    };
    const Case cases[] = {
        {Day(2000, 1, 7), CTimeSpan(2, 0, 0, 0), CTimeSpan(4, 0, 0, 0), "2 days from a Friday"},
        {Day(2000, 1, 10), CTimeSpan(5, 0, 0, 0), CTimeSpan(5, 0, 0, 0), "Monday to Friday"},
        {Day(2000, 1, 10), CTimeSpan(6, 0, 0, 0), CTimeSpan(8, 0, 0, 0), "over a weekend"},
        {Day(2000, 1, 8), CTimeSpan(1, 0, 0, 0), CTimeSpan(3, 0, 0, 0), "from a Saturday"},
        {Day(2000, 1, 7, 12), CTimeSpan(0, 12, 0, 0), CTimeSpan(0, 12, 0, 0), "up to Saturday"},
        {Day(2000, 1, 7, 12), CTimeSpan(0, 13, 0, 0), CTimeSpan(2, 13, 0, 0), "an hour more"},
        {Day(2000, 12, 29), CTimeSpan(2, 0, 0, 0), CTimeSpan(5, 0, 0, 0), "long weekend"},
        {Day(2000, 1, 10), CTimeSpan(-1, 0, 0, 0), CTimeSpan(-3, 0, 0, 0), "backwards"},
        {Day(2001, 1, 2), CTimeSpan(-1, 0, 0, 0), CTimeSpan(-4, 0, 0, 0), "backwards, long"},
        {Day(2000, 1, 10), CTimeSpan(0), CTimeSpan(0), "nothing"},
        {Day(2020, 12, 28), CTimeSpan(10, 0, 0, 0), CTimeSpan(12, 0, 0, 0),
         "10 working days over the turn of 2020"},
        {Day(2021, 1, 12), CTimeSpan(-10, 0, 0, 0), CTimeSpan(-14, 0, 0, 0),
         "backwards over the turn of 2020"},
        {Day(2038, 1, 4), CTimeSpan(10, 0, 0, 0), CTimeSpan(10, 0, 0, 0), "outside the table"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(calendar.AddWorkTime(c.start, c.work), c.expected) << c.what;
    }
}

TEST_F(WorkTimeTest, AddWorkTimeStopsAtTheEdgesOfTheRange) {
    // 5 working days from Thursday 2037-12-24 take the last weekend in and end on 12-31.
    EXPECT_EQ(calendar.AddWorkTime(Day(2037, 12, 24), CTimeSpan(5, 0, 0, 0)),
              CTimeSpan(7, 0, 0, 0));
    // 10 days from Monday 2037-12-21 end on 2037-12-31 00:00 with a weekend in them; the end is
    // not inside the range any more, so the span is not extended by it.
    EXPECT_EQ(calendar.AddWorkTime(Day(2037, 12, 21), CTimeSpan(10, 0, 0, 0)),
              CTimeSpan(10, 0, 0, 0));
    // A shift that would pass 2037-12-31 stops there: with the last day a holiday, 4 working
    // days from Monday 2037-12-28 are not extended past the table.
    calendar.SetDayFlag(2037, 12, 31, CCalendar::kUserToggle);
    EXPECT_EQ(calendar.AddWorkTime(Day(2037, 12, 28), CTimeSpan(4, 0, 0, 0)),
              CTimeSpan(4, 0, 0, 0));

    const CTimeSpan backward = calendar.AddWorkTime(Day(1991, 1, 10), CTimeSpan(-10, 0, 0, 0));
    EXPECT_EQ(backward, CTimeSpan(-10, 0, 0, 0));
}

// The extension loop as it reads, one step after the other: the fast path must end where it ends.
CTimeSpan StepByStep(const CCalendar& calendar, CTime start, CTimeSpan work) {
    CTime end = start + work;
    CTimeSpan h = calendar.GetHolidayTime(start, end);
    while (h.GetTimeSpan() != 0 && GetMinDate() < end && end < GetMaxDate()) {
        const CTime next = end + h;
        h = calendar.GetHolidayTime(end, next);
        end = next;
    }
    return end - start;
}

TEST_F(WorkTimeTest, AddWorkTimeEndsWhereTheStepsEnd) {
    // Random holidays on top of the weekends; times on a quarter-hour grid keep the step-by-step
    // loop short.
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> dayOf(0, 17166);
    for (int i = 0; i < 1500; ++i) {
        calendar.SetDayFlag(GetMinDate().GetTime() + dayOf(random) * kDay, CCalendar::kUserToggle);
    }
    std::uniform_int_distribution<int> quarter(0, 95);
    std::uniform_int_distribution<int> length(-4 * 96 * 30, 4 * 96 * 30);
    for (int i = 0; i < 2000; ++i) {
        const CTime start(GetMinDate().GetTime() + dayOf(random) * kDay + quarter(random) * 900);
        const CTimeSpan work(static_cast<std::int64_t>(length(random)) * 900);
        ASSERT_EQ(calendar.AddWorkTime(start, work), StepByStep(calendar, start, work))
            << start.Format("%Y-%m-%d %H:%M") << " + " << work.GetTimeSpan();
    }
}

TEST_F(CalendarTest, AddWorkTimeDoesNotCrawlThroughLongHolidayRuns) {
    // Every day a holiday: each step of one second brings in one second more. Step by step that
    // is thirty years of seconds; the result is the edge of the range.
    CCalendar calendar;
    calendar.Clear();
    calendar.InvertHolidays();
    const CTime start = Day(2000, 6, 15, 10, 30);
    EXPECT_EQ(calendar.AddWorkTime(start, CTimeSpan(1)), GetMaxDate() - start);
    EXPECT_EQ(calendar.AddWorkTime(start, CTimeSpan(-1)), GetMinDate() - start);
    // In steps of 7 seconds the end is the first step at or past the edge.
    const std::int64_t toEdge = (GetMaxDate() - start).GetTimeSpan();
    EXPECT_EQ(calendar.AddWorkTime(start, CTimeSpan(7)).GetTimeSpan(), (toEdge + 6) / 7 * 7);
}

// ---- Counts over the table, against the day-by-day walks ----------------------------------------

// The holiday status of every day from 400 days before the table to 400 days after it, read
// day by day: what the walks below go through.
class DayWalk {
public:
    explicit DayWalk(const CCalendar& calendar) {
        for (std::int64_t k = -kMargin; k < kDays + kMargin; ++k) {
            m_holiday.push_back(calendar.IsHoliday(Midnight(k)) != FALSE);
        }
    }

    static constexpr std::int64_t kMargin = 400;
    static constexpr std::int64_t kDays = 17167; // 1991-01-01 .. 2037-12-31

    // Midnight of the k-th day from 1991-01-01, and the day of a time.
    static std::int64_t Midnight(std::int64_t k) { return GetMinDate().GetTime() + k * kDay; }
    static std::int64_t DayOf(std::int64_t t) {
        const std::int64_t d = t - GetMinDate().GetTime();
        return d >= 0 ? d / kDay : -((-d + kDay - 1) / kDay);
    }
    bool IsHoliday(std::int64_t k) const {
        return k >= -kMargin && k < kDays + kMargin &&
               m_holiday[static_cast<std::size_t>(k + kMargin)];
    }

    // The holiday part of [a, b), counted day by day.
    std::int64_t HolidayTime(std::int64_t a, std::int64_t b) const {
        const bool swapped = a > b;
        if (swapped) {
            std::swap(a, b);
        }
        std::int64_t span = 0;
        for (std::int64_t k = DayOf(a); Midnight(k) < Midnight(DayOf(b)); ++k) {
            span += IsHoliday(k) ? kDay : 0;
        }
        if (IsHoliday(DayOf(a))) {
            span -= a - Midnight(DayOf(a));
        }
        if (IsHoliday(DayOf(b))) {
            span += b - Midnight(DayOf(b));
        }
        return swapped ? -span : span;
    }

    // The first run of holidays from the day of from while the days are not after to.
    int HolidayRun(std::int64_t from, std::int64_t to, std::int64_t& runStart,
                   std::int64_t& runEnd) const {
        bool found = false;
        bool ended = false;
        for (std::int64_t k = DayOf(from); Midnight(k) <= to && k < kDays + kMargin; ++k) {
            if (IsHoliday(k) && !found) {
                runStart = Midnight(k);
                found = true;
            }
            if (!IsHoliday(k) && found) {
                runEnd = Midnight(k);
                ended = true;
                break;
            }
        }
        if (!found) {
            return 0;
        }
        if (!ended) {
            runEnd = to;
            if (runStart == runEnd) {
                runEnd += kDay;
            }
        }
        return static_cast<int>((runEnd - runStart) / kDay);
    }

    // Whether the day of date lies in a run of holidays of at least length days.
    bool InRun(std::int64_t date, int length) const {
        const std::int64_t day = DayOf(date);
        if (!IsHoliday(day)) {
            return false;
        }
        std::int64_t count = 0;
        for (std::int64_t k = day; IsHoliday(k); ++k) {
            ++count;
        }
        for (std::int64_t k = day - 1; IsHoliday(k); --k) {
            ++count;
        }
        return count >= length;
    }

private:
    std::vector<bool> m_holiday;
};

// Runs of every length up to two months, also at both ends of the table, and working days
// made of rule holidays (0x30) among them.
void AddRandomRuns(CCalendar& calendar, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> dayOf(0, 17166);
    std::uniform_int_distribution<int> lengthOf(1, 60);
    for (int i = 0; i < 120; ++i) {
        const int first = dayOf(random);
        const int length = lengthOf(random);
        for (int k = first; k < first + length; ++k) {
            calendar.AddDayFlag(DayWalk::Midnight(k), CCalendar::kUserToggle);
        }
    }
    for (int k = 0; k < 9; ++k) {
        calendar.SetDayFlag(DayWalk::Midnight(k), CCalendar::kRuleHoliday);
        calendar.SetDayFlag(DayWalk::Midnight(10957 - k), CCalendar::kRuleHoliday);
    }
}

TEST_F(CalendarTest, CountsAndRunsAgreeWithTheDayByDayWalk) {
    for (const std::uint32_t seed : {1u, 77u, 4096u}) {
        SCOPED_TRACE(seed);
        CCalendar calendar;
        ASSERT_TRUE(calendar.MakeHolidays(WeeklyOff({1}).data(), FALSE, FALSE));
        AddRandomRuns(calendar, seed);
        const DayWalk walk(calendar);

        // Times on a quarter-hour grid from a year before the table to a year after it, and
        // every day around both ends of the table, where the runs meet its edges.
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> dayOf(-365, 10958 + 365);
        std::uniform_int_distribution<int> quarter(0, 95);
        std::vector<std::int64_t> times;
        for (int i = 0; i < 150; ++i) {
            times.push_back(DayWalk::Midnight(dayOf(random)) + quarter(random) * 900);
        }
        for (int k = -3; k < 15; ++k) {
            times.push_back(DayWalk::Midnight(k) + 6 * 3600);
            times.push_back(DayWalk::Midnight(DayWalk::kDays - 1 - k) + 6 * 3600);
        }
        std::uniform_int_distribution<int> length(-4 * 96 * 30, 4 * 96 * 30);
        for (const std::int64_t a : times) {
            const std::string at = CTime(a).Format("%Y-%m-%d %H:%M");
            for (const std::int64_t b :
                 {times[static_cast<std::size_t>(quarter(random))],
                  GetMaxDate().GetTime() + 9 * kDay, GetMinDate().GetTime() - kDay}) {
                const std::string to = CTime(b).Format("%Y-%m-%d %H:%M");
                ASSERT_EQ(calendar.GetHolidayTime(CTime(a), CTime(b)).GetTimeSpan(),
                          walk.HolidayTime(a, b))
                    << at << " to " << to;

                std::int64_t start = 1;
                std::int64_t end = 2;
                std::int64_t expectedStart = 1;
                std::int64_t expectedEnd = 2;
                ASSERT_EQ(calendar.FindHolidayRun(a, b, start, end),
                          walk.HolidayRun(a, b, expectedStart, expectedEnd))
                    << at << " to " << to;
                ASSERT_EQ(start, expectedStart) << at << " to " << to;
                ASSERT_EQ(end, expectedEnd) << at << " to " << to;
            }
            for (const int runLength : {1, 2, 5, 9, 10, 30, 61}) {
                ASSERT_EQ(calendar.InSameHolidayRun(a, runLength) != FALSE,
                          walk.InRun(a, runLength))
                    << at << " length " << runLength;
            }
            const CTimeSpan work(static_cast<std::int64_t>(length(random)) * 900);
            ASSERT_EQ(calendar.AddWorkTime(CTime(a), work), StepByStep(calendar, CTime(a), work))
                << at << " + " << work.GetTimeSpan();
        }
    }
}

// Each change of the day flags, made after the counts have been taken once: the counts that
// follow must see it.
TEST_F(CalendarTest, CountsFollowEveryChangeOfTheDayFlags) {
    const CTime from = GetMinDate() - CTimeSpan(kDay);
    const CTime to = GetMaxDate() + CTimeSpan(2 * kDay);
    // 2005-03-02 is a Wednesday, 2005-03-05 a Saturday, 2005-03-06 a Sunday.
    const std::int64_t wednesday = Day(2005, 3, 2, 9).GetTime();
    struct Case {
        const char* what;
        std::function<void(CCalendar&)> change;
    };
    const Case cases[] = {
        {"AddDayFlag by date",
         [](CCalendar& c) { c.AddDayFlag(2005, 3, 2, CCalendar::kRuleHoliday); }},
        {"AddDayFlag by time",
         [&](CCalendar& c) { c.AddDayFlag(wednesday, CCalendar::kUserToggle); }},
        {"ToggleDayFlag by date",
         [](CCalendar& c) { c.ToggleDayFlag(2005, 3, 5, CCalendar::kUserToggle); }},
        {"ToggleDayFlag by time",
         [&](CCalendar& c) { c.ToggleDayFlag(wednesday, CCalendar::kUserToggle); }},
        {"SetDayFlag by date", [](CCalendar& c) { c.SetDayFlag(2005, 3, 6, 0); }},
        {"SetDayFlag by time",
         [&](CCalendar& c) { c.SetDayFlag(wednesday, CCalendar::kRuleHoliday); }},
        {"InvertHolidays", [](CCalendar& c) { c.InvertHolidays(); }},
        {"Clear", [](CCalendar& c) { c.Clear(); }},
        {"MakeHolidays", [](CCalendar& c) { c.MakeHolidays(WeeklyOff({1}).data(), FALSE, FALSE); }},
        {"CopyTo",
         [](CCalendar& c) {
             CCalendar sundays;
             sundays.MakeHolidays(WeeklyOff({1}).data(), FALSE, FALSE);
             sundays.CopyTo(&c);
         }},
        {"loading",
         [](CCalendar& c) {
             CCalendar sundays;
             sundays.MakeHolidays(WeeklyOff({1}).data(), FALSE, FALSE);
             Load(Store(sundays), c);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CCalendar calendar;
        ASSERT_TRUE(calendar.MakeHolidays(WeeklyOff({1, 7}).data(), FALSE, FALSE));
        const std::int64_t before = calendar.GetHolidayTime(from, to).GetTimeSpan();
        ASSERT_EQ(before, DayWalk(calendar).HolidayTime(from.GetTime(), to.GetTime()));

        c.change(calendar);
        const std::int64_t after = calendar.GetHolidayTime(from, to).GetTimeSpan();
        EXPECT_NE(after, before) << "the change must change the holidays";
        EXPECT_EQ(after, DayWalk(calendar).HolidayTime(from.GetTime(), to.GetTime()));
    }
}

TEST_F(WorkTimeTest, FindHolidayRun) {
    struct Case {
        CTime from, to;
        int days;
        CTime runStart, runEnd;
        const char* what;
    };
    const CTime untouched(12345);
    const Case cases[] = {
        {Day(2000, 1, 7), Day(2000, 1, 14), 2, Day(2000, 1, 8), Day(2000, 1, 10), "a weekend"},
        {Day(2000, 1, 7, 15), Day(2000, 1, 14), 2, Day(2000, 1, 8), Day(2000, 1, 10),
         "from the middle of a day"},
        {Day(2000, 1, 9, 8), Day(2000, 1, 14), 1, Day(2000, 1, 9), Day(2000, 1, 10),
         "from inside a run"},
        {Day(2000, 1, 7), Day(2000, 1, 9), 1, Day(2000, 1, 8), Day(2000, 1, 9),
         "the run reaches the end date"},
        {Day(2000, 1, 7), Day(2000, 1, 8), 1, Day(2000, 1, 8), Day(2000, 1, 9),
         "a one-day run starting on the end date"},
        {Day(2000, 12, 28), Day(2001, 1, 10), 3, Day(2000, 12, 30), Day(2001, 1, 2),
         "a long weekend"},
        {Day(2000, 1, 10), Day(2000, 1, 14), 0, untouched, untouched, "no holiday"},
        {Day(2020, 12, 24), Day(2021, 1, 10), 2, Day(2020, 12, 26), Day(2020, 12, 28),
         "over the turn of 2020"},
        {Day(2037, 12, 28), Day(2038, 3, 1), 0, untouched, untouched, "past the table"},
        {Day(1990, 12, 1), Day(1991, 1, 10), 2, Day(1991, 1, 5), Day(1991, 1, 7),
         "from before the table"},
    };
    for (const Case& c : cases) {
        CTime runStart = untouched;
        CTime runEnd = untouched;
        EXPECT_EQ(calendar.FindHolidayRun(c.from, c.to, runStart, runEnd), c.days) << c.what;
        EXPECT_EQ(runStart, c.runStart) << c.what;
        EXPECT_EQ(runEnd, c.runEnd) << c.what;
    }
}

// The whole run a day belongs to, however far back it began.
TEST_F(WorkTimeTest, GetHolidayRun) {
    struct Case {
        CTime date;
        int days;
        CTime runStart, runEnd;
        const char* what;
    };
    const CTime untouched(12345);
    const Case cases[] = {
        {Day(2000, 1, 9, 8), 2, Day(2000, 1, 8), Day(2000, 1, 10), "the last day of a weekend"},
        {Day(2000, 12, 31), 3, Day(2000, 12, 30), Day(2001, 1, 2), "inside a long weekend"},
        {Day(2000, 1, 10), 0, untouched, untouched, "a working day"},
        {Day(1991, 1, 6), 2, Day(1991, 1, 5), Day(1991, 1, 7), "at the table's start"},
        {Day(2021, 1, 2), 2, Day(2021, 1, 2), Day(2021, 1, 4), "after the turn of 2020"},
        {Day(2038, 1, 2), 0, untouched, untouched, "past the table"},
    };
    for (const Case& c : cases) {
        CTime runStart = untouched;
        CTime runEnd = untouched;
        EXPECT_EQ(calendar.GetHolidayRun(c.date, runStart, runEnd), c.days) << c.what;
        EXPECT_EQ(runStart, c.runStart) << c.what;
        EXPECT_EQ(runEnd, c.runEnd) << c.what;
    }
}

TEST_F(WorkTimeTest, SkipHolidays) {
    const std::int64_t limit = GetMaxDate().GetTime();
    EXPECT_EQ(calendar.SkipHolidays(Day(2000, 1, 12, 9).GetTime(), limit),
              Day(2000, 1, 12, 9).GetTime());
    EXPECT_EQ(calendar.SkipHolidays(Day(2000, 1, 8, 9).GetTime(), limit),
              Day(2000, 1, 10).GetTime());
    EXPECT_EQ(calendar.SkipHolidays(Day(2000, 12, 30).GetTime(), limit), Day(2001, 1, 2).GetTime());
    // The last days of the table: the run ends with the table.
    EXPECT_EQ(calendar.SkipHolidays(Day(2037, 12, 26).GetTime(), limit),
              Day(2037, 12, 28).GetTime());
}

TEST_F(WorkTimeTest, InSameHolidayRun) {
    struct Case {
        CTime date;
        int length;
        bool expected;
    };
    const Case cases[] = {
        {Day(2000, 1, 8), 1, true},     {Day(2000, 1, 8), 2, true},   {Day(2000, 1, 8), 3, false},
        {Day(2000, 1, 9, 23), 2, true}, {Day(2000, 1, 10), 1, false}, {Day(2000, 12, 30), 3, true},
        {Day(2000, 12, 31), 3, true},   {Day(2001, 1, 1), 3, true},   {Day(2001, 1, 1), 4, false},
        {Day(1991, 1, 5), 2, true},     {Day(2037, 12, 27), 2, true}, {Day(2038, 1, 2), 1, false},
        {Day(2021, 1, 2), 2, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(calendar.InSameHolidayRun(c.date, c.length) != FALSE, c.expected)
            << c.date.Format("%Y-%m-%d") << " length " << c.length;
    }
}

} // namespace
} // namespace tembra
