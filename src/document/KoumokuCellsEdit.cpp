// Blocks of item cells: copy, cut and paste through the application's cell clipboard, and the
// deletion and insertion of rows and columns in a band of the table.
//
// A row or column edit records each place whose cell changes: the cell that was there (the
// removed cell itself, or, for a cell that only moves, a copy of it at its old place) against the
// cell that is there afterwards. Each record concerns one place, so undo and redo put every place
// back whatever their order, and the table keeps the moved cells themselves.
#include "document/AppState.h"
#include "document/KoumokuCells.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "platform/Ui.h"

#include <algorithm>

namespace tembra {

namespace {

// Rows 0..9998 of the item table can be reached.
constexpr int kKoumokuRows = CObTable::kDefaultLimit;
// The selected value of cells selected as whole rows.
constexpr WORD kWholeRowMark = 255;

// The cell at a place of a table as it stands (GetKoumokuCell would set its place).
CKoumokuData* CellAt(const CObTable& table, int row, int column) {
    return AsKoumokuData(dynamic_cast<CDataHeader*>(table.GetAt(row, column)));
}

// After cells of the column moved up or down: each cell from the row on carries its new row.
void GiveCellsTheirRows(const CObTable& table, int column, int fromRow) {
    for (int row = fromRow; row < table.GetColCount(column); ++row) {
        if (CKoumokuData* moved = CellAt(table, row, column)) {
            moved->SetRow(static_cast<WORD>(row));
        }
    }
}

} // namespace

// ---- Clipboard ----------------------------------------------------------------------------------

int CKoumokuCells::CopyKoumoku() {
    CAppState* app = GetAppState();
    app->ClearCellClipboard();
    int firstRow = -1;
    int lastRow = -1;
    int firstColumn = -1;
    int lastColumn = -1;
    if (GetSelectedKoumokuRows(firstRow, lastRow) == 0 ||
        GetSelectedKoumokuCols(firstColumn, lastColumn) == 0) {
        return 0;
    }
    CObTable& clipboard = app->GetCellClipboard();
    int copied = 0;
    for (int column = firstColumn; column <= lastColumn; ++column) {
        for (int row = firstRow; row <= lastRow; ++row) {
            std::unique_ptr<CKoumokuData> copy =
                CopyKoumokuData(row - firstRow, column - firstColumn, GetKoumokuCell(row, column));
            if (copy != nullptr &&
                clipboard.SetAt(row - firstRow, column - firstColumn, copy.get())) {
                copy.release();
                ++copied;
            }
        }
    }
    const CKoumokuData* corner = GetKoumokuCell(lastRow, lastColumn);
    if (corner != nullptr && corner->IsSelected() == kWholeRowMark) {
        std::vector<WORD>& types = app->GetCellKeisenTypes();
        for (int row = firstRow; row <= lastRow; ++row) {
            types.push_back(m_objects.GetKoumoku().GetKeisenType(row));
        }
    }
    return copied;
}

int CKoumokuCells::CutKoumoku() {
    CWaitCursor wait;
    int firstRow = -1;
    int lastRow = -1;
    int firstColumn = -1;
    int lastColumn = -1;
    if (GetSelectedKoumokuRows(firstRow, lastRow) == 0 ||
        GetSelectedKoumokuCols(firstColumn, lastColumn) == 0) {
        return 0;
    }
    const CKoumokuData* corner = GetKoumokuCell(lastRow, lastColumn);
    const bool wholeRows = corner != nullptr && corner->IsSelected() == kWholeRowMark;
    const int copied = CopyKoumoku();
    m_doc.GetUndoHistory().Reset();
    m_doc.GetUndoHistory().BeginGroup();
    if (wholeRows) {
        RecordKeisenTypes();
        for (int row = firstRow; row <= lastRow; ++row) {
            m_objects.GetKoumoku().SetKeisenType(row, 0);
        }
    }
    ClearSelectedKoumokuCells(TRUE);
    ClearKoumokuRange(firstRow, firstColumn, lastRow - firstRow + 1, lastColumn - firstColumn + 1,
                      TRUE);
    m_doc.GetUndoHistory().EndGroup();
    return copied;
}

int CKoumokuCells::PasteKoumoku(int firstRow, int firstColumn, BOOL undo) {
    ClearSelectedKoumokuCells(FALSE);
    if (!undo) {
        // The cells replaced below go at once: no record may refer to them.
        m_doc.GetUndoHistory().ClearUndo();
        m_doc.GetUndoHistory().ClearRedo();
    }
    CAppState* app = GetAppState();
    CKoumoku& table = m_objects.GetKoumoku();
    const std::vector<WORD>& types = app->GetCellKeisenTypes();
    const bool withTypes = !types.empty();
    if (withTypes) {
        if (undo) {
            RecordKeisenTypes();
        }
        for (std::size_t i = 0; i < types.size(); ++i) {
            table.SetKeisenType(firstRow + static_cast<int>(i), types[i]);
        }
    }
    const WORD mark = withTypes ? kWholeRowMark : 1;
    const CObTable& clipboard = app->GetCellClipboard();
    const int columns = table.GetColumnCount();
    int pasted = 0;
    for (int j = 0; j < clipboard.GetRowCount() && firstColumn + j < columns; ++j) {
        for (int i = 0; i < clipboard.GetColCount(j) && firstRow + i < kKoumokuRows; ++i) {
            const int row = firstRow + i;
            const int column = firstColumn + j;
            std::unique_ptr<CKoumokuData> copy =
                CopyKoumokuData(row, column, CellAt(clipboard, i, j));
            if (copy == nullptr) {
                continue;
            }
            copy->SetSelected(mark);
            if (undo) {
                if (SetKoumokuCell(row, column, std::move(copy)) != nullptr) {
                    ++pasted;
                }
                continue;
            }
            CObject* old = table.GetAt(row, column);
            if (!table.SetAt(row, column, copy.get())) {
                continue;
            }
            delete old;
            m_doc.RedrawObject(copy.release());
            ++pasted;
        }
    }
    return pasted;
}

// ---- Rows and columns ---------------------------------------------------------------------------

int CKoumokuCells::DeleteKoumokuRows(int firstRow, int firstColumn, int rowCount, int columnCount) {
    if (firstRow < 0 || firstColumn < 0 || rowCount < 1 || columnCount < 1) {
        return 1;
    }
    CKoumoku& table = m_objects.GetKoumoku();
    const int lastColumn = std::min(firstColumn + columnCount, GetKoumokuColCount()) - 1;
    RedrawCells(firstRow, -1, firstColumn, lastColumn);
    std::vector<std::unique_ptr<CKoumokuData>> discard;
    for (int column = firstColumn; column <= lastColumn; ++column) {
        const int rows = table.GetColCount(column);
        if (rows <= firstRow) {
            continue;
        }
        for (int row = firstRow; row < rows; ++row) {
            CKoumokuData* before = GetKoumokuCell(row, column);
            CKoumokuData* after = GetKoumokuCell(row + rowCount, column);
            CKoumokuData* old = before;
            if (before != nullptr && row >= firstRow + rowCount) {
                old = CopyKoumokuData(row, column, before).release(); // it moves up
                if (old == nullptr) {
                    continue; // the place goes unrecorded
                }
            }
            RecordCellChange(old, after, discard);
        }
        table.RemoveAt(firstRow, column, rowCount);
        GiveCellsTheirRows(table, column, firstRow);
    }
    RedrawCells(firstRow, -1, firstColumn, lastColumn);
    m_doc.MarkChanged();
    return 1;
}

int CKoumokuCells::InsertKoumokuRows(int firstRow, int firstColumn, int rowCount, int columnCount) {
    if (firstRow < 0 || firstColumn < 0 || rowCount < 1 || columnCount < 1) {
        return 1;
    }
    CKoumoku& table = m_objects.GetKoumoku();
    const int lastColumn = std::min(firstColumn + columnCount, GetKoumokuColCount()) - 1;
    for (int column = firstColumn; column <= lastColumn; ++column) {
        const int rows = table.GetColCount(column);
        if (rows > firstRow && rows + rowCount > kKoumokuRows) {
            return 0; // a cell would be pushed past the last row
        }
    }
    RedrawCells(firstRow, -1, firstColumn, lastColumn);
    std::vector<std::unique_ptr<CKoumokuData>> discard;
    for (int column = firstColumn; column <= lastColumn; ++column) {
        const int rows = table.GetColCount(column);
        if (rows <= firstRow) {
            continue; // nothing below the inserted rows
        }
        for (int place = rows - 1 + rowCount; place >= firstRow; --place) {
            CKoumokuData* before = GetKoumokuCell(place, column);
            CKoumokuData* after =
                place - rowCount >= firstRow ? GetKoumokuCell(place - rowCount, column) : nullptr;
            // Every cell at or below the first row moves down.
            CKoumokuData* old = CopyKoumokuData(place, column, before).release();
            if (before != nullptr && old == nullptr) {
                continue; // the place goes unrecorded
            }
            RecordCellChange(old, after, discard);
        }
        table.InsertAt(firstRow, column, nullptr, rowCount);
        GiveCellsTheirRows(table, column, firstRow + rowCount);
    }
    RedrawCells(firstRow, -1, firstColumn, lastColumn);
    m_doc.MarkChanged();
    return 1;
}

int CKoumokuCells::DeleteKoumokuCols(int firstRow, int firstColumn, int rowCount, int columnCount) {
    if (firstRow < 0 || firstColumn < 0 || rowCount < 1 || columnCount < 1) {
        return 1;
    }
    CKoumoku& table = m_objects.GetKoumoku();
    const int lastRow = std::min(firstRow + rowCount, GetKoumokuRowCount(-1)) - 1;
    const int columns = GetKoumokuColCount();
    RedrawCells(firstRow, lastRow, firstColumn, columns - 1);
    std::vector<std::unique_ptr<CKoumokuData>> discard;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column < columns; ++column) {
            CKoumokuData* before = GetKoumokuCell(row, column);
            CKoumokuData* after = GetKoumokuCell(row, column + columnCount);
            CKoumokuData* old = before;
            if (before != nullptr && column >= firstColumn + columnCount) {
                old = CopyKoumokuData(row, column, before).release(); // it moves left
                if (old == nullptr) {
                    continue; // the place goes unrecorded
                }
            }
            RecordCellChange(old, after, discard);
        }
        table.RemoveRows(row, firstColumn, columnCount);
        for (int column = firstColumn; column < columns; ++column) {
            if (CKoumokuData* moved = CellAt(table, row, column)) {
                moved->SetColumn(static_cast<WORD>(column));
            }
        }
    }
    RedrawCells(firstRow, lastRow, firstColumn, columns - 1);
    m_doc.MarkChanged();
    return 1;
}

