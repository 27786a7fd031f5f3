#include "document/ChartSelection.h"

#include "chart/Chart.h"
#include "document/RecordCast.h"
#include "model/Event.h"
#include "model/LayerSet.h"
#include "shapes/Zukei.h"
#include "shapes/ZukeiString.h"

#include <limits>

namespace tembra {

namespace {

// The line shape: the low byte of the line's style word.
WORD LineShape(const CKoutei& process) {
    return process.GetLines()->GetAttr().m_style & 0xFF;
}

// The gate-shaped line, whose crossbar lies on its bend row.
constexpr WORD kGateLine = 6;

} // namespace

// ---- Adding -------------------------------------------------------------------------------------

POSITION CChartSelection::AddObj(CDataHeader* object, BOOL redraw) {
    const POSITION pos = m_objects.GetObjList().AddTail(object);
    m_notifier.MarkChanged();
    if (redraw) {
        m_notifier.RedrawObject(object);
    }
    return pos;
}

POSITION CChartSelection::AddSel(CDataHeader* object) {
    const POSITION pos = m_objects.GetSelList().AddTail(object);
    m_notifier.MarkChanged();
    m_notifier.RedrawObject(object);
    return pos;
}

// ---- Deselecting --------------------------------------------------------------------------------

void CChartSelection::DeselectParts(CKoutei& process) {
    process.Deselect();
    process.DeselectYogo(-1);
    process.GetShigen()->Deselect();
    process.SetAdjustMark(0);
    if (process.IsRelationLine() == 0) {
        process.SetStartLandNo(0, 0);
        process.SetEndLandNo(0, 0);
    }
}

POSITION CChartSelection::UnselectAt(POSITION pos, BOOL redraw) {
    OwnedObList<CDataHeader>& selection = m_objects.GetSelList();
    CDataHeader* object = selection.GetAt(pos);
    if (object == nullptr) {
        return nullptr;
    }
    if (CKoutei* process = AsKoutei(object)) {
        DeselectParts(*process);
    }
    if (CZukei* shape = AsZukei(object)) {
        shape->Deselect();
        // A framed text that leaves the selection is no longer being edited.
        if (auto* text = DynamicDowncast<CZukeiString>(shape)) {
            text->ClearEditState();
        }
    } else {
        object->Deselect();
    }
    if (object->GetType() == kTypeZukei) {
        selection.RemoveAt(pos);
        if (redraw) {
            m_notifier.RedrawObject(object);
        }
        return nullptr;
    }
    // Its entry goes over to the object list whole, so that it is always in one of them.
    selection.MoveToTail(pos, m_objects.GetObjList());
    m_notifier.MarkChanged();
    if (redraw) {
        m_notifier.RedrawObject(object);
    }
    return pos;
}

POSITION CChartSelection::UnselectAll(BOOL redraw) {
    OwnedObList<CDataHeader>& selection = m_objects.GetSelList();
    POSITION result = nullptr;
    while (!selection.IsEmpty()) {
        ObList<CDataHeader>::PrefetchAhead(selection.GetHeadPosition());
        result = UnselectAt(selection.GetHeadPosition(), redraw);
    }
    // Resource charts are selected in place, in their own list.
    OwnedObList<CDataHeader>& charts = m_objects.GetChartList();
    for (POSITION pos = charts.GetHeadPosition(); pos != nullptr;) {
        CDataHeader* chart = charts.GetNext(pos);
        if (chart->IsSelected()) {
            // A chart shows its selection on its frame box, which loses it with the chart.
            if (auto* resourceChart = DynamicDowncast<CChart>(chart)) {
                resourceChart->Deselect();
            } else {
                chart->Deselect();
            }
            if (redraw) {
                m_notifier.RedrawObject(chart);
            }
        }
    }
    return result;
}

BOOL CChartSelection::CancelLastSel() {
    const POSITION last = m_objects.GetSelList().GetTailPosition();
    if (last == nullptr) {
        return FALSE;
    }
    UnselectAt(last);
    return TRUE;
}

void CChartSelection::MoveSelToTail(POSITION pos) {
    OwnedObList<CDataHeader>& selection = m_objects.GetSelList();
    CDataHeader* object = selection.GetAt(pos);
    if (object == nullptr) {
        return;
    }
    if (CZukei* shape = AsZukei(object)) {
        shape->Select();
    } else {
        object->SetSelected(1);
    }
    selection.MoveToTail(pos, selection);
}

// ---- Selecting ----------------------------------------------------------------------------------

POSITION CChartSelection::SelectAt(POSITION pos) {
    OwnedObList<CDataHeader>& objects = m_objects.GetObjList();
    CDataHeader* object = objects.GetAt(pos);
    if (object == nullptr) {
        return nullptr;
    }
    object->SetSelected(1);
    objects.MoveToTail(pos, m_objects.GetSelList());
    m_notifier.MarkChanged();
    m_notifier.RedrawObject(object);
    return pos;
}

POSITION CChartSelection::SelectLastObj() {
    return SelectAt(m_objects.GetObjList().GetTailPosition());
}

int CChartSelection::SelectAll(LONG mode) {
    OwnedObList<CDataHeader>& objects = m_objects.GetObjList();
    int moved = 0;
    for (POSITION pos = objects.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CDataHeader* object = objects.GetNext(pos);
        // What the user cannot see is not taken, in every mode: the view's picking passes it by,
        // and a command on the selection must not reach it.
        if (m_objects.GetLayerState(object) != CLayerSet::kShown) {
            continue;
        }
        CKoutei* process = AsKoutei(object);
        switch (mode) {
        case 1:
            if (process != nullptr) {
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
            if (object->GetType() == kTypeEvent) {
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

void CChartSelection::FilterKoutei(int rule) {
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
            const bool loneGate =
                m_objects.GetSelList().GetCount() == 1 && line && LineShape(*process) == kGateLine;
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

int CChartSelection::SelectInArea(std::int64_t firstDate, int firstRow, std::int64_t lastDate,
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

    OwnedObList<CDataHeader>& objects = m_objects.GetObjList();
    int moved = 0;
    for (POSITION pos = objects.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CDataHeader* object = objects.GetNext(pos);
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
        if (object->IsSelected()) {
            SelectAt(current);
            ++moved;
        }
    }
    // Shapes whose anchors lie inside: from the first date up to (not including) the last, and
    // rows from the first row to the end of the last one. They stay in the shape list.
    const ObList<CDataHeader>& shapes = m_objects.GetZukeiList();
    for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;) {
        CZukei* shape = AsZukei(shapes.GetNext(pos));
        if (shape == nullptr || shape->IsSelected() != 0) {
            continue;
        }
        if (firstDate <= shape->GetStartDate(0).GetTime() &&
            shape->GetEndDate(0).GetTime() < lastDate && firstRow <= shape->GetTopRow(0) &&
            shape->GetBottomRow(0) <= static_cast<double>(lastRow) + 1) {
            shape->Select();
            AddSel(shape);
            ++moved;
        }
    }
    return moved;
}

void CChartSelection::DeselectRelationLines() {
    ForEachSelected([this](POSITION pos, CDataHeader* object) {
        const CKoutei* process = AsKoutei(object);
        if (process != nullptr && process->IsRelationLine() != 0) {
            UnselectAt(pos);
        }
    });
}

void CChartSelection::SelectRelationLines() {
    OwnedObList<CDataHeader>& objects = m_objects.GetObjList();
    for (POSITION pos = objects.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CKoutei* process = AsKoutei(objects.GetNext(pos));
        if (process != nullptr && process->IsRelationLine() != 0) {
            process->Select();
            SelectAt(current);
        }
    }
}

} // namespace tembra
