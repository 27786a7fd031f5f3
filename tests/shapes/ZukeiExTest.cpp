// Polylines and polygons: their points, storage, placement, the steps of drawing them with the
// mouse, moving, the point resize rule, hit tests and what they draw.
#include "document/FailingAllocator.h"
#include "model/ConfigBase.h"
#include "platform/RecordingDC.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiPolyLine.h"
#include "shapes/ZukeiPolygon.h"
#include "shapes/ZukeiView.h"
#include "support/ArchiveBytes.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"

#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <initializer_list>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;
using test::Day;

template <class Shape> Shape Make(std::initializer_list<CZukeiPoint> points) {
    Shape shape;
    for (const CZukeiPoint& point : points) {
        EXPECT_TRUE(shape.AddPoint(point));
    }
    return shape;
}

CDatePos CursorAt(CPoint point) {
    CDatePos pos;
    pos.point = point;
    return pos;
}

CRect Cell(int x, int y) {
    return CRect(x, y + 1, x + 1, y);
}

class ZukeiExTest : public ::testing::Test {
protected:
    test::ScopedUi ui;
    test::ShapeChart chart;
};

// ---- Points -------------------------------------------------------------------------------------

TEST_F(ZukeiExTest, DatesAndRowsOfThePoints) {
    const auto line =
        Make<CZukeiPolyLine>({CZukeiPoint(Day(2010, 4, 9), 2.4), CZukeiPoint(Day(2010, 4, 3), 5.6),
                              CZukeiPoint(Day(2010, 4, 5), 3.0)});
    EXPECT_DOUBLE_EQ(line.GetTopRow(0), 2.4);
    EXPECT_DOUBLE_EQ(line.GetBottomRow(0), 5.6);
    EXPECT_DOUBLE_EQ(line.GetTopRow(2), 5.6);
    EXPECT_DOUBLE_EQ(line.GetBottomRow(1), 2.4);
    EXPECT_DOUBLE_EQ(line.GetTopRow(4), 0.0);
    EXPECT_DOUBLE_EQ(line.GetBottomRow(4), 0.0);
    EXPECT_EQ(line.GetStartDate(0), Day(2010, 4, 3));
    EXPECT_EQ(line.GetEndDate(0), Day(2010, 4, 9));
    EXPECT_EQ(line.GetStartDate(3), Day(2010, 4, 5));
    EXPECT_EQ(line.GetEndDate(1), Day(2010, 4, 9));
    EXPECT_EQ(line.GetStartDate(4), CTime());

    short row = 0;
    double fraction = 0.0;
    line.GetStartPos(row, fraction, 0);
    EXPECT_EQ(row, 3);
    EXPECT_NEAR(fraction, -0.1, 1e-9);
    line.GetEndPos(row, fraction, 0);
    EXPECT_EQ(row, 7);
    EXPECT_NEAR(fraction, -0.9, 1e-9);
    line.GetEndPos(row, fraction, 3);
    EXPECT_EQ(row, 4);
    EXPECT_NEAR(fraction, -0.5, 1e-9);
    // No such point: nothing is written.
    row = 99;
    fraction = 9.0;
    line.GetStartPos(row, fraction, 4);
    line.GetEndPos(row, fraction, -1);
    EXPECT_EQ(row, 99);
    EXPECT_EQ(fraction, 9.0);

    const CZukeiPolyLine empty;
    EXPECT_EQ(empty.GetStartDate(0), CTime());
    EXPECT_EQ(empty.GetTopRow(0), 0.0);
    EXPECT_EQ(empty.GetSegmentCount(), 0);
}

TEST_F(ZukeiExTest, CountsOfPointsAndSegments) {
    const CZukeiPoint p(Day(2010, 4, 2), 1.0);
    const auto line = Make<CZukeiPolyLine>({p, p, p});
    const auto polygon = Make<CZukeiPolygon>({p, p, p});
    EXPECT_EQ(line.GetElementCount(), 3);
    EXPECT_EQ(line.GetSegmentCount(), 2);
    EXPECT_EQ(polygon.GetElementCount(), 3);
    EXPECT_EQ(polygon.GetSegmentCount(), 3);
}

