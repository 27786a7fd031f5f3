// The copy and cut of a chart's selection to the application's clipboards, as a part of the
// document: the copied processes, events and shapes, the resource table and the link records that
// go with copied processes, and the relation lines of pasted objects (ChartClipboard.cpp).
//
// A copy reads the selection through the document's walks and copies, and a cut deletes it there
// with the relation-line check, so it works on the CTembraDoc that holds it.
#pragma once

#include "document/ObList.h"
#include "model/Calendar.h"
#include "model/DataHeader.h"
#include "model/Koutei.h"

namespace tembra {

class CChartUndo;
class CTembraDoc;

class CChartClipboard {
public:
    CChartClipboard(CTembraDoc& doc, CChartUndo& undo) : m_doc(doc), m_undo(undo) {}
    CChartClipboard(const CChartClipboard&) = delete;
    CChartClipboard& operator=(const CChartClipboard&) = delete;

    // Copies the fully selected processes to the application's object clipboard (with the
    // resource table and the link records when any was copied) and clones the selected shapes
    // to the head of its shape clipboard. Returns how many objects were copied.
    int CopySelectedObjects();
    // Copies, then deletes the selection and checks the relation lines (PropagateKankei) in one
    // undo step. Returns 0.
    int CutSelectedObjects();
    // Rebuilds the application's link records over its clipboard processes, converting the
    // durations of those that do not count holidays into working time of the calendar.
    void BuildKouteiLinks(const CCalendar& calendar);
    // Marks the relation lines among pasted objects whose two ends were not pasted with both
    // nodes selected (flag -1) and takes the other processes out of the list. Returns 1 when
    // relation lines remain.
    int MarkPastedRelationLines(ObList<CDataHeader>& pasted);
    // Points the selected relation lines that refer to oldProcess at newProcess (unless that is
    // a relation line itself).
    void ReattachPastedRelationLines(const CKoutei* oldProcess, const CKoutei* newProcess);

private:
    CTembraDoc& m_doc;
    CChartUndo& m_undo;
};

} // namespace tembra
