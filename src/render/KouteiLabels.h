// The labels of a process on the chart of a page layout: its terms (用語) and its resource label
// (資源).
//
// A term hangs on a part of the process, its date kind: 1 the start, 2 the end, any other value
// the whole process. Its reference segment is a point at that node or the segment that carries
// the process's labels. Its place (the third word of its label block) says where it stands:
//   0, 1, 2  on the line, beginning after the start node's mark, centred on the reference
//            segment, or ending before the end node's mark; labels of one date kind, place and
//            writing direction stack, the first of the list farthest from the line;
//   3, 4, 5  free, at the term's offset pair from the middle of the reference segment (percents
//            of a day's width and a row's height); 3 and 4 begin there, 5 ends there; 4 and 5
//            are drawn with a leader line whose end on the process is given by the leader pair.
// A stack stands on the line (link position 0) or hangs below it (any other link position),
// beyond twice the line's drawn width: the pen width of the process's width code, or, for the
// rectangle bar (shape 64), its half height below the middle. The slanted bar (shape 128)
// centres its stacks on the line. In vertical writing the columns stand side by side along the
// line in the same order (at place 2 from the right), each standing on the line or hanging
// below it with its whole length.
//
// The resource label shows one line per entry of the process's resource list, stacked as a
// term at place 0 (its lines share one font); it is centred on the process or begins after the
// start node's mark, and moves down below the terms when they reach below the line.
//
// Texts are measured as events measure theirs: on the device context when one is given, else
// by the estimate |font width| x bytes (twice as wide for the layout's quick text without
// macros). Every rectangle is the text box grown by one unit on each side, logical units with
// top >= bottom; the text origin lies one unit inside its top and its left edge (its right edge
// in vertical writing).
#pragma once

#include "model/Koutei.h"
#include "platform/Types.h"

#include <array>
#include <memory>
#include <string>

namespace tembra {

class CDC;
class CPageLayout;
class CYogo;

// Places of a term (the third word of its label block).
enum : WORD {
    kYogoPlaceStart = 0,       // on the line, after the start node
    kYogoPlaceMiddle = 1,      // on the line, centred
    kYogoPlaceEnd = 2,         // on the line, before the end node
    kYogoPlaceFree = 3,        // at its offset, beginning there
    kYogoPlaceLeaderLeft = 4,  // at its offset, beginning there, with a leader line
    kYogoPlaceLeaderRight = 5, // at its offset, ending there, with a leader line
};

// Shown when the stacking table cannot be made.
constexpr UINT IDS_YOGO_STACK_FAILED = 5026;

// The thickness of every term for one layout of the process's terms: an entry per term, date
// kind (0 the whole process, 1 the start, 2 the end), place on or off the line (0 to 5) and
// writing direction (0 horizontal, 1 vertical), in units of the unzoomed fonts; a term fills the
// entry of its own date kind, place and direction when it has a text, every other entry is 0.
class YogoStackTable {
public:
    static constexpr int kDateKinds = 3;
    static constexpr int kPlaces = 6;
    static constexpr int kDirections = 2;
    static constexpr int kPerTerm = kDateKinds * kPlaces * kDirections;

    // 0 for an index outside the table.
    int Get(int term, int dateKind, int place, int direction) const;
    // Nothing for an index outside the table.
    void Set(int term, int dateKind, int place, int direction, int thickness);

private:
    static int Slot(int term, int dateKind, int place, int direction);

