// Laying out 2,000 taken-in events spread over a year, all on one row, so that none overlaps
// another (the client's AdjustTakeInData). Goal: under 100 ms.
#include "automation/AutomationHost.h"
#include "automation/SettingsChanges.h"
#include "automation/TembraDocAutomation.h"
#include "document/TembraDoc.h"
#include "platform/Time.h"
#include "support/BenchFolders.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace tembra;

constexpr int kRecords = 2000;

class NoHost final : public IAutomationHost {
public:
    void CloseIdleDocuments(CTembraDoc&) override {}
    bool CloseDocument(CTembraDoc&, int) override { return true; }
    bool OtherDocumentsOpen(const CTembraDoc&) const override { return false; }
    void CloseApplication(CTembraDoc&) override {}
    void BeginQuestion() override {}
    void EndQuestion() override {}
};

// Dates through the year 2010, one record after another at a stride that revisits each day
// several times: a mix of events and processes of a few days.
void TakeIn(CTembraDocAutomation& automation) {
    const CTime first(2010, 1, 1);
    for (int i = 0; i < kRecords; ++i) {
        const CTime start = first + CTimeSpan((i * 37) % 365, 0, 0, 0);
        const std::string from = start.Format("%Y/%m/%d");
        const std::string to =
            i % 2 == 0 ? std::string() : (start + CTimeSpan(i % 5 + 1, 0, 0, 0)).Format("%Y/%m/%d");
        automation.TakeInData(from, to, "record " + std::to_string(i), std::string());
    }
}

void AdjustTakeInData(benchmark::State& state) {
    bench::BenchFolders folders;
    CTembraDoc chart;
    chart.OnNewDocument();
    NoHost host;
    CSyokiSetChanges settings;
    CTembraDocAutomation automation(chart, host, settings);
    automation.AppInit();
    automation.SetInsertLine(3);
    for (auto _ : state) {
        state.PauseTiming();
        automation.FreeTakeIn();
        TakeIn(automation);
        state.ResumeTiming();
        benchmark::DoNotOptimize(automation.AdjustTakeInData());
    }
}
BENCHMARK(AdjustTakeInData)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