TEST_F(ZukeiExTest, ThreePointsStoreTheirCountAndAnchorsAndComeBackInOrder) {
    const CZukeiPoint points[] = {CZukeiPoint(Day(2010, 4, 2), 1.5, CPoint(10, -20)),
                                  CZukeiPoint(Day(2010, 4, 9), 7.25, CPoint(-3, 4)),
                                  CZukeiPoint(Day(2010, 4, 5), 0.0)};
    auto polygon = Make<CZukeiPolygon>({points[0], points[1], points[2]});
    const Bytes head = test::Store([&](CArchive& ar) { polygon.CZukei::Serialize(ar); });
    ByteWriter expected;
    expected.Append(head).Word(3);
    for (const CZukeiPoint& point : points) {
        std::array<BYTE, CZukeiPoint::kFileSize> block{};
        point.ToFile(block.data());
        expected.Append(Bytes(block.begin(), block.end()));
    }
    const Bytes bytes = test::Store(polygon);
    EXPECT_EQ(bytes, expected.Get());
    EXPECT_EQ(bytes.size() - head.size(), 2u + 48u);

    CZukeiPolygon back;
    test::Load(bytes, back);
    EXPECT_EQ(back.GetPoints(), polygon.GetPoints());
    ASSERT_NE(back.GetCurPoint(), nullptr);
    EXPECT_EQ(*back.GetCurPoint(), points[2]);
}

TEST_F(ZukeiExTest, AStoredCountAboveTheLimitFailsTheLoad) {
    CZukeiPolyLine line;
    const Bytes head = test::Store([&](CArchive& ar) { line.CZukei::Serialize(ar); });
    CZukeiPolyLine read;
    EXPECT_THROW(test::Load(ByteWriter().Append(head).Word(32767).Get(), read), CUserException);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "ファイルが異常です");
    // At the limit, a short file ends the load as short.
    EXPECT_THROW(test::Load(ByteWriter().Append(head).Word(32766).Zeros(16).Get(), read),
                 CArchiveException);
}

// ---- Drawing with the mouse ---------------------------------------------------------------------

TEST_F(ZukeiExTest, ClicksAppendPointsAndTheCursorMovesTheLast) {
    CZukeiPolyLine line;
    line.SetPage(7, 7);
    line.SetPoint(CursorAt(CPoint(1635, -860)), chart, 0); // nothing to move yet
    EXPECT_EQ(line.GetPointCount(), 0);
    line.SetPoint(CursorAt(CPoint(1635, -860)), chart, 1);
    line.SetPoint(CursorAt(CPoint(751, -268)), chart, 1);
    ASSERT_EQ(line.GetPointCount(), 2);
    EXPECT_EQ(line.GetPageCol(), 0u);
    EXPECT_EQ(line.GetPageRow(), 0);
    const CZukeiPoint& first = line.GetPoints()[0];
    EXPECT_EQ(first.GetDate(), Day(2010, 4, 16));
    EXPECT_DOUBLE_EQ(first.GetRow(), 15.0);
    EXPECT_EQ(first.GetOffset(), CPoint(1635, -860));

    line.SetPoint(CursorAt(CPoint(2740, -1600)), chart, 0);
    ASSERT_EQ(line.GetPointCount(), 2);
    EXPECT_EQ(line.GetCurPoint()->GetDate(), Day(2010, 5, 1));
    EXPECT_DOUBLE_EQ(line.GetCurPoint()->GetRow(), 30.0);
    EXPECT_EQ(line.GetPoints()[0], first);
}

TEST_F(ZukeiExTest, ThePointAfterTheLimitIsRefusedAndChangesNothing) {
    CZukeiPolyLine line;
    for (int i = 0; i < CZukeiEx::kMaxPoints; ++i) {
        ASSERT_TRUE(line.AddPoint(CZukeiPoint(Day(2010, 4, 2), i % 30)));
    }
    EXPECT_FALSE(line.AddPoint(CZukeiPoint()));
    const CZukeiPoint last = *line.GetCurPoint();
    line.SetPoint(CursorAt(CPoint(1635, -860)), chart, 1);
    EXPECT_EQ(line.GetPointCount(), CZukeiEx::kMaxPoints);
    EXPECT_EQ(*line.GetCurPoint(), last);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "これ以上直線をつなげる事は出来ません！");
}

TEST_F(ZukeiExTest, APointThatCannotBeAllocatedIsReportedAndTheCountStays) {
    auto line = Make<CZukeiPolyLine>({CZukeiPoint(Day(2010, 4, 2), 1.0)});
    {
        test::FailingAllocation failure(0);
        line.SetPoint(CursorAt(CPoint(1635, -860)), chart, 1);
        EXPECT_TRUE(failure.Fired());
    }
    EXPECT_EQ(line.GetPointCount(), 1);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "線画データの生成ができません");
}

