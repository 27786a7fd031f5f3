#include "shell/core/CommandLineUi.h"

#include "platform/Sjis.h"

namespace tembra {

std::string CCommandLineUi::MessageLine(const std::string& cp932Text, UINT stringId) {
    std::string text = Sjis::ToUtf8(cp932Text);
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return stringId != 0 ? std::to_string(stringId) + ": " + text : text;
}

int CCommandLineUi::MessageBox(const std::string& text, UINT type, UINT stringId) {
    if (m_sink) {
        m_sink(MessageLine(text, stringId));
    }
    return DefaultMessageBoxAnswer(type);
}

int CCommandLineUi::RunDialog(DialogRequest& request) {
    if (m_sink) {
        m_sink(std::string(request.Name()) + ": not shown from the command line");
    }
    return IDCANCEL;
}

} // namespace tembra
