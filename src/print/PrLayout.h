// What the print header and its elements need of the page layout they are drawn on: the
// conversion of 0.1 mm to the layout's logical units at its zoom, the page origin (the top-left
// corner of the layout's first rectangle, the page frame), the print font that may replace the
// elements' own fonts, and the footer and side strips that decide whether the elements of those
// areas are drawn.
//
// The chart's page layout answers these from its own geometry (an adapter over it implements
// this interface); tests and anything that draws a header without a chart implement it directly.
#pragma once

#include "platform/Types.h"

namespace tembra {

class IPrLayout {
public:
    virtual ~IPrLayout() = default;

    // The four coordinates of a rectangle in 0.1 mm in logical units (each through Zoom).
    virtual CRect ScaleRect(const CRect& rect) const = 0;
    // value x zoom percentage / 100, truncated toward zero.
    virtual int Zoom(int value) const = 0;
    // The layout's first rectangle, the page frame: its top-left corner is the page origin.
    virtual CRect GetRect() const = 0;
    // The print font; its height is 0 when the elements keep their own fonts.
    virtual const LOGFONT& GetPrintFont() const = 0;
    // The footer and the strips left and right of the main area; an empty one means the area
    // is absent.
    virtual CRect GetFixedBodyRect() const = 0;
    virtual CRect GetLeftArea() const = 0;
    virtual CRect GetRightArea() const = 0;
};

} // namespace tembra
