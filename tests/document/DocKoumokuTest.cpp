// The cells of the item table: storing with undo records, clearing, the cell clipboard, and the
// row and column edits with the item-cell hatchings following them, each undone and redone in one
// step.
#include "document/AppState.h"
#include "document/TembraDoc.h"

#include "KoumokuFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace tembra {
namespace {

using test::KoumokuFixture;
using Picture = KoumokuFixture::Picture;

class DocKoumokuTest : public KoumokuFixture {
protected:
    // The hatchings as (first row, last row, first column, last column), sorted.
    std::vector<std::tuple<int, int, LONG, LONG>> Hatches() {
        std::vector<std::tuple<int, int, LONG, LONG>> hatches;
        const OwnedObList<CKtkmHatch>& list = *doc.GetHatchList();
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            const CKtkmHatch* h = list.GetNext(pos);
            hatches.emplace_back(h->GetFirstRow(), h->GetLastRow(), h->GetFirstColumn(),
                                 h->GetLastColumn());
        }
        std::sort(hatches.begin(), hatches.end());
        return hatches;
    }
    void AddHatch(int firstRow, int lastRow, LONG firstColumn, LONG lastColumn) {
        doc.GetHatchList()->AddTail(CChartHatches::CreateHatch(CKtkmHatch::kKoumokuCells, 201, 0,
                                                               CTime(), CTime(), firstRow, lastRow,
                                                               firstColumn, lastColumn)
                                        .release());
    }
};

// ---- Storing ------------------------------------------------------------------------------------

TEST_F(DocKoumokuTest, NewCellsTakeTheDefaults) {
    CFontAttr& defaults = doc.GetSyokiSet().GetChart().GetKoumokuAttr();
    defaults.m_fontHeigh = 2;
    defaults.m_fontWidth = 1;
    defaults.m_form = 1;
    defaults.m_color = 0x00FF00;
    defaults.m_attrb = 0x0104;
    defaults.m_partition = 3;
    defaults.m_spare[0] = 5;

    const CKoumokuData* cell = doc.GetKoumokuCells().CreateKoumokuData(8, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->GetSize(), 0x0201);
    EXPECT_EQ(cell->GetFormat(), 1);
    EXPECT_EQ(cell->GetColor(), 0x00FF00u);
    EXPECT_EQ(cell->GetFlags(), 0x0104);
    EXPECT_EQ(cell->GetKeisenWord1(), 3);
    EXPECT_EQ(cell->GetKeisenWord2(), 3);
    EXPECT_EQ(cell->GetThirdLineWord(), 5);
    EXPECT_EQ(Cell(8, 1), cell);
    EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuRowCount(1), 9);
    EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuRowCount(-1), 9);
    EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuRowCount(0), 6);
    EXPECT_TRUE(doc.GetChangedFlag());
    // A taken place keeps its cell.
    EXPECT_EQ(doc.GetKoumokuCells().CreateKoumokuData(8, 1), cell);
}

TEST_F(DocKoumokuTest, StoringRecordsAddedChangedAndRemovedCells) {
    std::unique_ptr<CKoumokuData> copy = doc.GetKoumokuCells().CopyKoumokuData(0, 0, Cell(2, 1));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetText(), "B2");
    EXPECT_EQ(copy->GetRow(), 0);
    copy->SetText("new");

    doc.GetKoumokuCells().SetKoumokuCell(1, 0, std::move(copy)); // changed
    doc.GetKoumokuCells().SetKoumokuCell(
        7, 2, doc.GetKoumokuCells().CopyKoumokuData(0, 0, Cell(0, 0))); // added
    doc.GetKoumokuCells().SetKoumokuCell(2, 2, nullptr);                // removed
    EXPECT_EQ(doc.GetKoumokuCells().SetKoumokuCell(9, 0, nullptr),
              nullptr); // nothing there: nothing happens
    const Picture edited = {"A0|B0|C0", "new|B1|C1", "A2|B2", "A3|B3|C3",
                            "A4|B4|C4", "A5|B5|C5",  "",      ".|.|A0"};
    EXPECT_EQ(Table(), edited);
    ASSERT_EQ(doc.GetUndoHistory().GetUndoList().size(), 3u);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Table(), Start());
    ASSERT_EQ(doc.GetUndoHistory().Redo(), 1);
    EXPECT_EQ(Table(), edited);
}

// ---- Clearing -----------------------------------------------------------------------------------

