// The crossings of a process line on paper: where a segment that is not level meets the lines
// of other processes it is lifted over them, with a half circle of radius "ArcRay" or a gap of
// twice that length centred on the crossing.
#include "render/KouteiDraw.h"

#include "model/ConfigPrint.h"
#include "model/Koutei.h"
#include "model/Utility.h"
#include "render/Geometry.h"
#include "render/KouteiCrossIndex.h"
#include "render/KouteiCrossLines.h"
#include "render/KouteiRoute.h"
#include "render/PageLayout.h"
#include "render/StyledDraw.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace tembra {

namespace {

CPoint Truncated(double x, double y) {
    return CPoint(ClampCoord(static_cast<std::int64_t>(x)),
                  ClampCoord(static_cast<std::int64_t>(y)));
}

bool IsEnd(const CPoint& p, const CPoint& a, const CPoint& b) {
    return p == a || p == b;
}

// Visits the lines of the processes whose boxes meet the box, in drawing order, and tells the
// position of this process in that order: by the time a line is visited, selfOrder is -1 while
// this process has not been met (or is not listed). In a drawing pass the lines come from the
// layout's index; outside one the document's objects are walked.
template <class Visit>
void ForEachLineNear(const CKoutei& koutei, const CPageLayout& layout, const CRect& box,
                     int& selfOrder, Visit visit) {
    if (const CKouteiCrossIndex* index = layout.GetCrossIndex()) {
        selfOrder = index->OrderOf(koutei);
        index->ForEachLineNear(box, visit);
        return;
    }
    const IPageLayoutDocument* document = layout.GetDocument();
    if (document == nullptr) {
        return;
    }
    int order = 0;
    selfOrder = -1;
    ForEachKouteiOf(*document, [&](const CKoutei& other) {
        const int position = order++;
        if (&other == &koutei && selfOrder < 0) {
            selfOrder = position;
        }
        // Bars never lift a line over them, nor does a line shape that draws nothing.
        if (other.GetLineShape() > kLineShapeGate) {
            return;
        }
        CKouteiCrossIndex::Line line;
        line.koutei = &other;
        line.order = position;
        line.box = KouteiLineBox(other, layout);
        if (!CRectGrid::Meet(box, line.box)) {
            return;
        }
        BuildRoute(other, layout, line.route);
        visit(line);
    });
}

// The crossings of the segment p1-p2 with the lines of the other processes, ordered by their
// vertical distance from p1 (equal distances in the order found). Sloping and level segments
// are lifted over the processes drawn before this one only; vertical ones over every process.
std::vector<CPoint> GatherCrossings(const CKoutei& koutei, const CPageLayout& layout,
                                    const CPoint& p1, const CPoint& p2) {
    std::vector<CPoint> crossings;
    const bool vertical = p1.x == p2.x;
    // One unit of slack for the truncated points of the routes.
    const CRect box(std::min(p1.x, p2.x) - 1, std::max(p1.y, p2.y) + 1, std::max(p1.x, p2.x) + 1,
                    std::min(p1.y, p2.y) - 1);
    const int cornerRadius = layout.GetScaledCornerSize();
    int selfOrder = -1;
    ForEachLineNear(koutei, layout, box, selfOrder, [&](const CKouteiCrossIndex::Line& line) {
        if (line.koutei == &koutei) {
            return;
        }
        const bool earlier = selfOrder < 0 || line.order < selfOrder;
        const KouteiRoute& route = line.route;
        const int n = route.segments;
        for (int leg = 0; leg < n; ++leg) {
            const CPoint a = route.LegStart(leg);
            const CPoint b = route.LegEnd(leg);
            if (a.x == b.x || !(vertical || a.y == b.y || earlier)) {
                continue;
            }
            // Lines that meet at a shared end point are not lifted there.
            if (IsEnd(p1, a, b) || IsEnd(p2, a, b)) {
                continue;
            }
            double x = 0.0;
            double y = 0.0;
            if (GeomIntersectSegments(p1.x, p1.y, p2.x, p2.y, a.x, a.y, b.x, b.y, x, y) != 0) {
                crossings.push_back(Truncated(x, y));
            }
        }
        for (int corner = 0; corner + 1 < n; ++corner) {
            const CPoint d = route.Corner(corner, 1);
            const CPoint s = route.Corner(corner, 2);
            const CPoint e = route.Corner(corner, 3);
            if (IsEnd(p1, s, e) || IsEnd(p2, s, e)) {
                continue;
            }
            std::array<double, 2> xs{};
            std::array<double, 2> ys{};
            if (GeomIntersectLineCircle(p1.x, p1.y, p2.x, p2.y, d.x, d.y, cornerRadius, xs, ys) !=
                2) {
                continue;
            }
            for (std::size_t i = 0; i < 2; ++i) {
                if (GeomIsAngleOnArc(s.x - d.x, s.y - d.y, e.x - d.x, e.y - d.y, xs[i] - d.x,
                                     ys[i] - d.y) != 0) {
                    crossings.push_back(Truncated(xs[i], ys[i]));
                }
            }
        }
    });
    std::stable_sort(crossings.begin(), crossings.end(), [&](const CPoint& a, const CPoint& b) {
        return std::abs(a.y - p1.y) < std::abs(b.y - p1.y);
    });
    return crossings;
}

struct CrossArc {
    CPoint a; // where the line leaves the segment
    CPoint b; // where it comes back
    CPoint centre;
    int radius = 0;
};

// The point at distance t from c in the unit direction (ux, uy), truncated.
CPoint Along(const CPoint& c, double ux, double uy, double t) {
    return Truncated(c.x + ux * t, c.y + uy * t);
}

// The arcs over the crossings, walking from p1 to p2: each centred on its crossing with radius
// r, starting at the current point when the crossing lies nearer than r, pulled back to end at
// p2 when it would reach beyond it; crossings under an earlier arc are passed over.
std::vector<CrossArc> PlanArcs(const std::vector<CPoint>& crossings, const CPoint& p1,
                               const CPoint& p2, int r) {
    std::vector<CrossArc> arcs;
    if (r <= 0) {
        return arcs;
    }
    const bool rising = p2.y > p1.y;
    const auto beyondEnd = [&](const CPoint& p) { return rising ? p.y > p2.y : p.y < p2.y; };
    CPoint c = p1;
    CPoint previousStart = p1;
    for (const CPoint& p : crossings) {
        // Once an arc has reached the end there is no segment left to lift.
        if (c == p2) {
            break;
        }
        const int lo = std::min(previousStart.y, c.y);
        const int hi = std::max(previousStart.y, c.y);
        if (p.y > lo && p.y < hi) {
            continue;
        }
        const double length = std::hypot(p2.x - c.x, p2.y - c.y);
        const double ux = (p2.x - c.x) / length;
        const double uy = (p2.y - c.y) / length;
        CrossArc arc;
        arc.radius = r;
        const double distance = std::hypot(p.x - c.x, p.y - c.y);
        if (distance >= r) {
            // The circle about p meets the line from c toward p2 at a (first) and b.
            const double along = (p.x - c.x) * ux + (p.y - c.y) * uy;
            const double across2 = distance * distance - along * along;
            const double discriminant = static_cast<double>(r) * r - across2;
            if (!(discriminant > 0.0)) {
                continue;
            }
            const double h = std::sqrt(discriminant);
            arc.centre = p;
            arc.a = Along(c, ux, uy, along - h);
            arc.b = Along(c, ux, uy, along + h);
        } else {
            arc.a = c;
            arc.centre = Along(c, ux, uy, r);
            arc.b = Along(c, ux, uy, 2.0 * r);
        }
        if (beyondEnd(arc.b)) {
            const double toEnd = std::hypot(p2.x - c.x, p2.y - c.y);
            if (toEnd <= 2.0 * r) {
                arc.a = c;
                arc.b = p2;
                arc.centre = CPoint((c.x + p2.x) / 2, (c.y + p2.y) / 2);
                arc.radius = static_cast<int>(toEnd / 2.0);
            } else {
                const double back = std::hypot(p1.x - p2.x, p1.y - p2.y);
                const double vx = (p1.x - p2.x) / back;
                const double vy = (p1.y - p2.y) / back;
                arc.b = p2;
                arc.centre = Along(p2, vx, vy, r);
                arc.a = Along(p2, vx, vy, 2.0 * r);
            }
        }
        arcs.push_back(arc);
        c = arc.b;
        previousStart = arc.a;
    }
    return arcs;
}

} // namespace

