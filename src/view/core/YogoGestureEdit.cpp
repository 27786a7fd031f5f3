// The edit operation of the term mode: a click picks a term (its text goes into the term bar), a
// click on a picked one drops it, a band picks every term inside, and a drag of a picked term
// hands it to the move (the copy with Ctrl). A Ctrl double click opens the term's hyperlink.
#include "document/AppState.h"
#include "document/CommandIds.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Koutei.h"
#include "model/Yogo.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/KouteiLabels.h"
#include "view/core/EditGesture.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"
#include "view/core/YogoGesture.h"

namespace tembra {

namespace {

using Op = COperationState;

// Where a dragged term is held: its place on the process for the terms on the line, the end of
// its lead line on the process for those with one, else the place of its text.
CPoint DragPoint(const CKoutei& process, const CPageLayout& layout, int index) {
    const CYogo& term = *process.GetYogo(index);
    int x = 0;
    int y = 0;
    const WORD form = term.GetAttr().m_form;
    // The offsets are kept from the middle of the part the term hangs on.
    GetYogoMidpoint(process, layout, term.GetDateKind(), x, y);
    if (form <= kYogoPlaceEnd) {
        return CPoint(x, y);
    }
    if (form == kYogoPlaceFree) {
        GetYogoAnchor(process, layout, index, x, y);
    } else {
        GetYogoLeaderEnd(process, layout, index, x, y);
    }
    return CPoint(x, y);
}

} // namespace

BOOL CYogoGesture::Edit(CDC* dc) {
    CTembraDoc& doc = Doc();
    CConfigOperation& config = doc.GetOperation();
    const int code = Mouse().GetCode();
    switch (static_cast<Step>(config.GetState())) {
    case Step::Idle: {
        if (code == CMouseEvent::kDoubleClick && Mouse().IsCtrl() && doc.GetSelCount() > 0) {
            Ui().PostCommand(ID_YOGO_LINK_OPEN);
            return TRUE;
        }
        if (code != CMouseEvent::kLeftPress) {
            return FALSE;
        }
        if (!Press()) {
            return FALSE;
        }
        m_bandDrawn = FALSE;
        SetStep(Step::Pressed);
        return TRUE;
    }
    case Step::Pressed:
        return EditPressed(dc);
    case Step::Band:
    case Step::BandClosed:
        return EditBand(dc);
    default:
        SetStep(Step::Idle);
        return FALSE;
    }
}

BOOL CYogoGesture::EditPressed(CDC* dc) {
    CTembraDoc& doc = Doc();
    CConfigOperation& config = doc.GetOperation();
    const int code = Mouse().GetCode();
    if (code == CMouseEvent::kRightRelease) {
        End(false);
        return TRUE;
    }
    if (code != CMouseEvent::kLeftRelease && code != CMouseEvent::kMoveLeft) {
        return FALSE;
    }
    CMouseEvent press = CTembraView::PressPoint(Mouse());
    press.SetLastPoint(press.GetStartPoint());
    if (code == CMouseEvent::kMoveLeft && doc.GetSelCount() == 1) {
        CKoutei* process = nullptr;
        int index = -1;
        if (m_view.PickYogo(dc, press, &process, &index, CTembraView::kPickSelection, 1) != FALSE &&
            process != nullptr && process->CountSelectedYogo() <= 1) {
            // The drag goes to the move (the copy with Ctrl), which comes back here at its end.
            m_process = process;
            m_index = index;
            m_target = nullptr;
            Mouse().SetStartPoint(DragPoint(*process, Layout(), index));
            m_ownerBefore = OwnerSelection{
                process->CDataHeader::IsSelected() != 0, process->IsLinesSelected() != 0,
                process->IsStartLandSelected() != 0, process->IsEndLandSelected() != 0};
            process->SelectYogoOwner(index);
            Mouse().StoreLast();
            m_drawn = false;
            config.SaveOperation();
            config.ChangeOperation(Mouse().IsCtrl() ? Op::kOpCopy : Op::kOpMove);
            SetStep(Step::Placing);
            m_view.OnSetCursor();
            CPoint device = Mouse().GetPoint();
            dc->LPtoDP(&device);
            Host().PostMouseEvent(CMouseEvent::kMove, MK_LBUTTON, device);
            return TRUE;
        }
    }
    if (m_view.PickYogo(dc, press, nullptr, nullptr,
                        CTembraView::kPickDeselect | CTembraView::kPickSelection, 0) != FALSE) {
        End(false);
        return TRUE;
    }
    if (CEditGesture::ClearsSelection(config.GetMultiEdit(), Mouse().IsCtrl())) {
        doc.UnselectAll();
    }
    CKoutei* process = nullptr;
    int index = -1;
    if (m_view.PickYogo(dc, press, &process, &index, 0x0F, 0) != FALSE && process != nullptr) {
        if (CAppState* state = GetAppState()) {
            state->SetYogoText(process->GetYogo(index)->GetText());
            state->SetEditModify(false);
        }
        doc.GetUndoHistory().Reset();
        End(false);
        return TRUE;
    }
    SetStep(Step::Band);
    m_bandDrawn = FALSE;
    return TRUE;
}

BOOL CYogoGesture::EditBand(CDC* dc) {
    CTembraView::SelectBand band;
    band.drawing = static_cast<WORD>(Step::Band);
    band.drawn = &m_bandDrawn;
    band.pick = [&] {
        CKoutei* process = nullptr;
        int index = -1;
        if (m_view.PickYogo(dc, Mouse(), &process, &index, 0x0F, 0) == FALSE ||
            process == nullptr) {
            return false;
        }
        if (CAppState* state = GetAppState()) {
            state->SetYogoText(process->GetYogo(index)->GetText());
        }
        return true;
    };
    band.end = [&] { End(false); };
    band.answersTaken = false;
    return m_view.TrackSelectBand(dc, band);
}

} // namespace tembra
