// The item cells of a chart: the cells of the item table (one array of cells per item column)
// with their selection, their creation, copies and storage with undo records, the blocks copied,
// cut and pasted through the application's cell clipboard, the row and column edits of a band of
// the table, the rows' ruled-line types, the item attribute menu with its menu state and the find
// and replace of cell texts (KoumokuCells.cpp, KoumokuCellsEdit.cpp, KoumokuCellsAttr.cpp).
//
// Rows and item columns are zero-based; a cell's own row and column are kept equal to its place,
// since undo puts a cell back by them. Cells selected as part of whole rows carry the selected
// value 255.
//
// Its edits combine many operations of the document (the undo history, the modes, the change
// marks, the item-cell hatchings, the application's clipboard), so it works on the CTembraDoc
// that holds it; the table itself it reads through the chart's objects.
#pragma once

#include "document/ChartObjects.h"
#include "document/KoumokuSelection.h"
#include "model/KoumokuData.h"
#include "platform/CmdUI.h"
#include "platform/Types.h"

#include <memory>
#include <string_view>
#include <vector>

namespace tembra {

class CTembraDoc;

class CKoumokuCells {
public:
    CKoumokuCells(CTembraDoc& doc, CChartObjects& objects) : m_doc(doc), m_objects(objects) {}
    CKoumokuCells(const CKoumokuCells&) = delete;
    CKoumokuCells& operator=(const CKoumokuCells&) = delete;

    // The cell at (row, item column), or null outside the table. A cell whose own row or column
    // disagree with its place is given its place.
    CKoumokuData* GetKoumokuCell(int row, int column) {
        return m_objects.GetKoumokuCell(row, column);
    }
    // The selected cells (KoumokuSelection.cpp). Rows: in the first item column that holds
    // a selected cell, its first and last selected row; the result is the number of selected
    // cells in that column. Columns: on the row of the first selected cell (columns from 0,
    // rows from 0 within each), that cell's column and the last column holding a selected cell
    // on the same row; the result is the number of columns holding one there. Nothing
    // selected: -1, -1 and 0.
    int GetSelectedKoumokuRows(int& first, int& last) const {
        return SelectedKoumokuRows(m_objects.GetKoumoku(), first, last);
    }
    int GetSelectedKoumokuCols(int& first, int& last) const {
        return SelectedKoumokuCols(m_objects.GetKoumoku(), first, last);
    }
    // Whether the selected cells' corner carries the whole-row mark (KoumokuCells.cpp).
    bool WholeKoumokuRowsSelected() const;

