// The area-name sheet's values without widgets: the cell list in both splits, what 決定 writes
// back, the text settings of a cell and the preview's geometry.
#include "render/AreaNameSheetValues.h"
#include "render/AreaNameFontValues.h"
#include "render/AreaNamePreviewPicture.h"

#include "model/Utility.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

std::vector<std::string> Labels(const AreaNameSheetValues& values) {
    std::vector<std::string> labels;
    for (const AreaNameListEntry& entry : values.CellList()) {
        labels.push_back(entry.label);
    }
    return labels;
}

CAreaNameSet DefaultSet() {
    CAreaNameSet set;
    set.SetDefaults();
    return set;
}

TEST(AreaNameSheetValuesTest, TheGridListMarksTheUsedCellsFirstAndThenTheOthers) {
    AreaNameSheetValues values = AreaNameSheetValues::FromSet(DefaultSet(), 2, 3);
    values.byColumns = true;
    std::vector<std::string> expected = {"*1-1", "*1-2", "*1-3"};
    for (int c = 4; c <= 10; ++c) {
        expected.push_back(" 1-" + std::to_string(c));
    }
    for (int r = 2; r <= 3; ++r) {
        for (int c = 1; c <= 10; ++c) {
            expected.push_back(" " + std::to_string(r) + "-" + std::to_string(c));
        }
    }
    EXPECT_EQ(Labels(values), expected);
    EXPECT_EQ(values.CellList().size(), 30u);

    // By both, two date rows and two columns: the used block is row by row.
    values.byRows = true;
    values.columns = 2;
    const std::vector<std::string> labels = Labels(values);
    EXPECT_EQ(std::vector<std::string>(labels.begin(), labels.begin() + 5),
              (std::vector<std::string>{"*1-1", "*1-2", "*2-1", "*2-2", " 1-3"}));
    EXPECT_EQ(labels.back(), " 3-10");
}

TEST(AreaNameSheetValuesTest, TheDiagonalListNumbersTheDateRowsInHexadecimal) {
    AreaNameSheetValues values = AreaNameSheetValues::FromSet(DefaultSet(), 2, 4);
    values.slant = true;
    values.byRows = true;
    std::vector<std::string> expected = {"*1", "*a", "*b"};
    for (int c = 2; c <= 10; ++c) {
        expected.push_back(" " + std::to_string(c));
    }
    expected.push_back(" c");
    EXPECT_EQ(Labels(values), expected);
    const std::vector<AreaNameListEntry> list = values.CellList();
    EXPECT_EQ(list[1].no, 10);
    EXPECT_EQ(list[2].no, 11);
    EXPECT_EQ(list.back().no, 12);
    // The last used date row and cell 12 lie on the frame: no line settings.
    EXPECT_TRUE(values.HasLineSettings(list[0]));
    EXPECT_TRUE(values.HasLineSettings(list[1]));
    EXPECT_FALSE(values.HasLineSettings(list[2]));
    EXPECT_FALSE(values.HasLineSettings(list.back()));
}

TEST(AreaNameSheetValuesTest, AHeaderWithoutDateRowsIsOneRow) {
    AreaNameSheetValues values = AreaNameSheetValues::FromSet(DefaultSet(), 0, 2);
    values.byRows = true;
    values.byColumns = true;
    for (const bool slant : {false, true}) {
        values.slant = slant;
        EXPECT_EQ(values.UsedRows(), 1) << slant;
        const AreaNamePreviewPicture picture = AreaNamePreviewPicture::Make(values, 105, 65, 0);
        EXPECT_EQ(picture.frame, CRect(2, 2, 102, 62)) << slant;
        ASSERT_FALSE(picture.labels.empty()) << slant;
        EXPECT_EQ(picture.labels.front().text, "1" + std::string(slant ? "" : "-1")) << slant;
    }
    values.slant = false;
    EXPECT_EQ(Labels(values)[0], "*1-1");
    EXPECT_EQ(Labels(values)[2], " 1-3");
}

