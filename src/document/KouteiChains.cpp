// Chains of linked processes: how two processes meet, the selection of a whole chain, the change of
// a duration that pushes or pulls its chain while spare days give way, and the check that keeps
// relation lines attached to the processes they link.
#include "document/KouteiChains.h"
#include "document/ChartNotifier.h"
#include "document/ChartSelection.h"
#include "document/ChartUndo.h"
#include "document/KouteiContactIndex.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/OperationState.h"
#include "platform/Prefetch.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

namespace tembra {

namespace {

constexpr UINT IDS_RELATION_CONTRADICTION = 5039; // 関係線が矛盾する為、今の処理を取り消します

// A relation line is checked again after each repair; a chart that still changes after this many
// scans is left as it is.
constexpr int kMaxRelationScans = 10;
// How many relation lines on a scan asks for from memory before it reaches them.
constexpr std::size_t kLinesAhead = 4;

constexpr int kBothNodes = kContactStart | kContactEnd;

// Deselects everything, as CChartSelection::UnselectAll does, and builds the number index of the
// relation-line check in the same walk: each object is indexed as it reaches the unselected
// list. After a select-all move the whole chart comes back from the selection, and a second walk
// of it for the index would read every object from memory again.
void UnselectAllIndexed(CChartSelection& selection, OwnedObList<CDataHeader>& selected,
                        const ObList<CDataHeader>& unselected, KouteiNumberIndex& numbers) {
    numbers.Start();
    numbers.AddList(unselected, true);
    while (!selected.IsEmpty()) {
        const POSITION head = selected.GetHeadPosition();
        ObList<CDataHeader>::PrefetchAhead(head);
        if (const POSITION listed = selection.UnselectAt(head, TRUE); listed != nullptr) {
            numbers.Add(listed, unselected.GetAt(listed), true);
        }
    }
    selection.UnselectAll(TRUE); // the resource charts, selected in their own list
    numbers.Finish();
}

bool HasSpareDays(const CKoutei& process) {
    return process.GetSpareDays() > CTimeSpan();
}

// own meets other by one of the pairs (own part, other part) that both masks admit.
bool MeetsWithin(const CKoutei& own, const CKoutei& other, int ownMask, int otherMask) {
    const auto admitted = [ownMask, otherMask](int ownPart, int otherPart) {
        return (ownPart & ownMask) != 0 && (otherPart & otherMask) != 0;
    };
    return (admitted(kContactStart, kContactStart) &&
            IsSameNode(own, kContactStart, other, kContactStart)) ||
           (admitted(kContactEnd, kContactEnd) &&
            IsSameNode(own, kContactEnd, other, kContactEnd)) ||
           (admitted(kContactStart, kContactEnd) &&
            IsSameNode(own, kContactStart, other, kContactEnd)) ||
           (admitted(kContactEnd, kContactStart) &&
            IsSameNode(own, kContactEnd, other, kContactStart)) ||
           (admitted(kContactLine, kContactStart) && TouchesLine(other, kContactStart, own)) ||
           (admitted(kContactLine, kContactEnd) && TouchesLine(other, kContactEnd, own));
}

bool IsAnyPartSelected(const CKoutei& process) {
    return process.IsLinesSelected() != 0 || process.IsStartLandSelected() != 0 ||
           process.IsEndLandSelected() != 0;
}

// The record a duration change hands to the move: the pivot's span with the moving end pinned,
// so that it and every node standing at its date move by the plain amount even where dates
// otherwise move by working time.
CKouteiDrag PivotReference(const CKoutei& pivot, BOOL endFlag) {
    CKouteiDrag reference = CKouteiDrag::Of(pivot);
    reference.startPinned = endFlag == FALSE;
    reference.endPinned = endFlag != FALSE;
    return reference;
}

} // namespace

// ---- Contact ------------------------------------------------------------------------------------

int CKouteiChains::ContactKind(const CKoutei* a, const CKoutei* b, BOOL includeStart, int& partA,
                               int& partB) {
    partA = 0;
    partB = 0;
    if (a == nullptr || b == nullptr) {
        return 0;
    }
    const auto found = [&partA, &partB](int ownPart, int otherPart) {
        partA = ownPart;
        partB = otherPart;
        return 1;
    };
    if (includeStart && IsSameNode(*a, kContactStart, *b, kContactStart)) {
        return found(kContactStart, kContactStart);
    }
    if (includeStart && IsSameNode(*a, kContactStart, *b, kContactEnd)) {
        return found(kContactStart, kContactEnd);
    }
    if (IsSameNode(*a, kContactEnd, *b, kContactStart)) {
        return found(kContactEnd, kContactStart);
    }
    if (IsSameNode(*a, kContactEnd, *b, kContactEnd)) {
        return found(kContactEnd, kContactEnd);
    }
    if (TouchesLine(*b, kContactStart, *a)) {
        return found(kContactLine, kContactStart);
    }
    if (TouchesLine(*b, kContactEnd, *a)) {
        return found(kContactLine, kContactEnd);
    }
    if (TouchesLine(*a, kContactEnd, *b)) {
        return found(kContactEnd, kContactLine);
    }
    if (TouchesLine(*a, kContactStart, *b)) {
        return found(kContactStart, kContactLine);
    }
    return 0;
}

POSITION CKouteiChains::FindTouchingKoutei(const CKoutei* process, int ownMask, int otherMask,
                                           BOOL skipSpare) const {
    if (process == nullptr) {
        return nullptr;
    }
    for (POSITION pos = m_doc.GetHeadObjPosition(); pos != nullptr;) {
        const POSITION current = pos;
        const CKoutei* other = AsKoutei(m_doc.GetNextObj(pos));
        if (other == nullptr || other == process || (skipSpare && HasSpareDays(*other))) {
            continue;
        }
        if (MeetsWithin(*process, *other, ownMask, otherMask)) {
            return current;
        }
    }
    return nullptr;
}

// ---- Chain walk ---------------------------------------------------------------------------------

int CKouteiChains::SeedLinkedKoutei(CDataHeader* object, int direction, BOOL whole, int rule) {
    CKoutei* process = AsKoutei(object);
    if (process == nullptr) {
        return 0;
    }
    if (whole && !(process->IsLinesSelected() && process->IsStartLandSelected() &&
                   process->IsEndLandSelected())) {
        // The walk leaves from the node on its side; the line goes with it when the other node
        // was already taken.
        if (direction == 0) {
            const bool endTaken = process->IsEndLandSelected() != 0;
            process->SelectStartLand();
            if (endTaken) {
                process->SelectLines();
            }
        } else {
            const bool startTaken = process->IsStartLandSelected() != 0;
            process->SelectEndLand();
            if (startTaken) {
                process->SelectLines();
            }
        }
    }
    if (whole && rule == 1 && HasSpareDays(*process)) {
        process->DeselectEndLand();
    }
    if (rule == 2 && CChartSelection::GetMark(process) != 0 &&
        FindTouchingKoutei(process, kContactLine, kBothNodes, FALSE) != nullptr) {
        // A relation node of a process that stays lies on it: its end cannot come back.
        process->DeselectEndLand();
    }
    process->UpdateViews(m_doc.GetSeams().Koutei());
    return 1;
}

int CKouteiChains::LinkKoutei(CDataHeader* chainObject, CDataHeader* candidateObject, int direction,
                              BOOL whole, int rule) {
    CKoutei* chain = AsKoutei(chainObject);
    CKoutei* candidate = AsKoutei(candidateObject);
    if (chain == nullptr || candidate == nullptr) {
        return 0;
    }
    if (whole && rule == 1 && HasSpareDays(*candidate)) {
        whole = FALSE; // it gives way by its start; its end stays
    }
    if (rule == 1 && HasSpareDays(*chain)) {
        return 0; // the push ends in its spare days
    }
    const bool forward = direction == 1;
    // p is the earlier process of the pair, n the later one.
    CKoutei& p = forward ? *chain : *candidate;
    CKoutei& n = forward ? *candidate : *chain;
    const auto unmarked = [rule](const CKoutei& process) {
        return rule == 0 || CChartSelection::GetMark(&process) == 0;
    };
    // The candidate's node away from the chain: its end going forward, its start going back.
    const auto selectFarNode = [&]() {
        if (!whole) {
            return;
        }
        if (forward) {
            candidate->SelectEndLand();
        } else {
            candidate->SelectStartLand();
        }
    };

    // End to start.
    if (((forward && p.IsEndLandSelected()) || (!forward && n.IsStartLandSelected())) &&
        IsSameNode(p, kContactEnd, n, kContactStart)) {
        if (forward) {
            candidate->SelectStartLand();
        } else {
            candidate->SelectEndLand();
        }
        candidate->SelectLines();
        selectFarNode();
        return 1;
    }
    // Same start, going forward.
    if (forward && p.IsStartLandSelected() && IsSameNode(n, kContactStart, p, kContactStart)) {
        n.SelectStartLand();
        n.SelectLines();
        selectFarNode();
        return 1;
    }
    // Same end, going back.
    if (!forward && n.IsEndLandSelected() && IsSameNode(p, kContactEnd, n, kContactEnd)) {
        p.SelectEndLand();
        p.SelectLines();
        selectFarNode();
        return 1;
    }
    // n starts on p's line.
    if (((forward && p.IsLinesSelected() && unmarked(p)) ||
         (!forward && n.IsStartLandSelected())) &&
        TouchesLine(n, kContactStart, p)) {
        p.SelectLines();
        n.SelectStartLand();
        n.SelectLines();
        selectFarNode();
        return 1;
    }
    // p ends on n's line.
    if (((forward && p.IsEndLandSelected()) || (!forward && n.IsLinesSelected() && unmarked(n))) &&
        TouchesLine(p, kContactEnd, n)) {
        p.SelectLines();
        n.SelectLines();
        p.SelectEndLand();
        selectFarNode();
        return 1;
    }
    return 0;
}

int CKouteiChains::SelectLinkedKoutei(CKoutei* start, int direction, int depth, int rule) {
    const BOOL wasHeld = m_doc.IsRedrawHeld();
    m_doc.SetRedrawHold(TRUE);
    const BOOL whole = depth >= 0 ? TRUE : FALSE;

    KouteiContactIndex index;
    index.Build(m_doc.GetObjList(), m_doc.GetSelList());
    std::vector<CKoutei*> stack;
    if (start != nullptr) {
        if (SeedLinkedKoutei(start, direction, whole, rule)) {
            stack.push_back(start);
        }
    } else {
        for (POSITION pos = m_doc.GetHeadSelPosition(); pos != nullptr;) {
            CDataHeader* object = m_doc.GetNextSel(pos);
            if (SeedLinkedKoutei(object, direction, whole, rule)) {
                stack.push_back(AsKoutei(object));
            }
        }
    }

    int result = 0;
    std::vector<CKoutei*> candidates;
    while (!stack.empty()) {
        CKoutei* chain = stack.back();
        stack.pop_back();
        index.Candidates(*chain, candidates);
        for (CKoutei* candidate : candidates) {
            if (candidate->IsSelected() || !LinkKoutei(chain, candidate, direction, whole, rule)) {
                continue;
            }
            const POSITION selected = m_selection.SelectAt(index.PositionOf(candidate));
            index.MovedTo(candidate, selected);
            result = selected != nullptr ? 1 : 0;
            if (whole) {
                stack.push_back(candidate);
            }
        }
        // The selected processes it meets take the parts it reaches too, in selection order.
        index.Candidates(*chain, candidates);
        for (CKoutei* candidate : candidates) {
            if (candidate->IsSelected()) {
                LinkKoutei(chain, candidate, direction, whole, rule);
            }
        }
    }

    if (depth > 0) {
        if (SelectLinkedKoutei(nullptr, direction == 1 ? 0 : 1, -1, rule)) {
            result = 1;
        }
        if (direction == 1 && rule == 2) {
            PruneShortening();
        }
    }
    m_doc.SetRedrawHold(wasHeld);
    if (!wasHeld) {
        // What the walk selected was not redrawn one by one.
        m_notifier.RedrawAll();
    }
    return result;
}

int CKouteiChains::PruneShortening() {
    KouteiContactIndex index;
    index.Build(m_doc.GetObjList(), m_doc.GetSelList());
    std::vector<CKoutei*> candidates;
    const auto touchedByUnselected = [&](const CKoutei& process) {
        index.Candidates(process, candidates);
        return std::any_of(candidates.begin(), candidates.end(), [&](const CKoutei* other) {
            return !other->IsSelected() && MeetsWithin(process, *other, kContactLine, kBothNodes);
        });
    };

    int result = 0;
    std::vector<CKoutei*> stack;
    for (POSITION pos = m_doc.GetHeadSelPosition(); pos != nullptr;) {
        CKoutei* process = AsKoutei(m_doc.GetNextSel(pos));
        if (process == nullptr || CChartSelection::GetMark(process) != 0) {
            continue;
        }
        const bool heldAtStart = process->IsStartLandSelected() == 0 && !HasSpareDays(*process);
        if (heldAtStart || touchedByUnselected(*process)) {
            process->DeselectLines();
            stack.push_back(process);
            result = 1;
        }
    }
    // What hangs on a process that stays cannot move either.
    while (!stack.empty()) {
        const CKoutei* held = stack.back();
        stack.pop_back();
        index.Candidates(*held, candidates);
        for (CKoutei* other : candidates) {
            if (!other->IsSelected()) {
                continue;
            }
            const WORD lineBefore = other->IsLinesSelected();
            const WORD endBefore = other->IsEndLandSelected();
            if (IsSameNode(*held, kContactEnd, *other, kContactStart) ||
                TouchesLine(*other, kContactStart, *held) ||
                TouchesLine(*other, kContactEnd, *held)) {
                other->DeselectEndLand();
                other->DeselectLines();
            } else if (IsSameNode(*held, kContactEnd, *other, kContactEnd)) {
                other->DeselectEndLand();
            } else {
                continue;
            }
            const bool released =
                lineBefore != other->IsLinesSelected() || endBefore != other->IsEndLandSelected();
            if (released && IsAnyPartSelected(*other)) {
                stack.push_back(other);
            }
        }
    }
    return result;
}

int CKouteiChains::GetMinSpareDays(CTimeSpan& smallest, int side) const {
    smallest = CTimeSpan();
    int found = 0;
    for (POSITION pos = m_doc.GetHeadSelPosition(); pos != nullptr;) {
        const CKoutei* process = AsKoutei(m_doc.GetNextSel(pos));
        if (process == nullptr || !HasSpareDays(*process)) {
            continue;
        }
        const bool free =
            side == 1 ? process->IsStartLandSelected() == 0 : process->IsEndLandSelected() == 0;
        if (free && (found == 0 || process->GetSpareDays() < smallest)) {
            smallest = process->GetSpareDays();
            found = 1;
        }
    }
    return found;
}

// ---- Duration change ----------------------------------------------------------------------------

int CKouteiChains::ChangeKouteiDays(CTimeSpan amount, BOOL endFlag) {
    if (m_doc.GetSelList().IsEmpty()) {
        return 0;
    }
    m_undo.Reset();
    m_undo.BeginGroup();

    const bool shorter = amount < CTimeSpan();
    const int side = amount.GetTimeSpan() < 1 ? 1 : 2;
    const int rule = shorter ? 2 : 1;
    const CTimeSpan total = shorter ? -amount : amount;
    CTimeSpan remaining = total;
    int result = 1;

    while (remaining > CTimeSpan()) {
        CKoutei* pivot = AsKoutei(m_doc.GetSelAt(m_doc.GetHeadSelPosition()));
        if (pivot == nullptr) {
            result = 0;
            break;
        }
        pivot->Select();
        if (endFlag) {
            pivot->DeselectStartLand();
        } else {
            pivot->DeselectEndLand();
        }
        pivot->SetAdjustMark(1);

        SelectLinkedKoutei(nullptr, endFlag ? 1 : 0, 1, rule);
        if ((endFlag ? pivot->IsStartLandSelected() : pivot->IsEndLandSelected()) != 0) {
            result = 0; // the chain leads back to the process itself
            break;
        }

        // This pass moves the chain up to the smallest spare days that give way. Where the pivot
        // holds at both ends, a shortening turns into spare days, holidays excepted.
        CTimeSpan step;
        const CTimeSpan consumed = total - remaining;
        CTimeSpan spare;
        GetMinSpareDays(spare, side);
        const bool pivotHeld = pivot->IsStartLandSelected() == 0 && pivot->IsEndLandSelected() == 0;
        CTimeSpan pass;
        if (spare == CTimeSpan()) {
            if (shorter && pivotHeld) {
                step = m_doc.GetWorkCalendar().GetHolidayTime(pivot->GetEndTime() - remaining,
                                                              pivot->GetEndTime());
            }
            pass = remaining - step;
        } else if (shorter && pivotHeld) {
            const CTimeSpan part = std::min(spare, remaining);
            const CTime end = pivot->GetEndTime() - consumed;
            step = m_doc.GetWorkCalendar().GetHolidayTime(end - part, end);
            pass = part - step;
        } else {
            pass = std::min(spare, remaining);
        }

        const CKouteiDrag reference = PivotReference(*pivot, endFlag);
        m_doc.MoveKoutei(shorter ? -pass : pass, 0, COperationState::kOpMove, &reference, TRUE,
                         KouteiMoveCaller::Duration);
        remaining -= (pass < CTimeSpan() ? -pass : pass) + step;
        // Only the pivot goes on to the next pass; the chain is walked again from it.
        m_selection.FilterKoutei(-1);
        if (m_doc.GetSelList().IsEmpty()) {
            break;
        }
    }

    m_doc.UnselectAll(TRUE);
    m_undo.EndGroup();
    return result;
}

// ---- Relation lines -----------------------------------------------------------------------------

int CKouteiChains::PropagateKankei() {
    if (m_bPropagating) {
        return 1;
    }
    const auto hasRelationLine = [](const ObList<CDataHeader>& list) {
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            const CKoutei* process = AsKoutei(list.GetNext(pos));
            if (process != nullptr && process->IsRelationLine() != 0) {
                return true;
            }
        }
        return false;
    };
    if (!hasRelationLine(m_doc.GetObjList()) && !hasRelationLine(m_doc.GetSelList())) {
        return 1;
    }
    m_bPropagating = TRUE;
    // The repairs of every scan belong to the edit that called for the check: the duration
    // change inside must not reset the history between them.
    m_undo.BeginGroup();

