// The grid dialog's sums: the pitch of a number of divisions and the checks of a count.
#include "layout_editor/core/GridSetData.h"

#include "EditorTestSupport.h"

#include <gtest/gtest.h>

namespace marquell {
namespace {

using test::J;

TEST(GridPitch, DividesTheAreaAFractionAboveOneHalfRoundingUp) {
    struct Case {
        int count;
        int length;
        int pitch;
        const char* text;
    };
    const Case cases[] = {
        {3, 1000, 333, "33.3mm"},
        {6, 1000, 167, "16.7mm"},
        {8, 1000, 125, "12.5mm"},
        // 62.5 stays down.
        {16, 1000, 62, " 6.2mm"},
        {50, 2770, 55, " 5.5mm"},
        {0, 1000, -1, ""},
        {-3, 1000, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(CGridSetData::Pitch(c.count, c.length), c.pitch);
        EXPECT_EQ(CGridSetData::FormatPitch(c.pitch), c.text);
    }
}

TEST(GridCount, IsCheckedWhenItsBoxIsLeft) {
    struct Case {
        int count;
        UINT message;
    };
    const Case cases[] = {
        {0, 0}, {2, 0}, {1000, 0}, {1, 61214}, {-5, 61214}, {2001, 61215}, {1999, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CGridSetData::CheckCount(c.count, 1000), c.message) << c.count;
    }
}

TEST(GridCount, ReadsTheBoxesText) {
    EXPECT_EQ(CGridSetData::CountOfText(J("なし")), 0);
    EXPECT_EQ(CGridSetData::CountOfText(" 50"), 50);
    EXPECT_EQ(CGridSetData::CountOfText("12ab"), 12);
    EXPECT_EQ(CGridSetData::FormatCount(6), "  6");
    EXPECT_EQ(CGridSetData::FormatCount(150), "150");
}

TEST(GridCount, ListsTheUsualCounts) {
    const std::vector<std::string> across = CGridSetData::AcrossEntries();
    ASSERT_EQ(across.size(), 1u + 16 + 15 + 9 + 5);
    EXPECT_EQ(across.front(), J("なし"));
    EXPECT_EQ(across[1], "5");
    EXPECT_EQ(across[17], "22");
    EXPECT_EQ(across[32], "60");
    EXPECT_EQ(across.back(), "150");
    const std::vector<std::string> down = CGridSetData::DownEntries();
    ASSERT_EQ(down.size(), 1u + 36 + 10);
    EXPECT_EQ(down[36], "40");
    EXPECT_EQ(down.back(), "60");
}

} // namespace
} // namespace marquell
