// The selected date range of the chart.
#include "document/TembraDoc.h"

namespace tembra {

BOOL CTembraDoc::HasColumnRange() const {
    const std::int64_t start = static_cast<LONG>(m_columnRange.GetStartDateValue());
    const std::int64_t end = static_cast<LONG>(m_columnRange.GetEndDateValue());
    return end - start > 0 ? TRUE : FALSE;
}

void CTembraDoc::RedrawColumnRange(BOOL clear) {
    if (m_columnRange.GetStartDateValue() == 0 && m_columnRange.GetEndDateValue() == 0) {
        return;
    }
    m_hint.SetDateRange(static_cast<LONG>(m_columnRange.GetStartDateValue()),
                        static_cast<LONG>(m_columnRange.GetEndDateValue()),
                        static_cast<short>(m_columnRange.GetStartRow()),
                        static_cast<short>(m_columnRange.GetEndRow()));
    UpdateAllViews(nullptr, kHintDateRange, &m_hint);
    if (clear) {
        m_columnRange.SetStartDateValue(0);
        m_columnRange.SetEndDateValue(0);
    }
}

} // namespace tembra
