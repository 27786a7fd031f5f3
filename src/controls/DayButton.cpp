#include "controls/DayButton.h"

#include "controls/OwnerDrawColors.h"
#include "platform/DC.h"

namespace tembra {

CDayButton::CDayButton(QWidget* parent) : COwnerDrawButton(parent) {}

CDayButton::CDayButton(const QString& text, QWidget* parent) : COwnerDrawButton(text, parent) {}

void CDayButton::SetValue(int value) {
    m_value = value;
    update();
}

COLORREF CDayButton::StateColor(int value) const {
    return StateColorOf(value, m_colors);
}

void CDayButton::DrawItem(CDC& dc, const ItemState& state) {
    DrawFrame(dc, state);
    const CRect& r = state.rect;
    // The bar hangs under the top edges, a quarter of the button high.
    const int inset = 5;
    CRect bar(r.left + inset, r.top + inset, r.right - inset, r.top + inset + r.Height() / 4);
    dc.FillSolidRect(&bar, StateColor(m_value));
    DrawStateFrame(dc, bar);
    const CRect below(r.left + 3, bar.bottom, r.right - 3, r.bottom - 3);
    DrawCaption(dc, below, state.caption);
}

} // namespace tembra
