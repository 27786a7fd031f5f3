#include "model/Calendar.h"

#include "model/DamagedFile.h"
#include "model/HolidayStore.h"
#include "model/Utility.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace tembra {

IMPLEMENT_SERIAL(CCalendar, CObject, 1)

namespace {

constexpr std::int64_t kDay = 86400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Day number (days since 1970-01-01) of a time's local date in the chart zone, and back.
std::int64_t DayNumberOf(std::int64_t t) {
    return FloorDiv(t + kChartZoneOffsetSeconds, kDay);
}
std::int64_t MidnightOfDay(std::int64_t dayNumber) {
    return dayNumber * kDay - kChartZoneOffsetSeconds;
}

bool IsHolidayFlag(BYTE flag) {
    const BYTE bits = flag & CCalendar::kHolidayBits;
    return bits == CCalendar::kRuleHoliday || bits == CCalendar::kUserToggle;
}

// The real days of the table, by day number, with the slot of each: built once.
struct DayIndex {
    std::int64_t firstDay = 0;
    std::int64_t lastDay = 0;
    std::vector<std::uint16_t> slots;

    DayIndex() {
        firstDay = CivilDate::DaysFromCivil(CCalendar::kFirstYear, 1, 1);
        lastDay = CivilDate::DaysFromCivil(CCalendar::kLastYear, 12, 31);
        slots.resize(static_cast<std::size_t>(lastDay - firstDay + 1));
        for (std::int64_t dn = firstDay; dn <= lastDay; ++dn) {
            int y = 0, m = 0, d = 0;
            CivilDate::CivilFromDays(dn, y, m, d);
            slots[static_cast<std::size_t>(dn - firstDay)] =
                static_cast<std::uint16_t>(CCalendar::SlotIndex(y, m, d));
        }
    }
    bool Contains(std::int64_t dayNumber) const {
        return dayNumber >= firstDay && dayNumber <= lastDay;
    }
    int SlotOfDay(std::int64_t dayNumber) const {
        return Contains(dayNumber) ? slots[static_cast<std::size_t>(dayNumber - firstDay)] : -1;
    }
};

const DayIndex& Days() {
    static const DayIndex index;
    return index;
}

// The weekday of any date (1 Sunday .. 7 Saturday), months and days carrying over.
int WeekdayOfDate(int year, int month, int day) {
    return CivilDate::DayOfWeek(CivilDate::DaysFromCivil(year, month, 1) + day - 1) + 1;
}

// The largest k in [lo, hi] for which holds(k) is true, where holds(lo) is true and holds is true
// up to some k and false after it. The search gallops from lo, so its cost grows with the
// logarithm of the distance found: short holiday runs cost as little as walking them.
template <typename Holds> std::int64_t LastWhere(std::int64_t lo, std::int64_t hi, Holds holds) {
    std::int64_t step = 1;
    while (lo + step <= hi && holds(lo + step)) {
        lo += step;
        step *= 2;
    }
    std::int64_t fails = std::min(lo + step, hi + 1); // known false, or past hi
    while (fails - lo > 1) {
        const std::int64_t mid = lo + (fails - lo) / 2;
        if (holds(mid)) {
            lo = mid;
        } else {
            fails = mid;
        }
    }
    return lo;
}

// The validity years of a yearly rule, asked of the store once per rule and generation.
struct RuleYears {
    bool asked = false;
    bool found = false;
    int firstYear = 0;
    int lastYear = 0;

    bool Covers(int year) const { return found && firstYear <= year && year <= lastYear; }
};

} // namespace

// ---------------------------------------------------------------------------------------------

CCalendar::CCalendar() : m_pDays(new (std::nothrow) BYTE[kSlotCount]()) {
    SetWindow(kFirstYear);
}

CCalendar::~CCalendar() = default;

