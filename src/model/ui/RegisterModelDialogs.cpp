#include "model/ui/RegisterModelDialogs.h"

#include "model/AutoSaveRequest.h"
#include "model/SearchUrlRequest.h"
#include "model/ui/AutoSaveDlg.h"
#include "model/ui/SearchUrlSetDlg.h"
#include "platform/qt/DialogRegistry.h"

namespace tembra {

void RegisterModelDialogs(IDialogRegistry& registry) {
    registry.Register("AutoSave", [&registry](DialogRequest& r) {
        CAutoSaveDlg dialog(&static_cast<AutoSaveRequest&>(r).interval, registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("SearchUrlSettings", [&registry](DialogRequest&) {
        CSearchUrlSetDlg dialog(registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
}

} // namespace tembra
