// The tool-bar button sets: reading the profile values (with their faults mended), writing them,
// the bars laid out from them, the in-place thinning and the tables' names in the string table.
#include "shell/core/ToolBarSets.h"

#include "platform/Profile.h"
#include "platform/StringTable.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using Entries = std::vector<int>;

class ToolBarSetsTest : public ::testing::Test {
protected:
    test::ScopedPaths paths;
    test::ScopedUi ui;
    CToolBarSets sets;
};

TEST_F(ToolBarSetsTest, ProfileValuesAreReadWithTheirFaultsMended) {
    struct Case {
        const char* value;
        Entries expected; // empty: the built-in set
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"3,1,0,2", {1, 0, 2}},
        {" 3 ,1;x", {1}},     // blanks skipped, ';' ends a number, "x" ends the reading
        {"5,1,2", {1, 2}},    // fewer numbers than the count: only those given
        {"-1", {}},           // no count
        {"2,999,1", {1}},     // 999 names no button of the set
        {"1,999", {}},        // nothing valid remains
        {"2,-3,\t4", {0, 4}}, // a number below 1 is a separator
        {"2,12x,7", {12, 7}}, // what follows the digits up to the comma belongs to the field
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteProfileString(CToolBarSets::kSection, "KouteiBar", c.value));
        sets.LoadToolBarSettings(1u << 4, FALSE);
        const Entries expected = c.expected.empty() ? CToolBarSets::BuiltIn(5) : c.expected;
        EXPECT_EQ(sets.GetToolBarArray(5), expected) << '"' << c.value << '"';
    }
}

TEST_F(ToolBarSetsTest, OnlyTheSetsOfTheMaskAreRead) {
    WriteProfileString(CToolBarSets::kSection, "ToolBar", "2,6,8");
    WriteProfileString(CToolBarSets::kSection, "ZukeiBar", "1,2");
    sets.LoadToolBarSettings(0x1, FALSE);
    EXPECT_EQ(sets.GetToolBarArray(1), (Entries{6, 8}));
    EXPECT_EQ(sets.GetToolBarArray(6), CToolBarSets::BuiltIn(6));
}

TEST_F(ToolBarSetsTest, AnEmptyProfileGivesTheBuiltInSetsAndSavesThem) {
    sets.LoadToolBarSettings(0xFFFF, FALSE);
    const std::vector<std::size_t> counts = {47, 30, 32, 35, 46, 45, 5};
    for (int set = 1; set <= CToolBarSets::kSetCount; ++set) {
        EXPECT_EQ(sets.GetToolBarArray(set).size(), counts[static_cast<std::size_t>(set) - 1])
            << "set " << set;
    }
    ASSERT_TRUE(sets.SaveToolBarSettings());
    const std::string kouteiBar = GetProfileString(CToolBarSets::kSection, "KouteiBar");
    EXPECT_EQ(kouteiBar.substr(0, 12), "46,1,0,2,3,4");
    EXPECT_EQ(kouteiBar.substr(kouteiBar.size() - 5), ",0,40");

    CToolBarSets reread;
    reread.SetToolBarArray(5, Entries{1});
    reread.LoadToolBarSettings(0xFFFF, FALSE);
    for (int set = 1; set <= CToolBarSets::kStoredSetCount; ++set) {
        EXPECT_EQ(reread.GetToolBarArray(set), sets.GetToolBarArray(set)) << "set " << set;
    }
}

TEST_F(ToolBarSetsTest, FormatWritesTheCountFirst) {
    EXPECT_EQ(CToolBarSets::FormatSetValue(Entries{1, 0, 2}), "3,1,0,2");
    EXPECT_EQ(CToolBarSets::FormatSetValue(Entries{}), "0");
}

