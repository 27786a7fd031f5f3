#include "shapes/ZukeiDelta1.h"

#include "render/StyledDraw.h"
#include "shapes/ZukeiCopy.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiHitArea.h"
#include "shapes/ZukeiView.h"

#include <cstdint>

namespace tembra {

IMPLEMENT_SERIAL(CZukeiDelta1, CZukei2, 1)

CZukeiDelta1::CZukeiDelta1() {
    CZukeiDelta1::SetKind();
}

void CZukeiDelta1::SetKind() {
    CDataHeader::SetKind(kZukeiDelta1);
}

int CZukeiDelta1::GetSegmentCount() const {
    return 1;
}

std::array<CPoint, CZukeiDelta1::kPointCount> CZukeiDelta1::Outline(const CRect& rect) {
    const LONG w = rect.right - rect.left;
    return {CPoint(rect.left, rect.top), CPoint(rect.right, rect.top),
            CPoint(rect.left + w / 2, rect.bottom)};
}

void CZukeiDelta1::DrawOutline(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const {
    const ZukeiPen pen = GetPenBrushAttr(view.GetPageLayout(), mode);
    const auto points = Outline(rect);
    DrawStyledShape(&dc, points.data(), kPointCount, pen.type, pen.width, pen.color, pen.hatch,
                    pen.brushColor, pen.rop, OPAQUE);
}

void CZukeiDelta1::Draw(const IZukeiView& view, CDC& dc, int mode) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        DrawOutline(view, dc, CRect(p1, p2), mode);
    }
}

void CZukeiDelta1::DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        DrawOutline(view, dc, CRect(p1 + delta, p2 + delta), kDrawFeedback);
    }
}

void CZukeiDelta1::DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                                const CRect& ref) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        CRect rect(p1, p2);
        ResizeRect(view, delta, handle, ref, rect);
        DrawOutline(view, dc, rect, kDrawFeedback);
    }
}

BOOL CZukeiDelta1::HitTest(const IZukeiView& view, const CRect& probe, int mode) const {
    CPoint p1;
    CPoint p2;
    if (!GetDevicePoints(view, p1, p2)) {
        return FALSE;
    }
    const CRect rect(p1, p2);
    const int tol = HitTolerance(GetPenWidth(view));
    const auto outer = Outline(GrowOutward(rect, tol));
    ZukeiHitArea area{ZukeiOutline::Polygon(outer.data(), kPointCount), std::nullopt, std::nullopt};
    if (mode != kHitInside && GetHatch() == kHatchNone) {
        const auto inner = Outline(GrowOutward(rect, -tol));
        area.hole = ZukeiOutline::Polygon(inner.data(), kPointCount);
    }
    return HitTestArea(area, probe, mode);
}

std::unique_ptr<CZukei> CZukeiDelta1::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
