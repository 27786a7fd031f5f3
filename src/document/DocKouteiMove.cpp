// Moving, copying and stretching the selected processes by a time and a row offset, and the
// adjustment that gives calendar-day processes moved together with working-day ones their net spans
// back, pushing or pulling what is linked to them within the selection.
#include "document/KouteiContactIndex.h"
#include "document/KouteiRenumbering.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "model/OperationState.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <limits>
#include <span>
#include <unordered_map>
#include <vector>

namespace tembra {

namespace {

// Link modes: how the dates of a selection move.
constexpr int kLinkCalendarDays = 1; // calendar-day processes only: plain time
constexpr int kLinkWorkingDays = 2;  // working-day processes only, or an elapsed-day chart
constexpr int kLinkMixed = 3;        // both: working time, then the calendar-day ones adjusted

// Modes of the callers.
constexpr int kModeDrag = 1;
constexpr int kModeDuration = 2;

// An adjustment that still changes something after this many passes is left where it got.
constexpr int kMaxAdjustPasses = 10;

bool IsPoint(const CKoutei& process) {
    return process.GetStartTime() == process.GetEndTime() &&
           process.GetStartRow() == process.GetEndRow();
}

bool CountsWorkingDays(const CKoutei& process) {
    return process.GetLines()->GetAttr().GetHoliday() != 0;
}

bool HasSpareDays(const CKoutei& process) {
    return process.GetSpareDays() > CTimeSpan();
}

bool IsCopyOperation(int operation) {
    return operation == COperationState::kOpCopy || operation == COperationState::kOpCopyFree;
}

CTimeSpan NetSpan(const CKoutei& process) {
    return process.GetEndTime() - process.GetStartTime() - process.GetSpareDays();
}

CTimeSpan SavedNetSpan(const CKouteiLink& record) {
    return record.GetSavedEnd() - record.GetSavedStart() - record.GetSavedSpareDays();
}

// The duration and spare days of a calendar-day process whose start moves with a mixed
// selection: it keeps them through the move by working time, and the adjustment afterwards
// brings its dates back to them.
class KeptSpans {
public:
    KeptSpans(CKoutei& process, bool keep) : m_process(keep ? &process : nullptr) {
        if (m_process != nullptr) {
            m_duration = process.GetDuration();
            m_spare = process.GetSpareDays();
        }
    }
    KeptSpans(const KeptSpans&) = delete;
    KeptSpans& operator=(const KeptSpans&) = delete;
    ~KeptSpans() {
        if (m_process != nullptr) {
            m_process->SetDuration(m_duration);
            m_process->SetSpareDays(m_spare);
        }
    }
    bool IsKept() const { return m_process != nullptr; }

private:
    CKoutei* m_process;
    CTimeSpan m_duration;
    CTimeSpan m_spare;
};

bool KeepsSpans(const CKoutei& process, int linkMode) {
    return linkMode == kLinkMixed && !CountsWorkingDays(process) &&
           process.IsStartLandSelected() != 0;
}

// ---- One step of the adjustment -----------------------------------------------------------------

// Which selected processes may meet each selected process, in selection order, as a pass of the
// adjustment begins. The nodes that meet move together in every step of a pass (a step moves a
// node and whatever starts or ends on it by the same amount, or neither), so the lists hold
// through the pass; each contact is checked on the present dates before it is used. Nodes that
// come to meet during a pass are met by the next one.
//
// Each process met is numbered, so that the walks of the steps mark what they took in plain
// arrays: a walk along a long chain looks up every process it passes several times.
class ContactLists {
public:
    // A process that may be met, with its number.
    struct Contact {
        CKoutei* process;
        std::size_t id;
    };

    explicit ContactLists(const ObList<CDataHeader>& selection) {
        const ObList<CDataHeader> none;
        KouteiContactIndex index;
        index.Build(selection, none);
        std::vector<CKoutei*> found;
        for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
            if (CKoutei* process = AsKoutei(selection.GetNext(pos))) {
                const std::size_t id = IdOf(process);
                index.Candidates(*process, found);
                m_ranges[id] = Range{m_all.size(), found.size()};
                for (CKoutei* other : found) {
                    m_all.push_back(Contact{other, IdOf(other)});
                }
            }
        }
    }

    // The number of a process of the selection; one past the last for any other.
    std::size_t Find(const CKoutei& process) const {
        const auto it = m_ids.find(&process);
        return it != m_ids.end() ? it->second : m_ranges.size();
    }
    std::size_t Count() const { return m_ranges.size(); }

