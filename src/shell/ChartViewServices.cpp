#include "shell/ChartViewServices.h"

#include "document/TembraDoc.h"
#include "shell/MainFrame.h"
#include "shell/TembraApp.h"
#include "view/TembraPrintDialog.h"

#include <cstdlib>

namespace tembra {

bool CChartViewServices::IsHalfScroll() const {
    return m_app.IsHalfScroll() != FALSE;
}

bool CChartViewServices::HasDialog(const char* name) const {
    return m_app.HasDialogHandler(name);
}

const IPrinterCatalog& CChartViewServices::GetPrinters() const {
    return m_app.PrinterCatalog();
}

void CChartViewServices::AttachChart(const CTembraDoc& document) {
    ++m_charts[&document].windows;
}

void CChartViewServices::DetachChart(const CTembraDoc& document) {
    const auto it = m_charts.find(&document);
    if (it != m_charts.end() && --it->second.windows <= 0) {
        m_charts.erase(it);
    }
}

PrintOrientation& CChartViewServices::OrientationOf(const CTembraDoc& document) {
    PrintOrientation& orientation = m_charts[&document].orientation;
    // The chart's page: portrait when it is higher than wide.
    const CRect page = document.GetSyokiSet().GetPageSetting().GetPageRect();
    orientation.direction = std::abs(page.Height()) > std::abs(page.Width()) ? 1 : 0;
    const ChartPaper paper = PaperOfChart(document.GetSyokiSet().GetPageSetting().GetPaper());
    orientation.paperSize = paper.paperSize;
    orientation.formName = paper.formName;
    return orientation;
}

bool CChartViewServices::GetPrinterDefaults(CTembraDoc& document, PrinterDevMode& out) {
    return m_app.Printers().GetPrinterDeviceDefaults(out, &OrientationOf(document)) != FALSE;
}

int CChartViewServices::DoPrintDialog(CTembraDoc& document, IPrinterDialog& dialog,
                                      PrinterDevMode& devMode,
                                      const std::function<void()>& preview) {
    CPrinterSelection& printers = m_app.Printers();
    const int result = printers.DoPrintDialog(false, &OrientationOf(document), dialog, preview);
    if (result == IDOK && printers.GetDevMode()) {
        devMode = *printers.GetDevMode();
    }
    return result;
}

void CChartViewServices::RunPrinterSetup(CTembraDoc& document) {
    // The printer dialog in its set-up form: the printer, its paper and its orientation, kept
    // for the chart's next prints.
    CTembraPrintDialog dialog(GetPrinters(), m_app.MainFrame(), CTembraPrintDialog::kSetup);
    PrintOrientation& orientation = OrientationOf(document);
    CPrinterSelection& printers = m_app.Printers();
    if (printers.DoPrintDialog(false, &orientation, dialog, {}) == IDOK && printers.GetDevMode()) {
        orientation.remembered = printers.GetDevMode()->orientation;
    }
}

void CChartViewServices::ShowPreview(QWidget* preview) {
    if (CMainFrame* frame = m_app.MainFrame()) {
        frame->ShowPreview(preview);
    }
}

void CChartViewServices::EndPreview(QWidget* preview) {
    if (CMainFrame* frame = m_app.MainFrame()) {
        frame->EndPreview(preview);
    }
}

void CChartViewServices::SendCommand(UINT id) {
    m_app.Router().Execute(id);
}

} // namespace tembra
