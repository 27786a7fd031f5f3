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

BOOL CTembraView::YogoEdit(CDC* dc) {
    const MouseTrackScope scope(*this, MouseFamily::Term);
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    switch (config.GetState()) {
    case 0: {
        if (code == CMouseEvent::kDoubleClick && m_mouse.IsCtrl() && doc.GetSelCount() > 0) {
            Ui().PostCommand(ID_YOGO_LINK_OPEN);
            return TRUE;
        }
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
        m_bandDrawn = FALSE;
        config.SetState(1);
        return TRUE;
    }
    case 1:
        return YogoEditPressed(dc);
    case 4:
    case 5:
        return YogoEditBand(dc);
    default:
        config.SetState(0);
        return FALSE;
    }
}

BOOL CTembraView::YogoEditPressed(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    const int code = m_mouse.GetCode();
    if (code == CMouseEvent::kRightRelease) {
        EndYogoGesture(false);
        return TRUE;
    }
    if (code != CMouseEvent::kLeftRelease && code != CMouseEvent::kMoveLeft) {
        return FALSE;
    }
    CMouseEvent press = PressPoint(m_mouse);
    press.SetLastPoint(press.GetStartPoint());
    if (code == CMouseEvent::kMoveLeft && doc.GetSelCount() == 1) {
        CKoutei* process = nullptr;
        int index = -1;
        if (PickYogo(dc, press, &process, &index, kPickSelection, 1) != FALSE &&
            process != nullptr && process->CountSelectedYogo() <= 1) {
            // The drag goes to the move (the copy with Ctrl), which comes back here at its end.
            m_yogoProcess = process;
            m_yogoIndex = index;
            m_yogoTarget = nullptr;
            m_mouse.SetStartPoint(DragPoint(*process, m_layout, index));
            m_yogoOwnerBefore = OwnerSelection{
                process->CDataHeader::IsSelected() != 0, process->IsLinesSelected() != 0,
                process->IsStartLandSelected() != 0, process->IsEndLandSelected() != 0};
            process->SelectYogoOwner(index);
            m_mouse.StoreLast();
            m_yogoDrawn = false;
            config.SaveOperation();
            config.ChangeOperation(m_mouse.IsCtrl() ? Op::kOpCopy : Op::kOpMove);
            config.SetState(2);
            OnSetCursor();
            CPoint device = m_mouse.GetPoint();
            dc->LPtoDP(&device);
            m_host.PostMouseEvent(CMouseEvent::kMove, MK_LBUTTON, device);
            return TRUE;
        }
    }
    if (PickYogo(dc, press, nullptr, nullptr, kPickDeselect | kPickSelection, 0) != FALSE) {
        EndYogoGesture(false);
        return TRUE;
    }
    if (CEditGesture::ClearsSelection(config.GetMultiEdit(), m_mouse.IsCtrl())) {
        doc.UnselectAll();
    }
    CKoutei* process = nullptr;
    int index = -1;
    if (PickYogo(dc, press, &process, &index, 0x0F, 0) != FALSE && process != nullptr) {
        if (CAppState* state = GetAppState()) {
            state->SetYogoText(process->GetYogo(index)->GetText());
            state->SetEditModify(false);
        }
        doc.GetUndoHistory().Reset();
        EndYogoGesture(false);
        return TRUE;
    }
    config.SetState(4);
    m_bandDrawn = FALSE;
    return TRUE;
}

BOOL CTembraView::YogoEditBand(CDC* dc) {
    SelectBand band;
    band.drawing = 4;
    band.drawn = &m_bandDrawn;
    band.pick = [&] {
        CKoutei* process = nullptr;
        int index = -1;
        if (PickYogo(dc, m_mouse, &process, &index, 0x0F, 0) == FALSE || process == nullptr) {
            return false;
        }
        if (CAppState* state = GetAppState()) {
            state->SetYogoText(process->GetYogo(index)->GetText());
        }
        return true;
    };
    band.end = [&] { EndYogoGesture(false); };
    band.answersTaken = false;
    return TrackSelectBand(dc, band);
}

} // namespace tembra