    std::span<const Contact> Of(std::size_t id) const {
        if (id >= m_ranges.size()) {
            return {};
        }
        return std::span<const Contact>(m_all).subspan(m_ranges[id].first, m_ranges[id].count);
    }

private:
    struct Range {
        std::size_t first = 0;
        std::size_t count = 0;
    };

    std::size_t IdOf(CKoutei* process) {
        const auto [it, added] = m_ids.emplace(process, m_ranges.size());
        if (added) {
            m_ranges.emplace_back();
        }
        return it->second;
    }

    std::vector<Contact> m_all;
    std::unordered_map<const CKoutei*, std::size_t> m_ids;
    std::vector<Range> m_ranges;
};

// Which processes the walk of a step has taken, by their numbers: a mark counts for the step
// whose stamp it carries, so a new step starts with none without clearing the arrays.
class StepMarks {
public:
    explicit StepMarks(std::size_t count) : m_collected(count, 0), m_removed(count, 0) {}

    void NextStep() { ++m_stamp; }
    bool IsCollected(std::size_t id) const { return m_collected[id] == m_stamp; }
    bool IsRemoved(std::size_t id) const { return m_removed[id] == m_stamp; }
    void Collect(std::size_t id) { m_collected[id] = m_stamp; }
    void Uncollect(std::size_t id) { m_collected[id] = 0; }
    void Remove(std::size_t id) { m_removed[id] = m_stamp; }

private:
    std::vector<std::uint64_t> m_collected;
    std::vector<std::uint64_t> m_removed;
    std::uint64_t m_stamp = 0;
};

// What one step of the adjustment of a process moves with it and how far it may go. The node
// selections it changes for the step are undone by Restore.
class AdjustStep {
public:
    AdjustStep(CKoutei& adjusted, CTimeSpan delta, const ContactLists& contacts, StepMarks& marks)
        : m_adjusted(adjusted), m_delta(delta), m_contacts(contacts), m_marks(marks) {
        m_marks.NextStep();
    }

    // p gives way by its own spare days: its end stays.
    void AbsorbInSpareDays() {
        DeselectEnd(m_adjusted);
        Limit(m_adjusted.GetSpareDays());
    }

    // Walks from the adjusted process along its successors and the processes ending with it.
    void Collect() {
        ContactLists::Contact current{&m_adjusted, m_contacts.Find(m_adjusted)};
        bool firstSweep = true;
        for (;;) {
            Sweep(current, firstSweep);
            firstSweep = false;
            if (m_pending.empty()) {
                return;
            }
            current = m_pending.front();
            m_pending.pop_front();
        }
    }

    CTimeSpan GetLimit() const { return m_limit; }
    const std::vector<CKoutei*>& GetMoved() const { return m_moved; }

    void Restore() {
        for (CKoutei* process : m_startsOff) {
            process->SelectStartLand();
        }
        for (CKoutei* process : m_endsOff) {
            process->SelectEndLand();
        }
    }

private:
    void Limit(CTimeSpan spare) { m_limit = std::min(m_limit, spare); }
    void DeselectEnd(CKoutei& process) {
        if (process.IsEndLandSelected() != 0) {
            process.DeselectEndLand();
            m_endsOff.push_back(&process);
        }
    }
    void DeselectStart(CKoutei& process) {
        if (process.IsStartLandSelected() != 0) {
            process.DeselectStartLand();
            m_startsOff.push_back(&process);
        }
    }

