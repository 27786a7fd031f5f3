// A text element of the print header: a fixed text (kind 0x100) or an input area (kinds 0 to 4)
// whose text the user fills in. Its contents may hold line breaks, as the two characters
// backslash and n or as CR LF.
#pragma once

#include "platform/Types.h"
#include "print/PrNewElement.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

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

// The lines of an element text: it breaks at each backslash-n pair (only where the backslash
// starts a character: a trail byte 0x5C followed by "n" is not a break) and at each CR LF.
std::vector<std::string_view> SplitPrTextLines(std::string_view text);

// Formats the period or creation-date format of the profile with the header's texts: each
// "%s" conversion (with an optional "-" flag, width and precision, counted in bytes) takes the
// next text, "%%" gives "%", anything else is copied as it stands. The format comes from the
// user's profile, so it never reaches the C library's printf.
std::string FormatPrItemText(std::string_view format, const std::vector<std::string>& texts);

} // namespace tembra
