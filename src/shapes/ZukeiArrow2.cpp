#include "shapes/ZukeiArrow2.h"

#include "render/StyledDraw.h"
#include "shapes/ZukeiCopy.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiHitArea.h"
#include "shapes/ZukeiView.h"

#include <cstdint>

namespace tembra {

IMPLEMENT_SERIAL(CZukeiArrow2, CZukei2, 1)

CZukeiArrow2::CZukeiArrow2() {
    CZukeiArrow2::SetKind();
}

void CZukeiArrow2::SetKind() {
    CDataHeader::SetKind(kZukeiArrow2);
}

int CZukeiArrow2::GetSegmentCount() const {
    return 1;
}

std::array<CPoint, CZukeiArrow2::kPointCount> CZukeiArrow2::Outline(const CRect& rect,
                                                                    int shoulderShift) {
    const std::int64_t t = rect.top;
    const std::int64_t w = static_cast<std::int64_t>(rect.right) - rect.left;
    const std::int64_t h = static_cast<std::int64_t>(rect.bottom) - rect.top;
    const auto y = [](std::int64_t v) { return static_cast<LONG>(v); };
    const LONG s = y(rect.left + (2 * w) / 3 + shoulderShift);
    return {CPoint(rect.right, y(t + h / 2)),
            CPoint(s, rect.top),
            CPoint(s, y(t + h / 4)),
            CPoint(rect.left, y(t + h / 4)),
            CPoint(rect.left, y(t + (3 * h) / 4)),
            CPoint(s, y(t + (3 * h) / 4)),
            CPoint(s, rect.bottom)};
}

void CZukeiArrow2::DrawOutline(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const {
    const ZukeiPen pen = GetPenBrushAttr(view.GetPageLayout(), mode);
    const auto points = Outline(rect);
    DrawStyledShape(&dc, points.data(), kPointCount, pen.type, pen.width, pen.color, pen.hatch,
                    pen.brushColor, pen.rop, OPAQUE);
}

void CZukeiArrow2::Draw(const IZukeiView& view, CDC& dc, int mode) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        DrawOutline(view, dc, CRect(p1, p2), mode);
    }
}

void CZukeiArrow2::DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        DrawOutline(view, dc, CRect(p1 + delta, p2 + delta), kDrawFeedback);
    }
}

void CZukeiArrow2::DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                                const CRect& ref) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        CRect rect(p1, p2);
        ResizeRect(view, delta, handle, ref, rect);
        DrawOutline(view, dc, rect, kDrawFeedback);
    }
}

BOOL CZukeiArrow2::HitTest(const IZukeiView& view, const CRect& probe, int mode) const {
    CPoint p1;
    CPoint p2;
    if (!GetDevicePoints(view, p1, p2)) {
        return FALSE;
    }
    const CRect rect(p1, p2);
    const int tol = HitTolerance(GetPenWidth(view));
    // Where head and shaft meet, the outer outline's shoulder moves toward the tail and the
    // inner one's toward the point, so that the band keeps its width there. toward: +1 when
    // the point lies the way the axis grows.
    const int toward = rect.right - rect.left >= 0 ? 1 : -1;
    const auto outer = Outline(GrowOutward(rect, tol), -toward * tol);
    ZukeiHitArea area{ZukeiOutline::Polygon(outer.data(), kPointCount), std::nullopt, std::nullopt};
    if (mode != kHitInside && GetHatch() == kHatchNone) {
        const auto inner = Outline(GrowOutward(rect, -tol), toward * tol);
        area.hole = ZukeiOutline::Polygon(inner.data(), kPointCount);
    }
    return HitTestArea(area, probe, mode);
}

std::unique_ptr<CZukei> CZukeiArrow2::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
