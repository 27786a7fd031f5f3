// What core code asks of the user interface, answered with Qt: message boxes, the status bar's
// message pane, the wait cursor, the desktop's browser, the commands posted to the main window
// and the dialogs of the dialog requests.
// A dialog request is run by the handler registered under its name (by the dialog libraries, see
// IDialogRegistry); a name without a handler is answered IDCANCEL, and the commands that need
// such a dialog stay disabled (HasDialog).
#pragma once

#include "platform/Ui.h"
#include "platform/qt/DialogRegistry.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tembra {

class CQtUiServices : public IUiServices, public IDialogRegistry {
public:
    // The parent of the message boxes (the main window once there is one).
    void SetParentWindow(QWidget* parent) { m_parent = parent; }
    // What a mode change tells (the main frame's bars by object mode).
    void SetModeChangedHandler(std::function<void()> handler) {
        m_modeChanged = std::move(handler);
    }
    // What runs a posted command (the command router of the application).
    void SetCommandHandler(std::function<void(UINT)> handler) { m_command = std::move(handler); }
    void Register(const std::string& name, DialogHandler handler) override;
    QWidget* DialogParent() const override { return m_parent; }
    bool HasDialog(const std::string& name) const { return m_dialogs.count(name) != 0; }
    // The names registered, one per registration in the order made (a name twice is a fault).
    const std::vector<std::string>& Registrations() const { return m_registrations; }

    int MessageBox(const std::string& text, UINT type, UINT stringId) override;
    void SetStatusText(const std::string& text) override;
    void Beep(UINT type) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void ModeChanged() override;
    bool OpenUrl(const std::string& url) override;
    int RunDialog(DialogRequest& request) override;
    // The command runs from the event loop once the current input has been handled.
    void PostCommand(UINT id) override;

private:
    QPointer<QWidget> m_parent; // none once the main window is gone
    std::function<void()> m_modeChanged;
    std::function<void(UINT)> m_command;
    // The context of posted commands: a command still queued when the services go is dropped,
    // never run against what they served.
    QObject m_posted;
    std::map<std::string, DialogHandler> m_dialogs;
    std::vector<std::string> m_registrations;
};

} // namespace tembra
