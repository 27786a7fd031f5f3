#include "document/KouteiContactIndex.h"

#include "document/RecordCast.h"

#include <algorithm>

namespace tembra {

namespace {

const CLand* LandOf(const CKoutei& process, int part) {
    return part == kContactStart ? process.GetStartLand() : process.GetEndLand();
}

CTime NodeDate(const CKoutei& process, int part) {
    return part == kContactStart ? process.GetStartTime() : process.GetEndTime();
}

int NodeRow(const CKoutei& process, int part) {
    return part == kContactStart ? process.GetStartRow() : process.GetEndRow();
}

bool IsRelationLand(const CKoutei& process, int part) {
    return (LandOf(process, part)->GetSubStyle() & kRelationLand) != 0;
}

constexpr int kNodeParts[] = {kContactStart, kContactEnd};

constexpr std::uint32_t kNoMore = 0xFFFFFFFFu;

std::uint64_t ProcessKey(const CKoutei* process) {
    return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(process));
}

} // namespace

int KouteiRunRow(const CKoutei& process) {
    switch (process.GetLineShape()) {
    case kLineShapeElbowVH:
        return process.GetEndRow();
    case kLineShapeElbowHV:
        return process.GetStartRow();
    case kLineShapeGate:
        return process.GetBendRow();
    default:
        return process.GetStartRow() == process.GetEndRow() ? process.GetStartRow() : -1;
    }
}

bool IsSameNode(const CKoutei& a, int partA, const CKoutei& b, int partB) {
    return NodeDate(a, partA) == NodeDate(b, partB) && NodeRow(a, partA) == NodeRow(b, partB);
}

bool TouchesLine(const CKoutei& owner, int part, const CKoutei& line) {
    if (!IsRelationLand(owner, part)) {
        return false;
    }
    const int run = KouteiRunRow(line);
    const CTime date = NodeDate(owner, part);
    return run >= 0 && NodeRow(owner, part) == run && line.GetStartTime() < date &&
           date < line.GetEndTime();
}

// ---- Numbers by key
// ------------------------------------------------------------------------------

void KouteiContactIndex::KeyNumbers::Reset(std::size_t expected) {
    // Filled up to three quarters at most: small enough to stay in the cache for long chains.
    std::size_t size = 16;
    while (3 * size < 4 * expected) {
        size *= 2;
    }
    m_slots.assign(size, Slot{});
    m_used = 0;
}

std::size_t KouteiContactIndex::KeyNumbers::SlotOf(std::uint64_t key) const {
    // Fibonacci hashing spreads dates, rows and addresses alike over the slots.
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & mask;
    while (m_slots[slot].used && m_slots[slot].key != key) {
        slot = (slot + 1) & mask;
    }
    return slot;
}

void KouteiContactIndex::KeyNumbers::Grow() {
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.size() * 2, Slot{});
    for (const Slot& slot : old) {
        if (slot.used) {
            m_slots[SlotOf(slot.key)] = slot;
        }
    }
}

std::pair<std::uint32_t*, bool> KouteiContactIndex::KeyNumbers::TryEmplace(std::uint64_t key,
                                                                           std::uint32_t number) {
    if (m_slots.empty()) {
        Reset(0);
    }
    if (4 * (m_used + 1) > 3 * m_slots.size()) {
        Grow();
    }
    Slot& slot = m_slots[SlotOf(key)];
    if (slot.used) {
        return {&slot.number, false};
    }
    slot = Slot{key, number, true};
    ++m_used;
    return {&slot.number, true};
}

const std::uint32_t* KouteiContactIndex::KeyNumbers::Find(std::uint64_t key) const {
    if (m_slots.empty()) {
        return nullptr;
    }
    const Slot& slot = m_slots[SlotOf(key)];
    return slot.used ? &slot.number : nullptr;
}

// ---- Index --------------------------------------------------------------------------------------

std::uint64_t KouteiContactIndex::NodeKey(const CKoutei& process, int part) {
    const CChartPos& pos = process.GetLines()->GetPos();
    const DWORD date = part == kContactStart ? pos.GetStartDateValue() : pos.GetEndDateValue();
    return (static_cast<std::uint64_t>(date) << 16) | static_cast<WORD>(NodeRow(process, part));
}

