// The settings dialogs of this library, registered by the names of their requests.
#pragma once

namespace tembra {

class IDialogRegistry;

// "AutoSave" (AutoSaveRequest) and "SearchUrlSettings" (SearchUrlRequest).
void RegisterModelDialogs(IDialogRegistry& registry);

} // namespace tembra
