// The working calendar of a calendar-day chart: Settings > calendar, and another calendar taken
// in (the calendar dialog, File > Insert) with the processes following the days whose kind
// changed.
#include "document/CalendarUpdate.h"
#include "document/ChartUndo.h"
#include "document/TembraDoc.h"
#include "model/CalendarRequests.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

#include <cstdio>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace tembra {

namespace {

// The update hint of a changed calendar.
constexpr LPARAM kCalendarHint = 128;

// The day flags this update acts on: a working day (none, or a rule holiday the user made one)
// and a holiday (by the rules, or by the user).
bool IsWorkingDayFlag(BYTE flag) {
    return flag == 0 || flag == 48;
}
bool IsHolidayFlag(BYTE flag) {
    return flag == 16 || flag == 32;
}

// How far the day is through the period, in whole percent; a period without length is done.
int PercentDone(const CTime& day, const CTime& first, const CTime& last) {
    const double total = static_cast<double>((last - first).GetTotalSeconds());
    if (total <= 0.0) {
        return 100;
    }
    return static_cast<int>(static_cast<double>((day - first).GetTotalSeconds()) / total * 100.0);
}

} // namespace

void CCalendarUpdate::OnCalendar() {
    if (m_doc.GetSyokiSet().GetNobeMode() != 0) {
        return;
    }
    CCalendar edited;
    m_doc.GetWorkCalendar().CopyTo(&edited);
    CalendarSetRequest request;
    request.calendar = &edited;
    const CTime start = m_doc.GetSyokiSet().GetStartDate();
    request.year = start.GetYear();
    request.month = start.GetMonth();
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    m_undo.Reset();
    m_undo.BeginGroup();
    auto before = std::make_unique<CCalendar>();
    m_doc.GetWorkCalendar().CopyTo(before.get());
    if (UpdateCalendar(edited) != 0) {
        m_undo.AddOther(before.release());
        m_doc.UpdateAllViews(nullptr, 0);
    }
    m_undo.EndGroup();
}

void CCalendarUpdate::OnUpdateCalendar(CCmdUI* cmdUI) const {
    cmdUI->Enable(m_doc.GetSyokiSet().GetNobeMode() == 0 ? TRUE : FALSE);
}

int CCalendarUpdate::UpdateCalendar(CCalendar& calendar) {
    if (m_doc.GetWorkCalendar().IsSameAs(&calendar)) {
        return 0;
    }
    const bool holdsObjects = !m_doc.GetObjList().IsEmpty() || !m_doc.GetSelList().IsEmpty();
    if (m_doc.GetOperation().GetHolidayAuto() != 0 && holdsObjects) {
        AutoAdjustRequest request;
        if (Ui().RunDialog(request) == IDOK) {
            std::vector<CDataHeader*> order;
            for (const OwnedObList<CDataHeader>* list :
                 {&m_doc.GetObjList(), &m_doc.GetSelList()}) {
                for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
                    order.push_back(list->GetNext(pos));
                }
            }
            const std::size_t firstRecord = m_undo.GetUndoList().size();
            if (request.limitToPeriod) {
                MoveOverChangedDays(calendar, m_doc.GetSyokiSet().GetStartDate(),
                                    m_doc.GetSyokiSet().GetEndDate());
            } else {
                MoveOverChangedDays(calendar, GetMinDate(), GetMaxDate());
            }
            KeepObjectOrder(order, firstRecord);
        }
    }
    calendar.CopyTo(&m_doc.GetWorkCalendar());
    m_doc.UpdateAllViews(nullptr, kCalendarHint);
    return 1;
}

void CCalendarUpdate::MoveOverChangedDays(const CCalendar& calendar, const CTime& first,
                                          const CTime& last) {
    CWaitCursor wait;
    CStatusTextScope status; // the progress goes when the work ends
    const CTimeSpan oneDay(1, 0, 0, 0);
    for (CTime day = first; day <= last; day += oneDay) {
        char text[64];
        std::snprintf(text, sizeof text, "%s%d%%%s",
                      Sjis::FromUtf8("カレンダー更新中...( ").c_str(),
                      PercentDone(day, first, last), " )");
        Ui().SetStatusText(text);
        const BYTE now = m_doc.GetWorkCalendar().GetDayFlag(day.GetTime());
        const BYTE wanted = calendar.GetDayFlag(day.GetTime());
        // Only a day that turns from a working day into a holiday, or back, moves what follows
        // it. A day that keeps its kind under another flag (a rule holiday the user made a
        // working day, back to a plain working day) moves nothing: step 3 takes its flag over.
        // Each column edit sees the days before it already in their new state. A new holiday
        // is made after its insertion, which counts the day as the working day it was (with
        // "HolidayAuto" the insertion leaves out the holidays it spans).
        if (IsHolidayFlag(wanted) && !IsHolidayFlag(now)) {
            m_doc.InsertColumns(day, day + oneDay, KouteiMoveCaller::Columns);
            m_doc.GetWorkCalendar().SetDayFlag(day.GetTime(), wanted);
        } else if (IsWorkingDayFlag(wanted) && IsHolidayFlag(now)) {
            m_doc.GetWorkCalendar().SetDayFlag(day.GetTime(), wanted);
            m_doc.PullColumnsEarlier(day, day + oneDay, KouteiMoveCaller::Columns);
        }
    }
}

void CCalendarUpdate::KeepObjectOrder(const std::vector<CDataHeader*>& order,
                                      std::size_t firstRecord) {
    // Each record since firstRecord put a changed copy in the place of an object.
    std::unordered_map<const CObject*, CDataHeader*> replacedBy;
    const auto& records = m_undo.GetUndoList();
    for (std::size_t i = firstRecord; i < records.size(); ++i) {
        if (auto* copy = dynamic_cast<CDataHeader*>(records[i].GetNew());
            copy != nullptr && records[i].GetOld() != nullptr) {
            replacedBy[records[i].GetOld()] = copy;
        }
    }
    OwnedObList<CDataHeader>& objects = m_doc.GetObjList();
    std::unordered_set<const CDataHeader*> listed;
    for (POSITION pos = objects.GetHeadPosition(); pos != nullptr;) {
        listed.insert(objects.GetNext(pos));
    }
    std::vector<CDataHeader*> sorted;
    sorted.reserve(listed.size());
    std::unordered_set<const CDataHeader*> placed;
    for (CDataHeader* object : order) {
        for (auto it = replacedBy.find(object); it != replacedBy.end();
             it = replacedBy.find(object)) {
            object = it->second;
        }
        if (listed.count(object) != 0 && placed.insert(object).second) {
            sorted.push_back(object);
        }
    }
    for (POSITION pos = objects.GetHeadPosition(); pos != nullptr;) {
        CDataHeader* object = objects.GetNext(pos);
        if (placed.insert(object).second) {
            sorted.push_back(object);
        }
    }
    objects.RemoveAll();
    for (CDataHeader* object : sorted) {
        objects.AddTail(object);
    }
}

} // namespace tembra
