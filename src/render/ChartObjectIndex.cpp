#include "render/ChartObjectIndex.h"

#include "render/PageLayout.h"

#include <utility>

namespace tembra {

CChartObjectIndex::CChartObjectIndex(std::shared_ptr<const CChartObjectRows> rows,
                                     const CPageLayout& layout)
    : m_rows(std::move(rows)), m_layout(layout) {}

int CChartObjectIndex::RowShift() const {
    return m_rows->RowShift(m_layout);
}

CChartObjectIndex::Entry CChartObjectIndex::EntryOf(int i, int shift) const {
    const CChartObjectRows::Entry& entry = m_rows->GetEntry(i);
    CRect bounds = entry.bounds;
    if (entry.moving) {
        bounds.top += shift;
        bounds.bottom += shift;
    }
    return {entry.object, bounds};
}

} // namespace tembra
