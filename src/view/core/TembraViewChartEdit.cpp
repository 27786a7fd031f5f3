// The chart mode with the mouse: a click selects or deselects a resource chart, a drag of a
// selected chart moves its band of rows (stopping at the displayed rows), a drag of its top or
// bottom edge moves that edge, a right click opens the chart's menu; a chart's totals box is
// picked, moved and stretched like a shape, and once moved it stays where it was put.
#include "chart/Chart.h"
#include "chart/ChartDocument.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "shapes/Zukei.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>

namespace tembra {

namespace {

using Op = COperationState;

// The sub-states of the chart machine: pressed, dragging, released, a chart picked.
enum : WORD { kIdle = 0, kPressed = 1, kDragging = 2, kReleased = 3, kPicked = 4 };
// What a press hit of a chart: its band, its top edge, its bottom edge.
enum : int { kHitNone = 0, kHitBand = 1, kHitTop = 2, kHitBottom = 3 };
// Half the side of the pick box, in device pixels.
constexpr int kPickHalf = 3;

// A rectangle with y upwards, its edges in order.
CRect UpRect(CRect r) {
    if (r.left > r.right) {
        std::swap(r.left, r.right);
    }
    if (r.bottom > r.top) {
        std::swap(r.top, r.bottom);
    }
    return r;
}

bool Meets(const CRect& a, const CRect& b) {
    return a.left <= b.right && b.left <= a.right && a.bottom <= b.top && b.bottom <= a.top;
}

// The pick box of a logical point, y upwards.
CRect PickBox(CDC* dc, const CPoint& point) {
    CPoint device = point;
    dc->LPtoDP(&device);
    CRect box(device.x - kPickHalf, device.y - kPickHalf, device.x + kPickHalf,
              device.y + kPickHalf);
    dc->DPtoLP(&box);
    return UpRect(box);
}

bool ShowsTotals(const CChart& chart) {
    return (chart.GetOptions() & CChart::kOptionResourceTotals) != 0 && !chart.GetLabels().empty();
}

bool InChartZone(int zone, bool elsewhereToo) {
    return zone == CPageLayout::kZoneChart || zone == CPageLayout::kZoneKoutei ||
           zone == CPageLayout::kZoneKoumoku ||
           (elsewhereToo && zone == CPageLayout::kZoneElsewhere);
}

bool AnyZukeiSelected(CTembraDoc& doc) {
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        if (doc.GetNextSel(pos)->GetType() == kTypeZukei) {
            return true;
        }
    }
    return false;
}

} // namespace

CChart* CTembraView::ChartAt(CDC* dc, const CPoint& point, bool selectedOnly, int* part) const {
    const CTembraDoc& doc = *GetDocument();
    const CRect box = PickBox(dc, point);
    for (POSITION pos = doc.GetResourceCharts().GetTailChartPosition(); pos != nullptr;) {
        CChart* chart = doc.GetResourceCharts().GetPrevChart(pos);
        if (chart == nullptr || (selectedOnly && chart->IsSelected() == 0)) {
            continue;
        }
        CRect bounds;
        chart->GetBoundRect(bounds, *this, 0);
        if (bounds.IsRectNull()) {
            continue;
        }
        bounds = UpRect(bounds);
        if (!Meets(bounds, box)) {
            continue;
        }
        if (part != nullptr) {
            if (bounds.top >= box.bottom && bounds.top <= box.top) {
                *part = kHitTop;
            } else if (bounds.bottom >= box.bottom && bounds.bottom <= box.top) {
                *part = kHitBottom;
            } else {
                *part = kHitBand;
            }
        }
        return chart;
    }
    return nullptr;
}

int CTembraView::HitChart(CDC* dc, const CPoint& point, UINT flags) {
    CTembraDoc& doc = *GetDocument();
    int part = kHitNone;
    CChart* chart = ChartAt(dc, point, false, &part);
    if (chart == nullptr) {
        return kHitNone;
    }
    if ((flags & kPickDeselect) != 0) {
        if (chart->IsSelected() == 0) {
            return kHitNone;
        }
        chart->Deselect();
        m_currentChart = nullptr;
        doc.UpdateAllViews(nullptr, 0, chart);
        return part;
    }
    chart->Select();
    m_currentChart = chart;
    doc.UpdateAllViews(nullptr, 0, chart);
    return part;
}

