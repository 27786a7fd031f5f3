// The drawing of a progress line (CShincyoku) on a page layout: the line row by row against its
// reference date, the date labels of its bends, the rectangle it covers and the pen of each draw
// mode. These are the line's layout-dependent members; they take the record first and keep its
// member names.
//
// A row at the reference date is a vertical piece across the row. A row at a date of its own
// bends: from the reference line at the row's top to the row's date at its middle and back to
// the reference line at its bottom; rows up to K (the join distance of the line attributes)
// apart that both leave the reference date are joined point to point instead, and the line
// returns to the reference date only after the last of them.
#pragma once

#include "platform/DC.h"
#include "platform/Time.h"
#include "platform/Types.h"

namespace tembra {

class CConfigShin;
class CPageLayout;
class CShincyoku;

// The draw modes (shared with the process drawing).
enum : int {
    kShinDrawNormal = 0,   // the line's own colour
    kShinDrawSelected = 1, // the selection colour ("EditWork"); line type 5 drawn as 0
    kShinDrawFeedback = 2, // XOR: red under "BlackBack", else cyan; solid
    kShinDrawLinked = 3,   // the linked-part colour ("EditBold"); solid
    kShinDrawInactive = 4, // light grey
};

// What a piece of the line is drawn with in a draw mode.
struct ShincyokuPen {
    int type = 0;  // line type of the styled primitives
    int width = 0; // logical units
    COLORREF color = 0;
    int rop2 = R2_COPYPEN;
    bool operator==(const ShincyokuPen&) const = default;
};

// The rows a drawing walks: the layout's first and last displayed rows, or, in the clipped pass
// of a chart scrolled down, its fixed rows.
struct ShincyokuRows {
    int first = 0;
    int last = -1;
};

// The progress-line settings of the layout's document (the application's when the layout has no
// settings record): the width table and the default label font.
const CConfigShin& ShinSettingsOf(const CPageLayout& layout);

// The draw-mode table. The width is the entry of the document's width table for the line's
// width code, in every mode; a mode outside 0..4 draws as mode 0.
ShincyokuPen GetDrawPen(const CShincyoku& line, const CPageLayout& layout, int mode);

ShincyokuRows GetDrawRows(const CPageLayout& layout);

// Draws the line over the rows of GetDrawRows, each at its row's date. Clears the drawing state
// first; with date labels on, the points of the pieces are gathered into it and each bend's
// label is drawn once the point after it is known.
void Draw(CShincyoku& line, CDC* dc, const CPageLayout& layout, int mode);

// The row step of Draw: the row drawn at the date. The view's progress editing calls it with the
// tracked row and date and mode 2 for its XOR feedback (a row off the reference date then draws
// only its horizontal piece, so drawing it twice erases it). A row whose point carries a value
// is left out; mode 0 becomes 1 on a selected line.
void DrawRow(CShincyoku& line, CDC* dc, const CPageLayout& layout, int row, const CTime& date,
             int mode);

// The date label of the bend p1 between p0 (the point before it) and p2 (the point after it):
// only for a row (found at p1's y) that has a point; beside the bend on the side away from the
// line, clear of both of its pieces; in the line's colour whatever the draw mode.
void DrawDateLabel(const CShincyoku& line, CDC* dc, const CPageLayout& layout, const CPoint& p0,
                   const CPoint& p1, const CPoint& p2);

// The rectangle the line and its date labels cover over the rows of GetDrawRows (logical units,
// top and bottom those of the process area, or of its fixed band in the clipped pass). Labels
// are measured on the device context; without one their extent is estimated from the font
// (|width| per byte, |height| high).
CRect GetBounds(const CShincyoku& line, CDC* dc, const CPageLayout& layout);

} // namespace tembra
