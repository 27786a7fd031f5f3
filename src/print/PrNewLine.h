// A line element of the print header (kind 0x1000), drawn between the left-top and the
// right-bottom corner of its rectangle.
#pragma once

#include "platform/Types.h"
#include "print/PrNewElement.h"

#include <memory>

namespace tembra {

class CPrNewLine : public CPrNewElement {
    DECLARE_SERIAL(CPrNewLine)
public:
    CPrNewLine() = default;
    CPrNewLine(int area, const CRect& rect, int style, int width, COLORREF color);
    CPrNewLine(const CPrNewLine&) = default;

    void Serialize(CArchive& ar) override;
    void Draw(CDC* dc, const IPrLayout& layout, const CPrHeader& header) const override;
    std::unique_ptr<CPrNewElement> Clone() const override;

    const CRect& GetRect() const { return m_rect; }
    short GetStyle() const { return m_style; }
    short GetWidth() const { return m_width; }
    COLORREF GetColor() const { return m_color; }

private:
    CRect m_rect;
    short m_style = 0;
    short m_width = 0;
    COLORREF m_color = 0;
};

} // namespace tembra
