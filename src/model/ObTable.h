// A two-dimensional table of object pointers, and the item table (項目) built on it.
//
// CObTable is an array of rows; each row is an array of cells indexed by column. A row may be
// missing and rows may differ in length. The table does not own its cells.
//
// In the item table CKoumoku a table row is an item column (a header level) and a table column
// is a chart row: GetAt(chartRow, itemColumn). The level count is the number of item columns
// (at most 10) and the level heights are their widths in percent of the item area, so
// GetColumnCount and GetColumnWidth read the same two fields as GetLevelCount and
// GetLevelHeight. Beside the cells the item table keeps one ruled-line type per chart row.
#pragma once

#include "platform/Archive.h"
#include "platform/Types.h"

#include <memory>
#include <vector>

namespace tembra {

// The first version whose item table holds its levels, heights and ruled-line types.
constexpr int kKoumokuTableVersion = 32000;
// Indices and lengths of a table stay within what a 16-bit row or column field can address.
constexpr int kObTableMaxIndex = 0xFFFF;

// One row of a CObTable. In a file it is an object of the framework's object array class
// ("CObArray", schema 0): a count, then each cell as an object reference (null cells as null
// references).
class CObTableRow : public CObject {
    DECLARE_SERIAL(CObTableRow)
public:
    CObTableRow() = default;
    CObTableRow(const CObTableRow&) = delete;
    CObTableRow& operator=(const CObTableRow&) = delete;
    ~CObTableRow() override = default;

    // A loaded row owns the cells it read until its table takes them (ReleaseCells), so that a
    // load that fails part way leaves nothing behind.
    void Serialize(CArchive& ar) override;
    void ReleaseCells();

    std::vector<CObject*> m_cells;

private:
    std::vector<std::unique_ptr<CObject>> m_loaded;
};

class CObTable : public CObject {
    DECLARE_SERIAL(CObTable)
public:
    static constexpr short kDefaultLimit = 9999;
    static constexpr int kMaxIndex = kObTableMaxIndex;

    CObTable() = default;
    CObTable(const CObTable&) = delete;
    CObTable& operator=(const CObTable&) = delete;
    // Deletes the row arrays, not the cells.
    ~CObTable() override = default;

    // The cell, or null when the row is missing or either index lies outside the table.
    CObject* GetAt(int column, int row) const;
    // Creates the row when missing and grows the rows and the row as needed. FALSE (nothing
    // changed) for a negative index or one beyond kMaxIndex.
    BOOL SetAt(int column, int row, CObject* cell);
    BOOL SetAtGrow(int column, int row, CObject* cell) { return SetAt(column, row, cell); }

    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    int GetRowUpperBound() const { return GetRowCount() - 1; }
    // Length of the row; 0 (upper bound -1) when it is missing or beyond the table.
    int GetColCount(int row) const;
    int GetColUpperBound(int row) const { return GetColCount(row) - 1; }

    // Inserts count copies of cell at the column of the row, creating the row (and padding it
    // with nulls up to the column) as needed. FALSE (nothing changed) for a negative index, a
    // count below 1, or a row that would grow beyond kMaxIndex + 1 cells.
    BOOL InsertAt(int column, int row, CObject* cell, int count = 1);
    // In one column: the cells from the row to the last row move down by count rows (row arrays
    // are created where a moved cell needs one); then cell fills the count rows from the row
    // (rows are created for it only when it is not null). FALSE (nothing changed) for a
    // negative index, a count below 1, or rows that would reach beyond kMaxIndex.
    BOOL InsertRows(int column, int row, CObject* cell, int count = 1);
    // Removes count cells of the row from the column; the later cells move left.
    void RemoveAt(int column, int row, int count = 1);
    // In one column: from the row to the last row each cell takes the one count rows below
    // (clearing it there); places below the last row give null.
    void RemoveRows(int column, int row, int count = 1);
    void FreeExtra();
    // Empties every row and deletes it, then empties the table; the cells are not deleted.
    virtual void DeleteAll();

    short GetLimit() const { return m_limit; }
    void SetLimit(short limit) { m_limit = limit; }

