// Time values as the chart records keep them. A CTime is seconds since 1970-01-01 00:00 UTC;
// "local time" is always the charts' own zone, UTC+9 without daylight saving, whatever the
// host's TZ, so that a chart shows the same dates on every machine.
#pragma once

#include "platform/Types.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tembra {

constexpr std::int64_t kChartZoneOffsetSeconds = 9 * 3600;
// The seconds of a day: a chart day is always a whole day of its zone, which keeps no summer time.
inline constexpr std::int64_t kDaySeconds = 86400;

class CTimeSpan {
public:
    constexpr CTimeSpan() = default;
    constexpr explicit CTimeSpan(std::int64_t seconds) : m_span(seconds) {}
    constexpr CTimeSpan(std::int64_t days, int hours, int minutes, int seconds)
        : m_span(((days * 24 + hours) * 60 + minutes) * 60 + seconds) {}

    constexpr std::int64_t GetTimeSpan() const { return m_span; }
    constexpr std::int64_t GetDays() const { return m_span / kDaySeconds; }
    constexpr std::int64_t GetTotalHours() const { return m_span / 3600; }
    constexpr std::int64_t GetTotalMinutes() const { return m_span / 60; }
    constexpr std::int64_t GetTotalSeconds() const { return m_span; }
    constexpr int GetHours() const { return static_cast<int>(GetTotalHours() - GetDays() * 24); }
    constexpr int GetMinutes() const {
        return static_cast<int>(GetTotalMinutes() - GetTotalHours() * 60);
    }
    constexpr int GetSeconds() const { return static_cast<int>(m_span - GetTotalMinutes() * 60); }

    constexpr auto operator<=>(const CTimeSpan&) const = default;
    constexpr CTimeSpan operator+(CTimeSpan o) const { return CTimeSpan(m_span + o.m_span); }
    constexpr CTimeSpan operator-(CTimeSpan o) const { return CTimeSpan(m_span - o.m_span); }
    constexpr CTimeSpan operator-() const { return CTimeSpan(-m_span); }
    CTimeSpan& operator+=(CTimeSpan o) {
        m_span += o.m_span;
        return *this;
    }
    CTimeSpan& operator-=(CTimeSpan o) {
        m_span -= o.m_span;
        return *this;
    }

private:
    std::int64_t m_span = 0;
};

class CTime {
public:
    constexpr CTime() = default;
    constexpr explicit CTime(std::int64_t t) : m_time(t) {}
    // A local date and time of the chart zone. Out-of-range fields carry over as mktime does
    // (31 February is 3 March, hour 24 is the next day's 00:00).
    CTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    // "Now", from the program's one clock (see Clock).
    static CTime GetCurrentTime();

    constexpr std::int64_t GetTime() const { return m_time; }
    int GetYear() const;
    int GetMonth() const;     // 1..12
    int GetDay() const;       // 1..31
    int GetHour() const;      // 0..23
    int GetMinute() const;    // 0..59
    int GetSecond() const;    // 0..59
    int GetDayOfWeek() const; // 1 = Sunday .. 7 = Saturday
    int GetDayOfYear() const; // 1..366

    // strftime-like formatting of the codes the program uses: %Y %y %m %d %H %M %S %j %w
    // %a %A %b %B %p %%, and the '#' flag (%#m %#d %#H %#M ...) that drops leading zeros.
    // The format and the result are CP932; bytes of double-byte characters are copied as
    // they are. An unknown code is copied unchanged.
    std::string Format(std::string_view format) const;

    constexpr auto operator<=>(const CTime&) const = default;
    constexpr CTime operator+(CTimeSpan s) const { return CTime(m_time + s.GetTimeSpan()); }
    constexpr CTime operator-(CTimeSpan s) const { return CTime(m_time - s.GetTimeSpan()); }
    constexpr CTimeSpan operator-(CTime o) const { return CTimeSpan(m_time - o.m_time); }
    CTime& operator+=(CTimeSpan s) {
        m_time += s.GetTimeSpan();
        return *this;
    }
    CTime& operator-=(CTimeSpan s) {
        m_time -= s.GetTimeSpan();
        return *this;
    }

private:
    std::int64_t m_time = 0;
};

// Calendar arithmetic of the proleptic Gregorian calendar (no zone involved).
namespace CivilDate {
// 1970-01-01 is 0. A month outside 1..12 carries into the year, a day outside the month
// counts on as plain days (month 13 is January of the next year, 31 February is 3 March).
std::int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(std::int64_t days, int& year, int& month, int& day);
int DayOfWeek(std::int64_t days); // 0 = Sunday
bool IsLeapYear(int year);
int DaysInMonth(int year, int month); // 0 for a month outside 1..12
} // namespace CivilDate

// OLE automation date: days since 1899-12-30 00:00, the fraction being the time of day.
class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    explicit COleDateTime(double dt) : m_dt(dt) {}
    COleDateTime(int year, int month, int day, int hour, int minute, int second);
    // The same instant in the chart zone.
    explicit COleDateTime(const CTime& t);

    double m_dt = 0.0;
    DateTimeStatus m_status = valid;

    DateTimeStatus GetStatus() const { return m_status; }
    // Years 100..9999 and fields inside their ranges give a valid date; anything else leaves
    // m_dt 0 with the status invalid. Returns the status.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    // The fields of a date that is invalid or outside 100..9999 answer -1.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday
    // The chart-zone time value of this date and time (whole seconds, rounded as OLE does).
    // An invalid date gives CTime(0).
    CTime ToCTime() const;
};

// The program's one clock. Tests, and the program's own test hooks, may fix "now".
namespace Clock {
CTime Now();
void SetFixedNow(std::optional<CTime> now);
// The fixed "now", if any.
std::optional<CTime> FixedNow();
// The test hook of the programs and the test suite: TEMBRA_NOW="yyyy-mm-dd" in the environment
// fixes "now" at noon of that day (chart zone), so that a run under test does not depend on the
// day it runs. Anything else in the variable leaves the clock as it is.
void FixFromEnvironment();
} // namespace Clock

} // namespace tembra
