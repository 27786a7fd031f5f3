#include "shell/core/ToolBarSets.h"

#include "document/CommandIds.h"
#include "platform/Profile.h"

#include <algorithm>
#include <cstdlib>

namespace tembra {

namespace {

// The command tables, in button-number order. The names of sets 1 to 6 are string-table texts
// from 6003 up in table order; the chart bar's are not in the table.
constexpr ToolBarCommand kMainTable[] = {
    {ID_FILE_NEW, 6003, "新規作成"},
    {ID_FILE_OPEN, 6004, "開く"},
    {ID_FILE_SAVE, 6005, "上書き保存"},
    {ID_FILE_PRINT, 6006, "印刷"},
    {ID_FILE_PRINT_PREVIEW, 6007, "印刷プレビュー"},
    {ID_SET_INITIAL, 6008, "初期設定"},
    {ID_SET_CALENDAR_MODE, 6009, "[暦・延]モード変更"},
    {ID_SET_CALENDAR, 6010, "カレンダ"},
    {ID_SET_PRINT_HEADER, 6011, "印刷ﾍｯﾀﾞ"},
    {ID_SET_DRAW_CONDITIONS, 6012, "作図・編集条件"},
    {ID_MODE_DRAW, 6013, "作図ﾓｰﾄﾞ"},
    {ID_MODE_EDIT, 6014, "編集ﾓｰﾄﾞ"},
    {ID_MODE_COPY, 6015, "複　写"},
    {ID_MODE_MOVE, 6016, "移　動"},
    {ID_EDIT_DELETE, 6017, "消　去"},
    {ID_EDIT_UNDO, 6018, "アンドゥ／リドゥ"},
    {ID_MODE_KOUTEI, 6019, "工程線"},
    {ID_MODE_YOGO, 6020, "用　語"},
    {ID_MODE_EVENT, 6021, "行　事"},
    {ID_MODE_SHINCYOKU, 6022, "進捗線"},
    {ID_MODE_ZUKEI, 6023, "線   画"},
    {ID_MODE_OBJECT, 6024, "ｵﾌﾞｼﾞｪｸﾄ"},
    {ID_MODE_SHIGEN, 6025, "資　源"},
    {ID_MODE_CHART, 6026, "山　積"},
    {ID_AREA_ZOOM, 6027, "領域拡大"},
    {ID_ZOOM_IN, 6028, "拡大"},
    {ID_ZOOM_NORMAL, 6029, "等倍"},
    {ID_ZOOM_OUT, 6030, "縮小"},
    {ID_SHIFT_LEFT, 6031, "左へ"},
    {ID_SHIFT_RIGHT, 6032, "右へ"},
    {ID_SHIFT_RESET, 6033, "リセット"},
    {ID_SHIFT_UP, 6034, "上へ"},
    {ID_SHIFT_DOWN, 6035, "下へ"},
    {ID_WINDOW_NEW, 6036, "新しいウィンドウを開く"},
    {ID_WINDOW_CASCADE, 6037, "重ねて表示"},
    {ID_WINDOW_TILE_HORZ, 6038, "横に並べて表示"},
    {ID_WINDOW_TILE_VERT, 6039, "縦に並べて表示"},
    {ID_HELP_INDEX, 6040, "Tembra+のヘルプ索引"},
    {ID_CONTEXT_HELP, 6041, "ﾍﾙﾌﾟの表示"},
    {kLayerComboPlace, 6042, "レイヤーコンボ"},
    {ID_SET_LAYERS, 6043, "レイヤー設定"},
    {ID_HOUR_MODE, 6044, "時間モード"},
    {ID_SET_FILL, 6045, "工程・項目欄 塗り潰し色"},
    {ID_VIEW_FLOAT_WINDOW, 6046, "フローティング表示・非表示"},
};

constexpr ToolBarCommand kKoumokuTable[] = {
    {ID_KOUMOKU_ATTR_BULK, 6047, "属性一括"},
    {ID_KOUMOKU_TEXT_EDIT, 6048, "文字修正"},
    {kYogoComboPlace, 6049, "用語コンボ"},
    {ID_VIEW_YOGO_LIST, 6050, "用語一覧"},
    {ID_KOUMOKU_FORMAT_LEFT, 6051, "左寄せ"},
    {ID_KOUMOKU_FORMAT_CENTER, 6052, "中　央"},
    {ID_KOUMOKU_FORMAT_RIGHT, 6053, "右寄せ"},
    {ID_KOUMOKU_FORMAT_TOP, 6054, "上寄せ"},
    {ID_KOUMOKU_FORMAT_MIDDLE, 6055, "行中央"},
    {ID_KOUMOKU_FORMAT_BOTTOM, 6056, "下寄せ"},
    {ID_ROW_INSERT, 6057, "行挿入"},
    {ID_ROW_DELETE, 6058, "行削除"},
    {ID_KOUMOKU_FONT, 6059, "フォント"},
    {ID_KOUMOKU_DECOR_BOLD, 6060, "強　調"},
    {ID_KOUMOKU_SIZE_NORMAL, 6061, "標　準"},
    {ID_KOUMOKU_SIZE_DOUBLE_HEIGHT, 6062, "縦倍角"},
    {ID_KOUMOKU_SIZE_DOUBLE_WIDTH, 6063, "横倍角"},
    {ID_KOUMOKU_SIZE_QUADRUPLE, 6064, "４倍角"},
    {ID_KOUMOKU_RULES, 6065, "罫線"},
    {kColorComboPlace, 6066, "色コンボ"},
    {ID_VIEW_MY_YOGO_LIST, 6067, "MY用語一覧"},
};

constexpr ToolBarCommand kYogoTable[] = {
    {ID_YOGO_ATTR_BULK, 6068, "属性一括"},
    {ID_YOGO_TEXT_EDIT, 6069, "文字修正"},
    {kYogoComboPlace, 6070, "用語コンボ"},
    {ID_VIEW_YOGO_LIST, 6071, "用語一覧"},
    {ID_YOGO_FORMAT_LEFT, 6072, "左寄せ"},
    {ID_YOGO_FORMAT_CENTER, 6073, "中　央"},
    {ID_YOGO_FORMAT_RIGHT, 6074, "右寄せ"},
    {ID_YOGO_FORMAT_FREE, 6075, "任　意"},
    {ID_YOGO_FORMAT_RIGHT_LEADER, 6076, "右引出"},
    {ID_YOGO_FORMAT_LEFT_LEADER, 6077, "左引出"},
    {ID_YOGO_FORMAT_ABOVE, 6078, "上　部"},
    {ID_YOGO_FORMAT_BELOW, 6079, "下　部"},
    {ID_YOGO_FONT, 6080, "フォント"},
    {ID_YOGO_DECOR_FRAME, 6081, "囲　み"},
    {ID_YOGO_DECOR_WHITE_BACK, 6082, "白　抜"},
    {ID_YOGO_DECOR_BOLD, 6083, "強　調"},
    {ID_YOGO_DECOR_VERTICAL, 6084, "縦書き"},
    {ID_YOGO_SIZE_NORMAL, 6085, "標　準"},
    {ID_YOGO_SIZE_DOUBLE_HEIGHT, 6086, "縦倍角"},
    {ID_YOGO_SIZE_DOUBLE_WIDTH, 6087, "横倍角"},
    {ID_YOGO_SIZE_QUADRUPLE, 6088, "４倍角"},
    {kColorComboPlace, 6089, "色コンボ"},
    {ID_VIEW_MY_YOGO_LIST, 6090, "MY用語一覧"},
    {ID_YOGO_HALF_WIDTH_HORIZONTAL, 6091, "半角文字は常に横書き"},
};

constexpr ToolBarCommand kEventTable[] = {
    {ID_EVENT_ATTR_BULK, 6092, "属性一括"},
    {ID_EVENT_TEXT_EDIT, 6093, "文字修正"},
    {kYogoComboPlace, 6094, "用語コンボ"},
    {ID_EVENT_BATCH_DATE, 6095, "日付指定"},
    {ID_EVENT_BATCH_WEEK, 6096, "曜日指定"},
    {ID_VIEW_YOGO_LIST, 6097, "用語一覧"},
    {ID_EVENT_FORMAT_LEFT, 6098, "左寄せ"},
    {ID_EVENT_FORMAT_CENTER, 6099, "中　央"},
    {ID_EVENT_FORMAT_RIGHT, 6100, "右寄せ"},
    {ID_EVENT_FORMAT_RIGHT_BALLOON, 6101, "右吹出"},
    {ID_EVENT_FORMAT_LEFT_BALLOON, 6102, "左吹出"},
    {ID_EVENT_FORMAT_DAY_CENTER, 6103, "日中央"},
    {ID_EVENT_FORMAT_DATE_ALIGNED, 6104, "日付合"},
    {ID_EVENT_FORMAT_ROW_ALIGNED, 6105, "行　合"},
    {ID_EVENT_FONT, 6106, "フォント"},
    {ID_EVENT_DECOR_FRAME, 6107, "囲　み"},
    {ID_EVENT_DECOR_WHITE_BACK, 6108, "白　抜"},
    {ID_EVENT_DECOR_BOLD, 6109, "強　調"},
    {ID_EVENT_DECOR_VERTICAL, 6110, "縦書き"},
    {ID_EVENT_SIZE_NORMAL, 6111, "標　準"},
    {ID_EVENT_SIZE_DOUBLE_HEIGHT, 6112, "縦倍角"},
    {ID_EVENT_SIZE_DOUBLE_WIDTH, 6113, "横倍角"},
    {ID_EVENT_SIZE_QUADRUPLE, 6114, "４倍角"},
    {kColorComboPlace, 6115, "色コンボ"},
    {ID_VIEW_MY_YOGO_LIST, 6116, "MY用語一覧"},
    {ID_EVENT_HALF_WIDTH_HORIZONTAL, 6117, "半角文字は常に横書き"},
};

constexpr ToolBarCommand kKouteiTable[] = {
    {ID_KOUTEI_ATTR_BULK, 6118, "属性一括"},
    {ID_KOUTEI_LINE_SOLID, 6119, "実線"},
    {ID_KOUTEI_LINE_DOTTED, 6120, "点線"},
    {ID_KOUTEI_LINE_DASHED, 6121, "破線"},
    {ID_KOUTEI_LINE_DASH_DOT, 6122, "１点鎖線"},
    {ID_KOUTEI_LINE_DASH_DOT_DOT, 6123, "２点鎖線"},
    {ID_KOUTEI_LINE_PROVISIONAL, 6124, "仮線"},
    {ID_KOUTEI_WIDTH_THIN, 6125, "細い"},
    {ID_KOUTEI_WIDTH_NORMAL, 6126, "標準"},
    {ID_KOUTEI_WIDTH_BOLD, 6127, "太い"},
    {ID_KOUTEI_STYLE_ELBOW_Y, 6128, "Ｙ先行エルボ"},
    {ID_KOUTEI_STYLE_ELBOW_X, 6129, "Ｘ先行エルボ"},
    {ID_KOUTEI_STYLE_CRANK, 6130, "クランク"},
    {ID_KOUTEI_STYLE_SLANT, 6131, "斜め"},
    {ID_KOUTEI_STYLE_GATE, 6132, "門型"},
    {ID_KOUTEI_STYLE_RELATION, 6133, "関係線"},
    {ID_KOUTEI_STYLE_BOX1, 6134, "囲み１"},
    {ID_KOUTEI_STYLE_BOX2, 6135, "囲み２"},
    {ID_KOUTEI_STYLE_BOX3, 6136, "囲み３"},
    {ID_KOUTEI_STYLE_BAR, 6137, "バー"},
    {ID_KOUTEI_HATCH_POPUP, 6138, "模様"},
    {ID_KOUTEI_SUB_SLANTED, 6139, "斜　行"},
    {ID_KOUTEI_SUB_NO_ARROW, 6140, "矢印無"},
    {ID_KOUTEI_NODE_CIRCLE, 6141, "　○"},
    {ID_KOUTEI_NODE_DOUBLE_CIRCLE, 6142, "　◎"},
    {ID_KOUTEI_NODE_FILLED_CIRCLE, 6143, "　●"},
    {ID_KOUTEI_NODE_TRIANGLE, 6144, "　△"},
    {ID_KOUTEI_NODE_FILLED_TRIANGLE, 6145, "　▲"},
    {ID_KOUTEI_NODE_INVERTED_TRIANGLE, 6146, "　▽"},
    {ID_KOUTEI_NODE_FILLED_INVERTED_TRIANGLE, 6147, "　▼"},
    {ID_KOUTEI_NODE_SQUARE, 6148, "　□"},
    {ID_KOUTEI_NODE_FILLED_SQUARE, 6149, "　■"},
    {ID_KOUTEI_NODE_DIAMOND, 6150, "　◇"},
    {ID_KOUTEI_NODE_FILLED_DIAMOND, 6151, "　◆"},
    {ID_KOUTEI_NODE_HIDDEN, 6152, "非表示"},
    {ID_KOUTEI_NODE_CONNECT, 6153, "接　続"},
    {ID_KOUTEI_NODE_MILESTONE_START, 6154, "ﾏｲﾙｽﾄｰﾝ(開始)"},
    {ID_KOUTEI_NODE_MILESTONE_END, 6155, "ﾏｲﾙｽﾄｰﾝ(終了)"},
    {ID_KOUTEI_NODE_SIZE, 6156, "ﾉｰﾄﾞｻｲｽﾞ"},
    {kColorComboPlace, 6157, "色コンボ"},
};

constexpr ToolBarCommand kZukeiTable[] = {
    {ID_ZUKEI_ATTR_BULK, 6158, "属性一括"},
    {ID_ZUKEI_STYLE_LINE, 6159, "直線"},
    {ID_ZUKEI_STYLE_POLYLINE, 6160, "連続直線"},
    {ID_ZUKEI_STYLE_POLYGON, 6161, "多角形"},
    {ID_ZUKEI_STYLE_RECT, 6162, "四角"},
    {ID_ZUKEI_STYLE_ROUND_RECT, 6163, "角丸四角"},
    {ID_ZUKEI_STYLE_CIRCLE, 6164, "円"},
    {ID_ZUKEI_STYLE_ELLIPSE, 6165, "楕円"},
    {ID_ZUKEI_STYLE_ARC, 6166, "円弧"},
    {ID_ZUKEI_STYLE_PIE, 6167, "扇型"},
    {ID_ZUKEI_STYLE_TRIANGLE_V, 6168, "三角(上下)"},
    {ID_ZUKEI_STYLE_TRIANGLE_H, 6169, "三角(左右)"},
    {ID_ZUKEI_STYLE_ARROW_V, 6170, "矢印(↑↓)"},
    {ID_ZUKEI_STYLE_ARROW_H, 6171, "矢印(←→)"},
    {ID_ZUKEI_STYLE_DIAMOND, 6172, "菱形"},
    {ID_ZUKEI_LINE_DROPDOWN, 6173, "線種"},
    {ID_ZUKEI_WIDTH_DROPDOWN, 6174, "線幅"},
    {ID_ZUKEI_COLOR_DROPDOWN, 6175, "線色"},
    {ID_ZUKEI_HATCH_DROPDOWN, 6176, "模様"},
    {ID_ZUKEI_HATCH_COLOR_DROPDOWN, 6177, "模様色"},
    {ID_ZUKEI_GROUP, 6178, "グループ化"},
    {ID_ZUKEI_UNGROUP, 6179, "グループ解除"},
    {ID_ZUKEI_TO_FRONT, 6180, "前面移動"},
    {ID_ZUKEI_TO_BACK, 6181, "背面移動"},
    {ID_ZUKEI_TRANSFORM, 6182, "線画変形"},
    {ID_ZUKEI_ROUND_RADIUS, 6183, "角丸半径"},
    {ID_ZUKEI_FIT_SCALE, 6184, "拡大縮小／移動する"},
    {ID_ZUKEI_FIT_MOVE, 6185, "移動のみ"},
    {ID_ZUKEI_FIT_FIXED, 6186, "位置とｻｲｽﾞを固定"},
    {ID_ZUKEI_GRID, 6187, "グリッド設定"},
    {ID_ZUKEI_STYLE_TEXT, 6188, "文字入力"},
    {ID_ZUKEI_TEXT_EDIT, 6189, "文字編集"},
    {ID_ZUKEI_TEXT_FONT, 6190, "文字フォント"},
    {ID_ZUKEI_TEXT_BOLD, 6191, "文字強調"},
    {ID_ZUKEI_TEXT_COLOR_DROPDOWN, 6192, "文字色"},
    {ID_ZUKEI_TEXT_FORMAT_DROPDOWN, 6193, "文字書式"},
};

constexpr ToolBarCommand kChartTable[] = {
    {ID_CHART_NEW, 0, "グラフ表示"},      {ID_CHART_EDIT, 0, "グラフ編集"},
    {ID_CHART_RECALC, 0, "グラフ再計算"}, {ID_PIECE_NEW, 0, "出来高線表示"},
    {ID_PIECE_EDIT, 0, "出来高線編集"},
};

// The reset presets of the customisation dialog (0 a separator). The long one of each set is
// also its built-in set.
constexpr int kMainShort[] = {6,  8,  9,  0, 11, 12, 13, 14, 15, 0,  17, 18, 19,
                              20, 21, 22, 0, 25, 26, 27, 28, 0,  40, 0,  38, 39};
constexpr int kMainMedium[] = {6,  8,  9,  10, 0,  11, 12, 13, 14, 15, 0,  16,
                               0,  17, 18, 19, 20, 21, 22, 23, 24, 0,  25, 26,
                               27, 28, 0,  35, 36, 37, 0,  40, 0,  38, 39};
constexpr int kMainLong[] = {1, 2,  3,  4,  5,  0,  6,  8,  9,  10, 0,  11, 12, 13, 14, 15,
                             0, 16, 0,  17, 18, 19, 20, 21, 22, 23, 24, 0,  25, 26, 27, 28,
                             0, 29, 30, 31, 32, 33, 0,  35, 36, 37, 0,  40, 0,  38, 39};
constexpr int kKoumokuShort[] = {1, 0, 2, 0, 3, 0, 4, 0, 5, 6, 7, 0, 14, 0, 19, 0, 20};
constexpr int kKoumokuMedium[] = {1,  0, 2, 0,  3, 0,  4,  0,  5,  6, 7,  8, 9,
                                  10, 0, 0, 14, 0, 15, 16, 17, 18, 0, 19, 0, 20};
constexpr int kKoumokuLong[] = {1, 0,  2,  0, 3,  0,  4, 21, 0,  5,  6,  7, 8,  9, 10,
                                0, 11, 12, 0, 13, 14, 0, 15, 16, 17, 18, 0, 19, 0, 20};
constexpr int kYogoShort[] = {1, 0, 2, 0, 3, 0, 4, 0, 5, 6, 7, 8, 9, 10, 0, 22};
constexpr int kYogoMedium[] = {1, 0,  2, 0,  3,  0, 4,  0,  5,  6,  7, 8,
                               9, 10, 0, 11, 12, 0, 14, 15, 16, 17, 0, 22};
constexpr int kYogoLong[] = {1,  0,  2, 0,  3,  0,  4,  23, 0,  5, 6,  7,  8,  9,  10, 0,
                             11, 12, 0, 13, 14, 15, 16, 17, 24, 0, 18, 19, 20, 21, 0,  22};
constexpr int kEventShort[] = {1, 0, 2, 0, 3, 0, 6, 0, 7, 8, 9, 10, 11, 19, 0, 24};
constexpr int kEventMedium[] = {1,  0, 2,  0,  3,  0, 6,  0,  7,  8,  9, 10,
                                11, 0, 12, 13, 14, 0, 16, 17, 18, 19, 0, 24};
constexpr int kEventLong[] = {1,  0,  2,  0, 3,  0,  4,  5,  0,  6,  25, 0,  7,  8,  9,  10, 11, 0,
                              12, 13, 14, 0, 15, 16, 17, 18, 19, 26, 0,  20, 21, 22, 23, 0,  24};
constexpr int kKouteiShort[] = {1,  0,  2,  3,  4,  5,  6,  7, 0,  9,  10, 0, 11,
                                12, 13, 14, 17, 18, 19, 20, 0, 21, 22, 23, 0, 40};
constexpr int kKouteiMedium[] = {1,  0,  2,  3,  4,  5,  6,  7,  0,  9,  10, 0,
                                 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 0,  21,
                                 22, 23, 0,  24, 25, 26, 31, 32, 33, 0,  40};
constexpr int kKouteiLong[] = {1,  0,  2,  3,  4,  5,  6,  7,  0,  9,  10, 0,  11, 12, 13, 14,
                               15, 16, 17, 18, 19, 20, 0,  21, 22, 23, 0,  24, 25, 26, 27, 28,
                               29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 0,  39, 0,  40};
constexpr int kZukeiShort[] = {1,  0,  2, 3,  4,  5,  6,  7,  8, 9,  10, 11, 12, 13,
                               14, 15, 0, 16, 17, 18, 19, 20, 0, 21, 22, 23, 24};
constexpr int kZukeiMedium[] = {1, 0,  2,  3,  4,  5,  6, 7,  8,  9,  10, 11, 12, 13, 14, 15,
                                0, 16, 17, 18, 19, 20, 0, 21, 22, 23, 24, 0,  25, 0,  30};
constexpr int kZukeiLong[] = {1,  0, 2,  3,  4,  5,  6,  7, 8,  9,  10, 11, 12, 13, 14,
                              15, 0, 16, 17, 18, 19, 20, 0, 21, 22, 23, 24, 0,  25, 0,
                              26, 0, 27, 28, 29, 0,  30, 0, 31, 32, 0,  33, 34, 35, 36};
constexpr int kChartBuiltIn[] = {1, 2, 3, 4, 5};

// The bars' commands that are standard actions, with their names in the freedesktop icon naming
// scheme. The undo/redo toggle shows undo; the help index shows the help contents. The context
// help (ID_CONTEXT_HELP) has no standard name.
struct StandardIcon {
    UINT command;
    const char* name;
};
constexpr StandardIcon kStandardIcons[] = {
    {ID_FILE_NEW, "document-new"},
    {ID_FILE_OPEN, "document-open"},
    {ID_FILE_SAVE, "document-save"},
    {ID_FILE_PRINT, "document-print"},
    {ID_FILE_PRINT_PREVIEW, "document-print-preview"},
    {ID_EDIT_UNDO, "edit-undo"},
    {ID_EDIT_DELETE, "edit-delete"},
    {ID_ZOOM_IN, "zoom-in"},
    {ID_ZOOM_NORMAL, "zoom-original"},
    {ID_ZOOM_OUT, "zoom-out"},
    {ID_HELP_INDEX, "help-contents"},
};

struct SetInfo {
    const char* key;
    UINT bitmap;
    std::span<const ToolBarCommand> table;
    std::span<const int> presets[3];
};

const SetInfo kSets[CToolBarSets::kSetCount] = {
    {"ToolBar", 2, kMainTable, {kMainShort, kMainMedium, kMainLong}},
    {"KoumokuBar", 229, kKoumokuTable, {kKoumokuShort, kKoumokuMedium, kKoumokuLong}},
    {"YogoBar", 122, kYogoTable, {kYogoShort, kYogoMedium, kYogoLong}},
    {"EventBar", 114, kEventTable, {kEventShort, kEventMedium, kEventLong}},
    {"KouteiBar", 115, kKouteiTable, {kKouteiShort, kKouteiMedium, kKouteiLong}},
    {"ZukeiBar", 126, kZukeiTable, {kZukeiShort, kZukeiMedium, kZukeiLong}},
    {"", 273, kChartTable, {kChartBuiltIn, kChartBuiltIn, kChartBuiltIn}},
};

static_assert(std::size(kMainLong) == 47 && std::size(kKoumokuLong) == 30 &&
              std::size(kYogoLong) == 32 && std::size(kEventLong) == 35 &&
              std::size(kKouteiLong) == 46 && std::size(kZukeiLong) == 45);

const SetInfo& Info(int set) {
    return kSets[std::clamp(set, 1, CToolBarSets::kSetCount) - 1];
}

bool IsPlaceholder(UINT id) {
    return id == kLayerComboPlace || id == kYogoComboPlace || id == kColorComboPlace;
}

// The command-table value of an entry, or 0 for a separator or a number outside the table.
UINT EntryValue(int set, int entry) {
    const auto table = Info(set).table;
    if (entry < 1 || static_cast<std::size_t>(entry) > table.size()) {
        return 0;
    }
    return table[static_cast<std::size_t>(entry) - 1].id;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

CToolBarSets::CToolBarSets() {
    for (int set = 1; set <= kSetCount; ++set) {
        m_sets[static_cast<std::size_t>(set) - 1] = BuiltIn(set);
    }
}

const char* CToolBarSets::Key(int set) {
    return Info(set).key;
}

UINT CToolBarSets::Bitmap(int set) {
    return Info(set).bitmap;
}

std::span<const ToolBarCommand> CToolBarSets::CommandTable(int set) {
    return Info(set).table;
}

std::string CToolBarSets::ButtonName(int set, int n) {
    const auto table = Info(set).table;
    if (n < 1 || static_cast<std::size_t>(n) > table.size()) {
        return {};
    }
    return table[static_cast<std::size_t>(n) - 1].name;
}

const char* CToolBarSets::StandardIconName(UINT command) {
    for (const StandardIcon& icon : kStandardIcons) {
        if (icon.command == command) {
            return icon.name;
        }
    }
    return nullptr;
}

std::vector<int> CToolBarSets::BuiltIn(int set) {
    return PresetArray(set, kPresetLong);
}

std::vector<int> CToolBarSets::PresetArray(int set, Preset preset) {
    const auto entries = Info(set).presets[static_cast<int>(preset)];
    return {entries.begin(), entries.end()};
}

void CToolBarSets::CopyDefaultToolBarArray(int set, std::vector<int>* commands,
                                           std::vector<int>* nameIds) {
    const auto table = Info(set).table;
    if (commands != nullptr) {
        commands->clear();
        for (const ToolBarCommand& c : table) {
            commands->push_back(static_cast<int>(c.id));
        }
    }
    if (nameIds != nullptr) {
        nameIds->clear();
        for (const ToolBarCommand& c : table) {
            nameIds->push_back(static_cast<int>(c.nameId));
        }
    }
}

std::vector<int> CToolBarSets::ParseSetValue(int set, std::string_view value) {
    std::vector<long> numbers;
    std::size_t pos = 0;
    while (pos < value.size()) {
        while (pos < value.size() && IsBlank(value[pos])) {
            ++pos;
        }
        const std::size_t start = pos;
        if (pos < value.size() && (value[pos] == '-' || value[pos] == '+')) {
            ++pos;
        }
        const std::size_t digits = pos;
        long number = 0;
        while (pos < value.size() && value[pos] >= '0' && value[pos] <= '9') {
            // Past four digits a number names nothing in any table; keep it from growing.
            number = std::min(number * 10 + (value[pos] - '0'), 99999L);
            ++pos;
        }
        if (pos == digits) {
            break; // no digits: not a number
        }
        if (value[start] == '-') {
            number = -number;
        }
        numbers.push_back(number);
        // Whatever follows the digits up to the next comma or semicolon belongs to this field.
        while (pos < value.size() && value[pos] != ',' && value[pos] != ';') {
            ++pos;
        }
        ++pos;
    }

    std::vector<int> entries;
    if (numbers.empty() || numbers.front() < 1) {
        return entries;
    }
    const std::size_t taken =
        std::min(static_cast<std::size_t>(numbers.front()), numbers.size() - 1);
    for (std::size_t i = 1; i <= taken; ++i) {
        const long n = numbers[i];
        if (n < 1) {
            entries.push_back(0);
        } else if (EntryValue(set, static_cast<int>(n)) != 0) {
            entries.push_back(static_cast<int>(n));
        }
    }
    return entries;
}

std::string CToolBarSets::FormatSetValue(std::span<const int> entries) {
    std::string text = std::to_string(entries.size());
    for (int n : entries) {
        text += ',';
        text += std::to_string(n);
    }
    return text;
}

std::vector<int> CToolBarSets::ThinForInPlace(std::span<const int> entries) {
    std::vector<int> kept;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int n = entries[i];
        if ((n >= 1 && n <= 5) || (n >= 34 && n <= 37)) {
            if (i + 1 < entries.size() && entries[i + 1] < 1) {
                ++i; // the separator that follows goes with it
            }
            continue;
        }
        kept.push_back(n);
    }
    if (kept.empty()) {
        kept.push_back(6);
    }
    return kept;
}

void CToolBarSets::LoadToolBarSettings(UINT mask, BOOL inPlace) {
    for (int set = 1; set <= kStoredSetCount; ++set) {
        if ((mask & (1u << (set - 1))) == 0) {
            continue;
        }
        std::vector<int> entries = ParseSetValue(set, GetProfileString(kSection, Key(set)));
        m_sets[static_cast<std::size_t>(set) - 1] = entries.empty() ? BuiltIn(set) : entries;
    }
    if (inPlace) {
        m_sets[0] = ThinForInPlace(m_sets[0]);
    }
}

BOOL CToolBarSets::SaveToolBarSettings() const {
    bool ok = true;
    for (int set = 1; set <= kStoredSetCount; ++set) {
        const std::string value = FormatSetValue(GetToolBarArray(set));
        ok = WriteProfileString(kSection, Key(set), value.c_str()) != FALSE && ok;
    }
    return ok ? TRUE : FALSE;
}

const std::vector<int>& CToolBarSets::GetToolBarArray(int set) const {
    return m_sets[static_cast<std::size_t>(std::clamp(set, 1, kSetCount)) - 1];
}

void CToolBarSets::SetToolBarArray(int set, std::span<const int> entries) {
    if (set < 1 || set > kStoredSetCount) {
        return;
    }
    m_sets[static_cast<std::size_t>(set) - 1].assign(entries.begin(), entries.end());
}

void CToolBarSets::ApplyPreset(Preset preset) {
    for (int set = 1; set <= kStoredSetCount; ++set) {
        m_sets[static_cast<std::size_t>(set) - 1] = PresetArray(set, preset);
    }
}

int CToolBarSets::FindPlaceholder(int set, UINT placeholder) const {
    const std::vector<int>& entries = GetToolBarArray(set);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (EntryValue(set, entries[i]) == placeholder) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::vector<ToolBarItem> CToolBarSets::LayoutToolBar(int set) const {
    const std::vector<int>& entries = GetToolBarArray(set);
    auto isPlaceholderAt = [&](std::size_t i) {
        return i < entries.size() && IsPlaceholder(EntryValue(set, entries[i]));
    };
    std::vector<ToolBarItem> items;
    items.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const UINT value = EntryValue(set, entries[i]);
        ToolBarItem item;
        switch (value) {
        case 0: {
            const bool besidePlaceholder =
                isPlaceholderAt(i + 1) || (i > 0 && isPlaceholderAt(i - 1));
            item.width = besidePlaceholder ? 12 : 8;
            break;
        }
        case kLayerComboPlace:
            item = {ToolBarItem::Separator, kLayerComboId, -1, 76};
            break;
        case kYogoComboPlace:
            item = {ToolBarItem::Separator, kYogoComboId, -1, 282};
            break;
        case kColorComboPlace:
            item = {ToolBarItem::Separator,
                    set == 5 ? UINT{kKouteiColorComboId} : UINT{kYogoColorComboId}, -1, 76};
            break;
        default:
            item = {ToolBarItem::Button, value, entries[i] - 1, 0};
            break;
        }
        items.push_back(item);
    }
    return items;
}

} // namespace tembra
