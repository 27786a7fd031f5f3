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

CPoint CZukeiBox2::GetCorner(const IZukeiView& view) const {
    const int r = Zoom(view, static_cast<short>(GetBoxRay()));
    return CPoint(r, -r);
}

void CZukeiBox2::DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const {
    const ZukeiPen pen = GetPenBrushAttr(view.GetPageLayout(), mode);
    DrawStyledRoundRect(&dc, rect, GetCorner(view), pen.type, pen.width, pen.color, pen.hatch,
                        pen.brushColor, pen.rop, OPAQUE);
}

ZukeiOutline CZukeiBox2::OutlineInBox(const IZukeiView& view, const CRect& rect, int grow) const {
    return ZukeiOutline::RoundRect(GrowOutward(rect, grow), GetCorner(view).x);
}

std::unique_ptr<CZukei> CZukeiBox2::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
