// The drag of the selected events in the copy and move operations of the event mode (and in the
// edit operation, which hands a drag of its selection over to them): the events move by the
// offset of the pointer from where the drag took them, their frames inverted on the window
// while they go; in the move operation a lone selected event follows the pointer at once and a
// click drops it.
#include "document/PositionRequest.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Event.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/EventGeometry.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

namespace tembra {

namespace {

using Op = COperationState;

constexpr UINT kNoFeedbackCopy = 5020; // "メモリ不足で参考線データが作成できません\n…"
// The document's mode of MoveSelectedEvents that copies.
constexpr int kCopyMode = 2;

} // namespace

bool CTembraView::DrawEventMoveFeedback(CDC* dc, int mode) {
    CTembraDoc& doc = *GetDocument();
    const BOOL keepTip = doc.GetOperation().GetEventBaseMove() != 0 ? TRUE : FALSE;
    const auto draw = [&]() {
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
            const CEvent* event = AsEvent(doc.GetNextSel(pos));
            if (event == nullptr) {
                continue;
            }
            std::unique_ptr<CEvent> copy = doc.GetEvents().CopyEvent(*event);
            if (!copy) {
                AfxMessageBox(kNoFeedbackCopy);
                return false;
            }
            const CPoint anchor = GetAnchorPoint(*copy, m_layout);
            MoveToPoint(*copy, m_layout, anchor + m_eventOffset, keepTip);
            KeepInChart(*copy, m_layout, keepTip);
            InvertEventBox(dc, *copy, copy->IsBalloon());
        }
        return true;
    };
    bool ok = true;
    if (m_eventMoveDrawn) {
        ok = draw();
        m_eventMoveDrawn = false;
    }
    if (mode == 0 || !ok) {
        return ok;
    }
    // The offset of the last point the drag reached (a repaint draws it there again).
    m_eventOffset = m_mouse.GetLastPoint() - m_mouse.GetStartPoint();
    if (!draw()) {
        return false;
    }
    m_eventMoveDrawn = true;
    return true;
}

void CTembraView::StartEventDrag(CDC* dc, CEvent* event) {
    static_cast<void>(dc);
    CConfigOperation& config = GetDocument()->GetOperation();
    m_pickedEvent = event;
    // The drag counts from the event's anchor, whatever point of it the pointer took.
    const CPoint point = m_mouse.GetPoint();
    m_mouse.SetPoint(GetAnchorPoint(*event, m_layout));
    m_mouse.StoreStart();
    m_mouse.StoreLast();
    m_mouse.SetPoint(point);
    m_trackPos = CChartPos();
    m_trackPos.SetStartDate(event->GetStartDate());
    m_trackPos.SetEndDate(event->GetStartDate());
    m_trackPos.SetStartRow(event->GetStartRow());
    m_trackPos.SetEndRow(event->GetStartRow());
    m_eventMoveDrawn = false;
    m_swallowRelease = false;
    config.SetState(2);
    m_host.SetCapture();
    m_host.SetAutoScroll(true);
}

void CTembraView::EndEventDrag(CDC* dc, bool restore) {
    DrawEventMoveFeedback(dc, 0);
    CConfigOperation& config = GetDocument()->GetOperation();
    if (restore) {
        config.RestoreOperation();
    }
    m_pickedEvent = nullptr;
    config.SetState(0);
    m_host.SetAutoScroll(false);
    m_host.ReleaseCapture();
}

