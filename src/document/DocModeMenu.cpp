// The document's commands of the mode menu (ﾓｰﾄﾞ), the copy and move commands of the Edit menu
// and the term input of the term bar.
#include "document/AppState.h"
#include "document/DocCommandTable.h"
#include "document/ObjectActionView.h"
#include "document/TembraDoc.h"

#include <array>

namespace tembra {

namespace {

using Op = COperationState;

constexpr std::array kModeMenu{
    DocCommand{32922, &CTembraDoc::OnDrawOperation, &CTembraDoc::OnUpdateDrawOperation},
    DocCommand{32923, &CTembraDoc::OnEditOperation, &CTembraDoc::OnUpdateEditOperation},
    DocCommand{32927, &CTembraDoc::OnModeKoutei, &CTembraDoc::OnUpdateModeKoutei},
    DocCommand{32930, &CTembraDoc::OnModeYogo, &CTembraDoc::OnUpdateModeYogo},
    DocCommand{32926, &CTembraDoc::OnModeEvent, &CTembraDoc::OnUpdateModeEvent},
    DocCommand{32929, &CTembraDoc::OnModeShincyoku, &CTembraDoc::OnUpdateModeShincyoku},
    DocCommand{32931, &CTembraDoc::OnModeZukei, &CTembraDoc::OnUpdateModeZukei},
    DocCommand{32928, &CTembraDoc::OnModeObject, &CTembraDoc::OnUpdateModeObject},
    DocCommand{40069, &CTembraDoc::OnModeShigen, &CTembraDoc::OnUpdateModeShigen},
    DocCommand{40071, &CTembraDoc::OnModeChart, &CTembraDoc::OnUpdateModeChart},
    DocCommand{32924, &CTembraDoc::OnEditCopy, &CTembraDoc::OnUpdateEditCopy},
    DocCommand{32925, &CTembraDoc::OnEditMove, &CTembraDoc::OnUpdateEditMove},
    DocCommand{32933, nullptr, &CTembraDoc::OnUpdateCntrItemFlag}, // 背景白抜き
    DocCommand{33127, nullptr, &CTembraDoc::OnUpdateCntrItemFlag}, // 枠表示
};

} // namespace

std::span<const DocCommand> DocModeMenu() {
    return kModeMenu;
}

// ---- The mode keys ------------------------------------------------------------------------------

// What every mode key ends with: an undo never reaches across a change of mode.
void CTembraDoc::EndModeCommand() {
    ClearAllSelections(TRUE);
    m_undo.Reset();
}

void CTembraDoc::OnModeKoutei() {
    m_operation.SetMode(Op::kModeKoutei);
    EndModeCommand();
}

void CTembraDoc::OnModeYogo() {
    if (m_operation.GetMode() != Op::kModeYogo) {
        m_operation.SetTermMode();
        GetAppState()->FocusYogoCombo(1);
    }
    EndModeCommand();
}

void CTembraDoc::OnModeEvent() {
    if (m_operation.GetMode() != Op::kModeEvent) {
        m_operation.SetEventMode();
        GetAppState()->FocusYogoCombo(1);
    }
    EndModeCommand();
}

void CTembraDoc::OnModeShincyoku() {
    m_operation.SetProgressMode();
    EndModeCommand();
}

void CTembraDoc::OnModeZukei() {
    // Chosen again, the shape mode keeps a deformation or drawing in progress.
    if (m_operation.GetMode() != Op::kModeZukei) {
        m_operation.SetZukeiMode();
    }
    EndModeCommand();
}

void CTembraDoc::OnModeObject() {
    m_operation.SetObjectMode();
    m_operation.SetEditOperation();
    EndModeCommand();
}

void CTembraDoc::OnModeShigen() {
    if (m_operation.GetMode() != Op::kModeShigen) {
        m_operation.SetShigenMode();
    }
    EndModeCommand();
}

void CTembraDoc::OnModeChart() {
    if (m_operation.GetMode() != Op::kModeChart) {
        m_operation.SetChartMode();
        m_operation.SetEditOperation();
    }
    EndModeCommand();
}

void CTembraDoc::OnUpdateModeKoutei(CCmdUI* cmdUI) {
    cmdUI->SetCheck(m_operation.GetMode() == Op::kModeKoutei ? 1 : 0);
}

void CTembraDoc::OnUpdateModeYogo(CCmdUI* cmdUI) {
    const bool withProcess = m_operation.GetMode() == Op::kModeKoutei &&
                             m_operation.GetOperation() == Op::kOpDraw &&
                             m_operation.GetWithYogo() != 0;
    cmdUI->SetCheck(m_operation.GetMode() == Op::kModeYogo || withProcess ? 1 : 0);
}

void CTembraDoc::OnUpdateModeEvent(CCmdUI* cmdUI) {
    cmdUI->SetCheck(m_operation.GetMode() == Op::kModeEvent ? 1 : 0);
}

void CTembraDoc::OnUpdateModeShincyoku(CCmdUI* cmdUI) {
    cmdUI->SetCheck(m_operation.GetMode() == Op::kModeShincyoku ? 1 : 0);
}

void CTembraDoc::OnUpdateModeZukei(CCmdUI* cmdUI) {
    cmdUI->SetCheck(m_operation.GetMode() == Op::kModeZukei ? 1 : 0);
}

void CTembraDoc::OnUpdateModeObject(CCmdUI* cmdUI) {
    cmdUI->SetCheck(m_operation.GetMode() == Op::kModeObject ? 1 : 0);
}

void CTembraDoc::OnUpdateModeShigen(CCmdUI* cmdUI) {
    cmdUI->SetCheck(m_operation.GetMode() == Op::kModeShigen ? 1 : 0);
}

void CTembraDoc::OnUpdateModeChart(CCmdUI* cmdUI) {
    cmdUI->Enable(GetShigenNames().empty() ? FALSE : TRUE);
    cmdUI->SetCheck(m_operation.GetMode() == Op::kModeChart ? 1 : 0);
}

// ---- Draw and edit ------------------------------------------------------------------------------

void CTembraDoc::OnDrawOperation() {
    m_operation.SetDrawOperation();
    ClearAllSelections(TRUE);
}

void CTembraDoc::OnEditOperation() {
    m_operation.SetEditOperation();
    ClearAllSelections(TRUE);
}

void CTembraDoc::OnUpdateDrawOperation(CCmdUI* cmdUI) {
    const LONG mode = m_operation.GetMode();
    cmdUI->Enable(mode != Op::kModeObject && mode != Op::kModeChart ? TRUE : FALSE);
    cmdUI->SetCheck(m_operation.GetOperation() == Op::kOpDraw ? 1 : 0);
}

void CTembraDoc::OnUpdateEditOperation(CCmdUI* cmdUI) {
    cmdUI->Enable(TRUE);
    cmdUI->SetCheck(m_operation.GetOperation() == Op::kOpEdit ? 1 : 0);
}

// ---- Copy and move ------------------------------------------------------------------------------

namespace {

// The modes whose objects copy and move take.
bool CopiesInMode(LONG mode) {
    return mode == Op::kModeKoutei || mode == Op::kModeKoumoku || mode == Op::kModeYogo ||
           mode == Op::kModeEvent || mode == Op::kModeZukei || mode == Op::kModeShigen;
}

} // namespace

void CTembraDoc::OnEditCopy() {
    BeginCopyOrMove(true);
}

void CTembraDoc::OnEditMove() {
    BeginCopyOrMove(false);
}

void CTembraDoc::BeginCopyOrMove(bool copy) {
    if (IsKoumokuSelected()) {
        // Cells are copied and moved in the item mode for a while; the mode and operation to go
        // back to are saved, replacing those of an earlier switch.
        m_operation.RestoreMode();
        m_operation.SaveMode();
        m_operation.SaveOperation();
        if (copy) {
            m_operation.BeginItemCopy();
        } else {
            m_operation.BeginItemMove();
        }
        if (IObjectActionView* view = GetActiveObjectActionView()) {
            view->PostObjectAction(std::nullopt);
        }
        return;
    }
    if (m_operation.GetMode() == Op::kModeKoutei) {
        FilterSelectedKoutei(0);
    }
    const bool any = GetSelCount() > 0;
    if (copy) {
        m_operation.SetOperation(any ? Op::kOpCopy : Op::kOpCopyPick);
    } else {
        m_operation.SetOperation(any ? Op::kOpMove : Op::kOpMovePick);
    }
}

void CTembraDoc::OnUpdateEditCopy(CCmdUI* cmdUI) {
    const LONG op = m_operation.GetOperation();
    cmdUI->Enable(!HasColumnRange() && CopiesInMode(m_operation.GetMode()) ? TRUE : FALSE);
    cmdUI->SetCheck(op == Op::kOpCopy || op == Op::kOpCopyFree || op == Op::kOpCopyPick ? 1 : 0);
}

void CTembraDoc::OnUpdateEditMove(CCmdUI* cmdUI) {
    const LONG op = m_operation.GetOperation();
    cmdUI->Enable(!HasColumnRange() && CopiesInMode(m_operation.GetMode()) ? TRUE : FALSE);
    cmdUI->SetCheck(op == Op::kOpMove || op == Op::kOpMoveFree || op == Op::kOpMovePick ||
                            op == Op::kOpMoveBend
                        ? 1
                        : 0);
}

void CTembraDoc::OnUpdateCntrItemFlag(CCmdUI* cmdUI) {
    cmdUI->Enable(FALSE);
}

// ---- Term input ---------------------------------------------------------------------------------

void CTembraDoc::BeginTermInput() {
    const CConfigOperation& state = m_operation;
    if (state.GetMode() != Op::kModeKoutei || state.GetOperation() != Op::kOpDraw ||
        state.GetState() != 0 || state.GetSavedMode() != 0 || state.GetSavedOperation() != 0) {
        return;
    }
    if (state.GetWithYogo() == 0) {
        m_operation.SetTermMode();
        // One term, then back to drawing processes.
        m_operation.SetSavedMode(Op::kModeKoutei);
        m_operation.SetSavedOperation(Op::kOpDraw);
    }
    ClearAllSelections(TRUE);
    m_undo.Reset();
}

} // namespace tembra
