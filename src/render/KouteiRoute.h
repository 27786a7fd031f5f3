// The line of a process on the chart: where its ends lie, which way it runs, its route for each
// line shape (straight, one elbow, a crank at half height, a gate at a chosen row) with rounded
// corners, the arrow head at the end of a segment, the points where it leaves and enters the node
// marks, the segment that carries its labels, and the hit tests of its parts.
//
// Logical units of the page layout, x to the right and y upwards; every point handed out lies in
// -30000..30000. The sizes (corner radius, slant of inclined corners, arrow length, node marks)
// are the process settings scaled by the layout's zoom.
#pragma once

#include "platform/Types.h"

#include <array>

namespace tembra {

class CDC;
class CKoutei;
class CPageLayout;

// Which way a process line runs (GetLineCoords).
enum : int {
    kLineRising = 1,       // the end lies higher (y1 < y2)
    kLineFalling = 2,      // the end lies lower (y1 > y2)
    kLineLevel = 3,        // one row
    kLinePlumbFalling = 4, // one date, y1 >= y2
    kLinePlumbRising = 5,  // one date, y1 < y2
};

// Parts of a process for HitTestPart.
enum : int {
    kHitLine = 0,
    kHitStartLand = 1,
    kHitEndLand = 2,
    kHitYogo = 3,
    kHitLabelSegment = 4,
    kHitShigen = 5,
};

// The route of a process line: its straight legs and, at each corner, five points: the end of
// the leg into the corner, the centre D of the rounding arc, its start A, its end B (the arc runs
// counter-clockwise from A to B about D) and the start of the leg out of the corner.
struct KouteiRoute {
    static constexpr int kCornerPoints = 5;
    // Two ends, and five points at each of at most two corners.
    static constexpr int kMaxPoints = 2 + 2 * kCornerPoints;

    std::array<CPoint, kMaxPoints> points{};
    // 1, 2 or 3 (0 before the route is built).
    int segments = 0;

    int PointCount() const { return segments > 0 ? 2 + (segments - 1) * kCornerPoints : 0; }
    // The straight leg i (0 .. segments - 1).
    CPoint LegStart(int i) const { return points[static_cast<std::size_t>(i * kCornerPoints)]; }
    CPoint LegEnd(int i) const { return points[static_cast<std::size_t>(i * kCornerPoints + 1)]; }
    // Point k (0 .. 4) of corner j (0 .. segments - 2).
    CPoint Corner(int j, int k) const {
        return points[static_cast<std::size_t>(1 + j * kCornerPoints + k)];
    }
};

// The rounding of one corner: the arc from A to B, counter-clockwise about D.
struct CornerArc {
    CPoint a;
    CPoint b;
    CPoint d;
    // True when A lies on the corner's horizontal leg (else B does).
    bool aOnHorizontal = true;
};

// The corner at c between the leg from p1 and the leg to p2 (one of the two legs horizontal),
// rounded with radius w.
CornerArc CalcCorner(const CPoint& p1, const CPoint& c, const CPoint& p2, int w);

// The end points of the line (the x of its dates, the y of the middle of its rows) and yb, the
// height of its middle segment (shape 4: half way; shape 6: the gate row); returns the direction
// code.
int GetLineCoords(const CKoutei& koutei, const CPageLayout& layout, int& x1, int& y1, int& x2,
                  int& y2, int& yb);

// Fills the route and returns its number of segments. Bent shapes whose legs are too short for
// their corners, and every other shape, run straight from node to node.
int BuildRoute(const CKoutei& koutei, const CPageLayout& layout, KouteiRoute& route);

// The three points of an arrow head at (x2, y2) pointing along the segment from (x1, y1), with
// the settings' "ArrowLength" and "ArrowAngle"; 0 (and nothing written) when the segment is
// shorter than twice the arrow length.
int CalcArrowHead(const CPageLayout& layout, int x1, int y1, int x2, int y2,
                  std::array<CPoint, 3>& points);

// The outline of a node mark of shape code s about (x, y) with size r, closed (the first point
// again at the end); returns its number of segments, 0 for a shape without an outline (circles
// and every code but 3 to 10, 265 and 521).
int NodeMarkOutline(int shape, int x, int y, int r, std::array<CPoint, 5>& points);

// Where a line from the mark's centre c toward target meets the mark of shape s and size r.
// forceCircle takes every shape but 15 (the hidden nodes of bars) as a circle.
CPoint NodeMeetingPoint(int shape, BOOL forceCircle, const CPoint& c, int r, const CPoint& target);

// The mark size of the start and end node: the node's size percent of the scaled node radius.
int GetStartLandSize(const CKoutei& koutei, const CPageLayout& layout);
int GetEndLandSize(const CKoutei& koutei, const CPageLayout& layout);

// Where the line leaves the start node's mark running toward (x, y), and where it enters the end
// node's mark coming from (x, y); (0, 0) means the other node.
void GetStartExit(const CKoutei& koutei, const CPageLayout& layout, CPoint& out, int x, int y,
                  BOOL forceCircle = FALSE);
void GetEndEntry(const CKoutei& koutei, const CPageLayout& layout, CPoint& out, int x, int y,
                 BOOL forceCircle = FALSE);

// The segment that carries the process's labels, as the two points of a rectangle (left, top
// the first, right, bottom the second); 0 when there is none (relation lines, shapes 7 and up,
// and one-segment routes that are not level).
int GetLabelSegment(const CKoutei& koutei, const CPageLayout& layout, CRect& out);

// 1 when the part (kHitLine ...) meets the rectangle (logical units, either orientation). The
// line is tested by its straight legs (a leg end inside or a leg crossing the rectangle), the
// node marks by their squares, the label segment as a segment, the terms (the one at index, or
// all for -1) and the resource label by their rectangles (KouteiLabels.h, measured on dc when it
// is given); a resource label the layout does not show is not hit. Other part numbers give 0.
int HitTestPart(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, int left, int top,
                int right, int bottom, int part, int index);

} // namespace tembra
