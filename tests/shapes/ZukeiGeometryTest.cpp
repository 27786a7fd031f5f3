// What every shape shares: the scaling of a handle drag, squaring, the handles themselves and
// the band around a segment that counts as a hit.
#include "shapes/ZukeiGeometry.h"
#include "platform/RecordingDC.h"
#include "shapes/Zukei.h"
#include "shapes/ZukeiView.h"

#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

std::string Str(const CRect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

// A shape whose device rectangle is given.
class BoxedShape : public CZukei {
public:
    explicit BoxedShape(const CRect& rect) : m_rect(rect) {}
    CRect GetDeviceRect(const IZukeiView&) const override { return m_rect; }

private:
    CRect m_rect;
};

// ---- Resizing by a handle -----------------------------------------------------------------------

TEST(ResizeRectTest, HandlesScaleTheirEdgesAgainstTheSelection) {
    struct Case {
        int handle;
        CPoint delta;
        CRect ref;
        CRect rect;
        CRect expected;
    };
    const CRect box(0, 100, 100, 0);
    const Case cases[] = {
        // Right edge: 10 units at least; dragged past the left edge the box turns over.
        {kHandleRight, {-95, 0}, box, box, {0, 100, 10, 0}},
        {kHandleRight, {-150, 0}, box, box, {0, 100, -50, 0}},
        {kHandleRight, {30, 0}, box, box, {0, 100, 130, 0}},
        {kHandleLeft, {95, 0}, box, box, {90, 100, 100, 0}},
        {kHandleLeft, {-50, 0}, box, box, {-50, 100, 100, 0}},
        {kHandleTop, {0, -95}, box, box, {0, 10, 100, 0}},
        {kHandleBottom, {0, 95}, box, box, {0, 100, 100, 90}},
        // Corners move two edges.
        {kHandleTopLeft, {-20, 30}, box, box, {-20, 130, 100, 0}},
        {kHandleBottomRight, {20, -30}, box, box, {0, 100, 120, -30}},
        {kHandleTopRight, {20, 30}, box, box, {0, 130, 120, 0}},
        {kHandleBottomLeft, {-20, -30}, box, box, {-20, 100, 100, -30}},
        // About the centre, delta is the new half size: half the box's size keeps it.
        {kHandleCenter, {50, -50}, box, box, box},
        {kHandleCenter, {100, -100}, box, box, {-50, 150, 150, -50}},
        {kHandleCenter, {2, -50}, box, box, {45, 100, 55, 0}},
        // A shape inside a wider selection scales with it.
        {kHandleRight, {-100, 0}, {0, 100, 200, 0}, {100, 100, 200, 0}, {50, 100, 100, 0}},
        // A selection of no width divides by 1.
        {kHandleRight, {7, 0}, {10, 100, 10, 0}, {10, 100, 10, 0}, {10, 100, 20, 0}},
    };
    for (const Case& c : cases) {
        CRect r = c.rect;
        ScaleRectByHandle(c.delta, c.handle, c.ref, r, CZukei::kMinResize);
        EXPECT_EQ(r, c.expected) << "handle " << c.handle << " delta " << c.delta.x << ", "
                                 << c.delta.y << ": " << Str(r);
    }
}

TEST(ResizeRectTest, TheShapeRuleUsesTenAndOthersTheirOwnMinimum) {
    test::ShapeChart chart;
    const BoxedShape shape{CRect()};
    CRect r(0, 100, 100, 0);
    shape.ResizeRect(chart, CPoint(-95, 0), kHandleRight, CRect(0, 100, 100, 0), r);
    EXPECT_EQ(r, CRect(0, 100, 10, 0));
    r = CRect(0, 100, 100, 0);
    ScaleRectByHandle(CPoint(-95, 0), kHandleRight, CRect(0, 100, 100, 0), r, 20);
    EXPECT_EQ(r, CRect(0, 100, 20, 0));
}

TEST(SquareRectTest, CornersKeepTheirFixedEdgesAndTheOthersSquareAboutTheCentre) {
    struct Case {
        int handle;
        CRect rect;
        CRect expected;
    };
    const CRect tall(0, 100, 60, 0);
    const CRect wide(0, 60, 100, 0);
    const Case cases[] = {
        {kHandleTopLeft, tall, {0, 60, 60, 0}},
        {kHandleTopRight, tall, {0, 60, 60, 0}},
        {kHandleBottomRight, tall, {0, 100, 60, 40}},
        {kHandleBottomLeft, tall, {0, 100, 60, 40}},
        {kHandleTopLeft, wide, {40, 60, 100, 0}},
        {kHandleTopRight, wide, {0, 60, 60, 0}},
        {kHandleTop, wide, {20, 60, 80, 0}},
        {kHandleRight, wide, {20, 60, 80, 0}},
        {kHandleCenter, wide, {20, 60, 80, 0}},
        {kHandleCenter, tall, {0, 80, 60, 20}},
        // Turned rectangles keep their orientation.
        {kHandleCenter, {100, 0, 0, 60}, {80, 0, 20, 60}},
        {kHandleTop, {100, 0, 0, 60}, {20, 0, 80, 60}},
        {kHandleLeft, {100, 0, 0, 60}, {80, 60, 20, 0}},
    };
    for (const Case& c : cases) {
        CRect r = c.rect;
        SquareRect(c.handle, r);
        EXPECT_EQ(r, c.expected) << "handle " << c.handle << " " << Str(c.rect) << ": " << Str(r);
    }
}

// ---- Handles ------------------------------------------------------------------------------------

TEST(HandleTest, TheHigherHandleWinsWhereSquaresOverlap) {
    test::ShapeChart chart;
    CRecordingDC dc; // one unit a pixel: squares of +-5 units
    struct Case {
        CRect rect;
        CPoint point;
        int handle;
    };
    const Case cases[] = {
        {{0, 6, 6, 0}, {1, 5}, kHandleLeft},
        {{0, 6, 6, 0}, {10, 0}, kHandleBottomRight},
        {{0, 6, 6, 0}, {20, 20}, kHandleNone},
        {{0, 100, 200, 0}, {100, 102}, kHandleTop},
        {{0, 100, 200, 0}, {198, 52}, kHandleRight},
        {{0, 100, 200, 0}, {0, 0}, kHandleBottomLeft},
        {{0, 100, 200, 0}, {-4, 104}, kHandleTopLeft},
        {{0, 100, 200, 0}, {-6, 100}, kHandleNone},
        {{0, 100, 200, 0}, {100, 50}, kHandleNone},
        // Handles are found on the normalised rectangle.
        {{200, 0, 0, 100}, {-4, 104}, kHandleTopLeft},
    };
    for (const Case& c : cases) {
        const BoxedShape shape(c.rect);
        EXPECT_EQ(shape.HitTestHandle(chart, dc, c.point), c.handle)
            << Str(c.rect) << " at " << c.point.x << ", " << c.point.y;
    }
}

TEST(HandleTest, HandleSizesAreDevicePixels) {
    test::ShapeChart chart;
    CRecordingDC dc; // 96 dpi: 5 pixels are 13 units of 0.1 mm
    dc.SetMapMode(MM_LOMETRIC);
    const BoxedShape shape(CRect(0, 1000, 2000, 0));
    EXPECT_EQ(shape.HitTestHandle(chart, dc, CPoint(1012, 1000)), kHandleTop);
    EXPECT_EQ(shape.HitTestHandle(chart, dc, CPoint(1000, 987)), kHandleTop);
    EXPECT_EQ(shape.HitTestHandle(chart, dc, CPoint(1000, 986)), kHandleNone);
}

TEST(HandleTest, DrawHandlesInvertsEightBlocksInOrder) {
    test::ShapeChart chart;
    CRecordingDC dc;
    const BoxedShape shape(CRect(0, 6, 6, 0));
    CRect rect; // empty: the shape's own rectangle
    shape.DrawHandles(chart, dc, rect);
    EXPECT_EQ(rect, CRect(0, 6, 6, 0));
    const std::vector<CRecordingDC::Record> blocks = dc.Find(DcOp::PatBlt);
    const CPoint points[] = {{0, 6}, {3, 6}, {6, 6}, {6, 3}, {6, 0}, {3, 0}, {0, 0}, {0, 3}};
    ASSERT_EQ(blocks.size(), 8u) << dc.Dump();
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const CPoint& p = points[i];
        EXPECT_EQ(blocks[i].args.rect, CRect(p.x - 2, p.y + 2, p.x + 3, p.y - 3)) << i + 1;
        EXPECT_EQ(blocks[i].args.values, std::vector<long long>{DSTINVERT});
    }

    // A rectangle given is normalised in place and used.
    dc.Clear();
    CRect given(20, -10, 10, 10);
    shape.DrawHandles(chart, dc, given);
    EXPECT_EQ(given, CRect(10, 10, 20, -10));
    ASSERT_EQ(dc.Find(DcOp::PatBlt).size(), 8u);
    EXPECT_EQ(dc.Find(DcOp::PatBlt)[0].args.rect, CRect(8, 12, 13, 7));

    // A shape that is not on the page has no handles to show.
    dc.Clear();
    const BoxedShape absent{CRect()};
    CRect none;
    absent.DrawHandles(chart, dc, none);
    EXPECT_TRUE(dc.Find(DcOp::PatBlt).empty());
}

