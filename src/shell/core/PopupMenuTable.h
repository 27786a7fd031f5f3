// The context menus of the chart view as data, beside the menu bar's: for each menu id the
// entries of the sub-menu that is shown, in order (depth 0 its entries, 1 those of a popup in
// it). An entry with a command and no text takes the text the menu bar gives the command.
#pragma once

#include "shell/core/MenuTable.h"

#include <span>

namespace tembra {

// The entries of a context menu; empty for an id that names none.
std::span<const MenuEntry> PopupMenuEntries(UINT menuId);
// The text the menu bar gives a command, or null when the menu bar has none.
const char* MainMenuText(UINT id);

} // namespace tembra