    // One sweep over the selected processes that meet current. A successor or a process ending
    // with it that cannot give way stops the walk from this node: what this sweep took is
    // dropped again and current keeps its end.
    void Sweep(const ContactLists::Contact& at, bool firstSweep) {
        CKoutei& current = *at.process;
        std::size_t pushed = 0;
        std::size_t taken = 0;
        for (const ContactLists::Contact& contact : m_contacts.Of(at.id)) {
            CKoutei* other = contact.process;
            if (other == &m_adjusted || m_marks.IsRemoved(contact.id)) {
                continue;
            }
            int part = 0;
            int otherPart = 0;
            if (CTembraDoc::ContactKind(&current, other, FALSE, part, otherPart) == 0 ||
                (part != kContactEnd && part != kContactLine)) {
                continue;
            }
            const bool successor = otherPart == kContactStart;
            if (otherPart != kContactStart && otherPart != kContactEnd) {
                continue;
            }
            if (!firstSweep && m_marks.IsCollected(contact.id)) {
                // Already moving: it moves with this node too.
                if (successor) {
                    other->SelectStartLand();
                } else {
                    other->SelectEndLand();
                }
                continue;
            }
            bool stop = false;
            if (successor) {
                if (m_delta <= CTimeSpan()) {
                    stop = true; // a successor is not pulled back
                } else if (HasSpareDays(*other)) {
                    DeselectEnd(*other); // it only loses length and spare days
                    Limit(other->GetSpareDays());
                } else if (other->IsEndLandSelected() != 0) {
                    m_pending.push_front(contact);
                    ++pushed;
                }
            } else if (m_delta < CTimeSpan() && !HasSpareDays(*other)) {
                stop = true; // it cannot be shortened
            } else {
                if (m_delta < CTimeSpan()) {
                    Limit(other->GetSpareDays());
                }
                DeselectStart(*other); // only its end moves with the node
            }
            if (stop) {
                for (; pushed > 0; --pushed) {
                    m_pending.pop_front();
                }
                for (; taken > 0; --taken) {
                    m_marks.Uncollect(m_takenIds.back());
                    m_takenIds.pop_back();
                    m_moved.pop_back();
                }
                DeselectEnd(current);
                return;
            }
            m_moved.push_back(other);
            m_takenIds.push_back(contact.id);
            m_marks.Collect(contact.id);
            ++taken;
            if (firstSweep) {
                m_marks.Remove(contact.id);
            }
        }
    }

    CKoutei& m_adjusted;
    const CTimeSpan m_delta;
    const ContactLists& m_contacts;
    // Collected: taken into m_moved. Removed: taken by the first sweep, so that later sweeps
    // do not meet them again.
    StepMarks& m_marks;
    CTimeSpan m_limit{std::numeric_limits<std::int32_t>::max()};
    std::vector<CKoutei*> m_moved;
    // The numbers of m_moved, in the same order.
    std::vector<std::size_t> m_takenIds;
    std::deque<ContactLists::Contact> m_pending;
    std::vector<CKoutei*> m_startsOff;
    std::vector<CKoutei*> m_endsOff;
};

// The position a step hands to the moves: the adjusted process's dates and rows with its bend
// row, its end marked, so that every node standing at its end moves by the plain step.
CChartPos StepReference(const CKoutei& process) {
    CChartPos reference;
    reference.SetStartDate(process.GetStartTime());
    reference.SetEndDate(process.GetEndTime());
    reference.SetStartRow(process.GetStartRow());
    reference.SetEndRow(process.GetEndRow());
    reference.SetWord3(static_cast<WORD>(process.GetBendRow()));
    reference.SetWord4(0);
    reference.SetWord5(1);
    reference.SetWord6(0);
    return reference;
}

} // namespace

// ---- Link records -------------------------------------------------------------------------------

int CTembraDoc::PrepareMoveLinks(KouteiLinkList& records, CTimeSpan offset, bool growFreeEnds) {
    if (m_syokiSet.GetNobeMode() != 0) {
        return kLinkWorkingDays;
    }
    KouteiList calendarDays;
    const int linkMode = ClassifyHolidayUse(&calendarDays);
    if (linkMode == kLinkWorkingDays) {
        return linkMode;
    }
    const ObList<CDataHeader> none;
    KouteiContactIndex index;
    index.Build(GetSelList(), none);
    std::vector<CKoutei*> touching;
    IKouteiDocument& seam = m_seams.Koutei();
    records.reserve(calendarDays.size());
    for (CKoutei* process : calendarDays) {
        process->RecalcDuration(&seam, CTime(), FALSE);
        if (growFreeEnds && process->IsStartLandSelected() == 0) {
            process->SetDuration(process->GetDuration() + offset);
        }
        auto record = std::make_unique<CKouteiLink>(process);
        index.Candidates(*process, touching);
        for (CKoutei* other : touching) {
            int part = 0;
            int otherPart = 0;
            if (ContactKind(process, other, TRUE, part, otherPart) != 0 && part == kContactStart &&
                otherPart == kContactEnd) {
                record->AddLink(other);
            }
        }
        records.push_back(std::move(record));
    }
    return linkMode;
}

// ---- Move and copy ------------------------------------------------------------------------------

