// The rectangle with rounded corners (kind 5): the box of the two anchors whose corners are
// quarters of an ellipse of BoxRay units across at 100 %, scaled with the zoom.
#pragma once

#include "shapes/ZukeiInBox.h"

namespace tembra {

class CZukeiBox2 : public CZukeiInBox {
    DECLARE_SERIAL(CZukeiBox2)
public:
    CZukeiBox2();

    void SetKind() override;
    std::unique_ptr<CZukei> Clone() const override;

    // The corner ellipse at the view's zoom: (R, -R) with R = Zoom(BoxRay), BoxRay taken as a
    // signed 16-bit value; y grows upwards.
    CPoint GetCorner(const IZukeiView& view) const;

protected:
    void DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const override;
    ZukeiOutline OutlineInBox(const IZukeiView& view, const CRect& rect, int grow) const override;
};

} // namespace tembra
