// The triangle of the first form (kind 10): its base along the first anchor's horizontal edge,
// its apex in the middle of the second anchor's, so that it points up or down. Hollow it is hit
// on the band along its outline, filled anywhere inside.
#pragma once

#include "shapes/Zukei2.h"

#include <array>

namespace tembra {

class CZukeiDelta1 : public CZukei2 {
    DECLARE_SERIAL(CZukeiDelta1)
public:
    static constexpr int kPointCount = 3;

    CZukeiDelta1();

    void SetKind() override;
    int GetSegmentCount() const override;
    void DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                      const CRect& ref) const override;
    void DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const override;
    void Draw(const IZukeiView& view, CDC& dc, int mode) const override;
    std::unique_ptr<CZukei> Clone() const override;
    BOOL HitTest(const IZukeiView& view, const CRect& probe, int mode) const override;

    // The points of the triangle in a rectangle (first anchor (left, top), second (right,
    // bottom), not normalised): (l, t), (r, t), (l + w / 2, b), the half truncated toward zero.
    static std::array<CPoint, kPointCount> Outline(const CRect& rect);

private:
    void DrawOutline(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const;
};

} // namespace tembra
