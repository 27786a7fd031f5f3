// The line-drawing bar: the buttons of its set.
#pragma once

#include "shell/CommandBar.h"

namespace tembra {

class CZukeiToolBar : public CCommandBar {
    Q_OBJECT
public:
    explicit CZukeiToolBar(QWidget* parent);
};

} // namespace tembra
