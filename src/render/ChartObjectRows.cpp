#include "render/ChartObjectRows.h"

#include "model/DataHeader.h"
#include "render/PageLayout.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace tembra {

namespace {

// The coordinates of a layout stop at ±30000: bounds that stay within ±kZone were not cut
// there, with room for labels and leader lines worked out from a cut point.
constexpr int kZone = 20000;
// What the truncations of the rows' heights can put an edge off by between two layouts (the
// edge's own, the middle of a row's halving, and the heights of the rows above the two first
// rows): a few units. An object moves with the rows when other first rows put it within half
// of this of the same place; within this much of a box's edge the layout's own bounds decide.
constexpr int kSlack = 8;
// Tries to find rows near an object before it is looked at on every layout instead.
constexpr int kMaxTries = 64;

bool InZone(const CRect& b) {
    return b.top <= kZone && b.bottom >= -kZone;
}

bool Meet(const CRect& a, const CRect& b) {
    return CRectGrid::Meet(a, b);
}

// The bounds moved into row space from a layout whose rows above its first are that high.
CRect ToRows(CRect b, int shift) {
    b.top -= shift;
    b.bottom -= shift;
    return b;
}

bool SameInRows(const CRect& a, const CRect& b) {
    return a.left == b.left && a.right == b.right && std::abs(a.top - b.top) <= kSlack / 2 &&
           std::abs(a.bottom - b.bottom) <= kSlack / 2;
}

// A copy of a layout that shows the same number of rows from another first row.
class Probe {
public:
    explicit Probe(const CPageLayout& layout)
        : m_layout(layout), m_rows(layout.GetLastRow() - layout.GetFirstRow()),
          m_maxFirst(std::max(0, CPageLayout::kMaxRow - m_rows)) {}

    int MaxFirst() const { return m_maxFirst; }
    int Rows() const { return m_rows; }
    int Shift(int first) const { return m_layout.RowsToHeight(first); }
    int ChartTop() const { return m_layout.GetChartRect().top; }
    double RowHeight() const { return m_layout.GetRowHeight(); }

    CRect BoundsAt(const CDataHeader& object, int first) {
        m_layout.SetFirstRow(static_cast<short>(first));
        m_layout.SetLastRow(static_cast<short>(first + m_rows));
        return m_layout.GetObjectBounds(nullptr, &object, 0);
    }

private:
    CPageLayout m_layout;
    int m_rows;
    int m_maxFirst;
};

// The object's bounds in row space, found on the probe moved to rows near it (guess: where to
// look first, and where the object was found); nothing when they do not move with the rows.
std::optional<CRect> RowBounds(Probe& probe, const CDataHeader& object, int& guess);

} // namespace

CChartObjectRows::CChartObjectRows(const CPageLayout& layout) : m_key(layout) {
    const IPageLayoutDocument* document = layout.GetDocument();
    if (document == nullptr) {
        return;
    }
    std::vector<CRect> boxes;
    if (!m_key.InRowSpace()) {
        document->ForEachChartObject([&](const CDataHeader& object) {
            const CRect bounds = layout.GetObjectBounds(nullptr, &object, 0);
            m_filed.push_back(static_cast<int>(m_entries.size()));
            m_entries.push_back({&object, bounds, false});
            boxes.push_back(bounds);
        });
        m_grid = CRectGrid(boxes);
        return;
    }
    Probe probe(layout);
    // Objects come mostly in the order of their rows: the rows of one are the first guess for
    // the next.
    int guess = layout.GetFirstRow();
    document->ForEachChartObject([&](const CDataHeader& object) {
        const int i = static_cast<int>(m_entries.size());
        if (const std::optional<CRect> rows = RowBounds(probe, object, guess)) {
            m_entries.push_back({&object, *rows, true});
            m_filed.push_back(i);
            boxes.push_back(*rows);
        } else {
            m_entries.push_back({&object, CRect(), false});
            m_everywhere.push_back(i);
        }
    });
    m_grid = CRectGrid(boxes);
}

