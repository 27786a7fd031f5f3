#include "model/HensokuScale.h"

#include "model/Calendar.h"
#include "model/Hensoku.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

#include <algorithm>

namespace tembra {

namespace {

std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
    const std::int64_t r = a % b;
    return r < 0 ? r + b : r;
}

// Hour of the day (0..23) of a time in the chart zone.
int HourOf(std::int64_t t) {
    return static_cast<int>(FloorMod(t + kChartZoneOffsetSeconds, 86400) / 3600);
}

// Whether a day (or hour) of the table belongs to a period's class of days.
bool MatchesDayClass(const CHensokuData& period, const CCalendar& calendar, std::int64_t t) {
    switch (period.GetDayClass()) {
    case CHensokuData::kAllDays:
        return true;
    case CHensokuData::kWeekdays:
        return !calendar.IsHoliday(t);
    case CHensokuData::kHolidays:
        return calendar.IsHoliday(t) != FALSE;
    case CHensokuData::kChosenWeekdays: {
        // From the date, not the calendar's flags: a cleared calendar has no weekdays.
        const int weekday = CTime(t).GetDayOfWeek();
        return (period.GetWeekdays() & (1u << (weekday - 1))) != 0;
    }
    default:
        return false;
    }
}

} // namespace

CHensokuScale::CHensokuScale(const CHensokuScale& other) {
    *this = other;
}

CHensokuScale& CHensokuScale::operator=(const CHensokuScale& other) {
    if (this == &other) {
        return *this;
    }
    m_pHensoku = other.m_pHensoku;
    m_start = other.m_start;
    m_end = other.m_end;
    m_hourMode = other.m_hourMode;
    m_count = other.m_count;
    m_prefix = other.m_prefix;
    m_monotone = other.m_monotone;
    m_pEntries.reset();
    if (other.m_pEntries) {
        m_pEntries = std::make_unique<Entry[]>(static_cast<std::size_t>(m_count));
        std::copy_n(other.m_pEntries.get(), m_count, m_pEntries.get());
    }
    return *this;
}

CHensokuScale::~CHensokuScale() = default;

void CHensokuScale::FreeTable() {
    m_pEntries.reset();
    m_count = 0;
    m_prefix.clear();
    m_monotone = true;
}

int CHensokuScale::Build(const CTime& start, const CTime& end, const CCalendar* calendar,
                         const CHensoku* periods) {
    if (periods != nullptr) {
        m_pHensoku = periods;
    }
    FreeTable();
    m_start = start;
    m_end = end;
    m_hourMode = m_pHensoku != nullptr && m_pHensoku->IsHourMode();

    if (m_pHensoku == nullptr || m_pHensoku->GetDataCount() == 0 || calendar == nullptr) {
        return 0;
    }

    const std::int64_t span = (end - start).GetTimeSpan();
    if (span < 0) {
        return 0; // an end before the start has no days
    }
    const std::int64_t count = m_hourMode ? span / 3600 + 24 : span / 86400 + 1;
    if (count > kMaxEntries) {
        AfxMessageBox(
            Sjis::FromUtf8("変則期間を有効にするには、\n期間日数を4000日以内にしてください"));
        return 0;
    }

    m_count = static_cast<int>(count);
    m_pEntries = std::make_unique<Entry[]>(static_cast<std::size_t>(m_count));

    const auto& list = m_pHensoku->GetActiveList();
    const bool lastToFirst = m_pHensoku->m_precedence != 0;
    const std::int64_t t0 = start.GetTime();
    const std::int64_t t1 = end.GetTime();
    bool changed = false;

    for (std::size_t k = 0; k < list.size(); ++k) {
        const CHensokuData& period = *list[lastToFirst ? list.size() - 1 - k : k];
        const Entry value{period.GetFactor(), period.GetDateColumn(), period.GetRuledLine()};

        if (!m_hourMode) {
            std::int64_t from = t0;
            std::int64_t to = t1;
            if (period.GetRangeKind() != 0) {
                from = std::max<std::int64_t>(period.GetStart(), t0);
                to = std::min<std::int64_t>(period.GetEnd(), t1);
            }
            for (std::int64_t d = from; d <= to; d += 86400) {
                if (MatchesDayClass(period, *calendar, d)) {
                    m_pEntries[static_cast<std::size_t>((d - t0) / 86400)] = value;
                    changed = true;
                }
            }
        } else {
            const int h0 = period.GetStartHour();
            const int h1 = period.GetEndHour();
            for (std::int64_t t = t0; t <= t1; t += 3600) {
                const int h = HourOf(t);
                // An end before the start is a range across midnight.
                const bool inRange = h1 >= h0 ? (h0 <= h && h < h1) : (h >= h0 || h < h1);
                if (inRange && MatchesDayClass(period, *calendar, t)) {
                    m_pEntries[static_cast<std::size_t>((t - t0) / 3600)] = value;
                    changed = true;
                }
            }
        }
    }

    if (!changed) {
        FreeTable();
        return 0;
    }

    m_prefix.resize(static_cast<std::size_t>(m_count) + 1);
    m_prefix[0] = 0.0;
    for (int i = 0; i < m_count; ++i) {
        m_prefix[static_cast<std::size_t>(i) + 1] =
            m_prefix[static_cast<std::size_t>(i)] + m_pEntries[static_cast<std::size_t>(i)].factor;
        m_monotone = m_monotone && m_pEntries[static_cast<std::size_t>(i)].factor >= 0.0;
    }

    // The page divides its width by the scaled length of the period: a period that the
    // factors leave without width (every factor 0) is drawn on the linear axis instead.
    if (!(DateToUnits(end) > 0.0)) {
        FreeTable();
        return 0;
    }
    return 1;
}

