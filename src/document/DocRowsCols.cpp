// Deleting and inserting chart rows and date columns for the processes and events: what lies in
// the deleted rows or dates goes, processes reaching into a deleted period are cut at its edge,
// and everything behind the edit moves by the rows or the period. Each edit is one undo step and
// ends with nothing selected.
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/KouteiDrag.h"
#include "model/OperationState.h"

#include <limits>

namespace tembra {

namespace {

constexpr int kMoveOperation = COperationState::kOpMove;
constexpr int kMaxRow = 9999;

// No bound (SelectInArea): a negative first bound counts as 0, a negative last one as none.
constexpr int kOpenRow = -1;
constexpr std::int64_t kOpenDate = -1;

// The record of a move of what lies behind a column edit: a node at the end of the period is
// pinned and lands on its start by the plain shift.
CKouteiDrag PeriodEndPinned(const CTime& dateTo) {
    CKouteiDrag reference;
    reference.startDate = dateTo;
    reference.endDate = dateTo;
    reference.startRow = 0;
    reference.endRow = kMaxRow;
    reference.startPinned = true;
    return reference;
}

bool IsPoint(const CKoutei& process) {
    return process.GetStartTime() == process.GetEndTime() &&
           process.GetStartRow() == process.GetEndRow();
}

// The undo group of one edit: the history is emptied first, and the moves inside, which empty it
// themselves, add to it instead.
class EditStep {
public:
    explicit EditStep(CChartUndo& undo) : m_undo(undo) {
        m_undo.Reset();
        m_undo.BeginGroup();
    }
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;
    ~EditStep() { m_undo.EndGroup(); }

private:
    CChartUndo& m_undo;
};

} // namespace

// ---- Rows ---------------------------------------------------------------------------------------

int CTembraDoc::DeleteRowObjects(int firstRow, int lastRow) {
    UnselectAll(TRUE);
    if (SelectInArea(kOpenDate, firstRow, kOpenDate, lastRow, FALSE) == 0) {
        return 0;
    }
    m_undo.Reset();
    DeleteSelection();
    UnselectAll(TRUE);
    return 1;
}

int CTembraDoc::DeleteRows(int firstRow, int lastRow) {
    UnselectAll(TRUE);
    if (GetObjList().IsEmpty()) {
        return 0;
    }
    const EditStep step(m_undo);
    SelectInArea(kOpenDate, firstRow, kOpenDate, lastRow, FALSE);
    ForEachSelected([this](POSITION pos, CDataHeader* object) {
        if (CKoutei* process = AsKoutei(object)) {
            if (process->IsStartLandSelected() != 0 || process->IsEndLandSelected() != 0) {
                process->Select(); // it goes whole
                DeleteSelAt(pos);
            }
        } else if (AsEvent(object) != nullptr) {
            DeleteSelAt(pos);
        }
    });
    UnselectAll(TRUE);

    SelectInArea(kOpenDate, lastRow, kOpenDate, kOpenRow, FALSE);
    AdjustBendRows(-1, firstRow, lastRow);
    UnselectAll(TRUE);

    const int rows = firstRow - lastRow - 1;
    if (SelectInArea(kOpenDate, lastRow + 1, kOpenDate, kOpenRow, FALSE) != 0) {
        MoveKoutei(CTimeSpan(), rows, kMoveOperation, nullptr, FALSE, KouteiMoveCaller::Drag);
        GetEvents().OffsetSelectedEvents(CTimeSpan(), rows, kMoveOperation);
    }
    UnselectAll(TRUE);
    return 1;
}

int CTembraDoc::InsertRows(int row, int lastRow) {
    UnselectAll(TRUE);
    const int held = GetObjList().IsEmpty() ? 0 : 1;
    if (SelectInArea(kOpenDate, row, kOpenDate, kOpenRow, FALSE) != 0) {
        const EditStep step(m_undo);
        const int rows = lastRow - row + 1;
        AdjustBendRows(1, row, lastRow);
        MoveKoutei(CTimeSpan(), rows, kMoveOperation, nullptr, FALSE, KouteiMoveCaller::Drag);
        GetEvents().OffsetSelectedEvents(CTimeSpan(), rows, kMoveOperation);
    }
    UnselectAll(TRUE);
    return held;
}

int CTembraDoc::MoveRowRange(int firstRow, int lastRow, int rows, int operation) {
    UnselectAll(TRUE);
    const int held = GetObjList().IsEmpty() ? 0 : 1;
    if (SelectInArea(kOpenDate, firstRow, kOpenDate, lastRow, FALSE) != 0) {
        const EditStep step(m_undo);
        MoveKoutei(CTimeSpan(), rows, operation, nullptr, FALSE, KouteiMoveCaller::Drag);
        GetEvents().OffsetSelectedEvents(CTimeSpan(), rows, operation);
    }
    UnselectAll(TRUE);
    return held;
}

void CTembraDoc::AdjustBendRows(int direction, int firstRow, int lastRow) {
    const int rows = lastRow - firstRow + 1;
    const bool inserting = direction > 0;
    ForEachSelected([&](POSITION, CDataHeader* object) {
        CKoutei* process = AsKoutei(object);
        if (process == nullptr || process->GetLineShape() != kLineShapeGate ||
            process->GetStartTime() == process->GetEndTime()) {
            return;
        }
        const short offset = process->GetLines()->GetBendOffset();
        const int bend = process->GetBendRow();
        const bool start = process->IsStartLandSelected() != 0;
        const bool line = process->IsLinesSelected() != 0;
        const bool end = process->IsEndLandSelected() != 0;
        int newOffset = offset;
        if (offset >= 0) {
            // The crossbar below the nodes: rows edited between the lower node and it.
            const int low = std::max<int>(process->GetStartRow(), process->GetEndRow());
            const bool between = (inserting ? firstRow > low : firstRow >= low) && lastRow <= bend;
            if ((!start && line && end) || between) {
                newOffset = offset + rows * direction;
            }
        } else {
            // The crossbar above the nodes: rows edited between it and the upper node.
            const int high = std::min<int>(process->GetStartRow(), process->GetEndRow());
            const bool between =
                (inserting ? firstRow > bend : firstRow >= bend) && lastRow <= high;
            if ((start && line && !end) || between) {
                newOffset = offset - rows * direction;
            }
        }
        if (newOffset == offset) {
            return;
        }
        // The old state keeps the number, so that what names the process finds it again after
        // an undo.
        std::unique_ptr<CKoutei> before = CopyKoutei(process, TRUE);
        if (before == nullptr) {
            return;
        }
        CKoutei* old = before.get();
        if (m_undo.AddChange(old, process) == 0) {
            return;
        }
        before.release();
        process->GetLines()->SetBendOffset(static_cast<short>(newOffset));
        RedrawObject(process);
    });
}

// ---- Columns ------------------------------------------------------------------------------------

int CTembraDoc::DeleteColumnObjects(CTime dateFrom, CTime dateTo) {
    UnselectAll(TRUE);
    if (SelectInArea(dateFrom.GetTime(), kOpenRow, dateTo.GetTime(), kOpenRow, FALSE) == 0) {
        return 0;
    }
    m_undo.Reset();
    DeleteSelection();
    UnselectAll(TRUE);
    return 1;
}

int CTembraDoc::DeleteColumns(CTime dateFrom, CTime dateTo, KouteiMoveCaller caller) {
    UnselectAll(TRUE);
    if (GetObjList().IsEmpty()) {
        return 0;
    }
    const EditStep step(m_undo);
    IKouteiDocument& seam = m_seams.Koutei();
    SelectInArea(dateFrom.GetTime(), kOpenRow, dateTo.GetTime(), kOpenRow, FALSE);
    ForEachSelected([&](POSITION pos, CDataHeader* object) {
        if (AsEvent(object) != nullptr) {
            DeleteSelAt(pos);
            return;
        }
        const CKoutei* process = AsKoutei(object);
        if (process == nullptr) {
            return;
        }
        const bool start = process->IsStartLandSelected() != 0;
        const bool end = process->IsEndLandSelected() != 0;
        if (start && end) {
            DeleteSelAt(pos); // wholly inside
            return;
        }
        if (!start && !end) {
            return;
        }
        // Cut at the edge of the period: only the node inside moves, by plain time.
        std::unique_ptr<CKoutei> cut = CopyKoutei(process, TRUE);
        if (cut == nullptr) {
            return;
        }
        const CTimeSpan shift =
            start ? dateTo - process->GetStartTime() : dateFrom - process->GetEndTime();
        cut->MoveBy(&seam, shift, 0, nullptr,
                    KouteiMoveFlags::SelectedOnly | KouteiMoveFlags::WithoutCalendar);
        if (IsPoint(*cut)) {
            DeleteSelAt(pos);
            return;
        }
        ReplaceSelAt(pos, cut.release(), 0);
    });
    UnselectAll(TRUE);

    // What starts at the end of the period lands on its start by the plain shift.
    const CKouteiDrag reference = PeriodEndPinned(dateTo);
    const CTimeSpan offset = dateFrom - dateTo;
    if (SelectInArea(dateTo.GetTime(), kOpenRow, kOpenDate, kOpenRow, FALSE) != 0) {
        MoveKoutei(offset, 0, kMoveOperation, &reference, FALSE, caller);
        GetEvents().OffsetSelectedEvents(offset, 0, kMoveOperation);
    }
    UnselectAll(TRUE);
    return 1;
}

int CTembraDoc::InsertColumns(CTime date, CTime dateTo, KouteiMoveCaller caller) {
    UnselectAll(TRUE);
    const int held = GetObjList().IsEmpty() ? 0 : 1;
    if (SelectInArea(date.GetTime() + 1, kOpenRow, kOpenDate, kOpenRow, FALSE) != 0) {
        const EditStep step(m_undo);
        CTimeSpan offset = dateTo - date;
        if (m_operation.GetHolidayAuto() != 0) {
            offset -= m_calendar.GetHolidayTime(date, dateTo);
        }
        MoveKoutei(offset, 0, kMoveOperation, nullptr, FALSE, caller);
        GetEvents().OffsetSelectedEvents(offset, 0, kMoveOperation);
    }
    UnselectAll(TRUE);
    return held;
}

} // namespace tembra

