#include "document/ZukeiAttrCommands.h"
#include "document/CommandIds.h"

#include <array>

namespace tembra {

namespace {

using F = ZukeiAttrField;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kPurple = RGB(255, 0, 255);
constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

constexpr std::array kCommands{
    // スタイル: lines and curves, then the outlines that may also frame a text.
    ZukeiAttrCommand{ID_ZUKEI_STYLE_LINE, F::Style, 0},
    ZukeiAttrCommand{ID_ZUKEI_STYLE_POLYLINE, F::Style, 1},
    ZukeiAttrCommand{ID_ZUKEI_STYLE_POLYGON, F::Style, 2},
    ZukeiAttrCommand{ID_ZUKEI_STYLE_RECT, F::Style, 3, true},
    ZukeiAttrCommand{ID_ZUKEI_STYLE_ROUND_RECT, F::Style, 4, true},
    ZukeiAttrCommand{ID_ZUKEI_STYLE_CIRCLE, F::Style, 5, true},
    ZukeiAttrCommand{ID_ZUKEI_STYLE_ELLIPSE, F::Style, 6, true},
    ZukeiAttrCommand{ID_ZUKEI_STYLE_ARC, F::Style, 7},
    ZukeiAttrCommand{ID_ZUKEI_STYLE_PIE, F::Style, 8},
    ZukeiAttrCommand{ID_ZUKEI_STYLE_TRIANGLE_V, F::Style, 9, true},
    ZukeiAttrCommand{ID_ZUKEI_STYLE_TRIANGLE_H, F::Style, 10, true},
    ZukeiAttrCommand{ID_ZUKEI_STYLE_ARROW_V, F::Style, 11, true},
    ZukeiAttrCommand{ID_ZUKEI_STYLE_ARROW_H, F::Style, 12, true},
    ZukeiAttrCommand{ID_ZUKEI_STYLE_DIAMOND, F::Style, 13, true},
    // 位置関係
    ZukeiAttrCommand{ID_ZUKEI_FIT_SCALE, F::PointMode, 0},
    ZukeiAttrCommand{ID_ZUKEI_FIT_MOVE, F::PointMode, 1},
    ZukeiAttrCommand{ID_ZUKEI_FIT_FIXED, F::PointMode, 2},
    // 線種 (the menu order is not the code order)
    ZukeiAttrCommand{ID_ZUKEI_LINE_SOLID, F::LineType, 0},
    ZukeiAttrCommand{ID_ZUKEI_LINE_DASHED, F::LineType, 1},
    ZukeiAttrCommand{ID_ZUKEI_LINE_DOTTED, F::LineType, 2},
    ZukeiAttrCommand{ID_ZUKEI_LINE_DASH_DOT, F::LineType, 3},
    ZukeiAttrCommand{ID_ZUKEI_LINE_DASH_DOT_DOT, F::LineType, 4},
    ZukeiAttrCommand{ID_ZUKEI_LINE_PROVISIONAL, F::LineType, 5},
    // 線幅
    ZukeiAttrCommand{ID_ZUKEI_WIDTH_NORMAL, F::Width, 0},
    ZukeiAttrCommand{ID_ZUKEI_WIDTH_THIN, F::Width, 1},
    ZukeiAttrCommand{ID_ZUKEI_WIDTH_BOLD, F::Width, 2},
    // 線色
    ZukeiAttrCommand{ID_ZUKEI_COLOR_BLACK, F::Color, kBlack},
    ZukeiAttrCommand{ID_ZUKEI_COLOR_RED, F::Color, kRed},
    ZukeiAttrCommand{ID_ZUKEI_COLOR_GREEN, F::Color, kGreen},
    ZukeiAttrCommand{ID_ZUKEI_COLOR_PURPLE, F::Color, kPurple},
    ZukeiAttrCommand{ID_ZUKEI_COLOR_CYAN, F::Color, kCyan},
    ZukeiAttrCommand{ID_ZUKEI_COLOR_YELLOW, F::Color, kYellow},
    // 模様
    ZukeiAttrCommand{ID_ZUKEI_HATCH_NONE, F::Hatch, 999},
    ZukeiAttrCommand{ID_ZUKEI_HATCH_WHITE, F::Hatch, 100},
    ZukeiAttrCommand{ID_ZUKEI_HATCH_SOLID, F::Hatch, 99},
    ZukeiAttrCommand{ID_ZUKEI_HATCH_RISING, F::Hatch, 3},
    ZukeiAttrCommand{ID_ZUKEI_HATCH_GRID, F::Hatch, 4},
    ZukeiAttrCommand{ID_ZUKEI_HATCH_DIAGONAL_GRID, F::Hatch, 5},
    ZukeiAttrCommand{ID_ZUKEI_HATCH_FALLING, F::Hatch, 2},
    ZukeiAttrCommand{ID_ZUKEI_HATCH_HORIZONTAL, F::Hatch, 0},
    ZukeiAttrCommand{ID_ZUKEI_HATCH_VERTICAL, F::Hatch, 1},
    // 模様色
    ZukeiAttrCommand{ID_ZUKEI_HATCH_COLOR_BLACK, F::HatchColor, kBlack},
    ZukeiAttrCommand{ID_ZUKEI_HATCH_COLOR_RED, F::HatchColor, kRed},
    ZukeiAttrCommand{ID_ZUKEI_HATCH_COLOR_GREEN, F::HatchColor, kGreen},
    ZukeiAttrCommand{ID_ZUKEI_HATCH_COLOR_PURPLE, F::HatchColor, kPurple},
    ZukeiAttrCommand{ID_ZUKEI_HATCH_COLOR_CYAN, F::HatchColor, kCyan},
    ZukeiAttrCommand{ID_ZUKEI_HATCH_COLOR_YELLOW, F::HatchColor, kYellow},
    // 文字設定
    ZukeiAttrCommand{ID_ZUKEI_TEXT_BOLD, F::TextEmphasis, kTextEmphasisBit},
    ZukeiAttrCommand{ID_ZUKEI_TEXT_FORMAT_LEFT, F::TextAlign, 0},
    ZukeiAttrCommand{ID_ZUKEI_TEXT_FORMAT_CENTER, F::TextAlign, 1},
    ZukeiAttrCommand{ID_ZUKEI_TEXT_FORMAT_RIGHT, F::TextAlign, 2},
    ZukeiAttrCommand{ID_ZUKEI_TEXT_FORMAT_TOP, F::TextVertical, kTextTopBit},
    ZukeiAttrCommand{ID_ZUKEI_TEXT_FORMAT_BOTTOM, F::TextVertical, kTextBottomBit},
    ZukeiAttrCommand{ID_ZUKEI_TEXT_FORMAT_MIDDLE, F::TextVertical, 0},
    ZukeiAttrCommand{ID_ZUKEI_TEXT_COLOR_BLACK, F::TextColor, kBlack},
    ZukeiAttrCommand{ID_ZUKEI_TEXT_COLOR_RED, F::TextColor, kRed},
    ZukeiAttrCommand{ID_ZUKEI_TEXT_COLOR_GREEN, F::TextColor, kGreen},
    ZukeiAttrCommand{ID_ZUKEI_TEXT_COLOR_PURPLE, F::TextColor, kPurple},
    ZukeiAttrCommand{ID_ZUKEI_TEXT_COLOR_CYAN, F::TextColor, kCyan},
    ZukeiAttrCommand{ID_ZUKEI_TEXT_COLOR_YELLOW, F::TextColor, kYellow},
};

} // namespace

std::span<const ZukeiAttrCommand> ZukeiAttrCommands() {
    return kCommands;
}

const ZukeiAttrCommand* FindZukeiAttrCommand(UINT id) {
    for (const ZukeiAttrCommand& command : kCommands) {
        if (command.id == id) {
            return &command;
        }
    }
    return nullptr;
}

bool IsTextField(ZukeiAttrField field) {
    return field == F::TextEmphasis || field == F::TextAlign || field == F::TextVertical ||
           field == F::TextColor;
}

WORD ApplyTextFlag(WORD current, WORD flag) {
    if (flag == kTextEmphasisBit) {
        return static_cast<WORD>(current ^ kTextEmphasisBit);
    }
    return static_cast<WORD>((current & ~(kTextTopBit | kTextBottomBit)) | flag);
}

} // namespace tembra
