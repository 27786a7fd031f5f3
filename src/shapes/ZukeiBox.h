// The rectangle (kind 4) spanned by the two anchors. Hollow (fill code 999) it is hit on the
// band along its outline, filled anywhere inside.
#pragma once

#include "shapes/Zukei2.h"

namespace tembra {

class CZukeiBox : public CZukei2 {
    DECLARE_SERIAL(CZukeiBox)
public:
    CZukeiBox();

    void SetKind() override;
    int GetSegmentCount() const override;
    void DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                      const CRect& ref) const override;
    void DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const override;
    void Draw(const IZukeiView& view, CDC& dc, int mode) const override;
    std::unique_ptr<CZukei> Clone() const override;
    BOOL HitTest(const IZukeiView& view, const CRect& probe, int mode) const override;

private:
    void DrawOutline(const IZukeiView& view, CDC& dc, const CRect& rect, int mode) const;
};

} // namespace tembra
