// The printers of the machine as the printer selection sees them: their names, the system's
// default, the settings a printer starts from and the paper sizes it lists. Paper sizes are the
// Windows paper codes the profile keeps ("PaperSize"); form names are the paper names.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tembra {

// The printer of the program's own that writes PDF files (always listed).
constexpr const char* kPdfPrinterName = "PDF";

// The print settings of one printer (the framework's device mode and printer names).
struct PrinterDevMode {
    enum : int { kPortrait = 1, kLandscape = 2 };
    std::string deviceName; // UTF-8
    int paperSize = 0;
    std::string formName; // UTF-8
    int orientation = kPortrait;
    bool operator==(const PrinterDevMode&) const = default;
};

class IPrinterCatalog {
public:
    virtual ~IPrinterCatalog() = default;
    virtual std::vector<std::string> PrinterNames() const = 0;
    // The system's default printer; nothing when no printer is installed.
    virtual std::optional<std::string> DefaultPrinter() const = 0;
    // The settings the printer's driver starts from; nothing when the printer is gone or its
    // settings cannot be had.
    virtual std::optional<PrinterDevMode> DefaultDevMode(const std::string& printer) const = 0;
    // The paper codes the printer lists.
    virtual std::vector<int> PaperSizes(const std::string& printer) const = 0;
};

} // namespace tembra