void CTembraDoc::MoveKoutei(CTimeSpan offset, int rows, int operation, const CChartPos* reference,
                            BOOL adjustSpare, int mode) {
    // A copy keeps the order of the selection: the relation lines copied with the processes
    // they join are given the copies' numbers once every copy is made, wherever they stand, and
    // an undone copy leaves the processes in the order they had.
    const bool copying = IsCopyOperation(operation);
    if (GetSelList().IsEmpty()) {
        return;
    }
    m_undo.Reset();

    KouteiLinkList records;
    const int linkMode = PrepareMoveLinks(records, offset, mode == kModeDrag);
    // The records by their process, and the records that list a process as a predecessor, so
    // that both follow each process to its copy.
    std::unordered_map<const CKoutei*, CKouteiLink*> recordOf;
    std::unordered_map<const CKoutei*, std::vector<CKouteiLink*>> listedIn;
    for (const auto& record : records) {
        recordOf[record->GetKoutei()] = record.get();
        for (CKoutei* predecessor : record->GetLinks()) {
            listedIn[predecessor].push_back(record.get());
        }
    }
    const auto follow = [&](const CKoutei* old, CKoutei* now) {
        if (const auto it = recordOf.find(old); it != recordOf.end()) {
            it->second->SetKoutei(now);
        }
        if (const auto it = listedIn.find(old); it != listedIn.end()) {
            for (CKouteiLink* record : it->second) {
                record->ReplaceLink(old, now);
            }
        }
    };

    IKouteiDocument& seam = m_seams.Koutei();
    KouteiRenumbering renumbering;
    ForEachSelected([&](POSITION pos, CDataHeader* object) {
        CKoutei* old = AsKoutei(object);
        if (old == nullptr) {
            return;
        }
        std::unique_ptr<CKoutei> moved = CopyKoutei(old, copying ? FALSE : TRUE);
        if (moved == nullptr) {
            return; // the copy has said why; the others go on
        }
        if (copying) {
            UnselectAt(pos); // the old process stays where it was
        } else {
            // The pivot mark of a duration change stays with the process it marks, and the
            // process that leaves the lists takes none along.
            moved->SetAdjustMark(old->GetAdjustMark());
            old->SetAdjustMark(0);
            moved->UpdateViews(seam);
        }

        bool keep = false;
        if (operation == COperationState::kOpMoveBend && !copying) {
            CKouteiLines& lines = *moved->GetLines();
            lines.SetBendOffset(
                static_cast<short>(moved->GetBendRow() + rows - moved->GetStartRow()));
        } else {
            const KeptSpans kept(*moved, KeepsSpans(*moved, linkMode));
            keep = kept.IsKept();
            moved->MoveBy(&seam, offset, rows, reference, TRUE,
                          linkMode == kLinkCalendarDays ? TRUE : FALSE, adjustSpare);
        }
        if (!keep && IsPoint(*moved)) {
            // Moved onto its other node: the process goes, and so does a copy made that way. No
            // record stands for it any more.
            follow(old, nullptr);
            if (!copying) {
                DeleteSelAt(pos);
            }
            return;
        }
        follow(old, moved.get());
        if (copying) {
            if (moved->IsRelationLine() != 0) {
                renumbering.AddRelationLine(moved.get());
            } else {
                renumbering.Add(*old, *moved);
            }
            CKoutei* added = moved.release();
            AddSel(added);
            m_undo.AddNew(added);
        } else {
            ReplaceSelAt(pos, moved.release(), 0);
        }
    });
    renumbering.Apply();

    std::erase_if(records, [](const auto& record) { return record->GetKoutei() == nullptr; });
    if (linkMode != kLinkMixed) {
        return;
    }
    if (mode == kModeDuration) {
        // The duration just given to the first process stays; the others adapt to it.
        const CKoutei* head = AsKoutei(GetSelAt(GetHeadSelPosition()));
        for (const auto& record : records) {
            if (head != nullptr && record->GetKoutei() == head) {
                record->Refresh();
            }
        }
    }
    for (int pass = 0; pass < kMaxAdjustPasses; ++pass) {
        if (AdjustKoutei(records, adjustSpare, FALSE, mode) != 0) {
            break;
        }
    }
}

// ---- Stretch ------------------------------------------------------------------------------------

