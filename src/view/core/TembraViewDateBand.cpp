// A range of dates chosen in the date band: a press starts a range at the unit under the pointer
// (with Shift it extends the last one from its anchor), a drag extends it, a right click clears
// it; a left press anywhere else clears it too.
#include "document/TembraDoc.h"
#include "platform/DC.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

namespace tembra {

bool CTembraView::IsDateBandActive() const {
    const CConfigOperation& state = GetDocument()->GetOperation();
    const LONG mode = state.GetMode();
    return state.GetOperation() == COperationState::kOpEdit && state.GetState() == 0 &&
           mode != COperationState::kModeZukei && mode != COperationState::kModeObject &&
           mode != COperationState::kModeChart;
}

BOOL CTembraView::TrackDateRange(CDC* dc) {
    static_cast<void>(dc);
    CTembraDoc& doc = *GetDocument();
    const int code = m_mouse.GetCode();
    const CPoint point = m_mouse.GetPoint();
    if (m_layout.HitZone(point) != CPageLayout::kZoneDateBand) {
        if (code == CMouseEvent::kLeftPress) {
            doc.RedrawColumnRange(TRUE);
        }
        return FALSE;
    }
    const int snap = GetDateSnap(m_mouse.IsCtrl());
    const CTime start = m_layout.XToDate(point.x, snap, 0);
    // The end is the next boundary of the unit: the unit under the pointer is wholly inside.
    const CTime end = m_layout.XToDate(point.x, snap, 2);
    if (code == CMouseEvent::kRightPress || code == CMouseEvent::kRightRelease) {
        if (doc.HasColumnRange() != FALSE) {
            doc.RedrawColumnRange(TRUE);
        }
        return TRUE;
    }
    CTime from;
    CTime to;
    if (code == CMouseEvent::kLeftPress && !m_mouse.IsShift()) {
        from = start;
        to = end;
        m_dateAnchor = start;
    } else if (code == CMouseEvent::kLeftPress || code == CMouseEvent::kMoveLeft) {
        from = start >= m_dateAnchor ? m_dateAnchor : start;
        to = start >= m_dateAnchor ? end : m_dateAnchor;
    } else {
        return FALSE;
    }
    CChartPos& range = *doc.GetSelectedDateRange();
    if (range.GetStartDate() == from && range.GetEndDate() == to) {
        return TRUE;
    }
    doc.ClearAllSelections(FALSE);
    range.SetStartDate(from);
    range.SetEndDate(to);
    range.SetStartRow(static_cast<WORD>(m_layout.GetFirstRow()));
    range.SetEndRow(static_cast<WORD>(m_layout.GetLastRow()));
    doc.RedrawColumnRange(FALSE);
    m_host.UpdateWindow();
    return TRUE;
}

} // namespace tembra
