// The object list and the selection list of the document: moving objects between them, selecting
// by mode, by area and by rule, copy and cut to the application's clipboard, the link records of
// the copied processes, pasted relation lines, the holiday classes of processes and the selected
// date range.
#include "document/AppState.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/Event.h"
#include "platform/Ui.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace tembra {

namespace {

// The line shape: the low byte of the line's style word.
WORD LineShape(const CKoutei& process) {
    return process.GetLines()->GetAttr().m_style & 0xFF;
}

// The gate-shaped line, whose crossbar lies on its bend row.
constexpr WORD kGateLine = 6;

bool CountsHolidays(const CKoutei& process) {
    return process.GetLines()->GetAttr().GetHoliday() != 0;
}

// Relation lines waiting to be attached again carry this flag.
constexpr WORD kRelationToReattach = 0xFFFF;

} // namespace

// ---- Adding and replacing -----------------------------------------------------------------------

POSITION CTembraDoc::AddObj(CDataHeader* object, BOOL redraw) {
    const POSITION pos = m_objList.AddTail(object);
    SetModifiedFlag(TRUE);
    m_bChanged = TRUE;
    if (redraw) {
        RedrawObject(object);
    }
    return pos;
}

POSITION CTembraDoc::AddSel(CDataHeader* object) {
    const POSITION pos = m_selList.AddTail(object);
    SetModifiedFlag(TRUE);
    m_bChanged = TRUE;
    RedrawObject(object);
    return pos;
}

CDataHeader* CTembraDoc::ReplaceObjAt(POSITION pos, CDataHeader* newObject) {
    CDataHeader* old = m_objList.GetAt(pos);
    if (old == nullptr || newObject == nullptr) {
        return nullptr;
    }
    m_objList.SetAt(pos, newObject);
    RedrawObject(newObject);
    if (AddChange(old, newObject) == 0) {
        delete old;
        return nullptr;
    }
    return old;
}

CDataHeader* CTembraDoc::ReplaceSelAt(POSITION pos, CDataHeader* newObject, int mode) {
    CDataHeader* old = m_selList.GetAt(pos);
    if (old == nullptr || newObject == nullptr) {
        return nullptr;
    }
    m_selList.SetAt(pos, newObject);
    if (AddChange(old, newObject) == 0) {
        delete old;
        old = nullptr;
    }
    RedrawObject(newObject);
    if (mode == 1) {
        UnselectAt(pos);
    } else {
        MoveSelToTail(pos);
    }
    return old;
}

// ---- Deselecting ----------------------------------------------------------------------------

void CTembraDoc::DeselectParts(CKoutei& process) {
    process.Deselect();
    process.DeselectYogo(-1);
    process.GetShigen()->Deselect();
    process.SetAdjustMark(0);
    if (process.IsRelationLine() == 0) {
        process.SetStartLandNo(0, 0);
        process.SetEndLandNo(0, 0);
    }
}

POSITION CTembraDoc::UnselectAt(POSITION pos, BOOL redraw) {
    CDataHeader* object = m_selList.GetAt(pos);
    if (object == nullptr) {
        return nullptr;
    }
    if (CKoutei* process = AsKoutei(object)) {
        DeselectParts(*process);
    }
    object->Deselect();
    if (object->GetType() == kTypeZukei) {
        m_selList.RemoveAt(pos);
        if (redraw) {
            RedrawObject(object);
        }
        return nullptr;
    }
    // Into the object list before it leaves the selection, so that it is always in one of them.
    const POSITION added = AddObj(object, redraw);
    m_selList.RemoveAt(pos);
    return added;
}

POSITION CTembraDoc::UnselectAll(BOOL redraw) {
    POSITION result = nullptr;
    while (!m_selList.IsEmpty()) {
        result = UnselectAt(m_selList.GetHeadPosition(), redraw);
    }
    // Resource charts are selected in place, in their own list.
    for (POSITION pos = m_chartList.GetHeadPosition(); pos != nullptr;) {
        CDataHeader* chart = m_chartList.GetNext(pos);
        if (chart->IsSelected()) {
            chart->Deselect();
            if (redraw) {
                RedrawObject(chart);
            }
        }
    }
    return result;
}

BOOL CTembraDoc::CancelLastSel() {
    const POSITION last = m_selList.GetTailPosition();
    if (last == nullptr) {
        return FALSE;
    }
    UnselectAt(last);
    return TRUE;
}

