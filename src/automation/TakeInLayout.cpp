#include "automation/TakeInLayout.h"

#include "document/KouteiContactKeys.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <numeric>
#include <utility>

namespace tembra {

namespace {

constexpr std::uint32_t kNone = 0xFFFFFFFFu;

// The records of one pass that stand on each row, by what they cover: a segment tree over the
// moments the pass's spans begin and end (two spans share a moment exactly when their ranges of
// those moments meet), kept for each row in which it holds something. A record lies in the nodes
// its range covers whole ("full") and passes through their ancestors ("part"); each node lists
// the records' places in the pass in ascending order, as they are added.
class PassRows {
public:
    explicit PassRows(std::size_t moments)
        : m_leaves(std::bit_ceil(std::max<std::size_t>(moments, 1))) {
        m_ids.Reset(64);
    }

    // The record at place in the pass, covering the moments first..last, stands on row.
    void Add(int row, std::uint32_t first, std::uint32_t last, std::uint32_t place) {
        AddAt(row, 1, 0, static_cast<std::uint32_t>(m_leaves - 1), first, last, place);
    }

    // The first record after the place after (kNone: any) that stands on row and covers one of
    // the moments first..last; kNone when there is none.
    std::uint32_t FirstMet(int row, std::uint32_t first, std::uint32_t last,
                           std::uint32_t after) const {
        const Query query{row, first, last, after};
        std::uint32_t best = kNone;
        Find(query, 1, 0, static_cast<std::uint32_t>(m_leaves - 1), best);
        return best;
    }

private:
    struct Lists {
        std::vector<std::uint32_t> full;
        std::vector<std::uint32_t> part;
    };
    struct Query {
        int row;
        std::uint32_t first;
        std::uint32_t last;
        std::uint32_t after;
    };

    static std::uint64_t Key(int row, std::size_t node) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(row)) << 32) | node;
    }

    Lists& ListsAt(int row, std::size_t node) {
        const auto [id, added] =
            m_ids.TryEmplace(Key(row, node), static_cast<std::uint32_t>(m_lists.size()));
        if (added) {
            m_lists.emplace_back();
        }
        return m_lists[*id];
    }

    void AddAt(int row, std::size_t node, std::uint32_t low, std::uint32_t high,
               std::uint32_t first, std::uint32_t last, std::uint32_t place) {
        Lists& lists = ListsAt(row, node);
        if (first <= low && high <= last) {
            lists.full.push_back(place);
            return;
        }
        lists.part.push_back(place);
        const std::uint32_t middle = low + (high - low) / 2;
        if (first <= middle) {
            AddAt(row, 2 * node, low, middle, first, last, place);
        }
        if (last > middle) {
            AddAt(row, 2 * node + 1, middle + 1, high, first, last, place);
        }
    }

    static void Earliest(const std::vector<std::uint32_t>& places, std::uint32_t after,
                         std::uint32_t& best) {
        const auto it =
            after == kNone ? places.begin() : std::upper_bound(places.begin(), places.end(), after);
        if (it != places.end()) {
            best = std::min(best, *it);
        }
    }

    // A node that meets the query's moments: its full records meet them; where the moments cover
    // the node, its part records do too, and below it nothing else.
    void Find(const Query& query, std::size_t node, std::uint32_t low, std::uint32_t high,
              std::uint32_t& best) const {
        const std::uint32_t* id = m_ids.Find(Key(query.row, node));
        if (id == nullptr) {
            return; // nothing on the row passes through the node
        }
        const Lists& lists = m_lists[*id];
        Earliest(lists.full, query.after, best);
        if (query.first <= low && high <= query.last) {
            Earliest(lists.part, query.after, best);
            return;
        }
        const std::uint32_t middle = low + (high - low) / 2;
        if (query.first <= middle) {
            Find(query, 2 * node, low, middle, best);
        }
        if (query.last > middle) {
            Find(query, 2 * node + 1, middle + 1, high, best);
        }
    }

    std::size_t m_leaves;
    KouteiKeyNumbers m_ids;
    std::vector<Lists> m_lists;
};

// One pass over the spans at the given indices. Returns the indices it moved, in the order in
// which each was first moved.
std::vector<std::uint32_t> RunPass(std::vector<TakeInSpan>& spans,
                                   const std::vector<std::uint32_t>& pass, int& highest) {
    std::vector<std::int64_t> moments;
    moments.reserve(2 * pass.size());
    for (const std::uint32_t index : pass) {
        moments.push_back(spans[index].start);
        moments.push_back(spans[index].end);
    }
    std::sort(moments.begin(), moments.end());
    moments.erase(std::unique(moments.begin(), moments.end()), moments.end());
    const auto momentOf = [&moments](std::int64_t value) {
        return static_cast<std::uint32_t>(std::lower_bound(moments.begin(), moments.end(), value) -
                                          moments.begin());
    };

    PassRows rows(moments.size());
    // Each moved record with the place of the record that first moved it.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> moved;
    for (std::uint32_t place = 0; place < pass.size(); ++place) {
        TakeInSpan& span = spans[pass[place]];
        const std::uint32_t first = momentOf(span.start);
        const std::uint32_t last = momentOf(span.end);
        // The records before it were placed for this pass: the first of them that it meets on
        // its row sends it a row down, where only those after that one can send it further.
        std::uint32_t after = kNone;
        std::uint32_t firstMover = kNone;
        while (true) {
            const std::uint32_t mover = rows.FirstMet(span.row, first, last, after);
            if (mover == kNone) {
                break;
            }
            firstMover = std::min(firstMover, mover);
            after = mover;
            ++span.row;
        }
        if (firstMover != kNone) {
            highest = std::max(highest, span.row);
            moved.emplace_back(firstMover, place);
        }
        rows.Add(span.row, first, last, place);
    }
    // Those that one record moved, in their order in the pass.
    std::stable_sort(moved.begin(), moved.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::uint32_t> next;
    next.reserve(moved.size());
    for (const auto& [mover, place] : moved) {
        next.push_back(pass[place]);
    }
    return next;
}

} // namespace

int LayOutTakeInSpans(std::vector<TakeInSpan>& spans, int lowest) {
    int highest = lowest;
    std::vector<std::uint32_t> pass(spans.size());
    std::iota(pass.begin(), pass.end(), 0u);
    while (!pass.empty()) {
        pass = RunPass(spans, pass, highest);
    }
    return highest;
}

} // namespace tembra
