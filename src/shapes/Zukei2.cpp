#include "shapes/Zukei2.h"

#include "shapes/DatePos.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiView.h"

#include <algorithm>
#include <array>

namespace tembra {

IMPLEMENT_SERIAL(CZukei2, CZukei, 1)

void CZukei2::Serialize(CArchive& ar) {
    CZukei::Serialize(ar);
    std::array<BYTE, kAnchorsSize> block{};
    if (ar.IsStoring()) {
        m_anchor1.ToFile(block.data());
        m_anchor2.ToFile(block.data() + CZukeiPoint::kFileSize);
        ar.Write(block.data(), static_cast<UINT>(block.size()));
    } else {
        ar.ReadExact(block.data(), block.size());
        m_anchor1.FromFile(block.data());
        m_anchor2.FromFile(block.data() + CZukeiPoint::kFileSize);
    }
}

void CZukei2::CopyAnchorsFrom(const CZukei2& source) {
    m_anchor1 = source.m_anchor1;
    m_anchor2 = source.m_anchor2;
}

void CZukei2::SetAnchors(const CTime& date1, double row1, const CTime& date2, double row2) {
    m_anchor1 = CZukeiPoint(date1, row1);
    m_anchor2 = CZukeiPoint(date2, row2);
    SetPage(0, 0);
}

// ---- Dates and rows
// -------------------------------------------------------------------------------

CTime CZukei2::GetStartDate(int mode) const {
    const CTime& t1 = m_anchor1.GetDate();
    const CTime& t2 = m_anchor2.GetDate();
    if (mode == -1) {
        return IsRound() ? CTime((t1.GetTime() + t2.GetTime()) / 2) : t1;
    }
    return std::min(t1, t2);
}

CTime CZukei2::GetEndDate(int mode) const {
    const CTime& t1 = m_anchor1.GetDate();
    const CTime& t2 = m_anchor2.GetDate();
    return mode == -1 ? t2 : std::max(t1, t2);
}

double CZukei2::GetTopRow(int mode) const {
    const double r1 = m_anchor1.GetRow();
    const double r2 = m_anchor2.GetRow();
    if (mode == -1) {
        return IsRound() ? (r1 + r2) / 2 : r1;
    }
    return std::min(r1, r2);
}

double CZukei2::GetBottomRow(int mode) const {
    const double r1 = m_anchor1.GetRow();
    const double r2 = m_anchor2.GetRow();
    return mode == -1 ? r2 : std::max(r1, r2);
}

void CZukei2::GetStartPos(short& rowNo, double& fraction, int mode) const {
    const double r1 = m_anchor1.GetRow();
    const double r = mode != -1 && IsRound() ? (r1 + m_anchor2.GetRow()) / 2 : r1;
    SplitRow(r, rowNo, fraction);
}

void CZukei2::GetEndPos(short& rowNo, double& fraction, int) const {
    SplitRow(m_anchor2.GetRow(), rowNo, fraction);
}

void CZukei2::MoveBy(const CTimeSpan& span, double rows) {
    for (CZukeiPoint* anchor : {&m_anchor1, &m_anchor2}) {
        anchor->SetDate(anchor->GetDate() + span);
        anchor->SetRow(anchor->GetRow() + rows);
    }
}

// ---- Placement ----------------------------------------------------------------------------------

bool CZukei2::GetDevicePoints(const IZukeiView& view, CPoint& p1, CPoint& p2) const {
    switch (GetPointMode()) {
    case kPlaceFixedSize: {
        p1 = ChartPoint(view, m_anchor1);
        const CPoint& o1 = m_anchor1.GetOffset();
        const CPoint& o2 = m_anchor2.GetOffset();
        p2 = CPoint(p1.x + Zoom(view, o2.x) - Zoom(view, o1.x),
                    p1.y + Zoom(view, o2.y) - Zoom(view, o1.y));
        return true;
    }
    case kPlaceOnPage: {
        const ZukeiPage page = GetPageOf(view);
        if (!IsOnPage(page)) {
            return false;
        }
        // Both anchors shift with the first one's date and row.
        const CTime& date = m_anchor1.GetDate();
        const double row = m_anchor1.GetRow();
        p1 = PagePoint(view, m_anchor1.GetOffset(), page, date, row);
        p2 = PagePoint(view, m_anchor2.GetOffset(), page, date, row);
        return true;
    }
    default:
        p1 = ChartPoint(view, m_anchor1);
        p2 = ChartPoint(view, m_anchor2);
        return true;
    }
}

CRect CZukei2::GetDeviceRect(const IZukeiView& view) const {
    CPoint p1;
    CPoint p2;
    if (!GetDevicePoints(view, p1, p2)) {
        return CRect();
    }
    return CRect(p1, p2);
}

void CZukei2::SetPoint(const CDatePos& pos, const IZukeiView& view, int index) {
    if (index != 1 && index != 2) {
        return;
    }
    CZukeiPoint& anchor = index == 1 ? m_anchor1 : m_anchor2;
    anchor.SetDate(pos.date);
    anchor.SetRow(pos.row);
    const ZukeiPage page = GetPageOf(view);
    anchor.SetOffset(PageOffset(view, pos.point, page, m_anchor1.GetDate(), m_anchor1.GetRow()));
    if (index == 1) {
        SetPage(page.col, page.row);
    }
}

void CZukei2::ResetOffsets() {
    m_anchor1.SetOffset(0, 0);
    m_anchor2.SetOffset(0, 0);
}

void CZukei2::FixOffsets(const IZukeiView& view) {
    if (GetPointMode() == kPlaceOnChart || m_anchor1.GetOffset() != CPoint(0, 0)) {
        return;
    }
    // As SetPoint takes them, so that the shape stays where the chart put it at any zoom.
    const ZukeiPage page = GetPageOf(view);
    const CTime date = m_anchor1.GetDate();
    const double row = m_anchor1.GetRow();
    for (CZukeiPoint* anchor : {&m_anchor1, &m_anchor2}) {
        anchor->SetOffset(PageOffset(view, ChartPoint(view, *anchor), page, date, row));
    }
    SetPage(page.col, page.row);
}

BOOL CZukei2::HasOffsets() const {
    return m_anchor1.GetOffset() != m_anchor2.GetOffset() ? TRUE : FALSE;
}

// ---- Moving and resizing ------------------------------------------------------------------------

void CZukei2::MoveAnchors(const IZukeiView& view, const CPoint&, const CTimeSpan& span,
                          double rows) {
    const CPoint before = ChartPoint(view, m_anchor1);
    MoveBy(span, rows);
    if (!HasBothOffsetParts(m_anchor1)) {
        return;
    }
    const CPoint after = ChartPoint(view, m_anchor1);
    const CPoint shift(Unzoom(view, after.x - before.x), Unzoom(view, after.y - before.y));
    for (CZukeiPoint* anchor : {&m_anchor1, &m_anchor2}) {
        anchor->SetOffset(anchor->GetOffset() + shift);
    }
}

void CZukei2::ResizeAnchors(const IZukeiView& view, const CPoint& delta, int handle,
                            const CRect& ref, const CDatePos& pos) {
    CPoint p1;
    CPoint p2;
    if (!GetDevicePoints(view, p1, p2)) {
        return;
    }
    const CRect old(p1, p2);
    CRect resized = old;
    ResizeRect(view, delta, handle, ref, resized);

    if (HandleMovesLeft(handle) || HandleMovesRight(handle)) {
        const bool left = HandleMovesLeft(handle);
        // The anchor that holds the dragged edge; the other holds the opposite one.
        const bool firstDragged = left == (old.left < old.right);
        CZukeiPoint& dragged = firstDragged ? m_anchor1 : m_anchor2;
        CZukeiPoint& other = firstDragged ? m_anchor2 : m_anchor1;
        const LONG draggedX = firstDragged ? resized.left : resized.right;
        const LONG otherX = firstDragged ? resized.right : resized.left;
        const LONG edge = left ? ref.left : ref.right;
        const LONG opposite = left ? ref.right : ref.left;
        dragged.SetDate(draggedX == edge + delta.x ? pos.endDate : XToDate(view, draggedX));
        if (otherX != opposite) {
            other.SetDate(XToDate(view, otherX));
        }
    }
    if (HandleMovesTop(handle) || HandleMovesBottom(handle)) {
        const bool top = HandleMovesTop(handle);
        const bool firstDragged = top == (old.top > old.bottom);
        CZukeiPoint& dragged = firstDragged ? m_anchor1 : m_anchor2;
        CZukeiPoint& other = firstDragged ? m_anchor2 : m_anchor1;
        const LONG draggedY = firstDragged ? resized.top : resized.bottom;
        const LONG otherY = firstDragged ? resized.bottom : resized.top;
        const LONG edge = top ? ref.top : ref.bottom;
        const LONG opposite = top ? ref.bottom : ref.top;
        dragged.SetRow(draggedY == edge + delta.y ? pos.endRow : YToRow(view, draggedY));
        if (otherY != opposite) {
            other.SetRow(YToRow(view, otherY));
        }
    }
    if (HasBothOffsetParts(m_anchor1)) {
        m_anchor1.SetOffset(m_anchor1.GetOffset() + CPoint(Unzoom(view, resized.left - old.left),
                                                           Unzoom(view, resized.top - old.top)));
        m_anchor2.SetOffset(m_anchor2.GetOffset() +
                            CPoint(Unzoom(view, resized.right - old.right),
                                   Unzoom(view, resized.bottom - old.bottom)));
    }
}

CRect CZukei2::GetResizedRect(const IZukeiView& view, const CPoint& delta, int handle,
                              const CRect& ref) const {
    CPoint p1;
    CPoint p2;
    if (!GetDevicePoints(view, p1, p2)) {
        return CRect();
    }
    CRect rect(p1, p2);
    ResizeRect(view, delta, handle, ref, rect);
    return rect;
}

} // namespace tembra