void CTembraDoc::MoveSelToTail(POSITION pos) {
    CDataHeader* object = m_selList.GetAt(pos);
    if (object == nullptr || pos == m_selList.GetTailPosition()) {
        if (object != nullptr) {
            object->SetSelected(1);
        }
        return;
    }
    object->SetSelected(1);
    m_selList.AddTail(object);
    m_selList.RemoveAt(pos);
}

// ---- Selecting ----------------------------------------------------------------------------------

POSITION CTembraDoc::SelectAt(POSITION pos) {
    CDataHeader* object = m_objList.GetAt(pos);
    if (object == nullptr) {
        return nullptr;
    }
    object->SetSelected(1);
    const POSITION added = AddSel(object);
    m_objList.RemoveAt(pos);
    return added;
}

POSITION CTembraDoc::SelectLastObj() {
    return SelectAt(m_objList.GetTailPosition());
}

int CTembraDoc::SelectAll(LONG mode) {
    if (mode == -1) {
        mode = m_operation.GetMode();
    }
    int moved = 0;
    for (POSITION pos = m_objList.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CDataHeader* object = m_objList.GetNext(pos);
        CKoutei* process = AsKoutei(object);
        switch (mode) {
        case 1:
            if (process != nullptr && IsObjectLayerVisible(process) == CLayerSet::kShown) {
                process->Select();
            }
            break;
        case 2:
            if (process != nullptr) {
                process->CDataHeader::Select();
                process->SelectYogo(-1);
            }
            break;
        case 6:
            if (object->GetType() == kTypeEvent &&
                IsObjectLayerVisible(object) == CLayerSet::kShown) {
                object->Select();
            }
            break;
        case 7:
            if (process != nullptr) {
                process->CDataHeader::Select();
                process->GetShigen()->Select();
            }
            break;
        default:
            break;
        }
        if (object->IsSelected()) {
            SelectAt(current);
            ++moved;
        }
    }
    return moved;
}

void CTembraDoc::FilterSelectedKoutei(int rule) {
    if (m_operation.GetMode() != 1 || m_selList.IsEmpty()) {
        return;
    }
    ForEachSelected([this, rule](POSITION pos, CDataHeader* object) {
        CKoutei* process = AsKoutei(object);
        if (process == nullptr || GetMark(process) != 0) {
            return;
        }
        const bool line = process->IsLinesSelected() != 0;
        const bool start = process->IsStartLandSelected() != 0;
        const bool end = process->IsEndLandSelected() != 0;
        bool deselect = false;
        switch (rule) {
        case -1:
            deselect = true;
            break;
        case 0: {
            // A gate line picked alone by its crossbar has no node selected and stays.
            const bool loneGate = GetSelCount() == 1 && line && LineShape(*process) == kGateLine;
            deselect = !loneGate && (!line || (!start && !end));
            break;
        }
        case 1:
            deselect = !start;
            break;
        case 2:
            deselect = !end;
            break;
        case 3:
            deselect = !(line && start && end);
            break;
        default:
            break;
        }
        if (deselect) {
            UnselectAt(pos);
        }
    });
}

int CTembraDoc::SelectInArea(std::int64_t firstDate, int firstRow, std::int64_t lastDate,
                             int lastRow, BOOL bothNodes) {
    if (firstDate < 0) {
        firstDate = 0;
    }
    if (firstRow < 0) {
        firstRow = 0;
    }
    if (lastDate < 0) {
        lastDate = std::numeric_limits<std::int64_t>::max();
    }
    if (lastRow < 0) {
        lastRow = std::numeric_limits<int>::max();
    }
    const auto inRows = [firstRow, lastRow](int row) { return firstRow <= row && row <= lastRow; };

    int moved = 0;
    for (POSITION pos = m_objList.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CDataHeader* object = m_objList.GetNext(pos);
        if (CKoutei* process = AsKoutei(object)) {
            const std::int64_t start = process->GetStartTime().GetTime();
            const std::int64_t end = process->GetEndTime().GetTime();
            const int startRow = static_cast<short>(process->GetStartRow());
            const int endRow = static_cast<short>(process->GetEndRow());
            bool startIn = false;
            bool endIn = false;
            bool lineIn = false;
            if (start == end) {
                if (firstDate < start && start <= lastDate) {
                    startIn = inRows(startRow);
                    endIn = inRows(endRow);
                }
            } else {
                startIn = firstDate <= start && start < lastDate && inRows(startRow);
                endIn = firstDate < end && end <= lastDate && inRows(endRow);
                // The crossbar of a gate below its nodes can be caught without a node.
                lineIn = LineShape(*process) == kGateLine &&
                         process->GetLines()->GetBendOffset() > 0 && inRows(process->GetBendRow());
            }
            if (startIn) {
                process->SelectStartLand();
            }
            if (endIn) {
                process->SelectEndLand();
            }
            if (lineIn || (bothNodes ? startIn && endIn : startIn || endIn)) {
                process->SelectLines();
            }
            if (startIn || endIn || lineIn) {
                process->CDataHeader::Select();
            }
        }
        if (CEvent* event = AsEvent(object)) {
            // From the first date up to (not including) the last, as a process's start node.
            const std::int64_t date = event->GetStartDate().GetTime();
            if (firstDate <= date && date < lastDate &&
                inRows(static_cast<short>(event->GetStartRow()))) {
                event->Select();
            }
        }
        // Drawing shapes are tested by the anchors of their own record class.
        if (object->IsSelected()) {
            SelectAt(current);
            ++moved;
        }
    }
    return moved;
}

