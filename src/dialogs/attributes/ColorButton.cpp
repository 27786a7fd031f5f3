#include "dialogs/attributes/ColorButton.h"

#include "dialogs/attributes/core/FillPattern.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tembra {

namespace {

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

} // namespace

CColorButton::CColorButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
}

void CColorButton::SetColor(COLORREF color) {
    m_color = color;
    update();
}

void CColorButton::SetSelected(bool selected) {
    m_selected = selected;
    update();
}

void CColorButton::SetCaption(const QString& caption) {
    m_caption = caption;
    update();
}

QSize CColorButton::sizeHint() const {
    const QSize text = fontMetrics().size(Qt::TextSingleLine, m_caption);
    return {std::max(40, text.width() + 16), 28};
}

void CColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect r = rect();
    painter.fillRect(r, palette().color(QPalette::Button));
    if (isDown() || m_selected) {
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = r;
        frame.lineWidth = 2;
        frame.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
        painter.setPen(QPen(palette().color(QPalette::Dark), 2));
        painter.drawRect(r.adjusted(1, 1, -1, -1));
    }
    r.adjust(3, 3, -3, -3);
    painter.setPen(QPen(palette().color(QPalette::Shadow), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    r.adjust(1, 1, -1, -1);
    painter.fillRect(r, ToQColor(m_color));
    if (!m_caption.isEmpty()) {
        painter.setPen(CaptionInWhite(m_color) ? Qt::white : Qt::black);
        painter.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, m_caption);
    }
}

} // namespace tembra
