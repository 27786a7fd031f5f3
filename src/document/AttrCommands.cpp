#include "document/AttrCommands.h"

#include "model/Utility.h"

#include <array>

namespace tembra {

namespace {

// The colours of the menus (COLORREF: red in the low byte).
constexpr DWORD kBlack = 0x000000;
constexpr DWORD kRed = 0x0000FF;
constexpr DWORD kGreen = 0x00FF00;
constexpr DWORD kPurple = 0xFF00FF;
constexpr DWORD kLightBlue = 0xFFFF00;
constexpr DWORD kYellow = 0x00FFFF;

constexpr std::array kEventCommands{
    // 書式
    AttrCommand{32814, AttrArg::Form, 0}, // 1. 左寄せ
    AttrCommand{32815, AttrArg::Form, 2}, // 2. 右寄せ
    AttrCommand{32812, AttrArg::Form, 1}, // 3. 中　央
    AttrCommand{32804, AttrArg::Form, 4}, // 4. 左吹出
    AttrCommand{32805, AttrArg::Form, 5}, // 5. 右吹出
    // 修飾 > 6. 色
    AttrCommand{32799, AttrArg::Color, kBlack},     // 1. 黒
    AttrCommand{32816, AttrArg::Color, kRed},       // 2. 赤
    AttrCommand{32808, AttrArg::Color, kGreen},     // 3. 緑
    AttrCommand{32811, AttrArg::Color, kPurple},    // 4. 紫
    AttrCommand{32801, AttrArg::Color, kLightBlue}, // 5. 水色
    AttrCommand{32824, AttrArg::Color, kYellow},    // 6. 黄色
    AttrCommand{33071, AttrArg::OtherColor, 0},     // 7. その他
    // 修飾
    AttrCommand{32798, AttrArg::Flags, 0},      // 1. 全解除
    AttrCommand{32809, AttrArg::Flags, 2},      // 2. 囲　み
    AttrCommand{32818, AttrArg::Flags, 1},      // 3. 白　抜
    AttrCommand{32800, AttrArg::Flags, 4},      // 4. 強　調
    AttrCommand{32822, AttrArg::Flags, 0x1000}, // 5. 縦書き
    AttrCommand{33117, AttrArg::Flags, 8}, // 7. 文字表現 > 1. 半角文字は常に横書き
    // サイズ
    AttrCommand{32826, AttrArg::Size, 0x101}, // 1. 標　準
    AttrCommand{32823, AttrArg::Size, 0x201}, // 2. 縦倍角
    AttrCommand{32825, AttrArg::Size, 0x102}, // 3. 横倍角
    AttrCommand{32796, AttrArg::Size, 0x202}, // 4. ４倍角
    AttrCommand{32821, AttrArg::Text, 0},     // 文字修正
    AttrCommand{kYogoBarColorId, AttrArg::BarColor, 0},
};

constexpr std::array kKoumokuCommands{
    // 書式
    AttrCommand{40049, AttrArg::Form, 0},      // 1. 左寄せ
    AttrCommand{40050, AttrArg::Form, 2},      // 2. 右寄せ
    AttrCommand{40051, AttrArg::Form, 1},      // 3. 中　央
    AttrCommand{40052, AttrArg::Flags, 0x100}, // 4. 上寄せ
    AttrCommand{40053, AttrArg::Flags, 0x300}, // 5. 行中央
    AttrCommand{40054, AttrArg::Flags, 0x200}, // 6. 下寄せ
    // 修飾 > 2. 色
    AttrCommand{40043, AttrArg::Color, kBlack},     // 1. 黒
    AttrCommand{40044, AttrArg::Color, kRed},       // 2. 赤
    AttrCommand{40045, AttrArg::Color, kGreen},     // 3. 緑
    AttrCommand{40046, AttrArg::Color, kPurple},    // 4. 紫
    AttrCommand{40047, AttrArg::Color, kLightBlue}, // 5. 水色
    AttrCommand{40048, AttrArg::Color, kYellow},    // 6. 黄色
    AttrCommand{33072, AttrArg::OtherColor, 0},     // 7. その他
    // 修飾
    AttrCommand{40040, AttrArg::Flags, 0}, // 項目修飾の全解除
    AttrCommand{40042, AttrArg::Flags, 4}, // 1. 強　調
    AttrCommand{40041, AttrArg::Flags, 2}, // 項目周囲に囲み表示
    AttrCommand{40060, AttrArg::Flags, 1}, // 項目背景を白抜き表示
    // サイズ
    AttrCommand{40036, AttrArg::Size, 0x101}, // 1. 標　準
    AttrCommand{40037, AttrArg::Size, 0x201}, // 2. 縦倍角
    AttrCommand{40038, AttrArg::Size, 0x102}, // 3. 横倍角
    AttrCommand{40039, AttrArg::Size, 0x202}, // 4. ４倍角
    AttrCommand{40055, AttrArg::Text, 0},     // 文字修正
    AttrCommand{kYogoBarColorId, AttrArg::BarColor, 0},
};

} // namespace

std::span<const AttrCommand> EventAttrCommands() {
    return kEventCommands;
}

std::span<const AttrCommand> KoumokuAttrCommands() {
    return kKoumokuCommands;
}

const AttrCommand* FindAttrCommand(std::span<const AttrCommand> table, UINT id) {
    for (const AttrCommand& command : table) {
        if (command.id == id) {
            return &command;
        }
    }
    return nullptr;
}

WORD ApplyAttrFlags(WORD current, WORD flags) {
    if ((flags & 0x8000) != 0) {
        return static_cast<WORD>(flags & 0x7FFF);
    }
    if (flags == 0) {
        return 0;
    }
    return (current & flags) == 0 ? static_cast<WORD>(current | flags)
                                  : static_cast<WORD>(current & ~flags);
}

bool IsOtherColor(COLORREF color) {
    return IndexFromColor(color) == kOtherColorIndex;
}

} // namespace tembra
