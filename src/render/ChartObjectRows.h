// The chart objects of a document (the unselected ones, then the selected ones, as
// IPageLayoutDocument::ForEachChartObject gives them) with their bounds on a page layout
// (CPageLayout::GetObjectBounds without a device context), filed in a grid of cells, so that a
// redraw finds the objects its clip box shows without working out the bounds of every object of
// the chart again.
//
// For a printed page (or one of the preview), the bounds are kept in row space: the y of an
// object less the height of the rows above the layout's first row (CPageLayout::RowsToHeight),
// as if the chart began at row 0 however far it reaches. The pages, which differ only in their
// first row, ask the same index, each with its box translated by its own first row, so that a
// print works the objects' bounds out once and not once per page. What does not move with the
// rows as a chart object does (shapes placed on the page, lines that run to the edge of the
// chart, objects taller than the coordinates reach) is kept apart and looked at on every page as
// it lies there. Finding where an object lies in row space costs a few bounds of it; the window,
// whose rows stay while it is edited, keeps the bounds as it has them, one each, for its own
// first row (and, while a scrolled chart draws its fixed rows, for that pass).
//
// The layouts keep one while neither their geometry nor the document's objects change
// (CPageLayout::GetObjectIndex); a print job keeps the one of its pages from page to page.
#pragma once

#include "platform/Types.h"
#include "render/RectGrid.h"
#include "render/RowSpaceKey.h"

#include <vector>

namespace tembra {

class CDataHeader;
class CPageLayout;

class CChartObjectRows {
public:
    struct Entry {
        const CDataHeader* object = nullptr;
        // Normalised, logical units: in row space, or as on every layout for an object that
        // does not move with the rows.
        CRect bounds;
        bool moving = false;
    };

    explicit CChartObjectRows(const CPageLayout& layout);

    // Whether the index was made for the layout's geometry (in row space whatever its first
    // row, else for its first row) and its document as they now are.
    bool IsFor(const CPageLayout& layout) const;

    int GetCount() const { return static_cast<int>(m_entries.size()); }
    const Entry& GetEntry(int i) const { return m_entries[static_cast<std::size_t>(i)]; }

    // The numbers of the objects whose bounds on the layout meet the box (normalised, logical
    // units of the layout, edges included), in drawing order. The layout is one the index is
    // for. The vector is the index's own, valid until the next query.
    const std::vector<int>& Query(const CPageLayout& layout, const CRect& box) const;
    // What the layout's rows above its first row put between row space and the layout: the
    // bounds of an object that moves with the rows lie that much higher on it.
    int RowShift(const CPageLayout& layout) const;

private:
    // Row space, or the bounds as the layout has them, for its first row.
    RowSpaceKey m_key;
    std::vector<Entry> m_entries;
    // The entries in the grid (those that move with the rows) and the others, ascending.
    std::vector<int> m_filed;
    std::vector<int> m_everywhere;
    CRectGrid m_grid;
    mutable std::vector<int> m_found;
};

} // namespace tembra
