#include "render/Geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace tembra {

namespace {

constexpr double kTolerance = 0.01;

// Truncation toward zero that stays defined for any double: the results of the int variants
// are clamped to int's range, and NaN (only from damaged input) gives 0.
int TruncToInt(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(v, lo, hi));
}

// The lenient test whether (x, y) lies on p-q: the root of the sum of the squared distances to
// both ends is at most the segment's length plus one unit. It accepts the whole segment and a
// little beyond its ends, so crossings at a shared end point are not lost to rounding.
bool OnSegment(double xp, double yp, double xq, double yq, double x, double y) {
    const double spread = std::sqrt((xp - x) * (xp - x) + (yp - y) * (yp - y) +
                                    (xq - x) * (xq - x) + (yq - y) * (yq - y));
    const double length = std::sqrt((xp - xq) * (xp - xq) + (yp - yq) * (yp - yq));
    return spread <= length + 1.0;
}

bool Between(double v, double a, double b) {
    return std::min(a, b) <= v && v <= std::max(a, b);
}

} // namespace

void GeomRotatePoint(double cx, double cy, double angle, double& x, double& y) {
    const double dx = x - cx;
    const double dy = y - cy;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    x = dx * c + cx - dy * s;
    y = dy * c + dx * s + cy;
}

double GeomAngleFrom(double x1, double y1, double x2, double y2, double x3, double y3) {
    if (std::fabs(y2 - y1) < kTolerance && std::fabs(x2 - x1) < kTolerance) {
        return 0.0;
    }
    const double a = std::atan2(y2 - y1, x2 - x1);
    GeomRotatePoint(x1, y1, -a, x3, y3);
    if (std::fabs(x3 - x1) < kTolerance && std::fabs(y3 - y1) < kTolerance) {
        return 0.0;
    }
    double b = std::atan2(y3 - y1, x3 - x1);
    if (b < 0.0) {
        b += kGeomTwoPi;
    }
    return b;
}

double GeomDistance(double x1, double y1, double x2, double y2) {
    const double dx = x1 - x2;
    const double dy = y1 - y2;
    if (std::fabs(dx) < kTolerance) {
        return std::fabs(dy);
    }
    if (std::fabs(dy) < kTolerance) {
        return std::fabs(dx);
    }
    return std::sqrt(dx * dx + dy * dy);
}

double GeomAngle(double y, double x) {
    if (y == 0.0 && x == 0.0) {
        return 0.0;
    }
    double a = std::atan2(y, x);
    if (a < 0.0) {
        a += kGeomTwoPi;
    }
    return a;
}

short GeomIntersectLineCircle(double xa, double ya, double xb, double yb, double cx, double cy,
                              double r, std::span<double, 2> outX, std::span<double, 2> outY) {
    if (std::fabs(xa - xb) < kTolerance) {
        xb = xa;
    }
    if (std::fabs(ya - yb) < kTolerance) {
        yb = ya;
    }
    if ((xa == xb && ya == yb) || !(r > 0.0)) {
        return 0;
    }
    // Relative to the centre, snapped again, ordered by x and then by y.
    double ax = xa - cx;
    double ay = ya - cy;
    double bx = xb - cx;
    double by = yb - cy;
    if (std::fabs(ax - bx) < kTolerance) {
        bx = ax;
    }
    if (std::fabs(ay - by) < kTolerance) {
        by = ay;
    }
    if (ax > bx || (ax == bx && ay > by)) {
        std::swap(ax, bx);
        std::swap(ay, by);
    }

    double px[2] = {};
    double py[2] = {};
    short count = 0;
    auto take = [&](double x, double y) {
        px[count] = x;
        py[count] = y;
        ++count;
    };

    if (ax == bx && ay == by) {
        return 0;
    }
    if (ax == bx) { // vertical
        const double d = std::fabs(ax);
        if (d > r) {
            return 0;
        }
        if (d == r) {
            if (ay > 0.0 || by < 0.0) {
                return 0;
            }
            take(ax, 0.0);
        } else {
            const double h = std::sqrt(std::fabs(r * r - ax * ax));
            for (const double y : {h, -h}) {
                if (ay <= y && y <= by) {
                    take(ax, y);
                }
            }
        }
    } else if (ay == by) { // horizontal
        const double d = std::fabs(ay);
        if (d > r) {
            return 0;
        }
        if (d == r) {
            if (ax > 0.0 || bx < 0.0) {
                return 0;
            }
            take(0.0, ay);
        } else {
            const double w = std::sqrt(std::fabs(r * r - ay * ay));
            for (const double x : {w, -w}) {
                if (ax <= x && x <= bx) {
                    take(x, ay);
                }
            }
        }
    } else {
        // bx - ax >= 0.01 and by != ay here, so neither the slope nor its inverse divides by
        // zero, and -1/m - m = -(1 + m^2)/m is never zero.
        const double m = (by - ay) / (bx - ax);
        const double k = ay - m * ax;
        const double xf = k / (-1.0 / m - m);
        const double yf = (-1.0 / m) * xf;
        const double d = std::sqrt(std::fabs(xf * xf + yf * yf));
        if (d > r) {
            return 0;
        }
        if (d == r) {
            if (ax <= xf && xf <= bx) {
                take(xf, yf);
            }
        } else {
            const double qa = m * m + 1.0;
            const double qb = 2.0 * m * k;
            const double qc = k * k - r * r;
            const double root = std::sqrt(std::fabs(qb * qb - 4.0 * qa * qc));
            const double x1 = (-qb + root) / (2.0 * qa);
            const double x2 = (-qb - root) / (2.0 * qa);
            for (const double x : {std::min(x1, x2), std::max(x1, x2)}) {
                if (ax <= x && x <= bx) {
                    take(x, m * x + k);
                }
            }
        }
    }

    for (short i = 0; i < count; ++i) {
        outX[static_cast<std::size_t>(i)] = px[i] + cx;
        outY[static_cast<std::size_t>(i)] = py[i] + cy;
    }
    return count;
}

