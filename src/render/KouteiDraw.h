// Drawing a process (CKoutei) on a page layout: its line in every line shape with rounded
// corners and the arrow head at its end, the stretches over holidays and the spare days in a
// style of their own, the crossings that a line lifts over other processes' lines on paper, the
// two bar forms, the node marks with their day numbers, the terms with their leader lines and
// the resource label. These are the process's layout-dependent drawing members; they take the
// record first and keep its member names.
//
// Draw modes (the process keeps the one it is drawn in):
//   0 normal     the line's colour (a relation line: the "Linked" colour, grey for line kind 5)
//   1 selected   the selection colour ("EditWork"); line kind 5 drawn as 0
//   2 feedback   black, inverted (NOT), solid; black node fill; no spare days, no hatching
//   3 linked     the linked-part colour ("EditBold"), solid
//   4 inactive   grey (192, 192, 192)
// Every mode but 2 copies its pen. Node marks are filled white (black in mode 2); labels take
// their own colours in mode 0.
#pragma once

#include "platform/GdiObjects.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <string>

namespace tembra {

class CDC;
class CKoutei;
class CPageLayout;
struct KouteiBoundsParts;

enum : int {
    kKouteiDrawNormal = 0,
    kKouteiDrawSelected = 1,
    kKouteiDrawFeedback = 2,
    kKouteiDrawLinked = 3,
    kKouteiDrawInactive = 4,
};

// What a part of the process is drawn with in a draw mode.
struct KouteiPen {
    int type = 0;  // line type of the styled primitives
    int width = 0; // logical units
    COLORREF color = 0;
    int rop2 = R2_COPYPEN;
    bool operator==(const KouteiPen&) const = default;
};

// The pen of the line in the mode: the width of its width code in the document's width table,
// zoomed, in every mode; a mode outside 0..4 draws as 0.
KouteiPen GetDrawPen(const CKoutei& koutei, const CPageLayout& layout, int mode);
// The colour of a node mark's outline or of a label's text in the mode; own is the part's own
// colour, taken in mode 0.
COLORREF GetDrawColor(COLORREF own, int mode);

// The mode a part is drawn in when the caller asks for mode (objectMode: the document's object
// mode). A selected part shows the selection (the linked colour in the term mode); a part tied
// to what is selected in the object mode shows the linked colour: the line in the term mode
// when a selected term hangs on it, in the resource mode when the resource list is selected,
// in the process mode when a node is; a node in the term mode when a selected term hangs on
// it, in the process mode when the line is. Mode 2 stays 2.
int GetLinesDrawMode(const CKoutei& koutei, int mode, LONG objectMode);
// part: kKouteiPartStart or kKouteiPartEnd.
int GetLandDrawMode(const CKoutei& koutei, int part, int mode, LONG objectMode);
// A term: 1 when it is selected, else 3 outside the term mode when its part is selected.
int GetYogoDrawMode(const CKoutei& koutei, int index, int mode, LONG objectMode);
// The resource label: 1 when the list is selected, else 3 outside the resource mode when the
// line is selected.
int GetShigenDrawMode(const CKoutei& koutei, int mode, LONG objectMode);

// How the line is drawn over holidays and its spare days. A run of at least minRun holidays
// (each run counted by the whole run of the calendar it belongs to), and the spare part from
// spareFrom to the end of the process, are drawn in altType: 2 (dotted) on screen, the print
// settings' "HolidayLine" on paper. Holidays count only while the settings shade them (shade,
// the settings' holiday-shading level, not 0); a line of type 5 is drawn in its own type only.
struct HolidayLineStyle {
    KouteiPen pen;
    int altType = 2;
    // The line's Holiday word, or with shading level 1 the date rows' "BigHolidays"; 0 in mode
    // 2 and for relation lines.
    int minRun = 0;
    int shade = 0;
    // 0: no spare part (none in mode 2).
    CTime spareFrom;
};

// The style of the process's line in the mode on the device.
HolidayLineStyle GetHolidayLineStyle(const CKoutei& koutei, const CDC* dc,
                                     const CPageLayout& layout, int mode);

// One segment of the line from p1 at date d1 to p2 at date d2, cut where holiday runs and the
// spare part begin and end, each stretch in its style. y follows x linearly.
void DrawHolidaySegment(CDC* dc, const CPageLayout& layout, const CPoint& p1, const CTime& d1,
                        const CPoint& p2, const CTime& d2, const HolidayLineStyle& style);
// Whether a corner (or a crossing's arc) at the date takes the alternative style: in the spare
// part, or, for a line not of type 5, on a holiday with a minimum run of 1, or, with shading
// level 1, in a run of at least minRun holidays.
bool IsAltStyleAt(const CPageLayout& layout, const HolidayLineStyle& style, const CTime& date);

// The segment p1-p2 of the line lifted over the lines of the other processes (in the order of
// the document's objects: this one's vertical segments, and its other segments over level
// lines and over the processes drawn before it), as on paper with "CrossType" 1 (a half circle
// of radius "ArcRay" over each crossing) or any other non-zero value (a gap of 2 x "ArcRay").
void DrawCrossingSegment(const CKoutei& koutei, CDC* dc, const CPageLayout& layout,
                         const CPoint& p1, const CPoint& p2, const HolidayLineStyle& style);

// A node's direction word (its second attribute word) when it carries bit 128: 130 where the
// line leaves the node downwards (a gate's node at or above the gate row; another shape's node
// at or above the other node), 129 where it leaves upwards.
void FixLandDirections(CKoutei& koutei);
// The number a node mark shows: empty unless the high byte of its shape word is non-zero; in a
// calendar-day chart the day of the month of the node's date, in an elapsed-day chart the
// elapsed days of it, counted from 1; high byte 2 (an end milestone) shows the day before.
std::string GetLandNumberText(const CKoutei& koutei, const CPageLayout& layout, int part);
// A node mark of shape code s about (x, y) with size r: circles (0; 1 with a second circle of
// r / 2; 2 filled in the outline colour), triangles up (3, 4) and down (5, 6), squares (7, 8),
// diamonds (9, 10 and the milestones 265, 521), the even codes filled in the outline colour,
// the others with fill; then the number, r high, centred on the mark. Other codes draw no mark.
void DrawLandMark(CDC* dc, const CPageLayout& layout, int shape, int x, int y, int r,
                  COLORREF outline, int width, COLORREF fill, int rop2, const std::string& number);

// The terms of the process in the caller's mode (objectMode: the document's object mode), from
// the last to the first: each in its own mode and colour, the leader line of places 4 and 5
// first (two lines of width 1, black in mode 0), then the text with its macros expanded.
// Nothing in mode 2 outside the term mode.
void DrawYogoLabels(CKoutei& koutei, CDC* dc, const CPageLayout& layout, int mode, LONG objectMode);
// The resource label, one line per entry: "[name amount]", or "[amount]" in resource display
// mode 2, the amount right-aligned to the digits of the largest. On screen in mode 0 the pure
// colours are shown darker, black as navy (yellow on a black background) and any other colour
// as black; paper takes the label's colour as it is.
void DrawShigenLabel(CKoutei& koutei, CDC* dc, const CPageLayout& layout, int mode,
                     LONG objectMode);

// Draws the process in the mode: unless both ends coincide its line and end node, then its
// start node, its terms (from the last to the first) and its resource label (when the layout
// shows resources; in mode 2 only in the resource mode).
void Draw(CKoutei& koutei, CDC* dc, const CPageLayout& layout, int mode);

// What the bounds of the process are made of (PageLayout's KouteiBoundsParts): the ends of its
// line, the gate row, the bars' thickness, the node sizes, how far arrow heads, the pen, arcs
// of crossings and node numbers reach, and when asked the rectangles of its terms (down to their
// leader lines) and of its resource label.
void GetKouteiBoundsParts(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, bool withTerms,
                          bool withResources, KouteiBoundsParts& parts);

} // namespace tembra
