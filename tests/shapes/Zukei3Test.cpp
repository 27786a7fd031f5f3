// The three-anchor base of the arc and the fan: storage, the circle's extent in dates and rows,
// the anchors the mouse sets, fitting the circle to a resized square, the polygon of a sector
// and the extent of the curve on a widened layout.
#include "model/Calendar.h"
#include "model/Hensoku.h"
#include "platform/RecordingDC.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiGeometry.h"
#include "support/ArchiveBytes.h"

#include "FigureTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;
using test::Day;

CDatePos CursorAt(const IZukeiView& view, CPoint point) {
    CDatePos pos;
    pos.point = point;
    pos.date = CZukei::XToDate(view, point.x);
    pos.row = CZukei::YToRow(view, point.y);
    return pos;
}

std::vector<CPoint> PointsOf(const CZukei3::Wedge& wedge) {
    return std::vector<CPoint>(wedge.points.begin(), wedge.points.begin() + wedge.count);
}

// ---- Storage and dates --------------------------------------------------------------------------

TEST(Zukei3Test, TheCountOfPlacedAnchorsAndTheThreeAnchorsFollowTheCommonPart) {
    CZukeiArc arc;
    arc.SetAnchor(0, CZukeiPoint(Day(2010, 4, 5), 3.5, CPoint(1, -2)));
    arc.SetAnchor(1, CZukeiPoint(Day(2010, 4, 9), 7.0));
    arc.SetAnchor(2, CZukeiPoint(Day(2010, 4, 2), 1.25, CPoint(-300, 40)));
    arc.SetPointCount(3);
    const Bytes common = test::Store([&](CArchive& ar) { arc.CZukei::Serialize(ar); });
    ByteWriter expected;
    expected.Append(common).Word(3);
    for (int i = 0; i < 3; ++i) {
        std::array<BYTE, CZukeiPoint::kFileSize> block{};
        arc.GetAnchor(i).ToFile(block.data());
        expected.Append(Bytes(block.begin(), block.end()));
    }
    const Bytes bytes = test::Store(arc);
    EXPECT_EQ(bytes, expected.Get());
    EXPECT_EQ(bytes.size() - common.size(), 2u + 48u);

    CZukeiFan back;
    test::Load(bytes, back);
    EXPECT_EQ(back.GetPointCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(back.GetAnchor(i), arc.GetAnchor(i)) << i;
    }
    // A short file ends the load as short.
    EXPECT_THROW(test::Load(Bytes(bytes.begin(), bytes.end() - 1), back), CArchiveException);
}

TEST(Zukei3Test, DatesAndRowsAreThoseOfTheWholeCircle) {
    CZukeiArc arc;
    arc.SetAnchor(0, CZukeiPoint(Day(2010, 4, 10), 8.0));
    arc.SetAnchor(1, CZukeiPoint(Day(2010, 4, 13), 5.5));
    arc.SetAnchor(2, CZukeiPoint(Day(2010, 4, 30), 29.0)); // the end point does not count
    EXPECT_EQ(arc.GetStartDate(0), Day(2010, 4, 7));
    EXPECT_EQ(arc.GetEndDate(0), Day(2010, 4, 13));
    EXPECT_DOUBLE_EQ(arc.GetTopRow(0), 5.5);
    EXPECT_DOUBLE_EQ(arc.GetBottomRow(-1), 10.5);
    short row = 0;
    double fraction = 0.0;
    arc.GetStartPos(row, fraction, 0);
    EXPECT_EQ(row, 7);
    EXPECT_NEAR(fraction, -1.0, 1e-9);
    arc.GetEndPos(row, fraction, 0);
    EXPECT_EQ(row, 12);
    EXPECT_NEAR(fraction, -1.0, 1e-9);

    arc.MoveBy(CTimeSpan(1, 0, 0, 0), 2.0);
    EXPECT_EQ(arc.GetAnchor(2), CZukeiPoint(Day(2010, 5, 1), 31.0));
    EXPECT_EQ(arc.GetStartDate(0), Day(2010, 4, 8));
}

