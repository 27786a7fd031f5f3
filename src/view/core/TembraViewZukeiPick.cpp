// Picking shapes with a click or a band, the handles of the shape selection, and the edit
// operation of the shape mode built on them: a click selects the front shape under the pointer
// (or unselects a selected one), a click on nothing starts a band, and a drag of the selection
// or of a handle hands the gesture to the move, copy or deform operation.
#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/LayerSet.h"
#include "platform/DC.h"
#include "shapes/Zukei.h"
#include "shapes/ZukeiGeometry.h"
#include "view/core/EditGesture.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <algorithm>

namespace tembra {

namespace {

using Op = COperationState;

// Half the side of a click's pick square, device pixels.
constexpr int kPickPixels = 3;

CRect DeviceOf(CDC* dc, CRect r) {
    dc->LPtoDP(&r);
    r.NormalizeRect();
    return r;
}

// The selected shapes, in selection order.
std::vector<CZukei*> SelectedZukei(CTembraDoc& doc) {
    std::vector<CZukei*> shapes;
    for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
        if (CZukei* shape = AsZukei(doc.GetNextSel(pos))) {
            shapes.push_back(shape);
        }
    }
    return shapes;
}

} // namespace

BOOL CTembraView::PickZukei(CDC* dc, const CMouseEvent& mouse, UINT flags) {
    CTembraDoc& doc = *GetDocument();
    const CPoint start = mouse.GetStartPoint();
    const CPoint point = mouse.GetPoint();
    const bool click = start == point;
    CRect device;
    if (click) {
        CPoint at = start;
        dc->LPtoDP(&at);
        device =
            CRect(at.x - kPickPixels, at.y - kPickPixels, at.x + kPickPixels, at.y + kPickPixels);
    } else {
        CRect band(start.x, start.y, point.x, point.y);
        band.NormalizeRect();
        if (m_layout.IsScrolledDown() != FALSE) {
            CRect chart = m_layout.GetChartRect();
            chart.NormalizeRect();
            band.IntersectRect(band, chart);
        }
        device = DeviceOf(dc, band);
    }
    if (device.IsRectEmpty()) {
        return FALSE;
    }
    CRect probe = device;
    dc->DPtoLP(&probe);
    probe.NormalizeRect();
    // Wakunai 0: touching the band is enough, with Shift it must lie inside; Wakunai 1 the
    // other way round.
    const bool inside = (doc.GetOperation().GetWakunai() != 0) != mouse.IsShift();
    const int rule = click ? kHitTouch : inside ? kHitInside : kHitTouch;

    const auto candidate = [&](const CZukei& shape) {
        if (shape.GetKind() == kZukeiFramedString) {
            return true;
        }
        CRect bounds = DeviceOf(dc, shape.GetDeviceRect(*this));
        if (bounds.Width() == 0 || bounds.Height() == 0) {
            bounds.InflateRect(1, 1);
        }
        CRect common;
        return common.IntersectRect(bounds, device) != FALSE;
    };

    BOOL found = FALSE;
    if ((flags & kZukeiPickList) != 0) {
        auto& shapes = doc.GetZukeiList();
        for (POSITION pos = shapes.GetTailPosition(); pos != nullptr;) {
            const POSITION at = pos;
            CZukei* shape = doc.GetShapes().GetPrevZukei(pos);
            if (shape == nullptr ||
                doc.GetChartLayers().IsObjectLayerVisible(shape) != CLayerSet::kShown ||
                !candidate(*shape) || shape->HitTest(*this, probe, rule) == FALSE) {
                continue;
            }
            if (click) {
                if ((flags & kZukeiPickDeselect) != 0) {
                    if (shape->IsSelected() == 0) {
                        return FALSE;
                    }
                    doc.GetShapes().DeselectZukei(shape);
                    return TRUE;
                }
                doc.GetShapes().SelectZukeiAt(at);
                return TRUE;
            }
            if (shape->IsSelected() == 0) {
                doc.GetShapes().SelectZukeiAt(at);
                found = TRUE;
            }
        }
    }
    if ((flags & kZukeiPickSelection) != 0) {
        for (CZukei* shape : SelectedZukei(doc)) {
            CRect bounds = DeviceOf(dc, shape->GetDeviceRect(*this));
            bounds.InflateRect(1, 1);
            CRect common;
            if (common.IntersectRect(bounds, device) != FALSE &&
                shape->HitTest(*this, probe, rule) != FALSE) {
                return TRUE;
            }
        }
    }
    return found;
}

// ---- Handles ------------------------------------------------------------------------------------

// The rectangle the handles of the selection stand on: one shape's own, or the union of the
// shapes' rectangles (y upwards: top above bottom); null without one on this page.
static CRect SelectionHandleRect(const CTembraView& view, const std::vector<CZukei*>& shapes) {
    if (shapes.size() == 1) {
        return shapes.front()->GetDeviceRect(view);
    }
    CRect united;
    bool any = false;
    for (const CZukei* shape : shapes) {
        CRect r = shape->GetDeviceRect(view);
        if (r.IsRectNull()) {
            continue;
        }
        r.NormalizeRect();
        if (any) {
            united.left = std::min(united.left, r.left);
            united.top = std::min(united.top, r.top);
            united.right = std::max(united.right, r.right);
            united.bottom = std::max(united.bottom, r.bottom);
        } else {
            united = r;
            any = true;
        }
    }
    return any ? CRect(united.left, united.bottom, united.right, united.top) : CRect();
}

