// The item table with the mouse, driven through the dispatcher: a click starts a cell's input, a
// drag selects cells or whole rows or moves a column border, and selected cells or rows are moved
// or copied in one undo step, a target outside the table refused.
#include "ViewMouseFixture.h"

#include "document/YogoBarRecorder.h"
#include "model/ConfigOperation.h"
#include "model/Koumoku.h"

#include <map>
#include <tuple>

namespace tembra {
namespace {

constexpr int kDown = CMouseEvent::kLeftDown;
constexpr int kUp = CMouseEvent::kLeftUp;
constexpr int kMove = CMouseEvent::kMove;

class ItemMouseTest : public test::ViewMouseFixture {
protected:
    ItemMouseTest() {
        View();
        state.SetYogoBar(&bar);
        // Three item columns over the 500 units of the item area: 0..150, 150..300, 300..500.
        CKoumoku& table = *doc.GetKoumoku();
        table.SetLevelCount(3);
        SetWidths({30, 30, 40});
    }
    ~ItemMouseTest() override { state.SetYogoBar(nullptr); }

    void SetWidths(const std::vector<WORD>& widths) {
        for (size_t i = 0; i < widths.size(); ++i) {
            doc.GetKoumoku()->SetColumnWidth(static_cast<int>(i), widths[i]);
        }
    }
    std::vector<WORD> Widths() {
        const CKoumoku& table = doc.GetKoumokuTable();
        return {table.GetColumnWidth(0), table.GetColumnWidth(1), table.GetColumnWidth(2)};
    }
    // A point inside the cell.
    static CPoint Cell(int row, int column) {
        static const int lefts[] = {0, 150, 300};
        return CPoint(lefts[column] + 20, -125 - 50 * row);
    }
    CKoumokuData* Put(int row, int column, const char* text, WORD selected = 0) {
        CKoumokuData* cell = doc.GetKoumokuCells().CreateKoumokuData(row, column);
        cell->SetText(text);
        cell->SetSelected(selected);
        return cell;
    }
    // (row, column) → (text, selected word) of every cell of the first rows.
    using Cells = std::map<std::pair<int, int>, std::pair<std::string, WORD>>;
    Cells AllCells() {
        Cells cells;
        for (int row = -1; row < 12; ++row) {
            for (int column = 0; column < 3; ++column) {
                if (const CKoumokuData* cell = doc.GetKoumokuCells().GetKoumokuCell(row, column)) {
                    cells[{row, column}] = {cell->GetText(), cell->IsSelected()};
                }
            }
        }
        return cells;
    }
    std::map<std::pair<int, int>, WORD> Selected() {
        std::map<std::pair<int, int>, WORD> selected;
        for (const auto& [place, cell] : AllCells()) {
            if (cell.second != 0) {
                selected[place] = cell.second;
            }
        }
        return selected;
    }
    std::map<std::pair<int, int>, std::string> Texts() {
        std::map<std::pair<int, int>, std::string> texts;
        for (const auto& [place, cell] : AllCells()) {
            if (!cell.first.empty()) {
                texts[place] = cell.first;
            }
        }
        return texts;
    }
    void Drag(const CPoint& from, const CPoint& to, UINT keys = 0) {
        At(kDown, MK_LBUTTON | keys, from);
        DeliverPosted();
        At(kMove, MK_LBUTTON | keys, to);
        At(kUp, keys, to);
    }
    // The copy or move operation of the item mode: the first message takes the selection, the
    // click on the target cell places it.
    void Carry(LONG operation, const CPoint& target) {
        SetState(Op::kModeKoumoku, operation);
        At(kMove, 0, Cell(0, 0));
        DeliverPosted();
        At(kMove, 0, target);
        At(kDown, MK_LBUTTON, target);
        At(kUp, 0, target);
    }