// ---- Placing ------------------------------------------------------------------------------------

TEST(Zukei3Test, EachClickPlacesItsAnchorAndCountsIt) {
    test::ShapeChart chart;
    CZukeiArc arc;
    arc.SetPage(5, 5);
    arc.SetPoint(CursorAt(chart, CPoint(1635, -860)), chart, 1);
    EXPECT_EQ(arc.GetPointCount(), 1);
    EXPECT_EQ(arc.GetPageCol(), 0u);
    EXPECT_FALSE(arc.HasOffsets()); // one anchor placed
    arc.SetPoint(CursorAt(chart, CPoint(1856, -860)), chart, 2);
    EXPECT_EQ(arc.GetPointCount(), 2);
    EXPECT_TRUE(arc.HasOffsets());
    arc.SetPoint(CursorAt(chart, CPoint(1856, -860)), chart, 3);
    EXPECT_EQ(arc.GetPointCount(), 3);
    EXPECT_FALSE(arc.HasOffsets()); // the radius and end points at the same place
    EXPECT_EQ(arc.GetAnchor(0).GetDate(), Day(2010, 4, 16));
    EXPECT_DOUBLE_EQ(arc.GetAnchor(0).GetRow(), 15.0);
    EXPECT_EQ(arc.GetAnchor(1).GetOffset(), CPoint(1856, -860));

    const CZukeiPoint before = arc.GetAnchor(2);
    arc.SetPoint(CursorAt(chart, CPoint(900, -300)), chart, 4);
    arc.SetPoint(CursorAt(chart, CPoint(900, -300)), chart, 0);
    EXPECT_EQ(arc.GetAnchor(2), before);
    EXPECT_EQ(arc.GetPointCount(), 3);
}

TEST(Zukei3Test, TheSquareFollowsThePlacementMode) {
    test::ShapeChart chart;
    auto arc = test::ThreeAnchors<CZukeiArc>(CPoint(500, -40), CPoint(560, -120), CPoint(0, 0));
    EXPECT_EQ(arc->GetDeviceRect(chart), CRect(400, 60, 600, -140));
    arc->SetPage(0, 1);
    EXPECT_EQ(arc->GetDeviceRect(chart), CRect());
    EXPECT_FALSE(arc->GetDevicePoints(chart).onPage);

    // Fixed size: the centre on its date and row, the others at their offsets from it.
    CZukeiArc sized;
    sized.SetPointMode(kPlaceFixedSize);
    sized.SetAnchor(0, CZukeiPoint(Day(2010, 4, 16), 15.0, CPoint(10, 10)));
    sized.SetAnchor(1, CZukeiPoint(Day(2010, 4, 1), 0.0, CPoint(40, 50)));
    sized.SetAnchor(2, CZukeiPoint(Day(2010, 4, 1), 0.0, CPoint(10, 60)));
    const CZukei3::Geometry g = sized.GetDevicePoints(chart);
    EXPECT_EQ(g.centre, CPoint(1635, -860));
    EXPECT_EQ(g.start, CPoint(1665, -820));
    EXPECT_EQ(g.end, CPoint(1635, -810));
    EXPECT_EQ(g.radius, 50);
}

TEST(Zukei3Test, MovingAndFixingOffsets) {
    test::ShapeChart chart;
    CZukeiFan fan;
    fan.SetAnchor(0, CZukeiPoint(Day(2010, 4, 16), 15.0));
    fan.SetAnchor(1, CZukeiPoint(Day(2010, 4, 19), 15.0));
    fan.SetAnchor(2, CZukeiPoint(Day(2010, 4, 16), 10.0));
    const CRect onChart = fan.GetDeviceRect(chart);
    fan.FixOffsets(chart); // placement mode 0: nothing to fix
    EXPECT_EQ(fan.GetAnchor(0).GetOffset(), CPoint());
    fan.SetPointMode(kPlaceOnPage);
    fan.FixOffsets(chart);
    EXPECT_EQ(fan.GetDeviceRect(chart), onChart);

    // Offsets with both parts move with the centre.
    fan.MoveAnchors(chart, CPoint(), CTimeSpan(3, 0, 0, 0), -1.0);
    EXPECT_EQ(fan.GetAnchor(1).GetDate(), Day(2010, 4, 22));
    const CRect moved = fan.GetDeviceRect(chart);
    EXPECT_NEAR(moved.left - onChart.left, 221, 1);
    EXPECT_NEAR(moved.top - onChart.top, 49, 1);
    EXPECT_EQ(moved.Width(), onChart.Width());

    fan.ResetOffsets();
    EXPECT_EQ(fan.GetAnchor(2).GetOffset(), CPoint());
}

