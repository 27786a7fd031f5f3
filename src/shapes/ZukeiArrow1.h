// The block arrow of the first form (kind 12), pointing from the first anchor's edge to the
// middle of the second anchor's: a shaft over the middle half of the width down to two thirds of
// the height, then a head across the full width to the point. Hollow it is hit on the band
// along its outline (not in its shaft), filled anywhere inside.
#pragma once

#include "shapes/ZukeiInBox.h"

#include <array>

namespace tembra {

class CZukeiArrow1 : public CZukeiInBox {
    DECLARE_SERIAL(CZukeiArrow1)
public:
    static constexpr int kPointCount = 7;

    CZukeiArrow1();

    void SetKind() override;
    std::unique_ptr<CZukei> Clone() const override;

    // The seven points in a rectangle (l, t, r, b) as the anchors give it, W = r - l and
    // H = b - t signed, every division truncated toward zero: (l + W/4, t), (l + 3W/4, t),
    // (l + 3W/4, s), (r, s), (l + W/2, b), (l, s), (l + W/4, s), with the shoulder
    // s = t + 2H/3 + shoulderShift.
    static std::array<CPoint, kPointCount> Outline(const CRect& rect, int shoulderShift = 0);

protected:
    void DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const override;
    ZukeiOutline OutlineInBox(const IZukeiView& view, const CRect& rect, int grow) const override;
};

} // namespace tembra