int GeomIntersectSegments(double xa, double ya, double xb, double yb, double xc, double yc,
                          double xd, double yd, double& outX, double& outY) {
    outX = 0.0;
    outY = 0.0;
    if (std::fabs(xa - xb) < kTolerance) {
        return GeomIntersectVerticalSegment(xa, ya, yb, xc, yc, xd, yd, outX, outY);
    }
    const double m1 = (ya - yb) / (xa - xb);
    if (std::fabs(xc - xd) < kTolerance) {
        return GeomIntersectVerticalSegment(xc, yc, yd, xa, ya, xb, yb, outX, outY);
    }
    const double m2 = (yc - yd) / (xc - xd);
    if (std::fabs(m1 - m2) < 0.001) {
        return 0; // parallel, or collinear
    }
    const double k1 = ya - m1 * xa;
    const double x = ((yc - m2 * xc) - k1) / (m1 - m2);
    const double y = m1 * x + k1;
    if (!OnSegment(xa, ya, xb, yb, x, y) || !OnSegment(xc, yc, xd, yd, x, y)) {
        return 0;
    }
    outX = x;
    outY = y;
    return 1;
}

int GeomIntersectVerticalSegment(double x, double y1, double y2, double xc, double yc, double xd,
                                 double yd, double& outX, double& outY) {
    if (std::fabs(xc - xd) < kTolerance) {
        return 0; // both vertical
    }
    const double s = (yc - yd) / (xc - xd);
    if (std::fabs(s) < kTolerance) {
        // c-d nearly horizontal: the crossing is taken at c's height.
        if (!Between(x, xc, xd) || !Between(yc, y1, y2)) {
            return 0;
        }
        outX = x;
        outY = yc;
        return 1;
    }
    const double k = yc - s * xc;
    const double y = s * x + k;
    const double xs = (y - k) / s;
    if (!OnSegment(x, y1, x, y2, xs, y) || !OnSegment(xc, yc, xd, yd, xs, y)) {
        return 0;
    }
    outX = xs;
    outY = y;
    return 1;
}

short GeomIntersectPolylineSegment(short n, std::span<const double> points, double xc, double yc,
                                   double xd, double yd, std::span<double> outX,
                                   std::span<double> outY) {
    // A count larger than the points given (damaged input) is cut to what is there.
    const std::size_t available = points.size() >= 4 ? points.size() / 2 - 1 : 0;
    const std::size_t segments =
        n > 0 ? std::min<std::size_t>(static_cast<std::size_t>(n), available) : 0;
    const std::size_t capacity = std::min(outX.size(), outY.size());
    std::size_t count = 0;
    for (std::size_t i = 0; i < segments && count < capacity; ++i) {
        double x = 0.0;
        double y = 0.0;
        if (GeomIntersectSegments(points[2 * i], points[2 * i + 1], points[2 * i + 2],
                                  points[2 * i + 3], xc, yc, xd, yd, x, y)) {
            outX[count] = x;
            outY[count] = y;
            ++count;
        }
    }
    return static_cast<short>(count);
}

