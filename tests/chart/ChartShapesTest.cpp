// The shapes a resource chart builds: the points of its lines in every point mode, the bars, the
// frame, the value scale, the totals per day and the totals block, the groups they go into and
// the rectangle they cover.
#include "ChartTestSupport.h"

#include "document/FailingAllocator.h"
#include "shapes/ZukeiBox.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiLine.h"
#include "shapes/ZukeiPolyLine.h"
#include "shapes/ZukeiPolygon.h"
#include "shapes/ZukeiString.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::April;
using test::ChartDoc;
using test::ChartTest;
using test::MakeChart;
using Points = std::vector<CPoint>;

// x of the period start + days, y of a fractional row: where the chart's anchors land.
int X(const ChartDoc& doc, double days) {
    return CZukei::DateToX(doc, April(1) + CTimeSpan(static_cast<std::int64_t>(days * 86400)));
}
int Y(const ChartDoc& doc, double row) {
    return CZukei::RowToY(doc, row);
}

// The members of a group as the classes they are.
template <class Shape> std::vector<const Shape*> Members(const CZukeiGroup* group) {
    std::vector<const Shape*> shapes;
    if (group == nullptr) {
        return shapes;
    }
    for (int i = 0; i < group->GetElementCount(); ++i) {
        if (const auto* shape = DynamicDowncast<Shape>(group->GetMember(i))) {
            shapes.push_back(shape);
        }
    }
    return shapes;
}

Points PointsOf(const CZukeiEx& shape, const ChartDoc& doc) {
    return shape.GetDevicePoints(doc);
}

// ---- Lines --------------------------------------------------------------------------------------

// The values 0, 2, 2, 5, 5 over five days (a day 200 units wide) on a band of rows 0 to 9.
class ChartLinesTest : public ChartTest {
protected:
    ChartLinesTest() {
        doc.SetPeriod(5);
        doc.AddProcess(April(2), April(6), {{1, 2}});
        doc.AddProcess(April(4), April(6), {{1, 3}});
    }

    Points Line(CChart& chart) {
        CZukeiGroup group;
        DWORD maximum = 0;
        EXPECT_TRUE(chart.ComputeLoading(doc, doc.layout, maximum));
        EXPECT_TRUE(chart.BuildLines(doc.layout, group));
        const auto lines = Members<CZukeiPolyLine>(&group);
        EXPECT_EQ(lines.size(), 1u);
        return lines.empty() ? Points{} : PointsOf(*lines[0], doc);
    }

    // The y of a value and of the baseline.
    int R(const CChart& chart, double v) { return Y(doc, 10.0 - v * chart.GetRowsPerUnit()); }
    int B() { return Y(doc, 10.0); }
};

