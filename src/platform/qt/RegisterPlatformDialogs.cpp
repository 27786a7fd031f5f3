#include "platform/qt/RegisterPlatformDialogs.h"

#include "platform/ColorRequest.h"
#include "platform/qt/ColorDialog.h"
#include "platform/qt/DialogRegistry.h"

namespace tembra {

void RegisterPlatformDialogs(IDialogRegistry& registry) {
    registry.Register(ColorRequest().Name(), [&registry](DialogRequest& r) {
        return RunColorDialog(r, registry.DialogParent());
    });
}

} // namespace tembra
