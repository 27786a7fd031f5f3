// The process links across a change of the day counting. Calendar-day processes keep their
// calendar length while the working-day processes around them are counted anew, so a successor
// that started at a process's end may no longer do so: before the dates move each calendar-day
// process keeps the successors that touch its end, and afterwards the gaps are closed by moving
// the successors (and what hangs on them) or by taking the difference from spare days.
#include "document/KouteiContactIndex.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <limits>
#include <unordered_set>

namespace tembra {

namespace {

bool HasSpare(const CKoutei& process) {
    return process.GetSpareDays().GetTotalSeconds() > 0;
}

std::int64_t SpareSeconds(const CKoutei& process) {
    return process.GetSpareDays().GetTotalSeconds();
}

CTimeSpan Extent(const CKoutei& process) {
    return process.GetEndTime() - process.GetStartTime();
}

// One pass of the repair: what moves, what must be selected whole again afterwards.
class RepairPass {
public:
    RepairPass(CKoutei* owner, std::int64_t gap) : m_owner(owner), m_gap(gap) {}

    void Move(CKoutei* process) {
        m_moves.push_back(process);
        m_onMoves.insert(process);
    }
    bool OnMoves(const CKoutei* process) const { return m_onMoves.count(process) != 0; }
    // Takes the last n entries off the move list again.
    void DropMoves(int n) {
        for (; n > 0 && !m_moves.empty(); --n) {
            m_onMoves.erase(m_moves.back());
            m_moves.pop_back();
        }
    }
    void Reselect(CKoutei* process) { m_reselect.push_back(process); }
    void DeselectStart(CKoutei* process) {
        if (process->IsStartLandSelected() != 0) {
            process->DeselectStartLand();
            Reselect(process);
        }
    }
    void DeselectEnd(CKoutei* process) {
        if (process->IsEndLandSelected() != 0) {
            process->DeselectEndLand();
            Reselect(process);
        }
    }
    void Limit(const CKoutei& process) { m_step = std::min(m_step, SpareSeconds(process)); }

