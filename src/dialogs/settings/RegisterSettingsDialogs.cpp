#include "dialogs/settings/RegisterSettingsDialogs.h"

#include "dialogs/settings/ColumnDeleteDlg.h"
#include "dialogs/settings/GridSetDlg.h"
#include "dialogs/settings/RoundRadiusDlg.h"
#include "document/EditDialogRequests.h"
#include "document/ZukeiDialogRequests.h"
#include "model/SyokiSet.h"
#include "platform/qt/DialogRegistry.h"

namespace tembra {

void RegisterSettingsDialogs(IDialogRegistry& registry) {
    // Each dialog of this library adds its handler here, under its request's name.
    registry.Register("ColumnDeleteDlg", [&registry](DialogRequest& r) {
        CColumnDeleteDlg dialog(static_cast<ColumnDeleteDlgRequest&>(r), registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("RoundRadiusChangeDlg", [&registry](DialogRequest& r) {
        auto& request = static_cast<RoundRadiusChangeDlgRequest&>(r);
        CRoundRadiusDlg dialog(CRoundRadiusDlg::IDD_CHANGE, request.radius,
                               registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("RoundRadiusSetDlg", [&registry](DialogRequest& r) {
        auto& request = static_cast<RoundRadiusSetDlgRequest&>(r);
        CRoundRadiusDlg dialog(CRoundRadiusDlg::IDD_SET,
                               request.settings.GetZukei().GetAttr().m_boxRay,
                               registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("GridSetDlg", [&registry](DialogRequest& r) {
        CGridSetDlg dialog(static_cast<GridSetDlgRequest&>(r).settings.GetZukei(),
                           registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
}

} // namespace tembra
