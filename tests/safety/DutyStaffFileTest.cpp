// The duty persons' list editing and the groups of the duty-person file SHIFT.INI, checked
// against the bytes of the file.
#include "safety/DutyStaffFile.h"
#include "safety/ToubanLastList.h"
#include "safety/ToubanList.h"

#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::J;

// The list as its lines show it, in UTF-8.
std::string Lines(const CToubanList& list) {
    std::string out;
    for (const CToubanEntry& e : list.Entries()) {
        out += Sjis::ToUtf8(CToubanList::LineText(e)) + " ";
    }
    return out;
}

TEST(ToubanListTest, EditsKeepOneHead) {
    CToubanList list;
    EXPECT_TRUE(list.Add("A"));
    EXPECT_TRUE(list.Add("B"));
    EXPECT_FALSE(list.Add("B"));
    EXPECT_FALSE(list.Add(""));
    EXPECT_TRUE(list.Add("b")); // letter case makes another name here
    EXPECT_EQ(Lines(list), "A(先頭) B b ");
    EXPECT_TRUE(list.Insert(1, "C"));
    EXPECT_FALSE(list.Insert(9, "D"));
    EXPECT_TRUE(list.Rename(0, "Z"));
    EXPECT_FALSE(list.Rename(1, "Z"));
    EXPECT_EQ(Lines(list), "Z(先頭) C B b ");
    EXPECT_EQ(list.Move(0, 1), 1);
    EXPECT_EQ(list.Move(3, 1), std::nullopt);
    EXPECT_EQ(Lines(list), "C Z(先頭) B b ");
    EXPECT_TRUE(list.Remove(1));
    EXPECT_EQ(Lines(list), "C(先頭) B b ");
    list.SetHead(2);
    EXPECT_EQ(list.Head(), 2);
    list.SetHead(std::nullopt);
    EXPECT_EQ(list.Head(), std::nullopt);
    EXPECT_TRUE(list.Remove(0));
    EXPECT_EQ(Lines(list), "B b ");
}

TEST(DutyNameTest, NamesTheFileCannotKeepAreRefused) {
    const std::vector<std::string> names{J("Tanaka"), J("山田")};
    struct Case {
        const char* name;
        DutyNameProblem expected;
    };
    const Case cases[] = {
        {"", DutyNameProblem::Empty},
        {"Suzuki", DutyNameProblem::None},
        {"TANAKA", DutyNameProblem::Duplicate},
        {"山田", DutyNameProblem::Duplicate},
        {"a=b", DutyNameProblem::Unstorable},
        {"[x", DutyNameProblem::Unstorable},
        {";x", DutyNameProblem::Unstorable},
        {" x", DutyNameProblem::Unstorable},
        {"x ", DutyNameProblem::Unstorable},
        {"groupname", DutyNameProblem::Unstorable},
        {"x[;", DutyNameProblem::None},
        // A section name ends at "]", and no name holds a line.
        {"第1班]", DutyNameProblem::Unstorable},
        {"a\nb", DutyNameProblem::Unstorable},
        {"a\rb", DutyNameProblem::Unstorable},
        {"\tx", DutyNameProblem::Unstorable},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckDutyName(J(c.name), names), c.expected) << c.name;
    }
    // A person's name is a key: "]" and "GroupName" are kept as typed.
    EXPECT_EQ(CheckDutyName("a]", names, -1, DutyNameKind::Person), DutyNameProblem::None);
    EXPECT_EQ(CheckDutyName("GroupName", names, -1, DutyNameKind::Person), DutyNameProblem::None);
    EXPECT_EQ(CheckDutyName("a=b", names, -1, DutyNameKind::Person), DutyNameProblem::Unstorable);
    // The name fields' length: 100 characters, a kanji counting one.
    std::string longest;
    for (int i = 0; i < 100; ++i) {
        longest += J("班");
    }
    EXPECT_EQ(CheckDutyName(longest, names), DutyNameProblem::None);
    EXPECT_EQ(CheckDutyName(longest + "x", names), DutyNameProblem::TooLong);
    // The name being renamed is not its own duplicate.
    EXPECT_EQ(CheckDutyName("tanaka", names, 0), DutyNameProblem::None);
}

class DutyStaffFileTest : public testing::Test {
protected:
    std::string Bytes() const { return Sjis::ToUtf8(test::TempDir::Read(path)); }

    test::ScopedPaths paths;
    std::filesystem::path path = paths.Writable() / "SHIFT.INI";
    CDutyStaffFile file{path};
};

TEST_F(DutyStaffFileTest, GroupsAndPersonsAreWrittenAsTheyAreEdited) {
    EXPECT_TRUE(file.Groups().empty());
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_TRUE(file.AddGroup(J("新しいグループ名")));
    EXPECT_EQ(Bytes(), "[GroupName]\r\n新しいグループ名=\r\n");
    ASSERT_TRUE(file.SaveGroup(J("新しいグループ名"), J("新しいグループ名"), {{"A", 1}, {"B", 0}}));
    EXPECT_EQ(Bytes(), "[GroupName]\r\n新しいグループ名=\r\n[新しいグループ名]\r\nA=1\r\nB=\r\n");
    // Renamed: the persons move over in their order with their head.
    ASSERT_TRUE(file.SaveGroup(J("新しいグループ名"), "G", file.Persons(J("新しいグループ名"))));
    EXPECT_EQ(Bytes(), "[GroupName]\r\nG=\r\n[G]\r\nA=1\r\nB=\r\n");
    EXPECT_EQ(file.Persons("G"), (std::vector<CToubanEntry>{{"A", 1}, {"B", 0}}));
    ASSERT_TRUE(file.DeleteGroup("G"));
    EXPECT_EQ(Bytes(), "[GroupName]\r\n");
    EXPECT_TRUE(file.Groups().empty());
}

