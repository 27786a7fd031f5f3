#include "dialogs/settings/RegisterSettingsDialogs.h"

#include "platform/qt/DialogRegistry.h"

namespace tembra {

void RegisterSettingsDialogs(IDialogRegistry& registry) {
    // Each dialog of this library adds its handler here, under its request's name.
    (void)registry;
}

} // namespace tembra
