#include "dialogs/attributes/FontSampleButton.h"

#include "platform/DC.h"
#include "platform/GdiObjects.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/QtDC.h"

#include <QPaintEvent>
#include <QPainter>

namespace tembra {

CFontSampleButton::CFontSampleButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent) {
    setAutoDefault(false);
    setFocusPolicy(Qt::NoFocus);
}

void CFontSampleButton::SetSampleFont(const LOGFONT& font) {
    m_font = font;
    update();
}

void CFontSampleButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (!m_font) {
        return;
    }
    CQtDC dc(&painter);
    dc.SetMapMode(MM_LOMETRIC);
    CRect area(0, 0, width(), height());
    dc.DPtoLP(&area);
    CFont font;
    if (!font.CreateFontIndirect(&*m_font)) {
        return;
    }
    CFont* old = dc.SelectObject(&font);
    const std::string text = ToCp932(this->text());
    const CSize extent = dc.GetTextExtent(text);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    // y grows upwards in 0.1 mm: the top of the text lies half its height above the middle.
    const int middleY = (area.top + area.bottom) / 2;
    dc.TextOut((area.left + area.right) / 2, middleY + extent.cy / 2, text);
    dc.SelectObject(old);
}

} // namespace tembra
