// The main frame's menu bar as data: popups, commands (id and text, a shortcut after a tab) and
// separators, in order. A command appears once; every command of the bars has an entry.
#pragma once

#include "platform/Types.h"

#include <span>

namespace tembra {

struct MenuEntry {
    int depth;        // 0 the menu bar's popups, 1 their entries, 2 ...
    UINT id;          // 0 for a popup or a separator
    const char* text; // UTF-8; nullptr for a separator
};

std::span<const MenuEntry> MainMenu();

// The commands of the window menu's list of chart windows and of the recent-file list.
constexpr UINT ID_FILE_MRU_FILE1 = 57616;
constexpr int kRecentFileCount = 4;
constexpr UINT ID_WINDOW_CHILD_FIRST = 0xFF00;

} // namespace tembra
