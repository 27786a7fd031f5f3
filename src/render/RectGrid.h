// Rectangles of the chart filed in a grid of cells, so that those meeting a given rectangle are
// found by looking at the cells it covers instead of at every one of them. The cells are about
// as large as the rectangles on average (larger where the rectangles leave most of the chart
// empty), so that a rectangle lies in a few cells and the grid holds a few cells per rectangle:
// filing n rectangles takes time and memory linear in n for rectangles of the usual sizes.
//
// Rectangles are normalised logical rectangles of the chart (left <= right, bottom <= top,
// edges included) and are numbered by their order of filing.
#pragma once

#include "platform/Types.h"

#include <cstdint>
#include <vector>

namespace tembra {

class CRectGrid {
public:
    CRectGrid() = default;
    explicit CRectGrid(const std::vector<CRect>& boxes);

    // The numbers of the rectangles that meet the box, ascending. The vector is the grid's own,
    // valid until the next query.
    const std::vector<int>& Query(const CRect& box) const;

    static bool Meet(const CRect& a, const CRect& b) {
        return a.left <= b.right && b.left <= a.right && a.bottom <= b.top && b.bottom <= a.top;
    }

private:
    // The cell range a box covers (clamped to the grid).
    void CellRange(const CRect& box, int& c0, int& r0, int& c1, int& r1) const;

    std::vector<CRect> m_boxes;
    // Columns × rows of cells of cellWidth × cellHeight from (left, bottom); the rectangles of
    // cell k are m_entries[m_starts[k] .. m_starts[k + 1]).
    int m_left = 0;
    int m_bottom = 0;
    int m_cellWidth = 1;
    int m_cellHeight = 1;
    int m_columns = 0;
    int m_rows = 0;
    std::vector<std::uint32_t> m_starts;
    std::vector<int> m_entries;

    // What one query gathers; a rectangle met in several cells is taken once (the stamp of the
    // query that took it).
    mutable std::vector<int> m_found;
    mutable std::vector<std::uint32_t> m_seen;
    mutable std::uint32_t m_stamp = 0;
};

} // namespace tembra
