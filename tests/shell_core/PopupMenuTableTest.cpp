// The context menus' table: each menu the view asks for has entries, every command has a text,
// the nesting holds, and the menus of processes split the attribute menu's line and node parts.
#include "shell/core/PopupMenuTable.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace tembra {
namespace {

std::set<UINT> Commands(UINT menu) {
    std::set<UINT> ids;
    for (const MenuEntry& e : PopupMenuEntries(menu)) {
        if (e.id != 0) {
            ids.insert(e.id);
        }
    }
    return ids;
}

TEST(PopupMenuTableTest, EachMenuHasEntriesWithTextsAndHoldsTogether) {
    for (const UINT menu : {7u, 135u, 137u, 139u, 141u, 143u, 145u, 147u, 149u, 222u, 201u, 202u,
                            203u, 204u, 205u, 294u, 295u}) {
        const auto entries = PopupMenuEntries(menu);
        ASSERT_FALSE(entries.empty()) << menu;
        int depth = 0;
        std::set<UINT> seen;
        for (const MenuEntry& e : entries) {
            // A popup opens one level down at most; a command stands once.
            EXPECT_LE(e.depth, depth) << menu << " " << e.id;
            depth = e.id == 0 && e.text != nullptr ? e.depth + 1 : e.depth;
            if (e.id != 0) {
                EXPECT_TRUE(e.text != nullptr || MainMenuText(e.id) != nullptr) << e.id;
                EXPECT_TRUE(seen.insert(e.id).second) << menu << " " << e.id;
            }
        }
    }
    for (const UINT none : {0u, 6u, 223u, 150u}) {
        EXPECT_TRUE(PopupMenuEntries(none).empty()) << none;
    }
}

TEST(PopupMenuTableTest, TheProcessMenusSplitLinesAndNodes) {
    const std::set<UINT> lines = Commands(135);
    const std::set<UINT> nodes = Commands(137);
    std::set<UINT> both = lines;
    both.insert(nodes.begin(), nodes.end());
    EXPECT_EQ(Commands(139), both);
    EXPECT_TRUE(lines.count(32870) == 1 && nodes.count(32870) == 0) << "a line type";
    EXPECT_TRUE(nodes.count(32894) == 1 && lines.count(32894) == 0) << "a node mark";
}

TEST(PopupMenuTableTest, TheGeneralMenuAndTheShapeMenuHoldWhatTheyAreFor) {
    const std::set<UINT> general = Commands(7);
    for (const UINT id :
         {32946u, 32829u, 32922u, 32923u, 32927u, 32928u, 32924u, 32925u, 32784u, 32790u, 33021u}) {
        EXPECT_EQ(general.count(id), 1u) << id;
    }
    const std::set<UINT> shapes = Commands(145);
    for (const UINT id : {33094u, 33102u, 33138u}) {
        EXPECT_EQ(shapes.count(id), 1u) << id;
    }
    EXPECT_EQ(MainMenuText(32923), std::string("編集ﾓｰﾄﾞ"));
    EXPECT_EQ(MainMenuText(1), nullptr);
}

// The line-drawing bar's drop-downs list their items in the menu's order, which is not the
// order of the codes.
TEST(PopupMenuTableTest, TheLineDrawingDropDownsKeepTheMenuOrder) {
    struct Case {
        UINT menu;
        std::vector<UINT> ids;
    };
    const std::vector<Case> cases{
        {201, {40001, 40003, 40002, 40004, 40005, 40006, 33100}},
        {202, {40007, 40008, 40009}},
        {203, {40025, 40011, 40012, 40013, 40014, 40015, 33073}},
        {204, {40016, 40017, 40018, 40019, 40020, 40021, 40022, 40023, 40024}},
        {205, {40010, 40026, 40027, 40028, 40029, 40030, 33074}},
        {294, {33085, 33086, 33087, 33088, 33089, 33090, 33103}},
        {295, {33091, 33092, 33093, 33095, 33096, 33097}},
    };
    for (const Case& c : cases) {
        std::vector<UINT> ids;
        for (const MenuEntry& e : PopupMenuEntries(c.menu)) {
            ids.push_back(e.id);
        }
        EXPECT_EQ(ids, c.ids) << c.menu;
    }
    EXPECT_STREQ(PopupMenuEntries(201)[6].text, "&7. 線なし");
    EXPECT_STREQ(PopupMenuEntries(295)[0].text, "&1. 左寄せ");
}

} // namespace
} // namespace tembra
