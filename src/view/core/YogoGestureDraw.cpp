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
#include "view/core/YogoGesture.h"

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

BOOL CYogoGesture::Draw(CDC* dc) {
    CConfigOperation& config = Doc().GetOperation();
    const int code = Mouse().GetCode();
    switch (static_cast<Step>(config.GetState())) {
    case Step::Idle: {
        if (code != CMouseEvent::kLeftPress) {
            return FALSE;
        }
        if (!Press()) {
            return FALSE;
        }
        m_newYogo.reset();
        m_process = nullptr;
        m_drawn = false;
        SetStep(Step::Pressed);
        return TRUE;
    }
    case Step::Pressed:
        if (code == CMouseEvent::kRightRelease) {
            End(false);
            return TRUE;
        }
        return code == CMouseEvent::kLeftRelease ? DrawPicked(dc) : FALSE;
    case Step::Placing:
    case Step::Placed:
        return DrawPlace(dc);
    default:
        SetStep(Step::Idle);
        return FALSE;
    }
}

BOOL CYogoGesture::DrawPicked(CDC* dc) {
    CTembraDoc& doc = Doc();
    // What lies under the release point.
    CMouseEvent release = Mouse();
    release.SetStartPoint(Mouse().GetPoint());
    CKoutei* picked = nullptr;
    int bits = m_view.PickKoutei(dc, release, &picked, kAttachNodes, 0);
    if (bits == 0 || picked == nullptr) {
        bits = m_view.PickKoutei(dc, release, &picked, kAttachAny, 0);
    }
    if (bits == 0 || picked == nullptr) {
        End(false);
        return TRUE;
    }
    CAppState* state = GetAppState();
    if (state != nullptr && state->RefusesYogoText()) {
        doc.CancelLastSel();
        End(false);
        return TRUE;
    }
    const std::string text = state != nullptr ? state->GetYogoText() : std::string();
    if (state == nullptr || !state->IsYogoBarVisible() || text.empty()) {
        AfxMessageBox(kNoYogoText);
        if (state != nullptr) {
            state->FocusYogoCombo(1);
        }
        doc.CancelLastSel();
        End(false);
        return TRUE;
    }
    m_process = picked;
    m_newYogo = doc.GetTerms().CreateYogo();
    if (!m_newYogo) {
        doc.CancelLastSel();
        End(false);
        return TRUE;
    }
    m_newYogo->SetText(text);
    state->CommitYogoText();
    if (m_newYogo->GetAttr().m_form <= kYogoPlaceEnd) {
        DrawFinish();
        return TRUE;
    }
    // A free term: its lead line leaves the line where it was clicked, or the node.
    if ((bits & CTembraView::kPickedLine) != 0 && (bits & CTembraView::kPickedNodes) == 0) {
        Mouse().SetStartPoint(NearestRoutePoint(*picked, Layout(), Mouse().GetStartPoint()));
    }
    Mouse().SetLastPoint(Mouse().GetStartPoint());
    m_drawn = false;
    SetStep(Step::Placing);
    return TRUE;
}

BOOL CYogoGesture::DrawPlace(CDC* dc) {
    CRect pending;
    if (Host().GetUpdateRect(pending)) {
        return FALSE;
    }
    CConfigOperation& config = Doc().GetOperation();
    const Step step = static_cast<Step>(config.GetState());
    switch (Mouse().GetCode()) {
    case CMouseEvent::kMoveNoButton:
    case CMouseEvent::kMoveLeft:
        if (step == Step::Placing) {
            DrawFeedback(dc, true);
        }
        return TRUE;
    case CMouseEvent::kLeftPress:
        if (step != Step::Placing || !Host().HasCapture() ||
            Mouse().GetPoint() == Mouse().GetStartPoint()) {
            return FALSE;
        }
        SetStep(Step::Placed);
        return TRUE;
    case CMouseEvent::kLeftRelease:
        if (step != Step::Placed || !Host().HasCapture()) {
            return FALSE;
        }
        DrawFeedback(dc, false);
        DrawFinish();
        return TRUE;
    case CMouseEvent::kRightRelease:
        if (step == Step::Placed) {
            DrawFeedback(dc, true);
            SetStep(Step::Placing);
        } else {
            DrawCancel(dc);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

void CYogoGesture::DrawCancel(CDC* dc) {
    DrawFeedback(dc, false);
    Doc().CancelLastSel();
    End(false);
}

void CYogoGesture::DrawFinish() {
    CTembraDoc& doc = Doc();
    CConfigOperation& config = doc.GetOperation();
    doc.GetUndoHistory().Reset();
    if (std::unique_ptr<CKoutei> copy = doc.CopyKoutei(m_process, TRUE)) {
        CYogo* term = m_newYogo.get();
        term->SetDateKind(SelectedPart(*copy));
        const BOOL atEnd = doc.GetSyokiSet().GetChart().GetYogoAttr().m_stack != 0 ? TRUE : FALSE;
        // A process with all its terms keeps the new one: AddYogo said why.
        if (copy->AddYogo(m_newYogo, atEnd) != FALSE) {
            const CPoint anchor = Mouse().GetStartPoint();
            const CPoint place = Mouse().GetLastPoint();
            SetYogoSubPosition(*copy, Layout(), *term, anchor.x, anchor.y);
            SetYogoPosition(*copy, Layout(), *term, place.x, place.y);
            if (POSITION pos = doc.FindSel(m_process)) {
                doc.ReplaceSelAt(pos, copy.release(), 1);
            }
        }
    }
    doc.ClearAllSelections(FALSE);
    if (config.GetSavedMode() != 0) {
        config.RestoreMode();
    }
    End(false);
}

} // namespace tembra