// ---- The hit band of a segment ------------------------------------------------------------------

CRect Cell(int x, int y) {
    return CRect(x, y + 1, x + 1, y); // one unit, y upwards
}

TEST(SegmentHitTestTest, TheBandReachesHalfTheWidthAroundAndBeyond) {
    struct Case {
        CPoint a;
        CPoint b;
        int w;
        CRect probe;
        bool hit;
    };
    const Case cases[] = {
        // A segment of no length is a square of 2w about its point.
        {{10, 10}, {10, 10}, 3, Cell(7, 7), true},
        {{10, 10}, {10, 10}, 3, Cell(12, 12), true},
        {{10, 10}, {10, 10}, 3, Cell(13, 10), false},
        {{10, 10}, {10, 10}, 3, Cell(10, 6), false},
        // Horizontal and vertical: w across and beyond the ends.
        {{0, 0}, {100, 0}, 2, Cell(50, 1), true},
        {{0, 0}, {100, 0}, 2, Cell(50, 2), false},
        {{0, 0}, {100, 0}, 2, Cell(101, 0), true},
        {{0, 0}, {100, 0}, 2, Cell(102, 0), false},
        {{0, -50}, {0, 50}, 2, Cell(-2, -51), true},
        {{0, -50}, {0, 50}, 2, Cell(-3, 0), false},
        // Slanted either way, below the x axis too.
        {{0, 0}, {100, 100}, 5, Cell(50, 50), true},
        {{0, 0}, {100, 100}, 5, Cell(53, 47), true},
        {{0, 0}, {100, 100}, 5, Cell(60, 40), false},
        {{0, 0}, {100, -100}, 5, Cell(50, -50), true},
        {{0, 0}, {100, -100}, 5, Cell(47, -53), true},
        {{0, 0}, {100, -100}, 5, Cell(60, -40), false},
        {{100, -100}, {0, 0}, 5, Cell(-9, 0), false},
        {{100, -100}, {0, 0}, 5, Cell(-3, 1), true},
        // A probe that holds the band touches it.
        {{0, 0}, {100, 0}, 2, {-500, 500, 500, -500}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SegmentHitTest(c.a, c.b, c.w, c.probe, kHitTouch), c.hit)
            << "(" << c.a.x << ", " << c.a.y << ")-(" << c.b.x << ", " << c.b.y << ") w " << c.w
            << " probe " << Str(c.probe);
        EXPECT_EQ(SegmentHitTest(c.a, c.b, c.w, c.probe, kHitDrag), c.hit);
    }
}