    int result = 1;
    // One scan over the relation lines; true when it changed something. A lengthening moves
    // processes between the lists, so the scan ends there and the next one starts afresh.
    // The processes a line runs between are found by number in an index of the lists, which the
    // scan keeps in step with the lines it replaces. The lines themselves are found in the same
    // walk: the scan changes the list only by putting a repaired line in the place of its old
    // one.
    //
    // A scan that only repaired lines left every other line and every process as it found them
    // and in order: unless a line runs from or to another relation line, the next scan has
    // nothing to do but look at the repaired lines again, in their order. On a large chart a
    // drag repairs a handful, so the chart is walked once, not twice.
    KouteiNumberIndex& numbers = m_relationNumbers;
    std::vector<POSITION> repaired;
    std::vector<POSITION> again;
    bool onlyRepaired = false;
    bool linesOnLines = true;
    const auto scan = [this, &result, &numbers, &repaired, &again, &onlyRepaired, &linesOnLines]() {
        IKouteiDocument& seam = m_doc.GetSeams().Koutei();
        const bool whole = !onlyRepaired;
        if (!whole) {
            again.swap(repaired);
        }
        repaired.clear();
        onlyRepaired = false;
        bool lineEnds = false;
        bool changed = false;
        const std::vector<POSITION>& lines = whole ? numbers.RelationLines() : again;
        for (std::size_t at = 0; at < lines.size(); ++at) {
            const POSITION current = lines[at];
            // A large chart's lines lie far apart in memory: the ones a few steps on are asked
            // for while this one is looked at.
            if (at + kLinesAhead < lines.size()) {
                PrefetchBytes(lines[at + kLinesAhead]->object, kCacheLineBytes);
            }
            CKoutei* line = AsKoutei(m_doc.GetObjAt(current));
            if (!whole && (line == nullptr || line->IsRelationLine() == 0)) {
                continue; // no longer a line that a walk of the list would look at
            }
            const CKoutei* from = numbers.Find(line->GetStartLandNo());
            const CKoutei* to = numbers.Find(line->GetEndLandNo());
            lineEnds = lineEnds || (from != nullptr && from->IsRelationLine() != 0) ||
                       (to != nullptr && to->IsRelationLine() != 0);
            // Only a line that the repair changes is copied.
            if (!line->RunsBetween(seam, from, to)) {
                if (std::unique_ptr<CKoutei> copy = m_doc.CopyKoutei(line, TRUE);
                    copy != nullptr && copy->ResolveRelation(seam, from, to) == 0) {
                    CKoutei* const old = line;
                    line = copy.release();
                    m_doc.ReplaceObjAt(current, line);
                    numbers.Replaced(old, line);
                    repaired.push_back(current);
                    changed = true;
                }
            }
            if (line->IsRelationLine() == 0 || line->GetStartTime() <= line->GetEndTime()) {
                continue;
            }
            const CTimeSpan overrun = line->GetStartTime() - line->GetEndTime();
            m_selection.SelectAt(current);
            if (ChangeKouteiDays(overrun, TRUE) == 0) {
                AfxMessageBox(IDS_RELATION_CONTRADICTION);
                // The edit as a whole is taken back, at once, and shown.
                m_undo.Undo();
                m_notifier.RedrawAll();
                result = 0;
            }
            return true;
        }
        // Whether a line ends on another is known from a whole scan; the repairs keep it so.
        if (whole) {
            linesOnLines = lineEnds;
        }
        onlyRepaired = changed && !linesOnLines;
        return changed;
    };
    for (int n = 0; n < kMaxRelationScans && result != 0; ++n) {
        if (onlyRepaired) {
            m_doc.UnselectAll(TRUE);
        } else {
            UnselectAllIndexed(m_selection, m_doc.GetSelList(), m_doc.GetObjList(), numbers);
        }
        if (!scan()) {
            break;
        }
    }

    m_undo.EndGroup();
    m_bPropagating = FALSE;
    return result;
}

} // namespace tembra
