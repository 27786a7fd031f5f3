// The document's commands of the mode menu (ﾓｰﾄﾞ) and the copy and move commands of the Edit
// menu.
#include "document/AppState.h"
#include "document/CommandIds.h"
#include "document/ObjectActionView.h"
#include "document/TembraDoc.h"
#include "document/commands/DocCommandTable.h"

#include <array>

namespace tembra {

namespace {

using Op = COperationState;

// The modes whose objects copy and move take.
bool CopiesInMode(LONG mode) {
    return mode == Op::kModeKoutei || mode == Op::kModeKoumoku || mode == Op::kModeYogo ||
           mode == Op::kModeEvent || mode == Op::kModeZukei || mode == Op::kModeShigen;
}

// ---- The mode keys ------------------------------------------------------------------------------
// The mode keys: the mode (the term and event keys also focus the term bar's input; the shape key
// leaves an unchanged mode's operation and sub-state alone), then every selection is dropped and
// the undo history emptied.

// What every mode key ends with: an undo never reaches across a change of mode.
void EndModeCommand(CTembraDoc& doc) {
    doc.ClearAllSelections(TRUE);
    doc.GetUndoHistory().Reset();
}

void OnModeKoutei(CTembraDoc& doc) {
    doc.GetOperation().SetMode(Op::kModeKoutei);
    EndModeCommand(doc);
}

void OnModeYogo(CTembraDoc& doc) {
    if (doc.GetOperation().GetMode() != Op::kModeYogo) {
        doc.GetOperation().SetTermMode();
        GetAppState()->FocusYogoCombo(1);
    }
    EndModeCommand(doc);
}

void OnModeEvent(CTembraDoc& doc) {
    if (doc.GetOperation().GetMode() != Op::kModeEvent) {
        doc.GetOperation().SetEventMode();
        GetAppState()->FocusYogoCombo(1);
    }
    EndModeCommand(doc);
}

void OnModeShincyoku(CTembraDoc& doc) {
    doc.GetOperation().SetProgressMode();
    EndModeCommand(doc);
}

void OnModeZukei(CTembraDoc& doc) {
    // Chosen again, the shape mode keeps a deformation or drawing in progress.
    if (doc.GetOperation().GetMode() != Op::kModeZukei) {
        doc.GetOperation().SetZukeiMode();
    }
    EndModeCommand(doc);
}

void OnModeObject(CTembraDoc& doc) {
    doc.GetOperation().SetObjectMode();
    doc.GetOperation().SetEditOperation();
    EndModeCommand(doc);
}

void OnModeShigen(CTembraDoc& doc) {
    if (doc.GetOperation().GetMode() != Op::kModeShigen) {
        doc.GetOperation().SetShigenMode();
    }
    EndModeCommand(doc);
}

void OnModeChart(CTembraDoc& doc) {
    if (doc.GetOperation().GetMode() != Op::kModeChart) {
        doc.GetOperation().SetChartMode();
        doc.GetOperation().SetEditOperation();
    }
    EndModeCommand(doc);
}

void OnUpdateModeKoutei(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->SetCheck(doc.GetOperation().GetMode() == Op::kModeKoutei ? 1 : 0);
}

void OnUpdateModeYogo(CTembraDoc& doc, CCmdUI* cmdUI) {
    const bool withProcess = doc.GetOperation().GetMode() == Op::kModeKoutei &&
                             doc.GetOperation().GetOperation() == Op::kOpDraw &&
                             doc.GetOperation().GetWithYogo() != 0;
    cmdUI->SetCheck(doc.GetOperation().GetMode() == Op::kModeYogo || withProcess ? 1 : 0);
}

void OnUpdateModeEvent(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->SetCheck(doc.GetOperation().GetMode() == Op::kModeEvent ? 1 : 0);
}

void OnUpdateModeShincyoku(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->SetCheck(doc.GetOperation().GetMode() == Op::kModeShincyoku ? 1 : 0);
}

void OnUpdateModeZukei(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->SetCheck(doc.GetOperation().GetMode() == Op::kModeZukei ? 1 : 0);
}

void OnUpdateModeObject(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->SetCheck(doc.GetOperation().GetMode() == Op::kModeObject ? 1 : 0);
}

void OnUpdateModeShigen(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->SetCheck(doc.GetOperation().GetMode() == Op::kModeShigen ? 1 : 0);
}

void OnUpdateModeChart(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(doc.GetShigenNames().empty() ? FALSE : TRUE);
    cmdUI->SetCheck(doc.GetOperation().GetMode() == Op::kModeChart ? 1 : 0);
}

void OnDrawOperation(CTembraDoc& doc) {
    doc.GetOperation().SetDrawOperation();
    doc.ClearAllSelections(TRUE);
}

void OnEditOperation(CTembraDoc& doc) {
    doc.GetOperation().SetEditOperation();
    doc.ClearAllSelections(TRUE);
}

void OnUpdateDrawOperation(CTembraDoc& doc, CCmdUI* cmdUI) {
    const LONG mode = doc.GetOperation().GetMode();
    cmdUI->Enable(mode != Op::kModeObject && mode != Op::kModeChart ? TRUE : FALSE);
    cmdUI->SetCheck(doc.GetOperation().GetOperation() == Op::kOpDraw ? 1 : 0);
}

void OnUpdateEditOperation(CTembraDoc& doc, CCmdUI* cmdUI) {
    cmdUI->Enable(TRUE);
    cmdUI->SetCheck(doc.GetOperation().GetOperation() == Op::kOpEdit ? 1 : 0);
}

void BeginCopyOrMove(CTembraDoc& doc, bool copy) {
    if (doc.GetKoumokuCells().IsKoumokuSelected()) {
        // Cells are copied and moved in the item mode for a while; the mode and operation to go
        // back to are saved, replacing those of an earlier switch.
        doc.GetOperation().RestoreMode();
        doc.GetOperation().SaveMode();
        doc.GetOperation().SaveOperation();
        if (copy) {
            doc.GetOperation().BeginItemCopy();
        } else {
            doc.GetOperation().BeginItemMove();
        }
        if (IObjectActionView* view = GetActiveObjectActionView()) {
            view->PostObjectAction(std::nullopt);
        }
        return;
    }
    if (doc.GetOperation().GetMode() == Op::kModeKoutei) {
        doc.FilterSelectedKoutei(0);
    }
    const bool any = doc.GetSelCount() > 0;
    if (copy) {
        doc.GetOperation().SetOperation(any ? Op::kOpCopy : Op::kOpCopyPick);
    } else {
        doc.GetOperation().SetOperation(any ? Op::kOpMove : Op::kOpMovePick);
    }
}

void OnEditCopy(CTembraDoc& doc) {
    BeginCopyOrMove(doc, true);
}

void OnEditMove(CTembraDoc& doc) {
    BeginCopyOrMove(doc, false);
}

void OnUpdateEditCopy(CTembraDoc& doc, CCmdUI* cmdUI) {
    const LONG op = doc.GetOperation().GetOperation();
    cmdUI->Enable(!doc.HasColumnRange() && CopiesInMode(doc.GetOperation().GetMode()) ? TRUE
                                                                                      : FALSE);
    cmdUI->SetCheck(op == Op::kOpCopy || op == Op::kOpCopyFree || op == Op::kOpCopyPick ? 1 : 0);
}

void OnUpdateEditMove(CTembraDoc& doc, CCmdUI* cmdUI) {
    const LONG op = doc.GetOperation().GetOperation();
    cmdUI->Enable(!doc.HasColumnRange() && CopiesInMode(doc.GetOperation().GetMode()) ? TRUE
                                                                                      : FALSE);
    cmdUI->SetCheck(op == Op::kOpMove || op == Op::kOpMoveFree || op == Op::kOpMovePick ||
                            op == Op::kOpMoveBend
                        ? 1
                        : 0);
}

void OnUpdateCntrItemFlag(CTembraDoc& /*doc*/, CCmdUI* cmdUI) {
    cmdUI->Enable(FALSE);
}

constexpr std::array kModeMenu{
    DocCommand{ID_MODE_DRAW, &OnDrawOperation, &OnUpdateDrawOperation},
    DocCommand{ID_MODE_EDIT, &OnEditOperation, &OnUpdateEditOperation},
    DocCommand{ID_MODE_KOUTEI, &OnModeKoutei, &OnUpdateModeKoutei},
    DocCommand{ID_MODE_YOGO, &OnModeYogo, &OnUpdateModeYogo},
    DocCommand{ID_MODE_EVENT, &OnModeEvent, &OnUpdateModeEvent},
    DocCommand{ID_MODE_SHINCYOKU, &OnModeShincyoku, &OnUpdateModeShincyoku},
    DocCommand{ID_MODE_ZUKEI, &OnModeZukei, &OnUpdateModeZukei},
    DocCommand{ID_MODE_OBJECT, &OnModeObject, &OnUpdateModeObject},
    DocCommand{ID_MODE_SHIGEN, &OnModeShigen, &OnUpdateModeShigen},
    DocCommand{ID_MODE_CHART, &OnModeChart, &OnUpdateModeChart},
    DocCommand{ID_MODE_COPY, &OnEditCopy, &OnUpdateEditCopy},
    DocCommand{ID_MODE_MOVE, &OnEditMove, &OnUpdateEditMove},
    DocCommand{ID_OBJECT_WHITE_BACK, nullptr, &OnUpdateCntrItemFlag}, // 背景白抜き
    DocCommand{ID_OBJECT_FRAME, nullptr, &OnUpdateCntrItemFlag},      // 枠表示
};

} // namespace

std::span<const DocCommand> DocModeMenu() {
    return kModeMenu;
}

} // namespace tembra
