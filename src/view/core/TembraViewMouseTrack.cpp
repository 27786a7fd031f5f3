// The end of a hand-written mouse gesture (processes, terms, resources) when the user chooses
// another mode or operation while it holds the capture: what it inverted is inverted back, what
// it half made is dropped, the document is left as a right click leaves it, and the newly chosen
// mode and operation stay.
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "platform/DC.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

namespace tembra {

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
        if (m_moveDrawn) {
            DrawMoveFeedback(dc, m_trackOperation);
            m_moveDrawn = false;
        }
        if (!m_refLines.empty()) {
            RestoreRefLines(doc);
            doc.GetUndoHistory().Reset();
        }
        FreeRefLines();
        m_refKind = 0;
        m_picked = nullptr;
        m_swallowRelease = false;
        break;
    case MouseTrack::ProcessDraw:
        CancelDraw(dc);
        break;
    case MouseTrack::Term:
        DrawTrackRect(dc, 0, m_mouse, m_bandDrawn);
        DrawYogoFeedback(dc, 0, m_mouse, m_yogoDrawn);
        if (m_newYogo) {
            // The pick of a term being placed selected its process.
            doc.CancelLastSel();
        }
        EndYogoGesture(false);
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