void CTembraDoc::StretchKoutei(CTimeSpan offset, int rows, [[maybe_unused]] int operation,
                               const CChartPos* reference, BOOL adjustSpare) {
    if (GetSelList().IsEmpty()) {
        return;
    }
    KouteiLinkList records;
    const int linkMode = PrepareMoveLinks(records, offset, true);
    if (linkMode == kLinkWorkingDays) {
        return;
    }
    IKouteiDocument& seam = m_seams.Koutei();
    ForEachSelected([&](POSITION, CDataHeader* object) {
        CKoutei* process = AsKoutei(object);
        if (process == nullptr) {
            return;
        }
        if (linkMode == kLinkCalendarDays) {
            process->MoveBy(&seam, offset, rows, reference, TRUE, TRUE, adjustSpare);
            return;
        }
        const KeptSpans kept(*process, KeepsSpans(*process, linkMode));
        process->MoveBy(&seam, offset, rows, reference, TRUE, FALSE, adjustSpare);
    });
    if (linkMode != kLinkMixed) {
        return;
    }
    for (int pass = 0; pass < kMaxAdjustPasses; ++pass) {
        if (AdjustKoutei(records, adjustSpare, TRUE, kModeDrag) != 0) {
            break;
        }
    }
}

// ---- Adjustment ---------------------------------------------------------------------------------

int CTembraDoc::AdjustKoutei(KouteiLinkList& records, BOOL adjustSpare, BOOL noRedraw, int mode) {
    const ContactLists contacts(GetSelList());
    StepMarks marks(contacts.Count());
    IKouteiDocument& seam = m_seams.Koutei();

    int result = 1;
    for (const auto& record : records) {
        CKoutei* process = record->GetKoutei();
        if (process == nullptr) {
            continue;
        }
        if (mode == kModeDrag &&
            (process->IsStartLandSelected() != 0) != (process->IsEndLandSelected() != 0)) {
            continue; // the user is stretching it
        }
        const CTimeSpan current = NetSpan(*process);
        const CTimeSpan saved = SavedNetSpan(*record);
        if (current == saved) {
            continue;
        }
        const CTimeSpan delta = saved - current;
        CTimeSpan remaining = delta < CTimeSpan() ? -delta : delta;
        while (remaining > CTimeSpan()) {
            AdjustStep step(*process, delta, contacts, marks);
            if (delta > CTimeSpan() && HasSpareDays(*process)) {
                step.AbsorbInSpareDays();
            } else {
                step.Collect();
            }
            CTimeSpan amount = remaining;
            if (remaining > step.GetLimit()) {
                amount = step.GetLimit();
            }
            remaining -= amount;
            if (delta < CTimeSpan()) {
                amount = -amount;
            }

            const CChartPos reference = StepReference(*process);
            // The start of the adjusted process never moves here.
            const bool startSelected = process->IsStartLandSelected() != 0;
            process->DeselectStartLand();
            if (process->IsEndLandSelected() == 0) {
                // Neither node moves: the step becomes a change of its spare days.
                const bool markHere = process->GetAdjustMark() == 0;
                if (markHere) {
                    process->SetAdjustMark(1);
                }
                process->MoveBy(&seam, amount, 0, &reference, TRUE, FALSE, TRUE);
                if (markHere) {
                    process->SetAdjustMark(0);
                }
            } else {
                process->MoveBy(&seam, amount, 0, &reference, TRUE, FALSE, adjustSpare);
            }
            for (CKoutei* other : step.GetMoved()) {
                other->MoveBy(&seam, amount, 0, &reference, TRUE, FALSE, TRUE);
                if (!noRedraw) {
                    other->UpdateViews(seam);
                }
            }
            step.Restore();
            if (startSelected) {
                process->SelectStartLand();
            }
        }
        result = 0;
    }
    return result;
}

// ---- Queries and order --------------------------------------------------------------------------

int CTembraDoc::CountFreeLands() const {
    int free = 0;
    for (POSITION pos = GetHeadSelPosition(); pos != nullptr;) {
        if (const CKoutei* process = AsKoutei(GetNextSel(pos))) {
            free += process->IsStartLandSelected() == 0 ? 1 : 0;
            free += process->IsEndLandSelected() == 0 ? 1 : 0;
        }
    }
    return free;
}

int CTembraDoc::MoveRelationLinesLast(ObList<CDataHeader>& list) {
    const POSITION last = list.GetTailPosition();
    int found = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        const bool isLast = current == last;
        CDataHeader* object = list.GetNext(pos);
        if (const CKoutei* process = AsKoutei(object);
            process != nullptr && process->IsRelationLine() != 0) {
            // Its new entry first, so that it is never out of the list.
            list.AddTail(object);
            list.RemoveAt(current);
            found = 1;
        }
        if (isLast) {
            break;
        }
    }
    return found;
}

} // namespace tembra
