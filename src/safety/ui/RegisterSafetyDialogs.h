// The dialogs of the safety-and-health plan: the disaster and weekly-target frame batches and the
// text dialogs of their frame pairs, the duty roster's choice and sheet, and the duty staff
// groups ("DutyStaff", an OptionDialogRequest of the settings command), registered under their
// requests' names.
#pragma once

namespace tembra {

class IDialogRegistry;

void RegisterSafetyDialogs(IDialogRegistry& registry);

} // namespace tembra
