#include "shell/ChartViewServices.h"

#include "document/TembraDoc.h"
#include "shell/MainFrame.h"
#include "shell/TembraApp.h"
#include "view/TembraPrintDialog.h"
#include "view/core/PrintSheetRequest.h"
#include "view/core/TembraView.h"

#include <QApplication>
#include <QSpinBox>

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

namespace {

// The printer dialog of the print, opened on the pages the print settings sheet chose.
class PagesFromSheet : public IPrinterDialog {
public:
    PagesFromSheet(IPrinterDialog& dialog, const PrintSheetRequest& sheet)
        : m_dialog(dialog), m_sheet(sheet) {}
    int DoModal(PrinterDevMode& settings) override {
        if (auto* print = dynamic_cast<CTembraPrintDialog*>(&m_dialog)) {
            print->SetPageRange(static_cast<UINT>(print->FromSpin()->minimum()),
                                static_cast<UINT>(print->FromSpin()->maximum()), m_sheet.fromPage,
                                m_sheet.toPage);
        }
        return m_dialog.DoModal(settings);
    }

private:
    IPrinterDialog& m_dialog;
    const PrintSheetRequest& m_sheet;
};

} // namespace

int CChartViewServices::DoPrintDialog(CTembraDoc& document, IPrinterDialog& dialog,
                                      PrinterDevMode& devMode,
                                      const std::function<void()>& preview) {
    CPrinterSelection& printers = m_app.Printers();
    PrintSheetRequest sheet;
    sheet.header = &document.GetPrHeader();
    sheet.settings = &document.GetSyokiSet();
    if (const auto* view = dynamic_cast<const CTembraView*>(document.GetActiveView())) {
        const CPageLayout& layout = view->GetPageLayout();
        sheet.layout = LayoutPeriod{layout.GetStartDate(), layout.GetEndDate()};
    }
    sheet.printerSetup = [this, &document](PrinterDevMode& printer) {
        return RunSheetPrinterSetup(document, printer);
    };
    sheet.printHeader = [this] { m_app.Router().Execute(kPrintHeaderCommand); };
    PagesFromSheet pages(dialog, sheet);
    const int result =
        printers.DoPrintDialog(false, &OrientationOf(document), pages, preview, &sheet);
    if (sheet.applied) {
        document.SetModifiedFlag();
        document.UpdateAllViews(nullptr);
    }
    if (result == IDOK && printers.GetDevMode()) {
        devMode = *printers.GetDevMode();
    }
    return result;
}

bool CChartViewServices::RunSheetPrinterSetup(CTembraDoc& document, PrinterDevMode& printer) {
    CTembraPrintDialog dialog(GetPrinters(), QApplication::activeModalWidget(),
                              CTembraPrintDialog::kSetup);
    PrinterDevMode choice = printer;
    const int result = dialog.DoModal(choice);
    // The chart prints in the orientation the printer was set to.
    OrientationOf(document).remembered = choice.orientation;
    if (result != IDOK) {
        return false;
    }
    printer = choice;
    CPrinterSelection::SavePrinterSetting(printer);
    return true;
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
