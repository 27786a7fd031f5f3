// The printers of the machine from Qt's printer information, and a printer of our own that writes
// PDF files, always listed (and the default when the machine has none).
#pragma once

#include "view/core/PrinterCatalog.h"

namespace tembra {

class CQtPrinterCatalog : public IPrinterCatalog {
public:
    // The name of the PDF-file printer.
    static const char* PdfPrinterName();

    std::vector<std::string> PrinterNames() const override;
    std::optional<std::string> DefaultPrinter() const override;
    std::optional<PrinterDevMode> DefaultDevMode(const std::string& printer) const override;
    std::vector<int> PaperSizes(const std::string& printer) const override;
};

} // namespace tembra
