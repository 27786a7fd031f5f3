// The closed polygon (kind 3): its outline runs back from the last point to the first; unless
// its fill code is 999 it is filled, and a click inside it hits it.
#pragma once

#include "shapes/ZukeiEx.h"

namespace tembra {

class CZukeiPolygon : public CZukeiEx {
    DECLARE_SERIAL(CZukeiPolygon)
public:
    CZukeiPolygon();

    void SetKind() override;
    // One segment a point: the closing one counts.
    int GetSegmentCount() const override;
    // While drawn with the mouse: the rubber segment from the first point to the last, when
    // there are more than two.
    void DrawClosingSegment(const IZukeiView& view, CDC& dc) const override;
    std::unique_ptr<CZukei> Clone() const override;

protected:
    bool IsClosed() const override { return true; }
    void DrawOutline(CDC& dc, const std::vector<CPoint>& points,
                     const ZukeiPen& pen) const override;
    // The closed outline without fill; of only two points, the line between them as well.
    void DrawFeedback(CDC& dc, const std::vector<CPoint>& points,
                      const ZukeiPen& pen) const override;
};

} // namespace tembra
