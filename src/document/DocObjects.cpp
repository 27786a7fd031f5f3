// The object list of the document: replacing an object with an undo record, and deleting the
// selected objects and shapes with undo records.
#include "document/RecordCast.h"
#include "document/TembraDoc.h"

namespace tembra {

// ---- Replacing ----------------------------------------------------------------------------------

CDataHeader* CTembraDoc::ReplaceObjAt(POSITION pos, CDataHeader* newObject) {
    CDataHeader* old = GetObjList().GetAt(pos);
    if (old == nullptr || newObject == nullptr || newObject == old) {
        return nullptr;
    }
    GetObjList().SetAt(pos, newObject);
    if (m_undo.AddChange(old, newObject) == 0) {
        DiscardUnrecorded(old);
        old = nullptr;
    }
    RedrawObject(newObject);
    return old;
}

// ---- Deletion with undo -------------------------------------------------------------------------

void CTembraDoc::DiscardUnrecorded(CDataHeader* object) {
    // Without a record the object could come back from nowhere: it goes now. What a list still
    // holds is the list's, whatever the history said.
    if (!m_objects.Holds(object)) {
        delete object;
    }
}

void CTembraDoc::RecordDeletion(CDataHeader* object) {
    if (m_undo.AddDelete(object) == 0) {
        DiscardUnrecorded(object);
    }
}

int CTembraDoc::DeleteSelAt(POSITION pos) {
    CDataHeader* object = GetSelList().GetAt(pos);
    if (object == nullptr) {
        return 0;
    }
    RedrawObject(object);
    GetSelList().RemoveAt(pos);
    RecordDeletion(object);
    return 1;
}

void CTembraDoc::DeleteZukei(CDataHeader* shape) {
    if (shape == nullptr) {
        return;
    }
    if (const POSITION selected = GetSelList().Find(shape)) {
        GetSelList().RemoveAt(selected);
    }
    RedrawObject(shape);
    if (const POSITION pos = GetZukeiList().Find(shape)) {
        GetZukeiList().RemoveAt(pos);
        RecordDeletion(shape);
    }
}

void CTembraDoc::DeleteSelection() {
    ForEachSelected([this](POSITION pos, CDataHeader* object) {
        if (const CKoutei* process = AsKoutei(object);
            process != nullptr && !process->IsLinesSelected()) {
            return; // only some of its parts were selected
        }
        if (object->GetType() == kTypeZukei) {
            DeleteZukei(object);
        } else {
            DeleteSelAt(pos);
        }
    });
    if (!GetSelList().IsEmpty()) {
        UnselectAll(TRUE);
    }
}

} // namespace tembra
