#include "shapes/ZukeiArrow1.h"

#include "render/StyledDraw.h"
#include "shapes/ZukeiCopy.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiHitArea.h"
#include "shapes/ZukeiView.h"

#include <cstdint>

namespace tembra {

IMPLEMENT_SERIAL(CZukeiArrow1, CZukei2, 1)

CZukeiArrow1::CZukeiArrow1() {
    CZukeiArrow1::SetKind();
}

void CZukeiArrow1::SetKind() {
    CDataHeader::SetKind(kZukeiArrow1);
}

std::array<CPoint, CZukeiArrow1::kPointCount> CZukeiArrow1::Outline(const CRect& rect,
                                                                    int shoulderShift) {
    const std::int64_t l = rect.left;
    const std::int64_t w = static_cast<std::int64_t>(rect.right) - rect.left;
    const std::int64_t h = static_cast<std::int64_t>(rect.bottom) - rect.top;
    const auto x = [](std::int64_t v) { return static_cast<LONG>(v); };
    const LONG s = x(rect.top + (2 * h) / 3 + shoulderShift);
    return {CPoint(x(l + w / 4), rect.top),
            CPoint(x(l + (3 * w) / 4), rect.top),
            CPoint(x(l + (3 * w) / 4), s),
            CPoint(rect.right, s),
            CPoint(x(l + w / 2), rect.bottom),
            CPoint(rect.left, s),
            CPoint(x(l + w / 4), s)};
}

void CZukeiArrow1::DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const {
    const auto points = Outline(rect);
    DrawPolygon(view, dc, points.data(), kPointCount, mode);
}

ZukeiOutline CZukeiArrow1::OutlineInBox(const IZukeiView& view, const CRect& rect, int grow) const {
    static_cast<void>(view);
    // Where head and shaft meet, the grown outline's shoulder moves toward the tail and the
    // shrunk one's toward the point, so that the band keeps its width there. toward: +1 when
    // the point lies the way the axis grows.
    const int toward = rect.bottom - rect.top >= 0 ? 1 : -1;
    const auto points = Outline(GrowOutward(rect, grow), -toward * grow);
    return ZukeiOutline::Polygon(points.data(), kPointCount);
}

std::unique_ptr<CZukei> CZukeiArrow1::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
