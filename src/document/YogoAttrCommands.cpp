#include "document/YogoAttrCommands.h"

#include "document/AttrCommands.h"
#include "document/CommandIds.h"

#include <algorithm>
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

using Arg = YogoAttrArg;

constexpr std::array kYogoCommands{
    // 書式
    YogoAttrCommand{ID_YOGO_FORMAT_LEFT, Arg::Form, 0},          // 1. 左寄せ
    YogoAttrCommand{ID_YOGO_FORMAT_RIGHT, Arg::Form, 2},         // 2. 右寄せ
    YogoAttrCommand{ID_YOGO_FORMAT_CENTER, Arg::Form, 1},        // 3. 中　央
    YogoAttrCommand{ID_YOGO_FORMAT_FREE, Arg::Form, 3},          // 4. 任　意
    YogoAttrCommand{ID_YOGO_FORMAT_LEFT_LEADER, Arg::Form, 4},   // 5. 左引出
    YogoAttrCommand{ID_YOGO_FORMAT_RIGHT_LEADER, Arg::Form, 5},  // 6. 右引出
    YogoAttrCommand{ID_YOGO_FORMAT_ABOVE, Arg::LinkPosition, 0}, // 7. 上　部
    YogoAttrCommand{ID_YOGO_FORMAT_BELOW, Arg::LinkPosition, 1}, // 8. 下　部
    // 修飾 > 6. 色
    YogoAttrCommand{ID_YOGO_COLOR_BLACK, Arg::Color, kBlack},    // 1. 黒
    YogoAttrCommand{ID_YOGO_COLOR_RED, Arg::Color, kRed},        // 2. 赤
    YogoAttrCommand{ID_YOGO_COLOR_GREEN, Arg::Color, kGreen},    // 3. 緑
    YogoAttrCommand{ID_YOGO_COLOR_PURPLE, Arg::Color, kPurple},  // 4. 紫
    YogoAttrCommand{ID_YOGO_COLOR_CYAN, Arg::Color, kLightBlue}, // 5. 水色
    YogoAttrCommand{ID_YOGO_COLOR_YELLOW, Arg::Color, kYellow},  // 6. 黄色
    YogoAttrCommand{ID_YOGO_COLOR_OTHER, Arg::OtherColor, 0},    // 7. その他
    // 修飾
    YogoAttrCommand{ID_YOGO_DECOR_CLEAR, Arg::Flags, 0},         // 1. 全解除
    YogoAttrCommand{ID_YOGO_DECOR_FRAME, Arg::Flags, 2},         // 2. 囲　み
    YogoAttrCommand{ID_YOGO_DECOR_WHITE_BACK, Arg::Flags, 1},    // 3. 白　抜
    YogoAttrCommand{ID_YOGO_DECOR_BOLD, Arg::Flags, 4},          // 4. 強　調
    YogoAttrCommand{ID_YOGO_DECOR_VERTICAL, Arg::Flags, 0x1000}, // 5. 縦書き
    YogoAttrCommand{ID_YOGO_HALF_WIDTH_HORIZONTAL, Arg::Flags,
                    8}, // 7. 文字表現 > 1. 半角文字は常に横書き
    // サイズ
    YogoAttrCommand{ID_YOGO_SIZE_NORMAL, Arg::Size, 0x101},        // 1. 標　準
    YogoAttrCommand{ID_YOGO_SIZE_DOUBLE_HEIGHT, Arg::Size, 0x201}, // 2. 縦倍角
    YogoAttrCommand{ID_YOGO_SIZE_DOUBLE_WIDTH, Arg::Size, 0x102},  // 3. 横倍角
    YogoAttrCommand{ID_YOGO_SIZE_QUADRUPLE, Arg::Size, 0x202},     // 4. ４倍角
    YogoAttrCommand{ID_YOGO_TEXT_EDIT, Arg::Text, 0},              // 文字修正
    YogoAttrCommand{ID_YOGO_BAR_TEXT_EDIT, Arg::Text, 0},          // 用語バーの文字修正
    YogoAttrCommand{kYogoBarColorId, Arg::BarColor, 0},
};

} // namespace

std::span<const YogoAttrCommand> YogoAttrCommands() {
    return kYogoCommands;
}

const YogoAttrCommand* FindYogoAttrCommand(UINT id) {
    const auto it = std::find_if(kYogoCommands.begin(), kYogoCommands.end(),
                                 [id](const YogoAttrCommand& command) { return command.id == id; });
    return it != kYogoCommands.end() ? &*it : nullptr;
}

} // namespace tembra