TEST_F(ToolBarSetsTest, BarsAreLaidOutFromTheirSets) {
    using Item = ToolBarItem;
    sets.SetToolBarArray(1, Entries{3, 0, 40, 0, 1});
    EXPECT_EQ(sets.LayoutToolBar(1), (std::vector<Item>{{Item::Button, 57603, 2, 0},
                                                        {Item::Separator, 0, -1, 12},
                                                        {Item::Separator, 1665, -1, 76},
                                                        {Item::Separator, 0, -1, 12},
                                                        {Item::Button, 57600, 0, 0}}));
    sets.SetToolBarArray(2, Entries{1, 0, 3, 20, 0, 2});
    EXPECT_EQ(sets.LayoutToolBar(2), (std::vector<Item>{{Item::Button, 40035, 0, 0},
                                                        {Item::Separator, 0, -1, 12},
                                                        {Item::Separator, 1664, -1, 282},
                                                        {Item::Separator, 1663, -1, 76},
                                                        {Item::Separator, 0, -1, 12},
                                                        {Item::Button, 40055, 1, 0}}));
    sets.SetToolBarArray(5, Entries{40, 1, 0, 2});
    EXPECT_EQ(sets.LayoutToolBar(5), (std::vector<Item>{{Item::Separator, 1662, -1, 76},
                                                        {Item::Button, 33017, 0, 0},
                                                        {Item::Separator, 0, -1, 8},
                                                        {Item::Button, 32870, 1, 0}}));
    sets.SetToolBarArray(3, Entries{});
    EXPECT_TRUE(sets.LayoutToolBar(3).empty());
}

TEST_F(ToolBarSetsTest, PlaceholdersAreFoundInTheirSets) {
    EXPECT_EQ(sets.FindPlaceholder(1, kLayerComboPlace), 43);
    EXPECT_EQ(sets.FindPlaceholder(2, kYogoComboPlace), 4);
    EXPECT_EQ(sets.FindPlaceholder(5, kColorComboPlace), 45);
    sets.SetToolBarArray(5, Entries{1, 0, 2});
    EXPECT_EQ(sets.FindPlaceholder(5, kColorComboPlace), -1);
}

TEST_F(ToolBarSetsTest, InPlaceThinningDropsTheFileAndWindowButtons) {
    struct Case {
        Entries set;
        Entries thinned;
    };
    const std::vector<Case> cases = {
        {{1, 2, 0, 6, 0, 34, 35, 0, 38}, {6, 0, 38}},
        {{5, 0, 0, 7}, {0, 7}}, // only the separator right after a dropped button goes
        {{0, 37}, {0}},
        {{1, 0, 36, 0}, {6}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CToolBarSets::ThinForInPlace(c.set), c.thinned);
    }
    WriteProfileString(CToolBarSets::kSection, "ToolBar", "3,1,0,8");
    sets.LoadToolBarSettings(0x1, TRUE);
    EXPECT_EQ(sets.GetToolBarArray(1), (Entries{8}));
}

TEST_F(ToolBarSetsTest, PresetsReplaceEverySet) {
    const int counts[6][3] = {{26, 35, 47}, {17, 26, 30}, {16, 24, 32},
                              {16, 24, 35}, {26, 35, 46}, {27, 31, 45}};
    for (int preset = 0; preset < 3; ++preset) {
        sets.ApplyPreset(static_cast<CToolBarSets::Preset>(preset));
        for (int set = 1; set <= 6; ++set) {
            const Entries& entries = sets.GetToolBarArray(set);
            EXPECT_EQ(static_cast<int>(entries.size()), counts[set - 1][preset])
                << "set " << set << " preset " << preset;
            for (int n : entries) {
                EXPECT_LE(n, static_cast<int>(CToolBarSets::CommandTable(set).size()));
            }
        }
    }
}

TEST_F(ToolBarSetsTest, ButtonNamesAreInTheStringTableInTableOrder) {
    UINT next = 6003;
    for (int set = 1; set <= CToolBarSets::kStoredSetCount; ++set) {
        std::vector<int> commands;
        std::vector<int> names;
        CToolBarSets::CopyDefaultToolBarArray(set, &commands, &names);
        ASSERT_EQ(commands.size(), names.size());
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(static_cast<UINT>(names[i]), next) << "set " << set << " entry " << i + 1;
            EXPECT_EQ(LoadStringUtf8(next), CToolBarSets::ButtonName(set, static_cast<int>(i) + 1));
            ++next;
        }
    }
    EXPECT_LE(next - 1, 6196u);
}

} // namespace
} // namespace tembra
