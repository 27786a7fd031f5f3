// The chart's line-style drawing primitives: every painter and every drawing shape draws
// through these, so that one rule decides how a line type looks on screen and on paper.
//
// Style arguments follow the coordinates in this order: line type, line width (logical units;
// 0 or less the thinnest pen), line colour; for the filling primitives the fill code and fill
// colour; last the ROP2 code and the background mode (each -1 to leave the device context's).
//
// Line types: -1 no line (a light-grey dotted guide on screen when the width is positive),
// 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible on paper and light grey on
// screen, 6 solid and never dashed.
// Fill codes: -1 or 999 none, 99 solid, 100 solid white, 0 to 5 the hatch styles (6 to 89 are
// no hatch and fill nothing), 90 and the other codes from 90 up the bitmap patterns 106 and
// 108, 200 to 208 the patterns 345, 346, 351, 352, 353, 354, 355, 356 and 347.
//
// On a printer with styled drawing on, lines of types 1 to 4 (and 6) wider than 0 are drawn as
// runs of a geometric pen with flat ends, walked along the line with the dash table (scaled by
// the dash scale), so that dashes keep their length at any pen width; a polyline, polygon or
// rectangle carries its pattern from one side to the next.
//
// Colours are matched first: on a printer (with colour matching on) to the printer's nearest
// colour, never letting a non-white colour vanish into white; on screen with the black
// background setting, black and white change places. The application's flipped-y option
// negates every y handed to the device. Pens and brushes made here are selected back out before
// a primitive returns; the ROP2 and background mode stay as the call set them.
#pragma once

#include "platform/DC.h"

#include <string_view>

namespace tembra {

int DrawStyledPolyline(CDC* dc, int x1, int y1, int x2, int y2, int type, int width, COLORREF color,
                       int rop2, int bkMode);
int DrawStyledLine(CDC* dc, int x1, int y1, int x2, int y2, int type, int width, COLORREF color,
                   int rop2, int bkMode);

// Both edges are drawn: GDI's Rectangle gets right + 1 and bottom - 1.
int DrawStyledRect(CDC* dc, const CRect& rect, int type, int width, COLORREF color, int fill,
                   COLORREF fillColor, int rop2, int bkMode);
int DrawStyledRect(CDC* dc, int left, int top, int right, int bottom, int type, int width,
                   COLORREF color, int fill, COLORREF fillColor, int rop2, int bkMode);

int DrawStyledShape(CDC* dc, const CPoint* points, int count, int type, int width, COLORREF color,
                    int fill, COLORREF fillColor, int rop2, int bkMode);
int DrawStyledPointPolyline(CDC* dc, const CPoint* points, int count, int type, int width,
                            COLORREF color, int rop2, int bkMode);
int DrawStyledEllipse(CDC* dc, const CRect& rect, int type, int width, COLORREF color, int fill,
                      COLORREF fillColor, int rop2, int bkMode);
// corner: width and height of the corner ellipse (their signs do not matter).
int DrawStyledRoundRect(CDC* dc, const CRect& rect, const CPoint& corner, int type, int width,
                        COLORREF color, int fill, COLORREF fillColor, int rop2, int bkMode);
// A whole circle.
int DrawStyledFilledArc(CDC* dc, int cx, int cy, int radius, int type, int width, COLORREF color,
                        int fill, COLORREF fillColor, int rop2, int bkMode);
// The arc from the ray through (sx, sy) to the ray through (ex, ey), in the device context's
// arc direction.
int DrawStyledArc(CDC* dc, int cx, int cy, int radius, int sx, int sy, int ex, int ey, int type,
                  int width, COLORREF color, int rop2, int bkMode);
// The sector between the two rays and the arc.
int DrawStyledFan(CDC* dc, int cx, int cy, int radius, int sx, int sy, int ex, int ey, int type,
                  int width, COLORREF color, int fill, COLORREF fillColor, int rop2, int bkMode);
int DrawStyledFan(CDC* dc, int cx, int cy, int radius, int sx, int sy, int ex, int ey, int type,
                  int width, COLORREF color, int fill, COLORREF fillColor);

// The ruled grid's dot line: on screen a one-pixel band of evenly spaced dots starting at the
// line's first end; on paper a dotted styled line (type 2) of the given width.
int DrawDotLine(CDC* dc, int x1, int y1, int x2, int y2, int type, int width, COLORREF color,
                int rop2, int bkMode);
// On a printer or metafile only, and only for type 2: runs of dotLength on and gapLength off of
// a flat-ended geometric pen. Nothing elsewhere.
int DrawPrintDotLine(CDC* dc, int x1, int y1, int x2, int y2, int type, int width, COLORREF color,
                     int dotLength, int gapLength);

// One line of CP932 text at (x, y) in the font (none: the device context's) and colour.
// With ROP2 13 the alignment word (0xFFFF: leave the device context's) is set and the text
// drawn; any other ROP2 (feedback) combines the text onto the device by XOR through a memory
// bitmap. Returns 0 for a font of height 0 or when no memory bitmap can be made, else 1.
int DrawStyledText(CDC* dc, int x, int y, const LOGFONT* font, COLORREF color,
                   std::string_view textCp932, UINT align, int rop2, int bkMode);

// The two switches of a print job, kept by the device context it draws on (its DrawOptions), so
// that a preview and a window painting in the same program do not share them. Each returns its
// previous value (0 for no device context). Styled drawing is off on a new device context (the
// print routine switches it on for a job that asks for it), colour matching on printers is on.
int SetStyledDrawEnable(CDC* dc, int enable);
int SetColorMatchEnable(CDC* dc, int enable);

} // namespace tembra
