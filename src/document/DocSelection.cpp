// The selection list of the document: replacing a selected object with an undo record, and the
// selections that depend on the document's object mode.
#include "document/TembraDoc.h"

namespace tembra {

CDataHeader* CTembraDoc::ReplaceSelAt(POSITION pos, CDataHeader* newObject, int mode) {
    CDataHeader* old = GetSelList().GetAt(pos);
    if (old == nullptr || newObject == nullptr || newObject == old) {
        return nullptr;
    }
    GetSelList().SetAt(pos, newObject);
    if (m_undo.AddChange(old, newObject) == 0) {
        DiscardUnrecorded(old);
        old = nullptr;
    }
    RedrawObject(newObject);
    if (mode == 1) {
        UnselectAt(pos);
    } else {
        MoveSelToTail(pos);
    }
    return old;
}

int CTembraDoc::SelectAll(LONG mode) {
    return m_selection.SelectAll(mode == -1 ? m_operation.GetMode() : mode);
}

void CTembraDoc::FilterSelectedKoutei(int rule) {
    if (m_operation.GetMode() != 1 || GetSelList().IsEmpty()) {
        return;
    }
    m_selection.FilterKoutei(rule);
}

} // namespace tembra
