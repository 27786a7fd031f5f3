#include "render/Geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace tembra {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kEps = 1e-9;

struct Pt {
    double x;
    double y;
};

TEST(GeometryTest, RotatePointCounterClockwise) {
    struct Case {
        Pt centre;
        double angle;
        Pt in;
        Pt out;
    };
    const std::vector<Case> cases = {
        {{0, 0}, kPi / 2, {1, 0}, {0, 1}}, {{0, 0}, -kPi / 2, {1, 0}, {0, -1}},
        {{1, 1}, kPi, {2, 1}, {0, 1}},     {{10, 20}, 0.0, {3, 4}, {3, 4}},
        {{5, 5}, kPi / 2, {5, 5}, {5, 5}}, // the centre stays
    };
    for (const Case& c : cases) {
        double x = c.in.x;
        double y = c.in.y;
        GeomRotatePoint(c.centre.x, c.centre.y, c.angle, x, y);
        EXPECT_NEAR(x, c.out.x, kEps);
        EXPECT_NEAR(y, c.out.y, kEps);
    }
}

TEST(GeometryTest, DistanceUsesAxisWhenOtherDifferenceIsTiny) {
    struct Case {
        Pt a;
        Pt b;
        double distance;
    };
    const std::vector<Case> cases = {
        {{0, 0}, {0.005, 3}, 3.0}, // not 3.0000042
        {{0, 0}, {3, 0.005}, 3.0}, {{0, 0}, {3, 4}, 5.0},   {{-1, -1}, {2, 3}, 5.0},
        {{7, 7}, {7, 7}, 0.0},     {{0, 5}, {0, -5}, 10.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GeomDistance(c.a.x, c.a.y, c.b.x, c.b.y), c.distance);
    }
}

TEST(GeometryTest, AnglesLieInZeroToTwoPi) {
    struct Case {
        double y;
        double x;
        double angle;
    };
    const std::vector<Case> cases = {
        {0, 0, 0.0},
        {-1, 0, 3 * kPi / 2},
        {1, 0, kPi / 2},
        {0, -1, kPi},
        {0, 1, 0.0},
        {-1, 1, 7 * kPi / 4},
        {-1e-12, 1, 2 * kPi - 1e-12},
    };
    for (const Case& c : cases) {
        const double a = GeomAngle(c.y, c.x);
        EXPECT_NEAR(a, c.angle, kEps) << c.y << "," << c.x;
        EXPECT_GE(a, 0.0);
        EXPECT_LT(a, kGeomTwoPi);
    }
}

TEST(GeometryTest, AngleFromMeasuresCounterClockwiseFromDirection) {
    struct Case {
        Pt p1;
        Pt p2;
        Pt p3;
        double angle;
    };
    const std::vector<Case> cases = {
        {{0, 0}, {0.005, 0.005}, {5, 5}, 0.0}, // p2 within 0.01 of p1
        {{0, 0}, {10, 0}, {-10, 0}, kPi},      // p3 left of p1, p2 right of it
        {{0, 0}, {0, 10}, {-10, 0}, kPi / 2},
        {{0, 0}, {10, 0}, {0, -10}, 3 * kPi / 2},
        {{0, 0}, {10, 0}, {20, 0}, 0.0},
        {{3, 3}, {10, 0}, {3.005, 2.995}, 0.0}, // p3 within 0.01 of p1
        {{5, 5}, {5, 15}, {15, 5}, 3 * kPi / 2},
        {{5, 5}, {15, 15}, {5, 15}, kPi / 4},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(GeomAngleFrom(c.p1.x, c.p1.y, c.p2.x, c.p2.y, c.p3.x, c.p3.y), c.angle, kEps)
            << c.p3.x << "," << c.p3.y;
    }
}

