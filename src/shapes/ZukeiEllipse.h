// The ellipse (kind 7) inscribed in the rectangle of the two anchors. Hollow it is hit on the
// band along its curve, filled anywhere inside.
#pragma once

#include "shapes/Zukei2.h"

namespace tembra {

class CZukeiEllipse : public CZukei2 {
    DECLARE_SERIAL(CZukeiEllipse)
public:
    CZukeiEllipse();

    void SetKind() override;
    int GetSegmentCount() const override;
    void DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                      const CRect& ref) const override;
    void DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const override;
    void Draw(const IZukeiView& view, CDC& dc, int mode) const override;
    std::unique_ptr<CZukei> Clone() const override;
    BOOL HitTest(const IZukeiView& view, const CRect& probe, int mode) const override;

    // What the circle shares: the ellipse of a rectangle drawn in a mode, and its hit test.
    static void DrawEllipse(const CZukei& shape, const IZukeiView& view, CDC& dc, const CRect& rect,
                            int mode);
    static BOOL HitTestEllipse(const CZukei& shape, const IZukeiView& view, const CRect& rect,
                               const CRect& probe, int mode);
};

} // namespace tembra
