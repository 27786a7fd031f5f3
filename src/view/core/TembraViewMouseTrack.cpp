// The end of a mouse gesture from outside it. When the user chooses another mode or operation
// while a hand-written gesture (processes, terms, resources) holds the capture: what it inverted
// is inverted back, what it half made is dropped, the document is left as a right click leaves
// it, and the newly chosen mode and operation stay. Before a command or another program's call
// changes the document, and at Escape, any gesture of the view ends through its own right-button
// cancel (EndGesture).
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "platform/DC.h"
#include "view/core/EditGesture.h"
#include "view/core/KouteiDragGesture.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"
#include "view/core/YogoGesture.h"

namespace tembra {

namespace {

// The placing steps a gesture can step back through before a right release cancels it (the
// drawing of a bent process has the most).
constexpr int kMostCancelSteps = 8;

} // namespace

void CTembraView::EndGesture() {
    CTembraDoc* doc = GetDocument();
    if (doc == nullptr || m_endingGesture || !m_host.HasCapture()) {
        return;
    }
    m_endingGesture = true;
    // Every gesture cancels on a right release with no button held; in a later placing step it
    // steps back one step first. Each release goes where the pointer was last, after any paint
    // that waits (a gesture takes no button over a pending paint). At sub-state 0 a right release
    // would be the context menu's, not a cancel: the gesture has ended there.
    for (int step = 0;
         step < kMostCancelSteps && m_host.HasCapture() && doc->GetOperation().GetState() != 0;
         ++step) {
        std::unique_ptr<CDC> dc = PreparedClientDC();
        if (!dc) {
            break;
        }
        CPoint device = m_mouse.GetPoint();
        dc->LPtoDP(&device);
        dc.reset();
        m_host.UpdateWindow();
        ObjectActionAt(CMouseEvent::kRightUp, 0, device);
    }
    if (m_host.HasCapture()) {
        // A gesture the release did not end lets the mouse go all the same.
        std::unique_ptr<CDC> dc = PreparedClientDC();
        AbortMouseTrack(dc.get());
        if (m_gesture != nullptr) {
            m_gesture->Abort(dc.get());
        }
        EndMoveCapture();
    }
    m_endingGesture = false;
}

CTembraView::MouseTrackScope::MouseTrackScope(CTembraView& view, MouseFamily family)
    : m_view(view), m_family(family) {
    ++m_view.m_ownOperationChange;
}

CTembraView::MouseTrackScope::~MouseTrackScope() {
    --m_view.m_ownOperationChange;
    const COperationState& state = m_view.GetDocument()->GetOperation();
    if (state.GetState() == 0 || !m_view.m_host.HasCapture()) {
        m_view.m_mouseTrack = MouseTrack::None;
        return;
    }
    const LONG op = state.GetOperation();
    m_view.m_trackOperation = op;
    switch (m_family) {
    case MouseFamily::Process:
        m_view.m_mouseTrack = op == COperationState::kOpDraw   ? MouseTrack::ProcessDraw
                              : op == COperationState::kOpEdit ? MouseTrack::ProcessPick
                                                               : MouseTrack::ProcessMove;
        break;
    case MouseFamily::Term:
        m_view.m_mouseTrack = MouseTrack::Term;
        break;
    case MouseFamily::Resource:
        m_view.m_mouseTrack = MouseTrack::Resource;
        break;
    }
}

void CTembraView::AbortMouseTrack(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    switch (m_mouseTrack) {
    case MouseTrack::ProcessPick:
        DrawTrackRect(dc, 0, m_mouse, m_bandDrawn);
        break;
    case MouseTrack::ProcessMove:
        m_kouteiDrag->Abort(dc, m_trackOperation);
        break;
    case MouseTrack::ProcessDraw:
        CancelDraw(dc);
        break;
    case MouseTrack::Term:
        m_yogo->Abort(dc);
        break;
    case MouseTrack::Resource:
        DrawTrackRect(dc, 0, m_mouse, m_bandDrawn);
        m_newShigen.reset();
        m_shigenHit = nullptr;
        break;
    case MouseTrack::None:
        return;
    }
    m_mouseTrack = MouseTrack::None;
    if (doc.GetOperation().GetState() != 0) {
        doc.GetOperation().SetState(0);
    }
    EndMoveCapture();
}

} // namespace tembra
