#include "dialogs/attributes/core/ChangeDaysMath.h"

#include "model/Utility.h"

#include <algorithm>

namespace tembra {

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

} // namespace

void ChangeDaysValues::SetEnd(const CTime& end) {
    year = end.GetYear();
    month = end.GetMonth();
    day = end.GetDay();
    hour = end.GetHour();
    minute = end.GetMinute();
}

void ChangeDaysValues::SetDuration(const CTimeSpan& span) {
    days = static_cast<int>(span.GetDays());
    hours = span.GetHours();
    minutes = span.GetMinutes();
}

CTime ClampToSupported(const CTime& date) {
    return std::clamp(date, GetMinDate(), GetMaxDate());
}

CTimeSpan ChangeDaysMath::HolidayTime(const CTime& a, const CTime& b) const {
    return m_calendar != nullptr ? m_calendar->GetHolidayTime(a, b) : CTimeSpan();
}

CTimeSpan ChangeDaysMath::AddWork(const CTime& start, const CTimeSpan& work) const {
    return m_calendar != nullptr ? m_calendar->AddWorkTime(start, work) : work;
}

void ChangeDaysMath::Fill(ChangeDaysValues& values) const {
    const CTime start = m_koutei.GetStartTime();
    const CTimeSpan spare = m_koutei.GetSpareDays();
    const CTimeSpan working = m_koutei.GetDuration() - spare;
    // With spare days the end shown is where the working days end; without, the process's own
    // end, whose span the elapsed count then shows.
    const bool spared = spare != CTimeSpan();
    const CTime end = spared ? start + AddWork(start, working) : m_koutei.GetEndTime();
    const CTimeSpan elapsed = end - start;
    values.SetEnd(end);
    values.SetDuration(values.countMode == ChangeDaysValues::kWorking ? working : elapsed);
    values.spareDays = static_cast<int>(spare.GetDays());
}

bool ChangeDaysMath::DurationFromEnd(ChangeDaysValues& values) const {
    CTime start = m_koutei.GetStartTime();
    const int firstYear = GetMinDate().GetYear();
    if (start.GetYear() < firstYear) {
        start =
            CTime(firstYear, start.GetMonth(), start.GetDay(), start.GetHour(), start.GetMinute());
    }
    values.year = std::min(values.year, GetMaxDate().GetYear());
    CTime end = values.End();
    if (start > end) {
        Fill(values);
        return false;
    }
    end = ClampToSupported(end);
    values.SetEnd(end);
    const CTimeSpan elapsed = end - start;
    const CTimeSpan working = elapsed - HolidayTime(start, end);
    values.SetDuration(values.countMode == ChangeDaysValues::kWorking ? working : elapsed);
    const int spare = static_cast<int>(m_koutei.CalcSpan(m_calendar).GetDays() - working.GetDays());
    if (values.spareSwitch) {
        values.spareDays = spare;
    } else if (end < m_koutei.GetEndTime()) {
        if (m_koutei.GetSpareDays() != CTimeSpan()) {
            values.spareDays = std::max(spare, 0);
        }
    } else {
        values.spareDays = 0;
    }
    return true;
}

void ChangeDaysMath::EndFromDuration(ChangeDaysValues& values) const {
    const bool oneRow = m_koutei.GetStartRow() == m_koutei.GetEndRow();
    if (oneRow && m_daysOnly && values.days + values.spareDays == 0) {
        values.days = 1;
    } else if (oneRow && !m_daysOnly && values.days == 0 && values.hours == 0 &&
               values.minutes == 0) {
        // A process on one row needs some length: the shortest the fields can give.
        values.minutes = 1;
    }
    const CTime start = m_koutei.GetStartTime();
    CTimeSpan span = values.Duration();
    if (values.countMode == ChangeDaysValues::kWorking) {
        span = AddWork(start, span);
    }
    values.SetEnd(ClampToSupported(start + span));
    DurationFromEnd(values);
}

void ChangeDaysMath::StepEnd(ChangeDaysValues& values, int field, int step) const {
    switch (field) {
    case kYear:
    case kMonth: {
        int year = values.year;
        int month = values.month;
        if (field == kYear) {
            year += step;
        } else {
            month += step;
            if (month > 12) {
                month = 1;
                values.day = 31;
                ++year;
            } else if (month < 1) {
                month = 12;
                values.day = 31;
                --year;
            }
        }
        values.year = std::clamp(year, GetMinDate().GetYear(), GetMaxDate().GetYear());
        values.month = month;
        // The day stays inside its month: 31 January one month on is the last of February.
        values.day = std::clamp(values.day, 1, CivilDate::DaysInMonth(values.year, values.month));
        break;
    }
    default: {
        const std::int64_t unit = field == kDay ? kDaySeconds : field == kHour ? 3600 : 60;
        const CTime moved = values.End() + CTimeSpan(unit * step);
        if ((step > 0 && moved > GetMaxDate()) || (step < 0 && moved < GetMinDate())) {
            return;
        }
        values.SetEnd(moved);
        break;
    }
    }
    DurationFromEnd(values);
}

int ChangeDaysMath::Accept(const ChangeDaysValues& values, CKoutei& target, bool& shortened) const {
    shortened = false;
    const CTime start = m_koutei.GetStartTime();
    CTime end = values.End();
    CTimeSpan working = (end - start) - HolidayTime(start, end);
    const CTimeSpan spare(values.spareDays, 0, 0, 0);
    if (values.spareDays > 0 && start <= end) {
        // The spare days follow the working span over the same calendar.
        end = ClampToSupported(start + AddWork(start, working + spare));
    }
    if (start > end) {
        return 5074;
    }
    if (start == end && m_koutei.GetStartRow() == m_koutei.GetEndRow()) {
        return 5045;
    }
    if (spare < m_koutei.GetSpareDays() && end < m_koutei.GetEndTime()) {
        shortened = true;
        end = m_koutei.GetEndTime();
    }
    target.SetEndDate(end);
    target.SetSpareDays(spare);
    target.SetDuration((end - start) - HolidayTime(start, end));
    return 0;
}

int ElapsedMonthDays(const CTimeSpan& monthSpan) {
    const std::int64_t days = monthSpan.GetDays();
    return days < 1 ? 30 : static_cast<int>(days);
}

ElapsedEnd ToElapsedEnd(const CTime& end, const CTime& base, int monthDays) {
    const std::int64_t d = FloorDiv((end - base).GetTimeSpan(), kDaySeconds);
    ElapsedEnd result;
    result.month = static_cast<int>(FloorDiv(d, monthDays)) + 1;
    result.day = static_cast<int>(d - FloorDiv(d, monthDays) * monthDays) + 1;
    return result;
}

CTime FromElapsedEnd(const ElapsedEnd& end, const CTime& base, int monthDays) {
    const std::int64_t d = static_cast<std::int64_t>(end.month - 1) * monthDays + (end.day - 1);
    const CTime day = base + CTimeSpan(d * kDaySeconds);
    return CTime(day.GetYear(), day.GetMonth(), day.GetDay());
}

} // namespace tembra
