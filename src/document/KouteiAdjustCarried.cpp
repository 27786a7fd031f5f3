// The carried walk of the adjustment (KouteiAdjustPass): once along each plain chain of the
// selection, carrying what the processes passed so far push and letting spare days absorb it.
//
// Why it ends where the stepwise walk ends. On a plain chain a step of a process's push moves
// every node from its end down to the nearest spare days by the step's amount: a node standing on
// the pushing end's date by plain time, with it, every other by working time; the spare days of
// the process met there lose the amount and its end stays. So every node receives each push in
// parts of one sign, and a date moved by working time ends where it would with the parts added at
// once (working time is additive); a node's parts, less what spare days above it absorbed, are
// applied in the order the processes pushed. What must hold is which nodes go by plain time: those
// on the pushing end's date when the push reaches them. Each push keeps its date, and is applied
// on its own with it, while the nodes it reaches stand on that date; from then on it joins the
// pushes by working time, which move together, and every node they reach is checked to stand off
// each of their dates as each reaches it, in working time first (a node ahead in working time is
// ahead in time) and, where that does not tell, by the date itself. Nodes are mostly later than
// the dates, but not always: spare days that give way move a process's start alone, by working
// time, which can take it over a day off past its end, and the nodes after it then lie earlier
// than the date of the push that came through. A node on a date ends the carried walk: everything
// is given back and the stepwise walk does the pass.
#include "document/KouteiAdjustPass.h"
#include "document/KouteiContactIndex.h"
#include "document/KouteiContactLists.h"
#include "model/Calendar.h"
#include "model/Utility.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>
#include <optional>
#include <set>
#include <span>
#include <utility>
#include <vector>

namespace tembra {

using adjust::HasSpareDays;
using adjust::NetSpan;
using adjust::SavedNetSpan;
using adjust::StepReference;

namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

// A push carried down a chain with its date: the amount still to move, the date of the pushing
// end as the amount begins to move where the push has got to, and whether the last node it
// reached stood on that date.
struct Push {
    CTimeSpan amount;
    CTime reference;
    bool onDate = true;
    // A node it reached lay earlier than its date.
    bool metEarlier = false;
};

// The date of a node that moves by plain time.
CTime PlainMoved(const CTime& date, CTimeSpan offset) {
    return std::clamp(date + offset, GetMinDate(), GetMaxDate());
}

// Dates as working time, in which moves by working time add up: the calendar's when dates move
// by it (the document's "HolidayAuto"), else plain time.
class WorkClock {
public:
    explicit WorkClock(const IKouteiDocument& seam)
        : m_calendar(seam.GetHolidayAuto() != 0 ? seam.GetCalendar() : nullptr) {}

    // The working time from the earliest supported date to the date.
    std::int64_t At(const CTime& date) const {
        const CTime origin = GetMinDate();
        std::int64_t time = date.GetTime() - origin.GetTime();
        if (m_calendar != nullptr) {
            time -= m_calendar->GetHolidayTime(origin, date).GetTimeSpan();
        }
        return time;
    }

    // The date a node moved by working time reaches, as CKoutei::MoveBy moves it.
    CTime Moved(const CTime& date, CTimeSpan offset) const {
        if (m_calendar == nullptr) {
            return PlainMoved(date, offset);
        }
        const CTime reached = PlainMoved(date, m_calendar->AddWorkTime(date, offset));
        return CTime(std::clamp(m_calendar->SkipHolidays(reached.GetTime(), GetMaxDate().GetTime()),
                                GetMinDate().GetTime(), GetMaxDate().GetTime()));
    }

private:
    const CCalendar* m_calendar;
};

// The pushes moving together, the earliest first. Each keeps its date and how much the others
// had pushed when it joined, so that where each push finds a node can be told: a push reaches a
// node after the earlier ones have moved it (the amounts ahead of it), by working time unless it
// found the node on its date. A node is later than a push's date when it is ahead in working time
// as the push reaches it, that is when its working time exceeds the push's key, the working time
// of its date less the amounts ahead. The first push has none ahead; the keys of the others
// change alike as spare days absorb the first ones, and they are kept ordered, so that only the
// pushes whose keys reach a node's working time are looked at one by one; a push that moves the
// node by plain time leaves it behind by working time, and the pushes after it are looked at
// down to that much lower.
class WorkingPushes {
public:
    explicit WorkingPushes(const WorkClock& clock) : m_clock(clock) {}

    CTimeSpan Amount() const { return CTimeSpan(m_amount); }

