// What the chart windows ask of the application: its half-page scroll flag, its printer (the
// defaults, the print dialog sequence and the printer settings of a chart), the main window's
// central area where a preview is shown, and the commands sent to the main window. The shell
// implements it; the tests give one of their own.
#pragma once

#include "platform/Types.h"
#include "view/core/PrinterCatalog.h"

#include <functional>

class QWidget;

namespace tembra {

class CTembraDoc;
class IPrinterDialog;

class IViewApplication {
public:
    virtual ~IViewApplication() = default;

    virtual bool IsHalfScroll() const = 0;
    // The printers of the machine (the print dialog lists them).
    virtual const IPrinterCatalog& GetPrinters() const = 0;
    // The printer for a print of the chart; false when there is none.
    virtual bool GetPrinterDefaults(CTembraDoc& document, PrinterDevMode& out) = 0;
    // The application's print dialog sequence for the chart with the printer dialog given:
    // IDOK with the choice in devMode, or IDCANCEL; when the user asks for the preview instead,
    // preview is called and the answer is IDCANCEL.
    virtual int DoPrintDialog(CTembraDoc& document, IPrinterDialog& dialog, PrinterDevMode& devMode,
                              const std::function<void()>& preview) = 0;
    // The printer settings of the application (set-up only) for the chart.
    virtual void RunPrinterSetup(CTembraDoc& document) = 0;
    // The preview takes the main window's central area until it is ended.
    virtual void ShowPreview(QWidget* preview) = 0;
    virtual void EndPreview(QWidget* preview) = 0;
    // A command to the main window, which routes it to the active chart window's view first.
    virtual void SendCommand(UINT id) = 0;
    // Whether a dialog is registered for the request of that name.
    virtual bool HasDialog(const char* name) const {
        static_cast<void>(name);
        return true;
    }
};

} // namespace tembra
