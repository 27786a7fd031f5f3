// The 8 x 8 patterns of the layout editor's drawing functions, by the bitmap numbers they are
// known by: 110 and 112 fill rectangles (brush codes 90 and 91 to 98), 134 and 139 make the
// dotted lines on paper (vertical and horizontal lines).
#pragma once

#include "render/PatternBitmaps.h"

namespace marquell {

enum : int {
    kPatternFill90 = 110,
    kPatternFill91 = 112,
    kPatternDotVertical = 134,
    kPatternDotHorizontal = 139,
};

// The pattern of a bitmap number, or nullptr when there is none of that number.
const tembra::PatternBits* FindLayoutPattern(int id);

} // namespace marquell