TEST(AreaNameSheetValuesTest, TheStartComesFromTheSetAndTheChart) {
    CAreaNameSet set = DefaultSet();
    set.SetKoumokuColumnCount(4);
    set.SetBunkatuOpt(CAreaNameSet::kSplitByRows);
    struct Case {
        WORD style;
        int documentColumns;
        int expectedStyle;
        bool expectedSlant;
        int expectedColumns;
    };
    const Case cases[] = {
        {CAreaNameSet::kStyleStandard, 0, AreaNameSheetValues::kStyleStandard, false, 4},
        {CAreaNameSet::kStyleGrid, 6, AreaNameSheetValues::kStyleExtended, false, 6},
        {CAreaNameSet::kStyleSlant, 2, AreaNameSheetValues::kStyleExtended, true, 2},
    };
    for (const Case& c : cases) {
        set.SetStyle(c.style);
        const AreaNameSheetValues values = AreaNameSheetValues::FromSet(set, 3, c.documentColumns);
        EXPECT_EQ(values.style, c.expectedStyle) << c.style;
        EXPECT_EQ(values.slant, c.expectedSlant) << c.style;
        EXPECT_EQ(values.columns, c.expectedColumns) << c.style;
        EXPECT_FALSE(values.byColumns);
        EXPECT_TRUE(values.byRows);
    }
    // A set without cells still gives the sheet every cell to edit.
    const AreaNameSheetValues empty = AreaNameSheetValues::FromSet(CAreaNameSet(), 1, 0);
    EXPECT_EQ(empty.cells.GetGridCells().size(), 30u);
    EXPECT_EQ(empty.cells.GetSlantCells().size(), 13u);
    EXPECT_EQ(empty.columns, 1);
}

TEST(AreaNameSheetValuesTest, ApplyWritesTheWordsAndTheCellsOnlyWhenTheExtendedPageWasShown) {
    CAreaNameSet set = DefaultSet();
    set.FindGrid(0, 1)->SetText("old");
    AreaNameSheetValues values = AreaNameSheetValues::FromSet(set, 2, 0);
    values.style = AreaNameSheetValues::kStyleExtended;
    values.slant = true;
    values.byColumns = true;
    values.byRows = true;
    values.columns = 5;
    values.cells.FindGrid(0, 1)->SetText("new");
    values.cells.FindSlant(11)->SetLineType(-1);
    values.cells.SetHizukeName("date");
    values.cells.SetKoumokuName("item");

    CAreaNameSet unshown = set;
    values.Apply(unshown, false, nullptr);
    EXPECT_EQ(unshown.GetStyle(), CAreaNameSet::kStyleSlant);
    EXPECT_EQ(unshown.GetBunkatuOpt(), 3);
    EXPECT_EQ(unshown.GetKoumokuColumnCount(), 5);
    EXPECT_EQ(unshown.GetHizukeName(), "date");
    EXPECT_EQ(unshown.GetKoumokuName(), "item");
    EXPECT_EQ(unshown.FindGrid(0, 1)->GetText(), "old");
    EXPECT_EQ(unshown.FindSlant(11)->GetLineType(), 0);

    // With a chart the count goes to its item table, not into the set's word.
    CAreaNameSet shown = set;
    shown.SetKoumokuColumnCount(7);
    int documentColumns = 2;
    values.slant = false;
    values.byRows = false;
    values.Apply(shown, true, &documentColumns);
    EXPECT_EQ(shown.GetStyle(), CAreaNameSet::kStyleGrid);
    EXPECT_EQ(shown.GetBunkatuOpt(), 1);
    EXPECT_EQ(documentColumns, 5);
    EXPECT_EQ(shown.GetKoumokuColumnCount(), 7);
    EXPECT_EQ(shown.FindGrid(0, 1)->GetText(), "new");
    EXPECT_EQ(shown.FindSlant(11)->GetLineType(), -1);
    EXPECT_EQ(shown.GetGridCells().size(), 30u);

    values.style = AreaNameSheetValues::kStyleStandard;
    values.Apply(shown, true, &documentColumns);
    EXPECT_EQ(shown.GetStyle(), CAreaNameSet::kStyleStandard);
}

