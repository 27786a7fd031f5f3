// What the floating overview asks of the small window that shows it: the client area, repaints
// (with the pending update area, which the overview reads and joins), a device context for
// conversions and for the drag feedback drawn outside a paint, the mouse capture, the cursor and
// the caption. The Qt tool window implements it; the tests give a window of their own.
//
// Device units are pixels of the client area, y downwards, (0, 0) its top-left corner.
#pragma once

#include "platform/DC.h"
#include "platform/Types.h"

#include <memory>
#include <string>

namespace tembra {

class IFloatViewHost {
public:
    virtual ~IFloatViewHost() = default;

    // ---- The window ------------------------------------------------------------------------
    virtual CSize GetClientSize() const = 0;
    // A device context of the client area (the screen's resolution, MM_TEXT, not prepared):
    // what is drawn on it shows at once and stays until that part is painted again.
    virtual std::unique_ptr<CDC> GetClientDC() = 0;
    // The caption of the window (CP932 text).
    virtual void SetCaption(const std::string& text) = 0;

    // ---- Repainting ------------------------------------------------------------------------
    // Adds a rectangle (null: the whole client area) to the pending update area.
    virtual void InvalidateRect(const CRect* deviceRect, bool erase) = 0;
    virtual void ValidateRect(const CRect& deviceRect) = 0;
    // The bounding rectangle of the pending update area; false when nothing is pending.
    virtual bool GetUpdateRect(CRect& deviceRect) const = 0;
    // Paints what is pending, now.
    virtual void UpdateWindow() = 0;

    // ---- Mouse -----------------------------------------------------------------------------
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    virtual bool HasCapture() const = 0;
    // Shows a cursor: 0 the window's own, the standard size cursors by their system ids
    // (32642, 32643), or one of the overview's cursors 328, 329, 330.
    virtual void SetCursor(int cursor) = 0;
};

} // namespace tembra
