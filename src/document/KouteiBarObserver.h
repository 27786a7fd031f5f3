// What the process attribute menus tell the process bar (工程バー) of the main window: its colour
// list shows the colour of the selected processes (or of new ones). The shell's bar implements it
// and registers with the application's state; without a bar nothing is told.
#pragma once

#include "platform/Types.h"

namespace tembra {

class IKouteiBarObserver {
public:
    virtual ~IKouteiBarObserver() = default;
    // The colour list shows the entry of the colour ("その他" for one of none of the six).
    virtual void SetKouteiColor(COLORREF color) = 0;
    // The colour of the selected entry (entry 6: the custom process colour) and the entry.
    virtual COLORREF GetKouteiColor() const = 0;
    virtual int GetKouteiColorIndex() const = 0;
};

} // namespace tembra
