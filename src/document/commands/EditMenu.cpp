// The document's commands of the Edit menu (編集) and the simple context popup: select all,
// delete, delete all, cancel one, the chain selections, the rows and columns of the item table
// and the chart (行・列 編集), the attribute entry of the popup and the text replacement.
#include "document/commands/EditMenu.h"

#include "document/AppState.h"
#include "document/CommandIds.h"
#include "document/EditDialogRequests.h"
#include "document/TembraDoc.h"
#include "document/commands/DocCommandTable.h"
#include "platform/Ui.h"

#include <array>

namespace tembra {

namespace {

using Op = COperationState;

constexpr WORD kWholeRowMark = 255;
// The last row an item table may use; inserted rows must leave the table below it.
constexpr int kRowLimit = 9999;

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
    b.rows = doc.GetKoumokuCells().GetSelectedKoumokuRows(b.firstRow, b.lastRow);
    b.columns = doc.GetKoumokuCells().GetSelectedKoumokuCols(b.firstColumn, b.lastColumn);
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

// The batch attribute command of each object mode that has one.
UINT BatchAttributeCommand(LONG mode) {
    switch (mode) {
    case Op::kModeKoutei:
        return ID_KOUTEI_ATTR_BULK;
    case Op::kModeYogo:
        return ID_YOGO_ATTR_BULK;
    case Op::kModeEvent:
        return ID_EVENT_ATTR_BULK;
    case Op::kModeZukei:
        return ID_ZUKEI_ATTR_BULK;
    default:
        return 0;
    }
}

void OnUpdateEditDelete(CTembraDoc& doc, CCmdUI* cmdUI) {
    const BOOL can = doc.CanDelete();
    // The Delete key goes to the term bar's input while the document has nothing to delete:
    // the bar's edit mark says so.
    if (doc.GetYogoBarInput().NoteCanDelete(can) && GetAppState()->GetYogoBar() != nullptr) {
        GetAppState()->SetEditModify(can == FALSE);
    }
    cmdUI->Enable(can);
}

void OnUpdateEditDeleteAll(CTembraDoc& doc, CCmdUI* cmdUI) {
    const bool anything = doc.GetObjCount() > 0 || doc.GetSelCount() > 0 ||
                          doc.GetEmbeddedItems().CountCntrItems() > 0 ||
                          doc.GetProgressLines().GetShincyokuCount() > 0 ||
                          doc.GetKoumokuCells().GetKoumokuColCount() > 0 || doc.GetZukeiCount() > 0;
    cmdUI->Enable(anything ? TRUE : FALSE);
}

void OnEditDeleteAll(CTembraDoc& doc) {
    if (AfxMessageBox(5082, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    int answer = IDYES;
    if (doc.GetChartLayers().HasDataOnUnshownLayers()) {
        answer = AfxMessageBox(5121, MB_YESNOCANCEL | MB_ICONEXCLAMATION);
        if (answer == IDCANCEL) {
            return;
        }
    }
    const bool shownOnly = answer == IDNO;
    const CWaitCursor wait;
    doc.GetUndoHistory().Reset();
    doc.GetUndoHistory().BeginGroup();
    if (doc.GetSelCount() > 0) {
        doc.UnselectAll(TRUE);
    }
    if (shownOnly) {
        doc.GetChartLayers().DeleteShownLayerObjects();
    } else {
        doc.DeleteAllObjects();
    }
    doc.GetKoumokuCells().DeleteAllKoumoku();
    if (shownOnly) {
        doc.GetShapes().RemoveShownZukei();
    } else {
        doc.GetShapes().RemoveAllZukei();
    }
    doc.GetProgressLines().DeleteAllShincyoku();
    // The fills go with the rest, recorded, so that one undo gives the whole chart back.
    OwnedObList<CKtkmHatch>& hatches = doc.GetChartObjects().GetHatchList();
    while (!hatches.IsEmpty()) {
        doc.GetHatches().RemoveHatchAt(hatches.GetHeadPosition());
    }
    doc.GetUndoHistory().EndGroup();
    doc.UpdateAllViews(nullptr);
    doc.MarkChanged();
}

void OnCancelOne(CTembraDoc& doc) {
    if (doc.GetSelCount() > 0) {
        doc.CancelLastSel();
    } else if (doc.GetEmbeddedItems().GetCurrentCntrItem() != nullptr) {
        doc.GetEmbeddedItems().SetCurrentCntrItem(nullptr, FALSE);
    }
}

void OnUpdateCancelOne(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(doc.GetSelCount() > 0 || doc.GetEmbeddedItems().GetCurrentCntrItem() != nullptr
                      ? TRUE
                      : FALSE);
}

void OnSelectLaterChain(CTembraDoc& doc) {
    doc.GetKouteiChains().SelectLinkedKoutei(nullptr, 1, 0, 0);
}

void OnSelectEarlierChain(CTembraDoc& doc) {
    doc.GetKouteiChains().SelectLinkedKoutei(nullptr, 0, 0, 0);
}

void OnSelectLaterChainAdjacent(CTembraDoc& doc) {
    doc.GetKouteiChains().SelectLinkedKoutei(nullptr, 1, 1, 0);
}

void OnSelectEarlierChainAdjacent(CTembraDoc& doc) {
    doc.GetKouteiChains().SelectLinkedKoutei(nullptr, 0, 1, 0);
}

void OnUpdateSelectChain(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(doc.GetSelCount() > 0 && doc.GetOperation().GetMode() == Op::kModeKoutei ? TRUE
                                                                                           : FALSE);
}

void OnAttributePopup(CTembraDoc& doc) {
    if (const UINT command = BatchAttributeCommand(doc.GetOperation().GetMode()); command != 0) {
        Ui().PostCommand(command);
    }
}

void OnUpdateAttributePopup(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(BatchAttributeCommand(doc.GetOperation().GetMode()) != 0 ? TRUE : FALSE);
}

void OnReplaceText(CTembraDoc& doc) {
    const LONG mode = doc.GetOperation().GetMode();
    FindReplaceDlgRequest request;
    if (mode == Op::kModeKoumoku) {
        request.selectionAvailable = doc.GetKoumokuCells().IsKoumokuSelected() != FALSE;
    } else if (mode == Op::kModeYogo || mode == Op::kModeEvent) {
        request.selectionAvailable = doc.GetSelCount() > 0;
    }
    request.operation = doc.GetOperation().GetOperation();
    request.mode = mode;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    const BOOL whole = request.wholeMatch ? TRUE : FALSE;
    const BOOL selectedOnly = request.selectionOnly ? TRUE : FALSE;
    const int action = request.action;
    if (mode == Op::kModeYogo) {
        doc.GetTerms().FindReplaceYogo(action, request.search, request.replacement, whole,
                                       selectedOnly);
    } else if (mode == Op::kModeEvent) {
        doc.GetEvents().ReplaceEventText(action, request.search, request.replacement, whole,
                                         selectedOnly);
    } else {
        doc.GetKoumokuCells().ReplaceKoumokuText(action, request.search, request.replacement, whole,
                                                 selectedOnly);
    }
}

void OnUpdateReplaceText(CTembraDoc& doc, CCmdUI* cmdUI) {
    const LONG mode = doc.GetOperation().GetMode();
    cmdUI->Enable(mode == Op::kModeKoutei || mode == Op::kModeKoumoku || mode == Op::kModeYogo ||
                          mode == Op::kModeEvent
                      ? TRUE
                      : FALSE);
}

void OnUpdateRowEdit(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(doc.GetKoumokuCells().IsKoumokuSelected());
}

void OnUpdateColumnEdit(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(doc.HasColumnRange() || doc.GetKoumokuCells().IsKoumokuSelected() ? TRUE : FALSE);
}

void OnRowDelete(CTembraDoc& doc) {
    LineDeleteDlgRequest request;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    const CellBlock b = SelectedBlock(doc);
    if (b.Empty()) {
        return;
    }
    const BOOL blank = request.method == LineDeleteDlgRequest::kBlank ? TRUE : FALSE;
    const RowsEditStep step(doc.GetUndoHistory());
    if (doc.GetKoumokuCells().WholeKoumokuRowsSelected()) {
        if (blank) {
            doc.DeleteRowObjects(b.firstRow, b.lastRow);
        } else {
            doc.DeleteRows(b.firstRow, b.lastRow);
            // The ruled lines of the rows go with them; undo gives the whole array back.
            doc.GetKoumokuCells().RecordKeisenTypes();
            doc.GetKoumoku()->RemoveKeisenTypes(b.firstRow, b.lastRow);
        }
        doc.GetShapes().DeleteZukeiRows(blank, b.firstRow, b.lastRow);
        doc.GetHatches().RowHatchesDeleted(blank, b.firstRow, b.lastRow);
    }
    doc.GetKoumokuCells().ClearSelectedKoumokuCells(TRUE);
    if (blank) {
        doc.GetKoumokuCells().ClearKoumokuRange(b.firstRow, b.firstColumn, b.RowCount(),
                                                b.ColumnCount(), FALSE);
    } else {
        doc.GetKoumokuCells().DeleteKoumokuRows(b.firstRow, b.firstColumn, b.RowCount(),
                                                b.ColumnCount());
    }
    doc.GetHatches().HatchRowsDeleted(blank, b.firstRow, b.lastRow, b.firstColumn, b.lastColumn);
    if (!blank) {
        doc.UpdateAllViews(nullptr);
    }
}

void OnRowInsert(CTembraDoc& doc) {
    const CellBlock b = SelectedBlock(doc);
    if (b.Empty()) {
        return;
    }
    if (b.RowCount() + doc.GetKoumokuCells().GetKoumokuRowCount(-1) >= kRowLimit) {
        AfxMessageBox(5036, MB_OK);
        return;
    }
    const RowsEditStep step(doc.GetUndoHistory());
    if (doc.GetKoumokuCells().WholeKoumokuRowsSelected()) {
        doc.InsertRows(b.firstRow, b.lastRow);
        doc.GetKoumokuCells().RecordKeisenTypes();
        doc.GetKoumoku()->InsertRowRange(b.firstRow, b.lastRow);
        doc.GetShapes().InsertZukeiRows(b.firstRow, b.lastRow);
        doc.GetHatches().RowHatchesInserted(b.firstRow, b.lastRow);
    }
    doc.GetKoumokuCells().ClearSelectedKoumokuCells(TRUE);
    doc.GetKoumokuCells().InsertKoumokuRows(b.firstRow, b.firstColumn, b.RowCount(),
                                            b.ColumnCount());
    doc.GetHatches().HatchRowsInserted(b.firstRow, b.lastRow, b.firstColumn, b.lastColumn);
    doc.UpdateAllViews(nullptr);
}

void OnColumnDelete(CTembraDoc& doc) {
    ColumnDeleteDlgRequest request;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    const BOOL blank = request.method == ColumnDeleteDlgRequest::kBlank ? TRUE : FALSE;
    const RowsEditStep step(doc.GetUndoHistory());
    if (doc.HasColumnRange()) {
        const CTime start = (*doc.GetSelectedDateRange()).GetStartDate();
        const CTime end = (*doc.GetSelectedDateRange()).GetEndDate();
        doc.RedrawColumnRange(TRUE);
        if (blank) {
            doc.DeleteColumnObjects(start, end);
        } else {
            doc.DeleteColumns(start, end, KouteiMoveCaller::Columns);
        }
        doc.GetKouteiChains().PropagateKankei();
        doc.GetShapes().DeleteZukeiColumns(blank, start, end);
        doc.GetHatches().DateHatchesDeleted(blank, start, end);
        return;
    }
    const CellBlock b = SelectedBlock(doc);
    if (b.Empty()) {
        return;
    }
    doc.GetKoumokuCells().ClearSelectedKoumokuCells(TRUE);
    if (blank) {
        doc.GetKoumokuCells().ClearKoumokuRange(b.firstRow, b.firstColumn, b.RowCount(),
                                                b.ColumnCount(), FALSE);
    } else {
        doc.GetKoumokuCells().DeleteKoumokuCols(b.firstRow, b.firstColumn, b.RowCount(),
                                                b.ColumnCount());
    }
    doc.GetHatches().HatchColsDeleted(blank, b.firstRow, b.lastRow, b.firstColumn, b.lastColumn);
}

void OnColumnInsert(CTembraDoc& doc) {
    const RowsEditStep step(doc.GetUndoHistory());
    if (doc.HasColumnRange()) {
        const CTime start = (*doc.GetSelectedDateRange()).GetStartDate();
        const CTime end = (*doc.GetSelectedDateRange()).GetEndDate();
        doc.RedrawColumnRange(TRUE);
        doc.InsertColumns(start, end, KouteiMoveCaller::Columns);
        doc.GetKouteiChains().PropagateKankei();
        doc.GetShapes().InsertZukeiColumns(start, end);
        doc.GetHatches().DateHatchesInserted(start, end);
        return;
    }
    const CellBlock b = SelectedBlock(doc);
    if (b.Empty()) {
        return;
    }
    doc.GetKoumokuCells().ClearSelectedKoumokuCells(TRUE);
    doc.GetKoumokuCells().InsertKoumokuCols(b.firstRow, b.firstColumn, b.RowCount(),
                                            b.ColumnCount());
    doc.GetHatches().HatchColsInserted(b.firstRow, b.lastRow, b.firstColumn, b.lastColumn);
}

constexpr std::array kEditMenu{
    DocCommand{ID_EDIT_DELETE, &OnEditDelete, &OnUpdateEditDelete},
    DocCommand{ID_EDIT_DELETE_ALL, &OnEditDeleteAll, &OnUpdateEditDeleteAll},
    DocCommand{ID_CANCEL_ONE, &OnCancelOne, &OnUpdateCancelOne},
    DocCommand{ID_SELECT_LATER_CHAIN, &OnSelectLaterChain, &OnUpdateSelectChain},
    DocCommand{ID_SELECT_EARLIER_CHAIN, &OnSelectEarlierChain, &OnUpdateSelectChain},
    DocCommand{ID_SELECT_LATER_CHAIN_ADJACENT, &OnSelectLaterChainAdjacent, &OnUpdateSelectChain},
    DocCommand{ID_SELECT_EARLIER_CHAIN_ADJACENT, &OnSelectEarlierChainAdjacent,
               &OnUpdateSelectChain},
    DocCommand{ID_ROW_DELETE, &OnRowDelete, &OnUpdateRowEdit, "LineDeleteDlg"},
    DocCommand{ID_ROW_INSERT, &OnRowInsert, &OnUpdateRowEdit},
    DocCommand{ID_COLUMN_DELETE, &OnColumnDelete, &OnUpdateColumnEdit, "ColumnDeleteDlg"},
    DocCommand{ID_COLUMN_INSERT, &OnColumnInsert, &OnUpdateColumnEdit},
    DocCommand{ID_ATTRIBUTE_POPUP, &OnAttributePopup, &OnUpdateAttributePopup},
    DocCommand{ID_REPLACE_TEXT, &OnReplaceText, &OnUpdateReplaceText, "FindReplaceDlg"},
};

} // namespace

void OnEditSelectAll(CTembraDoc& doc) {
    if (doc.GetSelCount() == 0) {
        if (doc.GetObjCount() == 0 && doc.GetZukeiCount() == 0) {
            return;
        }
        doc.SelectAll(-1);
        if (doc.GetOperation().GetMode() == COperationState::kModeZukei) {
            doc.GetShapes().SelectAllZukei();
        }
        doc.GetUndoHistory().Reset();
    } else {
        doc.UnselectAll(TRUE);
    }
    // Selecting marks the objects without redrawing them.
    doc.UpdateAllViews(nullptr);
}

void OnUpdateEditSelectAll(CTembraDoc& doc, CCmdUI* cmdUI) {
    const LONG mode = doc.GetOperation().GetMode();
    const bool modeTakes =
        mode == COperationState::kModeKoutei || mode == COperationState::kModeYogo ||
        mode == COperationState::kModeShigen || mode == COperationState::kModeEvent ||
        mode == COperationState::kModeZukei;
    const bool anything = doc.GetObjCount() > 0 || doc.GetZukeiCount() > 0 || doc.GetSelCount() > 0;
    cmdUI->Enable(modeTakes && anything ? TRUE : FALSE);
}

void OnEditDelete(CTembraDoc& doc) {
    const LONG mode = doc.GetOperation().GetMode();
    const WORD idle = mode == Op::kModeChart ? 4 : 0;
    if (doc.GetOperation().GetState() != idle) {
        return; // an edit is in progress
    }
    const CWaitCursor wait;
    doc.GetUndoHistory().Reset();
    doc.GetUndoHistory().BeginGroup();
    if (doc.GetKoumokuCells().IsKoumokuSelected()) {
        OnRowDelete(doc);
    } else if (doc.HasColumnRange()) {
        OnColumnDelete(doc);
    } else {
        switch (mode) {
        case Op::kModeKoutei:
            doc.DeleteSelection();
            doc.GetKouteiChains().PropagateKankei();
            break;
        case Op::kModeYogo:
            doc.GetTerms().RemoveSelYogo();
            break;
        case Op::kModeShincyoku:
            doc.GetProgressLines().DeleteAllShincyoku();
            break;
        case Op::kModeZukei:
            doc.GetShapes().DeleteSelectedZukei();
            break;
        case Op::kModeEvent:
            doc.DeleteSelection();
            break;
        case Op::kModeShigen:
            doc.GetResources().ClearSelShigen();
            break;
        case Op::kModeChart:
            doc.GetResourceCharts().DeleteSelectedCharts();
            break;
        default:
            break; // no embedded object is ever current here
        }
    }
    doc.GetUndoHistory().EndGroup();
}

std::span<const DocCommand> DocEditMenu() {
    return kEditMenu;
}

} // namespace tembra
