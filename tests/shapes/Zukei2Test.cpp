// Two-anchor shapes: their dates and rows, their placement in the three modes, the anchors the
// mouse sets, and moving and resizing them.
#include "shapes/Zukei2.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiView.h"

#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tembra {
namespace {

using test::Day;

// A circle as far as its anchors go: the kind that answers for its centre.
class RoundShape : public CZukei2 {
public:
    RoundShape() { RoundShape::SetKind(); }
    void SetKind() override { CDataHeader::SetKind(kZukeiCircle); }
};

CDatePos CursorAt(const IZukeiView& view, CPoint point) {
    CDatePos pos;
    pos.point = point;
    pos.date = CZukei::XToDate(view, point.x);
    pos.row = CZukei::YToRow(view, point.y);
    return pos;
}

// ---- Dates and rows -----------------------------------------------------------------------------

TEST(Zukei2Test, TheFirstAnchorOrTheExtentAndACircleAnswersForItsCentre) {
    CZukei2 plain;
    RoundShape circle;
    for (CZukei2* shape : {static_cast<CZukei2*>(&plain), static_cast<CZukei2*>(&circle)}) {
        shape->SetAnchors(Day(2010, 5, 3), 2.4, Day(2010, 5, 1), 5.6);
    }
    EXPECT_EQ(circle.GetStartDate(-1), Day(2010, 5, 2));
    EXPECT_EQ(circle.GetStartDate(0), Day(2010, 5, 1));
    EXPECT_EQ(plain.GetStartDate(-1), Day(2010, 5, 3));
    EXPECT_EQ(plain.GetStartDate(0), Day(2010, 5, 1));
    EXPECT_EQ(plain.GetEndDate(-1), Day(2010, 5, 1));
    EXPECT_EQ(plain.GetEndDate(0), Day(2010, 5, 3));
    EXPECT_DOUBLE_EQ(circle.GetTopRow(-1), 4.0);
    EXPECT_DOUBLE_EQ(plain.GetTopRow(-1), 2.4);
    EXPECT_DOUBLE_EQ(plain.GetTopRow(0), 2.4);
    EXPECT_DOUBLE_EQ(plain.GetBottomRow(-1), 5.6);
    EXPECT_DOUBLE_EQ(plain.GetBottomRow(0), 5.6);

    struct PosCase {
        const CZukei2* shape;
        int mode;
        short startRow;
        double startFraction;
    };
    const PosCase cases[] = {
        {&plain, 0, 3, -0.1},
        {&plain, -1, 3, -0.1},
        {&circle, 0, 5, -0.5}, // the centre row 4.0
        {&circle, -1, 3, -0.1},
    };
    for (const PosCase& c : cases) {
        short row = 0;
        double fraction = 0.0;
        c.shape->GetStartPos(row, fraction, c.mode);
        EXPECT_EQ(row, c.startRow) << c.mode;
        EXPECT_NEAR(fraction, c.startFraction, 1e-9) << c.mode;
        c.shape->GetEndPos(row, fraction, c.mode);
        EXPECT_EQ(row, 7);
        EXPECT_NEAR(fraction, -0.9, 1e-9);
    }
}

TEST(Zukei2Test, AnchorsAreCopiedSetAndTheirOffsetsCompared) {
    CZukei2 source;
    CDatePos pos;
    pos.date = Day(2010, 4, 2);
    pos.row = 3.0;
    test::ShapeChart chart;
    pos.point = CPoint(600, -300);
    source.SetPoint(pos, chart, 1);
    pos.point = CPoint(700, -400);
    source.SetPoint(pos, chart, 2);
    EXPECT_TRUE(source.HasOffsets());

    CZukei2 copy;
    copy.CopyAnchorsFrom(source);
    EXPECT_EQ(copy.GetAnchor1(), source.GetAnchor1());
    EXPECT_EQ(copy.GetAnchor2(), source.GetAnchor2());

    copy.ResetOffsets();
    EXPECT_FALSE(copy.HasOffsets());
    EXPECT_EQ(copy.GetAnchor2().GetOffset(), CPoint());

    source.SetPage(4, 5);
    source.SetAnchors(Day(2010, 4, 5), 1.5, Day(2010, 4, 6), 2.5);
    EXPECT_EQ(source.GetAnchor1(), CZukeiPoint(Day(2010, 4, 5), 1.5));
    EXPECT_EQ(source.GetAnchor2(), CZukeiPoint(Day(2010, 4, 6), 2.5));
    EXPECT_EQ(source.GetPageCol(), 0u);
    EXPECT_EQ(source.GetPageRow(), 0);
}

// ---- Placement ----------------------------------------------------------------------------------

// A view at a zoom that shows the first page, or the page 35 days and 35 rows on (the second
// page column and row, 5 days and 5 rows into them).
class PlacedView {
public:
    PlacedView(test::ShapeChart& chart, int zoomIndex, bool laterPage) {
        chart.layout.SetZoomIndex(zoomIndex);
        chart.layout.RecalcLayout();
        m_layout = chart.layout;
        if (laterPage) {
            m_layout.SetStartDate(Day(2010, 5, 6));
            m_layout.SetEndDate(Day(2010, 6, 4));
            m_layout.SetFirstRow(35);
            m_layout.SetLastRow(64);
        }
    }
    const CZukeiLayoutView& View() const { return m_view; }

private:
    CPageLayout m_layout;
    CZukeiLayoutView m_view{m_layout};
};

TEST(Zukei2Test, EachModePutsTheAnchorsBackWhereTheMouseSetThem) {
    struct Case {
        short mode;
        int zoomIndex;
        bool laterPage;
    };
    const Case cases[] = {
        {kPlaceOnChart, 3, false},   {kPlaceOnChart, 3, true},    {kPlaceOnChart, 5, false},
        {kPlaceOnChart, 5, true},    {kPlaceFixedSize, 3, false}, {kPlaceFixedSize, 3, true},
        {kPlaceFixedSize, 5, false}, {kPlaceFixedSize, 5, true},  {kPlaceOnPage, 3, false},
        {kPlaceOnPage, 3, true},     {kPlaceOnPage, 5, false},    {kPlaceOnPage, 5, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " zoom index " << c.zoomIndex
                                        << (c.laterPage ? " later page" : " first page"));
        test::ShapeChart chart;
        const PlacedView placed(chart, c.zoomIndex, c.laterPage);
        const IZukeiView& view = placed.View();
        const int zoom = view.GetPageLayout().GetZoom();
        const CRect area = view.GetPageLayout().GetChartRect();
        const CPoint p1(area.left + area.Width() / 3, area.top + area.Height() / 4);
        const CPoint p2(area.left + area.Width() / 2, area.top + area.Height() / 2);

        CZukei2 shape;
        shape.SetPointMode(c.mode);
        shape.SetPoint(CursorAt(view, p1), view, 1);
        shape.SetPoint(CursorAt(view, p2), view, 2);
        const CRect rect = shape.GetDeviceRect(view);
        // Offsets are kept at 100 %: a point comes back within what a zoom step loses.
        const int slack = zoom / 100;
        EXPECT_LE(std::abs(rect.left - p1.x), slack);
        EXPECT_LE(std::abs(rect.top - p1.y), slack);
        EXPECT_LE(std::abs(rect.right - p2.x), slack);
        EXPECT_LE(std::abs(rect.bottom - p2.y), slack);

        // A page-fixed shape stands only on its own page.
        const ZukeiPage page = CZukei::GetPageOf(view);
        EXPECT_EQ(shape.GetPageCol(), page.col);
        EXPECT_EQ(shape.GetPageRow(), page.row);
        test::ShapeChart other;
        const PlacedView otherPage(other, c.zoomIndex, !c.laterPage);
        if (c.mode == kPlaceOnPage) {
            EXPECT_EQ(shape.GetDeviceRect(otherPage.View()), CRect());
        } else {
            EXPECT_NE(shape.GetDeviceRect(otherPage.View()), CRect());
        }
    }
}

TEST(Zukei2Test, PageRemaindersShiftTheOffsetsByTheirDaysAndRows) {
    test::ShapeChart chart;
    const PlacedView later(chart, 3, true);
    const IZukeiView& view = later.View();
    CZukei2 shape;
    shape.SetPointMode(kPlaceOnPage);
    shape.SetPoint(CursorAt(view, CPoint(1000, -500)), view, 1);
    shape.SetPoint(CursorAt(view, CPoint(1200, -700)), view, 2);
    // 5 days of 2210 / 30 and 5 rows of 1480 / 30 from the first anchor, added to both.
    const CPoint o1 = shape.GetAnchor1().GetOffset();
    const CPoint o2 = shape.GetAnchor2().GetOffset();
    EXPECT_GE(o1.x - 1000, 368);
    EXPECT_LE(o1.x - 1000, 369);
    EXPECT_LE(o1.y + 500, -246);
    EXPECT_GE(o1.y + 500, -247);
    EXPECT_EQ(o2 - o1, CPoint(200, -200));
    EXPECT_EQ(shape.GetPageCol(), 1u);
    EXPECT_EQ(shape.GetPageRow(), 1);
}

TEST(Zukei2Test, SetPointTakesOnlyTheTwoAnchors) {
    test::ShapeChart chart;
    CZukei2 shape;
    CDatePos pos = CursorAt(chart, CPoint(1000, -500));
    shape.SetPoint(pos, chart, 3);
    shape.SetPoint(pos, chart, 0);
    EXPECT_EQ(shape.GetAnchor1(), CZukeiPoint());
    EXPECT_EQ(shape.GetAnchor2(), CZukeiPoint());
    shape.SetPoint(pos, chart, 1);
    EXPECT_EQ(shape.GetAnchor1().GetDate(), pos.date);
    EXPECT_EQ(shape.GetAnchor1().GetRow(), pos.row);
    EXPECT_EQ(shape.GetAnchor1().GetOffset(), CPoint(1000, -500));
}

TEST(Zukei2Test, FixingOffsetsLeavesTheShapeWhereItIsAtEveryZoom) {
    for (int zoomIndex : {3, 5, 7}) {
        for (short mode : {kPlaceFixedSize, kPlaceOnPage}) {
            SCOPED_TRACE(testing::Message() << "zoom index " << zoomIndex << " mode " << mode);
            test::ShapeChart chart;
            chart.layout.SetZoomIndex(zoomIndex);
            chart.layout.RecalcLayout();
            const int zoom = chart.layout.GetZoom();
            CZukei2 shape;
            shape.SetAnchors(Day(2010, 4, 9, 7), 6.3, Day(2010, 4, 21, 15), 17.8);
            const CRect onChart = shape.GetDeviceRect(chart);
            shape.SetPointMode(mode);
            shape.FixOffsets(chart);
            const CRect fixed = shape.GetDeviceRect(chart);
            const int slack = zoom / 100;
            EXPECT_LE(std::abs(fixed.left - onChart.left), slack);
            EXPECT_LE(std::abs(fixed.top - onChart.top), slack);
            EXPECT_LE(std::abs(fixed.right - onChart.right), slack);
            EXPECT_LE(std::abs(fixed.bottom - onChart.bottom), slack);
        }
    }
}

TEST(Zukei2Test, FixingOffsetsNeedsAFixedModeAndNoOffsetsYet) {
    test::ShapeChart chart;
    CZukei2 shape;
    shape.SetAnchors(Day(2010, 4, 9), 6.0, Day(2010, 4, 21), 17.0);
    shape.FixOffsets(chart);
    EXPECT_EQ(shape.GetAnchor1().GetOffset(), CPoint());

    CZukei2 placed;
    placed.SetPointMode(kPlaceFixedSize);
    placed.SetPoint(CursorAt(chart, CPoint(1000, -500)), chart, 1);
    placed.SetPoint(CursorAt(chart, CPoint(1200, -700)), chart, 2);
    const CZukeiPoint before = placed.GetAnchor2();
    placed.MoveBy(CTimeSpan(3, 0, 0, 0), 0.0);
    placed.FixOffsets(chart);
    EXPECT_EQ(placed.GetAnchor2().GetOffset(), before.GetOffset());
}

// ---- Moving and resizing ------------------------------------------------------------------------

TEST(Zukei2Test, MovingChangesDatesAndRowsAndOffsetsOnlyWhenTheyHaveBothParts) {
    test::ShapeChart chart;
    CZukei2 shape;
    shape.SetAnchors(Day(2010, 4, 9), 6.0, Day(2010, 4, 21), 17.0);
    shape.MoveAnchors(chart, CPoint(123, 456), CTimeSpan(1, 0, 0, 0), 1.0);
    EXPECT_EQ(shape.GetAnchor1(), CZukeiPoint(Day(2010, 4, 10), 7.0));
    EXPECT_EQ(shape.GetAnchor2(), CZukeiPoint(Day(2010, 4, 22), 18.0));

    CZukei2 pinned;
    pinned.SetPointMode(kPlaceOnPage);
    pinned.SetPoint(CursorAt(chart, CPoint(1000, -500)), chart, 1);
    pinned.SetPoint(CursorAt(chart, CPoint(1200, -700)), chart, 2);
    const CRect before = pinned.GetDeviceRect(chart);
    pinned.MoveAnchors(chart, CPoint(), CTimeSpan(2, 0, 0, 0), -1.0);
    const CRect after = pinned.GetDeviceRect(chart);
    // Two days of 2210 / 30 to the right, one row of 1480 / 30 up.
    EXPECT_NEAR(after.left - before.left, 147, 1);
    EXPECT_NEAR(after.top - before.top, 49, 1);
    EXPECT_EQ(after.Width(), before.Width());
    EXPECT_EQ(after.Height(), before.Height());
}

TEST(Zukei2Test, ALineDrawnRightToLeftKeepsItsFirstAnchorOnTheRight) {
    test::ShapeChart chart;
    CZukei2 line;
    line.SetAnchors(Day(2010, 4, 16), 15.0, Day(2010, 4, 1), 0.0);
    const CRect rect = line.GetDeviceRect(chart);
    EXPECT_EQ(rect, CRect(1635, -860, 530, -120));

    // The left handle drags the second anchor to where the drag ends.
    const CRect ref(530, -120, 1635, -860);
    CDatePos pos;
    pos.endDate = Day(2010, 3, 31);
    pos.endRow = 0.0;
    line.ResizeAnchors(chart, CPoint(-74, 0), kHandleLeft, ref, pos);
    EXPECT_EQ(line.GetAnchor2().GetDate(), Day(2010, 3, 31));
    EXPECT_EQ(line.GetAnchor1().GetDate(), Day(2010, 4, 16));
    EXPECT_EQ(line.GetAnchor1().GetRow(), 15.0);
    EXPECT_EQ(line.GetAnchor2().GetRow(), 0.0);

    // The bottom handle drags the first anchor, the lower one.
    pos.endRow = 20.0;
    line.ResizeAnchors(chart, CPoint(0, -247), kHandleBottom, ref, pos);
    EXPECT_EQ(line.GetAnchor1().GetRow(), 20.0);
    EXPECT_EQ(line.GetAnchor2().GetRow(), 0.0);
}

TEST(Zukei2Test, ResizingASelectionScalesEveryAnchorAgainstItsRectangle) {
    test::ShapeChart chart;
    CZukei2 shape;
    shape.SetAnchors(Day(2010, 4, 16), 15.0, Day(2010, 4, 23), 22.0);
    const CRect chartRect(530, -120, 2740, -1600);
    // The right edge of the whole chart dragged to its middle: every x halves its distance from
    // the left edge.
    CDatePos pos;
    pos.endDate = Day(2010, 4, 16);
    shape.ResizeAnchors(chart, CPoint(-1105, 0), kHandleRight, chartRect, pos);
    EXPECT_NEAR(CZukei::DateToX(chart, shape.GetAnchor1().GetDate()), 530 + 1105 / 2, 1);
    EXPECT_NEAR(CZukei::DateToX(chart, shape.GetAnchor2().GetDate()), 530 + (2150 - 530) / 2, 1);
    EXPECT_EQ(shape.GetAnchor1().GetRow(), 15.0);

    // A drag that would leave it narrower than 10 units leaves 10.
    CZukei2 narrow;
    narrow.SetAnchors(Day(2010, 4, 16), 15.0, Day(2010, 4, 23), 22.0);
    const CRect own(1635, -860, 2150, -1205);
    const CRect resized = narrow.GetResizedRect(chart, CPoint(-510, 0), kHandleRight, own);
    EXPECT_EQ(resized.right - resized.left, 10);
}

TEST(Zukei2Test, ResizingCarriesOffsetsWhenTheFirstHasBothParts) {
    test::ShapeChart chart;
    CZukei2 shape;
    shape.SetPointMode(kPlaceFixedSize);
    shape.SetPoint(CursorAt(chart, CPoint(1000, -500)), chart, 1);
    shape.SetPoint(CursorAt(chart, CPoint(1200, -700)), chart, 2);
    const CRect before = shape.GetDeviceRect(chart);
    CDatePos pos = CursorAt(chart, CPoint(before.right + 100, before.bottom));
    pos.endDate = pos.date;
    shape.ResizeAnchors(chart, CPoint(100, 0), kHandleRight, before, pos);
    const CRect after = shape.GetDeviceRect(chart);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.right, before.right + 100);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.bottom, before.bottom);
    EXPECT_EQ(shape.GetAnchor2().GetDate(), pos.endDate);
}

TEST(Zukei2Test, AShapeOfAnotherPageIsNotResized) {
    test::ShapeChart chart;
    CZukei2 shape;
    shape.SetPointMode(kPlaceOnPage);
    shape.SetAnchors(Day(2010, 4, 9), 6.0, Day(2010, 4, 21), 17.0);
    shape.SetPage(2, 0);
    const CZukeiPoint before = shape.GetAnchor1();
    CDatePos pos;
    shape.ResizeAnchors(chart, CPoint(50, 0), kHandleRight, CRect(0, 0, 100, -100), pos);
    EXPECT_EQ(shape.GetAnchor1(), before);
    EXPECT_EQ(shape.GetResizedRect(chart, CPoint(50, 0), kHandleRight, CRect(0, 0, 100, -100)),
              CRect());
}

} // namespace
} // namespace tembra
