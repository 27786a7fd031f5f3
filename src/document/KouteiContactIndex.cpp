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

constexpr std::array<int, 2> kNodeParts = {kContactStart, kContactEnd};

constexpr std::uint32_t kNoMore = 0xFFFFFFFFu;

// The date and the row of a node key.
CTime KeyDate(std::uint64_t key) {
    return CTime(static_cast<std::int64_t>(key >> 16));
}
int KeyRow(std::uint64_t key) {
    return static_cast<WORD>(key & 0xFFFF);
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

// ---- Index --------------------------------------------------------------------------------------

std::uint64_t KouteiContactIndex::NodeKey(const CKoutei& process, int part) {
    const CChartPos& pos = process.GetLines()->GetPos();
    const DWORD date = part == kContactStart ? pos.GetStartDateValue() : pos.GetEndDateValue();
    return (static_cast<std::uint64_t>(date) << 16) | static_cast<WORD>(NodeRow(process, part));
}

KouteiContactIndex::Reach KouteiContactIndex::ReachOf(const CKoutei& process) {
    return Reach{{NodeKey(process, kContactStart), NodeKey(process, kContactEnd)},
                 KouteiRunRow(process),
                 {IsRelationLand(process, kContactStart), IsRelationLand(process, kContactEnd)}};
}

void KouteiContactIndex::Add(CKoutei* process, POSITION pos) {
    const auto entry = static_cast<std::uint32_t>(m_entries.size());
    m_entries.push_back({process, pos, m_nextOrder++});
    const Reach added = ReachOf(*process);
    if (m_keepReach) {
        m_reaches.push_back(added);
    }
    *m_byProcess.TryEmplace(KouteiAddressKey(process), entry).first = entry;
    for (std::size_t i = 0; i < kNodeParts.size(); ++i) {
        const auto [last, isNew] = m_nodes.TryEmplace(added.nodes[i], kNoMore);
        // A process of no length has both nodes at one place: it stands there once.
        if (isNew || m_atNodes[*last].entry != entry) {
            m_atNodes.push_back({entry, *last});
            *last = static_cast<std::uint32_t>(m_atNodes.size() - 1);
        }
        if (added.relation[i]) {
            m_relationNodes[KeyRow(added.nodes[i])].push_back({KeyDate(added.nodes[i]), entry});
        }
    }
    if (added.run >= 0) {
        m_runs[added.run].push_back(entry);
    }
}

void KouteiContactIndex::Build(const ObList<CDataHeader>& first, const ObList<CDataHeader>& second,
                               bool keepReach) {
    m_entries.clear();
    m_reaches.clear();
    m_atNodes.clear();
    m_keepReach = keepReach;
    const auto count = static_cast<std::size_t>(first.GetCount() + second.GetCount());
    m_entries.reserve(count);
    if (keepReach) {
        m_reaches.reserve(count);
    }
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
    const std::uint32_t* entry = m_byProcess.Find(KouteiAddressKey(&process));
    return entry != nullptr ? *entry : m_entries.size();
}

void KouteiContactIndex::CandidateNumbers(const CKoutei& process,
                                          std::vector<std::uint32_t>& found) const {
    Collect(process, ReachOf(process), found);
}

void KouteiContactIndex::CandidateNumbersAt(std::size_t number,
                                            std::vector<std::uint32_t>& found) const {
    Collect(*m_entries[number].process, m_reaches[number], found);
}

void KouteiContactIndex::Collect(const CKoutei& process, const Reach& probe,
                                 std::vector<std::uint32_t>& found) const {
    found.clear();
    for (const std::uint64_t node : probe.nodes) {
        if (const std::uint32_t* last = m_nodes.Find(node)) {
            for (std::uint32_t at = *last; at != kNoMore; at = m_atNodes[at].next) {
                found.push_back(m_atNodes[at].entry);
            }
        }
    }
    // Relation nodes of others on this line's run.
    const int run = probe.run;
    if (const auto it = m_relationNodes.find(run); run >= 0 && it != m_relationNodes.end()) {
        const std::vector<Dated>& nodes = it->second;
        const CTime start = KeyDate(probe.nodes[0]);
        const CTime end = KeyDate(probe.nodes[1]);
        auto node = std::upper_bound(
            nodes.begin(), nodes.end(), start,
            [](const CTime& date, const Dated& dated) { return date < dated.date; });
        for (; node != nodes.end() && node->date < end; ++node) {
            found.push_back(node->entry);
        }
    }
    // Lines whose run this process's relation nodes lie on.
    for (std::size_t i = 0; i < kNodeParts.size(); ++i) {
        if (!probe.relation[i]) {
            continue;
        }
        if (const auto it = m_runs.find(KeyRow(probe.nodes[i])); it != m_runs.end()) {
            for (const std::uint32_t entry : it->second) {
                if (TouchesLine(process, kNodeParts[i], *m_entries[entry].process)) {
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
    const std::uint32_t* entry = m_byProcess.Find(KouteiAddressKey(process));
    return entry != nullptr ? m_entries[*entry].pos : nullptr;
}

void KouteiContactIndex::MovedTo(const CKoutei* process, POSITION pos) {
    if (const std::uint32_t* entry = m_byProcess.Find(KouteiAddressKey(process))) {
        m_entries[*entry].pos = pos;
        m_entries[*entry].order = m_nextOrder++;
    }
}

} // namespace tembra
