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

#include <benchmark/benchmark.h>

namespace {

using namespace tembra;

class Chart : public IPageLayoutView {
public:
    explicit Chart(int years) {
        CSyokiSet& settings = m_doc.GetSyokiSet();
        settings.GetPageSetting().SetPaper(kPaperA3, 0, Paths::ShippedDataDir() / "MASTER01.LYT",
                                           -1);
        settings.SetStartDate(CTime(2010, 1, 1));
        settings.SetEndDate(CTime(2010 + years, 1, 1) - CTimeSpan(1, 0, 0, 0));
        settings.SetFirstRow(0);
        settings.SetLastRow(29);
        layout.Init(this);
    }
    IPageLayoutDocument* GetLayoutDocument() const override {
        return DocumentSeam<IPageLayoutDocument>(&m_doc);
    }
    const CSyokiSet* Settings() const { return &m_doc.GetSyokiSet(); }

    CPageLayout layout;

private:
    mutable CTembraDoc m_doc;
};

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
