// The settings dialogs of a chart and of the program, registered under their requests' names.
#pragma once

namespace tembra {

class IDialogRegistry;

void RegisterSettingsDialogs(IDialogRegistry& registry);

} // namespace tembra