    void Add(const Push& push) {
        Member member{push.amount.GetTimeSpan(), push.reference, m_appended, m_serial++,
                      push.metEarlier};
        m_appended += member.amount;
        m_amount += member.amount;
        if (!m_members.empty()) {
            m_keys.emplace(Key(member), member.serial);
        }
        m_members.push_back(member);
        m_lastReach.reset();
    }

    // Where the node ends when each push reaches it in turn. A push that finds it earlier than
    // its date is marked: see Absorb.
    CTime Reach(const CTime& node) {
        if (m_members.empty()) {
            return node;
        }
        // A process starts on the node where the one before it ended: the same pushes reach it
        // there unless some joined or gave way in between.
        if (m_lastReach.has_value() && m_lastReach->first == node) {
            return m_lastReach->second;
        }
        CTime at = node;
        std::int64_t behind = 0; // what plain moves left it behind by working time
        Step(m_members.front(), at, behind);
        std::int64_t moved = m_members.front().amount;
        const std::int64_t time = m_clock.At(node) - m_absorbed;
        // The pushes to look at, latest first, and the lowest key looked at so far.
        std::vector<std::uint64_t>& pending = m_pending;
        pending.clear();
        std::int64_t lowest = std::numeric_limits<std::int64_t>::max();
        std::uint64_t last = FirstSerial();
        for (;;) {
            const auto from = m_keys.lower_bound({time - behind, 0});
            const auto to = m_keys.lower_bound({lowest, 0});
            for (auto it = from; it != to; ++it) {
                if (it->second > last) {
                    pending.push_back(it->second);
                }
            }
            lowest = std::min(lowest, time - behind);
            if (pending.empty()) {
                break;
            }
            std::sort(pending.begin(), pending.end(), std::greater<>());
            Member& member = At(pending.back());
            pending.pop_back();
            last = member.serial;
            const std::int64_t between = member.before - m_absorbed - moved;
            if (between > 0) {
                at = m_clock.Moved(at, CTimeSpan(between));
            }
            Step(member, at, behind);
            moved = member.before - m_absorbed + member.amount;
        }
        if (m_amount > moved) {
            at = m_clock.Moved(at, CTimeSpan(m_amount - moved));
        }
        m_lastReach.emplace(node, at);
        return at;
    }

    // Spare days take what they can, from the first pushes on; returns what they took, or
    // nothing when they took part of a push that found a node earlier than its date: the
    // stepwise walk moves the nodes it passed once for each part, and such a node might stand
    // on the date as a later part reaches it.
    std::optional<CTimeSpan> Absorb(CTimeSpan spare) {
        const std::int64_t absorbed = std::min(m_amount, spare.GetTimeSpan());
        std::int64_t left = absorbed;
        while (left > 0) {
            Member& first = m_members.front();
            if (first.amount > left) {
                if (first.metEarlier) {
                    return std::nullopt;
                }
                first.amount -= left;
                // Its pushing end went on by what was taken, by plain time.
                first.reference = PlainMoved(first.reference, CTimeSpan(left));
                break;
            }
            left -= first.amount;
            m_members.pop_front();
            if (!m_members.empty()) {
                m_keys.erase({Key(m_members.front()), m_members.front().serial});
            }
        }
        m_amount -= absorbed;
        m_absorbed += absorbed;
        m_lastReach.reset();
        return CTimeSpan(absorbed);
    }

private:
    struct Member {
        std::int64_t amount;
        CTime reference;
        // The amounts added before it.
        std::int64_t before;
        std::uint64_t serial;
        bool metEarlier;
    };

    std::int64_t Key(const Member& member) const {
        return m_clock.At(member.reference) - member.before;
    }
    std::uint64_t FirstSerial() const { return m_members.front().serial; }
    Member& At(std::uint64_t serial) {
        return m_members[static_cast<std::size_t>(serial - FirstSerial())];
    }

    // The push reaches the node at the date at and moves it.
    void Step(Member& member, CTime& at, std::int64_t& behind) {
        if (at == member.reference) {
            const CTime reached = PlainMoved(at, CTimeSpan(member.amount));
            behind += m_clock.At(at) + member.amount - m_clock.At(reached);
            at = reached;
            return;
        }
        if (at < member.reference) {
            member.metEarlier = true;
        }
        at = m_clock.Moved(at, CTimeSpan(member.amount));
    }

