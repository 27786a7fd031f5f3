// The triangle of the first form (kind 10): its base along the first anchor's horizontal edge,
// its apex in the middle of the second anchor's, so that it points up or down. Hollow it is hit
// on the band along its outline, filled anywhere inside.
#pragma once

#include "shapes/ZukeiInBox.h"

#include <array>

namespace tembra {

class CZukeiDelta1 : public CZukeiInBox {
    DECLARE_SERIAL(CZukeiDelta1)
public:
    static constexpr int kPointCount = 3;

    CZukeiDelta1();

    void SetKind() override;
    std::unique_ptr<CZukei> Clone() const override;

    // The points of the triangle in a rectangle (first anchor (left, top), second (right,
    // bottom), not normalised): (l, t), (r, t), (l + w / 2, b), the half truncated toward zero.
    static std::array<CPoint, kPointCount> Outline(const CRect& rect);

protected:
    void DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const override;
    ZukeiOutline OutlineInBox(const IZukeiView& view, const CRect& rect, int grow) const override;
};

} // namespace tembra