    std::array<int, CKoutei::kMaxYogo * kPerTerm> m_thickness{};
};

// The table of the process's terms, the terms without a font of their own taking defaultFont
// (the document's term label font); null, after message 5026, when it cannot be allocated.
std::unique_ptr<YogoStackTable> BuildYogoStackTable(const CKoutei& koutei,
                                                    const CPageLayout& layout, CDC* dc,
                                                    const LOGFONT& defaultFont);

// Lays out the term at index: its rectangle and text origin (each output optional). 0, and
// nothing written, for an index without a term, a term without text, or no table.
int CalcYogoRect(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, int index,
                 const YogoStackTable* table, int* outTextX, int* outTextY, CRect* outRect);
// The rectangle of the term at index, or (index -1) of all terms; an empty rectangle
// (CRect()) when there is none or the stacking table cannot be made.
CRect GetYogoRect(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, int index);

// The reference segment of a date kind: the start node's point (1), the end node's (2), or
// (any other) the ends' x with the y of the part that carries the labels: the lower leg of a
// vertical-then-horizontal elbow (shape 2), the upper of the other elbow (3), the middle
// segment of a crank or a gate (4, 6), half way between the ends for the rest. Lines within
// one date count as shape 0, lines within one row as shape 1.
void GetYogoSegment(const CKoutei& koutei, const CPageLayout& layout, int dateKind, int& x1,
                    int& x2, int& y);
// The middle of the reference segment.
void GetYogoMidpoint(const CKoutei& koutei, const CPageLayout& layout, int dateKind, int& x,
                     int& y);

// The point moved by the term's offset pair (GetYogoAnchor) or leader pair (GetYogoLeaderEnd),
// percents of the layout's day width and row height, truncated and clamped. Nothing for an
// index without a term.
void GetYogoAnchor(const CKoutei& koutei, const CPageLayout& layout, int index, int& x, int& y);
void GetYogoLeaderEnd(const CKoutei& koutei, const CPageLayout& layout, int index, int& x, int& y);
// Where the leader line of the term at index leaves the process: the point (x, y), moved by
// the leader pair, becomes, for a term on the start (end) node, the point where that node's
// mark centred there meets a line toward (towardX, towardY); for a term on the whole process,
// the point of its route nearest to it (NearestRoutePoint).
void GetYogoLeaderStart(const CKoutei& koutei, const CPageLayout& layout, int index, int& x, int& y,
                        int towardX, int towardY);
// The point of the process's route nearest to the target, among the feet of the perpendiculars
// that fall within its straight legs and, at each rounded corner, the crossing of the line
// through the target and the arc's centre with the arc (or the arc's nearer end); the first of
// equally near ones. Without any, the route's first or last point, whichever is nearer.
CPoint NearestRoutePoint(const CKoutei& koutei, const CPageLayout& layout, const CPoint& target);

// Stores a dragged label at (x, y). SetYogoPosition: for places 3 to 5 the offset pair from
// the middle of the reference segment; nothing for places on the line. SetYogoSubPosition: for
// places 4 and 5 of a term on the whole process the leader pair the same way; (0, 0) in every
// other case. A layout whose day width or row height is 0 stores 0 on that axis.
void SetYogoPosition(const CKoutei& koutei, const CPageLayout& layout, CYogo& term, int x, int y);
void SetYogoSubPosition(const CKoutei& koutei, const CPageLayout& layout, CYogo& term, int x,
                        int y);

// Expands the date macros of text for a term of the process (see the .cpp for the table); the
// result holds at most the 128 bytes of a term's text, cut on a character boundary.
void FormatYogoText(const CKoutei& koutei, const CPageLayout& layout, const CYogo& term,
                    std::string& text);

// The fonts a label (a term, or the lines of the resource label) is written with: its own font
// when its block says so, else defaultFont (the document's label font), bold with style flag 4,
// its height and width times the block's factors and the zoom. Vertical writing turns the font
// (escapement 901, the "@" face) and exchanges the factors; its upright single-byte runs take
// the unturned font with the factors of horizontal writing.
LOGFONT GetLabelTextFont(const CElemAttr& attr, const LOGFONT& defaultFont,
                         const CPageLayout& layout);
LOGFONT GetLabelUprightFont(const CElemAttr& attr, const LOGFONT& defaultFont,
                            const CPageLayout& layout);

// Lays out line (entry) number line of the resource label: its rectangle and text origin (each
// optional). 0, and nothing written, for a line outside the resource list.
int CalcShigenRect(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, int line,
                   int* outTextX, int* outTextY, CRect* outRect);
// The rectangle of line index, or (index -1) of the whole label; an empty rectangle (CRect())
// without resources.
CRect GetShigenRect(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, int index);

} // namespace tembra