// A cell with ruled-line words keeps its place, empty; the others go; one Undo brings everything
// back.
TEST_F(DocKoumokuTest, ClearingKeepsCellsWithRuledLinesEmpty) {
    Cell(1, 0)->SetKeisenWord1(2);
    Cell(2, 1)->SetThirdLineWord(1);

    doc.GetKoumokuCells().ClearKoumokuRange(1, 0, 2, 2, FALSE);
    const Picture cleared = {"A0|B0|C0", "_+|.|C1", ".|_|C2", "A3|B3|C3", "A4|B4|C4", "A5|B5|C5"};
    EXPECT_EQ(Table(), cleared);
    EXPECT_TRUE(doc.GetChangedFlag());

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Table(),
              (Picture{"A0|B0|C0", "A1+|B1|C1", "A2|B2|C2", "A3|B3|C3", "A4|B4|C4", "A5|B5|C5"}));

    // With removeAll they go too.
    doc.GetUndoHistory().Reset();
    doc.GetKoumokuCells().ClearKoumokuRange(1, 0, 1, 1, TRUE);
    EXPECT_EQ(Cell(1, 0), nullptr);
}

// A cell still selected when its block is cleared goes like the others, recorded, so that Undo
// brings it back.
TEST_F(DocKoumokuTest, ASelectedCellClearedComesBackWithUndo) {
    Cell(3, 2)->SetSelected(1);
    Cell(3, 2)->SetKeisenWord1(1);
    doc.GetKoumokuCells().ClearKoumokuRange(3, 2, 1, 1, FALSE);
    EXPECT_EQ(Cell(3, 2), nullptr);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    ASSERT_NE(Cell(3, 2), nullptr);
    EXPECT_EQ(Cell(3, 2)->GetText(), "C3");
    EXPECT_FALSE(doc.GetKoumokuCells().IsKoumokuSelected());
}

TEST_F(DocKoumokuTest, DeselectingDropsTheEmptyCells) {
    Cell(0, 0)->SetSelected(1);
    Cell(1, 0)->SetSelected(1);
    Cell(1, 0)->SetText("");
    Cell(2, 0)->SetSelected(1);
    Cell(2, 0)->SetText("");
    Cell(2, 0)->SetKeisenWord2(4);
    EXPECT_TRUE(doc.GetKoumokuCells().IsKoumokuSelected());

    doc.GetKoumokuCells().ClearSelectedKoumokuCells(FALSE);
    EXPECT_FALSE(doc.GetKoumokuCells().IsKoumokuSelected());
    EXPECT_EQ(Cell(1, 0), nullptr);
    EXPECT_NE(Cell(2, 0), nullptr);
    EXPECT_EQ(Cell(0, 0)->IsSelected(), 0);
}

// With restore, leaving a temporary switch to the item mode brings the saved mode back.
TEST_F(DocKoumokuTest, DeselectingWithRestoreEndsATemporarySwitch) {
    doc.GetOperation().SetMode(COperationState::kModeEvent);
    doc.GetOperation().SaveMode();
    doc.GetOperation().ChangeMode(COperationState::kModeKoumoku);
    Cell(0, 0)->SetSelected(1);

    doc.GetKoumokuCells().ClearSelectedKoumokuCells(TRUE);
    EXPECT_EQ(doc.GetOperation().GetMode(), COperationState::kModeEvent);
    EXPECT_EQ(doc.GetOperation().GetSavedMode(), 0);
}

TEST_F(DocKoumokuTest, AfterALoadEmptySelectedCellsAreDropped) {
    Cell(4, 2)->SetSelected(1);
    Cell(4, 2)->SetText("");
    Cell(5, 2)->SetSelected(1);
    doc.GetKoumokuCells().DropEmptyKoumokuCells();
    EXPECT_EQ(Cell(4, 2), nullptr);
    EXPECT_EQ(Cell(5, 2)->IsSelected(), 0);
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
}

TEST_F(DocKoumokuTest, DeletingEveryCellIsUndoneWithTheRowTypes) {
    doc.GetKoumoku()->SetKeisenType(2, 3);
    doc.GetKoumokuCells().DeleteAllKoumoku();
    EXPECT_TRUE(Table().empty());
    EXPECT_TRUE(doc.GetKoumokuTable().GetKeisenTypes().empty());

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Table(), Start());
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(2), 3);
}

// ---- Clipboard ----------------------------------------------------------------------------------

