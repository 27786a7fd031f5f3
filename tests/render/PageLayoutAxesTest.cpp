// The axes of the page layout (see PageLayoutFixture.h): dates to x and back on a linear axis and
// with irregular day scales, elapsed years, months and days, rows to y with fixed rows while
// scrolled, the item columns, and the zones a point falls in.
#include "PageLayoutFixture.h"

#include "model/ChartPos.h"
#include "model/Koumoku.h"

#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::kMaster;
using test::LayoutDoc;
using test::PageLayoutTest;
using test::Period;
using test::ShownHeader;

// ---- Time axis ----------------------------------------------------------------------------------

struct DateCase {
    CTime time;
    int x;
};

TEST_F(PageLayoutTest, LinearAxisDatesToX) {
    Bind();
    ASSERT_FALSE(layout.GetScale().IsBuilt());
    EXPECT_DOUBLE_EQ(layout.GetDayWidth(), 2210.0 / 30);
    const std::vector<DateCase> cases = {
        {Day(2010, 4, 1), 530},        // the chart's left edge
        {Day(2010, 4, 1, 12), 566},    // half a day, truncated
        {Day(2010, 4, 2), 603},        //
        {Day(2010, 4, 2, 6, 30), 622}, // 603 + 18 (6 h) + 1 (30 min)
        {Day(2010, 5, 1), 2740},       // the day after the end: the right edge
        {Day(2010, 3, 31), 457},       // before the period
        {Day(1991, 1, 1), -30000},     // clamped
        {Day(2020, 12, 31), 30000},    // clamped
    };
    for (const DateCase& c : cases) {
        EXPECT_EQ(layout.DateToX(c.time), c.x) << c.time.Format("%Y-%m-%d %H:%M");
    }
    EXPECT_EQ(layout.DaysToWidth(2), 147);
    EXPECT_DOUBLE_EQ(layout.GetDayWidthAt(Day(2010, 4, 5)), 2210.0 / 30);
    EXPECT_EQ(layout.GetSpanWidth(Day(2010, 4, 2), Day(2010, 4, 1)), 73);
}

struct XCase {
    int x;
    int precision;
    int rounding;
    CTime date;
};

TEST_F(PageLayoutTest, LinearAxisXToDate) {
    Bind();
    const std::vector<XCase> cases = {
        {566, 0, 1, Day(2010, 4, 1)},         // before the middle of the day
        {567, 0, 1, Day(2010, 4, 2)},         // past it
        {566, 0, 2, Day(2010, 4, 2)},         // a whole day added
        {602, 0, 0, Day(2010, 4, 1)},         //
        {100, 0, 1, Day(2010, 4, 1)},         // left of the chart: the start
        {5000, 0, 1, Day(2010, 5, 1)},        // right of it: the date at the right edge
        {603, 1, 0, Day(2010, 4, 1, 23)},     // 73 units: 23.8 hours
        {603, 1, 1, Day(2010, 4, 2)},         // rounded to the next hour: 24:00
        {603, 2, 0, Day(2010, 4, 1, 23, 46)}, //
        {603, 2, 7, Day(2010, 4, 1, 23, 47)}, // any other rounding adds a half
    };
    for (const XCase& c : cases) {
        EXPECT_EQ(layout.XToDate(c.x, c.precision, c.rounding), c.date)
            << c.x << " " << c.precision << " " << c.rounding;
    }
}

