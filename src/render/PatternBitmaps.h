// The 8 x 8 fill patterns of the drawing primitives, by the bitmap resource numbers the fill
// codes name (106 for fill 90, 108 for the other codes from 90 up, 345 to 356 for the cell and
// date-range hatchings 200 to 208), and the two dot patterns of the ruled grid's screen line.
#pragma once

#include "platform/GdiObjects.h"

#include <array>
#include <cstdint>

namespace tembra {

// Rows top to bottom, bit 7 the leftmost pixel; a set bit is ink (the fill colour).
struct PatternBits {
    std::array<std::uint8_t, 8> rows{};
    bool Ink(int x, int y) const { return (rows[y & 7] >> (7 - (x & 7))) & 1; }
};

// The pattern of a bitmap resource number, or nullptr when there is none of that number.
const PatternBits* FindPatternBitmap(int resourceId);

// Dots on every other pixel of a row (horizontal grid lines) and of a column (vertical ones).
const PatternBits& DotLinePatternHorizontal();
const PatternBits& DotLinePatternVertical();

// A monochrome bitmap of the pattern as a pattern brush takes it: ink as 0 bits (drawn in the
// text colour), the rest as 1 bits (drawn in the background colour).
BOOL MakePatternBitmap(const PatternBits& pattern, CBitmap& bitmap);

} // namespace tembra
