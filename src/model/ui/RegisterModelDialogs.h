// The settings dialogs of this library, registered by the names of their requests.
#pragma once

namespace tembra {

class IDialogRegistry;

// "AutoSave" (AutoSaveRequest), "SearchUrlSettings" (SearchUrlRequest), "CalendarSet"
// (CalendarSetRequest), "AutoAdjust" (AutoAdjustRequest), "SpecialHolidays" (OptionDialogRequest),
// "DrawEditConditions" and "ColorSettings" (OptionDialogRequest), "DocDrawEditConditions"
// (DocOperationRequest).
void RegisterModelDialogs(IDialogRegistry& registry);

} // namespace tembra