TEST_F(DutyStaffFileTest, AHandEditedFileIsReadAsTheLineFormatSays) {
    paths.Dir().Write("writable/SHIFT.INI",
                      J("[GroupName]\r\nzeta=\r\n;hidden=\r\nAlpha=\r\n山=\r\nbeta=\r\n"
                        "[zeta]\r\nA=\r\nB=2\r\n;C=\r\nD=1\r\n"));
    // CP932 byte order: upper-case letters before lower-case ones, double-byte names last.
    EXPECT_EQ(file.Groups(), (std::vector<std::string>{"Alpha", "beta", "zeta", J("山")}));
    // A head value 2 counts as head; two heads load as they are (the first counts).
    const std::vector<CToubanEntry> persons = file.Persons("zeta");
    EXPECT_EQ(persons, (std::vector<CToubanEntry>{{"A", 0}, {"B", 2}, {"D", 1}}));
    EXPECT_EQ(CToubanList(persons).Head(), 1);
    ASSERT_TRUE(file.SaveGroup("zeta", "zeta", persons));
    EXPECT_NE(Bytes().find("[zeta]\r\nA=\r\nB=1\r\nD=1\r\n"), std::string::npos);
    EXPECT_TRUE(file.Persons("missing").empty());
}

TEST_F(DutyStaffFileTest, AWriteThatCannotBeMadeLeavesTheOldGroup) {
    ASSERT_TRUE(file.AddGroup("A"));
    ASSERT_TRUE(file.SaveGroup("A", "A", {{"P", 1}, {"Q", 0}}));
    const std::string before = Bytes();
    // The new name cannot be a section: nothing is written, the persons stay under the old one.
    EXPECT_FALSE(file.SaveGroup("A", J("第1班]"), {{"P", 1}, {"Q", 0}}));
    EXPECT_EQ(Bytes(), before);
    // A person the file cannot hold fails the whole write.
    EXPECT_FALSE(file.SaveGroup("A", "A", {{"P", 1}, {"R\rS", 0}}));
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(file.Persons("A"), (std::vector<CToubanEntry>{{"P", 1}, {"Q", 0}}));
    // A rename that only changes the case keeps the persons.
    ASSERT_TRUE(file.SaveGroup("A", "a", file.Persons("A")));
    EXPECT_EQ(file.Groups(), std::vector<std::string>{"a"});
    EXPECT_EQ(file.Persons("a"), (std::vector<CToubanEntry>{{"P", 1}, {"Q", 0}}));
}

TEST_F(DutyStaffFileTest, AGroupOfAnySizeComesBackWhole) {
    ASSERT_TRUE(file.AddGroup("G"));
    std::vector<CToubanEntry> persons;
    for (int i = 0; i < 20000; ++i) {
        persons.push_back({J("当番者") + std::to_string(i), i == 0 ? 1 : 0});
    }
    ASSERT_TRUE(file.SaveGroup("G", "G", persons));
    ASSERT_EQ(file.Persons("G").size(), persons.size());
    // The next store keeps them all.
    ASSERT_TRUE(file.SaveGroup("G", "G", file.Persons("G")));
    EXPECT_EQ(file.Persons("G"), persons);
}

TEST_F(DutyStaffFileTest, AFileWhoseNamesTheNextWriteWouldChangeIsDamaged) {
    const struct {
        const char* bytes;
        bool damaged;
    } cases[] = {
        {"[GroupName]\r\nA=\r\n[A]\r\nP=1\r\n", false},
        {"[GroupName]\r\nA=\r\n[A]\r\nP\rQ=1\r\n", true},          // a line break in a name
        {"[GroupName]\r\nA]=\r\n[A]\r\nP=1\r\n", true},            // a group no section can hold
        {"[GroupName]\r\nA=\r\n[A]\r\nsato=\r\nSATO=1\r\n", true}, // one key to the file
        {"[GroupName]\r\nA=\r\na=\r\n", true},
        {"[GroupName]\r\nA\rB=\r\n", true},
    };
    for (const auto& c : cases) {
        paths.Dir().Write("writable/SHIFT.INI", c.bytes);
        EXPECT_EQ(file.Damaged(), c.damaged) << c.bytes;
    }
}

TEST(ToubanLastListTest, AListWithANameTheProfileCannotHoldIsRefused) {
    test::ScopedPaths paths;
    test::ScopedUi ui;
    SaveLastList({{"A", 0}, {"B", 1}});
    // A name holding a line break, as only a damaged profile has one.
    std::ofstream(UserProfilePath(), std::ios::binary | std::ios::trunc)
        << Sjis::ToUtf8("[" + ToubanLastListSection() + "]\nSize=2\nTouban0=A\n")
        << "Touban1=B\rC\n";
    EXPECT_TRUE(LoadLastList().empty());
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5008});
}

TEST(ToubanLastListTest, AHandEditedSizeIsBoundedByTheValuesStored) {
    test::ScopedPaths paths;
    SaveLastList({{"A", 0}, {"B", 1}});
    EXPECT_EQ(LoadLastList(), (std::vector<CToubanEntry>{{"A", 0}, {"B", 1}}));
    // A size edited far past the values does not read millions of empty names.
    WriteProfileInt(ToubanLastListSection(), "Size", 2000000000);
    const std::vector<CToubanEntry> loaded = LoadLastList();
    ASSERT_GE(loaded.size(), 2u);
    EXPECT_LT(loaded.size(), 10u);
    EXPECT_EQ(loaded[1], (CToubanEntry{"B", 1}));
    SaveLastList({{"C", 1}});
    EXPECT_EQ(LoadLastList(), (std::vector<CToubanEntry>{{"C", 1}}));
}

} // namespace
} // namespace tembra
