// The record a move of processes carries along: the span of the process it holds and which of
// that process's parts go with the pointer. The drag of the selection fills it at the press; the
// duration changes, the pushes along links and the row and column edits fill it for the moves
// they make. A node standing at the date of a held end moves by the plain offset, where every
// other date moves by working time.
#pragma once

#include "platform/Time.h"
#include "platform/Types.h"

namespace tembra {

class CKoutei;

struct CKouteiDrag {
    // The held process's dates and rows when the move began.
    CTime startDate;
    CTime endDate;
    WORD startRow = 0;
    WORD endRow = 0;
    // The start (the end) goes with the pointer: a node at its date moves by the plain offset.
    bool startPinned = false;
    bool endPinned = false;
    // A lone bent line dragged by its line moves its bend, not its nodes; the bend row is the
    // line's when it was taken.
    bool bendDrag = false;
    int bendRow = 0;

    // The span and the bend row of the process, nothing pinned.
    static CKouteiDrag Of(const CKoutei& process);

    // Whether a node at the date moves by the plain offset.
    bool PinsDate(const CTime& date) const {
        return (startPinned && date == startDate) || (endPinned && date == endDate);
    }

    // Moves the span by the amount in time, as the held process moved.
    void ShiftDates(CTimeSpan amount) {
        startDate += amount;
        endDate += amount;
    }
};

} // namespace tembra
