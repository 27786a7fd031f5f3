#include "layout_editor/core/LayoutData.h"

#include "layout_editor/core/LayoutDraw.h"
#include "layout_editor/core/LayoutGeometry.h"
#include "layout_editor/core/LayoutView.h"
#include "platform/Ui.h"

#include <new>

namespace marquell {

namespace {

// "データの生成が出来ません。"
constexpr UINT kIdsCannotMakeData = 61246;

// Elements other than lines keep this size in each direction when they are reshaped, and are
// pulled this far back where they pass the current area.
constexpr int kMinTransformSize = 5;
constexpr int kAreaPullBack = 10;

long long Distance2(const CPoint& a, const CPoint& b) {
    const long long dx = static_cast<long long>(a.x) - b.x;
    const long long dy = static_cast<long long>(a.y) - b.y;
    return dx * dx + dy * dy;
}

} // namespace

IMPLEMENT_SERIAL(CLayoutData, CObject, 1)

void CLayoutData::Draw(CDC* dc, const ILayoutView& view, int mode) const {
    if (mode == kDrawFeedbackInverted || mode == kDrawFeedbackCopied) {
        DrawOutline(dc, view, m_rect,
                    mode == kDrawFeedbackInverted ? tembra::R2_NOT : tembra::R2_COPYPEN);
    }
}

CRect CLayoutData::GetRect() const {
    return NormalizedLayoutRect(m_rect);
}

BOOL CLayoutData::HitTest(int left, int top, int right, int bottom, BOOL wholeInside) const {
    const CRect rect = NormalizedLayoutRect(m_rect);
    if (rect.left == rect.right || rect.top == rect.bottom) {
        return FALSE;
    }
    const LayoutQuery q = MakeLayoutQuery(left, top, right, bottom);
    const bool hit =
        wholeInside && !q.point ? LayoutRectHolds(q.rect, rect) : LayoutRectsMeet(q.rect, rect);
    return hit ? TRUE : FALSE;
}

int CLayoutData::GetLineKind() const {
    return 3;
}

void CLayoutData::DrawMoveFeedback(CDC* dc, const ILayoutView& view, const CPoint& offset) const {
    CRect moved = m_rect;
    moved.OffsetRect(offset);
    DrawOutline(dc, view, moved, tembra::R2_NOT);
}

void CLayoutData::DrawTransformFeedback(CDC* dc, const ILayoutView& view) const {
    DrawOutline(dc, view, TransformedFrame(view), tembra::R2_NOT);
}

std::unique_ptr<CLayoutData> CLayoutData::Clone() const {
    try {
        return MakeCopy();
    } catch (const std::bad_alloc&) {
        tembra::AfxMessageBox(kIdsCannotMakeData);
        return nullptr;
    }
}

std::unique_ptr<CLayoutData> CLayoutData::MakeCopy() const {
    return std::unique_ptr<CLayoutData>(new CLayoutData(*this));
}

void CLayoutData::DrawOutline(CDC* dc, const ILayoutView& view, const CRect& rect, int mix) const {
    DrawRect(dc, view.ToView(NormalizedLayoutRect(rect)), tembra::PS_DOT, 0, RGB(0, 0, 0),
             kBrushHollow, 0, mix, tembra::TRANSPARENT);
}

CRect CLayoutData::TransformedFrame(const ILayoutView& view) const {
    const int mark = view.GetTransformMark();
    const CRect from = NormalizedLayoutRect(view.GetTransformFrom());
    const CRect to = NormalizedLayoutRect(view.GetTransformTo());
    CRect r = IsLine() ? m_rect : NormalizedLayoutRect(m_rect);

    if (IsLine() && view.IsLineEndMode()) {
        // The end on the dragged mark goes where the mark went; the other stays.
        const CPoint grabbed = LayoutMarkPoint(from, mark);
        const CPoint target = LayoutMarkPoint(to, mark);
        if (Distance2(r.TopLeft(), grabbed) <= Distance2(r.BottomRight(), grabbed)) {
            r.left = target.x;
            r.top = target.y;
        } else {
            r.right = target.x;
            r.bottom = target.y;
        }
        return r;
    }

    const bool leftMoves = mark == 1 || mark == 7 || mark == 8;
    const bool rightMoves = mark == 3 || mark == 4 || mark == 5;
    const bool topMoves = mark == 1 || mark == 2 || mark == 3;
    const bool bottomMoves = mark == 5 || mark == 6 || mark == 7;
    const double sx = from.Width() != 0 ? static_cast<double>(to.Width()) / from.Width() : 1.0;
    const double sy = from.top != from.bottom
                          ? static_cast<double>(to.top - to.bottom) / (from.top - from.bottom)
                          : 1.0;
    // A value scaled about the frame's edge that stays where it is.
    const auto about = [](LONG v, LONG fixedFrom, LONG fixedTo, double scale) {
        return RoundHalfDown(fixedTo + (static_cast<double>(v) - fixedFrom) * scale);
    };
    if (leftMoves) {
        r.left = about(r.left, from.right, to.right, sx);
        r.right = about(r.right, from.right, to.right, sx);
    } else if (rightMoves) {
        r.left = about(r.left, from.left, to.left, sx);
        r.right = about(r.right, from.left, to.left, sx);
    }
    if (topMoves) {
        r.top = about(r.top, from.bottom, to.bottom, sy);
        r.bottom = about(r.bottom, from.bottom, to.bottom, sy);
    } else if (bottomMoves) {
        r.top = about(r.top, from.top, to.top, sy);
        r.bottom = about(r.bottom, from.top, to.top, sy);
    }
    if (IsLine()) {
        return r;
    }

    if (leftMoves && r.right - r.left < kMinTransformSize) {
        r.left = r.right - kMinTransformSize;
    } else if (rightMoves && r.right - r.left < kMinTransformSize) {
        r.right = r.left + kMinTransformSize;
    }
    if (topMoves && r.top - r.bottom < kMinTransformSize) {
        r.top = r.bottom + kMinTransformSize;
    } else if (bottomMoves && r.top - r.bottom < kMinTransformSize) {
        r.bottom = r.top - kMinTransformSize;
    }
    const CRect area = NormalizedLayoutRect(view.GetCurrentAreaRect());
    if (r.left < area.left) {
        r.left += kAreaPullBack;
    }
    if (r.right > area.right) {
        r.right -= kAreaPullBack;
    }
    if (r.top > area.top) {
        r.top -= kAreaPullBack;
    }
    if (r.bottom < area.bottom) {
        r.bottom += kAreaPullBack;
    }
    return r;
}

std::vector<CPoint> CLayoutData::MarkPoints(const ILayoutView& view) const {
    if (IsLine() && view.IsLineEndMode()) {
        return {m_rect.TopLeft(), m_rect.BottomRight()};
    }
    const CRect frame = NormalizedLayoutRect(m_rect);
    std::vector<CPoint> points;
    for (int mark = 1; mark <= 8; ++mark) {
        points.push_back(LayoutMarkPoint(frame, mark));
    }
    return points;
}

void CLayoutData::DrawSelectionMarks(CDC* dc, const ILayoutView& view) const {
    if (dc == nullptr) {
        return;
    }
    CSize size(5, 5);
    CSize offset(2, 2);
    dc->DPtoLP(&size);
    dc->DPtoLP(&offset);
    // The square's corner lies up and left of its point; "up" is +y under a y-up mapping.
    const int up = dc->ScaleY() < 0 ? 1 : -1;
    for (const CPoint& point : MarkPoints(view)) {
        const CPoint at = view.ToView(point);
        dc->PatBlt(at.x - offset.cx, at.y + up * offset.cy, size.cx, -up * size.cy,
                   tembra::DSTINVERT);
    }
}

} // namespace marquell
