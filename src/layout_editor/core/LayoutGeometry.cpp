#include "layout_editor/core/LayoutGeometry.h"

#include <algorithm>
#include <cmath>

namespace marquell {

CRect NormalizedLayoutRect(const CRect& rect) {
    return CRect(std::min(rect.left, rect.right), std::max(rect.top, rect.bottom),
                 std::max(rect.left, rect.right), std::min(rect.top, rect.bottom));
}

bool LayoutRectsMeet(const CRect& a, const CRect& b) {
    return a.left <= b.right && b.left <= a.right && a.bottom <= b.top && b.bottom <= a.top;
}

bool LayoutRectHolds(const CRect& outer, const CRect& inner) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.bottom <= inner.bottom &&
           inner.top <= outer.top;
}

LayoutQuery MakeLayoutQuery(int left, int top, int right, int bottom) {
    LayoutQuery q;
    q.rect = NormalizedLayoutRect(CRect(left, top, right, bottom));
    q.point = q.rect.left == q.rect.right && q.rect.top == q.rect.bottom;
    if (q.point) {
        q.rect = CRect(q.rect.left - 1, q.rect.top + 1, q.rect.right + 1, q.rect.bottom - 1);
    }
    return q;
}

CPoint LayoutMarkPoint(const CRect& frame, int mark) {
    int x = (frame.left + frame.right) / 2;
    if (mark == 1 || mark == 7 || mark == 8) {
        x = frame.left;
    } else if (mark == 3 || mark == 4 || mark == 5) {
        x = frame.right;
    }
    int y = (frame.top + frame.bottom) / 2;
    if (mark == 1 || mark == 2 || mark == 3) {
        y = frame.top;
    } else if (mark == 5 || mark == 6 || mark == 7) {
        y = frame.bottom;
    }
    return CPoint(x, y);
}

int RoundHalfDown(double value) {
    // Far beyond any paper, and within int whatever a damaged frame asks for.
    constexpr double kLimit = 1e9;
    const double whole = std::clamp(std::floor(value), -kLimit, kLimit);
    return static_cast<int>(whole) + (value - whole > 0.5 ? 1 : 0);
}

} // namespace marquell
