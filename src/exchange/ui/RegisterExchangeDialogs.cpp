#include "exchange/ui/RegisterExchangeDialogs.h"

#include "exchange/ui/HyperLinkDlg.h"
#include "exchange/ui/InsertConfirmDlg.h"
#include "exchange/ui/InsertSelDlg.h"
#include "exchange/ui/QkrImportSelDlg.h"
#include "platform/qt/DialogRegistry.h"

namespace tembra {

void RegisterExchangeDialogs(IDialogRegistry& registry) {
    registry.Register("InsertSelect", [&registry](DialogRequest& r) {
        return CInsertSelDlg::Run(r, registry.DialogParent());
    });
    registry.Register("InsertConfirm", [&registry](DialogRequest& r) {
        return CInsertConfirmDlg::Run(r, registry.DialogParent());
    });
    registry.Register("QkrImportSelect", [&registry](DialogRequest& r) {
        return CQkrImportSelDlg::Run(r, registry.DialogParent());
    });
    registry.Register("HyperLink", [&registry](DialogRequest& r) {
        return CHyperLinkDlg::Run(r, registry.DialogParent());
    });
}

} // namespace tembra
