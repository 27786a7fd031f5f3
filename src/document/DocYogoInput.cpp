#include "document/TembraDoc.h"

namespace tembra {

void CTembraDoc::OnYogoTextInput() {
    const LONG mode = m_operation.GetMode();
    BeginTermInput();
    if (m_operation.GetMode() != mode) {
        UpdateAllViews(nullptr);
    }
}

} // namespace tembra
