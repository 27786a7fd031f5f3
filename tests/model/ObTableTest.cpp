#include "model/ObTable.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "model/LayerSet.h"

#include "platform/Archive.h"
#include "support/ArchiveBytes.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;

// A document whose item table is the one being read, as in the schedule document.
class ItemDocument : public test::VersionDocument, public IKoumokuDocument {
public:
    ItemDocument(int version, CKoumoku* table) : VersionDocument(version), m_table(table) {}
    LOGFONT GetKoumokuFont() const override { return {}; }
    WORD GetKoumokuStyleWord() const override { return 0; }
    CKoumoku* GetKoumoku() override { return m_table; }

private:
    CKoumoku* m_table;
};

// A table or a cell as the given version writes it.
Bytes Store(CObject& record, int version) {
    ItemDocument doc(version, nullptr);
    return test::Store(record, doc);
}

void Load(const Bytes& bytes, CObTable& table, int version) {
    ItemDocument doc(version, dynamic_cast<CKoumoku*>(&table));
    test::Load(bytes, table, doc);
}

// The table does not own its cells: whoever reads them frees them.
void DeleteCells(CObTable& table) {
    std::set<CObject*> cells;
    for (int r = 0; r < table.GetRowCount(); ++r) {
        for (int c = 0; c < table.GetColCount(r); ++c) {
            if (CObject* cell = table.GetAt(c, r)) {
                cells.insert(cell);
            }
        }
    }
    table.DeleteAll();
    for (CObject* cell : cells) {
        delete cell;
    }
}

// A layer-set cell named by one letter, as the tables below hold it.
Bytes Layer(char name) {
    return ByteWriter().Word(1).Word(static_cast<WORD>(0x4101 + (name - 'A') * 0x100)).Get();
}

// Objects that stand in for cells: the table only keeps their addresses.
struct Cells {
    CLayerSet a{1, "A"}, b{1, "B"}, c{1, "C"}, d{1, "D"};
};

// A picture of the cells of a table: one string per row, "-" for a missing (or empty) row, "."
// for a null cell, else the cell's name.
std::vector<std::string> Picture(const CObTable& table) {
    std::vector<std::string> rows;
    for (int r = 0; r < table.GetRowCount(); ++r) {
        std::string row = table.GetColCount(r) == 0 ? "-" : "";
        for (int c = 0; c < table.GetColCount(r); ++c) {
            const auto* cell = dynamic_cast<const CLayerSet*>(table.GetAt(c, r));
            row += cell != nullptr ? cell->GetName() : ".";
        }
        rows.push_back(row);
    }
    return rows;
}

using Picture_ = std::vector<std::string>;

// ---- CObTable -------------------------------------------------------------------------------

TEST(ObTableTest, GetAtOutsideTheTableIsNull) {
    Cells cells;
    CObTable table;
    EXPECT_EQ(table.GetLimit(), 9999);
    ASSERT_TRUE(table.SetAt(2, 0, &cells.a)); // row 0: . . A
    ASSERT_TRUE(table.SetAt(0, 2, &cells.b)); // row 1 missing, row 2: B
    EXPECT_EQ(Picture(table), (Picture_{"..A", "-", "B"}));

    EXPECT_EQ(table.GetAt(2, 0), &cells.a);
    EXPECT_EQ(table.GetAt(0, 1), nullptr); // missing row
    EXPECT_EQ(table.GetAt(1, 2), nullptr); // beyond a short row
    EXPECT_EQ(table.GetAt(0, 3), nullptr); // beyond the table
    EXPECT_EQ(table.GetAt(-1, 0), nullptr);
    EXPECT_EQ(table.GetRowCount(), 3);
    EXPECT_EQ(table.GetRowUpperBound(), 2);
    EXPECT_EQ(table.GetColUpperBound(0), 2);
    EXPECT_EQ(table.GetColUpperBound(1), -1);
    EXPECT_EQ(table.GetColUpperBound(7), -1);
    EXPECT_EQ(table.GetColCount(-1), 0);

    // Indices a 16-bit field cannot hold are refused.
    EXPECT_FALSE(table.SetAt(-1, 0, &cells.c));
    EXPECT_FALSE(table.SetAt(0, 0x10000, &cells.c));
    EXPECT_EQ(Picture(table), (Picture_{"..A", "-", "B"}));
}

