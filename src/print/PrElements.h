// The free layout elements of the print header, taken from the chart's layout file: fixed texts,
// input areas whose text the user fills in, and lines, each placed in the header, the footer or
// one of the side strips of the printed page. Also the old fixed header records, which only
// document files older than 31000 hold and whose texts are then moved into the free elements.
//
// Rectangles are in 0.1 mm with y growing upward, relative to the layout's margin corner. In the
// document file every record is stored with schema 1; coordinates as 16-bit values, fonts as the
// 50-byte LogFont16 record.
#pragma once

#include "platform/Archive.h"
#include "platform/Types.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

// A fixed text (kind 0x100) or an input area (kinds 0 to 4).
class CPrNewText : public CPrNewElement {
    DECLARE_SERIAL(CPrNewText)
public:
    CPrNewText() = default;
    CPrNewText(int kind, int area, const CRect& rect, const LOGFONT& font, COLORREF color,
               std::string name, std::string contents, int vCenter, int hCenter);
    CPrNewText(const CPrNewText&) = default;

    void Serialize(CArchive& ar) override;
    // Draws the text inside its rectangle: the period and creation-date items formatted from
    // the header's texts, any other kind its contents; lines break at each backslash-n and each
    // CR LF; centred vertically and horizontally when asked (by byte count).
    void Draw(CDC* dc, const IPrLayout& layout, const CPrHeader& header) const override;
    std::unique_ptr<CPrNewElement> Clone() const override;

    const CRect& GetRect() const { return m_rect; }
    const LOGFONT& GetFont() const { return m_font; }
    COLORREF GetColor() const { return m_color; }
    void SetColor(COLORREF color) { m_color = color; }
    // The name of an input area (its key, e.g. "010001"); empty for a fixed text.
    const std::string& GetText() const { return m_name; }
    const std::string& GetContents() const { return m_contents; }
    void SetContents(const std::string& contents) { m_contents = contents; }
    int GetVCenter() const { return m_vCenter; }
    int GetHCenter() const { return m_hCenter; }

    // The text this element prints for the header (empty: nothing is drawn).
    std::string TextToPrint(const CPrHeader& header) const;

private:
    CRect m_rect;
    LOGFONT m_font;
    COLORREF m_color = 0;
    std::string m_name;
    std::string m_contents;
    int m_vCenter = 0;
    int m_hCenter = 0;
};

// A line (kind 0x1000) between the left-top and the right-bottom corner of its rectangle.
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

// ---- The old fixed header (read from files older than 31000) ------------------------------------

class CPrText : public CObject {
    DECLARE_SERIAL(CPrText)
public:
    CPrText() = default;
    CPrText(const CPrText&) = default;
    CPrText& operator=(const CPrText&) = default;
    void Serialize(CArchive& ar) override;

    CRect m_rect;
    LOGFONT m_font;
    COLORREF m_color = 0;
    std::string m_text;
};

class CPrLine : public CObject {
    DECLARE_SERIAL(CPrLine)
public:
    CPrLine() = default;
    CPrLine(const CPrLine&) = default;
    CPrLine& operator=(const CPrLine&) = default;
    void Serialize(CArchive& ar) override;

    CRect m_rect;
    short m_style = 0;
    short m_width = 0;
    COLORREF m_color = 0;
};

class CPrElement : public CObject {
    DECLARE_SERIAL(CPrElement)
public:
    CPrElement() = default;
    CPrElement(const CPrElement&) = default;
    CPrElement& operator=(const CPrElement&) = default;
    void Serialize(CArchive& ar) override;

    short m_code = 0; // 0 marks an empty field
    CPrText m_title;
    CPrText m_value;
};

class CPrHeaderBase : public CObject {
    DECLARE_SERIAL(CPrHeaderBase)
public:
    static constexpr int kTitleCapacity = 3;
    static constexpr int kFieldCapacity = 20;
    static constexpr int kLineCapacity = 20;

    CPrHeaderBase() = default;
    CPrHeaderBase(const CPrHeaderBase&) = default;
    CPrHeaderBase& operator=(const CPrHeaderBase&) = default;
    // The three counts, then that many titles, fields and lines. A stored count beyond the
    // capacity of its array cannot be read: the load fails (CArchiveException generic).
    void Serialize(CArchive& ar) override;

    short m_titleCount = 0;
    short m_fieldCount = 0;
    short m_lineCount = 0;
    std::array<CPrElement, kTitleCapacity> m_titles;
    std::array<CPrElement, kFieldCapacity> m_fields;
    std::array<CPrLine, kLineCapacity> m_lines;
};

// ---- Texts of the elements ----------------------------------------------------------------------

// The lines of an element text: it breaks at each backslash-n pair (only where the backslash
// starts a character: a trail byte 0x5C followed by "n" is not a break) and at each CR LF.
std::vector<std::string_view> SplitPrTextLines(std::string_view text);

// Formats the period or creation-date format of the profile with the header's texts: each
// "%s" conversion (with an optional "-" flag, width and precision, counted in bytes) takes the
// next text, "%%" gives "%", anything else is copied as it stands. The format comes from the
// user's profile, so it never reaches the C library's printf.
std::string FormatPrItemText(std::string_view format, const std::vector<std::string>& texts);

} // namespace tembra