int CHensokuScale::Rebuild(const CCalendar* calendar) {
    const CTime start = m_start;
    const CTime end = m_end;
    return Build(start, end, calendar, nullptr);
}

int CHensokuScale::IndexOf(const CTime& time) const {
    if (!m_pEntries || time < m_start || time > m_end) {
        return -1;
    }
    const std::int64_t index = (time - m_start).GetTimeSpan() / UnitSeconds();
    return index < m_count ? static_cast<int>(index) : -1;
}

double CHensokuScale::GetFactor(const CTime& time) const {
    const int index = IndexOf(time);
    if (index < 0) {
        return m_hourMode ? 24.0 : 1.0;
    }
    return m_pEntries[static_cast<std::size_t>(index)].factor;
}

double CHensokuScale::GetSpanWidth(const CTime& from, const CTime& to) const {
    if (to <= from) {
        return 0.0;
    }
    const std::int64_t step = UnitSeconds();
    const double outside = m_hourMode ? 24.0 : 1.0;
    const std::int64_t a = from.GetTime();
    const std::int64_t steps = ((to.GetTime() - a) + step - 1) / step;
    if (!m_pEntries) {
        return static_cast<double>(steps) * outside;
    }
    // The steps before and after the table all have the outside factor: only the steps inside
    // it are walked.
    std::int64_t k = 0;
    double sum = 0.0;
    if (a < m_start.GetTime()) {
        k = std::min(steps, (m_start.GetTime() - a + step - 1) / step);
        sum += static_cast<double>(k) * outside;
    }
    for (; k < steps; ++k) {
        const std::int64_t t = a + k * step;
        if (t > m_end.GetTime()) {
            break;
        }
        sum += GetFactor(CTime(t));
    }
    sum += static_cast<double>(steps - k) * outside;
    return sum;
}

double CHensokuScale::DateToUnits(const CTime& time) const {
    const std::int64_t span = (time - m_start).GetTimeSpan();
    const std::int64_t n = span / UnitSeconds();
    double units = 0.0;
    if (m_pEntries && n > 0) {
        // Days beyond the table count 1.0 each.
        units = n <= m_count ? m_prefix[static_cast<std::size_t>(n)]
                             : m_prefix[static_cast<std::size_t>(m_count)] +
                                   static_cast<double>(n - m_count);
    } else {
        units = static_cast<double>(n);
    }
    if (m_hourMode) {
        units /= 24.0;
        const std::int64_t minutes = (span % 3600) / 60;
        if (minutes != 0) {
            if (m_pEntries && n >= 0 && n < m_count) {
                units += static_cast<double>(minutes) *
                         m_pEntries[static_cast<std::size_t>(n)].factor / 1440.0;
            } else {
                units += static_cast<double>(minutes) / 1440.0;
            }
        }
    }
    return units;
}

double CHensokuScale::UnitsToDate(double units) const {
    if (!m_pEntries || units <= 0.0) {
        // Linear: no table, or before the start of the axis.
        return units;
    }
    const double x = m_hourMode ? units * 24.0 : units;
    const double total = m_prefix[static_cast<std::size_t>(m_count)];
    double position = 0.0;
    if (!(x <= total)) {
        // Beyond the table every day (hour) counts 1.0, as DateToUnits counts it.
        position = static_cast<double>(m_count) + (x - total);
    } else {
        // The first entry i whose end (the sum including it) reaches x.
        int i = 0;
        if (m_monotone) {
            const auto it = std::lower_bound(m_prefix.begin() + 1, m_prefix.end(), x);
            i = static_cast<int>(it - (m_prefix.begin() + 1));
        } else {
            while (i < m_count - 1 && m_prefix[static_cast<std::size_t>(i) + 1] < x) {
                ++i;
            }
        }
        const double f = m_pEntries[static_cast<std::size_t>(i)].factor;
        const double fraction = f != 0.0 ? (x - m_prefix[static_cast<std::size_t>(i)]) / f : 0.0;
        position = static_cast<double>(i) + fraction;
    }
    return m_hourMode ? position / 24.0 : position;
}

short CHensokuScale::GetDayFlag(const CTime& time) const {
    const int index = IndexOf(time);
    return index < 0 ? short{0} : m_pEntries[static_cast<std::size_t>(index)].dateColumn;
}

short CHensokuScale::GetDayGroup(const CTime& time) const {
    const int index = IndexOf(time);
    return index < 0 ? short{-1} : m_pEntries[static_cast<std::size_t>(index)].ruledLine;
}

} // namespace tembra
