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
// its range covers whole ("full") and passes through their ancestors ("part"). Each node of a row
// keeps the places in the pass of its records in two lists, ascending as they are added.
//
// A row finds its nodes in a table of its own: an array over every node while the rows' arrays
// stay small, a hash table beyond (many rows and many moments), so that no chart can make the
// arrays outgrow the records.
class PassRows {
public:
    PassRows(std::size_t moments, int lowestRow, std::size_t rows)
        : m_leaves(std::bit_ceil(std::max<std::size_t>(moments, 1))), m_lowestRow(lowestRow),
          m_rowOf(rows, kNone) {}

    // The record at place in the pass, covering the moments first..last, stands on row.
    void Add(int row, std::uint32_t first, std::uint32_t last, std::uint32_t place) {
        std::uint32_t& id = m_rowOf[static_cast<std::size_t>(row - m_lowestRow)];
        if (id == kNone) {
            id = static_cast<std::uint32_t>(m_rows.size());
            m_rows.push_back(NewRow());
        }
        AddAt(m_rows[id], 1, 0, static_cast<std::uint32_t>(m_leaves - 1), first, last, place);
    }

    // The first record after the place after (kNone: any) that stands on row and covers one of
    // the moments first..last; kNone when there is none.
    std::uint32_t FirstMet(int row, std::uint32_t first, std::uint32_t last,
                           std::uint32_t after) const {
        const std::uint32_t id = m_rowOf[static_cast<std::size_t>(row - m_lowestRow)];
        if (id == kNone) {
            return kNone;
        }
        const Query query{&m_rows[id], first, last, after};
        std::uint32_t best = kNone;
        Find(query, 1, 0, static_cast<std::uint32_t>(m_leaves - 1), best);
        return best;
    }

private:
    // Rows keep arrays over their nodes up to this many array slots in all.
    static constexpr std::size_t kArraySlots = std::size_t{1} << 22;

    struct Lists {
        std::vector<std::uint32_t> full;
        std::vector<std::uint32_t> part;
    };
    struct Row {
        std::vector<std::uint32_t> array; // empty: the row uses ids
        KouteiKeyNumbers ids;
    };
    struct Query {
        const Row* row;
        std::uint32_t first;
        std::uint32_t last;
        std::uint32_t after;
    };

    Row NewRow() {
        Row row;
        if (m_arraySlots + 2 * m_leaves <= kArraySlots) {
            row.array.assign(2 * m_leaves, kNone);
            m_arraySlots += 2 * m_leaves;
        } else {
            row.ids.Reset(16);
        }
        return row;
    }

    Lists& ListsAt(Row& row, std::size_t node) {
        const auto added = static_cast<std::uint32_t>(m_lists.size());
        if (!row.array.empty()) {
            std::uint32_t& id = row.array[node];
            if (id == kNone) {
                id = added;
                m_lists.emplace_back();
            }
            return m_lists[id];
        }
        const auto [id, isNew] = row.ids.TryEmplace(node, added);
        if (isNew) {
            m_lists.emplace_back();
        }
        return m_lists[*id];
    }
    const Lists* ListsAt(const Row& row, std::size_t node) const {
        if (!row.array.empty()) {
            const std::uint32_t id = row.array[node];
            return id != kNone ? &m_lists[id] : nullptr;
        }
        const std::uint32_t* id = row.ids.Find(node);
        return id != nullptr ? &m_lists[*id] : nullptr;
    }

    void AddAt(Row& row, std::size_t node, std::uint32_t low, std::uint32_t high,
               std::uint32_t first, std::uint32_t last, std::uint32_t place) {
        if (first <= low && high <= last) {
            ListsAt(row, node).full.push_back(place);
            return;
        }
        ListsAt(row, node).part.push_back(place);
        const std::uint32_t middle = low + (high - low) / 2;
        if (first <= middle) {
            AddAt(row, 2 * node, low, middle, first, last, place);
        }
        if (last > middle) {
            AddAt(row, 2 * node + 1, middle + 1, high, first, last, place);
        }
    }

    // The first place of the list after the place after: the places are in ascending order.
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
        const Lists* lists = ListsAt(*query.row, node);
        if (lists == nullptr) {
            return; // nothing on the row passes through the node
        }
        Earliest(lists->full, query.after, best);
        if (query.first <= low && high <= query.last) {
            Earliest(lists->part, query.after, best);
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
    int m_lowestRow;
    // For each row from the lowest on, its place in m_rows (kNone: nothing on it yet).
    std::vector<std::uint32_t> m_rowOf;
    std::vector<Row> m_rows;
    std::size_t m_arraySlots = 0;
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

    // A record goes at most one row down for each record before it in the pass.
    const auto [lowest, highestStart] =
        std::minmax_element(pass.begin(), pass.end(), [&spans](std::uint32_t a, std::uint32_t b) {
            return spans[a].row < spans[b].row;
        });
    const int lowestRow = spans[*lowest].row;
    const std::size_t rowCount =
        static_cast<std::size_t>(spans[*highestStart].row - lowestRow) + pass.size() + 1;
    PassRows rows(moments.size(), lowestRow, rowCount);
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
