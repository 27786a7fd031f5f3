// A line of a layout, from the start point (left, top) of its rectangle field to the end point
// (right, bottom), in a pen style, a width in 0.1 mm and a colour. Its width class (normal, thin,
// bold) remembers which of the editor's widths it took; the layout file does not keep it.
#pragma once

#include "layout_editor/core/LayoutData.h"

namespace marquell {

class CPHeadLineData : public CLayoutData {
    DECLARE_SERIAL(CPHeadLineData)
public:
    CPHeadLineData() : CLayoutData(kTypeLine) {}
    CPHeadLineData(const CPHeadLineData&) = default;
    CPHeadLineData& operator=(const CPHeadLineData&) = default;

    short GetStyle() const { return m_style; }
    void SetStyle(int style) { m_style = static_cast<short>(style); }
    short GetWidth() const { return m_width; }
    void SetWidth(int width) { m_width = static_cast<short>(width); }
    COLORREF GetColor() const { return m_color; }
    void SetColor(COLORREF color) { m_color = color; }
    short GetWidthClass() const { return m_widthClass; }
    void SetWidthClass(int kind) { m_widthClass = static_cast<short>(kind); }

    // The segment in its style and colour (cyan while selected), its pen as wide as its width
    // scaled by the zoom (at least one unit) on screen and as its width on paper.
    void Draw(CDC* dc, const ILayoutView& view, int mode) const override;
    // Its bounding rectangle, widened by its width on every side when it runs straight across or
    // down.
    CRect GetRect() const override;
    // Hit within a band around the segment: the segment lengthened and widened by the width
    // each way (a line of no length is never hit).
    BOOL HitTest(int left, int top, int right, int bottom, BOOL wholeInside) const override;
    int GetLineKind() const override { return m_width; }

protected:
    explicit CPHeadLineData(int type) : CLayoutData(type) {}
    std::unique_ptr<CLayoutData> MakeCopy() const override;
    void DrawOutline(CDC* dc, const ILayoutView& view, const CRect& rect, int mix) const override;
    // The pen width the view draws with.
    int PenWidth(const CDC* dc, const ILayoutView& view) const;

private:
    short m_style = 0;
    short m_width = 3;
    COLORREF m_color = 0;
    short m_widthClass = 0;
};

} // namespace marquell
