// What the events' align command asks (dialog 131 "整列"): the edge to align to, and whether,
// and with which gap, the events are spaced evenly along the aligned row or column.
#pragma once

#include "platform/Types.h"

namespace tembra {

struct AlignValues {
    // The edge the events are aligned on.
    enum : int {
        kTop = 0,    // 上揃え: the leftmost event is the reference
        kBottom = 1, // 下揃え: the leftmost event is the reference
        kLeft = 2,   // 左揃え: the topmost event is the reference
        kRight = 3,  // 右揃え: the topmost event is the reference
    };
    // Gaps are 0.1 mm, from 0 to 1000.
    static constexpr int kMinGap = 0;
    static constexpr int kMaxGap = 1000;

    int choice = kTop;
    // 横間揃え: the events of a row the horizontal gap apart.
    BOOL horizontalSpacing = FALSE;
    int horizontalGap = 10;
    // 縦間揃え: the events of a column the vertical gap apart.
    BOOL verticalSpacing = FALSE;
    int verticalGap = 10;

    // Horizontal spacing goes with top and bottom alignment, vertical spacing with left and
    // right.
    static bool HorizontalSpacingApplies(int choice) { return choice == kTop || choice == kBottom; }
    static bool VerticalSpacingApplies(int choice) { return choice == kLeft || choice == kRight; }

    bool operator==(const AlignValues&) const = default;
};

} // namespace tembra
