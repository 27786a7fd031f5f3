// The chart objects a page layout finds for a redraw: the document's objects with their bounds
// (CChartObjectRows, which layouts of the same geometry share) as this layout has them. A redraw
// asks it for the objects its clip box shows instead of working out the bounds of every object
// of the chart again. The layout keeps one for as long as neither it nor its document's objects
// change (CPageLayout::GetObjectIndex).
#pragma once

#include "platform/Types.h"
#include "render/ChartObjectRows.h"

#include <memory>

namespace tembra {

class CDataHeader;
class CPageLayout;

class CChartObjectIndex {
public:
    struct Entry {
        const CDataHeader* object = nullptr;
        // Normalised, logical units of the layout; for an object that moves with the rows
        // within a few units (the rows' heights are truncated), exactly for the others.
        CRect bounds;
    };

    // The index of the objects' bounds, for the layout, which outlives this.
    CChartObjectIndex(std::shared_ptr<const CChartObjectRows> rows, const CPageLayout& layout);

    // Whether the index was made for the layout and its document as they now are.
    bool IsFor(const CPageLayout& layout) const { return m_rows->IsFor(layout); }

    int GetCount() const { return m_rows->GetCount(); }
    const std::shared_ptr<const CChartObjectRows>& GetRows() const { return m_rows; }

    // Visits, in drawing order, the objects whose bounds meet the box (normalised, edges
    // included).
    template <class Visit> void ForEachObjectIn(const CRect& box, Visit visit) const {
        const int shift = RowShift();
        for (const int i : m_rows->Query(m_layout, box)) {
            visit(EntryOf(i, shift));
        }
    }

private:
    int RowShift() const;
    Entry EntryOf(int i, int shift) const;

    std::shared_ptr<const CChartObjectRows> m_rows;
    const CPageLayout& m_layout;
};

} // namespace tembra
