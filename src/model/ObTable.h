// A two-dimensional table of object pointers (the base of the item table, CKoumoku).
//
// CObTable is an array of rows (CObTableRow); each row is an array of cells indexed by column.
// A row may be missing and rows may differ in length. The table does not own its cells.
#pragma once

#include "model/ObTableRow.h"
#include "platform/Archive.h"
#include "platform/Types.h"

#include <memory>
#include <vector>

namespace tembra {

class CObTable : public CObject {
    DECLARE_DYNAMIC(CObTable)
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
    //
    // A table is a member of what holds it (the document's item table, the cell clipboard) and
    // stands in a file as its fields only. The archive cannot make one from its class name, so
    // a table in a file where a row or a cell belongs is refused by its class before it reads
    // anything: no table ever holds cells that nobody would free.
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

} // namespace tembra
