// The main frame's rules: bars by object mode, the auto-save tick, the size a bar keeps and a
// floating palette put back on the screen.
#include "shell/core/FrameRules.h"

#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

TEST(FrameRulesTest, TheObjectModeChoosesTheBars) {
    struct Case {
        LONG mode;
        int kind;
        ModeBars bars;
    };
    const std::vector<Case> cases = {
        {6, kYogoBarTerm, {kYogoBarEvent, false, false}},
        {6, kYogoBarEvent, {std::nullopt, false, false}}, // staying in a mode: no re-lay
        {0, kYogoBarTerm, {kYogoBarKoumoku, false, false}},
        {0, kYogoBarKoumoku, {std::nullopt, false, false}},
        {2, kYogoBarEvent, {kYogoBarTerm, false, false}},
        {1, kYogoBarTerm, {std::nullopt, false, false}},
        {4, kYogoBarTerm, {std::nullopt, true, false}},
        {8, kYogoBarKoumoku, {kYogoBarTerm, false, true}},
        {7, kYogoBarTerm, {std::nullopt, false, false}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BarsForMode(c.mode, c.kind), c.bars) << c.mode << " " << c.kind;
    }
}

TEST(FrameRulesTest, AutoSaveIsDueStrictlyAfterTheInterval) {
    const CTime last(2000, 5, 1, 10, 0, 0);
    struct Case {
        int seconds;
        long interval;
        bool captured;
        bool due;
    };
    const std::vector<Case> cases = {
        {600, 10, false, false}, {601, 10, false, true},   {605, 10, true, false},
        {9999, 0, false, false}, {9999, -1, false, false}, {181, 3, false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsAutoSaveDue(last + CTimeSpan(c.seconds), last, c.interval, c.captured), c.due)
            << c.seconds << " s, " << c.interval << " min";
    }
}

TEST(FrameRulesTest, ABarNearTheScreensEdgeKeepsItsSize) {
    CSize remembered(0, 0);
    EXPECT_EQ(KeepBarSize(CSize(185, 300), true, CPoint(10, 10), remembered), CSize(185, 300));
    EXPECT_EQ(remembered, CSize(185, 300));
    EXPECT_EQ(KeepBarSize(CSize(400, 40), false, CPoint(100, 10), remembered), CSize(400, 40));
    // Dragged so far left that its right edge would come within 24 pixels of the screen's edge.
    EXPECT_EQ(KeepBarSize(CSize(30, 300), false, CPoint(-20, 10), remembered), CSize(400, 40));
    EXPECT_EQ(KeepBarSize(CSize(300, 5), false, CPoint(50, 10), remembered), CSize(400, 40));
    // The combo bars raise the size to their minimum first.
    CSize combo(0, 0);
    EXPECT_EQ(KeepBarSize(CSize(50, 20), false, CPoint(0, 0), combo, CSize(76, 29)), CSize(76, 29));
}

TEST(FrameRulesTest, AFloatingPaletteComesBackOnTheScreen) {
    struct Case {
        CRect window;
        std::optional<CPoint> corner;
    };
    const std::vector<Case> cases = {
        {CRect(1800, 100, 2000, 400), CPoint(1720, 100)},
        {CRect(-30, 100, 170, 400), CPoint(0, 100)},
        {CRect(100, 900, 300, 1200), CPoint(100, 780)},
        {CRect(100, -5, 300, 295), CPoint(100, 0)},
        {CRect(100, 100, 300, 400), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PaletteOnScreen(c.window, 1920, 1080), c.corner) << c.window.left;
    }
}

} // namespace
} // namespace tembra
