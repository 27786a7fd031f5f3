// The dialogs of this library, registered under their requests' names.
#pragma once

namespace tembra {

class IDialogRegistry;

// "CalDateToDayDlg" (CalDateToDayDlgRequest), "DayToCalDateDlg" (DayToCalDateDlgRequest),
// "FontSelDlg" (FontSelDlgRequest).
void RegisterAttributeDialogs(IDialogRegistry& registry);

} // namespace tembra
