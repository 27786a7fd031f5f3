#include "shapes/ZukeiArc.h"

#include "render/StyledDraw.h"
#include "shapes/ZukeiCopy.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiView.h"

namespace tembra {

IMPLEMENT_SERIAL(CZukeiArc, CZukei3, 1)

CZukeiArc::CZukeiArc() {
    CZukeiArc::SetKind();
}

void CZukeiArc::SetKind() {
    CDataHeader::SetKind(kZukeiArc);
}

void CZukeiArc::DrawCurve(const IZukeiView& view, CDC& dc, const Geometry& g, int mode) const {
    const ZukeiPen pen = GetPenAttr(view.GetPageLayout(), mode);
    if (mode == kDrawFeedback && g.placed < 3) {
        // Still being placed: the circle through the radius point.
        DrawStyledFilledArc(&dc, g.centre.x, g.centre.y, g.radius, pen.type, pen.width, pen.color,
                            -1, 0, pen.rop, OPAQUE);
        return;
    }
    DrawStyledArc(&dc, g.centre.x, g.centre.y, g.radius, g.start.x, g.start.y, g.end.x, g.end.y,
                  pen.type, pen.width, pen.color, pen.rop, OPAQUE);
}

void CZukeiArc::Draw(const IZukeiView& view, CDC& dc, int mode) const {
    const Geometry g = GetDevicePoints(view);
    if (g.onPage) {
        DrawCurve(view, dc, g, mode);
    }
}

void CZukeiArc::DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const {
    if (const auto g = GetMovingFeedback(view, delta, 3)) {
        DrawCurve(view, dc, *g, kDrawFeedback);
    }
}

void CZukeiArc::DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                             const CRect& ref) const {
    if (const auto g = GetTrackingFeedback(view, delta, handle, ref, 3)) {
        DrawCurve(view, dc, *g, kDrawFeedback);
    }
}

BOOL CZukeiArc::HitTest(const IZukeiView& view, const CRect& probe, int mode) const {
    const Geometry g = GetDevicePoints(view);
    if (!g.onPage) {
        return FALSE;
    }
    return HitTestArea(SectorArea(g, HitTolerance(GetPenWidth(view)), true), probe, mode);
}

std::unique_ptr<CZukei> CZukeiArc::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
