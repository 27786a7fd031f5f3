// The combo tables of the attribute dialogs without widgets: each stored code to its position
// and back, unknown codes, and the colour positions.
#include "dialogs/attributes/core/AttrCodeTables.h"

#include <gtest/gtest.h>

#include <string>

namespace tembra {
namespace {

struct TableCase {
    const char* table;
    std::span<const CodeEntry> entries;
    int storedCode;
    const char* shown;
    int savedCode;
};

TEST(AttrCodeTables, StoredCodesShowTheirEntryAndUnknownOnesTheFirst) {
    const TableCase cases[] = {
        {"style", StyleTable(), 0, "Ｙ先行エルボ", 2},
        {"style", StyleTable(), 896, "囲み３", 896},
        {"style", StyleTable(), 320, "バー", 320},
        {"hatch", HatchTable(), 12, "なし", 999},
        {"hatch", HatchTable(), 0, "横縞", 0},
        {"hatch", HatchTable(), 99, "べた", 99},
        {"node 216", NodeShapeTable(true), 265, "ﾏｲﾙｽﾄｰﾝ(開始)", 265},
        {"node 216", NodeShapeTable(true), 521, "ﾏｲﾙｽﾄｰﾝ(終了)", 521},
        {"node 166", NodeShapeTable(false), 265, "○", 0},
        {"node 166", NodeShapeTable(false), 15, "非表示", 15},
        {"size", TextSizeTable(), 0, "標準", 257},
        {"size", TextSizeTable(), 513, "縦倍角", 513},
        {"size", TextSizeTable(), 258, "横倍角", 258},
        {"keisen", KeisenTable(), 1, "仕切り線（標準）", 1},
        {"keisen", KeisenTable(), 2, "罫線なし", 2},
        {"type", LineTypeTable(), 9, "実線", 0},
        {"width", LineWidthTable(), 2, "太線", 2},
    };
    for (const TableCase& c : cases) {
        const int position = PositionOfCode(c.entries, c.storedCode);
        EXPECT_EQ(std::string(c.entries[static_cast<std::size_t>(position)].text), c.shown)
            << c.table << " " << c.storedCode;
        EXPECT_EQ(CodeAtPosition(c.entries, position), c.savedCode)
            << c.table << " " << c.storedCode;
    }
    EXPECT_EQ(CodeAtPosition(HatchTable(), 42), 999);
    EXPECT_EQ(CodeAtPosition(StyleTable(), -1), 2);
}

TEST(AttrCodeTables, OnlyTheSixBasicColoursHaveTheirOwnPosition) {
    struct Case {
        COLORREF color;
        int position;
    };
    const Case cases[] = {
        {RGB(0, 0, 0), 0},     {RGB(255, 0, 0), 1},   {RGB(0, 255, 0), 2},
        {RGB(255, 0, 255), 3}, {RGB(0, 255, 255), 4}, {RGB(255, 255, 0), 5},
        {RGB(254, 0, 0), 6},   {RGB(0, 0, 255), 6},   {RGB(255, 255, 255), 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColorPosition(c.color), c.position) << c.color;
        EXPECT_EQ(ColorAtPosition(ColorPosition(c.color), c.color), c.color) << c.color;
    }
    EXPECT_EQ(ColorAtPosition(1, RGB(1, 2, 3)), RGB(255, 0, 0));
    EXPECT_EQ(ColorAtPosition(kCustomColorPosition, RGB(1, 2, 3)), RGB(1, 2, 3));
}

} // namespace
} // namespace tembra
