// The editor's settings that elements and papers draw and edit by: the pen widths of the three
// line-width classes (0.1 mm) and the colour in which input areas are shown. The application
// reads them from the user profile; until it has, they hold the defaults below.
#pragma once

#include "layout_editor/core/LayoutBase.h"

namespace marquell {

// The line-width classes of lines and boxes.
enum : int { kWidthNormal = 0, kWidthThin = 1, kWidthBold = 2 };

class CEditorSettings {
public:
    int normalWidth = 3;
    int thinWidth = 1;
    int boldWidth = 6;
    COLORREF inputAreaColor = RGB(0, 0, 128);

    // The thin width for kind 1, the bold width for kind 2, the normal width for any other.
    int GetLineWidth(int kind) const;
};

} // namespace marquell
