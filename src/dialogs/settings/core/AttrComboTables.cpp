#include "dialogs/settings/core/AttrComboTables.h"

#include "document/ZukeiDialogRequests.h"

namespace tembra {

namespace {

constexpr CodeEntry kShinLineTypes[] = {{"実線", 0},     {"点線", 2},     {"破線", 1},
                                        {"１点鎖線", 3}, {"２点鎖線", 4}, {"仮線", 5}};
constexpr CodeEntry kShinDateFormats[] = {
    {"yyyy/mm/dd hh:MM", 0}, {"yyyy/mm/dd", 1},  {"yy/mm/dd hh:MM", 2},
    {"yy/mm/dd", 3},         {"mm/dd hh:MM", 4}, {"mm/dd", 5},
    {"dd hh:MM", 6},         {"dd", 7},          {"hh:MM", 8}};
constexpr CodeEntry kJoinIntervals[] = {{"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}};
constexpr CodeEntry kYogoFormats[] = {{"左寄せ", 0}, {"中央寄", 1}, {"右寄せ", 2},
                                      {"任意", 3},   {"左引出", 4}, {"右引出", 5}};
constexpr CodeEntry kShapeStyles[] = {{"直線", 0},         {"連続直線", 1},      {"多角形", 2},
                                      {"四角", 3},         {"角丸四角", 4},      {"円", 5},
                                      {"楕円", 6},         {"円弧", 7},          {"扇型", 8},
                                      {"三角（上下）", 9}, {"三角（左右）", 10}, {"矢印（↑↓）", 11},
                                      {"矢印（←→）", 12},  {"菱形", 13}};
constexpr CodeEntry kShapeStylesHalfWidth[] = {
    {"直線", 0},        {"連続直線", 1},  {"多角形", 2},    {"四角", 3}, {"角丸四角", 4},
    {"円", 5},          {"楕円", 6},      {"円弧", 7},      {"扇型", 8}, {"三角(上下)", 9},
    {"三角(左右)", 10}, {"矢印(↑↓)", 11}, {"矢印(←→)", 12}, {"菱形", 13}};
constexpr CodeEntry kPointModes[] = {
    {"拡大縮小／移動する", 0}, {"移動のみ", 1}, {"位置とサイズを固定", 2}};
constexpr CodeEntry kGridDivisions[] = {{"なし", 0},   {"１／１", 1}, {"１／２", 2},
                                        {"１／３", 3}, {"１／４", 4}, {"１／５", 5}};
constexpr CodeEntry kTextHAligns[] = {{"左寄せ", 0}, {"中央寄", 1}, {"右寄せ", 2}};
constexpr CodeEntry kTextVAligns[] = {{"上寄せ", 256}, {"行中央", 0}, {"下寄せ", 512}};
constexpr CodeEntry kZukeiApply[] = {
    {"線種設定", kZukeiMaskLineType},     {"線幅設定", kZukeiMaskWidth},
    {"線色設定", kZukeiMaskColor},        {"模様設定", kZukeiMaskHatch},
    {"模様色設定", kZukeiMaskHatchColor}, {"角丸半径設定", kZukeiMaskBoxRay},
    {"位置関係設定", kZukeiMaskPointMode}};

} // namespace

std::span<const CodeEntry> ShinLineTypeTable() {
    return kShinLineTypes;
}
std::span<const CodeEntry> ShinDateFormatTable() {
    return kShinDateFormats;
}
int ShinDateFormatPosition(std::string_view format) {
    for (const CodeEntry& entry : kShinDateFormats) {
        if (format == entry.text) {
            return entry.code;
        }
    }
    return -1;
}
std::span<const CodeEntry> JoinIntervalTable() {
    return kJoinIntervals;
}
std::span<const CodeEntry> YogoFormatTable() {
    return kYogoFormats;
}
std::span<const CodeEntry> ShapeStyleTable(bool halfWidthParentheses) {
    if (halfWidthParentheses) {
        return kShapeStylesHalfWidth;
    }
    return kShapeStyles;
}
std::span<const CodeEntry> PointModeTable() {
    return kPointModes;
}
std::span<const CodeEntry> GridDivisionTable() {
    return kGridDivisions;
}
std::span<const CodeEntry> TextHAlignTable() {
    return kTextHAligns;
}
std::span<const CodeEntry> TextVAlignTable() {
    return kTextVAligns;
}
std::span<const CodeEntry> ZukeiApplyTable() {
    return kZukeiApply;
}

} // namespace tembra
