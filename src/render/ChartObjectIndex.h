// The chart objects of a document (the unselected ones, then the selected ones, as
// IPageLayoutDocument::ForEachChartObject gives them) with their bounds on a page layout
// (CPageLayout::GetObjectBounds without a device context), filed in a grid of cells, so that a
// redraw finds the objects its clip box shows without working out the bounds of every object of
// the chart again. The layout keeps one for as long as neither it nor its document's objects
// change (CPageLayout::GetObjectIndex).
#pragma once

#include "platform/Types.h"
#include "render/DrawCacheKey.h"
#include "render/RectGrid.h"

#include <vector>

namespace tembra {

class CDataHeader;
class CPageLayout;

class CChartObjectIndex {
public:
    struct Entry {
        const CDataHeader* object = nullptr;
        // Normalised, logical units.
        CRect bounds;
    };

    explicit CChartObjectIndex(const CPageLayout& layout);

    // Whether the index was made for the layout and its document as they now are.
    bool IsFor(const CPageLayout& layout) const { return m_key == DrawCacheKeyOf(layout); }

    int GetCount() const { return static_cast<int>(m_entries.size()); }

    // Visits, in drawing order, the objects whose bounds meet the box (normalised, edges
    // included).
    template <class Visit> void ForEachObjectIn(const CRect& box, Visit visit) const {
        for (const int i : m_grid.Query(box)) {
            visit(m_entries[static_cast<std::size_t>(i)]);
        }
    }

private:
    DrawCacheKey m_key;
    std::vector<Entry> m_entries;
    CRectGrid m_grid;
};

} // namespace tembra