// ---- Resizing -----------------------------------------------------------------------------------

TEST(Zukei3Test, FittingTheCircleToASquareKeepsTheSenseOfTheCurve) {
    struct Case {
        const char* what;
        CRect rect;
        CPoint start;
        CPoint end;
        CPoint centre;
        CPoint newStart;
        CPoint newEnd;
        int radius;
    };
    // The circle about (0, 0) from (100, 0) to (0, 100).
    const Case cases[] = {
        {"identity", {-100, 100, 100, -100}, {100, 0}, {0, 100}, {0, 0}, {100, 0}, {0, 100}, 100},
        {"moved and halved",
         {0, 100, 100, 0},
         {100, 0},
         {0, 100},
         {50, 50},
         {100, 50},
         {50, 100},
         50},
        {"mirrored left to right",
         {100, 100, -100, -100},
         {100, 0},
         {0, 100},
         {0, 0},
         {0, 100},
         {-100, 0},
         100},
        {"mirrored top to bottom",
         {-100, -100, 100, 100},
         {100, 0},
         {0, 100},
         {0, 0},
         {0, -100},
         {100, 0},
         100},
        {"mirrored both ways",
         {100, -100, -100, 100},
         {100, 0},
         {0, 100},
         {0, 0},
         {-100, 0},
         {0, -100},
         100},
        // A direction point nearer than 10 is taken as 10 away: (3, 4) goes 3/10 and 4/10 of
        // the radius, not 3/5 and 4/5; one on the centre stays there.
        {"short direction", {-57, 57, 57, -57}, {3, 4}, {0, 0}, {0, 0}, {17, 22}, {0, 0}, 57},
    };
    for (const Case& c : cases) {
        CPoint centre(0, 0);
        CPoint start = c.start;
        CPoint end = c.end;
        int radius = 0;
        CZukei3::FitArcToRect(c.rect, centre, start, end, radius);
        EXPECT_EQ(centre, c.centre) << c.what;
        EXPECT_EQ(start, c.newStart) << c.what;
        EXPECT_EQ(end, c.newEnd) << c.what;
        EXPECT_EQ(radius, c.radius) << c.what;
    }
}

TEST(Zukei3Test, AHandleDraggedPastTheOppositeCornerLeavesASquareOfTwenty) {
    test::ShapeChart chart;
    auto arc = test::ThreeAnchors<CZukeiArc>(CPoint(500, -40), CPoint(600, -40), CPoint(500, 60));
    const CRect square(400, 60, 600, -140);
    CDatePos pos;
    arc->ResizeAnchors(chart, CPoint(-205, 205), kHandleBottomRight, square, pos);
    const CZukei3::Geometry g = arc->GetDevicePoints(chart);
    EXPECT_EQ(g.radius, 10);
    EXPECT_EQ(arc->GetDeviceRect(chart), CRect(400, 60, 420, 40));
    EXPECT_EQ(g.start, CPoint(420, 50));
    EXPECT_EQ(g.end, CPoint(410, 60));
}

