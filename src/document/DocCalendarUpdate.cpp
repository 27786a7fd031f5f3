// Another working calendar for the whole chart (a calendar taken in by File > Insert).
#include "document/TembraDoc.h"

namespace tembra {

namespace {

// The update hint of a changed calendar.
constexpr LPARAM kCalendarHint = 128;

} // namespace

int CTembraDoc::UpdateCalendar(CCalendar& calendar) {
    if (m_calendar.IsSameAs(&calendar)) {
        return 0;
    }
    calendar.CopyTo(&m_calendar);
    UpdateAllViews(nullptr, kCalendarHint);
    return 1;
}

} // namespace tembra