TEST_F(ZukeiExTest, TakingBackAndFinishingRemovePoints) {
    const CZukeiPoint a(Day(2010, 4, 2), 1.0);
    const CZukeiPoint b(Day(2010, 4, 3), 2.0);
    const CZukeiPoint c(Day(2010, 4, 4), 3.0);
    auto line = Make<CZukeiPolyLine>({a, b, c});
    line.RemovePrevPoint();
    EXPECT_EQ(line.GetPoints(), (std::vector<CZukeiPoint>{a, c}));
    EXPECT_EQ(*line.GetCurPoint(), c);
    line.RemoveLastPoint();
    EXPECT_EQ(line.GetPoints(), (std::vector<CZukeiPoint>{a}));
    line.RemovePrevPoint();
    EXPECT_EQ(line.GetPointCount(), 1);
    line.RemoveLastPoint();
    line.RemoveLastPoint();
    EXPECT_EQ(line.GetPointCount(), 0);
    EXPECT_EQ(line.GetCurPoint(), nullptr);
}

// The device points of a polyline being drawn, on the chart: rows 0 to 30 are y -120 to -1600.
TEST_F(ZukeiExTest, ADrawnPolylineShowsItsChainAndARubberSegmentInTheStrip) {
    auto line = Make<CZukeiPolyLine>({CZukeiPoint(Day(2010, 4, 1), 0.0),
                                      CZukeiPoint(Day(2010, 4, 16), 15.0),
                                      CZukeiPoint(Day(2010, 5, 1), 30.0)});
    line.SetColor(RGB(0, 0, 255));
    CRecordingDC dc;
    line.Draw(chart, dc, kDrawFeedback);
    const std::vector<CRecordingDC::Record> drawn = dc.Drawings();
    ASSERT_EQ(drawn.size(), 2u) << dc.Dump();
    EXPECT_EQ(drawn[0].op, DcOp::Polyline);
    EXPECT_EQ(drawn[0].args.points, (std::vector<CPoint>{{530, -120}, {1635, -860}}));
    EXPECT_EQ(drawn[0].pen.color, RGB(0, 0, 255));
    EXPECT_EQ(drawn[0].rop2, R2_COPYPEN);
    EXPECT_EQ(drawn[1].op, DcOp::LineTo);
    EXPECT_EQ(drawn[1].args.points, (std::vector<CPoint>{{1635, -860}, {2740, -1600}}));
    EXPECT_EQ(drawn[1].rop2, R2_NOT);

    // Above the body and left of the page a rubber segment has nothing to show.
    for (const auto& [from, to] :
         {std::pair{CZukeiPoint(Day(2010, 4, 2), -2.0), CZukeiPoint(Day(2010, 4, 9), -1.0)},
          std::pair{CZukeiPoint(Day(2010, 3, 20), 3.0), CZukeiPoint(Day(2010, 3, 22), 9.0)}}) {
        auto outside = Make<CZukeiPolyLine>({from, to});
        dc.Clear();
        outside.Draw(chart, dc, kDrawFeedback);
        EXPECT_TRUE(dc.Find(DcOp::LineTo).empty()) << dc.Dump();
    }
    // One corner of its box inside is enough.
    auto crossing = Make<CZukeiPolyLine>(
        {CZukeiPoint(Day(2010, 3, 20), -2.0), CZukeiPoint(Day(2010, 4, 9), 9.0)});
    dc.Clear();
    crossing.Draw(chart, dc, kDrawFeedback);
    EXPECT_EQ(dc.Find(DcOp::LineTo).size(), 1u);
}

TEST_F(ZukeiExTest, APolygonBeingDrawnAlsoShowsItsClosingSegment) {
    auto polygon =
        Make<CZukeiPolygon>({CZukeiPoint(Day(2010, 4, 2), 1.0), CZukeiPoint(Day(2010, 4, 16), 15.0),
                             CZukeiPoint(Day(2010, 5, 1), 30.0)});
    CRecordingDC dc;
    polygon.Draw(chart, dc, kDrawFeedback);
    const std::vector<CRecordingDC::Record> lines = dc.Find(DcOp::LineTo);
    ASSERT_EQ(lines.size(), 2u) << dc.Dump();
    EXPECT_EQ(lines[0].args.points, (std::vector<CPoint>{{1635, -860}, {2740, -1600}}));
    EXPECT_EQ(lines[1].args.points, (std::vector<CPoint>{{603, -169}, {2740, -1600}}));

    dc.Clear();
    polygon.DrawClosingSegment(chart, dc);
    ASSERT_EQ(dc.Find(DcOp::LineTo).size(), 1u);
    EXPECT_EQ(dc.Find(DcOp::LineTo)[0].rop2, R2_NOT);

    auto two = Make<CZukeiPolygon>(
        {CZukeiPoint(Day(2010, 4, 1), 0.0), CZukeiPoint(Day(2010, 4, 16), 15.0)});
    dc.Clear();
    two.DrawClosingSegment(chart, dc);
    two.Draw(chart, dc, kDrawFeedback);
    EXPECT_EQ(dc.Find(DcOp::LineTo).size(), 1u); // the rubber segment to the last point only
}

