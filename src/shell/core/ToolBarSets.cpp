#include "shell/core/ToolBarSets.h"

#include "platform/Profile.h"

#include <algorithm>
#include <cstdlib>

namespace tembra {

namespace {

// The command tables, in button-number order. The names of sets 1 to 6 are string-table texts
// from 6003 up in table order; the chart bar's are not in the table.
constexpr ToolBarCommand kMainTable[] = {
    {57600, 6003, "新規作成"},
    {57601, 6004, "開く"},
    {57603, 6005, "上書き保存"},
    {57607, 6006, "印刷"},
    {57609, 6007, "印刷プレビュー"},
    {32948, 6008, "初期設定"},
    {33008, 6009, "[暦・延]モード変更"},
    {32778, 6010, "カレンダ"},
    {32941, 6011, "印刷ﾍｯﾀﾞ"},
    {32790, 6012, "作図・編集条件"},
    {32922, 6013, "作図ﾓｰﾄﾞ"},
    {32923, 6014, "編集ﾓｰﾄﾞ"},
    {32924, 6015, "複　写"},
    {32925, 6016, "移　動"},
    {32784, 6017, "消　去"},
    {57643, 6018, "アンドゥ／リドゥ"},
    {32927, 6019, "工程線"},
    {32930, 6020, "用　語"},
    {32926, 6021, "行　事"},
    {32929, 6022, "進捗線"},
    {32931, 6023, "線   画"},
    {32928, 6024, "ｵﾌﾞｼﾞｪｸﾄ"},
    {40069, 6025, "資　源"},
    {40071, 6026, "山　積"},
    {40062, 6027, "領域拡大"},
    {33004, 6028, "拡大"},
    {33005, 6029, "等倍"},
    {33006, 6030, "縮小"},
    {32835, 6031, "左へ"},
    {32834, 6032, "右へ"},
    {32836, 6033, "リセット"},
    {32900, 6034, "上へ"},
    {32899, 6035, "下へ"},
    {57648, 6036, "新しいウィンドウを開く"},
    {57650, 6037, "重ねて表示"},
    {57652, 6038, "横に並べて表示"},
    {57651, 6039, "縦に並べて表示"},
    {57666, 6040, "Tembra+のヘルプ索引"},
    {57669, 6041, "ﾍﾙﾌﾟの表示"},
    {kLayerComboPlace, 6042, "レイヤーコンボ"},
    {32898, 6043, "レイヤー設定"},
    {40092, 6044, "時間モード"},
    {33145, 6045, "工程・項目欄 塗り潰し色"},
    {33119, 6046, "フローティング表示・非表示"},
};

constexpr ToolBarCommand kKoumokuTable[] = {
    {40035, 6047, "属性一括"},
    {40055, 6048, "文字修正"},
    {kYogoComboPlace, 6049, "用語コンボ"},
    {32994, 6050, "用語一覧"},
    {40049, 6051, "左寄せ"},
    {40051, 6052, "中　央"},
    {40050, 6053, "右寄せ"},
    {40052, 6054, "上寄せ"},
    {40053, 6055, "行中央"},
    {40054, 6056, "下寄せ"},
    {32902, 6057, "行挿入"},
    {32901, 6058, "行削除"},
    {40056, 6059, "フォント"},
    {40042, 6060, "強　調"},
    {40036, 6061, "標　準"},
    {40037, 6062, "縦倍角"},
    {40038, 6063, "横倍角"},
    {40039, 6064, "４倍角"},
    {40058, 6065, "罫線"},
    {kColorComboPlace, 6066, "色コンボ"},
    {32993, 6067, "MY用語一覧"},
};

constexpr ToolBarCommand kYogoTable[] = {
    {33018, 6068, "属性一括"},
    {32985, 6069, "文字修正"},
    {kYogoComboPlace, 6070, "用語コンボ"},
    {32994, 6071, "用語一覧"},
    {32976, 6072, "左寄せ"},
    {32974, 6073, "中　央"},
    {32977, 6074, "右寄せ"},
    {32975, 6075, "任　意"},
    {32968, 6076, "右引出"},
    {32967, 6077, "左引出"},
    {32988, 6078, "上　部"},
    {32970, 6079, "下　部"},
    {40066, 6080, "フォント"},
    {32972, 6081, "囲　み"},
    {32982, 6082, "白　抜"},
    {32965, 6083, "強　調"},
    {32986, 6084, "縦書き"},
    {32991, 6085, "標　準"},
    {32987, 6086, "縦倍角"},
    {32990, 6087, "横倍角"},
    {32960, 6088, "４倍角"},
    {kColorComboPlace, 6089, "色コンボ"},
    {32993, 6090, "MY用語一覧"},
    {33114, 6091, "半角文字は常に横書き"},
};

constexpr ToolBarCommand kEventTable[] = {
    {33019, 6092, "属性一括"},
    {32821, 6093, "文字修正"},
    {kYogoComboPlace, 6094, "用語コンボ"},
    {40063, 6095, "日付指定"},
    {40064, 6096, "曜日指定"},
    {32994, 6097, "用語一覧"},
    {32814, 6098, "左寄せ"},
    {32812, 6099, "中　央"},
    {32815, 6100, "右寄せ"},
    {32805, 6101, "右吹出"},
    {32804, 6102, "左吹出"},
    {32803, 6103, "日中央"},
    {32802, 6104, "日付合"},
    {32810, 6105, "行　合"},
    {40067, 6106, "フォント"},
    {32809, 6107, "囲　み"},
    {32818, 6108, "白　抜"},
    {32800, 6109, "強　調"},
    {32822, 6110, "縦書き"},
    {32826, 6111, "標　準"},
    {32823, 6112, "縦倍角"},
    {32825, 6113, "横倍角"},
    {32796, 6114, "４倍角"},
    {kColorComboPlace, 6115, "色コンボ"},
    {32993, 6116, "MY用語一覧"},
    {33117, 6117, "半角文字は常に横書き"},
};

constexpr ToolBarCommand kKouteiTable[] = {
    {33017, 6118, "属性一括"},      {32870, 6119, "実線"},
    {32848, 6120, "点線"},          {32843, 6121, "破線"},
    {32844, 6122, "１点鎖線"},      {32845, 6123, "２点鎖線"},
    {32873, 6124, "仮線"},          {32872, 6125, "細い"},
    {32867, 6126, "標準"},          {32840, 6127, "太い"},
    {32877, 6128, "Ｙ先行エルボ"},  {32876, 6129, "Ｘ先行エルボ"},
    {32841, 6130, "クランク"},      {32869, 6131, "斜め"},
    {33024, 6132, "門型"},          {32865, 6133, "関係線"},
    {32862, 6134, "囲み１"},        {32863, 6135, "囲み２"},
    {32864, 6136, "囲み３"},        {32838, 6137, "バー"},
    {33022, 6138, "模様"},          {32861, 6139, "斜　行"},
    {32875, 6140, "矢印無"},        {32894, 6141, "　○"},
    {32891, 6142, "　◎"},           {32886, 6143, "　●"},
    {32897, 6144, "　△"},           {32889, 6145, "　▲"},
    {32895, 6146, "　▽"},           {32887, 6147, "　▼"},
    {32896, 6148, "　□"},           {32888, 6149, "　■"},
    {32893, 6150, "　◇"},           {32885, 6151, "　◆"},
    {32892, 6152, "非表示"},        {32890, 6153, "接　続"},
    {33030, 6154, "ﾏｲﾙｽﾄｰﾝ(開始)"}, {33031, 6155, "ﾏｲﾙｽﾄｰﾝ(終了)"},
    {33025, 6156, "ﾉｰﾄﾞｻｲｽﾞ"},      {kColorComboPlace, 6157, "色コンボ"},
};

constexpr ToolBarCommand kZukeiTable[] = {
    {33014, 6158, "属性一括"},
    {32914, 6159, "直線"},
    {32919, 6160, "連続直線"},
    {32918, 6161, "多角形"},
    {32906, 6162, "四角"},
    {32907, 6163, "角丸四角"},
    {32908, 6164, "円"},
    {32912, 6165, "楕円"},
    {32903, 6166, "円弧"},
    {32913, 6167, "扇型"},
    {32909, 6168, "三角(上下)"},
    {32910, 6169, "三角(左右)"},
    {32904, 6170, "矢印(↑↓)"},
    {32905, 6171, "矢印(←→)"},
    {32911, 6172, "菱形"},
    {33009, 6173, "線種"},
    {33010, 6174, "線幅"},
    {33011, 6175, "線色"},
    {33012, 6176, "模様"},
    {33013, 6177, "模様色"},
    {33015, 6178, "グループ化"},
    {33016, 6179, "グループ解除"},
    {32792, 6180, "前面移動"},
    {32791, 6181, "背面移動"},
    {32789, 6182, "線画変形"},
    {40031, 6183, "角丸半径"},
    {32915, 6184, "拡大縮小／移動する"},
    {32916, 6185, "移動のみ"},
    {32917, 6186, "位置とｻｲｽﾞを固定"},
    {40032, 6187, "グリッド設定"},
    {33081, 6188, "文字入力"},
    {33094, 6189, "文字編集"},
    {33083, 6190, "文字フォント"},
    {33084, 6191, "文字強調"},
    {33098, 6192, "文字色"},
    {33099, 6193, "文字書式"},
};

constexpr ToolBarCommand kChartTable[] = {
    {40073, 0, "グラフ表示"},   {40074, 0, "グラフ編集"},   {40075, 0, "グラフ再計算"},
    {33067, 0, "出来高線表示"}, {33068, 0, "出来高線編集"},
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
// help (57669) has no standard name.
struct StandardIcon {
    UINT command;
    const char* name;
};
constexpr StandardIcon kStandardIcons[] = {
    {57600, "document-new"},
    {57601, "document-open"},
    {57603, "document-save"},
    {57607, "document-print"},
    {57609, "document-print-preview"},
    {57643, "edit-undo"},
    {32784, "edit-delete"},
    {33004, "zoom-in"},
    {33005, "zoom-original"},
    {33006, "zoom-out"},
    {57666, "help-contents"},
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
