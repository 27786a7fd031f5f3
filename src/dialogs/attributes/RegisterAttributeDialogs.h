// The dialogs of this library, registered under their requests' names.
#pragma once

namespace tembra {

class IDialogRegistry;

// "CalDateToDayDlg" (CalDateToDayDlgRequest), "DayToCalDateDlg" (DayToCalDateDlgRequest).
void RegisterAttributeDialogs(IDialogRegistry& registry);

} // namespace tembra
