// The dialogs of this library, registered under their requests' names.
#pragma once

namespace tembra {

class IDialogRegistry;

// "CalDateToDayDlg" (CalDateToDayDlgRequest), "DayToCalDateDlg" (DayToCalDateDlgRequest),
// "FontSelDlg" (FontSelDlgRequest), "HensokuDlg" (HensokuDlgRequest), "HolidayInit"
// (HolidayInitRequest).
void RegisterAttributeDialogs(IDialogRegistry& registry);

} // namespace tembra
