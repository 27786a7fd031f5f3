#include "document/KouteiAttrCommands.h"
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

using Arg = KouteiAttrArg;

constexpr std::array kKouteiCommands{
    // 線種
    KouteiAttrCommand{ID_KOUTEI_LINE_SOLID, Arg::Type, 0},        // 1. 実線
    KouteiAttrCommand{ID_KOUTEI_LINE_DOTTED, Arg::Type, 2},       // 2. 点線
    KouteiAttrCommand{ID_KOUTEI_LINE_DASHED, Arg::Type, 1},       // 3. 破線
    KouteiAttrCommand{ID_KOUTEI_LINE_DASH_DOT, Arg::Type, 3},     // 4. １点鎖線
    KouteiAttrCommand{ID_KOUTEI_LINE_DASH_DOT_DOT, Arg::Type, 4}, // 5. ２点鎖線
    KouteiAttrCommand{ID_KOUTEI_LINE_PROVISIONAL, Arg::Type, 5},  // 6. 仮線
    // 線幅
    KouteiAttrCommand{ID_KOUTEI_WIDTH_NORMAL, Arg::Width, 0}, // 1. 標準
    KouteiAttrCommand{ID_KOUTEI_WIDTH_THIN, Arg::Width, 1},   // 2. 細い
    KouteiAttrCommand{ID_KOUTEI_WIDTH_BOLD, Arg::Width, 2},   // 3. 太い
    // 線色
    KouteiAttrCommand{ID_KOUTEI_COLOR_BLACK, Arg::Color, kBlack},    // 1. 黒
    KouteiAttrCommand{ID_KOUTEI_COLOR_RED, Arg::Color, kRed},        // 2. 赤
    KouteiAttrCommand{ID_KOUTEI_COLOR_GREEN, Arg::Color, kGreen},    // 3. 緑
    KouteiAttrCommand{ID_KOUTEI_COLOR_PURPLE, Arg::Color, kPurple},  // 4. 紫
    KouteiAttrCommand{ID_KOUTEI_COLOR_CYAN, Arg::Color, kLightBlue}, // 5. 水色
    KouteiAttrCommand{ID_KOUTEI_COLOR_YELLOW, Arg::Color, kYellow},  // 6. 黄色
    KouteiAttrCommand{ID_KOUTEI_COLOR_OTHER, Arg::OtherColor, 0},    // 7. その他
    // 休日
    KouteiAttrCommand{ID_KOUTEI_HOLIDAY_ON, Arg::Holiday, 1},  // 1. 有効
    KouteiAttrCommand{ID_KOUTEI_HOLIDAY_OFF, Arg::Holiday, 0}, // 2. 無効
    // スタイル
    KouteiAttrCommand{ID_KOUTEI_STYLE_ELBOW_Y, Arg::Style, 2},  // 1. Ｙ先行エルボ
    KouteiAttrCommand{ID_KOUTEI_STYLE_ELBOW_X, Arg::Style, 3},  // 2. Ｘ先行エルボ
    KouteiAttrCommand{ID_KOUTEI_STYLE_CRANK, Arg::Style, 4},    // 3. クランク
    KouteiAttrCommand{ID_KOUTEI_STYLE_SLANT, Arg::Style, 5},    // 4. 斜め
    KouteiAttrCommand{ID_KOUTEI_STYLE_GATE, Arg::Style, 6},     // 5. 門型
    KouteiAttrCommand{ID_KOUTEI_STYLE_BOX1, Arg::Style, 0x180}, // 6. 囲み１
    KouteiAttrCommand{ID_KOUTEI_STYLE_BOX2, Arg::Style, 0x280}, // 7. 囲み２
    KouteiAttrCommand{ID_KOUTEI_STYLE_BOX3, Arg::Style, 0x380}, // 8. 囲み３
    KouteiAttrCommand{ID_KOUTEI_STYLE_BAR, Arg::Style, 0x140},  // 9. バー
    // ｻﾌﾞｽﾀｲﾙ
    KouteiAttrCommand{ID_KOUTEI_SUB_CLEAR, Arg::SubStyle, 0},    // 1. 全解除
    KouteiAttrCommand{ID_KOUTEI_SUB_SLANTED, Arg::SubStyle, 1},  // 2. 斜　行
    KouteiAttrCommand{ID_KOUTEI_SUB_NO_ARROW, Arg::SubStyle, 2}, // 3. 矢印無
    // 模様
    KouteiAttrCommand{ID_KOUTEI_HATCH_NONE, Arg::Hatch, 999},        // 1. なし
    KouteiAttrCommand{ID_KOUTEI_HATCH_WHITE, Arg::Hatch, 100},       // 2. 白抜き
    KouteiAttrCommand{ID_KOUTEI_HATCH_SOLID, Arg::Hatch, 99},        // 3. べた
    KouteiAttrCommand{ID_KOUTEI_HATCH_RISING, Arg::Hatch, 3},        // 4. 右上り斜線
    KouteiAttrCommand{ID_KOUTEI_HATCH_GRID, Arg::Hatch, 4},          // 5. 縦横格子
    KouteiAttrCommand{ID_KOUTEI_HATCH_DIAGONAL_GRID, Arg::Hatch, 5}, // 6. 斜め格子
    KouteiAttrCommand{ID_KOUTEI_HATCH_FALLING, Arg::Hatch, 2},       // 7. 右下り斜線
    KouteiAttrCommand{ID_KOUTEI_HATCH_HORIZONTAL, Arg::Hatch, 0},    // 8. 横縞
    KouteiAttrCommand{ID_KOUTEI_HATCH_VERTICAL, Arg::Hatch, 1},      // 9. 縦縞
    KouteiAttrCommand{ID_KOUTEI_SWAP_UP_DOWN, Arg::Reverse, 1},      // 上下入替
    KouteiAttrCommand{kKouteiBarColorId, Arg::BarColor, 0},
};

