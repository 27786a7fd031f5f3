// The regions the closed shapes are hit-tested with: an outline (rectangle, rounded rectangle,
// ellipse or polygon of alternate fill), an area made of an outer outline, optionally cut to a
// second one and less a hole (the band along a hollow shape's outline, an arc's band), and the two
// questions asked of it: does a probe touch it, does it lie wholly inside a probe.
//
// Everything is in the view's own signed coordinates, y upwards: a shape or a probe that lies
// across y = 0 is tested where it lies. A region is made only over the scan lines a touching
// probe covers, so that a click costs the same on a small shape and on a large one.
#pragma once

#include "platform/GdiObjects.h"
#include "platform/Types.h"

#include <array>
#include <optional>

namespace tembra {

class ZukeiOutline {
public:
    static constexpr int kMaxPoints = 8;

    static ZukeiOutline Rect(const CRect& rect);
    // The rectangle with corners rounded by an ellipse of the diameter given (both directions).
    static ZukeiOutline RoundRect(const CRect& rect, int corner);
    static ZukeiOutline Ellipse(const CRect& bounds);
    // At most kMaxPoints points; fewer than three make an empty outline.
    static ZukeiOutline Polygon(const CPoint* points, int count);

    // Every unit the outline's region holds lies inside this rectangle (normalised the way
    // regions are: left <= right, top <= bottom).
    const CRect& Box() const { return m_box; }
    // The outline's region over the scan lines given.
    Region Make(Region::Lines lines) const;

private:
    enum class Kind { Rect, RoundRect, Ellipse, Polygon };
    ZukeiOutline(Kind kind, const CRect& rect) : m_kind(kind), m_rect(rect), m_box(rect) {
        m_box.NormalizeRect();
    }

    Kind m_kind;
    CRect m_rect;
    CRect m_box;
    int m_corner = 0;
    std::array<CPoint, kMaxPoints> m_points{};
    int m_count = 0;
};

// outer, cut to within when given, less hole when given.
struct ZukeiHitArea {
    ZukeiOutline outer;
    std::optional<ZukeiOutline> within;
    std::optional<ZukeiOutline> hole;
};

// Modes 0 and 2: the probe touches the area; mode 1: the area lies wholly inside the probe (the
// union of the probe and the area is the probe); any other mode: FALSE.
BOOL HitTestArea(const ZukeiHitArea& area, const CRect& probe, int mode);

// A shape rectangle (any orientation) grown by d on every side, away from its inside whichever way
// it runs; a negative d narrows it, down to nothing (both edges on the middle) where it is not
// wider than twice as much.
CRect GrowOutward(const CRect& rect, int d);

} // namespace tembra
