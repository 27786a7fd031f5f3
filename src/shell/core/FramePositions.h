// The positions the main frame keeps in the profile section "Settings": the window placement
// ("WindowPos"), the tool palette ("ToolPalettePos"), the floating overview window
// ("FloatWndPos") and the function bar ("FunctionBar"), as texts of comma-separated numbers.
#pragma once

#include "platform/Types.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tembra {

// Show commands and the placement flag the frame stores.
enum : UINT {
    SW_HIDE = 0,
    SW_SHOWNORMAL = 1,
    SW_SHOWMINIMIZED = 2,
    SW_SHOWMAXIMIZED = 3,
    SW_SHOW = 5,
    SW_MINIMIZE = 6,
    SW_RESTORE = 9,
    WPF_RESTORETOMAXIMIZED = 2,
};

struct WindowPlacement {
    UINT flags = 0;
    UINT showCmd = SW_SHOWNORMAL;
    CPoint minPosition;
    CPoint maxPosition;
    CRect normalPosition;
    bool operator==(const WindowPlacement&) const = default;
};

struct FloatWndPosition {
    CRect rect;
    int shown = 0;
    bool operator==(const FloatWndPosition&) const = default;
};

class FramePositions {
public:
    static constexpr const char* kSection = "Settings";

    // "WindowPos": exactly ten numbers "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d" (flags, show command,
    // minimised x and y, maximised x and y, normal left, top, right, bottom); nothing for a
    // missing, empty or malformed value.
    static std::optional<WindowPlacement> ParseWindowPos(std::string_view text);
    static std::string FormatWindowPos(const WindowPlacement& placement);
    // "ToolPalettePos" "%d,%d,%d": only the third number (shown) is read; 1 without it.
    static int ParsePaletteShown(std::string_view text);
    static std::string FormatPalettePos(const CPoint& topLeft, bool shown);
    // "FloatWndPos" "%d,%d,%d,%d,%d": numbers that cannot be read stay 0.
    static FloatWndPosition ParseFloatWndPos(std::string_view text);
    static std::string FormatFloatWndPos(const FloatWndPosition& position);
    // The floating overview window's rectangle on a screen of cx x cy pixels from the stored
    // one: an empty one takes the default (left cx/20, top cy/5, cx/4 wide, cy/4 high); a
    // negative left becomes 0, else a right beyond the screen becomes its edge; a width then
    // below cx/16 takes the default's left and right. The same for top, bottom and cy.
    static CRect PlaceFloatWnd(const CRect& stored, int cx, int cy);

    // A window rectangle that lies on none of the screens is moved, with its size, to the
    // primary screen's top-left corner (its size cut to the screen's); one that touches a
    // screen stays where it is.
    static CRect KeepOnScreens(const CRect& rect, std::span<const CRect> screens,
                               const CRect& primary);
};

} // namespace tembra
