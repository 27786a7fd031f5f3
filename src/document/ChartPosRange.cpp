#include "document/ChartPosRange.h"

#include <algorithm>

namespace tembra {

CChartPosRange CChartPosRange::FromSpan(const CChartSpan& span) {
    const short low = std::min(span.row1, span.row2);
    const short high = std::max(span.row1, span.row2);
    return CChartPosRange{span.startDate, span.endDate, std::min(low, span.row3),
                          std::max(high, span.row3)};
}

CChartPosRange& CChartPosRange::Union(const CChartSpan& span) {
    const short low = std::min(span.row1, span.row2);
    const short high = std::max(span.row1, span.row2);
    startDate = std::min(startDate, span.startDate);
    endDate = std::max(endDate, span.endDate);
    lowRow = std::min(lowRow, low);
    highRow = std::max(highRow, high);
    lowRow = std::min(lowRow, span.row3);
    highRow = std::max(highRow, span.row3);
    return *this;
}

} // namespace tembra
