#include "shell/VrPrintSheet.h"

#include "model/ConfigBase.h"
#include "model/SyokiSet.h"
#include "platform/StringTable.h"
#include "platform/qt/DialogRegistry.h"
#include "print/PrHeader.h"
#include "shell/VrPrint1.h"
#include "shell/VrPrint2.h"
#include "shell/VrPrint3.h"
#include "view/core/PrintSheetRequest.h"

#include <QLabel>
#include <QTabWidget>

namespace tembra {

CVrPrintSheet::CVrPrintSheet(PrintSheetRequest& request, QWidget* parent)
    : CPropertySheet(QString::fromStdString(LoadStringUtf8(IDS_CAPTION)), parent),
      m_request(request),
      m_values(CopyInPrintValues(request.header, request.settings, GetAppConfig()->GetPrint(),
                                 request.layout, CTime::GetCurrentTime())) {
    m_page1 = new CVrPrint1(m_values, this);
    m_page2 = new CVrPrint2(m_values, this);
    m_page3 = new CVrPrint3(m_values, this);
    const QString paper =
        request.settings != nullptr
            ? QString::fromStdString(PaperText(request.settings->GetPageSetting().GetPaper()))
            : QString();
    for (CVrPrintPage* page : Pages()) {
        page->SetChartTexts(paper, QString::fromStdString(ScaleText(m_values.zoomPrinting)));
        connect(page, &CVrPrintPage::previewClicked, this, [this, page] { OnPreview(page); });
        connect(page, &CVrPrintPage::storeClicked, this, [this, page] { OnStore(page); });
        connect(page, &CVrPrintPage::printHeaderClicked, this,
                [this, page] { OnPrintHeader(page); });
        connect(page, &CVrPrintPage::printerSetupClicked, this, [this] { OnPrinterSetup(); });
    }
    ShowPrinter();
    connect(m_page3, &CVrPrint3::zoomPrintingToggled, this, &CVrPrintSheet::ShowScale);
    AddPage(m_page1, QString::fromUtf8("日付設定"), [this] { return m_page1->TakeFields(); });
    AddPage(m_page2, QString::fromUtf8("印刷表現設定"), [this] { return m_page2->TakeFields(); });
    AddPage(m_page3, QString::fromUtf8("特殊設定"), [this] { return m_page3->TakeFields(); });
    connect(Tabs(), &QTabWidget::currentChanged, this, &CVrPrintSheet::OnPageChanged);
}

CVrPrintSheet::~CVrPrintSheet() = default;

std::vector<CVrPrintPage*> CVrPrintSheet::Pages() const {
    return {m_page1, m_page2, m_page3};
}

int CVrPrintSheet::DoModal() {
    const int result = exec();
    if (result == kPreviewResult) {
        return kPreviewResult;
    }
    return result == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CVrPrintSheet::OnPageChanged(int index) {
    if (m_switching || index == m_current) {
        return;
    }
    const std::vector<CVrPrintPage*> pages = Pages();
    if (m_current >= 0 && m_current < static_cast<int>(pages.size()) &&
        !pages[static_cast<std::size_t>(m_current)]->TakeFields()) {
        m_switching = true;
        Tabs()->setCurrentIndex(m_current);
        m_switching = false;
        return;
    }
    m_current = index;
}

void CVrPrintSheet::accept() {
    // 決定 checks every page itself and brings the refusing one to the front.
    m_switching = true;
    CPropertySheet::accept();
    m_switching = false;
    m_current = Tabs()->currentIndex();
}

void CVrPrintSheet::done(int result) {
    if (result == QDialog::Accepted) {
        Apply();
    }
    CPropertySheet::done(result);
}

void CVrPrintSheet::Apply() {
    if (m_request.header != nullptr && m_request.settings != nullptr) {
        ApplyPrintValues(m_values, *m_request.header, *m_request.settings);
        m_request.applied = true;
    }
    m_request.fromPage = m_values.fromPage;
    m_request.toPage = m_values.toPage;
}

void CVrPrintSheet::OnPreview(CVrPrintPage* page) {
    if (!page->TakeFields()) {
        return;
    }
    Apply();
    done(kPreviewResult);
}

void CVrPrintSheet::OnStore(CVrPrintPage* page) {
    if (!page->TakeFields()) {
        return;
    }
    Apply();
    StorePrintDefaults(m_values, GetAppConfig()->GetPrint());
}

void CVrPrintSheet::OnPrintHeader(CVrPrintPage* page) {
    if (!page->TakeFields()) {
        return;
    }
    if (m_request.printHeader) {
        m_request.printHeader();
    }
}

void CVrPrintSheet::OnPrinterSetup() {
    if (m_request.printerSetup && m_request.devMode != nullptr &&
        m_request.printerSetup(*m_request.devMode)) {
        ShowPrinter();
    }
    for (CVrPrintPage* page : Pages()) {
        page->ReloadFields();
    }
}

void CVrPrintSheet::ShowScale(bool zoomPrinting) {
    // The tick is the sheet's value at once, so a page that reloads its fields keeps it.
    m_values.zoomPrinting = zoomPrinting ? 1 : 0;
    const QString scale = QString::fromStdString(ScaleText(zoomPrinting ? 1 : 0));
    for (CVrPrintPage* page : Pages()) {
        page->SetChartTexts(page->PaperLabel()->text(), scale);
    }
}

void CVrPrintSheet::ShowPrinter() {
    const PrinterDevMode* printer = m_request.devMode;
    for (CVrPrintPage* page : Pages()) {
        page->SetPrinterTexts(
            printer != nullptr ? QString::fromStdString(printer->formName) : QString(),
            printer != nullptr ? QString::fromStdString(printer->deviceName) : QString());
    }
}

void CVrPrintSheet::Register(IDialogRegistry& registry) {
    registry.Register("PrintSheet", [&registry](DialogRequest& r) {
        CVrPrintSheet sheet(static_cast<PrintSheetRequest&>(r), registry.DialogParent());
        return sheet.DoModal();
    });
}

} // namespace tembra
