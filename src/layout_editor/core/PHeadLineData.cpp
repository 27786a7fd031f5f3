#include "layout_editor/core/PHeadLineData.h"

#include "layout_editor/core/LayoutDraw.h"
#include "layout_editor/core/LayoutGeometry.h"
#include "layout_editor/core/LayoutView.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace marquell {

IMPLEMENT_SERIAL(CPHeadLineData, CLayoutData, 1)

namespace {

struct Vec {
    double x;
    double y;
};

double Dot(const Vec& a, const Vec& b) {
    return a.x * b.x + a.y * b.y;
}

// Whether the projections of the polygon and the rectangle onto an axis overlap (touching
// counts).
bool OverlapOn(const Vec& axis, const std::array<Vec, 4>& polygon, const CRect& rect) {
    double pMin = Dot(axis, polygon[0]);
    double pMax = pMin;
    for (const Vec& p : polygon) {
        pMin = std::min(pMin, Dot(axis, p));
        pMax = std::max(pMax, Dot(axis, p));
    }
    const std::array<Vec, 4> corners = {
        {{static_cast<double>(rect.left), static_cast<double>(rect.top)},
         {static_cast<double>(rect.right), static_cast<double>(rect.top)},
         {static_cast<double>(rect.right), static_cast<double>(rect.bottom)},
         {static_cast<double>(rect.left), static_cast<double>(rect.bottom)}}};
    double rMin = Dot(axis, corners[0]);
    double rMax = rMin;
    for (const Vec& c : corners) {
        rMin = std::min(rMin, Dot(axis, c));
        rMax = std::max(rMax, Dot(axis, c));
    }
    return pMin <= rMax && rMin <= pMax;
}

} // namespace

void CPHeadLineData::Draw(CDC* dc, const ILayoutView& view, int mode) const {
    if (mode == kDrawFeedbackInverted || mode == kDrawFeedbackCopied) {
        CLayoutData::Draw(dc, view, mode);
        return;
    }
    const CPoint start = view.ToView(GetFrameRect().TopLeft());
    const CPoint end = view.ToView(GetFrameRect().BottomRight());
    DrawLine(dc, start.x, start.y, end.x, end.y, m_style, PenWidth(dc, view),
             IsSelected() ? kSelectedColor : m_color, tembra::R2_COPYPEN, tembra::TRANSPARENT);
}

int CPHeadLineData::PenWidth(const CDC* dc, const ILayoutView& view) const {
    if (dc != nullptr && dc->IsPrinting()) {
        return m_width;
    }
    return std::max(1, view.Scale(m_width));
}

void CPHeadLineData::DrawOutline(CDC* dc, const ILayoutView& view, const CRect& rect,
                                 int mix) const {
    const CPoint start = view.ToView(rect.TopLeft());
    const CPoint end = view.ToView(rect.BottomRight());
    DrawLine(dc, start.x, start.y, end.x, end.y, tembra::PS_DOT, 0, RGB(0, 0, 0), mix,
             tembra::TRANSPARENT);
}

CRect CPHeadLineData::GetRect() const {
    CRect rect = NormalizedLayoutRect(GetFrameRect());
    if (rect.left == rect.right || rect.top == rect.bottom) {
        const int w = std::max<int>(m_width, 0);
        rect = CRect(rect.left - w, rect.top + w, rect.right + w, rect.bottom - w);
    }
    return rect;
}

BOOL CPHeadLineData::HitTest(int left, int top, int right, int bottom, BOOL wholeInside) const {
    const CRect& r = GetFrameRect();
    const Vec start{static_cast<double>(r.left), static_cast<double>(r.top)};
    const Vec end{static_cast<double>(r.right), static_cast<double>(r.bottom)};
    const double length = std::hypot(end.x - start.x, end.y - start.y);
    if (length == 0.0) {
        return FALSE;
    }
    // The four corners of the band: the segment lengthened and widened by the width each way
    // (for a slanted line at the width times the square root of 2 from the ends).
    const double w = std::max<int>(m_width, 0);
    const Vec along{(end.x - start.x) / length, (end.y - start.y) / length};
    const Vec across{-along.y, along.x};
    const std::array<Vec, 4> band = {{
        {start.x - along.x * w + across.x * w, start.y - along.y * w + across.y * w},
        {start.x - along.x * w - across.x * w, start.y - along.y * w - across.y * w},
        {end.x + along.x * w - across.x * w, end.y + along.y * w - across.y * w},
        {end.x + along.x * w + across.x * w, end.y + along.y * w + across.y * w},
    }};
    const LayoutQuery q = MakeLayoutQuery(left, top, right, bottom);
    if (wholeInside && !q.point) {
        for (const Vec& p : band) {
            if (p.x < q.rect.left || p.x > q.rect.right || p.y > q.rect.top ||
                p.y < q.rect.bottom) {
                return FALSE;
            }
        }
        return TRUE;
    }
    // Separating axes: those of the rectangle and those of the band.
    for (const Vec& axis : {Vec{1.0, 0.0}, Vec{0.0, 1.0}, along, across}) {
        if (!OverlapOn(axis, band, q.rect)) {
            return FALSE;
        }
    }
    return TRUE;
}

std::unique_ptr<CLayoutData> CPHeadLineData::MakeCopy() const {
    return std::unique_ptr<CLayoutData>(new CPHeadLineData(*this));
}

} // namespace marquell
