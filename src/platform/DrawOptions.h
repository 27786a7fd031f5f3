// The drawing options of one print job or one view, carried by the device context the
// painters draw on, so that a print preview and a window painting in the same program each
// keep their own: whether dashed lines are drawn by the styled path on paper, and whether
// colours are matched to the printer's.
#pragma once

namespace tembra {

struct DrawOptions {
    // Dashed lines on a printer are walked as runs of solid segments of fixed lengths (off
    // until the print routine switches it on for a job that asks for it).
    bool styledDraw = false;
    // Colours on a printer become the printer's nearest colour (painters switch it off around
    // drawing that must keep its exact colours).
    bool colorMatch = true;

    bool operator==(const DrawOptions&) const = default;
};

} // namespace tembra
