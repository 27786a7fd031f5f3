#include "shapes/ZukeiBox.h"

#include "render/StyledDraw.h"
#include "shapes/ZukeiCopy.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiHitArea.h"
#include "shapes/ZukeiView.h"

namespace tembra {

IMPLEMENT_SERIAL(CZukeiBox, CZukei2, 1)

CZukeiBox::CZukeiBox() {
    CZukeiBox::SetKind();
}

void CZukeiBox::SetKind() {
    CDataHeader::SetKind(kZukeiBox);
}

void CZukeiBox::DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const {
    const ZukeiPen pen = GetPenBrushAttr(view.GetPageLayout(), mode);
    DrawStyledRect(&dc, rect, pen.type, pen.width, pen.color, pen.hatch, pen.brushColor, pen.rop,
                   OPAQUE);
}

ZukeiOutline CZukeiBox::OutlineInBox(const IZukeiView& view, const CRect& rect, int grow) const {
    static_cast<void>(view);
    return ZukeiOutline::Rect(GrowOutward(rect, grow));
}

std::unique_ptr<CZukei> CZukeiBox::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