TEST(GeometryTest, LineCircleCrossingsInTheirOrder) {
    const double s = 5.0 / std::sqrt(2.0);
    const double h = std::sqrt(25.0 - 3.005 * 3.005);
    struct Case {
        const char* name;
        Pt a;
        Pt b;
        Pt c;
        double r;
        std::vector<Pt> points;
    };
    const std::vector<Case> cases = {
        {"horizontal", {-10, 3}, {10, 3}, {0, 0}, 5, {{4, 3}, {-4, 3}}},
        {"horizontal reversed", {10, 3}, {-10, 3}, {0, 0}, 5, {{4, 3}, {-4, 3}}},
        {"horizontal off centre", {90, 203}, {110, 203}, {100, 200}, 5, {{104, 203}, {96, 203}}},
        {"horizontal one end inside", {0, 3}, {10, 3}, {0, 0}, 5, {{4, 3}}},
        {"horizontal inside", {-1, 0}, {1, 0}, {0, 0}, 5, {}},
        {"horizontal tangent", {-10, -5}, {10, -5}, {0, 0}, 5, {{0, -5}}},
        {"horizontal tangent missed", {1, 5}, {10, 5}, {0, 0}, 5, {}},
        {"horizontal miss", {-10, 6}, {10, 6}, {0, 0}, 5, {}},
        {"vertical", {3, -10}, {3, 10}, {0, 0}, 5, {{3, 4}, {3, -4}}},
        {"vertical upper half", {3, 0}, {3, 10}, {0, 0}, 5, {{3, 4}}},
        {"vertical tangent", {105, 190}, {105, 210}, {100, 200}, 5, {{105, 200}}},
        {"vertical tangent missed", {5, 1}, {5, 10}, {0, 0}, 5, {}},
        {"nearly vertical", {3.005, -10}, {3, 10}, {0, 0}, 5, {{3.005, h}, {3.005, -h}}},
        {"diagonal", {10, 10}, {-10, -10}, {0, 0}, 5, {{-s, -s}, {s, s}}},
        {"diagonal one end inside", {0, 0}, {10, 10}, {0, 0}, 5, {{s, s}}},
        {"tangent", {0, 2}, {2, 0}, {0, 0}, std::sqrt(2.0), {{1, 1}}},
        {"miss", {10, 0}, {0, 10}, {0, 0}, 5, {}},
        {"zero length", {1, 1}, {1, 1}, {0, 0}, 5, {}},
        {"nearly zero length", {1, 1}, {1.005, 1.005}, {0, 0}, 5, {}},
        {"zero radius", {-10, 0}, {10, 0}, {0, 0}, 0, {}},
        {"negative radius", {-10, 0}, {10, 0}, {0, 0}, -5, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        double xs[2] = {-1, -1};
        double ys[2] = {-1, -1};
        const short n =
            GeomIntersectLineCircle(c.a.x, c.a.y, c.b.x, c.b.y, c.c.x, c.c.y, c.r, xs, ys);
        ASSERT_EQ(n, static_cast<short>(c.points.size()));
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            EXPECT_NEAR(xs[i], c.points[i].x, kEps);
            EXPECT_NEAR(ys[i], c.points[i].y, kEps);
        }
    }
}

