// The base of the shapes drawn inside the box their two anchors span (boxes, rounded boxes,
// ellipses, circles, triangles, diamonds, block arrows). Drawing in place, while moved and while
// resized, and the hit test all go through that one box; each shape says only what it draws in a
// box and what outline bounds it.
#pragma once

#include "shapes/Zukei2.h"
#include "shapes/ZukeiHitArea.h"

namespace tembra {

class CZukeiInBox : public CZukei2 {
public:
    int GetSegmentCount() const override;
    void Draw(const IZukeiView& view, CDC& dc, int mode) const override;
    void DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const override;
    void DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                      const CRect& ref) const override;
    // Hollow, the shape is hit on the band of the pen's tolerance along its outline; filled, or
    // in mode kHitInside, anywhere inside it.
    BOOL HitTest(const IZukeiView& view, const CRect& probe, int mode) const override;

protected:
    CZukeiInBox() = default;

    // rect is in device units with its corners as the anchors give them (not normalised).
    virtual void DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const = 0;
    // The outline of the shape in rect grown outward by grow device units (shrunk when negative).
    virtual ZukeiOutline OutlineInBox(const IZukeiView& view, const CRect& rect,
                                      int grow) const = 0;

    // A closed polygon with the shape's pen and brush.
    void DrawPolygon(const IZukeiView& view, CDC& dc, const CPoint* points, int count,
                     int mode) const;
};

} // namespace tembra