void CTembraDoc::DeselectRelationLines() {
    ForEachSelected([this](POSITION pos, CDataHeader* object) {
        const CKoutei* process = AsKoutei(object);
        if (process != nullptr && process->IsRelationLine() != 0) {
            UnselectAt(pos);
        }
    });
}

void CTembraDoc::SelectRelationLines() {
    for (POSITION pos = m_objList.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CKoutei* process = AsKoutei(m_objList.GetNext(pos));
        if (process != nullptr && process->IsRelationLine() != 0) {
            process->Select();
            SelectAt(current);
        }
    }
}

void CTembraDoc::RecalcSelectedDurations(const CTime& baseDate, BOOL holidayFlag) {
    for (POSITION pos = m_selList.GetHeadPosition(); pos != nullptr;) {
        if (CKoutei* process = AsKoutei(m_selList.GetNext(pos))) {
            process->RecalcDuration(this, baseDate, holidayFlag);
        }
    }
}

// ---- Copy and cut -------------------------------------------------------------------------------

int CTembraDoc::CopySelectedObjects() {
    FilterSelectedKoutei(3);
    CAppState* app = GetAppState();
    app->ClearObjectClipboard();
    app->ClearShigenNameClipboard();
    RecalcSelectedDurations(CTime(), FALSE);

    int copied = 0;
    bool anyProcess = false;
    ForEachSelected([&](POSITION, CDataHeader* object) {
        if (const CKoutei* process = AsKoutei(object)) {
            std::unique_ptr<CKoutei> copy = CopyKoutei(process, TRUE);
            if (copy == nullptr) {
                return; // the copy has said why; the others go on
            }
            copy->Select();
            app->GetObjectClipboard().AddTail(copy.get());
            copy.release();
            anyProcess = true;
            ++copied;
        }
        // Events are copied by the event record's copy and shapes cloned to the head of the
        // shape clipboard; both join here with their record classes.
    });
    if (anyProcess) {
        CShigenNameTable& names = app->GetShigenNameClipboard();
        for (const auto& entry : m_shigenNames) {
            names.push_back(std::make_unique<CShigenName>(*entry));
        }
        BuildKouteiLinks(m_calendar);
    }
    return copied;
}

int CTembraDoc::CutSelectedObjects() {
    CWaitCursor wait;
    CopySelectedObjects();
    Reset();
    BeginGroup();
    DeleteSelection();
    // The relation-line check of the process chains follows the deletion here, once the chain
    // operations are part of the document.
    EndGroup();
    return 0;
}

void CTembraDoc::BuildKouteiLinks(const CCalendar& calendar) {
    CAppState* app = GetAppState();
    app->ClearProcessInfoList();
    const ObList<CDataHeader>& clipboard = app->GetObjectClipboard();
    for (POSITION pos = clipboard.GetHeadPosition(); pos != nullptr;) {
        CKoutei* process = AsKoutei(clipboard.GetNext(pos));
        if (process == nullptr || (CountsHolidays(*process) && process->IsRelationLine() == 0)) {
            continue;
        }
        app->GetProcessInfoList().push_back(std::make_unique<CKouteiLink>(process));
        // Its duration becomes the working time of the calendar it is pasted from.
        const CTimeSpan holidays =
            calendar.GetHolidayTime(process->GetStartTime(), process->GetEndTime());
        if (process->GetDuration() > holidays) {
            process->SetDuration(process->GetDuration() - holidays);
        } else if (process->GetStartRow() != process->GetEndRow()) {
            process->SetDuration(CTimeSpan());
        }
    }
}

// ---- Pasted relation lines ------------------------------------------------------------------

