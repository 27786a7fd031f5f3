// What the layout editing view asks of the window that shows it: the client area's size, a
// device context of the window's resolution for conversions, the scroll bars, repainting, the
// workspace colour around the paper and the frame's title. The Qt window implements it; tests
// give a fixed window.
#pragma once

#include "layout_editor/core/LayoutBase.h"

#include <memory>
#include <string>

namespace marquell {

class IMarquellViewHost {
public:
    virtual ~IMarquellViewHost() = default;

    // The client area in device pixels.
    virtual CSize GetClientSize() const = 0;
    // A device context with the window's resolution, not prepared (MM_TEXT, origins 0).
    virtual std::unique_ptr<CDC> CreateMeasureDC() const = 0;
    // The view's total size or scroll position changed: the scroll bars show them again.
    virtual void UpdateScrollBars() = 0;
    // Marks part of the client area (device pixels), or all of it, to be painted again.
    virtual void Invalidate(const CRect& deviceRect) = 0;
    virtual void InvalidateAll() = 0;
    // The colour of the application's workspace, shown around the paper.
    virtual COLORREF GetWorkspaceColor() const = 0;
    // The main window's title (CP932).
    virtual std::string GetFrameTitle() const = 0;
    virtual void SetFrameTitle(const std::string& title) = 0;
};

} // namespace marquell
