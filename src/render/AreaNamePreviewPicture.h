// The picture of the area-name sheet's preview in device pixels: the frame, the cell lines (a
// hidden line is drawn dotted, so that the user still sees where it runs) and each used cell's
// label, the selected one in red. Worked out apart from the button that draws it.
#pragma once

#include "platform/Types.h"
#include "render/AreaNameSheetValues.h"

#include <string>
#include <vector>

namespace tembra {

struct AreaNamePreviewLine {
    CPoint from;
    CPoint to;
    bool hidden = false;
};

struct AreaNamePreviewLabel {
    CPoint center;
    std::string text; // CP932, the list entry without its mark
    bool selected = false;
};

struct AreaNamePreviewPicture {
    // The drawing area inside the button; the cells divide it.
    static constexpr int kMargin = 5;

    CRect frame;
    std::vector<AreaNamePreviewLine> lines;
    std::vector<AreaNamePreviewLabel> labels;

    // The picture for a button of width x height pixels; selected is the index of the chosen
    // entry of the values' cell list (-1 for none).
    static AreaNamePreviewPicture Make(const AreaNameSheetValues& values, int width, int height,
                                       int selected);
};

} // namespace tembra
