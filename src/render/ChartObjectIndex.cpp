#include "render/ChartObjectIndex.h"

#include "model/DataHeader.h"
#include "render/PageLayout.h"

namespace tembra {

CChartObjectIndex::CChartObjectIndex(const CPageLayout& layout) : m_key(DrawCacheKeyOf(layout)) {
    const IPageLayoutDocument* document = layout.GetDocument();
    if (document == nullptr) {
        return;
    }
    std::vector<CRect> boxes;
    document->ForEachChartObject([&](const CDataHeader& object) {
        const CRect bounds = layout.GetObjectBounds(nullptr, &object, 0);
        m_entries.push_back({&object, bounds});
        boxes.push_back(bounds);
    });
    m_grid = CRectGrid(boxes);
}

} // namespace tembra
