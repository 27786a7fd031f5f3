// Regions of rounded rectangles, and regions made only over a range of scan lines.
#include "platform/GdiObjects.h"

#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

// The pixels of a region on one scan line, as [left, right) runs.
std::vector<std::pair<LONG, LONG>> Line(const Region& region, LONG y) {
    for (const Region::Band& band : region.Bands()) {
        if (band.top <= y && y < band.bottom) {
            return band.spans;
        }
    }
    return {};
}

TEST(RegionTest, ARoundedRectangleCutsItsCornersOnTheCornerEllipse) {
    // 100 x 60 with corners of a 40 x 20 ellipse: quarters of radius 20 across and 10 down.
    const Region r = Region::FromRoundRect(CRect(0, 0, 100, 60), 40, 20);
    EXPECT_EQ(r.Box(), CRect(0, 0, 100, 60));
    EXPECT_EQ(Line(r, 30), (std::vector<std::pair<LONG, LONG>>{{0, 100}}));
    EXPECT_EQ(Line(r, 10), (std::vector<std::pair<LONG, LONG>>{{0, 100}}));
    // Row 0 (centre 0.5): 9.5 / 10 up the corner, sqrt(1 - 0.95^2) = 0.312 of 20 left in.
    EXPECT_EQ(Line(r, 0), (std::vector<std::pair<LONG, LONG>>{{14, 86}}));
    EXPECT_EQ(Line(r, 59), (std::vector<std::pair<LONG, LONG>>{{14, 86}}));
    EXPECT_FALSE(r.Contains(2, 2));
    EXPECT_TRUE(r.Contains(20, 2));

    // Corner sizes beyond the rectangle are held to it: the ellipse.
    EXPECT_EQ(Region::FromRoundRect(CRect(0, 0, 100, 60), 500, -500),
              Region::FromEllipse(CRect(0, 0, 100, 60)));
    // No corner: the rectangle; any orientation.
    EXPECT_EQ(Region::FromRoundRect(CRect(100, 60, 0, 0), 0, 0),
              Region::FromRect(CRect(0, 0, 100, 60)));
    EXPECT_TRUE(Region::FromRoundRect(CRect(0, 0, 0, 60), 10, 10).IsEmpty());

    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRoundRectRgn(0, 0, 100, 60, 40, 20));
    EXPECT_EQ(rgn.Data(), r);
    EXPECT_FALSE(rgn.PtInRegion(2, 2));
}

TEST(RegionTest, AShapeMadeOverSomeScanLinesHasExactlyThoseOfItsWhole) {
    const CPoint triangle[] = {{0, -50}, {200, 10}, {40, 150}};
    const CRect bounds(-30, -40, 170, 90);
    struct Case {
        LONG top;
        LONG bottom;
    };
    for (const Case c : {Case{-10, 5}, Case{100, 400}, Case{-400, -45}, Case{30, 30}}) {
        const CRect rows(-1000, c.top, 1000, c.bottom);
        const Region full[] = {Region::FromPolygon(triangle, 3, ALTERNATE),
                               Region::FromEllipse(bounds), Region::FromRoundRect(bounds, 60, 50)};
        const Region part[] = {Region::FromPolygon(triangle, 3, ALTERNATE, {c.top, c.bottom}),
                               Region::FromEllipse(bounds, {c.top, c.bottom}),
                               Region::FromRoundRect(bounds, 60, 50, {c.top, c.bottom})};
        for (int i = 0; i < 3; ++i) {
            const Region expected = c.top < c.bottom
                                        ? Region::Combine(full[i], Region::FromRect(rows), RGN_AND)
                                        : Region();
            EXPECT_EQ(part[i], expected) << i << " lines " << c.top << " to " << c.bottom;
        }
    }
}

} // namespace
} // namespace tembra
