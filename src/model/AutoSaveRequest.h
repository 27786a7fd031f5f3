// The auto-save settings dialog: the signed interval in minutes, in and out.
#pragma once

#include "platform/Types.h"
#include "platform/Ui.h"

namespace tembra {

class AutoSaveRequest : public DialogRequest {
public:
    const char* Name() const override { return "AutoSave"; }
    LONG interval = 10;
};

} // namespace tembra
