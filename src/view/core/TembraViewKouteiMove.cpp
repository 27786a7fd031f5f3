// The view's side of the process drag (CKouteiDragGesture) and what the mouse functions of the
// process and event modes share with it: the position dialog on a tracked span, the end of a
// span on the screen, the end of the capture.
#include "document/PositionRequest.h"
#include "document/TembraDoc.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "view/core/KouteiDragGesture.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

namespace tembra {

bool CTembraView::IsElapsedChart() const {
    return GetDocument()->GetSyokiSet().GetNobeMode() != 0;
}

void CTembraView::EndMoveCapture() {
    m_host.SetAutoScroll(false);
    m_host.ReleaseCapture();
}

bool CTembraView::AskPosition(int templateId, CChartPos& span) {
    PositionRequest request;
    request.templateId = templateId;
    request.noTimeOfDay = GetDateSnap(m_mouse.IsCtrl()) == 0;
    request.document = GetDocument();
    request.span = span;
    if (Ui().RunDialog(request) != IDOK) {
        return false;
    }
    span = request.span;
    return true;
}

CPoint CTembraView::SpanEndDevice(CDC* dc, const CChartPos& span) const {
    CPoint device = m_layout.DateRowToPoint(span.GetEndDate(), span.GetEndRow());
    dc->LPtoDP(&device);
    return device;
}

HolidayUse CTembraView::GetRefKind() const {
    return m_kouteiDrag->GetRefKind();
}

bool CTembraView::IsMoveFeedbackDrawn() const {
    return m_moveDrawn || m_kouteiDrag->IsFeedbackDrawn();
}

BOOL CTembraView::TrackMoveKoutei(CDC* dc) {
    const MouseTrackScope scope(*this, MouseFamily::Process);
    return m_kouteiDrag->Track(dc);
}

} // namespace tembra
