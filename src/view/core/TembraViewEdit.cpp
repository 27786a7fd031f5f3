// The Edit menu's undo, cut, copy and paste: the application's own clipboards (one for chart
// objects, one for item cells), each command one step of the document's undo history.
#include "document/AppState.h"
#include "document/DocFileRequests.h"
#include "document/TembraDoc.h"
#include "platform/Ui.h"
#include "view/core/TembraView.h"

namespace tembra {

namespace {

bool IsObjectMode(LONG mode) {
    return mode == COperationState::kModeKoutei || mode == COperationState::kModeEvent ||
           mode == COperationState::kModeZukei;
}

// The selected item cells: their first and last row and column; false when none.
struct CellRange {
    int firstRow = -1;
    int lastRow = -1;
    int firstColumn = -1;
    int lastColumn = -1;
};

bool SelectedCells(const CTembraDoc& doc, CellRange& range) {
    const int rows = doc.GetKoumokuCells().GetSelectedKoumokuRows(range.firstRow, range.lastRow);
    const int columns =
        doc.GetKoumokuCells().GetSelectedKoumokuCols(range.firstColumn, range.lastColumn);
    return rows > 0 && columns > 0;
}

// Whole rows are selected when the range's last cell carries the whole-row mark.
bool WholeRows(CTembraDoc& doc, const CellRange& range) {
    const CKoumokuData* cell =
        doc.GetKoumokuCells().GetKoumokuCell(range.lastRow, range.lastColumn);
    return cell != nullptr && cell->IsSelected() == 255;
}

// One undo step around a command, with the wait cursor.
class EditStep {
public:
    explicit EditStep(CTembraDoc& doc) : m_doc(doc) {
        Ui().BeginWaitCursor();
        m_doc.GetUndoHistory().Reset();
        m_doc.GetUndoHistory().BeginGroup();
    }
    ~EditStep() {
        m_doc.GetUndoHistory().EndGroup();
        Ui().EndWaitCursor();
    }
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

private:
    CTembraDoc& m_doc;
};

} // namespace

void CTembraView::OnUpdateEditUndo(CCmdUI& cmdUI) const {
    const CTembraDoc* doc = GetDocument();
    cmdUI.Enable(doc != nullptr &&
                 (doc->GetUndoHistory().CanUndo() || doc->GetUndoHistory().CanRedo()));
}

void CTembraView::OnUpdateEditCutCopy(CCmdUI& cmdUI) const {
    const CTembraDoc* doc = GetDocument();
    if (doc == nullptr || doc->HasColumnRange()) {
        cmdUI.Enable(FALSE);
        return;
    }
    const LONG mode = doc->GetOperation().GetMode();
    cmdUI.Enable(
        (mode == COperationState::kModeKoumoku && doc->GetKoumokuCells().IsKoumokuSelected()) ||
        (IsObjectMode(mode) && doc->GetSelCount() > 0));
}

void CTembraView::OnUpdateEditPaste(CCmdUI& cmdUI) const {
    const CTembraDoc* doc = GetDocument();
    if (doc == nullptr || doc->HasColumnRange()) {
        cmdUI.Enable(FALSE);
        return;
    }
    const LONG mode = doc->GetOperation().GetMode();
    cmdUI.Enable(
        (mode == COperationState::kModeKoumoku && doc->GetKoumokuCells().IsKoumokuSelected()) ||
        (IsObjectMode(mode) && doc->CanPasteObjects() == mode));
}

void CTembraView::OnEditUndo() {
    CTembraDoc* doc = GetDocument();
    if (doc == nullptr) {
        return;
    }
    // What was typed into a framed text belongs to the step taken back or kept.
    EndStringEdit();
    if (doc->GetOperation().GetMode() == COperationState::kModeYogo) {
        doc->UnselectAll(TRUE);
    }
    CChartUndo& history = doc->GetUndoHistory();
    if (history.CanUndo()) {
        history.Undo();
    } else if (history.CanRedo()) {
        history.Redo();
    }
}

void CTembraView::OnEditCut() {
    CutOrCopy(true);
}

void CTembraView::OnEditCopy() {
    CutOrCopy(false);
}

// Cells first, then objects: whole-row cells bring their rows' processes along, which are
// selected for the object clipboard and unselected again afterwards. A clipboard whose kind has
// nothing selected is emptied, so that paste offers only what was taken.
void CTembraView::CutOrCopy(bool cut) {
    CTembraDoc* doc = GetDocument();
    if (doc == nullptr) {
        return;
    }
    EndStringEdit();
    const EditStep step(*doc);
    bool rowsTaken = false;
    if (doc->GetOperation().GetMode() == COperationState::kModeKoumoku) {
        CellRange range;
        if (SelectedCells(*doc, range)) {
            // The whole-row mark is read before a cut takes the cells away.
            const bool wholeRows = WholeRows(*doc, range);
            if (cut) {
                doc->GetKoumokuCells().CutKoumoku();
            } else {
                doc->GetKoumokuCells().CopyKoumoku();
            }
            if (wholeRows) {
                doc->SelectInArea(-1, range.firstRow, -1, range.lastRow, TRUE);
                rowsTaken = true;
            }
        }
    } else {
        GetAppState()->ClearCellClipboard();
    }
    if (doc->GetSelCount() > 0) {
        if (cut) {
            doc->GetChartClipboard().CutSelectedObjects();
        } else {
            doc->GetChartClipboard().CopySelectedObjects();
        }
        if (rowsTaken) {
            doc->UnselectAll(TRUE);
        }
    } else {
        GetAppState()->ClearObjectClipboard();
    }
}

void CTembraView::OnEditPaste() {
    CTembraDoc* doc = GetDocument();
    if (doc == nullptr) {
        return;
    }
    const EditStep step(*doc);
    const LONG mode = doc->GetOperation().GetMode();
    int firstRow = m_layout.GetFirstRow();
    int lastRow = m_layout.GetLastRow();
    bool pasteObjects = true;
    if (mode == COperationState::kModeKoumoku) {
        pasteObjects = false;
        CellRange range;
        if (SelectedCells(*doc, range)) {
            if (WholeRows(*doc, range)) {
                firstRow = range.firstRow;
                lastRow = range.lastRow;
                pasteObjects = true;
            }
            doc->GetKoumokuCells().PasteKoumoku(range.firstRow, range.firstColumn, TRUE);
        }
    }
    const WORD kind = doc->CanPasteObjects();
    const bool accepted = mode == COperationState::kModeKoumoku ? kind != 0 : kind == mode;
    if (!pasteObjects || !accepted) {
        return;
    }
    OwnedObList<CDataHeader> backup;
    bool remapped = false;
    if (doc->GetAskTargetLayer()) {
        OutputLayerRequest layers;
        layers.document = doc;
        for (std::size_t i = 0; i < layers.map.size(); ++i) {
            layers.map[i] = static_cast<int>(i);
        }
        Ui().EndWaitCursor();
        const int answer = Ui().RunDialog(layers);
        Ui().BeginWaitCursor();
        if (answer == IDOK) {
            remapped = doc->GetChartLayers().RemapClipboardLayers(layers.map, &backup) != 0;
        }
    }
    CChartPos target;
    target.SetStartDate(m_layout.GetStartDate());
    target.SetEndDate(m_layout.GetEndDate());
    target.SetStartRow(static_cast<WORD>(firstRow));
    target.SetEndRow(static_cast<WORD>(lastRow));
    doc->InsertKouteiBlock(target, CTime(), TRUE);
    if (remapped) {
        CChartLayers::RestoreClipboard(&backup);
    }
    doc->SetAskTargetLayer(FALSE);
    if (mode == COperationState::kModeKoumoku) {
        doc->UnselectAll(TRUE);
    }
}

} // namespace tembra
