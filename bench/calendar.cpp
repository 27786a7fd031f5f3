// Generation of the working calendar, working-time arithmetic over it, the spans that saving
// a chart recounts for every process, and the day scale of irregular periods. The holiday
// stores live in a temporary folder for the run; the program's own key is seeded from the
// shipped holiday set as on a first start.
#include "model/Calendar.h"
#include "model/Hensoku.h"
#include "model/HensokuScale.h"
#include "model/HolidayStore.h"
#include "model/Koutei.h"
#include "model/Utility.h"
#include "platform/Archive.h"
#include "platform/Document.h"
#include "platform/Paths.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace tembra;

// Points the writable and config folders at a temporary folder for the life of the program.
class TempStores {
public:
    TempStores() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tembra-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            m_dir = pattern;
            std::filesystem::create_directories(m_dir / "writable");
            std::filesystem::create_directories(m_dir / "config");
            Paths::SetDirs(Paths::ShippedDataDir(), m_dir / "writable", m_dir / "config");
        }
    }
    ~TempStores() {
        Paths::SetDirs({}, {}, {});
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }

private:
    std::filesystem::path m_dir;
};

TempStores& Stores() {
    static TempStores stores;
    return stores;
}

std::array<BYTE, kWeeklyTableSize> SaturdaysAndSundays() {
    std::array<BYTE, kWeeklyTableSize> weekly{};
    for (int n = 0; n < 5; ++n) {
        weekly[static_cast<std::size_t>(n)] = 1;
        weekly[static_cast<std::size_t>(6 * 5 + n)] = 1;
    }
    return weekly;
}

// Generation from a weekly table alone: the day loop itself.
void BM_MakeHolidaysWeeklyOnly(benchmark::State& state) {
    Stores();
    const auto weekly = SaturdaysAndSundays();
    CCalendar calendar;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar.MakeHolidays(weekly.data(), FALSE, FALSE));
    }
}
BENCHMARK(BM_MakeHolidaysWeeklyOnly)->Unit(benchmark::kMicrosecond);

// The holidays of the whole table (1991-2037) that the shipped set gives: the Sundays and the
// national holidays of Japan with their substitute days, 3179 days together (2017 of them in
// 1991-2020, tests/model/data/jp-holidays-1991-2020.txt). A calendar made without the shipped set
// (its folder not found) has only the Sundays and would time the wrong thing.
constexpr int kShippedHolidays = 3179;

int CountHolidays(const CCalendar& calendar) {
    int holidays = 0;
    for (CTime d = GetMinDate(); d <= GetMaxDate(); d += CTimeSpan(1, 0, 0, 0)) {
        holidays += calendar.IsHoliday(d) ? 1 : 0;
    }
    return holidays;
}

// Fails the benchmark unless the calendar holds the shipped set's holidays.
bool HasShippedHolidays(benchmark::State& state, const CCalendar& calendar) {
    const int holidays = CountHolidays(calendar);
    state.counters["holidays"] = holidays;
    if (holidays != kShippedHolidays) {
        const std::string message = "the calendar has " + std::to_string(holidays) +
                                    " holidays, the shipped set gives " +
                                    std::to_string(kShippedHolidays);
        state.SkipWithError(message.c_str());
        return false;
    }
    return true;
}

// Generation as a new document does it: every rule read from the stores (the shipped set).
void BM_MakeHolidaysFromStore(benchmark::State& state) {
    Stores();
    CCalendar calendar;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar.MakeHolidays(nullptr, TRUE, TRUE));
    }
    HasShippedHolidays(state, calendar);
}
BENCHMARK(BM_MakeHolidaysFromStore)->Unit(benchmark::kMicrosecond);

CCalendar& GeneratedCalendar() {
    static CCalendar calendar;
    static const bool made = (Stores(), calendar.MakeHolidays(nullptr, TRUE, TRUE));
    (void)made;
    return calendar;
}