TEST_F(PageLayoutTest, DayScaleWithHalfAndZeroFactors) {
    AddIrregularDays();
    Bind();
    ASSERT_TRUE(layout.GetScale().IsBuilt());
    EXPECT_DOUBLE_EQ(layout.GetDayWidth(), 2210.0 / 27.5);
    const std::vector<DateCase> cases = {
        {Day(2010, 4, 1), 530},     // the chart's left edge
        {Day(2010, 4, 1, 12), 570}, // half of the first day's width, truncated
        {Day(2010, 4, 3), 690},     // two whole days
        {Day(2010, 4, 3, 12), 710}, // half of the half-width day
        {Day(2010, 4, 4), 730},     //
        {Day(2010, 4, 5), 811},     // the days without width
        {Day(2010, 4, 5, 12), 811}, //
        {Day(2010, 4, 7), 811},     //
        {Day(2010, 5, 1), 2740},    // the right edge
    };
    for (const DateCase& c : cases) {
        EXPECT_EQ(layout.DateToX(c.time), c.x) << c.time.Format("%Y-%m-%d %H:%M");
    }
    EXPECT_EQ(layout.XToDate(730, 0, 0), Day(2010, 4, 3));
    EXPECT_EQ(layout.XToDate(731, 0, 0), Day(2010, 4, 4));
    EXPECT_EQ(layout.XToDate(100, 0, 1), Day(2010, 4, 1));
    EXPECT_EQ(layout.XToDate(9000, 0, 0), Day(2010, 5, 1));
    EXPECT_DOUBLE_EQ(layout.GetDayWidthAt(Day(2010, 4, 3)), 40.0);
    EXPECT_DOUBLE_EQ(layout.GetDayWidthAt(Day(2010, 4, 5)), 0.0);
}

TEST_F(PageLayoutTest, DayScaleWithoutWidthReadsAsLinear) {
    // Every day of the period without width: no scale is kept.
    doc.set.GetHensoku()->AddData(Period(Day(2010, 4, 1), Day(2010, 4, 30), 0, 1));
    Bind();
    EXPECT_EQ(layout.DateToX(Day(2010, 4, 2)), 603);

    // A scale that has width, cut to a period whose days have none.
    doc.set.GetHensoku()->RemoveAll();
    doc.set.GetHensoku()->AddData(Period(Day(2010, 4, 1), Day(2010, 4, 10), 0, 1));
    Bind();
    ASSERT_TRUE(layout.GetScale().IsBuilt());
    layout.SetEndDate(Day(2010, 4, 5));
    EXPECT_DOUBLE_EQ(layout.GetDayWidth(), 2210.0 / 5);
    EXPECT_EQ(layout.DateToX(Day(2010, 4, 2)), 530 + 442);
    EXPECT_EQ(layout.XToDate(530 + 442, 0, 0), Day(2010, 4, 2));
}

TEST_F(PageLayoutTest, PeriodWithoutLengthLeavesEveryDateAtTheStart) {
    doc.set.SetEndDate(Day(2010, 3, 31));
    Bind();
    EXPECT_EQ(layout.GetDayWidth(), 0.0);
    EXPECT_EQ(layout.DateToX(Day(2010, 4, 20)), 530);
    EXPECT_EQ(layout.XToDate(1000, 2, 1), Day(2010, 4, 1));
}

TEST_F(PageLayoutTest, CopyKeepsItsOwnDayScale) {
    AddIrregularDays();
    auto original = std::make_unique<CPageLayout>();
    original->Init(&doc);
    original->SetScrolledDown(TRUE);
    original->SetQuickText(TRUE);
    CPageLayout copy;
    copy = *original;
    original.reset();
    EXPECT_EQ(copy.DateToX(Day(2010, 4, 4)), 730);
    EXPECT_TRUE(copy.IsScrolledDown());
    EXPECT_TRUE(copy.IsQuickText());
}

// ---- Elapsed days -------------------------------------------------------------------------------

struct NobeCase {
    CTime time;
    int year, month, day;
};

TEST_F(PageLayoutTest, ElapsedYearsMonthsAndDays) {
    for (const CTimeSpan length : {CTimeSpan(30, 0, 0, 0), CTimeSpan(0), CTimeSpan(-5, 0, 0, 0)}) {
        // Lengths below a day count as 30 days.
        doc.set.SetNobeMonthSpan(length);
        Bind();
        EXPECT_EQ(layout.GetMonthSpan(), CTimeSpan(30, 0, 0, 0));
        const std::vector<NobeCase> cases = {
            {Day(2010, 4, 1), 1, 1, 1},                           // the origin
            {Day(2010, 3, 31), -1, -1, 30},                       // the day before
            {Day(2010, 3, 30), -1, -1, 29},                       //
            {Day(2010, 4, 1) + CTimeSpan(45, 0, 0, 0), 1, 2, 16}, //
            {Day(2010, 4, 1) + CTimeSpan(360, 0, 0, 0), 2, 1, 1}, // a year after
            {Day(2010, 4, 1, 23), 1, 1, 1},                       // the time of day
        };
        for (const NobeCase& c : cases) {
            int year = 0;
            int month = 0;
            int day = 0;
            const CTimeSpan span = layout.DateToNobeYMD(c.time, &year, &month, &day);
            EXPECT_EQ(span, c.time - Day(2010, 4, 1));
            EXPECT_EQ(year, c.year) << c.time.Format("%Y-%m-%d");
            EXPECT_EQ(month, c.month) << c.time.Format("%Y-%m-%d");
            EXPECT_EQ(day, c.day) << c.time.Format("%Y-%m-%d");
        }
    }
    // Outputs are optional.
    int month = 0;
    layout.DateToNobeYMD(Day(2010, 5, 1), nullptr, &month, nullptr);
    EXPECT_EQ(month, 2);
}