int CKoumokuCells::InsertKoumokuCols(int firstRow, int firstColumn, int rowCount, int columnCount) {
    if (firstRow < 0 || firstColumn < 0 || rowCount < 1 || columnCount < 1) {
        return 1;
    }
    CKoumoku& table = m_objects.GetKoumoku();
    const int lastRow = std::min(firstRow + rowCount, GetKoumokuRowCount(-1)) - 1;
    const int columns = GetKoumokuColCount();
    if (columns <= firstColumn) {
        return 1; // nothing right of the inserted columns
    }
    RedrawCells(firstRow, lastRow, firstColumn, columns - 1);
    std::vector<std::unique_ptr<CKoumokuData>> discard;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int place = columns - 1 + columnCount; place >= firstColumn; --place) {
            CKoumokuData* before = GetKoumokuCell(row, place);
            CKoumokuData* after = place - columnCount >= firstColumn
                                      ? GetKoumokuCell(row, place - columnCount)
                                      : nullptr;
            CKoumokuData* old = CopyKoumokuData(row, place, before).release();
            if (before != nullptr && old == nullptr) {
                continue; // the place goes unrecorded
            }
            RecordCellChange(old, after, discard);
        }
        table.InsertRows(row, firstColumn, nullptr, columnCount);
        for (int column = firstColumn + columnCount; column < GetKoumokuColCount(); ++column) {
            if (CKoumokuData* moved = CellAt(table, row, column)) {
                moved->SetColumn(static_cast<WORD>(column));
            }
        }
    }
    RedrawCells(firstRow, lastRow, firstColumn, GetKoumokuColCount() - 1);
    m_doc.MarkChanged();
    return 1;
}

} // namespace tembra
