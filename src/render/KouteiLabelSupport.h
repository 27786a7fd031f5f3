// What the term labels and the resource label of a process share: the fonts a label is written
// with, how far a stack hangs below the line, and the box of one member of a stack with the
// rectangle and text origin it gives. Used by the files of src/render that place those labels.
#pragma once

#include "model/AttrBlocks.h"
#include "platform/Types.h"
#include "render/LabelTextDraw.h"

#include <cstdint>

namespace tembra {

class CKoutei;
class CPageLayout;

namespace labels {

// Labels on the line keep this far (0.1 mm at 100 %) from the node marks.
constexpr int kNodeGap = 10;

// v clamped into the coordinate range.
int Clamped(std::int64_t v);

// On the line: places 0 to 2.
bool IsOnLine(int place);
bool IsVertical(const CElemAttr& attr);
// Vertical writing whose single-byte runs stand upright.
bool IsUpright(const CElemAttr& attr);

// value x factor, kept well inside int.
int TimesFactor(LONG value, WORD factor);

// ---- Fonts

// The label's base font (the own one, else the document's), bold when the label is.
LOGFONT BaseFont(const CElemAttr& attr, const LOGFONT& documentFont);
// The font with its height and width times the two factors (exchanged when swapped), zoomed
// unless zoom is false.
LOGFONT FactoredFont(const CElemAttr& attr, LOGFONT font, const CPageLayout& layout, bool swap,
                     bool zoom);
// The font a label is written with: vertical writing exchanges the factors and turns the font.
LOGFONT TextFont(const CElemAttr& attr, const LOGFONT& base, const CPageLayout& layout, bool zoom);

// ---- Stacks and boxes

// How far below the line a hanging stack begins: twice the line's drawn width (the pen of the
// width code, or the rectangle bar's half height below its middle).
int HangingGap(const CKoutei& koutei, const CPageLayout& layout);

// Where the members of a stack lie: offset is the room of the later members, total the
// room of the whole stack (from the nearest member's inner edge to the first one's outer).
struct StackPlace {
    int offset = 0;
    int total = 0;
};

// A box of a label: its left and top corner, thickness across and length along its writing
// direction, in logical units.
struct LabelBox {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// The rectangle of a text box grown by one unit on each side, and its text origin.
void PutBox(const LabelBox& box, bool vertical, int* outTextX, int* outTextY, CRect* outRect);

// The box of a member of a stack on the line. along: the x where the place puts a label that
// runs along the line (place 0 and 2 give the near edge, 1 the middle); the box is length long
// along x and thickness high (horizontal writing), or thickness wide and length high
// (vertical). place 2 stacks columns toward the left.
LabelBox StackedBox(int place, int along, int lineY, bool vertical, bool standing, bool centred,
                    int gap, const StackPlace& stack, int length, int thickness);

} // namespace labels

} // namespace tembra
