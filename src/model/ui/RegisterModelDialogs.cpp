#include "model/ui/RegisterModelDialogs.h"

#include "model/AlignRequest.h"
#include "model/AutoSaveRequest.h"
#include "model/CalendarRequests.h"
#include "model/ConfigBase.h"
#include "model/DocOperationRequest.h"
#include "model/HolidaySettings.h"
#include "model/OptionDialogRequest.h"
#include "model/SearchUrlRequest.h"
#include "model/ui/AlignDlg.h"
#include "model/ui/AutoAdjustDlg.h"
#include "model/ui/AutoSaveDlg.h"
#include "model/ui/CalendarSetDlg.h"
#include "model/ui/ColorSetDlg.h"
#include "model/ui/DrawEditCondDlg.h"
#include "model/ui/SearchUrlSetDlg.h"
#include "model/ui/SpecialHolidayDlg.h"
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
    registry.Register("CalendarSet", [&registry](DialogRequest& r) {
        auto& request = static_cast<CalendarSetRequest&>(r);
        CCalendarSetDlg dialog(request.calendar, request.year, request.month,
                               registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("AutoAdjust", [&registry](DialogRequest& r) {
        auto& request = static_cast<AutoAdjustRequest&>(r);
        CAutoAdjustDlg dialog(request.limitToPeriod, registry.DialogParent());
        const bool yes = dialog.exec() == QDialog::Accepted;
        request.limitToPeriod = dialog.LimitToPeriod();
        return yes ? IDOK : IDCANCEL;
    });
    // The holiday rules live in their stores, not in the settings of the request.
    registry.Register("SpecialHolidays", [&registry](DialogRequest&) {
        CHolidaySettings settings;
        settings.Load();
        CSpecialHolidayDlg dialog(settings, registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("Align", [&registry](DialogRequest& r) {
        auto& request = static_cast<AlignRequest&>(r);
        CAlignDlg dialog(registry.DialogParent());
        dialog.SetValues(request.values);
        if (dialog.exec() != QDialog::Accepted) {
            return IDCANCEL;
        }
        request.values = dialog.GetValues();
        return IDOK;
    });
    // The application's conditions, written to the profile by the command on OK; a document's
    // own conditions, kept by the document.
    registry.Register("DrawEditConditions", [&registry](DialogRequest& r) {
        CConfigBase* config = static_cast<OptionDialogRequest&>(r).config;
        CDrawEditCondDlg dialog(config != nullptr ? &config->GetOperation() : nullptr,
                                registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("DocDrawEditConditions", [&registry](DialogRequest& r) {
        CDrawEditCondDlg dialog(&static_cast<DocOperationRequest&>(r).operation,
                                registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
    registry.Register("ColorSettings", [&registry](DialogRequest& r) {
        CConfigBase* config = static_cast<OptionDialogRequest&>(r).config;
        CColorSetDlg dialog(config != nullptr ? &config->GetColor() : nullptr,
                            registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
}

} // namespace tembra
