// The view's object action: the private message that enters it from outside a mouse message
// (the idle pulse, the document's commands), the forwarders' entry, and the steps the dispatcher
// runs before it picks an edit function: the guide text, the cross-hair, the Shift axis lock,
// the chart position under the pointer with the status bar's date, the area zoom, the item
// header band, the date band and the item area.
#include "document/CommandIds.h"
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "view/core/EditGesture.h"
#include "view/core/StatusBar.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <cstdlib>

namespace tembra {

namespace {

// The zones in which the cross-hair follows the pointer.
constexpr int kCrossZones = CPageLayout::kZoneKoumoku | CPageLayout::kZoneChart |
                            CPageLayout::kZoneKoutei | CPageLayout::kZoneElsewhere;

} // namespace

LONG CTembraView::OnObjectAction(int wParam, const CMouseEvent* record) {
    // Before the first layout there is nothing to map a point to.
    if (GetDocument() == nullptr || (m_totalLog.cx == 0 && m_totalLog.cy == 0)) {
        return 0;
    }
    std::unique_ptr<CDC> dc = PreparedClientDC();
    if (!dc) {
        return 0;
    }
    if (record != nullptr) {
        m_mouse.TakeEvent(*record);
    } else {
        const CPoint at = m_host.GetCursorPos();
        m_mouse.Set(CMouseEvent::kEvaluate, 0, at.x, at.y);
    }
    CPoint point = m_mouse.GetPoint();
    dc->DPtoLP(&point);
    m_mouse.SetPoint(point);
    if (wParam == kHoverOnly) {
        if (!IsCursorOverView()) {
            DrawCrossCursor(dc.get(), 0, m_mouse);
        }
        return EndHoverFeedback(dc.get());
    }
    return ObjectAction(dc.get());
}

BOOL CTembraView::ObjectActionAt(int action, UINT keyFlags, const CPoint& devicePoint) {
    if (GetDocument() == nullptr) {
        return FALSE;
    }
    std::unique_ptr<CDC> dc = PreparedClientDC();
    if (!dc) {
        return FALSE;
    }
    CPoint point = devicePoint;
    dc->DPtoLP(&point);
    m_mouse.Set(action, keyFlags, point.x, point.y);
    return ObjectAction(dc.get());
}

bool CTembraView::IsCursorOverView() const {
    return m_host.IsCursorOverView();
}

BOOL CTembraView::EndHoverFeedback(CDC* dc) {
    const CConfigOperation& state = GetDocument()->GetOperation();
    const bool over = IsCursorOverView();
    const bool drawing = state.GetOperation() == COperationState::kOpDraw;
    BOOL erased = FALSE;
    const auto end = [&](HoverFeedback& feedback, bool keep) {
        if (feedback.shown && !keep) {
            if (feedback.erase) {
                feedback.erase(dc);
            }
            feedback.shown = false;
            erased = TRUE;
        }
    };
    end(m_hoverDate, over && drawing && state.GetMode() == COperationState::kModeKoutei);
    end(m_hoverEvent, over && drawing && state.GetMode() == COperationState::kModeEvent);
    return erased;
}

int CTembraView::GetDateSnap(bool ctrl) const {
    if (m_bMinuteMode) {
        return ctrl ? 1 : 2;
    }
    const CTembraDoc* doc = GetDocument();
    if (doc != nullptr && doc->GetSyokiSet().GetDateUnit() == 4) {
        return ctrl ? 0 : 1;
    }
    if (m_bHourMode) {
        ctrl = !ctrl;
    }
    return ctrl ? 1 : 0;
}

void CTembraView::ApplyShiftLock() {
    const CConfigOperation& state = GetDocument()->GetOperation();
    const LONG op = state.GetOperation();
    if (!m_mouse.IsShift() || op == COperationState::kOpEdit ||
        op == COperationState::kOpCopyPick || op == COperationState::kOpMovePick ||
        state.GetState() == 0) {
        return;
    }
    // The point keeps to the axis through the drag start that it strays least from; at equal
    // distances the start's x stays.
    CPoint point = m_mouse.GetPoint();
    const CPoint start = m_mouse.GetStartPoint();
    if (std::abs(point.x - start.x) > std::abs(point.y - start.y)) {
        point.y = start.y;
    } else {
        point.x = start.x;
    }
    m_mouse.SetPoint(point);
}

void CTembraView::UpdateCursorPosition(CDC* dc) {
    static_cast<void>(dc);
    const CPoint point = m_mouse.GetPoint();
    const CTime date = m_layout.XToDate(point.x, GetDateSnap(m_mouse.IsCtrl()), 0);
    const int row = m_layout.YToRow(point.y);
    m_mouse.SetCursorPosition(date, row, m_layout.XToColumn(point.x), m_layout.YToRowF(point.y));
    UpdateStatusDatePane(m_layout, GetDocument()->GetOperation(), point, date, row);
}

BOOL CTembraView::ItemHeaderAction() {
    if (m_mouse.GetCode() == CMouseEvent::kLeftPress) {
        Ui().PostCommand(ID_KOUMOKU_COLUMNS);
    }
    return TRUE;
}

BOOL CTembraView::ObjectAction(CDC* dc) {
    CTembraDoc* doc = GetDocument();
    const CSize client = m_host.GetClientSize();
    if (doc == nullptr || client.cx <= 0 || client.cy <= 0) {
        return FALSE; // minimised
    }
    CConfigOperation& state = doc->GetOperation();
    // A gesture whose mode or operation was changed under it ends before anything else.
    if (m_gesture != nullptr && !m_gesture->RunsUnder(state)) {
        m_gesture->Abort(dc);
    }
    state.ShowModeGuide();
    const int zone = m_layout.HitZone(m_mouse.GetPoint());

    if (GetAppConfig()->GetCrossCursor() != 0 && IsCursorOverView()) {
        DrawCrossCursor(dc, (zone & kCrossZones) != 0 ? 1 : 0, m_mouse);
    }
    ApplyShiftLock();
    UpdateCursorPosition(dc);

    if (state.GetOperation() == kOpAreaZoom) {
        AreaZoomAction(dc);
        return TRUE;
    }
    if (state.GetState() == 0 && (zone & CPageLayout::kZoneAreaName) != 0) {
        return ItemHeaderAction();
    }
    if (IsDateBandActive() && TrackDateRange(dc) != FALSE) {
        return TRUE;
    }
    if (CallEdit(EditSlot::ItemCellInput, dc) != FALSE ||
        CallEdit(EditSlot::TrackItemArea, dc) != FALSE) {
        return TRUE;
    }
    return Dispatch(dc);
}

void CTembraView::PostObjectAction(const std::optional<CPoint>& leftPressAt) {
    if (!leftPressAt) {
        m_host.PostObjectAction(std::nullopt);
        OnSetCursor(IsCursorOverView());
        return;
    }
    CPoint device = *leftPressAt;
    if (std::unique_ptr<CDC> dc = PreparedClientDC()) {
        dc->LPtoDP(&device);
    }
    CMouseEvent record;
    record.Set(CMouseEvent::kLeftDown, MK_LBUTTON, device.x, device.y);
    m_host.PostObjectAction(record);
}

void CTembraView::OnModeChanged() {
    EndZukeiDrawingOnModeChange();
    CTembraDoc* doc = GetDocument();
    if (doc == nullptr) {
        return;
    }
    if (m_mouseTrack != MouseTrack::None && m_ownOperationChange == 0) {
        if (m_host.HasCapture()) {
            std::unique_ptr<CDC> dc = PreparedClientDC();
            AbortMouseTrack(dc.get());
        } else {
            m_mouseTrack = MouseTrack::None;
        }
    }
    if (doc->GetOperation().GetState() == 0) {
        DropPendingEdits();
    }
    // A chart waiting to be placed goes with the placement it was made for.
    if (doc->GetOperation().GetMode() != COperationState::kModeChart ||
        doc->GetOperation().GetState() < 100) {
        DropPendingChart();
    }
    if (m_gesture == nullptr || m_gesture->RunsUnder(doc->GetOperation())) {
        return;
    }
    std::unique_ptr<CDC> dc = PreparedClientDC();
    m_gesture->Abort(dc.get());
}

} // namespace tembra
