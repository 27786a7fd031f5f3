#include "shapes/ZukeiPolygon.h"

#include "platform/DC.h"
#include "render/StyledDraw.h"

namespace tembra {

IMPLEMENT_SERIAL(CZukeiPolygon, CZukeiEx, 1)

CZukeiPolygon::CZukeiPolygon() {
    CZukeiPolygon::SetKind();
}

void CZukeiPolygon::SetKind() {
    CDataHeader::SetKind(kZukeiPolygon);
}

int CZukeiPolygon::GetSegmentCount() const {
    return GetPointCount();
}

void CZukeiPolygon::DrawClosingSegment(const IZukeiView& view, CDC& dc) const {
    const std::vector<CZukeiPoint>& points = GetPoints();
    if (points.size() > 2) {
        DrawRubberSegment(view, dc, points.front(), points.back());
    }
}

std::unique_ptr<CZukei> CZukeiPolygon::Clone() const {
    return CloneAs<CZukeiPolygon>();
}

void CZukeiPolygon::DrawOutline(CDC& dc, const std::vector<CPoint>& points,
                                const ZukeiPen& pen) const {
    DrawStyledShape(&dc, points.data(), static_cast<int>(points.size()), pen.type, pen.width,
                    pen.color, pen.hatch, pen.brushColor, pen.rop, OPAQUE);
}

void CZukeiPolygon::DrawFeedback(CDC& dc, const std::vector<CPoint>& points,
                                 const ZukeiPen& pen) const {
    DrawStyledShape(&dc, points.data(), static_cast<int>(points.size()), pen.type, pen.width,
                    pen.color, -1, 0, pen.rop, OPAQUE);
    if (points.size() == 2) {
        DrawStyledPolyline(&dc, points[0].x, points[0].y, points[1].x, points[1].y, pen.type,
                           pen.width, pen.color, pen.rop, OPAQUE);
    }
}

} // namespace tembra
