#include "layout_editor/core/PHeadBoxData.h"

#include "layout_editor/core/LayoutDraw.h"
#include "layout_editor/core/LayoutGeometry.h"
#include "layout_editor/core/LayoutView.h"

#include <algorithm>

namespace marquell {

IMPLEMENT_SERIAL(CPHeadBoxData, CPHeadLineData, 1)

void CPHeadBoxData::Draw(CDC* dc, const ILayoutView& view, int mode) const {
    if (mode == kDrawFeedbackInverted || mode == kDrawFeedbackCopied) {
        CLayoutData::Draw(dc, view, mode);
        return;
    }
    DrawRect(dc, view.ToView(NormalizedLayoutRect(GetFrameRect())), GetStyle(), PenWidth(dc, view),
             IsSelected() ? kSelectedColor : GetColor(), kBrushHollow, 0, tembra::R2_COPYPEN,
             tembra::TRANSPARENT);
}

void CPHeadBoxData::DrawOutline(CDC* dc, const ILayoutView& view, const CRect& rect,
                                int mix) const {
    CLayoutData::DrawOutline(dc, view, rect, mix);
}

CRect CPHeadBoxData::GetRect() const {
    return NormalizedLayoutRect(GetFrameRect());
}

BOOL CPHeadBoxData::HitTest(int left, int top, int right, int bottom, BOOL wholeInside) const {
    const CRect box = NormalizedLayoutRect(GetFrameRect());
    if (box.left == box.right || box.top == box.bottom) {
        return FALSE;
    }
    const LayoutQuery q = MakeLayoutQuery(left, top, right, bottom);
    if (wholeInside && !q.point) {
        return LayoutRectHolds(q.rect, box) ? TRUE : FALSE;
    }
    // Half the width, an odd width rounded up.
    const int half = (std::max<int>(GetWidth(), 0) + 1) / 2;
    const int grow = q.point ? half : 0;
    const CRect outer(box.left - grow, box.top + grow, box.right + grow, box.bottom - grow);
    const CRect inner(box.left + half, box.top - half, box.right - half, box.bottom + half);
    if (!LayoutRectsMeet(q.rect, outer)) {
        return FALSE;
    }
    // A query wholly inside the inner rectangle lies off the band.
    const bool insideInner = inner.left < inner.right && inner.bottom < inner.top &&
                             q.rect.left > inner.left && q.rect.right < inner.right &&
                             q.rect.bottom > inner.bottom && q.rect.top < inner.top;
    return insideInner ? FALSE : TRUE;
}

std::unique_ptr<CLayoutData> CPHeadBoxData::MakeCopy() const {
    return std::unique_ptr<CLayoutData>(new CPHeadBoxData(*this));
}

} // namespace marquell