TEST(GeometryTest, SegmentCrossings) {
    struct Case {
        const char* name;
        Pt a;
        Pt b;
        Pt c;
        Pt d;
        int crosses;
        Pt point;
    };
    const std::vector<Case> cases = {
        {"cross", {0, 0}, {10, 10}, {0, 10}, {10, 0}, 1, {5, 5}},
        {"parallel", {0, 0}, {10, 10}, {0, 1}, {10, 11}, 0, {}},
        {"collinear overlapping", {0, 0}, {10, 10}, {5, 5}, {15, 15}, 0, {}},
        {"both vertical, collinear", {0, 0}, {0, 10}, {0, 5}, {0, 15}, 0, {}},
        {"both vertical", {0, 0}, {0, 10}, {5, 0}, {5, 10}, 0, {}},
        {"vertical and horizontal", {5, -5}, {5, 5}, {0, 0}, {10, 0}, 1, {5, 0}},
        {"horizontal and vertical", {0, 0}, {10, 0}, {5, -5}, {5, 5}, 1, {5, 0}},
        {"vertical above horizontal", {5, 1}, {5, 5}, {0, 0}, {10, 0}, 0, {}},
        {"vertical and slanted", {5, 0}, {5, 10}, {0, 0}, {10, 10}, 1, {5, 5}},
        {"vertical and slanted apart", {5, 6}, {5, 10}, {0, 0}, {10, 2}, 0, {}},
        {"0.5 beyond the end", {0, 0}, {10, 10}, {0, 21}, {21, 0}, 1, {10.5, 10.5}},
        {"2 beyond the end", {0, 0}, {10, 10}, {0, 24}, {24, 0}, 0, {}},
        {"lines cross, segments do not", {0, 0}, {1, 1}, {5, 0}, {6, -1}, 0, {}},
        {"shared end point", {0, 0}, {10, 10}, {10, 10}, {20, 0}, 1, {10, 10}},
        {"zero length on the other", {3, 3}, {3, 3}, {0, 0}, {10, 10}, 1, {3, 3}},
        {"zero length off the other", {3, 5}, {3, 5}, {0, 0}, {10, 10}, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        double x = 7.0;
        double y = 7.0;
        EXPECT_EQ(
            GeomIntersectSegments(c.a.x, c.a.y, c.b.x, c.b.y, c.c.x, c.c.y, c.d.x, c.d.y, x, y),
            c.crosses);
        // Without a crossing the outputs are 0.
        EXPECT_NEAR(x, c.point.x, kEps);
        EXPECT_NEAR(y, c.point.y, kEps);
    }
}

TEST(GeometryTest, VerticalSegmentLeavesOutputsWithoutCrossing) {
    double x = 7.0;
    double y = 7.0;
    EXPECT_EQ(GeomIntersectVerticalSegment(5, 0, 10, 0, 0, 10, 10, x, y), 1);
    EXPECT_NEAR(x, 5.0, kEps);
    EXPECT_NEAR(y, 5.0, kEps);
    x = y = 7.0;
    EXPECT_EQ(GeomIntersectVerticalSegment(5, 0, 10, 20, 0, 30, 10, x, y), 0);
    EXPECT_EQ(GeomIntersectVerticalSegment(5, 0, 10, 6, 0, 6.005, 10, x, y), 0); // both vertical
    EXPECT_EQ(x, 7.0);
    EXPECT_EQ(y, 7.0);
}

TEST(GeometryTest, PolylineCrossingsInSegmentOrder) {
    const double zigzag[] = {0, 0, 10, 10, 20, 0, 30, 10}; // 3 segments
    struct Case {
        const char* name;
        short n;
        std::size_t capacity;
        std::vector<double> xs;
    };
    const std::vector<Case> cases = {
        {"all segments", 3, 4, {5, 15, 25}},
        {"first two", 2, 4, {5, 15}},
        {"count beyond the points", 9, 4, {5, 15, 25}},
        {"outputs full", 3, 2, {5, 15}},
        {"none", 0, 4, {}},
        {"negative count", -1, 4, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> xs(c.capacity, -1);
        std::vector<double> ys(c.capacity, -1);
        const short n = GeomIntersectPolylineSegment(c.n, zigzag, -5, 5, 35, 5, xs, ys);
        ASSERT_EQ(n, static_cast<short>(c.xs.size()));
        for (std::size_t i = 0; i < c.xs.size(); ++i) {
            EXPECT_NEAR(xs[i], c.xs[i], kEps);
            EXPECT_NEAR(ys[i], 5.0, kEps);
        }
    }
    double x[1];
    double y[1];
    EXPECT_EQ(
        GeomIntersectPolylineSegment(1, std::span<const double>(zigzag, 3), -5, 5, 35, 5, x, y),
        0); // fewer than two points
}

TEST(GeometryTest, LineRectCrossingsRounded) {
    struct Case {
        const char* name;
        int rect[4]; // left, top, right, bottom (y upwards)
        int seg[4];
        std::vector<std::pair<int, int>> points;
    };
    const std::vector<Case> cases = {
        {"through left and right edges",
         {0, 100, 200, 0},
         {-50, 50, 250, 50},
         {{200, 50}, {0, 50}}},
        // 95.45 and 4.55 round to 95 and 5
        {"slanted", {0, 100, 200, 0}, {-10, 0, 210, 100}, {{200, 95}, {0, 5}}},
        // 0.5 is added and the sum truncated toward zero: -15.67 gives -15, -49 gives -48
        {"negative coordinates", {-100, 0, 0, -100}, {-103, -50, 2, -15}, {{0, -15}, {-99, -48}}},
        {"through a corner", {0, 100, 200, 0}, {-10, 110, 10, 90}, {{0, 100}, {0, 100}}},
        {"inside", {0, 100, 200, 0}, {50, 50, 60, 60}, {}},
        {"zero length", {0, 100, 200, 0}, {50, 50, 50, 50}, {}},
        {"outside", {0, 100, 200, 0}, {300, 0, 300, 100}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int xs[4] = {};
        int ys[4] = {};
        const short n = GeomIntersectLineRect(c.rect[0], c.rect[1], c.rect[2], c.rect[3], c.seg[0],
                                              c.seg[1], c.seg[2], c.seg[3], xs, ys);
        ASSERT_EQ(n, static_cast<short>(c.points.size()));
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            EXPECT_EQ(xs[i], c.points[i].first);
            EXPECT_EQ(ys[i], c.points[i].second);
        }
    }
}

TEST(GeometryTest, PerpendicularFoot) {
    struct Case {
        const char* name;
        Pt p;
        Pt a;
        Pt b;
        int onSegment;
        Pt foot;
    };
    const std::vector<Case> cases = {
        {"vertical", {5, 5}, {0, 0}, {0, 10}, 1, {0, 5}},
        {"vertical beyond", {5, 15}, {0, 0}, {0, 10}, 0, {0, 15}},
        {"vertical at end", {5, 10}, {0, 10}, {0, 0}, 1, {0, 10}},
        {"horizontal", {5, 7}, {10, 0}, {0, 0}, 1, {5, 0}},
        {"horizontal before", {-1, 7}, {0, 0}, {10, 0}, 0, {-1, 0}},
        {"diagonal", {0, 10}, {0, 0}, {10, 10}, 1, {5, 5}},
        {"diagonal at end", {20, 0}, {0, 0}, {10, 10}, 1, {10, 10}},
        {"diagonal beyond", {30, 0}, {0, 0}, {10, 10}, 0, {15, 15}},
        {"zero length, on it", {3, 3}, {3, 3}, {3, 3}, 1, {3, 3}},
        {"zero length, off it", {5, 5}, {3, 3}, {3, 3}, 0, {3, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        double x = -1;
        double y = -1;
        EXPECT_EQ(GeomPerpendicularFoot(c.p.x, c.p.y, c.a.x, c.a.y, c.b.x, c.b.y, x, y),
                  c.onSegment);
        EXPECT_NEAR(x, c.foot.x, kEps); // written either way
        EXPECT_NEAR(y, c.foot.y, kEps);
    }

    struct IntCase {
        int p[2];
        int a[2];
        int b[2];
        int onSegment;
        int foot[2];
    };
    const std::vector<IntCase> ints = {
        {{0, 5}, {0, 0}, {10, 10}, 1, {2, 2}},      // 2.5 truncated
        {{-5, 0}, {0, 0}, {-10, -10}, 1, {-2, -2}}, // -2.5 truncated toward zero
        {{30, 0}, {0, 0}, {10, 10}, 0, {-7, -7}},   // outputs untouched
    };
    for (const IntCase& c : ints) {
        int x = -7;
        int y = -7;
        EXPECT_EQ(GeomPerpendicularFootInt(c.p[0], c.p[1], c.a[0], c.a[1], c.b[0], c.b[1], x, y),
                  c.onSegment);
        EXPECT_EQ(x, c.foot[0]);
        EXPECT_EQ(y, c.foot[1]);
    }
}

TEST(GeometryTest, AngleOnCounterClockwiseArc) {
    struct Case {
        const char* name;
        Pt s;
        Pt e;
        Pt q;
        int on;
    };
    const std::vector<Case> cases = {
        {"inside", {1, 0}, {0, 1}, {1, 1}, 1},
        {"outside", {1, 0}, {0, 1}, {-1, -1}, 0},
        {"at start", {1, 0}, {0, 1}, {2, 0}, 1},
        {"at end", {1, 0}, {0, 1}, {0, 3}, 1},
        // from 270 to 90 degrees counter-clockwise: through angle 0
        {"through zero, right", {0, -1}, {0, 1}, {1, 0}, 1},
        {"through zero, left", {0, -1}, {0, 1}, {-1, 0}, 0},
        {"through zero, at start", {0, -1}, {0, 1}, {0, -5}, 1},
        {"through zero, centre", {0, -1}, {0, 1}, {0, 0}, 1},
        {"centre, arc away from zero", {0, 1}, {-1, 0}, {0, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GeomIsAngleOnArc(c.s.x, c.s.y, c.e.x, c.e.y, c.q.x, c.q.y), c.on);
    }
}

TEST(GeometryTest, NearestPointOnArc) {
    const double s = 10.0 / std::sqrt(2.0);
    struct Case {
        const char* name;
        Pt p;
        Pt c;
        double r;
        Pt start;
        Pt end;
        int found;
        Pt point;
    };
    const std::vector<Case> cases = {
        // p at the centre: the upper crossing when angle 0 lies on the arc, else the start
        // (both ends are equally near)
        {"centre, zero on arc", {100, 200}, {100, 200}, 10, {100, 190}, {100, 210}, 1, {100, 210}},
        {"centre, zero off arc", {100, 200}, {100, 200}, 10, {90, 200}, {100, 190}, 1, {90, 200}},
        {"on the arc's side", {20, 20}, {0, 0}, 10, {10, 0}, {0, 10}, 1, {s, s}},
        {"inside, on the arc's side", {1, 1}, {0, 0}, 10, {10, 0}, {0, 10}, 1, {s, s}},
        {"off the arc: nearer end", {-20, -1}, {0, 0}, 10, {10, 0}, {0, 10}, 1, {0, 10}},
        {"straight above", {0, 20}, {0, 0}, 10, {10, 0}, {-10, 0}, 1, {0, 10}},
        {"start equals end", {20, 20}, {0, 0}, 10, {10, 0}, {10, 0}, 0, {-1, -1}},
        {"zero radius", {20, 20}, {0, 0}, 0, {10, 0}, {0, 10}, 0, {-1, -1}},
        {"negative radius", {20, 20}, {0, 0}, -10, {10, 0}, {0, 10}, 0, {-1, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        double x = -1;
        double y = -1;
        EXPECT_EQ(GeomNearestPointOnArc(c.p.x, c.p.y, c.c.x, c.c.y, c.r, c.start.x, c.start.y,
                                        c.end.x, c.end.y, x, y),
                  c.found);
        EXPECT_NEAR(x, c.point.x, kEps);
        EXPECT_NEAR(y, c.point.y, kEps);
    }

    int x = -1;
    int y = -1;
    EXPECT_EQ(GeomNearestPointOnArcInt(20, 20, 0, 0, 10, 10, 0, 0, 10, x, y), 1);
    EXPECT_EQ(x, 7); // 7.07 truncated
    EXPECT_EQ(y, 7);
    x = y = -1;
    EXPECT_EQ(GeomNearestPointOnArcInt(20, 20, 0, 0, 10, 10, 0, 10, 0, x, y), 0);
    EXPECT_EQ(x, -1);
    EXPECT_EQ(y, -1);
}

} // namespace
} // namespace tembra
