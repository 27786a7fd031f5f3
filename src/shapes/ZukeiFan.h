// The fan (kind 9): the sector of the circle about the first anchor through the second, between
// the radii in the second and the third anchor's directions, counter-clockwise. Filled it is hit
// anywhere inside; hollow on the band along its curve and on either radius, taken to its full
// length even where the third anchor lies inside the circle.
#pragma once

#include "shapes/Zukei3.h"

namespace tembra {

class CZukeiFan : public CZukei3 {
    DECLARE_SERIAL(CZukeiFan)
public:
    CZukeiFan();

    void SetKind() override;
    void DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                      const CRect& ref) const override;
    void DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const override;
    void Draw(const IZukeiView& view, CDC& dc, int mode) const override;
    std::unique_ptr<CZukei> Clone() const override;
    BOOL HitTest(const IZukeiView& view, const CRect& probe, int mode) const override;

    // The end of the second radius: the end point itself when it lies on the circle, else the
    // point of the circle in its direction.
    static CPoint FullRadiusEnd(const Geometry& g);

private:
    void DrawSector(const IZukeiView& view, CDC& dc, const Geometry& g, int mode) const;
};

} // namespace tembra
