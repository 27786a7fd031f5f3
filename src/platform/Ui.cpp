#include "platform/Ui.h"

#include "platform/StringTable.h"

namespace tembra {

namespace {

class SilentUi final : public IUiServices {
public:
    int MessageBox(const std::string&, UINT type, UINT) override {
        return DefaultMessageBoxAnswer(type);
    }
    void SetStatusText(const std::string&) override {}
    void Beep(UINT) override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void ModeChanged() override {}
    bool OpenUrl(const std::string&) override { return false; }
    int RunDialog(DialogRequest&) override { return IDCANCEL; }
};

SilentUi g_silent;
IUiServices* g_ui = &g_silent;

} // namespace

int DefaultMessageBoxAnswer(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return IDYES;
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    case MB_RETRYCANCEL:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

IUiServices& Ui() {
    return *g_ui;
}

IUiServices* SetUiServices(IUiServices* services) {
    IUiServices* previous = g_ui == &g_silent ? nullptr : g_ui;
    g_ui = services ? services : &g_silent;
    return previous;
}

int AfxMessageBox(UINT stringId, UINT type) {
    return Ui().MessageBox(LoadString(stringId), type, stringId);
}

int AfxMessageBox(const std::string& text, UINT type) {
    return Ui().MessageBox(text, type, 0);
}

} // namespace tembra