void DrawCrossingSegment(const CKoutei& koutei, CDC* dc, const CPageLayout& layout,
                         const CPoint& p1, const CPoint& p2, const HolidayLineStyle& style) {
    const CConfigPrint& print = layout.GetPrintConfig();
    const std::vector<CrossArc> arcs =
        p1 == p2 ? std::vector<CrossArc>()
                 : PlanArcs(GatherCrossings(koutei, layout, p1, p2), p1, p2, print.GetArcRay());
    const auto stretch = [&](const CPoint& from, const CPoint& to) {
        DrawHolidaySegment(dc, layout, from, layout.XToDate(from.x), to, layout.XToDate(to.x),
                           style);
    };
    CPoint c = p1;
    for (const CrossArc& arc : arcs) {
        if (c != arc.a) {
            stretch(c, arc.a);
        }
        if (print.GetCrossType() == 1) {
            const bool alt = IsAltStyleAt(layout, style, layout.XToDate(arc.centre.x));
            const int type = alt ? style.altType : style.pen.type;
            DrawStyledArc(dc, arc.centre.x, arc.centre.y, arc.radius, arc.b.x, arc.b.y, arc.a.x,
                          arc.a.y, type, style.pen.width, style.pen.color, style.pen.rop2,
                          TRANSPARENT);
        }
        c = arc.b;
    }
    if (c != p2) {
        stretch(c, p2);
    }
}

} // namespace tembra
