// The column boundaries of the safety plan's frames over a long chart: ten years on an A3 page,
// in day columns of width 1 (3,651 boundaries), Monday week columns and columns of five working
// days aligned on a date in the middle. Each walk visits every day once, so the time grows with
// the period, never with the square of it.
#include "document/TembraDoc.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "platform/Paths.h"
#include "render/PageLayout.h"
#include "safety/PlanCalendarLayout.h"
#include "support/BenchPlanChart.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tembra;

using Chart = bench::BenchPlanChart;

void BM_DayColumns(benchmark::State& state) {
    const Chart chart(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CPlanCalendarLayout columns(chart.Settings(), &chart.layout);
        columns.BuildColumns(1, kUnitDay);
        benchmark::DoNotOptimize(columns.GetColumnCount());
    }
}
BENCHMARK(BM_DayColumns)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_WeekColumns(benchmark::State& state) {
    const Chart chart(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CPlanCalendarLayout columns(chart.Settings(), &chart.layout);
        columns.BuildWeekColumns(1, true, false);
        benchmark::DoNotOptimize(columns.GetColumnCount());
    }
}
BENCHMARK(BM_WeekColumns)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_WorkdayColumns(benchmark::State& state) {
    const int years = static_cast<int>(state.range(0));
    const Chart chart(years);
    const CTime anchor(2010 + years / 2, 7, 1);
    for (auto _ : state) {
        CPlanCalendarLayout columns(chart.Settings(), &chart.layout);
        columns.BuildWorkdayColumns(anchor, 5);
        benchmark::DoNotOptimize(columns.GetColumnCount());
    }
}
BENCHMARK(BM_WorkdayColumns)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
