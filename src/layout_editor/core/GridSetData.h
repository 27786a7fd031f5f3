// The values and sums of the grid dialog. The grid is no pitch but a number of equal divisions
// of the current area, across and down; the dialog shows the pitch that results, in mm.
#pragma once

#include "layout_editor/core/LayoutBase.h"

#include <string>
#include <string_view>
#include <vector>

namespace marquell {

class CGridSetData {
public:
    // What the dialog edits (written back on OK) and the current area's size it divides
    // (0.1 mm).
    int snap = 1;
    int across = 0;
    int down = 0;
    int areaWidth = 0;
    int areaHeight = 0;

    // The pitch of a count over a length (0.1 mm): the length divided by the count, a fraction
    // above one half rounding up; -1 (nothing shown) for a count of 0 or below.
    static int Pitch(int count, int length);
    // "%4.1fmm" of the pitch in mm; empty for -1.
    static std::string FormatPitch(int pitch);
    // Leaving a count box: 61214 for a count of 1 or below 0, 61215 for a count above 1 whose
    // pitch is below 0.1 mm, else 0 (0 itself turns the grid off on that axis).
    static UINT CheckCount(int count, int length);
    // The number of a count box's text as the standard conversion reads it ("なし" is 0), and
    // the text a count is shown with when the dialog opens ("%3d").
    static int CountOfText(std::string_view text);
    static std::string FormatCount(int count);
    // The list entries of the two boxes (CP932): "なし", then 5 to 20, 22 to 50 by 2, 60 to 100
    // by 5, 110 to 150 by 10 across; "なし", 5 to 40, 42 to 60 by 2 down.
    static std::vector<std::string> AcrossEntries();
    static std::vector<std::string> DownEntries();
};

} // namespace marquell