TEST_F(PageLayoutTest, ElapsedDaysCountFromTheDrawStartAndTheOrigin) {
    doc.set.SetMaeYohaku(CTimeSpan(5, 0, 0, 0));
    doc.set.SetJyunbiKikan(CTimeSpan(2, 0, 0, 0));
    Bind();
    EXPECT_EQ(layout.GetDrawStart(), Day(2010, 4, 6));
    int year = 0;
    int month = 0;
    int day = 0;
    layout.DateToNobeYMD(Day(2010, 4, 8), &year, &month, &day);
    EXPECT_EQ(std::make_tuple(year, month, day), std::make_tuple(1, 1, 1));
    EXPECT_EQ(layout.GetDrawDayCount(), 25);
    EXPECT_EQ(layout.GetDayCount(), 30);
}

// ---- Rows and columns ---------------------------------------------------------------------------

TEST_F(PageLayoutTest, RowsToY) {
    Bind();
    EXPECT_DOUBLE_EQ(layout.GetRowHeight(), 1480.0 / 30);
    const std::vector<std::tuple<int, int, int>> cases = {
        {0, -1, -120},       // the first row's top: the chart's top
        {0, 0, -144},        // half a row below, rounded toward zero
        {0, 1, -169},        //
        {29, -1, -1550},     // the last row
        {29, 0, -1575},      //
        {29, 1, -1600},      // its bottom: the chart's bottom
        {-5, -1, -120},      // rows below 0 are row 0
        {12000, -1, -30000}, // rows above 9999 are 9999, clamped
    };
    for (const auto& [row, edge, y] : cases) {
        EXPECT_EQ(layout.RowToY(row, edge), y) << row << " " << edge;
    }
    const std::vector<std::pair<int, int>> back = {{-144, 0}, {-169, 0},   {-170, 1},
                                                   {500, 0},  {-1599, 29}, {-5000, 29}};
    for (const auto& [y, row] : back) {
        EXPECT_EQ(layout.YToRow(y), row) << y;
    }
    EXPECT_NEAR(layout.YToRowF(-144), 24 / (1480.0 / 30), 1e-9);
    EXPECT_EQ(layout.RowsToHeight(3), 148);
    EXPECT_EQ(layout.DateRowToPoint(Day(2010, 4, 2), 0), CPoint(603, -144));
    CTime date;
    int row = 0;
    layout.PointToDateRow(567, -170, 0, date, row);
    EXPECT_EQ(date, Day(2010, 4, 2));
    EXPECT_EQ(row, 1);
}

TEST_F(PageLayoutTest, RowsAboveTheLastRowNumberAreTheLastRow) {
    Bind();
    layout.SetFirstRow(9990);
    layout.SetLastRow(10019);
    // Row 9999 is the tenth shown row: its top lies nine rows (444 units) below the chart's top.
    ASSERT_EQ(layout.RowToY(9999, -1), -564);
    for (const int edge : {-1, 0, 1}) {
        EXPECT_EQ(layout.RowToY(12000, edge), layout.RowToY(9999, edge)) << edge;
        EXPECT_EQ(layout.RowToY(32767, edge), layout.RowToY(9999, edge)) << edge;
    }
}

