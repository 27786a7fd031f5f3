#include "dialogs/settings/core/CalendarPosition.h"

#include "document/TembraDoc.h"
#include "model/Calendar.h"
#include "model/Utility.h"

#include <algorithm>

namespace tembra {

int StepInRange(int value, int delta, CalendarFieldRange range) {
    return std::clamp(value + delta, range.min, range.max);
}

CalendarSpan SpanBetween(const CTime& base, const CTime& entered, const CCalendar& calendar,
                         bool working) {
    const CTime from = std::max(base, GetMinDate());
    const CTime to = std::min(entered, GetMaxDate());
    const CTimeSpan span = to - from;
    CalendarSpan result;
    result.days = static_cast<int>(span.GetDays());
    result.hours = span.GetHours();
    result.minutes = span.GetMinutes();
    result.holidays = static_cast<int>(calendar.GetHolidayTime(from, to).GetDays());
    if (working) {
        result.days -= result.holidays;
    }
    return result;
}

CTime EnteredFromSpan(const CTime& base, CalendarSpan span, const CCalendar& calendar,
                      SpanEntry entry) {
    if (entry.sameRow && span.days == 0) {
        if (entry.noTimeOfDay) {
            span.days = 1;
        } else if (span.hours == 0 && span.minutes == 0) {
            span.minutes = 1;
        }
    }
    CTimeSpan length(span.days, span.hours, span.minutes, 0);
    if (entry.working) {
        length = calendar.AddWorkTime(base, length);
    }
    return std::clamp(base + length, GetMinDate(), GetMaxDate());
}

const CCalendar& SpanCalendar(CTembraDoc& document) {
    if (document.GetSyokiSet().GetChart().GetKouteiAttr().m_holiday != 0) {
        return document.GetWorkCalendar();
    }
    return document.GetScratchCalendar();
}

} // namespace tembra
