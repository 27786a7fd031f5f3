#include "render/KouteiRoute.h"

#include "model/ConfigChart.h"
#include "model/Koutei.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "render/Geometry.h"
#include "render/KouteiLabels.h"
#include "render/PageLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace tembra {

namespace {

CPoint Clamped(double x, double y) {
    return CPoint(ClampCoord(static_cast<std::int64_t>(x)),
                  ClampCoord(static_cast<std::int64_t>(y)));
}

CPoint Rounded(double x, double y) {
    return Clamped(std::lround(x), std::lround(y));
}

// percent % of value, in integers.
int ScalePercent(int percent, int value) {
    return static_cast<int>(static_cast<std::int64_t>(percent) * value / 100);
}

const CConfigChart* ChartSettings(const CPageLayout& layout) {
    const CSyokiSet* set = layout.GetSyokiSet();
    return set != nullptr ? &set->GetChart() : nullptr;
}

// The scaled slant of inclined corners, when the line asks for them.
int Slant(const CKoutei& koutei, const CPageLayout& layout) {
    const bool inclined = (koutei.GetLines()->GetAttr().m_subStyle & kSubStyleInclined) != 0;
    return inclined ? layout.GetScaledInclined() : 0;
}

// The five route points of a corner: the end of the leg into it, D, A, B and the start of the
// leg out of it.
void PutCorner(KouteiRoute& route, int corner, const CornerArc& arc, bool legInHorizontal) {
    const CPoint onHorizontal = arc.aOnHorizontal ? arc.a : arc.b;
    const CPoint onOther = arc.aOnHorizontal ? arc.b : arc.a;
    const auto at = static_cast<std::size_t>(1 + corner * KouteiRoute::kCornerPoints);
    route.points[at] = legInHorizontal ? onHorizontal : onOther;
    route.points[at + 1] = arc.d;
    route.points[at + 2] = arc.a;
    route.points[at + 3] = arc.b;
    route.points[at + 4] = legInHorizontal ? onOther : onHorizontal;
}

void PutCornerAt(KouteiRoute& route, int corner, const CPoint& from, const CPoint& c,
                 const CPoint& to, int w) {
    PutCorner(route, corner, CalcCorner(from, c, to, w), from.y == c.y);
}

// The node's point on the chart: the x of its date, the middle of its row.
CPoint StartPoint(const CKoutei& koutei, const CPageLayout& layout) {
    return layout.DateRowToPoint(koutei.GetStartTime(), koutei.GetStartRow());
}
CPoint EndPoint(const CKoutei& koutei, const CPageLayout& layout) {
    return layout.DateRowToPoint(koutei.GetEndTime(), koutei.GetEndRow());
}

// Whether the point lies inside the rectangle or the segment crosses its outline.
bool SegmentMeetsRect(const CPoint& p1, const CPoint& p2, const CRect& rect) {
    if (PtInLogRect(p1, rect) || PtInLogRect(p2, rect)) {
        return true;
    }
    std::array<int, 4> xs{};
    std::array<int, 4> ys{};
    return GeomIntersectLineRect(rect.left, rect.top, rect.right, rect.bottom, p1.x, p1.y, p2.x,
                                 p2.y, xs, ys) > 0;
}

// Whether two logical rectangles (normalised) share a point.
bool RectsMeet(const CRect& a, const CRect& b) {
    return a.left <= b.right && b.left <= a.right && a.bottom <= b.top && b.bottom <= a.top;
}

} // namespace

// ---- Corners ------------------------------------------------------------------------------------

