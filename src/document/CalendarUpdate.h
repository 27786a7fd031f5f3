// The working calendar of a calendar-day chart taken in as a part of the document: Settings >
// calendar edits a copy of it, and another calendar (the calendar dialog's, File > Insert's)
// replaces it, the processes and events following the days whose kind changed
// (CalendarUpdate.cpp).
//
// A changed day inserts or pulls back a date column through the document's column edits, each
// recorded for undo, so it works on the CTembraDoc that holds it.
#pragma once

#include "model/Calendar.h"
#include "model/DataHeader.h"
#include "platform/CmdUI.h"
#include "platform/Time.h"

#include <cstddef>
#include <vector>

namespace tembra {

class CChartUndo;
class CTembraDoc;

class CCalendarUpdate {
public:
    CCalendarUpdate(CTembraDoc& doc, CChartUndo& undo) : m_doc(doc), m_undo(undo) {}
    CCalendarUpdate(const CCalendarUpdate&) = delete;
    CCalendarUpdate& operator=(const CCalendarUpdate&) = delete;

    // Settings > calendar (calendar days only): the calendar dialog edits a copy of the working
    // calendar from the month of the chart start; on OK the copy is brought in by UpdateCalendar
    // in one undo step (nothing recorded when it is the same).
    void OnCalendar();
    void OnUpdateCalendar(CCmdUI* cmdUI) const;
    // Gives the chart another working calendar: 0 when it equals the current one, else 1. With
    // "HolidayAuto" on and objects in the chart the user is asked first (the automatic-adjustment
    // dialog); on yes every day of the period (the chart's, or every supported date) whose kind
    // changed moves what follows it: a new holiday one day later, a new working day one day
    // earlier (CTembraDoc::PullColumnsEarlier: nothing is deleted). The progress is shown in the
    // status bar.
    int UpdateCalendar(CCalendar& calendar);

private:
    // The day loop of UpdateCalendar.
    void MoveOverChangedDays(const CCalendar& calendar, const CTime& first, const CTime& last);
    // Puts the objects back in the order they had (order: the chart's objects then the selection
    // before the day loop), each as the copy that the undo records since firstRecord put in its
    // place: the day-by-day edits append what they move, and the chart, like an undone update,
    // keeps its order.
    void KeepObjectOrder(const std::vector<CDataHeader*>& order, std::size_t firstRecord);

    CTembraDoc& m_doc;
    CChartUndo& m_undo;
};

} // namespace tembra