TEST(SegmentHitTestTest, InsideModeWantsTheWholeBand) {
    struct Case {
        CPoint a;
        CPoint b;
        CRect probe;
        bool inside;
    };
    const Case cases[] = {
        {{0, 0}, {100, 0}, {-10, 10, 110, -10}, true},
        {{0, 0}, {100, 0}, {-2, 2, 102, -2}, true},
        {{0, 0}, {100, 0}, {0, 10, 100, -10}, false}, // the band reaches 2 beyond the ends
        {{0, 0}, {100, 100}, {-10, -10, 110, 110}, true},
        {{0, 0}, {100, 100}, {0, 0, 100, 100}, false},
        {{0, 0}, {100, -100}, {-10, 10, 110, -110}, true},
        {{0, 0}, {100, -100}, {200, 10, 300, -110}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SegmentHitTest(c.a, c.b, 2, c.probe, kHitInside), c.inside)
            << "(" << c.a.x << ", " << c.a.y << ")-(" << c.b.x << ", " << c.b.y << ") probe "
            << Str(c.probe);
    }
}

TEST(SegmentHitTestTest, PenWidthsGiveTheirHalfRoundedUp) {
    const int widths[][2] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {6, 3}, {7, 4}};
    for (const auto& [pen, half] : widths) {
        EXPECT_EQ(HitTolerance(pen), half) << pen;
    }
}

} // namespace
} // namespace tembra
