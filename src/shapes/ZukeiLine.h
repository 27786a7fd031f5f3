// The straight line (kind 1) from the first anchor to the second. It shows two handles only, at
// its ends, numbered by the direction it runs; alone in the selection it is resized by moving
// the end dragged (or turned about its centre by handle 9), in a larger selection its ends scale
// with the others. Line type 65535 draws it as one of the chart's ruled lines.
#pragma once

#include "shapes/Zukei2.h"

namespace tembra {

class CZukeiLine : public CZukei2 {
    DECLARE_SERIAL(CZukeiLine)
public:
    // The line type that draws the line as a chart ruled line.
    static constexpr WORD kRuledLineType = 0xFFFF;

    CZukeiLine();

    void SetKind() override;
    int GetSegmentCount() const override;
    void DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                      const CRect& ref) const override;
    void DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const override;
    void Draw(const IZukeiView& view, CDC& dc, int mode) const override;
    // With rect (0, 0, 0, 0): the line's own two end handles (rect becomes the line's rectangle);
    // any other rect gets the eight handles of the base.
    void DrawHandles(const IZukeiView& view, CDC& dc, CRect& rect) const override;
    std::unique_ptr<CZukei> Clone() const override;
    // The number of the end handle under the point (start first), 0 for none.
    int HitTestHandle(const IZukeiView& view, CDC& dc, const CPoint& point) const override;
    // rect holds the start (left, top) and the end (right, bottom).
    void ResizeRect(const IZukeiView& view, const CPoint& delta, int handle, const CRect& ref,
                    CRect& rect) const override;
    BOOL HitTest(const IZukeiView& view, const CRect& probe, int mode) const override;

    // The handle numbers of the start and the end of a line from (left, top) to (right, bottom):
    // 1 top-left, 3 top-right, 5 bottom-right, 7 bottom-left, top being the larger y.
    static int StartHandle(const CRect& line);
    static int EndHandle(const CRect& line);

private:
    // The line with the pen of a drawing mode: a ruled line for type 65535 unless it is the
    // inverting feedback, which must take itself away again.
    void DrawLine(const IZukeiView& view, CDC& dc, const CRect& line, int mode) const;
};

} // namespace tembra
