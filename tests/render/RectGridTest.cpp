// Rectangles filed in the grid are found by the rectangles that meet them, as a look at every
// one of them finds them, however they are spread.
#include "render/RectGrid.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

namespace tembra {
namespace {

std::vector<int> Brute(const std::vector<CRect>& boxes, const CRect& box) {
    std::vector<int> found;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (CRectGrid::Meet(boxes[i], box)) {
            found.push_back(static_cast<int>(i));
        }
    }
    return found;
}

CRect Box(int left, int bottom, int width, int height) {
    return CRect(left, bottom + height, left + width, bottom);
}

TEST(RectGridTest, FindsWhatALookAtEveryRectangleFinds) {
    std::mt19937 random(7);
    const auto uniform = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    struct Spread {
        const char* name;
        std::function<CRect()> next;
    };
    const std::vector<Spread> spreads = {
        {"small ones over the chart",
         [&] {
             return Box(uniform(-30000, 29000), uniform(-30000, 29000), uniform(0, 900),
                        uniform(0, 300));
         }},
        {"long level lines",
         [&] { return Box(uniform(-30000, 0), uniform(-30000, 29000), uniform(0, 30000), 0); }},
        {"crowded in a corner and one across everything",
         [&] {
             return uniform(0, 200) == 0
                        ? Box(-30000, -30000, 60000, 60000)
                        : Box(uniform(0, 50), uniform(0, 50), uniform(0, 5), uniform(0, 5));
         }},
    };
    for (const Spread& spread : spreads) {
        SCOPED_TRACE(spread.name);
        std::vector<CRect> boxes;
        for (int i = 0; i < 2000; ++i) {
            boxes.push_back(spread.next());
        }
        const CRectGrid grid(boxes);
        for (int q = 0; q < 300; ++q) {
            const CRect box = Box(uniform(-31000, 30000), uniform(-31000, 30000), uniform(0, 3000),
                                  uniform(0, 3000));
            ASSERT_EQ(grid.Query(box), Brute(boxes, box)) << q;
        }
        // Edges meet: a box touching a rectangle's corner finds it.
        const CRect& first = boxes.front();
        const CRect corner(first.right, first.bottom, first.right + 10, first.bottom - 10);
        EXPECT_EQ(grid.Query(corner), Brute(boxes, corner));
        EXPECT_FALSE(grid.Query(corner).empty());
    }
}

TEST(RectGridTest, AnEmptyGridFindsNothing) {
    const CRectGrid grid;
    EXPECT_TRUE(grid.Query(Box(0, 0, 100, 100)).empty());
    const CRectGrid none{std::vector<CRect>{}};
    EXPECT_TRUE(none.Query(Box(0, 0, 100, 100)).empty());
}

} // namespace
} // namespace tembra
