// The idle update of the menu and tool-bar states as the application runs it after each burst of
// input: every command of the menu bar (and the term bar's two controls) asked of the document's
// command target in one pass, on a chart of n processes (the argument) of which 200 are selected
// whole, in the process mode while editing: the attribute updaters read the first selected
// process, the delete and chain entries the selection, copy and move the date range.
#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/OperationState.h"
#include "platform/Time.h"
#include "render/KouteiLabels.h"
#include "shell/core/DocumentCommands.h"
#include "shell/core/MenuTable.h"
#include "support/BenchProcesses.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <set>
#include <vector>

namespace {

using namespace tembra;

constexpr int kSelected = 200;

void FillChart(CTembraDoc& doc, int n) {
    doc.GetChartLayers().CreateLayers();
    doc.GetKoumoku()->SetLevelCount(3);
    const CTime first(2010, 4, 1);
    for (int i = 0; i < n; ++i) {
        CChartPos pos;
        pos.SetStartDate(first + CTimeSpan(i % 300, 0, 0, 0));
        pos.SetEndDate(first + CTimeSpan(i % 300 + 5, 0, 0, 0));
        pos.SetStartRow(static_cast<WORD>(i % 9000));
        pos.SetEndRow(static_cast<WORD>(i % 9000));
        std::unique_ptr<CKoutei> process = doc.CreateKoutei(&pos, TRUE);
        bench::DressProcess(*process, i);
        if (i < kSelected) {
            process->Select();
            doc.AddSel(process.release());
        } else {
            doc.AddObj(process.release(), FALSE);
        }
    }
    doc.GetOperation().SetMode(COperationState::kModeKoutei);
    doc.GetOperation().SetOperation(COperationState::kOpEdit);
}

std::vector<UINT> EveryCommand() {
    std::set<UINT> ids;
    for (const MenuEntry& entry : MainMenu()) {
        if (entry.id != 0) {
            ids.insert(entry.id);
        }
    }
    ids.insert({1662, 1663, 1664});
    return {ids.begin(), ids.end()};
}

void BM_IdleUpdatePass(benchmark::State& state) {
    CAppState app;
    CAppState* previous = SetAppState(&app);
    {
        CTembraDoc doc;
        FillChart(doc, static_cast<int>(state.range(0)));
        CDocumentCommands commands(doc);
        const std::vector<UINT> ids = EveryCommand();
        for (auto _ : state) {
            int enabled = 0;
            for (const UINT id : ids) {
                CCmdUI cmdUI(id);
                commands.OnUpdateCommand(cmdUI);
                enabled += cmdUI.IsEnabled() ? 1 : 0;
            }
            benchmark::DoNotOptimize(enabled);
        }
        state.counters["commands"] = static_cast<double>(ids.size());
        doc.UnselectAll(FALSE);
    }
    SetAppState(previous);
}
BENCHMARK(BM_IdleUpdatePass)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
