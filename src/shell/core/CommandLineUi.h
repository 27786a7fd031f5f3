// The user interface while the program works for its command line (a print with /p or /pt):
// nobody is there to click, so no message box waits. A message becomes one line with its
// string-table id ("5116: ...", the text's lines joined) for the caller's sink (standard error,
// or the answer to a later start that handed the print over), and gets the answer a box of its
// kind gives by default; a dialog is not run (IDCANCEL). Everything else goes to the services
// the program runs with.
#pragma once

#include "platform/UnattendedUi.h"

#include <functional>
#include <string>

namespace tembra {

class CCommandLineUi : public CUnattendedUi {
public:
    // A message line (UTF-8, without its end of line).
    using Sink = std::function<void(const std::string& line)>;

    CCommandLineUi(IUiServices& inner, Sink sink) : CUnattendedUi(inner), m_sink(std::move(sink)) {}

    // The line a message gives: "<id>: <text>" (just the text without an id), UTF-8, its lines
    // joined by a space.
    static std::string MessageLine(const std::string& cp932Text, UINT stringId);

    int MessageBox(const std::string& text, UINT type, UINT stringId) override;
    int RunDialog(DialogRequest& request) override;

private:
    Sink m_sink;
};

} // namespace tembra