int CTembraView::HitSelectedChart(CDC* dc, const CPoint& point) const {
    int part = kHitNone;
    return ChartAt(dc, point, true, &part) != nullptr ? part : kHitNone;
}

CChart* CTembraView::HitChartBox(CDC* dc, const CPoint& point) const {
    const CTembraDoc& doc = *GetDocument();
    const CRect box = PickBox(dc, point);
    for (POSITION pos = doc.GetResourceCharts().GetTailChartPosition(); pos != nullptr;) {
        CChart* chart = doc.GetResourceCharts().GetPrevChart(pos);
        // A box that is not shown is not there to be picked.
        if (chart == nullptr || !ShowsTotals(*chart)) {
            continue;
        }
        const CRect bounds = UpRect(chart->GetLabels().front()->GetDeviceRect(*this));
        if (!bounds.IsRectNull() && Meets(bounds, box)) {
            return chart;
        }
    }
    return nullptr;
}

BOOL CTembraView::PickChartBox(CDC* dc, UINT flags) {
    CTembraDoc& doc = *GetDocument();
    CChart* chart = HitChartBox(dc, m_mouse.GetPoint());
    if (chart == nullptr) {
        return FALSE;
    }
    CZukei* box = chart->GetLabels().front().get();
    const bool selected = box->IsSelected() != 0;
    if ((flags & kPickDeselect) != 0) {
        if (!selected) {
            return FALSE;
        }
        OwnedObList<CDataHeader>& selection = doc.GetSelList();
        const POSITION pos = selection.Find(box);
        if (pos != nullptr) {
            doc.GetSelection().UnselectAt(pos, TRUE);
        }
        m_currentChart = nullptr;
        return TRUE;
    }
    if ((flags & kPickTestOnly) != 0) {
        return selected ? TRUE : FALSE;
    }
    if ((flags & kPickSelection) != 0 && !selected) {
        box->Select();
        doc.AddSelZukei(box);
        m_currentChart = chart;
        return TRUE;
    }
    return FALSE;
}

CChart* CTembraView::CheckedCurrentChart() const {
    // The chart may have gone since it was picked (deleted, undone): only one of the document's
    // charts counts.
    const CTembraDoc& doc = *GetDocument();
    for (POSITION pos = doc.GetResourceCharts().GetHeadChartPosition(); pos != nullptr;) {
        if (doc.GetResourceCharts().GetNextChart(pos) == m_currentChart) {
            return m_currentChart;
        }
    }
    return nullptr;
}

void CTembraView::EndChartCapture(WORD state) {
    GetDocument()->GetOperation().SetState(state);
    m_host.ReleaseCapture();
}

BOOL CTembraView::ChartModeAction(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    if (config.GetState() >= 100) {
        return ChartPlacementAction(dc);
    }
    if (config.GetState() == kIdle && m_mouse.GetCode() == CMouseEvent::kLeftPress &&
        InChartZone(m_layout.HitZone(m_mouse.GetPoint()), false)) {
        m_chartBoxPress = HitChartBox(dc, m_mouse.GetPoint()) != nullptr;
        if (!m_chartBoxPress && AnyZukeiSelected(doc)) {
            // A press beside the selected totals box lets it go first.
            doc.DeselectAllZukei();
            return TRUE;
        }
    }
    if (m_chartBoxPress) {
        m_mouse.StorePrev();
        return ChartBoxAction(dc);
    }
    return ChartBandAction(dc);
}

