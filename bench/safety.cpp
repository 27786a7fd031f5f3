// The safety duty roster built over a long chart: two years on an A3 page give 730 day frames
// with the names of a five-person rota, and the partner band of Monday weeks. The build places
// each frame once and assigns the rota in one pass over the days, so its time grows with the
// period. The undo of each build is left out of the time.
#include "document/TembraDoc.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "platform/Paths.h"
#include "render/PageLayout.h"
#include "safety/DutyRoster.h"
#include "support/BenchPlanChart.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace tembra;

using Chart = bench::BenchPlanChart;

void BM_DutyRoster(benchmark::State& state) {
    // The last-used list goes into a profile of its own, not the user's.
    const std::filesystem::path scratch =
        std::filesystem::temp_directory_path() / "tembra_bench_safety";
    std::filesystem::create_directories(scratch / "config");
    Paths::SetDirs({}, scratch, scratch / "config");
    const Chart chart(static_cast<int>(state.range(0)));
    DutyWorkSite site;
    site.rows = {26, 27};
    site.startDate = CTime(2010, 6, 1);
    for (const char* name : {"A", "B", "C", "D", "E"}) {
        site.entries.push_back({name, site.entries.empty() ? 1 : 0});
    }
    DutyPartners partners;
    partners.rows = {28, 30};
    partners.mondayStart = true;
    for (auto _ : state) {
        CDutyRosterBuilder builder(chart.Doc(), chart.layout);
        benchmark::DoNotOptimize(builder.Build(kDutyBoth, site, partners));
        state.PauseTiming();
        chart.Doc().GetUndoHistory().Undo();
        state.ResumeTiming();
    }
    Paths::SetDirs({}, {}, {});
    std::filesystem::remove_all(scratch);
}
BENCHMARK(BM_DutyRoster)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
