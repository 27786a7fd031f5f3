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

void CZukeiArrow2::DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const {
    const auto points = Outline(rect);
    DrawPolygon(view, dc, points.data(), kPointCount, mode);
}

ZukeiOutline CZukeiArrow2::OutlineInBox(const IZukeiView& view, const CRect& rect, int grow) const {
    static_cast<void>(view);
    // Where head and shaft meet, the grown outline's shoulder moves toward the tail and the
    // shrunk one's toward the point, so that the band keeps its width there. toward: +1 when
    // the point lies the way the axis grows.
    const int toward = rect.right - rect.left >= 0 ? 1 : -1;
    const auto points = Outline(GrowOutward(rect, grow), -toward * grow);
    return ZukeiOutline::Polygon(points.data(), kPointCount);
}

std::unique_ptr<CZukei> CZukeiArrow2::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
