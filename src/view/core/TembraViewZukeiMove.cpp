// The copy, move and deform operations of the shape mode: the selected shapes' outlines follow
// the pointer, snapped to the grid, shifted by the drag or with the dragged handle at the
// pointer; the document copies, moves or reshapes every selected shape in one undo step.
#include "document/TembraDoc.h"
#include "model/Utility.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "shapes/Zukei.h"
#include "shapes/ZukeiGeometry.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>

namespace tembra {

namespace {

using Op = COperationState;

template <class Visit> void ForSelectedZukei(CTembraDoc& doc, Visit visit) {
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        if (const CZukei* shape = AsZukei(doc.GetNextSel(pos))) {
            visit(*shape);
        }
    }
}

// The handle rectangle with y upwards (top above bottom).
CRect LogNormal(CRect rect) {
    NormalizeLogRect(rect);
    return rect;
}

} // namespace

void CTembraView::DrawZukeiMoveFeedback(CDC* dc, const CMouseEvent& mouse) {
    const CPoint delta = mouse.GetLastPoint() - mouse.GetStartPoint();
    ForSelectedZukei(*GetDocument(),
                     [&](const CZukei& shape) { shape.DrawMoving(*this, *dc, delta); });
}

void CTembraView::DrawZukeiDeformFeedback(CDC* dc, const CMouseEvent& mouse) {
    const CRect ref = LogNormal(m_zukeiHandleRect);
    const CPoint delta = mouse.GetLastPoint() - HandlePoint(ref, m_zukeiHandle);
    ForSelectedZukei(*GetDocument(), [&](const CZukei& shape) {
        shape.DrawTracking(*this, *dc, delta, m_zukeiHandle, ref);
    });
}

void CTembraView::DrawZukeiEditFeedback(CDC* dc, CTembraDoc& doc) {
    const CConfigOperation& config = doc.GetOperation();
    if (!m_zukeiFeedback || config.GetMode() != Op::kModeZukei) {
        return;
    }
    switch (config.GetOperation()) {
    case Op::kOpDraw:
        DrawZukeiOutline(dc);
        break;
    case Op::kOpCopy:
    case Op::kOpMove:
        DrawZukeiMoveFeedback(dc, m_mouse);
        break;
    case Op::kOpDeformApply:
        DrawZukeiDeformFeedback(dc, m_mouse);
        break;
    default:
        break;
    }
}

void CTembraView::CommitZukeiMove(CDC* dc, CTembraDoc& doc) {
    static_cast<void>(dc);
    const CPoint delta = m_mouse.GetLastPoint() - m_mouse.GetStartPoint();
    const CTimeSpan span = m_mouse.GetLastTime() - m_mouse.GetStartTime();
    const double rows = m_mouse.GetLastRowF() - m_mouse.GetStartRowF();
    doc.GetShapes().MoveSelectedZukei(
        *this, delta, span, rows,
        doc.GetOperation().GetOperation() == Op::kOpCopy ? Op::kOpCopy : Op::kOpMove);
}

void CTembraView::CommitZukeiDeform(CDC* dc, CTembraDoc& doc) {
    // The dragged point stays on the chart: between the date area's edges and between the
    // top and the bottom of the chart body, on a date of the chart's period.
    const CRect chart = LogNormal(m_layout.GetChartRect());
    CPoint point = m_mouse.GetLastPoint();
    point.x = std::clamp(point.x, chart.left, chart.right);
    point.y = std::clamp(point.y, chart.bottom, chart.top);
    CDatePos pos;
    pos.point = point;
    pos.dragStart = m_mouse.GetStartPoint();
    pos.endDate =
        point == m_mouse.GetLastPoint() ? m_mouse.GetLastTime() : CZukei::XToDate(*this, point.x);
    pos.endRow =
        point == m_mouse.GetLastPoint() ? m_mouse.GetLastRowF() : CZukei::YToRow(*this, point.y);
    const CSyokiSet& settings = doc.GetSyokiSet();
    const CTime last = settings.GetEndDate() + CTimeSpan(1, 0, 0, 0);
    pos.endDate = std::clamp(pos.endDate, settings.GetStartDate(), last);
    pos.date = pos.endDate;
    pos.row = pos.endRow;

    const CRect ref = LogNormal(m_zukeiHandleRect);
    const CPoint delta = point - HandlePoint(ref, m_zukeiHandle);
    // The handle rectangle with the dragged handle at the point: a shape of no width or no
    // height is refused.
    CRect target = ref;
    if (HandleMovesLeft(m_zukeiHandle)) {
        target.left = point.x;
    }
    if (HandleMovesRight(m_zukeiHandle)) {
        target.right = point.x;
    }
    if (HandleMovesTop(m_zukeiHandle)) {
        target.top = point.y;
    }
    if (HandleMovesBottom(m_zukeiHandle)) {
        target.bottom = point.y;
    }
    CRect device = target;
    dc->LPtoDP(&device);
    if (device.Width() == 0 || device.Height() == 0) {
        Ui().Beep(MB_OK);
        return;
    }
    doc.GetShapes().ResizeSelectedZukei(*this, delta, m_zukeiHandle, ref, pos);
}