int CCalendar::SlotIndex(int year, int month, int day) {
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1 ||
        day > kSlotsPerMonth) {
        return -1;
    }
    return (year - kFirstYear) * kSlotsPerYear + (month - 1) * kSlotsPerMonth + (day - 1);
}

const BYTE* CCalendar::SlotOf(std::int64_t date) const {
    const int slot = Days().SlotOfDay(DayNumberOf(date));
    return m_pDays && slot >= 0 ? &m_pDays[slot] : nullptr;
}
const BYTE* CCalendar::SlotOf(int year, int month, int day) const {
    const int slot = SlotIndex(year, month, day);
    return m_pDays && slot >= 0 ? &m_pDays[slot] : nullptr;
}
BYTE* CCalendar::WritableSlotOf(std::int64_t date) {
    DayFlagsChanged();
    return const_cast<BYTE*>(SlotOf(date));
}
BYTE* CCalendar::WritableSlotOf(int year, int month, int day) {
    DayFlagsChanged();
    return const_cast<BYTE*>(SlotOf(year, month, day));
}

bool CCalendar::IsHolidayDay(std::int64_t dayNumber) const {
    const int slot = Days().SlotOfDay(dayNumber);
    return m_pDays && slot >= 0 && IsHolidayFlag(m_pDays[slot]);
}

const std::vector<std::uint16_t>& CCalendar::HolidayCounts() const {
    if (m_countsStale) {
        const std::vector<std::uint16_t>& slots = Days().slots;
        m_holidaysBefore.assign(slots.size() + 1, 0);
        std::uint16_t count = 0;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (m_pDays && IsHolidayFlag(m_pDays[slots[i]])) {
                ++count;
            }
            m_holidaysBefore[i + 1] = count;
        }
        m_countsStale = false;
    }
    return m_holidaysBefore;
}

std::int64_t CCalendar::CountHolidayDays(std::int64_t fromDay, std::int64_t toDay) const {
    // Days outside the table are working days: only the overlap with the table counts.
    const DayIndex& days = Days();
    const std::int64_t from = std::max(fromDay, days.firstDay);
    const std::int64_t to = std::min(toDay, days.lastDay + 1);
    if (from >= to) {
        return 0;
    }
    const std::vector<std::uint16_t>& before = HolidayCounts();
    return before[static_cast<std::size_t>(to - days.firstDay)] -
           before[static_cast<std::size_t>(from - days.firstDay)];
}

std::int64_t CCalendar::FirstWorkingDayFrom(std::int64_t day) const {
    const DayIndex& days = Days();
    if (!days.Contains(day)) {
        return day;
    }
    const std::vector<std::uint16_t>& before = HolidayCounts();
    const std::int64_t i = day - days.firstDay;
    const auto holidaysBefore = [&](std::int64_t k) {
        return static_cast<std::int64_t>(before[static_cast<std::size_t>(k)]);
    };
    // The largest k for which every day of [day, first + k) is a holiday.
    const std::int64_t k =
        LastWhere(i, static_cast<std::int64_t>(before.size()) - 1,
                  [&](std::int64_t k) { return holidaysBefore(k) - holidaysBefore(i) == k - i; });
    return days.firstDay + k;
}

std::int64_t CCalendar::FirstDayOfRunBefore(std::int64_t day) const {
    const DayIndex& days = Days();
    if (day <= days.firstDay || day > days.lastDay + 1) {
        return day; // the day before is outside the table: a working day
    }
    const std::vector<std::uint16_t>& before = HolidayCounts();
    const std::int64_t r = day - days.firstDay;
    const auto holidaysBefore = [&](std::int64_t k) {
        return static_cast<std::int64_t>(before[static_cast<std::size_t>(k)]);
    };
    // The largest m for which every day of [day - m, day) is a holiday.
    const std::int64_t m = LastWhere(
        0, r, [&](std::int64_t m) { return holidaysBefore(r) - holidaysBefore(r - m) == m; });
    return day - m;
}