int CTembraDoc::MarkPastedRelationLines(ObList<CDataHeader>& pasted) {
    const auto pastedWhole = [&pasted](const CObSeqNumber& number) {
        if (number.IsNull()) {
            return false;
        }
        for (POSITION pos = pasted.GetHeadPosition(); pos != nullptr;) {
            const CKoutei* process = AsKoutei(pasted.GetNext(pos));
            if (process != nullptr && process->GetSeqNumber() == number &&
                process->IsStartLandSelected() != 0 && process->IsEndLandSelected() != 0) {
                return true;
            }
        }
        return false;
    };
    for (POSITION pos = pasted.GetHeadPosition(); pos != nullptr;) {
        CKoutei* process = AsKoutei(pasted.GetNext(pos));
        if (process != nullptr && process->IsRelationLine() != 0 &&
            (!pastedWhole(process->GetStartLandNo()) || !pastedWhole(process->GetEndLandNo()))) {
            process->SetRelationLine(kRelationToReattach);
        }
    }
    bool relationLeft = false;
    for (POSITION pos = pasted.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        const CKoutei* process = AsKoutei(pasted.GetNext(pos));
        if (process == nullptr) {
            continue;
        }
        if (process->IsRelationLine() == 0) {
            pasted.RemoveAt(current);
        } else {
            relationLeft = true;
        }
    }
    return relationLeft ? 1 : 0;
}

void CTembraDoc::ReattachPastedRelationLines(const CKoutei* oldProcess, const CKoutei* newProcess) {
    if (oldProcess == nullptr || newProcess == nullptr || newProcess->IsRelationLine() != 0) {
        return;
    }
    const CObSeqNumber oldNumber = oldProcess->GetSeqNumber();
    const CObSeqNumber& newNumber = newProcess->GetSeqNumber();
    for (POSITION pos = m_selList.GetHeadPosition(); pos != nullptr;) {
        CKoutei* line = AsKoutei(m_selList.GetNext(pos));
        if (line == nullptr || line->IsRelationLine() == 0) {
            continue;
        }
        if (line->GetStartLandNo() == oldNumber) {
            line->SetStartLandNo(newNumber.GetHigh(), newNumber.GetLow());
        }
        if (line->GetEndLandNo() == oldNumber) {
            line->SetEndLandNo(newNumber.GetHigh(), newNumber.GetLow());
        }
    }
}

// ---- Holiday classes ----------------------------------------------------------------------------

int CTembraDoc::ClassifyHolidayUse(KouteiList* out) {
    return ClassifyHolidayUseInList(m_selList, out);
}

int CTembraDoc::ClassifyHolidayUseInList(const ObList<CDataHeader>& list, KouteiList* out) {
    int seen = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CKoutei* process = AsKoutei(list.GetNext(pos));
        if (process == nullptr) {
            continue;
        }
        if (CountsHolidays(*process)) {
            seen |= 0x10;
        } else {
            seen |= 0x01;
            if (out != nullptr) {
                InsertByEndDate(*out, process);
            }
        }
    }
    if (seen == 0x11) {
        return 3;
    }
    return seen == 0x10 ? 2 : 1;
}

void CTembraDoc::InsertByEndDate(KouteiList& sorted, CKoutei* process) {
    const auto later = std::find_if(sorted.begin(), sorted.end(), [process](const CKoutei* other) {
        return other->GetEndTime() > process->GetEndTime();
    });
    sorted.insert(later, process);
}

// ---- Selected date range ------------------------------------------------------------------------

BOOL CTembraDoc::HasColumnRange() const {
    const std::int64_t start = static_cast<LONG>(m_columnRange.GetStartDateValue());
    const std::int64_t end = static_cast<LONG>(m_columnRange.GetEndDateValue());
    return end - start > 0 ? TRUE : FALSE;
}

void CTembraDoc::RedrawColumnRange(BOOL clear) {
    if (m_columnRange.GetStartDateValue() == 0 && m_columnRange.GetEndDateValue() == 0) {
        return;
    }
    m_hint.SetDateRange(static_cast<LONG>(m_columnRange.GetStartDateValue()),
                        static_cast<LONG>(m_columnRange.GetEndDateValue()),
                        static_cast<short>(m_columnRange.GetStartRow()),
                        static_cast<short>(m_columnRange.GetEndRow()));
    UpdateAllViews(nullptr, kHintDateRange, &m_hint);
    if (clear) {
        m_columnRange.SetStartDateValue(0);
        m_columnRange.SetEndDateValue(0);
    }
}

} // namespace tembra
