// The box one chart object covers, as the paste of a block and the extents measure it.
#pragma once

#include "model/ChartPos.h"
#include "platform/Types.h"

namespace tembra {

struct CObjectBox {
    // First and last date, top and bottom row.
    CChartPos span;
    // A process's bend row (a gate's crossbar row), a line set's end row, a shape's bottom row,
    // an event's or a node's row.
    WORD thirdRow = 0;

    bool operator==(const CObjectBox&) const = default;
};

} // namespace tembra
