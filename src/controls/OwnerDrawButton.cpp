#include "controls/OwnerDrawButton.h"

#include "controls/OwnerDrawColors.h"
#include "platform/DC.h"
#include "platform/GdiObjects.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/QtDC.h"

#include <QPainter>

namespace tembra {

COwnerDrawButton::COwnerDrawButton(QWidget* parent) : COwnerDrawButton(QString(), parent) {}

COwnerDrawButton::COwnerDrawButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent) {
    setAutoDefault(false);
    // Every pixel is painted here: nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void COwnerDrawButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    CQtDC dc(&painter);
    ItemState state;
    state.rect = CRect(0, 0, width(), height());
    state.pressed = isDown();
    state.disabled = !isEnabled();
    state.caption = SysColor(state.disabled ? kSysGrayText : kSysButtonText);
    DrawItem(dc, state);
}

COLORREF COwnerDrawButton::SysColor(int index) const {
    return PaletteSysColor(palette(), index);
}

COLORREF COwnerDrawButton::StateColorOf(int state, const std::array<COLORREF, 3>& colors) const {
    return state >= 0 && state < 3 ? colors[static_cast<std::size_t>(state)]
                                   : SysColor(kSysButtonFace);
}

void COwnerDrawButton::DrawFrame(CDC& dc, const ItemState& state) const {
    const CRect& r = state.rect;
    dc.FillSolidRect(&r, SysColor(kSysButtonFace));
    CBrush black(RGB(0, 0, 0));
    dc.FrameRect(&r, &black);
    const COLORREF light = SysColor(kSysButtonHighlight);
    const COLORREF dark = SysColor(kSysButtonShadow);
    const COLORREF topLeft = state.pressed ? dark : light;
    const COLORREF bottomRight = state.pressed ? light : dark;
    const int w = r.Width();
    const int h = r.Height();
    dc.FillSolidRect(r.left + 1, r.top + 1, w - 2, 2, topLeft);
    dc.FillSolidRect(r.left + 1, r.top + 1, 2, h - 2, topLeft);
    dc.FillSolidRect(r.left + 1, r.bottom - 3, w - 2, 2, bottomRight);
    dc.FillSolidRect(r.right - 3, r.top + 1, 2, h - 2, bottomRight);
}

void COwnerDrawButton::DrawCaption(CDC& dc, const CRect& area, COLORREF color) const {
    const std::string text = ToCp932(this->text());
    if (text.empty()) {
        return;
    }
    const LOGFONT logFont = LogFontOf(font());
    CFont captionFont;
    captionFont.CreateFontIndirect(&logFont);
    CFont* old = dc.SelectObject(&captionFont);
    const CSize extent = dc.GetTextExtent(text);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(color);
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    const int x = (area.left + area.right) / 2;
    const int y = (area.top + area.bottom - extent.cy) / 2;
    dc.ExtTextOut(x, y, ETO_CLIPPED, &area, text, nullptr);
    dc.SelectObject(old);
}

void COwnerDrawButton::DrawStateFrame(CDC& dc, const CRect& area) {
    CBrush grey(RGB(128, 128, 128));
    dc.FrameRect(&area, &grey);
    CRect inner = area;
    inner.DeflateRect(1, 1);
    CBrush white(RGB(255, 255, 255));
    dc.FrameRect(&inner, &white);
}

} // namespace tembra
