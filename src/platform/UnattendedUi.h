// The user interface while nobody is there to click (a print from the command line, a call of
// another program): what only a user would notice, a beep or an address opened in the browser,
// goes nowhere; the status text, the wait cursor and the mode-change notice reach the services
// the program runs with. How a message box or a dialog is answered is the deriving class's.
#pragma once

#include "platform/Ui.h"

#include <string>

namespace tembra {

class CUnattendedUi : public IUiServices {
public:
    explicit CUnattendedUi(IUiServices& inner) : m_inner(inner) {}

    void SetStatusText(const std::string& text) override { m_inner.SetStatusText(text); }
    void Beep(UINT type) override { static_cast<void>(type); }
    void BeginWaitCursor() override { m_inner.BeginWaitCursor(); }
    void EndWaitCursor() override { m_inner.EndWaitCursor(); }
    void ModeChanged() override { m_inner.ModeChanged(); }
    bool OpenUrl(const std::string& url) override {
        static_cast<void>(url);
        return false;
    }

protected:
    IUiServices& Inner() const { return m_inner; }

private:
    IUiServices& m_inner;
};

} // namespace tembra
