#include "shapes/ZukeiCircle.h"

#include "render/PageLayout.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiCopy.h"
#include "shapes/ZukeiEllipse.h"
#include "shapes/ZukeiView.h"

#include <cstdlib>

namespace tembra {

IMPLEMENT_SERIAL(CZukeiCircle, CZukei2, 1)

bool CZukeiCircle::s_fromCentre = false;

CZukeiCircle::CZukeiCircle() {
    CZukeiCircle::SetKind();
}

void CZukeiCircle::SetKind() {
    CDataHeader::SetKind(kZukeiCircle);
}

void CZukeiCircle::PlaceSquare(CZukei2& shape, const CDatePos& pos, const IZukeiView& view,
                               int index, bool fromCentre) {
    const CRect page = view.GetPageLayout().GetPageRect();
    // An anchor at a device point: its date and row, and its distance from the page's corner at
    // 100 %.
    const auto anchorAt = [&](const CPoint& p) {
        return CZukeiPoint(XToDate(view, p.x), YToRow(view, p.y),
                           CPoint(Unzoom(view, p.x - page.left), Unzoom(view, p.y - page.top)));
    };
    if (index == 1) {
        shape.SetAnchor1(anchorAt(pos.point));
        const ZukeiPage on = GetPageOf(view);
        shape.SetPage(on.col, on.row);
        return;
    }
    if (index != 2) {
        return;
    }
    const CPoint& s = pos.dragStart;
    const LONG dx = pos.point.x - s.x;
    const LONG dy = pos.point.y - s.y;
    const LONG side = std::abs(dx) < std::abs(dy) ? std::abs(dy) : std::abs(dx);
    const CPoint sign(dx >= 0 ? 1 : -1, dy >= 0 ? 1 : -1);
    const CPoint second(s.x + side * sign.x, s.y + side * sign.y);
    const CPoint first = fromCentre ? CPoint(s.x - side * sign.x, s.y - side * sign.y) : s;
    shape.SetAnchor1(anchorAt(first));
    shape.SetAnchor2(anchorAt(second));
}

void CZukeiCircle::SetPoint(const CDatePos& pos, const IZukeiView& view, int index) {
    if (index == 1) {
        s_fromCentre = (pos.flags & CDatePos::kFlagFromCenter) != 0;
    }
    PlaceSquare(*this, pos, view, index, s_fromCentre);
}

void CZukeiCircle::DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const {
    CZukeiEllipse::DrawEllipse(*this, view, dc, rect, mode);
}

ZukeiOutline CZukeiCircle::OutlineInBox(const IZukeiView& view, const CRect& rect, int grow) const {
    static_cast<void>(view);
    return ZukeiOutline::Ellipse(GrowOutward(rect, grow));
}

std::unique_ptr<CZukei> CZukeiCircle::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
