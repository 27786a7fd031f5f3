#include "document/KouteiAttrCommands.h"

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

using Arg = KouteiAttrArg;

constexpr std::array kKouteiCommands{
    // 線種
    KouteiAttrCommand{32870, Arg::Type, 0}, // 1. 実線
    KouteiAttrCommand{32848, Arg::Type, 2}, // 2. 点線
    KouteiAttrCommand{32843, Arg::Type, 1}, // 3. 破線
    KouteiAttrCommand{32844, Arg::Type, 3}, // 4. １点鎖線
    KouteiAttrCommand{32845, Arg::Type, 4}, // 5. ２点鎖線
    KouteiAttrCommand{32873, Arg::Type, 5}, // 6. 仮線
    // 線幅
    KouteiAttrCommand{32867, Arg::Width, 0}, // 1. 標準
    KouteiAttrCommand{32872, Arg::Width, 1}, // 2. 細い
    KouteiAttrCommand{32840, Arg::Width, 2}, // 3. 太い
    // 線色
    KouteiAttrCommand{32839, Arg::Color, kBlack},     // 1. 黒
    KouteiAttrCommand{32868, Arg::Color, kRed},       // 2. 赤
    KouteiAttrCommand{32849, Arg::Color, kGreen},     // 3. 緑
    KouteiAttrCommand{32866, Arg::Color, kPurple},    // 4. 紫
    KouteiAttrCommand{32842, Arg::Color, kLightBlue}, // 5. 水色
    KouteiAttrCommand{32878, Arg::Color, kYellow},    // 6. 黄色
    KouteiAttrCommand{33069, Arg::OtherColor, 0},     // 7. その他
    // 休日
    KouteiAttrCommand{32851, Arg::Holiday, 1}, // 1. 有効
    KouteiAttrCommand{32850, Arg::Holiday, 0}, // 2. 無効
    // スタイル
    KouteiAttrCommand{32877, Arg::Style, 2},     // 1. Ｙ先行エルボ
    KouteiAttrCommand{32876, Arg::Style, 3},     // 2. Ｘ先行エルボ
    KouteiAttrCommand{32841, Arg::Style, 4},     // 3. クランク
    KouteiAttrCommand{32869, Arg::Style, 5},     // 4. 斜め
    KouteiAttrCommand{33024, Arg::Style, 6},     // 5. 門型
    KouteiAttrCommand{32862, Arg::Style, 0x180}, // 6. 囲み１
    KouteiAttrCommand{32863, Arg::Style, 0x280}, // 7. 囲み２
    KouteiAttrCommand{32864, Arg::Style, 0x380}, // 8. 囲み３
    KouteiAttrCommand{32838, Arg::Style, 0x140}, // 9. バー
    // ｻﾌﾞｽﾀｲﾙ
    KouteiAttrCommand{32871, Arg::SubStyle, 0}, // 1. 全解除
    KouteiAttrCommand{32861, Arg::SubStyle, 1}, // 2. 斜　行
    KouteiAttrCommand{32875, Arg::SubStyle, 2}, // 3. 矢印無
    // 模様
    KouteiAttrCommand{32858, Arg::Hatch, 999}, // 1. なし
    KouteiAttrCommand{32860, Arg::Hatch, 100}, // 2. 白抜き
    KouteiAttrCommand{32856, Arg::Hatch, 99},  // 3. べた
    KouteiAttrCommand{32852, Arg::Hatch, 3},   // 4. 右上り斜線
    KouteiAttrCommand{32853, Arg::Hatch, 4},   // 5. 縦横格子
    KouteiAttrCommand{32854, Arg::Hatch, 5},   // 6. 斜め格子
    KouteiAttrCommand{32855, Arg::Hatch, 2},   // 7. 右下り斜線
    KouteiAttrCommand{32857, Arg::Hatch, 0},   // 8. 横縞
    KouteiAttrCommand{32859, Arg::Hatch, 1},   // 9. 縦縞
    KouteiAttrCommand{32874, Arg::Reverse, 1}, // 上下入替
    KouteiAttrCommand{kKouteiBarColorId, Arg::BarColor, 0},
};

constexpr std::array kLandCommands{
    LandShapeCommand{32894, 0},                // 1. ○
    LandShapeCommand{32891, 1},                // 2. ◎
    LandShapeCommand{32886, 2},                // 3. ●
    LandShapeCommand{32897, 3},                // 4. △
    LandShapeCommand{32889, 4},                // 5. ▲
    LandShapeCommand{32895, 5},                // 6. ▽
    LandShapeCommand{32887, 6},                // 7. ▼
    LandShapeCommand{32896, 7},                // 8. □
    LandShapeCommand{32888, 8},                // 9. ■
    LandShapeCommand{32893, 9},                // a. ◇
    LandShapeCommand{32885, 10},               // b. ◆
    LandShapeCommand{32892, 15},               // c. 非表示
    LandShapeCommand{33030, 0x109},            // d. ﾏｲﾙｽﾄｰﾝ(開始)
    LandShapeCommand{33031, 0x209},            // e. ﾏｲﾙｽﾄｰﾝ(終了)
    LandShapeCommand{32890, kLandConnectMark}, // f. 接　続
};

template <class Table> auto FindIn(const Table& table, UINT id) -> decltype(&table[0]) {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [id](const auto& command) { return command.id == id; });
    return it != table.end() ? &*it : nullptr;
}

} // namespace

std::span<const KouteiAttrCommand> KouteiAttrCommands() {
    return kKouteiCommands;
}

std::span<const LandShapeCommand> LandShapeCommands() {
    return kLandCommands;
}

const KouteiAttrCommand* FindKouteiAttrCommand(UINT id) {
    return FindIn(kKouteiCommands, id);
}

const LandShapeCommand* FindLandShapeCommand(UINT id) {
    return FindIn(kLandCommands, id);
}

} // namespace tembra
