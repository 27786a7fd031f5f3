#include "layout_editor/core/LayoutPatterns.h"

namespace marquell {

namespace {

struct Entry {
    int id;
    tembra::PatternBits bits;
};

// Our own designs. The dot patterns put ink on every other pixel of the one-pixel column or row
// a dotted line on paper is.
const Entry kPatterns[] = {
    {kPatternFill90, {{0x88, 0x22, 0x88, 0x22, 0x88, 0x22, 0x88, 0x22}}},        // light dots
    {kPatternFill91, {{0x11, 0x22, 0x44, 0x88, 0x11, 0x22, 0x44, 0x88}}},        // fine slant
    {kPatternDotVertical, {{0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00}}},   // dots down
    {kPatternDotHorizontal, {{0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA}}}, // dots across
};

} // namespace

const tembra::PatternBits* FindLayoutPattern(int id) {
    for (const Entry& e : kPatterns) {
        if (e.id == id) {
            return &e.bits;
        }
    }
    return nullptr;
}

} // namespace marquell
