#include "render/KouteiLabels.h"

#include "model/Calendar.h"
#include "model/ConfigChart.h"
#include "model/DcUtility.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "model/Yogo.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"
#include "render/Geometry.h"
#include "render/KouteiRoute.h"
#include "render/PageLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <new>
#include <optional>
#include <string_view>

#include "render/KouteiLabelSupport.h"

namespace tembra {

using namespace labels;

namespace {

// percent % of the span, truncated and clamped.
int PercentOf(LONG percent, double span) {
    return Clamped(static_cast<std::int64_t>(std::trunc(percent * span / 100.0)));
}

// (value - origin) x 100 / unit, truncated; 0 without a unit.
LONG PercentFrom(int value, int origin, double unit) {
    if (!(unit > 0.0)) {
        return 0;
    }
    const double percent = std::trunc((static_cast<double>(value) - origin) * 100.0 / unit);
    return static_cast<LONG>(std::clamp<double>(percent, std::numeric_limits<LONG>::min(),
                                                std::numeric_limits<LONG>::max()));
}

} // namespace

// ---- Reference segment, anchors and leaders -----------------------------------------------------

void GetYogoSegment(const CKoutei& koutei, const CPageLayout& layout, int dateKind, int& x1,
                    int& x2, int& y) {
    int sx = 0;
    int sy = 0;
    int ex = 0;
    int ey = 0;
    int yb = 0;
    const int direction = GetLineCoords(koutei, layout, sx, sy, ex, ey, yb);
    if (dateKind == kYogoOnStart) {
        x1 = x2 = sx;
        y = sy;
        return;
    }
    if (dateKind == kYogoOnEnd) {
        x1 = x2 = ex;
        y = ey;
        return;
    }
    int shape = koutei.GetLineShape();
    if (direction == kLinePlumbFalling || direction == kLinePlumbRising) {
        shape = kLineShapePlain;
    } else if (direction == kLineLevel) {
        shape = kLineShapeStraight;
    }
    x1 = sx;
    x2 = ex;
    switch (shape) {
    case kLineShapeElbowVH:
        y = ey;
        break;
    case kLineShapeElbowHV:
        y = sy;
        break;
    case kLineShapeCrank:
    case kLineShapeGate:
        y = yb;
        break;
    default:
        y = sy + (ey - sy) / 2;
        break;
    }
}

void GetYogoMidpoint(const CKoutei& koutei, const CPageLayout& layout, int dateKind, int& x,
                     int& y) {
    int x1 = 0;
    int x2 = 0;
    GetYogoSegment(koutei, layout, dateKind, x1, x2, y);
    x = x1 + (x2 - x1) / 2;
}

void GetYogoAnchor(const CKoutei& koutei, const CPageLayout& layout, int index, int& x, int& y) {
    const CYogo* term = koutei.GetYogo(index);
    if (term == nullptr) {
        return;
    }
    x = Clamped(static_cast<std::int64_t>(x) +
                PercentOf(term->GetAttr().GetOffset(), layout.GetDayWidth()));
    y = Clamped(static_cast<std::int64_t>(y) +
                PercentOf(term->GetAttr().GetOffsetY(), layout.GetRowHeight()));
}

void GetYogoLeaderEnd(const CKoutei& koutei, const CPageLayout& layout, int index, int& x, int& y) {
    const CYogo* term = koutei.GetYogo(index);
    if (term == nullptr) {
        return;
    }
    x = Clamped(static_cast<std::int64_t>(x) +
                PercentOf(term->GetAttr().GetDrawerX(), layout.GetDayWidth()));
    y = Clamped(static_cast<std::int64_t>(y) +
                PercentOf(term->GetAttr().GetDrawerY(), layout.GetRowHeight()));
}

void GetYogoLeaderStart(const CKoutei& koutei, const CPageLayout& layout, int index, int& x, int& y,
                        int towardX, int towardY) {
    const CYogo* term = koutei.GetYogo(index);
    if (term == nullptr) {
        return;
    }
    GetYogoLeaderEnd(koutei, layout, index, x, y);
    const CPoint at(x, y);
    const CPoint toward(towardX, towardY);
    CPoint start;
    switch (term->GetDateKind()) {
    case kYogoOnStart:
        start = NodeMeetingPoint(koutei.GetStartLand()->GetShape(), FALSE, at,
                                 GetStartLandSize(koutei, layout), toward);
        break;
    case kYogoOnEnd:
        start = NodeMeetingPoint(koutei.GetEndLand()->GetShape(), FALSE, at,
                                 GetEndLandSize(koutei, layout), toward);
        break;
    default:
        start = NearestRoutePoint(koutei, layout, at);
        break;
    }
    x = start.x;
    y = start.y;
}

CPoint NearestRoutePoint(const CKoutei& koutei, const CPageLayout& layout, const CPoint& target) {
    KouteiRoute route;
    const int n = BuildRoute(koutei, layout, route);
    const auto distance = [&target](const CPoint& p) {
        const std::int64_t dx = static_cast<std::int64_t>(p.x) - target.x;
        const std::int64_t dy = static_cast<std::int64_t>(p.y) - target.y;
        return dx * dx + dy * dy;
    };
    std::optional<CPoint> best;
    const auto consider = [&](const CPoint& p) {
        if (!best || distance(p) < distance(*best)) {
            best = p;
        }
    };
    const int radius = layout.GetScaledCornerSize();
    for (int leg = 0; leg < n; ++leg) {
        const CPoint a = route.LegStart(leg);
        const CPoint b = route.LegEnd(leg);
        int fx = 0;
        int fy = 0;
        if (GeomPerpendicularFootInt(target.x, target.y, a.x, a.y, b.x, b.y, fx, fy) == 1) {
            consider(CPoint(fx, fy));
        }
        if (leg + 1 < n) {
            // The rounded corner after this leg: D, A and B of the arc from A to B about D.
            const CPoint d = route.Corner(leg, 1);
            const CPoint s = route.Corner(leg, 2);
            const CPoint e = route.Corner(leg, 3);
            int cx = 0;
            int cy = 0;
            if (GeomNearestPointOnArcInt(target.x, target.y, d.x, d.y, radius, s.x, s.y, e.x, e.y,
                                         cx, cy) == 1) {
                consider(CPoint(cx, cy));
            }
        }
    }
    if (best) {
        return *best;
    }
    const CPoint first = route.points[0];
    const CPoint last = route.points[static_cast<std::size_t>(std::max(route.PointCount() - 1, 0))];
    return distance(last) < distance(first) ? last : first;
}

// ---- Dragged positions --------------------------------------------------------------------------

void SetYogoPosition(const CKoutei& koutei, const CPageLayout& layout, CYogo& term, int x, int y) {
    CElemAttr& attr = term.GetAttr();
    if (IsOnLine(attr.m_form)) {
        return;
    }
    int mx = 0;
    int my = 0;
    GetYogoMidpoint(koutei, layout, term.GetDateKind(), mx, my);
    attr.SetOffset(PercentFrom(x, mx, layout.GetDayWidth()));
    attr.SetOffsetY(PercentFrom(y, my, layout.GetRowHeight()));
}

void SetYogoSubPosition(const CKoutei& koutei, const CPageLayout& layout, CYogo& term, int x,
                        int y) {
    CElemAttr& attr = term.GetAttr();
    const bool leader = attr.m_form == kYogoPlaceLeaderLeft || attr.m_form == kYogoPlaceLeaderRight;
    const WORD dateKind = term.GetDateKind();
    if (!leader || dateKind == kYogoOnStart || dateKind == kYogoOnEnd) {
        attr.SetDrawerX(0);
        attr.SetDrawerY(0);
        return;
    }
    int mx = 0;
    int my = 0;
    GetYogoMidpoint(koutei, layout, dateKind, mx, my);
    attr.SetDrawerX(PercentFrom(x, mx, layout.GetDayWidth()));
    attr.SetDrawerY(PercentFrom(y, my, layout.GetRowHeight()));
}

} // namespace tembra
