// What the chart view asks of the window that shows it: the client area, the scroll bars, the
// repainting of parts of the window (with the window's pending update region, which the view
// reads and joins), a device context of the window for measuring and for feedback drawn outside
// a paint, the mouse capture, mouse events posted to itself, the cursor, the panes of the child
// frame's splitter, the printer and preview of the application and the floating overview. The
// Qt window implements it; the tests give a window of their own.
//
// Device units are pixels of the client area, y downwards, (0, 0) its top-left corner.
#pragma once

#include "platform/DC.h"
#include "platform/Types.h"
#include "platform/View.h"

#include "view/core/MouseEvent.h"

#include <memory>
#include <optional>
#include <vector>

namespace tembra {

class CObject;
class CTembraView;
struct CPrintInfo;

// The floating overview window as a view sees it: told of the view's changes (hint 0x100 the
// active view changed, 0x400 its position or size changed, any other hint passed on) and asked
// to repaint at once.
class IFloatOverview {
public:
    virtual ~IFloatOverview() = default;
    virtual void UpdateFloatView(CView* sender, LPARAM hint, CObject* hintObject) = 0;
    virtual void RepaintNow() = 0;
    // The view is going away: the overview stops showing it.
    virtual void ForgetView(CView* view) { static_cast<void>(view); }
};

// A pane of the child frame's splitter: its view and its place.
struct SplitterPane {
    CTembraView* view = nullptr;
    int row = 0;
    int column = 0;
};

class IViewHost {
public:
    // Cursors the view shows: 0 gives the window's own (the class cursor); the standard size
    // cursors by their system ids; every other id is one of the view's cursor resources (the
    // mode cursors, 1667 the cross of the area zoom). An id the host has no cursor for sets
    // nothing.
    enum Cursor : int {
        kCursorArrow = 0,
        kCursorSize = 32640,
        kCursorSizeNWSE = 32642,
        kCursorSizeNESW = 32643,
        kCursorSizeWE = 32644,
        kCursorSizeNS = 32645,
        kCursorAreaZoom = 1667,
    };

    virtual ~IViewHost() = default;

    // ---- The window ------------------------------------------------------------------------
    // The client area in device pixels.
    virtual CSize GetClientSize() const = 0;
    // A device context of the client area (the screen's resolution, MM_TEXT, not prepared):
    // what is drawn on it shows at once, outside a paint, and stays until that part of the
    // window is painted again.
    virtual std::unique_ptr<CDC> GetClientDC() = 0;
    // The colour of the application's workspace (around the page).
    virtual COLORREF GetWorkspaceColor() const = 0;
    // The total size or the scroll position of the view changed: the scroll bars follow.
    virtual void UpdateScrollBars() = 0;
    // The frame is made no larger than the view's total size (it only shrinks).
    virtual void ResizeParentToFit(const CSize& totalDevice) = 0;

    // ---- Repainting ------------------------------------------------------------------------
    // Adds a rectangle (null: the whole client area) to the pending update region; erase: the
    // background is erased before the next paint draws it.
    virtual void InvalidateRect(const CRect* deviceRect, bool erase) = 0;
    // Takes a rectangle out of the pending update region.
    virtual void ValidateRect(const CRect& deviceRect) = 0;
    // The bounding rectangle of the pending update region; false when nothing is pending.
    virtual bool GetUpdateRect(CRect& deviceRect) const = 0;
    // Paints what is pending, now.
    virtual void UpdateWindow() = 0;

    // ---- Mouse -----------------------------------------------------------------------------
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    virtual bool HasCapture() const = 0;
    // Posts a mouse message to the view itself (a CMouseEvent action, key flags, device point):
    // it arrives through the event queue, after what is already there.
    virtual void PostMouseEvent(int action, UINT keyFlags, const CPoint& devicePoint) = 0;
    // Posts the view's object action (private message 0x2B10, wParam 0) to the view itself, with
    // a copy of a mouse-event record whose point is in client pixels, or none (the view then
    // evaluates the pointer where it is); it arrives through the same queue as PostMouseEvent.
    virtual void PostObjectAction(const std::optional<CMouseEvent>& record) = 0;
    // Shows a cursor (see Cursor); false when the id names none, and nothing changed.
    virtual bool SetCursor(int cursor) = 0;
    // Whether the pointer is over this window's client area, with no other window above it.
    virtual bool IsCursorOverView() const = 0;
    // While on, and while the window holds the capture with the pointer outside it, the window
    // repeats the mouse move at the pointer every 50 ms, so that a drag scrolls on with the
    // pointer held still.
    virtual void SetAutoScroll(bool on) = 0;
    // Where the mouse is, in client pixels.
    virtual CPoint GetCursorPos() const = 0;
    // Puts the pointer at a client pixel where the platform lets a program move it; elsewhere
    // the pointer stays where the user has it.
    virtual void SetCursorPos(const CPoint& devicePoint) { static_cast<void>(devicePoint); }
    // While a preview draws: whether the right button was pressed since the last question (the
    // press is taken out of the queue).
    virtual bool TakePreviewAbort() = 0;

    // ---- The splitter of the child frame -----------------------------------------------------
    // Whether the view is a pane of a splitter, its row and column, and the splitter's rows and
    // columns in use.
    virtual bool IsSplitterPane() const = 0;
    virtual int GetPaneRow() const = 0;
    virtual int GetPaneColumn() const = 0;
    virtual int GetSplitterRows() const = 0;
    virtual int GetSplitterColumns() const = 0;
    // The other panes of the splitter, row by row and column by column.
    virtual std::vector<SplitterPane> GetOtherPanes() const = 0;

    // ---- Printing -------------------------------------------------------------------------
    // The application's half-page scroll flag.
    virtual bool IsHalfScroll() const = 0;
    // The printer the application uses by default, with its paper in info; false when there is
    // none.
    virtual bool GetPrinterDefaults(CPrintInfo& info) = 0;
    // The application's print dialog on the job (its page range in and out); IDOK with the
    // chosen printer and its paper in info, or IDCANCEL.
    virtual int RunPrintDialog(CPrintInfo& info) = 0;
    // Whether the job has a printer device to draw on (made now when it has none yet).
    virtual bool HasPrinterDevice(CPrintInfo& info) = 0;
    // Prints the chart: the preparation, the pages and the end through the view.
    virtual void Print() = 0;
    // Starts the preview of the chart; false when it cannot start.
    virtual bool StartPreview() = 0;
    // The printer settings of the application (set-up only).
    virtual void RunPrinterSetup() = 0;

    // The floating overview window, or null while there is none.
    virtual IFloatOverview* GetOverview() const = 0;

    // ---- Dialogs ---------------------------------------------------------------------------
    // Whether a dialog answers the request of that name. A host whose user interface answers
    // every request (the tests' own) says yes; the application's window asks the application.
    virtual bool HasDialog(const char* name) const {
        static_cast<void>(name);
        return true;
    }
};

} // namespace tembra
