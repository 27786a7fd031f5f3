// The print settings sheet that the print dialog sequence runs before the printer dialog (the
// sheet itself belongs to the print settings): it sees the printer in force and answers IDOK,
// IDCANCEL or the preview answer (ID_PRINT_PREVIEW_ANSWER).
//
// With a document it edits the document's print header and settings record; the page range goes
// to the print job with or without one. The modified mark and the views' update after the sheet
// applied its values stay with the caller (applied tells).
#pragma once

#include "platform/Ui.h"
#include "print/VrPrintValues.h"
#include "view/core/PrinterCatalog.h"

#include <functional>
#include <optional>

namespace tembra {

class CPrHeader;
class CSyokiSet;

class PrintSheetRequest : public DialogRequest {
public:
    const char* Name() const override { return "PrintSheet"; }
    PrinterDevMode* devMode = nullptr;
    // The document's print header and settings record; both null without a document.
    CPrHeader* header = nullptr;
    CSyokiSet* settings = nullptr;
    // The active view's layout start and end dates; none without an active view.
    std::optional<LayoutPeriod> layout;
    // The page range of the job.
    UINT fromPage = 1;
    UINT toPage = 1;
    // The printer set-up form on the printer in force; true when the user confirmed it.
    std::function<bool(PrinterDevMode&)> printerSetup;
    // The application's print header command.
    std::function<void()> printHeader;
    // Set by the sheet once it wrote its values into the document.
    bool applied = false;
};

} // namespace tembra
