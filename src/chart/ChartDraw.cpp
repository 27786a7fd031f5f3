// The rectangle and the drawing of a resource chart. Each group is drawn inside the page area
// and the chart's own rectangle (a little wider, so that the frame's pen shows whole); between
// the groups come the passes of the chart's background that a resource-loading graph repeats
// inside its band: the hatchings, the selected date range and the holiday shading with the time
// grid.
#include "chart/Chart.h"

#include "chart/ChartDocument.h"
#include "platform/DC.h"
#include "render/DrawSettings.h"
#include "render/PageLayout.h"
#include "shapes/Zukei.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiView.h"

#include <algorithm>
#include <initializer_list>

namespace tembra {

namespace {

// How far the chart's drawing reaches round its rectangle, and below the process area.
constexpr int kDrawMargin = 10;
// The page area stops this short of the header area's right edge.
constexpr int kRightInset = 2;

// Adds the shape's rectangle on the view (y upwards) to the union; a shape with no rectangle
// (not on the view's page) adds nothing.
void AddBounds(CRect& bounds, bool& any, const CZukei* shape, const IZukeiView& view) {
    if (shape == nullptr) {
        return;
    }
    CRect r = shape->GetDeviceRect(view);
    if (r.IsRectNull()) {
        return;
    }
    if (r.left > r.right) {
        std::swap(r.left, r.right);
    }
    if (r.bottom > r.top) {
        std::swap(r.top, r.bottom);
    }
    if (!any) {
        bounds = r;
        any = true;
        return;
    }
    bounds.left = std::min(bounds.left, r.left);
    bounds.bottom = std::min(bounds.bottom, r.bottom);
    bounds.right = std::max(bounds.right, r.right);
    bounds.top = std::max(bounds.top, r.top);
}

CRect Flipped(CRect r) {
    if (GetDrawSettings().flipY) {
        r.top = -r.top;
        r.bottom = -r.bottom;
    }
    return r;
}

// The clip of one drawing step: none, then the rectangles given.
void ClipTo(CDC& dc, std::initializer_list<CRect> rects) {
    dc.SelectClipRgn(nullptr);
    for (const CRect& r : rects) {
        dc.IntersectClipRect(&r);
    }
}

} // namespace

void CChart::GetBoundRect(CRect& out, const IZukeiView& view, int mode) const {
    out.SetRectEmpty();
    bool any = false;
    const bool labels = (m_options & kOptionResourceTotals) != 0;
    if (mode == 0 || mode == 1) {
        const std::size_t groups = mode == 0 ? 3 : 4;
        for (std::size_t i = 0; i < std::min(groups, m_shapes.size()); ++i) {
            AddBounds(out, any, m_shapes[i].get(), view);
        }
    }
    if ((mode == 1 || mode == -1) && labels) {
        for (const std::unique_ptr<CZukei>& label : m_labels) {
            AddBounds(out, any, label.get(), view);
        }
    }
}

void CChart::Draw(IChartDocument& document, const IZukeiView& view, CDC& dc, int mode) {
    if (IsStale(document)) {
        // Not a change of the chart: the change of the processes marked the document already.
        BuildGroups(document, view.GetPageLayout());
    }
    if (m_shapes.empty()) {
        return;
    }
    const CPageLayout& layout = view.GetPageLayout();
    CRect r;
    GetBoundRect(r, view, 1);
    CRect w = r;
    w.left -= kDrawMargin;
    w.right += kDrawMargin;
    w.top += kDrawMargin;
    w.bottom -= kDrawMargin;
    const CRect header = layout.GetHeaderRect();
    const CRect process = layout.GetKouteiRect();
    CRect area(header.left, process.top, header.right - kRightInset, process.bottom - kDrawMargin);
    if (layout.IsScrolledDown() && layout.GetClipPass()) {
        const CRect fixedRows = layout.GetKouteiGridRect();
        area.top = fixedRows.top;
        area.bottom = fixedRows.bottom;
    }
    const CRect a = Flipped(area);
    const CRect wf = Flipped(w);
    const CRect rf = Flipped(r);
    const bool loading = m_purpose == kPurposeLoading;
    const auto drawGroup = [&](int index) {
        if (static_cast<std::size_t>(index) < m_shapes.size() && m_shapes[index] != nullptr) {
            m_shapes[static_cast<std::size_t>(index)]->Draw(view, dc, mode);
        }
    };

    const int saved = dc.SaveDC();
    // The frame.
    ClipTo(dc, {a, wf});
    drawGroup(kGroupFrame);
    // The hatchings of the band (on paper only when the print settings let them).
    if (loading && (!dc.IsPrinting() || document.GetPrintHatch() != 0)) {
        ClipTo(dc, {});
        layout.DrawHatching(&dc, r.top, r.bottom);
    }
    // The selected date range, on the screen.
    if (loading && !dc.IsPrinting()) {
        ClipTo(dc, {a, rf});
        layout.DrawColumnRangeBand(&dc);
    }
    // The filled bars and the scale, the background of the band, the graph.
    ClipTo(dc, {a, wf});
    drawGroup(kGroupScale);
    if (m_purpose != kPurposeEarnedValue) {
        layout.DrawChartBackground(&dc, r.left, r.top, r.right, r.bottom);
    }
    drawGroup(kGroupGraph);
    // The totals per day and the totals block may stand outside the chart's rectangle.
    ClipTo(dc, {a});
    drawGroup(kGroupDayTotals);
    if ((m_options & kOptionResourceTotals) != 0) {
        ClipTo(dc, {a});
        if (!m_labels.empty() && m_labels.front() != nullptr) {
            m_labels.front()->Draw(view, dc, mode);
        }
    }
    dc.RestoreDC(saved);
}

} // namespace tembra
