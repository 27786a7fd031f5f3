// What the drawing and editing conditions dialog (146 "作図・編集条件") shows of a
// CConfigOperation: each radio pair as 0 or 1, each term target as one check.
#pragma once

#include "platform/Types.h"

namespace tembra {

class CConfigOperation;

struct DrawEditCondValues {
    LONG kouTempStyle = 0;  // newly drawn processes start provisional
    LONG multiEdit = 0;     // several objects selected without the Ctrl key
    LONG wakunai = 0;       // a selection frame takes only the processes inside it
    LONG holidayAuto = 0;   // moving and copying keep the working days across holidays
    LONG withYogo = 0;      // terms are drawn together with a process
    LONG eventBaseMove = 0; // moving an event leaves its base point
    bool attachToLine = false;
    bool attachToNode = false;
    bool operator==(const DrawEditCondValues&) const = default;
};

// A term target is on when any of its four bits is set.
DrawEditCondValues LoadDrawEditCond(const CConfigOperation& operation);
// Writes the six values, and each term target as all four of its bits set or clear; the other
// settings and the bits above the two targets stay.
void StoreDrawEditCond(const DrawEditCondValues& values, CConfigOperation& operation);

} // namespace tembra
