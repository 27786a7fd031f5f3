// The day values of a resource chart over 1..10 April 2000: which days a process counts on,
// which series and slots its resources reach, how holidays and the selection count, and the
// earned value that stays after a process ends while its series is active.
#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using test::April;
using test::ChartDoc;
using test::MakeChart;
using Values = std::vector<std::vector<int>>;

struct Process {
    CTime start;
    CTime end;
    std::vector<test::Resource> resources;
    bool holiday = false;
    bool selected = false;
};

struct LoadingCase {
    const char* name;
    std::vector<Process> processes;
    std::vector<int> shown; // of three series
    LONG graphType = CChart::kBarGraph;
    LONG ignoreHoliday = 1;
    bool computed = true;
    Values values; // per slot, days 0..9
    DWORD maximum = 0;
};

void AddAll(ChartDoc& doc, const std::vector<Process>& processes) {
    for (const Process& p : processes) {
        CKoutei& process = doc.AddProcess(p.start, p.end, {}, p.holiday, p.selected);
        for (const test::Resource& r : p.resources) {
            process.GetShigen()->AddShigenData(std::make_unique<CShigenData>(r.number, r.quantity));
        }
    }
}

TEST(ChartLoadingTest, DayValuesByProcessSeriesAndHoliday) {
    const std::vector<LoadingCase> cases = {
        {"from 00:00 to 00:00: the days before the end",
         {{April(3), April(5), {{1, 2}}}},
         {0},
         CChart::kBarGraph,
         1,
         true,
         {{0, 0, 2, 2, 0, 0, 0, 0, 0, 0}},
         2},
        {"ending at noon: the end day too",
         {{April(3), April(5, 12), {{1, 2}}}},
         {0},
         CChart::kBarGraph,
         1,
         true,
         {{0, 0, 2, 2, 2, 0, 0, 0, 0, 0}},
         2},
        {"starting at noon: from the next day",
         {{April(3, 12), April(5), {{1, 2}}}},
         {0},
         CChart::kBarGraph,
         1,
         true,
         {{0, 0, 0, 2, 0, 0, 0, 0, 0, 0}},
         2},
        {"wholly before and after the period: nothing",
         {{CTime(2000, 3, 20), CTime(2000, 3, 25), {{1, 4}}},
          {April(11), April(15), {{1, 4}}},
          {April(1), April(1), {{1, 4}}}},
         {0},
         CChart::kBarGraph,
         1,
         false,
         {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
         0},
        {"over the start: from day 0",
         {{CTime(2000, 3, 28), April(3), {{1, 3}}}},
         {0},
         CChart::kBarGraph,
         1,
         true,
         {{3, 3, 0, 0, 0, 0, 0, 0, 0, 0}},
         3},
        {"a hidden series adds nothing, not even to the stacked total",
         {{April(1), April(4), {{1, 1}, {2, 5}, {3, 2}}}},
         {0, 2},
         CChart::kBarGraph,
         1,
         true,
         {{1, 1, 1, 0, 0, 0, 0, 0, 0, 0}, {3, 3, 3, 0, 0, 0, 0, 0, 0, 0}},
         3},
        {"bars of three series stack up to the total in the last slot",
         {{April(1), April(5), {{1, 1}}},
          {April(3), April(8), {{2, 2}}},
          {April(4), April(6), {{3, 4}}},
          {April(7), April(11), {{1, 3}, {3, 1}}}},
         {0, 1, 2},
         CChart::kBarGraph,
         1,
         true,
         {{1, 1, 1, 1, 0, 0, 3, 3, 3, 3},
          {1, 1, 3, 3, 2, 2, 5, 3, 3, 3},
          {1, 1, 3, 7, 6, 2, 6, 4, 4, 4}},
         7},
        {"lines of three series each hold their own, the maximum is the largest of all",
         {{April(1), April(5), {{1, 1}}},
          {April(3), April(8), {{2, 2}}},
          {April(4), April(6), {{3, 4}}}},
         {0, 1, 2},
         CChart::kLineGraph,
         1,
         true,
         {{1, 1, 1, 1, 0, 0, 0, 0, 0, 0},
          {0, 0, 2, 2, 2, 2, 2, 0, 0, 0},
          {0, 0, 0, 4, 4, 0, 0, 0, 0, 0}},
         4},
        {"holidays counted: every day counts",
         {{April(1), April(7), {{1, 2}}, true}, {April(1), April(7), {{1, 1}}}},
         {0},
         CChart::kBarGraph,
         1,
         true,
         {{3, 3, 3, 3, 3, 3, 0, 0, 0, 0}},
         3},
        {"holidays skipped only by processes whose line has the Holiday attribute",
         {{April(1), April(7), {{1, 2}}, true}, {April(1), April(7), {{1, 1}}}},
         {0},
         CChart::kBarGraph,
         0,
         true,
         {{3, 1, 1, 3, 3, 3, 0, 0, 0, 0}},
         3},
        {"holidays skipped on a line graph as well",
         {{April(1), April(7), {{1, 2}}, true}},
         {0},
         CChart::kLineGraph,
         0,
         true,
         {{2, 0, 0, 2, 2, 2, 0, 0, 0, 0}},
         2},
        {"a selected process counts like an unselected one",
         {{April(2), April(4), {{1, 2}}}, {April(3), April(6), {{1, 5}}, false, true}},
         {0},
         CChart::kBarGraph,
         1,
         true,
         {{0, 2, 7, 5, 5, 0, 0, 0, 0, 0}},
         7},
        {"resource numbers outside the series are passed over",
         {{April(1), April(3), {{0, 9}, {4, 9}, {65535, 9}, {1, 1}}}},
         {0},
         CChart::kBarGraph,
         1,
         true,
         {{1, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
         1},
    };
    for (const LoadingCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::ScopedUi ui;
        ChartDoc doc;
        // 2 and 3 April are holidays.
        doc.Holidays(April(2), April(3));
        AddAll(doc, c.processes);
        auto chart = MakeChart(CChart::kPurposeLoading, c.graphType, 0, 9, 3, {});
        for (const int i : c.shown) {
            chart->SetSeriesShown(i, 1);
        }
        chart->SetIgnoreHoliday(c.ignoreHoliday);
        DWORD maximum = 99;
        EXPECT_EQ(chart->ComputeLoading(doc, doc.layout, maximum), c.computed ? TRUE : FALSE);
        EXPECT_EQ(maximum, c.maximum);
        EXPECT_EQ(test::AllDayValues(*chart), c.values);
        // Each shown series knows its slot, in series order.
        for (std::size_t k = 0; k < c.shown.size(); ++k) {
            EXPECT_EQ(chart->IsSeriesShown(c.shown[k]), static_cast<LONG>(k + 1));
            EXPECT_EQ(chart->GetSlotSeries(static_cast<int>(k + 1)), c.shown[k]);
        }
        EXPECT_TRUE(ui->MessageBoxes().empty());
    }
}

TEST(ChartLoadingTest, EarnedValueStaysWhileTheSeriesIsActive) {
    test::ScopedUi ui;
    ChartDoc doc;
    // Holidays do not interrupt an earned value, whatever the line says.
    doc.Holidays(April(4), April(4));
    auto chart = MakeChart(CChart::kPurposeEarnedValue, CChart::kLineGraph, 0, 9, 2, {0});
    chart->SetIgnoreHoliday(0);
    doc.AddProcess(April(3), April(6), {{1, 5}}, true);
    DWORD maximum = 0;
    ASSERT_TRUE(chart->ComputeLoading(doc, doc.layout, maximum));
    EXPECT_EQ(test::AllDayValues(*chart), (Values{{0, 0, 5, 5, 5, 0, 0, 0, 0, 0}}));
    EXPECT_EQ(maximum, 5u);

    doc.AddProcess(April(7), April(9), {{1, 3}});
    ASSERT_TRUE(chart->ComputeLoading(doc, doc.layout, maximum));
    EXPECT_EQ(test::AllDayValues(*chart), (Values{{0, 0, 5, 5, 5, 0, 8, 8, 0, 0}}));
    EXPECT_EQ(maximum, 8u);
}

TEST(ChartLoadingTest, NothingToComputeGivesNoGraph) {
    struct Case {
        const char* name;
        short top;
        short bottom;
        std::vector<int> shown;
        bool withProcess;
        DWORD maxValue;
        bool computed;
    };
    const std::vector<Case> cases = {
        {"no series shown", 0, 9, {}, true, 0, false},
        {"no resources and no maximum set", 0, 9, {0}, false, 0, false},
        {"no resources but a maximum set: an empty graph", 0, 9, {0}, false, 50, true},
        {"a band whose bottom lies above its top", 9, 3, {0}, true, 0, false},
        {"a band of one row", 4, 4, {0}, true, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChartDoc doc;
        if (c.withProcess) {
            doc.AddProcess(April(1), April(3), {{1, 2}});
        }
        auto chart = MakeChart(CChart::kPurposeLoading, CChart::kBarGraph, c.top, c.bottom, 1, {});
        for (const int i : c.shown) {
            chart->SetSeriesShown(i, 1);
        }
        chart->SetMaxValue(c.maxValue);
        DWORD maximum = 99;
        EXPECT_EQ(chart->ComputeLoading(doc, doc.layout, maximum), c.computed ? TRUE : FALSE);
        EXPECT_EQ(maximum, c.withProcess && c.computed ? 2u : 0u);
    }
}

// Rows of no height (an item area without height) leave no room for a graph instead of
// dividing by zero.
TEST(ChartLoadingTest, RowsOfNoHeightComputeNothing) {
    ChartDoc doc;
    CPrintArea::StoredFields f;
    f.paper = f.header = f.page = CRect(-500, 0, 1100, 0);
    f.date = f.edit = f.chart = f.inner = CRect(0, 0, 1000, 0);
    f.items = CRect(-500, 0, 0, 0);
    doc.set.GetPageSetting().SetStoredFields(f);
    doc.layout.Init(&doc);
    ASSERT_EQ(doc.layout.GetRowHeight(), 0.0);
    doc.AddProcess(April(1), April(3), {{1, 2}});
    auto chart = MakeChart(CChart::kPurposeLoading, CChart::kBarGraph, 0, 9, 1, {0});
    DWORD maximum = 99;
    EXPECT_FALSE(chart->ComputeLoading(doc, doc.layout, maximum));
    EXPECT_EQ(maximum, 0u);
}

// The vertical scale of a band of ten rows 50 high: 20 units stay free above the graph, so its
// height is 9.6 rows, and one unit of value is 9.6 / top rows.
TEST(ChartLoadingTest, ScaleOfTheBand) {
    ChartDoc doc;
    doc.AddProcess(April(1), April(3), {{1, 8}});
    auto chart = MakeChart(CChart::kPurposeLoading, CChart::kBarGraph, 5, 14, 1, {0});
    DWORD maximum = 0;
    ASSERT_TRUE(chart->ComputeLoading(doc, doc.layout, maximum));
    EXPECT_EQ(chart->GetAxisMax(), 8u);
    EXPECT_DOUBLE_EQ(chart->GetRowsPerUnit(), 9.6 / 8);
    EXPECT_DOUBLE_EQ(chart->GetRowsPerPercent(), 9.6 / 100);
    EXPECT_DOUBLE_EQ(chart->GetGraphHeight(), 480.0);

    // A set maximum is the top of the axis.
    chart->SetMaxValue(32);
    ASSERT_TRUE(chart->ComputeLoading(doc, doc.layout, maximum));
    EXPECT_EQ(maximum, 8u);
    EXPECT_EQ(chart->GetAxisMax(), 32u);
    EXPECT_DOUBLE_EQ(chart->GetRowsPerUnit(), 9.6 / 32);

    // A band of one row at 25 %: a tenth of it is 5 units at 100 %, so a tenth stays free.
    doc.layout.SetZoomIndex(0);
    doc.layout.EnsureLayout();
    chart->SetTopRow(3);
    chart->SetBottomRow(3);
    ASSERT_TRUE(chart->ComputeLoading(doc, doc.layout, maximum));
    EXPECT_DOUBLE_EQ(chart->GetRowsPerUnit(), 0.9 / 32);
}

TEST(ChartLoadingTest, SkippedHolidayNeedsTheAttributeAndAHoliday) {
    ChartDoc doc;
    doc.Holidays(April(4), April(4));
    const CKoutei& plain = doc.AddProcess(April(1), April(9), {{1, 1}});
    const CKoutei& skipping = doc.AddProcess(April(1), April(9), {{1, 1}}, true);
    EXPECT_FALSE(CChart::IsSkippedHoliday(doc, plain, April(1), 3));
    EXPECT_TRUE(CChart::IsSkippedHoliday(doc, skipping, April(1), 3));
    EXPECT_FALSE(CChart::IsSkippedHoliday(doc, skipping, April(1), 2));
    EXPECT_TRUE(CChart::IsSkippedHoliday(doc, skipping, April(2), 2));
}

} // namespace
} // namespace tembra
