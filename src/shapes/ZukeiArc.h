// The arc (kind 8): the curve of the circle about the first anchor through the second, from the
// second anchor's direction counter-clockwise to the third's. Never filled: it is hit on the band
// along its curve only, never at its centre. While it is drawn with the mouse and has only its
// centre and radius, the whole circle shows.
#pragma once

#include "shapes/Zukei3.h"

namespace tembra {

class CZukeiArc : public CZukei3 {
    DECLARE_SERIAL(CZukeiArc)
public:
    CZukeiArc();

    void SetKind() override;
    void DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                      const CRect& ref) const override;
    void DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const override;
    void Draw(const IZukeiView& view, CDC& dc, int mode) const override;
    std::unique_ptr<CZukei> Clone() const override;
    BOOL HitTest(const IZukeiView& view, const CRect& probe, int mode) const override;

private:
    void DrawCurve(const IZukeiView& view, CDC& dc, const Geometry& g, int mode) const;
};

} // namespace tembra
