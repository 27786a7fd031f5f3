// What core code asks of the user interface. The Qt shell implements IUiServices; tests install
// a scripted double (tests/support/ScriptedUi.h). All texts passed here are CP932.
#pragma once

#include "platform/Types.h"

#include <string>

namespace tembra {

// Button sets and icons of a message box (the MB_ codes), and its answers.
enum : UINT {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ABORTRETRYIGNORE = 0x2,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_TYPEMASK = 0xF,
    MB_ICONHAND = 0x10,
    MB_ICONSTOP = 0x10,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONWARNING = 0x30,
    MB_ICONASTERISK = 0x40,
    MB_ICONINFORMATION = 0x40,
    MB_ICONMASK = 0xF0,
    MB_DEFBUTTON1 = 0x000,
    MB_DEFBUTTON2 = 0x100,
    MB_DEFBUTTON3 = 0x200,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

// A dialog that a core operation opens: the request carries the data in and out; the shell
// looks at Name() to pick the dialog.
class DialogRequest {
public:
    virtual ~DialogRequest() = default;
    virtual const char* Name() const = 0;
};

class IUiServices {
public:
    virtual ~IUiServices() = default;
    // Shows a message box; stringId is the string-table id the text came from, or 0.
    // Returns the answer (IDOK, IDYES, ...).
    virtual int MessageBox(const std::string& text, UINT type, UINT stringId) = 0;
    // Text of pane 0 of the main frame's status bar.
    virtual void SetStatusText(const std::string& text) = 0;
    // A system sound (MB_OK, MB_ICONEXCLAMATION, ...).
    virtual void Beep(UINT type) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    // The synchronous "mode changed" notice to the main window (private message 0x2B16).
    virtual void ModeChanged() = 0;
    // Opens an address (http, https or mailto) with the desktop; false when that failed.
    virtual bool OpenUrl(const std::string& url) = 0;
    // Runs a modal dialog with the request's data; returns IDOK or IDCANCEL.
    virtual int RunDialog(DialogRequest& request) = 0;
    // Runs a menu command of the main window once the current input has been handled (a
    // command posted to the main window). Services without a main window have no commands to
    // run and drop it.
    virtual void PostCommand(UINT id) { static_cast<void>(id); }
};

// The answer a box of this type gives when nobody is there to click: the first button that goes
// on (OK, Yes, Abort) or Cancel for Retry/Cancel.
int DefaultMessageBoxAnswer(UINT type);

// The services in force; a silent default (answers IDOK, shows nothing) until one is installed.
IUiServices& Ui();
// Installs services (nullptr goes back to the silent default); returns the previous ones.
IUiServices* SetUiServices(IUiServices* services);

// Message boxes in the framework's manner: by string-table id or by text.
int AfxMessageBox(UINT stringId, UINT type = MB_OK);
int AfxMessageBox(const std::string& text, UINT type = MB_OK);

// Keeps the wait cursor for the life of the object.
class CWaitCursor {
public:
    CWaitCursor() { Ui().BeginWaitCursor(); }
    ~CWaitCursor() { Ui().EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// Clears the status bar's progress text when the work it names ends, by an exception too; Done
// puts the text that closes the work in its place and leaves that one shown.
class CStatusTextScope {
public:
    CStatusTextScope() = default;
    ~CStatusTextScope() {
        if (m_bClear) {
            Ui().SetStatusText(std::string());
        }
    }
    CStatusTextScope(const CStatusTextScope&) = delete;
    CStatusTextScope& operator=(const CStatusTextScope&) = delete;

    void Done(const std::string& text) {
        Ui().SetStatusText(text);
        m_bClear = false;
    }

private:
    bool m_bClear = true;
};

} // namespace tembra
