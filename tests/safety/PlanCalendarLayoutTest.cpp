// The column boundaries of the plan frames on charts of 10 units a day from x 0, so that a
// boundary's x names its day: x = 10 x (days from the draw start).
#include "safety/PlanCalendarLayout.h"

#include "PlanChart.h"
#include "model/Calendar.h"
#include "model/Hensoku.h"
#include "shapes/ZukeiView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::PlanChart;

using Xs = std::vector<int>;

// The x of days counted from the chart's first day (1 = the first day).
Xs DaysAt(std::initializer_list<int> days) {
    Xs xs;
    for (int d : days) {
        xs.push_back((d - 1) * 10);
    }
    return xs;
}

TEST(PlanCalendarLayoutTest, DayColumnsStartOnAlignedDaysAndMonthStarts) {
    struct Case {
        const char* what;
        CTime start;
        CTime end;
        int width;
        Xs expected;
    };
    const Case cases[] = {
        // The 31st would be a one-day column before April: it starts none.
        {"width 10, 31 days", Day(2010, 3, 1), Day(2010, 3, 31), 10, DaysAt({1, 11, 21, 32})},
        // The odd days, then April's 1st right after the aligned 31st.
        {"width 2 across a month end", Day(2010, 3, 1), Day(2010, 4, 4), 2,
         DaysAt({1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 32, 34, 36})},
        // The draw start is the first boundary, whatever day it is.
        {"mid-month start", Day(2010, 3, 15), Day(2010, 4, 14), 10, DaysAt({1, 7, 18, 28, 32})},
    };
    for (const Case& c : cases) {
        PlanChart chart(c.start, c.end);
        CPlanCalendarLayout layout(&chart.doc.GetSyokiSet(), &chart.layout);
        layout.BuildColumns(c.width, kUnitDay);
        EXPECT_EQ(layout.Columns(), c.expected) << c.what;
    }
}

TEST(PlanCalendarLayoutTest, MonthColumnsRunFromTheDrawStartToTheRightEdge) {
    PlanChart chart(Day(2010, 1, 1), Day(2010, 3, 15));
    CPlanCalendarLayout layout(&chart.doc.GetSyokiSet(), &chart.layout);
    layout.BuildColumns(1, kUnitMonth);
    EXPECT_EQ(layout.Columns(), DaysAt({1, 32, 60, 75}));
    layout.BuildColumns(2, kUnitMonth);
    EXPECT_EQ(layout.Columns(), DaysAt({1, 60, 75}));
}

TEST(PlanCalendarLayoutTest, EraYearsCountFrom1989) {
    PlanChart chart(Day(1990, 1, 1), Day(1995, 12, 31), 20, 1);
    const auto x = [&](int year) { return chart.layout.DateToX(Day(year, 1, 1)); };
    const int right = chart.layout.GetChartRect().right;
    CPlanCalendarLayout layout(&chart.doc.GetSyokiSet(), &chart.layout);
    layout.BuildYearColumns(2, false, true);
    EXPECT_EQ(layout.Columns(), (Xs{0, x(1991), x(1993), x(1995), right}));
    // Three-year columns tell the era count from the plain one: 1992 (year 4 of the era)
    // against 1993. The era flag comes from a date row of era years.
    layout.BuildColumns(3, kUnitYear);
    EXPECT_EQ(layout.Columns(), (Xs{0, x(1993), right}));
    chart.doc.GetSyokiSet().SetDateRowKind(0, kDateRowYear);
    chart.doc.GetSyokiSet().SetDateRowKind(1, kDateRowEraYear);
    layout.BuildColumns(3, kUnitYear);
    EXPECT_EQ(layout.Columns(), (Xs{0, x(1992), x(1995), right}));
}

// Two-year columns over 令和: 平成31 starts one, and 令和 counts from 1 again on 1 May 2019.
TEST(PlanCalendarLayoutTest, EraYearsStartAgainWithReiwa) {
    PlanChart chart(Day(2017, 1, 1), Day(2021, 12, 31), 20, 1);
    const auto x = [&](int year, int month) { return chart.layout.DateToX(Day(year, month, 1)); };
    const int right = chart.layout.GetChartRect().right;
    CPlanCalendarLayout layout(&chart.doc.GetSyokiSet(), &chart.layout);
    layout.BuildYearColumns(2, false, true);
    EXPECT_EQ(layout.Columns(), (Xs{0, x(2019, 1), x(2019, 5), x(2021, 1), right}));
    layout.BuildYearColumns(2, false, false);
    EXPECT_EQ(layout.Columns(), (Xs{0, x(2019, 1), x(2021, 1), right}));
}

