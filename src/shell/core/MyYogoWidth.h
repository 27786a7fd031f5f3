// The MY term list's width as its registration panel opens and closes: the dialog keeps its
// height and its left edge and takes the width of its mode. Opened, a dialog that would reach
// beyond the desktop is moved back inside it horizontally, and the place it had is remembered;
// closed, it goes back to the remembered place and forgets it. Screen pixels.
#pragma once

#include "platform/Types.h"

#include <optional>

namespace tembra {

class CMyYogoWidth {
public:
    // The window's new rectangle for the mode.
    static CRect Apply(const CRect& window, int width, bool expanded, const CRect& desktop,
                       std::optional<CRect>& remembered);
};

} // namespace tembra
