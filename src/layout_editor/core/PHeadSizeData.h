// The sizes of a paper's areas: the paper, the header, footer, left and right areas where
// elements go (with the footer and side areas before their last size change), the date and
// chart areas of the printed chart, the two margin corners, the grid divisions of the four
// element areas, and which of them is being edited. Rectangles are layout units (y negated),
// indexed like the layout file's keys (tembra::LayoutRect).
#pragma once

#include "layout_editor/core/LayoutData.h"
#include "model/LayoutFile.h"

#include <array>

namespace marquell {

class CPHeadSizeData : public CLayoutData {
    DECLARE_SERIAL(CPHeadSizeData)
public:
    CPHeadSizeData() = default;
    CPHeadSizeData(const CPHeadSizeData&) = default;
    CPHeadSizeData& operator=(const CPHeadSizeData&) = default;

    // A rectangle by its key index (tembra::kLayoutPaperArea ...); an empty one outside them.
    CRect GetArea(int index) const;
    void SetArea(int index, const CRect& rect);
    // A grid division by its key index (tembra::kLayoutVpartition ...); 0 outside them.
    int GetPartition(int index) const;
    void SetPartition(int index, int value);

    // The area being edited: 0 header, 1 footer, 2 left, 3 right.
    short GetCurrentArea() const { return m_currentArea; }
    void SetCurrentArea(int area) { m_currentArea = static_cast<short>(area); }
    // The rectangle of an area code; an empty one for any other code.
    CRect GetAreaRect(int areaCode) const;
    // The divisions of an area code across (vertical lines) and down (horizontal lines); 0 for
    // any other code.
    void GetPartitions(int areaCode, int& vertical, int& horizontal) const;
    void SetPartitions(int areaCode, int vertical, int horizontal);

    // The paper white, the date and chart areas light grey, the element areas as dotted frames.
    void Draw(CDC* dc, const ILayoutView& view, int mode) const override;
    // The grid of the current area: with n divisions across, n - 1 vertical lines at
    // left + width x i / n, with m down m - 1 horizontal ones (a fraction above one half a unit
    // further on), each solid, 3 wide, light grey.
    void DrawPartitionLines(CDC* dc, const ILayoutView& view, int vertical, int horizontal) const;

protected:
    std::unique_ptr<CLayoutData> MakeCopy() const override;

private:
    std::array<CRect, tembra::kLayoutRectCount> m_areas{};
    std::array<int, tembra::kLayoutPartitionCount> m_partitions{};
    short m_currentArea = kAreaHeader;
};

} // namespace marquell
