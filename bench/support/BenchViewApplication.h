// The application as a benchmark's chart window asks it: no printer, no preview, no dialog. A
// benchmark that prints derives from it and offers its printer.
#pragma once

#include "platform/Ui.h"
#include "view/ViewApplication.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tembra::bench {

class BenchViewApplication : public IViewApplication {
public:
    class NoPrinters : public IPrinterCatalog {
    public:
        std::vector<std::string> PrinterNames() const override { return {}; }
        std::optional<std::string> DefaultPrinter() const override { return std::nullopt; }
        std::optional<PrinterDevMode> DefaultDevMode(const std::string&) const override {
            return std::nullopt;
        }
        std::vector<int> PaperSizes(const std::string&) const override { return {}; }
    };

    bool IsHalfScroll() const override { return false; }
    const IPrinterCatalog& GetPrinters() const override { return m_printers; }
    bool GetPrinterDefaults(CTembraDoc&, PrinterDevMode&) override { return false; }
    int DoPrintDialog(CTembraDoc&, IPrinterDialog&, PrinterDevMode&,
                      const std::function<void()>&) override {
        return IDCANCEL;
    }
    void RunPrinterSetup(CTembraDoc&) override {}
    void ShowPreview(QWidget*) override {}
    void EndPreview(QWidget*) override {}
    void SendCommand(UINT) override {}

private:
    NoPrinters m_printers;
};

} // namespace tembra::bench
