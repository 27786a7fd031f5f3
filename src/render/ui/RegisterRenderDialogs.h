// The dialogs of the chart's look, registered under their requests' names.
#pragma once

namespace tembra {

class IDialogRegistry;

void RegisterRenderDialogs(IDialogRegistry& registry);

} // namespace tembra
