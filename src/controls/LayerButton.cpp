#include "controls/LayerButton.h"

#include "controls/OwnerDrawColors.h"
#include "platform/DC.h"
#include "platform/GdiObjects.h"

namespace tembra {

CLayerButton::CLayerButton(QWidget* parent) : COwnerDrawButton(parent) {}

CLayerButton::CLayerButton(const QString& text, QWidget* parent) : COwnerDrawButton(text, parent) {}

void CLayerButton::SetState(int state) {
    m_state = state;
    update();
}

void CLayerButton::SetColors(COLORREF state1, COLORREF state0, COLORREF state2) {
    m_colors = {state0, state1, state2};
    update();
}

void CLayerButton::SetKeepColors(bool keep) {
    m_keepColors = keep;
    update();
}

COLORREF CLayerButton::StateColor(int state) const {
    return StateColorOf(state, m_colors);
}

void CLayerButton::DrawItem(CDC& dc, const ItemState& state) {
    DrawFrame(dc, state);
    const COLORREF caption =
        state.disabled && !m_keepColors ? SysColor(kSysGrayText) : SysColor(kSysButtonText);
    DrawCaption(dc, state.rect, caption);

    // The right triangle in the corner, its legs a third of the button high, set off by a grey
    // outline with white lines inside its three sides.
    const int leg = state.rect.Height() / 3;
    const int x = state.rect.left + 3;
    const int y = state.rect.top + 3;
    const CPoint outer[] = {CPoint(x, y), CPoint(x + leg, y), CPoint(x, y + leg)};
    CPen grey(PS_SOLID, 1, RGB(128, 128, 128));
    CBrush fill(StateColor(m_state));
    const int saved = dc.SaveDC();
    dc.SelectObject(&grey);
    dc.SelectObject(&fill);
    dc.Polygon(outer, 3);
    if (leg > 4) {
        const CPoint inner[] = {CPoint(x + 1, y + 1), CPoint(x + leg - 2, y + 1),
                                CPoint(x + 1, y + leg - 2)};
        CPen white(PS_SOLID, 1, RGB(255, 255, 255));
        dc.SelectObject(&white);
        dc.SelectStockObject(NULL_BRUSH);
        dc.Polygon(inner, 3);
    }
    dc.RestoreDC(saved);
}

} // namespace tembra
