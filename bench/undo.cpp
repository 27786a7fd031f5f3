// The undo history of the schedule document: recording one editing step that replaces N processes
// by changed copies, and undoing that step, for processes that are not selected (the object list)
// and for selected ones (the selection list). The step's size is the argument.
#include "document/TembraDoc.h"
#include "model/Koutei.h"
#include "platform/Time.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

using namespace tembra;

// A chart of n processes, selected or not, each on its own row.
void FillChart(CTembraDoc& doc, int n, bool selected) {
    for (int i = 0; i < n; ++i) {
        std::unique_ptr<CKoutei> process = doc.CreateKoutei(nullptr, TRUE);
        process->SetStartDate(CTime(2005, 6, 1));
        process->SetEndDate(CTime(2005, 6, 10));
        process->SetStartRow(static_cast<WORD>(i));
        process->SetEndRow(static_cast<WORD>(i));
        if (selected) {
            process->Select();
            doc.AddSel(process.release());
        } else {
            doc.AddObj(process.release(), FALSE);
        }
    }
}

// Changed copies of the processes of one list, in list order (the copies the editing step puts
// in their places).
std::vector<std::unique_ptr<CKoutei>> MovedCopies(CTembraDoc& doc, bool selected) {
    std::vector<std::unique_ptr<CKoutei>> copies;
    POSITION pos = selected ? doc.GetHeadSelPosition() : doc.GetHeadObjPosition();
    while (pos != nullptr) {
        const auto* process =
            static_cast<const CKoutei*>(selected ? doc.GetNextSel(pos) : doc.GetNextObj(pos));
        std::unique_ptr<CKoutei> copy = doc.CopyKoutei(process, TRUE);
        copy->SetEndDate(CTime(2005, 6, 12));
        copies.push_back(std::move(copy));
    }
    return copies;
}

// One step: every process of the list is replaced by its copy, each change recorded. A selected
// copy moves to the end of the selection (mode 0, as the attribute edits do), so the next
// original is always at the head.
void ReplaceAll(CTembraDoc& doc, std::vector<std::unique_ptr<CKoutei>>& copies, bool selected) {
    doc.GetUndoHistory().Reset();
    if (selected) {
        for (auto& copy : copies) {
            doc.ReplaceSelAt(doc.GetHeadSelPosition(), copy.release(), 0);
        }
        return;
    }
    std::size_t i = 0;
    for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
        const POSITION current = pos;
        doc.GetNextObj(pos);
        doc.ReplaceObjAt(current, copies[i++].release());
    }
}

void RecordStep(benchmark::State& state, bool selected) {
    const int n = static_cast<int>(state.range(0));
    CTembraDoc doc;
    doc.SetRedrawHold(TRUE);
    FillChart(doc, n, selected);
    for (auto _ : state) {
        state.PauseTiming();
        doc.GetUndoHistory().Reset();
        std::vector<std::unique_ptr<CKoutei>> copies = MovedCopies(doc, selected);
        state.ResumeTiming();
        ReplaceAll(doc, copies, selected);
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void UndoStep(benchmark::State& state, bool selected) {
    const int n = static_cast<int>(state.range(0));
    CTembraDoc doc;
    doc.SetRedrawHold(TRUE);
    FillChart(doc, n, selected);
    std::vector<std::unique_ptr<CKoutei>> copies = MovedCopies(doc, selected);
    ReplaceAll(doc, copies, selected);
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.GetUndoHistory().Undo());
        state.PauseTiming();
        doc.GetUndoHistory().Redo();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_RecordStep(benchmark::State& state) {
    RecordStep(state, false);
}
void BM_RecordSelectedStep(benchmark::State& state) {
    RecordStep(state, true);
}
void BM_UndoStep(benchmark::State& state) {
    UndoStep(state, false);
}
void BM_UndoSelectedStep(benchmark::State& state) {
    UndoStep(state, true);
}

BENCHMARK(BM_RecordStep)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordSelectedStep)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoStep)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoSelectedStep)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
