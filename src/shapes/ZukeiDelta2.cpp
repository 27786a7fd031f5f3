#include "shapes/ZukeiDelta2.h"

#include "render/StyledDraw.h"
#include "shapes/ZukeiCopy.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiHitArea.h"
#include "shapes/ZukeiView.h"

#include <cstdint>

namespace tembra {

IMPLEMENT_SERIAL(CZukeiDelta2, CZukei2, 1)

CZukeiDelta2::CZukeiDelta2() {
    CZukeiDelta2::SetKind();
}

void CZukeiDelta2::SetKind() {
    CDataHeader::SetKind(kZukeiDelta2);
}

std::array<CPoint, CZukeiDelta2::kPointCount> CZukeiDelta2::Outline(const CRect& rect) {
    const LONG h = rect.bottom - rect.top;
    return {CPoint(rect.left, rect.top), CPoint(rect.left, rect.bottom),
            CPoint(rect.right, rect.top + h / 2)};
}

void CZukeiDelta2::DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const {
    const auto points = Outline(rect);
    DrawPolygon(view, dc, points.data(), kPointCount, mode);
}

ZukeiOutline CZukeiDelta2::OutlineInBox(const IZukeiView& view, const CRect& rect, int grow) const {
    static_cast<void>(view);
    const auto points = Outline(GrowOutward(rect, grow));
    return ZukeiOutline::Polygon(points.data(), kPointCount);
}

std::unique_ptr<CZukei> CZukeiDelta2::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
