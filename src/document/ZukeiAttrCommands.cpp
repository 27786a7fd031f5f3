#include "document/ZukeiAttrCommands.h"

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
    ZukeiAttrCommand{32914, F::Style, 0},
    ZukeiAttrCommand{32919, F::Style, 1},
    ZukeiAttrCommand{32918, F::Style, 2},
    ZukeiAttrCommand{32906, F::Style, 3, true},
    ZukeiAttrCommand{32907, F::Style, 4, true},
    ZukeiAttrCommand{32908, F::Style, 5, true},
    ZukeiAttrCommand{32912, F::Style, 6, true},
    ZukeiAttrCommand{32903, F::Style, 7},
    ZukeiAttrCommand{32913, F::Style, 8},
    ZukeiAttrCommand{32909, F::Style, 9, true},
    ZukeiAttrCommand{32910, F::Style, 10, true},
    ZukeiAttrCommand{32904, F::Style, 11, true},
    ZukeiAttrCommand{32905, F::Style, 12, true},
    ZukeiAttrCommand{32911, F::Style, 13, true},
    // 位置関係
    ZukeiAttrCommand{32915, F::PointMode, 0},
    ZukeiAttrCommand{32916, F::PointMode, 1},
    ZukeiAttrCommand{32917, F::PointMode, 2},
    // 線種 (the menu order is not the code order)
    ZukeiAttrCommand{40001, F::LineType, 0},
    ZukeiAttrCommand{40003, F::LineType, 1},
    ZukeiAttrCommand{40002, F::LineType, 2},
    ZukeiAttrCommand{40004, F::LineType, 3},
    ZukeiAttrCommand{40005, F::LineType, 4},
    ZukeiAttrCommand{40006, F::LineType, 5},
    // 線幅
    ZukeiAttrCommand{40007, F::Width, 0},
    ZukeiAttrCommand{40008, F::Width, 1},
    ZukeiAttrCommand{40009, F::Width, 2},
    // 線色
    ZukeiAttrCommand{40025, F::Color, kBlack},
    ZukeiAttrCommand{40011, F::Color, kRed},
    ZukeiAttrCommand{40012, F::Color, kGreen},
    ZukeiAttrCommand{40013, F::Color, kPurple},
    ZukeiAttrCommand{40014, F::Color, kCyan},
    ZukeiAttrCommand{40015, F::Color, kYellow},
    // 模様
    ZukeiAttrCommand{40016, F::Hatch, 999},
    ZukeiAttrCommand{40017, F::Hatch, 100},
    ZukeiAttrCommand{40018, F::Hatch, 99},
    ZukeiAttrCommand{40019, F::Hatch, 3},
    ZukeiAttrCommand{40020, F::Hatch, 4},
    ZukeiAttrCommand{40021, F::Hatch, 5},
    ZukeiAttrCommand{40022, F::Hatch, 2},
    ZukeiAttrCommand{40023, F::Hatch, 0},
    ZukeiAttrCommand{40024, F::Hatch, 1},
    // 模様色
    ZukeiAttrCommand{40010, F::HatchColor, kBlack},
    ZukeiAttrCommand{40026, F::HatchColor, kRed},
    ZukeiAttrCommand{40027, F::HatchColor, kGreen},
    ZukeiAttrCommand{40028, F::HatchColor, kPurple},
    ZukeiAttrCommand{40029, F::HatchColor, kCyan},
    ZukeiAttrCommand{40030, F::HatchColor, kYellow},
    // 文字設定
    ZukeiAttrCommand{33084, F::TextEmphasis, kTextEmphasisBit},
    ZukeiAttrCommand{33091, F::TextAlign, 0},
    ZukeiAttrCommand{33093, F::TextAlign, 1},
    ZukeiAttrCommand{33092, F::TextAlign, 2},
    ZukeiAttrCommand{33095, F::TextVertical, kTextTopBit},
    ZukeiAttrCommand{33097, F::TextVertical, kTextBottomBit},
    ZukeiAttrCommand{33096, F::TextVertical, 0},
    ZukeiAttrCommand{33085, F::TextColor, kBlack},
    ZukeiAttrCommand{33086, F::TextColor, kRed},
    ZukeiAttrCommand{33087, F::TextColor, kGreen},
    ZukeiAttrCommand{33088, F::TextColor, kPurple},
    ZukeiAttrCommand{33089, F::TextColor, kCyan},
    ZukeiAttrCommand{33090, F::TextColor, kYellow},
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

} // namespace tembra
