// The draw operation of the term mode: the text of the term bar becomes a term on the process
// line or node clicked; a free term with a lead line takes a second click for its text's place.
// The process is replaced by a copy that carries the new term, so that one undo gives the
// process back as it was.
#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Koutei.h"
#include "model/Yogo.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/KouteiLabels.h"
#include "render/KouteiRoute.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

namespace tembra {

namespace {

constexpr UINT kNoYogoText = 5007; // "先に用語入力を行ってください"

// The pick of the draw operation: nodes that carry terms first, then any part.
constexpr UINT kAttachNodes = CTembraView::kPickObjects | CTembraView::kPickYogoAttach;
constexpr UINT kAttachAny = 0x0F;

// The part of the process the term hangs on: the selected one.
WORD SelectedPart(const CKoutei& process) {
    if (process.IsStartLandSelected() != 0) {
        return kYogoOnStart;
    }
    if (process.IsEndLandSelected() != 0) {
        return kYogoOnEnd;
    }
    return kYogoOnLine;
}

} // namespace

void CTembraView::EndYogoGesture(bool restore) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    // A drag that carried nothing leaves its process selected as it was before the drag.
    if (m_yogoOwnerBefore && m_yogoProcess != nullptr && doc.FindSel(m_yogoProcess) != nullptr) {
        const OwnerSelection& before = *m_yogoOwnerBefore;
        CKoutei& process = *m_yogoProcess;
        if (before.process) {
            process.CDataHeader::Select();
        }
        if (before.line != (process.IsLinesSelected() != 0)) {
            before.line ? process.SelectLines() : process.DeselectLines();
        }
        if (before.start != (process.IsStartLandSelected() != 0)) {
            before.start ? process.SelectStartLand() : process.DeselectStartLand();
        }
        if (before.end != (process.IsEndLandSelected() != 0)) {
            before.end ? process.SelectEndLand() : process.DeselectEndLand();
        }
    }
    m_yogoOwnerBefore.reset();
    if (restore && config.GetSavedOperation() != 0) {
        config.RestoreOperation();
    }
    config.SetState(0);
    m_yogoProcess = nullptr;
    m_yogoTarget = nullptr;
    m_yogoIndex = -1;
    m_yogoDrawn = false;
    m_yogoDragged = false;
    m_yogoTargetSelected = false;
    m_newYogo.reset();
    m_host.SetAutoScroll(false);
    m_host.ReleaseCapture();
}

BOOL CTembraView::YogoDraw(CDC* dc) {
    const MouseTrackScope scope(*this, MouseFamily::Term);
    CConfigOperation& config = GetDocument()->GetOperation();
    const int code = m_mouse.GetCode();
    switch (config.GetState()) {
    case 0: {
        if (code != CMouseEvent::kLeftPress) {
            return FALSE;
        }
        const int zone = m_layout.HitZone(m_mouse.GetPoint());
        if ((zone & (CPageLayout::kZoneChart | CPageLayout::kZoneKoutei)) == 0) {
            return FALSE;
        }
        m_host.SetCapture();
        m_host.SetAutoScroll(true);
        m_mouse.StoreStart();
        m_mouse.StoreLast();
        m_newYogo.reset();
        m_yogoProcess = nullptr;
        m_yogoDrawn = false;
        config.SetState(1);
        return TRUE;
    }
    case 1:
        if (code == CMouseEvent::kRightRelease) {
            EndYogoGesture(false);
            return TRUE;
        }
        return code == CMouseEvent::kLeftRelease ? YogoDrawPicked(dc) : FALSE;
    case 2:
    case 3:
        return YogoDrawPlace(dc);
    default:
        config.SetState(0);
        return FALSE;
    }
}

