// The process lines of a chart as every page of a print looks them up for its crossings on
// paper: every process among the document's chart objects in drawing order, those whose lines
// others are lifted over (not bars, not a shape that draws nothing) with the box their line
// never leaves, filed in a grid of cells. What it holds does not depend on the page: a print
// job makes it once, and the layouts of its pages, which differ only in their first row, share
// it (CPageLayout::AdoptCrossLines); each page works out the exact boxes and routes of the lines
// it meets on its own (CKouteiCrossIndex).
//
// On paper (and in the preview) the boxes are kept in row space: where the line lies on a
// layout whose first row is 0, worked out from its rows and dates without the truncation of
// the rows' heights nor the coordinates' limits, and widened by what that truncation can put a
// page's line off by. A page asks with its box moved by the height of the rows above its first
// row, and gets the few lines near it of which it tells those that really meet it; a page whose
// box runs to the coordinates' limits gets every line beyond them, as its own coordinates cut
// them there. Anywhere else (the window, its fixed rows) the boxes are the layout's own, for
// its first row.
//
// It is made from the layout's document and geometry as they are when it is made, and serves
// the layouts of that document and geometry (DrawCacheKey) while the document's objects do not
// change.
#pragma once

#include "platform/Types.h"
#include "render/RectGrid.h"
#include "render/RowSpaceKey.h"

#include <functional>
#include <unordered_map>
#include <vector>

namespace tembra {

class IPageLayoutDocument;

class CKoutei;
class CPageLayout;

// Visits the processes among the document's chart objects, in drawing order.
void ForEachKouteiOf(const IPageLayoutDocument& document,
                     const std::function<void(const CKoutei&)>& visit);

class CKouteiCrossLines {
public:
    struct Entry {
        const CKoutei* koutei = nullptr;
        // The position of the process in drawing order.
        int order = 0;
        // Normalised, logical units: in row space, or the layout's own box of the line.
        CRect box;
    };

    explicit CKouteiCrossLines(const CPageLayout& layout);

    // Whether the lines were made for the layout's geometry (in row space whatever its first
    // row, else for its first row) and its document as they now are.
    bool IsFor(const CPageLayout& layout) const;
    // Whether the boxes are in row space (else they are the layout's own).
    bool InRowSpace() const { return m_key.InRowSpace(); }

    // The position of a process in drawing order; one past the last when it is not listed.
    int OrderOf(const CKoutei& koutei) const;

    int GetCount() const { return static_cast<int>(m_entries.size()); }
    const Entry& GetEntry(int i) const { return m_entries[static_cast<std::size_t>(i)]; }

    // The numbers of the lines, ascending (in drawing order), whose boxes on the layout may
    // meet the box (normalised, logical units of the layout, edges included): all those that
    // do, and in row space a few near them that do not. The layout is one the lines are for.
    // The vector is the grid's own, valid until the next query.
    const std::vector<int>& Query(const CPageLayout& layout, const CRect& box) const;

private:
    RowSpaceKey m_key;
    std::vector<Entry> m_entries;
    std::unordered_map<const CKoutei*, int> m_order;
    int m_count = 0;
    CRectGrid m_grid;
};

} // namespace tembra
