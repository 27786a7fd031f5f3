#include "view/core/YogoGesture.h"

#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"
#include "model/Koutei.h"
#include "model/Yogo.h"
#include "platform/DC.h"
#include "render/KouteiLabels.h"
#include "render/StyledDraw.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

namespace tembra {

namespace {

using Op = COperationState;

bool HasLeader(WORD form) {
    return form == kYogoPlaceLeaderLeft || form == kYogoPlaceLeaderRight;
}

} // namespace

CYogoGesture::CYogoGesture(CTembraView& view) : m_view(view) {}

CYogoGesture::~CYogoGesture() = default;

CTembraDoc& CYogoGesture::Doc() const {
    return *m_view.GetDocument();
}

CMouseEvent& CYogoGesture::Mouse() const {
    return m_view.GetMouseEvent();
}

CPageLayout& CYogoGesture::Layout() const {
    return m_view.GetLayout();
}

IViewHost& CYogoGesture::Host() const {
    return m_view.Host();
}

void CYogoGesture::SetStep(Step step) const {
    Doc().GetOperation().SetState(static_cast<WORD>(step));
}

bool CYogoGesture::Press() {
    CMouseEvent& mouse = Mouse();
    const int zone = Layout().HitZone(mouse.GetPoint());
    if ((zone & (CPageLayout::kZoneChart | CPageLayout::kZoneKoutei)) == 0) {
        return false;
    }
    Host().SetCapture();
    Host().SetAutoScroll(true);
    mouse.StoreStart();
    mouse.StoreLast();
    return true;
}

void CYogoGesture::End(bool restore) {
    CTembraDoc& doc = Doc();
    CConfigOperation& config = doc.GetOperation();
    // A drag that carried nothing leaves its process selected as it was before the drag.
    if (m_ownerBefore && m_process != nullptr && doc.FindSel(m_process) != nullptr) {
        const OwnerSelection& before = *m_ownerBefore;
        CKoutei& process = *m_process;
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
    m_ownerBefore.reset();
    if (restore && config.GetSavedOperation() != 0) {
        config.RestoreOperation();
    }
    SetStep(Step::Idle);
    m_process = nullptr;
    m_target = nullptr;
    m_index = -1;
    m_drawn = false;
    m_dragged = false;
    m_targetSelected = false;
    m_newYogo.reset();
    Host().SetAutoScroll(false);
    Host().ReleaseCapture();
}

void CYogoGesture::Abort(CDC* dc) {
    m_view.DrawTrackRect(dc, 0, Mouse(), m_bandDrawn);
    DrawFeedback(dc, false);
    if (m_newYogo || m_targetSelected) {
        // The pick of a term being placed, or of a carry's target, selected its process.
        Doc().CancelLastSel();
    }
    End(false);
}

// ---- Feedback -----------------------------------------------------------------------------------

const CYogo* CYogoGesture::FeedbackYogo() const {
    if (m_newYogo) {
        return m_newYogo.get();
    }
    return m_process != nullptr ? m_process->GetYogo(m_index) : nullptr;
}

void CYogoGesture::InvertFeedback(CDC* dc) {
    const CYogo* term = FeedbackYogo();
    if (term == nullptr || dc == nullptr) {
        return;
    }
    const CMouseEvent& mouse = Mouse();
    const CPoint from = mouse.GetStartPoint();
    const CPoint to = mouse.GetLastPoint();
    CRect box;
    m_view.GetYogoBoxAt(dc, *term, to, &box);
    const int saved = dc->SaveDC();
    const int lineType = HasLeader(term->GetAttr().m_form) ? 0 : 2;
    DrawStyledLine(dc, from.x, from.y, to.x, to.y, lineType, 0, RGB(0, 0, 0), R2_NOT, TRANSPARENT);
    DrawStyledRect(dc, box, 0, 0, RGB(0, 0, 0), -1, RGB(255, 255, 255), R2_NOT, TRANSPARENT);
    dc->RestoreDC(saved);
}

BOOL CYogoGesture::DrawFeedback(CDC* dc, bool show) {
    if (!show) {
        if (m_drawn) {
            InvertFeedback(dc);
            m_drawn = false;
            return TRUE;
        }
        return FALSE;
    }
    CMouseEvent& mouse = Mouse();
    const CYogo* term = FeedbackYogo();
    if (term == nullptr || mouse.GetPoint() == mouse.GetLastPoint()) {
        return FALSE;
    }
    if (m_drawn) {
        InvertFeedback(dc);
        m_drawn = false;
    }
    m_view.ScrollForCursor(dc, mouse.GetPoint().x, mouse.GetPoint().y);
    mouse.SetLastPoint(m_view.GetYogoBoxAt(dc, *term, mouse.GetPoint()));
    InvertFeedback(dc);
    m_drawn = true;
    return TRUE;
}

void CYogoGesture::RedrawFeedback(CDC* dc) {
    const CTembraDoc* doc = m_view.GetDocument();
    if (doc == nullptr || dc == nullptr || dc->IsPrinting() || !m_drawn ||
        doc->GetOperation().GetMode() != Op::kModeYogo) {
        return;
    }
    const LONG op = doc->GetOperation().GetOperation();
    if (op == Op::kOpDraw || op == Op::kOpEdit || op == Op::kOpCopy || op == Op::kOpMove) {
        // The paint wiped the inverted feedback where it painted: it is drawn again whole, and
        // stays drawn.
        InvertFeedback(dc);
    }
}

} // namespace tembra
