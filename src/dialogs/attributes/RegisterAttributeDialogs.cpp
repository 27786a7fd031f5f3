#include "dialogs/attributes/RegisterAttributeDialogs.h"

#include "dialogs/attributes/CalDateToDayDlg.h"
#include "dialogs/attributes/DayToCalDateDlg.h"
#include "document/ModeChangeRequests.h"
#include "platform/qt/DialogRegistry.h"

namespace tembra {

namespace {

// Both conversion dialogs: without settings there is nothing to convert against.
template <class Dialog, class Request>
void RegisterConversion(IDialogRegistry& registry, const char* name) {
    registry.Register(name, [&registry](DialogRequest& r) {
        auto& request = static_cast<Request&>(r);
        if (request.settings == nullptr) {
            return IDCANCEL;
        }
        Dialog dialog(*request.settings, registry.DialogParent());
        if (dialog.exec() != QDialog::Accepted) {
            return IDCANCEL;
        }
        request.conversion = dialog.Result().conversion;
        return IDOK;
    });
}

} // namespace

void RegisterAttributeDialogs(IDialogRegistry& registry) {
    RegisterConversion<CCalDateToDayDlg, CalDateToDayDlgRequest>(registry, "CalDateToDayDlg");
    RegisterConversion<CDayToCalDateDlg, DayToCalDateDlgRequest>(registry, "DayToCalDateDlg");
}

} // namespace tembra
