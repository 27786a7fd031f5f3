#include "view/core/EventDragGesture.h"

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
// The document's modes of MoveSelectedEvents.
constexpr int kCopyMode = 2;
constexpr int kMoveMode = 3;

} // namespace

CEventDragGesture::CEventDragGesture(CTembraView& view) : m_view(view) {}

CTembraDoc& CEventDragGesture::Doc() const {
    return *m_view.GetDocument();
}

void CEventDragGesture::SetStep(Step step) const {
    Doc().GetOperation().SetState(static_cast<WORD>(step));
}

bool CEventDragGesture::DrawFeedback(CDC* dc, bool show) {
    CTembraDoc& doc = Doc();
    const CPageLayout& layout = m_view.GetLayout();
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
            const CPoint anchor = GetAnchorPoint(*copy, layout);
            MoveToPoint(*copy, layout, anchor + m_offset, keepTip);
            KeepInChart(*copy, layout, keepTip);
            m_view.InvertEventBox(dc, *copy, copy->IsBalloon());
        }
        return true;
    };
    bool ok = true;
    if (m_drawn) {
        ok = draw();
        m_drawn = false;
    }
    if (!show || !ok) {
        return ok;
    }
    const CMouseEvent& mouse = m_view.GetMouseEvent();
    m_offset = mouse.GetLastPoint() - mouse.GetStartPoint();
    if (!draw()) {
        return false;
    }
    m_drawn = true;
    return true;
}

void CEventDragGesture::Redraw(CDC* dc) {
    if (m_drawn) {
        m_drawn = false;
        DrawFeedback(dc, true);
    }
}

void CEventDragGesture::Drop() {
    m_drawn = false;
}

void CEventDragGesture::Start(CEvent* event) {
    CMouseEvent& mouse = m_view.GetMouseEvent();
    // The drag counts from the event's anchor, whatever point of it the pointer took.
    const CPoint point = mouse.GetPoint();
    mouse.SetPoint(GetAnchorPoint(*event, m_view.GetLayout()));
    mouse.StoreStart();
    mouse.StoreLast();
    mouse.SetPoint(point);
    m_span = CChartPos();
    m_span.SetStartDate(event->GetStartDate());
    m_span.SetEndDate(event->GetStartDate());
    m_span.SetStartRow(event->GetStartRow());
    m_span.SetEndRow(event->GetStartRow());
    m_drawn = false;
    m_swallowRelease = false;
    SetStep(Step::Dragging);
    m_view.Host().SetCapture();
    m_view.Host().SetAutoScroll(true);
}

void CEventDragGesture::End(CDC* dc, bool restore) {
    DrawFeedback(dc, false);
    CConfigOperation& config = Doc().GetOperation();
    if (restore) {
        config.RestoreOperation();
    }
    SetStep(Step::Idle);
    m_view.EndMoveCapture();
}

