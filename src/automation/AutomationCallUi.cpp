#include "automation/AutomationCallUi.h"

#include "platform/Sjis.h"

namespace tembra {

int CAutomationCallUi::RefusingAnswer(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
        return IDNO;
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

int CAutomationCallUi::MessageBox(const std::string& text, UINT type, UINT stringId) {
    if (Asking()) {
        return Inner().MessageBox(text, type, stringId);
    }
    m_messages.push_back({stringId, Sjis::ToUtf8(text)});
    return RefusingAnswer(type);
}

int CAutomationCallUi::RunDialog(DialogRequest& request) {
    if (Asking()) {
        return Inner().RunDialog(request);
    }
    m_dialogs.emplace_back(request.Name());
    return IDCANCEL;
}

} // namespace tembra
