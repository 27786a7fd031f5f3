// Where the records a client takes in go so that they stand apart: the rows of the client's
// AdjustTakeInData, worked out on the records' spans alone.
//
// The rule is one of passes. A pass takes its records in order; every later record of the pass
// that lies on the taken one's row, and whose span shares a moment with the taken one's, goes one
// row below the taken one. The records a pass moved run another pass among themselves, in the
// order in which each was first moved; the passes end when one moves nothing. (So a record that
// was never moved may still share a row with one that was.)
//
// Done record by record the rule compares every pair of a pass. Here each record asks, row after
// row, for the first record before it that it meets there, from an index of the spans by row:
// O((n + m) log² n) for n records that are moved m rows down in all.
#pragma once

#include <cstdint>
#include <vector>

namespace tembra {

// One taken-in record: the first and the last moment it covers (end not before start) and its
// row.
struct TakeInSpan {
    std::int64_t start = 0;
    std::int64_t end = 0;
    int row = 0;
};

// Moves the spans' rows as the passes do. Returns the higher of lowest and the highest row a
// moved span came to.
int LayOutTakeInSpans(std::vector<TakeInSpan>& spans, int lowest);

} // namespace tembra
