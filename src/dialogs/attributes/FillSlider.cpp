#include "dialogs/attributes/FillSlider.h"

#include "dialogs/attributes/core/FillPattern.h"

namespace tembra {

CFillSlider::CFillSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setRange(0, kFillSolidPosition);
    setSingleStep(1);
    setPageStep(2);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
}

} // namespace tembra
