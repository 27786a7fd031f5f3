// The stepwise walk of the adjustment (KouteiAdjustPass): each step collects what moves with the
// adjusted process up to the nearest spare days and moves it.
#include "document/KouteiAdjustPass.h"
#include "document/KouteiChains.h"
#include "document/KouteiContactLists.h"
#include "document/TembraDoc.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <limits>
#include <vector>

namespace tembra {

using adjust::HasSpareDays;
using adjust::NetSpan;
using adjust::SavedNetSpan;
using adjust::StepReference;

namespace {

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
            if (CKouteiChains::ContactKind(&current, other, FALSE, part, otherPart) == 0 ||
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

} // namespace

int AdjustStepwise(const KouteiAdjustPass& pass) {
    const ContactLists contacts(pass.selection);
    StepMarks marks(contacts.Count());
    IKouteiDocument& seam = pass.seam;

    int result = 1;
    for (const auto& record : pass.records) {
        CKoutei* process = record->GetKoutei();
        if (process == nullptr) {
            continue;
        }
        if (adjust::IsStretched(*process, pass.caller)) {
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

            const CKouteiDrag reference = StepReference(*process);
            // The start of the adjusted process never moves here.
            const bool startSelected = process->IsStartLandSelected() != 0;
            process->DeselectStartLand();
            if (process->IsEndLandSelected() == 0) {
                // Neither node moves: the step becomes a change of its spare days.
                const bool markHere = process->GetAdjustMark() == 0;
                if (markHere) {
                    process->SetAdjustMark(1);
                }
                process->MoveBy(&seam, amount, 0, &reference,
                                KouteiMoveFlags::SelectedOnly | KouteiMoveFlags::AdjustSpare);
                if (markHere) {
                    process->SetAdjustMark(0);
                }
            } else {
                process->MoveBy(&seam, amount, 0, &reference,
                                KouteiMoveFlags::SelectedOnly |
                                    MoveFlagIf(pass.adjustSpare, KouteiMoveFlags::AdjustSpare));
            }
            for (CKoutei* other : step.GetMoved()) {
                other->MoveBy(&seam, amount, 0, &reference,
                              KouteiMoveFlags::SelectedOnly | KouteiMoveFlags::AdjustSpare);
                if (pass.noRedraw == FALSE) {
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

} // namespace tembra