    const WorkClock& m_clock;
    std::deque<Member> m_members;
    // The keys of all members but the first, with their serials.
    std::set<std::pair<std::int64_t, std::uint64_t>> m_keys;
    std::int64_t m_amount = 0;
    std::int64_t m_appended = 0;
    std::int64_t m_absorbed = 0;
    std::uint64_t m_serial = 0;
    // Reach's list, kept so that it is not made again for every node.
    std::vector<std::uint64_t> m_pending;
    // The node Reach was last asked for and its answer, while the pushes stay as they were.
    std::optional<std::pair<CTime, CTime>> m_lastReach;
};

bool IsRelationNode(const CLand& land) {
    return (land.GetSubStyle() & kRelationLand) != 0;
}

// A process the carried walk can move as a chain link: whole, not a relation line, no relation
// node, no pivot mark.
bool IsPlainLink(const CKoutei& process) {
    return process.IsLinesSelected() != 0 && process.IsStartLandSelected() != 0 &&
           process.IsEndLandSelected() != 0 && process.GetAdjustMark() == 0 &&
           process.IsRelationLine() == 0 && !IsRelationNode(*process.GetStartLand()) &&
           !IsRelationNode(*process.GetEndLand());
}

// What a process was before the pass, to give it back.
struct Kept {
    CKoutei* process;
    CTime start;
    CTime end;
    CTimeSpan spare;
};

class CarriedPass {
public:
    explicit CarriedPass(const KouteiAdjustPass& pass)
        : m_pass(pass), m_contacts(pass.selection), m_clock(pass.seam) {}

    std::optional<int> Run() {
        if (!FindChains() || !PlaceRecords()) {
            return std::nullopt;
        }
        for (std::size_t chain = 0; chain < m_chainRecords.size(); ++chain) {
            if (!m_chainRecords[chain].empty() && !Walk(chain)) {
                for (const Kept& k : m_kept) {
                    k.process->SetStartDate(k.start);
                    k.process->SetEndDate(k.end);
                    k.process->SetSpareDays(k.spare);
                }
                return std::nullopt;
            }
        }
        if (m_pass.noRedraw == FALSE) {
            for (CKoutei* process : m_pushed) {
                process->UpdateViews(m_pass.seam);
            }
        }
        return m_changed ? 0 : 1;
    }

private:
    struct ChainRange {
        std::size_t first;
        std::size_t count;
    };
    struct PlacedRecord {
        std::size_t position;
        const CKouteiLink* record;
    };

    // Every selected process a plain link with one successor and one predecessor at most, and
    // no process meeting another otherwise; the chains in order from their heads. False
    // otherwise, a closed chain included.
    bool FindChains() {
        const std::size_t count = m_contacts.Count();
        // The lists number the selected processes in selection order.
        m_processes.reserve(count);
        for (POSITION pos = m_pass.selection.GetHeadPosition(); pos != nullptr;) {
            if (CKoutei* process = AsKoutei(m_pass.selection.GetNext(pos))) {
                if (m_processes.size() >= count ||
                    m_contacts.ProcessAt(m_processes.size()) != process || !IsPlainLink(*process)) {
                    return false;
                }
                m_processes.push_back(process);
            }
        }
        if (m_processes.size() != count) {
            return false;
        }
        std::vector<std::size_t> next(count, kNone);
        std::vector<std::size_t> previous(count, kNone);
        // The nodes are compared as the lists found them, which is as they are: nothing has
        // moved yet in this pass.
        const auto same = [this](std::size_t a, int partA, std::size_t b, int partB) {
            return m_contacts.WasSameNode(a, partA, b, partB);
        };
        for (std::size_t id = 0; id < count; ++id) {
            for (const ContactLists::Contact& contact : m_contacts.Of(id)) {
                const std::size_t other = contact.id;
                if (same(id, kContactStart, other, kContactStart) ||
                    same(id, kContactEnd, other, kContactEnd)) {
                    return false;
                }
                const bool successor = same(id, kContactEnd, other, kContactStart);
                const bool predecessor = same(id, kContactStart, other, kContactEnd);
                if (successor == predecessor) {
                    return false;
                }
                std::size_t& link = successor ? next[id] : previous[id];
                if (link != kNone && link != contact.id) {
                    return false;
                }
                link = contact.id;
            }
        }
        m_chainOf.assign(count, kNone);
        m_positionOf.assign(count, kNone);
        m_chainIds.reserve(count);
        for (std::size_t head = 0; head < count; ++head) {
            if (previous[head] != kNone) {
                continue;
            }
            ChainRange& chain = m_chains.emplace_back(ChainRange{m_chainIds.size(), 0});
            for (std::size_t id = head; id != kNone; id = next[id]) {
                if (m_chainOf[id] != kNone || (id != head && previous[id] != m_chainIds.back())) {
                    return false;
                }
                m_chainOf[id] = m_chains.size() - 1;
                m_positionOf[id] = chain.count++;
                m_chainIds.push_back(id);
            }
        }
        m_chainRecords.resize(m_chains.size());
        m_kept.reserve(count);
        m_pushed.reserve(count);
        return m_chainIds.size() == count; // what is left over closes on itself
    }