BOOL CTembraView::TrackMoveEvent(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    SnapEventPoint(dc, true);
    const int code = m_mouse.GetCode();
    switch (config.GetState()) {
    case 0: {
        if (code == CMouseEvent::kLeftPress) {
            if ((m_layout.HitZone(m_mouse.GetPoint()) &
                 (CPageLayout::kZoneChart | CPageLayout::kZoneKoutei)) == 0) {
                return FALSE;
            }
            m_host.SetCapture();
            m_host.SetAutoScroll(true);
            m_mouse.StoreStart();
            m_mouse.StoreLast();
            m_pickedEvent = nullptr;
            config.SetState(1);
            return TRUE;
        }
        CEvent* lone =
            doc.GetSelCount() == 1 ? AsEvent(doc.GetSelAt(doc.GetHeadSelPosition())) : nullptr;
        if ((code == CMouseEvent::kMoveNoButton || code == CMouseEvent::kMoveLeft) &&
            lone != nullptr) {
            // The lone event follows the pointer; its drop brings the edit operation back.
            config.SetSavedOperation(Op::kOpEdit);
            StartEventDrag(dc, lone);
            CPoint device = m_mouse.GetPoint();
            dc->LPtoDP(&device);
            m_host.PostMouseEvent(CMouseEvent::kMove, MK_LBUTTON, device);
            return TRUE;
        }
        return FALSE;
    }
    case 1: {
        if (code == CMouseEvent::kRightRelease) {
            EndEventDrag(dc, true);
            return TRUE;
        }
        if (code != CMouseEvent::kLeftRelease && code != CMouseEvent::kMoveLeft) {
            return FALSE;
        }
        CEvent* picked = nullptr;
        // What is dragged is what lay under the press.
        if (PickEvent(dc, PressPoint(m_mouse), &picked, kPickSelection, 0) == 0) {
            EndEventDrag(dc, true);
            return TRUE;
        }
        StartEventDrag(dc, picked);
        m_mouse.StoreLast();
        DrawEventMoveFeedback(dc, 1);
        return TRUE;
    }
    case 2:
        return MoveEventDragging(dc);
    case 3:
        if (code == CMouseEvent::kRightRelease) {
            config.SetState(2);
            return TRUE;
        }
        if (code == CMouseEvent::kLeftRelease && m_host.HasCapture()) {
            DrawEventMoveFeedback(dc, 0);
            const CPoint offset = m_mouse.GetPoint() - m_mouse.GetStartPoint();
            const LONG op = config.GetOperation();
            doc.GetEvents().MoveSelectedEvents(
                m_layout, offset.x, offset.y,
                op == Op::kOpCopy || op == Op::kOpCopyFree ? kCopyMode : 3);
            EndEventDrag(dc, config.GetSavedOperation() != 0);
            return TRUE;
        }
        return FALSE;
    default:
        EndEventDrag(dc, true);
        return FALSE;
    }
}

BOOL CTembraView::MoveEventDragging(CDC* dc) {
    CRect pending;
    if (m_host.GetUpdateRect(pending)) {
        return FALSE;
    }
    CConfigOperation& config = GetDocument()->GetOperation();
    const bool unmoved = m_mouse.GetPoint() == m_mouse.GetStartPoint();
    switch (m_mouse.GetCode()) {
    case CMouseEvent::kLeftPress:
        if (!m_host.HasCapture()) {
            return FALSE;
        }
        if (m_mouse.IsAlt()) {
            DrawEventMoveFeedback(dc, 0);
            m_host.ReleaseCapture();
            const bool ok =
                AskPosition(PositionRequest::TemplateFor(false, IsElapsedChart()), m_trackPos);
            m_host.SetCapture();
            if (!ok) {
                m_swallowRelease = true;
                return TRUE;
            }
            // The anchor goes to the typed date and row: the release is posted there.
            m_host.PostMouseEvent(CMouseEvent::kLeftUp, 0, SpanEndDevice(dc, m_trackPos));
            config.SetState(3);
            return TRUE;
        }
        if (unmoved) {
            Ui().Beep(MB_ICONEXCLAMATION);
            return FALSE;
        }
        config.SetState(3);
        return TRUE;
    case CMouseEvent::kLeftRelease: {
        if (!m_host.HasCapture()) {
            return FALSE;
        }
        if (m_swallowRelease) {
            m_swallowRelease = false;
            return TRUE;
        }
        if (unmoved) {
            Ui().Beep(MB_ICONEXCLAMATION);
            return FALSE;
        }
        CPoint device = m_mouse.GetPoint();
        dc->LPtoDP(&device);
        m_host.PostMouseEvent(CMouseEvent::kLeftUp, 0, device);
        config.SetState(3);
        return TRUE;
    }
    case CMouseEvent::kRightRelease:
        EndEventDrag(dc, true);
        return TRUE;
    case CMouseEvent::kMoveNoButton:
    case CMouseEvent::kMoveLeft:
        if (m_eventMoveDrawn && m_mouse.GetPoint() - m_mouse.GetStartPoint() == m_eventOffset) {
            return FALSE;
        }
        DrawEventMoveFeedback(dc, 0);
        ScrollForCursor(dc, m_mouse.GetPoint().x, m_mouse.GetPoint().y);
        m_mouse.StoreLast();
        if (!DrawEventMoveFeedback(dc, 1)) {
            // No feedback can be shown: the drag is given up.
            EndEventDrag(dc, true);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace tembra
