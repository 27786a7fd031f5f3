// The end of a process drag in the document: the drag's own move, and, when ends move later on
// their rows, the processes that hang on them pushed along their links in the same undo step.
#include "document/KouteiContactIndex.h"
#include "document/KouteiContactKeys.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/OperationState.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tembra {

namespace {

constexpr int kModeDrag = 1;

std::uint64_t NumberKey(const CKoutei& process) {
    const CObSeqNumber& number = process.GetSeqNumber();
    return (static_cast<std::uint64_t>(number.GetHigh()) << 32) | number.GetLow();
}

bool EndMoves(const CKoutei& process) {
    return process.IsLinesSelected() != 0 && process.IsEndLandSelected() != 0;
}

// The processes of the drag itself, by their numbers, which their moved copies keep.
class DragProcesses {
public:
    explicit DragProcesses(const ObList<CDataHeader>& selection) {
        m_numbers.Reset(static_cast<std::size_t>(selection.GetCount()));
        for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
            if (const CKoutei* process = AsKoutei(selection.GetNext(pos))) {
                m_numbers.TryEmplace(NumberKey(*process), 0);
            }
        }
    }
    bool Holds(const CKoutei& process) const {
        return m_numbers.Find(NumberKey(process)) != nullptr;
    }

private:
    KouteiKeyNumbers m_numbers;
};

} // namespace

int CTembraDoc::SelectCarriedKoutei() {
    // The ends the drag moves push; a marked chain process pushes past its own spare days.
    std::vector<CKoutei*> seeds;
    for (POSITION pos = GetHeadSelPosition(); pos != nullptr;) {
        CKoutei* process = AsKoutei(GetNextSel(pos));
        if (process != nullptr && EndMoves(*process)) {
            process->SetAdjustMark(1);
            seeds.push_back(process);
        }
    }
    if (seeds.empty()) {
        return 0;
    }
    const std::vector<CKoutei*> drag = seeds;
    const std::size_t before = static_cast<std::size_t>(GetSelList().GetCount());
    KouteiContactIndex index;
    index.Build(GetObjList(), GetSelList());
    // Forward whole processes, a process with spare days by its start only; the processes of
    // the drag are not touched: they move by the drag.
    int result = WalkLinkedKoutei(index, seeds, 1, TRUE, 1, FALSE);
    // One step back from what was taken: a process ending where a pushed one starts keeps its
    // end at that node.
    std::vector<CKoutei*> taken;
    POSITION pos = GetHeadSelPosition();
    for (std::size_t i = 0; pos != nullptr; ++i) {
        CKoutei* process = AsKoutei(GetNextSel(pos));
        if (i >= before && process != nullptr) {
            taken.push_back(process);
        }
    }
    if (!taken.empty() && WalkLinkedKoutei(index, std::move(taken), 0, FALSE, 1, FALSE) != 0) {
        result = 1;
    }
    for (CKoutei* process : drag) {
        process->SetAdjustMark(0);
    }
    return result;
}

void CTembraDoc::DragKoutei(CTimeSpan offset, int rows, int operation, const CChartPos& reference) {
    const bool move =
        operation == COperationState::kOpMove || operation == COperationState::kOpMoveFree;
    if (!move || rows != 0 || offset <= CTimeSpan() || GetSelList().IsEmpty()) {
        MoveKoutei(offset, rows, operation, &reference, FALSE, kModeDrag);
        return;
    }
    m_undo.Reset();
    m_undo.BeginGroup();
    const BOOL wasHeld = IsRedrawHeld();
    const DragProcesses drag(GetSelList());
    CChartPos step = reference;
    CTimeSpan remaining = offset;
    // Each pass moves the drag and what it pushes up to the first spare days that give way.
    while (remaining > CTimeSpan()) {
        SetRedrawHold(TRUE);
        SelectCarriedKoutei();
        SetRedrawHold(wasHeld);
        CTimeSpan pass = remaining;
        for (POSITION pos = GetHeadSelPosition(); pos != nullptr;) {
            const CKoutei* process = AsKoutei(GetNextSel(pos));
            if (process != nullptr && !drag.Holds(*process) && process->IsEndLandSelected() == 0 &&
                process->GetSpareDays() > CTimeSpan()) {
                pass = std::min(pass, process->GetSpareDays());
            }
        }
        MoveKoutei(pass, 0, operation, &step, FALSE, kModeDrag);
        remaining -= pass;
        step.SetStartDate(step.GetStartDate() + pass);
        step.SetEndDate(step.GetEndDate() + pass);
        // What was pushed takes its share in its spare days: a start that moved alone uses them
        // up, an end that moved alone makes them; then it leaves the selection.
        ForEachSelected([&](POSITION at, CDataHeader* object) {
            CKoutei* process = AsKoutei(object);
            if (process == nullptr || drag.Holds(*process)) {
                return;
            }
            const bool start = process->IsStartLandSelected() != 0;
            const bool end = process->IsEndLandSelected() != 0;
            if (start != end) {
                const CTimeSpan spare = process->GetSpareDays() + (start ? -pass : pass);
                process->SetSpareDays(std::max(spare, CTimeSpan()));
            }
            UnselectAt(at);
        });
    }
    if (!wasHeld) {
        m_notifier.RedrawAll();
    }
    m_undo.EndGroup();
}

} // namespace tembra
