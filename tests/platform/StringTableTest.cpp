#include "platform/StringTable.h"

#include "platform/Sjis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using std::string;

// Selects a program's table for one test and goes back to the main program's afterwards.
class ScopedTable {
public:
    explicit ScopedTable(StringTableProgram program) { SelectStringTable(program); }
    ~ScopedTable() { SelectStringTable(StringTableProgram::Tembra); }
    ScopedTable(const ScopedTable&) = delete;
    ScopedTable& operator=(const ScopedTable&) = delete;
};

// Records missing ids instead of failing the test; puts back a failing handler afterwards.
class RecordMissing {
public:
    RecordMissing() {
        SetMissingStringHandler([this](UINT id) { ids.push_back(id); });
    }
    ~RecordMissing() {
        SetMissingStringHandler(
            [](UINT id) { ADD_FAILURE() << "string id " << id << " is not in the string table"; });
    }
    RecordMissing(const RecordMissing&) = delete;
    RecordMissing& operator=(const RecordMissing&) = delete;
    std::vector<UINT> ids;
};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(const string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t len = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > s.size())
            return false;
        for (std::size_t k = 1; k < len; ++k) {
            const auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

class StringTableIntegrity : public testing::TestWithParam<StringTableProgram> {};

TEST_P(StringTableIntegrity, SortedUniqueAndConvertibleToCp932) {
    const std::span<const StringEntry> table = StringTableOf(GetParam());
    ASSERT_FALSE(table.empty());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const StringEntry& e = table[i];
        if (i > 0) {
            EXPECT_LT(table[i - 1].id, e.id) << "ids out of order or repeated at " << e.id;
        }
        ASSERT_NE(e.utf8, nullptr) << e.id;
        const string text = e.utf8;
        EXPECT_FALSE(text.empty()) << e.id;
        EXPECT_TRUE(IsValidUtf8(text)) << e.id;
        // Records and message boxes take CP932: a character without a CP932 form would turn
        // into '?' on the way.
        EXPECT_EQ(Sjis::ToUtf8(Sjis::FromUtf8(text)), text) << e.id;
    }
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, StringTableIntegrity,
                         testing::Values(StringTableProgram::Tembra, StringTableProgram::Marquell),
                         [](const testing::TestParamInfo<StringTableProgram>& info) {
                             return info.param == StringTableProgram::Tembra ? "Tembra"
                                                                             : "Marquell";
                         });

TEST(StringTableTest, WellKnownTexts) {
    struct Case {
        StringTableProgram program;
        UINT id;
        const char* text;
    };
    const std::vector<Case> cases = {
        {StringTableProgram::Tembra, 57344, "Tembra+"},
        {StringTableProgram::Tembra, 5084, "変更内容は次回新規作成から有効になります"},
        {StringTableProgram::Tembra, 5116,
         "システム時間が異常です。\n今日の日付に合わせてください。"},
        // A trailing line break belongs to the text.
        {StringTableProgram::Tembra, 5060, "ｵﾍﾟﾚｰｼｮﾝ回数が限界を越えました\n"},
        // The profile format of a paper font, with its quotes.
        {StringTableProgram::Tembra, 5150, "\"%s\",%d,%d"},
        {StringTableProgram::Tembra, 5086, "選択ファイルは「%1」が使用中です。"},
        {StringTableProgram::Tembra, 5054,
         "ＤＯＳ版の延日モードは、以下の条件内でなければなりません。\n　・前余白：準備期間を含めて"
         "最"
         "大５日\n　・後余白：最大５日\n　・期　間：最大３６５日\n初期設定を調整しなおしてください"
         "。"},
        {StringTableProgram::Tembra, 118,
         "\n無題\nTembra+ ﾄﾞｷｭﾒﾝﾄ\nTembra+ ﾌｧｲﾙ (*.tbr)\n.tbr\nTembraFileType\nTembra+ ﾌｧｲﾙ ﾀｲﾌﾟ"},
        {StringTableProgram::Tembra, 104, ".tbr"},
        {StringTableProgram::Tembra, 1051, "項目名称を入力（ENTERキーで決定）"},
        {StringTableProgram::Tembra, 5521, "工程欄ヘッダ指定(&H)"},
        {StringTableProgram::Marquell, 57344, "Marquell"},
        {StringTableProgram::Marquell, 128,
         "ﾚｲｱｳﾄ ｴﾃﾞｨﾀ  <> - [ Ａ４ ] \n無題\nLayouDocument\nLayout File "
         "(*.lyt)\n.lyt\nLayout.Document\nLayout Document"},
        // The prompts of the layout view run through its mode table row by row.
        {StringTableProgram::Marquell, 61217, "固定文字入力領域の開始点を左クリック"},
        {StringTableProgram::Marquell, 61220, "入力領域の開始点を左クリック"},
        {StringTableProgram::Marquell, 61240, "変形先で左クリック"},
        {StringTableProgram::Marquell, 61253,
         "一時編集中です。\n他のファイルを開くことはできません。"},
    };
    for (const Case& c : cases) {
        ScopedTable table(c.program);
        const char* text = FindString(c.id);
        ASSERT_NE(text, nullptr) << c.id;
        EXPECT_STREQ(text, c.text) << c.id;
        EXPECT_EQ(LoadStringUtf8(c.id), c.text) << c.id;
    }
}

