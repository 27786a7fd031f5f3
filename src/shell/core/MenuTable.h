// The main frame's menu bar as data: popups, commands (id and text, a shortcut after a tab) and
// separators, in order. A command appears once; every command of the bars has an entry.
#pragma once

#include "document/CommandIds.h"
#include "platform/Types.h"

#include <span>

namespace tembra {

struct MenuEntry {
    int depth;                  // 0 the menu bar's popups, 1 their entries, 2 ...
    UINT id;                    // 0 for a popup or a separator
    const char* text;           // UTF-8; nullptr for a separator
    const char* name = nullptr; // a popup the frame looks up: its object name
};

// The object name of the window menu, which lists the chart windows after its commands.
inline constexpr const char* kWindowMenuName = "windowMenu";

std::span<const MenuEntry> MainMenu();

} // namespace tembra