TEST(PlanCalendarLayoutTest, WeekColumnsCountWeeksFromTheirStartDay) {
    // 1 March 2010 is a Monday.
    PlanChart chart(Day(2010, 3, 1), Day(2010, 4, 30));
    CPlanCalendarLayout layout(&chart.doc.GetSyokiSet(), &chart.layout);
    layout.BuildWeekColumns(2, true, false);
    ASSERT_GE(layout.GetColumnCount(), 3);
    EXPECT_EQ(layout.Columns()[1], DaysAt({8})[0]);
    EXPECT_EQ(layout.Columns()[2], DaysAt({22})[0]);
    // Sunday weeks begin on the first Sunday; with month breaks April's 1st begins one too.
    layout.BuildWeekColumns(1, false, true);
    EXPECT_EQ(Xs(layout.Columns().begin(), layout.Columns().begin() + 4), DaysAt({1, 7, 14, 21}));
    EXPECT_NE(std::find(layout.Columns().begin(), layout.Columns().end(), DaysAt({32})[0]),
              layout.Columns().end());
}

// Hours of 10 units: a column every n hours counted from midnight, and each day from its start
// hour.
TEST(PlanCalendarLayoutTest, HourColumnsBeginEachDayAnew) {
    PlanChart chart(Day(2010, 3, 1), Day(2010, 3, 2), 20, 240);
    CPlanCalendarLayout layout(&chart.doc.GetSyokiSet(), &chart.layout);
    layout.BuildColumns(6, kUnitHour);
    EXPECT_EQ(layout.Columns(), (Xs{0, 60, 120, 180, 240, 300, 360, 420, 480}));
    layout.BuildColumns(12, kUnitHour);
    EXPECT_EQ(layout.Columns(), (Xs{0, 120, 240, 360, 480}));
}

TEST(PlanCalendarLayoutTest, AnUnknownUnitKeepsTheLastResult) {
    PlanChart chart(Day(2010, 3, 1), Day(2010, 3, 31));
    CPlanCalendarLayout layout(&chart.doc.GetSyokiSet(), &chart.layout);
    layout.BuildColumns(1, 7);
    EXPECT_EQ(layout.GetColumnCount(), 0);
    layout.BuildColumns(10, kUnitDay);
    layout.BuildColumns(1, kUnitMinute);
    EXPECT_EQ(layout.Columns(), DaysAt({1, 11, 21, 32}));
}

TEST(PlanCalendarLayoutTest, LongPeriodsKeepEveryBoundary) {
    PlanChart chart(Day(2010, 1, 1), Day(2010, 1, 1) + CTimeSpan(399, 0, 0, 0), 20, 10);
    CPlanCalendarLayout layout(&chart.doc.GetSyokiSet(), &chart.layout);
    layout.BuildColumns(1, kUnitDay);
    ASSERT_EQ(layout.GetColumnCount(), 401);
    EXPECT_EQ(layout.Columns().back(), 4000);
}

TEST(PlanCalendarLayoutTest, SnapToDayGoesToTheNearestMidnight) {
    PlanChart chart(Day(2010, 3, 1), Day(2010, 3, 31), 20, 100);
    const CZukeiLayoutView view(chart.layout);
    struct Case {
        int x;
        CTime expected;
    };
    const Case cases[] = {
        {40, Day(2010, 3, 1)},    // 09:36
        {50, Day(2010, 3, 2)},    // 12:00 goes forward
        {170, Day(2010, 3, 3)},   // 16:48
        {-330, Day(2010, 2, 26)}, // over the item columns, days before the chart's first
        {-900, Day(2010, 2, 24)}, // left of the page: its left edge
    };
    for (const Case& c : cases) {
        CPlanCalendarLayout layout(&chart.doc.GetSyokiSet(), &chart.layout);
        layout.SetPosition(c.x, -75, CTime(), 1.5);
        layout.SnapToDay(view);
        EXPECT_EQ(layout.GetPosition().date, c.expected) << c.x;
        EXPECT_EQ(layout.GetPosition().point.x, chart.layout.DateToX(c.expected)) << c.x;
        EXPECT_EQ(layout.GetPosition().point.y, -75);
        EXPECT_EQ(layout.GetPosition().row, 1.5);
    }
}

