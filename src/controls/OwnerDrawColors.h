// What the owner-drawn controls paint with: the system colours, taken from the widget's
// palette, and the widget's font as a device context selects it.
#pragma once

#include "platform/Types.h"

class QFont;
class QPalette;

namespace tembra {

// The system colours the controls use, by their system numbers.
enum SysColorIndex : int {
    kSysWindow = 5,
    kSysWindowText = 8,
    kSysHighlight = 13,
    kSysHighlightText = 14,
    kSysButtonFace = 15,
    kSysButtonShadow = 16,
    kSysGrayText = 17,
    kSysButtonText = 18,
    kSysButtonHighlight = 20,
};

// The palette's colour standing for the system colour (black for a number not listed above).
COLORREF PaletteSysColor(const QPalette& palette, int index);

// The font with its character height in pixels (the device context's logical units).
LOGFONT LogFontOf(const QFont& font);

} // namespace tembra
