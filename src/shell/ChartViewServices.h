// The application's services for the chart windows: the half-page scroll flag, the printer
// selection and its dialog sequence (with the chart view's print dialog), the main window's
// central area for the preview and the command routing of the main window.
#pragma once

#include "document/CommandIds.h"
#include "view/ViewApplication.h"
#include "view/core/PrinterSelection.h"

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
    bool HasDialog(const char* name) const override;

    // A window of the chart opens or closes. The orientation the chart gave the printer last is
    // kept while the chart has a window and forgotten with its last one, so that a chart opened
    // later (perhaps where the closed one stood in memory) starts from its own page.
    void AttachChart(const CTembraDoc& document);
    void DetachChart(const CTembraDoc& document);

private:
    struct ChartPrint {
        int windows = 0;
        PrintOrientation orientation;
    };
    // The print header command the print settings sheet runs.
    static constexpr UINT kPrintHeaderCommand = ID_SET_PRINT_HEADER;
    // The printer set-up form of the print settings sheet on the printer in force: the chart
    // takes the orientation shown; true, the choice saved, when the user confirmed it.
    bool RunSheetPrinterSetup(CTembraDoc& document, PrinterDevMode& printer);
    // The chart's orientation, its direction taken from its page.
    PrintOrientation& OrientationOf(const CTembraDoc& document);

    CTembraApp& m_app;
    std::map<const CTembraDoc*, ChartPrint> m_charts;
};

} // namespace tembra
