#include "document/KouteiChainOrder.h"

#include "model/Koutei.h"

#include <unordered_map>

namespace tembra {

namespace {

// A node: a date (32-bit seconds in the files) and a row.
std::uint64_t NodeKey(const CTime& date, WORD row) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(date.GetTime())) << 16) | row;
}

} // namespace

KouteiChainOrder::KouteiChainOrder(const std::vector<CKoutei*>& processes) {
    const std::size_t count = processes.size();
    // The end nodes, numbered in the order first met.
    std::unordered_map<std::uint64_t, std::uint32_t> nodes;
    nodes.reserve(count);
    std::vector<std::uint32_t> endNode(count);
    for (std::size_t i = 0; i < count; ++i) {
        const CKoutei& process = *processes[i];
        const auto [it, added] =
            nodes.try_emplace(NodeKey(process.GetEndTime(), process.GetEndRow()),
                              static_cast<std::uint32_t>(nodes.size()));
        endNode[i] = it->second;
    }
    const std::size_t nodeCount = nodes.size();

    // The processes ending at each node, and those starting there.
    m_enderFrom.assign(nodeCount + 1, 0);
    for (const std::uint32_t node : endNode) {
        ++m_enderFrom[node + 1];
    }
    m_startNode.assign(count, kNoNode);
    std::vector<std::uint32_t> starterFrom(nodeCount + 1, 0);
    for (std::size_t i = 0; i < count; ++i) {
        const CKoutei& process = *processes[i];
        const auto it = nodes.find(NodeKey(process.GetStartTime(), process.GetStartRow()));
        if (it != nodes.end()) {
            m_startNode[i] = it->second;
            ++starterFrom[it->second + 1];
        }
    }
    for (std::size_t n = 0; n < nodeCount; ++n) {
        m_enderFrom[n + 1] += m_enderFrom[n];
        starterFrom[n + 1] += starterFrom[n];
    }
    m_enders.resize(count);
    std::vector<std::size_t> starters(starterFrom[nodeCount]);
    {
        std::vector<std::uint32_t> enderNext(m_enderFrom.begin(), m_enderFrom.end() - 1);
        std::vector<std::uint32_t> starterNext(starterFrom.begin(), starterFrom.end() - 1);
        for (std::size_t i = 0; i < count; ++i) {
            m_enders[enderNext[endNode[i]]++] = i;
            if (m_startNode[i] != kNoNode) {
                starters[starterNext[m_startNode[i]]++] = i;
            }
        }
    }

    // A process is ready when every process ending at its start node has its place; a node is
    // done when the last of them has.
    std::vector<std::uint32_t> waiting(nodeCount);
    for (std::size_t n = 0; n < nodeCount; ++n) {
        waiting[n] = m_enderFrom[n + 1] - m_enderFrom[n];
    }
    m_order.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (m_startNode[i] == kNoNode) {
            m_order.push_back(i);
        }
    }
    for (std::size_t next = 0; next < m_order.size(); ++next) {
        const std::uint32_t node = endNode[m_order[next]];
        if (--waiting[node] == 0) {
            for (std::uint32_t s = starterFrom[node]; s < starterFrom[node + 1]; ++s) {
                m_order.push_back(starters[s]);
            }
        }
    }
}

std::span<const std::size_t> KouteiChainOrder::PredecessorsOf(std::size_t i) const {
    const std::uint32_t node = i < m_startNode.size() ? m_startNode[i] : kNoNode;
    if (node == kNoNode) {
        return {};
    }
    return std::span<const std::size_t>(m_enders).subspan(m_enderFrom[node], m_enderFrom[node + 1] -
                                                                                 m_enderFrom[node]);
}

} // namespace tembra
