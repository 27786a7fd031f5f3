// Generation of the working calendar, working-time arithmetic over it, and the day scale of
// irregular periods. The holiday stores live in a temporary folder for the run; the program's
// own key is seeded from the shipped holiday set as on a first start.
#include "model/Calendar.h"
#include "model/Hensoku.h"
#include "model/HensokuScale.h"
#include "model/HolidayStore.h"
#include "platform/Paths.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

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

// Generation as a new document does it: every rule read from the stores (the shipped set).
void BM_MakeHolidaysFromStore(benchmark::State& state) {
    Stores();
    CCalendar calendar;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar.MakeHolidays(nullptr, TRUE, TRUE));
    }
    int holidays = 0;
    for (CTime d(1991, 1, 1); d <= CTime(2020, 12, 31); d += CTimeSpan(1, 0, 0, 0)) {
        holidays += calendar.IsHoliday(d) ? 1 : 0;
    }
    state.counters["holidays"] = holidays;
}
BENCHMARK(BM_MakeHolidaysFromStore)->Unit(benchmark::kMicrosecond);

CCalendar& GeneratedCalendar() {
    static CCalendar calendar;
    static const bool made = (Stores(), calendar.MakeHolidays(nullptr, TRUE, TRUE));
    (void)made;
    return calendar;
}

// A year of working time laid over the calendar in one call.
void BM_AddWorkTimeOneYear(benchmark::State& state) {
    const CCalendar& calendar = GeneratedCalendar();
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
    for (auto _ : state) {
        for (CTime d(2019, 1, 1); d < CTime(2020, 1, 1); d += CTimeSpan(1, 0, 0, 0)) {
            benchmark::DoNotOptimize(calendar.AddWorkTime(d, CTimeSpan(20, 0, 0, 0)));
        }
    }
    state.SetItemsProcessed(state.iterations() * 365);
}
BENCHMARK(BM_AddWorkTimeEveryDayOfAYear)->Unit(benchmark::kMicrosecond);

// The largest day scale a page builds, and a conversion on it.
void BM_HensokuScaleBuild4000Days(benchmark::State& state) {
    const CCalendar& calendar = GeneratedCalendar();
    CHensoku periods;
    auto holidays = std::make_unique<CHensokuData>();
    holidays->SetDayPeriod(0, 0, 0, CHensokuData::kHolidays, 0, 1, 1, 1, 2);
    periods.AddData(std::move(holidays));
    const CTime start(2005, 1, 1);
    const CTime end = start + CTimeSpan(4000, 0, 0, 0);
    CHensokuScale scale;
    for (auto _ : state) {
        benchmark::DoNotOptimize(scale.Build(start, end, &calendar, &periods));
    }
    double sum = 0.0;
    for (int k = 0; k < 4000; k += 7) {
        sum += scale.UnitsToDate(scale.DateToUnits(start + CTimeSpan(k, 0, 0, 0)));
    }
    benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_HensokuScaleBuild4000Days)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
