#include "controls/ModeButton.h"

#include "platform/DC.h"

namespace tembra {

CModeButton::CModeButton(QWidget* parent) : COwnerDrawButton(parent) {}

CModeButton::CModeButton(const QString& text, QWidget* parent) : COwnerDrawButton(text, parent) {}

void CModeButton::SetCheck(int check) {
    if (check == m_check) {
        return;
    }
    m_check = check;
    update();
}

void CModeButton::SetColors(COLORREF checked, COLORREF unchecked) {
    m_checkedColor = checked;
    m_uncheckedColor = unchecked;
    update();
}

void CModeButton::SetCheckedTextColor(COLORREF color) {
    m_checkedText = color;
    update();
}

void CModeButton::DrawItem(CDC& dc, const ItemState& state) {
    DrawFrame(dc, state);
    // The state area fills the button inside its edges.
    CRect area = state.rect;
    area.DeflateRect(3, 3);
    const bool checked = m_check != 0;
    dc.FillSolidRect(&area, checked ? m_checkedColor : m_uncheckedColor);
    const COLORREF caption = checked && !state.disabled ? m_checkedText : state.caption;
    DrawCaption(dc, area, caption);
    DrawStateFrame(dc, area);
}

} // namespace tembra
