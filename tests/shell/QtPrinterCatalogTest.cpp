// The printers Qt knows, and the PDF-file printer that is always there.
#include "shell/QtPrinterCatalog.h"

#include "view/core/PrinterSelection.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tembra {
namespace {

TEST(QtPrinterCatalogTest, ThePdfPrinterIsAlwaysListed) {
    CQtPrinterCatalog catalog;
    const std::vector<std::string> names = catalog.PrinterNames();
    const std::string pdf = CQtPrinterCatalog::PdfPrinterName();
    EXPECT_NE(std::find(names.begin(), names.end(), pdf), names.end());
    ASSERT_TRUE(catalog.DefaultPrinter());
    EXPECT_NE(std::find(names.begin(), names.end(), *catalog.DefaultPrinter()), names.end());

    // Its paper by the Windows code and the paper's name; it takes A4 (9) and A3 (8).
    const std::optional<PrinterDevMode> devMode = catalog.DefaultDevMode(pdf);
    ASSERT_TRUE(devMode);
    EXPECT_EQ(devMode->paperSize, 9);
    EXPECT_EQ(devMode->formName, "A4");
    const std::vector<int> papers = catalog.PaperSizes(pdf);
    EXPECT_NE(std::find(papers.begin(), papers.end(), 8), papers.end());
    // Every paper of the charts, A1 by the program's own code; not Qt's custom size (a
    // user-defined size, 256).
    for (const int code : {kPaperCodeA4, kPaperCodeJisB4, kPaperCodeA3, kPaperCodeA2, kPaperCodeA1,
                           kPaperCodeJisB3}) {
        EXPECT_NE(std::find(papers.begin(), papers.end(), code), papers.end()) << code;
    }
    EXPECT_EQ(std::find(papers.begin(), papers.end(), 256), papers.end());
    EXPECT_FALSE(catalog.DefaultDevMode("no such printer"));
}

} // namespace
} // namespace tembra
