#include "shapes/ZukeiBox.h"

#include "render/StyledDraw.h"
#include "shapes/ZukeiCopy.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiHitArea.h"
#include "shapes/ZukeiView.h"

namespace tembra {

IMPLEMENT_SERIAL(CZukeiBox, CZukei2, 1)

CZukeiBox::CZukeiBox() {
    CZukeiBox::SetKind();
}

void CZukeiBox::SetKind() {
    CDataHeader::SetKind(kZukeiBox);
}

int CZukeiBox::GetSegmentCount() const {
    return 1;
}

void CZukeiBox::DrawOutline(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const {
    const ZukeiPen pen = GetPenBrushAttr(view.GetPageLayout(), mode);
    DrawStyledRect(&dc, rect, pen.type, pen.width, pen.color, pen.hatch, pen.brushColor, pen.rop,
                   OPAQUE);
}

void CZukeiBox::Draw(const IZukeiView& view, CDC& dc, int mode) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        DrawOutline(view, dc, CRect(p1, p2), mode);
    }
}

void CZukeiBox::DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        DrawOutline(view, dc, CRect(p1 + delta, p2 + delta), kDrawFeedback);
    }
}

void CZukeiBox::DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                             const CRect& ref) const {
    CPoint p1;
    CPoint p2;
    if (GetDevicePoints(view, p1, p2)) {
        CRect rect(p1, p2);
        ResizeRect(view, delta, handle, ref, rect);
        DrawOutline(view, dc, rect, kDrawFeedback);
    }
}

BOOL CZukeiBox::HitTest(const IZukeiView& view, const CRect& probe, int mode) const {
    CPoint p1;
    CPoint p2;
    if (!GetDevicePoints(view, p1, p2)) {
        return FALSE;
    }
    const int tol = HitTolerance(GetPenWidth(view));
    const CRect rect(p1, p2);
    ZukeiHitArea area{ZukeiOutline::Rect(GrowOutward(rect, tol)), std::nullopt, std::nullopt};
    if (mode != kHitInside && GetHatch() == kHatchNone) {
        area.hole = ZukeiOutline::Rect(GrowOutward(rect, -tol));
    }
    return HitTestArea(area, probe, mode);
}

std::unique_ptr<CZukei> CZukeiBox::Clone() const {
    std::unique_ptr<CZukei> copy = CopyAnchorShape(*this);
    if (copy == nullptr) {
        ReportNoShapeData();
    }
    return copy;
}

} // namespace tembra
