// The ordering of object lists: complete, stable, and the same for a std::list and a vector.
#include "model/SortListByCompare.h"

#include <gtest/gtest.h>

#include <list>
#include <utility>
#include <vector>

namespace tembra {
namespace {

// Objects carry a key and a tag; the comparison looks at the key only, so equal keys show
// whether their order was kept.
using Item = std::pair<int, char>;

int ByKey(const Item* a, const Item* b) {
    return a->first - b->first;
}

TEST(SortListByCompare, OrdersCompletelyAndKeepsEqualKeysInOrder) {
    struct Case {
        std::vector<Item> in;
        std::vector<Item> out;
    };
    const Case cases[] = {
        {{}, {}},
        {{{5, 'a'}}, {{5, 'a'}}},
        // One pass from the head would leave 2, 1, 3.
        {{{2, 'a'}, {3, 'b'}, {1, 'c'}}, {{1, 'c'}, {2, 'a'}, {3, 'b'}}},
        {{{3, 'a'}, {2, 'b'}, {1, 'c'}}, {{1, 'c'}, {2, 'b'}, {3, 'a'}}},
        {{{2, 'a'}, {1, 'b'}, {2, 'c'}, {1, 'd'}}, {{1, 'b'}, {1, 'd'}, {2, 'a'}, {2, 'c'}}},
        {{{7, 'a'}, {7, 'b'}, {7, 'c'}}, {{7, 'a'}, {7, 'b'}, {7, 'c'}}},
    };
    for (const Case& c : cases) {
        std::vector<const Item*> vector;
        std::list<const Item*> list;
        for (const Item& item : c.in) {
            vector.push_back(&item);
            list.push_back(&item);
        }
        SortListByCompare(vector, ByKey);
        SortListByCompare(list, ByKey);
        std::vector<Item> fromVector;
        std::vector<Item> fromList;
        for (const Item* item : vector) {
            fromVector.push_back(*item);
        }
        for (const Item* item : list) {
            fromList.push_back(*item);
        }
        EXPECT_EQ(fromVector, c.out);
        EXPECT_EQ(fromList, c.out);
    }
}

// The caller's context reaches the comparison: here the direction of the axis.
TEST(SortListByCompare, TheContextTravelsWithTheComparison) {
    std::vector<int> values = {1, 3, 2};
    const int direction = -1;
    SortListByCompare(values, [direction](int a, int b) { return direction * (a - b); });
    EXPECT_EQ(values, (std::vector<int>{3, 2, 1}));
}

} // namespace
} // namespace tembra
