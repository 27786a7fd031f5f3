// The document's commands of the Edit menu's selection group.
#include "document/AppState.h"
#include "document/TembraDoc.h"

namespace tembra {

void CTembraDoc::OnEditSelectAll() {
    if (GetSelCount() == 0) {
        if (GetObjCount() == 0 && GetZukeiCount() == 0) {
            return;
        }
        SelectAll(-1);
        if (m_operation.GetMode() == COperationState::kModeZukei) {
            SelectAllZukei();
        }
        m_undo.Reset();
    } else {
        UnselectAll(TRUE);
    }
    // Selecting marks the objects without redrawing them.
    UpdateAllViews(nullptr);
}

void CTembraDoc::OnUpdateEditSelectAll(CCmdUI* cmdUI) const {
    const LONG mode = m_operation.GetMode();
    const bool modeTakes =
        mode == COperationState::kModeKoutei || mode == COperationState::kModeYogo ||
        mode == COperationState::kModeShigen || mode == COperationState::kModeEvent ||
        mode == COperationState::kModeZukei;
    const bool anything = GetObjCount() > 0 || GetZukeiCount() > 0 || GetSelCount() > 0;
    cmdUI->Enable(modeTakes && anything ? TRUE : FALSE);
}

CView* CTembraDoc::GetActiveView() const {
    return GetAppState()->GetActiveView();
}

} // namespace tembra
