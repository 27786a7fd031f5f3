#include "safety/ui/RegisterSafetyDialogs.h"

#include "platform/qt/DialogRegistry.h"

namespace tembra {

void RegisterSafetyDialogs(IDialogRegistry& registry) {
    (void)registry;
}

} // namespace tembra
