// The undo service of the schedule document: the one-step history of its editing operations,
// restoring each recorded change into the chart's lists and tables (processes and events in the
// object or the selection list by their selected flag, item cells in the item table by their row
// and column, progress lines, shapes with their entry in the selection, hatchings) or exchanging a
// before-image (a calendar, the item table's ruled-line types, the print header) with the
// chart's.
//
// A record that comes back takes its old place when its deletion was recorded with the place
// (AddDeleteAt): in front of the record that followed it. Without a place it goes to the end of
// its list. A replaced record keeps its place in any case.
//
// While a step is undone or redone the lists are indexed, so that each change finds its object in
// constant time and a step of n changes is restored in O(n) however large the chart.
#pragma once

#include "document/ChartNotifier.h"
#include "document/ChartObjects.h"
#include "document/ObListIndex.h"
#include "document/UndoPlace.h"
#include "model/Calendar.h"
#include "model/Koutei.h"
#include "model/Undo.h"

#include <functional>
#include <utility>
#include <vector>

namespace tembra {

class CPrHeader;

class CChartUndo : public CUndoHistory {
public:
    CChartUndo(CChartObjects& objects, CCalendar& calendar, CChartNotifier& notifier);

    // Puts one recorded change back: replacement takes the place of current in the list of its
    // kind (either may be null; info a CUndoPlace when the deletion was recorded with its place),
    // or info (a calendar before-image, the ruled-line types in a CUndoInfo of kind
    // kUndoKeisenTypes, a print header, or a CUndoExchange of the document's settings) is
    // exchanged with the chart's. 0 for changes of kinds the document does not hold, and for an
    // object that is not where the change left it.
    int UndoRestor(CObject* current, CObject* replacement, CObject* info) override;

    // Records that object was taken out of its list, in front of next (null: it was the last),
    // so that an undo puts it back there. Without room for the place the deletion is recorded
    // without it. 1 when recorded; on 0 the object stays with the caller.
    int AddDeleteAt(CObject* object, const void* next);

    // Puts replacement in the place of current in the hatching list (current null: adds it, in
    // front of the place's follower when a place is given, else at the end; replacement null:
    // takes current out, noting its follower in the place) and redraws both. 0 when current is
    // not listed.
    int ReplaceHatch(CKtkmHatch* current, CKtkmHatch* replacement, CUndoPlace* place = nullptr);

    // Who exchanges a print header's before-image (a CPrHeader as the info of a change) with
    // the document's: the document, which also retitles and redraws.
    void SetHeaderExchange(std::function<int(CPrHeader&)> exchange) {
        m_exchangeHeader = std::move(exchange);
    }

    void BeginRestore() override;
    void EndRestore() override;
    // A chart's large steps are mostly processes, whose deletion reads all of them.
    std::size_t OldObjectBytes() const override { return sizeof(CKoutei); }

private:
    int RestoreObject(CDataHeader* current, CDataHeader* replacement, CUndoPlace* place);
    // The steps of RestoreObject, each true when it has restored: an object that comes back; a
    // process or event put in the place of current (in the chart list or the selection); a
    // table cell; a shape, with its selection.
    bool RestoreRemoved(CDataHeader* replacement, CUndoPlace* place);
    bool ExchangeListed(CDataHeader* current, CDataHeader* replacement, CUndoPlace* place);
    bool ExchangeCell(CDataHeader* current, CDataHeader* replacement);
    bool ExchangeZukei(CDataHeader* current, CDataHeader* replacement, CUndoPlace* place);
    int ExchangeCalendar(CCalendar& saved);
    int ExchangeKeisenTypes(std::vector<WORD>& saved);
    // Exchanges current for replacement in one list (replacement null: removes it, noting in
    // the place, when given, the entry that followed it). FALSE when current is not in the
    // list.
    template <class T>
    static bool ExchangeIn(ObListIndex<T>& list, T* current, T* replacement, CUndoPlace* place);
    // Adds the object in front of the place's follower when that is in the list, else at the
    // end.
    template <class T>
    static void InsertAt(ObListIndex<T>& list, T* object, const CUndoPlace* place);

    CChartObjects& m_objects;
    CCalendar& m_calendar;
    CChartNotifier& m_notifier;
    ObListIndex<CDataHeader> m_objList;
    ObListIndex<CDataHeader> m_selList;
    ObListIndex<CDataHeader> m_shincyokuList;
    ObListIndex<CDataHeader> m_zukeiList;
    ObListIndex<CKtkmHatch> m_hatchList;
    std::function<int(CPrHeader&)> m_exchangeHeader;
};

} // namespace tembra
