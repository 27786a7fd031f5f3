// The area names (欄名称): the texts, fonts and lines of the chart's corner header, one cell per
// heading. The standard style has two cells (the item-column heading and the date heading), the
// grid style one cell per date row and item column (3 x 10), the slant style one per item column
// and one per date row (13).
//
// These records belong to the chart's look and are drawn by the header painter, but they live in
// the model library: the settings record and the application's chart settings part hold a set of
// them, and the model may not depend on the render library.
//
// Here: what every cell has (CAreaNameData), and the text placement and line values it gives
// the painter.
#pragma once

#include "platform/Archive.h"
#include "platform/Types.h"

#include <memory>
#include <string>

namespace tembra {

// The drawn width of a line width code: 0 normal, 1 thin, 2 bold.
int AreaLineWidthOf(WORD widthCode);

// Where a text is drawn and how it is aligned there (TA_ flags).
struct AreaTextPos {
    int x = 0;
    int y = 0;
    UINT align = 0;
    bool operator==(const AreaTextPos&) const = default;
};

// A line of a cell as the painter draws it: line type, drawn width, colour.
struct AreaLineStyle {
    int type = 0;
    int width = 3;
    COLORREF color = 0;
    bool operator==(const AreaLineStyle&) const = default;
};

// One cell: its text attributes, its (first) line, its text and font. Never stored by itself:
// the files and the profile hold the three derived kinds.
class CAreaNameData : public CObject {
    DECLARE_SERIAL(CAreaNameData)
public:
    // Horizontal alignment codes and the vertical style flags.
    enum : WORD { kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2 };
    enum : WORD { kStyleBold = 0x0004, kStyleTop = 0x0100, kStyleBottom = 0x0200 };

    // Empty text, the program's default font (height -32, width 16), no own font, a solid
    // normal black line, left aligned, black text, no style flags.
    CAreaNameData();
    CAreaNameData(const CAreaNameData&) = default;
    CAreaNameData& operator=(const CAreaNameData&) = default;

    // A new cell of the same kind with the same values.
    virtual std::unique_ptr<CAreaNameData> Clone() const;

    // The text, the font (50-byte form), the own-font flag, the line, the alignment, the text
    // colour and the style flags.
    void Serialize(CArchive& ar) override;

    const std::string& GetText() const { return m_text; }
    void SetText(const std::string& text) { m_text = text; }
    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }
    LONG GetOwnFont() const { return m_ownFont; }
    void SetOwnFont(LONG flag) { m_ownFont = flag; }
    WORD GetAlign() const { return m_align; }
    void SetAlign(WORD align) { m_align = align; }
    COLORREF GetTextColor() const { return m_textColor; }
    void SetTextColor(COLORREF color) { m_textColor = color; }
    WORD GetStyle() const { return m_style; }
    void SetStyle(WORD style) { m_style = style; }
    short GetLineType() const { return m_lineType; }
    void SetLineType(short type) { m_lineType = type; }
    WORD GetLineWidth() const { return m_lineWidth; }
    void SetLineWidth(WORD code) { m_lineWidth = code; }
    COLORREF GetLineColor() const { return m_lineColor; }
    void SetLineColor(COLORREF color) { m_lineColor = color; }

    // The text position in a rectangle (left, top, right, bottom; y grows upwards) for a text
    // extent e: horizontally by the alignment, vertically by the top and bottom flags.
    AreaTextPos GetTextPos(const CRect& rect, int extent) const;

protected:
    WORD m_align = kAlignLeft;
    COLORREF m_textColor = 0;
    WORD m_style = 0;
    LONG m_ownFont = 0;
    short m_lineType = 0;
    WORD m_lineWidth = 0;
    COLORREF m_lineColor = 0;
    std::string m_text;
    LOGFONT m_font;
};

} // namespace tembra
