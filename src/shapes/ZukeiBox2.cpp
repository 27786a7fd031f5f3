#include "shapes/ZukeiBox2.h"

#include "render/StyledDraw.h"
#include "shapes/ZukeiCopy.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiHitArea.h"
#include "shapes/ZukeiView.h"

namespace tembra {

IMPLEMENT_SERIAL(CZukeiBox2, CZukei2, 1)

CZukeiBox2::CZukeiBox2() {
    CZukeiBox2::SetKind();
}

void CZukeiBox2::SetKind() {
    CDataHeader::SetKind(kZukeiBox2);
}

int CZukeiBox2::GetSegmentCount() const {
    return 1;
}

CPoint CZukeiBox2::GetCorner(const IZukeiView& view) const {
    const int r = Zoom(view, static_cast<short>(GetBoxRay()));
    return CPoint(r, -r);
}

void CZukeiBox2::DrawOutline(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const {
    const ZukeiPen pen = GetPenBrushAttr(view.GetPageLayout(), mode);
    DrawStyledRoundRect(&dc, rect, GetCorner(view), pen.type, pen.width, pen.color, pen.hatch,
                        pen.brushColor, pen.rop, OPAQUE);
}

void CZukeiBox2::Draw(const IZukeiView& view, CDC& dc, int mode) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        DrawOutline(view, dc, CRect(p1, p2), mode);
    }
}

void CZukeiBox2::DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        DrawOutline(view, dc, CRect(p1 + delta, p2 + delta), kDrawFeedback);
    }
}

void CZukeiBox2::DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                              const CRect& ref) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        CRect rect(p1, p2);
        ResizeRect(view, delta, handle, ref, rect);
        DrawOutline(view, dc, rect, kDrawFeedback);
    }
}

BOOL CZukeiBox2::HitTest(const IZukeiView& view, const CRect& probe, int mode) const {
    CPoint p1;
    CPoint p2;
    if (!GetDevicePoints(view, p1, p2)) {
        return FALSE;
    }
    const int tol = HitTolerance(GetPenWidth(view));
    const int corner = GetCorner(view).x;
    const CRect rect(p1, p2);
    ZukeiHitArea area{ZukeiOutline::RoundRect(GrowOutward(rect, tol), corner), std::nullopt,
                      std::nullopt};
    if (mode != kHitInside && GetHatch() == kHatchNone) {
        area.hole = ZukeiOutline::RoundRect(GrowOutward(rect, -tol), corner);
    }
    return HitTestArea(area, probe, mode);
}

std::unique_ptr<CZukei> CZukeiBox2::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
