#include "shapes/ZukeiInBox.h"

#include "render/StyledDraw.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiView.h"

namespace tembra {

int CZukeiInBox::GetSegmentCount() const {
    return 1;
}

void CZukeiInBox::Draw(const IZukeiView& view, CDC& dc, int mode) const {
    CRect rect;
    if (GetMovedDeviceRect(view, CPoint(0, 0), rect)) {
        DrawInBox(view, dc, rect, mode);
    }
}

void CZukeiInBox::DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const {
    CRect rect;
    if (GetMovedDeviceRect(view, delta, rect)) {
        DrawInBox(view, dc, rect, kDrawFeedback);
    }
}

void CZukeiInBox::DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                               const CRect& ref) const {
    CRect rect;
    if (GetTrackedDeviceRect(view, delta, handle, ref, rect)) {
        DrawInBox(view, dc, rect, kDrawFeedback);
    }
}

BOOL CZukeiInBox::HitTest(const IZukeiView& view, const CRect& probe, int mode) const {
    CPoint p1;
    CPoint p2;
    if (!GetDevicePoints(view, p1, p2)) {
        return FALSE;
    }
    const CRect rect(p1, p2);
    const int tol = HitTolerance(GetPenWidth(view));
    ZukeiHitArea area{OutlineInBox(view, rect, tol), std::nullopt, std::nullopt};
    if (mode != kHitInside && GetHatch() == kHatchNone) {
        area.hole = OutlineInBox(view, rect, -tol);
    }
    return HitTestArea(area, probe, mode);
}

void CZukeiInBox::DrawPolygon(const IZukeiView& view, CDC& dc, const CPoint* points, int count,
                              int mode) const {
    const ZukeiPen pen = GetPenBrushAttr(view.GetPageLayout(), mode);
    DrawStyledShape(&dc, points, count, pen.type, pen.width, pen.color, pen.hatch, pen.brushColor,
                    pen.rop, OPAQUE);
}

} // namespace tembra
