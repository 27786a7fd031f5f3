// What the layout editing view asks of the window that shows it: the client area's size, a
// device context of the window's resolution for conversions, the scroll bars, repainting, the
// workspace colour around the paper, the frame's title, and what mouse editing needs: the mouse
// held for the view, drawing between paints, repeated moves while the pointer is out, the
// status-bar panes, the context menu and the cursor. The Qt window implements it; tests give a
// fixed window.
#pragma once

#include "layout_editor/core/LayoutBase.h"

#include <functional>
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

    // ---- Mouse editing -----------------------------------------------------------------------
    // The mouse messages come to the view wherever the pointer goes, until released.
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    // Paints what is due at once, so that inverted feedback goes on top of the finished picture.
    virtual void UpdateWindow() = 0;
    // Draws straight onto what the window shows, between paints (the inverted feedback of a
    // drag); the device context is as CreateMeasureDC gives it, for the view to prepare.
    virtual void DrawDirect(const std::function<void(CDC*)>& draw) = 0;
    // While on, the view is given the mouse move again, with the pointer's present position,
    // now and then while the pointer stays outside the client area (scrolling goes on).
    virtual void SetAutoScroll(bool on) = 0;
    // A pane of the status bar (0 the prompt, 5 the position, 6 the size), shown at once.
    virtual void SetPaneText(int pane, const std::string& text) = 0;
    // The view's context menu at a point of the client area (device pixels).
    virtual void ShowContextMenu(const CPoint& devicePoint) = 0;
    // The cursor shown again for where the pointer is.
    virtual void RefreshCursor() = 0;
};

} // namespace marquell
