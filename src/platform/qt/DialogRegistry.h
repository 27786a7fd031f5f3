// Where a dialog library registers the dialogs that answer dialog requests. Each dialog library
// has one function that registers its own dialogs here, and the application calls those functions
// once at start-up; adding a dialog touches its own library only. A request type lives in the
// lowest library that both the code raising it and the library of its dialog can see.
//
// Naming: a request's Name() is the class name of the dialog that answers it without the leading
// C ("KouteiAttr2Dlg" for CKouteiAttr2Dlg), and its type is that name + "Request"
// (KouteiAttr2DlgRequest). The names that were there before this rule keep theirs ("AutoSave",
// "LayoutSelect" ...). A command that only opens a dialog is disabled while no dialog is
// registered under its name; a request raised inside a larger operation is answered IDCANCEL.
#pragma once

#include "platform/Ui.h"

#include <functional>
#include <string>

class QWidget;

namespace tembra {

class IDialogRegistry {
public:
    // Runs the dialog for the request and answers IDOK or IDCANCEL (or what the request says).
    using DialogHandler = std::function<int(DialogRequest&)>;

    virtual ~IDialogRegistry() = default;
    // One handler per name: a name registered twice is a fault of the caller.
    virtual void Register(const std::string& name, DialogHandler handler) = 0;
    // The window the dialogs open over when they run (the main window once there is one, else
    // none).
    virtual QWidget* DialogParent() const = 0;
};

} // namespace tembra
