#include "dialogs/settings/RegisterSettingsDialogs.h"

#include "dialogs/settings/NafudaDlg.h"
#include "dialogs/settings/SystemEnvDlg.h"
#include "document/LayerDialogRequests.h"
#include "model/OptionDialogRequest.h"
#include "platform/qt/DialogRegistry.h"

namespace tembra {

void RegisterSettingsDialogs(IDialogRegistry& registry) {
    // Each dialog of this library adds its handler here, under its request's name.
    // The command writes the defaults to the profile and repaints after OK.
    registry.Register("SystemSettings", [&registry](DialogRequest& r) {
        CSystemEnvDlg dialog(static_cast<OptionDialogRequest&>(r).config, registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    // The document empties its undo history and updates its views after OK.
    registry.Register("NafudaDlg", [&registry](DialogRequest& r) {
        CNafudaDlg dialog(registry.DialogParent());
        dialog.SetHeader(&static_cast<NafudaDlgRequest&>(r).header);
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
}

} // namespace tembra
