// The tool-bar lists without widgets: adding and removing buttons and separators, the fixed
// combo entries, the separator item of the left list, and a set that never becomes empty.
#include "dialogs/settings/core/ToolBarListEditor.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

using Numbers = std::vector<int>;
constexpr int kSep = CToolBarListEditor::kSeparatorItem;

// A table of five buttons whose button 3 places a combo box.
CToolBarListEditor Editor(const Numbers& set) {
    CToolBarListEditor editor(5, [](int n) { return n == 3; });
    editor.Load(set);
    return editor;
}

TEST(ToolBarListEditor, LoadListsTheMissingButtonsThenTheSeparatorItem) {
    const CToolBarListEditor editor = Editor({4, 0, 1});
    EXPECT_EQ(editor.Available(), (Numbers{2, 3, 5, kSep}));
    EXPECT_EQ(editor.AvailableSelection(), 0);
    EXPECT_EQ(editor.SetSelection(), 0);
}

TEST(ToolBarListEditor, AddedItemsGoBeforeTheSelectedEntry) {
    CToolBarListEditor editor = Editor({1, 4});
    editor.SelectSet(1);
    editor.SelectAvailable(0); // button 2
    ASSERT_TRUE(editor.Add());
    EXPECT_EQ(editor.Set(), (Numbers{1, 2, 4}));
    EXPECT_EQ(editor.SetSelection(), 2);
    EXPECT_EQ(editor.Available(), (Numbers{3, 5, kSep}));
    EXPECT_EQ(editor.AvailableSelection(), 0);

    // The separator item adds a 0 as often as asked and stays.
    editor.SelectAvailable(2);
    ASSERT_TRUE(editor.Add());
    ASSERT_TRUE(editor.Add());
    EXPECT_EQ(editor.Set(), (Numbers{1, 2, 0, 0, 4}));
    EXPECT_EQ(editor.Available(), (Numbers{3, 5, kSep}));

    // Nothing selected in the set: the end; the last button taken moves the selection up.
    editor.SelectSet(CToolBarListEditor::kNoSelection);
    editor.SelectAvailable(1);
    ASSERT_TRUE(editor.Add());
    EXPECT_EQ(editor.Set(), (Numbers{1, 2, 0, 0, 4, 5}));
    EXPECT_EQ(editor.SetSelection(), CToolBarListEditor::kNoSelection);
    EXPECT_EQ(editor.AvailableSelection(), 1);
    EXPECT_EQ(editor.Available()[1], kSep);
}

TEST(ToolBarListEditor, RemovingKeepsCombosAndLeavesOneSeparator) {
    CToolBarListEditor editor = Editor({1, 3, 0, 5});
    editor.SelectSet(1);
    EXPECT_FALSE(editor.CanRemove());
    EXPECT_FALSE(editor.Remove());
    ASSERT_TRUE(editor.MoveDown());
    EXPECT_EQ(editor.Set(), (Numbers{1, 0, 3, 5}));

    CToolBarListEditor plain = Editor({5, 0, 1});
    while (plain.Remove()) {
    }
    EXPECT_EQ(plain.Set(), (Numbers{0}));
    EXPECT_EQ(plain.Available(), (Numbers{1, 2, 3, 4, 5, kSep}));
    EXPECT_EQ(plain.SetSelection(), 0);
    EXPECT_FALSE(plain.CanRemove());

    CToolBarListEditor last = Editor({2, 4});
    last.SelectSet(1);
    ASSERT_TRUE(last.Remove());
    EXPECT_EQ(last.SetSelection(), 0); // moved to the new last item
}

TEST(ToolBarListEditor, MovesStopAtTheEnds) {
    CToolBarListEditor editor = Editor({1, 2, 4});
    EXPECT_FALSE(editor.CanMoveUp());
    EXPECT_TRUE(editor.CanMoveDown());
    editor.SelectSet(2);
    EXPECT_FALSE(editor.MoveDown());
    ASSERT_TRUE(editor.MoveUp());
    EXPECT_EQ(editor.Set(), (Numbers{1, 4, 2}));
    EXPECT_EQ(editor.SetSelection(), 1);

    CToolBarListEditor single = Editor({2});
    EXPECT_FALSE(single.CanMoveUp());
    EXPECT_FALSE(single.CanMoveDown());
}

} // namespace
} // namespace tembra