short GeomIntersectLineRect(int left, int top, int right, int bottom, int x1, int y1, int x2,
                            int y2, std::span<int, 4> outX, std::span<int, 4> outY) {
    const double l = left;
    const double t = top;
    const double r = right;
    const double b = bottom;
    const double outline[10] = {l, t, r, t, r, b, l, b, l, t};
    double xs[4] = {};
    double ys[4] = {};
    const short count = GeomIntersectPolylineSegment(4, outline, x1, y1, x2, y2, xs, ys);
    for (short i = 0; i < count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        outX[k] = TruncToInt(xs[k] + 0.5);
        outY[k] = TruncToInt(ys[k] + 0.5);
    }
    return count;
}

int GeomPerpendicularFoot(double px, double py, double xa, double ya, double xb, double yb,
                          double& outX, double& outY) {
    if (std::fabs(xa - xb) < kTolerance) {
        outX = xa;
        outY = py;
        return (py < ya && py < yb) || (py > ya && py > yb) ? 0 : 1;
    }
    if (std::fabs(ya - yb) < kTolerance) {
        outX = px;
        outY = ya;
        return Between(px, xa, xb) ? 1 : 0;
    }
    // Neither difference is below 0.01, so m is not zero and m - n = m + 1/m is not zero.
    const double m = (ya - yb) / (xa - xb);
    const double n = -1.0 / m;
    const double k = py - n * px;
    const double x = (k - (ya - m * xa)) / (m - n);
    const double y = n * x + k;
    outX = x;
    outY = y;
    return Between(x, xa, xb) && Between(y, ya, yb) ? 1 : 0;
}

int GeomPerpendicularFootInt(int px, int py, int xa, int ya, int xb, int yb, int& outX, int& outY) {
    double x = 0.0;
    double y = 0.0;
    if (!GeomPerpendicularFoot(px, py, xa, ya, xb, yb, x, y)) {
        return 0;
    }
    outX = TruncToInt(x);
    outY = TruncToInt(y);
    return 1;
}

int GeomIsAngleOnArc(double sx, double sy, double ex, double ey, double qx, double qy) {
    const double alpha = GeomAngle(ey, ex);
    const double beta = GeomAngle(sy, sx);
    const double gamma = GeomAngle(qy, qx);
    // When the end's angle is below the start's, the arc runs through angle 0 and is the
    // complement of [end, start].
    const bool swapped = alpha < beta;
    const double lo = std::min(alpha, beta);
    const double hi = std::max(alpha, beta);
    if (gamma == lo || gamma == hi) {
        return 1;
    }
    const bool inside = lo <= gamma && gamma <= hi;
    return inside != swapped ? 1 : 0;
}

int GeomNearestPointOnArc(double px, double py, double cx, double cy, double r, double sx,
                          double sy, double ex, double ey, double& outX, double& outY) {
    if (!(r > 0.0) || (sx == ex && sy == ey)) {
        return 0;
    }
    // The line through p and c, as a segment reaching 2r beyond the centre on both sides.
    double xa = cx;
    double ya = cy - 2.0 * r;
    double xb = cx;
    double yb = cy + 2.0 * r;
    if (px != cx) {
        const double m = (py - cy) / (px - cx);
        // A slope that overflows (p within a rounding error of the vertical through c) is
        // taken as the vertical line.
        if (std::isfinite(m)) {
            xa = cx + 2.0 * r;
            ya = py + m * (xa - px);
            xb = cx - 2.0 * r;
            yb = py + m * (xb - px);
        }
    }
    double xs[2] = {};
    double ys[2] = {};
    const short count = GeomIntersectLineCircle(xa, ya, xb, yb, cx, cy, r, xs, ys);
    if (count == 0) {
        return 0;
    }
    int nearest = 0;
    if (count == 2 && GeomDistance(px, py, xs[1], ys[1]) < GeomDistance(px, py, xs[0], ys[0])) {
        nearest = 1;
    }
    if (GeomIsAngleOnArc(sx - cx, sy - cy, ex - cx, ey - cy, px - cx, py - cy)) {
        outX = xs[nearest];
        outY = ys[nearest];
        return 1;
    }
    if (GeomDistance(px, py, ex, ey) < GeomDistance(px, py, sx, sy)) {
        outX = ex;
        outY = ey;
    } else {
        outX = sx;
        outY = sy;
    }
    return 1;
}

int GeomNearestPointOnArcInt(int px, int py, int cx, int cy, int r, int sx, int sy, int ex, int ey,
                             int& outX, int& outY) {
    double x = 0.0;
    double y = 0.0;
    if (!GeomNearestPointOnArc(px, py, cx, cy, r, sx, sy, ex, ey, x, y)) {
        return 0;
    }
    outX = TruncToInt(x);
    outY = TruncToInt(y);
    return 1;
}

} // namespace tembra
