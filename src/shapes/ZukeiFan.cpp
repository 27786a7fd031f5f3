#include "shapes/ZukeiFan.h"

#include "render/Geometry.h"
#include "render/StyledDraw.h"
#include "shapes/ZukeiCopy.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiView.h"

#include <algorithm>
#include <cmath>

namespace tembra {

IMPLEMENT_SERIAL(CZukeiFan, CZukei3, 1)

namespace {

// The end point's distance from the centre is taken as at least this much.
constexpr double kMinEndDistance = 0.1;

} // namespace

CZukeiFan::CZukeiFan() {
    CZukeiFan::SetKind();
}

void CZukeiFan::SetKind() {
    CDataHeader::SetKind(kZukeiFan);
}

void CZukeiFan::DrawSector(const IZukeiView& view, CDC& dc, const Geometry& g, int mode) const {
    const ZukeiPen pen = GetPenBrushAttr(view.GetPageLayout(), mode);
    const CPoint& c = g.centre;
    if (mode == kDrawFeedback && g.placed < 3) {
        // Still being placed: the circle through the radius point.
        DrawStyledFilledArc(&dc, c.x, c.y, g.radius, pen.type, pen.width, pen.color, -1, 0, pen.rop,
                            OPAQUE);
        return;
    }
    if (mode == kDrawFeedback && g.placed == 3) {
        // Being drawn: the curve and both radii to the points as they are placed.
        DrawStyledArc(&dc, c.x, c.y, g.radius, g.start.x, g.start.y, g.end.x, g.end.y, pen.type,
                      pen.width, pen.color, pen.rop, OPAQUE);
        DrawStyledPolyline(&dc, c.x, c.y, g.end.x, g.end.y, pen.type, pen.width, pen.color, pen.rop,
                           OPAQUE);
        DrawStyledPolyline(&dc, c.x, c.y, g.start.x, g.start.y, pen.type, pen.width, pen.color,
                           pen.rop, OPAQUE);
        return;
    }
    DrawStyledFan(&dc, c.x, c.y, g.radius, g.start.x, g.start.y, g.end.x, g.end.y, pen.type,
                  pen.width, pen.color, pen.hatch, pen.brushColor, pen.rop, OPAQUE);
}

void CZukeiFan::Draw(const IZukeiView& view, CDC& dc, int mode) const {
    const Geometry g = GetDevicePoints(view);
    if (g.onPage) {
        DrawSector(view, dc, g, mode);
    }
}

void CZukeiFan::DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const {
    // Feedback of a finished fan: its outline as the styled sector draws it, without fill.
    if (const auto g = GetMovingFeedback(view, delta, 4)) {
        DrawSector(view, dc, *g, kDrawFeedback);
    }
}

void CZukeiFan::DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                             const CRect& ref) const {
    if (const auto g = GetTrackingFeedback(view, delta, handle, ref, 4)) {
        DrawSector(view, dc, *g, kDrawFeedback);
    }
}

CPoint CZukeiFan::FullRadiusEnd(const Geometry& g) {
    const CPoint& c = g.centre;
    const double d1 = GeomDistance(c.x, c.y, g.start.x, g.start.y);
    const double d2 = std::max(GeomDistance(c.x, c.y, g.end.x, g.end.y), kMinEndDistance);
    if (d2 == d1) {
        return g.end;
    }
    const double vx = std::clamp(static_cast<double>(g.end.x) - c.x, -d2, d2);
    const double vy = std::clamp(static_cast<double>(g.end.y) - c.y, -d2, d2);
    return CPoint(c.x + static_cast<LONG>(std::trunc(d1 * std::cos(std::acos(vx / d2)))),
                  c.y + static_cast<LONG>(std::trunc(d1 * std::sin(std::asin(vy / d2)))));
}

BOOL CZukeiFan::HitTest(const IZukeiView& view, const CRect& probe, int mode) const {
    const Geometry g = GetDevicePoints(view);
    if (!g.onPage) {
        return FALSE;
    }
    const int tol = HitTolerance(GetPenWidth(view));
    if (mode == kHitInside || GetHatch() != kHatchNone) {
        return HitTestArea(SectorArea(g, tol, false), probe, mode);
    }
    if (mode != kHitTouch && mode != kHitDrag) {
        return FALSE;
    }
    if (HitTestArea(SectorArea(g, tol, true), probe, mode) ||
        SegmentHitTest(g.centre, g.start, tol, probe, mode) ||
        SegmentHitTest(g.centre, FullRadiusEnd(g), tol, probe, mode)) {
        return TRUE;
    }
    return FALSE;
}

std::unique_ptr<CZukei> CZukeiFan::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
