// The dialog of a settings command: named per command, it edits the settings in place and answers
// IDOK or IDCANCEL.
#pragma once

#include "platform/Ui.h"

namespace tembra {

class CConfigBase;

class OptionDialogRequest : public DialogRequest {
public:
    OptionDialogRequest(const char* name, CConfigBase* settings) : name(name), config(settings) {}
    const char* Name() const override { return name; }
    const char* name;
    CConfigBase* config;
};

} // namespace tembra