namespace tembra {

int CTembraDoc::PullColumnsEarlier(CTime dateFrom, CTime dateTo, KouteiMoveCaller caller) {
    UnselectAll(TRUE);
    if (GetObjList().IsEmpty()) {
        return 0;
    }
    const CTimeSpan offset = dateFrom - dateTo;
    // What follows the period: whole when it starts there, by its end when it reaches over
    // it, unless the end would not stay after the start. Nothing inside the period is taken.
    int taken = 0;
    OwnedObList<CDataHeader>& objects = GetObjList();
    for (POSITION pos = objects.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CDataHeader* object = objects.GetNext(pos);
        if (CKoutei* process = AsKoutei(object)) {
            const bool start = process->GetStartTime() >= dateTo;
            const bool end = process->GetEndTime() >= dateTo &&
                             (start || process->GetEndTime() + offset > process->GetStartTime());
            if (!start && !end) {
                continue;
            }
            process->CDataHeader::Select();
            process->SelectLines();
            if (start) {
                process->SelectStartLand();
            }
            if (end) {
                process->SelectEndLand();
            }
        } else if (const CEvent* event = AsEvent(object);
                   event != nullptr && event->GetStartDate() >= dateTo) {
            object->Select();
        } else {
            continue;
        }
        SelectAt(current);
        ++taken;
    }
    if (taken != 0) {
        const EditStep step(m_undo);
        const CKouteiDrag reference = PeriodEndPinned(dateTo);
        MoveKoutei(offset, 0, kMoveOperation, &reference, FALSE, caller);
        GetEvents().OffsetSelectedEvents(offset, 0, kMoveOperation);
    }
    UnselectAll(TRUE);
    return 1;
}

} // namespace tembra