void KouteiContactIndex::Add(CKoutei* process, POSITION pos) {
    const auto entry = static_cast<std::uint32_t>(m_entries.size());
    m_entries.push_back({process, pos, m_nextOrder++});
    *m_byProcess.TryEmplace(ProcessKey(process), entry).first = entry;
    for (const int part : kNodeParts) {
        const auto [last, added] = m_nodes.TryEmplace(NodeKey(*process, part), kNoMore);
        // A process of no length has both nodes at one place: it stands there once.
        if (added || m_atNodes[*last].entry != entry) {
            m_atNodes.push_back({entry, *last});
            *last = static_cast<std::uint32_t>(m_atNodes.size() - 1);
        }
        if (IsRelationLand(*process, part)) {
            m_relationNodes[NodeRow(*process, part)].push_back({NodeDate(*process, part), entry});
        }
    }
    if (const int run = KouteiRunRow(*process); run >= 0) {
        m_runs[run].push_back(entry);
    }
}

void KouteiContactIndex::Build(const ObList<CDataHeader>& first,
                               const ObList<CDataHeader>& second) {
    m_entries.clear();
    m_atNodes.clear();
    const auto count = static_cast<std::size_t>(first.GetCount() + second.GetCount());
    m_entries.reserve(count);
    m_byProcess.Reset(count);
    m_nodes.Reset(count); // a chain shares its nodes; charts of loose processes make it grow
    m_atNodes.reserve(2 * count);
    m_relationNodes.clear();
    m_runs.clear();
    m_nextOrder = 0;
    for (const ObList<CDataHeader>* list : {&first, &second}) {
        for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
            const POSITION current = pos;
            if (CKoutei* process = AsKoutei(list->GetNext(pos))) {
                Add(process, current);
            }
        }
    }
    for (auto& [row, nodes] : m_relationNodes) {
        std::sort(nodes.begin(), nodes.end(),
                  [](const Dated& a, const Dated& b) { return a.date < b.date; });
    }
}

void KouteiContactIndex::Candidates(const CKoutei& process, std::vector<CKoutei*>& out) const {
    std::vector<std::uint32_t> found;
    CandidateNumbers(process, found);
    out.clear();
    for (const std::uint32_t entry : found) {
        out.push_back(m_entries[entry].process);
    }
}

std::size_t KouteiContactIndex::NumberOf(const CKoutei& process) const {
    const std::uint32_t* entry = m_byProcess.Find(ProcessKey(&process));
    return entry != nullptr ? *entry : m_entries.size();
}

void KouteiContactIndex::CandidateNumbers(const CKoutei& process,
                                          std::vector<std::uint32_t>& found) const {
    found.clear();
    for (const int part : kNodeParts) {
        if (const std::uint32_t* last = m_nodes.Find(NodeKey(process, part))) {
            for (std::uint32_t at = *last; at != kNoMore; at = m_atNodes[at].next) {
                found.push_back(m_atNodes[at].entry);
            }
        }
    }
    // Relation nodes of others on this line's run.
    const int run = KouteiRunRow(process);
    if (const auto it = m_relationNodes.find(run); run >= 0 && it != m_relationNodes.end()) {
        const std::vector<Dated>& nodes = it->second;
        auto node = std::upper_bound(
            nodes.begin(), nodes.end(), process.GetStartTime(),
            [](const CTime& date, const Dated& dated) { return date < dated.date; });
        for (; node != nodes.end() && node->date < process.GetEndTime(); ++node) {
            found.push_back(node->entry);
        }
    }
    // Lines whose run this process's relation nodes lie on.
    for (const int part : kNodeParts) {
        if (!IsRelationLand(process, part)) {
            continue;
        }
        if (const auto it = m_runs.find(NodeRow(process, part)); it != m_runs.end()) {
            for (const std::uint32_t entry : it->second) {
                if (TouchesLine(process, part, *m_entries[entry].process)) {
                    found.push_back(entry);
                }
            }
        }
    }

    std::sort(found.begin(), found.end(), [this](std::uint32_t a, std::uint32_t b) {
        return m_entries[a].order < m_entries[b].order;
    });
    found.erase(std::unique(found.begin(), found.end()), found.end());
    std::erase_if(found, [&](std::uint32_t entry) { return m_entries[entry].process == &process; });
}

POSITION KouteiContactIndex::PositionOf(const CKoutei* process) const {
    const std::uint32_t* entry = m_byProcess.Find(ProcessKey(process));
    return entry != nullptr ? m_entries[*entry].pos : nullptr;
}

void KouteiContactIndex::MovedTo(const CKoutei* process, POSITION pos) {
    if (const std::uint32_t* entry = m_byProcess.Find(ProcessKey(process))) {
        m_entries[*entry].pos = pos;
        m_entries[*entry].order = m_nextOrder++;
    }
}

} // namespace tembra
