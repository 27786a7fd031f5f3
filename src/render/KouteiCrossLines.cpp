#include "render/KouteiCrossLines.h"

#include "model/DataHeader.h"
#include "model/Koutei.h"
#include "model/Utility.h"
#include "render/KouteiCrossIndex.h"
#include "render/PageLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tembra {

namespace {

// What the truncations of the rows' heights can put a row's middle off by between row space
// and a page (the height of the rows above the page, the rows above the line on the page, the
// halving of the line's row): a few units; a box in row space is widened by this much.
constexpr int kSlack = 8;
// Row space reaches further than the coordinates of a layout: kept within this.
constexpr double kRowSpaceLimit = 1 << 30;

int ToRowSpace(double y) {
    return static_cast<int>(std::clamp(y, -kRowSpaceLimit, kRowSpaceLimit));
}

// The box of the process's line in row space: from the middle of its highest row to the middle
// of its lowest (a gate's bend row among them), its dates' x as on every layout.
CRect RowSpaceBox(const CKoutei& koutei, const CPageLayout& layout) {
    int high = std::min<int>(koutei.GetStartRow(), koutei.GetEndRow());
    int low = std::max<int>(koutei.GetStartRow(), koutei.GetEndRow());
    if (koutei.GetLineShape() == kLineShapeGate) {
        const int gate = koutei.CalcGateRow();
        high = std::min(high, gate);
        low = std::max(low, gate);
    }
    high = std::clamp(high, 0, CPageLayout::kMaxRow);
    low = std::clamp(low, 0, CPageLayout::kMaxRow);
    const double top = layout.GetChartRect().top;
    const double rowHeight = layout.GetRowHeight();
    const auto middle = [&](int row) { return top - rowHeight * (row + 0.5); };
    const int x1 = layout.DateToX(koutei.GetStartTime());
    const int x2 = layout.DateToX(koutei.GetEndTime());
    return CRect(std::min(x1, x2), ToRowSpace(std::ceil(middle(high)) + kSlack), std::max(x1, x2),
                 ToRowSpace(std::floor(middle(low)) - kSlack));
}

} // namespace

void ForEachKouteiOf(const IPageLayoutDocument& document,
                     const std::function<void(const CKoutei&)>& visit) {
    document.ForEachChartObject([&](const CDataHeader& object) {
        if (object.GetType() != kTypeKoutei || object.GetKind() != kKindKoutei) {
            return;
        }
        if (const auto* koutei = dynamic_cast<const CKoutei*>(&object)) {
            visit(*koutei);
        }
    });
}

CKouteiCrossLines::CKouteiCrossLines(const CPageLayout& layout) : m_key(layout) {
    const IPageLayoutDocument* document = layout.GetDocument();
    if (document == nullptr) {
        return;
    }
    std::vector<CRect> boxes;
    ForEachKouteiOf(*document, [&](const CKoutei& koutei) {
        const int order = m_count++;
        m_order.emplace(&koutei, order);
        // Bars never lift a line over them, nor does a line shape that draws nothing.
        if (koutei.GetLineShape() > kLineShapeGate) {
            return;
        }
        const CRect box =
            m_key.InRowSpace() ? RowSpaceBox(koutei, layout) : KouteiLineBox(koutei, layout);
        m_entries.push_back({&koutei, order, box});
        boxes.push_back(box);
    });
    m_grid = CRectGrid(boxes);
}

bool CKouteiCrossLines::IsFor(const CPageLayout& layout) const {
    return m_key.IsFor(layout);
}

int CKouteiCrossLines::OrderOf(const CKoutei& koutei) const {
    const auto it = m_order.find(&koutei);
    return it != m_order.end() ? it->second : m_count;
}

const std::vector<int>& CKouteiCrossLines::Query(const CPageLayout& layout,
                                                 const CRect& box) const {
    if (!m_key.InRowSpace()) {
        return m_grid.Query(box);
    }
    // The rows above the layout's first row lift row space that much higher on the layout. A
    // box that runs to the limits of the coordinates meets the lines the layout cuts there,
    // however far beyond they lie.
    const std::int64_t shift = layout.RowsToHeight(layout.GetFirstRow());
    const auto moved = [&](int y) {
        return static_cast<int>(std::clamp<std::int64_t>(y - shift, std::numeric_limits<int>::min(),
                                                         std::numeric_limits<int>::max()));
    };
    const int top =
        box.top >= kMaxCoord - kSlack ? std::numeric_limits<int>::max() : moved(box.top);
    const int bottom =
        box.bottom <= kMinCoord + kSlack ? std::numeric_limits<int>::min() : moved(box.bottom);
    return m_grid.Query(CRect(box.left, top, box.right, bottom));
}

} // namespace tembra
