// The cells of the item table: creating, copying and storing them with undo records, the size of
// the table and its selection, deselecting, clearing a block, deleting every cell, and moving the
// rows' ruled-line types.
//
// The item table is walked as it is stored, one array of cells per item column. Undo puts a cell
// back by its own row and column, so a cell's row and column are set to its place whenever it
// moves.
#include "document/KoumokuCells.h"
#include "document/KeisenTypeArray.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "platform/Ui.h"

#include <algorithm>
#include <new>
#include <unordered_set>

namespace tembra {

namespace {

constexpr UINT IDS_KOUMOKU_CREATE_FAILED = 5014; // 項目データの生成ができません
constexpr UINT IDS_KOUMOKU_COPY_FAILED = 5015;   // 項目データの複製ができません

// Mode of MoveKeisenTypes that moves (the rows left behind get type 0).
constexpr int kMoveTypes = 3;

// A cell with no text and no ruled line says nothing: deselecting it lets it go.
bool IsEmptyCell(const CKoumokuData& cell) {
    return cell.GetText().empty() && cell.GetKeisenWord1() == 0 && cell.GetKeisenWord2() == 0 &&
           cell.GetThirdLineWord() == 0;
}

bool HasRuledLine(const CKoumokuData& cell) {
    return cell.GetKeisenWord1() != 0 || cell.GetKeisenWord2() != 0 || cell.GetThirdLineWord() != 0;
}

} // namespace

// ---- Records ------------------------------------------------------------------------------------

void CKoumokuCells::RecordCellChange(CKoumokuData* oldCell, CKoumokuData* newCell,
                                     std::vector<std::unique_ptr<CKoumokuData>>& discard) {
    if (oldCell == nullptr) {
        if (newCell != nullptr) {
            m_doc.GetUndoHistory().AddNew(newCell);
        }
        return;
    }
    const int recorded = newCell == nullptr ? m_doc.GetUndoHistory().AddDelete(oldCell)
                                            : m_doc.GetUndoHistory().AddChange(oldCell, newCell);
    if (recorded == 0) {
        discard.emplace_back(oldCell);
    }
}

void CKoumokuCells::RecordKeisenTypes() {
    try {
        auto info = std::make_unique<CUndoInfo>(
            kUndoKeisenTypes,
            std::make_unique<CKeisenTypeArray>(m_objects.GetKoumoku().GetKeisenTypes()));
        if (m_doc.GetUndoHistory().AddOther(info.get()) != 0) {
            info.release();
        }
    } catch (const std::bad_alloc&) {
        // The edit goes on without the record.
    }
}

void CKoumokuCells::RemoveCellAt(int row, int column, CKoumokuData* cell) {
    m_objects.GetKoumoku().SetAt(row, column, nullptr);
    std::vector<std::unique_ptr<CKoumokuData>> discard;
    RecordCellChange(cell, nullptr, discard);
}

void CKoumokuCells::RedrawCells(int firstRow, int lastRow, int firstColumn, int lastColumn) {
    const CKoumoku& table = m_objects.GetKoumoku();
    const int columns = std::min(lastColumn + 1, table.GetRowCount());
    for (int column = std::max(firstColumn, 0); column < columns; ++column) {
        const int rows = lastRow < 0 ? table.GetColCount(column)
                                     : std::min(lastRow + 1, table.GetColCount(column));
        for (int row = std::max(firstRow, 0); row < rows; ++row) {
            if (CObject* cell = table.GetAt(row, column)) {
                m_doc.RedrawObject(cell);
            }
        }
    }
}

// ---- Creating and storing -----------------------------------------------------------------------

CKoumokuData* CKoumokuCells::CreateKoumokuData(int row, int column) {
    CKoumoku& table = m_objects.GetKoumoku();
    if (CKoumokuData* there = AsKoumokuData(dynamic_cast<CDataHeader*>(table.GetAt(row, column)))) {
        return there;
    }
    std::unique_ptr<CKoumokuData> cell(
        AsKoumokuData(m_doc.CreateObjectByKind(kTypeKoumoku, kKindKoumokuData).release()));
    if (cell == nullptr) {
        AfxMessageBox(IDS_KOUMOKU_CREATE_FAILED);
        return nullptr;
    }
    cell->SetRow(static_cast<WORD>(row));
    cell->SetColumn(static_cast<WORD>(column));
    const CFontAttr& defaults = m_doc.GetSyokiSet().GetChart().GetKoumokuAttr();
    cell->SetHeightCode(defaults.m_fontHeigh);
    cell->SetWidthCode(defaults.m_fontWidth);
    cell->SetFormat(defaults.m_form);
    cell->SetColor(defaults.m_color);
    cell->SetFlags(defaults.m_attrb);
    // The first line word of the defaults stands for both ruled lines of a cell.
    cell->SetKeisenWord1(defaults.m_partition);
    cell->SetKeisenWord2(defaults.m_partition);
    cell->SetThirdLineWord(defaults.m_spare[0]);
    cell->SetText({});
    cell->SetOwnFont(0);
    cell->SetLogFont(defaults.GetLogFont());
    if (!table.SetAt(row, column, cell.get())) {
        return nullptr;
    }
    m_doc.MarkChanged();
    return cell.release();
}

std::unique_ptr<CKoumokuData> CKoumokuCells::CopyKoumokuData(int row, int column,
                                                             const CKoumokuData* source) {
    if (source == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CKoumokuData> copy(
        AsKoumokuData(m_doc.CreateObjectByKind(kTypeKoumoku, kKindKoumokuData).release()));
    if (copy == nullptr) {
        AfxMessageBox(IDS_KOUMOKU_COPY_FAILED);
        return nullptr;
    }
    copy->CopyFrom(*source);
    copy->SetRow(static_cast<WORD>(row));
    copy->SetColumn(static_cast<WORD>(column));
    return copy;
}

CKoumokuData* CKoumokuCells::SetKoumokuCell(int row, int column,
                                            std::unique_ptr<CKoumokuData> cell) {
    CKoumoku& table = m_objects.GetKoumoku();
    CKoumokuData* old = GetKoumokuCell(row, column);
    if (old != nullptr) {
        m_doc.RedrawObject(old);
        if (cell == nullptr) {
            ClearKoumokuRange(row, column, 1, 1, TRUE);
            return nullptr;
        }
    }
    if (cell == nullptr) {
        return nullptr;
    }
    cell->SetRow(static_cast<WORD>(row));
    cell->SetColumn(static_cast<WORD>(column));
    if (!table.SetAt(row, column, cell.get())) {
        return nullptr;
    }
    CKoumokuData* stored = cell.release();
    std::vector<std::unique_ptr<CKoumokuData>> discard;
    RecordCellChange(old, stored, discard);
    m_doc.RedrawObject(stored);
    m_doc.SetModifiedFlag(TRUE);
    return stored;
}

// ---- Size and selection -------------------------------------------------------------------------

int CKoumokuCells::GetKoumokuRowCount(int column) const {
    const CKoumoku& table = m_objects.GetKoumoku();
    if (column != -1) {
        return table.GetColCount(column);
    }
    int most = 0;
    for (int c = 0; c < table.GetRowCount(); ++c) {
        most = std::max(most, table.GetColCount(c));
    }
    return most;
}

BOOL CKoumokuCells::IsKoumokuSelected() const {
    int first = -1;
    int last = -1;
    return GetSelectedKoumokuRows(first, last) != 0 ? TRUE : FALSE;
}

void CKoumokuCells::ClearSelectedKoumokuCells(BOOL restore) {
    for (int column = GetKoumokuColCount() - 1; column >= 0; --column) {
        for (int row = GetKoumokuRowCount(column) - 1; row >= 0; --row) {
            CKoumokuData* cell = GetKoumokuCell(row, column);
            if (cell == nullptr || cell->IsSelected() == 0) {
                continue;
            }
            m_doc.RedrawObject(cell);
            cell->SetSelected(0);
            if (IsEmptyCell(*cell)) {
                ClearKoumokuRange(row, column, 1, 1, TRUE);
            }
        }
    }
    if (restore && m_doc.GetOperation().GetMode() == COperationState::kModeKoumoku &&
        m_doc.GetOperation().GetSavedMode() != 0) {
        m_doc.GetOperation().RestoreMode();
        m_doc.GetUndoHistory().Reset();
    }
}

void CKoumokuCells::DropEmptyKoumokuCells() {
    CKoumoku& table = m_objects.GetKoumoku();
    bool dropped = false;
    for (int column = GetKoumokuColCount() - 1; column >= 0; --column) {
        for (int row = GetKoumokuRowCount(column) - 1; row >= 0; --row) {
            CKoumokuData* cell = GetKoumokuCell(row, column);
            if (cell == nullptr || cell->IsSelected() == 0) {
                continue;
            }
            cell->SetSelected(0);
            if (IsEmptyCell(*cell)) {
                table.SetAt(row, column, nullptr);
                delete cell;
                dropped = true;
            }
        }
    }
    if (dropped) {
        // No record may refer to a cell that is gone.
        m_doc.GetUndoHistory().ClearUndo();
        m_doc.GetUndoHistory().ClearRedo();
    }
}

// ---- Clearing and deleting ----------------------------------------------------------------------

int CKoumokuCells::ClearKoumokuRange(int firstRow, int firstColumn, int rowCount, int columnCount,
                                     BOOL removeAll) {
    const int columns = std::min(firstColumn + columnCount, GetKoumokuColCount());
    for (int column = std::max(firstColumn, 0); column < columns; ++column) {
        const int rows = std::min(firstRow + rowCount, GetKoumokuRowCount(column));
        for (int row = std::max(firstRow, 0); row < rows; ++row) {
            CKoumokuData* cell = GetKoumokuCell(row, column);
            if (cell == nullptr) {
                continue;
            }
            m_doc.RedrawObject(cell);
            if (cell->IsSelected() != 0) {
                // It goes like any other, so that Undo brings it back (unselected: the selection
                // it belonged to has ended).
                cell->SetSelected(0);
                RemoveCellAt(row, column, cell);
                continue;
            }
            if (!removeAll && HasRuledLine(*cell)) {
                // Its ruled lines stay on the chart: the place keeps a cell without text.
                if (std::unique_ptr<CKoumokuData> blank = CopyKoumokuData(row, column, cell)) {
                    blank->SetText({});
                    SetKoumokuCell(row, column, std::move(blank));
                }
                continue;
            }
            RemoveCellAt(row, column, cell);
        }
    }
    m_doc.MarkChanged();
    return 1;
}

void CKoumokuCells::DeleteAllKoumoku() {
    RecordKeisenTypes();
    CKoumoku& table = m_objects.GetKoumoku();
    // The table is a grid of pointers: a cell that stands in it twice is recorded once.
    std::vector<CKoumokuData*> cells;
    std::unordered_set<const CObject*> seen;
    for (int column = 0; column < table.GetRowCount(); ++column) {
        for (int row = 0; row < table.GetColCount(column); ++row) {
            CObject* object = table.GetAt(row, column);
            if (object != nullptr && seen.insert(object).second) {
                if (CKoumokuData* cell = GetKoumokuCell(row, column)) {
                    m_doc.RedrawObject(cell);
                    cells.push_back(cell);
                }
            }
        }
    }
    table.DeleteAll();
    std::vector<std::unique_ptr<CKoumokuData>> discard;
    for (CKoumokuData* cell : cells) {
        RecordCellChange(cell, nullptr, discard);
    }
    m_doc.MarkChanged();
}

// ---- Ruled-line types ---------------------------------------------------------------------------

void CKoumokuCells::MoveKeisenTypes(int firstRow, int lastRow, int offset, int mode) {
    if (firstRow > lastRow) {
        std::swap(firstRow, lastRow);
    }
    CKoumoku& table = m_objects.GetKoumoku();
    const int kept = static_cast<int>(table.GetKeisenTypes().size());
    std::vector<WORD> saved;
    for (int row = firstRow; row <= lastRow; ++row) {
        saved.push_back(table.GetKeisenType(row));
        if (mode == kMoveTypes && row >= 0 && row < kept) {
            table.SetKeisenType(row, 0);
        }
    }
    for (int i = 0; i < static_cast<int>(saved.size()); ++i) {
        table.SetKeisenType(firstRow + i + offset, saved[i]);
    }
    m_doc.UpdateAllViews(nullptr);
}

bool CKoumokuCells::WholeKoumokuRowsSelected() const {
    // Cells selected as part of whole rows carry this selected value.
    constexpr WORD kWholeRowMark = 255;
    int firstRow = -1;
    int lastRow = -1;
    int firstColumn = -1;
    int lastColumn = -1;
    if (GetSelectedKoumokuRows(firstRow, lastRow) == 0 ||
        GetSelectedKoumokuCols(firstColumn, lastColumn) == 0) {
        return false;
    }
    const auto* corner =
        dynamic_cast<const CKoumokuData*>(m_objects.GetKoumoku().GetAt(lastRow, lastColumn));
    return corner != nullptr && corner->IsSelected() == kWholeRowMark;
}

} // namespace tembra