std::int64_t CCalendar::FirstHolidayFrom(std::int64_t day) const {
    const DayIndex& days = Days();
    const std::int64_t none = std::max(day, days.lastDay + 1);
    const std::int64_t from = std::max(day, days.firstDay);
    if (from > days.lastDay) {
        return none;
    }
    const std::vector<std::uint16_t>& before = HolidayCounts();
    const std::int64_t i = from - days.firstDay;
    const std::int64_t n = static_cast<std::int64_t>(before.size()) - 1;
    if (before[static_cast<std::size_t>(n)] == before[static_cast<std::size_t>(i)]) {
        return none;
    }
    // The largest k for which [from, first + k) holds no holiday: day k is the first one.
    const std::int64_t k = LastWhere(i, n, [&](std::int64_t k) {
        return before[static_cast<std::size_t>(k)] == before[static_cast<std::size_t>(i)];
    });
    return days.firstDay + k;
}

// ---- Whole-table operations ---------------------------------------------------------------

BOOL CCalendar::Clear() {
    DayFlagsChanged();
    if (m_pDays) {
        std::memset(m_pDays.get(), 0, kSlotCount);
    }
    SetWindow(kFirstYear);
    m_valid = 1;
    return 1;
}

BOOL CCalendar::MakeHolidays(const BYTE* weeklyTable, BOOL useYearly, BOOL useSpecial) {
    if (!m_pDays) {
        m_valid = 0;
        AfxMessageBox(Sjis::FromUtf8("カレンダーテーブルの作成に失敗しました"));
        return FALSE;
    }
    DayFlagsChanged();

    // Weekly days off: byte (weekday - 1) * 5 + (n - 1) for the n-th such weekday of a month.
    // One state of the settings for the whole table, read once per section.
    const HolidayStore profile = HolidayStore::Snapshot(HolidaySource::UserProfile);
    const HolidayStore ownKey = HolidayStore::Snapshot(HolidaySource::AppRegKey);
    std::array<BYTE, kWeeklyTableSize> weekly{};
    if (weeklyTable != nullptr) {
        std::memcpy(weekly.data(), weeklyTable, kWeeklyTableSize);
    } else if (!profile.ReadWeeklyRestDays(weekly) && !ownKey.ReadWeeklyRestDays(weekly)) {
        // Neither store has the weekly days off: every Sunday, no other day.
        weekly.fill(0);
        std::fill_n(weekly.begin(), 5, BYTE{1});
    }

    // Yearly rules: a date table (12 x 31) and an n-th weekday table (12 x 35) of kinds as
    // characters '0', '1', '2' ...; the store that delivered them answers the validity years.
    std::array<BYTE, kDateTableSize> dateRules{};
    std::array<BYTE, kWeekdayRuleTableSize> weekdayRules{};
    const HolidayStore* yearlySource = nullptr;
    if (useYearly) {
        if (profile.ReadYearlyHolidays(dateRules, weekdayRules) > 0) {
            yearlySource = &profile;
        } else if (ownKey.ReadYearlyHolidays(dateRules, weekdayRules) > 0) {
            yearlySource = &ownKey;
        } else {
            dateRules.fill(0);
            weekdayRules.fill(0);
        }
    }
    std::array<RuleYears, kDateTableSize> dateYears{};
    std::array<RuleYears, kWeekdayRuleTableSize> weekdayYears{};

    SetWindow(kFirstYear);

    const DayIndex& days = Days();
    std::array<int, 7> counters{};
    bool pendingSubstitute = false;
    // The date and weekday step along with the day number (the table is built on every load).
    int year = 0, month = 0, day = 0;
    CivilDate::CivilFromDays(days.firstDay, year, month, day);
    int weekdayIndex = CivilDate::DayOfWeek(days.firstDay);
    int monthLength = CivilDate::DaysInMonth(year, month);
    for (std::int64_t dn = days.firstDay; dn <= days.lastDay; ++dn) {
        if (dn != days.firstDay) {
            weekdayIndex = weekdayIndex == 6 ? 0 : weekdayIndex + 1;
            if (++day > monthLength) {
                day = 1;
                if (++month > 12) {
                    month = 1;
                    ++year;
                }
                monthLength = CivilDate::DaysInMonth(year, month);
            }
        }
        if (day == 1) {
            counters.fill(0);
        }
        const int weekday = weekdayIndex + 1;
        const int n = ++counters[weekday - 1];

        BYTE flag = static_cast<BYTE>(weekday);
        if (weekly[(weekday - 1) * 5 + (n - 1)] != 0) {
            flag |= kRuleHoliday;
        }
        if (pendingSubstitute) {
            flag |= kRuleHoliday;
            pendingSubstitute = false;
        }

        if (yearlySource != nullptr) {
            auto apply = [&](BYTE kind, const RuleYears& years) {
                if (kind == 0 || !years.Covers(year)) {
                    return;
                }
                if (kind == '0') {
                    flag &= kWeekdayBits;
                } else if (kind == '1' && weekday == 1) {
                    pendingSubstitute = true;
                } else {
                    flag |= kRuleHoliday;
                }
            };

            const int w = (month - 1) * 35 + (weekday - 1) * 5 + (n - 1);
            if (weekdayRules[w] != 0) {
                RuleYears& years = weekdayYears[w];
                if (!years.asked) {
                    years.asked = true;
                    years.found = yearlySource->GetWeekdayHolidayYears(
                                      month, weekday, n, years.firstYear, years.lastYear) != FALSE;
                }
                apply(weekdayRules[w], years);
            }

            const int d = (month - 1) * 31 + (day - 1);
            if (dateRules[d] != 0) {
                RuleYears& years = dateYears[d];
                if (!years.asked) {
                    years.asked = true;
                    years.found = yearlySource->GetHolidayYears(month, day, years.firstYear,
                                                                years.lastYear) != FALSE;
                }
                apply(dateRules[d], years);
            }
        }

        m_pDays[days.slots[static_cast<std::size_t>(dn - days.firstDay)]] = flag;
    }

    if (useSpecial) {
        std::vector<CTime> dates;
        const HolidayStore* source = &profile;
        if (profile.ReadSpecificHolidays(dates, kSpecialHolidayCapacity) <= 0) {
            source = &ownKey;
            dates.clear();
            ownKey.ReadSpecificHolidays(dates, kSpecialHolidayCapacity);
        }
        if (dates.size() > static_cast<std::size_t>(kSpecialHolidayCapacity)) {
            dates.resize(kSpecialHolidayCapacity);
        }
        for (const CTime& date : dates) {
            const int kind = source->GetSpecificHolidayType(date);
            std::int64_t dn = DayNumberOf(date.GetTime());
            if (kind == 0) {
                if (BYTE* slot = WritableSlotOf(date.GetTime())) {
                    *slot &= kWeekdayBits;
                }
                continue;
            }
            if (kind == 1 && CivilDate::DayOfWeek(dn) == 0) {
                ++dn; // the Sunday's holiday moves to the Monday
            }
            // A date (or a substitute) outside the table has no slot and is dropped.
            const int slot = days.SlotOfDay(dn);
            if (slot >= 0 && (m_pDays[slot] & kHolidayBits) == 0) {
                m_pDays[slot] |= kRuleHoliday;
            }
        }
    }

    m_valid = 1;
    return TRUE;
}

