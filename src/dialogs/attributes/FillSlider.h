// The density slider of the fill dialog: positions 0 to 9 (10 % to 100 %), a step of 1 and a
// page of 2.
#pragma once

#include <QSlider>

namespace tembra {

class CFillSlider : public QSlider {
    Q_OBJECT
public:
    explicit CFillSlider(QWidget* parent = nullptr);
};

} // namespace tembra
