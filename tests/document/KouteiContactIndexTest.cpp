// The contact index against the contact rule itself: over crowded random charts every process that
// meets another must be among that one's candidates.
#include "document/KouteiContactIndex.h"
#include "KouteiChainFixture.h"
#include "document/KouteiChains.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace tembra {
namespace {

using test::KouteiChainFixture;
using test::KouteiPlan;

class KouteiContactIndexTest : public KouteiChainFixture {
protected:
    // count processes crowded into a few days and rows, with every line shape, bends both ways,
    // processes of no length and relation nodes; the first half in one list, the rest in the other.
    void MakeChart(unsigned seed, int count) {
        std::mt19937 random(seed);
        const auto pick = [&random](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        const WORD shapes[] = {kLineShapePlain,   kLineShapeStraight, kLineShapeElbowVH,
                               kLineShapeElbowHV, kLineShapeCrank,    kLineShapeGate};
        for (int n = 0; n < count; ++n) {
            KouteiPlan plan;
            plan.startDay = pick(0, 8);
            plan.endDay = pick(0, 3) == 0 ? plan.startDay : pick(0, 8);
            plan.startRow = pick(0, 3);
            plan.endRow = pick(0, 1) == 0 ? plan.startRow : pick(0, 3);
            plan.shape = shapes[pick(0, 5)];
            plan.bendOffset = static_cast<short>(pick(-2, 3));
            plan.startRelation = pick(0, 2) == 0;
            plan.endRelation = pick(0, 2) == 0;
            processes.push_back(test::MakeKoutei(doc, plan));
            (n < count / 2 ? first : second).AddTail(processes.back().get());
        }
    }

    std::vector<std::unique_ptr<CKoutei>> processes;
    ObList<CDataHeader> first;
    ObList<CDataHeader> second;
};

TEST_F(KouteiContactIndexTest, EveryProcessThatMeetsAnotherIsItsCandidate) {
    for (const unsigned seed : {1u, 2u, 3u, 4u}) {
        processes.clear();
        first.RemoveAll();
        second.RemoveAll();
        MakeChart(seed, 80);
        KouteiContactIndex index;
        index.Build(first, second);

        int contacts = 0;
        std::vector<CKoutei*> candidates;
        for (const auto& a : processes) {
            index.Candidates(*a, candidates);
            EXPECT_EQ(std::count(candidates.begin(), candidates.end(), a.get()), 0);
            // Each once, in list order (the first list, then the second).
            for (std::size_t i = 1; i < candidates.size(); ++i) {
                const auto place = [this](const CKoutei* p) {
                    return std::find_if(processes.begin(), processes.end(),
                                        [p](const auto& owned) { return owned.get() == p; });
                };
                ASSERT_LT(place(candidates[i - 1]), place(candidates[i])) << "seed " << seed;
            }
            for (const auto& b : processes) {
                if (a == b) {
                    continue;
                }
                int partA = 0;
                int partB = 0;
                const bool meets =
                    CKouteiChains::ContactKind(a.get(), b.get(), TRUE, partA, partB) ||
                    CKouteiChains::ContactKind(b.get(), a.get(), TRUE, partA, partB);
                if (meets) {
                    ++contacts;
                    EXPECT_EQ(std::count(candidates.begin(), candidates.end(), b.get()), 1)
                        << "seed " << seed;
                }
            }
        }
        // The charts are crowded enough that the rule is put to work.
        EXPECT_GT(contacts, 200) << "seed " << seed;
    }
}

// Pairs of processes, each pair on rows of its own, the second of each starting where the first
// ends: three nodes to every two processes, more than the index is first made for, so that every
// node and process must be found again once it has grown.
TEST_F(KouteiContactIndexTest, PairsWithNodesOfTheirOwnFindOnlyEachOther) {
    constexpr int kPairs = 40;
    for (int pair = 0; pair < kPairs; ++pair) {
        const int row = 2 * pair;
        processes.push_back(test::MakeKoutei(doc, {"A", pair, pair + 2, row, row + 1}));
        processes.push_back(test::MakeKoutei(doc, {"B", pair + 2, pair + 5, row + 1, row + 1}));
        first.AddTail(processes[processes.size() - 2].get());
        first.AddTail(processes.back().get());
    }
    KouteiContactIndex index;
    index.Build(first, second);
    ASSERT_EQ(index.Count(), processes.size());
    std::vector<CKoutei*> candidates;
    for (std::size_t n = 0; n < processes.size(); ++n) {
        const CKoutei& process = *processes[n];
        EXPECT_EQ(index.NumberOf(process), n);
        EXPECT_EQ(index.PositionOf(&process), first.Find(processes[n].get()));
        index.Candidates(process, candidates);
        EXPECT_EQ(candidates, (std::vector<CKoutei*>{processes[n ^ 1].get()})) << "process " << n;
    }
    const std::unique_ptr<CKoutei> stranger =
        test::MakeKoutei(doc, {"C", 0, 2, 0, 1}); // where the first pair's first one lies
    EXPECT_EQ(index.NumberOf(*stranger), index.Count());
    EXPECT_EQ(index.PositionOf(stranger.get()), nullptr);
}

TEST_F(KouteiContactIndexTest, MovedProcessComesLastWithItsNewPosition) {
    const std::vector<KouteiPlan> plans = {
        {"A", 0, 5, 1, 1}, {"B", 5, 9, 1, 1}, {"C", 5, 7, 1, 2}, {"D", 2, 5, 0, 1}};
    for (const KouteiPlan& plan : plans) {
        processes.push_back(test::MakeKoutei(doc, plan));
        first.AddTail(processes.back().get());
    }
    KouteiContactIndex index;
    index.Build(first, second);
    CKoutei* a = processes[0].get();
    CKoutei* b = processes[1].get();
    CKoutei* c = processes[2].get();
    CKoutei* d = processes[3].get();
    EXPECT_EQ(index.PositionOf(b), first.Find(b));

    std::vector<CKoutei*> candidates;
    index.Candidates(*a, candidates);
    EXPECT_EQ(candidates, (std::vector<CKoutei*>{b, c, d}));

    const POSITION moved = second.AddTail(b);
    first.RemoveAt(first.Find(b));
    index.MovedTo(b, moved);
    EXPECT_EQ(index.PositionOf(b), moved);
    index.Candidates(*a, candidates);
    EXPECT_EQ(candidates, (std::vector<CKoutei*>{c, d, b}));
    EXPECT_EQ(index.PositionOf(nullptr), nullptr);
}

} // namespace
} // namespace tembra
