// The undo service of the schedule document: the one-step history of its editing operations,
// restoring each recorded change into the chart's lists and tables (processes and events in the
// object or the selection list by their selected flag, item cells in the item table by their row
// and column, progress lines, shapes with their entry in the selection, hatchings) or exchanging a
// before-image (a calendar, the item table's ruled-line types) with the chart's.
//
// While a step is undone or redone the lists are indexed, so that each change finds its object in
// constant time and a step of n changes is restored in O(n) however large the chart.
#pragma once

#include "document/ChartNotifier.h"
#include "document/ChartObjects.h"
#include "document/ObListIndex.h"
#include "model/Calendar.h"
#include "model/Undo.h"

#include <vector>

namespace tembra {

class CChartUndo : public CUndoHistory {
public:
    CChartUndo(CChartObjects& objects, CCalendar& calendar, CChartNotifier& notifier);

    // Puts one recorded change back: replacement takes the place of current in the list of its
    // kind (either may be null), or info (a calendar before-image, or the ruled-line types in a
    // CUndoInfo of kind kUndoKeisenTypes) is exchanged with the chart's. 0 for changes of kinds
    // the document does not hold, and for an object that is not where the change left it.
    int UndoRestor(CObject* current, CObject* replacement, CObject* info) override;

    // Puts replacement in the place of current in the hatching list (current null: appends it;
    // replacement null: takes current out) and redraws both. 0 when current is not listed.
    int ReplaceHatch(CKtkmHatch* current, CKtkmHatch* replacement);

    void BeginRestore() override;
    void EndRestore() override;

private:
    int RestoreObject(CDataHeader* current, CDataHeader* replacement);
    int ExchangeCalendar(CCalendar& saved);
    int ExchangeKeisenTypes(std::vector<WORD>& saved);
    // Exchanges current for replacement in one list (replacement null: removes it). FALSE when
    // current is not in the list.
    template <class T> static bool ExchangeIn(ObListIndex<T>& list, T* current, T* replacement);

    CChartObjects& m_objects;
    CCalendar& m_calendar;
    CChartNotifier& m_notifier;
    ObListIndex<CDataHeader> m_objList;
    ObListIndex<CDataHeader> m_selList;
    ObListIndex<CDataHeader> m_shincyokuList;
    ObListIndex<CDataHeader> m_zukeiList;
    ObListIndex<CKtkmHatch> m_hatchList;
};

} // namespace tembra