namespace {

std::optional<CRect> RowBounds(Probe& probe, const CDataHeader& object, int& guess) {
    // A first row at which the object's bounds lie within the zone.
    int lo = 0;
    int hi = probe.MaxFirst();
    int first = std::clamp(guess, lo, hi);
    const double rowHeight = probe.RowHeight();
    if (!(rowHeight > 0.0)) {
        return std::nullopt;
    }
    const auto rowsIn = [rowHeight](double height) {
        return static_cast<int>(std::max(1.0, height / rowHeight));
    };
    CRect b;
    bool found = false;
    for (int tries = 0; tries < kMaxTries && lo <= hi; ++tries) {
        b = probe.BoundsAt(object, first);
        if (b.IsRectNull()) {
            return std::nullopt;
        }
        if (InZone(b)) {
            found = true;
            break;
        }
        if (b.top > kZone && b.bottom < -kZone) {
            // Taller than the zone.
            return std::nullopt;
        }
        if (b.top < -kZone) {
            // Wholly below: it starts further down than the zone reaches.
            lo = std::max(lo, first + rowsIn(probe.ChartTop() + kZone));
        } else if (b.bottom > kZone) {
            hi = std::min(hi, first - rowsIn(kZone - probe.ChartTop()));
        } else if (b.bottom < -kZone) {
            // Its top in the zone, reaching below it: its top to the chart's top.
            const int next = first + static_cast<int>((probe.ChartTop() - b.top) / rowHeight);
            if (next <= first) {
                return std::nullopt;
            }
            lo = std::max(lo, first + 1);
            if (next <= hi) {
                first = next;
                continue;
            }
        } else {
            hi = std::min(hi, first - 1);
        }
        first = lo + (hi - lo) / 2;
    }
    if (!found) {
        return std::nullopt;
    }
    // Its top near the chart's top, so that a page's move keeps it within the zone.
    const int pageHeight = std::abs(probe.Shift(probe.Rows() + 1));
    if (std::abs(b.top - probe.ChartTop()) > pageHeight) {
        const int moved = std::clamp(
            first + static_cast<int>((probe.ChartTop() - b.top) / rowHeight), 0, probe.MaxFirst());
        const CRect there = probe.BoundsAt(object, moved);
        if (InZone(there) && !there.IsRectNull()) {
            first = moved;
            b = there;
        }
    }
    guess = first;

    // It moves with the rows: one row and one page further on it lies where its rows do.
    const CRect rows = ToRows(b, probe.Shift(first));
    for (const int step : {1, probe.Rows() + 1}) {
        const int other = first + step <= probe.MaxFirst() ? first + step : first - step;
        if (other < 0) {
            continue;
        }
        const CRect there = probe.BoundsAt(object, other);
        if (!InZone(there) || !SameInRows(ToRows(there, probe.Shift(other)), rows)) {
            return std::nullopt;
        }
    }
    return rows;
}

} // namespace

bool CChartObjectRows::IsFor(const CPageLayout& layout) const {
    return m_key.IsFor(layout);
}

int CChartObjectRows::RowShift(const CPageLayout& layout) const {
    return m_key.InRowSpace() ? layout.RowsToHeight(layout.GetFirstRow()) : 0;
}

const std::vector<int>& CChartObjectRows::Query(const CPageLayout& layout, const CRect& box) const {
    m_found.clear();
    const int shift = RowShift(layout);
    const int slack = m_key.InRowSpace() ? kSlack : 0;
    const CRect rowBox(box.left, box.top - shift + slack, box.right, box.bottom - shift - slack);
    const std::vector<int>& filed = m_grid.Query(rowBox);
    const auto meets = [&](int i) {
        const Entry& entry = m_entries[static_cast<std::size_t>(i)];
        if (entry.moving) {
            const CRect& b = entry.bounds;
            // Within the slack of the box's edges the rows' truncation decides: the bounds
            // on the layout itself do.
            if (b.left <= box.right && box.left <= b.right && b.bottom + shift + slack <= box.top &&
                box.bottom <= b.top + shift - slack) {
                return true;
            }
        } else if (!m_key.InRowSpace()) {
            return true;
        }
        return Meet(layout.GetObjectBounds(nullptr, entry.object, 0), box);
    };
    // The filed ones and the others, in drawing order.
    auto other = m_everywhere.begin();
    for (const int f : filed) {
        const int i = m_filed[static_cast<std::size_t>(f)];
        for (; other != m_everywhere.end() && *other < i; ++other) {
            if (meets(*other)) {
                m_found.push_back(*other);
            }
        }
        if (meets(i)) {
            m_found.push_back(i);
        }
    }
    for (; other != m_everywhere.end(); ++other) {
        if (meets(*other)) {
            m_found.push_back(*other);
        }
    }
    return m_found;
}

} // namespace tembra