    test::YogoBarRecorder bar;
};

TEST_F(ItemMouseTest, AClickInTheDrawOperationStartsTheCellsInput) {
    struct Case {
        const char* what;
        LONG mode;
        bool cellThere;
        LONG savedMode; // -1: none remembered
    };
    const Case cases[] = {
        {"item mode, an existing cell", Op::kModeKoumoku, true, -1},
        {"item mode, an empty place", Op::kModeKoumoku, false, -1},
        {"process mode, switched over and remembered", Op::kModeKoutei, true, Op::kModeKoutei},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.GetKoumokuCells().DeleteAllKoumoku();
        doc.GetOperation().InitMode();
        bar.setTexts.clear();
        if (c.cellThere) {
            Put(3, 1, "abc");
        }
        SetState(c.mode, Op::kOpDraw);
        EXPECT_TRUE(At(kDown, MK_LBUTTON, Cell(3, 1)));
        ASSERT_NE(doc.GetKoumokuCells().GetKoumokuCell(3, 1), nullptr);
        EXPECT_EQ(doc.GetKoumokuCells().GetKoumokuCell(3, 1)->IsSelected(), 1);
        EXPECT_EQ(bar.setTexts, std::vector<std::string>{c.cellThere ? "abc" : ""});
        EXPECT_EQ(Mode(), Op::kModeKoumoku);
        EXPECT_EQ(Operation(), Op::kOpDraw);
        EXPECT_EQ(doc.GetOperation().GetSavedMode() - 1, c.savedMode);
    }
}

TEST_F(ItemMouseTest, ADragSelectsCellsOrWholeRowsPastTheItemArea) {
    struct Case {
        const char* what;
        LONG mode;
        CPoint from;
        CPoint to;
        std::map<std::pair<int, int>, WORD> selected;
        std::string barText;
    };
    const Case cases[] = {
        {"a block of cells",
         Op::kModeKoumoku,
         Cell(3, 1),
         Cell(2, 0),
         {{{2, 0}, 1}, {{2, 1}, 1}, {{3, 0}, 1}, {{3, 1}, 1}},
         "two"},
        {"past the item area: whole rows from column 0",
         Op::kModeKoumoku,
         Cell(2, 1),
         CPoint(800, -125 - 50 * 3),
         {{{2, 0}, 255}, {{2, 1}, 255}, {{2, 2}, 255}, {{3, 0}, 255}, {{3, 1}, 255}, {{3, 2}, 255}},
         "two"},
        {"from the edit operation of the process mode",
         Op::kModeKoutei,
         Cell(4, 2),
         Cell(4, 2),
         {{{4, 2}, 1}},
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.GetKoumokuCells().DeleteAllKoumoku();
        doc.GetOperation().InitMode();
        bar.setTexts.clear();
        Put(2, 0, "two");
        SetState(c.mode, Op::kOpEdit);
        Drag(c.from, c.to);
        EXPECT_EQ(Selected(), c.selected);
        EXPECT_EQ(bar.setTexts, c.barText.empty() ? std::vector<std::string>{}
                                                  : std::vector<std::string>{c.barText});
        EXPECT_EQ(Mode(), Op::kModeKoumoku);
        EXPECT_EQ(doc.GetOperation().GetState(), 0);
        EXPECT_FALSE(host.HasCapture());
        EXPECT_EQ(UnevenInversions(), 0);
    }
}

TEST_F(ItemMouseTest, ShiftExtendsTheRememberedRange) {
    SetState(Op::kModeKoumoku, Op::kOpEdit);
    Drag(Cell(2, 1), Cell(2, 1));
    Drag(Cell(5, 0), Cell(5, 0), MK_SHIFT);
    std::map<std::pair<int, int>, WORD> expected;
    for (int row = 2; row <= 5; ++row) {
        expected[{row, 0}] = 1;
        expected[{row, 1}] = 1;
    }
    EXPECT_EQ(Selected(), expected);
}

TEST_F(ItemMouseTest, ABorderDragSetsTheWidthsTheFollowingColumnsKeepTheirsTheLastTakesTheRest) {
    struct Case {
        int borderX;
        int toX;
        std::vector<WORD> widths;
    };
    // Over the item area's 500 units: 225 is 45 percent, 350 is 70, 400 is 80, 100 is 20.
    const Case cases[] = {
        {150, 225, {45, 30, 25}},
        {150, 350, {70, 30, 0}},
        {150, 400, {80, 20, 0}},
        {300, 100, {20, 0, 80}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.toX);
        SetWidths({30, 30, 40});
        Put(1, 0, "kept", 1);
        SetState(Op::kModeKoumoku, Op::kOpEdit);
        Drag(CPoint(c.borderX, -300), CPoint(c.toX, -300));
        EXPECT_EQ(Widths(), c.widths);
        EXPECT_EQ(Texts(), (std::map<std::pair<int, int>, std::string>{{{1, 0}, "kept"}}));
        EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
        EXPECT_EQ(UnevenInversions(), 0);
    }
}

TEST_F(ItemMouseTest, SelectedCellsMoveOrCopyInOneUndoStep) {
    using TextMap = std::map<std::pair<int, int>, std::string>;
    struct Case {
        const char* what;
        LONG operation;
        CPoint target;
        TextMap after;
    };
    const TextMap before = {{{2, 0}, "A"}, {{3, 0}, "B"}, {{3, 1}, "x"}};
    const Case cases[] = {
        {"a move down", Op::kOpMove, Cell(5, 0), {{{5, 0}, "A"}, {{6, 0}, "B"}, {{3, 1}, "x"}}},
        {"a move right over another cell", Op::kOpMove, Cell(2, 1), {{{2, 1}, "A"}, {{3, 1}, "B"}}},
        {"a copy over its own rows",
         Op::kOpCopy,
         Cell(3, 0),
         {{{2, 0}, "A"}, {{3, 0}, "A"}, {{4, 0}, "B"}, {{3, 1}, "x"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.GetKoumokuCells().DeleteAllKoumoku();
        doc.GetUndoHistory().Reset();
        Put(2, 0, "A", 1);
        Put(3, 0, "B", 1);
        Put(3, 1, "x");
        Carry(c.operation, c.target);
        EXPECT_EQ(Texts(), c.after);
        EXPECT_TRUE(Selected().empty());
        EXPECT_EQ(doc.GetOperation().GetState(), 0);
        EXPECT_FALSE(host.HasCapture());
        EXPECT_EQ(UnevenInversions(), 0);
        ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
        EXPECT_EQ(Texts(), before);
    }
}

TEST_F(ItemMouseTest, AMoveOutsideTheTableIsRefusedAndAZeroMoveOnlyDeselects) {
    struct Case {
        const char* what;
        CPoint target;
        size_t beeps;
        bool stillSelected;
    };
    // Two columns selected (1 and 2): a target column past 1 would write past the last column.
    const Case cases[] = {
        {"past the last column", Cell(0, 2), 1, true},
        {"where it is", Cell(0, 1), 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.GetKoumokuCells().DeleteAllKoumoku();
        doc.GetUndoHistory().Reset();
        const size_t beeps = ui.Beeps().size();
        Put(0, 1, "A", 1);
        Put(0, 2, "B", 1);
        Put(1, 1, "C", 1);
        Put(1, 2, "D", 1);
        const auto texts = Texts();
        Carry(Op::kOpMove, c.target);
        EXPECT_EQ(Texts(), texts);
        EXPECT_EQ(ui.Beeps().size() - beeps, c.beeps);
        EXPECT_EQ(!Selected().empty(), c.stillSelected);
        EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
    }
}

TEST_F(ItemMouseTest, WholeRowsCarryTheirObjectsAndRuledLinesInOneUndoStep) {
    CKoutei* process = AddProcess(3, 6, 2);
    static_cast<void>(process);
    doc.GetKoumoku()->SetKeisenType(2, 5);
    for (int column = 0; column < 3; ++column) {
        Put(2, column, column == 0 ? "R" : "", 255);
    }
    const auto rowsOfProcesses = [&] {
        std::vector<int> rows;
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            rows.push_back(static_cast<CKoutei*>(doc.GetNextObj(pos))->GetStartRow());
        }
        return rows;
    };
    Carry(Op::kOpMove, Cell(6, 1));
    EXPECT_EQ(rowsOfProcesses(), std::vector<int>{6});
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(6), 5);
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(2), 0);
    EXPECT_EQ(Texts(), (std::map<std::pair<int, int>, std::string>{{{6, 0}, "R"}}));

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(rowsOfProcesses(), std::vector<int>{2});
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(2), 5);
    EXPECT_EQ(doc.GetKoumokuTable().GetKeisenType(6), 0);
    EXPECT_EQ(Texts(), (std::map<std::pair<int, int>, std::string>{{{2, 0}, "R"}}));
}

} // namespace
} // namespace tembra
