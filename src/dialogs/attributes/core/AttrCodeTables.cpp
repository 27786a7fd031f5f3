#include "dialogs/attributes/core/AttrCodeTables.h"

#include <array>

namespace tembra {

namespace {

constexpr CodeEntry kLineTypes[] = {{"実線", 0},     {"破線", 1},     {"点線", 2},
                                    {"１点鎖線", 3}, {"２点鎖線", 4}, {"仮線", 5}};
constexpr CodeEntry kLineWidths[] = {{"標準", 0}, {"細い", 1}, {"太線", 2}};
constexpr CodeEntry kHolidays[] = {{"無効", 0}, {"有効", 1}};
constexpr CodeEntry kStyles[] = {{"Ｙ先行エルボ", 2}, {"Ｘ先行エルボ", 3}, {"クランク", 4},
                                 {"斜め", 5},         {"門型", 6},         {"囲み１", 384},
                                 {"囲み２", 640},     {"囲み３", 896},     {"バー", 320}};
constexpr CodeEntry kHatches[] = {{"なし", 999},     {"白抜き", 100}, {"べた", 99},
                                  {"右上り斜線", 3}, {"縦横格子", 4}, {"斜め格子", 5},
                                  {"右下り斜線", 2}, {"横縞", 0},     {"縦縞", 1}};
constexpr CodeEntry kNodeShapes[] = {{"○", 0},
                                     {"◎", 1},
                                     {"●", 2},
                                     {"△", 3},
                                     {"▲", 4},
                                     {"▽", 5},
                                     {"▼", 6},
                                     {"□", 7},
                                     {"■", 8},
                                     {"◇", 9},
                                     {"◆", 10},
                                     {"非表示", 15},
                                     {"ﾏｲﾙｽﾄｰﾝ(開始)", 265},
                                     {"ﾏｲﾙｽﾄｰﾝ(終了)", 521}};
constexpr std::size_t kNodeShapesWithoutMilestones = 12;
constexpr CodeEntry kKeisen[] = {{"標準", 0},
                                 {"罫線なし", 2},
                                 {"仕切り線（標準）", 1},
                                 {"仕切り線（細い）", 3},
                                 {"仕切り線（太い）", 4},
                                 {"仕切り線（二重線）", 5}};
constexpr CodeEntry kTextSizes[] = {
    {"標準", 0x0101}, {"縦倍角", 0x0201}, {"横倍角", 0x0102}, {"４倍角", 0x0202}};

constexpr std::array<COLORREF, kCustomColorPosition> kBasicColors = {
    RGB(0, 0, 0),     RGB(255, 0, 0),   RGB(0, 255, 0),
    RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 0)};
constexpr CodeEntry kColors[] = {{"黒", 0},   {"赤", 1},   {"緑", 2},    {"紫", 3},
                                 {"水色", 4}, {"黄色", 5}, {"その他", 6}};

} // namespace

std::span<const CodeEntry> LineTypeTable() {
    return kLineTypes;
}
std::span<const CodeEntry> LineWidthTable() {
    return kLineWidths;
}
std::span<const CodeEntry> HolidayTable() {
    return kHolidays;
}
std::span<const CodeEntry> StyleTable() {
    return kStyles;
}
std::span<const CodeEntry> HatchTable() {
    return kHatches;
}
std::span<const CodeEntry> NodeShapeTable(bool withMilestones) {
    return std::span<const CodeEntry>(kNodeShapes)
        .first(withMilestones ? std::size(kNodeShapes) : kNodeShapesWithoutMilestones);
}
std::span<const CodeEntry> KeisenTable() {
    return kKeisen;
}
std::span<const CodeEntry> TextSizeTable() {
    return kTextSizes;
}

int PositionOfCode(std::span<const CodeEntry> table, int code) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].code == code) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

int CodeAtPosition(std::span<const CodeEntry> table, int position) {
    if (table.empty()) {
        return 0;
    }
    if (position < 0 || static_cast<std::size_t>(position) >= table.size()) {
        position = 0;
    }
    return table[static_cast<std::size_t>(position)].code;
}

std::span<const CodeEntry> ColorTable() {
    return kColors;
}

int ColorPosition(COLORREF color) {
    for (std::size_t i = 0; i < kBasicColors.size(); ++i) {
        if (kBasicColors[i] == color) {
            return static_cast<int>(i);
        }
    }
    return kCustomColorPosition;
}

COLORREF ColorAtPosition(int position, COLORREF custom) {
    if (position >= 0 && position < kCustomColorPosition) {
        return kBasicColors[static_cast<std::size_t>(position)];
    }
    return custom;
}

} // namespace tembra