// The holiday time over a span of the given number of days, as a duration in working days
// counts it: from a year up to the whole range of the calendar.
void BM_HolidayTime(benchmark::State& state) {
    const CCalendar& calendar = GeneratedCalendar();
    if (!HasShippedHolidays(state, calendar)) {
        return;
    }
    const CTime from(1991, 1, 1, 12, 0, 0);
    const CTime to = from + CTimeSpan(state.range(0), 0, 0, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar.GetHolidayTime(from, to));
    }
}
BENCHMARK(BM_HolidayTime)
    ->Arg(365)
    ->Arg(3652)
    ->Arg(10956)
    ->Arg(17165)
    ->Unit(benchmark::kNanosecond);

// What saving adds to a chart: the window that holds its dates and the days changed from the
// rules (the rules are generated once more to compare), for a chart of 2026.
void BM_FitWindow(benchmark::State& state) {
    Stores();
    CCalendar calendar;
    calendar.MakeHolidays(nullptr, TRUE, TRUE);
    calendar.ToggleDayFlag(2026, 8, 13, CCalendar::kUserToggle);
    CTime first;
    CTime last;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            calendar.FitWindow(CTime(2026, 4, 1), CTime(2027, 3, 31), first, last));
    }
    state.counters["window_year"] = calendar.GetWindowYear();
}
BENCHMARK(BM_FitWindow)->Unit(benchmark::kMicrosecond);

// A year of working time laid over the calendar in one call.
void BM_AddWorkTimeOneYear(benchmark::State& state) {
    const CCalendar& calendar = GeneratedCalendar();
    if (!HasShippedHolidays(state, calendar)) {
        return;
    }
    const CTime start(2015, 4, 1);
    CTimeSpan span;
    for (auto _ : state) {
        span = calendar.AddWorkTime(start, CTimeSpan(245, 0, 0, 0));
        benchmark::DoNotOptimize(span);
    }
    state.counters["calendar_days"] = static_cast<double>(span.GetDays());
}
BENCHMARK(BM_AddWorkTimeOneYear)->Unit(benchmark::kMicrosecond);

// Every day of a year as a start, 20 working days from each (a process's duration).
void BM_AddWorkTimeEveryDayOfAYear(benchmark::State& state) {
    const CCalendar& calendar = GeneratedCalendar();
    if (!HasShippedHolidays(state, calendar)) {
        return;
    }
    for (auto _ : state) {
        for (CTime d(2019, 1, 1); d < CTime(2020, 1, 1); d += CTimeSpan(1, 0, 0, 0)) {
            benchmark::DoNotOptimize(calendar.AddWorkTime(d, CTimeSpan(20, 0, 0, 0)));
        }
    }
    state.SetItemsProcessed(state.iterations() * 365);
}
BENCHMARK(BM_AddWorkTimeEveryDayOfAYear)->Unit(benchmark::kMicrosecond);

// A chart document as saving sees it: the shipped working calendar, an elapsed-day base date
// and "HolidayAuto" on.
class ChartDocument : public CDocument, public IKouteiDocument {
public:
    int GetMergeMode() const override { return kMergeModeWhole; }
    CSeqNumberCtrl& GetSeqNumberCtrl() override { return m_seq; }
    const CCalendar* GetCalendar() const override { return &GeneratedCalendar(); }
    CTime GetNobeBaseDate() const override { return CTime(1995, 4, 1); }
    LONG GetHolidayAuto() const override { return 1; }
    void UpdateAllViewsWith(CObject*) override {}
    CKoutei* FindKouteiByNumber(const CObSeqNumber&, int, bool) const override { return nullptr; }

private:
    CSeqNumberCtrl m_seq;
};