TEST_F(ZukeiExTest, TakingBackAVertexErasesItsSegmentAndRedraws) {
    auto line = Make<CZukeiPolyLine>({CZukeiPoint(Day(2010, 4, 1), 0.0),
                                      CZukeiPoint(Day(2010, 4, 16), 15.0),
                                      CZukeiPoint(Day(2010, 5, 1), 30.0)});
    CRecordingDC dc;
    line.EraseLastSegment(chart, dc);
    ASSERT_EQ(dc.Find(DcOp::LineTo).size(), 1u);
    EXPECT_EQ(dc.Find(DcOp::LineTo)[0].args.points,
              (std::vector<CPoint>{{530, -120}, {1635, -860}}));
    EXPECT_EQ(dc.Find(DcOp::LineTo)[0].rop2, R2_NOT);
    EXPECT_EQ(chart.updates, (std::vector<CObject*>{&line}));

    line.RemoveLastPoint();
    dc.Clear();
    line.EraseLastSegment(chart, dc);
    EXPECT_TRUE(dc.Drawings().empty());
    EXPECT_EQ(chart.updates.size(), 1u);
}

// ---- Drawing as shown ---------------------------------------------------------------------------

TEST_F(ZukeiExTest, ShownShapesDrawWithTheirAttributes) {
    CZukeiAttr attr{2, 0, 0, -2, RGB(200, 0, 0), 99, RGB(0, 200, 0), 30};
    auto line = Make<CZukeiPolyLine>({CZukeiPoint(Day(2010, 4, 1), 0.0),
                                      CZukeiPoint(Day(2010, 4, 16), 15.0),
                                      CZukeiPoint(Day(2010, 5, 1), 30.0)});
    auto polygon =
        Make<CZukeiPolygon>({CZukeiPoint(Day(2010, 4, 1), 0.0), CZukeiPoint(Day(2010, 4, 16), 15.0),
                             CZukeiPoint(Day(2010, 5, 1), 30.0)});
    line.SetAttr(attr);
    polygon.SetAttr(attr);
    const std::vector<CPoint> points{{530, -120}, {1635, -860}, {2740, -1600}};

    CRecordingDC dc;
    line.Draw(chart, dc, kDrawNormal);
    ASSERT_EQ(dc.Drawings().size(), 1u) << dc.Dump();
    const CRecordingDC::Record shownLine = dc.Drawings()[0];
    EXPECT_EQ(shownLine.op, DcOp::Polyline);
    EXPECT_EQ(shownLine.args.points, points);
    EXPECT_EQ(shownLine.pen.color, RGB(200, 0, 0));
    EXPECT_EQ(shownLine.pen.width, 2);
    EXPECT_EQ(shownLine.rop2, R2_COPYPEN);
    EXPECT_EQ(shownLine.bkMode, OPAQUE);

    dc.Clear();
    polygon.Select();
    polygon.Draw(chart, dc, kDrawNormal);
    ASSERT_EQ(dc.Find(DcOp::Polygon).size(), 1u) << dc.Dump();
    const CRecordingDC::Record shownPolygon = dc.Find(DcOp::Polygon)[0];
    EXPECT_EQ(shownPolygon.args.points, points);
    EXPECT_EQ(shownPolygon.pen.color, GetAppConfig()->GetColor().GetEditWork());
    EXPECT_EQ(shownPolygon.brush.style, BS_SOLID);
    EXPECT_EQ(shownPolygon.brush.color, RGB(0, 200, 0));

    dc.Clear();
    polygon.Draw(chart, dc, kDrawReference);
    ASSERT_EQ(dc.Find(DcOp::Polygon).size(), 1u);
    EXPECT_EQ(dc.Find(DcOp::Polygon)[0].pen.color, 0xC0C0C0u);
    EXPECT_EQ(dc.Find(DcOp::Polygon)[0].brush.color, 0xC0C0C0u);
}

