// A fixed text of a layout: lines of CP932 text (separated by CR LF) in a font and colour, placed
// in its rectangle, each line centred across and the block centred down when asked.
#pragma once

#include "layout_editor/core/LayoutData.h"

#include <string>
#include <string_view>
#include <vector>

namespace marquell {

class CPHeadMojiData : public CLayoutData {
    DECLARE_SERIAL(CPHeadMojiData)
public:
    CPHeadMojiData() : CLayoutData(kTypeText) {}
    CPHeadMojiData(const CPHeadMojiData&) = default;
    CPHeadMojiData& operator=(const CPHeadMojiData&) = default;

    const LOGFONT& GetFont() const { return m_font; }
    void SetFont(const LOGFONT& font) { m_font = font; }
    COLORREF GetColor() const { return m_color; }
    void SetColor(COLORREF color) { m_color = color; }
    const std::string& GetText() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }
    int GetVCenter() const { return m_vCenter; }
    void SetVCenter(int on) { m_vCenter = on; }
    int GetHCenter() const { return m_hCenter; }
    void SetHCenter(int on) { m_hCenter = on; }

    // Its text in its colour, cyan while selected; modes 1 and 2 its feedback frame.
    void Draw(CDC* dc, const ILayoutView& view, int mode) const override;
    // The rectangle together with the text as it is laid out.
    CRect GetRect() const override;
    // Besides its rectangle, the extent of its text from the rectangle's top-left corner (the
    // longest line's bytes by the font's width, the lines by its height); an element whose font
    // has no height or width is hit anywhere, once it has a rectangle.
    BOOL HitTest(int left, int top, int right, int bottom, BOOL wholeInside) const override;

    // One line of a laid-out text: where its top-left corner lies (layout units).
    struct TextLine {
        std::string_view text;
        CPoint at;
    };
    // The text split at its line breaks (CR, with the LF after it) and placed by the centring
    // rules: down, the block starts (rectangle height - line height x lines) / 2 below the top;
    // across, each line (rectangle width - character width x its bytes) / 2 right of the left
    // edge; otherwise at the top and the left edge. Lines follow each other by the line height.
    std::vector<TextLine> LayOut(std::string_view text) const;

protected:
    explicit CPHeadMojiData(int type) : CLayoutData(type) {}
    std::unique_ptr<CLayoutData> MakeCopy() const override;
    // Draws the laid-out text, in the element's font scaled by the view's zoom.
    void DrawLaidOutText(CDC* dc, const ILayoutView& view, std::string_view text,
                         COLORREF color) const;
    // The rectangle united with the text as it is laid out.
    CRect Cover(std::string_view text) const;
    // The text whose extent is hit-tested.
    virtual const std::string& HitText() const { return m_text; }

private:
    LOGFONT m_font;
    COLORREF m_color = 0;
    std::string m_text;
    int m_vCenter = 0;
    int m_hCenter = 0;
};

} // namespace marquell
