// The chart's page layout as the print header sees it: every question answered by the layout's
// own geometry at its zoom.
#pragma once

#include "print/PrLayout.h"
#include "render/PageLayout.h"

namespace tembra {

class CPageLayoutPrLayout final : public IPrLayout {
public:
    explicit CPageLayoutPrLayout(const CPageLayout& layout) : m_layout(layout) {}

    CRect ScaleRect(const CRect& rect) const override { return m_layout.ScaleRect(rect); }
    int Zoom(int value) const override { return m_layout.Zoom(value); }
    CRect GetRect() const override { return m_layout.GetRect(); }
    const LOGFONT& GetPrintFont() const override { return m_layout.GetPrintFont(); }
    CRect GetFixedBodyRect() const override { return m_layout.GetFixedBodyRect(); }
    CRect GetLeftArea() const override { return m_layout.GetLeftArea(); }
    CRect GetRightArea() const override { return m_layout.GetRightArea(); }

private:
    const CPageLayout& m_layout;
};

} // namespace tembra
