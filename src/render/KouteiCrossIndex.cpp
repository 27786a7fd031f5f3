#include "render/KouteiCrossIndex.h"

#include "model/DataHeader.h"
#include "model/Koutei.h"
#include "render/PageLayout.h"

#include <algorithm>

namespace tembra {

CRect KouteiLineBox(const CKoutei& koutei, const CPageLayout& layout) {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int yb = 0;
    GetLineCoords(koutei, layout, x1, y1, x2, y2, yb);
    return CRect(std::min(x1, x2), std::max({y1, y2, yb}), std::max(x1, x2),
                 std::min({y1, y2, yb}));
}

CKouteiCrossIndex::CKouteiCrossIndex(const CPageLayout& layout)
    : m_key(DrawCacheKeyOf(layout)), m_firstRow(layout.GetFirstRow()) {
    const IPageLayoutDocument* document = layout.GetDocument();
    if (document == nullptr) {
        return;
    }
    std::vector<CRect> boxes;
    document->ForEachChartObject([&](const CDataHeader& object) {
        if (object.GetType() != kTypeKoutei || object.GetKind() != kKindKoutei) {
            return;
        }
        const auto* koutei = dynamic_cast<const CKoutei*>(&object);
        if (koutei == nullptr) {
            return;
        }
        const int order = m_count++;
        m_order.emplace(koutei, order);
        // Bars never lift a line over them, nor does a line shape that draws nothing.
        if (koutei->GetLineShape() > kLineShapeGate) {
            return;
        }
        Line line;
        line.koutei = koutei;
        line.order = order;
        line.box = KouteiLineBox(*koutei, layout);
        BuildRoute(*koutei, layout, line.route);
        m_lines.push_back(line);
        boxes.push_back(line.box);
    });
    m_grid = CRectGrid(boxes);
}

bool CKouteiCrossIndex::IsFor(const CPageLayout& layout) const {
    return m_key == DrawCacheKeyOf(layout) && m_firstRow == layout.GetFirstRow();
}

int CKouteiCrossIndex::OrderOf(const CKoutei& koutei) const {
    const auto it = m_order.find(&koutei);
    return it != m_order.end() ? it->second : m_count;
}

} // namespace tembra