CornerArc CalcCorner(const CPoint& p1, const CPoint& c, const CPoint& p2, int w) {
    double theta = 0.0;
    double s = 0.0;
    bool u = false;
    if (p1.y == c.y) {
        // The leg into the corner is horizontal.
        if (!(p2.x == c.x && p2.y == c.y)) {
            theta = std::atan2(std::abs(p2.y - c.y), std::abs(p2.x - c.x));
        }
        s = -1.0;
        u = p2.y > c.y;
    } else {
        // The leg out of the corner is horizontal.
        if (!(p1.x == c.x && p1.y == c.y)) {
            theta = std::atan2(std::abs(c.y - p1.y), std::abs(c.x - p1.x));
        }
        s = 1.0;
        u = p1.y < c.y;
    }
    double phi = std::numbers::pi - theta;
    const double t = s * w / std::fabs(std::tan(phi / 2.0));
    const long k = std::lround(t);
    if (u) {
        phi = -phi;
    }

    CornerArc arc;
    arc.a = Clamped(static_cast<double>(c.x) + k, c.y);
    double bx = static_cast<double>(c.x) + k;
    double by = c.y;
    GeomRotatePoint(c.x, c.y, phi, bx, by);
    arc.b = Clamped(std::trunc(bx), std::trunc(by));
    const bool below = (s > 0.0 && u) || (s < 0.0 && !u);
    arc.d = Clamped(static_cast<double>(c.x) + k, static_cast<double>(c.y) + (below ? -w : w));
    if (!u) {
        std::swap(arc.a, arc.b);
    }
    arc.aOnHorizontal = u;
    return arc;
}

// ---- Direction and route ------------------------------------------------------------------------

int GetLineCoords(const CKoutei& koutei, const CPageLayout& layout, int& x1, int& y1, int& x2,
                  int& y2, int& yb) {
    const CPoint p1 = StartPoint(koutei, layout);
    const CPoint p2 = EndPoint(koutei, layout);
    x1 = p1.x;
    y1 = p1.y;
    x2 = p2.x;
    y2 = p2.y;
    yb = y1;

    const WORD shape = koutei.GetLineShape();
    if (shape == kLineShapeCrank) {
        yb = y1 + (y2 - y1) / 2;
        return y1 < y2 ? kLineRising : kLineFalling;
    }
    if (shape == kLineShapeGate) {
        yb = layout.RowToY(koutei.CalcGateRow(), 0);
        const int offset = koutei.GetLines()->GetBendOffset();
        const bool between = (yb > std::min(y1, y2)) && (yb < std::max(y1, y2));
        if (offset != 0 && yb != y1 && yb != y2 && between) {
            return offset < 0 ? kLineRising : kLineFalling;
        }
    }
    if (x1 != x2) {
        if (y1 < y2) {
            return kLineRising;
        }
        return y1 > y2 ? kLineFalling : kLineLevel;
    }
    return y1 >= y2 ? kLinePlumbFalling : kLinePlumbRising;
}

int BuildRoute(const CKoutei& koutei, const CPageLayout& layout, KouteiRoute& route) {
    route = KouteiRoute();
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int yb = 0;
    const int direction = GetLineCoords(koutei, layout, x1, y1, x2, y2, yb);
    const int w = layout.GetScaledCornerSize();
    const int s = std::max(GetStartLandSize(koutei, layout), GetEndLandSize(koutei, layout));
    const int o = Slant(koutei, layout);
    const int dx = std::abs(x2 - x1);

    int shape = koutei.GetLineShape();
    if (direction == kLinePlumbFalling || direction == kLinePlumbRising) {
        shape = kLineShapePlain;
    } else if (direction == kLineLevel) {
        shape = kLineShapeStraight;
    }

    const CPoint start(x1, y1);
    const CPoint end(x2, y2);
    switch (shape) {
    case kLineShapeElbowVH:
    case kLineShapeElbowHV: {
        if (!(std::abs(y2 - y1) + s > w + 1 && dx > o + 1 && dx + s > w + o + 1)) {
            break;
        }
        if (shape == kLineShapeElbowVH) {
            const CPoint c(x1 + o, y2);
            GetStartExit(koutei, layout, route.points[0], c.x, c.y);
            PutCornerAt(route, 0, start, c, end, w);
            GetEndEntry(koutei, layout, route.points[6], x1, y2);
        } else {
            // The slanted leg comes out of the corner: the corner moves back by the slant.
            const CPoint c(x2 - o, y1);
            GetStartExit(koutei, layout, route.points[0], c.x, c.y);
            PutCornerAt(route, 0, start, c, end, w);
            GetEndEntry(koutei, layout, route.points[6], x2, y1);
        }
        route.segments = 2;
        return route.segments;
    }
    case kLineShapeCrank:
    case kLineShapeGate: {
        if (!(std::abs(yb - y1) + s > w + 1 && dx > 2 * o + 1 && dx - 2 * o > 2 * w)) {
            break;
        }
        const CPoint c1(x1 + o, yb);
        const CPoint c2(x2 - o, yb);
        GetStartExit(koutei, layout, route.points[0], c1.x, c1.y);
        PutCornerAt(route, 0, start, c1, c2, w);
        PutCornerAt(route, 1, c1, c2, end, w);
        GetEndEntry(koutei, layout, route.points[11], c2.x, c2.y);
        route.segments = 3;
        return route.segments;
    }
    default:
        break;
    }
    GetStartExit(koutei, layout, route.points[0], x2, y2);
    GetEndEntry(koutei, layout, route.points[1], x1, y1);
    route.segments = 1;
    return route.segments;
}

