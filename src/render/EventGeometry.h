// An event on the chart of a page layout: where its text anchor lies, how its text is laid out
// (by estimate or measured on a device context), the outline of its speech balloon, its full
// rectangle, and how it is moved and kept inside the chart.
//
// The anchor is the event's date and row point (the x of its date, the middle of its row)
// moved by its two percent offsets, of one day's width and one row's height. Logical units, y
// upwards; every point handed out lies in -30000..30000.
#pragma once

#include "model/Event.h"
#include "platform/Types.h"

#include <array>
#include <string>

namespace tembra {

class CDC;
class CPageLayout;

// The balloon outline: eight points from the tip round the box and back.
using BalloonOutline = std::array<CPoint, 8>;

// The date macros of the layout's document, with the layout's elapsed-day count (the context
// refers to the layout and must not outlive it).
EventMacroContext MakeEventMacroContext(const CPageLayout& layout);
// The event's text with its macros expanded.
std::string ExpandDateMacros(const CEvent& event, const CPageLayout& layout);

// The event's own font when it has one, else the document's event font; weight 700 when the
// event is bold. Unscaled.
LOGFONT GetEventFont(const CEvent& event, const CPageLayout& layout);
// The font the text is written with: the height and width times the event's two factors and
// scaled by the layout's zoom. Vertical writing exchanges the factors and turns the font:
// escapement 901, angles kept by the clip precision, the face "@" and its name.
LOGFONT GetEventTextFont(const CEvent& event, const CPageLayout& layout);
// In vertical writing, the font of the single-byte runs that stand upright: the factors as in
// horizontal writing, not turned.
LOGFONT GetEventUprightFont(const CEvent& event, const CPageLayout& layout);

// The event's date and row point, and its text anchor.
CPoint GetDateRowPoint(const CEvent& event, const CPageLayout& layout);
CPoint GetAnchorPoint(const CEvent& event, const CPageLayout& layout);
// Stores the point as the two percent offsets from the date and row point (truncated). A period
// without length or a page without rows keeps offset 0 on that axis.
void SetOffsetFromPoint(CEvent& event, const CPageLayout& layout, int x, int y);
void SetOffsetFromPoint(CEvent& event, const CPageLayout& layout, const CPoint& point);

// Moves the anchor by (dx, dy). Unless keepTip is set on a balloon, the date (to the hour when
// the settings' date labels count hours) and the row under the new point become the event's;
// then the offsets are set from the point. With keepTip a balloon's box moves and its tip stays.
// Returns 1.
int MoveBy(CEvent& event, const CPageLayout& layout, int dx, int dy, BOOL keepTip);
// MoveBy the distance from the anchor to the point.
int MoveToPoint(CEvent& event, const CPageLayout& layout, const CPoint& point, BOOL keepTip);
// A text that runs above the chart's first row (row 0) is moved down until its top meets that
// row's top.
void KeepInChart(CEvent& event, const CPageLayout& layout, BOOL keepTip);

// Lays the expanded text out: the rectangle of the text box grown by one unit on each side and
// the text origin. Returns 0 (nothing written) for an empty text. Without a device context the
// text is estimated as |font width| x its length in bytes; the layout's quick-text flag keeps
// that estimate (twice as wide) for a text without macros, and otherwise a device context
// measures the expanded text as it is drawn: all at once, or, vertical with upright runs, run
// by run.
int CalcTextRect(const CEvent& event, const CPageLayout& layout, CDC* dc, int* outTextX,
                 int* outTextY, CRect* outRect);
// The balloon of forms 4 and 5 around a text rectangle; 0 for the other forms.
int GetBalloonOutline(const CEvent& event, const CPageLayout& layout, const CRect& textRect,
                      BalloonOutline& outline);
// The text rectangle; withAnchor widens it to the date and row point and to a balloon's outline.
// Normalised (top >= bottom); empty without text and anchor.
CRect GetRect(const CEvent& event, const CPageLayout& layout, CDC* dc, BOOL withAnchor);

} // namespace tembra
