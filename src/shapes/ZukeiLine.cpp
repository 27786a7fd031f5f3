#include "shapes/ZukeiLine.h"

#include "platform/DC.h"
#include "render/PageLayout.h"
#include "render/StyledDraw.h"
#include "shapes/ZukeiCopy.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiView.h"

#include "model/Utility.h"

namespace tembra {

IMPLEMENT_SERIAL(CZukeiLine, CZukei2, 1)

CZukeiLine::CZukeiLine() {
    CZukeiLine::SetKind();
}

void CZukeiLine::SetKind() {
    CDataHeader::SetKind(kZukeiLine);
}

int CZukeiLine::GetSegmentCount() const {
    return 1;
}

int CZukeiLine::StartHandle(const CRect& line) {
    if (line.left < line.right) {
        return line.bottom < line.top ? kHandleTopLeft : kHandleBottomLeft;
    }
    return line.bottom < line.top ? kHandleTopRight : kHandleBottomRight;
}

int CZukeiLine::EndHandle(const CRect& line) {
    if (line.left < line.right) {
        return line.bottom < line.top ? kHandleBottomRight : kHandleTopRight;
    }
    return line.bottom < line.top ? kHandleBottomLeft : kHandleTopLeft;
}

void CZukeiLine::DrawLine(const IZukeiView& view, CDC& dc, const CRect& line, int mode) const {
    const CPageLayout& layout = view.GetPageLayout();
    if (GetLineType() == kRuledLineType && mode != kDrawFeedback) {
        layout.DrawDateSeparator(&dc, CPageLayout::kSeparatorHorizontal, line.left, line.top,
                                 line.right, line.bottom);
        return;
    }
    ZukeiPen pen = GetPenAttr(layout, mode);
    if (GetLineType() == kRuledLineType) {
        pen.type = 0; // the ruled line's feedback is a plain inverting line
    }
    DrawStyledPolyline(&dc, line.left, line.top, line.right, line.bottom, pen.type, pen.width,
                       pen.color, pen.rop, OPAQUE);
}

void CZukeiLine::Draw(const IZukeiView& view, CDC& dc, int mode) const {
    CRect line;
    if (GetMovedDeviceRect(view, CPoint(0, 0), line)) {
        DrawLine(view, dc, line, mode);
    }
}

void CZukeiLine::DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const {
    CRect line;
    if (GetMovedDeviceRect(view, delta, line)) {
        DrawLine(view, dc, line, kDrawFeedback);
    }
}

void CZukeiLine::DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                              const CRect& ref) const {
    CRect line;
    if (GetTrackedDeviceRect(view, delta, handle, ref, line)) {
        DrawLine(view, dc, line, kDrawFeedback);
    }
}

void CZukeiLine::DrawHandles(const IZukeiView& view, CDC& dc, CRect& rect) const {
    if (!rect.IsRectNull()) {
        CZukei::DrawHandles(view, dc, rect);
        return;
    }
    CPoint p1;
    CPoint p2;
    if (!GetDevicePoints(view, p1, p2)) {
        return;
    }
    rect = CRect(p1, p2);
    const int size = PixelsToLogical(dc, kHandlePixels);
    const int offset = PixelsToLogical(dc, kHandleOffsetPixels);
    for (const CPoint& p : {p1, p2}) {
        dc.PatBlt(p.x - offset, p.y + offset, size, -size, DSTINVERT);
    }
}

int CZukeiLine::HitTestHandle(const IZukeiView& view, CDC& dc, const CPoint& point) const {
    CPoint p1;
    CPoint p2;
    if (!GetDevicePoints(view, p1, p2)) {
        return kHandleNone;
    }
    const CRect line(p1, p2);
    CRect normal = line;
    NormalizeLogRect(normal);
    const int s = PixelsToLogical(dc, kHandlePixels);
    for (const int handle : {StartHandle(line), EndHandle(line)}) {
        const CPoint h = HandlePoint(normal, handle);
        if (CRect(h.x - s, h.y - s, h.x + s, h.y + s).PtInRect(point)) {
            return handle;
        }
    }
    return kHandleNone;
}

void CZukeiLine::ResizeRect(const IZukeiView& view, const CPoint& delta, int handle,
                            const CRect& ref, CRect& rect) const {
    const CZukei* first = AsZukei(view.GetFirstSel());
    const bool alone =
        view.GetSelCount() == 1 && !(first != nullptr && first->GetKind() == kZukeiGroup);
    if (!alone) {
        // Ends of a line in a larger selection scale like points, without a minimum length.
        ScaleRectByHandle(delta, handle, ref, rect, 0);
        return;
    }
    if (handle == kHandleCenter) {
        const CPoint c = rect.CenterPoint();
        rect = CRect(c + delta, c - delta);
        return;
    }
    const int start = StartHandle(rect);
    const int end = EndHandle(rect);
    if (handle == start) {
        rect.left += delta.x;
        rect.top += delta.y;
    } else if (handle == end) {
        rect.right += delta.x;
        rect.bottom += delta.y;
    }
}

BOOL CZukeiLine::HitTest(const IZukeiView& view, const CRect& probe, int mode) const {
    CPoint p1;
    CPoint p2;
    if (!GetDevicePoints(view, p1, p2) ||
        (mode != kHitTouch && mode != kHitDrag && mode != kHitInside)) {
        return FALSE;
    }
    return SegmentHitTest(p1, p2, HitTolerance(GetPenWidth(view)), probe, mode) ? TRUE : FALSE;
}

std::unique_ptr<CZukei> CZukeiLine::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