// A block copied from whole rows carries their ruled-line types: pasting writes them and marks
// the pasted cells 255. What does not fit in the item columns is dropped.
TEST_F(DocKoumokuTest, WholeRowsPasteTheirTypesAndWhatDoesNotFitIsDropped) {
    doc.GetKoumoku()->SetKeisenType(1, 4);
    doc.GetKoumoku()->SetKeisenType(2, 5);
    for (int column = 0; column < 2; ++column) {
        for (int row = 1; row <= 2; ++row) {
            Cell(row, column)->SetSelected(255);
        }
    }
    EXPECT_EQ(doc.GetKoumokuCells().CopyKoumoku(), 4);
    EXPECT_EQ(app->GetCellKeisenTypes(), (std::vector<WORD>{4, 5}));

    doc.GetUndoHistory().Reset();
    EXPECT_EQ(doc.GetKoumokuCells().PasteKoumoku(4, 2, TRUE),
              2); // only the first clipboard column fits
    EXPECT_EQ(Table(),
              (Picture{"A0|B0|C0", "A1|B1|C1", "A2|B2|C2", "A3|B3|C3", "A4|B4|A1", "A5|B5|A2"}));
    EXPECT_EQ(Cell(4, 2)->IsSelected(), 255);
    EXPECT_EQ(Cell(1, 0)->IsSelected(), 0); // the old selection was cleared
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(4), 4);
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(5), 5);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Table(), Start());
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(4), 0);
}

TEST_F(DocKoumokuTest, CellsAloneCarryNoTypes) {
    Cell(0, 1)->SetSelected(1);
    Cell(1, 1)->SetSelected(1);
    EXPECT_EQ(doc.GetKoumokuCells().CopyKoumoku(), 2);
    EXPECT_TRUE(app->GetCellKeisenTypes().empty());
    EXPECT_EQ(doc.GetKoumokuCells().PasteKoumoku(4, 0, TRUE), 2);
    EXPECT_EQ(Cell(4, 0)->GetText(), "B0");
    EXPECT_EQ(Cell(4, 0)->IsSelected(), 1);
    EXPECT_EQ(Cell(5, 0)->GetText(), "B1");
}

// A cut of whole rows clears them and their types in one undo step.
TEST_F(DocKoumokuTest, CutOfWholeRowsIsOneUndoStep) {
    doc.GetKoumoku()->SetKeisenType(3, 2);
    for (int column = 0; column < 3; ++column) {
        Cell(3, column)->SetSelected(255);
    }
    EXPECT_EQ(doc.GetKoumokuCells().CutKoumoku(), 3);
    EXPECT_EQ(Table(), (Picture{"A0|B0|C0", "A1|B1|C1", "A2|B2|C2", "", "A4|B4|C4", "A5|B5|C5"}));
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(3), 0);
    EXPECT_EQ(app->GetCellKeisenTypes(), std::vector<WORD>{2});
    EXPECT_EQ(ui->WaitDepth(), 0);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Table(), Start());
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(3), 2);
}

// ---- Rows and columns ---------------------------------------------------------------------------

struct EditCase {
    const char* name;
    std::function<void(CTembraDoc&)> edit;
    Picture after;
    std::vector<std::tuple<int, int, LONG, LONG>> hatches;
};

void PrintTo(const EditCase& c, std::ostream* os) {
    *os << c.name;
}

class KoumokuEditTest : public DocKoumokuTest, public testing::WithParamInterface<EditCase> {};

