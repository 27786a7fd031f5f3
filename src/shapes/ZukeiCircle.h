// The circle (kind 6): the ellipse of the two anchors, kept square while it is drawn with the
// mouse, from its corner or, when the cursor position asks for it (flag 0x200), about the point
// where the drag began. The choice is made when the first anchor is placed and shared by all
// circles; it is not stored.
#pragma once

#include "shapes/ZukeiInBox.h"

namespace tembra {

class CZukeiCircle : public CZukeiInBox {
    DECLARE_SERIAL(CZukeiCircle)
public:
    CZukeiCircle();

    void SetKind() override;
    // Index 1 takes the cursor's device point and the centre choice; index 2 makes the square.
    void SetPoint(const CDatePos& pos, const IZukeiView& view, int index) override;
    std::unique_ptr<CZukei> Clone() const override;

    // The square placement of anchor index (1 or 2) of any two-anchor shape, from the cursor's
    // device point and the point where the drag began: index 1 at the cursor (and the shape's
    // page fixed), index 2 the side of the larger of the drag's extents, with the first corner
    // at the drag's start or, fromCentre, mirrored about it. Each anchor takes the date, row and
    // page offset of its device point.
    static void PlaceSquare(CZukei2& shape, const CDatePos& pos, const IZukeiView& view, int index,
                            bool fromCentre);

protected:
    void DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const override;
    ZukeiOutline OutlineInBox(const IZukeiView& view, const CRect& rect, int grow) const override;

private:
    static bool s_fromCentre;
};

} // namespace tembra
