#include "document/TembraDoc.h"

#include "DocTestSupport.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tembra {
namespace {

using test::ScopedAppState;
using test::ScopedUi;

// A cell at (row, item column) with a selected mark (0 not selected, 1 alone, 255 in whole rows).
struct Cell {
    int row;
    int column;
    WORD selected;
};

struct SelectionCase {
    const char* name;
    std::vector<Cell> cells;
    int rows, firstRow, lastRow;
    int columns, firstColumn, lastColumn;
};

class KoumokuSelectionTest : public testing::TestWithParam<SelectionCase> {
protected:
    ScopedAppState app;
    ScopedUi ui;
    CTembraDoc doc;
};

TEST_P(KoumokuSelectionTest, ReportsTheSelectedRowsAndColumns) {
    const SelectionCase& c = GetParam();
    for (const Cell& cell : c.cells) {
        auto* data = new CKoumokuData;
        data->SetSelected(cell.selected);
        ASSERT_TRUE(doc.GetKoumoku()->SetAt(cell.row, cell.column, data));
    }
    int first = 0;
    int last = 0;
    EXPECT_EQ(doc.GetKoumokuCells().GetSelectedKoumokuRows(first, last), c.rows) << c.name;
    EXPECT_EQ(std::make_pair(first, last), std::make_pair(c.firstRow, c.lastRow)) << c.name;
    EXPECT_EQ(doc.GetKoumokuCells().GetSelectedKoumokuCols(first, last), c.columns) << c.name;
    EXPECT_EQ(std::make_pair(first, last), std::make_pair(c.firstColumn, c.lastColumn)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Selections, KoumokuSelectionTest,
    testing::Values(SelectionCase{"empty table", {}, 0, -1, -1, 0, -1, -1},
                    SelectionCase{"nothing selected", {{0, 0, 0}, {3, 1, 0}}, 0, -1, -1, 0, -1, -1},
                    SelectionCase{"one cell", {{0, 0, 0}, {4, 2, 1}}, 1, 4, 4, 1, 2, 2},
                    // A block of rows 2..5 in columns 1..2, among unselected cells and gaps.
                    SelectionCase{"a block",
                                  {{0, 0, 0},
                                   {2, 1, 1},
                                   {3, 1, 1},
                                   {4, 1, 1},
                                   {5, 1, 1},
                                   {2, 2, 1},
                                   {5, 2, 1},
                                   {9, 3, 0}},
                                  4,
                                  2,
                                  5,
                                  2,
                                  1,
                                  2},
                    // Rows are those of the first column with a selection; columns those on the row
                    // of the first selected cell.
                    SelectionCase{"ragged",
                                  {{6, 0, 255}, {8, 0, 255}, {1, 1, 255}, {6, 3, 255}, {6, 4, 0}},
                                  2,
                                  6,
                                  8,
                                  2,
                                  0,
                                  3}));

} // namespace
} // namespace tembra
