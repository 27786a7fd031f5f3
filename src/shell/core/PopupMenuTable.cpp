#include "shell/core/PopupMenuTable.h"
#include "document/CommandIds.h"

#include <array>
#include <iterator>

namespace tembra {

namespace {

// 7 "_SimplePopup_": cancel one, selection by links, draw/edit mode, the mode keys, copy, move,
// delete, the drawing conditions and the attributes of the mode.
constexpr MenuEntry kSimplePopup[] = {
    {0, ID_CANCEL_ONE, "1つｷｬﾝｾﾙ"},
    {0, 0, nullptr},
    {0, 0, "選　択"},
    {1, ID_SELECT_LATER_CHAIN, nullptr},
    {1, ID_SELECT_EARLIER_CHAIN, nullptr},
    {1, ID_SELECT_LATER_CHAIN_ADJACENT, nullptr},
    {1, ID_SELECT_EARLIER_CHAIN_ADJACENT, nullptr},
    {0, 0, nullptr},
    {0, ID_MODE_DRAW, nullptr},
    {0, ID_MODE_EDIT, nullptr},
    {0, 0, nullptr},
    {0, ID_MODE_KOUTEI, nullptr},
    {0, ID_MODE_YOGO, nullptr},
    {0, ID_MODE_EVENT, nullptr},
    {0, ID_MODE_SHINCYOKU, nullptr},
    {0, ID_MODE_ZUKEI, nullptr},
    {0, ID_MODE_OBJECT, nullptr},
    {0, 0, nullptr},
    {0, ID_MODE_COPY, nullptr},
    {0, ID_MODE_MOVE, nullptr},
    {0, ID_EDIT_DELETE, nullptr},
    {0, 0, nullptr},
    {0, ID_SET_DRAW_CONDITIONS, nullptr},
    {0, ID_ATTRIBUTE_POPUP, "ｱﾄﾘﾋﾞｭｰﾄ(属性)"},
};

// 135 "_KouteiSen": the line entries of 属性 > 工程線.
constexpr MenuEntry kKouteiSen[] = {
    {0, ID_KOUTEI_ATTR_BULK, nullptr},
    {0, ID_KOUTEI_CHANGE_DAYS, nullptr},
    {0, 0, "線種"},
    {1, ID_KOUTEI_LINE_SOLID, nullptr},
    {1, ID_KOUTEI_LINE_DOTTED, nullptr},
    {1, ID_KOUTEI_LINE_DASHED, nullptr},
    {1, ID_KOUTEI_LINE_DASH_DOT, nullptr},
    {1, ID_KOUTEI_LINE_DASH_DOT_DOT, nullptr},
    {1, ID_KOUTEI_LINE_PROVISIONAL, nullptr},
    {0, 0, "線幅"},
    {1, ID_KOUTEI_WIDTH_NORMAL, nullptr},
    {1, ID_KOUTEI_WIDTH_THIN, nullptr},
    {1, ID_KOUTEI_WIDTH_BOLD, nullptr},
    {0, 0, "線色"},
    {1, ID_KOUTEI_COLOR_BLACK, nullptr},
    {1, ID_KOUTEI_COLOR_RED, nullptr},
    {1, ID_KOUTEI_COLOR_GREEN, nullptr},
    {1, ID_KOUTEI_COLOR_PURPLE, nullptr},
    {1, ID_KOUTEI_COLOR_CYAN, nullptr},
    {1, ID_KOUTEI_COLOR_YELLOW, nullptr},
    {1, ID_KOUTEI_COLOR_OTHER, nullptr},
    {0, 0, "休日"},
    {1, ID_KOUTEI_HOLIDAY_ON, nullptr},
    {1, ID_KOUTEI_HOLIDAY_OFF, nullptr},
    {0, 0, "スタイル"},
    {1, ID_KOUTEI_STYLE_ELBOW_Y, nullptr},
    {1, ID_KOUTEI_STYLE_ELBOW_X, nullptr},
    {1, ID_KOUTEI_STYLE_CRANK, nullptr},
    {1, ID_KOUTEI_STYLE_SLANT, nullptr},
    {1, ID_KOUTEI_STYLE_GATE, nullptr},
    {1, ID_KOUTEI_STYLE_BOX1, nullptr},
    {1, ID_KOUTEI_STYLE_BOX2, nullptr},
    {1, ID_KOUTEI_STYLE_BOX3, nullptr},
    {1, ID_KOUTEI_STYLE_BAR, nullptr},
    {1, ID_KOUTEI_STYLE_RELATION, nullptr},
    {0, 0, "ｻﾌﾞｽﾀｲﾙ"},
    {1, ID_KOUTEI_SUB_CLEAR, nullptr},
    {1, ID_KOUTEI_SUB_SLANTED, nullptr},
    {1, ID_KOUTEI_SUB_NO_ARROW, nullptr},
    {0, ID_KOUTEI_SWAP_UP_DOWN, nullptr},
};

// 137 "_KouteiNode": the node entries of 属性 > 工程線.
constexpr MenuEntry kKouteiNode[] = {
    {0, ID_KOUTEI_NODE_SIZE, nullptr},
    {0, 0, "ノード"},
    {1, ID_KOUTEI_NODE_CIRCLE, nullptr},
    {1, ID_KOUTEI_NODE_DOUBLE_CIRCLE, nullptr},
    {1, ID_KOUTEI_NODE_FILLED_CIRCLE, nullptr},
    {1, ID_KOUTEI_NODE_TRIANGLE, nullptr},
    {1, ID_KOUTEI_NODE_FILLED_TRIANGLE, nullptr},
    {1, ID_KOUTEI_NODE_INVERTED_TRIANGLE, nullptr},
    {1, ID_KOUTEI_NODE_FILLED_INVERTED_TRIANGLE, nullptr},
    {1, ID_KOUTEI_NODE_SQUARE, nullptr},
    {1, ID_KOUTEI_NODE_FILLED_SQUARE, nullptr},
    {1, ID_KOUTEI_NODE_DIAMOND, nullptr},
    {1, ID_KOUTEI_NODE_FILLED_DIAMOND, nullptr},
    {1, ID_KOUTEI_NODE_HIDDEN, nullptr},
    {1, ID_KOUTEI_NODE_MILESTONE_START, nullptr},
    {1, ID_KOUTEI_NODE_MILESTONE_END, nullptr},
    {1, ID_KOUTEI_NODE_CONNECT, nullptr},
};

// 141 "_Yogo": 属性 > 用語.
constexpr MenuEntry kYogo[] = {
    {0, ID_YOGO_ATTR_BULK, nullptr},
    {0, ID_YOGO_TEXT_EDIT, nullptr},
    {0, ID_YOGO_FONT, nullptr},
    {0, 0, "書式"},
    {1, ID_YOGO_FORMAT_LEFT, nullptr},
    {1, ID_YOGO_FORMAT_RIGHT, nullptr},
    {1, ID_YOGO_FORMAT_CENTER, nullptr},
    {1, ID_YOGO_FORMAT_FREE, nullptr},
    {1, ID_YOGO_FORMAT_LEFT_LEADER, nullptr},
    {1, ID_YOGO_FORMAT_RIGHT_LEADER, nullptr},
    {1, ID_YOGO_FORMAT_ABOVE, nullptr},
    {1, ID_YOGO_FORMAT_BELOW, nullptr},
    {0, 0, "修飾"},
    {1, ID_YOGO_DECOR_CLEAR, nullptr},
    {1, ID_YOGO_DECOR_FRAME, nullptr},
    {1, ID_YOGO_DECOR_WHITE_BACK, nullptr},
    {1, ID_YOGO_DECOR_BOLD, nullptr},
    {1, ID_YOGO_DECOR_VERTICAL, nullptr},
    {0, 0, "色"},
    {1, ID_YOGO_COLOR_BLACK, nullptr},
    {1, ID_YOGO_COLOR_RED, nullptr},
    {1, ID_YOGO_COLOR_GREEN, nullptr},
    {1, ID_YOGO_COLOR_PURPLE, nullptr},
    {1, ID_YOGO_COLOR_CYAN, nullptr},
    {1, ID_YOGO_COLOR_YELLOW, nullptr},
    {1, ID_YOGO_COLOR_OTHER, nullptr},
    {0, 0, "サイズ"},
    {1, ID_YOGO_SIZE_NORMAL, nullptr},
    {1, ID_YOGO_SIZE_DOUBLE_HEIGHT, nullptr},
    {1, ID_YOGO_SIZE_DOUBLE_WIDTH, nullptr},
    {1, ID_YOGO_SIZE_QUADRUPLE, nullptr},
};

// 143 "_Event": 属性 > 行事.
constexpr MenuEntry kEvent[] = {
    {0, ID_EVENT_ATTR_BULK, nullptr},
    {0, ID_EVENT_TEXT_EDIT, nullptr},
    {0, ID_EVENT_FONT, nullptr},
    {0, 0, "書式"},
    {1, ID_EVENT_FORMAT_LEFT, nullptr},
    {1, ID_EVENT_FORMAT_RIGHT, nullptr},
    {1, ID_EVENT_FORMAT_CENTER, nullptr},
    {1, ID_EVENT_FORMAT_LEFT_BALLOON, nullptr},
    {1, ID_EVENT_FORMAT_RIGHT_BALLOON, nullptr},
    {1, ID_EVENT_FORMAT_DATE_ALIGNED, nullptr},
    {1, ID_EVENT_FORMAT_DAY_CENTER, nullptr},
    {1, ID_EVENT_FORMAT_ROW_ALIGNED, nullptr},
    {0, 0, "修飾"},
    {1, ID_EVENT_DECOR_CLEAR, nullptr},
    {1, ID_EVENT_DECOR_FRAME, nullptr},
    {1, ID_EVENT_DECOR_WHITE_BACK, nullptr},
    {1, ID_EVENT_DECOR_BOLD, nullptr},
    {1, ID_EVENT_DECOR_VERTICAL, nullptr},
    {0, 0, "色"},
    {1, ID_EVENT_COLOR_BLACK, nullptr},
    {1, ID_EVENT_COLOR_RED, nullptr},
    {1, ID_EVENT_COLOR_GREEN, nullptr},
    {1, ID_EVENT_COLOR_PURPLE, nullptr},
    {1, ID_EVENT_COLOR_CYAN, nullptr},
    {1, ID_EVENT_COLOR_YELLOW, nullptr},
    {1, ID_EVENT_COLOR_OTHER, nullptr},
    {0, 0, "サイズ"},
    {1, ID_EVENT_SIZE_NORMAL, nullptr},
    {1, ID_EVENT_SIZE_DOUBLE_HEIGHT, nullptr},
    {1, ID_EVENT_SIZE_DOUBLE_WIDTH, nullptr},
    {1, ID_EVENT_SIZE_QUADRUPLE, nullptr},
    {0, ID_EVENT_ALIGN, nullptr},
    {0, ID_EVENT_MOVE_TO, nullptr},
    {0, 0, "ハイパーリンク"},
    {1, ID_EVENT_LINK_INSERT, nullptr},
    {1, ID_EVENT_LINK_EDIT, nullptr},
    {1, ID_EVENT_LINK_OPEN, nullptr},
};

// 145 "_Zukei": 属性 > 線画 with the text edit and the two safety texts.
constexpr MenuEntry kZukei[] = {
    {0, ID_ZUKEI_ATTR_BULK, nullptr},
    {0, 0, "線種"},
    {1, ID_ZUKEI_LINE_SOLID, nullptr},
    {1, ID_ZUKEI_LINE_DASHED, nullptr},
    {1, ID_ZUKEI_LINE_DOTTED, nullptr},
    {1, ID_ZUKEI_LINE_DASH_DOT, nullptr},
    {1, ID_ZUKEI_LINE_DASH_DOT_DOT, nullptr},
    {1, ID_ZUKEI_LINE_PROVISIONAL, nullptr},
    {1, ID_ZUKEI_LINE_NONE, nullptr},
    {0, 0, "線幅"},
    {1, ID_ZUKEI_WIDTH_NORMAL, nullptr},
    {1, ID_ZUKEI_WIDTH_THIN, nullptr},
    {1, ID_ZUKEI_WIDTH_BOLD, nullptr},
    {0, 0, "線色"},
    {1, ID_ZUKEI_COLOR_BLACK, nullptr},
    {1, ID_ZUKEI_COLOR_RED, nullptr},
    {1, ID_ZUKEI_COLOR_GREEN, nullptr},
    {1, ID_ZUKEI_COLOR_PURPLE, nullptr},
    {1, ID_ZUKEI_COLOR_CYAN, nullptr},
    {1, ID_ZUKEI_COLOR_YELLOW, nullptr},
    {1, ID_ZUKEI_COLOR_OTHER, nullptr},
    {0, 0, "模様色"},
    {1, ID_ZUKEI_HATCH_COLOR_BLACK, nullptr},
    {1, ID_ZUKEI_HATCH_COLOR_RED, nullptr},
    {1, ID_ZUKEI_HATCH_COLOR_GREEN, nullptr},
    {1, ID_ZUKEI_HATCH_COLOR_PURPLE, nullptr},
    {1, ID_ZUKEI_HATCH_COLOR_CYAN, nullptr},
    {1, ID_ZUKEI_HATCH_COLOR_YELLOW, nullptr},
    {1, ID_ZUKEI_HATCH_COLOR_OTHER, nullptr},
    {0, 0, nullptr},
    {0, ID_ZUKEI_TEXT_EDIT, nullptr},
    {0, ID_ZUKEI_GROUP, nullptr},
    {0, ID_ZUKEI_UNGROUP, nullptr},
    {0, ID_ZUKEI_TO_FRONT, nullptr},
    {0, ID_ZUKEI_TO_BACK, nullptr},
    {0, ID_ZUKEI_TRANSFORM, nullptr},
    {0, 0, nullptr},
    {0, ID_DISASTER_TEXT, "災害と対策文字設定(&S)"},
    {0, ID_WEEK_TARGET_TEXT, "週間目標と実施項目文字設定(&S)"},
};

// 147 "_Object": the embedded object's display.
constexpr MenuEntry kObject[] = {
    {0, ID_OBJECT_AS_IMAGE, "イメージ表示"},
    {0, ID_OBJECT_AS_ICON, "アイコンで表示"},
    {0, ID_OBJECT_SIZE_RESET, "サイズリセット"},
};

// 149 "_Chart": 属性 > 山積.
constexpr MenuEntry kChart[] = {
    {0, ID_CHART_NEW, nullptr},  {0, ID_CHART_EDIT, nullptr},   {0, ID_PIECE_NEW, nullptr},
    {0, ID_PIECE_EDIT, nullptr}, {0, ID_CHART_RECALC, nullptr},
};

// 222 "模様": the nine patterns of processes, each shown with its image.
constexpr MenuEntry kPattern[] = {
    {0, ID_KOUTEI_HATCH_NONE, nullptr},     {0, ID_KOUTEI_HATCH_WHITE, nullptr},
    {0, ID_KOUTEI_HATCH_SOLID, nullptr},    {0, ID_KOUTEI_HATCH_RISING, nullptr},
    {0, ID_KOUTEI_HATCH_GRID, nullptr},     {0, ID_KOUTEI_HATCH_DIAGONAL_GRID, nullptr},
    {0, ID_KOUTEI_HATCH_FALLING, nullptr},  {0, ID_KOUTEI_HATCH_HORIZONTAL, nullptr},
    {0, ID_KOUTEI_HATCH_VERTICAL, nullptr},
};

// 201 to 205, 294, 295: the drop-downs under the line-drawing bar's buttons 線種, 線幅, 線色, 模様,
// 模様色, 文字色 and 文字書式.
constexpr MenuEntry kZukeiLineType[] = {
    {0, ID_ZUKEI_LINE_SOLID, "1. 実線"},
    {0, ID_ZUKEI_LINE_DASHED, "2. 破線"},
    {0, ID_ZUKEI_LINE_DOTTED, "3. 点線"},
    {0, ID_ZUKEI_LINE_DASH_DOT, "4. １点鎖線"},
    {0, ID_ZUKEI_LINE_DASH_DOT_DOT, "5. ２点鎖線"},
    {0, ID_ZUKEI_LINE_PROVISIONAL, "6. 仮線"},
    {0, ID_ZUKEI_LINE_NONE, "&7. 線なし"},
};
constexpr MenuEntry kZukeiWidth[] = {
    {0, ID_ZUKEI_WIDTH_NORMAL, "1. 標準"},
    {0, ID_ZUKEI_WIDTH_THIN, "2. 細い"},
    {0, ID_ZUKEI_WIDTH_BOLD, "3. 太い"},
};
constexpr MenuEntry kZukeiColor[] = {
    {0, ID_ZUKEI_COLOR_BLACK, "1. 黒"},     {0, ID_ZUKEI_COLOR_RED, "2. 赤"},
    {0, ID_ZUKEI_COLOR_GREEN, "3. 緑"},     {0, ID_ZUKEI_COLOR_PURPLE, "4. 紫"},
    {0, ID_ZUKEI_COLOR_CYAN, "5. 水色"},    {0, ID_ZUKEI_COLOR_YELLOW, "6. 黄色"},
    {0, ID_ZUKEI_COLOR_OTHER, "7. その他"},
};
constexpr MenuEntry kZukeiHatch[] = {
    {0, ID_ZUKEI_HATCH_NONE, "1. なし"},          {0, ID_ZUKEI_HATCH_WHITE, "2. 白抜き"},
    {0, ID_ZUKEI_HATCH_SOLID, "3. べた"},         {0, ID_ZUKEI_HATCH_RISING, "4. 右上り斜線"},
    {0, ID_ZUKEI_HATCH_GRID, "5. 縦横格子"},      {0, ID_ZUKEI_HATCH_DIAGONAL_GRID, "6. 斜め格子"},
    {0, ID_ZUKEI_HATCH_FALLING, "7. 右下り斜線"}, {0, ID_ZUKEI_HATCH_HORIZONTAL, "8. 横縞"},
    {0, ID_ZUKEI_HATCH_VERTICAL, "9. 縦縞"},
};
constexpr MenuEntry kZukeiHatchColor[] = {
    {0, ID_ZUKEI_HATCH_COLOR_BLACK, "1. 黒"},     {0, ID_ZUKEI_HATCH_COLOR_RED, "2. 赤"},
    {0, ID_ZUKEI_HATCH_COLOR_GREEN, "3. 緑"},     {0, ID_ZUKEI_HATCH_COLOR_PURPLE, "4. 紫"},
    {0, ID_ZUKEI_HATCH_COLOR_CYAN, "5. 水色"},    {0, ID_ZUKEI_HATCH_COLOR_YELLOW, "6. 黄色"},
    {0, ID_ZUKEI_HATCH_COLOR_OTHER, "7. その他"},
};
constexpr MenuEntry kZukeiTextColor[] = {
    {0, ID_ZUKEI_TEXT_COLOR_BLACK, "&1. 黒"},     {0, ID_ZUKEI_TEXT_COLOR_RED, "&2. 赤"},
    {0, ID_ZUKEI_TEXT_COLOR_GREEN, "&3. 緑"},     {0, ID_ZUKEI_TEXT_COLOR_PURPLE, "&4. 紫"},
    {0, ID_ZUKEI_TEXT_COLOR_CYAN, "&5. 水色"},    {0, ID_ZUKEI_TEXT_COLOR_YELLOW, "&6. 黄色"},
    {0, ID_ZUKEI_TEXT_COLOR_OTHER, "&7. その他"},
};
constexpr MenuEntry kZukeiTextForm[] = {
    {0, ID_ZUKEI_TEXT_FORMAT_LEFT, "&1. 左寄せ"},   {0, ID_ZUKEI_TEXT_FORMAT_RIGHT, "&2. 右寄せ"},
    {0, ID_ZUKEI_TEXT_FORMAT_CENTER, "&3. 中　央"}, {0, ID_ZUKEI_TEXT_FORMAT_TOP, "&4. 上寄せ"},
    {0, ID_ZUKEI_TEXT_FORMAT_MIDDLE, "&5. 行中央"}, {0, ID_ZUKEI_TEXT_FORMAT_BOTTOM, "&6. 下寄せ"},
};

// 139 "_Koutei": the line entries, a separator, the node entries.
constexpr std::size_t kKouteiCount = std::size(kKouteiSen) + 1 + std::size(kKouteiNode);
constexpr std::array<MenuEntry, kKouteiCount> kKoutei = [] {
    std::array<MenuEntry, kKouteiCount> all{};
    std::size_t n = 0;
    for (const MenuEntry& e : kKouteiSen) {
        all[n++] = e;
    }
    all[n++] = {0, 0, nullptr};
    for (const MenuEntry& e : kKouteiNode) {
        all[n++] = e;
    }
    return all;
}();

struct PopupMenu {
    UINT id;
    std::span<const MenuEntry> entries;
};

constexpr PopupMenu kPopupMenus[] = {
    {7, kSimplePopup},     {135, kKouteiSen},  {137, kKouteiNode},      {139, kKoutei},
    {141, kYogo},          {143, kEvent},      {145, kZukei},           {147, kObject},
    {149, kChart},         {222, kPattern},    {201, kZukeiLineType},   {202, kZukeiWidth},
    {203, kZukeiColor},    {204, kZukeiHatch}, {205, kZukeiHatchColor}, {294, kZukeiTextColor},
    {295, kZukeiTextForm},
};

} // namespace

std::span<const MenuEntry> PopupMenuEntries(UINT menuId) {
    for (const PopupMenu& menu : kPopupMenus) {
        if (menu.id == menuId) {
            return menu.entries;
        }
    }
    return {};
}

const char* MainMenuText(UINT id) {
    if (id == 0) {
        return nullptr;
    }
    for (const MenuEntry& entry : MainMenu()) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return nullptr;
}

} // namespace tembra
