// Plane geometry on points given as pairs of doubles in the chart's logical units (y upwards):
// rotation, distances, angles, and the intersections that hit testing, clipping and snapping
// need. Most comparisons use a tolerance of 0.01 units. Nothing here divides by zero: the
// nearly vertical, nearly horizontal and parallel cases are answered before a slope is formed.
// The int variants work on doubles and truncate their results toward zero.
#pragma once

#include <span>

namespace tembra {

constexpr double kGeomTwoPi = 6.283185307179586;

// Turns (x, y) about (cx, cy) by angle radians, counter-clockwise for y upwards.
void GeomRotatePoint(double cx, double cy, double angle, double& x, double& y);
// The angle of p3 seen from p1, counter-clockwise from the direction p1 -> p2, in [0, 2pi);
// 0 when p2 or p3 lies within 0.01 of p1.
double GeomAngleFrom(double x1, double y1, double x2, double y2, double x3, double y3);
// |dy| when |dx| < 0.01, |dx| when |dy| < 0.01, else the Euclidean distance.
double GeomDistance(double x1, double y1, double x2, double y2);
// atan2(y, x) in [0, 2pi); 0 for (0, 0).
double GeomAngle(double y, double x);

// The crossings of the segment a-b with the circle about c of radius r, in absolute
// coordinates from the first entry on; returns their number (0..2).
short GeomIntersectLineCircle(double xa, double ya, double xb, double yb, double cx, double cy,
                              double r, std::span<double, 2> outX, std::span<double, 2> outY);
// The crossing of the segments a-b and c-d: 1 with the point, else 0 (the outputs are set to 0
// first). Parallel segments, collinear ones included, do not cross. A crossing may lie up to
// about one unit beyond a segment's end.
int GeomIntersectSegments(double xa, double ya, double xb, double yb, double xc, double yc,
                          double xd, double yd, double& outX, double& outY);
// The crossing of the vertical segment (x, y1)-(x, y2) with c-d: 1 with the point, else 0
// (the outputs are then left alone).
int GeomIntersectVerticalSegment(double x, double y1, double y2, double xc, double yc, double xd,
                                 double yd, double& outX, double& outY);
// The crossings of the polyline of n segments (points x0, y0, x1, y1, ..., n + 1 points) with
// c-d, appended to the outputs in segment order; returns their number. Only as many points as
// the arrays hold are read, and only as many crossings as the outputs hold are stored.
short GeomIntersectPolylineSegment(short n, std::span<const double> points, double xc, double yc,
                                   double xd, double yd, std::span<double> outX,
                                   std::span<double> outY);
// The crossings of the segment (x1, y1)-(x2, y2) with the outline of the rectangle, edges in
// the order top, right, bottom, left, rounded (0.5 added, then truncated); a crossing at a
// corner may be reported for both edges. Returns their number.
short GeomIntersectLineRect(int left, int top, int right, int bottom, int x1, int y1, int x2,
                            int y2, std::span<int, 4> outX, std::span<int, 4> outY);
// The foot of the perpendicular from p on the line through a-b (always written); 1 when it
// lies on the segment, else 0.
int GeomPerpendicularFoot(double px, double py, double xa, double ya, double xb, double yb,
                          double& outX, double& outY);
// As above with ints; the outputs are changed only on 1.
int GeomPerpendicularFootInt(int px, int py, int xa, int ya, int xb, int yb, int& outX, int& outY);
// Whether the direction q lies on the arc that runs counter-clockwise from direction s to
// direction e (all three vectors from the arc's centre); the end directions belong to it.
int GeomIsAngleOnArc(double sx, double sy, double ex, double ey, double qx, double qy);
// The point of the arc about c of radius r, from s counter-clockwise to e, nearest to p: the
// crossing of the line through p and c with the circle when that lies on the arc, else the
// nearer end point. 0 when r <= 0, s equals e or the line misses the circle.
int GeomNearestPointOnArc(double px, double py, double cx, double cy, double r, double sx,
                          double sy, double ex, double ey, double& outX, double& outY);
// As above with ints; the outputs are changed only on 1.
int GeomNearestPointOnArcInt(int px, int py, int cx, int cy, int r, int sx, int sy, int ex, int ey,
                             int& outX, int& outY);

} // namespace tembra
