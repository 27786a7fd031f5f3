#include "shapes/ZukeiHitArea.h"

#include "shapes/Zukei.h"

#include <algorithm>
#include <cstdint>

namespace tembra {

namespace {

bool Contains(const CRect& outer, const CRect& inner) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}

CRect Overlap(const CRect& a, const CRect& b) {
    return CRect(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom));
}

Region MakeArea(const ZukeiHitArea& area, Region::Lines lines) {
    Region region = area.outer.Make(lines);
    if (area.within) {
        region = Region::Combine(region, area.within->Make(lines), RGN_AND);
    }
    if (area.hole && !region.IsEmpty()) {
        region = Region::Combine(region, area.hole->Make(lines), RGN_DIFF);
    }
    return region;
}

} // namespace

ZukeiOutline ZukeiOutline::Rect(const CRect& rect) {
    return ZukeiOutline(Kind::Rect, rect);
}

ZukeiOutline ZukeiOutline::RoundRect(const CRect& rect, int corner) {
    ZukeiOutline outline(Kind::RoundRect, rect);
    outline.m_corner = corner;
    return outline;
}

ZukeiOutline ZukeiOutline::Ellipse(const CRect& bounds) {
    return ZukeiOutline(Kind::Ellipse, bounds);
}

ZukeiOutline ZukeiOutline::Polygon(const CPoint* points, int count) {
    ZukeiOutline outline(Kind::Polygon, CRect());
    if (points == nullptr || count < 3) {
        return outline;
    }
    outline.m_count = std::min(count, kMaxPoints);
    CRect box(points[0].x, points[0].y, points[0].x, points[0].y);
    for (int i = 0; i < outline.m_count; ++i) {
        outline.m_points[static_cast<std::size_t>(i)] = points[i];
        box.left = std::min(box.left, points[i].x);
        box.right = std::max(box.right, points[i].x);
        box.top = std::min(box.top, points[i].y);
        box.bottom = std::max(box.bottom, points[i].y);
    }
    outline.m_box = box;
    return outline;
}

Region ZukeiOutline::Make(Region::Lines lines) const {
    switch (m_kind) {
    case Kind::Rect: {
        const CRect rows(m_box.left, std::max(m_box.top, lines.top), m_box.right,
                         std::min(m_box.bottom, lines.bottom));
        return rows.top < rows.bottom ? Region::FromRect(rows) : Region();
    }
    case Kind::RoundRect:
        return Region::FromRoundRect(m_rect, m_corner, m_corner, lines);
    case Kind::Ellipse:
        return Region::FromEllipse(m_rect, lines);
    case Kind::Polygon:
        return Region::FromPolygon(m_points.data(), m_count, ALTERNATE, lines);
    }
    return Region();
}

BOOL HitTestArea(const ZukeiHitArea& area, const CRect& probe, int mode) {
    CRect t = probe;
    t.NormalizeRect();
    CRect box = area.outer.Box();
    if (area.within) {
        box = Overlap(box, area.within->Box());
    }
    if (mode == kHitTouch || mode == kHitDrag) {
        const CRect common = Overlap(box, t);
        if (t.IsRectEmpty() || common.left >= common.right || common.top >= common.bottom) {
            return FALSE;
        }
        return MakeArea(area, {common.top, common.bottom}).Intersects(t) ? TRUE : FALSE;
    }
    if (mode != kHitInside) {
        return FALSE;
    }
    // Nothing of the area lies outside its box: a probe around the box holds all of it.
    if (Contains(t, box)) {
        return TRUE;
    }
    // The scan lines above and below the probe first: anything there answers at once.
    if (box.top < t.top && !MakeArea(area, {box.top, std::min(t.top, box.bottom)}).IsEmpty()) {
        return FALSE;
    }
    if (t.bottom < box.bottom &&
        !MakeArea(area, {std::max(t.bottom, box.top), box.bottom}).IsEmpty()) {
        return FALSE;
    }
    const Region rows = MakeArea(area, {std::max(box.top, t.top), std::min(box.bottom, t.bottom)});
    return rows.IsEmpty() || Contains(t, rows.Box()) ? TRUE : FALSE;
}

CRect GrowOutward(const CRect& rect, int d) {
    CRect r = rect;
    const auto grow = [d](LONG& first, LONG& second) {
        const std::int64_t extent = static_cast<std::int64_t>(second) - first;
        // Narrowed past its middle a rectangle has nothing left, not an inside-out one.
        if (d < 0 && (extent < 0 ? -extent : extent) <= -2 * static_cast<std::int64_t>(d)) {
            first = second = static_cast<LONG>((static_cast<std::int64_t>(first) + second) / 2);
        } else if (extent < 0) {
            first += d;
            second -= d;
        } else {
            first -= d;
            second += d;
        }
    };
    grow(r.left, r.right);
    grow(r.top, r.bottom);
    return r;
}

} // namespace tembra
