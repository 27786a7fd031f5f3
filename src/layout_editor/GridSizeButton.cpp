#include "layout_editor/GridSizeButton.h"

#include "layout_editor/core/GridSetData.h"
#include "platform/qt/Cp932Text.h"

#include <QPainter>

namespace marquell {

CGridSizeButton::CGridSizeButton(QWidget* parent) : QPushButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.0mm")) + 16);
}

void CGridSizeButton::SetPitch(int pitch) {
    if (pitch != m_pitch) {
        m_pitch = pitch;
        update();
    }
}

QString CGridSizeButton::PitchText() const {
    return tembra::FromCp932(CGridSetData::FormatPitch(m_pitch));
}

void CGridSizeButton::paintEvent(QPaintEvent* event) {
    static_cast<void>(event);
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter, PitchText());
}

} // namespace marquell