void CCalendar::CopyTo(CCalendar* target) {
    if (target == nullptr) {
        return;
    }
    if (target != this && target->m_pDays && m_pDays) {
        std::memcpy(target->m_pDays.get(), m_pDays.get(), kSlotCount);
        target->DayFlagsChanged();
    }
    target->m_rules = m_rules;
    // The copy is as valid as its source.
    target->m_valid = m_valid;
    target->m_windowYear = m_windowYear;
    target->m_firstDay = m_firstDay;
    target->m_lastDay = m_lastDay;
}

BOOL CCalendar::IsSameAs(const CCalendar* other) const {
    if (other == nullptr) {
        return FALSE;
    }
    if (other == this) {
        return TRUE;
    }
    if (!other->m_pDays || !m_pDays) {
        return FALSE;
    }
    return std::memcmp(m_pDays.get(), other->m_pDays.get(), kSlotCount) == 0 ? TRUE : FALSE;
}

void CCalendar::InvertHolidays() {
    if (!m_pDays) {
        return;
    }
    DayFlagsChanged();
    // 0x00 <-> 0x20 and 0x10 <-> 0x30: the user toggle flips on every real day.
    for (const std::uint16_t slot : Days().slots) {
        m_pDays[slot] ^= kUserToggle;
    }
}

