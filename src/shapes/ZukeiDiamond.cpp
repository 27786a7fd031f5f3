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

std::array<CPoint, CZukeiDiamond::kPointCount> CZukeiDiamond::Outline(const CRect& rect) {
    const std::int64_t w = static_cast<std::int64_t>(rect.right) - rect.left;
    const std::int64_t h = static_cast<std::int64_t>(rect.bottom) - rect.top;
    const LONG midX = static_cast<LONG>(rect.left + w / 2);
    const LONG midY = static_cast<LONG>(rect.top + h / 2);
    return {CPoint(rect.left, midY), CPoint(midX, rect.bottom), CPoint(rect.right, midY),
            CPoint(midX, rect.top)};
}

void CZukeiDiamond::DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const {
    const auto points = Outline(rect);
    DrawPolygon(view, dc, points.data(), kPointCount, mode);
}

ZukeiOutline CZukeiDiamond::OutlineInBox(const IZukeiView& view, const CRect& rect,
                                         int grow) const {
    static_cast<void>(view);
    const auto points = Outline(GrowOutward(rect, grow));
    return ZukeiOutline::Polygon(points.data(), kPointCount);
}

std::unique_ptr<CZukei> CZukeiDiamond::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
