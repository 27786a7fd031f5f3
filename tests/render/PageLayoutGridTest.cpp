// The vertical time grid and the band of the selected date range, through the recording DC.
// On screen the edge lines are black and run from the date band's top (0) to the chart's
// bottom (-1600); boundary lines are dark grey and interval lines light grey, both from the
// body's top (-120).
#include "ChartTestDoc.h"

#include "model/Hensoku.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace tembra::test {
namespace {

constexpr COLORREF kEdge = RGB(0, 0, 0);
constexpr COLORREF kBoundary = RGB(128, 128, 128);
constexpr COLORREF kInterval = RGB(192, 192, 192);

// The x of every vertical line of each kind, sorted.
struct Grid {
    std::vector<int> edges;
    std::vector<int> boundaries;
    std::vector<int> intervals;
};

Grid GridOf(const CRecordingDC& dc) {
    Grid grid;
    for (const DrawnLine& line : DrawnLines(dc)) {
        EXPECT_EQ(line.from.x, line.to.x) << "not vertical";
        EXPECT_EQ(line.to.y, -1600);
        if (line.pen.color == kEdge) {
            EXPECT_EQ(line.from.y, 0);
            grid.edges.push_back(line.from.x);
        } else {
            EXPECT_EQ(line.from.y, -120);
            (line.pen.color == kBoundary ? grid.boundaries : grid.intervals).push_back(line.from.x);
        }
    }
    for (auto* v : {&grid.edges, &grid.boundaries, &grid.intervals}) {
        std::sort(v->begin(), v->end());
        v->erase(std::unique(v->begin(), v->end()), v->end());
    }
    return grid;
}

std::unique_ptr<CHensokuData> DayPeriod(CTime first, CTime last, short ruledLine, LONG numerator,
                                        LONG denominator) {
    auto data = std::make_unique<CHensokuData>();
    EXPECT_TRUE(data->SetDayPeriod(1, first.GetTime(), last.GetTime(), 0, 0, 1, ruledLine,
                                   numerator, denominator));
    return data;
}

class GridTest : public ChartTest {
protected:
    std::vector<int> Xs(const std::vector<CTime>& dates) const {
        std::vector<int> xs;
        for (const CTime& d : dates) {
            xs.push_back(layout.DateToX(d));
        }
        std::sort(xs.begin(), xs.end());
        return xs;
    }
    // Every step from first while not after last.
    static std::vector<CTime> Every(CTime first, CTime last, CTimeSpan step) {
        std::vector<CTime> dates;
        for (CTime d = first; d <= last; d += step) {
            dates.push_back(d);
        }
        return dates;
    }
    static std::vector<CTime> Except(std::vector<CTime> dates, const std::vector<CTime>& out) {
        std::erase_if(dates, [&](const CTime& d) {
            return std::find(out.begin(), out.end(), d) != out.end();
        });
        return dates;
    }
    Grid Draw(const std::function<void(CDC*)>& paint) {
        auto dc = Screen();
        paint(dc.get());
        return GridOf(*dc);
    }
};

const CTimeSpan kDay(1, 0, 0, 0);

// ---- Day grid -----------------------------------------------------------------------------------

TEST_F(GridTest, DayGridDrawsBoundariesOnTheFirstAndEdgesAtTheDrawnStartAndEnd) {
    Period(Day(2000, 1, 25), Day(2000, 2, 5));
    doc.set.SetMaeYohaku(CTimeSpan(2, 0, 0, 0));
    doc.set.SetAtoYohaku(CTimeSpan(2, 0, 0, 0));
    Bind();
    const Grid grid = Draw([&](CDC* dc) { layout.DrawDayGrid(dc, 1, FALSE, FALSE); });
    // The chart's edges, the drawn start (27 January) and the day after the drawn end (3 Feb).
    EXPECT_EQ(grid.edges,
              Xs({Day(2000, 1, 25), Day(2000, 1, 27), Day(2000, 2, 4), Day(2000, 2, 6)}));
    EXPECT_EQ(grid.boundaries, Xs({Day(2000, 2, 1)}));
    EXPECT_EQ(grid.intervals,
              Xs({Day(2000, 1, 26), Day(2000, 1, 28), Day(2000, 1, 29), Day(2000, 1, 30),
                  Day(2000, 1, 31), Day(2000, 2, 2), Day(2000, 2, 3), Day(2000, 2, 5)}));
}

TEST_F(GridTest, DayGridOfTenDaysSkipsTheThirtyFirst) {
    Period(Day(2000, 1, 1), Day(2000, 3, 31));
    Bind();
    const Grid grid = Draw([&](CDC* dc) { layout.DrawDayGrid(dc, 10, FALSE, FALSE); });
    EXPECT_EQ(grid.edges, Xs({Day(2000, 1, 1), Day(2000, 4, 1)}));
    EXPECT_EQ(grid.boundaries, Xs({Day(2000, 2, 1), Day(2000, 3, 1)}));
    EXPECT_EQ(grid.intervals, Xs({Day(2000, 1, 11), Day(2000, 1, 21), Day(2000, 2, 11),
                                  Day(2000, 2, 21), Day(2000, 3, 11), Day(2000, 3, 21)}));
}

// An elapsed chart counts months of 30 days from its first drawn day; the first date row that
// counts those days already marks the month starts, so the grid draws plain interval lines.
TEST_F(GridTest, ElapsedDayGridWithItsOwnDateRowHasNoMonthBoundaries) {
    doc.set.SetNobeMode(1);
    Period(Day(2000, 1, 1), Day(2000, 3, 31));
    Bind();
    const std::vector<CTime> monthStarts = {Day(2000, 1, 31), Day(2000, 3, 1), Day(2000, 3, 31)};
    const std::vector<CTime> tenths = {Day(2000, 1, 11), Day(2000, 1, 21), Day(2000, 2, 10),
                                       Day(2000, 2, 20), Day(2000, 3, 11), Day(2000, 3, 21)};

    const Grid own = Draw([&](CDC* dc) { layout.DrawDayGrid(dc, 10, TRUE, FALSE); });
    EXPECT_EQ(own.boundaries, Xs(monthStarts));
    EXPECT_EQ(own.intervals, Xs(tenths));

    const Grid same = Draw([&](CDC* dc) { layout.DrawDayGrid(dc, 10, TRUE, TRUE); });
    EXPECT_TRUE(same.boundaries.empty());
    std::vector<CTime> all = tenths;
    all.insert(all.end(), monthStarts.begin(), monthStarts.end());
    EXPECT_EQ(same.intervals, Xs(all));
    EXPECT_EQ(same.edges, Xs({Day(2000, 1, 1), Day(2000, 4, 1)}));
}

// ---- The interval test on a scaled axis -----------------------------------------------------

struct SqueezeCase {
    const char* name;
    short ruledLine;
    LONG numerator;
    LONG denominator;
    bool keepsInnerLines;
};

class DayGridSqueezeTest : public GridTest, public testing::WithParamInterface<SqueezeCase> {};

// 10..19 January squeezed: the days inside keep their lines while a day is still a fifth of its
// width and the scale asks for ruled lines there; the lines where the width changes stay.
TEST_P(DayGridSqueezeTest, SqueezedDaysKeepTheirLinesOnlyWhereTheScaleAllows) {
    const SqueezeCase& c = GetParam();
    Period(Day(2000, 1, 1), Day(2000, 1, 31));
    doc.set.GetHensoku()->AddData(
        DayPeriod(Day(2000, 1, 10), Day(2000, 1, 19), c.ruledLine, c.numerator, c.denominator));
    Bind();
    ASSERT_TRUE(layout.GetScale().IsBuilt());
    const Grid grid = Draw([&](CDC* dc) { layout.DrawDayGrid(dc, 1, FALSE, FALSE); });
    std::vector<CTime> expected = Every(Day(2000, 1, 2), Day(2000, 1, 31), kDay);
    if (!c.keepsInnerLines) {
        expected = Except(expected, Every(Day(2000, 1, 11), Day(2000, 1, 19), kDay));
    }
    EXPECT_EQ(grid.intervals, Xs(expected)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Scales, DayGridSqueezeTest,
                         testing::Values(SqueezeCase{"a quarter with ruled lines", 1, 1, 4, true},
                                         SqueezeCase{"a tenth with ruled lines", 1, 1, 10, false},
                                         SqueezeCase{"a quarter without", 0, 1, 4, false}));

// ---- Week grid ----------------------------------------------------------------------------------

TEST_F(GridTest, WeekGridOfTwoWeeksMarksEverySecondMondayAndKeepsMonthBoundaries) {
    // 1 January 2000 is a Saturday: the first week ends on Sunday 2 January.
    Period(Day(2000, 1, 1), Day(2000, 2, 29));
    Bind();
    const Grid grid = Draw([&](CDC* dc) { layout.DrawWeekGrid(dc, 2); });
    EXPECT_EQ(grid.edges, Xs({Day(2000, 1, 1), Day(2000, 3, 1)}));
    EXPECT_EQ(grid.boundaries, Xs({Day(2000, 2, 1)}));
    EXPECT_EQ(grid.intervals,
              Xs({Day(2000, 1, 10), Day(2000, 1, 24), Day(2000, 2, 7), Day(2000, 2, 21)}));
}

// A window repaints a strip: the strip gets the lines a whole repaint would give it, and the
// walk stays near the strip.
TEST_F(GridTest, RedrawOfAStripDrawsTheSameLinesAsAWholeRedraw) {
    Period(Day(2000, 1, 1), Day(2000, 12, 31));
    Bind();
    const Grid whole = Draw([&](CDC* dc) { layout.DrawWeekGrid(dc, 2); });

    // Pixels 600..700 of the 96 dpi screen: x 1587..1852 in 0.1 mm.
    auto dc = Screen();
    dc->SetUpdateRect(CRect(600, 0, 700, 1080));
    CRect box;
    dc->GetClipBox(&box);
    layout.DrawWeekGrid(dc.get(), 2);
    const Grid strip = GridOf(*dc);
    const auto inside = [&](const std::vector<int>& xs) {
        std::vector<int> in;
        std::copy_if(xs.begin(), xs.end(), std::back_inserter(in),
                     [&](int x) { return box.left <= x && x < box.right; });
        return in;
    };
    ASSERT_FALSE(inside(whole.intervals).empty());
    EXPECT_EQ(inside(strip.intervals), inside(whole.intervals));
    EXPECT_EQ(inside(strip.boundaries), inside(whole.boundaries));
    // Outside the strip only the margin of three days on each side is walked (and the edge
    // line at the chart's left edge where the walk begins).
    const int margin = 4 * static_cast<int>(layout.GetDayWidth()) + 2;
    for (const int x : strip.intervals) {
        EXPECT_GT(x, box.left - margin);
        EXPECT_LT(x, box.right + margin);
    }
}

// ---- Month and year grids -----------------------------------------------------------------------

struct LongGridCase {
    const char* name;
    CTime start;
    CTime end;
    int nobeMode;
    int preparationDays;
    int step;
    BOOL era;
    std::vector<CTime> boundaries;
    std::vector<CTime> intervals;
};

class MonthGridTest : public GridTest, public testing::WithParamInterface<LongGridCase> {};

TEST_P(MonthGridTest, MarksGroupsOfMonths) {
    const LongGridCase& c = GetParam();
    Period(c.start, c.end);
    doc.set.SetNobeMode(static_cast<short>(c.nobeMode));
    doc.set.SetJyunbiKikan(CTimeSpan(c.preparationDays, 0, 0, 0));
    Bind();
    const Grid grid =
        Draw([&](CDC* dc) { layout.DrawMonthGrid(dc, c.step, c.nobeMode != 0, FALSE); });
    EXPECT_EQ(grid.edges, Xs({c.start, c.end + kDay})) << c.name;
    EXPECT_EQ(grid.boundaries, Xs(c.boundaries)) << c.name;
    EXPECT_EQ(grid.intervals, Xs(c.intervals)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Months, MonthGridTest,
    testing::Values(LongGridCase{"calendar quarters",
                                 Day(2000, 1, 1),
                                 Day(2001, 3, 31),
                                 0,
                                 0,
                                 3,
                                 FALSE,
                                 {Day(2001, 1, 1)},
                                 {Day(2000, 4, 1), Day(2000, 7, 1), Day(2000, 10, 1)}},
                    // Elapsed months of 30 days from 15 February; before it the months count down
                    // from -1, and the year boundary lies at the origin.
                    LongGridCase{"elapsed months around the origin",
                                 Day(2000, 1, 1),
                                 Day(2000, 4, 30),
                                 1,
                                 45,
                                 1,
                                 FALSE,
                                 {Day(2000, 2, 15)},
                                 {Day(2000, 1, 16), Day(2000, 3, 16), Day(2000, 4, 15)}}));

class YearGridTest : public GridTest, public testing::WithParamInterface<LongGridCase> {};

TEST_P(YearGridTest, MarksGroupsOfYears) {
    const LongGridCase& c = GetParam();
    Period(c.start, c.end);
    doc.set.SetNobeMode(static_cast<short>(c.nobeMode));
    Bind();
    const Grid grid =
        Draw([&](CDC* dc) { layout.DrawYearGrid(dc, c.step, c.nobeMode != 0, c.era); });
    EXPECT_EQ(grid.edges, Xs({c.start, c.end + kDay})) << c.name;
    EXPECT_TRUE(grid.boundaries.empty()) << c.name;
    EXPECT_EQ(grid.intervals, Xs(c.intervals)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Years, YearGridTest,
                         testing::Values(
                             // Heisei 1, 6 and 11.
                             LongGridCase{"Heisei years",
                                          Day(1988, 1, 1),
                                          Day(2000, 12, 31),
                                          0,
                                          0,
                                          5,
                                          TRUE,
                                          {},
                                          {Day(1989, 1, 1), Day(1994, 1, 1), Day(1999, 1, 1)}},
                             // Every other era year: 平成31 starts a group, and 令和 counts
                             // from 1 again in May 2019.
                             LongGridCase{"era years across 令和",
                                          Day(2017, 1, 1),
                                          Day(2021, 12, 31),
                                          0,
                                          0,
                                          2,
                                          TRUE,
                                          {},
                                          {Day(2019, 1, 1), Day(2019, 5, 1), Day(2021, 1, 1)}},
                             LongGridCase{"western years",
                                          Day(1988, 1, 1),
                                          Day(2000, 12, 31),
                                          0,
                                          0,
                                          5,
                                          FALSE,
                                          {},
                                          {Day(1991, 1, 1), Day(1996, 1, 1)}},
                             // Elapsed years of 12 months of 30 days.
                             LongGridCase{
                                 "elapsed years",
                                 Day(2000, 1, 1),
                                 Day(2002, 12, 31),
                                 1,
                                 0,
                                 1,
                                 FALSE,
                                 {},
                                 {Day(2000, 12, 26), Day(2001, 12, 21), Day(2002, 12, 16)}}));

// ---- Hour and minute grids ----------------------------------------------------------------------

TEST_F(GridTest, HourGridOfSixHoursMarksTheDaysStartAndEverySixHours) {
    Period(Day(2000, 1, 1), Day(2000, 1, 3));
    Bind();
    const Grid grid = Draw([&](CDC* dc) { layout.DrawHourGrid(dc, 6); });
    EXPECT_EQ(grid.edges, Xs({Day(2000, 1, 1), Day(2000, 1, 4)}));
    EXPECT_EQ(grid.boundaries, Xs({Day(2000, 1, 2), Day(2000, 1, 3)}));
    std::vector<CTime> hours;
    for (int d = 1; d <= 3; ++d) {
        for (const int h : {6, 12, 18}) {
            hours.push_back(Day(2000, 1, d, h));
        }
    }
    EXPECT_EQ(grid.intervals, Xs(hours));
}

TEST_F(GridTest, MinuteGridMarksFullHoursAndEveryQuarter) {
    Period(Day(2000, 1, 1), Day(2000, 1, 1));
    Bind();
    const Grid grid = Draw([&](CDC* dc) { layout.DrawMinuteGrid(dc, 15); });
    EXPECT_EQ(grid.edges, Xs({Day(2000, 1, 1), Day(2000, 1, 2)}));
    EXPECT_EQ(grid.boundaries,
              Xs(Every(Day(2000, 1, 1, 1), Day(2000, 1, 1, 23), CTimeSpan(0, 1, 0, 0))));
    std::vector<CTime> quarters =
        Every(Day(2000, 1, 1, 0, 15), Day(2000, 1, 1, 23, 45), CTimeSpan(0, 0, 15, 0));
    quarters =
        Except(quarters, Every(Day(2000, 1, 1, 1), Day(2000, 1, 1, 23), CTimeSpan(0, 1, 0, 0)));
    EXPECT_EQ(grid.intervals, Xs(quarters));
}

// ---- A period that ends before it starts
// ----------------------------------------------------------

class InvertedPeriodTest
    : public GridTest,
      public testing::WithParamInterface<std::function<void(CPageLayout&, CDC*)>> {};

TEST_P(InvertedPeriodTest, DrawsOnlyEdgeLines) {
    Period(Day(2000, 3, 10), Day(2000, 3, 1));
    Bind();
    const Grid grid = Draw([&](CDC* dc) { GetParam()(layout, dc); });
    EXPECT_FALSE(grid.edges.empty());
    EXPECT_TRUE(grid.boundaries.empty());
    EXPECT_TRUE(grid.intervals.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Grids, InvertedPeriodTest,
    testing::Values([](CPageLayout& l, CDC* dc) { l.DrawDayGrid(dc, 1, FALSE, FALSE); },
                    [](CPageLayout& l, CDC* dc) { l.DrawDayGrid(dc, 1, TRUE, FALSE); },
                    [](CPageLayout& l, CDC* dc) { l.DrawWeekGrid(dc, 1); },
                    [](CPageLayout& l, CDC* dc) { l.DrawMonthGrid(dc, 1, FALSE, FALSE); },
                    [](CPageLayout& l, CDC* dc) { l.DrawMonthGrid(dc, 1, TRUE, FALSE); },
                    [](CPageLayout& l, CDC* dc) { l.DrawYearGrid(dc, 1, TRUE, FALSE); },
                    [](CPageLayout& l, CDC* dc) { l.DrawHourGrid(dc, 1); },
                    [](CPageLayout& l, CDC* dc) { l.DrawMinuteGrid(dc, 5); }));

// ---- The grid of the settings -------------------------------------------------------------------

struct SettingsCase {
    const char* name;
    WORD keisenUnit;
    WORD keisenStep;
    WORD dateUnit;
    short nobeMode;
    WORD firstRow;
    bool monthBoundaries;
};

class TimeGridTest : public GridTest, public testing::WithParamInterface<SettingsCase> {};

// Day grids by the settings: the boundaries of 30-day months are left to a first date row that
// counts elapsed days in days.
TEST_P(TimeGridTest, DayGridFollowsTheSettings) {
    const SettingsCase& c = GetParam();
    Period(Day(2000, 1, 1), Day(2000, 3, 31));
    doc.set.SetKeisenUnit(c.keisenUnit);
    doc.set.SetKeisenStep(c.keisenStep);
    doc.set.SetOption1(c.dateUnit);
    doc.set.SetNobeMode(c.nobeMode);
    doc.set.SetDateRowKind(0, c.firstRow);
    Bind();
    const Grid grid = Draw([&](CDC* dc) { layout.DrawTimeGrid(dc, FALSE); });
    EXPECT_EQ(!grid.boundaries.empty(), c.monthBoundaries) << c.name;
    // The ruled-line step index 6 of days is 10 days.
    EXPECT_EQ(grid.intervals.size(), c.monthBoundaries ? 6u : 9u) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, TimeGridTest,
    testing::Values(
        SettingsCase{"calendar", kUnitDay, 6, kUnitDay, 0, kDateRowDay, true},
        SettingsCase{"elapsed, day row", kUnitDay, 6, kUnitDay, 1, kDateRowNobeDay, false},
        SettingsCase{"elapsed, month labels", kUnitDay, 6, kUnitMonth, 1, kDateRowNobeDay, true},
        SettingsCase{"elapsed, month row", kUnitDay, 6, kUnitDay, 1, kDateRowNobeMonth, true}));

TEST_F(GridTest, TimeGridTakesTheWeekGridOfTheSettings) {
    Period(Day(2000, 1, 1), Day(2000, 2, 29));
    doc.set.SetKeisenUnit(kUnitWeek);
    doc.set.SetKeisenStep(1); // two weeks
    Bind();
    const Grid grid = Draw([&](CDC* dc) { layout.DrawTimeGrid(dc, FALSE); });
    EXPECT_EQ(grid.intervals,
              Xs({Day(2000, 1, 10), Day(2000, 1, 24), Day(2000, 2, 7), Day(2000, 2, 21)}));
}

// The fine-line kind "none" of the print settings leaves only the edge lines, on screen too.
TEST_F(GridTest, FineLinesSwitchedOffLeaveTheEdges) {
    doc.print.SetKeisen(3, 0);
    Bind();
    const Grid grid = Draw([&](CDC* dc) { layout.DrawDayGrid(dc, 1, FALSE, FALSE); });
    EXPECT_TRUE(grid.boundaries.empty());
    EXPECT_TRUE(grid.intervals.empty());
    EXPECT_EQ(grid.edges, Xs({Day(2000, 1, 1), Day(2000, 2, 1)}));
}

// ---- The selected date range --------------------------------------------------------------------

struct RangeCase {
    CTime start;
    CTime end;
    bool drawn;
};

class ColumnRangeBandTest : public GridTest, public testing::WithParamInterface<RangeCase> {};

TEST_P(ColumnRangeBandTest, PaleBandOverDateBandAndChart) {
    const RangeCase& c = GetParam();
    doc.range.SetStartDate(c.start);
    doc.range.SetEndDate(c.end);
    Bind();
    auto dc = Screen();
    layout.DrawColumnRangeBand(dc.get());
    const auto rects = dc->Find(DcOp::Rectangle);
    if (!c.drawn) {
        EXPECT_TRUE(dc->Drawings().empty());
        return;
    }
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].args.rect,
              CRect(layout.DateToX(c.start), 0, layout.DateToX(c.end) + 1, -1601));
    EXPECT_TRUE(rects[0].pen.IsNull());
    EXPECT_EQ(rects[0].brush.style, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(rects[0].brush.color, RGB(192, 220, 192));
    EXPECT_EQ(rects[0].rop2, R2_MERGEPENNOT);
}

INSTANTIATE_TEST_SUITE_P(Ranges, ColumnRangeBandTest,
                         testing::Values(RangeCase{Day(2000, 1, 10), Day(2000, 1, 20), true},
                                         RangeCase{Day(2000, 1, 10), Day(2000, 1, 10), false},
                                         RangeCase{Day(1990, 12, 31), Day(2000, 1, 20), false},
                                         // The last supported day ends the next midnight.
                                         RangeCase{Day(2037, 12, 31), Day(2038, 1, 1), true},
                                         RangeCase{Day(2000, 1, 10), Day(2038, 1, 2), false},
                                         RangeCase{Day(2038, 1, 1), Day(2038, 1, 2), false},
                                         RangeCase{CTime(), CTime(), false}));

} // namespace
} // namespace tembra::test
