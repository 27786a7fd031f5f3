#include "view/core/PrinterSelection.h"

#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"
#include "view/core/PrintSheetRequest.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace tembra {

void CPrinterSelection::UpdatePrinterSelection(bool force, PrintOrientation* document) {
    if (!force && m_devMode) {
        SyncPrinterOrientation(document, &*m_devMode);
        return;
    }
    const std::optional<std::string> name = m_catalog.DefaultPrinter();
    std::optional<PrinterDevMode> devMode;
    if (name) {
        devMode = m_catalog.DefaultDevMode(*name);
    }
    if (!devMode) {
        m_devMode.reset();
        return;
    }
    m_devMode = devMode;
    SyncPrinterOrientation(document, &*m_devMode);
}

BOOL CPrinterSelection::GetPrinterDeviceDefaults(PrinterDevMode& out, PrintOrientation* document) {
    UpdatePrinterSelection(false, document);
    if (!m_devMode) {
        UpdatePrinterSelection(true, document);
    }
    if (!m_devMode) {
        return FALSE;
    }
    if (!m_restored) {
        m_restored = true;
        if (!RestorePrinterSetting(document)) {
            return FALSE;
        }
    }
    SyncPrinterPaper(document, *m_devMode);
    out = *m_devMode;
    return TRUE;
}

ChartPaper PaperOfChart(int kind) {
    static constexpr ChartPaper papers[] = {{kPaperCodeA4, "A4"}, {kPaperCodeJisB4, "JIS B4"},
                                            {kPaperCodeA3, "A3"}, {kPaperCodeA3, "A3"},
                                            {kPaperCodeA2, "A2"}, {kPaperCodeA1, "A1"}};
    if (kind < 0 || kind >= static_cast<int>(std::size(papers))) {
        return papers[0];
    }
    return papers[kind];
}

void CPrinterSelection::SyncPrinterPaper(const PrintOrientation* document,
                                         PrinterDevMode& devMode) const {
    if (document == nullptr) {
        return;
    }
    if (document->rememberedPaper != 0) {
        const std::vector<int> papers = m_catalog.PaperSizes(devMode.deviceName);
        if (std::find(papers.begin(), papers.end(), document->rememberedPaper) != papers.end()) {
            if (devMode.paperSize != document->rememberedPaper) {
                devMode.formName.clear();
            }
            devMode.paperSize = document->rememberedPaper;
            return;
        }
    }
    if (document->paperSize == 0) {
        return;
    }
    const std::vector<int> papers = m_catalog.PaperSizes(devMode.deviceName);
    if (std::find(papers.begin(), papers.end(), document->paperSize) != papers.end()) {
        devMode.paperSize = document->paperSize;
        devMode.formName = document->formName;
    }
}

void CPrinterSelection::SyncPrinterOrientation(PrintOrientation* document,
                                               PrinterDevMode* devMode) {
    if (document == nullptr || devMode == nullptr) {
        return;
    }
    if (document->remembered == 0) {
        document->remembered =
            document->direction == 1 ? PrinterDevMode::kPortrait : PrinterDevMode::kLandscape;
    }
    devMode->orientation = document->remembered;
}

int CPrinterSelection::DoPrintDialog(bool setup, PrintOrientation* document,
                                     IPrinterDialog& printerDialog,
                                     const std::function<void()>& preview,
                                     PrintSheetRequest* sheet) {
    UpdatePrinterSelection(false, document);
    if (!m_devMode) {
        AfxMessageBox(IDS_NO_PRINTER, MB_OK | MB_ICONEXCLAMATION);
        return IDCANCEL;
    }
    if (!m_restored) {
        m_restored = true;
        if (!RestorePrinterSetting(document)) {
            return IDCANCEL;
        }
    }
    // The dialogs start from the chart's paper.
    SyncPrinterPaper(document, *m_devMode);
    PrintSheetRequest plain;
    PrintSheetRequest& request = sheet != nullptr ? *sheet : plain;
    request.devMode = &*m_devMode;
    int result = Ui().RunDialog(request);
    if (result == ID_PRINT_PREVIEW_ANSWER) {
        if (preview) {
            preview();
        }
        return IDCANCEL;
    }
    if (result == IDOK && !setup) {
        PrinterDevMode copy = *m_devMode;
        result = printerDialog.DoModal(copy);
        *m_devMode = copy;
        if (result == ID_PRINT_PREVIEW_ANSWER) {
            if (preview) {
                preview();
            }
            return IDCANCEL;
        }
        if (result == IDOK) {
            SavePrinterSetting(*m_devMode);
            // A paper chosen for the chart stays its paper.
            if (document != nullptr) {
                document->rememberedPaper =
                    m_devMode->paperSize != document->paperSize ? m_devMode->paperSize : 0;
            }
        }
    }
    return result == IDOK ? IDOK : IDCANCEL;
}

void CPrinterSelection::SavePrinterSetting(const PrinterDevMode& devMode) {
    WriteProfileInt(kSection, "PaperSize", devMode.paperSize);
    WriteProfileString(kSection, "DeviceName", Sjis::FromUtf8(devMode.deviceName).c_str());
    WriteProfileString(kSection, "FormName", Sjis::FromUtf8(devMode.formName).c_str());
}

BOOL CPrinterSelection::RestorePrinterSetting(PrintOrientation* document) {
    const std::string saved = Sjis::ToUtf8(GetProfileString(kSection, "DeviceName"));
    if (saved.empty()) {
        return TRUE;
    }
    const std::vector<std::string> names = m_catalog.PrinterNames();
    if (std::find(names.begin(), names.end(), saved) == names.end()) {
        AfxMessageBox(IDS_PRINTER_GONE, MB_OK | MB_ICONEXCLAMATION);
        return FallBackToDefault(document);
    }
    std::optional<PrinterDevMode> devMode = m_catalog.DefaultDevMode(saved);
    if (!devMode) {
        return FallBackToDefault(document);
    }
    const int paper = static_cast<int>(GetProfileInt(kSection, "PaperSize", devMode->paperSize));
    const std::vector<int> papers = m_catalog.PaperSizes(saved);
    if (std::find(papers.begin(), papers.end(), paper) != papers.end()) {
        devMode->paperSize = paper;
    }
    SyncPrinterOrientation(document, &*devMode);
    const std::string form = Sjis::ToUtf8(GetProfileString(kSection, "FormName"));
    if (!form.empty()) {
        devMode->formName = form;
    }
    devMode->deviceName = saved;
    m_devMode = devMode;
    return TRUE;
}

BOOL CPrinterSelection::FallBackToDefault(PrintOrientation* document) {
    UpdatePrinterSelection(true, document);
    if (!m_devMode) {
        AfxMessageBox(IDS_NO_PRINTER, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    SavePrinterSetting(*m_devMode);
    return TRUE;
}

} // namespace tembra
