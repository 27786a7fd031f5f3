// The calendar's file window follows the dates of the chart: the file keeps 30 years of the
// calendar, so a chart is written with the window that holds everything it dates.
#include "document/TembraDoc.h"

#include "model/Calendar.h"
#include "model/Shincyoku.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <algorithm>

namespace tembra {

namespace {

// "The calendar holds 30 years: a chart dated %1 .. %2 cannot be saved."
constexpr UINT IDS_CALENDAR_SPAN_TOO_LONG = 5912;

// The objects GetObjectsExtent measures: the chart's own, selected or not.
constexpr ObjectSets kExtentAllObjects = ObjectSets::Unselected | ObjectSets::Selection;

} // namespace

BOOL CTembraDoc::FitCalendarWindow(BOOL tell) {
    CTime earliest = m_syokiSet.GetStartDate();
    CTime latest = m_syokiSet.GetEndDate();
    if (latest < earliest) {
        std::swap(earliest, latest);
    }
    const auto take = [&](const CTime& date) {
        // A date of no day (an unset point) holds no day of the calendar either.
        if (date < GetMinDate() || date > GetMaxDate() + CTimeSpan(1, 0, 0, 0)) {
            return;
        }
        earliest = std::min(earliest, date);
        latest = std::max(latest, date);
    };
    const CChartPos objects = GetObjectsExtent(kExtentAllObjects, FALSE);
    if (!(objects.GetEndDate() < objects.GetStartDate())) {
        take(objects.GetStartDate());
        take(objects.GetEndDate());
    }
    for (POSITION pos = m_progressLines.GetHeadShincyokuPosition(); pos != nullptr;) {
        const CShincyoku* line = m_progressLines.GetNextShincyoku(pos);
        if (line == nullptr) {
            continue;
        }
        take(line->GetDate());
        for (int row = 0; row < line->GetPointCount(); ++row) {
            if (const CShinPoint* point = line->GetPoint(row)) {
                take(point->GetDate());
            }
        }
    }

    CTime first;
    CTime last;
    if (m_calendar.FitWindow(earliest, latest, first, last)) {
        return TRUE;
    }
    if (tell) {
        Ui().MessageBox(FormatString(LoadString(IDS_CALENDAR_SPAN_TOO_LONG),
                                     {first.Format("%Y/%m/%d"), last.Format("%Y/%m/%d")}),
                        MB_OK | MB_ICONEXCLAMATION, IDS_CALENDAR_SPAN_TOO_LONG);
    }
    return FALSE;
}

} // namespace tembra