    // The records by chain, each chain's in the order of its processes, as the records come.
    bool PlaceRecords() {
        for (const auto& record : m_pass.records) {
            const CKoutei* process = record->GetKoutei();
            if (process == nullptr) {
                continue;
            }
            const std::size_t id = m_contacts.Find(*process);
            if (id >= m_processes.size()) {
                return false;
            }
            std::vector<PlacedRecord>& placed = m_chainRecords[m_chainOf[id]];
            if (placed.empty()) {
                placed.reserve(std::min(m_pass.records.size(), m_chains[m_chainOf[id]].count));
            } else if (placed.back().position >= m_positionOf[id]) {
                return false;
            }
            placed.push_back(PlacedRecord{m_positionOf[id], record.get()});
        }
        return true;
    }

    bool Walk(std::size_t chainIndex) {
        const std::span<const std::size_t> chain(m_chainIds.data() + m_chains[chainIndex].first,
                                                 m_chains[chainIndex].count);
        const std::vector<PlacedRecord>& records = m_chainRecords[chainIndex];
        WorkingPushes working(m_clock);
        std::deque<Push> dated; // the earliest first, all pushed after the working ones
        std::size_t nextRecord = 0;
        for (std::size_t position = 0; position < chain.size(); ++position) {
            const bool pushed = working.Amount() > CTimeSpan() || !dated.empty();
            if (!pushed && nextRecord == records.size()) {
                break;
            }
            CKoutei& process = *m_processes[chain[position]];
            const bool adjusted =
                nextRecord < records.size() && records[nextRecord].position == position;
            if (pushed || adjusted) {
                m_kept.push_back(Kept{&process, process.GetStartTime(), process.GetEndTime(),
                                      process.GetSpareDays()});
            }
            if (pushed) {
                if (!CarryWorking(process, working) || !CarryDated(process, dated)) {
                    return false;
                }
                while (!dated.empty() && !dated.front().onDate) {
                    working.Add(dated.front());
                    dated.pop_front();
                }
                m_pushed.push_back(&process);
            }
            if (adjusted) {
                Adjust(process, *records[nextRecord].record, position + 1 < chain.size(), dated);
                ++nextRecord;
            }
        }
        return true;
    }

    // Moves the selected nodes of the process by the amount, those on the date by plain time
    // and the others by working time. False when a node went as far as the latest supported
    // date, where working time no longer adds up.
    bool MoveBy(CKoutei& process, CTimeSpan amount, const CTime& date) {
        CKouteiDrag reference;
        reference.endDate = date;
        reference.endPinned = true;
        process.MoveBy(&m_pass.seam, amount, 0, &reference,
                       KouteiMoveFlags::SelectedOnly | KouteiMoveFlags::AdjustSpare);
        return process.GetStartTime() < GetMaxDate() && process.GetEndTime() < GetMaxDate();
    }

    // The pushes by working time reach the process together: its spare days take what they
    // can with its start alone, the rest moves it whole and goes on. False when spare days took
    // part of a push that cannot be told in one piece, or a node went as far as the latest
    // supported date, where working time no longer adds up.
    bool CarryWorking(CKoutei& process, WorkingPushes& working) {
        if (working.Amount() <= CTimeSpan()) {
            return true;
        }
        const CTime start = working.Reach(process.GetStartTime());
        if (HasSpareDays(process)) {
            const std::optional<CTimeSpan> absorbed = working.Absorb(process.GetSpareDays());
            if (!absorbed.has_value()) {
                return false;
            }
            process.SetSpareDays(process.GetSpareDays() - *absorbed);
        }
        const CTime end = working.Amount() > CTimeSpan() ? working.Reach(process.GetEndTime())
                                                         : process.GetEndTime();
        process.SetStartDate(start);
        process.SetEndDate(end);
        return start < GetMaxDate() && end < GetMaxDate();
    }

