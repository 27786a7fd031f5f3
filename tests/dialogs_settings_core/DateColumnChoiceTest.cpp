#include "dialogs/settings/core/DateColumnChoice.h"

#include <gtest/gtest.h>

#include <string>

namespace tembra {
namespace {

// The row codes open in a row (with the flag where said).
std::vector<WORD> Open(int mode, int row, int unit, int previous, bool flag) {
    std::vector<WORD> open;
    const std::vector<WORD>& buttons = DateColumnButtons(row);
    for (std::size_t b = 0; b < buttons.size(); ++b) {
        const int value = DateColumnChoice(mode, row, unit, previous, static_cast<int>(b));
        if (value == 1 || (value == 2 && flag)) {
            open.push_back(buttons[b]);
        }
    }
    return open;
}

int IndexOf(int row, WORD code) {
    const std::vector<WORD>& buttons = DateColumnButtons(row);
    return static_cast<int>(std::find(buttons.begin(), buttons.end(), code) - buttons.begin());
}

TEST(DateColumnChoiceTest, TheFixedRowsOfTheTable) {
    struct Case {
        int mode;
        int row;
        int unit;
        WORD above;
        bool flag;
        std::vector<WORD> open;
    };
    const Case cases[] = {
        {0, 0, kUnitDay, 0, false, {kDateRowYear, kDateRowEraYear, kDateRowMonth, kDateRowDay}},
        {0, 0, kUnitWeek, 0, false, {kDateRowYear, kDateRowEraYear, kDateRowMonth, kDateRowDay}},
        {0, 0, kUnitMonth, 0, false, {kDateRowYear, kDateRowEraYear, kDateRowMonth}},
        {0, 0, kUnitYear, 0, false, {kDateRowYear, kDateRowEraYear}},
        {0, 0, kUnitHour, 0, false, {kDateRowMonth, kDateRowDay, kDateRowHour}},
        {1,
         0,
         kUnitDay,
         0,
         false,
         {kDateRowMonth, kDateRowDay, kDateRowNobeYear, kDateRowNobeMonth, kDateRowNobeDay}},
        {1, 0, kUnitYear, 0, false, {kDateRowNobeYear}},
        {1,
         0,
         kUnitHour,
         0,
         false,
         {kDateRowMonth, kDateRowDay, kDateRowHour, kDateRowNobeMonth, kDateRowNobeDay}},
        {0, 1, kUnitDay, kDateRowDay, false, {kDateRowNone, kDateRowNobeDay}},
        {0, 1, kUnitDay, kDateRowDay, true, {kDateRowNone, kDateRowWeekday, kDateRowNobeDay}},
        {0, 2, kUnitDay, kDateRowNone, true, {kDateRowNone, kDateRowWeekday, kDateRowNobeDay}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + " row " + std::to_string(c.row) + " unit " +
                     std::to_string(c.unit) + " above " + std::to_string(c.above));
        const int previous = c.row == 0 ? 0 : IndexOf(c.row - 1, c.above);
        EXPECT_EQ(Open(c.mode, c.row, c.unit, previous, c.flag), c.open);
    }
}

TEST(DateColumnChoiceTest, TheOpenCellsFollowTheRule) {
    // Every cell the fixed rows leave open: nothing finer than the unit, nothing coarser than
    // the row above, not the row above again, only なし below なし.
    const auto rank = [](WORD code) {
        switch (code) {
        case kDateRowYear:
        case kDateRowEraYear:
        case kDateRowNobeYear:
            return 3;
        case kDateRowMonth:
        case kDateRowNobeMonth:
            return 2;
        case kDateRowHour:
            return 0;
        default:
            return 1;
        }
    };
    const int unitRank[5] = {1, 1, 2, 3, 0};
    for (int mode = 0; mode < 2; ++mode) {
        for (int unit = 0; unit < 5; ++unit) {
            for (int row = 1; row < kDateColumnRows; ++row) {
                const std::vector<WORD>& upper = DateColumnButtons(row - 1);
                for (std::size_t p = 0; p < upper.size(); ++p) {
                    const WORD above = upper[p];
                    if (mode == 0 && unit == kUnitDay &&
                        ((row == 1 && above == kDateRowDay) ||
                         (row == 2 && above == kDateRowNone))) {
                        continue; // fixed cells
                    }
                    for (WORD code : Open(mode, row, unit, static_cast<int>(p), true)) {
                        SCOPED_TRACE(std::to_string(mode) + " " + std::to_string(unit) + " " +
                                     std::to_string(row) + " " + std::to_string(above) + " " +
                                     std::to_string(code));
                        if (above == kDateRowNone) {
                            EXPECT_EQ(code, kDateRowNone);
                            continue;
                        }
                        if (code == kDateRowNone) {
                            continue;
                        }
                        EXPECT_NE(code, above);
                        EXPECT_LE(rank(code), rank(above));
                        EXPECT_GE(rank(code), unitRank[unit]);
                    }
                }
            }
        }
    }
}

TEST(DateColumnChoiceTest, AClosedChoiceGivesWayToTheFirstOpenButton) {
    // Calendar chart, unit 年: a stored 月 in row 1 becomes 西暦.
    CDateColumnChoices choices(0, kUnitYear, false);
    choices.Load({kDateRowMonth, kDateRowDay, kDateRowNone, 0}, {1, 2, 0, 2});
    EXPECT_EQ(choices.GetChoice(0), IndexOf(0, kDateRowYear));
    EXPECT_FALSE(choices.IsEnabled(0, IndexOf(0, kDateRowMonth)));
    std::array<WORD, kDateRowMax> rows{};
    std::array<WORD, 4> styles{};
    choices.Store(rows, styles);
    EXPECT_EQ(rows[0], kDateRowYear);
    EXPECT_EQ(styles, (std::array<WORD, 4>{1, 2, 0, 2}));

    // A click that changes a row looks the rows below up again.
    CDateColumnChoices months(0, kUnitMonth, true);
    months.Load({kDateRowYear, kDateRowMonth, kDateRowNobeMonth, 7}, {});
    EXPECT_EQ(months.GetChoice(2), IndexOf(2, kDateRowNobeMonth));
    months.Click(1, IndexOf(1, kDateRowNone));
    EXPECT_EQ(months.GetChoice(2), IndexOf(2, kDateRowNone));
    months.Store(rows, styles);
    EXPECT_EQ(rows, (std::array<WORD, kDateRowMax>{kDateRowYear, kDateRowNone, kDateRowNone, 7}));
    // A closed button takes no click.
    months.Click(1, IndexOf(1, kDateRowDay));
    EXPECT_EQ(months.GetChoice(1), IndexOf(1, kDateRowNone));
}

} // namespace
} // namespace tembra
