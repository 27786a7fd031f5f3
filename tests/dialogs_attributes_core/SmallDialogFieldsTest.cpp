// The dotted-line options, the fill patterns and the initial state without widgets.
#include "dialogs/attributes/core/DotLineFields.h"
#include "dialogs/attributes/core/FillPattern.h"
#include "dialogs/attributes/core/InitStateFields.h"

#include "model/ConfigBase.h"
#include "model/PrintArea.h"

#include <gtest/gtest.h>

#include <bitset>

namespace tembra {
namespace {

TEST(DotLineFields, StoredValuesOutsideTheListsShowTheDefaults) {
    struct Case {
        int width, dash, gap;
        DotLineFields shown;
        int savedDash, savedGap;
    };
    const Case cases[] = {
        {0, 0, 21, {1, 0, 9, 9}, 10, 10},
        {3, 1, 20, {1, 3, 0, 19}, 1, 20},
        {4, 5, -1, {1, 1, 4, 9}, 5, 10},
    };
    for (const Case& c : cases) {
        const DotLineFields f = LoadDotLine(true, c.width, c.dash, c.gap);
        EXPECT_EQ(f, c.shown) << c.width << " " << c.dash << " " << c.gap;
        EXPECT_EQ(DotLineDash(f), c.savedDash);
        EXPECT_EQ(DotLineGap(f), c.savedGap);
    }
    EXPECT_FALSE(DotLineCombosEnabled(LoadDotLine(false, 1, 1, 1)));
    struct Fine {
        int stored, index, saved;
    };
    for (const Fine& c : {Fine{7, 1, 2}, Fine{0, 1, 2}, Fine{1, 0, 1}, Fine{3, 2, 3}}) {
        EXPECT_EQ(FineDotIndex(c.stored), c.index) << c.stored;
        EXPECT_EQ(FineDotWidth(FineDotIndex(c.stored)), c.saved) << c.stored;
    }
}

int Pixels(const FillPatternBits& bits) {
    int n = 0;
    for (BYTE row : bits) {
        n += static_cast<int>(std::bitset<8>(row).count());
    }
    return n;
}

// Each density holds every pixel of the lighter ones and more; 9 is solid.
TEST(FillPattern, DensitiesRiseAndNest) {
    for (int position = 1; position <= kFillSolidPosition; ++position) {
        const FillPatternBits lighter = FillPattern(position - 1);
        const FillPatternBits denser = FillPattern(position);
        EXPECT_GT(Pixels(denser), Pixels(lighter)) << position;
        for (std::size_t row = 0; row < 8; ++row) {
            EXPECT_EQ(lighter[row] & ~denser[row], 0) << position;
        }
    }
    EXPECT_EQ(Pixels(FillPattern(0)), 6);
    EXPECT_EQ(Pixels(FillPattern(kFillSolidPosition)), 64);
    struct Code {
        int density;
        WORD code;
    };
    for (const Code& c : {Code{0, 200}, Code{8, 208}, Code{9, 99}}) {
        EXPECT_EQ(FillCode(c.density), c.code) << c.density;
    }
}

TEST(InitStateFields, PapersTheListLacksAndTheWeekModeSurvive) {
    struct Case {
        int paper, orientation, position;
        int chosen;
        int savedPaper, savedOrientation;
    };
    const Case cases[] = {
        {kPaperA2, 0, -1, -1, kPaperA2, 0},
        {kPaperA3Tate, 1, -1, -1, kPaperA3Tate, 1},
        {kPaperA1, 0, -1, 1, kPaperB4, 0},
        {kPaperB4, 0, 1, 2, kPaperA3, 0},
    };
    for (const Case& c : cases) {
        CConfigBase settings;
        settings.Read(FALSE);
        settings.GetChart().GetPageSetting().SetPaperKind(c.paper);
        settings.GetChart().GetPageSetting().SetOrientation(c.orientation);
        settings.GetChart().GetDateStyle().SetMode(4, 1);
        InitStateFields fields = LoadInitState(settings);
        EXPECT_EQ(fields.paper, c.position) << c.paper;
        EXPECT_EQ(fields.weekMode, 0);
        fields.paper = c.chosen;
        StoreInitState(fields, settings);
        EXPECT_EQ(settings.GetChart().GetPageSetting().GetPaper(), c.savedPaper) << c.paper;
        EXPECT_EQ(settings.GetChart().GetPageSetting().GetMuki(), c.savedOrientation) << c.paper;
        EXPECT_EQ(settings.GetChart().GetDateStyle().GetMode(4), 0);
    }
}

TEST(InitStateFields, TheSafetyPlanFormNeedsA3) {
    EXPECT_TRUE(LayoutNeedsA3(1, 0));
    EXPECT_TRUE(LayoutNeedsA3(1, -1));
    EXPECT_FALSE(LayoutNeedsA3(1, kPaperA3Position));
    EXPECT_FALSE(LayoutNeedsA3(0, 0));
}

} // namespace
} // namespace tembra
