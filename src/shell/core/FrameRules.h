// The main frame's decisions that need no window: which bars the object mode of the active chart
// shows, when the periodic auto-save is due, the size a floating bar keeps while it is re-laid
// and where a floating tool palette is put back on the screen.
#pragma once

#include "platform/Time.h"
#include "platform/Types.h"

#include <optional>

namespace tembra {

// The kinds of the term input bar: the bar it is laid out as.
enum : int { kYogoBarEvent = 0, kYogoBarTerm = 1, kYogoBarKoumoku = 2 };

struct ModeBars {
    // The kind the term input bar is re-laid as; nothing when its kind stays.
    std::optional<int> yogoBarKind;
    bool zukeiBar = false; // the line-drawing bar shows (object mode 4)
    bool chartBar = false; // the chart bar shows (object mode 8)
    bool operator==(const ModeBars&) const = default;
};

// The bars for an object mode, given the term input bar's current kind: event bar in mode 6,
// item bar in mode 0, term bar in any other.
ModeBars BarsForMode(LONG mode, int currentYogoBarKind);

// The timer's test: no window holds the mouse, the interval (minutes) is above 0 and strictly
// more than that many minutes have passed since the last auto-save.
bool IsAutoSaveDue(const CTime& now, const CTime& lastAutoSave, long intervalMinutes,
                   bool mouseCaptured);

// The size a bar keeps while it is re-laid or dragged: the computed size (raised to the
// minimum) unless the bar would then end less than 24 pixels right of or below the screen's
// left or top edge, when the remembered size is kept. The size returned is remembered, as is
// the computed one of a most-recently-used layout.
CSize KeepBarSize(CSize computed, bool mostRecentlyUsed, const CPoint& windowTopLeft,
                  CSize& remembered, CSize minimum = CSize(0, 0));

// The top-left corner that brings a floating window of that rectangle back onto a screen of
// width x height pixels; nothing when it need not move.
std::optional<CPoint> PaletteOnScreen(const CRect& window, int screenWidth, int screenHeight);

} // namespace tembra