// Days 5 to 25 drawn at half width: inside them an aligned day starts a column only when the
// irregular period draws ruled lines; a day of the same factor as the day before does not.
TEST(PlanCalendarLayoutTest, SqueezedDaysKeepAColumnOnlyWithRuledLines) {
    for (const short ruled : {0, 1}) {
        PlanChart chart(Day(2010, 3, 1), Day(2010, 3, 31));
        auto period = std::make_unique<CHensokuData>();
        ASSERT_TRUE(period->SetDayPeriod(1, Day(2010, 3, 5).GetTime(), Day(2010, 3, 25).GetTime(),
                                         0, 0, 1, ruled, 1, 2));
        chart.doc.GetSyokiSet().GetHensoku()->AddData(std::move(period));
        chart.Bind();
        ASSERT_TRUE(chart.layout.GetScale().IsBuilt());
        const auto x = [&](int day) { return chart.layout.DateToX(Day(2010, 3, day)); };
        const int end = chart.layout.DateToX(Day(2010, 4, 1));
        CPlanCalendarLayout layout(&chart.doc.GetSyokiSet(), &chart.layout);
        layout.BuildColumns(10, kUnitDay);
        const Xs expected = ruled != 0 ? Xs{x(1), x(11), x(21), end} : Xs{x(1), end};
        EXPECT_EQ(layout.Columns(), expected) << ruled;
    }
}

// Working-day columns aligned on an anchor: the start lies a whole number of columns before it.
TEST(PlanCalendarLayoutTest, WorkdayColumnsAlignOnTheAnchor) {
    PlanChart chart(Day(2010, 3, 1), Day(2010, 3, 31));
    chart.doc.GetWorkCalendar().Clear();
    CPlanCalendarLayout layout(&chart.doc.GetSyokiSet(), &chart.layout);
    layout.BuildWorkdayColumns(Day(2010, 3, 15), 5);
    // Every day works: the start is the 5th, a column every five days.
    EXPECT_EQ(layout.Columns(), DaysAt({1, 5, 10, 15, 20, 25, 30, 32}));
    // Holidays on the 8th and 9th: the column that begins on them holds them besides its five
    // working days, and the earlier columns move back by two days.
    chart.doc.GetWorkCalendar().AddDayFlag(2010, 3, 8, CCalendar::kRuleHoliday);
    chart.doc.GetWorkCalendar().AddDayFlag(2010, 3, 9, CCalendar::kRuleHoliday);
    ASSERT_TRUE(chart.doc.GetWorkCalendar().IsHoliday(Day(2010, 3, 8)));
    layout.BuildWorkdayColumns(Day(2010, 3, 15), 5);
    EXPECT_EQ(layout.Columns(), DaysAt({1, 3, 8, 15, 20, 25, 30, 32}));
}

// With an irregular scale built (the last week at half width) the alignment back from the anchor
// still finds its starts: its widths are measured from the earlier day to the later one.
TEST(PlanCalendarLayoutTest, WorkdayAlignmentWorksInsideAnIrregularScale) {
    PlanChart chart(Day(2010, 3, 1), Day(2010, 3, 31));
    chart.doc.GetWorkCalendar().Clear();
    auto period = std::make_unique<CHensokuData>();
    ASSERT_TRUE(period->SetDayPeriod(1, Day(2010, 3, 25).GetTime(), Day(2010, 3, 31).GetTime(), 0,
                                     0, 1, 1, 1, 2));
    chart.doc.GetSyokiSet().GetHensoku()->AddData(std::move(period));
    chart.Bind();
    ASSERT_TRUE(chart.layout.GetScale().IsBuilt());
    const auto x = [&](int month, int day) { return chart.layout.DateToX(Day(2010, month, day)); };
    CPlanCalendarLayout layout(&chart.doc.GetSyokiSet(), &chart.layout);
    layout.BuildWorkdayColumns(Day(2010, 3, 15), 5);
    EXPECT_EQ(layout.Columns(),
              (Xs{x(3, 1), x(3, 5), x(3, 10), x(3, 15), x(3, 20), x(3, 25), x(3, 30), x(4, 1)}));
}

} // namespace
} // namespace tembra
