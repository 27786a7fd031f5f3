// The diamond (kind 14): the four middles of the edges of the anchors' rectangle joined. Hollow
// it is hit on the band along its outline, filled anywhere inside.
#pragma once

#include "shapes/Zukei2.h"

#include <array>

namespace tembra {

class CZukeiDiamond : public CZukei2 {
    DECLARE_SERIAL(CZukeiDiamond)
public:
    static constexpr int kPointCount = 4;

    CZukeiDiamond();

    void SetKind() override;
    int GetSegmentCount() const override;
    void DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                      const CRect& ref) const override;
    void DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const override;
    void Draw(const IZukeiView& view, CDC& dc, int mode) const override;
    std::unique_ptr<CZukei> Clone() const override;
    BOOL HitTest(const IZukeiView& view, const CRect& probe, int mode) const override;

    // The four points in a rectangle (l, t, r, b) as the anchors give it, W = r - l and H = b - t
    // signed, halves truncated toward zero: (l, t + H/2), (l + W/2, b), (r, t + H/2), (l + W/2, t).
    static std::array<CPoint, kPointCount> Outline(const CRect& rect);

private:
    void DrawOutline(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const;
};

} // namespace tembra
