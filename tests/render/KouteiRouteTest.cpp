// Routes, corners, arrow heads, node meeting points, label segments and hit tests of process
// lines on the round-number chart of ChartFixture (a day 100 units, a row 50, corner radius 10,
// node marks of size 10).
#include "render/KouteiRoute.h"

#include "model/Koutei.h"
#include "render/ChartFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

namespace tembra {

// Readable points in failure messages.
inline void PrintTo(const CPoint& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}

namespace {

using test::April;
using test::DayX;
using test::RowY;

std::unique_ptr<CKoutei> Process(int startDay, int startRow, int endDay, int endRow, WORD shape,
                                 short bendOffset = 0, WORD subStyle = 0) {
    auto koutei = std::make_unique<CKoutei>();
    koutei->SetStartDate(April(startDay));
    koutei->SetEndDate(April(endDay));
    koutei->SetStartRow(static_cast<WORD>(startRow));
    koutei->SetEndRow(static_cast<WORD>(endRow));
    koutei->SetLineShape(shape);
    koutei->GetLines()->SetBendOffset(bendOffset);
    koutei->GetLines()->GetAttr().m_subStyle = subStyle;
    koutei->GetStartLand()->SetSize(100);
    koutei->GetEndLand()->SetSize(100);
    return koutei;
}

std::vector<CPoint> Points(const KouteiRoute& route) {
    return {route.points.begin(), route.points.begin() + route.PointCount()};
}

class KouteiRouteTest : public test::ChartFixture {};

// ---- Corners ------------------------------------------------------------------------------------

// The two right-angle turns into a horizontal leg to the right, and their mirrors out of a
// horizontal leg: A on one leg, B on the other, D the arc's centre, w from both legs.
TEST(CornerTest, RightAnglesAreRoundedByArcsTouchingBothLegs) {
    struct Case {
        CPoint from, corner, to;
        CPoint a, b, d;
        bool aOnHorizontal;
    };
    const std::vector<Case> cases = {
        // Rising from below into a leg to the right.
        {{0, -100}, {0, 0}, {100, 0}, {10, 0}, {0, -10}, {10, -10}, true},
        // Falling from above into a leg to the right.
        {{0, 100}, {0, 0}, {100, 0}, {0, 10}, {10, 0}, {10, 10}, false},
        // Out of a leg from the left, turning up.
        {{-100, 0}, {0, 0}, {0, 100}, {-10, 0}, {0, 10}, {-10, 10}, true},
        // Out of a leg from the left, turning down.
        {{-100, 0}, {0, 0}, {0, -100}, {0, -10}, {-10, 0}, {-10, -10}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from (" << c.from.x << ", " << c.from.y << ") to ("
                                        << c.to.x << ", " << c.to.y << ")");
        const CornerArc arc = CalcCorner(c.from, c.corner, c.to, 10);
        EXPECT_EQ(arc.a, c.a);
        EXPECT_EQ(arc.b, c.b);
        EXPECT_EQ(arc.d, c.d);
        EXPECT_EQ(arc.aOnHorizontal, c.aOnHorizontal);
    }
}

// A slanted leg (20 across, 200 up) meets its corner at an obtuse angle: the arc starts nearer
// the corner and its other end lies on the slanted leg.
TEST(CornerTest, SlantedLegShortensTheRounding) {
    const CornerArc arc = CalcCorner({100, -275}, {120, -75}, {500, -75}, 10);
    EXPECT_EQ(arc.a, CPoint(129, -75));
    EXPECT_EQ(arc.b, CPoint(119, -83));
    EXPECT_EQ(arc.d, CPoint(129, -85));
}

// A corner whose previous point is the corner itself is no turn: the arc has no length.
TEST(CornerTest, TurnWithoutALegHasNoArc) {
    const CornerArc arc = CalcCorner({0, 0}, {0, 0}, {100, 0}, 10);
    EXPECT_EQ(arc.a, CPoint(0, 0));
    EXPECT_EQ(arc.b, CPoint(0, 0));
}

// ---- Direction codes ----------------------------------------------------------------------------

TEST_F(KouteiRouteTest, DirectionCodes) {
    struct Case {
        int startDay, startRow, endDay, endRow;
        WORD shape;
        short bend;
        int direction;
        int yb;
    };
    const std::vector<Case> cases = {
        {2, 5, 6, 1, kLineShapePlain, 0, kLineRising, RowY(5)},
        {2, 1, 6, 5, kLineShapePlain, 0, kLineFalling, RowY(1)},
        {2, 3, 6, 3, kLineShapeElbowVH, 0, kLineLevel, RowY(3)},
        {2, 1, 2, 5, kLineShapePlain, 0, kLinePlumbFalling, RowY(1)},
        {2, 3, 2, 3, kLineShapePlain, 0, kLinePlumbFalling, RowY(3)},
        {2, 5, 2, 1, kLineShapeElbowHV, 0, kLinePlumbRising, RowY(5)},
        // A crank goes by its rows alone, with its middle half way.
        {2, 5, 2, 1, kLineShapeCrank, 0, kLineRising, RowY(5) + 100},
        {2, 3, 6, 3, kLineShapeCrank, 0, kLineFalling, RowY(3)},
        // A gate turns beyond its ends; bend offset 0 turns at the start row: the plain rule.
        {2, 5, 6, 1, kLineShapeGate, 3, kLineRising, RowY(8)},
        {2, 1, 6, 5, kLineShapeGate, -3, kLineFalling, RowY(0)},
        {2, 5, 6, 1, kLineShapeGate, 0, kLineRising, RowY(5)},
        {2, 3, 6, 3, kLineShapeGate, 0, kLineLevel, RowY(3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "shape " << c.shape << " from day " << c.startDay << " row " << c.startRow
                     << " to day " << c.endDay << " row " << c.endRow << " bend " << c.bend);
        const auto koutei = Process(c.startDay, c.startRow, c.endDay, c.endRow, c.shape, c.bend);
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0, yb = 0;
        EXPECT_EQ(GetLineCoords(*koutei, layout, x1, y1, x2, y2, yb), c.direction);
        EXPECT_EQ(CPoint(x1, y1), CPoint(DayX(c.startDay), RowY(c.startRow)));
        EXPECT_EQ(CPoint(x2, y2), CPoint(DayX(c.endDay), RowY(c.endRow)));
        EXPECT_EQ(yb, c.yb);
    }
}

// ---- Routes -------------------------------------------------------------------------------------

struct RouteCase {
    const char* name;
    int startDay, startRow, endDay, endRow;
    WORD shape;
    short bend;
    WORD subStyle;
    int segments;
    std::vector<CPoint> points;
};

class KouteiRouteShapeTest : public KouteiRouteTest,
                             public ::testing::WithParamInterface<RouteCase> {};

TEST_P(KouteiRouteShapeTest, RouteOfShapeAndDirection) {
    const RouteCase& c = GetParam();
    const auto koutei =
        Process(c.startDay, c.startRow, c.endDay, c.endRow, c.shape, c.bend, c.subStyle);
    KouteiRoute route;
    EXPECT_EQ(BuildRoute(*koutei, layout, route), c.segments);
    EXPECT_EQ(route.segments, c.segments);
    EXPECT_EQ(Points(route), c.points);
}

// Points of a corner: the end of the leg into it, D, A, B, the start of the leg out of it.
INSTANTIATE_TEST_SUITE_P(
    Shapes, KouteiRouteShapeTest,
    ::testing::Values(
        RouteCase{
            "ElbowVHRising",
            2,
            5,
            6,
            1,
            kLineShapeElbowVH,
            0,
            0,
            2,
            {{100, -265}, {100, -85}, {110, -85}, {110, -75}, {100, -85}, {110, -75}, {490, -75}}},
        RouteCase{"ElbowVHFalling",
                  2,
                  1,
                  6,
                  5,
                  kLineShapeElbowVH,
                  0,
                  0,
                  2,
                  {{100, -85},
                   {100, -265},
                   {110, -265},
                   {100, -265},
                   {110, -275},
                   {110, -275},
                   {490, -275}}},
        RouteCase{"ElbowHVRising",
                  2,
                  5,
                  6,
                  1,
                  kLineShapeElbowHV,
                  0,
                  0,
                  2,
                  {{110, -275},
                   {490, -275},
                   {490, -265},
                   {490, -275},
                   {500, -265},
                   {500, -265},
                   {500, -85}}},
        RouteCase{
            "ElbowHVFalling",
            2,
            1,
            6,
            5,
            kLineShapeElbowHV,
            0,
            0,
            2,
            {{110, -75}, {490, -75}, {490, -85}, {500, -85}, {490, -75}, {500, -85}, {500, -265}}},
        RouteCase{
            "ElbowVHInclined",
            2,
            5,
            6,
            1,
            kLineShapeElbowVH,
            0,
            kSubStyleInclined,
            2,
            {{101, -265}, {119, -83}, {129, -85}, {129, -75}, {119, -83}, {129, -75}, {490, -75}}},
        // On one row both elbows are straight lines.
        RouteCase{
            "ElbowVHOneRow", 2, 2, 6, 2, kLineShapeElbowVH, 0, 0, 1, {{110, -125}, {490, -125}}},
        RouteCase{
            "ElbowHVOneRow", 2, 2, 6, 2, kLineShapeElbowHV, 0, 0, 1, {{110, -125}, {490, -125}}},
        RouteCase{"CrankRising",
                  2,
                  5,
                  6,
                  1,
                  kLineShapeCrank,
                  0,
                  0,
                  3,
                  {{100, -265},
                   {100, -185},
                   {110, -185},
                   {110, -175},
                   {100, -185},
                   {110, -175},
                   {490, -175},
                   {490, -165},
                   {490, -175},
                   {500, -165},
                   {500, -165},
                   {500, -85}}},
        // A gate below both ends: down, across, up.
        RouteCase{"GateBelow",
                  2,
                  5,
                  6,
                  1,
                  kLineShapeGate,
                  3,
                  0,
                  3,
                  {{100, -285},
                   {100, -415},
                   {110, -415},
                   {100, -415},
                   {110, -425},
                   {110, -425},
                   {490, -425},
                   {490, -415},
                   {490, -425},
                   {500, -415},
                   {500, -415},
                   {500, -85}}},
        // Bend offset 0: no middle segment to turn into, the plain straight line.
        RouteCase{
            "GateWithoutOffset", 2, 5, 6, 1, kLineShapeGate, 0, 0, 1, {{109, -271}, {491, -79}}},
        RouteCase{"PlainRising", 2, 5, 6, 1, kLineShapePlain, 0, 0, 1, {{109, -271}, {491, -79}}},
        RouteCase{"Relation", 2, 5, 6, 1, kLineShapeRelation, 0, 0, 1, {{109, -271}, {491, -79}}},
        RouteCase{"Bar", 2, 3, 6, 3, kLineShapeBar, 0, 0, 1, {{110, -175}, {490, -175}}},
        // One date: straight up or down between the marks, whatever the shape.
        RouteCase{"OneDate", 2, 1, 2, 5, kLineShapeElbowVH, 0, 0, 1, {{100, -85}, {100, -265}}}),
    [](const ::testing::TestParamInfo<RouteCase>& info) { return info.param.name; });

// A shape-2 elbow bends only when its vertical span and the node size exceed the corner by more
// than a unit: one row (50) and a node of 10 bend round a corner of 58, not of 59.
TEST_F(KouteiRouteTest, ElbowTooShortForItsCornerIsStraight) {
    const auto koutei = Process(2, 2, 6, 1, kLineShapeElbowVH);
    KouteiRoute route;
    for (const auto& [corner, segments] : {std::pair{58, 2}, std::pair{59, 1}}) {
        doc.set.GetChart().SetCornerSize(static_cast<WORD>(corner));
        EXPECT_EQ(BuildRoute(*koutei, layout, route), segments) << "corner " << corner;
    }
}

// The route follows the zoom: at 50 % a day is 50 units and the corner 5.
TEST_F(KouteiRouteTest, RouteScalesWithTheZoom) {
    layout.SetZoomIndex(1);
    layout.RecalcLayout();
    const auto koutei = Process(2, 5, 6, 1, kLineShapeElbowVH);
    KouteiRoute route;
    ASSERT_EQ(BuildRoute(*koutei, layout, route), 2);
    EXPECT_EQ(route.LegStart(0), CPoint(50, -132));
    EXPECT_EQ(route.LegEnd(0), CPoint(50, -42));
    EXPECT_EQ(route.LegStart(1), CPoint(55, -37));
    EXPECT_EQ(route.LegEnd(1), CPoint(245, -37));
}

// ---- Arrow heads --------------------------------------------------------------------------------

TEST_F(KouteiRouteTest, ArrowHeadAtTheEndOfASegmentLongEnough) {
    std::array<CPoint, 3> head{};
    ASSERT_EQ(CalcArrowHead(layout, 0, 0, 100, 0, head), 1);
    EXPECT_EQ(head[0], CPoint(100, 0));
    EXPECT_EQ(head[1], CPoint(91, -5));
    EXPECT_EQ(head[2], CPoint(91, 6));

    // Pointing down: the same head turned.
    ASSERT_EQ(CalcArrowHead(layout, 0, 100, 0, 0, head), 1);
    EXPECT_EQ(head[0], CPoint(0, 0));
    EXPECT_EQ(head[1], CPoint(-5, 10));
    EXPECT_EQ(head[2], CPoint(6, 10));

    // Twice the arrow length is the shortest segment that takes one.
    head = {};
    EXPECT_EQ(CalcArrowHead(layout, 0, 0, 23, 0, head), 0);
    EXPECT_EQ(head[0], CPoint(0, 0));
    EXPECT_EQ(CalcArrowHead(layout, 0, 0, 24, 0, head), 1);
    EXPECT_EQ(CalcArrowHead(layout, 5, 5, 5, 5, head), 0);
}

// ---- Node marks ---------------------------------------------------------------------------------

TEST(NodeMeetingPointTest, WhereALineFromTheCentreLeavesTheMark) {
    struct Case {
        int shape;
        BOOL force;
        CPoint target;
        CPoint expected;
    };
    const CPoint c(0, 0);
    const std::vector<Case> cases = {
        // Circles: on the circle, to the nearest unit; a target inside gives the centre.
        {0, FALSE, {100, 100}, {7, 7}},
        {1, FALSE, {-100, 0}, {-10, 0}},
        {2, FALSE, {3, 4}, {0, 0}},
        // One date: straight up or down by the size, for any shape.
        {0, FALSE, {0, 50}, {0, 10}},
        {8, FALSE, {0, -50}, {0, -10}},
        {99, FALSE, {0, 0}, {0, 10}},
        // Outlines: triangles, square, diamonds.
        {3, FALSE, {100, 0}, {5, 0}},
        {6, FALSE, {100, 0}, {5, 0}},
        {7, FALSE, {100, 50}, {10, 5}},
        {9, FALSE, {100, 100}, {5, 5}},
        {265, FALSE, {100, 100}, {5, 5}},
        {521, FALSE, {-100, 100}, {-5, 5}},
        // Other shapes: the centre.
        {11, FALSE, {100, 100}, {0, 0}},
        {15, FALSE, {100, 100}, {0, 0}},
        // The forced circle, except for the hidden nodes of bars.
        {7, TRUE, {100, 100}, {7, 7}},
        {15, TRUE, {100, 100}, {0, 0}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "shape " << k.shape << " force " << k.force
                                        << " target (" << k.target.x << ", " << k.target.y << ")");
        EXPECT_EQ(NodeMeetingPoint(k.shape, k.force, c, 10, k.target), k.expected);
    }
}

TEST(NodeMarkOutlineTest, ClosedOutlinesOfTheMarkShapes) {
    std::array<CPoint, 5> points{};
    EXPECT_EQ(NodeMarkOutline(4, 0, 0, 10, points), 3);
    EXPECT_EQ(points[0], CPoint(0, 10));
    EXPECT_EQ(points[3], CPoint(0, 10));
    EXPECT_EQ(NodeMarkOutline(5, 0, 0, 10, points), 3);
    EXPECT_EQ(points[0], CPoint(0, -10));
    EXPECT_EQ(NodeMarkOutline(8, 0, 0, 10, points), 4);
    EXPECT_EQ(points[2], CPoint(10, -10));
    EXPECT_EQ(NodeMarkOutline(521, 0, 0, 10, points), 4);
    EXPECT_EQ(points[1], CPoint(10, 0));
    for (const int shape : {0, 1, 2, 11, 15, 64}) {
        EXPECT_EQ(NodeMarkOutline(shape, 0, 0, 10, points), 0) << shape;
    }
}

// The start exit and end entry take each node's own shape and size, and (0, 0) as the target
// means the other node.
TEST_F(KouteiRouteTest, ExitAndEntryUseEachNodesMark) {
    const auto koutei = Process(2, 3, 6, 3, kLineShapePlain);
    koutei->GetStartLand()->SetShape(7);
    koutei->GetStartLand()->SetSize(200);
    koutei->GetEndLand()->SetSize(50);
    CPoint p;
    GetStartExit(*koutei, layout, p, 0, 0);
    EXPECT_EQ(p, CPoint(120, RowY(3)));
    GetStartExit(*koutei, layout, p, DayX(2) + 100, RowY(3) + 100);
    EXPECT_EQ(p, CPoint(120, RowY(3) + 20));
    GetStartExit(*koutei, layout, p, DayX(2) + 100, RowY(3) + 100, TRUE);
    EXPECT_EQ(p, CPoint(114, RowY(3) + 14));
    GetEndEntry(*koutei, layout, p, 0, 0);
    EXPECT_EQ(p, CPoint(495, RowY(3)));
}

// ---- Label segments -----------------------------------------------------------------------------

TEST_F(KouteiRouteTest, LabelSegmentByShapeAndRoute) {
    struct Case {
        const char* name;
        int startDay, startRow, endDay, endRow;
        WORD shape;
        short bend;
        int result;
        CRect segment;
    };
    const std::vector<Case> cases = {
        {"level plain", 2, 3, 6, 3, kLineShapePlain, 0, 1, {110, -175, 490, -175}},
        {"level straight", 2, 3, 6, 3, kLineShapeStraight, 0, 1, {110, -175, 490, -175}},
        {"rising plain", 2, 5, 6, 1, kLineShapePlain, 0, 0, {}},
        {"one date", 2, 1, 2, 5, kLineShapePlain, 0, 0, {}},
        {"elbow VH", 2, 5, 6, 1, kLineShapeElbowVH, 0, 1, {110, -75, 490, -75}},
        {"elbow HV", 2, 5, 6, 1, kLineShapeElbowHV, 0, 1, {110, -275, 490, -275}},
        {"elbow on one row", 2, 3, 6, 3, kLineShapeElbowHV, 0, 1, {110, -175, 490, -175}},
        {"crank", 2, 5, 6, 1, kLineShapeCrank, 0, 0, {}},
        {"level crank", 2, 3, 6, 3, kLineShapeCrank, 0, 1, {110, -175, 490, -175}},
        {"gate", 2, 5, 6, 1, kLineShapeGate, 3, 1, {110, -425, 490, -425}},
        {"level relation shape", 2, 3, 6, 3, kLineShapeRelation, 0, 1, {110, -175, 490, -175}},
        {"bar", 2, 3, 6, 3, kLineShapeBar, 0, 0, {}},
        {"shape 7", 2, 3, 6, 3, 7, 0, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto koutei = Process(c.startDay, c.startRow, c.endDay, c.endRow, c.shape, c.bend);
        CRect segment;
        EXPECT_EQ(GetLabelSegment(*koutei, layout, segment), c.result);
        if (c.result != 0) {
            EXPECT_EQ(segment, c.segment);
        }
    }
    // A relation line carries no labels.
    const auto relation = Process(2, 3, 6, 3, kLineShapeRelation);
    relation->SetRelationLine(1);
    CRect segment;
    EXPECT_EQ(GetLabelSegment(*relation, layout, segment), 0);
}

// ---- Hit tests ----------------------------------------------------------------------------------

// The rising elbow: a vertical leg x 100 from y -265 to -85, the corner about (110, -85), a
// level leg y -75 from x 110 to 490; marks of size 10 about (100, -275) and (500, -75).
TEST_F(KouteiRouteTest, HitTestOfEachPart) {
    const auto koutei = Process(2, 5, 6, 1, kLineShapeElbowVH);
    struct Case {
        const char* name;
        int part;
        CRect rect;
        int hit;
    };
    const std::vector<Case> cases = {
        {"vertical leg crossed", kHitLine, {95, -200, 105, -210}, 1},
        {"level leg inside", kHitLine, {300, -70, 310, -80}, 1},
        {"rectangle given upside down", kHitLine, {95, -210, 105, -200}, 1},
        {"leg end inside", kHitLine, {480, -70, 495, -80}, 1},
        {"inside the corner's bend only", kHitLine, {102, -77, 108, -83}, 0},
        {"beside the line", kHitLine, {200, -200, 210, -210}, 0},
        {"start mark", kHitStartLand, {105, -270, 120, -280}, 1},
        {"start mark missed", kHitStartLand, {115, -270, 120, -280}, 0},
        {"end mark", kHitEndLand, {505, -60, 520, -70}, 1},
        {"end mark is not the start", kHitStartLand, {505, -60, 520, -70}, 0},
        {"label segment", kHitLabelSegment, {300, -70, 310, -80}, 1},
        {"label segment is the level leg only", kHitLabelSegment, {95, -200, 105, -210}, 0},
        {"terms", kHitYogo, {0, 0, 3000, -1500}, 0},
        {"resources", kHitShigen, {0, 0, 3000, -1500}, 0},
        {"part 7", 7, {0, 0, 3000, -1500}, 0},
        {"part -1", -1, {0, 0, 3000, -1500}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HitTestPart(*koutei, layout, nullptr, c.rect.left, c.rect.top, c.rect.right,
                              c.rect.bottom, c.part, -1),
                  c.hit);
    }
}

TEST_F(KouteiRouteTest, RelationLineHasNoLabelSegmentToHit) {
    const auto koutei = Process(2, 3, 6, 3, kLineShapeRelation);
    const CRect onLine(300, -170, 310, -180);
    EXPECT_EQ(HitTestPart(*koutei, layout, nullptr, onLine.left, onLine.top, onLine.right,
                          onLine.bottom, kHitLabelSegment, -1),
              1);
    koutei->SetRelationLine(1);
    EXPECT_EQ(HitTestPart(*koutei, layout, nullptr, onLine.left, onLine.top, onLine.right,
                          onLine.bottom, kHitLabelSegment, -1),
              0);
    EXPECT_EQ(HitTestPart(*koutei, layout, nullptr, onLine.left, onLine.top, onLine.right,
                          onLine.bottom, kHitLine, -1),
              1);
}

} // namespace
} // namespace tembra
