#include "shapes/ZukeiGeometry.h"

#include "platform/GdiObjects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace tembra {

namespace {

LONG ClampLong(std::int64_t v) {
    return static_cast<LONG>(std::clamp<std::int64_t>(v, std::numeric_limits<LONG>::min(),
                                                      std::numeric_limits<LONG>::max()));
}

// origin + scale x (v - origin) / unit, truncated toward zero (exact for every coordinate a
// chart has; far values are held to the range).
LONG ScaleAbout(LONG origin, std::int64_t scale, LONG v, std::int64_t unit) {
    const double moved = std::trunc(static_cast<double>(scale) * (static_cast<double>(v) - origin) /
                                    static_cast<double>(unit));
    return static_cast<LONG>(std::clamp(origin + moved, double(std::numeric_limits<LONG>::min()),
                                        double(std::numeric_limits<LONG>::max())));
}

// +1 when the edge b lies at or beyond a, else -1: the orientation of a rectangle's axis.
int Orientation(LONG a, LONG b) {
    return b >= a ? 1 : -1;
}

} // namespace

bool HandleMovesLeft(int handle) {
    return handle == kHandleTopLeft || handle == kHandleBottomLeft || handle == kHandleLeft;
}

bool HandleMovesRight(int handle) {
    return handle == kHandleTopRight || handle == kHandleRight || handle == kHandleBottomRight;
}

bool HandleMovesTop(int handle) {
    return handle == kHandleTopLeft || handle == kHandleTop || handle == kHandleTopRight;
}

bool HandleMovesBottom(int handle) {
    return handle == kHandleBottomRight || handle == kHandleBottom || handle == kHandleBottomLeft;
}

CPoint HandlePoint(const CRect& rect, int handle) {
    const LONG halfWidth = rect.Width() / 2;
    const LONG halfHeight = rect.Height() / 2; // not positive: y grows upwards
    switch (handle) {
    case kHandleTopLeft:
        return {rect.left, rect.top};
    case kHandleTop:
        return {rect.left + halfWidth, rect.top};
    case kHandleTopRight:
        return {rect.right, rect.top};
    case kHandleRight:
        return {rect.right, rect.top + halfHeight};
    case kHandleBottomRight:
        return {rect.right, rect.bottom};
    case kHandleBottom:
        return {rect.left + halfWidth, rect.bottom};
    case kHandleBottomLeft:
        return {rect.left, rect.bottom};
    case kHandleLeft:
        return {rect.left, rect.top + halfHeight};
    default:
        return rect.CenterPoint();
    }
}

void ScaleRectByHandle(const CPoint& delta, int handle, const CRect& ref, CRect& r, int minSize) {
    const CRect r0 = r;
    const std::int64_t w = ref.Width() != 0 ? ref.Width() : 1;
    const std::int64_t h = ref.Height() != 0 ? ref.Height() : 1;
    const std::int64_t dx = delta.x;
    const std::int64_t dy = delta.y;

    if (HandleMovesLeft(handle)) {
        r.left = ScaleAbout(ref.right, w - dx, r.left, w);
        r.right = ScaleAbout(ref.right, w - dx, r.right, w);
        if (std::abs(static_cast<std::int64_t>(r.right) - r.left) < minSize) {
            if (r0.Width() >= 0) {
                r.left = r.right - minSize;
            } else {
                r.right = r.left - minSize;
            }
        }
    }
    if (HandleMovesRight(handle)) {
        r.left = ScaleAbout(ref.left, w + dx, r.left, w);
        r.right = ScaleAbout(ref.left, w + dx, r.right, w);
        if (std::abs(static_cast<std::int64_t>(r.right) - r.left) < minSize) {
            if (r0.Width() >= 0) {
                r.right = r.left + minSize;
            } else {
                r.left = r.right + minSize;
            }
        }
    }
    if (HandleMovesTop(handle)) {
        r.top = ScaleAbout(ref.bottom, h - dy, r.top, h);
        r.bottom = ScaleAbout(ref.bottom, h - dy, r.bottom, h);
        if (std::abs(static_cast<std::int64_t>(r.bottom) - r.top) < minSize) {
            if (r0.Height() >= 0) {
                r.bottom = r.top + minSize;
            } else {
                r.top = r.bottom + minSize;
            }
        }
    }
    if (HandleMovesBottom(handle)) {
        r.top = ScaleAbout(ref.top, h + dy, r.top, h);
        r.bottom = ScaleAbout(ref.top, h + dy, r.bottom, h);
        if (std::abs(static_cast<std::int64_t>(r.bottom) - r.top) < minSize) {
            if (r0.Height() >= 0) {
                r.top = r.bottom - minSize;
            } else {
                r.bottom = r.top - minSize;
            }
        }
    }
    if (handle == kHandleCenter) {
        const CPoint c = ref.CenterPoint();
        const std::int64_t halfW = w / 2 != 0 ? w / 2 : 1;
        const std::int64_t halfH = h / 2 != 0 ? h / 2 : 1;
        r.left = ScaleAbout(c.x, dx, r.left, halfW);
        r.right = ScaleAbout(c.x, dx, r.right, halfW);
        r.top = ScaleAbout(c.y, dy, r.top, halfH);
        r.bottom = ScaleAbout(c.y, dy, r.bottom, halfH);
        const int half = minSize / 2;
        if (std::abs(static_cast<std::int64_t>(r.right) - r.left) < minSize) {
            const LONG mid = ClampLong((static_cast<std::int64_t>(r.left) + r.right) / 2);
            const int o = Orientation(r0.left, r0.right);
            r.left = mid - o * half;
            r.right = mid + o * half;
        }
        if (std::abs(static_cast<std::int64_t>(r.bottom) - r.top) < minSize) {
            const LONG mid = ClampLong((static_cast<std::int64_t>(r.top) + r.bottom) / 2);
            const int o = Orientation(r0.bottom, r0.top);
            r.top = mid + o * half;
            r.bottom = mid - o * half;
        }
    }
}

