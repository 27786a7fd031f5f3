#include "document/DayCounting.h"

#include "model/Calendar.h"
#include "model/Koutei.h"
#include "model/Utility.h"

#include <algorithm>
#include <cmath>

namespace tembra {

namespace {

CTime WithinSupportedDates(const CTime& date) {
    return std::clamp(date, GetMinDate(), GetMaxDate());
}

bool CountsWorkingDays(const CKoutei& process) {
    return process.GetLines()->GetAttr().GetHoliday() != 0;
}

} // namespace

DayCounting::DayCounting(Target target, const CCalendar* holidays, const CTime& calendarBase,
                         const CTime& elapsedBase, double factor)
    : m_target(target), m_holidays(holidays), m_calendarBase(calendarBase),
      m_elapsedBase(elapsedBase), m_factor(factor) {}

const CCalendar* DayCounting::TargetHolidays() const {
    return m_target == Target::kCalendar ? m_holidays : nullptr;
}

CTimeSpan DayCounting::Scaled(const CTimeSpan& span) const {
    return ScaleSpan(span, std::fabs(m_factor), m_factor < 0.0 ? FALSE : TRUE);
}

CTime DayCounting::Convert(const CTime& date, Edge edge) const {
    CTimeSpan offset;
    if (m_target == Target::kElapsed) {
        offset = date - m_calendarBase;
        if (m_holidays != nullptr) {
            offset -= m_holidays->GetHolidayTime(m_calendarBase, date);
        }
    } else {
        offset = date - m_elapsedBase;
    }
    return TargetAt(offset, edge);
}

CTime DayCounting::TargetAt(const CTimeSpan& sourceOffset, Edge edge) const {
    const CTimeSpan offset = Scaled(sourceOffset);
    if (m_target == Target::kElapsed) {
        return WithinSupportedDates(m_elapsedBase + offset);
    }
    const CCalendar* holidays = m_holidays;
    if (holidays == nullptr) {
        return WithinSupportedDates(m_calendarBase + offset);
    }
    // The working time reached, and past the holidays there to the next working day.
    CTime date =
        WithinSupportedDates(m_calendarBase + holidays->AddWorkTime(m_calendarBase, offset));
    date =
        WithinSupportedDates(CTime(holidays->SkipHolidays(date.GetTime(), GetMaxDate().GetTime())));
    if (edge == Edge::kEnd) {
        // An end that the holidays just before it do not need stays where the working time ends.
        CTime runStart;
        CTime runEnd;
        if (holidays->GetHolidayRun(date - CTimeSpan(1), runStart, runEnd) > 0 && runEnd == date) {
            date = runStart;
        }
    }
    return date;
}

void DayCounting::Redate(CKoutei& process) const {
    const CTimeSpan startOffset = process.GetStartOffset();
    const CTimeSpan endOffset = startOffset + process.GetDuration();
    const CTime start = TargetAt(startOffset, Edge::kStart);
    CTime end;
    if (m_target == Target::kCalendar && !CountsWorkingDays(process)) {
        end = WithinSupportedDates(start + (Scaled(endOffset) - Scaled(startOffset)));
    } else {
        end = TargetAt(endOffset, Edge::kStart);
    }
    process.SetStartDate(start);
    process.SetEndDate(end);
}

CTimeSpan DayCounting::LengthOf(const CTime& start, const CTime& end, bool workingDays) const {
    const CCalendar* holidays = TargetHolidays();
    if (holidays != nullptr && workingDays) {
        return (end - start) - holidays->GetHolidayTime(start, end);
    }
    return end - start;
}

CTime DayCounting::EndOf(const CTime& start, const CTimeSpan& length, bool workingDays) const {
    const CCalendar* holidays = TargetHolidays();
    if (holidays != nullptr && workingDays) {
        const CTime reached = WithinSupportedDates(start + holidays->AddWorkTime(start, length));
        return WithinSupportedDates(
            CTime(holidays->SkipHolidays(reached.GetTime(), GetMaxDate().GetTime())));
    }
    return WithinSupportedDates(start + length);
}

} // namespace tembra
