#include "platform/Time.h"

#include "platform/Sjis.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <mutex>

namespace tembra {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// The local (chart zone) seconds of a time value, saturated instead of overflowing so that a
// damaged value read from a file gives a wrong date, never undefined behaviour.
std::int64_t LocalSeconds(std::int64_t t) {
    std::int64_t local;
    if (__builtin_add_overflow(t, kChartZoneOffsetSeconds, &local))
        local = std::numeric_limits<std::int64_t>::max();
    return local;
}

struct LocalFields {
    int year, month, day, hour, minute, second;
    std::int64_t days; // days since 1970-01-01 in the chart zone
};

LocalFields Split(std::int64_t t) {
    std::int64_t local = LocalSeconds(t);
    LocalFields f{};
    f.days = FloorDiv(local, kSecondsPerDay);
    std::int64_t secs = local % kSecondsPerDay;
    if (secs < 0)
        secs += kSecondsPerDay;
    CivilDate::CivilFromDays(f.days, f.year, f.month, f.day);
    f.hour = static_cast<int>(secs / 3600);
    f.minute = static_cast<int>(secs / 60 % 60);
    f.second = static_cast<int>(secs % 60);
    return f;
}

const char* const kDayAbbr[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kDayFull[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                "Thursday", "Friday", "Saturday"};
const char* const kMonthAbbr[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kMonthFull[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};

void AppendNumber(std::string& out, std::int64_t value, int width, bool dropZeros) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (value < 0)
        out += '-';
    if (!dropZeros && static_cast<int>(digits.size()) < width)
        out.append(static_cast<std::size_t>(width) - digits.size(), '0');
    out += digits;
}

// OLE dates outside 0100-01-01 .. 9999-12-31 are invalid, as in the automation library.
constexpr double kOleMin = -657434.0;
constexpr double kOleMax = 2958466.0;
constexpr std::int64_t kOleEpochDays = -25569; // 1899-12-30 relative to 1970-01-01

struct OleFields {
    bool ok;
    int year, month, day, hour, minute, second, dayOfWeek;
};

OleFields SplitOle(double dt) {
    OleFields f{};
    if (!(dt >= kOleMin && dt < kOleMax))
        return f;
    // Round to the nearest second the way the automation library does: the fraction is a time
    // of day even for negative dates (-1.25 is 1899-12-29 06:00).
    constexpr double kHalfSecond = 1.0 / 172800.0;
    double adjusted = dt + (dt > 0.0 ? kHalfSecond : -kHalfSecond);
    auto whole = static_cast<std::int64_t>(adjusted);
    double fraction = std::fabs(adjusted - static_cast<double>(whole));
    auto secs = static_cast<std::int64_t>(fraction * kSecondsPerDay);
    if (secs >= kSecondsPerDay)
        secs = kSecondsPerDay - 1;
    std::int64_t days = whole + kOleEpochDays;
    CivilDate::CivilFromDays(days, f.year, f.month, f.day);
    if (f.year < 100 || f.year > 9999)
        return OleFields{};
    f.hour = static_cast<int>(secs / 3600);
    f.minute = static_cast<int>(secs / 60 % 60);
    f.second = static_cast<int>(secs % 60);
    f.dayOfWeek = CivilDate::DayOfWeek(days) + 1;
    f.ok = true;
    return f;
}

std::mutex g_clockMutex;
std::optional<CTime> g_fixedNow;

} // namespace

// ---------------------------------------------------------------------------------------------
// Calendar arithmetic (days from and to civil dates, after the well-known era algorithm).

namespace CivilDate {

std::int64_t DaysFromCivil(int year, int month, int day) {
    // Months outside 1..12 carry into the year; days outside the month carry as plain days.
    std::int64_t m0 = static_cast<std::int64_t>(month) - 1;
    std::int64_t carry = FloorDiv(m0, 12);
    month = static_cast<int>(m0 - carry * 12) + 1;
    std::int64_t y = static_cast<std::int64_t>(year) + carry - (month <= 2 ? 1 : 0);
    std::int64_t era = FloorDiv(y, 400);
    std::int64_t yoe = y - era * 400;
    std::int64_t mp = (month + 9) % 12;
    std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    // Keep far-out values from overflowing; no calendar date this program handles is near.
    constexpr std::int64_t kLimit = std::int64_t{1} << 39;
    if (days > kLimit)
        days = kLimit;
    if (days < -kLimit)
        days = -kLimit;
    std::int64_t z = days + 719468;
    std::int64_t era = FloorDiv(z, 146097);
    std::int64_t doe = z - era * 146097;
    std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    std::int64_t mp = (5 * doy + 2) / 153;
    std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    month = static_cast<int>(m);
    day = static_cast<int>(d);
}

int DayOfWeek(std::int64_t days) {
    // 1970-01-01 was a Thursday.
    std::int64_t w = (days + 4) % 7;
    return static_cast<int>(w < 0 ? w + 7 : w);
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

} // namespace CivilDate

// ---------------------------------------------------------------------------------------------

CTime::CTime(int year, int month, int day, int hour, int minute, int second) {
    // Months carry into years first, then everything else is plain seconds, as mktime does.
    std::int64_t days = CivilDate::DaysFromCivil(year, month, 1) + day - 1;
    m_time = days * kSecondsPerDay + static_cast<std::int64_t>(hour) * 3600 +
             static_cast<std::int64_t>(minute) * 60 + second - kChartZoneOffsetSeconds;
}

CTime CTime::GetCurrentTime() {
    return Clock::Now();
}

int CTime::GetYear() const {
    return Split(m_time).year;
}
int CTime::GetMonth() const {
    return Split(m_time).month;
}
int CTime::GetDay() const {
    return Split(m_time).day;
}
int CTime::GetHour() const {
    return Split(m_time).hour;
}
int CTime::GetMinute() const {
    return Split(m_time).minute;
}
int CTime::GetSecond() const {
    return Split(m_time).second;
}
int CTime::GetDayOfWeek() const {
    return CivilDate::DayOfWeek(Split(m_time).days) + 1;
}

int CTime::GetDayOfYear() const {
    LocalFields f = Split(m_time);
    return static_cast<int>(f.days - CivilDate::DaysFromCivil(f.year, 1, 1)) + 1;
}

std::string CTime::Format(std::string_view format) const {
    const LocalFields f = Split(m_time);
    const int weekday = CivilDate::DayOfWeek(f.days);
    std::string out;
    out.reserve(format.size() + 16);
    for (std::size_t i = 0; i < format.size();) {
        // A double-byte character is copied whole: its trail byte may look like '%' codes' letters.
        std::size_t len = Sjis::CharLength(format, i);
        if (len == 2 || format[i] != '%') {
            out.append(format.data() + i, len);
            i += len;
            continue;
        }
        std::size_t j = i + 1;
        bool drop = false;
        if (j < format.size() && format[j] == '#') {
            drop = true;
            ++j;
        }
        if (j >= format.size()) {
            // A lone '%' (or "%#") at the end stays as it is.
            out.append(format.data() + i, j - i);
            break;
        }
        switch (format[j]) {
        case 'Y':
            AppendNumber(out, f.year, 4, drop);
            break;
        case 'y':
            AppendNumber(out, ((f.year % 100) + 100) % 100, 2, drop);
            break;
        case 'm':
            AppendNumber(out, f.month, 2, drop);
            break;
        case 'd':
            AppendNumber(out, f.day, 2, drop);
            break;
        case 'H':
            AppendNumber(out, f.hour, 2, drop);
            break;
        case 'M':
            AppendNumber(out, f.minute, 2, drop);
            break;
        case 'S':
            AppendNumber(out, f.second, 2, drop);
            break;
        case 'j':
            AppendNumber(out, f.days - CivilDate::DaysFromCivil(f.year, 1, 1) + 1, 3, drop);
            break;
        case 'w':
            AppendNumber(out, weekday, 1, drop);
            break;
        case 'a':
            out += kDayAbbr[weekday];
            break;
        case 'A':
            out += kDayFull[weekday];
            break;
        case 'b':
            out += kMonthAbbr[f.month - 1];
            break;
        case 'B':
            out += kMonthFull[f.month - 1];
            break;
        case 'p':
            out += f.hour < 12 ? "AM" : "PM";
            break;
        case '%':
            out += '%';
            break;
        default:
            // Unknown code: the '%' (and flag) are copied, the next character is read normally
            // so that a double-byte character after '%' stays whole.
            out.append(format.data() + i, j - i);
            i = j;
            continue;
        }
        i = j + 1;
    }
    return out;
}

// ---------------------------------------------------------------------------------------------

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second) {
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime::COleDateTime(const CTime& t) {
    LocalFields f = Split(t.GetTime());
    SetDateTime(f.year, f.month, f.day, f.hour, f.minute, f.second);
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second) {
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > CivilDate::DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 ||
        minute > 59 || second < 0 || second > 59) {
        m_dt = 0.0;
        m_status = invalid;
        return m_status;
    }
    double date = static_cast<double>(CivilDate::DaysFromCivil(year, month, day) - kOleEpochDays);
    double time = (hour * 3600 + minute * 60 + second) / static_cast<double>(kSecondsPerDay);
    m_dt = date >= 0 ? date + time : date - time;
    m_status = valid;
    return m_status;
}

namespace {
// Each field of an invalid date answers -1, as the automation library's error value.
int OleField(const COleDateTime& d, int OleFields::*field) {
    if (d.GetStatus() != COleDateTime::valid)
        return -1;
    OleFields f = SplitOle(d.m_dt);
    return f.ok ? f.*field : -1;
}
} // namespace

int COleDateTime::GetYear() const {
    return OleField(*this, &OleFields::year);
}
int COleDateTime::GetMonth() const {
    return OleField(*this, &OleFields::month);
}
int COleDateTime::GetDay() const {
    return OleField(*this, &OleFields::day);
}
int COleDateTime::GetHour() const {
    return OleField(*this, &OleFields::hour);
}
int COleDateTime::GetMinute() const {
    return OleField(*this, &OleFields::minute);
}
int COleDateTime::GetSecond() const {
    return OleField(*this, &OleFields::second);
}
int COleDateTime::GetDayOfWeek() const {
    return OleField(*this, &OleFields::dayOfWeek);
}

CTime COleDateTime::ToCTime() const {
    if (m_status != valid)
        return CTime(0);
    OleFields f = SplitOle(m_dt);
    if (!f.ok)
        return CTime(0);
    return CTime(f.year, f.month, f.day, f.hour, f.minute, f.second);
}

// ---------------------------------------------------------------------------------------------

namespace Clock {

CTime Now() {
    {
        std::lock_guard<std::mutex> lock(g_clockMutex);
        if (g_fixedNow)
            return *g_fixedNow;
    }
    auto now = std::chrono::system_clock::now().time_since_epoch();
    return CTime(std::chrono::duration_cast<std::chrono::seconds>(now).count());
}

void SetFixedNow(std::optional<CTime> now) {
    std::lock_guard<std::mutex> lock(g_clockMutex);
    g_fixedNow = now;
}

std::optional<CTime> FixedNow() {
    std::lock_guard<std::mutex> lock(g_clockMutex);
    return g_fixedNow;
}

void FixFromEnvironment() {
    const char* now = std::getenv("TEMBRA_NOW");
    int year = 0;
    int month = 0;
    int day = 0;
    char rest = 0;
    if (now == nullptr || std::sscanf(now, "%4d-%2d-%2d%c", &year, &month, &day, &rest) != 3 ||
        day < 1 || day > CivilDate::DaysInMonth(year, month)) {
        return;
    }
    SetFixedNow(CTime(year, month, day, 12, 0, 0));
}

} // namespace Clock

} // namespace tembra
