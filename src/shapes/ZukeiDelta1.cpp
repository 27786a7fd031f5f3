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

std::array<CPoint, CZukeiDelta1::kPointCount> CZukeiDelta1::Outline(const CRect& rect) {
    const LONG w = rect.right - rect.left;
    return {CPoint(rect.left, rect.top), CPoint(rect.right, rect.top),
            CPoint(rect.left + w / 2, rect.bottom)};
}

void CZukeiDelta1::DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const {
    const auto points = Outline(rect);
    DrawPolygon(view, dc, points.data(), kPointCount, mode);
}

ZukeiOutline CZukeiDelta1::OutlineInBox(const IZukeiView& view, const CRect& rect, int grow) const {
    static_cast<void>(view);
    const auto points = Outline(GrowOutward(rect, grow));
    return ZukeiOutline::Polygon(points.data(), kPointCount);
}

std::unique_ptr<CZukei> CZukeiDelta1::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