BOOL CTembraView::ZukeiCopyMove(CDC* dc) {
    return ZukeiPlacing(dc, *GetDocument(), false);
}

BOOL CTembraView::ZukeiDeform(CDC* dc) {
    return ZukeiPlacing(dc, *GetDocument(), true);
}

BOOL CTembraView::ZukeiPlacing(CDC* dc, CTembraDoc& doc, bool deform) {
    CConfigOperation& config = doc.GetOperation();
    m_mouse.StorePrev();
    const int code = m_mouse.GetCode();
    const WORD state = config.GetState();
    const auto draw = [&]() {
        if (deform) {
            DrawZukeiDeformFeedback(dc, m_mouse);
        } else {
            DrawZukeiMoveFeedback(dc, m_mouse);
        }
    };
    const auto erase = [&]() {
        if (m_zukeiFeedback) {
            draw();
            m_zukeiFeedback = false;
        }
    };
    const auto end = [&]() {
        if (config.GetSavedOperation() != 0) {
            config.RestoreOperation();
        }
        EndZukeiCapture();
    };
    switch (state) {
    case 0: {
        if (!ZukeiPressInZone()) {
            return FALSE;
        }
        BeginZukeiGesture();
        config.SetState(1);
        return TRUE;
    }
    case 1: {
        if (code == CMouseEvent::kRightRelease) {
            end();
            return TRUE;
        }
        if (code != CMouseEvent::kLeftRelease && code != CMouseEvent::kMoveLeft) {
            return FALSE;
        }
        const CMouseEvent press = PressPoint(m_mouse);
        const bool found = deform ? HitZukeiHandle(dc, press.GetPoint()) != 0
                                  : PickZukei(dc, press, kZukeiPickSelection) != FALSE;
        if (!found) {
            end();
            return TRUE;
        }
        if (deform) {
            OnSetCursor();
        }
        // The drag starts at the grid point of the press.
        const CPoint current = m_mouse.GetPoint();
        m_mouse.SetPoint(press.GetPoint());
        SnapZukeiPos(doc);
        m_mouse.StoreStart();
        m_mouse.StoreLast();
        m_mouse.SetPoint(current);
        SnapZukeiPos(doc);
        draw();
        m_zukeiFeedback = true;
        config.SetState(2);
        return TRUE;
    }
    case 2: {
        if (WaitsForPaint()) {
            return FALSE;
        }
        SnapZukeiPos(doc);
        const CPoint point = m_mouse.GetPoint();
        switch (code) {
        case CMouseEvent::kMoveNoButton:
        case CMouseEvent::kMoveLeft:
            if (point == m_mouse.GetLastPoint() && m_zukeiFeedback) {
                return TRUE;
            }
            erase();
            ScrollForCursor(dc, point.x, point.y);
            m_mouse.StoreLast();
            draw();
            m_zukeiFeedback = true;
            return TRUE;
        case CMouseEvent::kLeftPress:
        case CMouseEvent::kLeftRelease:
            if (point == m_mouse.GetStartPoint()) {
                Ui().Beep(MB_OK);
                return TRUE;
            }
            if (point != m_mouse.GetLastPoint()) {
                erase();
                m_mouse.StoreLast();
                draw();
                m_zukeiFeedback = true;
            }
            if (code == CMouseEvent::kLeftRelease) {
                CPoint device = point;
                dc->LPtoDP(&device);
                m_host.PostMouseEvent(CMouseEvent::kLeftUp, 0, device);
            }
            config.SetState(3);
            return TRUE;
        case CMouseEvent::kRightRelease:
            erase();
            end();
            return TRUE;
        default:
            return FALSE;
        }
    }
    case 3:
        if (code == CMouseEvent::kLeftRelease && m_host.HasCapture()) {
            erase();
            if (deform) {
                CommitZukeiDeform(dc, doc);
            } else {
                CommitZukeiMove(dc, doc);
            }
            end();
            return TRUE;
        }
        if (code == CMouseEvent::kRightRelease) {
            config.SetState(2);
            return TRUE;
        }
        return FALSE;
    default:
        config.SetState(0);
        return FALSE;
    }
}

} // namespace tembra
