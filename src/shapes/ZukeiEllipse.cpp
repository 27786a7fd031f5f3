#include "shapes/ZukeiEllipse.h"

#include "render/StyledDraw.h"
#include "shapes/ZukeiCopy.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiHitArea.h"
#include "shapes/ZukeiView.h"

namespace tembra {

IMPLEMENT_SERIAL(CZukeiEllipse, CZukei2, 1)

CZukeiEllipse::CZukeiEllipse() {
    CZukeiEllipse::SetKind();
}

void CZukeiEllipse::SetKind() {
    CDataHeader::SetKind(kZukeiEllipse);
}

void CZukeiEllipse::DrawEllipse(const CZukei& shape, const IZukeiView& view, CDC& dc,
                                const CRect& rect, int mode) {
    const ZukeiPen pen = shape.GetPenBrushAttr(view.GetPageLayout(), mode);
    DrawStyledEllipse(&dc, rect, pen.type, pen.width, pen.color, pen.hatch, pen.brushColor, pen.rop,
                      OPAQUE);
}

void CZukeiEllipse::DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const {
    DrawEllipse(*this, view, dc, rect, mode);
}

ZukeiOutline CZukeiEllipse::OutlineInBox(const IZukeiView& view, const CRect& rect,
                                         int grow) const {
    static_cast<void>(view);
    return ZukeiOutline::Ellipse(GrowOutward(rect, grow));
}

std::unique_ptr<CZukei> CZukeiEllipse::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
