// The sample of a graph series: a bar pattern with its frame and fill colours, or a line of a
// type, width and colour. A disabled button shows its frame only.
//   pattern codes: 999 or -1 hollow, 99 solid in the fill colour, 100 solid white, 0 to 5 the
//     hatch styles (6 to 89 fill nothing), 90 the pattern bitmap 106, above 90 the bitmap 108
//   line width codes: 1 one row, 2 five rows, any other three rows
//   line types: 1 to 4 dashed (see DashRuns), 5 grey, any other solid
#pragma once

#include "controls/OwnerDrawButton.h"

#include <vector>

namespace tembra {

class CGraphSampleButton : public COwnerDrawButton {
    Q_OBJECT
public:
    enum Kind : int { kPatternSample = 0, kLineSample = 1 };

    explicit CGraphSampleButton(QWidget* parent = nullptr);

    // 0 a pattern sample; any other value a line sample. Each setter repaints.
    void SetKind(int kind);
    void SetLineColor(COLORREF color);
    void SetFillColor(COLORREF color);
    void SetPattern(int pattern);
    void SetLineWidth(int widthCode);
    void SetLineType(int type);

    int Kind() const { return m_kind; }
    COLORREF LineColor() const { return m_lineColor; }
    COLORREF FillColor() const { return m_fillColor; }
    int Pattern() const { return m_pattern; }
    int LineWidth() const { return m_lineWidth; }
    int LineType() const { return m_lineType; }

    // The runs of a row of the line type across length pixels, dash first: dash, gap, dash...
    static std::vector<int> DashRuns(int type, int length);

protected:
    void DrawItem(CDC& dc, const ItemState& state) override;

private:
    void DrawPattern(CDC& dc, const CRect& rect) const;
    void DrawLine(CDC& dc, const CRect& rect) const;

    int m_kind = 0;
    COLORREF m_lineColor = 0;
    COLORREF m_fillColor = 0;
    int m_pattern = 0;
    int m_lineWidth = 0;
    int m_lineType = 0;
};

} // namespace tembra
