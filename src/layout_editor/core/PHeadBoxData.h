// A box of a layout: a hollow rectangle with the pen of a line. The layout file has no boxes: a
// box is written as the four lines of its sides and read back as four lines.
#pragma once

#include "layout_editor/core/PHeadLineData.h"

namespace marquell {

class CPHeadBoxData : public CPHeadLineData {
    DECLARE_SERIAL(CPHeadBoxData)
public:
    CPHeadBoxData() : CPHeadLineData(kTypeBox) {}
    CPHeadBoxData(const CPHeadBoxData&) = default;
    CPHeadBoxData& operator=(const CPHeadBoxData&) = default;

    // The frame in the line's style and colour (cyan while selected), filled with nothing.
    void Draw(CDC* dc, const ILayoutView& view, int mode) const override;
    CRect GetRect() const override;
    // Hit only on its frame band: between the box narrowed by half its width (rounded up) and
    // the box itself, widened by that much for a point; with wholeInside when the box lies
    // inside the query.
    BOOL HitTest(int left, int top, int right, int bottom, BOOL wholeInside) const override;

protected:
    std::unique_ptr<CLayoutData> MakeCopy() const override;
    void DrawOutline(CDC* dc, const ILayoutView& view, const CRect& rect, int mix) const override;
};

} // namespace marquell
