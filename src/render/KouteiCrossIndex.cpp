#include "render/KouteiCrossIndex.h"

#include "model/Koutei.h"
#include "render/PageLayout.h"

#include <algorithm>
#include <utility>

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

CKouteiCrossIndex::CKouteiCrossIndex(const CPageLayout& layout,
                                     std::shared_ptr<const CKouteiCrossLines> lines)
    : m_layout(layout), m_lines(std::move(lines)), m_firstRow(layout.GetFirstRow()) {}

bool CKouteiCrossIndex::IsFor(const CPageLayout& layout) const {
    return &layout == &m_layout && m_lines->IsFor(layout) && m_firstRow == layout.GetFirstRow();
}

const CKouteiCrossIndex::Line& CKouteiCrossIndex::LineAt(int i) const {
    if (m_slots.empty()) {
        m_slots.assign(static_cast<std::size_t>(m_lines->GetCount()), -1);
    }
    int& slot = m_slots[static_cast<std::size_t>(i)];
    if (slot >= 0) {
        return m_made[static_cast<std::size_t>(slot)];
    }
    slot = static_cast<int>(m_made.size());
    Line& line = m_made.emplace_back();
    const CKouteiCrossLines::Entry& entry = m_lines->GetEntry(i);
    line.koutei = entry.koutei;
    line.order = entry.order;
    // In row space the entry's box only tells where the line may lie.
    line.box = m_lines->InRowSpace() ? KouteiLineBox(*entry.koutei, m_layout) : entry.box;
    BuildRoute(*entry.koutei, m_layout, line.route);
    return line;
}

} // namespace tembra
