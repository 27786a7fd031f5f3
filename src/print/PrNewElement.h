// The free layout elements of the print header, taken from the chart's layout file: fixed texts,
// input areas whose text the user fills in, and lines, each placed in the header, the footer or
// one of the side strips of the printed page. CPrNewElement is their common base: the kind and
// the area; CPrNewText and CPrNewLine are the elements themselves.
//
// Rectangles are in 0.1 mm with y growing upward, relative to the layout's margin corner. In the
// document file every record is stored with schema 1; coordinates as 16-bit values, fonts as the
// 50-byte LogFont16 record.
#pragma once

#include "platform/Archive.h"

#include <memory>

namespace tembra {

class CDC;
class CPrHeader;
class IPrLayout;

// Element kinds.
enum : int {
    kPrKindInput = 0,      // input area, found by its name
    kPrKindTitle = 1,      // the chart's title
    kPrKindPeriod = 2,     // the period item
    kPrKindDate = 3,       // the creation-date item
    kPrKindNamedInput = 4, // input area, found by its name
    kPrKindFixedText = 0x100,
    kPrKindLine = 0x1000,
};

// Area numbers.
enum : int { kPrAreaHeader = 0, kPrAreaFooter = 1, kPrAreaLeft = 2, kPrAreaRight = 3 };

// An input area (kinds 0 to 4).
constexpr bool IsPrInputKind(int kind) {
    return kind >= kPrKindInput && kind <= kPrKindNamedInput;
}

class CPrNewElement : public CObject {
    DECLARE_SERIAL(CPrNewElement)
public:
    CPrNewElement() = default;
    CPrNewElement(int kind, int area) : m_kind(kind), m_area(static_cast<short>(area)) {}

    // Kind (16 bits) and, from file version 51000, the area number; older files give area 0.
    void Serialize(CArchive& ar) override;
    // Draws the element on the page of the layout; the header gives the period and date items.
    virtual void Draw(CDC* dc, const IPrLayout& layout, const CPrHeader& header) const;
    // A copy of the same class with all fields.
    virtual std::unique_ptr<CPrNewElement> Clone() const;

    int GetKind() const { return m_kind; }
    int GetArea() const { return m_area; }
    void SetArea(int area) { m_area = static_cast<short>(area); }

protected:
    CPrNewElement(const CPrNewElement&) = default;

    int m_kind = 0;
    short m_area = 0;
};

} // namespace tembra
