// Edits along a long chain: n processes (the first argument) linked end to start, each lasting
// the second argument's days, dropping one row at every link and climbing back every forty; every
// tenth counts working days over a calendar of free weekends with "HolidayAuto" on, every
// hundredth has one spare day.
// - Lengthening the head by three days (ChangeKouteiDays) pushes the chain in passes, each up to
//   the spare days that give way: the first to the 100th process; since the chain mixes both
//   kinds, its dates move by working time and a calendar-day process whose end a weekend pushed
//   further takes that as spare days, which give way to the next pass. Every moved process is
//   recorded for undo.
// - Dragging the whole chain by one day (MoveKoutei, then the relation-line check as a drag ends)
//   moves every date by working time, since working-day processes are among them, and then gives
//   each calendar-day process its span back, pushing its successors up to the next spare days.
//   Each push reaches the rest of the chain up to spare days that the pushes before it have used
//   up; the adjustment carries them down the chain together, so that the drag grows linearly.
// Two-day processes: 6000 is about the longest such chain whose dates stay within the supported
// ones (1991 to 2037) as the pushes add up. One-day processes reach 10,000; with them a weekend
// lies under whole processes, which the move by working time shrinks to nothing, and the one-day
// process with a day's spare days has its start taken over a weekend past its end as the spare
// days give way, so that the processes after it lie a day behind the pushes that came through.
#include "document/TembraDoc.h"
#include "model/Calendar.h"
#include "model/Koutei.h"
#include "model/OperationState.h"
#include "model/Utility.h"
#include "platform/Time.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace {

using namespace tembra;

// A Monday, early enough for the longest chain.
const CTime kFirstDay(1991, 1, 7);

// whole: every process is selected (a drag), else only the head (a duration change). Returns the
// head's number.
CObSeqNumber FillChain(CTembraDoc& doc, int n, int days, bool whole) {
    CObSeqNumber head;
    doc.GetOperation().SetMode(COperationState::kModeKoutei);
    doc.GetOperation().SetHolidayAuto(1);
    CCalendar& calendar = doc.GetWorkCalendar();
    for (int day = 0; day < days * n + 400; ++day) {
        const CTime date = kFirstDay + CTimeSpan(day, 0, 0, 0);
        if (day % 7 == 5 || day % 7 == 6) { // from a Monday
            calendar.AddDayFlag(date.GetTime(), CCalendar::kRuleHoliday);
        }
    }
    for (int i = 0; i < n; ++i) {
        CChartPos pos;
        pos.SetStartDate(kFirstDay + CTimeSpan(days * i, 0, 0, 0));
        pos.SetEndDate(kFirstDay + CTimeSpan(days * (i + 1), 0, 0, 0));
        pos.SetStartRow(static_cast<WORD>(i % 40));
        pos.SetEndRow(static_cast<WORD>((i + 1) % 40));
        std::unique_ptr<CKoutei> process = doc.CreateKoutei(&pos, TRUE);
        process->SetLineShape(kLineShapeElbowVH);
        process->GetLines()->GetAttr().m_holiday = i % 10 == 9 ? 1 : 0;
        if (i % 100 == 99) {
            process->SetSpareDays(CTimeSpan(1, 0, 0, 0));
        }
        if (i == 0) {
            head = process->GetSeqNumber();
        }
        if (i == 0 || whole) {
            process->Select();
            doc.AddSel(process.release());
        } else {
            doc.AddObj(process.release(), FALSE);
        }
    }
    return head;
}

// The head starts and ends where it should, every other process starts where another ends, and
// nothing was lost or went as far as the latest supported date.
bool ChainHolds(const CTembraDoc& doc, int n, const CObSeqNumber& headNumber, const CTime& start,
                const CTime& end) {
    std::set<std::pair<std::int64_t, WORD>> ends;
    std::vector<const CKoutei*> processes;
    for (const ObList<CDataHeader>* list : {&doc.GetObjList(), &doc.GetSelList()}) {
        for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
            const auto* process = static_cast<const CKoutei*>(list->GetNext(pos));
            if (process->GetEndTime() >= GetMaxDate()) {
                return false;
            }
            ends.emplace(process->GetEndTime().GetTime(), process->GetEndRow());
            processes.push_back(process);
        }
    }
    int unlinked = 0;
    for (const CKoutei* process : processes) {
        if (process->GetSeqNumber() == headNumber) {
            if (process->GetStartTime() != start || process->GetEndTime() != end) {
                return false;
            }
        } else if (ends.count({process->GetStartTime().GetTime(), process->GetStartRow()}) == 0) {
            ++unlinked;
        }
    }
    return unlinked == 0 && static_cast<int>(processes.size()) == n;
}

void LengthenHead(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int days = static_cast<int>(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CTembraDoc>();
        const CObSeqNumber head = FillChain(*doc, n, days, false);
        state.ResumeTiming();
        const int done = doc->GetKouteiChains().ChangeKouteiDays(CTimeSpan(3, 0, 0, 0), TRUE);
        benchmark::DoNotOptimize(done);
        state.PauseTiming();
        if (done != 1 || doc->GetUndoHistory().GetUndoList().empty() ||
            !ChainHolds(*doc, n, head, kFirstDay, kFirstDay + CTimeSpan(days + 3, 0, 0, 0))) {
            state.SkipWithError("the chain did not move as it should");
        }
        doc.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LengthenHead)
    ->Args({1000, 2})
    ->Args({4000, 2})
    ->Args({1000, 1})
    ->Args({10000, 1})
    ->Unit(benchmark::kMillisecond);

void DragChain(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int days = static_cast<int>(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CTembraDoc>();
        const CObSeqNumber head = FillChain(*doc, n, days, true);
        state.ResumeTiming();
        CUndoHistory& undo = doc->GetUndoHistory();
        undo.Reset();
        undo.BeginGroup();
        doc->MoveKoutei(CTimeSpan(1, 0, 0, 0), 0, COperationState::kOpMove, nullptr, FALSE,
                        KouteiMoveCaller::Drag);
        const int done = doc->GetKouteiChains().PropagateKankei();
        undo.EndGroup();
        benchmark::DoNotOptimize(done);
        state.PauseTiming();
        // Each process was recorded once; the head, counting calendar days, keeps its two days.
        if (done != 1 ||
            doc->GetUndoHistory().GetUndoList().size() != static_cast<std::size_t>(n) ||
            !ChainHolds(*doc, n, head, kFirstDay + CTimeSpan(1, 0, 0, 0),
                        kFirstDay + CTimeSpan(days + 1, 0, 0, 0))) {
            state.SkipWithError("the chain did not move as it should");
        }
        doc.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(DragChain)
    ->Args({1000, 2})
    ->Args({4000, 2})
    ->Args({6000, 2})
    ->Args({1000, 1})
    ->Args({4000, 1})
    ->Args({10000, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
