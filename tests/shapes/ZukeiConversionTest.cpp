// Between anchors and device points: dates and rows on the chart of a view, with the irregular
// scale and without, held to the shapes' own range; and the page a view shows.
#include "model/Hensoku.h"
#include "shapes/Zukei.h"
#include "shapes/ZukeiView.h"

#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <tuple>

namespace tembra {
namespace {

using test::Day;

class ZukeiConversionTest : public ::testing::Test {
protected:
    // 1/2 on 3 April, nothing on 5 and 6 April: the period is 27.5 days long on the scale, a day
    // 2210 / 27.5 units wide.
    void AddIrregularDays() {
        for (const auto& [first, last, numerator, denominator] :
             {std::tuple{Day(2010, 4, 3), Day(2010, 4, 3), 1, 2},
              std::tuple{Day(2010, 4, 5), Day(2010, 4, 6), 0, 1}}) {
            auto data = std::make_unique<CHensokuData>();
            ASSERT_TRUE(data->SetDayPeriod(1, first.GetTime(), last.GetTime(), 0, 0, 1, 1,
                                           numerator, denominator));
            chart.settings.GetHensoku()->AddData(std::move(data));
        }
        chart.Bind();
        ASSERT_TRUE(chart.layout.GetScale().IsBuilt());
    }

    test::ShapeChart chart;
};

TEST_F(ZukeiConversionTest, ThePeriodSpansTheChartAndTheRowsItsHeight) {
    struct DateCase {
        CTime date;
        int x;
    };
    const DateCase dates[] = {
        {Day(2010, 4, 1), 530},
        {Day(2010, 4, 16), 1635}, // the middle of the period in the middle of the chart
        {Day(2010, 5, 1), 2740},  // the day after the last
        {Day(2010, 4, 1, 12), 566},
        {Day(2020, 12, 31), CZukei::kMaxCoord},
        {Day(1991, 1, 1), -CZukei::kMaxCoord},
    };
    for (const DateCase& c : dates) {
        EXPECT_EQ(CZukei::DateToX(chart, c.date), c.x) << c.date.Format("%Y-%m-%d %H:%M");
    }
    struct RowCase {
        double row;
        int y;
    };
    const RowCase rows[] = {
        {0.0, -120}, {15.0, -860}, {30.0, -1600}, {0.5, -144}, {5000.0, -32767}, {-5000.0, 32767},
    };
    for (const RowCase& c : rows) {
        EXPECT_EQ(CZukei::RowToY(chart, c.row), c.y) << c.row;
    }
}

TEST_F(ZukeiConversionTest, BackFromDeviceUnits) {
    EXPECT_EQ(CZukei::XToDate(chart, 1635), Day(2010, 4, 16));
    EXPECT_EQ(CZukei::XToDate(chart, 530), Day(2010, 4, 1));
    // Beyond the page rectangle (0 .. 2770) a point counts as its edge.
    EXPECT_EQ(CZukei::XToDate(chart, 5000), CZukei::XToDate(chart, 2770));
    EXPECT_EQ(CZukei::XToDate(chart, -300), CZukei::XToDate(chart, 0));
    EXPECT_LT(CZukei::XToDate(chart, 0), Day(2010, 4, 1));

    EXPECT_DOUBLE_EQ(CZukei::YToRow(chart, -860), 15.0);
    EXPECT_DOUBLE_EQ(CZukei::YToRow(chart, -120), 0.0);
    // Above and below the chart the rows end.
    EXPECT_DOUBLE_EQ(CZukei::YToRow(chart, 0), 0.0);
    EXPECT_DOUBLE_EQ(CZukei::YToRow(chart, -2000), 30.0);
}

TEST_F(ZukeiConversionTest, AChartWithoutSizeGivesNoDateAndNoRow) {
    const CPageLayout bare;
    const CZukeiLayoutView view(bare);
    EXPECT_EQ(CZukei::XToDate(view, 100), CTime(-1));
    EXPECT_EQ(CZukei::YToRow(view, -100), 0.0);
    EXPECT_EQ(CZukei::DateToX(view, Day(2010, 4, 1)), 0);
}

TEST_F(ZukeiConversionTest, TheIrregularScaleHoldsFromTheStartOn) {
    AddIrregularDays();
    // Before the start the axis stays linear, a day 2210 / 30 wide.
    EXPECT_EQ(CZukei::DateToX(chart, Day(2010, 3, 31)), 456);
    // From it on, a day is 2210 / 27.5 wide and 3 April half of that.
    EXPECT_EQ(CZukei::DateToX(chart, Day(2010, 4, 2)), 610);
    EXPECT_EQ(CZukei::DateToX(chart, Day(2010, 4, 3, 12)), 710);
    EXPECT_EQ(CZukei::DateToX(chart, Day(2010, 4, 4)), 730);
    // 5 and 6 April have no width.
    EXPECT_EQ(CZukei::DateToX(chart, Day(2010, 4, 5)), CZukei::DateToX(chart, Day(2010, 4, 7)));

    // Noon of 4 April comes back on the scale (linear it would be six hours early).
    const CTime noon = CZukei::XToDate(chart, CZukei::DateToX(chart, Day(2010, 4, 4, 12)));
    EXPECT_LT(std::abs((noon - Day(2010, 4, 4, 12)).GetTimeSpan()), 5 * 60);
    // Left of the chart the linear rule answers: 74 units of 2210 for 30 days.
    EXPECT_EQ(CZukei::XToDate(chart, 456), Day(2010, 4, 1) + CTimeSpan(-86790));
}

TEST_F(ZukeiConversionTest, ThePageOfALayoutAmongTheSettingsPages) {
    EXPECT_EQ(CZukei::GetPageOf(chart).col, 0u);
    EXPECT_EQ(CZukei::GetPageOf(chart).remDays, 0);

    // The period is 30 days and 30 rows: a layout 35 days and 35 rows further on shows the
    // second page column and row, 5 days and 5 rows into them.
    CPageLayout later = chart.layout;
    later.SetStartDate(Day(2010, 5, 6));
    later.SetEndDate(Day(2010, 6, 4));
    later.SetFirstRow(35);
    later.SetLastRow(64);
    const CZukeiLayoutView view(later);
    const ZukeiPage page = CZukei::GetPageOf(view);
    EXPECT_EQ(page.col, 1u);
    EXPECT_EQ(page.remDays, 5);
    EXPECT_EQ(page.row, 1);
    EXPECT_EQ(page.remRows, 5);

    // The fixed rows' pass of a scrolled chart counts from the fixed rows.
    later.SetScrolledDown(TRUE);
    later.SetClipPass(TRUE);
    EXPECT_EQ(CZukei::GetPageOf(view).row, 0);
    EXPECT_EQ(CZukei::GetPageOf(view).remRows, 0);

    // Without settings every page is the first.
    const CPageLayout bare;
    const CZukeiLayoutView bareView(bare);
    EXPECT_EQ(CZukei::GetPageOf(bareView).col, 0u);
    EXPECT_EQ(CZukei::GetPageOf(bareView).remDays, 0);
}

} // namespace
} // namespace tembra