constexpr std::array kLandCommands{
    LandShapeCommand{ID_KOUTEI_NODE_CIRCLE, 0},                   // 1. ○
    LandShapeCommand{ID_KOUTEI_NODE_DOUBLE_CIRCLE, 1},            // 2. ◎
    LandShapeCommand{ID_KOUTEI_NODE_FILLED_CIRCLE, 2},            // 3. ●
    LandShapeCommand{ID_KOUTEI_NODE_TRIANGLE, 3},                 // 4. △
    LandShapeCommand{ID_KOUTEI_NODE_FILLED_TRIANGLE, 4},          // 5. ▲
    LandShapeCommand{ID_KOUTEI_NODE_INVERTED_TRIANGLE, 5},        // 6. ▽
    LandShapeCommand{ID_KOUTEI_NODE_FILLED_INVERTED_TRIANGLE, 6}, // 7. ▼
    LandShapeCommand{ID_KOUTEI_NODE_SQUARE, 7},                   // 8. □
    LandShapeCommand{ID_KOUTEI_NODE_FILLED_SQUARE, 8},            // 9. ■
    LandShapeCommand{ID_KOUTEI_NODE_DIAMOND, 9},                  // a. ◇
    LandShapeCommand{ID_KOUTEI_NODE_FILLED_DIAMOND, 10},          // b. ◆
    LandShapeCommand{ID_KOUTEI_NODE_HIDDEN, 15},                  // c. 非表示
    LandShapeCommand{ID_KOUTEI_NODE_MILESTONE_START, 0x109},    // d. ﾏｲﾙｽﾄｰﾝ(開始)
    LandShapeCommand{ID_KOUTEI_NODE_MILESTONE_END, 0x209},      // e. ﾏｲﾙｽﾄｰﾝ(終了)
    LandShapeCommand{ID_KOUTEI_NODE_CONNECT, kLandConnectMark}, // f. 接　続
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
