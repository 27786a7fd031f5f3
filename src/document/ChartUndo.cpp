#include "document/ChartUndo.h"

#include "document/KeisenTypeArray.h"
#include "document/RecordCast.h"
#include "document/UndoExchange.h"
#include "print/PrHeader.h"
#include "shapes/Zukei.h"

#include <memory>
#include <new>

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

template <class T>
bool CChartUndo::ExchangeIn(ObListIndex<T>& list, T* current, T* replacement, CUndoPlace* place) {
    const POSITION pos = list.Find(current);
    if (pos == nullptr) {
        return false;
    }
    if (replacement == nullptr) {
        if (place != nullptr) {
            POSITION after = pos;
            list.GetList().GetNext(after);
            place->SetNext(list.GetList().GetAt(after));
        }
        list.RemoveAt(pos);
    } else {
        list.SetAt(pos, replacement);
    }
    return true;
}

template <class T>
void CChartUndo::InsertAt(ObListIndex<T>& list, T* object, const CUndoPlace* place) {
    const void* next = place != nullptr ? place->GetNext() : nullptr;
    // The follower is only looked up, by its address, among the list's entries.
    const POSITION before = next != nullptr ? list.FindAddress(next) : nullptr;
    if (before != nullptr) {
        list.InsertBefore(before, object);
    } else {
        list.AddTail(object);
    }
}

int CChartUndo::AddDeleteAt(CObject* object, const void* next) {
    if (object == nullptr) {
        return 0;
    }
    std::unique_ptr<CUndoPlace> place;
    try {
        place = std::make_unique<CUndoPlace>(next);
    } catch (const std::bad_alloc&) {
        return AddDelete(object); // it comes back at the end of its list
    }
    if (AddDelete(object, place.get()) == 0) {
        return 0;
    }
    place.release(); // the history's now
    return 1;
}

int CChartUndo::UndoRestor(CObject* current, CObject* replacement, CObject* info) {
    if (current == nullptr && replacement == nullptr) {
        // A change that is no object exchange.
        if (auto* saved = dynamic_cast<CCalendar*>(info)) {
            return ExchangeCalendar(*saved);
        }
        if (auto* image = dynamic_cast<CUndoExchange*>(info)) {
            return image->Exchange();
        }
        if (auto* saved = dynamic_cast<CPrHeader*>(info)) {
            return m_exchangeHeader ? m_exchangeHeader(*saved) : 0;
        }
        const auto* undoInfo = dynamic_cast<CUndoInfo*>(info);
        auto* types = undoInfo != nullptr && undoInfo->GetValue() == kUndoKeisenTypes
                          ? dynamic_cast<CKeisenTypeArray*>(undoInfo->GetObject())
                          : nullptr;
        return types != nullptr ? ExchangeKeisenTypes(types->GetTypes()) : 0;
    }
    // Most records of a large step carry no place.
    auto* place = info != nullptr ? dynamic_cast<CUndoPlace*>(info) : nullptr;

    // The objects are told apart by their class records, which a replay of many records reads
    // far faster than a C++ cast of each.
    auto* hatchCurrent = DynamicDowncast<CKtkmHatch>(current);
    auto* hatchReplacement = DynamicDowncast<CKtkmHatch>(replacement);
    if (hatchCurrent != nullptr || hatchReplacement != nullptr) {
        return ReplaceHatch(hatchCurrent, hatchReplacement, place);
    }

    auto* headerCurrent = DynamicDowncast<CDataHeader>(current);
    auto* headerReplacement = DynamicDowncast<CDataHeader>(replacement);
    if ((current != nullptr && headerCurrent == nullptr) ||
        (replacement != nullptr && headerReplacement == nullptr)) {
        return 0;
    }
    return RestoreObject(headerCurrent, headerReplacement, place);
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

int CChartUndo::ReplaceHatch(CKtkmHatch* current, CKtkmHatch* replacement, CUndoPlace* place) {
    if (current == nullptr) {
        InsertAt(m_hatchList, replacement, place);
    } else if (!ExchangeIn(m_hatchList, current, replacement, place)) {
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

int CChartUndo::RestoreObject(CDataHeader* current, CDataHeader* replacement, CUndoPlace* place) {
    bool handled = false;
    if (current == nullptr) {
        handled = RestoreRemoved(replacement, place);
    } else {
        switch (current->GetType()) {
        case kTypeKoutei:
        case kTypeEvent:
            handled = ExchangeListed(current, replacement, place);
            break;
        case kTypeKoumoku:
            handled = ExchangeCell(current, replacement);
            break;
        case kTypeShincyoku:
            handled = ExchangeIn(m_shincyokuList, current, replacement, place);
            break;
        case kTypeZukei:
            handled = ExchangeZukei(current, replacement, place);
            break;
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

bool CChartUndo::RestoreRemoved(CDataHeader* replacement, CUndoPlace* place) {
    switch (replacement->GetType()) {
    case kTypeKoutei:
    case kTypeEvent:
        InsertAt(replacement->IsSelected() ? m_selList : m_objList, replacement, place);
        return true;
    case kTypeKoumoku:
        if (CKoumokuData* cell = AsKoumokuData(replacement)) {
            return m_objects.GetKoumoku().SetAt(cell->GetRow(), cell->GetColumn(), cell) != FALSE;
        }
        return false;
    case kTypeShincyoku:
        InsertAt(m_shincyokuList, replacement, place);
        return true;
    case kTypeZukei:
        // Back at its place in the drawing order; a selected shape also at the end of the
        // selection.
        InsertAt(m_zukeiList, replacement, place);
        if (replacement->IsSelected()) {
            m_selList.AddTail(replacement);
        }
        return true;
    default:
        return false;
    }
}

bool CChartUndo::ExchangeListed(CDataHeader* current, CDataHeader* replacement, CUndoPlace* place) {
    if (const POSITION pos = m_objList.Find(current)) {
        if (replacement == nullptr) {
            ExchangeIn<CDataHeader>(m_objList, current, nullptr, place);
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
        return true;
    }
    if (const POSITION selPos = m_selList.Find(current)) {
        if (replacement == nullptr) {
            ExchangeIn<CDataHeader>(m_selList, current, nullptr, place);
        } else {
            replacement->Select();
            m_selList.SetAt(selPos, replacement);
        }
        return true;
    }
    return false;
}

bool CChartUndo::ExchangeCell(CDataHeader* current, CDataHeader* replacement) {
    CKoumoku& table = m_objects.GetKoumoku();
    const CKoumokuData* cell = AsKoumokuData(current);
    if (cell != nullptr && table.GetAt(cell->GetRow(), cell->GetColumn()) == current) {
        return table.SetAt(cell->GetRow(), cell->GetColumn(), replacement) != FALSE;
    }
    return false;
}

bool CChartUndo::ExchangeZukei(CDataHeader* current, CDataHeader* replacement, CUndoPlace* place) {
    if (!ExchangeIn(m_zukeiList, current, replacement, place)) {
        return false;
    }
    const POSITION selPos = m_selList.Find(current);
    // The replacement is told what it is: a group passes it on to its members, which are drawn
    // and hit by their own flags.
    if (auto* shape = DynamicDowncast<CZukei>(replacement)) {
        if (shape->IsSelected()) {
            shape->Select();
        } else {
            shape->Deselect();
        }
    }
    if (replacement != nullptr && replacement->IsSelected()) {
        if (selPos != nullptr) {
            m_selList.SetAt(selPos, replacement);
        } else {
            m_selList.AddTail(replacement);
        }
    } else if (selPos != nullptr) {
        m_selList.RemoveAt(selPos);
    }
    return true;
}

} // namespace tembra
