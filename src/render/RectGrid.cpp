#include "render/RectGrid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tembra {

namespace {

// The grid holds about this many cells per rectangle at most, however the rectangles are spread.
constexpr double kCellsPerRect = 4.0;

int CellOf(int v, int origin, int size, int count) {
    const int cell = static_cast<int>((static_cast<std::int64_t>(v) - origin) / size);
    return std::clamp(cell, 0, count - 1);
}

} // namespace

CRectGrid::CRectGrid(const std::vector<CRect>& boxes) : m_boxes(boxes) {
    if (m_boxes.empty()) {
        return;
    }
    CRect extent = m_boxes.front();
    double widths = 0.0;
    double heights = 0.0;
    for (const CRect& box : m_boxes) {
        extent.left = std::min(extent.left, box.left);
        extent.right = std::max(extent.right, box.right);
        extent.top = std::max(extent.top, box.top);
        extent.bottom = std::min(extent.bottom, box.bottom);
        widths += static_cast<double>(box.right) - box.left + 1;
        heights += static_cast<double>(box.top) - box.bottom + 1;
    }
    const double n = static_cast<double>(m_boxes.size());
    const double spanX = static_cast<double>(extent.right) - extent.left + 1;
    const double spanY = static_cast<double>(extent.top) - extent.bottom + 1;
    double cellWidth = std::max(1.0, widths / n);
    double cellHeight = std::max(1.0, heights / n);
    const double cells = std::ceil(spanX / cellWidth) * std::ceil(spanY / cellHeight);
    if (cells > kCellsPerRect * n) {
        const double grow = std::sqrt(cells / (kCellsPerRect * n));
        cellWidth *= grow;
        cellHeight *= grow;
    }
    m_cellWidth = static_cast<int>(std::min(std::ceil(cellWidth), spanX));
    m_cellHeight = static_cast<int>(std::min(std::ceil(cellHeight), spanY));
    m_left = extent.left;
    m_bottom = extent.bottom;
    m_columns = static_cast<int>(std::ceil(spanX / m_cellWidth));
    m_rows = static_cast<int>(std::ceil(spanY / m_cellHeight));

    // Each cell's rectangles in their order: counted, then placed.
    const std::size_t cellCount = static_cast<std::size_t>(m_columns) * m_rows;
    m_starts.assign(cellCount + 1, 0);
    const auto forEachCell = [&](const CRect& box, auto fn) {
        int c0 = 0;
        int r0 = 0;
        int c1 = 0;
        int r1 = 0;
        CellRange(box, c0, r0, c1, r1);
        for (int r = r0; r <= r1; ++r) {
            for (int c = c0; c <= c1; ++c) {
                fn(static_cast<std::size_t>(r) * m_columns + c);
            }
        }
    };
    for (const CRect& box : m_boxes) {
        forEachCell(box, [&](std::size_t cell) { ++m_starts[cell + 1]; });
    }
    for (std::size_t k = 0; k < cellCount; ++k) {
        m_starts[k + 1] += m_starts[k];
    }
    m_entries.resize(m_starts[cellCount]);
    std::vector<std::uint32_t> next(m_starts.begin(), m_starts.end() - 1);
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        forEachCell(m_boxes[i],
                    [&](std::size_t cell) { m_entries[next[cell]++] = static_cast<int>(i); });
    }
    m_seen.assign(m_boxes.size(), 0);
}

void CRectGrid::CellRange(const CRect& box, int& c0, int& r0, int& c1, int& r1) const {
    c0 = CellOf(box.left, m_left, m_cellWidth, m_columns);
    c1 = CellOf(box.right, m_left, m_cellWidth, m_columns);
    r0 = CellOf(box.bottom, m_bottom, m_cellHeight, m_rows);
    r1 = CellOf(box.top, m_bottom, m_cellHeight, m_rows);
}

const std::vector<int>& CRectGrid::Query(const CRect& box) const {
    m_found.clear();
    if (m_boxes.empty()) {
        return m_found;
    }
    // A box that misses the grid meets nothing (the clamped cells would hold other rectangles).
    const std::int64_t gridRight =
        static_cast<std::int64_t>(m_left) + static_cast<std::int64_t>(m_columns) * m_cellWidth - 1;
    const std::int64_t gridTop =
        static_cast<std::int64_t>(m_bottom) + static_cast<std::int64_t>(m_rows) * m_cellHeight - 1;
    if (box.right < m_left || box.left > gridRight || box.top < m_bottom || box.bottom > gridTop) {
        return m_found;
    }
    if (m_stamp == std::numeric_limits<std::uint32_t>::max()) {
        std::fill(m_seen.begin(), m_seen.end(), 0);
        m_stamp = 0;
    }
    ++m_stamp;
    int c0 = 0;
    int r0 = 0;
    int c1 = 0;
    int r1 = 0;
    CellRange(box, c0, r0, c1, r1);
    for (int r = r0; r <= r1; ++r) {
        for (int c = c0; c <= c1; ++c) {
            const std::size_t cell = static_cast<std::size_t>(r) * m_columns + c;
            for (std::uint32_t e = m_starts[cell]; e < m_starts[cell + 1]; ++e) {
                const int i = m_entries[e];
                std::uint32_t& seen = m_seen[static_cast<std::size_t>(i)];
                if (seen == m_stamp) {
                    continue;
                }
                seen = m_stamp;
                if (Meet(m_boxes[static_cast<std::size_t>(i)], box)) {
                    m_found.push_back(i);
                }
            }
        }
    }
    std::sort(m_found.begin(), m_found.end());
    return m_found;
}

} // namespace tembra