void CCalendar::TakeRules() {
    if (m_pDays) {
        m_rules =
            std::make_shared<const std::vector<BYTE>>(m_pDays.get(), m_pDays.get() + kSlotCount);
    }
}

BOOL CCalendar::RestoreRules() {
    if (!m_pDays) {
        return FALSE;
    }
    if (m_rules == nullptr) {
        if (!MakeHolidays(nullptr, TRUE, TRUE)) {
            return FALSE;
        }
        TakeRules();
        return TRUE;
    }
    DayFlagsChanged();
    std::memcpy(m_pDays.get(), m_rules->data(), kSlotCount);
    m_valid = 1;
    return TRUE;
}

void CCalendar::ClearOutsideWindow() {
    if (!m_pDays) {
        return;
    }
    DayFlagsChanged();
    const std::size_t from = static_cast<std::size_t>(m_windowYear - kFirstYear) * kSlotsPerYear;
    std::memset(m_pDays.get(), 0, from);
    std::memset(m_pDays.get() + from + kWindowSlotCount, 0, kSlotCount - from - kWindowSlotCount);
}

void CCalendar::Serialize(CArchive& ar) {
    const std::size_t windowStart = static_cast<std::size_t>(m_windowYear - kFirstYear) *
                                    static_cast<std::size_t>(kSlotsPerYear);
    if (ar.IsStoring()) {
        if (m_pDays) {
            ar.Write(m_pDays.get() + windowStart, kWindowSlotCount);
        } else {
            const std::vector<BYTE> zeros(kWindowSlotCount, 0);
            ar.Write(zeros.data(), kWindowSlotCount);
        }
        ar << m_valid;
        ar << m_firstDay;
        ar << m_lastDay;
        const std::array<BYTE, kReservedSize> reserved{};
        ar.Write(reserved.data(), kReservedSize);
        return;
    }

    // Everything is read before anything is taken, so a short stream leaves the calendar as
    // it was.
    std::vector<BYTE> window(kWindowSlotCount);
    ar.ReadExact(window.data(), kWindowSlotCount);
    WORD valid = 0;
    CTime firstDay;
    CTime lastDay;
    std::array<BYTE, kReservedSize> reserved{};
    ar >> valid;
    ar >> firstDay;
    ar >> lastDay;
    ar.ReadExact(reserved.data(), kReservedSize);

    // The first day names the window: 1 January of a year whose 30 years lie in the table.
    int year = 0, month = 0, day = 0;
    CivilDate::CivilFromDays(DayNumberOf(firstDay.GetTime()), year, month, day);
    if (year < kFirstYear || year > kLastWindowYear || firstDay != CTime(year, 1, 1) ||
        lastDay != CTime(year + kWindowYears - 1, 12, 31)) {
        FailDamagedFile();
    }

    // The years outside the window are those a new chart gets from the holiday rules.
    // (Without memory for the table, generation has told the user so.)
    CCalendar generated;
    if (!generated.MakeHolidays(nullptr, TRUE, TRUE)) {
        AfxThrowUserException();
    }
    // They are the rules the chart is opened with.
    auto rules = std::make_shared<const std::vector<BYTE>>(generated.m_pDays.get(),
                                                           generated.m_pDays.get() + kSlotCount);
    std::memcpy(generated.m_pDays.get() +
                    static_cast<std::size_t>(year - kFirstYear) * kSlotsPerYear,
                window.data(), kWindowSlotCount);

    m_rules = std::move(rules);
    m_pDays = std::move(generated.m_pDays);
    DayFlagsChanged();
    m_valid = valid;
    SetWindow(year);
    m_reserved = reserved;
}

