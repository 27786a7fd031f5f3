#include "document/ChartUndo.h"

#include "document/KeisenTypeArray.h"
#include "document/RecordCast.h"

namespace tembra {

CChartUndo::CChartUndo(CChartObjects& objects, CCalendar& calendar, CChartNotifier& notifier)
    : m_objects(objects), m_calendar(calendar), m_notifier(notifier),
      m_objList(objects.GetObjList()), m_selList(objects.GetSelList()),
      m_shincyokuList(objects.GetShincyokuList()), m_zukeiList(objects.GetZukeiList()),
      m_hatchList(objects.GetHatchList()) {}

void CChartUndo::BeginRestore() {
    // Between these two calls the lists change only through the restores below.
    m_objList.Enable();
    m_selList.Enable();
    m_shincyokuList.Enable();
    m_zukeiList.Enable();
    m_hatchList.Enable();
}

void CChartUndo::EndRestore() {
    m_objList.Disable();
    m_selList.Disable();
    m_shincyokuList.Disable();
    m_zukeiList.Disable();
    m_hatchList.Disable();
}

template <class T> bool CChartUndo::ExchangeIn(ObListIndex<T>& list, T* current, T* replacement) {
    const POSITION pos = list.Find(current);
    if (pos == nullptr) {
        return false;
    }
    if (replacement == nullptr) {
        list.RemoveAt(pos);
    } else {
        list.SetAt(pos, replacement);
    }
    return true;
}

int CChartUndo::UndoRestor(CObject* current, CObject* replacement, CObject* info) {
    if (current == nullptr && replacement == nullptr) {
        // A change that is no object exchange.
        if (auto* saved = dynamic_cast<CCalendar*>(info)) {
            return ExchangeCalendar(*saved);
        }
        const auto* undoInfo = dynamic_cast<CUndoInfo*>(info);
        auto* types = undoInfo != nullptr && undoInfo->GetValue() == kUndoKeisenTypes
                          ? dynamic_cast<CKeisenTypeArray*>(undoInfo->GetObject())
                          : nullptr;
        return types != nullptr ? ExchangeKeisenTypes(types->GetTypes()) : 0;
    }

    auto* hatchCurrent = dynamic_cast<CKtkmHatch*>(current);
    auto* hatchReplacement = dynamic_cast<CKtkmHatch*>(replacement);
    if (hatchCurrent != nullptr || hatchReplacement != nullptr) {
        return ReplaceHatch(hatchCurrent, hatchReplacement);
    }

    auto* headerCurrent = dynamic_cast<CDataHeader*>(current);
    auto* headerReplacement = dynamic_cast<CDataHeader*>(replacement);
    if ((current != nullptr && headerCurrent == nullptr) ||
        (replacement != nullptr && headerReplacement == nullptr)) {
        return 0;
    }
    return RestoreObject(headerCurrent, headerReplacement);
}

int CChartUndo::ExchangeCalendar(CCalendar& saved) {
    // The before-image takes the place of the working calendar, which goes into the record for
    // the way back.
    CCalendar exchanged;
    m_calendar.CopyTo(&exchanged);
    saved.CopyTo(&m_calendar);
    exchanged.CopyTo(&saved);
    m_notifier.RedrawAll();
    return 1;
}

int CChartUndo::ExchangeKeisenTypes(std::vector<WORD>& saved) {
    // The saved types become the table's; the table's go into the record for the way back.
    CKoumoku& table = m_objects.GetKoumoku();
    std::vector<WORD> current;
    table.CopyKeisenTypes(current, 0);
    table.CopyKeisenTypes(saved, 1);
    saved.swap(current);
    m_notifier.RedrawAll();
    return 1;
}

int CChartUndo::ReplaceHatch(CKtkmHatch* current, CKtkmHatch* replacement) {
    if (current == nullptr) {
        m_hatchList.AddTail(replacement);
    } else if (!ExchangeIn(m_hatchList, current, replacement)) {
        return 0;
    }
    if (current != nullptr) {
        m_notifier.RedrawObject(current);
    }
    if (replacement != nullptr) {
        m_notifier.RedrawObject(replacement);
    }
    return 1;
}

int CChartUndo::RestoreObject(CDataHeader* current, CDataHeader* replacement) {
    const CDataHeader* known = current != nullptr ? current : replacement;
    const WORD type = known->GetType();
    CKoumoku& table = m_objects.GetKoumoku();
    bool handled = false;

    if (current == nullptr) {
        // An object comes back.
        switch (type) {
        case kTypeKoutei:
        case kTypeEvent:
            (replacement->IsSelected() ? m_selList : m_objList).AddTail(replacement);
            handled = true;
            break;
        case kTypeKoumoku:
            if (CKoumokuData* cell = AsKoumokuData(replacement)) {
                handled = table.SetAt(cell->GetRow(), cell->GetColumn(), cell) != FALSE;
            }
            break;
        case kTypeShincyoku:
            m_shincyokuList.AddTail(replacement);
            handled = true;
            break;
        case kTypeZukei:
            m_zukeiList.AddTail(replacement);
            if (replacement->IsSelected()) {
                m_selList.AddTail(replacement);
            }
            handled = true;
            break;
        default:
            break;
        }
    } else {
        switch (type) {
        case kTypeKoutei:
        case kTypeEvent:
            if (const POSITION pos = m_objList.Find(current)) {
                if (replacement == nullptr) {
                    m_objList.RemoveAt(pos);
                } else {
                    if (replacement->IsSelected()) {
                        if (CKoutei* process = AsKoutei(replacement)) {
                            process->Deselect();
                            process->DeselectYogo(-1);
                        } else {
                            replacement->Deselect();
                        }
                    }
                    m_objList.SetAt(pos, replacement);
                }
                handled = true;
            } else if (const POSITION selPos = m_selList.Find(current)) {
                if (replacement == nullptr) {
                    m_selList.RemoveAt(selPos);
                } else {
                    replacement->Select();
                    m_selList.SetAt(selPos, replacement);
                }
                handled = true;
            }
            break;
        case kTypeKoumoku: {
            const CKoumokuData* cell = AsKoumokuData(current);
            if (cell != nullptr && table.GetAt(cell->GetRow(), cell->GetColumn()) == current) {
                handled = table.SetAt(cell->GetRow(), cell->GetColumn(), replacement) != FALSE;
            }
            break;
        }
        case kTypeShincyoku:
            handled = ExchangeIn(m_shincyokuList, current, replacement);
            break;
        case kTypeZukei: {
            handled = ExchangeIn(m_zukeiList, current, replacement);
            if (!handled) {
                break;
            }
            const POSITION selPos = m_selList.Find(current);
            if (replacement != nullptr && replacement->IsSelected()) {
                if (selPos != nullptr) {
                    m_selList.SetAt(selPos, replacement);
                } else {
                    m_selList.AddTail(replacement);
                }
            } else if (selPos != nullptr) {
                m_selList.RemoveAt(selPos);
            }
            break;
        }
        default:
            break;
        }
    }
    if (!handled) {
        return 0;
    }
    if (current != nullptr) {
        m_notifier.RedrawObject(current);
    }
    if (replacement != nullptr) {
        m_notifier.RedrawObject(replacement);
    }
    return 1;
}

} // namespace tembra
