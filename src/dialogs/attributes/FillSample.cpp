#include "dialogs/attributes/FillSample.h"

#include "dialogs/attributes/core/FillPattern.h"

#include <QImage>
#include <QPainter>

namespace tembra {

CFillSample::CFillSample(QWidget* parent) : QWidget(parent) {}

void CFillSample::Show(bool empty, int density, COLORREF color) {
    m_empty = empty;
    m_density = density;
    m_color = color;
    update();
}

void CFillSample::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_empty) {
        painter.fillRect(rect(), palette().color(QPalette::Button));
        return;
    }
    const QColor color(GetRValue(m_color), GetGValue(m_color), GetBValue(m_color));
    if (m_density < 0 || m_density >= kFillSolidPosition) {
        painter.fillRect(rect(), color);
        return;
    }
    const FillPatternBits bits = FillPattern(m_density);
    QImage tile(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool set = (bits[static_cast<std::size_t>(y)] & (0x80 >> x)) != 0;
            tile.setPixelColor(x, y, set ? color : QColor(Qt::white));
        }
    }
    painter.fillRect(rect(), QBrush(tile));
}

} // namespace tembra