// A picture of no days and no rows leaves a chart without width and height: dates read as the
// period's start and every y as the first row, without a division by zero.
TEST_F(PageLayoutTest, ZeroDayWidthAndRowHeightGiveTheStartAndTheFirstRow) {
    doc.set.SetFirstRow(5);
    Bind();
    layout.SetOutputMode(1);
    layout.RecalcForExtent(0, 0);
    ASSERT_EQ(layout.GetChartRect(), CRect(530, -120, 530, -120));
    EXPECT_EQ(layout.GetDayWidth(), 0.0);
    EXPECT_EQ(layout.GetRowHeight(), 0.0);
    for (const int precision : {0, 1, 2}) {
        EXPECT_EQ(layout.XToDate(1000, precision, 1), Day(2010, 4, 1)) << precision;
    }
    EXPECT_EQ(layout.YToRow(-500), 5);
    EXPECT_EQ(layout.YToRow(100), 5);
    EXPECT_EQ(layout.YToRowF(-500), 5.0);
    EXPECT_EQ(layout.RowToY(8, 0), -120);
    EXPECT_EQ(layout.DateToX(Day(2010, 4, 20)), 530);
}

TEST_F(PageLayoutTest, NoRowsReadsAsOneRow) {
    doc.set.SetLastRow(0);
    doc.set.SetFirstRow(1);
    Bind();
    EXPECT_EQ(layout.GetRowCount(), 1);
    EXPECT_DOUBLE_EQ(layout.GetRowHeight(), 1480.0);
    EXPECT_EQ(layout.YToRow(-200), 1);
}

// Scrolled down to row 10 with rows 0 and 1 fixed: the fixed rows keep the chart's top, the
// rows from 10 start below them; the clipped pass converts on the fixed band.
TEST_F(PageLayoutTest, FixedRowsOfAChartScrolledDown) {
    doc.set.SetFixedFirstRow(0);
    doc.set.SetFixedLastRow(1);
    Bind();
    layout.SetFirstRow(10);
    layout.SetScrolledDown(TRUE);
    layout.RecalcLayout();
    // 1480 / 22 per row while the fixed rows are counted in: the fixed rows take 134.
    EXPECT_EQ(layout.GetChartRect(), CRect(530, -254, 2740, -1600));
    EXPECT_EQ(layout.GetKoumokuRect(), CRect(0, -254, 500, -1600));
    EXPECT_EQ(layout.GetKouteiRect().top, -254);
    EXPECT_EQ(layout.GetGridRect(), CRect(0, -120, 500, -254));
    EXPECT_EQ(layout.GetKouteiGridRect(), CRect(500, -120, 2770, -254));
    EXPECT_EQ(layout.GetChartGridRect(), CRect(530, -120, 2740, -254));
    EXPECT_EQ(layout.RowToY(10, -1), -254);
    EXPECT_EQ(layout.RowToY(29, 1), -1600);
    EXPECT_EQ(layout.HitZone(100, -200), CPageLayout::kZoneElsewhere);

    layout.SetClipPass(TRUE);
    EXPECT_EQ(layout.RowToY(0, -1), -120);
    EXPECT_EQ(layout.RowToY(1, 1), -254);
    EXPECT_EQ(layout.YToRow(-200), 1);
    EXPECT_EQ(layout.YToRow(-400), 1); // below the band: its last unit
    EXPECT_EQ(layout.YToRow(0), 0);

    // The clipped pass alone, or the flag alone, converts on the chart.
    layout.SetScrolledDown(FALSE);
    EXPECT_EQ(layout.RowToY(10, -1), -254);
}

TEST_F(PageLayoutTest, FixedRowsOnlyWhileScrolledOnScreen) {
    doc.set.SetFixedFirstRow(0);
    doc.set.SetFixedLastRow(1);
    Bind();
    EXPECT_EQ(layout.GetChartRect().top, -120); // the first row is 0
    layout.SetFirstRow(10);
    layout.SetOutputMode(1);
    layout.RecalcRects();
    EXPECT_EQ(layout.GetChartRect().top, -420); // printing: not moved down, not shifted

    doc.set.SetFixedLastRow(0xFFFF); // none
    Bind();
    layout.SetFirstRow(10);
    layout.RecalcLayout();
    EXPECT_EQ(layout.GetChartRect().top, -120);
    EXPECT_EQ(layout.GetChartGridRect(), CRect(530, -120, 2740, -120));
}

