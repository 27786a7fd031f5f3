// The layout editor's user interface services: message boxes with the editor's title, the wait
// cursor, beeps, and the dialogs that the document and view ask for by request name. A request
// without a dialog is answered with Cancel.
#pragma once

#include "platform/Ui.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <string>

namespace marquell {

class CEditorUi : public tembra::IUiServices {
public:
    using Dialog = std::function<int(tembra::DialogRequest&)>;

    // Message boxes and dialogs are owned by this window (null: none).
    void SetOwner(QWidget* owner) { m_owner = owner; }
    QWidget* Owner() const { return m_owner; }
    // The dialog that answers requests of a name.
    void AddDialog(const std::string& name, Dialog dialog);

    int MessageBox(const std::string& text, tembra::UINT type, tembra::UINT stringId) override;
    void SetStatusText(const std::string& text) override;
    void Beep(tembra::UINT type) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void ModeChanged() override;
    bool OpenUrl(const std::string& url) override;
    int RunDialog(tembra::DialogRequest& request) override;

private:
    QPointer<QWidget> m_owner;
    std::map<std::string, Dialog> m_dialogs;
};

// The editor's name as message boxes and windows show it (string 57344).
QString EditorTitle();

} // namespace marquell
