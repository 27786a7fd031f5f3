// What the painters of event texts and process labels share when they draw a label: the
// hyperlink mark in the label's corner and vertical text whose single-byte runs stand upright.
// Logical units, y upward (the rectangle's top >= bottom).
#pragma once

#include "platform/Types.h"

#include <string>

namespace tembra {

class CDC;
class CPageLayout;

// Length along the writing direction and thickness across it.
struct TextExtent {
    int length = 0;
    int thickness = 0;
};

// The hyperlink mark: a red right triangle in the rectangle's top-right corner.
void DrawHyperlinkMark(CDC* dc, const CPageLayout& layout, const CRect& rect, int rop);

// Vertical text whose single-byte runs stand upright, run by run downward from (x, y): the
// single-byte runs in the upright font, centred across the column of the rectangle's width, the
// double-byte and blank runs in the turned (vertical-writing) font.
void DrawUprightRuns(CDC* dc, const LOGFONT& upright, const LOGFONT& turned, const CRect& rect,
                     int x, int y, const std::string& text, COLORREF color, int rop);

// The extent of such a column, run by run as it is drawn: the upright runs add their height to
// the column and their width makes its thickness, the turned runs the other way round.
TextExtent MeasureUprightRuns(CDC* dc, const LOGFONT& upright, const LOGFONT& turned,
                              const std::string& text);

} // namespace tembra
