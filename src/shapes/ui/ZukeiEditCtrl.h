// The edit window of a framed text: a plain-text edit laid over the text box, wrapping anywhere
// (no character counts as a word break), aligned by the text's Form, the text in its colour on
// white in a point-size font, without frame or scroll bars. It is made disabled and hidden; the
// view shows, enables and focuses it. When it loses the focus to another widget of the program
// while it is enabled, it asks its host to end the edit.
//
// The text shape owns its window through the core's CZukeiEditWnd; the widget itself is a child
// of the host's widget. InstallZukeiEditWndFactory makes the core's text shapes create these
// windows in hosts that are IZukeiEditHostWidget. When the host's widget goes first, the window
// keeps the text it last held and has no host any more.
//
// A text that would go in (typed, from the input method, pasted or dropped) holding characters
// CP932 cannot hold is refused as it comes: the message names them, nothing goes in and the edit
// goes on with the focus.
#pragma once

#include "platform/Types.h"

#include <QPlainTextEdit>

#include <functional>
#include <string>
#include <string_view>

namespace tembra {

class IZukeiEditHostWidget;

class CZukeiEditCtrl : public QPlainTextEdit {
    Q_OBJECT
public:
    // A child of the host's widget, with the alignment of the style's low bits.
    CZukeiEditCtrl(IZukeiEditHostWidget& host, DWORD style);
    ~CZukeiEditCtrl() override;

    DWORD GetStyle() const { return m_style; }
    IZukeiEditHostWidget* GetHost() const { return m_host; }
    // CP932, paragraphs separated by CR LF.
    std::string GetTextCp932() const;
    void SetTextCp932(std::string_view text);
    // lfHeight in tenths of a point.
    void SetPointFont(const LOGFONT& font);
    void SetTextColor(COLORREF color);
    // Told the text as it stands when the widget is destroyed (an empty handler: nobody).
    void OnDestroyed(std::function<void(std::string)> handler) {
        m_onDestroyed = std::move(handler);
    }

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Shows the message of a text CP932 cannot hold and gives the focus back; true when refused.
    bool Refuses(const QString& text);

    IZukeiEditHostWidget* m_host;
    DWORD m_style;
    std::function<void(std::string)> m_onDestroyed;
    // While the message of a refused text is shown: the focus it takes ends no edit.
    bool m_refusing = false;
};

// Installs the factory of the edit windows; a host that is no IZukeiEditHostWidget gets none.
void InstallZukeiEditWndFactory();

} // namespace tembra
