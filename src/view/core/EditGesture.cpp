#include "view/core/EditGesture.h"

#include "document/TembraDoc.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "view/core/MouseEvent.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>

namespace tembra {

CEditGesture::CEditGesture(CTembraView& view, WORD lastPlacing)
    : m_view(view), m_lastPlacing(std::max(lastPlacing, kFirstPlacing)) {}

CEditGesture::~CEditGesture() {
    // An ended gesture may outlive its view; a running one is still the view's.
    if (m_active) {
        Detach();
    }
}

CTembraDoc& CEditGesture::Doc() const {
    return *m_view.GetDocument();
}

CMouseEvent& CEditGesture::Mouse() const {
    return m_view.GetMouseEvent();
}

IViewHost& CEditGesture::Host() const {
    return m_view.Host();
}

bool CEditGesture::AcceptsZone(int zone) const {
    return (zone & (CPageLayout::kZoneChart | CPageLayout::kZoneKoutei)) != 0;
}

bool CEditGesture::RunsUnder(const COperationState& state) const {
    return state.GetMode() == m_mode && state.GetOperation() == m_operation;
}

BOOL CEditGesture::Run(CDC* dc) {
    const WORD state = Doc().GetOperation().GetState();
    if (state != 0 && !m_active) {
        // The capture held with no gesture behind it: the hand-over of another function.
        if (state == 1 && Host().HasCapture() && m_view.GetActiveGesture() == nullptr) {
            Adopt();
        } else {
            return ResetStray();
        }
    }
    if (state == 0) {
        if (Mouse().GetCode() != CMouseEvent::kLeftPress ||
            !AcceptsZone(m_view.GetPageLayout().HitZone(Mouse().GetPoint()))) {
            return FALSE;
        }
        Begin();
        return TRUE;
    }
    if (state == 1) {
        return RunPressed(dc);
    }
    if (state <= m_lastPlacing) {
        return RunPlacing(dc);
    }
    return ResetStray();
}

BOOL CEditGesture::ResetStray() {
    CConfigOperation& operation = Doc().GetOperation();
    if (operation.GetSavedOperation() != 0) {
        operation.RestoreOperation();
    }
    operation.SetState(0);
    return FALSE;
}

void CEditGesture::Begin() {
    CConfigOperation& operation = Doc().GetOperation();
    Host().SetCapture();
    Host().SetAutoScroll(true);
    Mouse().StoreStart();
    Mouse().StoreLast();
    Mouse().StorePrev();
    m_drawn = false;
    Adopt();
    operation.SetState(1);
}

void CEditGesture::Adopt() {
    const CConfigOperation& operation = Doc().GetOperation();
    m_active = true;
    m_mode = operation.GetMode();
    m_operation = operation.GetOperation();
    m_pickOnDrag = m_operation != COperationState::kOpDraw;
    m_view.SetActiveGesture(this);
}

BOOL CEditGesture::RunPressed(CDC* dc) {
    const int code = Mouse().GetCode();
    if (code == CMouseEvent::kRightRelease) {
        Detach();
        Doc().GetOperation().SetState(0);
        EndCapture();
        return TRUE;
    }
    const bool pick =
        code == CMouseEvent::kLeftRelease || (m_pickOnDrag && code == CMouseEvent::kMoveLeft);
    if (!pick) {
        return code == CMouseEvent::kMoveLeft || code == CMouseEvent::kMoveNoButton;
    }
    const WORD next = Pick(dc);
    if (!m_active) {
        return TRUE; // handed over
    }
    if (next == 0) {
        Detach();
        Doc().GetOperation().SetState(0);
        EndCapture();
        return TRUE;
    }
    Doc().GetOperation().SetState(std::min(next, m_lastPlacing));
    DrawFeedback(dc);
    m_drawn = true;
    return TRUE;
}

BOOL CEditGesture::RunPlacing(CDC* dc) {
    CRect pending;
    if (Host().GetUpdateRect(pending)) {
        return FALSE;
    }
    CConfigOperation& operation = Doc().GetOperation();
    const WORD state = operation.GetState();
    const CPoint point = Mouse().GetPoint();
    switch (Mouse().GetCode()) {
    case CMouseEvent::kMoveNoButton:
    case CMouseEvent::kMoveLeft:
        EraseFeedback(dc);
        m_view.ScrollForCursor(dc, point.x, point.y);
        Mouse().StoreLast();
        DrawFeedback(dc);
        m_drawn = true;
        return TRUE;
    case CMouseEvent::kLeftPress:
    case CMouseEvent::kLeftRelease:
        if (!Host().HasCapture()) {
            return FALSE;
        }
        if (point == Mouse().GetStartPoint()) {
            if (BeepsAtStart()) {
                Ui().Beep(MB_OK);
            }
            return TRUE;
        }
        Mouse().StoreLast();
        if (state >= m_lastPlacing) {
            Finish(dc);
        } else {
            operation.SetState(static_cast<WORD>(state + 1));
        }
        return TRUE;
    case CMouseEvent::kRightRelease:
        if (state > kFirstPlacing) {
            operation.SetState(static_cast<WORD>(state - 1));
        } else {
            Cancel(dc);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

void CEditGesture::EraseFeedback(CDC* dc) {
    if (m_drawn && dc != nullptr) {
        DrawFeedback(dc);
    }
    m_drawn = false;
}

void CEditGesture::Detach() {
    m_active = false;
    if (m_view.GetActiveGesture() == this) {
        m_view.SetActiveGesture(nullptr);
    }
}

void CEditGesture::Finish(CDC* dc) {
    EraseFeedback(dc);
    // The operations below change the operation: the view must not take that for a change
    // made under the gesture.
    Detach();
    Doc().GetUndoHistory().Reset();
    Commit(dc);
    CConfigOperation& operation = Doc().GetOperation();
    if (operation.GetSavedOperation() != 0) {
        operation.RestoreOperation();
    }
    operation.SetState(0);
    EndCapture();
}

void CEditGesture::Cancel(CDC* dc) {
    EraseFeedback(dc);
    Detach();
    Discard();
    CConfigOperation& operation = Doc().GetOperation();
    if (operation.GetSavedOperation() != 0) {
        operation.RestoreOperation();
    }
    operation.SetState(0);
    EndCapture();
}

void CEditGesture::Abort(CDC* dc) {
    EraseFeedback(dc);
    Detach();
    Discard();
    CConfigOperation& operation = Doc().GetOperation();
    if (operation.GetState() != 0) {
        operation.SetState(0);
    }
    EndCapture();
}

void CEditGesture::EndCapture() {
    Host().SetAutoScroll(false);
    Host().ReleaseCapture();
}

void CEditGesture::HandOver(CDC* dc, LONG operation, WORD state) {
    CConfigOperation& config = Doc().GetOperation();
    // The capture stays; the gesture of the new operation takes it at the posted move.
    Detach();
    config.SaveOperation();
    config.ChangeOperation(operation);
    config.SetState(state);
    m_view.OnSetCursor();
    CPoint device = Mouse().GetStartPoint();
    dc->LPtoDP(&device);
    Host().PostMouseEvent(CMouseEvent::kMove, MK_LBUTTON, device);
}

} // namespace tembra
