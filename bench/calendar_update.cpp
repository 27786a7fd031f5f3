// The calendar and the day counting over processes in chains of 10 linked end to start, two days
// each; in each chain every other process counts working days, over a calendar of free weekends,
// with "HolidayAuto" on.
// - A calendar update of 20 changed days (ten weekend days made working days, ten weekdays made
//   holidays) over the chart period of 1,000 processes, every answer yes: each day moves what
//   follows it.
// - The conversion to elapsed days and back with holidays counted, at 1,000 and 10,000 processes:
//   every process re-dated, recorded for undo, and the chains repaired.
#include "document/ModeChangeRequests.h"
#include "document/TembraDoc.h"
#include "model/Calendar.h"
#include "model/CalendarRequests.h"
#include "model/Koutei.h"
#include "model/OperationState.h"
#include "platform/Time.h"
#include "platform/Ui.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tembra;

const CTime kFirstDay(1995, 1, 2); // a Monday
constexpr int kChain = 10;

CTime DayOf(int day) {
    return kFirstDay + CTimeSpan(day, 0, 0, 0);
}

// Answers every dialog with OK; the conversion dialogs with the anchor on the first day.
class YesUi : public IUiServices {
public:
    int MessageBox(const std::string&, UINT, UINT) override { return IDOK; }
    void SetStatusText(const std::string&) override {}
    void Beep(UINT) override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void ModeChanged() override {}
    bool OpenUrl(const std::string&) override { return false; }
    int RunDialog(DialogRequest& request) override {
        if (auto* toElapsed = dynamic_cast<CalDateToDayDlgRequest*>(&request)) {
            toElapsed->conversion.date = kFirstDay;
        } else if (auto* toCalendar = dynamic_cast<DayToCalDateDlgRequest*>(&request)) {
            toCalendar->conversion.date = kFirstDay;
        }
        return IDOK;
    }
};

void Fill(CTembraDoc& doc, int processes) {
    doc.GetChartLayers().CreateLayers();
    doc.GetOperation().SetMode(COperationState::kModeKoutei);
    doc.GetOperation().SetHolidayAuto(1);
    CSyokiSet& settings = doc.GetSyokiSet();
    settings.SetNobeMode(0);
    settings.SetStartDate(kFirstDay);
    settings.SetEndDate(DayOf(800));
    CCalendar& calendar = doc.GetWorkCalendar();
    calendar.Clear();
    for (int day = 0; day < 900; ++day) {
        if (day % 7 == 5 || day % 7 == 6) {
            calendar.SetDayFlag(DayOf(day).GetTime(), CCalendar::kRuleHoliday);
        }
    }
    for (int i = 0; i < processes; ++i) {
        const int chain = i / kChain;
        const int link = i % kChain;
        CChartPos pos;
        pos.SetStartDate(DayOf(2 * link + chain % 50));
        pos.SetEndDate(DayOf(2 * link + 2 + chain % 50));
        pos.SetStartRow(static_cast<WORD>(chain));
        pos.SetEndRow(static_cast<WORD>(chain));
        std::unique_ptr<CKoutei> process = doc.CreateKoutei(&pos, TRUE);
        process->GetLines()->GetAttr().m_holiday = link % 2;
        doc.AddObj(process.release(), FALSE);
    }
}

void BM_CalendarUpdate20Days(benchmark::State& state) {
    YesUi ui;
    IUiServices* previous = SetUiServices(&ui);
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CTembraDoc>();
        Fill(*doc, 1000);
        CCalendar changed;
        doc->GetWorkCalendar().CopyTo(&changed);
        for (int week = 0; week < 10; ++week) {
            changed.SetDayFlag(DayOf(7 * week + 5).GetTime(), 0);
            changed.SetDayFlag(DayOf(7 * week + 80).GetTime(), CCalendar::kUserToggle);
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(doc->GetCalendarUpdate().UpdateCalendar(changed));
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    SetUiServices(previous);
}
BENCHMARK(BM_CalendarUpdate20Days)->Unit(benchmark::kMillisecond);

// The conversion to elapsed days of a chart of state.range(0) processes, or (back) its way back
// to calendar days after a conversion that is not timed.
void TimeConversion(benchmark::State& state, bool back) {
    YesUi ui;
    IUiServices* previous = SetUiServices(&ui);
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CTembraDoc>();
        Fill(*doc, static_cast<int>(state.range(0)));
        if (back) {
            doc->GetDayCounting().SyokiSetNobe();
        }
        state.ResumeTiming();
        if (back) {
            doc->GetDayCounting().SyokiSetReki();
        } else {
            doc->GetDayCounting().SyokiSetNobe();
        }
        state.PauseTiming();
        // A conversion that did not run (a refused command, a dialog not answered) is no figure.
        if ((doc->GetSyokiSet().GetNobeMode() > 0) == back) {
            state.SkipWithError("the chart was not converted");
            break;
        }
        doc.reset();
        state.ResumeTiming();
    }
    SetUiServices(previous);
}

void BM_ConvertToElapsedDays(benchmark::State& state) {
    TimeConversion(state, false);
}
BENCHMARK(BM_ConvertToElapsedDays)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ConvertToCalendarDays(benchmark::State& state) {
    TimeConversion(state, true);
}
BENCHMARK(BM_ConvertToCalendarDays)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