TEST_F(PageLayoutTest, ItemColumns) {
    Bind();
    // 33, 33 and 34 % of 500 units.
    const std::vector<std::tuple<int, int, int>> edges = {
        {0, -1, 0}, {0, 1, 165}, {1, 0, 167}, {1, 1, 330}, {2, 1, 500}, {5, 1, 500}, {-3, -1, 0}};
    for (const auto& [column, edge, x] : edges) {
        EXPECT_EQ(layout.ColumnToX(column, edge), x) << column << " " << edge;
    }
    const std::vector<std::pair<int, int>> columns = {{-5, 0},  {0, 0},   {1, 0},   {166, 0},
                                                      {167, 1}, {331, 1}, {332, 2}, {499, 2},
                                                      {500, 2}, {900, 2}};
    for (const auto& [x, column] : columns) {
        EXPECT_EQ(layout.XToColumn(x), column) << x;
    }
    EXPECT_EQ(layout.HitColumnBorder(168, -500), 0);
    EXPECT_EQ(layout.HitColumnBorder(326, -500), 1);
    EXPECT_EQ(layout.HitColumnBorder(170, -500), -1);
    EXPECT_EQ(layout.HitColumnBorder(168, -50), -1); // in the date band
}

TEST_F(PageLayoutTest, NoItemTableGivesTheItemAreasLeftEdge) {
    class NoTable : public LayoutDoc {
    public:
        const CKoumoku* GetKoumoku() const override { return nullptr; }
    } bare;
    ASSERT_TRUE(bare.set.GetPageSetting().SetPaper(kPaperA4, 0, kMaster, -1));
    bare.set.SetEndDate(CTime(86400 * 30));
    layout.Init(&bare);
    const CRect items = layout.GetKoumokuRect();
    EXPECT_EQ(layout.ColumnToX(0, -1), items.left);
    EXPECT_EQ(layout.ColumnToX(3, 1), items.left);
    EXPECT_EQ(layout.XToColumn(items.left + 100), 0);
    EXPECT_EQ(layout.HitColumnBorder(items.left + 2, -500), -1);
}

// ---- Zones --------------------------------------------------------------------------------------

TEST_F(PageLayoutTest, HitZones) {
    Bind();
    const std::vector<std::tuple<int, int, int>> cases = {
        {1000, -50, CPageLayout::kZoneDateBand}, // date band right of the item area
        {100, -50, CPageLayout::kZoneAreaName},  // left of it
        {500, -50, CPageLayout::kZoneDateBand},  // on the item area's right edge
        {100, 0, CPageLayout::kZoneAreaName},    // the top edge belongs to the band
        {100, -500, CPageLayout::kZoneKoumoku},  //
        {1000, -500, CPageLayout::kZoneChart},   //
        {1000, -120, CPageLayout::kZoneChart},   // the chart's top edge
        {510, -500, CPageLayout::kZoneKoutei},   // the process area left of the inset
        {2750, -500, CPageLayout::kZoneKoutei},  // and right of it
        {2770, -500, CPageLayout::kZoneNone},    // the page frame's right edge is outside
        {100, -1600, CPageLayout::kZoneNone},    // and its bottom edge
        {0, -50, CPageLayout::kZoneAreaName},    // its left edge is inside
        {530, -500, CPageLayout::kZoneChart},    // the chart's left edge is inside
        {2740, -500, CPageLayout::kZoneKoutei},  // its right edge is not
        {1000, -1599, CPageLayout::kZoneChart},  // above its bottom edge
        {-1, -50, CPageLayout::kZoneNone},       //
        {100, 10, CPageLayout::kZoneNone},       // the header above the page
    };
    for (const auto& [x, y, zone] : cases) {
        EXPECT_EQ(layout.HitZone(x, y), zone) << x << ", " << y;
    }
    // With the header shown, the header area is on the page but hits nothing.
    layout.SetHeader(ShownHeader());
    layout.RecalcLayout();
    EXPECT_EQ(layout.HitZone(100, -100), CPageLayout::kZoneNone);
    EXPECT_EQ(layout.HitZone(100, -350), CPageLayout::kZoneAreaName);
}

} // namespace
} // namespace tembra
