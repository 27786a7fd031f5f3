// The user's term groups in MYYOGO.INI: the bytes a group and its terms leave in the file, the
// search, the sorting, the names and terms the file could not keep, and the width rule of the
// dialog's registration panel.
#include "shell/core/MyYogoFile.h"
#include "platform/Sjis.h"
#include "shell/core/MyYogoWidth.h"
#include "support/Cp932Text.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::J;

class MyYogoFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    CMyYogoFile file{dir.File("MYYOGO.INI")};
};

TEST_F(MyYogoFileTest, AGroupAndItsTermsInTheFile) {
    EXPECT_TRUE(file.Groups().empty()) << "no file: no groups";
    ASSERT_TRUE(file.AddGroup(J("ゾーン")));
    EXPECT_EQ(test::TempDir::Read(file.Path()), J("[GroupName]\r\nゾーン=\r\n"));

    // Two terms added to the list, then 更新: the list in its sorted order.
    ASSERT_TRUE(file.SaveGroup(J("ゾーン"), J("ゾーン"), {J("躯体"), "Abc"}));
    EXPECT_EQ(test::TempDir::Read(file.Path()),
              J("[GroupName]\r\nゾーン=\r\n[ゾーン]\r\nAbc=\r\n躯体=\r\n"));
    EXPECT_EQ(file.Terms(J("ゾーン"), ""), (std::vector<std::string>{"Abc", J("躯体")}));

    // A rename moves the key and the section.
    ASSERT_TRUE(file.SaveGroup(J("ゾーン"), "B", file.Terms(J("ゾーン"), "")));
    EXPECT_EQ(file.Groups(), std::vector<std::string>{"B"});
    EXPECT_EQ(file.Terms("B", "").size(), 2u);
    EXPECT_TRUE(file.Terms(J("ゾーン"), "").empty());

    ASSERT_TRUE(file.DeleteGroup("b")) << "the file's names match without case";
    EXPECT_TRUE(file.Groups().empty());
    EXPECT_TRUE(file.Terms("B", "").empty());
}

