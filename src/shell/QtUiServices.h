// What core code asks of the user interface, answered with Qt: message boxes, the status bar's
// message pane, the wait cursor, the desktop's browser and the dialogs of the dialog requests.
// A dialog request is run by the handler registered under its name; a name without a handler
// is answered IDCANCEL, and the commands that need such a dialog stay disabled (HasDialog).
#pragma once

#include "platform/Ui.h"

#include <functional>
#include <map>
#include <string>

class QWidget;

namespace tembra {

class CQtUiServices : public IUiServices {
public:
    using DialogHandler = std::function<int(DialogRequest&)>;

    // The parent of the message boxes (the main window once there is one).
    void SetParentWindow(QWidget* parent) { m_parent = parent; }
    // What a mode change tells (the main frame's bars by object mode).
    void SetModeChangedHandler(std::function<void()> handler) {
        m_modeChanged = std::move(handler);
    }
    void SetDialogHandler(const std::string& name, DialogHandler handler);
    bool HasDialog(const std::string& name) const { return m_dialogs.count(name) != 0; }

    int MessageBox(const std::string& text, UINT type, UINT stringId) override;
    void SetStatusText(const std::string& text) override;
    void Beep(UINT type) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void ModeChanged() override;
    bool OpenUrl(const std::string& url) override;
    int RunDialog(DialogRequest& request) override;

private:
    QWidget* m_parent = nullptr;
    std::function<void()> m_modeChanged;
    std::map<std::string, DialogHandler> m_dialogs;
};

} // namespace tembra
