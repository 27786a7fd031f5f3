// The in-place edit control of a framed text: one per text shape, made with it (without a window)
// and deleted with it. It keeps the text box the window was last fitted to, at the zoom of that
// fitting (clipped to the chart area) and at 100 %, both stored with the shape; the font and the
// colour the window shows the text in; and the window itself while there is one.
//
// The view starts an edit with BeginEdit, fits the window with FitToShape, shows, enables and
// focuses it; when the window loses the focus to another window of the program its host ends
// the edit (the window's text becomes the shape's text, the window is disabled and hidden).
#pragma once

#include "platform/Types.h"
#include "shapes/ZukeiEditWnd.h"

#include <memory>
#include <string_view>

namespace tembra {

class CDC;
class CZukeiString;
class IZukeiEditHost;
class IZukeiView;

class CZukeiStringEdit {
public:
    // A new window's style: a visible multi-line child with vertical autoscroll that takes Enter.
    static constexpr DWORD kNewStyle =
        WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    // The background behind the typed text.
    static constexpr COLORREF kBackColor = RGB(255, 255, 255);

    CZukeiStringEdit() = default;
    virtual ~CZukeiStringEdit();
    CZukeiStringEdit(const CZukeiStringEdit&) = delete;
    CZukeiStringEdit& operator=(const CZukeiStringEdit&) = delete;

    // Prepares the window for an edit of the shape: a new one with the shape's text, or, when
    // there is one, a new one in its place with its style and text, so that a changed alignment
    // takes effect; either way aligned by the shape's Form, disabled and hidden. The shape is
    // then being edited (EditState 1). parent null: the window's own host, and nothing at all
    // without a window. No window can be made: nothing changes.
    void BeginEdit(CZukeiString& shape, IZukeiEditHost* parent);
    // Font, colour, place and size of the window from the shape as the view shows it: the text
    // box, its top and bottom kept inside the chart area, becomes ViewRect; the box at 100 %
    // Rect100. Without a window only the rectangles, font and colour are taken.
    void FitToShape(const IZukeiView& view, CDC& dc, const CZukeiString& shape);
    // Gives other the rectangles and, when this control has a window, a window of the same
    // style, host and text, disabled and hidden. FALSE without a window.
    BOOL CopyTo(CZukeiStringEdit& other) const;

    const CRect& GetViewRect() const { return m_viewRect; }
    void SetViewRect(const CRect& rect) { m_viewRect = rect; }
    const CRect& GetRect100() const { return m_rect100; }
    void SetRect100(const CRect& rect) { m_rect100 = rect; }
    // The font of the window: lfHeight in tenths of a point.
    const LOGFONT& GetEditFont() const { return m_editFont; }
    COLORREF GetTextColor() const { return m_textColor; }

    // The window, or null while there is none.
    CZukeiEditWnd* GetWnd() const { return m_wnd.get(); }

private:
    // A window of the style and text in the host, disabled and hidden; null when none can be
    // made.
    static std::unique_ptr<CZukeiEditWnd> MakeWindow(IZukeiEditHost& parent, DWORD style,
                                                     std::string_view text);

    CRect m_viewRect;
    CRect m_rect100;
    LOGFONT m_editFont;
    COLORREF m_textColor = 0;
    std::unique_ptr<CZukeiEditWnd> m_wnd;
};

} // namespace tembra
