// The term input that the term bar starts.
#include "document/TembraDoc.h"

#include "model/ConfigOperation.h"

namespace tembra {

using Op = COperationState;

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

void CTembraDoc::OnYogoTextInput() {
    const LONG mode = m_operation.GetMode();
    BeginTermInput();
    if (m_operation.GetMode() != mode) {
        UpdateAllViews(nullptr);
    }
}

} // namespace tembra
