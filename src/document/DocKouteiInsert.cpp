// The objects held in the application's clipboard put into the chart as a block: each kind
// (processes, events, shapes) moved by its own extent so that it starts inside the target's period
// and rows, copied with new process numbers and selected.
#include "document/AppState.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/Utility.h"
#include "shapes/Zukei.h"

#include <algorithm>
#include <cmath>

namespace tembra {

namespace {

constexpr UINT IDS_SHAPES_KEPT_WITHOUT_SETTINGS = 5127;
constexpr UINT IDS_SHAPES_KEPT_OTHER_PAPER = 5125;

// The first date and the top row of a kind of object.
struct Extent {
    bool any = false;
    CTime start;
    double top = 0;

    void Add(const CTime& date, double row) {
        if (!any || date < start) {
            start = date;
        }
        if (!any || row < top) {
            top = row;
        }
        any = true;
    }
};

// How far a kind moves: nothing when it already starts inside the target, else to its start.
struct Offset {
    CTimeSpan span;
    double rows = 0;
};

Offset OffsetInto(const Extent& extent, const CChartPos& target, bool hasTarget) {
    Offset offset;
    if (!hasTarget || !extent.any) {
        return offset;
    }
    const CTime first = target.GetStartDate();
    const CTime last = target.GetEndDate();
    if (extent.start < first || extent.start > last) {
        offset.span = first - extent.start;
    }
    const double top = target.GetStartRow();
    const double bottom = target.GetEndRow();
    if (extent.top < top || extent.top > bottom) {
        offset.rows = top - extent.top;
    }
    return offset;
}

} // namespace

POSITION CTembraDoc::InsertKouteiBlock(CChartPos target, CTime baseDate, BOOL recordUndo) {
    static_cast<void>(baseDate);
    CAppState* app = GetAppState();
    UnselectAll(TRUE);
    const bool hasTarget = target.GetStartDateValue() != 0 || target.GetEndDateValue() != 0 ||
                           target.GetStartRow() != 0 || target.GetEndRow() != 0;

    Extent processes;
    Extent events;
    Extent shapes;
    bool anyProcess = false;
    const ObList<CDataHeader>& clipboard = app->GetObjectClipboard();
    for (POSITION pos = clipboard.GetHeadPosition(); pos != nullptr;) {
        CDataHeader* object = clipboard.GetNext(pos);
        if (const CKoutei* process = AsKoutei(object)) {
            processes.Add(process->GetStartTime(),
                          std::min<int>(process->GetStartRow(), process->GetEndRow()));
            anyProcess = true;
        } else if (const CEvent* event = AsEvent(object)) {
            events.Add(event->GetStartDate(), event->GetStartRow());
        }
    }
    const ObList<CDataHeader>& held = app->GetZukeiClipboard();
    for (POSITION pos = held.GetHeadPosition(); pos != nullptr;) {
        if (const auto* shape = DynamicDowncast<CZukei>(held.GetNext(pos))) {
            shapes.Add(shape->GetStartDate(0), shape->GetTopRow(0));
        }
    }
    if (!hasTarget && !held.IsEmpty()) {
        if (m_nZukeiPlacement == 1) {
            AfxMessageBox(IDS_SHAPES_KEPT_WITHOUT_SETTINGS, MB_OK | MB_ICONINFORMATION);
        } else if (m_nZukeiPlacement == 2) {
            AfxMessageBox(IDS_SHAPES_KEPT_OTHER_PAPER, MB_OK | MB_ICONINFORMATION);
        }
    }
    const Offset processOffset = OffsetInto(processes, target, hasTarget);
    const Offset eventOffset = OffsetInto(events, target, hasTarget);
    const Offset shapeOffset = OffsetInto(shapes, target, hasTarget);
    const bool remap = anyProcess && MergeShigenNames() != 0;

    POSITION last = nullptr;
    for (POSITION pos = clipboard.GetHeadPosition(); pos != nullptr;) {
        CDataHeader* object = clipboard.GetNext(pos);
        if (const CKoutei* process = AsKoutei(object)) {
            // A point is no process.
            if (process->GetStartTime() == process->GetEndTime() &&
                process->GetStartRow() == process->GetEndRow()) {
                continue;
            }
            std::unique_ptr<CKoutei> copy = CopyKoutei(process, FALSE);
            if (copy == nullptr) {
                continue;
            }
            copy->Select();
            // The offset is a plain span of the calendar: the block moves by it as a whole.
            copy->MoveBy(&m_seams.Koutei(), processOffset.span,
                         static_cast<int>(processOffset.rows), nullptr, FALSE, TRUE, FALSE);
            if (remap) {
                copy->GetShigen()->RemapNumbers(app->GetShigenNameClipboard());
            }
            CKoutei* added = copy.release();
            last = AddSel(added);
            if (recordUndo) {
                m_undo.AddNew(static_cast<CObject*>(added));
            }
        } else if (const CEvent* event = AsEvent(object)) {
            std::unique_ptr<CEvent> copy = CopyEvent(*event);
            if (copy == nullptr) {
                continue;
            }
            copy->Offset(eventOffset.span, static_cast<int>(eventOffset.rows));
            copy->Select();
            CEvent* added = copy.release();
            last = AddSel(added);
            if (recordUndo) {
                m_undo.AddNew(static_cast<CObject*>(added));
            }
        }
    }
    for (POSITION pos = held.GetHeadPosition(); pos != nullptr;) {
        auto* shape = DynamicDowncast<CZukei>(held.GetNext(pos));
        if (shape == nullptr) {
            continue;
        }
        if (m_nZukeiPlacement != -1) {
            shape->SetPointMode(0);
            shape->ResetOffsets();
        }
        std::unique_ptr<CZukei> clone = shape->Clone();
        if (clone == nullptr) {
            continue;
        }
        // No shape goes above the first row.
        double rows = shapeOffset.rows;
        if (clone->GetTopRow(0) + rows < 0) {
            rows = -clone->GetTopRow(0);
        }
        clone->MoveBy(shapeOffset.span, rows);
        CZukei* added = clone.release();
        const POSITION at = AddZukei(added, TRUE);
        SelectZukeiAt(at);
        last = at;
        if (recordUndo) {
            m_undo.AddNew(static_cast<CObject*>(added));
        }
    }
    return last;
}

} // namespace tembra
