// Edits of a chart of linked processes, as a drag ends: n processes (the argument) in chains of a
// hundred, each process three days long, two days before the next of its chain, and joined to it
// by a relation line; the chains one below the other, each on two rows. Every edit is one undo
// step: the move and the relation-line check (PropagateKankei) that follows it.
// - DragLinkedProcess: one process in the middle of a chain dragged a day later, then a day
//   earlier; the relation lines into it and out of it are drawn again.
// - MoveAllLinked: everything selected (全選択) and dragged a day later, then a day earlier.
// - UndoMoveAllLinked: the undo of such a move (its redo is not timed).
// Goals: under 16 ms at 10,000 processes, and at most 12 times the figure of 1,000.
#include "document/TembraDoc.h"
#include "model/Koutei.h"
#include "model/OperationState.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tembra;

constexpr int kChain = 100;
constexpr int kLength = 3;
constexpr int kStride = 5;
const CTime kFirstDay(2027, 1, 4);

CTime Day(int day) {
    return kFirstDay + CTimeSpan(day, 0, 0, 0);
}

// The chart, every relation line drawn as the check draws it. Returns the process in the middle
// of the middle chain.
CKoutei* FillLinkedChart(CTembraDoc& doc, int n) {
    doc.GetChartLayers().CreateLayers();
    doc.GetOperation().SetMode(COperationState::kModeKoutei);
    doc.GetOperation().SetOperation(COperationState::kOpMove);
    CKoutei* middle = nullptr;
    CKoutei* before = nullptr;
    for (int i = 0; i < n; ++i) {
        const int chain = i / kChain;
        const int step = i % kChain;
        CChartPos pos;
        pos.SetStartDate(Day(kStride * step));
        pos.SetEndDate(Day(kStride * step + kLength));
        pos.SetStartRow(static_cast<WORD>(2 * chain + step % 2));
        pos.SetEndRow(pos.GetStartRow());
        std::unique_ptr<CKoutei> process = doc.CreateKoutei(&pos, TRUE);
        CKoutei* raw = process.get();
        doc.AddObj(process.release(), FALSE);
        if (i == n / 2 + kChain / 2) {
            middle = raw;
        }
        if (step != 0) {
            CChartPos span;
            span.SetStartDate(before->GetEndTime());
            span.SetEndDate(raw->GetStartTime());
            span.SetStartRow(before->GetEndRow());
            span.SetEndRow(raw->GetStartRow());
            std::unique_ptr<CKoutei> line = doc.CreateKoutei(&span, TRUE);
            line->SetRelationLine(1);
            line->SetLineShape(kLineShapeRelation);
            line->SetStartLandNo(before->GetSeqNumber().GetHigh(), before->GetSeqNumber().GetLow());
            line->SetEndLandNo(raw->GetSeqNumber().GetHigh(), raw->GetSeqNumber().GetLow());
            doc.AddObj(line.release(), FALSE);
        }
        before = raw;
    }
    doc.GetKouteiChains().PropagateKankei();
    doc.GetUndoHistory().Reset();
    return middle;
}

// The edit of a drag's end: the move and the check, one undo step. Out of line, so that a
// profiler can count what it takes (valgrind --toggle-collect='*DragEnd*').
[[gnu::noinline]] int DragEnd(CTembraDoc& doc, int days) {
    CUndoHistory& undo = doc.GetUndoHistory();
    undo.Reset();
    undo.BeginGroup();
    doc.MoveKoutei(CTimeSpan(days, 0, 0, 0), 0, COperationState::kOpMove, nullptr, FALSE,
                   KouteiMoveCaller::Drag);
    const int done = doc.GetKouteiChains().PropagateKankei();
    undo.EndGroup();
    return done;
}

// Where the process of that number starts now.
CTime StartOf(const CTembraDoc& doc, const CObSeqNumber& number) {
    const CKoutei* process = doc.FindKouteiByNumber(number, 0);
    return process != nullptr ? process->GetStartTime() : CTime();
}

void DragLinkedProcess(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto doc = std::make_unique<CTembraDoc>();
    const CKoutei* middle = FillLinkedChart(*doc, n);
    const CObSeqNumber number = middle->GetSeqNumber();
    const CTime start = middle->GetStartTime();
    int days = 1;
    for (auto _ : state) {
        state.PauseTiming();
        CKoutei* process = doc->FindKouteiByNumber(number, 0);
        process->Select();
        doc->SelectAt(doc->FindObj(process));
        state.ResumeTiming();
        const int done = DragEnd(*doc, days);
        benchmark::DoNotOptimize(done);
        state.PauseTiming();
        const CTime expected = days > 0 ? start + CTimeSpan(1, 0, 0, 0) : start;
        if (done != 1 || doc->GetUndoHistory().GetUndoList().size() != 3 ||
            StartOf(*doc, number) != expected) {
            state.SkipWithError("the process and its two lines did not move as they should");
            break;
        }
        days = -days;
        state.ResumeTiming();
    }
}
BENCHMARK(DragLinkedProcess)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void MoveAllLinked(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto doc = std::make_unique<CTembraDoc>();
    const CKoutei* middle = FillLinkedChart(*doc, n);
    const CObSeqNumber number = middle->GetSeqNumber();
    const CTime start = middle->GetStartTime();
    const auto records = static_cast<std::size_t>(2 * n - n / kChain);
    int days = 1;
    for (auto _ : state) {
        state.PauseTiming();
        doc->SelectAll();
        state.ResumeTiming();
        const int done = DragEnd(*doc, days);
        benchmark::DoNotOptimize(done);
        state.PauseTiming();
        const CTime expected = days > 0 ? start + CTimeSpan(1, 0, 0, 0) : start;
        if (done != 1 || doc->GetUndoHistory().GetUndoList().size() != records ||
            StartOf(*doc, number) != expected) {
            state.SkipWithError("the chart did not move as it should");
            break;
        }
        days = -days;
        state.ResumeTiming();
    }
}
BENCHMARK(MoveAllLinked)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void UndoMoveAllLinked(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto doc = std::make_unique<CTembraDoc>();
    const CKoutei* middle = FillLinkedChart(*doc, n);
    const CObSeqNumber number = middle->GetSeqNumber();
    const CTime start = middle->GetStartTime();
    doc->SelectAll();
    DragEnd(*doc, 1);
    CUndoHistory& undo = doc->GetUndoHistory();
    for (auto _ : state) {
        const int done = undo.Undo();
        benchmark::DoNotOptimize(done);
        state.PauseTiming();
        if (done != 1 || StartOf(*doc, number) != start) {
            state.SkipWithError("the move was not undone");
            break;
        }
        undo.Redo();
        state.ResumeTiming();
    }
}
BENCHMARK(UndoMoveAllLinked)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
