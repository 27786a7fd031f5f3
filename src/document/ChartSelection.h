// The selection of a chart: moving chart objects between the object list and the selection list
// of the chart's records, by position, by kind, by area and by rule.
//
// Every chart object is in exactly one of the two lists, and its selected flag is 1 exactly while
// it is in the selection list, which keeps the order of selection. Drawing shapes stay in the
// shape list while they pass through the selection list. Adding to either list marks the document
// modified and changed since its last save; what moves is redrawn unless redrawing is held.
#pragma once

#include "document/ChartNotifier.h"
#include "document/ChartObjects.h"
#include "document/ObList.h"
#include "model/DataHeader.h"
#include "model/Koutei.h"
#include "platform/Types.h"

#include <cstdint>

namespace tembra {

class CChartSelection {
public:
    CChartSelection(CChartObjects& objects, CChartNotifier& notifier)
        : m_objects(objects), m_notifier(notifier) {}
    CChartSelection(const CChartSelection&) = delete;
    CChartSelection& operator=(const CChartSelection&) = delete;

    // Appends the object to the object list, which takes it over; redraws it when asked (and
    // not held). Returns its position.
    POSITION AddObj(CDataHeader* object, BOOL redraw = TRUE);
    // Appends the object to the selection list, which takes it over (a shape stays the shape
    // list's); redraws it unless held.
    POSITION AddSel(CDataHeader* object);

    // Takes the selected object at pos out of the selection: a process loses the selection of
    // its line, nodes, terms and resources, its pivot mark and, unless it is a relation line,
    // its node numbers; a shape is only redrawn (it stays in the shape list); any other object
    // goes to the object list (AddObj with redraw). Returns AddObj's result (null for a shape).
    POSITION UnselectAt(POSITION pos, BOOL redraw = TRUE);
    // Deselects everything, the selected resource charts too. Returns the last AddObj result.
    POSITION UnselectAll(BOOL redraw = TRUE);
    // Marks the selected object at pos selected again and moves it to the end of the selection.
    void MoveSelToTail(POSITION pos);
    // Marks the object at an object-list position selected and moves it into the selection.
    // Returns its selection position.
    POSITION SelectAt(POSITION pos);
    POSITION SelectLastObj();
    // Selects every object of the object mode on a shown layer: processes with their line and
    // nodes (mode 1), processes with all their terms (2), processes with their resources (7),
    // events (6). Returns how many moved into the selection.
    int SelectAll(LONG mode);
    // Deselects the most recently selected object; FALSE when nothing is selected.
    BOOL CancelLastSel();
    // Deselects selected, unmarked processes by rule: -1 all; 0 those whose line or both nodes
    // are not selected (a lone selected gate line stays); 1 those whose start node is not
    // selected; 2 end node; 3 unless line and both nodes are selected.
    void FilterKoutei(int rule);
    // Selects the objects in the range of dates and rows (a negative first date or row counts
    // as 0, a negative last one as unlimited): process nodes inside it (and their lines when
    // either node is, or with bothNodes when both are), events, and the shapes whose anchors'
    // dates and rows lie inside it. Returns how many objects moved into the selection.
    int SelectInArea(std::int64_t firstDate, int firstRow, std::int64_t lastDate, int lastRow,
                     BOOL bothNodes);
    // Moves every relation line out of the selection, or (Select...) every unselected one in.
    void DeselectRelationLines();
    void SelectRelationLines();

    // Walks the selection from its head up to the entry that was last when the walk began; fn
    // gets the position and the object and may deselect or delete that entry. readBytes: how much
    // of each object fn reads (its head unless told more), asked for from memory ahead.
    template <class Fn> void ForEachSelected(Fn fn, std::size_t readBytes = kCacheLineBytes);

    // The pivot mark of a process (set by a duration change, cleared when it is deselected).
    static WORD GetMark(const CKoutei* process) {
        return static_cast<WORD>(process->GetAdjustMark());
    }

private:
    static void DeselectParts(CKoutei& process);

    CChartObjects& m_objects;
    CChartNotifier& m_notifier;
};

template <class Fn> void CChartSelection::ForEachSelected(Fn fn, std::size_t readBytes) {
    OwnedObList<CDataHeader>& selection = m_objects.GetSelList();
    const POSITION last = selection.GetTailPosition();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        const bool isLast = current == last;
        ObList<CDataHeader>::PrefetchAhead(current, readBytes);
        CDataHeader* object = selection.GetNext(pos);
        fn(current, object);
        if (isLast) {
            break;
        }
    }
}

} // namespace tembra
