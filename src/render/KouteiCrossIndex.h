// The process lines of a chart as the crossings on paper look them up: every process among the
// document's chart objects, in drawing order, with the box of its line and its route, filed in a
// grid of cells over the chart. A segment asks for the lines whose boxes meet its own and gets
// them in drawing order without walking the whole list, so that a page of n processes finds its
// crossings in time linear in n (for lines of the usual lengths) rather than in n squared.
//
// It is made from the layout's document and geometry as they are when it is made; the layout
// keeps it for one drawing pass (CPageLayout::DrawPass), during which neither changes, and
// outside a pass while the document's change count and the geometry stay as they were.
#pragma once

#include "platform/Types.h"
#include "render/DrawCacheKey.h"
#include "render/KouteiRoute.h"
#include "render/RectGrid.h"

#include <unordered_map>
#include <vector>

namespace tembra {

class CKoutei;
class CPageLayout;

// The box (normalised, logical units) of a process's line with its middle height: its route
// never leaves it.
CRect KouteiLineBox(const CKoutei& koutei, const CPageLayout& layout);

class CKouteiCrossIndex {
public:
    // A process line that other lines are lifted over: not a bar, not a shape that draws no
    // line.
    struct Line {
        const CKoutei* koutei = nullptr;
        // The position of the process in drawing order.
        int order = 0;
        // The box its route never leaves.
        CRect box;
        KouteiRoute route;
    };

    explicit CKouteiCrossIndex(const CPageLayout& layout);

    // Whether the index was made for the layout and its document as they now are.
    bool IsFor(const CPageLayout& layout) const;

    // The position of a process in drawing order; one past the last when it is not listed.
    int OrderOf(const CKoutei& koutei) const;

    // Visits, in drawing order, the lines whose boxes meet the box (normalised, edges included).
    template <class Visit> void ForEachLineNear(const CRect& box, Visit visit) const {
        for (const int i : m_grid.Query(box)) {
            visit(m_lines[static_cast<std::size_t>(i)]);
        }
    }

private:
    DrawCacheKey m_key;
    // The lines' boxes lie where the layout's rows begin.
    int m_firstRow = 0;
    std::vector<Line> m_lines;
    std::unordered_map<const CKoutei*, int> m_order;
    int m_count = 0;
    CRectGrid m_grid;
};

} // namespace tembra
