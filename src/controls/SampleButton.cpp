#include "controls/SampleButton.h"

#include "platform/DC.h"
#include "platform/GdiObjects.h"

namespace tembra {

CSampleButton::CSampleButton(QWidget* parent) : COwnerDrawButton(parent) {}

void CSampleButton::DrawItem(CDC& dc, const ItemState& state) {
    DrawFrame(dc, state);
    // Two diagonals of eight pixels through the centre: (-3, -3) to (+4, +4) and (+3, -3) to
    // (-4, +4). Each is drawn from its left end, as a line leaves out its last point.
    const int cx = (state.rect.left + state.rect.right) / 2;
    const int cy = (state.rect.top + state.rect.bottom) / 2;
    const int saved = dc.SaveDC();
    CPen pen(PS_SOLID, 1, state.caption);
    dc.SelectObject(&pen);
    dc.MoveTo(cx - 3, cy - 3);
    dc.LineTo(cx + 5, cy + 5);
    dc.MoveTo(cx - 4, cy + 4);
    dc.LineTo(cx + 4, cy - 4);
    dc.RestoreDC(saved);
}

} // namespace tembra
