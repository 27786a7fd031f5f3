// Zoom by steps and to a dragged area, the shifts of the displayed period and rows by pages, and
// the automatic scrolling of a drag that leaves the window.
#include "document/TembraDoc.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/StyledDraw.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tembra {

namespace {

// The calendar the chart's dates lie in.
const CTime kFirstDay = GetMinDate();
const CTime kLastDay = GetMaxDate();

CRect Normalized(CRect r) {
    r.NormalizeRect();
    return r;
}

// Whether a logical point lies on a rectangle of the layout (top above bottom), edges included.
bool OnArea(const CRect& area, const CPoint& p) {
    const CRect r = Normalized(area);
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

// A band closer than this to a click in both directions is a click (device pixels).
constexpr LONG kClickBand = 4;

int Days(const CTimeSpan& span) {
    return static_cast<int>(span.GetTimeSpan() / (24 * 60 * 60));
}

} // namespace

// ---- Zoom by steps ----------------------------------------------------------------------------

void CTembraView::SetZoomIndexCommand(int index) {
    m_layout.SetZoomIndex(std::clamp(index, 0, CPageLayout::kZoomCount - 1));
    m_layout.SetZoomPercent(0);
    if (m_snapshot.zoomPercent != 0) {
        m_snapshot.zoomPercent = 0;
        m_snapshot.zoomIndex = -1;
    }
    OnUpdate(nullptr, kHintGeneral, nullptr);
}

void CTembraView::OnZoomIn() {
    m_layout.SetZoomIndex(std::min(m_layout.GetZoomIndex() + 1, CPageLayout::kZoomCount - 1));
    ForgetAreaZoom();
    OnUpdate(nullptr, kHintGeneral, nullptr);
}

void CTembraView::OnZoomOut() {
    m_layout.SetZoomIndex(std::max(m_layout.GetZoomIndex() - 1, 0));
    ForgetAreaZoom();
    OnUpdate(nullptr, kHintGeneral, nullptr);
}

void CTembraView::ForgetAreaZoom() {
    m_layout.SetZoomPercent(0);
    // A step from an area zoom may land on the index the snapshot still holds from before it:
    // the chart is laid out for the step all the same.
    if (m_snapshot.zoomPercent != 0) {
        m_snapshot.zoomPercent = 0;
        m_snapshot.zoomIndex = -1;
    }
}

void CTembraView::ZoomStepAt(bool in, const CPoint& devicePoint) {
    const int index = m_layout.GetZoomIndex() + (in ? 1 : -1);
    if (index < 0 || index >= CPageLayout::kZoomCount || !m_layout.IsZoomPossible(index)) {
        return;
    }
    m_zoomAnchor = devicePoint;
    if (in) {
        OnZoomIn();
    } else {
        OnZoomOut();
    }
    m_zoomAnchor.reset();
}

// ---- Shifts -------------------------------------------------------------------------------------

void CTembraView::ShiftPeriod(bool forward) {
    const int days = m_layout.GetDayCount();
    int step = m_host.IsHalfScroll() ? days / 2 : days;
    step = std::max(step, 1);
    // The period stays inside the calendar: at its first (last) day it does not move.
    const int room = forward ? Days(kLastDay - m_layout.GetEndDate())
                             : Days(m_layout.GetStartDate() - kFirstDay);
    step = std::min(step, room);
    if (step <= 0) {
        return;
    }
    const CTime start = m_layout.GetStartDate() + CTimeSpan(forward ? step : -step, 0, 0, 0);
    m_layout.SetStartDate(start);
    m_layout.SetEndDate(start + CTimeSpan(days - 1, 0, 0, 0));
    AfterShift();
}

void CTembraView::OnShiftLeft() {
    ShiftPeriod(false);
}

void CTembraView::OnShiftRight() {
    ShiftPeriod(true);
}

void CTembraView::OnShiftUp() {
    CTembraDoc* doc = GetDocument();
    doc->GetKoumokuCells().ClearSelectedKoumokuCells(FALSE);
    const bool half = m_host.IsHalfScroll();
    const int rows = m_layout.GetRowCount();
    int step = rows - 1;
    if (half) {
        step /= 2;
    }
    const int first = std::max(0, m_layout.GetFirstRow() - (step + 1));
    m_layout.SetFirstRow(static_cast<short>(first));
    m_layout.SetLastRow(static_cast<short>(first + rows - 1));
    const int altRows = m_layout.GetAltRowCount();
    const int span = doc->GetSyokiSet().GetRowSpan();
    if (altRows > 0 && altRows < span && first <= altRows) {
        m_layout.SetFirstRow(0);
        m_layout.SetLastRow(static_cast<short>(span - 1));
        m_layout.SetScrolledDown(FALSE);
        m_layout.EnsureLayout();
    }
    AfterShift();
}

void CTembraView::OnShiftDown() {
    CTembraDoc* doc = GetDocument();
    doc->GetKoumokuCells().ClearSelectedKoumokuCells(FALSE);
    const bool half = m_host.IsHalfScroll();
    const int rows = m_layout.GetRowCount();
    int step = rows - 1;
    if (half) {
        step /= 2;
    }
    int last = std::min(m_layout.GetLastRow() + step + 1, kMaxLastRow);
    int first = last - (rows - 1);
    const int altRows = m_layout.GetAltRowCount();
    const int span = doc->GetSyokiSet().GetRowSpan();
    if (altRows > 0 && altRows < span && rows == span) {
        last -= altRows;
        if (half) {
            first += altRows / 2;
            last += altRows / 2;
        }
        m_layout.SetFirstRow(static_cast<short>(first));
        m_layout.SetLastRow(static_cast<short>(last));
        m_layout.SetScrolledDown(TRUE);
        m_layout.EnsureLayout();
    } else {
        m_layout.SetFirstRow(static_cast<short>(first));
        m_layout.SetLastRow(static_cast<short>(last));
    }
    AfterShift();
}

void CTembraView::OnShiftReset() {
    CTembraDoc* doc = GetDocument();
    doc->GetKoumokuCells().ClearSelectedKoumokuCells(FALSE);
    const CSyokiSet& set = doc->GetSyokiSet();
    m_layout.SetStartDate(set.GetStartDate());
    m_layout.SetEndDate(set.GetEndDate());
    m_layout.SetFirstRow(static_cast<short>(set.GetFirstRow()));
    m_layout.SetLastRow(static_cast<short>(set.GetLastRow()));
    m_layout.SetScrolledDown(FALSE);
    m_layout.EnsureLayout();
    AfterShift();
}

void CTembraView::AfterShift() {
    // A text shape edited in place would end its edit here; the view then lays itself out.
    OnUpdate(nullptr, kHintGeneral, nullptr);
}

// ---- Area zoom ----------------------------------------------------------------------------------

void CTembraView::OnAreaZoom() {
    CConfigOperation& operation = GetDocument()->GetOperation();
    if (operation.GetOperation() != kOpAreaZoom) {
        m_areaZoom.held = true;
        m_areaZoom.operation = operation.GetOperation();
        m_areaZoom.toolCode = operation.GetToolCode();
        m_areaZoom.state = operation.GetState();
        operation.ChangeOperation(kOpAreaZoom);
        operation.SetState(0);
    }
    m_host.SetCursor(IViewHost::kCursorAreaZoom);
}

void CTembraView::EndAreaZoom() {
    CTembraDoc* doc = GetDocument();
    // The area zoom may have begun in another view of the chart.
    AreaZoomSaved* saved = m_areaZoom.held ? &m_areaZoom : nullptr;
    for (CView* view : doc->GetViews()) {
        auto* other = dynamic_cast<CTembraView*>(view);
        if (saved == nullptr && other != nullptr && other->m_areaZoom.held) {
            saved = &other->m_areaZoom;
        }
    }
    CConfigOperation& operation = doc->GetOperation();
    if (saved != nullptr) {
        operation.ChangeOperation(saved->operation);
        operation.SetToolCode(saved->toolCode);
        operation.SetState(saved->state);
        saved->held = false;
    } else {
        operation.ChangeOperation(COperationState::kOpEdit);
        operation.SetState(0);
    }
    m_host.SetCursor(IViewHost::kCursorArrow);
}

BOOL CTembraView::AreaZoomAction(CDC* dc) {
    CConfigOperation& operation = GetDocument()->GetOperation();
    const int code = m_mouse.GetCode();
    const CPoint point = m_mouse.GetPoint();
    switch (operation.GetState()) {
    case 0:
        if (code == CMouseEvent::kRightRelease) {
            EndAreaZoom();
            return TRUE;
        }
        if (code == CMouseEvent::kLeftPress || code == CMouseEvent::kDoubleClick) {
            const bool onPage =
                OnArea(m_layout.GetPageRect(), point) ||
                (m_layout.GetHeader() != nullptr && OnArea(m_layout.GetHeaderRect(), point));
            if (!onPage) {
                return FALSE;
            }
            m_host.SetCapture();
            m_host.SetAutoScroll(true);
            m_mouse.SetStartPoint(point);
            m_mouse.SetLastPoint(point);
            m_mouse.SetPrevPoint(point);
            operation.SetState(1);
            return TRUE;
        }
        return code == CMouseEvent::kMoveNoButton ? TRUE : FALSE;
    case 1:
        if (code == CMouseEvent::kLeftRelease && !IsClickBand(dc, m_mouse.GetStartPoint(), point)) {
            // Pressed, dragged and released with no move between them (a quick drag): the band
            // is the press and the release point.
            m_host.SetAutoScroll(false);
            m_host.ReleaseCapture();
            CloseAreaZoom(dc, point);
            return TRUE;
        }
        if (code == CMouseEvent::kLeftRelease || code == CMouseEvent::kMoveLeft) {
            // The band starts at the press.
            m_mouse.SetLastPoint(m_mouse.GetStartPoint());
            m_mouse.SetPrevPoint(m_mouse.GetStartPoint());
            m_trackRect.SetRectEmpty();
            m_bTrackDrawn = FALSE;
            operation.SetState(2);
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            operation.SetState(0);
            m_host.SetAutoScroll(false);
            m_host.ReleaseCapture();
            return TRUE;
        }
        return FALSE;
    case 2: {
        CRect pending;
        if (m_host.GetUpdateRect(pending)) {
            return FALSE;
        }
        const bool away = m_host.HasCapture() && point != m_mouse.GetStartPoint();
        switch (code) {
        case CMouseEvent::kMoveNoButton:
        case CMouseEvent::kMoveLeft:
            DrawTrackRect(dc, 1, m_mouse, m_bTrackDrawn);
            return TRUE;
        case CMouseEvent::kLeftPress:
            if (!away) {
                return FALSE;
            }
            operation.SetState(3);
            return TRUE;
        case CMouseEvent::kLeftRelease:
            if (!away) {
                return FALSE;
            }
            {
                CPoint device = point;
                dc->LPtoDP(&device);
                m_host.PostMouseEvent(CMouseEvent::kLeftUp, 0, device);
            }
            operation.SetState(3);
            return TRUE;
        case CMouseEvent::kRightRelease:
            DrawTrackRect(dc, 0, m_mouse, m_bTrackDrawn);
            operation.SetState(0);
            m_host.SetAutoScroll(false);
            m_host.ReleaseCapture();
            return TRUE;
        default:
            return FALSE;
        }
    }
    case 3:
        if (code == CMouseEvent::kLeftRelease && m_host.HasCapture()) {
            DrawTrackRect(dc, 0, m_mouse, m_bTrackDrawn);
            m_host.SetAutoScroll(false);
            m_host.ReleaseCapture();
            CloseAreaZoom(dc, point);
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            DrawTrackRect(dc, 1, m_mouse, m_bTrackDrawn);
            operation.SetState(2);
            return TRUE;
        }
        return FALSE;
    default:
        operation.SetState(0);
        return FALSE;
    }
}

bool CTembraView::IsClickBand(CDC* dc, CPoint from, CPoint to) const {
    dc->LPtoDP(&from);
    dc->LPtoDP(&to);
    return std::abs(to.x - from.x) < kClickBand && std::abs(to.y - from.y) < kClickBand;
}

void CTembraView::CloseAreaZoom(CDC* dc, const CPoint& release) {
    // The band ends where the button came up, whatever the last move tracked; a band too small
    // to mean an area is a click, which zooms in one step there.
    m_mouse.SetLastPoint(release);
    if (IsClickBand(dc, m_mouse.GetStartPoint(), release)) {
        CPoint device = release;
        dc->LPtoDP(&device);
        EndAreaZoom();
        ZoomStepAt(true, device);
        return;
    }
    ZoomToArea(dc);
    EndAreaZoom();
}

void CTembraView::ZoomToArea(CDC* dc) {
    static_cast<void>(dc);
    const CPoint start = m_mouse.GetStartPoint();
    const CPoint last = m_mouse.GetLastPoint();
    const CRect area = Normalized(CRect(start.x, start.y, last.x, last.y));
    const CRect client = GetClientLogicalRect();
    const double fx =
        area.Width() == 0 ? 0.0 : std::abs(client.Width()) / static_cast<double>(area.Width());
    const double fy =
        area.Height() == 0 ? 0.0 : std::abs(client.Height()) / static_cast<double>(area.Height());
    const double current = m_layout.GetZoom();
    double percent = 0;
    if (fx == 0) {
        percent = current * fy;
    } else if (fy == 0) {
        percent = current * fx;
    } else {
        percent = current * std::min(fx, fy);
    }
    percent = std::max(percent, static_cast<double>(kMinAreaZoom));
    for (int index = CPageLayout::kZoomCount - 1; index >= 0; --index) {
        if (m_layout.IsZoomPossible(index)) {
            percent = std::min(percent, static_cast<double>(CPageLayout::GetZoomPercent(index)));
            break;
        }
    }
    m_layout.SetZoomPercent(static_cast<int>(percent));
    const CRect track(start.x, start.y, last.x, last.y);
    m_layout.SetZoomCenter(CPoint((track.left + track.right) / 2, (track.top + track.bottom) / 2));
    OnUpdate(nullptr, kHintGeneral, nullptr);
}

void CTembraView::DrawTrackRect(CDC* dc, int mode, CMouseEvent& mouse, BOOL& drawn) {
    const auto draw = [&] {
        const int saved = dc->SaveDC();
        DrawStyledRect(dc, m_trackRect, 2, 0, RGB(0, 0, 0), -1, RGB(255, 255, 255), R2_NOT,
                       TRANSPARENT);
        dc->RestoreDC(saved);
    };
    if (drawn) {
        draw();
        drawn = FALSE;
    }
    if (mode != 1) {
        return;
    }
    ScrollForCursor(dc, mouse.GetPoint().x, mouse.GetPoint().y);
    mouse.SetPrevPoint(mouse.GetLastPoint());
    mouse.SetLastPoint(mouse.GetPoint());
    const CPoint start = mouse.GetStartPoint();
    m_trackRect = CRect(start.x, start.y, mouse.GetPoint().x, mouse.GetPoint().y);
    draw();
    drawn = TRUE;
}

// ---- Automatic scrolling ------------------------------------------------------------------------

void CTembraView::ScrollForCursor(CDC* dc, int x, int y) {
    const CRect client = GetClientLogicalRect();
    if (client.left <= x && x < client.right && client.bottom < y && y <= client.top) {
        return;
    }
    int dx = 0;
    if (x >= client.right) {
        dx = x - client.right;
    } else if (x < client.left) {
        dx = x - client.left;
    }
    int dy = 0;
    if (y <= client.bottom) {
        dy = y - client.bottom;
    } else if (y > client.top) {
        dy = y - client.top;
    }
    if (m_totalLog.cx <= std::abs(client.Width())) {
        dx = 0;
    }
    if (m_totalLog.cy <= std::abs(client.Height())) {
        dy = 0;
    }
    const CPoint old = GetScrollPosition();
    const CPoint target(old.x + dx, old.y + dy);

    if (m_host.IsSplitterPane()) {
        const int row = m_host.GetPaneRow();
        const int column = m_host.GetPaneColumn();
        for (const SplitterPane& pane : m_host.GetOtherPanes()) {
            if (pane.view == nullptr) {
                continue;
            }
            CPoint position = pane.view->GetScrollPosition();
            const CPoint before = position;
            if (pane.column == column) {
                position.x = target.x;
            }
            if (pane.row == row) {
                position.y = target.y;
            }
            if (position != before) {
                pane.view->ScrollToPosition(position);
                pane.view->SetScrollSizes(pane.view->GetChartScrollSize());
                pane.view->Host().UpdateWindow();
            }
        }
    }
    if (GetScrollPosition() != target) {
        ScrollToPosition(target);
    }
    SetScrollSizes(GetChartScrollSize());
    m_host.UpdateWindow();
    OnPrepareDC(dc);

    // The window repeats the move while the pointer stays outside (SetAutoScroll).
    if (GetClientLogicalRect() != client) {
        TellOverview(this, kHintPosition, nullptr, true);
    }
}

} // namespace tembra