int CalcArrowHead(const CPageLayout& layout, int x1, int y1, int x2, int y2,
                  std::array<CPoint, 3>& points) {
    const CConfigChart* chart = ChartSettings(layout);
    const double length = layout.Zoom(chart != nullptr ? chart->GetArrowLength() : 0);
    const double angle = (chart != nullptr ? chart->GetArrowAngle() : 0) * std::numbers::pi / 180.0;
    const double dx = x1 - x2;
    const double dy = y1 - y2;
    if (std::hypot(dx, dy) / 2.0 < length) {
        return 0;
    }
    const double theta = std::atan2(dy, dx);
    const auto tip = [&](double a) {
        return Clamped(x2 + std::trunc(std::cos(a) * length + 0.5),
                       y2 + std::trunc(std::sin(a) * length + 0.5));
    };
    points = {CPoint(x2, y2), tip(theta + angle), tip(theta - angle)};
    return 1;
}

// ---- Node marks ---------------------------------------------------------------------------------

int NodeMarkOutline(int shape, int x, int y, int r, std::array<CPoint, 5>& points) {
    switch (shape) {
    case 3:
    case 4:
        points = {CPoint(x, y + r), CPoint(x + r, y - r), CPoint(x - r, y - r), CPoint(x, y + r),
                  CPoint()};
        return 3;
    case 5:
    case 6:
        points = {CPoint(x, y - r), CPoint(x + r, y + r), CPoint(x - r, y + r), CPoint(x, y - r),
                  CPoint()};
        return 3;
    case 7:
    case 8:
        points = {CPoint(x - r, y + r), CPoint(x + r, y + r), CPoint(x + r, y - r),
                  CPoint(x - r, y - r), CPoint(x - r, y + r)};
        return 4;
    case 9:
    case 10:
    case 265:
    case 521:
        points = {CPoint(x, y + r), CPoint(x + r, y), CPoint(x, y - r), CPoint(x - r, y),
                  CPoint(x, y + r)};
        return 4;
    default:
        return 0;
    }
}

CPoint NodeMeetingPoint(int shape, BOOL forceCircle, const CPoint& c, int r, const CPoint& target) {
    if (forceCircle != FALSE && shape != kLandShapeHidden) {
        shape = 0;
    }
    if (c.x == target.x) {
        return Clamped(c.x, c.y <= target.y ? static_cast<double>(c.y) + r
                                            : static_cast<double>(c.y) - r);
    }
    if (shape >= 0 && shape <= 2) {
        std::array<double, 2> xs{};
        std::array<double, 2> ys{};
        const short n = GeomIntersectLineCircle(c.x, c.y, target.x, target.y, c.x, c.y, r, xs, ys);
        // From the centre outward the segment meets its circle at most once; when the target
        // lies inside the mark the line starts at the centre.
        return n > 0 ? Rounded(xs[0], ys[0]) : c;
    }
    std::array<CPoint, 5> outline{};
    const int sides = NodeMarkOutline(shape, c.x, c.y, r, outline);
    for (int i = 0; i < sides; ++i) {
        const CPoint& a = outline[static_cast<std::size_t>(i)];
        const CPoint& b = outline[static_cast<std::size_t>(i + 1)];
        double x = 0.0;
        double y = 0.0;
        if (GeomIntersectSegments(c.x, c.y, target.x, target.y, a.x, a.y, b.x, b.y, x, y) != 0) {
            return Rounded(x, y);
        }
    }
    return c;
}

int GetStartLandSize(const CKoutei& koutei, const CPageLayout& layout) {
    return ScalePercent(koutei.GetStartLand()->GetSize(), layout.GetScaledKouteiSize());
}

