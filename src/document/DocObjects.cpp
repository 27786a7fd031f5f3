// The object list of the document: replacing an object with an undo record, deleting the
// selected and the unselected objects and shapes with undo records, the lookups in the
// application's clipboard, and dropping every selection.
#include "document/AppState.h"
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

bool CTembraDoc::RemoveRecorded(OwnedObList<CDataHeader>& list, POSITION pos) {
    CDataHeader* object = list.GetAt(pos);
    POSITION after = pos;
    list.GetNext(after);
    const CDataHeader* next = list.GetAt(after);
    list.RemoveAt(pos);
    if (m_undo.AddDeleteAt(object, next) == 0) {
        DiscardUnrecorded(object);
        return false;
    }
    return true;
}

int CTembraDoc::DeleteSelAt(POSITION pos) {
    CDataHeader* object = GetSelList().GetAt(pos);
    if (object == nullptr) {
        return 0;
    }
    RedrawObject(object);
    RemoveRecorded(GetSelList(), pos);
    return 1;
}

int CTembraDoc::DeleteObjAt(POSITION pos) {
    CDataHeader* object = GetObjList().GetAt(pos);
    if (object == nullptr) {
        return 0;
    }
    RedrawObject(object);
    RemoveRecorded(GetObjList(), pos);
    m_notifier.MarkChanged();
    return 1;
}

void CTembraDoc::DeleteAllObjects() {
    while (!GetObjList().IsEmpty()) {
        DeleteObjAt(GetObjList().GetHeadPosition());
    }
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
        RemoveRecorded(GetZukeiList(), pos);
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

// ---- The application's clipboard ----------------------------------------------------------------

CKoutei* CTembraDoc::FindClipKouteiByNumber(const CObSeqNumber& number, int which) {
    return CChartObjects::FindKouteiByNumberIn(GetAppState()->GetObjectClipboard(), number, which);
}

int CTembraDoc::GetClipboardCount() {
    return GetAppState()->GetObjectClipboard().GetCount();
}

// ---- Every selection ----------------------------------------------------------------------------

void CTembraDoc::ClearAllSelections(BOOL keepCells) {
    // With nothing selected this only deselects the resource charts, which are selected in
    // place.
    UnselectAll(TRUE);
    SetCurrentCntrItem(nullptr, FALSE);
    ClearSelectedKoumokuCells(keepCells);
    RedrawColumnRange(TRUE);
    const LONG operation = m_operation.GetOperation();
    if ((operation == COperationState::kOpDeformApply ||
         operation == COperationState::kOpDeformPick) &&
        m_operation.GetMode() != COperationState::kModeZukei) {
        m_operation.SetEditOperation();
    }
}

BOOL CTembraDoc::CanDelete() const {
    if (IsKoumokuSelected() || HasColumnRange()) {
        return TRUE;
    }
    switch (m_operation.GetMode()) {
    case COperationState::kModeKoutei:
    case COperationState::kModeYogo:
    case COperationState::kModeEvent:
    case COperationState::kModeShigen:
        return GetSelCount() > 0 ? TRUE : FALSE;
    case COperationState::kModeShincyoku:
        return GetShincyokuCount() > 0 ? TRUE : FALSE;
    case COperationState::kModeZukei:
        return GetSelCount() > 0 ? TRUE : FALSE;
    case COperationState::kModeObject:
        return GetCurrentCntrItem() != nullptr ? TRUE : FALSE;
    case COperationState::kModeChart:
        return GetResourceCharts().CountSelectedCharts(0) > 0 ? TRUE : FALSE;
    default:
        return FALSE;
    }
}

BOOL CTembraDoc::HoldsNothing() const {
    const bool empty =
        GetObjList().IsEmpty() && GetSelList().IsEmpty() && m_objects.GetZukeiList().IsEmpty() &&
        m_objects.GetShincyokuList().IsEmpty() && m_objects.GetHatchList().IsEmpty() &&
        m_objects.GetChartList().IsEmpty() && GetKoumokuRowCount(-1) <= 0;
    return empty ? TRUE : FALSE;
}

} // namespace tembra