BOOL CEventDragGesture::Track(CDC* dc) {
    CTembraDoc& doc = Doc();
    CConfigOperation& config = doc.GetOperation();
    CMouseEvent& mouse = m_view.GetMouseEvent();
    IViewHost& host = m_view.Host();
    m_view.SnapEventPoint(dc, true);
    const int code = mouse.GetCode();
    switch (static_cast<Step>(config.GetState())) {
    case Step::Idle: {
        if (code == CMouseEvent::kLeftPress) {
            if ((m_view.GetLayout().HitZone(mouse.GetPoint()) &
                 (CPageLayout::kZoneChart | CPageLayout::kZoneKoutei)) == 0) {
                return FALSE;
            }
            host.SetCapture();
            host.SetAutoScroll(true);
            mouse.StoreStart();
            mouse.StoreLast();
            SetStep(Step::Pressed);
            return TRUE;
        }
        CEvent* lone =
            doc.GetSelCount() == 1 ? AsEvent(doc.GetSelAt(doc.GetHeadSelPosition())) : nullptr;
        if ((code == CMouseEvent::kMoveNoButton || code == CMouseEvent::kMoveLeft) &&
            lone != nullptr) {
            // The lone event follows the pointer; its drop brings the edit operation back.
            config.SetSavedOperation(Op::kOpEdit);
            Start(lone);
            CPoint device = mouse.GetPoint();
            dc->LPtoDP(&device);
            host.PostMouseEvent(CMouseEvent::kMove, MK_LBUTTON, device);
            return TRUE;
        }
        return FALSE;
    }
    case Step::Pressed: {
        if (code == CMouseEvent::kRightRelease) {
            End(dc, true);
            return TRUE;
        }
        if (code != CMouseEvent::kLeftRelease && code != CMouseEvent::kMoveLeft) {
            return FALSE;
        }
        CEvent* picked = nullptr;
        // What is dragged is what lay under the press.
        if (m_view.PickEvent(dc, CTembraView::PressPoint(mouse), &picked,
                             CTembraView::kPickSelection, 0) == 0) {
            End(dc, true);
            return TRUE;
        }
        Start(picked);
        mouse.StoreLast();
        DrawFeedback(dc, true);
        return TRUE;
    }
    case Step::Dragging:
        return Dragging(dc);
    case Step::Placed:
        if (code == CMouseEvent::kRightRelease) {
            SetStep(Step::Dragging);
            return TRUE;
        }
        if (code == CMouseEvent::kLeftRelease && host.HasCapture()) {
            DrawFeedback(dc, false);
            const CPoint offset = mouse.GetPoint() - mouse.GetStartPoint();
            const LONG op = config.GetOperation();
            doc.GetEvents().MoveSelectedEvents(
                m_view.GetLayout(), offset.x, offset.y,
                op == Op::kOpCopy || op == Op::kOpCopyFree ? kCopyMode : kMoveMode);
            End(dc, config.GetSavedOperation() != 0);
            return TRUE;
        }
        return FALSE;
    default:
        End(dc, true);
        return FALSE;
    }
}

BOOL CEventDragGesture::Dragging(CDC* dc) {
    IViewHost& host = m_view.Host();
    CRect pending;
    if (host.GetUpdateRect(pending)) {
        return FALSE;
    }
    CMouseEvent& mouse = m_view.GetMouseEvent();
    const bool unmoved = mouse.GetPoint() == mouse.GetStartPoint();
    switch (mouse.GetCode()) {
    case CMouseEvent::kLeftPress:
        if (!host.HasCapture()) {
            return FALSE;
        }
        if (mouse.IsAlt()) {
            DrawFeedback(dc, false);
            host.ReleaseCapture();
            const bool ok = m_view.AskPosition(
                PositionRequest::TemplateFor(false, m_view.IsElapsedChart()), m_span);
            host.SetCapture();
            if (!ok) {
                m_swallowRelease = true;
                return TRUE;
            }
            // The anchor goes to the typed date and row: the release is posted there.
            host.PostMouseEvent(CMouseEvent::kLeftUp, 0, m_view.SpanEndDevice(dc, m_span));
            SetStep(Step::Placed);
            return TRUE;
        }
        if (unmoved) {
            Ui().Beep(MB_ICONEXCLAMATION);
            return FALSE;
        }
        SetStep(Step::Placed);
        return TRUE;
    case CMouseEvent::kLeftRelease: {
        if (!host.HasCapture()) {
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
        CPoint device = mouse.GetPoint();
        dc->LPtoDP(&device);
        host.PostMouseEvent(CMouseEvent::kLeftUp, 0, device);
        SetStep(Step::Placed);
        return TRUE;
    }
    case CMouseEvent::kRightRelease:
        End(dc, true);
        return TRUE;
    case CMouseEvent::kMoveNoButton:
    case CMouseEvent::kMoveLeft:
        if (m_drawn && mouse.GetPoint() - mouse.GetStartPoint() == m_offset) {
            return FALSE;
        }
        DrawFeedback(dc, false);
        m_view.ScrollForCursor(dc, mouse.GetPoint().x, mouse.GetPoint().y);
        mouse.StoreLast();
        if (!DrawFeedback(dc, true)) {
            // No feedback can be shown: the drag is given up.
            End(dc, true);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace tembra
