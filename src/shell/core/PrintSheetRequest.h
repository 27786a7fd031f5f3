// The print settings sheet that the print dialog sequence runs before the printer dialog (the
// sheet itself belongs to the print settings): it sees the printer in force and answers IDOK,
// IDCANCEL or the preview answer (ID_PRINT_PREVIEW_ANSWER).
#pragma once

#include "platform/Ui.h"
#include "shell/core/PrinterCatalog.h"

namespace tembra {

class PrintSheetRequest : public DialogRequest {
public:
    const char* Name() const override { return "PrintSheet"; }
    PrinterDevMode* devMode = nullptr;
};

} // namespace tembra
