// The dialogs of the platform layer that both programs share: the colour dialog.
#pragma once

namespace tembra {

class IDialogRegistry;

// Registers "Color" (ColorRequest), answered by the colour dialog over the registry's parent.
void RegisterPlatformDialogs(IDialogRegistry& registry);

} // namespace tembra
