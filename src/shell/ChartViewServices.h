// The application's services for the chart windows: the half-page scroll flag, the printer
// selection and its dialog sequence (with the chart view's print dialog), the main window's
// central area for the preview and the command routing of the main window.
#pragma once

#include "shell/core/PrinterSelection.h"
#include "view/ViewApplication.h"

#include <map>

namespace tembra {

class CTembraApp;

class CChartViewServices : public IViewApplication {
public:
    explicit CChartViewServices(CTembraApp& app) : m_app(app) {}

    bool IsHalfScroll() const override;
    const IPrinterCatalog& GetPrinters() const override;
    bool GetPrinterDefaults(CTembraDoc& document, PrinterDevMode& out) override;
    int DoPrintDialog(CTembraDoc& document, IPrinterDialog& dialog, PrinterDevMode& devMode,
                      const std::function<void()>& preview) override;
    void RunPrinterSetup(CTembraDoc& document) override;
    void ShowPreview(QWidget* preview) override;
    void EndPreview(QWidget* preview) override;
    void SendCommand(UINT id) override;

private:
    // The orientation a chart gave the printer last, kept per chart.
    PrintOrientation& OrientationOf(const CTembraDoc& document);

    CTembraApp& m_app;
    std::map<const CTembraDoc*, PrintOrientation> m_orientations;
};

} // namespace tembra
