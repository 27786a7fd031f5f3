// The extent of several chart objects as one range of dates and rows.
#pragma once

#include "model/ChartPos.h"
#include "platform/Types.h"

#include <cstdint>

namespace tembra {

// What one object spans: its dates, its two end rows (in either order) and a third row (the bend
// row of a process line; an end row again for objects without a bend).
struct CChartSpan {
    LONG startDate = 0;
    LONG endDate = 0;
    short row1 = 0;
    short row2 = 0;
    short row3 = 0;
};

// A range of dates and rows. Callers start it from the first object's span (FromSpan) and widen
// it by the others.
struct CChartPosRange {
    LONG startDate = 0;
    LONG endDate = 0;
    short lowRow = 0;
    short highRow = 0;

    // The range of one span.
    static CChartPosRange FromSpan(const CChartSpan& span);

    // Widens the range to hold the span: the earlier start, the later end, the lowest and the
    // highest of its rows and the span's three rows.
    CChartPosRange& Union(const CChartSpan& span);

    bool operator==(const CChartPosRange&) const = default;
};

} // namespace tembra