    std::int64_t Step() const { return m_step; }
    std::int64_t Gap() const { return m_gap; }
    CKoutei* Owner() const { return m_owner; }
    const std::vector<CKoutei*>& Moves() const { return m_moves; }
    const std::vector<CKoutei*>& Reselected() const { return m_reselect; }

private:
    CKoutei* m_owner;
    std::int64_t m_gap;
    std::int64_t m_step = std::numeric_limits<std::int32_t>::max();
    std::vector<CKoutei*> m_moves;
    std::unordered_set<const CKoutei*> m_onMoves;
    std::vector<CKoutei*> m_reselect;
};

// Elapsed to calendar: the owner stretches at its end to hold its duration and spare days again;
// processes ending with it give way by their spare days. FALSE when something cannot give way:
// the owner's end then stays.
bool OwnerStretch(RepairPass& pass, const KouteiContactIndex& index,
                  std::vector<CKoutei*>& candidates) {
    CKoutei* owner = pass.Owner();
    if (Extent(*owner) != owner->GetDuration() + owner->GetSpareDays()) {
        owner->DeselectStartLand();
        pass.Reselect(owner);
        pass.Move(owner);
    }
    int counted = 0;
    bool fallback = false;
    index.Candidates(*owner, candidates);
    for (CKoutei* other : candidates) {
        int ownPart = 0;
        int otherPart = 0;
        if (CTembraDoc::ContactKind(owner, other, TRUE, ownPart, otherPart) == 0) {
            continue;
        }
        if (ownPart == kContactEnd && otherPart == kContactEnd) {
            if (!HasSpare(*other)) {
                fallback = true;
                break;
            }
            pass.Limit(*other);
            pass.DeselectStart(other);
            pass.Move(other);
            ++counted;
        } else if (ownPart == kContactEnd && otherPart == kContactLine &&
                   (owner->GetEndLand()->GetSubStyle() & kRelationLand) != 0) {
            fallback = true;
            break;
        }
    }
    if (!fallback) {
        return true;
    }
    pass.DropMoves(counted);
    owner->DeselectEndLand();
    pass.Reselect(owner);
    return false;
}

// Walks from the successors without spare days to what hangs on them.
void SearchFollowers(RepairPass& pass, const KouteiContactIndex& index,
                     std::deque<CKoutei*>& search, std::vector<CKoutei*>& candidates) {
    while (!search.empty()) {
        CKoutei* x = search.front();
        search.pop_front();
        int countedMoves = 0;
        int countedSearch = 0;
        bool fallback = false;
        index.Candidates(*x, candidates);
        for (CKoutei* y : candidates) {
            int yPart = 0;
            int xPart = 0;
            if (y == pass.Owner() || CTembraDoc::ContactKind(y, x, TRUE, yPart, xPart) == 0) {
                continue;
            }
            if (yPart == kContactStart) {
                if (pass.OnMoves(y)) {
                    y->SelectStartLand();
                    continue;
                }
                if (HasSpare(*y) && pass.Gap() > 0) {
                    pass.DeselectEnd(y);
                    pass.Limit(*y);
                } else {
                    search.push_front(y);
                    ++countedSearch;
                }
                pass.Move(y);
                ++countedMoves;
                continue;
            }
            if (pass.OnMoves(y)) {
                y->SelectEndLand();
                continue;
            }
            if (pass.Gap() < 0) {
                if (!(yPart == kContactEnd && xPart == kContactEnd) || !HasSpare(*y)) {
                    fallback = true;
                    break;
                }
                pass.Limit(*y);
                pass.DeselectStart(y);
            }
            pass.Move(y);
            ++countedMoves;
        }
        if (fallback) {
            pass.DeselectEnd(x);
            for (; countedSearch > 0 && !search.empty(); --countedSearch) {
                search.pop_front();
            }
            pass.DropMoves(countedMoves);
        }
    }
}

} // namespace

void CTembraDoc::SaveKouteiSpans(const KouteiList& list, KouteiLinkList& links) {
    KouteiContactIndex index;
    index.Build(GetSelList(), ObList<CDataHeader>());
    std::vector<CKoutei*> candidates;
    links.clear();
    links.reserve(list.size());
    for (CKoutei* process : list) {
        auto link = std::make_unique<CKouteiLink>(process);
        index.Candidates(*process, candidates);
        for (CKoutei* other : candidates) {
            if (IsSameNode(*process, kContactEnd, *other, kContactStart)) {
                link->AddLink(other);
            }
        }
        links.push_back(std::move(link));
    }
}

void CTembraDoc::ConvertNobeReki(int mode, KouteiLinkList& links) {
    IKouteiDocument& seam = m_seams.Koutei();
    KouteiContactIndex index;
    std::vector<CKoutei*> candidates;
    for (std::unique_ptr<CKouteiLink>& record : links) {
        const std::unique_ptr<CKouteiLink> link = std::move(record);
        CKoutei* owner = link != nullptr ? link->GetKoutei() : nullptr;
        if (owner == nullptr) {
            continue;
        }
        std::int64_t gap = 0;
        const CKoutei* anchor = nullptr;
        if (mode == 0) {
            if (!link->GetLinks().empty()) {
                const CKoutei* first = link->GetLinks().front();
                if (first->GetStartTime() != owner->GetEndTime()) {
                    gap = (owner->GetEndTime() - first->GetStartTime()).GetTotalSeconds();
                    anchor = first;
                }
            }
        } else {
            const CTimeSpan wanted = owner->GetDuration() + owner->GetSpareDays();
            if (Extent(*owner) != wanted) {
                gap = (wanted - Extent(*owner)).GetTotalSeconds();
                anchor = owner;
            }
        }
        std::int64_t remaining = gap < 0 ? -gap : gap;
        while (anchor != nullptr && remaining > 0) {
            RepairPass pass(owner, gap);
            index.Build(GetSelList(), ObList<CDataHeader>());
            const bool successors = mode == 0 || OwnerStretch(pass, index, candidates);
            std::deque<CKoutei*> search;
            if (successors) {
                for (CKoutei* follower : link->GetLinks()) {
                    if (!HasSpare(*follower)) {
                        search.push_front(follower);
                    } else {
                        pass.DeselectEnd(follower);
                        pass.Limit(*follower);
                    }
                    pass.Move(follower);
                }
            }
            SearchFollowers(pass, index, search, candidates);

            std::int64_t step = pass.Step();
            if (remaining <= step) {
                step = remaining;
                remaining = 0;
            } else {
                remaining -= step;
            }
            const CTimeSpan offset(gap < 0 ? -step : step);
            CChartPos reference;
            reference.SetStartDate(anchor->GetStartTime());
            reference.SetStartRow(anchor->GetStartRow());
            reference.SetEndDate(anchor->GetEndTime());
            reference.SetEndRow(anchor->GetEndRow());
            reference.SetWord3(
                static_cast<WORD>(anchor->GetStartRow() + anchor->GetLines()->GetBendOffset()));
            reference.SetWord4(mode == 0 ? 1 : 0);
            for (CKoutei* moving : pass.Moves()) {
                if (moving->IsStartLandSelected() == 0 && moving->IsEndLandSelected() == 0) {
                    moving->SetSpareDays(CTimeSpan(std::max<std::int64_t>(step, 0)));
                } else {
                    moving->MoveBy(&seam, offset, 0, &reference, TRUE, FALSE, TRUE);
                }
            }
            for (CKoutei* process : pass.Reselected()) {
                process->Select();
            }
        }
    }
    links.clear();
}

} // namespace tembra
