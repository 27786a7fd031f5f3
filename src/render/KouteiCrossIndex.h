// The process lines of a chart as the crossings on one page look them up: the lines of the
// chart (CKouteiCrossLines, which the pages of a print share) with, for the lines the page's
// segments meet, their boxes and routes on this page, worked out at their first use. A segment
// asks for the lines whose boxes meet its own and gets them in drawing order without walking the
// whole list, so that a page of n processes finds its crossings in time linear in n (for lines
// of the usual lengths) rather than in n squared, and a print of many pages does not work out
// every line of the chart again for each.
//
// It is made for the layout that keeps it (CPageLayout::GetCrossIndex), from its document and
// geometry as they are when it is made; the layout keeps it for one drawing pass
// (CPageLayout::DrawPass), during which neither changes, and outside a pass while the document's
// change count and the geometry stay as they were.
#pragma once

#include "platform/Types.h"
#include "render/KouteiCrossLines.h"
#include "render/KouteiRoute.h"
#include "render/RectGrid.h"

#include <deque>
#include <memory>
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

    // With the chart's lines, made on this layout or another of the same geometry and document
    // (CKouteiCrossLines::IsFor this one).
    CKouteiCrossIndex(const CPageLayout& layout, std::shared_ptr<const CKouteiCrossLines> lines);

    // Whether the index was made for the layout and its document as they now are.
    bool IsFor(const CPageLayout& layout) const;

    // The position of a process in drawing order; one past the last when it is not listed.
    int OrderOf(const CKoutei& koutei) const { return m_lines->OrderOf(koutei); }

    // Visits, in drawing order, the lines whose boxes meet the box (normalised, edges included).
    template <class Visit> void ForEachLineNear(const CRect& box, Visit visit) const {
        for (const int i : m_lines->Query(m_layout, box)) {
            const Line& line = LineAt(i);
            if (CRectGrid::Meet(box, line.box)) {
                visit(line);
            }
        }
    }

private:
    // Line i of the chart's lines on this layout, worked out at its first use.
    const Line& LineAt(int i) const;

    const CPageLayout& m_layout;
    std::shared_ptr<const CKouteiCrossLines> m_lines;
    // The layout's rows begin there.
    int m_firstRow = 0;
    // Where line i of the chart's lines lies in m_made (-1: not worked out yet); made at the
    // first use.
    mutable std::vector<int> m_slots;
    mutable std::deque<Line> m_made;
};

} // namespace tembra
