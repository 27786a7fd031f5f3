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

void KouteiContactIndex::Add(CKoutei* process, POSITION pos) {
    const auto entry = static_cast<std::uint32_t>(m_entries.size());
    m_entries.push_back({process, pos, m_nextOrder++});
    m_byProcess[process] = entry;
    for (const int part : kNodeParts) {
        std::vector<std::uint32_t>& bucket = m_nodes[NodeKey(*process, part)];
        // A process of no length has both nodes at one place: it stands there once.
        if (bucket.empty() || bucket.back() != entry) {
            bucket.push_back(entry);
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
    m_byProcess.clear();
    m_nodes.clear();
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
    out.clear();
    std::vector<std::uint32_t> found;
    for (const int part : kNodeParts) {
        if (const auto it = m_nodes.find(NodeKey(process, part)); it != m_nodes.end()) {
            found.insert(found.end(), it->second.begin(), it->second.end());
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
    for (const std::uint32_t entry : found) {
        if (m_entries[entry].process != &process) {
            out.push_back(m_entries[entry].process);
        }
    }
}

POSITION KouteiContactIndex::PositionOf(const CKoutei* process) const {
    const auto it = m_byProcess.find(process);
    return it != m_byProcess.end() ? m_entries[it->second].pos : nullptr;
}

void KouteiContactIndex::MovedTo(const CKoutei* process, POSITION pos) {
    if (const auto it = m_byProcess.find(process); it != m_byProcess.end()) {
        m_entries[it->second].pos = pos;
        m_entries[it->second].order = m_nextOrder++;
    }
}

} // namespace tembra
