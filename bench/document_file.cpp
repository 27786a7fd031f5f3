// Opening and saving a chart file of 10,000 processes (each with a term and a resource entry,
// over 400 rows of a calendar-day chart) and 1,000 events, each also as a ratio to reading the
// file's bytes alone ("x_read"). The open reads the whole file into a chart of its own before it
// takes it over and holds the file's lock; the save writes beside the file, flushes it to the disk
// and renames it into place. Goal: the open at most 4 times the read.
//
// The open also counts what it asks of the heap ("allocs" and "alloc_bytes" per open, through
// this program's own operator new): unlike the times they do not swing with the machine's load.
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "model/Koutei.h"
#include "model/Shigen.h"
#include "model/Yogo.h"
#include "platform/Paths.h"
#include "platform/Sjis.h"
#include "platform/Time.h"
#include "support/BenchFolders.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

// What operator new was asked for on this thread, while counting is on (only around the timed
// open).
struct HeapCount {
    bool on = false;
    std::size_t allocations = 0;
    std::size_t bytes = 0;
};
thread_local HeapCount g_heap;

} // namespace

// Kept out of line: inlined, the compiler would pair a free with the new it sees and take them
// for a mismatch.
[[gnu::noinline]] void* operator new(std::size_t size) {
    if (g_heap.on) {
        ++g_heap.allocations;
        g_heap.bytes += size;
    }
    if (void* memory = std::malloc(size != 0 ? size : 1)) {
        return memory;
    }
    throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void* memory) noexcept {
    std::free(memory);
}

[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

using namespace tembra;
namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;

constexpr int kProcesses = 10000;
constexpr int kEvents = 1000;

// The program's folders and settings, and the chart file written once.
class Setup {
public:
    Setup() {
        CTembraDoc chart;
        chart.OnNewDocument();
        chart.GetShigenNames().push_back(
            std::make_unique<CShigenName>(1, 4, Sjis::FromUtf8("作業員")));
        const CTime start = chart.GetSyokiSet().GetStartDate();
        for (int i = 0; i < kProcesses; ++i) {
            CChartPos pos;
            pos.SetStartDate(start + CTimeSpan(i % 30, 0, 0, 0));
            pos.SetEndDate(start + CTimeSpan(i % 30 + 3, 0, 0, 0));
            pos.SetStartRow(static_cast<WORD>(i % 400));
            pos.SetEndRow(static_cast<WORD>(i % 400));
            std::unique_ptr<CKoutei> process = chart.CreateKoutei(&pos);
            std::unique_ptr<CYogo> term = std::make_unique<CYogo>();
            term->SetText(Sjis::FromUtf8("基礎工事"));
            process->AddYogo(term, TRUE);
            process->GetShigen()->AddShigenData(std::make_unique<CShigenData>(1, 3));
            chart.AddObj(process.release(), FALSE);
        }
        for (int i = 0; i < kEvents; ++i) {
            std::unique_ptr<CEvent> event = chart.GetEvents().CreateEvent();
            event->SetStartDate(start + CTimeSpan(i % 30, 0, 0, 0));
            event->SetStartRow(static_cast<short>(i % 400));
            event->SetText(Sjis::FromUtf8("検査"));
            chart.AddObj(event.release(), FALSE);
        }
        m_file = m_folders.Dir() / "chart.tbr";
        chart.OnSaveDocument(m_file.string());
        m_readSeconds = MeasureRead();
    }
    const fs::path& File() const { return m_file; }
    fs::path Copy() const { return m_folders.Dir() / "copy.tbr"; }
    // The median of many reads of the file's bytes, taken once the file is in the page cache.
    double ReadSeconds() const { return m_readSeconds; }

    // The file's bytes in one read.
    static std::string ReadBytes(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::string bytes(static_cast<std::size_t>(fs::file_size(file)), '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return bytes;
    }

private:
    // The fastest of a few reads swings with the machine's load; the median of many, after the
    // first reads have warmed the cache and the allocator, is what a ratio can stand on.
    double MeasureRead() const {
        constexpr int kWarmUp = 5;
        constexpr int kReads = 51;
        for (int i = 0; i < kWarmUp; ++i) {
            benchmark::DoNotOptimize(ReadBytes(m_file));
        }
        std::vector<double> seconds;
        seconds.reserve(kReads);
        for (int i = 0; i < kReads; ++i) {
            const auto begin = SteadyClock::now();
            benchmark::DoNotOptimize(ReadBytes(m_file));
            seconds.push_back(std::chrono::duration<double>(SteadyClock::now() - begin).count());
        }
        std::nth_element(seconds.begin(), seconds.begin() + kReads / 2, seconds.end());
        return seconds[kReads / 2];
    }

    bench::BenchFolders m_folders;
    fs::path m_file;
    double m_readSeconds = 0;
};

Setup& Chart() {
    static Setup setup;
    return setup;
}

void ReportRatio(benchmark::State& state, double seconds) {
    state.counters["x_read"] = benchmark::Counter(
        seconds / static_cast<double>(state.iterations()) / Chart().ReadSeconds());
    state.counters["bytes"] = static_cast<double>(fs::file_size(Chart().File()));
}

void ReadFileBytes(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(Setup::ReadBytes(Chart().File()));
    }
}
BENCHMARK(ReadFileBytes)->Unit(benchmark::kMillisecond);

void OpenChart(benchmark::State& state) {
    double seconds = 0;
    g_heap = HeapCount{};
    for (auto _ : state) {
        CTembraDoc doc;
        const auto begin = SteadyClock::now();
        g_heap.on = true;
        const BOOL opened = doc.OnOpenDocument(Chart().File().string());
        g_heap.on = false;
        seconds += std::chrono::duration<double>(SteadyClock::now() - begin).count();
        state.PauseTiming();
        if (!opened || doc.GetObjCount() != kProcesses + kEvents) {
            state.SkipWithError("the chart did not open whole");
        }
        doc.OnCloseDocument();
        state.ResumeTiming();
    }
    ReportRatio(state, seconds);
    const auto perOpen = [&](std::size_t total) {
        return static_cast<double>(total) / static_cast<double>(state.iterations());
    };
    state.counters["allocs"] = perOpen(g_heap.allocations);
    state.counters["alloc_bytes"] = perOpen(g_heap.bytes);
}
BENCHMARK(OpenChart)->Unit(benchmark::kMillisecond);

void SaveChart(benchmark::State& state) {
    CTembraDoc doc;
    if (!doc.OnOpenDocument(Chart().File().string())) {
        state.SkipWithError("the chart did not open");
        return;
    }
    double seconds = 0;
    for (auto _ : state) {
        const auto begin = SteadyClock::now();
        const BOOL saved = doc.OnSaveDocument(Chart().Copy().string());
        seconds += std::chrono::duration<double>(SteadyClock::now() - begin).count();
        if (!saved) {
            state.SkipWithError("the chart was not saved");
        }
    }
    ReportRatio(state, seconds);
    doc.OnCloseDocument();
}
BENCHMARK(SaveChart)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
