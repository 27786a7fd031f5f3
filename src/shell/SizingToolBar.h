// The chart bar: the buttons of its set.
#pragma once

#include "shell/CommandBar.h"

namespace tembra {

class CSizingToolBar : public CCommandBar {
    Q_OBJECT
public:
    explicit CSizingToolBar(QWidget* parent);
};

} // namespace tembra
