// The ellipse (kind 7) inscribed in the rectangle of the two anchors. Hollow it is hit on the
// band along its curve, filled anywhere inside.
#pragma once

#include "shapes/ZukeiInBox.h"

namespace tembra {

class CZukeiEllipse : public CZukeiInBox {
    DECLARE_SERIAL(CZukeiEllipse)
public:
    CZukeiEllipse();

    void SetKind() override;
    std::unique_ptr<CZukei> Clone() const override;

    // What the circle shares: the ellipse of a rectangle drawn in a mode.
    static void DrawEllipse(const CZukei& shape, const IZukeiView& view, CDC& dc, const CRect& rect,
                            int mode);

protected:
    void DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const override;
    ZukeiOutline OutlineInBox(const IZukeiView& view, const CRect& rect, int grow) const override;
};

} // namespace tembra
