// The document's commands of the Edit menu (編集) and the simple context popup: delete, delete
// all, cancel one, the chain selections, the attribute entry of the popup and the text
// replacement. The row and column edits are in DocRowsEdit.cpp.
#include "document/AppState.h"
#include "document/DocCommandTable.h"
#include "document/EditDialogRequests.h"
#include "document/TembraDoc.h"
#include "platform/Ui.h"

#include <array>

namespace tembra {

namespace {

using Op = COperationState;

constexpr std::array kEditMenu{
    DocCommand{32784, &CTembraDoc::OnEditDelete, &CTembraDoc::OnUpdateEditDelete},
    DocCommand{32771, &CTembraDoc::OnEditDeleteAll, &CTembraDoc::OnUpdateEditDeleteAll},
    DocCommand{32946, &CTembraDoc::OnCancelOne, &CTembraDoc::OnUpdateCancelOne},
    DocCommand{32829, &CTembraDoc::OnSelectLaterChain, &CTembraDoc::OnUpdateSelectChain},
    DocCommand{32774, &CTembraDoc::OnSelectEarlierChain, &CTembraDoc::OnUpdateSelectChain},
    DocCommand{32828, &CTembraDoc::OnSelectLaterChainAdjacent, &CTembraDoc::OnUpdateSelectChain},
    DocCommand{32773, &CTembraDoc::OnSelectEarlierChainAdjacent, &CTembraDoc::OnUpdateSelectChain},
    DocCommand{32901, &CTembraDoc::OnRowDelete, &CTembraDoc::OnUpdateRowEdit, "LineDeleteDlg"},
    DocCommand{32902, &CTembraDoc::OnRowInsert, &CTembraDoc::OnUpdateRowEdit},
    DocCommand{32943, &CTembraDoc::OnColumnDelete, &CTembraDoc::OnUpdateColumnEdit,
               "ColumnDeleteDlg"},
    DocCommand{32944, &CTembraDoc::OnColumnInsert, &CTembraDoc::OnUpdateColumnEdit},
    DocCommand{33021, &CTembraDoc::OnAttributePopup, &CTembraDoc::OnUpdateAttributePopup},
    DocCommand{40068, &CTembraDoc::OnReplaceText, &CTembraDoc::OnUpdateReplaceText,
               "FindReplaceDlg"},
};

} // namespace

std::span<const DocCommand> DocEditMenu() {
    return kEditMenu;
}

// ---- Delete -------------------------------------------------------------------------------------

BOOL CTembraDoc::CanDelete() const {
    if (IsKoumokuSelected() || HasColumnRange()) {
        return TRUE;
    }
    switch (m_operation.GetMode()) {
    case Op::kModeKoutei:
    case Op::kModeYogo:
    case Op::kModeEvent:
    case Op::kModeShigen:
        return GetSelCount() > 0 ? TRUE : FALSE;
    case Op::kModeShincyoku:
        return GetShincyokuCount() > 0 ? TRUE : FALSE;
    case Op::kModeZukei:
        return GetSelCount() > 0 ? TRUE : FALSE;
    case Op::kModeObject:
        return GetCurrentCntrItem() != nullptr ? TRUE : FALSE;
    case Op::kModeChart:
        return CountSelectedCharts(0) > 0 ? TRUE : FALSE;
    default:
        return FALSE;
    }
}

void CTembraDoc::OnUpdateEditDelete(CCmdUI* cmdUI) {
    const BOOL can = CanDelete();
    // The Delete key goes to the term bar's input while the document has nothing to delete:
    // the bar's edit mark says so.
    if (can != m_bCouldDelete && GetAppState()->GetYogoBar() != nullptr) {
        GetAppState()->SetEditModify(can == FALSE);
    }
    m_bCouldDelete = can;
    cmdUI->Enable(can);
}

void CTembraDoc::OnEditDelete() {
    const LONG mode = m_operation.GetMode();
    const WORD idle = mode == Op::kModeChart ? 4 : 0;
    if (m_operation.GetState() != idle) {
        return; // an edit is in progress
    }
    const CWaitCursor wait;
    m_undo.Reset();
    m_undo.BeginGroup();
    if (IsKoumokuSelected()) {
        OnRowDelete();
    } else if (HasColumnRange()) {
        OnColumnDelete();
    } else {
        switch (mode) {
        case Op::kModeKoutei:
            DeleteSelection();
            PropagateKankei();
            break;
        case Op::kModeYogo:
            RemoveSelYogo();
            break;
        case Op::kModeShincyoku:
            DeleteAllShincyoku();
            break;
        case Op::kModeZukei:
            DeleteSelectedZukei();
            break;
        case Op::kModeEvent:
            DeleteSelection();
            break;
        case Op::kModeShigen:
            ClearSelShigen();
            break;
        case Op::kModeChart:
            DeleteSelectedCharts();
            break;
        default:
            break; // no embedded object is ever current here
        }
    }
    m_undo.EndGroup();
}

// ---- Delete all ---------------------------------------------------------------------------------

void CTembraDoc::OnUpdateEditDeleteAll(CCmdUI* cmdUI) {
    const bool anything = GetObjCount() > 0 || GetSelCount() > 0 || CountCntrItems() > 0 ||
                          GetShincyokuCount() > 0 || GetKoumokuColCount() > 0 ||
                          GetZukeiCount() > 0;
    cmdUI->Enable(anything ? TRUE : FALSE);
}

void CTembraDoc::OnEditDeleteAll() {
    if (AfxMessageBox(5082, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    int answer = IDYES;
    if (HasDataOnUnshownLayers()) {
        answer = AfxMessageBox(5121, MB_YESNOCANCEL | MB_ICONEXCLAMATION);
        if (answer == IDCANCEL) {
            return;
        }
    }
    const bool shownOnly = answer == IDNO;
    const CWaitCursor wait;
    m_undo.Reset();
    m_undo.BeginGroup();
    if (GetSelCount() > 0) {
        UnselectAll(TRUE);
    }
    if (shownOnly) {
        DeleteShownLayerObjects();
    } else {
        DeleteAllObjects();
    }
    DeleteAllKoumoku();
    if (shownOnly) {
        RemoveShownZukei();
    } else {
        RemoveAllZukei();
    }
    DeleteAllShincyoku();
    // The fills go with the rest, recorded, so that one undo gives the whole chart back.
    OwnedObList<CKtkmHatch>& hatches = m_objects.GetHatchList();
    while (!hatches.IsEmpty()) {
        RemoveHatchAt(hatches.GetHeadPosition());
    }
    m_undo.EndGroup();
    UpdateAllViews(nullptr);
    m_notifier.MarkChanged();
}

// ---- Selection ----------------------------------------------------------------------------------

void CTembraDoc::OnCancelOne() {
    if (GetSelCount() > 0) {
        CancelLastSel();
    } else if (GetCurrentCntrItem() != nullptr) {
        SetCurrentCntrItem(nullptr, FALSE);
    }
}

void CTembraDoc::OnUpdateCancelOne(CCmdUI* cmdUI) {
    cmdUI->Enable(GetSelCount() > 0 || GetCurrentCntrItem() != nullptr ? TRUE : FALSE);
}

void CTembraDoc::OnSelectLaterChain() {
    SelectLinkedKoutei(nullptr, 1, 0, 0);
}

void CTembraDoc::OnSelectEarlierChain() {
    SelectLinkedKoutei(nullptr, 0, 0, 0);
}

void CTembraDoc::OnSelectLaterChainAdjacent() {
    SelectLinkedKoutei(nullptr, 1, 1, 0);
}

void CTembraDoc::OnSelectEarlierChainAdjacent() {
    SelectLinkedKoutei(nullptr, 0, 1, 0);
}

void CTembraDoc::OnUpdateSelectChain(CCmdUI* cmdUI) {
    cmdUI->Enable(GetSelCount() > 0 && m_operation.GetMode() == Op::kModeKoutei ? TRUE : FALSE);
}

// ---- The popup's attributes and the text replacement --------------------------------------------

namespace {

// The batch attribute command of each object mode that has one.
UINT BatchAttributeCommand(LONG mode) {
    switch (mode) {
    case Op::kModeKoutei:
        return 33017;
    case Op::kModeYogo:
        return 33018;
    case Op::kModeEvent:
        return 33019;
    case Op::kModeZukei:
        return 33014;
    default:
        return 0;
    }
}

} // namespace

void CTembraDoc::OnAttributePopup() {
    if (const UINT command = BatchAttributeCommand(m_operation.GetMode()); command != 0) {
        Ui().PostCommand(command);
    }
}

void CTembraDoc::OnUpdateAttributePopup(CCmdUI* cmdUI) {
    cmdUI->Enable(BatchAttributeCommand(m_operation.GetMode()) != 0 ? TRUE : FALSE);
}

void CTembraDoc::OnReplaceText() {
    const LONG mode = m_operation.GetMode();
    FindReplaceDlgRequest request;
    if (mode == Op::kModeKoumoku) {
        request.selectionAvailable = IsKoumokuSelected() != FALSE;
    } else if (mode == Op::kModeYogo || mode == Op::kModeEvent) {
        request.selectionAvailable = GetSelCount() > 0;
    }
    request.operation = m_operation.GetOperation();
    request.mode = mode;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    const BOOL whole = request.wholeMatch ? TRUE : FALSE;
    const BOOL selectedOnly = request.selectionOnly ? TRUE : FALSE;
    const int action = request.action;
    if (mode == Op::kModeYogo) {
        FindReplaceYogo(action, request.search, request.replacement, whole, selectedOnly);
    } else if (mode == Op::kModeEvent) {
        ReplaceEventText(action, request.search, request.replacement, whole, selectedOnly);
    } else {
        ReplaceKoumokuText(action, request.search, request.replacement, whole, selectedOnly);
    }
}

void CTembraDoc::OnUpdateReplaceText(CCmdUI* cmdUI) {
    const LONG mode = m_operation.GetMode();
    cmdUI->Enable(mode == Op::kModeKoutei || mode == Op::kModeKoumoku || mode == Op::kModeYogo ||
                          mode == Op::kModeEvent
                      ? TRUE
                      : FALSE);
}

} // namespace tembra
