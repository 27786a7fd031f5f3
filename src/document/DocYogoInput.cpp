#include "document/TembraDoc.h"

namespace tembra {

void CTembraDoc::OnYogoTextInput() {
    const CConfigOperation& operation = m_operation;
    if (operation.GetMode() != COperationState::kModeKoutei ||
        operation.GetOperation() != COperationState::kOpDraw || operation.GetState() != 0 ||
        operation.GetSavedMode() != 0 || operation.GetSavedOperation() != 0) {
        return;
    }
    m_operation.SetMode(COperationState::kModeYogo);
    UpdateAllViews(nullptr);
    m_undo.Reset();
}

} // namespace tembra
