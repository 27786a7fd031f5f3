#include "shell/QtPrinterCatalog.h"

#include "view/PrinterPaper.h"

#include <QPageSize>
#include <QPrinterInfo>

namespace tembra {

namespace {

PrinterDevMode DevModeOf(const std::string& printer, const QPageSize& page) {
    return {printer, PaperCodeOf(page.id()), page.name().toStdString(), PrinterDevMode::kPortrait};
}

} // namespace

const char* CQtPrinterCatalog::PdfPrinterName() {
    return kPdfPrinterName;
}

std::vector<std::string> CQtPrinterCatalog::PrinterNames() const {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) {
        names.push_back(name.toStdString());
    }
    names.push_back(PdfPrinterName());
    return names;
}

std::optional<std::string> CQtPrinterCatalog::DefaultPrinter() const {
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? std::string(PdfPrinterName()) : name.toStdString();
}

std::optional<PrinterDevMode> CQtPrinterCatalog::DefaultDevMode(const std::string& printer) const {
    if (printer == PdfPrinterName()) {
        return DevModeOf(printer, QPageSize(QPageSize::A4));
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(printer));
    if (info.isNull()) {
        return std::nullopt;
    }
    return DevModeOf(printer, info.defaultPageSize());
}

std::vector<int> CQtPrinterCatalog::PaperSizes(const std::string& printer) const {
    std::vector<int> papers;
    if (printer == PdfPrinterName()) {
        // Every paper that has a code, A1 among them.
        return AllPaperCodes();
    }
    for (const QPageSize& page :
         QPrinterInfo::printerInfo(QString::fromStdString(printer)).supportedPageSizes()) {
        papers.push_back(PaperCodeOf(page.id()));
    }
    return papers;
}

} // namespace tembra
