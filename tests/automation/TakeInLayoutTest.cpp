// The layout of taken-in records against the rule done record by record, on random charts: the
// rows, the highest row and so the list order come out the same.
#include "automation/TakeInLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <random>
#include <unordered_set>
#include <vector>

namespace tembra {
namespace {

// The rule as it reads: every record of a pass compared with every later one. Counts the passes.
int LayOutPairwise(std::vector<TakeInSpan>& spans, int highest, int& passes) {
    std::vector<std::size_t> pass(spans.size());
    for (std::size_t i = 0; i < pass.size(); ++i) {
        pass[i] = i;
    }
    for (passes = 0; !pass.empty(); ++passes) {
        std::vector<std::size_t> moved;
        std::unordered_set<std::size_t> noted;
        for (std::size_t i = 0; i < pass.size(); ++i) {
            const TakeInSpan taken = spans[pass[i]];
            for (std::size_t j = i + 1; j < pass.size(); ++j) {
                TakeInSpan& other = spans[pass[j]];
                if (other.row == taken.row && taken.start <= other.end &&
                    other.start <= taken.end) {
                    other.row = taken.row + 1;
                    highest = std::max(highest, other.row);
                    if (noted.insert(pass[j]).second) {
                        moved.push_back(pass[j]);
                    }
                }
            }
        }
        pass = std::move(moved);
    }
    return highest;
}

struct Chart {
    int records;
    int days;     // the starts lie in so many days
    int longest;  // a span covers up to so many days after its start
    int rows;     // the records start on so many rows
    bool seconds; // the moments are not whole days
    int rounds = 6;
};

std::vector<TakeInSpan> RandomSpans(const Chart& chart, std::mt19937& random) {
    constexpr std::int64_t kDay = 86400;
    const std::int64_t unit = chart.seconds ? 1 : kDay;
    std::uniform_int_distribution<std::int64_t> start(0, chart.days * kDay / unit);
    std::uniform_int_distribution<std::int64_t> length(0, chart.longest * kDay / unit);
    std::uniform_int_distribution<int> row(0, chart.rows - 1);
    std::vector<TakeInSpan> spans;
    for (int i = 0; i < chart.records; ++i) {
        const std::int64_t first = 1262304000 + start(random) * unit;
        spans.push_back({first, first + length(random) * unit, 3 + row(random)});
    }
    return spans;
}

TEST(TakeInLayoutTest, PlacesEveryRecordAsThePairwiseRuleDoes) {
    const Chart charts[] = {
        {1, 5, 3, 1, false},
        {2, 1, 0, 1, false},
        {12, 4, 2, 1, false},
        {40, 10, 3, 1, false},
        {40, 10, 3, 3, false},
        {60, 30, 12, 2, false},
        {150, 20, 5, 1, false},
        {150, 60, 20, 4, false},
        {200, 3, 1, 1, false},
        {300, 365, 4, 1, false},
        {300, 60, 30, 6, false},
        {150, 2, 2, 1, true},
        {300, 40, 10, 3, true},
        // Most of them meet each other: over a thousand rows of a thousand moments each.
        {1100, 1, 4, 1, true, 1},
    };
    std::mt19937 random(20270315);
    int mostPasses = 0;
    for (const Chart& chart : charts) {
        for (int round = 0; round < chart.rounds; ++round) {
            const std::vector<TakeInSpan> given = RandomSpans(chart, random);
            std::vector<TakeInSpan> expected = given;
            std::vector<TakeInSpan> actual = given;
            const int lowest = round % 3 == 0 ? 40 : 3;
            int passes = 0;
            const int expectedHighest = LayOutPairwise(expected, lowest, passes);
            mostPasses = std::max(mostPasses, passes);
            ASSERT_EQ(LayOutTakeInSpans(actual, lowest), expectedHighest)
                << chart.records << " records, round " << round;
            for (std::size_t i = 0; i < given.size(); ++i) {
                ASSERT_EQ(actual[i].row, expected[i].row)
                    << "record " << i << " of " << chart.records << ", round " << round;
                ASSERT_EQ(actual[i].start, given[i].start);
                ASSERT_EQ(actual[i].end, given[i].end);
            }
        }
    }
    // The charts reach passes that order the records by what moved them first.
    EXPECT_GE(mostPasses, 4);
}

} // namespace
} // namespace tembra
