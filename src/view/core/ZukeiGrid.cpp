#include "view/core/ZukeiGrid.h"

#include <cmath>
#include <cstdint>

namespace tembra {

CTime CZukeiGrid::SnapTime(const CTime& date, WORD parts, const CTime& firstDate) {
    if (parts == 0) {
        return date;
    }
    const std::int64_t step = kDaySeconds / parts;
    if (step <= 0) {
        return date;
    }
    // The time of day in the chart's own zone, whatever the host's.
    std::int64_t ofDay = (date.GetTime() + kChartZoneOffsetSeconds) % kDaySeconds;
    if (ofDay < 0) {
        ofDay += kDaySeconds;
    }
    const std::int64_t remainder = ofDay % step;
    CTime snapped = date - CTimeSpan(remainder);
    if (remainder * 2 >= step) {
        snapped += CTimeSpan(step);
    }
    if (snapped < firstDate) {
        snapped += CTimeSpan(step);
    }
    return snapped;
}

double CZukeiGrid::SnapRow(double row, WORD parts, int firstRow, int lastRow) {
    if (parts == 0) {
        return row;
    }
    const double scaled = row * parts;
    const double whole = std::floor(scaled);
    double snapped = (scaled - whole >= 0.5 ? whole + 1.0 : whole) / parts;
    if (snapped < firstRow) {
        snapped += 1.0 / parts;
    } else if (snapped > lastRow + 1.0) {
        snapped -= 1.0 / parts;
    }
    return snapped;
}

} // namespace tembra