TEST_F(ChartLinesTest, PointsOfEachPointMode) {
    auto chart = MakeChart(CChart::kPurposeLoading, CChart::kLineGraph, 0, 9, 1, {0});
    DWORD maximum = 0;
    ASSERT_TRUE(chart->ComputeLoading(doc, doc.layout, maximum));
    ASSERT_EQ(test::AllDayValues(*chart), (std::vector<std::vector<int>>{{0, 2, 2, 5, 5}}));
    const auto p = [&](double d, int y) { return CPoint(X(doc, d), y); };
    const int r2 = R(*chart, 2);
    const int r5 = R(*chart, 5);
    struct Case {
        short mode;
        Points points;
    };
    const std::vector<Case> cases = {
        // Mid-day points, slanting into the middle of the day of change.
        {CChart::kPointStandard, {p(1.5, r2), p(2.5, r2), p(3.5, r5), p(4.5, r5)}},
        // The value before each change, from the baseline.
        {CChart::kPointBefore, {p(1, B()), p(3, r2), p(5, r5)}},
        // The value after each change.
        {CChart::kPointAfter, {p(1, r2), p(3, r5), p(5, r5)}},
        // Flat, ramping over the six hours round each change.
        {CChart::kPointChange, {p(1.125, r2), p(2.875, r2), p(3.125, r5), p(4.875, r5)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        chart->SetPointMode(c.mode);
        EXPECT_EQ(Line(*chart), c.points);
    }
}

TEST_F(ChartLinesTest, AnEarnedValueLineKeepsItsLevelAcrossAGap) {
    // 5, 5, 0, 0, 8 by two processes: the first adds 5 on days 0 and 1, the second on day 4.
    doc.objects.clear();
    doc.AddProcess(April(1), April(3), {{1, 5}});
    const auto p = [&](double d, int y) { return CPoint(X(doc, d), y); };

    auto earned = MakeChart(CChart::kPurposeEarnedValue, CChart::kLineGraph, 0, 9, 1, {0});
    earned->SetPointMode(CChart::kPointBefore);
    doc.AddProcess(April(5), April(6), {{1, 3}});
    const Points line = Line(*earned);
    ASSERT_EQ(test::AllDayValues(*earned), (std::vector<std::vector<int>>{{5, 5, 0, 0, 8}}));
    EXPECT_EQ(line,
              (Points{p(0, B()), p(2, R(*earned, 5)), p(4, R(*earned, 5)), p(5, R(*earned, 8))}));

    // The same values as a resource-loading line go down to the baseline.
    doc.objects.pop_back();
    doc.AddProcess(April(5), April(6), {{1, 8}});
    auto loading = MakeChart(CChart::kPurposeLoading, CChart::kLineGraph, 0, 9, 1, {0});
    loading->SetPointMode(CChart::kPointBefore);
    const Points down = Line(*loading);
    ASSERT_EQ(test::AllDayValues(*loading), (std::vector<std::vector<int>>{{5, 5, 0, 0, 8}}));
    EXPECT_EQ(down, (Points{p(0, B()), p(2, R(*loading, 5)), p(4, B()), p(5, R(*loading, 8))}));
}

TEST_F(ChartLinesTest, EndingOnZeroOrNeverRising) {
    // 0, 2, 2, 0, 0: the standard and the ramped lines end at the old value; a series that is
    // never above 0 lies on the baseline.
    doc.objects.clear();
    doc.AddProcess(April(2), April(4), {{1, 2}});
    auto chart = MakeChart(CChart::kPurposeLoading, CChart::kLineGraph, 0, 9, 2, {0, 1});
    DWORD maximum = 0;
    ASSERT_TRUE(chart->ComputeLoading(doc, doc.layout, maximum));
    const int r2 = R(*chart, 2);
    const auto p = [&](double d, int y) { return CPoint(X(doc, d), y); };
    struct Case {
        short mode;
        Points points;
    };
    const std::vector<Case> cases = {
        {CChart::kPointStandard, {p(1.5, r2), p(2.5, r2)}},
        {CChart::kPointBefore, {p(1, B()), p(3, r2)}},
        {CChart::kPointAfter, {p(1, r2), p(3, B())}},
        {CChart::kPointChange, {p(1.125, r2), p(2.875, r2)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        chart->SetPointMode(c.mode);
        CZukeiGroup group;
        ASSERT_TRUE(chart->BuildLines(doc.layout, group));
        const auto lines = Members<CZukeiPolyLine>(&group);
        ASSERT_EQ(lines.size(), 2u);
        // The last slot first: series 1 never rises.
        EXPECT_EQ(PointsOf(*lines[0], doc), (Points{p(0, B()), p(0, B())}));
        EXPECT_EQ(PointsOf(*lines[1], doc), c.points);
    }
}

// ---- Bars ---------------------------------------------------------------------------------------

TEST_F(ChartTest, BarsCloseAtTheDayAfterThePeriodOrLieOnTheBaseline) {
    // Series 0 has nothing; series 1 has 3 on the last two days.
    doc.AddProcess(April(9), April(11), {{2, 3}});
    auto chart = MakeChart(CChart::kPurposeLoading, CChart::kBarGraph, 0, 9, 2, {0, 1});
    chart->SetSeriesPattern(1, 7);
    chart->SetSeriesPatternColor(1, RGB(0, 200, 0));
    chart->SetSeriesLineColor(1, RGB(0, 0, 200));
    DWORD maximum = 0;
    ASSERT_TRUE(chart->ComputeLoading(doc, doc.layout, maximum));
    const int b = Y(doc, 10.0);
    const int r3 = Y(doc, 10.0 - 3 * chart->GetRowsPerUnit());

    for (const BOOL filled : {TRUE, FALSE}) {
        SCOPED_TRACE(filled);
        CZukeiGroup group;
        ASSERT_TRUE(chart->BuildBars(doc.layout, group, filled));
        const auto bars = Members<CZukeiPolygon>(&group);
        ASSERT_EQ(bars.size(), 2u);
        // The last slot first, so that the lower series lies over the total above it.
        EXPECT_EQ(PointsOf(*bars[0], doc),
                  (Points{{X(doc, 8), b}, {X(doc, 8), r3}, {X(doc, 10), r3}, {X(doc, 10), b}}));
        EXPECT_EQ(PointsOf(*bars[1], doc), (Points{{X(doc, 0), b}, {X(doc, 0), b}}));
        // The fill of a series in the filled pass; its outline alone in the other.
        EXPECT_EQ(bars[0]->GetColor(), RGB(0, 0, 200));
        EXPECT_EQ(bars[0]->GetHatch(), filled ? 7 : 999);
        EXPECT_EQ(bars[0]->GetHatchColor(), filled ? RGB(0, 200, 0) : 0u);
        // A series without a fill of its own.
        EXPECT_EQ(bars[1]->GetHatch(), 999);
    }
}

TEST_F(ChartTest, DayTotalsStandAboveTheBarsOrAboveTheBand) {
    doc.AddProcess(April(1), April(3), {{1, 2}});
    doc.AddProcess(April(2), April(4), {{2, 3}});
    struct Case {
        LONG graphType;
        bool onTheBars;
    };
    for (const Case c : {Case{CChart::kBarGraph, true}, Case{CChart::kLineGraph, false}}) {
        SCOPED_TRACE(c.graphType);
        auto chart = MakeChart(CChart::kPurposeLoading, c.graphType, 4, 13, 2, {0, 1});
        chart->SetTotalsColor(RGB(200, 0, 0));
        DWORD maximum = 0;
        ASSERT_TRUE(chart->ComputeLoading(doc, doc.layout, maximum));
        CZukeiGroup group;
        ASSERT_TRUE(chart->BuildDayTotals(doc.layout, group));
        const auto texts = Members<CZukeiString>(&group);
        ASSERT_EQ(texts.size(), 3u);
        const int totals[] = {2, 5, 3};
        for (int d = 0; d < 3; ++d) {
            SCOPED_TRACE(d);
            const CZukeiString& text = *texts[static_cast<std::size_t>(d)];
            EXPECT_EQ(text.GetText(), std::to_string(totals[d]));
            // One row high, over the day.
            const double bottom = c.onTheBars ? 14.0 - totals[d] * chart->GetRowsPerUnit() : 4.0;
            EXPECT_EQ(text.GetDeviceRect(doc),
                      CRect(X(doc, d), Y(doc, bottom - 1.0), X(doc, d + 1), Y(doc, bottom)));
            EXPECT_EQ(text.GetTextAttr().m_form, 1);
            EXPECT_EQ(text.GetTextAttr().m_color, RGB(200, 0, 0));
        }
    }
}

// ---- Scale --------------------------------------------------------------------------------------

// The scale of a line graph on the band of rows 0 to 9 (a graph 9.6 rows = 480 units high).
TEST_F(ChartTest, ScaleStepsAndLabels) {
    struct Case {
        const char* name;
        WORD purpose;
        WORD top;  // the largest value
        LONG font; // scale font height
        LONG step; // set step
        std::vector<std::string> labels;
        int ticks;
    };
    const std::vector<Case> cases = {
        // Room for 4 labels (estimate 9): 1, 2, 5 and 10 are taken in turn; 20 is farther from 9
        // than 10 is.
        {"nearest the estimate", CChart::kPurposeLoading, 37, -60, 0, {"10", "20", "30"}, 3},
        {"a set step",
         CChart::kPurposeLoading,
         37,
         -60,
         5,
         {"5", "10", "15", "20", "25", "30", "35"},
         7},
        // Estimate 18: 20 would be nearer, but its label would reach above the band.
        {"a label above the band stops", CChart::kPurposeLoading, 37, -500, 0, {"10"}, 1},
        // Estimate 9: 10 would be nearer, but it lies above the top value.
        {"a step above the values stops", CChart::kPurposeLoading, 9, -200, 0, {"5"}, 1},
        {"an estimate below 1 takes 1", CChart::kPurposeLoading, 3, -60, 0, {"1", "2"}, 2},
        // Percent: from 10 on, even where 5 would be nearer the estimate 4.
        {"earned value in percent",
         CChart::kPurposeEarnedValue,
         37,
         -10,
         0,
         {"10", "20", "30", "40", "50", "60", "70", "80", "90", "100"},
         10},
        {"earned value estimate 25",
         CChart::kPurposeEarnedValue,
         37,
         -60,
         0,
         {"20", "40", "60", "80"},
         4},
        // A font of no height: no automatic step, no labels; a set step still rules the band.
        {"no font height", CChart::kPurposeLoading, 37, 0, 0, {}, 0},
        {"no font height with a set step", CChart::kPurposeLoading, 37, 0, 10, {}, 3},
        // Lines closer than a unit would only fill the band: the scale loop ends at once.
        {"a step too fine to show", CChart::kPurposeLoading, 60000, -60, 1, {}, 0},
    };
    doc.AddProcess(April(1), April(3), {{1, 1}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto chart = MakeChart(c.purpose, CChart::kLineGraph, 0, 9, 1, {0});
        chart->SetMaxValue(c.purpose == CChart::kPurposeEarnedValue ? 0 : c.top);
        chart->SetScaleStep(c.step);
        LOGFONT font = chart->GetScaleFont();
        font.lfHeight = c.font;
        chart->SetScaleFont(font);
        DWORD maximum = 0;
        ASSERT_TRUE(chart->ComputeLoading(doc, doc.layout, maximum));
        CZukeiGroup group;
        ASSERT_TRUE(chart->BuildScale(doc.layout, group));

        std::vector<std::string> labels;
        for (const CZukeiString* label : Members<CZukeiString>(&group)) {
            labels.push_back(label->GetText());
        }
        EXPECT_EQ(labels, c.labels);
        int grid = 0;
        int ticks = 0;
        int axes = 0;
        for (const CZukeiLine* line : Members<CZukeiLine>(&group)) {
            const CRect r = line->GetDeviceRect(doc);
            if (r.left == r.right) {
                ++axes;
            } else if (line->GetLineType() == CZukeiLine::kRuledLineType) {
                ++grid;
            } else {
                ++ticks;
            }
        }
        EXPECT_EQ(ticks, c.ticks);
        const bool loading = c.purpose == CChart::kPurposeLoading;
        // Grid lines and the axis only on a resource-loading graph.
        EXPECT_EQ(grid, loading ? c.ticks : 0);
        EXPECT_EQ(axes, loading ? 1 : 0);
    }
}

TEST_F(ChartTest, ScalePlacesAndAttributes) {
    doc.AddProcess(April(1), April(3), {{1, 10}});
    for (const WORD purpose : {CChart::kPurposeLoading, CChart::kPurposeEarnedValue}) {
        SCOPED_TRACE(purpose);
        auto chart = MakeChart(purpose, CChart::kLineGraph, 0, 9, 1, {0});
        LOGFONT font = chart->GetScaleFont();
        font.lfHeight = -60;
        chart->SetScaleFont(font);
        chart->SetScaleStep(purpose == CChart::kPurposeLoading ? 5 : 50);
        DWORD maximum = 0;
        ASSERT_TRUE(chart->ComputeLoading(doc, doc.layout, maximum));
        CZukeiGroup group;
        ASSERT_TRUE(chart->BuildScale(doc.layout, group));
        // The first value: 5 of 10 (loading) or 50 % (earned value), half the graph up.
        const double row = 10.0 - 4.8;
        const double half = 60 / 2.0 / 50;
        const CZukei* first = group.GetMember(0);
        ASSERT_NE(first, nullptr);
        if (purpose == CChart::kPurposeLoading) {
            ASSERT_EQ(group.GetElementCount(), 3 + 1);
            const CZukei& grid = *group.GetMember(0);
            EXPECT_EQ(grid.GetDeviceRect(doc), CRect(0, Y(doc, row), 1000, Y(doc, row)));
            EXPECT_EQ(grid.GetAttr(), (CZukeiAttr{0, 2, 0xFFFF, -2, 0xC0C0C0, 0xFFFF, 0, 1}));
            const CZukei& tick = *group.GetMember(1);
            EXPECT_EQ(tick.GetDeviceRect(doc), CRect(0, Y(doc, row), 20, Y(doc, row)));
            EXPECT_EQ(tick.GetAttr(), (CZukeiAttr{0, 2, 0, -3, 0, 0xFFFF, 0, 1}));
            const auto& label = static_cast<const CZukeiString&>(*group.GetMember(2));
            EXPECT_EQ(label.GetDeviceRect(doc),
                      CRect(-500, Y(doc, row - half), -20, Y(doc, row + half)));
            EXPECT_EQ(label.GetAttr(), (CZukeiAttr{16, 2, 0, 0, 0, 0xFFFF, 0, 1}));
            EXPECT_EQ(label.GetTextAttr().m_form, 2);
            EXPECT_EQ(label.GetFont(), font);
            const CZukei& axis = *group.GetMember(3);
            EXPECT_EQ(axis.GetDeviceRect(doc), CRect(0, Y(doc, 0), 0, Y(doc, 10)));
            EXPECT_EQ(axis.GetAttr(), (CZukeiAttr{0, 2, 0, -3, 0, 0xFFFF, 0, 1}));
        } else {
            ASSERT_EQ(group.GetElementCount(), 2);
            const CZukei& tick = *group.GetMember(0);
            EXPECT_EQ(tick.GetDeviceRect(doc), CRect(980, Y(doc, row), 1000, Y(doc, row)));
            const auto& label = static_cast<const CZukeiString&>(*group.GetMember(1));
            EXPECT_EQ(label.GetText(), "50");
            EXPECT_EQ(label.GetDeviceRect(doc),
                      CRect(925, Y(doc, row - half), 975, Y(doc, row + half)));
        }
    }
}

// ---- Frame, groups and bounds -------------------------------------------------------------------

TEST_F(ChartTest, FrameCoversTheItemColumnsAndTheBand) {
    for (const WORD purpose : {CChart::kPurposeLoading, CChart::kPurposeEarnedValue}) {
        SCOPED_TRACE(purpose);
        auto chart = MakeChart(purpose, CChart::kLineGraph, 3, 8, 1, {0});
        CZukeiGroup group;
        ASSERT_TRUE(chart->BuildFrame(doc.layout, group));
        const auto boxes = Members<CZukeiBox>(&group);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0]->GetDeviceRect(doc), CRect(-500, Y(doc, 3), 1000, Y(doc, 9)));
        const WORD fill = purpose == CChart::kPurposeEarnedValue ? 999 : 100;
        EXPECT_EQ(boxes[0]->GetAttr(), (CZukeiAttr{3, 2, 0, -3, 0, fill, 0, 1}));
    }
}

TEST_F(ChartTest, BuildShapesMakesTheGroupsItHasValuesFor) {
    struct Case {
        const char* name;
        LONG graphType;
        DWORD options;
        bool withProcess;
        // Members of each group.
        std::vector<int> members;
    };
    // Two series shown; the scale of values up to 4 with the default font: 4 labels, each with
    // its grid line and tick, and the axis.
    const std::vector<Case> cases = {
        {"bars", CChart::kBarGraph, 0, true, {1, 2 + 4 * 3 + 1, 2}},
        {"bars with day totals",
         CChart::kBarGraph,
         CChart::kOptionDayTotals,
         true,
         {1, 2 + 4 * 3 + 1, 2, 2}},
        {"lines (values up to 3: 3 labels)", CChart::kLineGraph, 0, true, {1, 3 * 3 + 1, 2}},
        {"nothing to show: the frame and an empty group",
         CChart::kBarGraph,
         CChart::kOptionDayTotals,
         false,
         {1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartDoc doc;
        if (c.withProcess) {
            doc.AddProcess(April(1), April(3), {{1, 1}, {2, 3}});
        }
        auto chart = MakeChart(CChart::kPurposeLoading, c.graphType, 0, 9, 2, {0, 1});
        chart->SetOptions(c.options);
        EXPECT_TRUE(chart->BuildShapes(doc, doc.layout));
        std::vector<int> members;
        for (std::size_t i = 0; i < chart->GetShapes().size(); ++i) {
            const CZukeiGroup* group = chart->GetGroup(static_cast<int>(i));
            ASSERT_NE(group, nullptr);
            EXPECT_EQ(group->GetAttr(), (CZukeiAttr{17, 2, 0, 0, 0, 100, 0, 1}));
            members.push_back(group->GetElementCount());
        }
        EXPECT_EQ(members, c.members);
        EXPECT_EQ(doc.modified, 1);
        // A second build replaces the groups.
        chart->BuildShapes(doc, doc.layout);
        EXPECT_EQ(chart->GetShapes().size(), c.members.size());
    }
}

TEST_F(ChartTest, BoundsOfTheGroupsAndTheTotalsBlock) {
    doc.SetNames({"A", "B"});
    doc.AddProcess(April(1), April(3), {{1, 1}, {2, 3}});
    auto chart = MakeChart(CChart::kPurposeLoading, CChart::kBarGraph, 2, 9, 2, {0, 1});
    ASSERT_TRUE(chart->EnsureLabel());
    chart->SetLabelPos(CChart::kLabelBottomRight);
    chart->BuildShapes(doc, doc.layout);
    CRect r;
    // Without the day totals and the totals block: the frame.
    const CRect frame(-500, Y(doc, 2), 1000, Y(doc, 10));
    chart->GetBoundRect(r, doc, 0);
    EXPECT_EQ(r, frame);
    chart->GetBoundRect(r, doc, 1);
    EXPECT_EQ(r, frame);
    chart->GetBoundRect(r, doc, -1);
    EXPECT_EQ(r, CRect());

    // The day totals stand above the band; the totals block hangs below it.
    chart->SetOptions(CChart::kOptionDayTotals | CChart::kOptionResourceTotals);
    chart->BuildShapes(doc, doc.layout);
    const CRect block = chart->GetLabel()->GetDeviceRect(doc);
    chart->GetBoundRect(r, doc, 0);
    EXPECT_EQ(r, frame);
    chart->GetBoundRect(r, doc, -1);
    EXPECT_EQ(r, CRect(block.left, block.top, block.right, block.bottom));
    chart->GetBoundRect(r, doc, 1);
    const double topTotal = 10.0 - 4 * chart->GetRowsPerUnit() - 1.0;
    EXPECT_EQ(r, CRect(-500, Y(doc, topTotal), 1000, block.bottom));
    EXPECT_GT(r.top, frame.top);
    // The page layout's bounds of the chart are these.
    EXPECT_EQ(doc.layout.GetObjectBounds(nullptr, chart.get(), 0), r);
}

TEST_F(ChartTest, SelectionMarksTheChartAndItsFrame) {
    auto chart = MakeChart(CChart::kPurposeLoading, CChart::kBarGraph, 2, 9, 1, {0});
    chart->Select(); // no shapes yet
    EXPECT_EQ(chart->IsSelected(), 1);
    chart->Deselect();
    chart->BuildShapes(doc, doc.layout);
    chart->Select();
    EXPECT_EQ(chart->IsSelected(), 1);
    const CZukeiGroup* frame = chart->GetGroup(CChart::kGroupFrame);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetMember(0)->IsSelected(), 1);
    // Only the frame box shows it.
    EXPECT_EQ(frame->IsSelected(), 0);
    chart->Deselect();
    EXPECT_EQ(chart->IsSelected(), 0);
    EXPECT_EQ(frame->GetMember(0)->IsSelected(), 0);
}

// ---- Totals block -------------------------------------------------------------------------------

class ChartTotalsTest : public ChartTest {
protected:
    ChartTotalsTest() {
        doc.SetNames({"Alpha", "Beta", "Gamma"});
        doc.Holidays(April(2), April(2));
        // Alpha 2 a day on days 0..2 but not on the holiday; Beta 5 a day on days 0 and 1 from
        // a selected process; Gamma is not shown; resource 4 is no entry of the table.
        doc.AddProcess(April(1), April(4), {{1, 2}, {0, 7}, {4, 7}}, true);
        doc.AddProcess(April(1), April(3), {{2, 5}}, false, true);
        doc.AddProcess(April(6), April(8), {{3, 1}});
        chart = MakeChart(CChart::kPurposeLoading, CChart::kBarGraph, 5, 10, 4, {0, 1, 3});
        chart->SetIgnoreHoliday(0);
        chart->SetOptions(CChart::kOptionResourceTotals);
        // Display names: none for Alpha, "B" for Beta, the list ends before Gamma.
        chart->SetDisplayNames({"", "B"});
        EXPECT_TRUE(chart->EnsureLabel());
    }

    std::unique_ptr<CChart> chart;
};

TEST_F(ChartTotalsTest, LinesOfNameAndTotal) {
    chart->BuildShapes(doc, doc.layout);
    const CZukeiString* block = chart->GetLabel();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->GetText(), "Alpha : 4\r\nB : 10\r\n");
    EXPECT_TRUE(block->GetUpdate());
    chart->SetSeparator("=");
    chart->SetIgnoreHoliday(1);
    chart->BuildResourceTotals(doc, doc.layout);
    EXPECT_EQ(block->GetText(), "Alpha = 6\r\nB = 10\r\n");
}

TEST_F(ChartTotalsTest, PlacedAtACornerOfTheBand) {
    // 11 and 8 characters 16 wide, two lines 32 high: 264 x 128.
    const int yTop = Y(doc, 5);
    const int yBase = Y(doc, 11);
    struct Case {
        LONG pos;
        CRect rect;
    };
    const std::vector<Case> cases = {
        {CChart::kLabelFree, CRect(736, yBase, 1000, yBase - 128)}, // never placed: 右下
        {CChart::kLabelBottomRight, CRect(736, yBase, 1000, yBase - 128)},
        {CChart::kLabelTopRight, CRect(736, yTop + 128, 1000, yTop)},
        {CChart::kLabelBottomLeft, CRect(-500, yBase, -236, yBase - 128)},
        {CChart::kLabelTopLeft, CRect(-500, yTop + 128, -236, yTop)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pos);
        auto& block = *chart->GetLabel();
        block.SetAnchors(CTime(), 0.0, CTime(), 0.0);
        doc.viewUpdates.clear();
        chart->SetLabelPos(c.pos);
        chart->BuildShapes(doc, doc.layout);
        const CRect r = block.GetDeviceRect(doc);
        EXPECT_NEAR(r.left, c.rect.left, 1);
        EXPECT_NEAR(r.top, c.rect.top, 1);
        EXPECT_NEAR(r.right, c.rect.right, 1);
        EXPECT_NEAR(r.bottom, c.rect.bottom, 1);
        // The views redraw the chart where it was before the block moves.
        EXPECT_EQ(doc.viewUpdates, std::vector<CObject*>{chart.get()});
    }

    // Placed where the user put it, it stays there with its size.
    chart->SetLabelPos(CChart::kLabelFree);
    auto& block = *chart->GetLabel();
    block.SetAnchors(April(2), 20.0, April(5), 24.0);
    const CRect before = block.GetDeviceRect(doc);
    doc.viewUpdates.clear();
    chart->BuildShapes(doc, doc.layout);
    EXPECT_EQ(block.GetDeviceRect(doc), before);
    EXPECT_TRUE(doc.viewUpdates.empty());
    EXPECT_EQ(block.GetText(), "Alpha : 4\r\nB : 10\r\n");
}

TEST_F(ChartTotalsTest, TheBlockIsAFramedTextMadeOnce) {
    const CZukeiString* block = chart->GetLabel();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->GetKind(), kZukeiFramedString);
    EXPECT_EQ(block->GetAttr(), (CZukeiAttr{14, 0, 0, -3, 0, 100, 0, 1}));
    EXPECT_EQ(block->GetStyleNo(), 3);
    EXPECT_EQ(block->GetFrameKind(), kZukeiBox);
    EXPECT_EQ(block->GetFont().lfHeight, -32);
    EXPECT_EQ(block->GetFont().lfWidth, 0);
    EXPECT_TRUE(chart->EnsureLabel());
    EXPECT_EQ(chart->GetLabels().size(), 1u);
    EXPECT_EQ(chart->GetLabel(), block);

    // Without the option the block is left as it is.
    chart->SetOptions(0);
    chart->BuildShapes(doc, doc.layout);
    EXPECT_EQ(block->GetText(), "");
}

// ---- Failures -----------------------------------------------------------------------------------

TEST_F(ChartTest, AGroupThatCannotBeMadeIsReportedAndLeftOut) {
    auto chart = MakeChart(CChart::kPurposeLoading, CChart::kBarGraph, 2, 9, 1, {0});
    {
        test::FailingAllocation fail(0);
        EXPECT_EQ(chart->NewPartGroup(), nullptr);
    }
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5027u);
}

// Whichever allocation of a build fails, the build keeps what it built and leaves a chart that
// can be measured, copied and built again.
TEST_F(ChartTest, BuildingSurvivesEveryAllocationFailure) {
    doc.SetPeriod(3);
    doc.SetNames({"A"});
    doc.AddProcess(April(1), April(3), {{1, 2}});
    auto chart = MakeChart(CChart::kPurposeLoading, CChart::kBarGraph, 2, 9, 1, {0});
    chart->SetOptions(CChart::kOptionDayTotals | CChart::kOptionResourceTotals);
    ASSERT_TRUE(chart->EnsureLabel());
    for (long n = 0;; ++n) {
        bool fired = false;
        {
            test::FailingAllocation fail(n);
            chart->BuildShapes(doc, doc.layout);
            fired = fail.Fired();
        }
        CRect r;
        chart->GetBoundRect(r, doc, 1);
        CChart copy;
        copy = *chart;
        if (!fired) {
            EXPECT_EQ(chart->GetShapes().size(), 4u);
            EXPECT_EQ(chart->GetLabel()->GetText(), "A : 4\r\n");
            break;
        }
    }
}

} // namespace
} // namespace tembra
