// The change of a duration along a long chain: n processes (the argument) linked end to start,
// two days each, dropping one row at every link and climbing back every forty; every tenth counts
// working days over a calendar of free weekends with "HolidayAuto" on, every hundredth has one
// spare day. Lengthening the head by three days (ChangeKouteiDays) pushes the chain in three
// passes, each one spare day further along (to the 100th, the 200th, then the 300th process), and
// records every moved process for undo.
#include "document/TembraDoc.h"
#include "model/Calendar.h"
#include "model/Koutei.h"
#include "model/OperationState.h"
#include "platform/Time.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tembra;

const CTime kFirstDay(1995, 1, 2);

void FillChain(CTembraDoc& doc, int n) {
    doc.GetOperation().SetMode(COperationState::kModeKoutei);
    doc.GetOperation().SetHolidayAuto(1);
    CCalendar& calendar = doc.GetWorkCalendar();
    for (int day = 0; day < 2 * n + 400; ++day) {
        const CTime date = kFirstDay + CTimeSpan(day, 0, 0, 0);
        if (day % 7 == 5 || day % 7 == 6) { // 2 January 1995 was a Monday
            calendar.AddDayFlag(date.GetTime(), CCalendar::kRuleHoliday);
        }
    }
    for (int i = 0; i < n; ++i) {
        CChartPos pos;
        pos.SetStartDate(kFirstDay + CTimeSpan(2 * i, 0, 0, 0));
        pos.SetEndDate(kFirstDay + CTimeSpan(2 * i + 2, 0, 0, 0));
        pos.SetStartRow(static_cast<WORD>(i % 40));
        pos.SetEndRow(static_cast<WORD>((i + 1) % 40));
        std::unique_ptr<CKoutei> process = doc.CreateKoutei(&pos, TRUE);
        process->SetLineShape(kLineShapeElbowVH);
        process->GetLines()->GetAttr().m_holiday = i % 10 == 9 ? 1 : 0;
        if (i % 100 == 99) {
            process->SetSpareDays(CTimeSpan(1, 0, 0, 0));
        }
        if (i == 0) {
            process->Select();
            doc.AddSel(process.release());
        } else {
            doc.AddObj(process.release(), FALSE);
        }
    }
}

void LengthenHead(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CTembraDoc>();
        FillChain(*doc, n);
        state.ResumeTiming();
        const int done = doc->ChangeKouteiDays(CTimeSpan(3, 0, 0, 0), TRUE);
        benchmark::DoNotOptimize(done);
        state.PauseTiming();
        if (done != 1 || doc->GetUndoHistory().GetUndoList().size() != 600) {
            state.SkipWithError("the chain did not move as it should");
        }
        doc.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LengthenHead)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
