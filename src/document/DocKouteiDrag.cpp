// The end of a process drag in the document: the drag's own move, and, when ends move later on
// their rows, what hangs on them pushed along the links as a change of days pushes a chain, all
// in one undo step.
#include "document/KouteiAdjustPass.h"
#include "document/KouteiContactIndex.h"
#include "document/KouteiContactKeys.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/OperationState.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tembra {

namespace {

std::uint64_t NumberKey(const CObSeqNumber& number) {
    return (static_cast<std::uint64_t>(number.GetHigh()) << 32) | number.GetLow();
}

bool EndMoves(const CKoutei& process) {
    return process.IsLinesSelected() != 0 && process.IsEndLandSelected() != 0;
}

// Whether other hangs on the end node of process: it starts or ends there, or the end node is a
// relation node lying on its line.
bool HangsOnEnd(const CKoutei& process, const CKoutei& other) {
    return IsSameNode(process, kContactEnd, other, kContactStart) ||
           IsSameNode(process, kContactEnd, other, kContactEnd) ||
           TouchesLine(process, kContactEnd, other);
}

// What the drag holds of a process, by its number: its moved copies keep the number.
struct Held {
    CObSeqNumber number;
    bool start = false;
    bool line = false;
    bool end = false;
};

} // namespace

void CTembraDoc::DragKoutei(CTimeSpan offset, int rows, int operation, const CKouteiDrag& drag) {
    const bool move =
        operation == COperationState::kOpMove || operation == COperationState::kOpMoveFree;
    if (!move || rows != 0 || offset <= CTimeSpan() || GetSelList().IsEmpty()) {
        MoveKoutei(offset, rows, operation, &drag, FALSE, KouteiMoveCaller::Drag);
        return;
    }
    // The processes whose moving end an unselected process hangs on: they push.
    std::vector<Held> held;
    std::vector<CObSeqNumber> pushers;
    {
        KouteiContactIndex index;
        index.Build(GetObjList(), GetSelList());
        std::vector<CKoutei*> candidates;
        for (POSITION pos = GetHeadSelPosition(); pos != nullptr;) {
            const CKoutei* process = AsKoutei(GetNextSel(pos));
            if (process == nullptr) {
                continue;
            }
            held.push_back({process->GetSeqNumber(), process->IsStartLandSelected() != 0,
                            process->IsLinesSelected() != 0, process->IsEndLandSelected() != 0});
            if (!EndMoves(*process)) {
                continue;
            }
            index.Candidates(*process, candidates);
            for (const CKoutei* other : candidates) {
                if (other->IsSelected() == 0 && HangsOnEnd(*process, *other)) {
                    pushers.push_back(process->GetSeqNumber());
                    break;
                }
            }
        }
    }
    if (pushers.empty()) {
        MoveKoutei(offset, rows, operation, &drag, FALSE, KouteiMoveCaller::Drag);
        return;
    }
    // What the drag held, by number: its moved copies keep the numbers.
    KouteiKeyNumbers wanted;
    wanted.Reset(held.size());
    for (std::size_t i = 0; i < held.size(); ++i) {
        wanted.TryEmplace(NumberKey(held[i].number), static_cast<std::uint32_t>(i));
    }
    // Selects what the drag held, each process with the parts it held; an end only where
    // takesEnd says so.
    const auto selectHeld = [&](const auto& takesEnd) {
        UnselectAll(FALSE);
        for (POSITION pos = GetHeadObjPosition(); pos != nullptr;) {
            const POSITION at = pos;
            CKoutei* process = AsKoutei(GetNextObj(pos));
            const std::uint32_t* index =
                process != nullptr ? wanted.Find(NumberKey(process->GetSeqNumber())) : nullptr;
            if (index == nullptr) {
                continue;
            }
            const Held& parts = held[*index];
            process->CDataHeader::Select();
            if (parts.start) {
                process->SelectStartLand();
            }
            if (parts.line) {
                process->SelectLines();
            }
            if (parts.end && takesEnd(parts)) {
                process->SelectEndLand();
            }
            SelectAt(at);
        }
    };
    m_undo.Reset();
    m_undo.BeginGroup();
    // Each pushing end moves first, by the drag with its chain, as a change of days pushes a
    // chain: in passes, each up to the smallest spare days along it that give way. It goes
    // before its start, so that a process shorter than the drag never has its start past its
    // end on the way. For a process of working days the drag's own record goes with the
    // passes, so its end and what it pushes count their days as the dragged nodes do. The
    // process's own spare days move with it rather than take the push.
    for (const CObSeqNumber& number : pushers) {
        UnselectAll(FALSE);
        CKoutei* process = FindKouteiByNumber(number, 0);
        const CTimeSpan spare = process->GetSpareDays();
        process->SetSpareDays(CTimeSpan());
        process->Select();
        SelectAt(FindObj(process));
        CKouteiDrag step = drag;
        if (process->GetLines()->GetAttr().GetHoliday() == 0) {
            // A process of calendar days takes the plain amount at its end, as a change of its
            // days would give it.
            step = adjust::StepReference(*process);
        }
        for (CTimeSpan remaining = offset; remaining > CTimeSpan();) {
            CKoutei* pivot = AsKoutei(GetSelAt(GetHeadSelPosition()));
            if (pivot == nullptr) {
                break;
            }
            pivot->Select();
            pivot->DeselectStartLand();
            pivot->SetAdjustMark(1);
            m_chains.SelectLinkedKoutei(nullptr, 1, 1, 1);
            if (pivot->IsStartLandSelected() != 0) {
                break; // the chain leads back to the process itself
            }
            CTimeSpan smallest;
            m_chains.GetMinSpareDays(smallest, 2);
            const CTimeSpan pass =
                smallest == CTimeSpan() ? remaining : std::min(smallest, remaining);
            MoveKoutei(pass, 0, COperationState::kOpMove, &step, TRUE, KouteiMoveCaller::Drag);
            remaining -= pass;
            step.ShiftDates(pass);
            GetSelection().FilterKoutei(-1);
            if (GetSelList().IsEmpty()) {
                break;
            }
        }
        process = FindSelKouteiByNumber(number, 0);
        if (process == nullptr) {
            process = FindKouteiByNumber(number, 0);
        }
        if (process != nullptr) {
            process->SetAdjustMark(0);
            process->SetSpareDays(spare);
        }
    }
    // Then everything the drag held but the pushing ends, which are already in place.
    selectHeld([&](const Held& parts) {
        return std::find(pushers.begin(), pushers.end(), parts.number) == pushers.end();
    });
    MoveKoutei(offset, 0, operation, &drag, FALSE, KouteiMoveCaller::Drag);
    // The selection is what the drag held.
    selectHeld([](const Held&) { return true; });
    m_undo.EndGroup();
}

} // namespace tembra
