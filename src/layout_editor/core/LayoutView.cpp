#include "layout_editor/core/LayoutView.h"

namespace marquell {

int ILayoutView::Scale(int value) const {
    return static_cast<int>(static_cast<long long>(value) * GetZoomPercent() / 100);
}

CPoint ILayoutView::ToView(const CPoint& point) const {
    const CPoint offset = GetDrawOffset();
    return CPoint(Scale(point.x) + offset.x, Scale(point.y) + offset.y);
}

CRect ILayoutView::ToView(const CRect& rect) const {
    return CRect(ToView(rect.TopLeft()), ToView(rect.BottomRight()));
}

} // namespace marquell
