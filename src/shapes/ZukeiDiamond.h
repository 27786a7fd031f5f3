// The diamond (kind 14): the four middles of the edges of the anchors' rectangle joined. Hollow
// it is hit on the band along its outline, filled anywhere inside.
#pragma once

#include "shapes/ZukeiInBox.h"

#include <array>

namespace tembra {

class CZukeiDiamond : public CZukeiInBox {
    DECLARE_SERIAL(CZukeiDiamond)
public:
    static constexpr int kPointCount = 4;

    CZukeiDiamond();

    void SetKind() override;
    std::unique_ptr<CZukei> Clone() const override;

    // The four points in a rectangle (l, t, r, b) as the anchors give it, W = r - l and H = b - t
    // signed, halves truncated toward zero: (l, t + H/2), (l + W/2, b), (r, t + H/2), (l + W/2, t).
    static std::array<CPoint, kPointCount> Outline(const CRect& rect);

protected:
    void DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const override;
    ZukeiOutline OutlineInBox(const IZukeiView& view, const CRect& rect, int grow) const override;
};

} // namespace tembra
