// The drawing grid of shapes: a day split into TimePartition parts and a row into LinePartition
// parts (the shape settings); a count of 0 leaves that axis as the cursor has it. The chart view
// snaps every point of a shape gesture to it while the grid's flag is on.
//
// Times are chart dates (seconds, local days of the fixed chart zone); rows are fractional rows
// of the layout (row r spans r .. r + 1).
#pragma once

#include "platform/Time.h"
#include "platform/Types.h"

namespace tembra {

struct CZukeiGrid {
    // The time of day rounded to the nearer multiple of 86400 / parts seconds (a remainder below
    // half a step rounds down); a result before firstDate, where the date area begins, gains a
    // step back. parts 0: the date as it is.
    static CTime SnapTime(const CTime& date, WORD parts, const CTime& firstDate);
    // The row rounded to the nearer multiple of 1 / parts (half a step or more rounds up); a row
    // above firstRow moves a step down, one past lastRow + 1 a step up. parts 0: the row as it
    // is.
    static double SnapRow(double row, WORD parts, int firstRow, int lastRow);
};

} // namespace tembra
