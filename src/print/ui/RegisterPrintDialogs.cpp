#include "print/ui/RegisterPrintDialogs.h"

#include "model/ConfigBase.h"
#include "model/ConfigPath.h"
#include "model/OptionDialogRequest.h"
#include "platform/qt/DialogRegistry.h"
#include "print/LayoutSelectRequest.h"
#include "print/PrhMst03SheetRequest.h"
#include "print/ui/LayoutCopyDlg.h"
#include "print/ui/LayoutSelDlg.h"
#include "print/ui/PrhMst03Sheet.h"

#include <utility>

namespace tembra {

void RegisterPrintDialogs(IDialogRegistry& registry, const CConfigBase& settings,
                          std::function<std::vector<std::string>()> layoutsInUse) {
    // The layouts to edit, create or delete (40033).
    registry.Register("LayoutSelect", [&registry, &settings,
                                       layoutsInUse = std::move(layoutsInUse)](DialogRequest& r) {
        auto& request = static_cast<LayoutSelectRequest&>(r);
        CLayoutSelDlg dialog(registry.DialogParent());
        dialog.manageMode = TRUE;
        dialog.fileName = request.fileName;
        dialog.layoutFolder = ConfigPathToFs(settings.GetPath().GetFolder());
        dialog.currentLayout = settings.GetPath().GetLayoutFileName();
        dialog.layoutsInUse = layoutsInUse();
        if (dialog.DoModal() != IDOK) {
            return IDCANCEL;
        }
        request.fileName = dialog.fileName;
        return IDOK;
    });
    // The copying of layouts into the layout folder (40091).
    registry.Register("LayoutCopy", [&registry](DialogRequest& r) {
        const CConfigBase& config = *static_cast<OptionDialogRequest&>(r).config;
        CLayoutCopyDlg dialog(ConfigPathToFs(config.GetPath().GetFolder()),
                              CLayoutCopyDlg::MachineDrives(), registry.DialogParent());
        dialog.exec();
        return IDOK;
    });
    // The plan texts of the safety-and-health form (32941 on a header of layout kind 1).
    registry.Register("PrhMst03Sheet", [&registry](DialogRequest& r) {
        auto& request = static_cast<PrhMst03SheetRequest&>(r);
        CPrhMst03Sheet sheet(request.header, registry.DialogParent());
        return sheet.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
}

} // namespace tembra
