// The rectangle (kind 4) spanned by the two anchors. Hollow (fill code 999) it is hit on the
// band along its outline, filled anywhere inside.
#pragma once

#include "shapes/ZukeiInBox.h"

namespace tembra {

class CZukeiBox : public CZukeiInBox {
    DECLARE_SERIAL(CZukeiBox)
public:
    CZukeiBox();

    void SetKind() override;
    std::unique_ptr<CZukei> Clone() const override;

protected:
    void DrawInBox(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const override;
    ZukeiOutline OutlineInBox(const IZukeiView& view, const CRect& rect, int grow) const override;
};

} // namespace tembra