BOOL CTembraView::YogoDrawPicked(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    // What lies under the release point.
    CMouseEvent release = m_mouse;
    release.SetStartPoint(m_mouse.GetPoint());
    CKoutei* picked = nullptr;
    int bits = PickKoutei(dc, release, &picked, kAttachNodes, 0);
    if (bits == 0 || picked == nullptr) {
        bits = PickKoutei(dc, release, &picked, kAttachAny, 0);
    }
    if (bits == 0 || picked == nullptr) {
        EndYogoGesture(false);
        return TRUE;
    }
    CAppState* state = GetAppState();
    if (state != nullptr && state->RefusesYogoText()) {
        doc.CancelLastSel();
        EndYogoGesture(false);
        return TRUE;
    }
    const std::string text = state != nullptr ? state->GetYogoText() : std::string();
    if (state == nullptr || !state->IsYogoBarVisible() || text.empty()) {
        AfxMessageBox(kNoYogoText);
        if (state != nullptr) {
            state->FocusYogoCombo(1);
        }
        doc.CancelLastSel();
        EndYogoGesture(false);
        return TRUE;
    }
    m_yogoProcess = picked;
    m_newYogo = doc.GetTerms().CreateYogo();
    if (!m_newYogo) {
        doc.CancelLastSel();
        EndYogoGesture(false);
        return TRUE;
    }
    m_newYogo->SetText(text);
    state->CommitYogoText();
    if (m_newYogo->GetAttr().m_form <= kYogoPlaceEnd) {
        YogoDrawFinish();
        return TRUE;
    }
    // A free term: its lead line leaves the line where it was clicked, or the node.
    if ((bits & kPickedLine) != 0 && (bits & kPickedNodes) == 0) {
        m_mouse.SetStartPoint(NearestRoutePoint(*picked, m_layout, m_mouse.GetStartPoint()));
    }
    m_mouse.SetLastPoint(m_mouse.GetStartPoint());
    m_yogoDrawn = false;
    config.SetState(2);
    return TRUE;
}

BOOL CTembraView::YogoDrawPlace(CDC* dc) {
    CRect pending;
    if (m_host.GetUpdateRect(pending)) {
        return FALSE;
    }
    CConfigOperation& config = GetDocument()->GetOperation();
    const WORD state = config.GetState();
    switch (m_mouse.GetCode()) {
    case CMouseEvent::kMoveNoButton:
    case CMouseEvent::kMoveLeft:
        if (state == 2) {
            DrawYogoFeedback(dc, 1, m_mouse, m_yogoDrawn);
        }
        return TRUE;
    case CMouseEvent::kLeftPress:
        if (state != 2 || !m_host.HasCapture() || m_mouse.GetPoint() == m_mouse.GetStartPoint()) {
            return FALSE;
        }
        config.SetState(3);
        return TRUE;
    case CMouseEvent::kLeftRelease:
        if (state != 3 || !m_host.HasCapture()) {
            return FALSE;
        }
        DrawYogoFeedback(dc, 0, m_mouse, m_yogoDrawn);
        YogoDrawFinish();
        return TRUE;
    case CMouseEvent::kRightRelease:
        if (state == 3) {
            DrawYogoFeedback(dc, 1, m_mouse, m_yogoDrawn);
            config.SetState(2);
        } else {
            YogoDrawCancel(dc);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

void CTembraView::YogoDrawCancel(CDC* dc) {
    DrawYogoFeedback(dc, 0, m_mouse, m_yogoDrawn);
    GetDocument()->CancelLastSel();
    EndYogoGesture(false);
}

void CTembraView::YogoDrawFinish() {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    doc.GetUndoHistory().Reset();
    if (std::unique_ptr<CKoutei> copy = doc.CopyKoutei(m_yogoProcess, TRUE)) {
        CYogo* term = m_newYogo.get();
        term->SetDateKind(SelectedPart(*copy));
        const BOOL atEnd = doc.GetSyokiSet().GetChart().GetYogoAttr().m_stack != 0 ? TRUE : FALSE;
        // A process with all its terms keeps the new one: AddYogo said why.
        if (copy->AddYogo(m_newYogo, atEnd) != FALSE) {
            const CPoint anchor = m_mouse.GetStartPoint();
            const CPoint place = m_mouse.GetLastPoint();
            SetYogoSubPosition(*copy, m_layout, *term, anchor.x, anchor.y);
            SetYogoPosition(*copy, m_layout, *term, place.x, place.y);
            if (POSITION pos = doc.FindSel(m_yogoProcess)) {
                doc.ReplaceSelAt(pos, copy.release(), 1);
            }
        }
    }
    doc.ClearAllSelections(FALSE);
    if (config.GetSavedMode() != 0) {
        config.RestoreMode();
    }
    EndYogoGesture(false);
}

} // namespace tembra