// 10,000 processes spread over 25 years from the base date, 1 to 60 days long, counted in
// working days.
std::vector<std::unique_ptr<CKoutei>> ChartProcesses() {
    std::vector<std::unique_ptr<CKoutei>> processes;
    const CTime base(1995, 4, 1);
    for (int i = 0; i < 10000; ++i) {
        auto process = std::make_unique<CKoutei>();
        const CTime start = base + CTimeSpan((i * 37) % 9125, 0, 0, 0);
        process->SetStartDate(start);
        process->SetEndDate(start + CTimeSpan(1 + i % 60, 0, 0, 0));
        process->GetLines()->GetAttr().m_holiday = 1;
        processes.push_back(std::move(process));
    }
    return processes;
}

// What saving does for every process before it writes it: the three spans recounted through
// the working calendar (the start offset counts the holidays from the base date on).
void BM_RecalcSpans10000Processes(benchmark::State& state) {
    ChartDocument doc;
    if (!HasShippedHolidays(state, *doc.GetCalendar())) {
        return;
    }
    const auto processes = ChartProcesses();
    for (auto _ : state) {
        for (const auto& process : processes) {
            process->RecalcDuration(&doc, CTime(0), FALSE);
        }
        benchmark::DoNotOptimize(processes.back()->GetStartOffset());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(processes.size()));
}
BENCHMARK(BM_RecalcSpans10000Processes)->Unit(benchmark::kMillisecond);

// The same processes saved into memory as a chart file holds them (the spans recounted, then
// every record written).
void BM_Store10000Processes(benchmark::State& state) {
    ChartDocument doc;
    if (!HasShippedHolidays(state, *doc.GetCalendar())) {
        return;
    }
    const auto processes = ChartProcesses();
    std::size_t bytes = 0;
    for (auto _ : state) {
        CMemFile file;
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = &doc;
        for (const auto& process : processes) {
            process->Serialize(ar);
        }
        ar.Close();
        bytes = file.Data().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_Store10000Processes)->Unit(benchmark::kMillisecond);

// The largest day scale a page builds: every holiday of 4000 days at half width.
struct HalfWidthHolidays {
    CHensoku periods;
    CTime start{2005, 1, 1};
    CTime end = start + CTimeSpan(4000, 0, 0, 0);

    HalfWidthHolidays() {
        auto holidays = std::make_unique<CHensokuData>();
        holidays->SetDayPeriod(0, 0, 0, CHensokuData::kHolidays, 0, 1, 1, 1, 2);
        periods.AddData(std::move(holidays));
    }
};

void BM_HensokuScaleBuild4000Days(benchmark::State& state) {
    const CCalendar& calendar = GeneratedCalendar();
    if (!HasShippedHolidays(state, calendar)) {
        return;
    }
    const HalfWidthHolidays scaled;
    CHensokuScale scale;
    for (auto _ : state) {
        benchmark::DoNotOptimize(scale.Build(scaled.start, scaled.end, &calendar, &scaled.periods));
    }
}
BENCHMARK(BM_HensokuScaleBuild4000Days)->Unit(benchmark::kMicrosecond);

// Both conversions on that scale, for every day of it: date to position (what painting a bar
// asks) and position back to date (what a mouse position asks).
void BM_HensokuScaleConversions4000Days(benchmark::State& state) {
    const CCalendar& calendar = GeneratedCalendar();
    if (!HasShippedHolidays(state, calendar)) {
        return;
    }
    const HalfWidthHolidays scaled;
    CHensokuScale scale;
    if (scale.Build(scaled.start, scaled.end, &calendar, &scaled.periods) != 1) {
        state.SkipWithError("the holidays left the scale linear");
        return;
    }
    std::vector<CTime> dates;
    for (int k = 0; k < 4000; ++k) {
        dates.push_back(scaled.start + CTimeSpan(k, 12, 0, 0));
    }
    for (auto _ : state) {
        double sum = 0.0;
        for (const CTime& date : dates) {
            sum += scale.UnitsToDate(scale.DateToUnits(date));
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(dates.size()) * 2);
}
BENCHMARK(BM_HensokuScaleConversions4000Days)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
