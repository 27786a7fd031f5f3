#include "shapes/ZukeiDiamond.h"

#include "render/StyledDraw.h"
#include "shapes/ZukeiCopy.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiHitArea.h"
#include "shapes/ZukeiView.h"

#include <cstdint>

namespace tembra {

IMPLEMENT_SERIAL(CZukeiDiamond, CZukei2, 1)

CZukeiDiamond::CZukeiDiamond() {
    CZukeiDiamond::SetKind();
}

void CZukeiDiamond::SetKind() {
    CDataHeader::SetKind(kZukeiDiamond);
}

int CZukeiDiamond::GetSegmentCount() const {
    return 1;
}

std::array<CPoint, CZukeiDiamond::kPointCount> CZukeiDiamond::Outline(const CRect& rect) {
    const std::int64_t w = static_cast<std::int64_t>(rect.right) - rect.left;
    const std::int64_t h = static_cast<std::int64_t>(rect.bottom) - rect.top;
    const LONG midX = static_cast<LONG>(rect.left + w / 2);
    const LONG midY = static_cast<LONG>(rect.top + h / 2);
    return {CPoint(rect.left, midY), CPoint(midX, rect.bottom), CPoint(rect.right, midY),
            CPoint(midX, rect.top)};
}

void CZukeiDiamond::DrawOutline(const IZukeiView& view, CDC& dc, const CRect& rect,
                                int mode) const {
    const ZukeiPen pen = GetPenBrushAttr(view.GetPageLayout(), mode);
    const auto points = Outline(rect);
    DrawStyledShape(&dc, points.data(), kPointCount, pen.type, pen.width, pen.color, pen.hatch,
                    pen.brushColor, pen.rop, OPAQUE);
}

void CZukeiDiamond::Draw(const IZukeiView& view, CDC& dc, int mode) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        DrawOutline(view, dc, CRect(p1, p2), mode);
    }
}

void CZukeiDiamond::DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        DrawOutline(view, dc, CRect(p1 + delta, p2 + delta), kDrawFeedback);
    }
}

void CZukeiDiamond::DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                                 const CRect& ref) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        CRect rect(p1, p2);
        ResizeRect(view, delta, handle, ref, rect);
        DrawOutline(view, dc, rect, kDrawFeedback);
    }
}

BOOL CZukeiDiamond::HitTest(const IZukeiView& view, const CRect& probe, int mode) const {
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

std::unique_ptr<CZukei> CZukeiDiamond::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
