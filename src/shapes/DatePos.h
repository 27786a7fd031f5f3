// The cursor position a chart view keeps while the user draws, moves or resizes shapes: where
// the cursor is on the device, the date and fractional row under it, the view's flags, the point
// where the current drag began, and the date and row the view settles on for the end of a resize
// drag. The view hands the same record to SetPoint while a shape is drawn and to ResizeAnchors
// while selected shapes are resized by a handle.
#pragma once

#include "platform/Time.h"
#include "platform/Types.h"

namespace tembra {

struct CDatePos {
    // Circles (and circle-framed texts) are drawn from their centre.
    static constexpr DWORD kFlagFromCenter = 0x200;

    // The cursor, in the logical units of the view's device context (y upwards).
    CPoint point;
    CTime date;
    double row = 0.0;
    DWORD flags = 0;
    // Where the current drag began.
    CPoint dragStart;
    // Where a resize drag ends: the date and fractional row the dragged edge takes when it lands
    // exactly on the cursor.
    CTime endDate;
    double endRow = 0.0;
};

} // namespace tembra
