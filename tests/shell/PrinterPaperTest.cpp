// The printer takes the chart's paper: the print dialog opens on it and the command line's print
// is made on it, on every paper of the charts (A1 too) with the PDF printer's own papers; the
// printer settings (ﾌﾟﾘﾝﾀの設定) open the print dialog's set-up form, whose choice the chart
// keeps.
#include "ShellFixture.h"

#include "model/PrintArea.h"
#include "shell/QtPrinterCatalog.h"
#include "view/TembraPrintDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <filesystem>

namespace tembra {
namespace {

namespace fs = std::filesystem;

// The PDF printer, which takes every paper, and a printer that has A4 only.
class TwoPrinters : public IPrinterCatalog {
public:
    static constexpr const char* kOffice = "office";
    std::vector<std::string> PrinterNames() const override { return {kOffice, kPdfPrinterName}; }
    std::optional<std::string> DefaultPrinter() const override { return kPdfPrinterName; }
    std::optional<PrinterDevMode> DefaultDevMode(const std::string& printer) const override {
        return PrinterDevMode{printer, 9, "A4", PrinterDevMode::kPortrait};
    }
    std::vector<int> PaperSizes(const std::string& printer) const override {
        return printer == kOffice ? std::vector<int>{9} : std::vector<int>{8, 9, 12, 66};
    }
};

class PrinterPaperTest : public test::ShellFixture {
protected:
    PrinterPaperTest() {
        printers = &catalog;
        fs::copy_file(fs::path(TEMBRA_DATA_DIR) / "sample.tbr", sample);
    }
    // The page size pdfinfo gives.
    static QString PageSize(const fs::path& pdf) {
        QProcess info;
        info.start("pdfinfo", {QString::fromStdString(pdf.string())});
        EXPECT_TRUE(info.waitForFinished());
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        const qsizetype at = text.indexOf(QStringLiteral("Page size:"));
        return at < 0 ? text : text.mid(at, text.indexOf('\n', at) - at).simplified();
    }
    // Runs a command that opens the print dialog; act sees the dialog and ends it.
    void WithPrintDialog(UINT command, const std::function<void(CTembraPrintDialog&)>& act) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = dynamic_cast<CTembraPrintDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            act(*dialog);
        });
        app->Router().Execute(command);
        EXPECT_TRUE(seen) << "no print dialog";
    }

    TwoPrinters catalog;
    test::TempDir files;
    const fs::path sample = files.File("sample.tbr");
};

TEST_F(PrinterPaperTest, TheCommandLinePrintIsMadeOnTheChartsPaper) {
    EXPECT_EQ(Start({"/p", sample.string()}), std::optional<int>(0));
    EXPECT_EQ(PageSize(files.File("sample.pdf")), QStringLiteral("Page size: 1191 x 842 pts (A3)"));
}

TEST_F(PrinterPaperTest, ThePrintDialogOpensOnTheChartsPaper) {
    ui.OnDialog("PrintSheet", [](DialogRequest&) { return IDOK; });
    ASSERT_FALSE(Start());
    ASSERT_NE(app->OpenDocumentFile(sample.string()), nullptr);
    WithPrintDialog(57607, [](CTembraPrintDialog& dialog) {
        EXPECT_EQ(dialog.PaperLabel()->text(), QString::fromUtf8("A3 横"));
        dialog.reject();
    });
}

TEST_F(PrinterPaperTest, ThePrinterSettingsOpenTheSetUpFormAndTheChartKeepsItsChoice) {
    ui.OnDialog("PrintSheet", [](DialogRequest&) { return IDOK; });
    ASSERT_FALSE(Start());
    ASSERT_NE(app->OpenDocumentFile(sample.string()), nullptr);
    EXPECT_TRUE(app->Router().Update(57606).IsEnabled());
    WithPrintDialog(57606, [](CTembraPrintDialog& dialog) {
        EXPECT_FALSE(dialog.PreviewButton()->isVisible()) << "the set-up form";
        EXPECT_FALSE(dialog.CopiesSpin()->isVisible());
        dialog.PrinterCombo()->setCurrentText(QString::fromUtf8(TwoPrinters::kOffice));
        dialog.OkButton()->click();
    });
    EXPECT_EQ(GetProfileString("PrinterSetting", "DeviceName"), TwoPrinters::kOffice);

    // The office printer has no A3: the chart prints on its paper there.
    WithPrintDialog(57607, [](CTembraPrintDialog& dialog) {
        EXPECT_EQ(dialog.PrinterCombo()->currentText(), QString::fromUtf8(TwoPrinters::kOffice));
        EXPECT_EQ(dialog.PaperLabel()->text(), QString::fromUtf8("A4 横"));
        dialog.reject();
    });
}