TEST_F(ZukeiExTest, FeedbackOfAMoveAndOfAResize) {
    auto polygon = Make<CZukeiPolygon>(
        {CZukeiPoint(Day(2010, 4, 1), 0.0), CZukeiPoint(Day(2010, 4, 16), 15.0)});
    polygon.SetHatch(99);
    CRecordingDC dc;
    polygon.DrawMoving(chart, dc, CPoint(10, -20));
    // A polygon of two points shows the line between them.
    const std::vector<CRecordingDC::Record> drawn = dc.Drawings();
    ASSERT_EQ(drawn.size(), 2u) << dc.Dump();
    EXPECT_EQ(drawn[0].op, DcOp::Polygon);
    EXPECT_EQ(drawn[0].args.points, (std::vector<CPoint>{{540, -140}, {1645, -880}}));
    EXPECT_TRUE(drawn[0].brush.IsNull());
    EXPECT_EQ(drawn[0].rop2, R2_NOT);
    EXPECT_EQ(drawn[1].op, DcOp::LineTo);
    EXPECT_EQ(drawn[1].args.points, (std::vector<CPoint>{{540, -140}, {1645, -880}}));

    auto line = Make<CZukeiPolyLine>(
        {CZukeiPoint(Day(2010, 4, 1), 0.0), CZukeiPoint(Day(2010, 4, 16), 15.0)});
    dc.Clear();
    line.DrawTracking(chart, dc, CPoint(-1105, 0), kHandleRight, CRect(530, -120, 1635, -860));
    ASSERT_EQ(dc.Drawings().size(), 1u) << dc.Dump();
    EXPECT_EQ(dc.Drawings()[0].args.points, (std::vector<CPoint>{{530, -120}, {550, -860}}));
    EXPECT_EQ(dc.Drawings()[0].rop2, R2_NOT);
    EXPECT_EQ(
        line.GetResizedRect(chart, CPoint(-1105, 0), kHandleRight, CRect(530, -120, 1635, -860)),
        CRect(530, -120, 550, -860));
}

// ---- Placement ----------------------------------------------------------------------------------

TEST_F(ZukeiExTest, PointsOfAFixedSizeFollowTheFirstAndOfAPageOnlyTheirPage) {
    auto line = Make<CZukeiPolyLine>({CZukeiPoint(Day(2010, 4, 16), 15.0, CPoint(100, -50)),
                                      CZukeiPoint(Day(2010, 4, 20), 20.0, CPoint(160, -90)),
                                      CZukeiPoint(Day(2010, 4, 25), 21.0, CPoint(40, -10))});
    EXPECT_EQ(line.GetDevicePoints(chart),
              (std::vector<CPoint>{{1635, -860}, {1929, -1106}, {2298, -1156}}));
    line.SetPointMode(kPlaceFixedSize);
    EXPECT_EQ(line.GetDevicePoints(chart),
              (std::vector<CPoint>{{1635, -860}, {1695, -900}, {1575, -820}}));
    EXPECT_EQ(line.GetDeviceRect(chart), CRect(1575, -820, 1695, -900));
    line.SetPointMode(kPlaceOnPage);
    EXPECT_EQ(line.GetDevicePoints(chart),
              (std::vector<CPoint>{{100, -50}, {160, -90}, {40, -10}}));

    // On any other page the shape is not there: no rectangle, no drawing, no hit.
    line.SetPage(1, 0);
    CRecordingDC dc;
    line.Draw(chart, dc, kDrawNormal);
    line.Draw(chart, dc, kDrawFeedback);
    EXPECT_TRUE(dc.Drawings().empty());
    EXPECT_EQ(line.GetDeviceRect(chart), CRect());
    EXPECT_FALSE(line.HitTest(chart, CRect(-1000, 1000, 1000, -1000), kHitTouch));
    EXPECT_FALSE(line.HitTest(chart, CRect(-1000, 1000, 1000, -1000), kHitInside));
}

TEST_F(ZukeiExTest, FewerThanTwoPointsHaveNoRectangle) {
    auto line = Make<CZukeiPolyLine>({CZukeiPoint(Day(2010, 4, 16), 15.0)});
    EXPECT_EQ(line.GetDeviceRect(chart), CRect());
    EXPECT_FALSE(line.HitTest(chart, CRect(-5000, 5000, 5000, -5000), kHitTouch));
}

