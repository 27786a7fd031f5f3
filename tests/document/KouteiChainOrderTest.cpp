// The chains a change of the day counting repairs: who follows whom by a shared node, in an order
// that puts every process after all it follows, loops left out.
#include "document/KouteiChainOrder.h"

#include "KouteiChainFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tembra::test {
namespace {

class KouteiChainOrderTest : public KouteiChainFixture {
protected:
    struct Chart {
        std::vector<std::unique_ptr<CKoutei>> owned;
        std::vector<CKoutei*> processes;
        std::map<std::string, std::size_t> index;
    };
    Chart Make(const std::vector<KouteiPlan>& plans) {
        Chart chart;
        for (const KouteiPlan& plan : plans) {
            chart.index[plan.name] = chart.owned.size();
            chart.owned.push_back(MakeKoutei(doc, plan));
            chart.processes.push_back(chart.owned.back().get());
        }
        return chart;
    }
};

TEST_F(KouteiChainOrderTest, EachProcessFollowsWhatEndsAtItsStart) {
    // A and B end at the node (day 4, row 1) where C and D start; E leaves C's end for row 2;
    // F starts on A's row at day 4 but on another row than the node. G and H make a loop of
    // vertical lines between rows 5 and 6, and I follows it.
    const Chart chart = Make({
        {"C", 4, 8, 1, 1},
        {"A", 0, 4, 1, 1},
        {"E", 8, 10, 1, 2},
        {"B", 2, 4, 3, 1},
        {"D", 4, 6, 1, 1},
        {"F", 4, 7, 0, 0},
        {"G", 12, 12, 5, 6},
        {"H", 12, 12, 6, 5},
        {"I", 12, 14, 5, 5},
    });
    const KouteiChainOrder chains(chart.processes);
    std::vector<std::string> order;
    std::map<std::string, std::size_t> place;
    for (const std::size_t i : chains.Order()) {
        for (const auto& [name, at] : chart.index) {
            if (at == i) {
                place[name] = order.size();
                order.push_back(name);
            }
        }
    }
    EXPECT_EQ(std::set<std::string>(order.begin(), order.end()),
              (std::set<std::string>{"A", "B", "C", "D", "E", "F"}))
        << "the loop and what follows it are left out";
    for (const auto& [later, earlier] : std::vector<std::pair<std::string, std::string>>{
             {"C", "A"}, {"C", "B"}, {"D", "A"}, {"D", "B"}, {"E", "C"}}) {
        EXPECT_LT(place.at(earlier), place.at(later)) << earlier << " before " << later;
    }
    const auto predecessors = [&](const std::string& name) {
        std::set<std::string> names;
        for (const std::size_t p : chains.PredecessorsOf(chart.index.at(name))) {
            for (const auto& [other, at] : chart.index) {
                if (at == p) {
                    names.insert(other);
                }
            }
        }
        return names;
    };
    EXPECT_EQ(predecessors("C"), (std::set<std::string>{"A", "B"}));
    EXPECT_EQ(predecessors("D"), (std::set<std::string>{"A", "B"}));
    EXPECT_EQ(predecessors("E"), (std::set<std::string>{"C"}));
    EXPECT_TRUE(predecessors("A").empty());
    EXPECT_TRUE(predecessors("F").empty());
}

} // namespace
} // namespace tembra::test
