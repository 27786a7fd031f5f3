// Where processes meet. A node of one process meets another process at one of its nodes (same date
// and row) or, when it is a relation node, anywhere on the horizontal run of its line. The chain
// operations of the document ask, for one process, which others meet it; the index answers from
// the few processes placed where they could, so that a walk along a chain costs time in proportion
// to the chain, not to the chart.
#pragma once

#include "document/KouteiContactKeys.h"
#include "document/ObList.h"
#include "model/DataHeader.h"
#include "model/Koutei.h"
#include "platform/Types.h"

#include <array>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tembra {

// The parts of a process that meet, as the contact operations name them.
enum : int { kContactStart = 1, kContactEnd = 2, kContactLine = 0x10 };

// The bit of a node's second attribute word that makes it a relation node: one that links the
// process to another whose line it lies on.
constexpr WORD kRelationLand = 0x0080;

// The row of a line's horizontal run: the end row of an elbow that drops first (shape 2), the
// start row of one that runs first (3), the bend row of a gate (6), the row of a line that keeps
// its row; -1 for any other line, which has no run a node could lie on.
int KouteiRunRow(const CKoutei& process);

// Node partA of a and node partB of b (kContactStart or kContactEnd) lie at the same date and row.
bool IsSameNode(const CKoutei& a, int partA, const CKoutei& b, int partB);

// The node part of owner is a relation node lying on the line of line: its date strictly between
// the line's start and end dates, its row the line's run row.
bool TouchesLine(const CKoutei& owner, int part, const CKoutei& line);

class KouteiContactIndex {
public:
    // Indexes the processes of the two lists, first those of first, in list order. The index
    // reads the dates and rows as they are now: after a move it must be built again.
    // keepReach keeps with each process what tells where it meets others, for the questions
    // by number below; an index asked only with processes does without, which keeps its
    // entries small.
    void Build(const ObList<CDataHeader>& first, const ObList<CDataHeader>& second,
               bool keepReach = false);

    // Every indexed process but process itself that has a node where one of its nodes is, a
    // relation node on its line's run, or its run under one of its relation nodes: all that can
    // meet it, each once, in index order.
    void Candidates(const CKoutei& process, std::vector<CKoutei*>& out) const;
    // The same by their numbers: the indexed processes are numbered from 0 in the order they
    // were indexed.
    void CandidateNumbers(const CKoutei& process, std::vector<std::uint32_t>& out) const;
    // The same for the indexed process of that number, as it was indexed: from what the index
    // took of it, without reading the process again. Only of an index that keeps reaches.
    void CandidateNumbersAt(std::size_t number, std::vector<std::uint32_t>& out) const;

    std::size_t Count() const { return m_entries.size(); }
    // The number of an indexed process; Count() for any other.
    std::size_t NumberOf(const CKoutei& process) const;
    CKoutei* ProcessAt(std::size_t number) const { return m_entries[number].process; }
    // The node part (kContactStart or kContactEnd) of an indexed process as it was indexed, as a
    // key that two nodes share when they lie at the same date and row: comparing keys spares a
    // walk over many processes reading each one it passes. Only of an index that keeps reaches.
    std::uint64_t NodeKeyAt(std::size_t number, int part) const {
        return m_reaches[number].nodes[part == kContactStart ? 0 : 1];
    }

    // The list position the process had when it was indexed or was last moved (null when it
    // is not indexed).
    POSITION PositionOf(const CKoutei* process) const;
    // The process now stands at pos at the end of a list: it comes last in index order.
    void MovedTo(const CKoutei* process, POSITION pos);

private:
    // What tells where a process meets others.
    struct Reach {
        // The keys of its start and end nodes.
        std::array<std::uint64_t, 2> nodes;
        // KouteiRunRow, and whether its start and end nodes are relation nodes.
        int run;
        std::array<bool, 2> relation;
    };
    struct Entry {
        CKoutei* process;
        POSITION pos;
        std::uint64_t order;
    };
    struct Dated {
        CTime date;
        std::uint32_t entry;
    };

    // An entry standing at a node, and the next one standing at the same node.
    struct AtNode {
        std::uint32_t entry;
        std::uint32_t next;
    };

    void Add(CKoutei* process, POSITION pos);
    static Reach ReachOf(const CKoutei& process);
    // What the process meets, from its reach as indexed or as it is now.
    void Collect(const CKoutei& process, const Reach& reach,
                 std::vector<std::uint32_t>& found) const;
    static std::uint64_t NodeKey(const CKoutei& process, int part);

    std::vector<Entry> m_entries;
    // Each entry's reach, when the index keeps them.
    std::vector<Reach> m_reaches;
    bool m_keepReach = false;
    KouteiKeyNumbers m_byProcess;
    // Entries by the date and row of each of their nodes: the last to come at each node, from
    // which the others there are linked in m_atNodes (one array rather than a list per node,
    // which a chart of many processes would allocate one by one).
    KouteiKeyNumbers m_nodes;
    std::vector<AtNode> m_atNodes;
    // Relation nodes by their row, sorted by date.
    std::unordered_map<int, std::vector<Dated>> m_relationNodes;
    // Lines by the row of their run.
    std::unordered_map<int, std::vector<std::uint32_t>> m_runs;
    std::uint64_t m_nextOrder = 0;
};

} // namespace tembra