TEST_F(ZukeiExTest, FixingOffsetsKeepsTheDevicePointsAtEveryZoom) {
    for (int zoomIndex : {3, 5, 7}) {
        for (short mode : {kPlaceFixedSize, kPlaceOnPage}) {
            SCOPED_TRACE(testing::Message() << "zoom index " << zoomIndex << " mode " << mode);
            chart.layout.SetZoomIndex(zoomIndex);
            chart.layout.RecalcLayout();
            auto line = Make<CZukeiPolyLine>({CZukeiPoint(Day(2010, 4, 9, 7), 6.3),
                                              CZukeiPoint(Day(2010, 4, 21, 15), 17.8),
                                              CZukeiPoint(Day(2010, 4, 4), 25.1)});
            const std::vector<CPoint> onChart = line.GetDevicePoints(chart);
            line.SetPointMode(mode);
            line.FixOffsets(chart);
            const std::vector<CPoint> fixed = line.GetDevicePoints(chart);
            ASSERT_EQ(fixed.size(), onChart.size());
            const int slack = chart.layout.GetZoom() / 100;
            for (std::size_t i = 0; i < fixed.size(); ++i) {
                EXPECT_LE(std::abs(fixed[i].x - onChart[i].x), slack) << i;
                EXPECT_LE(std::abs(fixed[i].y - onChart[i].y), slack) << i;
            }
        }
    }
}

TEST_F(ZukeiExTest, ResettingAndComparingOffsets) {
    auto line = Make<CZukeiPolyLine>({CZukeiPoint(Day(2010, 4, 16), 15.0, CPoint(1, 1)),
                                      CZukeiPoint(Day(2010, 4, 17), 15.0, CPoint(2, 2)),
                                      CZukeiPoint(Day(2010, 4, 18), 15.0, CPoint(2, 2))});
    EXPECT_FALSE(line.HasOffsets()); // the last two are equal
    line.RemoveLastPoint();
    EXPECT_TRUE(line.HasOffsets());
    line.ResetOffsets();
    EXPECT_FALSE(line.HasOffsets());
    EXPECT_EQ(line.GetPoints()[0].GetOffset(), CPoint());
}

// ---- Moving and resizing ------------------------------------------------------------------------

TEST_F(ZukeiExTest, MovingCarriesOffsetsOnlyWhenTheFirstHasBothParts) {
    auto line = Make<CZukeiPolyLine>({CZukeiPoint(Day(2010, 4, 16), 15.0, CPoint(0, 25)),
                                      CZukeiPoint(Day(2010, 4, 20), 20.0, CPoint(60, -15))});
    line.MoveAnchors(chart, CPoint(5, 5), CTimeSpan(2, 0, 0, 0), 1.5);
    EXPECT_EQ(line.GetPoints()[0], CZukeiPoint(Day(2010, 4, 18), 16.5, CPoint(0, 25)));
    EXPECT_EQ(line.GetPoints()[1], CZukeiPoint(Day(2010, 4, 22), 21.5, CPoint(60, -15)));

    auto pinned = Make<CZukeiPolyLine>({CZukeiPoint(Day(2010, 4, 16), 15.0, CPoint(10, 25)),
                                        CZukeiPoint(Day(2010, 4, 20), 20.0, CPoint(60, -15))});
    pinned.MoveAnchors(chart, CPoint(), CTimeSpan(3, 0, 0, 0), -1.0);
    // Three days of 2210 / 30 and one row of 1480 / 30 upwards, as the first point moved.
    EXPECT_EQ(pinned.GetPoints()[0].GetOffset(), CPoint(10 + 221, 25 + 50));
    EXPECT_EQ(pinned.GetPoints()[1].GetOffset(), CPoint(60 + 221, -15 + 50));
}

