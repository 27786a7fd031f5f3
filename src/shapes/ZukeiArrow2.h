// The block arrow of the second form (kind 13), pointing from the first anchor's edge to the
// middle of the second anchor's across: a shaft over the middle half of the height up to two
// thirds of the width, then a head across the full height to the point. Hollow it is hit on
// the band along its outline (not in its shaft), filled anywhere inside.
#pragma once

#include "shapes/ZukeiInBox.h"

#include <array>

namespace tembra {

class CZukeiArrow2 : public CZukeiInBox {
    DECLARE_SERIAL(CZukeiArrow2)
public:
    static constexpr int kPointCount = 7;

    CZukeiArrow2();

    void SetKind() override;
    std::unique_ptr<CZukei> Clone() const override;

    // The seven points in a rectangle (l, t, r, b) as the anchors give it, W = r - l and
    // H = b - t signed, every division truncated toward zero: (r, t + H/2), (s, t), (s, t + H/4),
    // (l, t + H/4), (l, t + 3H/4), (s, t + 3H/4), (s, b), with the shoulder
    // s = l + 2W/3 + shoulderShift.
    static std::array<CPoint, kPointCount> Outline(const CRect& rect, int shoulderShift = 0);

protected:
    void DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const override;
    ZukeiOutline OutlineInBox(const IZukeiView& view, const CRect& rect, int grow) const override;
};

} // namespace tembra