void CTembraView::ChartDragRows(CDC* dc) {
    static_cast<void>(dc);
    const CChart* chart = CheckedCurrentChart();
    if (chart == nullptr) {
        return;
    }
    const int cursor = m_mouse.GetCursorRow();
    int first = chart->GetTopRow();
    int last = chart->GetBottomRow();
    switch (m_chartHit) {
    case kHitBand: {
        const int shownFirst = m_layout.GetFirstRow();
        const int shownLast = m_layout.GetLastRow();
        const int delta = m_chartPressRow - cursor;
        if (delta > 0) {
            // Up: the band stops at the first displayed row, keeping its height.
            const int step = first - delta < shownFirst ? first - shownFirst : delta;
            first -= step;
            last -= step;
        } else if (delta < 0) {
            const int step = last - delta > shownLast ? shownLast - last : -delta;
            first += step;
            last += step;
        }
        break;
    }
    case kHitTop:
        first = chart->GetBottomRow();
        last = cursor;
        break;
    case kHitBottom:
        first = chart->GetTopRow();
        last = cursor;
        break;
    default:
        return;
    }
    m_mouse.SetStartRowF(first);
    m_mouse.SetLastRowF(last);
}

void CTembraView::CommitChartRows(CDC* dc) {
    static_cast<void>(dc);
    CTembraDoc& doc = *GetDocument();
    doc.GetUndoHistory().Reset();
    CChart* chart = CheckedCurrentChart();
    if (chart != nullptr) {
        int first = static_cast<int>(m_mouse.GetStartRowF());
        int last = static_cast<int>(m_mouse.GetLastRowF());
        if (last < first) {
            std::swap(first, last);
        }
        doc.UpdateAllViews(nullptr, 0, chart);
        chart->SetTopRow(static_cast<short>(first));
        chart->SetBottomRow(static_cast<short>(last));
        if (IChartDocument* charts = DocumentSeam<IChartDocument>(&doc)) {
            chart->BuildShapes(*charts, m_layout);
        }
        chart->Select();
        doc.UpdateAllViews(nullptr, 0, chart);
    }
    EndChartCapture(kPicked);
}