TEST(Zukei3Test, AResizeKeepsTheCircleRoundAndMovesTheDates) {
    test::ShapeChart chart;
    CZukeiArc arc;
    arc.SetAnchor(0, CZukeiPoint(Day(2010, 4, 16), 15.0));
    arc.SetAnchor(1, CZukeiPoint(Day(2010, 4, 19), 15.0));
    arc.SetAnchor(2, CZukeiPoint(Day(2010, 4, 16), 10.0));
    const CRect before = arc.GetDeviceRect(chart); // (1414, -639, 1856, -1081)
    EXPECT_EQ(before, CRect(1414, -639, 1856, -1081));
    // The right edge dragged 100 to the right: the square grows to 542 and stays square.
    EXPECT_EQ(arc.GetResizedRect(chart, CPoint(100, 0), kHandleRight, before),
              CRect(1414, -639, 1956, -1081));
    CRecordingDC dc;
    arc.DrawTracking(chart, dc, CPoint(100, 0), kHandleRight, before);
    ASSERT_EQ(dc.Find(DcOp::Arc).size(), 1u) << dc.Dump();
    CDatePos pos;
    arc.ResizeAnchors(chart, CPoint(100, 0), kHandleRight, before, pos);
    const CRect after = arc.GetDeviceRect(chart);
    EXPECT_NEAR(after.Width(), -after.Height(), 2);
    EXPECT_NEAR(after.Width(), 442, 2);
    EXPECT_NEAR(after.CenterPoint().x, (1414 + 1956) / 2, 2);
    EXPECT_GT(arc.GetAnchor(1).GetDate(), Day(2010, 4, 19));
}

// ---- The sector polygon -------------------------------------------------------------------------