void SquareRect(int handle, CRect& r) {
    const LONG w = std::abs(r.Width());
    const LONG h = std::abs(r.Height());
    const int ox = Orientation(r.left, r.right); // +1: right >= left
    const int oy = Orientation(r.bottom, r.top); // +1: top >= bottom
    const CPoint c = r.CenterPoint();
    const LONG s = std::min(w, h) / 2;
    switch (handle) {
    case kHandleTopLeft:
    case kHandleTopRight:
        if (w < h) {
            r.top = r.bottom + oy * w;
        } else if (handle == kHandleTopLeft) {
            r.left = r.right - ox * h;
        } else {
            r.right = r.left + ox * h;
        }
        break;
    case kHandleBottomRight:
    case kHandleBottomLeft:
        if (w < h) {
            r.bottom = r.top - oy * w;
        } else if (handle == kHandleBottomLeft) {
            r.left = r.right - ox * h;
        } else {
            r.right = r.left + ox * h;
        }
        break;
    case kHandleTop:
    case kHandleBottom:
        r.left = c.x - s;
        r.right = c.x + s;
        r.top = c.y + oy * s;
        r.bottom = c.y - oy * s;
        break;
    case kHandleRight:
    case kHandleLeft:
        r.left = c.x - ox * s;
        r.right = c.x + ox * s;
        r.top = c.y + s;
        r.bottom = c.y - s;
        break;
    case kHandleCenter:
        if (w > h) {
            const LONG cut = (w - h) / 2;
            r.left += ox * cut;
            r.right -= ox * cut;
        } else if (h > w) {
            const LONG cut = (h - w) / 2;
            r.top -= oy * cut;
            r.bottom += oy * cut;
        }
        break;
    default:
        break;
    }
}

int HitTolerance(int penWidth) {
    return penWidth > 1 ? penWidth / 2 + penWidth % 2 : penWidth;
}

bool SegmentHitTest(const CPoint& a, const CPoint& b, int w, const CRect& probe, int mode) {
    std::array<CPoint, 4> band;
    if (a.x == b.x) {
        const LONG y0 = std::min(a.y, b.y) - w;
        const LONG y1 = std::max(a.y, b.y) + w;
        band = {CPoint(a.x - w, y0), CPoint(a.x + w, y0), CPoint(a.x + w, y1), CPoint(a.x - w, y1)};
    } else if (a.y == b.y) {
        const LONG x0 = std::min(a.x, b.x) - w;
        const LONG x1 = std::max(a.x, b.x) + w;
        band = {CPoint(x0, a.y - w), CPoint(x1, a.y - w), CPoint(x1, a.y + w), CPoint(x0, a.y + w)};
    } else {
        // The end points moved by w along the segment and w across it: corners at w * sqrt(2)
        // in the directions 45 degrees either side of the segment's, reversed at its start.
        const double dx = static_cast<double>(b.x) - a.x;
        const double dy = static_cast<double>(b.y) - a.y;
        const double length = std::hypot(dx, dy);
        const double ux = w * dx / length;
        const double uy = w * dy / length;
        const auto at = [](const CPoint& p, double x, double y) {
            return CPoint(static_cast<LONG>(std::lround(p.x + x)),
                          static_cast<LONG>(std::lround(p.y + y)));
        };
        band = {at(a, -ux - uy, -uy + ux), at(a, -ux + uy, -uy - ux), at(b, ux + uy, uy - ux),
                at(b, ux - uy, uy + ux)};
    }

    CRect t = probe;
    t.NormalizeRect();
    LONG minX = band[0].x, maxX = band[0].x, minY = band[0].y, maxY = band[0].y;
    for (const CPoint& p : band) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    // Every unit the band's region holds lies inside its corners' box: the box answers first
    // where it can, so that the region is made only for a probe at the band's edge.
    if (mode == 1) {
        if (t.left <= minX && maxX <= t.right && t.top <= minY && maxY <= t.bottom) {
            return true;
        }
    } else if (t.IsRectEmpty() || t.right <= minX || t.left >= maxX || t.bottom <= minY ||
               t.top >= maxY) {
        return false;
    }

    if (mode != 1) {
        // Only the scan lines the probe covers can meet it.
        return Region::FromPolygon(band.data(), static_cast<int>(band.size()), ALTERNATE,
                                   {t.top, t.bottom})
            .Intersects(t);
    }
    CRgn region;
    region.CreatePolygonRgn(band.data(), static_cast<int>(band.size()), ALTERNATE);
    CRgn probeRegion;
    probeRegion.CreateRectRgnIndirect(&t);
    CRgn joined;
    joined.CombineRgn(&region, &probeRegion, RGN_OR);
    return joined.EqualRgn(&probeRegion) != FALSE;
}

} // namespace tembra
