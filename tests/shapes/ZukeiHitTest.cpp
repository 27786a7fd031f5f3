// Hit tests of the standard figures: every kind hollow and filled against probes at its centre,
// on its outline, just outside it and across y = 0, touching and enclosing; how far the pen
// width widens the outline; the fan's radii and the regions these tests are made of.
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiHitArea.h"

#include "FigureTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tembra {
namespace {

using test::Cell;
using test::FigureKinds;

// The answers of one probe: hollow (fill 999) and filled (fill 100).
struct Answer {
    bool hollow;
    bool filled;
};
struct Probe {
    CRect rect;
    Answer touch;
};
struct HitRow {
    const char* kind;
    Probe centre;
    Probe outline;
    Probe outside;
    Probe acrossAxis;
};

constexpr Answer kNo{false, false};
constexpr Answer kYes{true, true};
constexpr Answer kIfFilled{false, true};

// (400, 60)-(600, -140) for the two-anchor figures, the quarter from 0 to 90 degrees about
// (500, -40) of radius 100 for the arc and the fan; a pen of 1 widens every outline by 1.
const HitRow kHitMatrix[] = {
    // kind          centre                      outline                   just outside
    //               across y = 0
    {"line",
     {CRect(499, -38, 502, -41), kYes},
     {CRect(449, 11, 452, 8), kYes},
     {Cell(460, 10), kNo},
     {CRect(455, 5, 465, -5), kYes}},
    {"box",
     {Cell(500, -40), kIfFilled},
     {Cell(400, -40), kYes},
     {Cell(397, -40), kNo},
     {CRect(395, 5, 402, -5), kYes}},
    // The box's sharp corner lies outside the rounded one.
    {"rounded box",
     {Cell(500, -40), kIfFilled},
     {Cell(400, -40), kYes},
     {Cell(400, 59), kNo},
     {CRect(395, 5, 402, -5), kYes}},
    {"circle",
     {Cell(500, -40), kIfFilled},
     {Cell(400, -40), kYes},
     {Cell(400, 59), kNo},
     {CRect(400, 5, 415, -5), kYes}},
    {"ellipse",
     {Cell(500, -40), kIfFilled},
     {Cell(599, -40), kYes},
     {Cell(598, 55), kNo},
     {CRect(400, 5, 415, -5), kYes}},
    // Never at its centre, filled or not.
    {"arc",
     {Cell(500, -40), kNo},
     {Cell(570, 30), kYes},
     {Cell(573, 33), kNo},
     {CRect(585, 5, 598, -5), kYes}},
    // The radii meet at the centre.
    {"fan",
     {Cell(500, -40), kYes},
     {Cell(570, 30), kYes},
     {Cell(573, 33), kNo},
     {CRect(585, 5, 598, -5), kYes}},
    {"triangle 1",
     {Cell(500, -40), kIfFilled},
     {Cell(500, 60), kYes},
     {Cell(500, 63), kNo},
     {CRect(420, 5, 440, -5), kYes}},
    {"triangle 2",
     {Cell(500, -40), kIfFilled},
     {Cell(400, -40), kYes},
     {Cell(397, -40), kNo},
     {CRect(395, 5, 402, -5), kYes}},
    // The centre lies in the shaft: a hollow arrow is not hit there.
    {"arrow 1",
     {Cell(500, -40), kIfFilled},
     {Cell(500, 60), kYes},
     {Cell(500, 63), kNo},
     {CRect(445, 5, 452, -5), kYes}},
    {"arrow 2",
     {Cell(500, -40), kIfFilled},
     {Cell(400, -40), kYes},
     {Cell(397, -40), kNo},
     {CRect(395, 5, 402, -5), kYes}},
    {"diamond",
     {Cell(500, -40), kIfFilled},
     {Cell(400, -40), kYes},
     {Cell(397, -40), kNo},
     {CRect(435, 5, 445, -5), kYes}},
};

TEST(ZukeiHitTest, EveryKindHollowAndFilledAgainstEveryProbe) {
    test::ShapeChart chart;
    std::map<std::string, const HitRow*> rows;
    for (const HitRow& row : kHitMatrix) {
        rows[row.kind] = &row;
    }
    // Around every figure, and around all but its right-hand 30 units.
    const CRect around(380, 80, 620, -160);
    const CRect cut(380, 80, 570, -160);
    for (const test::FigureKind& kind : FigureKinds()) {
        ASSERT_TRUE(rows.count(kind.name)) << kind.name;
        const HitRow& row = *rows[kind.name];
        for (const bool filled : {false, true}) {
            std::unique_ptr<CZukei> shape = kind.make();
            shape->SetHatch(filled ? 100 : kHatchNone);
            const struct {
                const char* name;
                const Probe& probe;
            } probes[] = {{"centre", row.centre},
                          {"outline", row.outline},
                          {"outside", row.outside},
                          {"across y = 0", row.acrossAxis}};
            for (const auto& [name, probe] : probes) {
                SCOPED_TRACE(testing::Message()
                             << kind.name << (filled ? " filled " : " hollow ") << name);
                const bool expected = filled ? probe.touch.filled : probe.touch.hollow;
                EXPECT_EQ(shape->HitTest(chart, probe.rect, kHitTouch) != FALSE, expected);
                EXPECT_EQ(shape->HitTest(chart, probe.rect, kHitDrag) != FALSE, expected);
                // A probe smaller than the figure never holds it.
                EXPECT_FALSE(shape->HitTest(chart, probe.rect, kHitInside));
            }
            SCOPED_TRACE(testing::Message() << kind.name << (filled ? " filled" : " hollow"));
            EXPECT_TRUE(shape->HitTest(chart, around, kHitTouch));
            EXPECT_TRUE(shape->HitTest(chart, around, kHitInside));
            EXPECT_TRUE(shape->HitTest(chart, cut, kHitTouch));
            EXPECT_FALSE(shape->HitTest(chart, cut, kHitInside));
            // No other mode asks anything.
            EXPECT_FALSE(shape->HitTest(chart, around, 3));
        }
    }
}

TEST(ZukeiHitTest, APenWidensTheOutlineByHalfItsWidthRoundedUp) {
    test::ShapeChart chart;
    struct Case {
        const char* kind;
        short width;
        CRect probe;
        bool hit;
    };
    // A pen of 3 widens by 2 on every side, a pen of 1 by 1: outward and, for a hollow figure,
    // inward. The regions end before their right and upper edges.
    const Case cases[] = {
        {"box", -3, Cell(398, -40), true},      {"box", -3, Cell(397, -40), false},
        {"box", -3, Cell(601, -40), true},      {"box", -3, Cell(602, -40), false},
        {"box", -3, Cell(402, -40), false},     {"box", -3, Cell(401, -40), true},
        {"box", -1, Cell(399, -40), true},      {"box", -1, Cell(398, -40), false},
        {"box", -1, Cell(600, -40), true},      {"box", -1, Cell(601, -40), false},
        {"box", -1, Cell(401, -40), false},     {"box", -1, Cell(500, 61), false},
        {"arrow 1", -3, Cell(500, 61), true},   {"arrow 1", -3, Cell(500, 62), false},
        {"arrow 1", -3, Cell(500, 58), true},   {"arrow 1", -3, Cell(500, 57), false},
        {"arrow 1", -1, Cell(500, 60), true},   {"arrow 1", -1, Cell(500, 61), false},
        {"arrow 1", -1, Cell(500, 59), true},   {"arrow 1", -1, Cell(500, 58), false},
        {"line", -3, Cell(500, -39), true},     {"line", -3, Cell(500, -38), false},
        {"circle", -3, Cell(398, -40), true},   {"circle", -3, Cell(397, -40), false},
        {"triangle 2", -3, Cell(398, 0), true}, {"triangle 2", -3, Cell(397, 0), false},
    };
    std::map<std::string, test::FigureKind> kinds;
    for (const test::FigureKind& kind : FigureKinds()) {
        kinds.emplace(kind.name, kind);
    }
    for (const Case& c : cases) {
        std::unique_ptr<CZukei> shape = kinds.at(c.kind).make();
        shape->SetHatch(kHatchNone);
        shape->SetWidth(c.width);
        EXPECT_EQ(shape->HitTest(chart, c.probe, kHitTouch) != FALSE, c.hit)
            << c.kind << " width " << -c.width << " at " << c.probe.left << ", " << c.probe.bottom;
    }
}

TEST(ZukeiHitTest, TheShouldersOfAHollowArrowKeepTheirBand) {
    test::ShapeChart chart;
    // Where head and shaft meet (y -73 for the first arrow, x 533 for the second), just inside
    // the head beside the shaft and just outside beside it.
    auto down = test::TwoAnchors<CZukeiArrow1>(CPoint(400, 60), CPoint(600, -140));
    auto right = test::TwoAnchors<CZukeiArrow2>(CPoint(400, 60), CPoint(600, -140));
    for (CZukei* arrow : {static_cast<CZukei*>(down.get()), static_cast<CZukei*>(right.get())}) {
        arrow->SetHatch(kHatchNone);
    }
    EXPECT_TRUE(down->HitTest(chart, Cell(420, -73), kHitTouch));
    EXPECT_TRUE(down->HitTest(chart, Cell(420, -74), kHitTouch));
    EXPECT_FALSE(down->HitTest(chart, Cell(420, -71), kHitTouch)); // beside the shaft
    EXPECT_FALSE(down->HitTest(chart, Cell(420, -77), kHitTouch)); // inside the head
    EXPECT_TRUE(right->HitTest(chart, Cell(533, 40), kHitTouch));
    EXPECT_TRUE(right->HitTest(chart, Cell(532, 40), kHitTouch));
    EXPECT_FALSE(right->HitTest(chart, Cell(530, 40), kHitTouch));
    EXPECT_FALSE(right->HitTest(chart, Cell(537, 40), kHitTouch));
}

TEST(ZukeiHitTest, AHollowFanIsHitOnBothRadiiToTheirFullLength) {
    test::ShapeChart chart;
    // The end point lies inside the circle, 40 above the centre: the second radius still
    // reaches the curve.
    auto fan = test::ThreeAnchors<CZukeiFan>(CPoint(500, -40), CPoint(600, -40), CPoint(500, 0));
    fan->SetHatch(kHatchNone);
    EXPECT_TRUE(fan->HitTest(chart, Cell(550, -40), kHitTouch)); // the first radius
    EXPECT_TRUE(fan->HitTest(chart, Cell(500, -20), kHitTouch)); // the second, before its point
    EXPECT_TRUE(fan->HitTest(chart, Cell(500, 30), kHitTouch));  // and beyond it
    EXPECT_FALSE(fan->HitTest(chart, Cell(540, 0), kHitTouch));  // inside, hollow
    EXPECT_EQ(CZukeiFan::FullRadiusEnd(fan->GetDevicePoints(chart)), CPoint(500, 60));

    // The end point on the circle is its own end; a filled fan is hit inside.
    auto onCircle =
        test::ThreeAnchors<CZukeiFan>(CPoint(500, -40), CPoint(600, -40), CPoint(500, 60));
    EXPECT_EQ(CZukeiFan::FullRadiusEnd(onCircle->GetDevicePoints(chart)), CPoint(500, 60));
    EXPECT_TRUE(onCircle->HitTest(chart, Cell(540, 0), kHitTouch));
}

TEST(ZukeiHitTest, AnArcIsHitOnTheCurveItDrawsOnly) {
    test::ShapeChart chart;
    struct Case {
        CPoint end;
        CPoint probe;
        bool hit;
    };
    // From 0 degrees counter-clockwise to the end point's direction, radius 100 about
    // (500, -40).
    const Case cases[] = {
        // A sweep of 40 degrees that passes no corner of the square is hit in its middle.
        {{577, 24}, {594, -6}, true},
        {{577, 24}, {450, -127}, false},
        // Three quarters: the lower right quarter is left out.
        {{500, -140}, {429, 30}, true},
        {{500, -140}, {429, -111}, true},
        {{500, -140}, {570, -111}, false},
        // Equal directions: the whole circle.
        {{700, -40}, {570, -111}, true},
        {{700, -40}, {500, -40}, false},
    };
    for (const Case& c : cases) {
        auto arc = test::ThreeAnchors<CZukeiArc>(CPoint(500, -40), CPoint(600, -40), c.end);
        EXPECT_EQ(arc->HitTest(chart, Cell(c.probe.x, c.probe.y), kHitTouch) != FALSE, c.hit)
            << "end " << c.end.x << ", " << c.end.y << " probe " << c.probe.x << ", " << c.probe.y;
    }
}

TEST(ZukeiHitTest, AFigureOfAnotherPageIsNeverHit) {
    test::ShapeChart chart;
    for (const test::FigureKind& kind : FigureKinds()) {
        std::unique_ptr<CZukei> shape = kind.make();
        shape->SetPage(1, 0);
        EXPECT_FALSE(shape->HitTest(chart, CRect(-5000, 5000, 5000, -5000), kHitTouch))
            << kind.name;
        EXPECT_FALSE(shape->HitTest(chart, CRect(-5000, 5000, 5000, -5000), kHitInside))
            << kind.name;
    }
}

// ---- The regions ----------------------------------------------------------------------------

TEST(ZukeiHitAreaTest, ABandIsTheOuterOutlineLessTheInner) {
    const ZukeiHitArea band{ZukeiOutline::Rect(CRect(0, 0, 10, 10)), std::nullopt,
                            ZukeiOutline::Rect(CRect(2, 2, 8, 8))};
    EXPECT_TRUE(HitTestArea(band, Cell(1, 5), kHitTouch));
    EXPECT_FALSE(HitTestArea(band, Cell(5, 5), kHitTouch));
    EXPECT_TRUE(HitTestArea(band, CRect(4, 4, 9, 6), kHitTouch));
    EXPECT_FALSE(HitTestArea(band, Cell(10, 5), kHitTouch));
    // An empty probe touches nothing; a probe around the outline holds it, the hole or not.
    EXPECT_FALSE(HitTestArea(band, CRect(1, 1, 1, 5), kHitTouch));
    EXPECT_TRUE(HitTestArea(band, CRect(0, 0, 10, 10), kHitInside));
    EXPECT_FALSE(HitTestArea(band, CRect(0, 0, 10, 9), kHitInside));

    // Cut to a second outline: what lies outside it does not count.
    const ZukeiHitArea cut{ZukeiOutline::Rect(CRect(0, 0, 10, 10)),
                           ZukeiOutline::Rect(CRect(5, -100, 100, 100)), std::nullopt};
    EXPECT_FALSE(HitTestArea(cut, Cell(2, 2), kHitTouch));
    EXPECT_TRUE(HitTestArea(cut, Cell(7, 2), kHitTouch));
    EXPECT_TRUE(HitTestArea(cut, CRect(5, 0, 10, 10), kHitInside));
}

TEST(ZukeiHitAreaTest, AProbeAroundWhatTheRegionHoldsHoldsTheArea) {
    // A sharp triangle's region stops short of its apex: a probe that leaves out the apex's
    // last unit still holds all of it.
    const CPoint triangle[] = {{0, 0}, {100, 0}, {50, 100}};
    const ZukeiHitArea area{ZukeiOutline::Polygon(triangle, 3), std::nullopt, std::nullopt};
    EXPECT_TRUE(HitTestArea(area, CRect(0, 0, 100, 99), kHitInside));
    EXPECT_FALSE(HitTestArea(area, CRect(0, 0, 100, 90), kHitInside));
    // A shape with nothing in it lies in any probe.
    const ZukeiHitArea flat{ZukeiOutline::Polygon(triangle, 2), std::nullopt, std::nullopt};
    EXPECT_TRUE(HitTestArea(flat, CRect(500, 500, 501, 501), kHitInside));
    EXPECT_FALSE(HitTestArea(flat, CRect(-500, -500, 501, 501), kHitTouch));
}

TEST(ZukeiHitAreaTest, GrowingKeepsTheOrientationAndNarrowingStopsAtTheMiddle) {
    struct Case {
        CRect rect;
        int d;
        CRect expected;
    };
    const Case cases[] = {
        {{0, 0, 10, -20}, 2, {-2, 2, 12, -22}}, {{10, -20, 0, 0}, 2, {12, -22, -2, 2}},
        {{0, 0, 10, -20}, -2, {2, -2, 8, -18}}, {{0, 0, 10, -20}, -5, {5, -5, 5, -15}},
        {{0, 0, 10, -20}, -7, {5, -7, 5, -13}},
    };
    for (const Case& c : cases) {
        const CRect r = GrowOutward(c.rect, c.d);
        EXPECT_EQ(r, c.expected) << c.d;
    }
}

} // namespace
} // namespace tembra
