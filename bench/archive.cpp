// The object archive on a chart-sized stream: 10,000 processes written as the document writes
// its process list, a count and then one object reference per process. Two shapes of chart
// (the benchmark argument): 0, bare processes (line set, two nodes and an empty resource list,
// what every process has); 1, each process also with a resource entry and two terms. Loading
// them from a disk file is compared with reading the same file's bytes into memory in one
// call, which is the floor any load stands on, and with making the same objects without the
// archive; storing them is timed as well.
#include "model/Calendar.h"
#include "model/Koutei.h"
#include "model/SeqNumber.h"
#include "model/Shigen.h"
#include "model/Yogo.h"
#include "platform/Document.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace tembra;

constexpr int kProcesses = 10000;

// What the process records ask of their document: a whole-file load, a calendar for the spans
// of a store, the label fonts.
class ChartDocument : public CDocument, public IKouteiDocument, public ILabelDocument {
public:
    int GetMergeMode() const override { return kMergeModeWhole; }
    CSeqNumberCtrl& GetSeqNumberCtrl() override { return m_seq; }
    const CCalendar* GetCalendar() const override { return &m_calendar; }
    CTime GetNobeBaseDate() const override { return CTime(2000, 1, 1); }
    LONG GetHolidayAuto() const override { return 0; }
    void UpdateAllViewsWith(CObject*) override {}
    CKoutei* FindKouteiByNumber(const CObSeqNumber&, int, bool) const override { return nullptr; }
    LOGFONT GetYogoFont() const override { return {}; }
    LOGFONT GetShigenFont() const override { return {}; }
    int GetNobeMode() const override { return 1; }

private:
    CSeqNumberCtrl m_seq;
    CCalendar m_calendar;
};

std::unique_ptr<CKoutei> Process(int n, bool withTerms) {
    auto koutei = std::make_unique<CKoutei>();
    const int day = n % 3000;
    koutei->SetStartDate(CTime(2000, 1, 1) + CTimeSpan(static_cast<std::int64_t>(day) * 86400));
    koutei->SetEndDate(CTime(2000, 1, 1) +
                       CTimeSpan(static_cast<std::int64_t>(day + 5 + n % 20) * 86400));
    koutei->SetStartRow(n);
    koutei->SetEndRow(n);
    koutei->SetSeqNumber(0, static_cast<DWORD>(n + 1));
    if (!withTerms) {
        return koutei;
    }
    auto shigen = std::make_unique<CShigen>();
    shigen->AddShigenData(std::make_unique<CShigenData>(2, 4));
    koutei->SetShigen(std::move(shigen));
    for (const std::string& text : {"\x8a\xee\x91\x62\x8d\x48\x8e\x96 " + std::to_string(n),
                                    std::string("\x8a\xae\x97\xb9")}) {
        auto term = std::make_unique<CYogo>();
        term->SetText(text);
        term->SetDateKind(kYogoOnLine);
        koutei->AddYogo(term, TRUE);
    }
    return koutei;
}

// The chart's process list in memory and on disk, made once for the whole run.
class Chart {
public:
    explicit Chart(bool withTerms) {
        for (int n = 0; n < kProcesses; ++n) {
            m_processes.push_back(Process(n, withTerms));
        }
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tembra-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        m_dir = pattern;
        m_path = m_dir / "chart.tbr";
        Store(m_path);
        m_size = std::filesystem::file_size(m_path);
    }
    ~Chart() {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }

    void Store(const std::filesystem::path& path) {
        CFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = &m_document;
        ar.WriteCount(static_cast<DWORD>(m_processes.size()));
        for (const auto& koutei : m_processes) {
            ar << koutei.get();
        }
        ar.Close();
        file.Close();
    }

    std::vector<std::unique_ptr<CKoutei>> Load(CFile& file, int bufferSize = 4096) {
        CArchive ar(&file, CArchive::load, bufferSize);
        ar.m_pDocument = &m_document;
        const DWORD count = ar.ReadCount();
        std::vector<std::unique_ptr<CKoutei>> read;
        read.reserve(count);
        for (DWORD i = 0; i < count; ++i) {
            read.push_back(ar.ReadOwned<CKoutei>());
        }
        ar.Close();
        return read;
    }

    const std::filesystem::path& Path() const { return m_path; }
    std::uintmax_t Size() const { return m_size; }

private:
    ChartDocument m_document;
    std::vector<std::unique_ptr<CKoutei>> m_processes;
    std::filesystem::path m_dir;
    std::filesystem::path m_path;
    std::uintmax_t m_size = 0;
};

