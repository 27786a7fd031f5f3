#include "document/YogoAttrCommands.h"

#include "document/AttrCommands.h"

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
    YogoAttrCommand{32976, Arg::Form, 0},         // 1. 左寄せ
    YogoAttrCommand{32977, Arg::Form, 2},         // 2. 右寄せ
    YogoAttrCommand{32974, Arg::Form, 1},         // 3. 中　央
    YogoAttrCommand{32975, Arg::Form, 3},         // 4. 任　意
    YogoAttrCommand{32967, Arg::Form, 4},         // 5. 左引出
    YogoAttrCommand{32968, Arg::Form, 5},         // 6. 右引出
    YogoAttrCommand{32988, Arg::LinkPosition, 0}, // 7. 上　部
    YogoAttrCommand{32970, Arg::LinkPosition, 1}, // 8. 下　部
    // 修飾 > 6. 色
    YogoAttrCommand{32964, Arg::Color, kBlack},     // 1. 黒
    YogoAttrCommand{32978, Arg::Color, kRed},       // 2. 赤
    YogoAttrCommand{32971, Arg::Color, kGreen},     // 3. 緑
    YogoAttrCommand{32973, Arg::Color, kPurple},    // 4. 紫
    YogoAttrCommand{32966, Arg::Color, kLightBlue}, // 5. 水色
    YogoAttrCommand{32989, Arg::Color, kYellow},    // 6. 黄色
    YogoAttrCommand{33070, Arg::OtherColor, 0},     // 7. その他
    // 修飾
    YogoAttrCommand{32961, Arg::Flags, 0},      // 1. 全解除
    YogoAttrCommand{32972, Arg::Flags, 2},      // 2. 囲　み
    YogoAttrCommand{32982, Arg::Flags, 1},      // 3. 白　抜
    YogoAttrCommand{32965, Arg::Flags, 4},      // 4. 強　調
    YogoAttrCommand{32986, Arg::Flags, 0x1000}, // 5. 縦書き
    YogoAttrCommand{33114, Arg::Flags, 8}, // 7. 文字表現 > 1. 半角文字は常に横書き
    // サイズ
    YogoAttrCommand{32991, Arg::Size, 0x101}, // 1. 標　準
    YogoAttrCommand{32987, Arg::Size, 0x201}, // 2. 縦倍角
    YogoAttrCommand{32990, Arg::Size, 0x102}, // 3. 横倍角
    YogoAttrCommand{32960, Arg::Size, 0x202}, // 4. ４倍角
    YogoAttrCommand{32985, Arg::Text, 0},     // 文字修正
    YogoAttrCommand{33042, Arg::Text, 0},     // 用語バーの文字修正
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
