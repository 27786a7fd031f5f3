// Chains of linked processes as a part of the document: how two processes meet, the walk that
// selects a whole chain, the change of a duration that pushes or pulls its chain while spare days
// give way, and the relation-line check that keeps relation lines attached to the processes they
// link (KouteiChains.cpp).
//
// Processes meet at their nodes and, by a relation node, on another's line; the parts are
// kContactStart, kContactEnd and kContactLine (KouteiContactIndex.h). A walk along a chain marks
// the parts it reaches and moves the processes it reaches into the selection.
//
// A duration change moves the chain through the document's process move (MoveKoutei) and records
// its replacements there, so it works on the CTembraDoc that holds it. Its own state is the
// relation-line check's: the flag that keeps the check from starting again inside itself, and the
// index of the processes by number kept from one check to the next.
#pragma once

#include "document/KouteiNumberIndex.h"
#include "model/DataHeader.h"
#include "model/Koutei.h"
#include "platform/Time.h"
#include "platform/Types.h"

namespace tembra {

class CChartNotifier;
class CChartSelection;
class CChartUndo;
class CTembraDoc;

class CKouteiChains {
public:
    CKouteiChains(CTembraDoc& doc, CChartSelection& selection, CChartUndo& undo,
                  CChartNotifier& notifier)
        : m_doc(doc), m_selection(selection), m_undo(undo), m_notifier(notifier) {}
    CKouteiChains(const CKouteiChains&) = delete;
    CKouteiChains& operator=(const CKouteiChains&) = delete;

    // How a meets b, the first of these that holds: (only with includeStart) same start (1, 1),
    // a's start at b's end (1, 2); a's end at b's start (2, 1), same end (2, 2); b's start node
    // on a's line (0x10, 1), b's end node on a's line (0x10, 2); a's end node on b's line
    // (2, 0x10), a's start node on b's line (1, 0x10). 1 and the two parts, or 0 and both 0.
    static int ContactKind(const CKoutei* a, const CKoutei* b, BOOL includeStart, int& partA,
                           int& partB);
    // Selects the chain linked to the start process, or to every selected process when there is
    // none: direction 1 towards the successors, 0 towards the predecessors. Depth 0 selects whole
    // processes; depth 1 then also walks one step back the other way from everything selected
    // (only the touching node and line of what it adds); -1 is that inner walk. Rule 0 follows
    // every link; 1 (a lengthening) stops at a process with spare days, which gives way by its
    // start; 2 (a shortening) keeps what cannot give way from moving (PruneShortening). The chart
    // is redrawn once at the end. Returns 1 when the walk moved a process into the selection.
    int SelectLinkedKoutei(CKoutei* start, int direction, int depth, int rule);
    // The smallest non-zero spare days among the selected processes whose start node (side 1) or
    // end node (side 2) is not selected: 1 and smallest, or 0 and 0 when there is none.
    int GetMinSpareDays(CTimeSpan& smallest, int side) const;
    // Moves the end (endFlag 1) or the start (0) of the first selected process by amount and its
    // chain with it, in passes: each pass moves the chain up to the first process whose spare
    // days give way, by at most those spare days. One undo step, everything deselected at the
    // end. 0 when nothing is selected or the chain leads back to the process (the passes made
    // stay made); else 1.
    int ChangeKouteiDays(CTimeSpan amount, BOOL endFlag);
    // The relation-line check after an edit: every relation line is attached again to the
    // processes it links; one whose start passed its end is lengthened back (ChangeKouteiDays).
    // When that is refused, message 5039 is shown and the whole edit is undone. At most 10 scans;
    // the check stops at the first refusal. Returns 0 after a refusal, else 1.
    int PropagateKankei();

private:
    // Prepares a seed of a walk: with whole, marks the node the walk leaves from (direction 0 the
    // start, 1 the end) and the line; with whole and rule 1 a process with spare days keeps its
    // end; with rule 2 a marked process that an unselected one touches by a relation node keeps
    // its end. 1 for a process, 0 for any other object.
    int SeedLinkedKoutei(CDataHeader* object, int direction, BOOL whole, int rule);
    // Links the candidate to the chain process when a node the walk has reached meets it (end
    // to start, same start, same end, or by a relation node): the candidate's touching node and
    // line are marked, with whole its far node too. 1 when it was linked.
    static int LinkKoutei(CDataHeader* chain, CDataHeader* candidate, int direction, BOOL whole,
                          int rule);
    // Before a shortening: a selected unmarked process that cannot give way (its start stays and
    // it has no spare days, or an unselected process's relation node lies on it) stops moving,
    // and so, in turn, does what hangs on it. 1 when any process was held back.
    int PruneShortening();
    // The first unselected process (skipping those with spare days when asked) that meets the
    // process by one of these pairs within the masks (own part / its part): same start (1/1),
    // same end (2/2), own start at its end (1/2), own end at its start (2/1), its start or end
    // node on the own line (0x10/1, 0x10/2). Its position in the object list, or null.
    POSITION FindTouchingKoutei(const CKoutei* process, int ownMask, int otherMask,
                                BOOL skipSpare) const;

    CTembraDoc& m_doc;
    CChartSelection& m_selection;
    CChartUndo& m_undo;
    CChartNotifier& m_notifier;
    // Set while the relation-line check runs: the edits it makes do not start it again.
    BOOL m_bPropagating = FALSE;
    // The relation-line check's index of the processes by number, kept with its arrays from
    // one check to the next.
    KouteiNumberIndex m_relationNumbers;
};

} // namespace tembra
