// The chart views in the program: the command line's print, the preview in the main window's
// central area and the way back from it to the printer settings, the view the documents act on,
// and the Edit menu's select all on the active chart.
#include "ShellFixture.h"

#include "shell/ChartViewServices.h"
#include "shell/ChartViewWindow.h"
#include "view/PreviewViewEx.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QMdiArea>
#include <QProcess>
#include <QPushButton>

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <new>

namespace tembra {
namespace {

// One printer: the PDF printer on A4.
class PdfOnlyCatalog : public IPrinterCatalog {
public:
    std::vector<std::string> PrinterNames() const override { return {kPdfPrinterName}; }
    std::optional<std::string> DefaultPrinter() const override { return kPdfPrinterName; }
    std::optional<PrinterDevMode> DefaultDevMode(const std::string& printer) const override {
        if (printer != kPdfPrinterName) {
            return std::nullopt;
        }
        return PrinterDevMode{kPdfPrinterName, 9, "A4", PrinterDevMode::kPortrait};
    }
    std::vector<int> PaperSizes(const std::string&) const override { return {9}; }
};

class ChartViewTest : public test::ShellFixture {
protected:
    ChartViewTest() {
        printers = &catalog;
        std::filesystem::copy_file(std::filesystem::path(TEMBRA_DATA_DIR) / "sample.tbr", sample);
    }
    CTembraFrame* ActiveFrame() {
        auto* window = dynamic_cast<CChartViewWindow*>(app->ActiveChart());
        return window != nullptr ? window->Frame() : nullptr;
    }

    PdfOnlyCatalog catalog;
    test::TempDir files;
    const std::filesystem::path sample = files.File("sample.tbr");
};

TEST_F(ChartViewTest, TheCommandLinePrintsIntoAPdfBesideTheChartAndEnds) {
    EXPECT_EQ(Start({"/p", sample.string()}), std::optional<int>(0));
    ASSERT_TRUE(std::filesystem::exists(files.File("sample.pdf")));
    // The chart's page is wider than high: the paper turns with it.
    QProcess info;
    info.start("pdfinfo", {QString::fromStdString(files.File("sample.pdf").string())});
    ASSERT_TRUE(info.waitForFinished());
    const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(infoText.contains("Page size:       842 x 595 pts (A4)")) << infoText.toStdString();
    EXPECT_TRUE(infoText.contains(QStringLiteral("Pages:           1"))) << infoText.toStdString();
    EXPECT_TRUE(app->Documents().empty()) << "closed after printing";
    EXPECT_TRUE(ui.Dialogs().empty()) << "no dialog";

    std::filesystem::remove(files.File("sample.pdf"));
    EXPECT_EQ(Start({"/pt", sample.string(), kPdfPrinterName, "driver", "port"}),
              std::optional<int>(0));
    EXPECT_TRUE(std::filesystem::exists(files.File("sample.pdf")));

    EXPECT_EQ(Start({"/p", files.File("missing.tbr").string()}), std::optional<int>(1));
}

TEST_F(ChartViewTest, ThePreviewTakesTheCentralAreaAndItsSetupButtonLeadsToThePrinterSettings) {
    ASSERT_FALSE(Start());
    ASSERT_NE(app->OpenDocumentFile(sample.string()), nullptr);
    ASSERT_TRUE(app->Router().Execute(57609));
    auto* preview = dynamic_cast<CPreviewViewEx*>(Frame().Preview());
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(Frame().centralWidget(), preview);

    ui.ClearRecords();
    preview->Button(CPreviewViewEx::ID_PREVIEW_SETUP)->click();
    EXPECT_EQ(Frame().centralWidget(), Frame().MdiArea());
    EXPECT_EQ(Frame().Preview(), nullptr);
    // The printer settings of the view that was previewed: the print settings sheet.
    ASSERT_FALSE(ui.Dialogs().empty());
    EXPECT_EQ(ui.Dialogs().front().name, "PrintSheet");
}

TEST_F(ChartViewTest, TheDocumentsActOnTheActivePaneOfTheActiveWindow) {
    ASSERT_FALSE(Start());
    CTembraDoc* doc = app->OpenDocumentFile(sample.string());
    ASSERT_NE(doc, nullptr);
    CTembraFrame* frame = ActiveFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(doc->GetActiveView(), &frame->ActivePane()->View());
    ASSERT_TRUE(app->CloseDocument(doc));
    EXPECT_EQ(GetAppState()->GetActiveView(), nullptr);
}

TEST_F(ChartViewTest, SelectAllAndTheClipboardRunOnTheActiveChart) {
    ASSERT_FALSE(Start());
    CTembraDoc* doc = app->OpenDocumentFile(sample.string());
    ASSERT_NE(doc, nullptr);
    const int objects = doc->GetObjCount();
    EXPECT_FALSE(app->Router().Update(32782).IsEnabled()) << "nothing to copy";
    ASSERT_TRUE(app->Router().Execute(32772));
    EXPECT_GT(doc->GetSelCount(), 0);
    EXPECT_TRUE(app->Router().Update(32782).IsEnabled());
    app->Router().Execute(32782);
    app->Router().Execute(32783);
    EXPECT_GT(doc->GetObjCount() + doc->GetSelCount(), objects) << "the copies pasted";
    EXPECT_EQ(doc->GetObjCount(), objects) << "the originals, unselected";
    app->Router().Execute(57643);
    EXPECT_EQ(doc->GetObjCount() + doc->GetSelCount(), objects);
    doc->SetModifiedFlag(FALSE);
}

TEST_F(ChartViewTest, AChartOpenedWhereAClosedOneStoodPrintsInItsOwnOrientation) {
    ASSERT_FALSE(Start());
    CChartViewServices services(*app);
    // Each chart in the same storage: the second has the first one's address, as charts opened
    // one after the other often do.
    alignas(CTembraDoc) std::byte storage[sizeof(CTembraDoc)];
    const auto printOnce = [&](bool portrait) {
        auto* document = new (storage) CTembraDoc;
        EXPECT_TRUE(document->OnNewDocument());
        CPageSetting& page = document->GetSyokiSet().GetPageSetting();
        if (portrait) {
            page.SetPaper(kPaperA3Tate, 1, paths.Shipped() / "MASTER01.LYT");
        }
        const CRect rect = page.GetPageRect();
        EXPECT_EQ(std::abs(rect.Height()) > std::abs(rect.Width()), portrait);
        PrinterDevMode devMode;
        {
            CChartViewWindow window(*document, services);
            EXPECT_TRUE(services.GetPrinterDefaults(*document, devMode));
        }
        document->~CTembraDoc();
        return devMode.orientation;
    };
    EXPECT_EQ(printOnce(false), PrinterDevMode::kLandscape);
    EXPECT_EQ(printOnce(true), PrinterDevMode::kPortrait);
}

} // namespace
} // namespace tembra