int GetEndLandSize(const CKoutei& koutei, const CPageLayout& layout) {
    return ScalePercent(koutei.GetEndLand()->GetSize(), layout.GetScaledKouteiSize());
}

void GetStartExit(const CKoutei& koutei, const CPageLayout& layout, CPoint& out, int x, int y,
                  BOOL forceCircle) {
    const CPoint c = StartPoint(koutei, layout);
    const CPoint target = x == 0 && y == 0 ? EndPoint(koutei, layout) : CPoint(x, y);
    out = NodeMeetingPoint(koutei.GetStartLand()->GetShape(), forceCircle, c,
                           GetStartLandSize(koutei, layout), target);
}

void GetEndEntry(const CKoutei& koutei, const CPageLayout& layout, CPoint& out, int x, int y,
                 BOOL forceCircle) {
    const CPoint c = EndPoint(koutei, layout);
    const CPoint target = x == 0 && y == 0 ? StartPoint(koutei, layout) : CPoint(x, y);
    out = NodeMeetingPoint(koutei.GetEndLand()->GetShape(), forceCircle, c,
                           GetEndLandSize(koutei, layout), target);
}

// ---- Labels and hit tests -----------------------------------------------------------------------

int GetLabelSegment(const CKoutei& koutei, const CPageLayout& layout, CRect& out) {
    if (koutei.IsRelationLine() != 0) {
        return 0;
    }
    KouteiRoute route;
    const int n = BuildRoute(koutei, layout, route);
    int leg = -1;
    switch (koutei.GetLineShape()) {
    case kLineShapePlain:
    case kLineShapeStraight:
    case kLineShapeCrank:
    case kLineShapeRelation:
        leg = n == 1 ? 0 : -1;
        break;
    case kLineShapeElbowVH:
        leg = n == 1 ? 0 : (n == 2 ? 1 : -1);
        break;
    case kLineShapeElbowHV:
        leg = n <= 2 ? 0 : -1;
        break;
    case kLineShapeGate:
        leg = n == 1 ? 0 : (n == 3 ? 1 : -1);
        break;
    default:
        break;
    }
    if (leg < 0) {
        return 0;
    }
    const CPoint p1 = route.LegStart(leg);
    const CPoint p2 = route.LegEnd(leg);
    // A straight line carries its labels only when it runs level.
    if (n == 1 && (p1.x == p2.x || p1.y != p2.y)) {
        return 0;
    }
    out = CRect(p1.x, p1.y, p2.x, p2.y);
    return 1;
}

int HitTestPart(const CKoutei& koutei, const CPageLayout& layout, CDC* dc, int left, int top,
                int right, int bottom, int part, int index) {
    CRect rect(left, top, right, bottom);
    NormalizeLogRect(rect);
    switch (part) {
    case kHitLine: {
        KouteiRoute route;
        const int n = BuildRoute(koutei, layout, route);
        for (int leg = 0; leg < n; ++leg) {
            if (SegmentMeetsRect(route.LegStart(leg), route.LegEnd(leg), rect)) {
                return 1;
            }
        }
        return 0;
    }
    case kHitStartLand:
    case kHitEndLand: {
        const CPoint c =
            part == kHitStartLand ? StartPoint(koutei, layout) : EndPoint(koutei, layout);
        const int r = part == kHitStartLand ? GetStartLandSize(koutei, layout)
                                            : GetEndLandSize(koutei, layout);
        return RectsMeet(CRect(c.x - r, c.y + r, c.x + r, c.y - r), rect) ? 1 : 0;
    }
    case kHitYogo: {
        const CRect labels = GetYogoRect(koutei, layout, dc, index);
        return !labels.IsRectNull() && RectsMeet(labels, rect) ? 1 : 0;
    }
    case kHitShigen: {
        // A resource label that the layout does not show cannot be hit.
        if (layout.GetShigenDispMode() == 0) {
            return 0;
        }
        const CRect label = GetShigenRect(koutei, layout, dc, -1);
        return !label.IsRectNull() && RectsMeet(label, rect) ? 1 : 0;
    }
    case kHitLabelSegment: {
        CRect segment;
        if (GetLabelSegment(koutei, layout, segment) == 0) {
            return 0;
        }
        return SegmentMeetsRect(segment.TopLeft(), segment.BottomRight(), rect) ? 1 : 0;
    }
    default:
        return 0;
    }
}

} // namespace tembra