TEST_F(MyYogoFileTest, TheSearchSelectsTerms) {
    dir.Write("MYYOGO.INI", "[GroupName]\r\ng=\r\n[g]\r\nxaby=\r\nAB=\r\nabc=\r\n;ab=\r\nzz=\r\n");
    struct Case {
        const char* search;
        std::vector<std::string> terms;
    };
    const Case cases[] = {
        {"", {"AB", "abc", "xaby", "zz"}},
        {"*", {"AB", "abc", "xaby", "zz"}},
        {"*zz", {"AB", "abc", "xaby", "zz"}}, // a leading star shows everything
        {"ab", {"abc", "xaby"}},              // case-sensitive, comments skipped
        {"q", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(file.Terms("g", c.search), c.terms) << c.search;
    }
}

TEST(MyYogoSort, Cp932BytesWithAsciiCaseFolded) {
    std::vector<std::string> list = {J("躯体"), "b", "A", "a1", J("あ"), "_"};
    CMyYogoFile::Sort(list);
    // "_" (0x5F) lies below the folded letters; the double-byte texts after ASCII.
    EXPECT_EQ(list, (std::vector<std::string>{"_", "A", "a1", "b", J("あ"), J("躯体")}));
    // The second byte of a double-byte character is never folded: 0x83 0x41 is not 0x83 0x61.
    EXPECT_FALSE(CMyYogoFile::EqualFolded("\x83\x41", "\x83\x61"));
    EXPECT_TRUE(CMyYogoFile::EqualFolded("GroupName", "groupNAME"));
}

TEST(MyYogoNames, TermsAndGroupNamesTheFileCannotKeep) {
    const std::vector<std::string> list = {"Abc", J("躯体")};
    struct Case {
        std::string text;
        bool termRefused;
        bool groupRefused;
    };
    const Case cases[] = {
        {J("躯体工事"), false, false},
        {"Abc", false, false}, // the same term again: the list keeps one
        {"ABC", true, false},  // the same key in the file
        {";x", true, true},
        {"[x", true, true},
        {"a=b", true, true},
        {"a\nb", true, true},
        {"a\rb", true, true},
        {"x]", false, true},
        {"a[b", false, true},
        {"GroupName", false, true},
        {"groupname", false, true},
        // The file drops blanks at the ends of its keys: refused, not kept or changed.
        {"x ", true, true},
        {" x", true, true},
        {"\tx", true, true},
        {" ;x", true, true},
        {J("　x　"), false, false}, // a full-width space is no blank to the file
        {std::string("a\0b", 3), true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(!CMyYogoFile::TermFault(c.text, list).empty(), c.termRefused) << c.text;
        EXPECT_EQ(!CMyYogoFile::GroupNameFault(c.text).empty(), c.groupRefused) << c.text;
    }
    // Each refusal says what it is about: ";" has a message of its own, and " ;x" is about its
    // blank, not about a file that cannot be written.
    EXPECT_EQ(Sjis::ToUtf8(CMyYogoFile::TermFault(";x", list)),
              "「;」で始まる用語は登録できません。");
    EXPECT_EQ(Sjis::ToUtf8(CMyYogoFile::TermFault(" ;x", list)),
              "前後に空白のある用語は登録できません。");
    EXPECT_EQ(Sjis::ToUtf8(CMyYogoFile::TermFault("x ", list)),
              "前後に空白のある用語は登録できません。");
}

TEST_F(MyYogoFileTest, WhatTheListAcceptsComesBackAsTyped) {
    ASSERT_TRUE(file.AddGroup("G"));
    const std::vector<std::string> typed = {J("　全角空白　"), "a]b", J("ｱｲｳ"), "x;y",
                                            std::string(1000, 'w')};
    for (const std::string& term : typed) {
        ASSERT_TRUE(CMyYogoFile::TermFault(term, {}).empty()) << term;
    }
    ASSERT_TRUE(file.SaveGroup("G", "G", typed));
    std::vector<std::string> sorted = typed;
    CMyYogoFile::Sort(sorted);
    EXPECT_EQ(file.Terms("G", ""), sorted);
}

TEST_F(MyYogoFileTest, ANameTheFileCannotHoldIsNotWrittenAndTheFileStays) {
    dir.Write("MYYOGO.INI", "[GroupName]\r\nA=\r\nGroupName=\r\n[A]\r\nt=\r\n");
    const std::string before = test::TempDir::Read(file.Path());
    // A group named as the group list, read from a damaged file, would replace the list.
    EXPECT_FALSE(file.SaveGroup("GroupName", "GroupName", {"x"}));
    EXPECT_FALSE(file.SaveGroup("A", "B]", {"t"}));
    EXPECT_FALSE(file.SaveGroup("A", "A", {"t", "a\rb"}));
    EXPECT_EQ(test::TempDir::Read(file.Path()), before);
    ASSERT_TRUE(file.DeleteGroup("GroupName"));
    EXPECT_EQ(file.Groups(), std::vector<std::string>{"A"});
    EXPECT_EQ(file.Terms("A", ""), std::vector<std::string>{"t"});
}

TEST_F(MyYogoFileTest, KeysOfOneSpellingButForCaseAreOneTerm) {
    dir.Write("MYYOGO.INI", "[GroupName]\r\nA=\r\n[A]\r\nabc=\r\nABC=\r\nabc=\r\nx=\r\n");
    EXPECT_EQ(file.Terms("A", ""), (std::vector<std::string>{"abc", "x"}));
}

TEST_F(MyYogoFileTest, AGroupNameInUseIsFoundWithoutCase) {
    ASSERT_TRUE(file.AddGroup("Zone"));
    EXPECT_TRUE(file.HasGroup("Zone"));
    EXPECT_TRUE(file.HasGroup("ZONE"));
    EXPECT_FALSE(file.HasGroup("Zone2"));
}

TEST(MyYogoWidth, TheRegistrationPanelStaysOnTheDesktop) {
    const CRect desktop(0, 0, 1920, 1040);
    std::optional<CRect> remembered;
    // Opened in the middle: wider, not moved.
    EXPECT_EQ(CMyYogoWidth::Apply(CRect(500, 100, 700, 500), 450, true, desktop, remembered),
              CRect(500, 100, 950, 500));
    EXPECT_FALSE(remembered);
    EXPECT_EQ(CMyYogoWidth::Apply(CRect(500, 100, 950, 500), 200, false, desktop, remembered),
              CRect(500, 100, 700, 500));

    // Opened at the right edge: moved left, and back when closed.
    const CRect atEdge(1700, 100, 1900, 500);
    const CRect open = CMyYogoWidth::Apply(atEdge, 450, true, desktop, remembered);
    EXPECT_EQ(open, CRect(1470, 100, 1920, 500));
    ASSERT_TRUE(remembered);
    EXPECT_EQ(CMyYogoWidth::Apply(open, 200, false, desktop, remembered), atEdge);
    EXPECT_FALSE(remembered);

    // Beyond the left edge: moved right.
    EXPECT_EQ(CMyYogoWidth::Apply(CRect(-50, 0, 150, 400), 450, true, desktop, remembered),
              CRect(0, 0, 450, 400));
}

} // namespace
} // namespace tembra
