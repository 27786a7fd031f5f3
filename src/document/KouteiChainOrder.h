// The processes of a chart as chains, recorded before a change of the day counting moves their
// dates: a process whose start node (date and row) is the end node of other processes follows
// them. The order puts every process after all it follows, so that a walk in that order can
// start each process where the latest of its predecessors ends (DayCountingChainRepair.cpp).
// Processes caught in a loop of such contacts (vertical lines that lead back to where they
// began, a point) and what follows them are left out of the order: they follow nothing.
//
// Built in time linear in the number of processes: the end nodes are hashed once, and a node
// that many processes end at and many start from is one entry, not one per pair.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tembra {

class CKoutei;

class KouteiChainOrder {
public:
    explicit KouteiChainOrder(const std::vector<CKoutei*>& processes);

    // Indexes into the processes given, each after every process it follows.
    const std::vector<std::size_t>& Order() const { return m_order; }
    // The processes (indexes) whose end node is the start node of process i (a process of the
    // order, which is never one of them itself).
    std::span<const std::size_t> PredecessorsOf(std::size_t i) const;

private:
    static constexpr std::uint32_t kNoNode = 0xFFFFFFFFu;

    // Per process: the node its start lies on (kNoNode: no process ends there).
    std::vector<std::uint32_t> m_startNode;
    // Per node, the processes that end there: m_enders[m_enderFrom[n] .. m_enderFrom[n + 1]).
    std::vector<std::uint32_t> m_enderFrom;
    std::vector<std::size_t> m_enders;
    std::vector<std::size_t> m_order;
};

} // namespace tembra
