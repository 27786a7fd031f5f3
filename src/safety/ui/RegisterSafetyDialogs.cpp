#include "safety/ui/RegisterSafetyDialogs.h"

#include "document/SafetyBoardRequests.h"
#include "model/ConfigBase.h"
#include "model/OptionDialogRequest.h"
#include "platform/qt/DialogRegistry.h"
#include "safety/ui/DisasterFrameDlg.h"
#include "safety/ui/DisasterTextDlg.h"
#include "safety/ui/DutyStaffDlg.h"
#include "safety/ui/ManeiToubanP1.h"
#include "safety/ui/ManeiToubanSheet.h"
#include "safety/ui/ToubanCreateSelDlg.h"
#include "safety/ui/WeekTargetFrameDlg.h"
#include "safety/ui/WeekTargetTextDlg.h"

namespace tembra {

namespace {

// A frame batch: the dialog, then the frames of its values.
template <class Dialog> int RunFrameBatch(IDialogRegistry& registry, DialogRequest& request) {
    auto& target = dynamic_cast<SafetyBoardTarget&>(request);
    if (target.document == nullptr || target.layout == nullptr) {
        return IDCANCEL;
    }
    Dialog dialog(*target.document, *target.layout, registry.DialogParent());
    if (dialog.DoModal() != IDOK) {
        return IDCANCEL;
    }
    dialog.BuildFrames();
    return IDOK;
}

// A text dialog on the pair the command found: after 決定 the texts go into the pair.
template <class Dialog> int RunTextDialog(IDialogRegistry& registry, DialogRequest& request) {
    auto& pair = dynamic_cast<SafetyTextPair&>(request);
    if (pair.document == nullptr || pair.first == nullptr || pair.second == nullptr) {
        return IDCANCEL;
    }
    Dialog dialog(*pair.document, *pair.first, *pair.second, registry.DialogParent());
    if (dialog.DoModal() != IDOK) {
        return IDCANCEL;
    }
    dialog.ApplyTexts();
    return IDOK;
}

int RunToubanCreateSel(IDialogRegistry& registry, DialogRequest& request) {
    auto& choice = dynamic_cast<ToubanCreateSelRequest&>(request);
    CToubanCreateSelDlg dialog(registry.DialogParent());
    if (dialog.DoModal() != IDOK) {
        return IDCANCEL;
    }
    choice.choice = dialog.Mask();
    return IDOK;
}

// The roster sheet, the frames after 決定, and in any case the duty persons of the work-site
// page deleted once the sheet has ended.
int RunManeiToubanSheet(IDialogRegistry& registry, DialogRequest& request) {
    auto& target = dynamic_cast<ManeiToubanSheetRequest&>(request);
    if (target.document == nullptr || target.layout == nullptr) {
        return IDCANCEL;
    }
    CManeiToubanSheet sheet(target.choice, *target.document, *target.layout,
                            registry.DialogParent());
    const int answer = sheet.DoModal();
    if (answer == IDOK) {
        sheet.BuildFrames();
    }
    sheet.WorkSitePage()->ClearEntries();
    return answer;
}

int RunDutyStaff(IDialogRegistry& registry, DialogRequest& request) {
    auto& option = dynamic_cast<OptionDialogRequest&>(request);
    const CConfigBase* config = option.config != nullptr ? option.config : GetAppConfig();
    CDutyStaffDlg dialog(config->GetPath(), registry.DialogParent());
    return dialog.DoModal();
}

} // namespace

void RegisterSafetyDialogs(IDialogRegistry& registry) {
    registry.Register("DisasterFrameDlg", [&registry](DialogRequest& r) {
        return RunFrameBatch<CDisasterFrameDlg>(registry, r);
    });
    registry.Register("WeekTargetFrameDlg", [&registry](DialogRequest& r) {
        return RunFrameBatch<CWeekTargetFrameDlg>(registry, r);
    });
    registry.Register("DisasterTextDlg", [&registry](DialogRequest& r) {
        return RunTextDialog<CDisasterTextDlg>(registry, r);
    });
    registry.Register("WeekTargetTextDlg", [&registry](DialogRequest& r) {
        return RunTextDialog<CWeekTargetTextDlg>(registry, r);
    });
    registry.Register("ToubanCreateSelDlg",
                      [&registry](DialogRequest& r) { return RunToubanCreateSel(registry, r); });
    registry.Register("ManeiToubanSheet",
                      [&registry](DialogRequest& r) { return RunManeiToubanSheet(registry, r); });
    registry.Register("DutyStaff",
                      [&registry](DialogRequest& r) { return RunDutyStaff(registry, r); });
}

} // namespace tembra
