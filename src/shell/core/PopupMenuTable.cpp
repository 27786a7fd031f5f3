#include "shell/core/PopupMenuTable.h"

#include <array>
#include <iterator>

namespace tembra {

namespace {

// 7 "_SimplePopup_": cancel one, selection by links, draw/edit mode, the mode keys, copy, move,
// delete, the drawing conditions and the attributes of the mode.
constexpr MenuEntry kSimplePopup[] = {
    {0, 32946, "1つｷｬﾝｾﾙ"}, {0, 0, nullptr},     {0, 0, "選　択"},    {1, 32829, nullptr},
    {1, 32774, nullptr},    {1, 32828, nullptr}, {1, 32773, nullptr}, {0, 0, nullptr},
    {0, 32922, nullptr},    {0, 32923, nullptr}, {0, 0, nullptr},     {0, 32927, nullptr},
    {0, 32930, nullptr},    {0, 32926, nullptr}, {0, 32929, nullptr}, {0, 32931, nullptr},
    {0, 32928, nullptr},    {0, 0, nullptr},     {0, 32924, nullptr}, {0, 32925, nullptr},
    {0, 32784, nullptr},    {0, 0, nullptr},     {0, 32790, nullptr}, {0, 33021, "ｱﾄﾘﾋﾞｭｰﾄ(属性)"},
};

// 135 "_KouteiSen": the line entries of 属性 > 工程線.
constexpr MenuEntry kKouteiSen[] = {
    {0, 33017, nullptr}, {0, 32847, nullptr}, {0, 0, "線種"},      {1, 32870, nullptr},
    {1, 32848, nullptr}, {1, 32843, nullptr}, {1, 32844, nullptr}, {1, 32845, nullptr},
    {1, 32873, nullptr}, {0, 0, "線幅"},      {1, 32867, nullptr}, {1, 32872, nullptr},
    {1, 32840, nullptr}, {0, 0, "線色"},      {1, 32839, nullptr}, {1, 32868, nullptr},
    {1, 32849, nullptr}, {1, 32866, nullptr}, {1, 32842, nullptr}, {1, 32878, nullptr},
    {1, 33069, nullptr}, {0, 0, "休日"},      {1, 32851, nullptr}, {1, 32850, nullptr},
    {0, 0, "スタイル"},  {1, 32877, nullptr}, {1, 32876, nullptr}, {1, 32841, nullptr},
    {1, 32869, nullptr}, {1, 33024, nullptr}, {1, 32862, nullptr}, {1, 32863, nullptr},
    {1, 32864, nullptr}, {1, 32838, nullptr}, {1, 32865, nullptr}, {0, 0, "ｻﾌﾞｽﾀｲﾙ"},
    {1, 32871, nullptr}, {1, 32861, nullptr}, {1, 32875, nullptr}, {0, 32874, nullptr},
};

// 137 "_KouteiNode": the node entries of 属性 > 工程線.
constexpr MenuEntry kKouteiNode[] = {
    {0, 33025, nullptr}, {0, 0, "ノード"},    {1, 32894, nullptr}, {1, 32891, nullptr},
    {1, 32886, nullptr}, {1, 32897, nullptr}, {1, 32889, nullptr}, {1, 32895, nullptr},
    {1, 32887, nullptr}, {1, 32896, nullptr}, {1, 32888, nullptr}, {1, 32893, nullptr},
    {1, 32885, nullptr}, {1, 32892, nullptr}, {1, 33030, nullptr}, {1, 33031, nullptr},
    {1, 32890, nullptr},
};

// 141 "_Yogo": 属性 > 用語.
constexpr MenuEntry kYogo[] = {
    {0, 33018, nullptr}, {0, 32985, nullptr}, {0, 40066, nullptr}, {0, 0, "書式"},
    {1, 32976, nullptr}, {1, 32977, nullptr}, {1, 32974, nullptr}, {1, 32975, nullptr},
    {1, 32967, nullptr}, {1, 32968, nullptr}, {1, 32988, nullptr}, {1, 32970, nullptr},
    {0, 0, "修飾"},      {1, 32961, nullptr}, {1, 32972, nullptr}, {1, 32982, nullptr},
    {1, 32965, nullptr}, {1, 32986, nullptr}, {0, 0, "色"},        {1, 32964, nullptr},
    {1, 32978, nullptr}, {1, 32971, nullptr}, {1, 32973, nullptr}, {1, 32966, nullptr},
    {1, 32989, nullptr}, {1, 33070, nullptr}, {0, 0, "サイズ"},    {1, 32991, nullptr},
    {1, 32987, nullptr}, {1, 32990, nullptr}, {1, 32960, nullptr},
};

// 143 "_Event": 属性 > 行事.
constexpr MenuEntry kEvent[] = {
    {0, 33019, nullptr}, {0, 32821, nullptr},      {0, 40067, nullptr}, {0, 0, "書式"},
    {1, 32814, nullptr}, {1, 32815, nullptr},      {1, 32812, nullptr}, {1, 32804, nullptr},
    {1, 32805, nullptr}, {1, 32802, nullptr},      {1, 32803, nullptr}, {1, 32810, nullptr},
    {0, 0, "修飾"},      {1, 32798, nullptr},      {1, 32809, nullptr}, {1, 32818, nullptr},
    {1, 32800, nullptr}, {1, 32822, nullptr},      {0, 0, "色"},        {1, 32799, nullptr},
    {1, 32816, nullptr}, {1, 32808, nullptr},      {1, 32811, nullptr}, {1, 32801, nullptr},
    {1, 32824, nullptr}, {1, 33071, nullptr},      {0, 0, "サイズ"},    {1, 32826, nullptr},
    {1, 32823, nullptr}, {1, 32825, nullptr},      {1, 32796, nullptr}, {0, 32797, nullptr},
    {0, 33143, nullptr}, {0, 0, "ハイパーリンク"}, {1, 33131, nullptr}, {1, 33132, nullptr},
    {1, 33144, nullptr},
};

// 145 "_Zukei": 属性 > 線画 with the text edit and the two safety texts.
constexpr MenuEntry kZukei[] = {
    {0, 33014, nullptr},
    {0, 0, "線種"},
    {1, 40001, nullptr},
    {1, 40003, nullptr},
    {1, 40002, nullptr},
    {1, 40004, nullptr},
    {1, 40005, nullptr},
    {1, 40006, nullptr},
    {1, 33100, nullptr},
    {0, 0, "線幅"},
    {1, 40007, nullptr},
    {1, 40008, nullptr},
    {1, 40009, nullptr},
    {0, 0, "線色"},
    {1, 40025, nullptr},
    {1, 40011, nullptr},
    {1, 40012, nullptr},
    {1, 40013, nullptr},
    {1, 40014, nullptr},
    {1, 40015, nullptr},
    {1, 33073, nullptr},
    {0, 0, "模様色"},
    {1, 40010, nullptr},
    {1, 40026, nullptr},
    {1, 40027, nullptr},
    {1, 40028, nullptr},
    {1, 40029, nullptr},
    {1, 40030, nullptr},
    {1, 33074, nullptr},
    {0, 0, nullptr},
    {0, 33094, nullptr},
    {0, 33015, nullptr},
    {0, 33016, nullptr},
    {0, 32792, nullptr},
    {0, 32791, nullptr},
    {0, 32789, nullptr},
    {0, 0, nullptr},
    {0, 33102, "災害と対策文字設定(&S)"},
    {0, 33138, "週間目標と実施項目文字設定(&S)"},
};

// 147 "_Object": the embedded object's display.
constexpr MenuEntry kObject[] = {
    {0, 32936, "イメージ表示"},
    {0, 32935, "アイコンで表示"},
    {0, 32937, "サイズリセット"},
};

// 149 "_Chart": 属性 > 山積.
constexpr MenuEntry kChart[] = {
    {0, 40073, nullptr}, {0, 40074, nullptr}, {0, 33067, nullptr},
    {0, 33068, nullptr}, {0, 40075, nullptr},
};

// 222 "模様": the nine patterns of processes, each shown with its image.
constexpr MenuEntry kPattern[] = {
    {0, 32858, nullptr}, {0, 32860, nullptr}, {0, 32856, nullptr},
    {0, 32852, nullptr}, {0, 32853, nullptr}, {0, 32854, nullptr},
    {0, 32855, nullptr}, {0, 32857, nullptr}, {0, 32859, nullptr},
};

// 201 to 205, 294, 295: the drop-downs under the line-drawing bar's buttons 線種, 線幅, 線色, 模様,
// 模様色, 文字色 and 文字書式.
constexpr MenuEntry kZukeiLineType[] = {
    {0, 40001, "1. 実線"},     {0, 40003, "2. 破線"},     {0, 40002, "3. 点線"},
    {0, 40004, "4. １点鎖線"}, {0, 40005, "5. ２点鎖線"}, {0, 40006, "6. 仮線"},
    {0, 33100, "&7. 線なし"},
};
constexpr MenuEntry kZukeiWidth[] = {
    {0, 40007, "1. 標準"},
    {0, 40008, "2. 細い"},
    {0, 40009, "3. 太い"},
};
constexpr MenuEntry kZukeiColor[] = {
    {0, 40025, "1. 黒"},   {0, 40011, "2. 赤"},   {0, 40012, "3. 緑"},     {0, 40013, "4. 紫"},
    {0, 40014, "5. 水色"}, {0, 40015, "6. 黄色"}, {0, 33073, "7. その他"},
};
constexpr MenuEntry kZukeiHatch[] = {
    {0, 40016, "1. なし"},       {0, 40017, "2. 白抜き"},   {0, 40018, "3. べた"},
    {0, 40019, "4. 右上り斜線"}, {0, 40020, "5. 縦横格子"}, {0, 40021, "6. 斜め格子"},
    {0, 40022, "7. 右下り斜線"}, {0, 40023, "8. 横縞"},     {0, 40024, "9. 縦縞"},
};
constexpr MenuEntry kZukeiHatchColor[] = {
    {0, 40010, "1. 黒"},   {0, 40026, "2. 赤"},   {0, 40027, "3. 緑"},     {0, 40028, "4. 紫"},
    {0, 40029, "5. 水色"}, {0, 40030, "6. 黄色"}, {0, 33074, "7. その他"},
};
constexpr MenuEntry kZukeiTextColor[] = {
    {0, 33085, "&1. 黒"},   {0, 33086, "&2. 赤"},   {0, 33087, "&3. 緑"},     {0, 33088, "&4. 紫"},
    {0, 33089, "&5. 水色"}, {0, 33090, "&6. 黄色"}, {0, 33103, "&7. その他"},
};
constexpr MenuEntry kZukeiTextForm[] = {
    {0, 33091, "&1. 左寄せ"}, {0, 33092, "&2. 右寄せ"}, {0, 33093, "&3. 中　央"},
    {0, 33095, "&4. 上寄せ"}, {0, 33096, "&5. 行中央"}, {0, 33097, "&6. 下寄せ"},
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