// Each edit, as the commands run it (cells, then their hatchings, in one undo group), marks the
// document changed since its save; Undo gives back the exact table, Redo the edited one.
TEST_P(KoumokuEditTest, EditUndoRedo) {
    doc.GetKoumoku()->SetKeisenType(1, 2);
    doc.GetKoumoku()->SetKeisenType(4, 1);
    AddHatch(3, 4, 0, 1);
    AddHatch(0, 5, 2, 2);
    AddHatch(1, 2, 0, 0);
    AddHatch(1, 2, 1, 2);
    AddHatch(3, 3, 2, 2);
    const std::vector<WORD> types = doc.GetKoumokuTable().GetKeisenTypes();
    const auto hatches = Hatches();

    doc.GetUndoHistory().Reset();
    doc.GetUndoHistory().BeginGroup();
    GetParam().edit(doc);
    doc.GetUndoHistory().EndGroup();
    EXPECT_TRUE(doc.GetChangedFlag());
    EXPECT_EQ(Table(), GetParam().after);
    EXPECT_EQ(Hatches(), GetParam().hatches);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Table(), Start());
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenTypes(), types);
    EXPECT_EQ(Hatches(), hatches);

    ASSERT_EQ(doc.GetUndoHistory().Redo(), 1);
    EXPECT_EQ(Table(), GetParam().after);
    EXPECT_EQ(Hatches(), GetParam().hatches);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KoumokuEditTest,
    testing::Values(
        // Rows 1..2 of columns 0..1.
        EditCase{"DeleteRows",
                 [](CTembraDoc& d) {
                     d.GetKoumokuCells().DeleteKoumokuRows(1, 0, 2, 2);
                     d.GetHatches().HatchRowsDeleted(FALSE, 1, 2, 0, 1);
                 },
                 {"A0|B0|C0", "A3|B3|C1", "A4|B4|C2", "A5|B5|C3", ".|.|C4", ".|.|C5"},
                 {{0, 5, 2, 2}, {1, 2, 0, 1}, {1, 2, 1, 2}, {3, 3, 2, 2}}},
        EditCase{
            "InsertRows",
            [](CTembraDoc& d) {
                d.GetKoumokuCells().InsertKoumokuRows(1, 0, 2, 2);
                d.GetHatches().HatchRowsInserted(1, 2, 0, 1);
            },
            {"A0|B0|C0", ".|.|C1", ".|.|C2", "A1|B1|C3", "A2|B2|C4", "A3|B3|C5", "A4|B4", "A5|B5"},
            {{0, 5, 2, 2}, {1, 2, 1, 2}, {3, 3, 2, 2}, {3, 4, 0, 0}, {5, 6, 0, 1}}},
        // Column 0 of rows 1..2, and column 1 of rows 3..4.
        EditCase{"DeleteColumns",
                 [](CTembraDoc& d) {
                     d.GetKoumokuCells().DeleteKoumokuCols(1, 0, 2, 1);
                     d.GetHatches().HatchColsDeleted(FALSE, 1, 2, 0, 0);
                 },
                 {"A0|B0|C0", "B1|C1", "B2|C2", "A3|B3|C3", "A4|B4|C4", "A5|B5|C5"},
                 {{0, 5, 2, 2}, {1, 2, 0, 1}, {3, 3, 2, 2}, {3, 4, 0, 1}}},
        EditCase{"InsertColumns",
                 [](CTembraDoc& d) {
                     d.GetKoumokuCells().InsertKoumokuCols(3, 1, 2, 1);
                     d.GetHatches().HatchColsInserted(3, 4, 1, 1);
                 },
                 {"A0|B0|C0", "A1|B1|C1", "A2|B2|C2", "A3|.|B3|C3", "A4|.|B4|C4", "A5|B5|C5"},
                 {{0, 5, 2, 2}, {1, 2, 0, 0}, {1, 2, 1, 2}, {3, 3, 3, 3}, {3, 4, 0, 1}}}),
    [](const testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

// Inserted rows that would push a cell past row 9998 change nothing.
TEST_F(DocKoumokuTest, InsertingRowsStopsAtTheLastRow) {
    doc.GetKoumokuCells().CreateKoumokuData(9997, 0)->SetText("far");
    doc.GetUndoHistory().Reset();
    EXPECT_EQ(doc.GetKoumokuCells().InsertKoumokuRows(2, 0, 2, 1), 0);
    EXPECT_EQ(Cell(9997, 0)->GetText(), "far");
    EXPECT_EQ(Cell(2, 0)->GetText(), "A2");
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
    EXPECT_EQ(doc.GetKoumokuCells().InsertKoumokuRows(2, 0, 1, 1), 1);
    EXPECT_EQ(Cell(9998, 0)->GetText(), "far");
}

// ---- Ruled-line types ---------------------------------------------------------------------------

TEST_F(DocKoumokuTest, RuledLineTypesAreCopiedOrMoved) {
    doc.GetKoumoku()->SetKeisenType(1, 4);
    doc.GetKoumoku()->SetKeisenType(2, 5);
    doc.GetKoumokuCells().MoveKeisenTypes(2, 1, 3, 0);
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenTypes(), (std::vector<WORD>{0, 4, 5, 0, 4, 5}));
    doc.GetKoumokuCells().MoveKeisenTypes(4, 5, -3, 3);
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenTypes(), (std::vector<WORD>{0, 4, 5, 0, 0, 0}));
}

} // namespace
} // namespace tembra
