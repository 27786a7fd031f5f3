#include "document/ObListIndex.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tembra {
namespace {

// Whatever the changes made through the index, each lookup gives the position the list's own
// walk gives.
TEST(ObListIndexTest, LookupsFollowTheChangesMadeThroughTheIndex) {
    std::vector<int> values(64);
    ObList<int> list;
    for (int i = 0; i < 16; ++i) {
        list.AddTail(&values[static_cast<std::size_t>(i)]);
    }
    ObListIndex<int> index(list);
    index.Enable();

    std::mt19937 random(7);
    const auto pick = [&random](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(random);
    };
    for (int step = 0; step < 2000; ++step) {
        // An object stands in a list once: what is put in is not listed yet.
        int* value = &values[static_cast<std::size_t>(pick(64))];
        if (list.Find(value) != nullptr) {
            continue;
        }
        const POSITION somewhere = list.FindIndex(pick(list.GetCount() + 1));
        switch (pick(3)) {
        case 0:
            index.SetAt(somewhere, value);
            break;
        case 1:
            index.RemoveAt(somewhere);
            break;
        default:
            index.AddTail(value);
            break;
        }
        for (int& probe : values) {
            ASSERT_EQ(index.Find(&probe), list.Find(&probe)) << "step " << step;
        }
    }
}

TEST(ObListIndexTest, ASpanSeesTheListAsItIsWhenTheSpanBegins) {
    int a = 0;
    int b = 0;
    int c = 0;
    ObList<int> list;
    const POSITION posA = list.AddTail(&a);
    ObListIndex<int> index(list);
    EXPECT_EQ(index.Find(&a), posA) << "disabled: the list's own walk";

    index.Enable();
    EXPECT_EQ(index.Find(&a), posA);
    index.Disable();
    // Changed directly between two spans.
    list.RemoveAt(posA);
    const POSITION posB = list.AddTail(&b);
    index.Enable();
    EXPECT_EQ(index.Find(&a), nullptr);
    EXPECT_EQ(index.Find(&b), posB);

    // An object listed twice (which no list should do) is found at its first entry, and never at
    // an entry that no longer holds it.
    const POSITION first = index.AddTail(&c);
    const POSITION second = index.AddTail(&c);
    EXPECT_EQ(index.Find(&c), first);
    index.SetAt(first, &a);
    EXPECT_EQ(index.Find(&a), first);
    const POSITION found = index.Find(&c);
    EXPECT_TRUE(found == second || found == nullptr);
}

} // namespace
} // namespace tembra
