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

void SwapEnds(CChartPos& pos) {
    const DWORD start = pos.GetStartDateValue();
    pos.SetStartDateValue(pos.GetEndDateValue());
    pos.SetEndDateValue(start);
    const WORD startRow = pos.GetStartRow();
    pos.SetStartRow(pos.GetEndRow());
    pos.SetEndRow(startRow);
    // Words 4 and 5 are the horizontal offsets of the start and the end (the old 16-byte form
    // kept them as the two halves of its last value).
    const WORD startOffset = pos.GetWord4();
    pos.SetWord4(pos.GetWord5());
    pos.SetWord5(startOffset);
}

} // namespace tembra
