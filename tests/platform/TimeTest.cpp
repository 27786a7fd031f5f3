#include "platform/Time.h"

#include "support/ScopedClock.h"

#include <gtest/gtest.h>

#include <chrono>

#include <cstdlib>
#include <ctime>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace tembra {
namespace {

struct Civil {
    int year, month, day, hour, minute, second;
};

// Chart-zone dates and their time values, worked out independently in UTC+9.
struct TimeCase {
    Civil local;
    std::int64_t value;
    int dayOfWeek; // 1 = Sunday
    int dayOfYear;
};

const std::vector<TimeCase> kTimes = {
    {{1970, 1, 1, 9, 0, 0}, 0, 5, 1},
    {{1970, 1, 1, 0, 0, 0}, -32400, 5, 1},
    {{1991, 1, 1, 0, 0, 0}, 662655600, 3, 1},
    {{2020, 12, 31, 0, 0, 0}, 1609340400, 5, 366},
    {{2020, 12, 31, 23, 59, 59}, 1609426799, 5, 366},
    {{2038, 1, 19, 12, 14, 7}, 2147483647, 3, 19},
    {{2038, 1, 19, 12, 14, 8}, 2147483648LL, 3, 19},
    {{2100, 3, 1, 0, 0, 0}, 4107510000LL, 2, 60},
    {{1960, 2, 29, 12, 30, 0}, -310509000, 2, 60},
    {{1900, 3, 1, 0, 0, 0}, -2203923600LL, 5, 60},
    {{2000, 2, 29, 0, 0, 0}, 951750000, 3, 60},
};

class TimeTest : public testing::Test {
protected:
    // The host's zone must not matter: run under one far from UTC+9, with daylight saving.
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        m_savedTz = tz ? std::string(tz) : std::string();
        m_hadTz = tz != nullptr;
        setenv("TZ", "America/New_York", 1);
        tzset();
    }
    void TearDown() override {
        if (m_hadTz)
            setenv("TZ", m_savedTz.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::string m_savedTz;
    bool m_hadTz = false;
};

TEST_F(TimeTest, LocalDatesOfTheChartZone) {
    for (const TimeCase& c : kTimes) {
        const Civil& l = c.local;
        SCOPED_TRACE(std::to_string(l.year) + "-" + std::to_string(l.month) + "-" +
                     std::to_string(l.day));
        CTime t(l.year, l.month, l.day, l.hour, l.minute, l.second);
        EXPECT_EQ(t.GetTime(), c.value);
        CTime back(c.value);
        EXPECT_EQ(back.GetYear(), l.year);
        EXPECT_EQ(back.GetMonth(), l.month);
        EXPECT_EQ(back.GetDay(), l.day);
        EXPECT_EQ(back.GetHour(), l.hour);
        EXPECT_EQ(back.GetMinute(), l.minute);
        EXPECT_EQ(back.GetSecond(), l.second);
        EXPECT_EQ(back.GetDayOfWeek(), c.dayOfWeek);
        EXPECT_EQ(back.GetDayOfYear(), c.dayOfYear);
    }
}

TEST_F(TimeTest, FieldsOutOfRangeCarryOver) {
    struct Case {
        Civil given;
        Civil same;
    };
    const std::vector<Case> cases = {
        {{1991, 2, 31, 0, 0, 0}, {1991, 3, 3, 0, 0, 0}},
        {{1992, 2, 30, 0, 0, 0}, {1992, 3, 1, 0, 0, 0}},
        {{1900, 2, 29, 0, 0, 0}, {1900, 3, 1, 0, 0, 0}},
        {{1991, 13, 1, 0, 0, 0}, {1992, 1, 1, 0, 0, 0}},
        {{1991, 0, 1, 0, 0, 0}, {1990, 12, 1, 0, 0, 0}},
        {{1991, -11, 1, 0, 0, 0}, {1990, 1, 1, 0, 0, 0}},
        {{1991, 25, 1, 0, 0, 0}, {1993, 1, 1, 0, 0, 0}},
        {{1991, 1, 1, 24, 0, 0}, {1991, 1, 2, 0, 0, 0}},
        {{1991, 3, 0, 0, 0, 0}, {1991, 2, 28, 0, 0, 0}},
        {{1992, 3, 0, 0, 0, 0}, {1992, 2, 29, 0, 0, 0}},
        {{1991, 1, 0, 0, 0, 0}, {1990, 12, 31, 0, 0, 0}},
        {{1991, 1, 1, 0, -1, 0}, {1990, 12, 31, 23, 59, 0}},
        {{1991, 1, 1, 0, 0, 86400}, {1991, 1, 2, 0, 0, 0}},
        {{2020, 12, 32, 0, 0, 0}, {2021, 1, 1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const Civil& g = c.given;
        const Civil& s = c.same;
        EXPECT_EQ(CTime(g.year, g.month, g.day, g.hour, g.minute, g.second),
                  CTime(s.year, s.month, s.day, s.hour, s.minute, s.second))
            << g.year << "-" << g.month << "-" << g.day << " " << g.hour << ":" << g.minute;
    }
}

TEST_F(TimeTest, CivilDateHelpers) {
    EXPECT_EQ(CivilDate::DaysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(CivilDate::DaysFromCivil(1969, 12, 31), -1);
    EXPECT_EQ(CivilDate::DaysFromCivil(1991, 1, 1), 7670);
    int y = 0, m = 0, d = 0;
    CivilDate::CivilFromDays(-719468, y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 301); // 0000-03-01
    EXPECT_EQ(CivilDate::DayOfWeek(0), 4);
    EXPECT_EQ(CivilDate::DayOfWeek(-1), 3);
    EXPECT_EQ(CivilDate::DayOfWeek(-7), 4);

    struct Case {
        int year, month, days;
    };
    const std::vector<Case> cases = {{1991, 2, 28},  {1992, 2, 29}, {1900, 2, 28}, {2000, 2, 29},
                                     {2020, 12, 31}, {2020, 4, 30}, {2020, 13, 0}, {2020, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(CivilDate::DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
}

TEST_F(TimeTest, FarValuesDoNotOverflow) {
    // A damaged file may hold anything; the result is a wrong date, never a crash.
    for (std::int64_t v :
         {std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min()}) {
        CTime t(v);
        (void)t.GetYear();
        (void)t.GetDayOfWeek();
        (void)t.Format("%Y/%m/%d %a %b %j");
        COleDateTime ole(t);
        EXPECT_EQ(ole.GetStatus(), COleDateTime::invalid);
    }
}

TEST_F(TimeTest, Format) {
    const CTime t(1991, 1, 5, 9, 7, 3);           // a Saturday
    const CTime evening(2005, 11, 23, 21, 40, 0); // a Wednesday
    struct Case {
        CTime time;
        std::string format;
        std::string text;
    };
    const std::vector<Case> cases = {
        {t, "%Y/%m/%d", "1991/01/05"},
        {t, "%H:%M:%S", "09:07:03"},
        {t, "%#m/%#d %#H:%#M", "1/5 9:7"},
        {evening, "%#m/%#d %#H:%#M", "11/23 21:40"},
        {t, "%y", "91"},
        {CTime(2005, 1, 1), "%y %#y", "05 5"},
        {t, "%j %#j %w", "005 5 6"},
        {t, "%a %A %b %B %p", "Sat Saturday Jan January AM"},
        {evening, "%a %A %b %B %p", "Wed Wednesday Nov November PM"},
        {t, "100%%", "100%"},
        {t, "%q %#q", "%q %#q"},
        {t, "end%", "end%"},
        {t, "end%#", "end%#"},
        {t, "", ""},
        // Double-byte characters are copied whole, whatever their trail bytes look like:
        // 年 月 日, 表 (trail '\'), ‥ (trail 'd'), ｍ (trail 0x8D).
        {t, "%Y\x94\x4E%#m\x8C\x8E%#d\x93\xFA",
         "1991\x94\x4E"
         "1\x8C\x8E"
         "5\x93\xFA"},
        {t, "\x95\x5C%d",
         "\x95\x5C"
         "05"},
        {t, "\x81\x64%d\x81\x64",
         "\x81\x64"
         "05\x81\x64"},
        {t, "%\x81\x64", "%\x81\x64"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.time.Format(c.format), c.text) << c.format;
}

TEST_F(TimeTest, SpanArithmetic) {
    const CTime a(1991, 1, 1);
    const CTime b(1991, 3, 1, 6, 30, 15);
    const CTimeSpan span = b - a;
    EXPECT_EQ(span.GetDays(), 59);
    EXPECT_EQ(span.GetHours(), 6);
    EXPECT_EQ(span.GetMinutes(), 30);
    EXPECT_EQ(span.GetSeconds(), 15);
    EXPECT_EQ(a + span, b);
    EXPECT_EQ(b - CTimeSpan(59, 6, 30, 15), a);
    // No daylight-saving day is shorter or longer than 24 hours in the chart zone.
    EXPECT_EQ((CTime(1991, 11, 4) - CTime(1991, 11, 3)).GetTotalSeconds(), 86400);
    EXPECT_EQ((CTime(1991, 4, 8) - CTime(1991, 4, 7)).GetTotalSeconds(), 86400);
}

TEST_F(TimeTest, OleDates) {
    struct Case {
        Civil date;
        double dt;
        int dayOfWeek;
    };
    const std::vector<Case> cases = {
        {{1899, 12, 30, 0, 0, 0}, 0.0, 7},    {{1899, 12, 31, 18, 0, 0}, 1.75, 1},
        {{1899, 12, 29, 6, 0, 0}, -1.25, 6},  {{1991, 1, 1, 0, 0, 0}, 33239.0, 3},
        {{1991, 1, 1, 12, 0, 0}, 33239.5, 3}, {{2020, 12, 31, 0, 0, 0}, 44196.0, 5},
        {{100, 1, 1, 0, 0, 0}, -657434.0, 6}, {{9999, 12, 31, 0, 0, 0}, 2958465.0, 6},
    };
    for (const Case& c : cases) {
        const Civil& d = c.date;
        COleDateTime ole(d.year, d.month, d.day, d.hour, d.minute, d.second);
        EXPECT_EQ(ole.GetStatus(), COleDateTime::valid);
        EXPECT_DOUBLE_EQ(ole.m_dt, c.dt) << d.year;
        COleDateTime back(c.dt);
        EXPECT_EQ(back.GetYear(), d.year);
        EXPECT_EQ(back.GetMonth(), d.month);
        EXPECT_EQ(back.GetDay(), d.day);
        EXPECT_EQ(back.GetHour(), d.hour);
        EXPECT_EQ(back.GetMinute(), d.minute);
        EXPECT_EQ(back.GetSecond(), d.second);
        EXPECT_EQ(back.GetDayOfWeek(), c.dayOfWeek);
    }
}

TEST_F(TimeTest, InvalidOleDates) {
    const std::vector<Civil> cases = {
        {1991, 2, 29, 0, 0, 0}, {99, 12, 31, 0, 0, 0},  {10000, 1, 1, 0, 0, 0},
        {1991, 13, 1, 0, 0, 0}, {1991, 0, 1, 0, 0, 0},  {1991, 1, 0, 0, 0, 0},
        {1991, 1, 1, 24, 0, 0}, {1991, 1, 1, 0, 60, 0}, {1991, 1, 1, 0, 0, -1}};
    for (const Civil& d : cases) {
        COleDateTime ole(d.year, d.month, d.day, d.hour, d.minute, d.second);
        EXPECT_EQ(ole.GetStatus(), COleDateTime::invalid)
            << d.year << "-" << d.month << "-" << d.day;
        EXPECT_EQ(ole.GetYear(), -1);
        EXPECT_EQ(ole.GetDayOfWeek(), -1);
        EXPECT_EQ(ole.ToCTime(), CTime(0));
    }
    // A value outside years 100..9999 has no fields either.
    EXPECT_EQ(COleDateTime(3e6).GetYear(), -1);
    EXPECT_EQ(COleDateTime(-7e5).GetMonth(), -1);
}

TEST_F(TimeTest, OleDateAndTimeValueAreTheSameInstant) {
    struct Case {
        std::int64_t time;
        double dt;
    };
    const std::vector<Case> cases = {
        {662655600, 33239.0},
        {662655600 + 43200, 33239.5},
        {1609340400, 44196.0},
        {1609340400 + 86399, 44196.0 + 86399.0 / 86400.0},
    };
    for (const Case& c : cases) {
        COleDateTime ole{CTime(c.time)};
        EXPECT_EQ(ole.GetStatus(), COleDateTime::valid);
        EXPECT_NEAR(ole.m_dt, c.dt, 1e-9) << c.time;
        EXPECT_EQ(COleDateTime(c.dt).ToCTime().GetTime(), c.time);
    }
    // The fraction is rounded to the nearest second.
    const double second = 1.0 / 86400.0;
    EXPECT_EQ(COleDateTime(33239.0 + 0.4 * second).ToCTime().GetTime(), 662655600);
    EXPECT_EQ(COleDateTime(33239.0 + 0.6 * second).ToCTime().GetTime(), 662655601);
    EXPECT_EQ(COleDateTime(33239.0 - 0.4 * second).ToCTime().GetTime(), 662655600);
    EXPECT_EQ(COleDateTime(33239.99999999).ToCTime(), CTime(1991, 1, 2));
}

TEST_F(TimeTest, ClockCanBeFixed) {
    // The test suite may run on a day of its own; the guard puts it back.
    const std::optional<CTime> suiteDay = Clock::FixedNow();
    {
        test::ScopedClock clock(CTime(1995, 6, 15, 10, 0, 0));
        EXPECT_EQ(CTime::GetCurrentTime(), CTime(1995, 6, 15, 10, 0, 0));
        clock.Set(CTime(1996, 1, 1));
        EXPECT_EQ(Clock::Now(), CTime(1996, 1, 1));
    }
    EXPECT_EQ(Clock::FixedNow(), suiteDay);

    // Not fixed, it is the system's clock. Bracketed by the clock the program reads: time()
    // reads the kernel's coarse clock, which may still show the previous second when the
    // precise one has moved on.
    Clock::SetFixedNow(std::nullopt);
    auto seconds = [] {
        return std::chrono::duration_cast<std::chrono::seconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
    };
    const std::int64_t before = seconds();
    const std::int64_t now = CTime::GetCurrentTime().GetTime();
    const std::int64_t after = seconds();
    Clock::SetFixedNow(suiteDay);
    EXPECT_GE(now, before);
    EXPECT_LE(now, after);
}

// TEMBRA_NOW names the day of a run under test: noon of a real day, anything else nothing.
TEST_F(TimeTest, TheEnvironmentFixesTheClockOnADay) {
    const std::optional<CTime> suiteDay = Clock::FixedNow();
    const char* const old = std::getenv("TEMBRA_NOW");
    const std::optional<std::string> saved =
        old != nullptr ? std::optional<std::string>(old) : std::nullopt;
    struct Case {
        const char* value;
        std::optional<CTime> now;
    };
    const Case cases[] = {
        {"2027-04-01", CTime(2027, 4, 1, 12, 0, 0)},
        {"2000-2-29", CTime(2000, 2, 29, 12, 0, 0)},
        {"2027-02-29", std::nullopt},
        {"2027-13-01", std::nullopt},
        {"2027-04-01x", std::nullopt},
        {"today", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        Clock::SetFixedNow(std::nullopt);
        ::setenv("TEMBRA_NOW", c.value, 1);
        Clock::FixFromEnvironment();
        EXPECT_EQ(Clock::FixedNow(), c.now) << c.value;
    }
    if (saved) {
        ::setenv("TEMBRA_NOW", saved->c_str(), 1);
    } else {
        ::unsetenv("TEMBRA_NOW");
    }
    Clock::SetFixedNow(suiteDay);
}

} // namespace
} // namespace tembra