TEST(AreaNameSheetValuesTest, TheTextSettingsSizeTheOwnFontAndSetTheFlags) {
    CAreaNameDataGrid cell(0, 0);
    LOGFONT base;
    base.lfHeight = -30;
    AreaNameFontValues values = AreaNameFontValues::FromCell(cell, base, AreaNameFontValues::kGrid);
    EXPECT_TRUE(values.baseFontFirst);
    EXPECT_EQ(values.size, 30);
    EXPECT_EQ(values.vertical, AreaNameFontValues::kMiddle);

    values.baseFontFirst = false;
    values.size = 40;
    values.bold = true;
    values.vertical = AreaNameFontValues::kBottom;
    values.align = CAreaNameData::kAlignRight;
    values.colorIndex = 1;
    values.StoreInto(cell);
    EXPECT_EQ(cell.GetOwnFont(), 1);
    EXPECT_EQ(cell.GetLogFont().lfHeight, -40);
    EXPECT_EQ(cell.GetLogFont().lfWidth, 20);
    EXPECT_EQ(cell.GetStyle(), 0x204);
    EXPECT_EQ(cell.GetAlign(), CAreaNameData::kAlignRight);
    EXPECT_EQ(cell.GetTextColor(), ColorFromIndex(1));

    // Read back: the cell's own font and its flags.
    const AreaNameFontValues back = AreaNameFontValues::FromCell(cell, base, 1);
    EXPECT_FALSE(back.baseFontFirst);
    EXPECT_EQ(back.size, 40);
    EXPECT_TRUE(back.bold);
    EXPECT_EQ(back.vertical, AreaNameFontValues::kBottom);

    // The base font again: the cell keeps its font, the free colour is taken as it is.
    values.baseFontFirst = true;
    values.size = 10;
    values.vertical = AreaNameFontValues::kTop;
    values.bold = false;
    values.colorIndex = kOtherColorIndex;
    values.freeColor = RGB(1, 2, 3);
    values.StoreInto(cell);
    EXPECT_EQ(cell.GetOwnFont(), 0);
    EXPECT_EQ(cell.GetLogFont().lfHeight, -40);
    EXPECT_EQ(cell.GetStyle(), 0x100);
    EXPECT_EQ(cell.GetTextColor(), RGB(1, 2, 3));
}

TEST(AreaNameSheetValuesTest, ThePreviewDrawsHiddenLinesDottedAndTheSelectedLabelMarked) {
    AreaNameSheetValues values = AreaNameSheetValues::FromSet(DefaultSet(), 2, 2);
    values.byColumns = true;
    values.byRows = true;
    values.cells.FindGrid(0, 1)->SetLine2Type(-1);
    AreaNamePreviewPicture picture = AreaNamePreviewPicture::Make(values, 205, 105, 1);
    EXPECT_EQ(picture.frame, CRect(2, 2, 202, 102));
    ASSERT_EQ(picture.labels.size(), 4u);
    EXPECT_EQ(picture.labels[1].text, "1-2");
    EXPECT_TRUE(picture.labels[1].selected);
    EXPECT_FALSE(picture.labels[0].selected);
    EXPECT_EQ(picture.labels[1].center, CPoint(152, 27));
    // Cell 1-2: right line at x 202 shown, bottom line at y 52 hidden.
    ASSERT_EQ(picture.lines.size(), 8u);
    EXPECT_FALSE(picture.lines[2].hidden);
    EXPECT_EQ(picture.lines[3].from, CPoint(102, 52));
    EXPECT_TRUE(picture.lines[3].hidden);

    // The diagonal: one line per used column, one per date row below the top one.
    values.slant = true;
    values.cells.FindSlant(10)->SetLineType(-1);
    picture = AreaNamePreviewPicture::Make(values, 205, 105, 0);
    ASSERT_EQ(picture.lines.size(), 3u);
    EXPECT_EQ(picture.lines[0].to, CPoint(102, 102));
    EXPECT_EQ(picture.lines[1].to, CPoint(202, 102));
    EXPECT_EQ(picture.lines[2].to, CPoint(202, 52));
    EXPECT_TRUE(picture.lines[2].hidden);
    EXPECT_EQ(picture.labels.size(), 4u);
}

} // namespace
} // namespace tembra
