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

TEST(FramePositionsTest, TheFloatingWindowKeepsToTheScreen) {
    struct Case {
        CRect stored;
        CRect placed;
    };
    // A screen of 1920 x 1080: the default is (96, 216) and 480 x 270; a side narrower than
    // 120 (or 67 down) takes the default's.
    const Case cases[] = {
        {CRect(), CRect(96, 216, 576, 486)},
        {CRect(10, 20, 10, 300), CRect(96, 216, 576, 486)},  // empty
        {CRect(-5, 100, 400, 400), CRect(0, 100, 400, 400)}, // the right edge stays
        {CRect(1800, 100, 2100, 400), CRect(1800, 100, 1920, 400)},
        {CRect(1850, 100, 2100, 400), CRect(96, 100, 576, 400)}, // 70 wide on the screen
        {CRect(300, 100, 400, 400), CRect(96, 100, 576, 400)},   // 100 wide
        {CRect(300, -40, 700, 20), CRect(300, 216, 700, 486)},   // 20 high after the clamp
        {CRect(300, 1000, 700, 1200), CRect(300, 1000, 700, 1080)},
        {CRect(300, 100, 420, 167), CRect(300, 100, 420, 167)}, // exactly the sixteenths
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FramePositions::PlaceFloatWnd(c.stored, 1920, 1080), c.placed)
            << c.stored.left << "," << c.stored.top << "," << c.stored.right << ","
            << c.stored.bottom;
    }
}

} // namespace
} // namespace tembra