TEST(StringTableTest, LoadStringGivesCp932Bytes) {
    struct Case {
        UINT id;
        string bytes;
    };
    const std::vector<Case> cases = {
        {5509, "\x8D\x95"},                     // 黒
        {104, ".tbr"},                          // ASCII stays as it is
        {5133, "\xCC\xDF\xDA\xCB\xDE\xAD\xB0"}, // ﾌﾟﾚﾋﾞｭｰ, single-byte katakana
        {1014,
         "\x92\x86\x93\x5F\x82\xC5\x8D\xB6\x83\x4E\x83\x8A\x83\x62\x83\x4E"}, // 中点で左クリック
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadString(c.id), c.bytes) << c.id;
    // The full-width tilde of the overlap question must become its CP932 code, not '?'.
    EXPECT_NE(LoadString(5162).find("\x81\x60"), string::npos);
}

TEST(StringTableTest, MissingIdIsReportedAndMarked) {
    RecordMissing missing;
    EXPECT_EQ(FindString(4999), nullptr);
    EXPECT_EQ(LoadStringUtf8(4999), "#4999");
    EXPECT_EQ(LoadString(65535), "#65535");
    EXPECT_EQ(missing.ids, (std::vector<UINT>{4999, 65535}));
}

TEST(StringTableTest, SelectionSwitchesTheTableSearched) {
    EXPECT_EQ(SelectedStringTable(), StringTableProgram::Tembra);
    RecordMissing missing;
    {
        ScopedTable table(StringTableProgram::Marquell);
        EXPECT_EQ(SelectedStringTable(), StringTableProgram::Marquell);
        EXPECT_STREQ(FindString(57344), "Marquell");
        EXPECT_NE(FindString(61241), nullptr);
        // The main program's messages are not the editor's.
        EXPECT_EQ(FindString(5084), nullptr);
        EXPECT_EQ(LoadStringUtf8(5084), "#5084");
    }
    EXPECT_EQ(SelectedStringTable(), StringTableProgram::Tembra);
    EXPECT_STREQ(FindString(57344), "Tembra+");
    EXPECT_EQ(FindString(61241), nullptr);
    EXPECT_EQ(missing.ids, (std::vector<UINT>{5084}));
}

TEST(StringTableTest, FormatStringReplacesPlaceholdersOnCharacterBoundaries) {
    const string hyo = "\x95\x5C"; // 表, trail byte '\'
    struct Case {
        const char* name;
        string format;
        std::vector<string> args;
        string expected;
    };
    const std::vector<Case> cases = {
        {"two placeholders", "%1 and %2", {"A", "B"}, "A and B"},
        {"placeholder used twice", "%1-%2-%1", {"x", "y"}, "x-y-x"},
        {"after a double-byte character", hyo + "%1" + hyo, {"A"}, hyo + "A" + hyo},
        {"lone percent at the end", "100%", {"A"}, "100%"},
        {"percent before a letter", "%a%1", {"A"}, "%aA"},
        {"percent zero is no placeholder", "%0", {"A"}, "%0"},
        {"doubled percent keeps the first", "%%1", {"A"}, "%A"},
        {"placeholder without an argument stays", "%1 %3", {"A", "B"}, "A %3"},
        {"arguments are not scanned again", "%1", {"%2", "B"}, "%2"},
        {"lead byte followed by percent is one character", "\x95%1", {"A"}, "\x95%1"},
        {"lone lead byte at the end", "%1\x95", {"A"}, "A\x95"},
        {"empty format", "", {"A"}, ""},
    };
    for (const Case& c : cases) {
        string out;
        switch (c.args.size()) {
        case 1:
            out = FormatString(c.format, {c.args[0]});
            break;
        case 2:
            out = FormatString(c.format, {c.args[0], c.args[1]});
            break;
        default:
            FAIL() << "case with " << c.args.size() << " arguments";
        }
        EXPECT_EQ(out, c.expected) << c.name;
    }
}

TEST(StringTableTest, FormatStringFillsTableMessages) {
    const string owner = "PC01";
    EXPECT_EQ(Sjis::ToUtf8(FormatString(LoadString(5086), {owner})),
              "選択ファイルは「PC01」が使用中です。");
    EXPECT_EQ(Sjis::ToUtf8(
                  FormatString(LoadString(5145), {Sjis::FromUtf8("災害"), Sjis::FromUtf8("対策")})),
              "現在選択中の線画文字図形は災害枠と対策枠のセットではありません。\n"
              "選択した線画文字図形を災害枠と対策枠に設定しますか？");
}

} // namespace
} // namespace tembra