// The PDF printer as the program has it, alone: its papers are the real catalogue's.
class PdfPrinterOnly : public IPrinterCatalog {
public:
    std::vector<std::string> PrinterNames() const override { return {kPdfPrinterName}; }
    std::optional<std::string> DefaultPrinter() const override { return kPdfPrinterName; }
    std::optional<PrinterDevMode> DefaultDevMode(const std::string& printer) const override {
        return m_qt.DefaultDevMode(printer);
    }
    std::vector<int> PaperSizes(const std::string& printer) const override {
        return m_qt.PaperSizes(printer);
    }

private:
    CQtPrinterCatalog m_qt;
};

class ChartPaperPrintTest : public PrinterPaperTest {
protected:
    ChartPaperPrintTest() { printers = &pdf; }
    // The sample chart laid out on the paper, saved under the name.
    fs::path ChartOn(int paper, const std::string& name) {
        const fs::path path = files.File(name);
        CTembraDoc doc;
        EXPECT_TRUE(doc.OnOpenDocument(sample.string()));
        EXPECT_TRUE(doc.GetSyokiSet().GetPageSetting().SetPaper(
            paper, 0, fs::path(TEMBRA_DATA_DIR) / "MASTER01.LYT", -1));
        EXPECT_TRUE(doc.OnSaveDocument(path.string()));
        doc.OnCloseDocument();
        return path;
    }

    PdfPrinterOnly pdf;
};

// Each paper of the charts prints on its own size, wider than high as the charts lie.
TEST_F(ChartPaperPrintTest, TheCommandLinePrintsEveryChartPaperAtItsSize) {
    struct Case {
        int paper;
        const char* name;
        const char* size;
    };
    const Case cases[] = {
        {kPaperA4, "a4", "Page size: 842 x 595 pts (A4)"},
        {kPaperB4, "b4", "Page size: 1032 x 729 pts"},
        {kPaperA3, "a3", "Page size: 1191 x 842 pts (A3)"},
        {kPaperA2, "a2", "Page size: 1684 x 1191 pts (A2)"},
        {kPaperA1, "a1", "Page size: 2384 x 1684 pts (A1)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path chart = ChartOn(c.paper, std::string(c.name) + ".tbr");
        EXPECT_EQ(Start({"/p", chart.string()}), std::optional<int>(0));
        EXPECT_EQ(PageSize(files.File(std::string(c.name) + ".pdf")), QString::fromUtf8(c.size));
    }
}

TEST_F(ChartPaperPrintTest, AnA1ChartPrintsOnA1FromThePrintDialog) {
    const fs::path chart = ChartOn(kPaperA1, "a1.tbr");
    const fs::path out = files.File("dialog.pdf");
    ui.OnDialog("PrintSheet", [](DialogRequest&) { return IDOK; });
    ASSERT_FALSE(Start());
    ASSERT_NE(app->OpenDocumentFile(chart.string()), nullptr);
    WithPrintDialog(57607, [&](CTembraPrintDialog& dialog) {
        EXPECT_EQ(dialog.PaperLabel()->text(), QString::fromUtf8("A1 横"));
        dialog.FileEdit()->setText(QString::fromStdString(out.string()));
        dialog.OkButton()->click();
    });
    EXPECT_EQ(PageSize(out), QStringLiteral("Page size: 2384 x 1684 pts (A1)"));
    EXPECT_EQ(GetProfileInt("PrinterSetting", "PaperSize", 0), static_cast<UINT>(kPaperCodeA1))
        << "kept by its code";
}

} // namespace
} // namespace tembra
