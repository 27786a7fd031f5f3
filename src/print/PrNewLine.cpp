#include "print/PrNewLine.h"

#include "print/PrLineFields.h"
#include "print/PrStoredFields.h"
#include "render/StyledDraw.h"

namespace tembra {

IMPLEMENT_SERIAL(CPrNewLine, CPrNewElement, 1)

using namespace prfields;

CPrNewLine::CPrNewLine(int area, const CRect& rect, int style, int width, COLORREF color)
    : CPrNewElement(kPrKindLine, area), m_rect(rect), m_style(static_cast<short>(style)),
      m_width(static_cast<short>(width)), m_color(color) {}

void CPrNewLine::Serialize(CArchive& ar) {
    CPrNewElement::Serialize(ar);
    SerializeLineFields(ar, m_rect, m_style, m_width, m_color);
}

std::unique_ptr<CPrNewElement> CPrNewLine::Clone() const {
    return std::make_unique<CPrNewLine>(*this);
}

void CPrNewLine::Draw(CDC* dc, const IPrLayout& layout, const CPrHeader&) const {
    if (m_rect.IsRectNull()) {
        return;
    }
    const CRect r = PlaceRect(m_rect, layout);
    DrawStyledPolyline(dc, r.left, r.top, r.right, r.bottom, m_style, m_width, m_color, kCopyPen,
                       kOpaque);
}

} // namespace tembra
