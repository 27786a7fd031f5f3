// One pass of the adjustment that gives the calendar-day processes of a mixed selection their net
// spans back after a move by working time (CTembraDoc::AdjustKoutei): for each link record in
// order, its process's end is pushed or pulled by what it lacks or has too much, within the
// selection, the spare days of the processes on the way giving way first.
//
// Two walks give the same result. The stepwise one follows the rules as they are: each step
// collects what moves with the process up to the nearest spare days and moves it all, so that a
// push carried down a long chain moves the rest of the chain once for every process that pushes.
// The carried one serves a selection of plain chains (each process whole, one process at most
// starting on its end and one at most ending on its start, no relation lines or nodes): it goes
// along each chain once, carrying the pushes of the processes passed so far and letting spare days
// absorb them on the way, so that every process moves once per pass. Pushes carried together are
// added: a later date reached by working time is the same whether the working time is added at once
// or in parts. It refuses anything else, and gives back what it moved when it meets a node whose
// move it cannot tell that way.
#pragma once

#include "document/KouteiMoveCaller.h"
#include "document/ObList.h"
#include "document/TembraDoc.h"
#include "model/ChartPos.h"
#include "model/DataHeader.h"
#include "model/Koutei.h"
#include "model/KouteiDrag.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <optional>

namespace tembra {

class IKouteiDocument;

struct KouteiAdjustPass {
    ObList<CDataHeader>& selection;
    CTembraDoc::KouteiLinkList& records;
    IKouteiDocument& seam;
    BOOL adjustSpare;
    BOOL noRedraw;
    KouteiMoveCaller caller;
};

// Returns 1 when no record needed a change, else 0.
int AdjustStepwise(const KouteiAdjustPass& pass);

// The same, or nothing (and nothing changed) for a selection it does not serve.
std::optional<int> AdjustCarried(const KouteiAdjustPass& pass);

namespace adjust {

// In a drag, a process with one node selected is the one the user stretches: its record is
// left alone.
inline bool IsStretched(const CKoutei& process, KouteiMoveCaller caller) {
    return caller == KouteiMoveCaller::Drag &&
           (process.IsStartLandSelected() != 0) != (process.IsEndLandSelected() != 0);
}

inline bool HasSpareDays(const CKoutei& process) {
    return process.GetSpareDays() > CTimeSpan();
}

inline CTimeSpan NetSpan(const CKoutei& process) {
    return process.GetEndTime() - process.GetStartTime() - process.GetSpareDays();
}

inline CTimeSpan SavedNetSpan(const CKouteiLink& record) {
    return record.GetSavedEnd() - record.GetSavedStart() - record.GetSavedSpareDays();
}

// The record a step hands to the moves: the adjusted process's span with its end pinned, so
// that every node standing at its end moves by the plain step.
inline CKouteiDrag StepReference(const CKoutei& process) {
    CKouteiDrag reference = CKouteiDrag::Of(process);
    reference.endPinned = true;
    return reference;
}

} // namespace adjust

} // namespace tembra