    // A new cell at the place with the default item attributes and font, stored in the table;
    // marks the document changed. Null after message 5014 when it cannot be made; the cell
    // already there when the place is taken.
    CKoumokuData* CreateKoumokuData(int row, int column);
    // A copy of the source stamped with the row and column, not stored; null for no source and
    // after message 5015 when it cannot be made.
    std::unique_ptr<CKoumokuData> CopyKoumokuData(int row, int column, const CKoumokuData* source);
    // Stores the cell at the place, recording the change (added, or the pair old and new); a
    // null cell clears the place (ClearKoumokuRange, removing). Returns the stored cell.
    CKoumokuData* SetKoumokuCell(int row, int column, std::unique_ptr<CKoumokuData> cell);
    // The rows of an item column (its last row + 1), or for -1 the most over all columns.
    int GetKoumokuRowCount(int column = -1) const;
    // The item columns the table holds.
    int GetKoumokuColCount() const { return m_objects.GetKoumoku().GetRowCount(); }
    BOOL IsKoumokuSelected() const;
    // Deselects the selected cells (redrawn), removing those left empty with no ruled line
    // (recorded as removed). With restore, in the item mode a mode saved for a temporary switch
    // is restored and the undo history emptied.
    void ClearSelectedKoumokuCells(BOOL restore);
    // After a load: deselects the selected cells and drops the empty ones, no redraw and no
    // record (the history is emptied when a cell goes).
    void DropEmptyKoumokuCells();
    // Clears the block: each cell goes and is recorded as removed, except that (without
    // removeAll) a cell with a ruled-line word or the third line word keeps its place with an
    // empty text. Marks the document changed. Returns 1.
    int ClearKoumokuRange(int firstRow, int firstColumn, int rowCount, int columnCount,
                          BOOL removeAll);
    // Copies the selected block to the application's cell clipboard, relative to its top-left
    // cell, with the rows' ruled-line types when whole rows are selected. Returns how many cells
    // were copied.
    int CopyKoumoku();
    // Copies, then clears the block in one undo step (whole rows: their ruled-line types become
    // 0). Returns how many cells were copied.
    int CutKoumoku();
    // Pastes the clipboard with its top-left cell at the place, selecting the pasted cells (255
    // when the clipboard carries row types, which are written too); what does not fit in the
    // table's item columns and rows 0..9998 is dropped. With undo each change is recorded;
    // without, the history is emptied (it no longer describes the table). Returns how many cells
    // were pasted.
    int PasteKoumoku(int firstRow, int firstColumn, BOOL undo);
    // Row and column edits of a band of the table: the cells after the edited ones move, each
    // place that changes recorded (a cell that moves is recorded by a copy at its old place).
    // Mark the document changed. 1, or 0 when inserted rows would push cells past row 9998
    // (nothing changes).
    int DeleteKoumokuRows(int firstRow, int firstColumn, int rowCount, int columnCount);
    int InsertKoumokuRows(int firstRow, int firstColumn, int rowCount, int columnCount);
    int DeleteKoumokuCols(int firstRow, int firstColumn, int rowCount, int columnCount);
    int InsertKoumokuCols(int firstRow, int firstColumn, int rowCount, int columnCount);
    // Removes every cell and the rows' ruled-line types, recorded.
    void DeleteAllKoumoku();
    // The item attribute menus: each value other than -1 (the colour
    // CTembraDoc::kUnchangedColor, an empty text, no font) is given to the selected cells in the
    // item mode (operation draw or edit), each cell replaced by a changed copy in one undo step.
    // The flag code: 0x100 and 0x200 exclude each other and together (行中央) clear both; then
    // bit 15 gives the whole flag word, 0 clears it, other bits toggle. When no cell was changed
    // the format, colour, flag code, size and font become the defaults of new cells.
    // flagMask other than 0xFFFF: the flag code's bits under the mask replace the cell's, the
    // others stay (the batch dialog sets only the groups the user changed).
    void SetKoumokuAttr(int format, COLORREF color, int flagCode, int sizeCode,
                        std::string_view text, int rowLineType, int lineA, int lineB, int ownFont,
                        const LOGFONT* font, WORD flagMask = 0xFFFF);
    // Menu state of a command of the item attribute menu, from the cell at the first selected
    // row and column (in the item mode, operation draw or edit) or else the defaults of new
    // cells.
    void UpdateKoumokuAttrUI(CCmdUI* cmdUI);
    // Runs a command of the item attribute menu that carries its value; FALSE for any other id.
    BOOL OnKoumokuAttrCommand(UINT id);
    // Find or replace (mode 2, one undo step) in the texts of all cells or the selected ones.
    // Returns how many cells matched.
    int ReplaceKoumokuText(int mode, std::string_view search, std::string_view replacement,
                           BOOL whole, BOOL selectedOnly);
    // Writes the ruled-line types of rows first..last (either order) to the rows offset further;
    // mode 3 moves them (the old rows get 0). Redraws all.
    void MoveKeisenTypes(int firstRow, int lastRow, int offset, int mode);
    // Records the rows' ruled-line types for undo before a change of them (nothing when that
    // cannot be recorded).
    void RecordKeisenTypes();
    // Where the last range of item cells began (row, item column): Shift extends from there.
    const CPoint& GetKoumokuRangeStart() const { return m_koumokuRangeStart; }
    void SetKoumokuRangeStart(const CPoint& cell) { m_koumokuRangeStart = cell; }

private:
    // A change of the cell at one place: old (out of the table, the history's when recorded)
    // replaced by now, either may be null; an old cell that cannot be recorded goes to discard,
    // to be deleted once the table no longer refers to it.
    void RecordCellChange(CKoumokuData* oldCell, CKoumokuData* newCell,
                          std::vector<std::unique_ptr<CKoumokuData>>& discard);
    // Takes the cell at the place out of the table and records it as removed.
    void RemoveCellAt(int row, int column, CKoumokuData* cell);
    // Redraws the cells of rows first..last (-1: to the end) of item columns first..last.
    void RedrawCells(int firstRow, int lastRow, int firstColumn, int lastColumn);

    CTembraDoc& m_doc;
    CChartObjects& m_objects;
    CPoint m_koumokuRangeStart;
};

} // namespace tembra
