// A context menu, asked for by the chart view and by the document's tool-bar drop-downs through
// Ui().RunDialog: the menu resource (its first sub-menu is shown), entries appended to it (a
// separator, or a command with its title), and optionally the command whose tool-bar button
// the menu drops from (the menu then opens under that button instead of at the pointer). The
// answer is IDOK with the chosen command, or IDCANCEL with none chosen; the caller posts the
// chosen command itself (Ui().PostCommand), so that it runs after the click that opened the
// menu has been handled.
#pragma once

#include "platform/Ui.h"

#include <string>
#include <vector>

namespace tembra {

class PopupMenuRequest : public DialogRequest {
public:
    struct Entry {
        UINT command = 0;  // 0: a separator
        std::string title; // CP932
        bool operator==(const Entry&) const = default;
    };

    const char* Name() const override { return "PopupMenu"; }

    UINT menuId = 0;
    std::vector<Entry> added;
    UINT anchorCommand = 0;
    // Out: the command chosen, 0 for none.
    UINT chosen = 0;
};

} // namespace tembra
