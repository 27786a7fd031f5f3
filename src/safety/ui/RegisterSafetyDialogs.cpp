#include "safety/ui/RegisterSafetyDialogs.h"

#include "document/SafetyBoardRequests.h"
#include "platform/qt/DialogRegistry.h"
#include "safety/ui/DisasterFrameDlg.h"
#include "safety/ui/DisasterTextDlg.h"
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
}

} // namespace tembra
