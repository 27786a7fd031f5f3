#include "shapes/ZukeiEllipse.h"

#include "render/StyledDraw.h"
#include "shapes/ZukeiCopy.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiHitArea.h"
#include "shapes/ZukeiView.h"

namespace tembra {

IMPLEMENT_SERIAL(CZukeiEllipse, CZukei2, 1)

CZukeiEllipse::CZukeiEllipse() {
    CZukeiEllipse::SetKind();
}

void CZukeiEllipse::SetKind() {
    CDataHeader::SetKind(kZukeiEllipse);
}

int CZukeiEllipse::GetSegmentCount() const {
    return 1;
}

void CZukeiEllipse::DrawEllipse(const CZukei& shape, const IZukeiView& view, CDC& dc,
                                const CRect& rect, int mode) {
    const ZukeiPen pen = shape.GetPenBrushAttr(view.GetPageLayout(), mode);
    DrawStyledEllipse(&dc, rect, pen.type, pen.width, pen.color, pen.hatch, pen.brushColor, pen.rop,
                      OPAQUE);
}

BOOL CZukeiEllipse::HitTestEllipse(const CZukei& shape, const IZukeiView& view, const CRect& rect,
                                   const CRect& probe, int mode) {
    const int tol = HitTolerance(shape.GetPenWidth(view));
    ZukeiHitArea area{ZukeiOutline::Ellipse(GrowOutward(rect, tol)), std::nullopt, std::nullopt};
    if (mode != kHitInside && shape.GetHatch() == kHatchNone) {
        area.hole = ZukeiOutline::Ellipse(GrowOutward(rect, -tol));
    }
    return HitTestArea(area, probe, mode);
}

void CZukeiEllipse::Draw(const IZukeiView& view, CDC& dc, int mode) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        DrawEllipse(*this, view, dc, CRect(p1, p2), mode);
    }
}

void CZukeiEllipse::DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        DrawEllipse(*this, view, dc, CRect(p1 + delta, p2 + delta), kDrawFeedback);
    }
}

void CZukeiEllipse::DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                                 const CRect& ref) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        CRect rect(p1, p2);
        ResizeRect(view, delta, handle, ref, rect);
        DrawEllipse(*this, view, dc, rect, kDrawFeedback);
    }
}

BOOL CZukeiEllipse::HitTest(const IZukeiView& view, const CRect& probe, int mode) const {
    CPoint p1;
    CPoint p2;
    return GetDevicePoints(view, p1, p2) ? HitTestEllipse(*this, view, CRect(p1, p2), probe, mode)
                                         : FALSE;
}

std::unique_ptr<CZukei> CZukeiEllipse::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
