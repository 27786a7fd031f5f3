// The host of a framed text's edit window on the Qt side: the widget the window is a child of,
// and the end of the edit when the window loses the focus. The chart view implements it.
#pragma once

#include "shapes/ZukeiEditHost.h"

class QWidget;

namespace tembra {

class IZukeiEditHostWidget : public IZukeiEditHost {
public:
    // The widget the edit window is laid over; its pixels are the window's device units.
    virtual QWidget* GetEditParent() const = 0;
};

} // namespace tembra