    // WORD limit, then the rows as an object array (a count, then each row as an object of the
    // array class, a missing row as a null reference). Loading replaces the rows; every cell
    // and row read must be an object of its own (a repeated reference is refused).
    void Serialize(CArchive& ar) override;

protected:
    using Rows = std::vector<std::unique_ptr<CObTableRow>>;

    static void StoreRows(CArchive& ar, short limit, const Rows& rows);
    // Reads the limit and the rows; every cell must be of cellClass when one is given. The rows
    // still own the cells they read: the caller adopts them (AdoptRows) or drops them.
    static Rows LoadRows(CArchive& ar, short& limit, const CRuntimeClass* cellClass);
    // The loaded rows become the table's; the cells are then the document's to own.
    void AdoptRows(Rows rows);
    // Puts a cell where the row already reaches or, for a cell that is not null, grows it.
    void PutCell(int column, int row, CObject* cell);

    Rows m_rows;
    short m_limit = kDefaultLimit;
};

class CKoumoku : public CObTable {
    DECLARE_SERIAL(CKoumoku)
public:
    static constexpr int kMaxLevels = 10;

    // One level of 100 percent.
    CKoumoku();

    // n is clamped to 1..10. Levels 0..n-2 get 100 / n percent, level n-1 the rest of 100, and
    // the levels n..9 get 0: ten heights are always kept.
    void SetLevelCount(int n);
    int GetLevelCount() const { return m_levelCount; }
    // Stores one height, growing the heights up to the level; FALSE for a level outside
    // 0..kMaxLevels-1.
    BOOL SetLevelHeight(int level, WORD percent);
    // The height of a level; 0 beyond the heights kept.
    WORD GetLevelHeight(int level) const;
    const std::vector<WORD>& GetLevelHeights() const { return m_levelHeights; }

    // The same fields under the names of the item columns: the number of item columns and the
    // width of each in percent of the item area.
    WORD GetColumnCount() const { return static_cast<WORD>(m_levelCount); }
    WORD GetColumnWidth(int column) const { return GetLevelHeight(column); }
    WORD GetColumnWord(int column) const { return GetLevelHeight(column); }
    BOOL SetColumnWidth(int column, WORD percent) { return SetLevelHeight(column, percent); }

    // Ruled-line (罫線) types per chart row.
    // Stores one type, growing the array; a row outside 0..kMaxIndex is ignored.
    void SetKeisenType(int row, WORD type);
    // 0 for a row beyond the array.
    WORD GetKeisenType(int row) const;
    const std::vector<WORD>& GetKeisenTypes() const { return m_keisenTypes; }
    // direction 1: the table's types become a copy of array; 0: array becomes a copy of them.
    void CopyKeisenTypes(std::vector<WORD>& array, int direction);
    // Removes the entries first..last, each clamped to the last entry; nothing when both lie
    // beyond it, when first is negative or when the range is empty.
    void RemoveKeisenTypes(int first, int last);
    // Inserts last - first + 1 zero entries at first (padding with zeros when first lies beyond
    // the array); nothing for a negative first, an empty range or one beyond kMaxIndex.
    void InsertRowRange(int first, int last);

    // The table's DeleteAll, then the ruled-line types are emptied.
    void DeleteAll() override;

    // From 32000: the rows below the level count as the table form (limit and rows; each row
    // holding its cells up to its last one, rows without cells as null and none after the last
    // row with a cell), then WORD level count, then the heights and the ruled-line types as
    // word arrays (a count, then the words). Before 32000 a file holds one array of cells
    // (a count, then each cell): cell i is the cell of chart row i in item column 0, and the
    // level count is 1. A level count outside 1..10, or a cell that is no item cell, fails the
    // load with an archive exception.
    void Serialize(CArchive& ar) override;

private:
    void StoreCurrent(CArchive& ar);
    void LoadCurrent(CArchive& ar);
    void StoreOld(CArchive& ar) const;
    void LoadOld(CArchive& ar);

    short m_levelCount = 1;
    std::vector<WORD> m_levelHeights;
    std::vector<WORD> m_keisenTypes;
    // The row objects of the last store. The archive knows written objects by their address, so
    // they stay alive after the store, where no later object can take their place.
    Rows m_storedRows;
};

} // namespace tembra