    // The pushes with a date reach the process one after the other, likewise, each moving the
    // nodes on its date by plain time. False as above.
    bool CarryDated(CKoutei& process, std::deque<Push>& dated) {
        for (Push& push : dated) {
            push.metEarlier = push.metEarlier || process.GetStartTime() < push.reference;
            if (HasSpareDays(process)) {
                const CTimeSpan absorbed = std::min(push.amount, process.GetSpareDays());
                if (push.metEarlier && absorbed < push.amount) {
                    return false;
                }
                process.DeselectEndLand();
                const bool moved = MoveBy(process, absorbed, push.reference);
                process.SelectEndLand();
                if (!moved) {
                    return false;
                }
                push.amount -= absorbed;
                push.reference = PlainMoved(push.reference, absorbed);
            }
            if (push.amount <= CTimeSpan()) {
                continue;
            }
            // The next process starts where this one ends.
            push.onDate = process.GetEndTime() == push.reference;
            push.metEarlier = push.metEarlier || process.GetEndTime() < push.reference;
            if (!MoveBy(process, push.amount, push.reference)) {
                return false;
            }
        }
        std::erase_if(dated, [](const Push& push) { return push.amount <= CTimeSpan(); });
        return true;
    }

    // The process of a record takes back its net span: too short, its spare days give way
    // first, then its end pushes what follows it; too long, its end comes back unless a
    // process follows it, which is not pulled back: then its spare days take the difference.
    void Adjust(CKoutei& process, const CKouteiLink& record, bool followed,
                std::deque<Push>& dated) {
        const CTimeSpan current = NetSpan(process);
        const CTimeSpan saved = SavedNetSpan(record);
        if (current == saved) {
            return;
        }
        m_changed = true;
        const CTimeSpan delta = saved - current;
        if (delta < CTimeSpan()) {
            if (followed) {
                ChangeSpareDays(process, delta);
            } else {
                MoveEnd(process, delta);
            }
            return;
        }
        CTimeSpan remaining = delta;
        if (HasSpareDays(process)) {
            const CTimeSpan absorbed = std::min(remaining, process.GetSpareDays());
            ChangeSpareDays(process, absorbed);
            remaining -= absorbed;
        }
        if (remaining > CTimeSpan()) {
            const CTime end = process.GetEndTime();
            MoveEnd(process, remaining);
            if (followed) {
                dated.push_back(Push{remaining, end});
            }
        }
    }

    // Neither node moves: the amount comes off the spare days.
    void ChangeSpareDays(CKoutei& process, CTimeSpan amount) {
        const CKouteiDrag reference = StepReference(process);
        process.DeselectStartLand();
        process.DeselectEndLand();
        process.SetAdjustMark(1);
        process.MoveBy(&m_pass.seam, amount, 0, &reference,
                       KouteiMoveFlags::SelectedOnly | KouteiMoveFlags::AdjustSpare);
        process.SetAdjustMark(0);
        process.SelectEndLand();
        process.SelectStartLand();
    }

    void MoveEnd(CKoutei& process, CTimeSpan amount) {
        const CKouteiDrag reference = StepReference(process);
        process.DeselectStartLand();
        process.MoveBy(&m_pass.seam, amount, 0, &reference,
                       KouteiMoveFlags::SelectedOnly |
                           MoveFlagIf(m_pass.adjustSpare, KouteiMoveFlags::AdjustSpare));
        process.SelectStartLand();
    }

    const KouteiAdjustPass& m_pass;
    const ContactLists m_contacts;
    const WorkClock m_clock;
    // By their numbers in m_contacts.
    std::vector<CKoutei*> m_processes;
    std::vector<std::size_t> m_chainOf;
    std::vector<std::size_t> m_positionOf;
    // The chains one after the other, by the numbers of their processes from the head on.
    std::vector<std::size_t> m_chainIds;
    std::vector<ChainRange> m_chains;
    std::vector<std::vector<PlacedRecord>> m_chainRecords;
    std::vector<CKoutei*> m_pushed;
    // What the processes the walk came to were before, to give them back.
    std::vector<Kept> m_kept;
    bool m_changed = false;
};

} // namespace

std::optional<int> AdjustCarried(const KouteiAdjustPass& pass) {
    if (pass.adjustSpare != FALSE) {
        return std::nullopt; // a pushed end would gain spare days: each step asks them anew
    }
    return CarriedPass(pass).Run();
}

} // namespace tembra
