#include "layout_editor/core/PHeadInputArea.h"

#include "layout_editor/core/EditorSettings.h"
#include "layout_editor/core/LayoutDraw.h"
#include "layout_editor/core/LayoutGeometry.h"
#include "layout_editor/core/LayoutView.h"

#include <algorithm>

namespace marquell {

IMPLEMENT_SERIAL(CPHeadInputArea, CPHeadMojiData, 1)

void CPHeadInputArea::Draw(CDC* dc, const ILayoutView& view, int mode) const {
    if (mode == kDrawFeedbackInverted || mode == kDrawFeedbackCopied) {
        CLayoutData::Draw(dc, view, mode);
        return;
    }
    const COLORREF color = IsSelected() ? kSelectedColor : view.GetSettings().inputAreaColor;
    DrawRect(dc, view.ToView(NormalizedLayoutRect(GetFrameRect())),
             IsSelected() ? tembra::PS_DASHDOT : tembra::PS_SOLID, 0, color, kBrushHollow, 0,
             tembra::R2_COPYPEN, tembra::TRANSPARENT);
    DrawLaidOutText(dc, view, view.IsDefaultTextShown() ? m_defaultText : GetName(), color);
}

CRect CPHeadInputArea::GetRect() const {
    const CRect rect = Cover(GetName());
    const CRect other = Cover(m_defaultText);
    return CRect(std::min(rect.left, other.left), std::max(rect.top, other.top),
                 std::max(rect.right, other.right), std::min(rect.bottom, other.bottom));
}

std::unique_ptr<CLayoutData> CPHeadInputArea::MakeCopy() const {
    return std::unique_ptr<CLayoutData>(new CPHeadInputArea(*this));
}

} // namespace marquell
