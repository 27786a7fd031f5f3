// The term input that the term bar starts.
#include "document/YogoBarInput.h"

#include "document/ChartUndo.h"
#include "document/TembraDoc.h"
#include "model/ConfigOperation.h"

namespace tembra {

using Op = COperationState;

void CYogoBarInput::BeginTermInput() {
    CConfigOperation& operation = m_doc.GetOperation();
    const CConfigOperation& state = operation;
    if (state.GetMode() != Op::kModeKoutei || state.GetOperation() != Op::kOpDraw ||
        state.GetState() != 0 || state.GetSavedMode() != 0 || state.GetSavedOperation() != 0) {
        return;
    }
    if (state.GetWithYogo() == 0) {
        operation.SetTermMode();
        // One term, then back to drawing processes.
        operation.SetSavedMode(Op::kModeKoutei);
        operation.SetSavedOperation(Op::kOpDraw);
    }
    m_doc.ClearAllSelections(TRUE);
    m_undo.Reset();
}

void CYogoBarInput::OnYogoTextInput() {
    const LONG mode = m_doc.GetOperation().GetMode();
    BeginTermInput();
    if (m_doc.GetOperation().GetMode() != mode) {
        m_doc.UpdateAllViews(nullptr);
    }
}

} // namespace tembra
