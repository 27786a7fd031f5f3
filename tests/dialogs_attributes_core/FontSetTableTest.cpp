// The working table of the font settings: the header's flag per paper, the date's width, the
// reset to the built-in fonts and the texts beside the buttons.
#include "dialogs/attributes/core/FontSetTable.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tembra {
namespace {

LOGFONT Font(const char* face, LONG height, LONG width) {
    LOGFONT font;
    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    font.lfHeight = height;
    font.lfWidth = width;
    return font;
}

TEST(FontSetTable, ResetGivesEachPaperItsBuiltInSizes) {
    CConfigBase config;
    for (int paper = 0; paper < CConfigBase::kPaperCount; ++paper) {
        for (int kind = 0; kind < kFontKindCount; ++kind) {
            config.SetFont(kind, paper, Font("X", -99, 99));
        }
    }
    FontSetTable table(config);
    table.Reset();
    for (int paper = 0; paper < CConfigBase::kPaperCount; ++paper) {
        const bool large = paper >= 4; // Ａ２, Ａ１
        for (int kind = 0; kind < kFontKindCount; ++kind) {
            const LOGFONT& font = table.Font(kind, paper);
            LONG height = large ? -40 : -32;
            LONG width = large ? 20 : 16;
            if (kind == kFontZukei) {
                width = 0;
            } else if (kind == kFontHeader) {
                height = 0;
                width = 0;
            }
            EXPECT_EQ(font.lfHeight, height) << paper << " " << kind;
            EXPECT_EQ(font.lfWidth, width) << paper << " " << kind;
        }
    }
    // The settings change on Store only.
    EXPECT_EQ(config.GetFont(kFontDate, 0).lfHeight, -99);
    table.Store(config);
    EXPECT_EQ(config.GetFont(kFontDate, 0).lfHeight, -32);
}

TEST(FontSetTable, AChosenFontKeepsTheRulesOfItsElement) {
    CConfigBase config;
    config.SetFont(kFontHeader, 2, Font("Old", 1, 0));
    FontSetTable table(config);
    table.SetChosen(kFontDate, 0, Font("Face", -45, 3));
    EXPECT_EQ(table.Font(kFontDate, 0).lfWidth, 22);
    table.SetChosen(kFontEvent, 0, Font("Face", -45, 3));
    EXPECT_EQ(table.Font(kFontEvent, 0).lfWidth, 3);
    // The header goes to the selection as 24 high, and keeps its flag afterwards.
    EXPECT_EQ(table.ForSelection(kFontHeader, 2).lfHeight, 24);
    table.SetChosen(kFontHeader, 2, Font("New", -24, 12));
    EXPECT_TRUE(table.HeaderEnabled(2));
    EXPECT_STREQ(table.Font(kFontHeader, 2).lfFaceName, "New");
    EXPECT_EQ(table.Text(kFontHeader, 2), "New");
    EXPECT_EQ(table.Text(kFontEvent, 0), "Face\n  [ 45 ] \x81\x7e"
                                         "0.1mm");
}

TEST(FontSetTable, EachPaperKeepsItsOwnHeaderFlag) {
    CConfigBase config;
    FontSetTable table(config);
    table.SetHeaderEnabled(0, true);
    table.SetHeaderEnabled(1, false);
    table.SetHeaderEnabled(5, true);
    EXPECT_TRUE(table.HeaderEnabled(0));
    EXPECT_FALSE(table.HeaderEnabled(1));
    EXPECT_TRUE(table.HeaderEnabled(5));
    table.Store(config);
    EXPECT_EQ(config.GetFont(kFontHeader, 0).lfHeight, 1);
    EXPECT_EQ(config.GetFont(kFontHeader, 1).lfHeight, 0);
}

} // namespace
} // namespace tembra
