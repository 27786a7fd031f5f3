// The figures a device context draws: lines, polygons, rectangles, ellipses and arcs, and the
// blocks it fills, frames, inverts and copies. Each call is traced, then drawn by the backend.
#include "platform/DC.h"
#include "platform/DCTraceArgs.h"

#include <vector>

namespace tembra {

using dc_trace::Pts;
using dc_trace::Rc;

// ---- Lines and shapes -------------------------------------------------------------------------

CPoint CDC::MoveTo(int x, int y) {
    const CPoint previous = m_state.currentPosition;
    m_state.currentPosition = {x, y};
    Trace(DcOp::MoveTo, [&] { return Pts({m_state.currentPosition}); });
    return previous;
}

BOOL CDC::LineTo(int x, int y) {
    const CPoint from = m_state.currentPosition;
    const CPoint to(x, y);
    Trace(DcOp::LineTo, [&] { return Pts({from, to}); });
    DoLine(from, to);
    m_state.currentPosition = to;
    return TRUE;
}

BOOL CDC::Polyline(const CPoint* points, int count) {
    if (points == nullptr || count < 2) {
        return FALSE;
    }
    Trace(DcOp::Polyline, [&] { return Pts(std::vector<CPoint>(points, points + count)); });
    DoPolyline(points, count);
    return TRUE;
}

BOOL CDC::Polygon(const CPoint* points, int count) {
    if (points == nullptr || count < 2) {
        return FALSE;
    }
    Trace(DcOp::Polygon, [&] { return Pts(std::vector<CPoint>(points, points + count)); });
    DoPolygon(points, count);
    return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    const CRect r(left, top, right, bottom);
    Trace(DcOp::Rectangle, [&] { return Rc(r); });
    DoRectangle(r);
    return TRUE;
}

BOOL CDC::Rectangle(const CRect* rect) {
    return rect ? Rectangle(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom) {
    const CRect r(left, top, right, bottom);
    Trace(DcOp::Ellipse, [&] { return Rc(r); });
    DoEllipse(r);
    return TRUE;
}

BOOL CDC::Ellipse(const CRect* rect) {
    return rect ? Ellipse(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CDC::RoundRect(int left, int top, int right, int bottom, int width, int height) {
    const CRect r(left, top, right, bottom);
    Trace(DcOp::RoundRect, [&] { return Pts({CPoint(width, height)}, r); });
    DoRoundRect(r, CPoint(width, height));
    return TRUE;
}

BOOL CDC::RoundRect(const CRect* rect, const CPoint& corner) {
    return rect ? RoundRect(rect->left, rect->top, rect->right, rect->bottom, corner.x, corner.y)
                : FALSE;
}

BOOL CDC::ArcCall(ArcKind kind, const CRect& rect, const CPoint& start, const CPoint& end) {
    const DcOp op = kind == ArcKind::Arc   ? DcOp::Arc
                    : kind == ArcKind::Pie ? DcOp::Pie
                                           : DcOp::Chord;
    Trace(op, [&] { return Pts({start, end}, rect); });
    DoArc(kind, rect, start, end);
    return TRUE;
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ArcCall(ArcKind::Arc, CRect(x1, y1, x2, y2), CPoint(x3, y3), CPoint(x4, y4));
}

BOOL CDC::Arc(const CRect* rect, const CPoint& start, const CPoint& end) {
    return rect ? ArcCall(ArcKind::Arc, *rect, start, end) : FALSE;
}

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ArcCall(ArcKind::Pie, CRect(x1, y1, x2, y2), CPoint(x3, y3), CPoint(x4, y4));
}

BOOL CDC::Pie(const CRect* rect, const CPoint& start, const CPoint& end) {
    return rect ? ArcCall(ArcKind::Pie, *rect, start, end) : FALSE;
}

BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ArcCall(ArcKind::Chord, CRect(x1, y1, x2, y2), CPoint(x3, y3), CPoint(x4, y4));
}

BOOL CDC::Chord(const CRect* rect, const CPoint& start, const CPoint& end) {
    return rect ? ArcCall(ArcKind::Chord, *rect, start, end) : FALSE;
}

// ---- Blocks -----------------------------------------------------------------------------------

namespace {
DcCallArgs BrushArgs(const CRect& rect, const BrushData& brush) {
    return Rc(rect, {brush.style, brush.color, brush.hatch});
}
} // namespace

void CDC::FillRect(const CRect* rect, const CBrush* brush) {
    if (rect == nullptr || brush == nullptr || brush->GetSafeHandle() == nullptr) {
        return;
    }
    Trace(DcOp::FillRect, [&] { return BrushArgs(*rect, brush->Data()); });
    DoFillRect(*rect, brush->Data());
}

void CDC::FrameRect(const CRect* rect, const CBrush* brush) {
    if (rect == nullptr || brush == nullptr || brush->GetSafeHandle() == nullptr) {
        return;
    }
    Trace(DcOp::FrameRect, [&] { return BrushArgs(*rect, brush->Data()); });
    DoFrameRect(*rect, brush->Data());
}

void CDC::InvertRect(const CRect* rect) {
    if (rect == nullptr) {
        return;
    }
    Trace(DcOp::InvertRect, [&] { return Rc(*rect); });
    DoPatBlt(*rect, DSTINVERT);
}

void CDC::FillSolidRect(const CRect* rect, COLORREF color) {
    if (rect == nullptr) {
        return;
    }
    SetBkColor(color);
    const BrushData brush{BS_SOLID, color & 0xFFFFFF, 0, nullptr};
    Trace(DcOp::FillRect, [&] { return BrushArgs(*rect, brush); });
    DoFillRect(*rect, brush);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    const CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, color);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
    switch (rop) {
    case PATCOPY:
    case PATINVERT:
    case DSTINVERT:
    case BLACKNESS:
    case WHITENESS:
        break;
    default:
        return FALSE;
    }
    const CRect rect(x, y, x + width, y + height);
    Trace(DcOp::PatBlt, [&] { return Rc(rect, {rop}); });
    DoPatBlt(rect, rop);
    return TRUE;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop) {
    if (source == nullptr && rop != BLACKNESS && rop != WHITENESS && rop != DSTINVERT &&
        rop != PATCOPY && rop != PATINVERT) {
        return FALSE;
    }
    const CRect rect(x, y, x + width, y + height);
    Trace(DcOp::BitBlt, [&] {
        DcCallArgs a = Pts({CPoint(xSrc, ySrc)}, rect);
        a.values = {rop};
        a.source = source;
        return a;
    });
    if (source == nullptr) {
        DoPatBlt(rect, rop);
        return TRUE;
    }
    return DoBitBlt(rect, source, CPoint(xSrc, ySrc), rop);
}

} // namespace tembra
