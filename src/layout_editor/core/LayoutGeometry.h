// Rectangle rules the elements hit-test by, in layout units (y upward: top >= bottom once
// normalised). Edges touch: a query that only touches an element meets it.
#pragma once

#include "layout_editor/core/LayoutBase.h"

namespace marquell {

// The rectangle with left <= right and top >= bottom.
CRect NormalizedLayoutRect(const CRect& rect);
// Whether two normalised rectangles meet (touching counts).
bool LayoutRectsMeet(const CRect& a, const CRect& b);
// Whether a normalised rectangle holds another whole.
bool LayoutRectHolds(const CRect& outer, const CRect& inner);

// A hit test's query: normalised, and a query of zero size (a point) widened by one unit on
// every side.
struct LayoutQuery {
    CRect rect;
    bool point = false;
};
LayoutQuery MakeLayoutQuery(int left, int top, int right, int bottom);

// The point of a mark of a frame, 1 to 8 clockwise from the top-left corner: the corners and the
// middles of the sides.
CPoint LayoutMarkPoint(const CRect& frame, int mark);

// A value rounded to a whole unit: a fraction above one half up, else down.
int RoundHalfDown(double value);

} // namespace marquell