int CTembraView::HitZukeiHandle(CDC* dc, const CPoint& point) {
    const std::vector<CZukei*> shapes = SelectedZukei(*GetDocument());
    m_zukeiHandle = kHandleNone;
    m_zukeiHandleRect = SelectionHandleRect(*this, shapes);
    if (shapes.size() == 1) {
        m_zukeiHandle = shapes.front()->HitTestHandle(*this, *dc, point);
        return m_zukeiHandle;
    }
    if (m_zukeiHandleRect.IsRectNull()) {
        return kHandleNone;
    }
    // Where the squares overlap, the higher number wins, as on one shape.
    const int s = CZukei::PixelsToLogical(*dc, CZukei::kHandlePixels);
    for (int handle = kHandleLeft; handle >= kHandleTopLeft; --handle) {
        const CPoint p = HandlePoint(m_zukeiHandleRect, handle);
        if (CRect(p.x - s, p.y - s, p.x + s, p.y + s).PtInRect(point)) {
            m_zukeiHandle = handle;
            break;
        }
    }
    return m_zukeiHandle;
}

void CTembraView::DrawZukeiHandles(CDC* dc, CTembraDoc& doc) {
    const std::vector<CZukei*> shapes = SelectedZukei(doc);
    if (shapes.empty()) {
        return;
    }
    m_zukeiHandleRect = SelectionHandleRect(*this, shapes);
    if (m_zukeiHandleRect.IsRectNull()) {
        return;
    }
    // One shape marks its own handles (a line its two ends); several the eight of the union.
    CRect rect = shapes.size() == 1 ? CRect() : m_zukeiHandleRect;
    shapes.front()->DrawHandles(*this, *dc, rect);
}

// ---- The edit operation -------------------------------------------------------------------------

BOOL CTembraView::ZukeiEdit(CDC* dc) {
    CTembraDoc& doc = *GetDocument();
    CConfigOperation& config = doc.GetOperation();
    m_mouse.StorePrev();
    const int code = m_mouse.GetCode();
    switch (config.GetState()) {
    case 0: {
        if (!ZukeiPressInZone()) {
            return FALSE;
        }
        BeginZukeiGesture();
        m_zukeiBandDrawn = FALSE;
        config.SetState(1);
        return TRUE;
    }
    case 1: {
        if (code == CMouseEvent::kRightRelease) {
            EndZukeiCapture();
            return TRUE;
        }
        if (code != CMouseEvent::kMoveLeft && code != CMouseEvent::kLeftRelease) {
            return FALSE;
        }
        const CMouseEvent press = PressPoint(m_mouse);
        if (code == CMouseEvent::kMoveLeft) {
            const bool onSelected = PickZukei(dc, press, kZukeiPickSelection) != FALSE;
            const bool onHandle = HitZukeiHandle(dc, press.GetPoint()) != 0;
            if (onSelected || onHandle) {
                // The drag goes to the operation that carries it, which brings this one back at
                // its end; it starts at the press's chart position.
                config.SaveOperation();
                config.ChangeOperation(onHandle           ? Op::kOpDeformApply
                                       : m_mouse.IsCtrl() ? Op::kOpCopy
                                                          : Op::kOpMove);
                config.SetState(1);
                OnSetCursor();
                m_host.SetCapture();
                CPoint device(CZukei::DateToX(*this, m_zukeiStartDate),
                              CZukei::RowToY(*this, m_zukeiStartRow));
                dc->LPtoDP(&device);
                m_host.PostMouseEvent(CMouseEvent::kMove, MK_LBUTTON, device);
                return TRUE;
            }
        }
        // A click (or a drag that began on nothing).
        if (PickZukei(dc, press, kZukeiPickDeselect | kZukeiPickList) != FALSE) {
            doc.GetShapes().UpdateAllZukeiViews();
            EndZukeiCapture();
            return TRUE;
        }
        if (CEditGesture::ClearsSelection(config.GetMultiEdit(), m_mouse.IsCtrl())) {
            doc.GetShapes().DeselectAllZukei();
        }
        if (PickZukei(dc, press, kZukeiPickList) != FALSE) {
            doc.GetShapes().UpdateAllZukeiViews();
            doc.GetUndoHistory().Reset();
            if (CAppState* app = GetAppState()) {
                app->SetEditModify(false);
            }
            EndZukeiCapture();
            return TRUE;
        }
        m_mouse.StoreLast();
        m_zukeiBandDrawn = FALSE;
        config.SetState(2);
        if (code == CMouseEvent::kMoveLeft) {
            DrawTrackRect(dc, 1, m_mouse, m_zukeiBandDrawn);
        }
        return TRUE;
    }
    case 2:
    case 3: {
        SelectBand band;
        band.drawn = &m_zukeiBandDrawn;
        band.pick = [&] {
            doc.GetShapes().UpdateAllZukeiViews();
            return PickZukei(dc, m_mouse, kZukeiPickList) != FALSE;
        };
        band.end = [&] { EndZukeiCapture(); };
        band.answersTaken = false;
        return TrackSelectBand(dc, band);
    }
    default:
        config.SetState(0);
        return FALSE;
    }
}

} // namespace tembra
