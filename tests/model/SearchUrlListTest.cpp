// The entries of the online term-search settings: reading them up to the first empty title,
// the add row, the button rules, setting, removing and moving entries, and writing every slot.
#include "model/SearchUrlList.h"

#include "platform/Profile.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

class SearchUrlListTest : public ::testing::Test {
protected:
    void Store(int count) {
        for (int i = 0; i < count; ++i) {
            const std::string section = "ExecURL\\000" + std::to_string(i);
            WriteProfileString(section, "Title", ("t" + std::to_string(i)).c_str());
            WriteProfileString(section, "URL", ("u" + std::to_string(i)).c_str());
        }
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const SearchUrlEntry& e : list.Entries()) {
            titles.push_back(e.title);
        }
        return titles;
    }

    test::ScopedPaths paths;
    test::ScopedUi ui;
    CSearchUrlList list;
};

TEST_F(SearchUrlListTest, AnEmptyTitleEndsTheListAndOkEmptiesTheSlotsAfterIt) {
    Store(5);
    WriteProfileString("ExecURL\\0003", "Title", "");
    list.Load();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"t0", "t1", "t2"}));
    EXPECT_EQ(list.GetRowCount(), 4);
    EXPECT_TRUE(list.IsAddRow(3));
    EXPECT_EQ(list.GetSelection(), 3);

    list.Save();
    EXPECT_EQ(GetProfileString("ExecURL\\0002", "URL"), "u2");
    for (const char* section : {"ExecURL\\0003", "ExecURL\\0004", "ExecURL\\0009"}) {
        EXPECT_TRUE(UserProfile().Find(section, "Title").has_value()) << section;
        EXPECT_EQ(GetProfileString(section, "Title", "x"), "") << section;
        EXPECT_EQ(GetProfileString(section, "URL", "x"), "") << section;
    }
}

TEST_F(SearchUrlListTest, TheButtonsFollowTheSelection) {
    Store(3);
    list.Load();
    using B = CSearchUrlList::ButtonStates;
    const std::vector<std::pair<int, B>> cases = {{-1, {}},
                                                  {3, {}},
                                                  {0, {true, false, true}},
                                                  {1, {true, true, true}},
                                                  {2, {true, true, false}}};
    for (const auto& [row, states] : cases) {
        list.Select(row);
        EXPECT_EQ(list.GetButtonStates(), states) << row;
    }
    EXPECT_FALSE(CSearchUrlList::CanSet("title", ""));
    EXPECT_TRUE(CSearchUrlList::CanSet("title", "http://x"));
}

TEST_F(SearchUrlListTest, TenEntriesHaveNoAddRowUntilOneGoes) {
    Store(9);
    list.Load();
    list.Set("t9", "u9"); // on the add row
    EXPECT_EQ(list.GetCount(), 10);
    EXPECT_EQ(list.GetRowCount(), 10);
    EXPECT_FALSE(list.IsAddRow(10));

    list.Select(4);
    list.Remove();
    EXPECT_EQ(list.GetCount(), 9);
    EXPECT_TRUE(list.IsAddRow(9));
    EXPECT_EQ(list.GetSelection(), 4);
    EXPECT_EQ(list.Entries()[4].title, "t5");

    CSearchUrlList full;
    Store(10);
    full.Load();
    EXPECT_EQ(full.GetSelection(), 0);
    EXPECT_EQ(full.GetRowCount(), 10);
}

TEST_F(SearchUrlListTest, SetRemoveAndMove) {
    Store(2);
    list.Load();
    list.Set("new", "addr"); // the add row is selected after loading
    EXPECT_EQ(Titles(), (std::vector<std::string>{"t0", "t1", "new"}));
    EXPECT_EQ(list.GetSelection(), 3) << "the add row again";

    list.Select(0);
    list.Set("first", "f");
    EXPECT_EQ(list.Entries()[0], (SearchUrlEntry{"first", "f"}));
    list.MoveDown();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"t1", "first", "new"}));
    EXPECT_EQ(list.GetSelection(), 1);
    list.MoveDown();
    list.MoveDown(); // already the last entry
    EXPECT_EQ(Titles(), (std::vector<std::string>{"t1", "new", "first"}));
    list.MoveUp();
    EXPECT_EQ(list.GetSelection(), 1);

    list.Select(2);
    list.Remove();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"t1", "first"}));
    EXPECT_TRUE(list.IsAddRow(list.GetSelection()));
    list.Remove(); // the add row cannot go
    EXPECT_EQ(list.GetCount(), 2);
}

} // namespace
} // namespace tembra
