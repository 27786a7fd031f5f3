// The main frame's stored positions: their texts both ways, and a window put back on a screen.
#include "shell/core/FramePositions.h"

#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

TEST(FramePositionsTest, WindowPosTakesExactlyTenNumbers) {
    const WindowPlacement placement{WPF_RESTORETOMAXIMIZED, SW_SHOWMAXIMIZED, CPoint(-1, -1),
                                    CPoint(-8, -30), CRect(10, 20, 810, 620)};
    const std::string text = FramePositions::FormatWindowPos(placement);
    EXPECT_EQ(text, "2,3,-1,-1,-8,-30,10,20,810,620");
    EXPECT_EQ(FramePositions::ParseWindowPos(text), placement);

    for (const char* bad : {"", "2,3,-1,-1,-8,-30,10,20,810", "2,3,-1,-1,-8,-30,10,20,810,x",
                            "a,3,-1,-1,-8,-30,10,20,810,620"}) {
        EXPECT_FALSE(FramePositions::ParseWindowPos(bad)) << '"' << bad << '"';
    }
}

TEST(FramePositionsTest, PaletteAndFloatingWindowPositions) {
    EXPECT_EQ(FramePositions::ParsePaletteShown("10,20,0"), 0);
    EXPECT_EQ(FramePositions::ParsePaletteShown("10,20,1"), 1);
    EXPECT_EQ(FramePositions::ParsePaletteShown(""), 1);
    EXPECT_EQ(FramePositions::ParsePaletteShown("10,20"), 1);
    EXPECT_EQ(FramePositions::FormatPalettePos(CPoint(-4, 7), false), "-4,7,0");

    EXPECT_EQ(FramePositions::ParseFloatWndPos("1,2,3,4,1"),
              (FloatWndPosition{CRect(1, 2, 3, 4), 1}));
    EXPECT_EQ(FramePositions::ParseFloatWndPos("1,2,x"), (FloatWndPosition{CRect(1, 2, 0, 0), 0}));
    EXPECT_EQ(FramePositions::ParseFloatWndPos(""), FloatWndPosition{});
    EXPECT_EQ(FramePositions::FormatFloatWndPos({CRect(1, 2, 3, 4), 1}), "1,2,3,4,1");
}

TEST(FramePositionsTest, AWindowOffEveryScreenMovesOntoThePrimaryOne) {
    const CRect primary(0, 0, 1920, 1080);
    const std::vector<CRect> screens = {primary, CRect(1920, 0, 3200, 1024)};
    struct Case {
        CRect window;
        CRect placed;
    };
    const std::vector<Case> cases = {
        {CRect(100, 100, 900, 700), CRect(100, 100, 900, 700)},
        {CRect(2000, 50, 2800, 650), CRect(2000, 50, 2800, 650)},     // on the second screen
        {CRect(1800, 900, 2600, 1500), CRect(1800, 900, 2600, 1500)}, // partly on
        {CRect(4000, 100, 4800, 700), CRect(0, 0, 800, 600)},         // a screen no longer there
        {CRect(-900, -700, -100, -100), CRect(0, 0, 800, 600)},
        {CRect(5000, 0, 8000, 2000), CRect(0, 0, 1920, 1080)}, // larger than the screen
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FramePositions::KeepOnScreens(c.window, screens, primary), c.placed)
            << c.window.left << "," << c.window.top;
    }
}

} // namespace
} // namespace tembra