TEST(Zukei3Test, TheSectorPolygonFollowsTheSweepPastTheCorners) {
    // The circle of radius 100 about (0, 0); its square grown by 2 has the corners (+-102,
    // +-102).
    const CRect square(-100, 100, 100, -100);
    struct Case {
        const char* what;
        CPoint start;
        CPoint end;
        std::vector<CPoint> points;
    };
    const Case cases[] = {
        {"first quarter", {100, 0}, {0, 100}, {{0, 0}, {102, 0}, {102, 102}, {0, 102}}},
        {"second quarter", {0, 100}, {-100, 0}, {{0, 0}, {0, 102}, {-102, 102}, {-102, 0}}},
        {"third quarter", {-100, 0}, {0, -100}, {{0, 0}, {-102, 0}, {-102, -102}, {0, -102}}},
        {"fourth quarter, across 0",
         {0, -100},
         {100, 0},
         {{0, 0}, {0, -102}, {102, -102}, {102, 0}}},
        {"three quarters, start after end",
         {0, 100},
         {100, 0},
         {{0, 0}, {0, 102}, {-102, 102}, {-102, -102}, {102, -102}, {102, 0}}},
        {"between two corners", {100, 50}, {100, 90}, {{0, 0}, {102, 51}, {102, 92}}},
        {"the whole circle",
         {100, 0},
         {200, 0},
         {{0, 0}, {102, 0}, {102, 102}, {-102, 102}, {-102, -102}, {102, -102}, {102, 0}}},
        {"no direction", {0, 0}, {0, 100}, {{0, 0}, {0, 0}, {0, 0}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PointsOf(CZukei3::ArcPolygon(square, CPoint(0, 0), c.start, c.end)), c.points)
            << c.what;
    }
}

// ---- The extent of the curve --------------------------------------------------------------------

TEST(Zukei3Test, TheExtentOfAQuarterArcOnALinearChart) {
    test::ShapeChart chart;
    // About 16 April, row 15 (1635, -860), radius 3 days (221 units), from 0 to 90 degrees.
    CZukeiArc arc;
    arc.SetStyle(7);
    arc.SetAnchor(0, CZukeiPoint(Day(2010, 4, 16), 15.0));
    arc.SetAnchor(1, CZukeiPoint(Day(2010, 4, 19), 15.0));
    arc.SetAnchor(2, CZukeiPoint(Day(2010, 4, 16), 10.0));
    CTime start;
    CTime end;
    double top = 0.0;
    double bottom = 0.0;
    arc.GetArcExtent(chart, &start, &end, &top, &bottom);
    // From the centre's date to 2 units past the circle (x 1858), from 2 units above the circle
    // (y -637) down to the centre's row.
    EXPECT_EQ(start, Day(2010, 4, 16));
    // 30 days x (1858 - 530) / 2210 after the start: 18 days and 2345 seconds.
    EXPECT_EQ(end, Day(2010, 4, 19, 0, 39) + CTimeSpan(0, 0, 0, 5));
    EXPECT_NEAR(top, 30.0 * 517 / 1480, 1e-9);
    EXPECT_DOUBLE_EQ(bottom, 15.0);
    // Nothing needed widening.
    const CPageLayout layout = arc.GetArcLayout(chart);
    EXPECT_EQ(layout.GetStartDate(), Day(2010, 4, 1));
    EXPECT_EQ(layout.GetEndDate(), Day(2010, 4, 30));
    EXPECT_EQ(layout.GetFirstRow(), 0);
    EXPECT_EQ(layout.GetLastRow(), 29);

    // Each output is optional.
    CTime only;
    arc.GetArcExtent(chart, &only, nullptr, nullptr, nullptr);
    EXPECT_EQ(only, start);
}

TEST(Zukei3Test, AnOpenArcIsNotWidenedByItsCentre) {
    test::ShapeChart chart;
    // From 45 to 135 degrees about (1635, -860): the curve stays above y -760.
    const CPoint c(1635, -860);
    const CPoint from(1735, -760);
    const CPoint to(1535, -760);
    auto arc = test::ThreeAnchors<CZukeiArc>(c, from, to);
    auto fan = test::ThreeAnchors<CZukeiFan>(c, from, to);
    arc->SetStyle(7);
    fan->SetStyle(8);
    double arcBottom = 0.0;
    double fanBottom = 0.0;
    double arcTop = 0.0;
    double fanTop = 0.0;
    arc->GetArcExtent(chart, nullptr, nullptr, &arcTop, &arcBottom);
    fan->GetArcExtent(chart, nullptr, nullptr, &fanTop, &fanBottom);
    EXPECT_NEAR(arcBottom, 30.0 * (760 - 120) / 1480, 0.05);
    EXPECT_DOUBLE_EQ(fanBottom, 15.0);
    EXPECT_DOUBLE_EQ(arcTop, fanTop);
}

TEST(Zukei3Test, AnArcOverTheLeftEdgeWidensThePeriodByWholeDays) {
    test::ShapeChart chart;
    // The upper half of the circle about 2 April with a radius of two days: it reaches a day
    // left of the chart.
    CZukeiArc arc;
    arc.SetAnchor(0, CZukeiPoint(Day(2010, 4, 2), 15.0));
    arc.SetAnchor(1, CZukeiPoint(Day(2010, 4, 4), 15.0));
    arc.SetAnchor(2, CZukeiPoint(Day(2010, 4, 1), 15.0));
    const CPageLayout layout = arc.GetArcLayout(chart);
    const CTimeSpan widened = Day(2010, 4, 1) - layout.GetStartDate();
    EXPECT_GE(widened.GetDays(), 1);
    EXPECT_EQ(widened.GetTimeSpan() % 86400, 0);
    EXPECT_EQ(layout.GetEndDate(), Day(2010, 4, 30));
    const CZukeiLayoutView view(layout);
    const CRect square = arc.GetDeviceRect(view);
    EXPECT_GE(square.left, layout.GetChartRect().left);

    CTime start;
    arc.GetArcExtent(chart, &start, nullptr, nullptr, nullptr);
    EXPECT_LT(start, Day(2010, 4, 1));
    EXPECT_GE(start, layout.GetStartDate());
}

TEST(Zukei3Test, WideningStopsAtTheCalendarAndTheRows) {
    test::ShapeChart chart;
    struct Case {
        const char* what;
        std::unique_ptr<CZukeiArc> arc;
        CTime start;
        CTime end;
        short first;
        short last;
    };
    std::vector<Case> cases;
    // Fixed on the page left of the chart: no period brings it in.
    cases.push_back(
        {"page-fixed, left of the chart",
         test::ThreeAnchors<CZukeiArc>(CPoint(100, -500), CPoint(150, -500), CPoint(100, -450)),
         CTime(), CTime(), 0, 29});
    // Fixed on the page below the chart: the rows grow to the last there is.
    cases.push_back({"page-fixed, below the chart",
                     test::ThreeAnchors<CZukeiArc>(CPoint(1000, -1650), CPoint(1050, -1650),
                                                   CPoint(1000, -1600)),
                     Day(2010, 4, 1), Day(2010, 4, 30), 0, CZukei3::kLastExtentRow});
    // Of a fixed size larger than the chart: every bound is reached.
    auto huge = std::make_unique<CZukeiArc>();
    huge->SetPointMode(kPlaceFixedSize);
    huge->SetAnchor(0, CZukeiPoint(Day(2010, 4, 16), 15.0, CPoint(0, 0)));
    huge->SetAnchor(1, CZukeiPoint(Day(2010, 4, 16), 15.0, CPoint(3000, 0)));
    huge->SetAnchor(2, CZukeiPoint(Day(2010, 4, 16), 15.0, CPoint(0, 3000)));
    cases.push_back({"larger than the chart", std::move(huge),
                     CTime(CCalendar::kFirstYear, 1, 1, 0, 0, 0),
                     CTime(CCalendar::kLastYear, 12, 31, 0, 0, 0), 0, CZukei3::kLastExtentRow});
    // On the chart near its top: the first row stops at 0.
    auto high = std::make_unique<CZukeiArc>();
    high->SetAnchor(0, CZukeiPoint(Day(2010, 4, 16), 2.0));
    high->SetAnchor(1, CZukeiPoint(Day(2010, 4, 16), 12.0));
    high->SetAnchor(2, CZukeiPoint(Day(2010, 4, 17), 2.0));
    cases.push_back(
        {"over the first row", std::move(high), Day(2010, 4, 1), Day(2010, 4, 30), 0, 29});
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CPageLayout layout = c.arc->GetArcLayout(chart);
        if (c.start != CTime()) {
            EXPECT_EQ(layout.GetStartDate(), c.start);
            EXPECT_EQ(layout.GetEndDate(), c.end);
        } else {
            EXPECT_GE(layout.GetStartDate(), CTime(CCalendar::kFirstYear, 1, 1, 0, 0, 0));
        }
        EXPECT_EQ(layout.GetFirstRow(), c.first);
        EXPECT_EQ(layout.GetLastRow(), c.last);
        CTime start;
        CTime end;
        c.arc->GetArcExtent(chart, &start, &end, nullptr, nullptr);
        EXPECT_LE(start, end);
    }
}