// The chart of the benchmark's shape.
Chart& TheChart(const benchmark::State& state) {
    static Chart bare(false);
    static Chart withTerms(true);
    return state.range(0) != 0 ? withTerms : bare;
}

// The floor: the file's bytes into memory with one read.
void BM_ReadFileIntoMemory(benchmark::State& state) {
    Chart& chart = TheChart(state);
    for (auto _ : state) {
        std::FILE* f = std::fopen(chart.Path().c_str(), "rb");
        std::vector<BYTE> bytes(static_cast<std::size_t>(chart.Size()));
        const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        benchmark::DoNotOptimize(got);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(chart.Size()));
}
BENCHMARK(BM_ReadFileIntoMemory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same file through the archive as DWORDs alone: what the archive itself adds to the read,
// without the records that a load creates.
void BM_ReadFileByWords(benchmark::State& state) {
    Chart& chart = TheChart(state);
    const std::uintmax_t words = chart.Size() / 4;
    for (auto _ : state) {
        CFile file(chart.Path(), CFile::modeRead | CFile::typeBinary);
        CArchive ar(&file, CArchive::load);
        DWORD sum = 0;
        for (std::uintmax_t i = 0; i < words; ++i) {
            DWORD d = 0;
            ar >> d;
            sum += d;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(chart.Size()));
}
BENCHMARK(BM_ReadFileByWords)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The processes from the disk file, as a document opens it.
void BM_LoadProcessesFromFile(benchmark::State& state) {
    Chart& chart = TheChart(state);
    for (auto _ : state) {
        CFile file(chart.Path(), CFile::modeRead | CFile::typeBinary);
        auto read = chart.Load(file);
        benchmark::DoNotOptimize(read.data());
        state.PauseTiming();
        read.clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(chart.Size()));
}
BENCHMARK(BM_LoadProcessesFromFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same load with other sizes of the archive's buffer.
void BM_LoadProcessesBufferSize(benchmark::State& state) {
    Chart& chart = TheChart(state);
    for (auto _ : state) {
        CFile file(chart.Path(), CFile::modeRead | CFile::typeBinary);
        auto read = chart.Load(file, static_cast<int>(state.range(1)));
        benchmark::DoNotOptimize(read.data());
        state.PauseTiming();
        read.clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(chart.Size()));
}
BENCHMARK(BM_LoadProcessesBufferSize)
    ->Args({1, 1024})
    ->Args({1, 4096})
    ->Args({1, 16384})
    ->Args({1, 65536})
    ->Unit(benchmark::kMillisecond);

// The same from a memory file: the archive alone, without the disk file under it.
void BM_LoadProcessesFromMemory(benchmark::State& state) {
    Chart& chart = TheChart(state);
    CFile disk(chart.Path(), CFile::modeRead | CFile::typeBinary);
    std::vector<BYTE> bytes(static_cast<std::size_t>(chart.Size()));
    disk.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    for (auto _ : state) {
        state.PauseTiming();
        CMemFile file(bytes);
        state.ResumeTiming();
        auto read = chart.Load(file);
        benchmark::DoNotOptimize(read.data());
        state.PauseTiming();
        read.clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(chart.Size()));
}
BENCHMARK(BM_LoadProcessesFromMemory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The objects a load of the processes creates, made without the archive: each process with its
// line set, nodes and resource list, and for the second shape a resource entry and two terms.
// What a load takes beyond this and the file read is the archive's and the records' reading of
// their fields.
void BM_CreateProcessObjects(benchmark::State& state) {
    const bool withTerms = state.range(0) != 0;
    for (auto _ : state) {
        std::vector<std::unique_ptr<CObject>> made;
        made.reserve(4 * kProcesses);
        for (int n = 0; n < kProcesses; ++n) {
            made.emplace_back(RUNTIME_CLASS(CKoutei)->CreateObject());
            if (withTerms) {
                made.emplace_back(RUNTIME_CLASS(CShigenData)->CreateObject());
                made.emplace_back(RUNTIME_CLASS(CYogo)->CreateObject());
                made.emplace_back(RUNTIME_CLASS(CYogo)->CreateObject());
            }
        }
        benchmark::DoNotOptimize(made.data());
        state.PauseTiming();
        made.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CreateProcessObjects)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The processes to a disk file, as a document saves them.
void BM_StoreProcessesToFile(benchmark::State& state) {
    Chart& chart = TheChart(state);
    const std::filesystem::path path = chart.Path().parent_path() / "stored.tbr";
    for (auto _ : state) {
        chart.Store(path);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(chart.Size()));
}
BENCHMARK(BM_StoreProcessesToFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