TEST(ObTableTest, InsertAtAndRemoveAtWithinARow) {
    struct Case {
        const char* what;
        void (*edit)(CObTable&, Cells&);
        Picture_ result;
    };
    const std::vector<Case> cases = {
        {"insert in a row",
         [](CObTable& t, Cells& c) { t.InsertAt(1, 0, &c.c, 2); },
         {"ACCB", "-", "D"}},
        {"insert beyond a short row pads it",
         [](CObTable& t, Cells& c) { t.InsertAt(3, 2, &c.c); },
         {"AB", "-", "D..C"}},
        {"insert into a missing row creates it",
         [](CObTable& t, Cells& c) { t.InsertAt(1, 1, &c.c); },
         {"AB", ".C", "D"}},
        {"insert beyond the table",
         [](CObTable& t, Cells& c) { t.InsertAt(0, 4, &c.c); },
         {"AB", "-", "D", "-", "C"}},
        {"insert null places",
         [](CObTable& t, Cells&) { t.InsertAt(0, 0, nullptr, 2); },
         {"..AB", "-", "D"}},
        {"remove moves later cells left",
         [](CObTable& t, Cells&) { t.RemoveAt(0, 0); },
         {"B", "-", "D"}},
        {"remove more than there is",
         [](CObTable& t, Cells&) { t.RemoveAt(1, 0, 5); },
         {"A", "-", "D"}},
        {"remove beyond the row", [](CObTable& t, Cells&) { t.RemoveAt(2, 0); }, {"AB", "-", "D"}},
        {"remove in a missing row",
         [](CObTable& t, Cells&) { t.RemoveAt(0, 1); },
         {"AB", "-", "D"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Cells cells;
        CObTable table;
        table.SetAt(0, 0, &cells.a);
        table.SetAt(1, 0, &cells.b);
        table.SetAt(0, 2, &cells.d);
        c.edit(table, cells);
        EXPECT_EQ(Picture(table), c.result);
    }
}

TEST(ObTableTest, InsertRowsAndRemoveRowsInOneColumn) {
    // Start: row 0 "AB", row 1 missing, row 2 ".C", row 3 "D" (ragged).
    struct Case {
        const char* what;
        void (*edit)(CObTable&, Cells&);
        Picture_ result;
    };
    const std::vector<Case> cases = {
        {"insert nulls in column 1 from row 0",
         [](CObTable& t, Cells&) { t.InsertRows(1, 0, nullptr, 2); },
         // B moves to row 2 and C to row 4 (created); nothing is created for the nulls.
         {"A.", "-", ".B", "D", ".C"}},
        {"insert a cell in column 0 from row 1",
         [](CObTable& t, Cells& c) { t.InsertRows(0, 1, &c.a, 1); },
         // D moves to row 4; the null above it is written where row 3 reaches.
         {"AB", "A", ".C", ".", "D"}},
        {"insert beyond the last row only places the cell",
         [](CObTable& t, Cells& c) { t.InsertRows(0, 5, &c.b, 1); },
         {"AB", "-", ".C", "D", "-", "B"}},
        {"remove one row of column 1 from row 0",
         [](CObTable& t, Cells&) { t.RemoveRows(1, 0, 1); },
         // Column 1: rows 0..3 hold B, -, C, - and become -, C, -, - (row 1 is created for C).
         {"A.", ".C", "..", "D"}},
        {"remove two rows of column 0 from row 1",
         [](CObTable& t, Cells&) { t.RemoveRows(0, 1, 2); },
         // Column 0: rows 1..3 hold -, ., D and become D, -, .
         {"AB", "D", ".C", "."}},
        {"remove more rows than there are",
         [](CObTable& t, Cells&) { t.RemoveRows(0, 0, 9); },
         {".B", "-", ".C", "."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Cells cells;
        CObTable table;
        table.SetAt(0, 0, &cells.a);
        table.SetAt(1, 0, &cells.b);
        table.SetAt(1, 2, &cells.c);
        table.SetAt(0, 3, &cells.d);
        c.edit(table, cells);
        EXPECT_EQ(Picture(table), c.result);
    }
}

TEST(ObTableTest, EditsThatWouldLeaveTheIndexRangeAreRefused) {
    Cells cells;
    CObTable table;
    table.SetAt(0, 0, &cells.a);
    EXPECT_FALSE(table.InsertAt(0, 0, &cells.b, 0));
    EXPECT_FALSE(table.InsertAt(0, 0, &cells.b, CObTable::kMaxIndex + 1));
    EXPECT_FALSE(table.InsertRows(0, 0, &cells.b, CObTable::kMaxIndex + 1));
    EXPECT_FALSE(table.InsertRows(0, -1, &cells.b, 1));
    table.RemoveRows(0, 0, 0);
    table.RemoveAt(-1, 0, 1);
    EXPECT_EQ(Picture(table), (Picture_{"A"}));
}

TEST(ObTableTest, DeleteAllLeavesTheCellsAlive) {
    auto cell = std::make_unique<CLayerSet>(2, "kept");
    CObTable table;
    table.SetAt(3, 1, cell.get());
    table.FreeExtra();
    EXPECT_EQ(table.GetAt(3, 1), cell.get());
    table.DeleteAll();
    EXPECT_EQ(table.GetRowCount(), 0);
    EXPECT_EQ(cell->GetName(), "kept"); // the sanitizer sees a use after free otherwise
}

TEST(ObTableTest, GoldenBytesAndRoundTrip) {
    Cells cells;
    CObTable table;
    table.SetLimit(100);
    table.SetAt(0, 0, &cells.a);
    table.SetAt(1, 0, nullptr);
    table.SetAt(1, 2, &cells.b);

    ByteWriter expected;
    expected.Word(100).Word(3);
    // Row 0: the array class (index 1), the row (2), two cells: A (class 3, object 4), null.
    expected.NewClass(0, "CObArray").Word(2).NewClass(1, "CLayerSet").Append(Layer('A')).Word(0);
    expected.Word(0); // row 1 missing
    // Row 2 (object 5): null, then B (object 6) of the known class 3.
    expected.Word(0x8001).Word(2).Word(0).Word(0x8003).Append(Layer('B'));
    const Bytes bytes = Store(table, 58000);
    EXPECT_EQ(bytes, expected.Get());

    CObTable back;
    back.SetAt(5, 5, &cells.c); // replaced by the load
    Load(bytes, back, 58000);
    EXPECT_EQ(back.GetLimit(), 100);
    EXPECT_EQ(Picture(back), (Picture_{"A.", "-", ".B"}));
    EXPECT_NE(back.GetAt(0, 0), &cells.a);
    DeleteCells(back);
}

TEST(ObTableTest, DamagedTablesAreRefusedWithoutLeaks) {
    struct Case {
        const char* what;
        Bytes bytes;
        int cause;
    };
    ByteWriter backRef; // the second cell refers to the first
    backRef.Word(9999).Word(1).NewClass(0, "CObArray").Word(2).NewClass(1, "CLayerSet");
    backRef.Append(Layer('A')).Word(4);
    ByteWriter rowRef; // the second row refers to the first
    rowRef.Word(9999).Word(2).NewClass(0, "CObArray").Word(1).NewClass(1, "CLayerSet");
    rowRef.Append(Layer('A')).Word(2);
    ByteWriter notARow;
    notARow.Word(9999).Word(1).NewClass(1, "CLayerSet").Append(Layer('A'));
    ByteWriter cut;
    cut.Word(9999)
        .Word(1)
        .NewClass(0, "CObArray")
        .Word(3)
        .NewClass(1, "CLayerSet")
        .Append(Layer('A'));
    // A table with a cell of its own where a row belongs: a table is never an object of the
    // stream, and nothing it might hold is left behind.
    ByteWriter tableAsRow;
    tableAsRow.Word(9999).Word(1).NewClass(1, "CObTable");
    tableAsRow.Word(9999).Word(1).NewClass(0, "CObArray").Word(1).NewClass(1, "CLayerSet");
    tableAsRow.Append(Layer('A'));
    const std::vector<Case> cases = {
        {"cell referred to twice", backRef.Get(), CArchiveException::badIndex},
        {"row referred to twice", rowRef.Get(), CArchiveException::badIndex},
        {"row of another class", notARow.Get(), CArchiveException::badClass},
        {"table where a row belongs", tableAsRow.Get(), CArchiveException::badClass},
        {"truncated row", cut.Get(), CArchiveException::endOfFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Cells cells;
        CObTable table;
        table.SetAt(0, 0, &cells.d);
        try {
            Load(c.bytes, table, 58000);
            ADD_FAILURE() << "loaded";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, c.cause);
        }
        EXPECT_EQ(Picture(table), (Picture_{"D"})) << "a failed load keeps the table";
    }
}

// ---- CKoumoku -------------------------------------------------------------------------------

TEST(KoumokuTest, LevelCountDividesOneHundredPercent) {
    struct Case {
        int levels;
        int count;
        std::vector<WORD> heights;
    };
    const std::vector<Case> cases = {
        {1, 1, {100, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {3, 3, {33, 33, 34, 0, 0, 0, 0, 0, 0, 0}},
        {7, 7, {14, 14, 14, 14, 14, 14, 16, 0, 0, 0}},
        {10, 10, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10}},
        {12, 10, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10}},
        {0, 1, {100, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {-4, 1, {100, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.levels);
        CKoumoku table;
        table.SetLevelHeight(9, 55);
        table.SetLevelCount(c.levels);
        EXPECT_EQ(table.GetLevelCount(), c.count);
        EXPECT_EQ(table.GetColumnCount(), c.count);
        EXPECT_EQ(table.GetLevelHeights(), c.heights);
    }
    CKoumoku fresh;
    EXPECT_EQ(fresh.GetLevelCount(), 1);
    EXPECT_EQ(fresh.GetColumnWidth(0), 100);
}

TEST(KoumokuTest, ColumnWidthsAreTheLevelHeights) {
    CKoumoku table;
    table.SetLevelCount(3);
    EXPECT_TRUE(table.SetLevelHeight(0, 30));
    EXPECT_TRUE(table.SetColumnWidth(1, 30));
    EXPECT_TRUE(table.SetLevelHeight(2, 40));
    EXPECT_EQ(table.GetColumnWidth(0), 30);
    EXPECT_EQ(table.GetColumnWord(1), 30);
    EXPECT_EQ(table.GetLevelHeight(2), 40);
    EXPECT_EQ(table.GetColumnWidth(-1), 0);
    EXPECT_EQ(table.GetColumnWidth(10), 0);
    EXPECT_FALSE(table.SetLevelHeight(10, 5));
    EXPECT_FALSE(table.SetLevelHeight(-1, 5));
    EXPECT_EQ(table.GetLevelHeights().size(), 10u);
}

TEST(KoumokuTest, RuledLineTypesPerRow) {
    struct Case {
        const char* what;
        void (*edit)(CKoumoku&);
        std::vector<WORD> result;
    };
    // Start: types 1, 2, 3, 4, 5.
    const std::vector<Case> cases = {
        {"set beyond the array grows it",
         [](CKoumoku& t) { t.SetKeisenType(7, 9); },
         {1, 2, 3, 4, 5, 0, 0, 9}},
        {"set a negative row", [](CKoumoku& t) { t.SetKeisenType(-1, 9); }, {1, 2, 3, 4, 5}},
        {"remove a range", [](CKoumoku& t) { t.RemoveKeisenTypes(1, 2); }, {1, 4, 5}},
        {"remove clamps the last row", [](CKoumoku& t) { t.RemoveKeisenTypes(3, 50); }, {1, 2, 3}},
        {"remove with both beyond",
         [](CKoumoku& t) { t.RemoveKeisenTypes(5, 9); },
         {1, 2, 3, 4, 5}},
        {"remove with first beyond clamps it",
         [](CKoumoku& t) { t.RemoveKeisenTypes(9, 4); },
         {1, 2, 3, 4}},
        {"remove an empty range", [](CKoumoku& t) { t.RemoveKeisenTypes(3, 1); }, {1, 2, 3, 4, 5}},
        {"remove from a negative row",
         [](CKoumoku& t) { t.RemoveKeisenTypes(-1, 2); },
         {1, 2, 3, 4, 5}},
        {"insert a range", [](CKoumoku& t) { t.InsertRowRange(1, 2); }, {1, 0, 0, 2, 3, 4, 5}},
        {"insert beyond the array",
         [](CKoumoku& t) { t.InsertRowRange(7, 7); },
         {1, 2, 3, 4, 5, 0, 0, 0}},
        {"insert an empty range", [](CKoumoku& t) { t.InsertRowRange(2, 1); }, {1, 2, 3, 4, 5}},
        {"delete all", [](CKoumoku& t) { t.DeleteAll(); }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CKoumoku table;
        for (int row = 0; row < 5; ++row) {
            table.SetKeisenType(row, static_cast<WORD>(row + 1));
        }
        c.edit(table);
        EXPECT_EQ(table.GetKeisenTypes(), c.result);
    }

    CKoumoku table;
    table.SetKeisenType(1, 3);
    EXPECT_EQ(table.GetKeisenType(1), 3);
    EXPECT_EQ(table.GetKeisenType(2), 0);
    EXPECT_EQ(table.GetKeisenType(-1), 0);
    std::vector<WORD> saved;
    table.CopyKeisenTypes(saved, 0);
    EXPECT_EQ(saved, (std::vector<WORD>{0, 3}));
    std::vector<WORD> other = {5, 5, 5};
    table.CopyKeisenTypes(other, 1);
    EXPECT_EQ(table.GetKeisenTypes(), other);
    table.CopyKeisenTypes(saved, 1);
    EXPECT_EQ(table.GetKeisenTypes(), saved);
}

TEST(KoumokuTest, DeleteAllAlsoEmptiesTheRuledLineTypes) {
    CKoumokuData cell;
    CKoumoku table;
    table.SetAt(4, 0, &cell);
    table.SetKeisenType(4, 1);
    CObTable& base = table;
    base.DeleteAll(); // through the table's own slot
    EXPECT_EQ(table.GetRowCount(), 0);
    EXPECT_TRUE(table.GetKeisenTypes().empty());
}

// Two item columns with cells; only the first lies below the level count.
struct TwoColumns {
    CKoumokuData a, b, c;
    CKoumoku table;
    TwoColumns() {
        a.SetText("a");
        a.SetRow(1);
        b.SetText("b");
        c.SetText("c");
        table.SetAt(1, 0, &a); // item column 0: chart rows 0..2 = null, a, null
        table.SetAt(2, 0, nullptr);
        table.SetAt(0, 1, &b); // item column 1: chart row 0 = b
        table.SetAt(0, 3, &c); // item column 3: chart row 0 = c
        table.SetLevelCount(1);
        table.SetKeisenType(1, 2);
    }
};

TEST(KoumokuTest, GoldenBytesWriteOnlyTheColumnsBelowTheLevelCount) {
    TwoColumns t;
    ByteWriter expected;
    expected.Word(9999).Word(1);
    // Item column 0 as its cells up to the last one: null, a.
    expected.NewClass(0, "CObArray").Word(2).Word(0).NewClass(1, "CKoumokuData");
    expected.Append(Store(t.a, 58000));
    expected.Word(1);            // level count
    expected.Word(10).Word(100); // heights
    for (int i = 0; i < 9; ++i) {
        expected.Word(0);
    }
    expected.Word(2).Word(0).Word(2); // ruled-line types
    const Bytes bytes = Store(t.table, 58000);
    EXPECT_EQ(bytes, expected.Get());

    // The table keeps its rows as they were.
    EXPECT_EQ(t.table.GetRowCount(), 4);
    EXPECT_EQ(t.table.GetColCount(0), 3);

    CKoumoku back;
    Load(bytes, back, 58000);
    EXPECT_EQ(back.GetRowCount(), 1);
    EXPECT_EQ(back.GetColCount(0), 2);
    ASSERT_NE(back.GetAt(1, 0), nullptr);
    EXPECT_EQ(dynamic_cast<CKoumokuData*>(back.GetAt(1, 0))->GetText(), "a");
    EXPECT_EQ(back.GetLevelCount(), 1);
    EXPECT_EQ(back.GetKeisenTypes(), (std::vector<WORD>{0, 2}));
    DeleteCells(back);
}

TEST(KoumokuTest, RoundTripWithSeveralLevels) {
    TwoColumns t;
    t.table.SetLevelCount(4);
    t.table.SetLevelHeight(0, 40);
    const Bytes bytes = Store(t.table, 32000);
    CKoumoku back;
    Load(bytes, back, 32000);
    // Columns 0, 1 and 3 hold cells; column 2 comes back as a missing row.
    ASSERT_EQ(back.GetRowCount(), 4);
    EXPECT_EQ(back.GetColCount(1), 1);
    EXPECT_EQ(back.GetColCount(2), 0);
    EXPECT_EQ(dynamic_cast<CKoumokuData*>(back.GetAt(0, 3))->GetText(), "c");
    EXPECT_EQ(back.GetLevelCount(), 4);
    EXPECT_EQ(back.GetLevelHeights(), t.table.GetLevelHeights());
    DeleteCells(back);
}

TEST(KoumokuTest, OldFilesHoldOneArrayOfCellsOfColumnZero) {
    // A 31000 file: a count, then the cells; the second cell carries the ruled-line type 3 of
    // its row 1, the third is null.
    CKoumokuData first, second;
    first.SetText("r0");
    second.SetText("r1");
    second.SetRow(1);
    second.SetKeisenWord1(3);
    ByteWriter file;
    file.Word(3).NewClass(1, "CKoumokuData").Append(Store(first, 31000));
    file.Word(0x8001).Append(Store(second, 31000)).Word(0);

    CKoumoku table;
    table.SetLevelCount(3);
    Load(file.Get(), table, 31000);
    EXPECT_EQ(table.GetRowCount(), 1);
    EXPECT_EQ(table.GetColCount(0), 3);
    EXPECT_EQ(dynamic_cast<CKoumokuData*>(table.GetAt(0, 0))->GetText(), "r0");
    EXPECT_EQ(dynamic_cast<CKoumokuData*>(table.GetAt(1, 0))->GetText(), "r1");
    EXPECT_EQ(table.GetAt(2, 0), nullptr);
    EXPECT_EQ(table.GetLevelCount(), 1);
    EXPECT_EQ(table.GetColumnWidth(0), 100);
    // The cells handed their row's ruled-line type to the table while it was read.
    EXPECT_EQ(table.GetKeisenTypes(), (std::vector<WORD>{0, 3}));

    // Saved for such a version the table takes the old form again.
    EXPECT_EQ(Store(table, 31000), file.Get());
    DeleteCells(table);
}

TEST(KoumokuTest, DamagedTablesAreRefused) {
    auto tableBytes = [](WORD levelCount) {
        ByteWriter w;
        w.Word(9999).Word(0).Word(levelCount).Word(0).Word(0);
        return w.Get();
    };
    ByteWriter notACell;
    notACell.Word(9999).Word(1).NewClass(0, "CObArray").Word(1).NewClass(1, "CLayerSet");
    notACell.Append(Layer('A')).Word(1).Word(0).Word(0);
    ByteWriter oldNotACell;
    oldNotACell.Word(1).NewClass(1, "CLayerSet").Append(Layer('A'));
    // Item tables with a cell of their own where a cell belongs.
    CKoumokuData inner;
    inner.SetText("inner");
    ByteWriter tableAsCell;
    tableAsCell.Word(9999).Word(1).NewClass(0, "CObArray").Word(1).NewClass(1, "CKoumoku");
    tableAsCell.Word(9999).Word(1).Word(0x8001).Word(1).NewClass(1, "CKoumokuData");
    tableAsCell.Append(Store(inner, 58000)).Word(1).Word(0).Word(0);
    tableAsCell.Word(1).Word(0).Word(0);
    ByteWriter oldTableAsCell;
    oldTableAsCell.Word(1).NewClass(1, "CKoumoku");
    oldTableAsCell.Word(1).NewClass(1, "CKoumokuData").Append(Store(inner, 31000));
    // An old table that ends after a cell has handed over the ruled-line type 3 of its row 4.
    inner.SetRow(4);
    inner.SetKeisenWord1(3);
    ByteWriter oldCut;
    oldCut.Word(2).NewClass(1, "CKoumokuData").Append(Store(inner, 31000)).Word(0x8001);
    // A level count no table can hold says "ファイルが異常です" and abandons the load (cause -1
    // below); a wrong class is the archive's own refusal.
    struct Case {
        const char* what;
        Bytes bytes;
        int version;
        int cause;
    };
    const std::vector<Case> cases = {
        {"no level", tableBytes(0), 58000, -1},
        {"eleven levels", tableBytes(11), 58000, -1},
        {"a cell that is no item cell", notACell.Get(), 58000, CArchiveException::badClass},
        {"old file with a cell that is no item cell", oldNotACell.Get(), 31000,
         CArchiveException::badClass},
        {"a table where a cell belongs", tableAsCell.Get(), 58000, CArchiveException::badClass},
        {"old file with a table where a cell belongs", oldTableAsCell.Get(), 31000,
         CArchiveException::badClass},
        {"old file that ends after a ruled-line type", oldCut.Get(), 31000,
         CArchiveException::endOfFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CKoumokuData kept;
        CKoumoku table;
        table.SetAt(0, 0, &kept);
        table.SetLevelCount(2);
        table.SetKeisenType(1, 5);
        test::ScopedUi ui;
        try {
            Load(c.bytes, table, c.version);
            ADD_FAILURE() << "loaded";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, c.cause);
            EXPECT_TRUE(ui->MessageBoxes().empty());
        } catch (const CUserException&) {
            EXPECT_EQ(c.cause, -1);
            ASSERT_EQ(ui->MessageBoxes().size(), 1u);
            EXPECT_EQ(ui->MessageBoxes()[0].text, "ファイルが異常です");
        }
        EXPECT_EQ(table.GetAt(0, 0), &kept);
        EXPECT_EQ(table.GetLevelCount(), 2);
        EXPECT_EQ(table.GetKeisenTypes(), (std::vector<WORD>{0, 5}));
    }
    // Ten levels are fine.
    CKoumoku table;
    Load(tableBytes(10), table, 58000);
    EXPECT_EQ(table.GetLevelCount(), 10);
}

} // namespace
} // namespace tembra