TEST(Zukei3Test, TheWidenedLayoutRebuildsItsDayScale) {
    test::ShapeChart chart;
    // Every day of April 2010 twice as wide: a built scale for the chart's period.
    auto wide = std::make_unique<CHensokuData>();
    ASSERT_TRUE(wide->SetDayPeriod(1, Day(2010, 4, 1).GetTime(), Day(2010, 4, 30).GetTime(), 0, 0,
                                   1, 1, 2, 1));
    chart.settings.GetHensoku()->AddData(std::move(wide));
    chart.Bind();
    ASSERT_TRUE(chart.layout.GetScale().IsBuilt());

    CZukeiArc arc;
    arc.SetAnchor(0, CZukeiPoint(Day(2010, 4, 2), 15.0));
    arc.SetAnchor(1, CZukeiPoint(Day(2010, 4, 4), 15.0));
    arc.SetAnchor(2, CZukeiPoint(Day(2010, 4, 2), 12.0));
    const CPageLayout layout = arc.GetArcLayout(chart);
    ASSERT_LT(layout.GetStartDate(), Day(2010, 4, 1));
    EXPECT_TRUE(layout.GetScale().IsBuilt());
    EXPECT_EQ(layout.GetScale().GetStart(), layout.GetStartDate());
    const CZukeiLayoutView view(layout);
    EXPECT_GE(arc.GetDeviceRect(view).left, layout.GetChartRect().left);
}

} // namespace
} // namespace tembra
