// The option commands of the application: each opens its dialog on the application's settings and,
// after OK, writes the settings groups of its mask to the profile; Cancel writes nothing. The
// dialogs are dialog requests, named per command, that carry the settings object.
#pragma once

#include "model/AutoSaveRequest.h"
#include "model/OptionDialogRequest.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <optional>
#include <span>

namespace tembra {

class CConfigBase;

// What the shell does after an option dialog's OK, besides writing.
enum OptionAfter : unsigned {
    kAfterNothing = 0,
    kAfterReread = 1,       // the settings are read again from the profile
    kAfterRepaint = 2,      // the main window and its children repaint, the overview refreshes
    kAfterRecreateBars = 4, // the bars are laid out again from their button sets
};

struct OptionCommand {
    UINT id;
    const char* dialog; // the name of the dialog request
    UINT mask;
};

std::span<const OptionCommand> OptionCommands();
const OptionCommand* FindOptionCommand(UINT id);

// Runs an option command on the settings: the dialog, then on OK the write of its mask. Returns
// the after-OK steps for the shell (the system settings ask for new bars only when their
// tool-bar setting changed), or nothing after Cancel.
std::optional<unsigned> RunOptionCommand(const OptionCommand& command, CConfigBase& config);

// The auto-save command (ID_AUTO_SAVE): on OK the interval is stored and "AutoSave" written;
// switching from off (negative) to on restarts the interval at now (lastAutoSave). FALSE after
// Cancel.
BOOL RunAutoSaveCommand(CConfigBase& config, CTime& lastAutoSave);

} // namespace tembra