// ---- File window ----------------------------------------------------------------------------

int CCalendar::WindowYearFor(int firstYear, int lastYear) {
    if (lastYear - firstYear >= kWindowYears) {
        return 0;
    }
    return std::clamp(lastYear - kWindowYears + 1, kFirstYear, kLastWindowYear);
}

void CCalendar::SetWindow(int year) {
    if (year < kFirstYear || year > kLastWindowYear) {
        return;
    }
    m_windowYear = year;
    m_firstDay = CTime(year, 1, 1);
    m_lastDay = CTime(year + kWindowYears - 1, 12, 31);
}

BOOL CCalendar::GetChangedDays(CTime& first, CTime& last) const {
    if (!m_pDays) {
        return FALSE;
    }
    std::shared_ptr<const std::vector<BYTE>> rules = m_rules;
    if (rules == nullptr) {
        CCalendar generated;
        if (!generated.m_pDays || !generated.MakeHolidays(nullptr, TRUE, TRUE)) {
            return FALSE;
        }
        rules = std::make_shared<const std::vector<BYTE>>(generated.m_pDays.get(),
                                                          generated.m_pDays.get() + kSlotCount);
    }
    const DayIndex& days = Days();
    const auto differs = [&](std::size_t i) {
        const std::uint16_t slot = days.slots[i];
        return m_pDays[slot] != (*rules)[slot];
    };
    const std::size_t count = days.slots.size();
    std::size_t lo = 0;
    while (lo < count && !differs(lo)) {
        ++lo;
    }
    if (lo == count) {
        return FALSE;
    }
    std::size_t hi = count - 1;
    while (!differs(hi)) {
        --hi;
    }
    first = CTime(MidnightOfDay(days.firstDay + static_cast<std::int64_t>(lo)));
    last = CTime(MidnightOfDay(days.firstDay + static_cast<std::int64_t>(hi)));
    return TRUE;
}

BOOL CCalendar::FitWindow(const CTime& earliest, const CTime& latest, CTime& first, CTime& last) {
    // The window years that hold the chart's dates (dates outside the supported ones have no
    // day in the table, so none in the window either).
    int lowest = kFirstYear;
    int highest = kLastWindowYear;
    if (!(latest < earliest)) {
        const CTime from = std::clamp(earliest, GetMinDate(), GetMaxDate());
        const CTime to = std::clamp(latest, GetMinDate(), GetMaxDate());
        if (WindowYearFor(from.GetYear(), to.GetYear()) == 0) {
            first = from;
            last = to;
            return FALSE;
        }
        lowest = std::max(kFirstYear, to.GetYear() - kWindowYears + 1);
        highest = std::min(kLastWindowYear, from.GetYear());
    }
    int year = lowest;
    // A chart within the first window keeps it whatever days changed elsewhere.
    CTime changedFirst;
    CTime changedLast;
    if (year != kFirstYear && GetChangedDays(changedFirst, changedLast)) {
        const int holding = std::max(lowest, changedLast.GetYear() - kWindowYears + 1);
        if (holding <= std::min(highest, changedFirst.GetYear())) {
            year = holding;
        }
    }
    SetWindow(year);
    return TRUE;
}

// ---- Day access ---------------------------------------------------------------------------

