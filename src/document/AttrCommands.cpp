#include "document/AttrCommands.h"

#include "document/CommandIds.h"
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
    AttrCommand{ID_EVENT_FORMAT_LEFT, AttrArg::Form, 0},          // 1. 左寄せ
    AttrCommand{ID_EVENT_FORMAT_RIGHT, AttrArg::Form, 2},         // 2. 右寄せ
    AttrCommand{ID_EVENT_FORMAT_CENTER, AttrArg::Form, 1},        // 3. 中　央
    AttrCommand{ID_EVENT_FORMAT_LEFT_BALLOON, AttrArg::Form, 4},  // 4. 左吹出
    AttrCommand{ID_EVENT_FORMAT_RIGHT_BALLOON, AttrArg::Form, 5}, // 5. 右吹出
    // 修飾 > 6. 色
    AttrCommand{ID_EVENT_COLOR_BLACK, AttrArg::Color, kBlack},    // 1. 黒
    AttrCommand{ID_EVENT_COLOR_RED, AttrArg::Color, kRed},        // 2. 赤
    AttrCommand{ID_EVENT_COLOR_GREEN, AttrArg::Color, kGreen},    // 3. 緑
    AttrCommand{ID_EVENT_COLOR_PURPLE, AttrArg::Color, kPurple},  // 4. 紫
    AttrCommand{ID_EVENT_COLOR_CYAN, AttrArg::Color, kLightBlue}, // 5. 水色
    AttrCommand{ID_EVENT_COLOR_YELLOW, AttrArg::Color, kYellow},  // 6. 黄色
    AttrCommand{ID_EVENT_COLOR_OTHER, AttrArg::OtherColor, 0},    // 7. その他
    // 修飾
    AttrCommand{ID_EVENT_DECOR_CLEAR, AttrArg::Flags, 0},         // 1. 全解除
    AttrCommand{ID_EVENT_DECOR_FRAME, AttrArg::Flags, 2},         // 2. 囲　み
    AttrCommand{ID_EVENT_DECOR_WHITE_BACK, AttrArg::Flags, 1},    // 3. 白　抜
    AttrCommand{ID_EVENT_DECOR_BOLD, AttrArg::Flags, 4},          // 4. 強　調
    AttrCommand{ID_EVENT_DECOR_VERTICAL, AttrArg::Flags, 0x1000}, // 5. 縦書き
    AttrCommand{ID_EVENT_HALF_WIDTH_HORIZONTAL, AttrArg::Flags,
                8}, // 7. 文字表現 > 1. 半角文字は常に横書き
    // サイズ
    AttrCommand{ID_EVENT_SIZE_NORMAL, AttrArg::Size, 0x101},        // 1. 標　準
    AttrCommand{ID_EVENT_SIZE_DOUBLE_HEIGHT, AttrArg::Size, 0x201}, // 2. 縦倍角
    AttrCommand{ID_EVENT_SIZE_DOUBLE_WIDTH, AttrArg::Size, 0x102},  // 3. 横倍角
    AttrCommand{ID_EVENT_SIZE_QUADRUPLE, AttrArg::Size, 0x202},     // 4. ４倍角
    AttrCommand{ID_EVENT_TEXT_EDIT, AttrArg::Text, 0},              // 文字修正
    AttrCommand{kYogoBarColorId, AttrArg::BarColor, 0},
};

constexpr std::array kKoumokuCommands{
    // 書式
    AttrCommand{ID_KOUMOKU_FORMAT_LEFT, AttrArg::Form, 0},        // 1. 左寄せ
    AttrCommand{ID_KOUMOKU_FORMAT_RIGHT, AttrArg::Form, 2},       // 2. 右寄せ
    AttrCommand{ID_KOUMOKU_FORMAT_CENTER, AttrArg::Form, 1},      // 3. 中　央
    AttrCommand{ID_KOUMOKU_FORMAT_TOP, AttrArg::Flags, 0x100},    // 4. 上寄せ
    AttrCommand{ID_KOUMOKU_FORMAT_MIDDLE, AttrArg::Flags, 0x300}, // 5. 行中央
    AttrCommand{ID_KOUMOKU_FORMAT_BOTTOM, AttrArg::Flags, 0x200}, // 6. 下寄せ
    // 修飾 > 2. 色
    AttrCommand{ID_KOUMOKU_COLOR_BLACK, AttrArg::Color, kBlack},    // 1. 黒
    AttrCommand{ID_KOUMOKU_COLOR_RED, AttrArg::Color, kRed},        // 2. 赤
    AttrCommand{ID_KOUMOKU_COLOR_GREEN, AttrArg::Color, kGreen},    // 3. 緑
    AttrCommand{ID_KOUMOKU_COLOR_PURPLE, AttrArg::Color, kPurple},  // 4. 紫
    AttrCommand{ID_KOUMOKU_COLOR_CYAN, AttrArg::Color, kLightBlue}, // 5. 水色
    AttrCommand{ID_KOUMOKU_COLOR_YELLOW, AttrArg::Color, kYellow},  // 6. 黄色
    AttrCommand{ID_KOUMOKU_COLOR_OTHER, AttrArg::OtherColor, 0},    // 7. その他
    // 修飾
    AttrCommand{ID_KOUMOKU_DECOR_CLEAR, AttrArg::Flags, 0},      // 項目修飾の全解除
    AttrCommand{ID_KOUMOKU_DECOR_BOLD, AttrArg::Flags, 4},       // 1. 強　調
    AttrCommand{ID_KOUMOKU_DECOR_FRAME, AttrArg::Flags, 2},      // 項目周囲に囲み表示
    AttrCommand{ID_KOUMOKU_DECOR_WHITE_BACK, AttrArg::Flags, 1}, // 項目背景を白抜き表示
    // サイズ
    AttrCommand{ID_KOUMOKU_SIZE_NORMAL, AttrArg::Size, 0x101},        // 1. 標　準
    AttrCommand{ID_KOUMOKU_SIZE_DOUBLE_HEIGHT, AttrArg::Size, 0x201}, // 2. 縦倍角
    AttrCommand{ID_KOUMOKU_SIZE_DOUBLE_WIDTH, AttrArg::Size, 0x102},  // 3. 横倍角
    AttrCommand{ID_KOUMOKU_SIZE_QUADRUPLE, AttrArg::Size, 0x202},     // 4. ４倍角
    AttrCommand{ID_KOUMOKU_TEXT_EDIT, AttrArg::Text, 0},              // 文字修正
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
