// The four drawing functions through which the layout editor's areas, elements and feedback
// frames reach the screen and the printer, and the colour set-up they share. Coordinates are
// logical units of the device context (0.1 mm with y upward in the editor's views and on paper).
//
// Style codes of a pen: the platform's pen styles 0 (solid) to 5 (null), and -1 "no line". On the
// printer -1 draws nothing; on screen 5 draws a solid light-grey line, and -1 a light-grey dotted
// guide when the width is 1 or more (nothing below).
// Brush codes of a rectangle: 999 or -1 hollow; 99 solid in the brush colour; 90 the pattern of
// bitmap 110; 91 to 98 the pattern of bitmap 112; 0 to 5 a hatch of that hatch style in the
// brush colour; every other code (6 to 89 among them: no such hatch) fills nothing.
// A negative mix mode or background mode leaves the device context's.
//
// The two switches of a print job live with the device context it draws on (its DrawOptions,
// set with SetStyledDrawEnable and SetColorMatchEnable): with wide-line emulation on, a printer
// draws a styled line of a positive width as parallel one-pixel strokes, so that its pattern
// keeps its look at any width; with colour matching on, a printer draws every colour as its
// nearest device colour. With both off every line is drawn with one pen in the given colour.
#pragma once

#include "layout_editor/core/LayoutBase.h"

#include <string_view>

namespace marquell {

// Brush codes of DrawRect that are no fill or hatch style.
enum : int {
    kBrushHollow = 999,
    kBrushNone = -1,
    kBrushSolid = 99,
    kBrushPattern90 = 90,
    kBrushPattern91 = 91, // to 98
};

BOOL DrawLine(CDC* dc, int x1, int y1, int x2, int y2, int style, int width, COLORREF colour,
              int mixMode, int bkMode);
// The pen draws the frame, the brush fills; the rectangle runs from (left, top) to
// (right + width, bottom - width).
BOOL DrawRect(CDC* dc, const CRect& rect, int style, int width, COLORREF colour, int brushCode,
              COLORREF brushColour, int mixMode, int bkMode);
// One line of CP932 text at (x, y) in the font (none: the device context's) and colour, with
// the alignment. FALSE for a font whose height or width is 0. A mix mode other than copy-pen
// (feedback) combines the text onto the device through a memory bitmap, as the main program's
// styled text does.
BOOL DrawTextAt(CDC* dc, int x, int y, const LOGFONT* font, COLORREF colour,
                std::string_view textCp932, UINT align, int mixMode, int bkMode);
// On screen a dotted line one pixel wide; on the printer a one-pixel band of the dot pattern
// (bitmap 134 down a vertical line, 139 otherwise) along the line, in the colour on a
// transparent background.
BOOL DrawDottedLine(CDC* dc, int x1, int y1, int x2, int y2, COLORREF colour, int mixMode,
                    int bkMode);
// Makes the background colour white; on the printer with colour matching on, the colours given
// first become the device's nearest colours.
void SetUpColours(CDC* dc, COLORREF& colour, COLORREF& background);

} // namespace marquell