int CCalendar::GetWeekday(int year, int month, int day) const {
    if (const BYTE* slot = SlotOf(year, month, day)) {
        return *slot & kWeekdayBits;
    }
    return WeekdayOfDate(year, month, day);
}

int CCalendar::GetWeekday(std::int64_t date) const {
    if (const BYTE* slot = SlotOf(date)) {
        return *slot & kWeekdayBits;
    }
    return CivilDate::DayOfWeek(DayNumberOf(date)) + 1;
}

BYTE CCalendar::GetDayFlag(int year, int month, int day) const {
    const BYTE* slot = SlotOf(year, month, day);
    return slot ? static_cast<BYTE>(*slot & kHolidayBits) : BYTE{0};
}

BYTE CCalendar::GetDayFlag(std::int64_t date) const {
    const BYTE* slot = SlotOf(date);
    return slot ? static_cast<BYTE>(*slot & kHolidayBits) : BYTE{0};
}

void CCalendar::AddDayFlag(int year, int month, int day, BYTE bits) {
    if (BYTE* slot = WritableSlotOf(year, month, day)) {
        *slot |= bits;
    }
}

void CCalendar::AddDayFlag(std::int64_t date, BYTE bits) {
    if (BYTE* slot = WritableSlotOf(date)) {
        *slot |= bits;
    }
}

void CCalendar::ToggleDayFlag(int year, int month, int day, BYTE bits) {
    if (BYTE* slot = WritableSlotOf(year, month, day)) {
        *slot ^= bits;
    }
}

void CCalendar::ToggleDayFlag(std::int64_t date, BYTE bits) {
    if (BYTE* slot = WritableSlotOf(date)) {
        *slot ^= bits;
    }
}

void CCalendar::SetDayFlag(int year, int month, int day, BYTE bits) {
    if (BYTE* slot = WritableSlotOf(year, month, day)) {
        *slot = static_cast<BYTE>((*slot & kWeekdayBits) | bits);
    }
}

void CCalendar::SetDayFlag(std::int64_t date, BYTE bits) {
    if (BYTE* slot = WritableSlotOf(date)) {
        *slot = static_cast<BYTE>((*slot & kWeekdayBits) | bits);
    }
}

BOOL CCalendar::IsHoliday(int year, int month, int day) const {
    const BYTE* slot = SlotOf(year, month, day);
    return slot && IsHolidayFlag(*slot) ? TRUE : FALSE;
}

BOOL CCalendar::IsHoliday(std::int64_t date) const {
    return IsHolidayDay(DayNumberOf(date)) ? TRUE : FALSE;
}

// ---- Working-time arithmetic --------------------------------------------------------------

CTimeSpan CCalendar::GetHolidayTime(const CTime& a, const CTime& b) const {
    std::int64_t from = a.GetTime();
    std::int64_t to = b.GetTime();
    const bool swapped = from > to;
    if (swapped) {
        std::swap(from, to);
    }
    const std::int64_t fromDay = DayNumberOf(from);
    const std::int64_t toDay = DayNumberOf(to);
    std::int64_t span = CountHolidayDays(fromDay, toDay) * kDay;
    // Only the holiday part of the two end days counts.
    if (IsHolidayDay(fromDay)) {
        span -= from - MidnightOfDay(fromDay);
    }
    if (IsHolidayDay(toDay)) {
        span += to - MidnightOfDay(toDay);
    }
    return CTimeSpan(swapped ? -span : span);
}

