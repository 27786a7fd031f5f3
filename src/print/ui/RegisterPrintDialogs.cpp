#include "print/ui/RegisterPrintDialogs.h"

#include "model/ConfigBase.h"
#include "model/ConfigPath.h"
#include "model/OptionDialogRequest.h"
#include "platform/qt/DialogRegistry.h"
#include "print/LayoutSelectRequest.h"
#include "print/ui/LayoutCopyDlg.h"
#include "print/ui/LayoutSelDlg.h"

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
}

} // namespace tembra