TEST_F(ZukeiExTest, ThePointResizeRuleKeepsTwentyUnitsWhereThereIsAnExtent) {
    const CZukeiPolyLine rule;
    struct Case {
        std::vector<CPoint> points;
        int handle;
        CPoint delta;
        CRect ref;
        std::vector<CPoint> expected;
    };
    const CRect box(0, 50, 100, 0);
    const std::vector<CPoint> diagonal{{0, 0}, {100, 50}};
    const Case cases[] = {
        {diagonal, kHandleRight, {30, 0}, box, {{0, 0}, {130, 50}}},
        {diagonal, kHandleLeft, {95, 0}, box, {{80, 0}, {100, 50}}},
        {diagonal, kHandleRight, {-95, 0}, box, {{0, 0}, {20, 50}}},
        {diagonal, kHandleTop, {0, -45}, box, {{0, 0}, {100, 20}}},
        {diagonal, kHandleBottom, {0, 45}, box, {{0, 30}, {100, 50}}},
        {diagonal, kHandleTopLeft, {-100, 50}, box, {{-100, 0}, {100, 100}}},
        {diagonal, kHandleCenter, {50, -25}, box, diagonal},
        {diagonal, kHandleCenter, {100, -50}, box, {{-50, -25}, {150, 75}}},
        // A vertical polyline has no width to keep: it stays vertical.
        {{{50, 0}, {50, 100}}, kHandleRight, {-95, 0}, {0, 100, 100, 0}, {{2, 0}, {2, 100}}},
        {{{50, 0}, {50, 100}}, kHandleCenter, {2, -50}, {0, 100, 100, 0}, {{50, 0}, {50, 100}}},
        // A horizontal one has no height.
        {{{0, 30}, {100, 30}}, kHandleTop, {0, -45}, {0, 50, 100, 0}, {{0, 3}, {100, 3}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rule.ResizePoints(c.points, c.delta, c.handle, c.ref), c.expected)
            << "handle " << c.handle << " delta " << c.delta.x << ", " << c.delta.y;
    }
}

TEST_F(ZukeiExTest, ResizingGivesDraggedPointsTheEndOfTheDrag) {
    auto line = Make<CZukeiPolyLine>({CZukeiPoint(Day(2010, 4, 1), 0.0),
                                      CZukeiPoint(Day(2010, 4, 16), 15.0),
                                      CZukeiPoint(Day(2010, 5, 1), 30.0)});
    CDatePos pos;
    pos.endDate = Day(2010, 4, 16, 6);
    pos.endRow = 12.5;
    const CRect ref(530, -120, 2740, -1600);
    line.ResizeAnchors(chart, CPoint(-1105, 0), kHandleRight, ref, pos);
    EXPECT_EQ(line.GetPoints()[0].GetDate(), Day(2010, 4, 1));     // on the fixed edge
    EXPECT_EQ(line.GetPoints()[2].GetDate(), Day(2010, 4, 16, 6)); // on the dragged edge
    EXPECT_NEAR(CZukei::DateToX(chart, line.GetPoints()[1].GetDate()), 1082, 1);
    EXPECT_EQ(line.GetPoints()[1].GetRow(), 15.0);

    line.ResizeAnchors(chart, CPoint(0, 740), kHandleBottom, ref, pos);
    EXPECT_EQ(line.GetPoints()[0].GetRow(), 0.0);
    EXPECT_EQ(line.GetPoints()[2].GetRow(), 12.5);
    EXPECT_NEAR(line.GetPoints()[1].GetRow(), 7.5, 0.05);
}

TEST_F(ZukeiExTest, AVerticalPolylineResizedInAWiderSelectionStaysVertical) {
    auto line = Make<CZukeiPolyLine>(
        {CZukeiPoint(Day(2010, 4, 16), 0.0), CZukeiPoint(Day(2010, 4, 16), 15.0)});
    CDatePos pos;
    const CRect selection(1585, -120, 1685, -860);
    line.ResizeAnchors(chart, CPoint(-95, 0), kHandleRight, selection, pos);
    const CRect rect = line.GetDeviceRect(chart);
    EXPECT_EQ(rect.Width(), 0);
    EXPECT_EQ(line.GetPoints()[0].GetDate(), line.GetPoints()[1].GetDate());
    EXPECT_NEAR(rect.left, 1585 + 2, 1);
}

// ---- Hit tests ----------------------------------------------------------------------------------

// A square fixed on the page across y 0: x 500 to 700, y -20 to 20.
template <class Shape> Shape AcrossTheAxis() {
    auto shape = Make<Shape>({CZukeiPoint(Day(2010, 4, 1), 0.0, CPoint(500, -20)),
                              CZukeiPoint(Day(2010, 4, 1), 0.0, CPoint(700, -20)),
                              CZukeiPoint(Day(2010, 4, 1), 0.0, CPoint(700, 20)),
                              CZukeiPoint(Day(2010, 4, 1), 0.0, CPoint(500, 20))});
    shape.SetPointMode(kPlaceOnPage);
    shape.SetWidth(-1);
    return shape;
}

TEST_F(ZukeiExTest, AFilledPolygonIsHitInsideOnBothSidesOfTheAxis) {
    auto polygon = AcrossTheAxis<CZukeiPolygon>();
    polygon.SetHatch(100);
    EXPECT_TRUE(polygon.HitTest(chart, Cell(600, 10), kHitTouch));
    EXPECT_TRUE(polygon.HitTest(chart, Cell(600, -10), kHitTouch));
    EXPECT_TRUE(polygon.HitTest(chart, Cell(600, -10), kHitDrag));
    EXPECT_FALSE(polygon.HitTest(chart, Cell(600, 30), kHitTouch));

    // Without fill only the outline counts, the closing side too.
    polygon.SetHatch(kHatchNone);
    EXPECT_FALSE(polygon.HitTest(chart, Cell(600, 10), kHitTouch));
    EXPECT_TRUE(polygon.HitTest(chart, Cell(500, 0), kHitTouch));

    // The polyline has no closing side and no inside.
    auto line = AcrossTheAxis<CZukeiPolyLine>();
    EXPECT_FALSE(line.HitTest(chart, Cell(600, 10), kHitTouch));
    EXPECT_FALSE(line.HitTest(chart, Cell(500, 0), kHitTouch));
    EXPECT_TRUE(line.HitTest(chart, Cell(700, 0), kHitTouch));
}

TEST_F(ZukeiExTest, TheOutlineToleranceIsHalfThePen) {
    auto line = AcrossTheAxis<CZukeiPolyLine>();
    EXPECT_TRUE(line.HitTest(chart, Cell(600, -21), kHitTouch));
    EXPECT_FALSE(line.HitTest(chart, Cell(600, -22), kHitTouch));
    line.SetWidth(-7); // half of 7, rounded up
    EXPECT_TRUE(line.HitTest(chart, Cell(600, -24), kHitTouch));
    EXPECT_FALSE(line.HitTest(chart, Cell(600, -25), kHitTouch));
}

TEST_F(ZukeiExTest, AreaSelectionWantsEverySegmentInside) {
    const auto line = AcrossTheAxis<CZukeiPolyLine>();
    EXPECT_TRUE(line.HitTest(chart, CRect(490, 30, 710, -30), kHitInside));
    EXPECT_FALSE(line.HitTest(chart, CRect(490, 30, 650, -30), kHitInside));
    EXPECT_FALSE(line.HitTest(chart, CRect(490, 30, 710, 0), kHitInside));
}

// ---- Copies -------------------------------------------------------------------------------------

TEST_F(ZukeiExTest, ACloneIsOfTheSameClassWithEverythingCopied) {
    auto polygon = Make<CZukeiPolygon>({CZukeiPoint(Day(2010, 4, 2), 1.5, CPoint(10, -20)),
                                        CZukeiPoint(Day(2010, 4, 9), 7.25, CPoint(-3, 4))});
    polygon.SetAttr(CZukeiAttr{2, 1, 3, 4, RGB(9, 8, 7), 5, RGB(1, 1, 1), 6});
    polygon.SetPage(2, 3);
    polygon.SetLayer(5);
    polygon.Select();
    const std::unique_ptr<CZukei> copy = polygon.Clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetRuntimeClass(), RUNTIME_CLASS(CZukeiPolygon));
    EXPECT_EQ(test::Store(*copy), test::Store(polygon));
    EXPECT_EQ(copy->IsSelected(), 1);
    const auto* points = dynamic_cast<const CZukeiEx*>(copy.get());
    ASSERT_NE(points, nullptr);
    EXPECT_EQ(*points->GetCurPoint(), polygon.GetPoints()[1]);

    const auto line = Make<CZukeiPolyLine>({CZukeiPoint(Day(2010, 4, 2), 1.5)});
    EXPECT_EQ(line.Clone()->GetRuntimeClass(), RUNTIME_CLASS(CZukeiPolyLine));
}

TEST_F(ZukeiExTest, ACloneThatCannotBeMadeIsReported) {
    const auto line = Make<CZukeiPolyLine>({CZukeiPoint(Day(2010, 4, 2), 1.5)});
    std::unique_ptr<CZukei> copy;
    {
        test::FailingAllocation failure(0);
        copy = line.Clone();
        EXPECT_TRUE(failure.Fired());
    }
    EXPECT_EQ(copy, nullptr);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "線画データの生成ができません");
}

} // namespace
} // namespace tembra
