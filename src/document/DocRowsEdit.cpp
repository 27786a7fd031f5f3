// The row and column commands of the Edit menu (行・列 編集): the selected item rows and columns,
// and with whole rows or a date range of the chart the chart's objects, shapes and fills too.
#include "document/EditDialogRequests.h"
#include "document/TembraDoc.h"
#include "platform/Ui.h"

namespace tembra {

namespace {

constexpr WORD kWholeRowMark = 255;
// The last row an item table may use; inserted rows must leave the table below it.
constexpr int kRowLimit = 9999;
// The column edits move processes as the calendar's day edits do.
constexpr int kColumnMode = 3;

// The block of the selected item cells; empty when no row or no column is selected.
struct CellBlock {
    int firstRow = -1;
    int lastRow = -1;
    int firstColumn = -1;
    int lastColumn = -1;
    int rows = 0;
    int columns = 0;

    bool Empty() const { return rows == 0 || columns == 0; }
    int RowCount() const { return lastRow - firstRow + 1; }
    int ColumnCount() const { return lastColumn - firstColumn + 1; }
};

CellBlock SelectedBlock(const CTembraDoc& doc) {
    CellBlock b;
    b.rows = doc.GetSelectedKoumokuRows(b.firstRow, b.lastRow);
    b.columns = doc.GetSelectedKoumokuCols(b.firstColumn, b.lastColumn);
    return b;
}

// One undo step with the wait cursor.
class RowsEditStep {
public:
    explicit RowsEditStep(CChartUndo& undo) : m_undo(undo) {
        m_undo.Reset();
        m_undo.BeginGroup();
    }
    ~RowsEditStep() { m_undo.EndGroup(); }
    RowsEditStep(const RowsEditStep&) = delete;
    RowsEditStep& operator=(const RowsEditStep&) = delete;

private:
    CWaitCursor m_wait;
    CChartUndo& m_undo;
};

} // namespace

bool CTembraDoc::WholeKoumokuRowsSelected() const {
    const CellBlock b = SelectedBlock(*this);
    if (b.Empty()) {
        return false;
    }
    const CObject* object = GetKoumokuTable().GetAt(b.lastRow, b.lastColumn);
    const auto* corner = dynamic_cast<const CKoumokuData*>(object);
    return corner != nullptr && corner->IsSelected() == kWholeRowMark;
}

void CTembraDoc::OnUpdateRowEdit(CCmdUI* cmdUI) {
    cmdUI->Enable(IsKoumokuSelected());
}

void CTembraDoc::OnUpdateColumnEdit(CCmdUI* cmdUI) {
    cmdUI->Enable(HasColumnRange() || IsKoumokuSelected() ? TRUE : FALSE);
}

void CTembraDoc::OnRowDelete() {
    LineDeleteDlgRequest request;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    const CellBlock b = SelectedBlock(*this);
    if (b.Empty()) {
        return;
    }
    const BOOL blank = request.method == LineDeleteDlgRequest::kBlank ? TRUE : FALSE;
    const RowsEditStep step(m_undo);
    if (WholeKoumokuRowsSelected()) {
        if (blank) {
            DeleteRowObjects(b.firstRow, b.lastRow);
        } else {
            DeleteRows(b.firstRow, b.lastRow);
            // The ruled lines of the rows go with them; undo gives the whole array back.
            RecordKeisenTypes();
            GetKoumoku()->RemoveKeisenTypes(b.firstRow, b.lastRow);
        }
        DeleteZukeiRows(blank, b.firstRow, b.lastRow);
        RowHatchesDeleted(blank, b.firstRow, b.lastRow);
    }
    ClearSelectedKoumokuCells(TRUE);
    if (blank) {
        ClearKoumokuRange(b.firstRow, b.firstColumn, b.RowCount(), b.ColumnCount(), FALSE);
    } else {
        DeleteKoumokuRows(b.firstRow, b.firstColumn, b.RowCount(), b.ColumnCount());
    }
    HatchRowsDeleted(blank, b.firstRow, b.lastRow, b.firstColumn, b.lastColumn);
    if (!blank) {
        UpdateAllViews(nullptr);
    }
}

void CTembraDoc::OnRowInsert() {
    const CellBlock b = SelectedBlock(*this);
    if (b.Empty()) {
        return;
    }
    if (b.RowCount() + GetKoumokuRowCount(-1) >= kRowLimit) {
        AfxMessageBox(5036, MB_OK);
        return;
    }
    const RowsEditStep step(m_undo);
    if (WholeKoumokuRowsSelected()) {
        InsertRows(b.firstRow, b.lastRow);
        RecordKeisenTypes();
        GetKoumoku()->InsertRowRange(b.firstRow, b.lastRow);
        InsertZukeiRows(b.firstRow, b.lastRow);
        RowHatchesInserted(b.firstRow, b.lastRow);
    }
    ClearSelectedKoumokuCells(TRUE);
    InsertKoumokuRows(b.firstRow, b.firstColumn, b.RowCount(), b.ColumnCount());
    HatchRowsInserted(b.firstRow, b.lastRow, b.firstColumn, b.lastColumn);
    UpdateAllViews(nullptr);
}

void CTembraDoc::OnColumnDelete() {
    ColumnDeleteDlgRequest request;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    const BOOL blank = request.method == ColumnDeleteDlgRequest::kBlank ? TRUE : FALSE;
    const RowsEditStep step(m_undo);
    if (HasColumnRange()) {
        const CTime start = m_columnRange.GetStartDate();
        const CTime end = m_columnRange.GetEndDate();
        RedrawColumnRange(TRUE);
        if (blank) {
            DeleteColumnObjects(start, end);
        } else {
            DeleteColumns(start, end, kColumnMode);
        }
        PropagateKankei();
        DeleteZukeiColumns(blank, start, end);
        DateHatchesDeleted(blank, start, end);
        return;
    }
    const CellBlock b = SelectedBlock(*this);
    if (b.Empty()) {
        return;
    }
    ClearSelectedKoumokuCells(TRUE);
    if (blank) {
        ClearKoumokuRange(b.firstRow, b.firstColumn, b.RowCount(), b.ColumnCount(), FALSE);
    } else {
        DeleteKoumokuCols(b.firstRow, b.firstColumn, b.RowCount(), b.ColumnCount());
    }
    HatchColsDeleted(blank, b.firstRow, b.lastRow, b.firstColumn, b.lastColumn);
}

void CTembraDoc::OnColumnInsert() {
    const RowsEditStep step(m_undo);
    if (HasColumnRange()) {
        const CTime start = m_columnRange.GetStartDate();
        const CTime end = m_columnRange.GetEndDate();
        RedrawColumnRange(TRUE);
        InsertColumns(start, end, kColumnMode);
        PropagateKankei();
        InsertZukeiColumns(start, end);
        DateHatchesInserted(start, end);
        return;
    }
    const CellBlock b = SelectedBlock(*this);
    if (b.Empty()) {
        return;
    }
    ClearSelectedKoumokuCells(TRUE);
    InsertKoumokuCols(b.firstRow, b.firstColumn, b.RowCount(), b.ColumnCount());
    HatchColsInserted(b.firstRow, b.lastRow, b.firstColumn, b.lastColumn);
}

} // namespace tembra