BOOL CTembraView::ChartBandAction(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const WORD state = config.GetState();
    const int code = m_mouse.GetCode();
    const auto click = [&](const CPoint& point) {
        if (HitChart(dc, point, kPickDeselect) != kHitNone) {
            EndChartCapture(kIdle);
            return;
        }
        doc.GetResourceCharts().UnselectCharts();
        if (HitChart(dc, point, 0) != kHitNone) {
            EndChartCapture(kPicked);
            doc.GetUndoHistory().Reset();
            return;
        }
        EndChartCapture(kIdle);
    };
    switch (state) {
    case kIdle:
    case kPicked:
        if (code == CMouseEvent::kLeftPress &&
            InChartZone(m_layout.HitZone(m_mouse.GetPoint()), true)) {
            m_host.SetCapture();
            m_mouse.StoreStart();
            m_mouse.StoreLast();
            m_chartPressRow = m_mouse.GetCursorRow();
            m_mouse.SetStartRowF(m_chartPressRow);
            m_mouse.SetLastRowF(m_chartPressRow);
            m_chartBandDrawn = false;
            m_chartHit = kHitNone;
            config.SetState(kPressed);
            return TRUE;
        }
        if (state == kPicked && code == CMouseEvent::kRightRelease) {
            const UINT menu = GetPopupMenuId(dc);
            if (menu == 0) {
                doc.GetResourceCharts().UnselectCharts();
                EndChartCapture(kIdle);
                OnSetCursor();
            } else {
                ShowPopupMenu(menu);
            }
            return TRUE;
        }
        return FALSE;
    case kPressed:
        switch (code) {
        case CMouseEvent::kLeftRelease:
            click(m_mouse.GetPoint());
            return TRUE;
        case CMouseEvent::kRightRelease:
            EndChartCapture(kIdle);
            return TRUE;
        case CMouseEvent::kMoveLeft: {
            int part = kHitNone;
            CChart* chart = ChartAt(dc, m_mouse.GetStartPoint(), true, &part);
            if (chart == nullptr) {
                click(m_mouse.GetStartPoint());
                return TRUE;
            }
            // The drag works on the chart under the press, whichever was picked last.
            m_currentChart = chart;
            m_chartHit = part;
            config.SetState(kDragging);
            return TRUE;
        }
        default:
            return FALSE;
        }
    case kDragging:
        switch (code) {
        case CMouseEvent::kMoveLeft:
            if (WaitsForPaint()) {
                return FALSE;
            }
            ChartDragRows(dc);
            DrawChartBandFeedback(dc, true);
            return TRUE;
        case CMouseEvent::kLeftRelease:
            ChartDragRows(dc);
            config.SetState(kReleased);
            DrawChartBandFeedback(dc, false);
            CommitChartRows(dc);
            return TRUE;
        case CMouseEvent::kRightRelease:
            DrawChartBandFeedback(dc, false);
            EndChartCapture(kPicked);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        config.SetState(kIdle);
        return FALSE;
    }
}

BOOL CTembraView::ChartBoxAction(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    const auto click = [&]() {
        if (!PickChartBox(dc, kPickDeselect)) {
            doc.DeselectAllZukei();
            PickChartBox(dc, kPickSelection);
        }
        EndChartCapture(kIdle);
    };
    switch (config.GetState()) {
    case kIdle:
        if (code != CMouseEvent::kLeftPress ||
            !InChartZone(m_layout.HitZone(m_mouse.GetPoint()), false)) {
            return FALSE;
        }
        m_host.SetCapture();
        m_mouse.StoreStart();
        m_mouse.StoreLast();
        m_zukeiFeedback = false;
        config.SetState(kPressed);
        return TRUE;
    case kPressed:
        switch (code) {
        case CMouseEvent::kRightRelease:
            EndChartCapture(kIdle);
            return TRUE;
        case CMouseEvent::kLeftRelease:
            click();
            return TRUE;
        case CMouseEvent::kMoveLeft: {
            const CPoint current = m_mouse.GetPoint();
            m_mouse.SetPoint(m_mouse.GetStartPoint());
            const bool selected = PickChartBox(dc, kPickTestOnly) != FALSE;
            m_mouse.SetPoint(current);
            if (!selected) {
                click();
                return TRUE;
            }
            // The shape placing of the chart mode takes the drag over from the press.
            const bool onHandle = HitZukeiHandle(dc, m_mouse.GetStartPoint()) != 0;
            config.SaveOperation();
            config.ChangeOperation(onHandle ? Op::kOpDeformApply : Op::kOpMove);
            config.SetState(kPressed);
            OnSetCursor();
            CPoint device = m_mouse.GetStartPoint();
            dc->LPtoDP(&device);
            m_host.PostMouseEvent(CMouseEvent::kMove, MK_LBUTTON, device);
            m_host.SetCapture();
            return TRUE;
        }
        default:
            return FALSE;
        }
    default:
        // The band selection of shapes has no place among the totals boxes.
        EndChartCapture(kIdle);
        return FALSE;
    }
}

BOOL CTembraView::ChartBoxPlacing(CDC* dc, bool resize) {
    CTembraDoc& doc = *GetDocument();
    // The box of the current chart that the gesture moves, and where it stood.
    CChart* chart = CheckedCurrentChart();
    const CZukei* box = chart != nullptr && !chart->GetLabels().empty()
                            ? chart->GetLabels().front().get()
                            : nullptr;
    const CRect before = box != nullptr ? box->GetDeviceRect(*this) : CRect();
    const BOOL result = ZukeiPlacing(dc, doc, resize);
    // A box moved or stretched off its corner stays where the user put it.
    if (box != nullptr && box->IsSelected() != 0 && box->GetDeviceRect(*this) != before) {
        chart->SetLabelPos(CChart::kLabelFree);
    }
    return result;
}

BOOL CTembraView::ChartBoxMoveAction(CDC* dc) {
    return ChartBoxPlacing(dc, false);
}

BOOL CTembraView::ChartBoxResizeAction(CDC* dc) {
    return ChartBoxPlacing(dc, true);
}

} // namespace tembra
