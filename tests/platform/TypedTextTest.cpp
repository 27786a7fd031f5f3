// A typed text on its way into CP932: which characters it cannot take, and the message that
// names them.
#include "platform/TypedText.h"

#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

TEST(TypedTextTest, FindsEachCharacterCp932CannotHoldOnce) {
    struct Case {
        const char* text;
        std::vector<UnstorableChar> found;
    };
    const Case cases[] = {
        {"A𠮷B", {{2, 0x20BB7}}},
        {"😀", {{1, 0x1F600}}},
        {"josé", {{4, 0xE9}}},
        {"é𠮷é", {{1, 0xE9}, {2, 0x20BB7}}},
        {"ｱｲｳ", {}},       // half-width kana
        {"髙①～¥", {}},    // the extensions and the one-way forms CP932 takes
        {"]=\n\r\t ", {}}, // what the INI format cares about is no CP932 matter
        {"", {}},
        {"\xEF\x9D\x81", {}}, // a byte the program kept from a file (U+F741) goes back as it was
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindUnstorable(c.text), c.found) << c.text;
    }
}

TEST(TypedTextTest, TheMessageNamesThePlaceAndCodeOfEach) {
    test::ScopedUi ui;
    EXPECT_FALSE(RefuseUnstorable("工程"));
    EXPECT_TRUE(ui->MessageBoxes().empty());
    EXPECT_TRUE(RefuseUnstorable("A𠮷B😀"));
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_UNSTORABLE_TEXT);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "保存できない文字が含まれています。\n"
                                          "2文字目 (U+20BB7)\n4文字目 (U+1F600)\n"
                                          "別の文字に置き換えてください。");
    // Ten lines at most.
    std::string many;
    for (char32_t c = 0x1F600; c < 0x1F60C; ++c) {
        Sjis::AppendUtf8(many, c);
    }
    const std::string text = Sjis::ToUtf8(UnstorableMessage(FindUnstorable(many)));
    EXPECT_NE(text.find("10文字目 (U+1F609)\n…\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("11文字目"), std::string::npos);
}

TEST(TypedTextTest, BothProgramsHaveTheMessage) {
    for (const StringTableProgram program :
         {StringTableProgram::Tembra, StringTableProgram::Marquell}) {
        SelectStringTable(program);
        EXPECT_NE(FindString(IDS_UNSTORABLE_TEXT), nullptr);
    }
    SelectStringTable(StringTableProgram::Tembra);
}

} // namespace
} // namespace tembra