CTimeSpan CCalendar::AddWorkTime(const CTime& start, const CTimeSpan& work) const {
    const std::int64_t minDate = GetMinDate().GetTime();
    const std::int64_t maxDate = GetMaxDate().GetTime();
    const std::int64_t begin = start.GetTime();
    std::int64_t end = begin + work.GetTimeSpan();
    std::int64_t h = GetHolidayTime(start, CTime(end)).GetTimeSpan();

    // Each extension by the holiday time found adds the holidays it brings in, until one brings
    // none; the working time of [start, end) then equals the working time asked for.
    while (h != 0 && minDate < end && end < maxDate) {
        // A step that lies wholly inside a run of holidays brings in its own length again, so
        // a short step would crawl through a long run (one second at a time through thirty years
        // of holidays). Those steps are taken at once: they end where the same steps would.
        std::int64_t steps = 0;
        if (h > 0 && IsHolidayDay(DayNumberOf(end))) {
            const std::int64_t runEnd = FirstWorkingDayFrom(DayNumberOf(end));
            steps = std::min((MidnightOfDay(runEnd) - end) / h, (maxDate - end + h - 1) / h);
        } else if (h < 0 && IsHolidayDay(DayNumberOf(end - 1))) {
            const std::int64_t runStart = FirstDayOfRunBefore(DayNumberOf(end - 1) + 1);
            steps = std::min((end - MidnightOfDay(runStart)) / -h, (end - minDate - h - 1) / -h);
        }
        if (steps > 0) {
            end += steps * h;
            continue;
        }
        const std::int64_t next = end + h;
        h = GetHolidayTime(CTime(end), CTime(next)).GetTimeSpan();
        end = next;
    }
    return CTimeSpan(end - begin);
}

int CCalendar::FindHolidayRun(std::int64_t from, std::int64_t to, std::int64_t& runStart,
                              std::int64_t& runEnd) const {
    // The days from the day of from while their midnight is not after to: the first holiday
    // among them starts the run, the first working day after it ends the run.
    const std::int64_t first = FirstHolidayFrom(DayNumberOf(from));
    if (first > Days().lastDay || MidnightOfDay(first) > to) {
        return 0;
    }
    const std::int64_t start = MidnightOfDay(first);
    std::int64_t end = MidnightOfDay(FirstWorkingDayFrom(first));
    if (end > to) {
        // The run reaches past to: it is cut there, a one-day run keeping its day.
        end = to;
        if (start == end) {
            end += kDay;
        }
    }
    runStart = start;
    runEnd = end;
    return static_cast<int>((end - start) / kDay);
}

int CCalendar::FindHolidayRun(const CTime& from, const CTime& to, CTime& runStart,
                              CTime& runEnd) const {
    std::int64_t start = runStart.GetTime();
    std::int64_t end = runEnd.GetTime();
    const int length = FindHolidayRun(from.GetTime(), to.GetTime(), start, end);
    runStart = CTime(start);
    runEnd = CTime(end);
    return length;
}

int CCalendar::GetHolidayRun(const CTime& date, CTime& runStart, CTime& runEnd) const {
    const std::int64_t day = DayNumberOf(date.GetTime());
    if (!IsHolidayDay(day)) {
        return 0;
    }
    const std::int64_t first = FirstDayOfRunBefore(day + 1);
    const std::int64_t end = FirstWorkingDayFrom(day);
    runStart = CTime(MidnightOfDay(first));
    runEnd = CTime(MidnightOfDay(end));
    return static_cast<int>(end - first);
}

std::int64_t CCalendar::SkipHolidays(std::int64_t date, std::int64_t limit) const {
    if (!IsHoliday(date)) {
        return date;
    }
    std::int64_t runStart = 0;
    std::int64_t runEnd = date;
    FindHolidayRun(date, limit, runStart, runEnd);
    return runEnd;
}

BOOL CCalendar::InSameHolidayRun(std::int64_t date, int length) const {
    const std::int64_t day = DayNumberOf(date);
    if (!IsHolidayDay(day)) {
        return FALSE;
    }
    // The whole run around the day: the days from it up to the next working day and the days
    // before it back to the previous one.
    const std::int64_t run = FirstWorkingDayFrom(day) - FirstDayOfRunBefore(day + 1);
    return run >= length ? TRUE : FALSE;
}

} // namespace tembra
