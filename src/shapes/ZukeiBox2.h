// The rectangle with rounded corners (kind 5): the box of the two anchors whose corners are
// quarters of an ellipse of BoxRay units across at 100 %, scaled with the zoom.
#pragma once

#include "shapes/Zukei2.h"

namespace tembra {

class CZukeiBox2 : public CZukei2 {
    DECLARE_SERIAL(CZukeiBox2)
public:
    CZukeiBox2();

    void SetKind() override;
    int GetSegmentCount() const override;
    void DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                      const CRect& ref) const override;
    void DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const override;
    void Draw(const IZukeiView& view, CDC& dc, int mode) const override;
    std::unique_ptr<CZukei> Clone() const override;
    BOOL HitTest(const IZukeiView& view, const CRect& probe, int mode) const override;

    // The corner ellipse at the view's zoom: (R, -R) with R = Zoom(BoxRay), BoxRay taken as a
    // signed 16-bit value; y grows upwards.
    CPoint GetCorner(const IZukeiView& view) const;

private:
    void DrawOutline(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const;
};

} // namespace tembra
