// The window of the in-place edit control of a framed text: a multi-line edit laid over the
// shape's text box, with the shape's font, colour and alignment. The core asks the window for no
// more than an edit control of the system gives; the window itself comes from a factory that the
// user interface installs (SetZukeiEditWndFactory), so that the core runs and is tested without
// a display.
//
// Text crosses in CP932 with paragraphs separated by CR LF, as the text shape keeps it.
#pragma once

#include "platform/Types.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace tembra {

class IZukeiEditHost;

// The style word of the window: a visible multi-line child that scrolls vertically as it is
// typed into and takes Enter as a line break, and its alignment in the two low bits.
enum : DWORD {
    ES_LEFT = 0x0000,
    ES_CENTER = 0x0001,
    ES_RIGHT = 0x0002,
    ES_ALIGN_MASK = 0x0003,
    ES_MULTILINE = 0x0004,
    ES_AUTOVSCROLL = 0x0040,
    ES_WANTRETURN = 0x1000,
    WS_VISIBLE = 0x10000000,
    WS_CHILD = 0x40000000,
};

class CZukeiEditWnd {
public:
    virtual ~CZukeiEditWnd() = default;

    virtual DWORD GetStyle() const = 0;
    // The host the window was created in.
    virtual IZukeiEditHost* GetParent() const = 0;
    virtual std::string GetWindowText() const = 0;
    virtual void SetWindowText(std::string_view textCp932) = 0;
    // lfHeight in tenths of a point (a point font); the width is not used by every window.
    virtual void SetEditFont(const LOGFONT& pointFont) = 0;
    // The colour of the typed text (the background is white).
    virtual void SetTextColor(COLORREF color) = 0;
    // Places the window on the rectangle, in device pixels of the host (y downwards), without
    // repainting it.
    virtual void MoveWindow(const CRect& device) = 0;
    virtual void EnableWindow(bool enable) = 0;
    virtual bool IsWindowEnabled() const = 0;
    virtual void ShowWindow(bool show) = 0;
    virtual bool IsWindowVisible() const = 0;
    virtual void SetFocus() = 0;
};

// Makes a window of the style in the host; null when none can be made.
using ZukeiEditWndFactory =
    std::function<std::unique_ptr<CZukeiEditWnd>(IZukeiEditHost& parent, DWORD style)>;

// Installs the factory (an empty one: no window can be made); returns the previous one.
ZukeiEditWndFactory SetZukeiEditWndFactory(ZukeiEditWndFactory factory);
// A window from the factory in force; null without one.
std::unique_ptr<CZukeiEditWnd> CreateZukeiEditWnd(IZukeiEditHost& parent, DWORD style);

} // namespace tembra
