// A print that cannot be written says so, the paper chosen in the print dialog is the paper
// printed on, and the print dialog's two forms: its labels' keys and the set-up form that prints
// nothing.
#include "ViewWindowFixture.h"
#include "platform/StringTable.h"
#include "view/PrinterPaper.h"
#include "view/TembraPrintDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <filesystem>
#include <map>
#include <unistd.h>

namespace tembra {
namespace {

namespace fs = std::filesystem;

class PrintJobTest : public test::ViewWindowFixture {};

// The targets a PDF cannot be written to (a root user writes into a read-only folder all the
// same, so that case only counts for another user).
struct Unwritable {
    const char* name;
    fs::path pdf;
};

std::vector<Unwritable> UnwritableTargets(const test::TempDir& files) {
    std::vector<Unwritable> targets = {
        {"a folder that is not there", files.File("gone") / "sample.pdf"},
        {"a folder where the file would be", files.File("taken.pdf")},
    };
    fs::create_directories(files.File("taken.pdf"));
    if (::geteuid() != 0) {
        fs::create_directories(files.File("read-only"));
        fs::permissions(files.File("read-only"), fs::perms::owner_read | fs::perms::owner_exec);
        targets.push_back({"a read-only folder", files.File("read-only") / "sample.pdf"});
    }
    return targets;
}

TEST_F(PrintJobTest, APrintThatCannotBeWrittenSaysWhy) {
    Show(QSize(800, 600));
    for (const Unwritable& target : UnwritableTargets(files)) {
        SCOPED_TRACE(target.name);
        const QString pdf = QString::fromStdString(target.pdf.string());
        // From the command line.
        ui.Get().ClearRecords();
        EXPECT_FALSE(Pane().PrintDirect("", target.pdf.string()));
        ASSERT_EQ(Messages(), std::vector<UINT>{61702u});
        const QString said = QString::fromStdString(MessageTexts()[0]);
        EXPECT_TRUE(said.startsWith(QString::fromStdString(LoadStringUtf8(61702)) + "\n"));
        EXPECT_TRUE(said.contains(pdf)) << "the file and the system's reason";
        EXPECT_FALSE(fs::is_regular_file(target.pdf));

        // From the print dialog.
        ui.Get().ClearRecords();
        app.printDialog = [&](IPrinterDialog& dialog, PrinterDevMode&) {
            static_cast<CTembraPrintDialog&>(dialog).SetOutputFile(pdf);
            return IDOK;
        };
        Pane().View().OnCommand(57607);
        EXPECT_EQ(Messages(), std::vector<UINT>{61702u});
    }
    // A file that can be written prints as before.
    ui.Get().ClearRecords();
    EXPECT_TRUE(Pane().PrintDirect("", files.File("sample.pdf").string()));
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(fs::is_regular_file(files.File("sample.pdf")));
}

// The page size pdfinfo gives.
QString PdfPageSize(const fs::path& pdf) {
    QProcess info;
    info.start("pdfinfo", {QString::fromStdString(pdf.string())});
    EXPECT_TRUE(info.waitForFinished());
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    const qsizetype at = text.indexOf(QStringLiteral("Page size:"));
    return at < 0 ? text : text.mid(at, text.indexOf('\n', at) - at).simplified();
}

// Every paper of the charts and the B sizes beside them, A1 and B3 by codes of the program's
// own, as the print dialog's properties give them and the printer prints on them.
TEST_F(PrintJobTest, ThePaperChosenInThePrintDialogIsThePaperPrintedOn) {
    struct Case {
        QPageSize::PageSizeId paper;
        int code;
        const char* size;
    };
    const Case cases[] = {
        {QPageSize::A4, kPaperCodeA4, "Page size: 842 x 595 pts (A4)"},
        {QPageSize::JisB4, kPaperCodeJisB4, "Page size: 1032 x 729 pts"},
        {QPageSize::A3, kPaperCodeA3, "Page size: 1191 x 842 pts (A3)"},
        {QPageSize::A2, kPaperCodeA2, "Page size: 1684 x 1191 pts (A2)"},
        {QPageSize::A1, kPaperCodeA1, "Page size: 2384 x 1684 pts (A1)"},
        {QPageSize::JisB3, kPaperCodeJisB3, "Page size: 1460 x 1032 pts"},
    };
    Show(QSize(800, 600));
    for (const Case& c : cases) {
        const QString name = QPageSize::name(c.paper);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(PaperCodeOf(c.paper), c.code);
        const fs::path pdf = files.File(name.toStdString() + ".pdf");
        app.printDialog = [&](IPrinterDialog& dialog, PrinterDevMode& devMode) {
            devMode = {kPdfPrinterName, c.code, "", PrinterDevMode::kLandscape};
            static_cast<CTembraPrintDialog&>(dialog).SetOutputFile(
                QString::fromStdString(pdf.string()));
            return IDOK;
        };
        Pane().View().OnCommand(57607);
        EXPECT_EQ(PdfPageSize(pdf), QString::fromUtf8(c.size));
    }
}

// Each code stands for one paper: a paper kept by its code comes back as the same paper.
TEST_F(PrintJobTest, EveryPaperCodeNamesOnePaper) {
    for (const int code : AllPaperCodes()) {
        const std::optional<QPageSize::PageSizeId> paper = PageSizeOfCode(code);
        ASSERT_TRUE(paper) << code;
        EXPECT_EQ(PaperCodeOf(*paper), code) << QPageSize::name(*paper).toStdString();
    }
    EXPECT_FALSE(PageSizeOfCode(0));
    EXPECT_FALSE(PageSizeOfCode(31999));
}

// The mnemonic of a text ('&' before its key), or 0.
QChar Mnemonic(const QString& text) {
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toUpper() : QChar();
}

TEST_F(PrintJobTest, ThePrintDialogsLabelsCarryKeysOfTheirOwn) {
    test::PdfOnlyCatalog catalog;
    for (const CTembraPrintDialog::Form form :
         {CTembraPrintDialog::kPrint, CTembraPrintDialog::kSetup}) {
        CTembraPrintDialog dialog(catalog, nullptr, form);
        dialog.show();
        std::map<QChar, QString> keys;
        const auto take = [&](const QString& text) {
            const QChar key = Mnemonic(text);
            if (!key.isNull()) {
                EXPECT_TRUE(keys.emplace(key, text).second)
                    << text.toStdString() << " and " << keys[key].toStdString();
            }
        };
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->isVisibleTo(&dialog) || Mnemonic(label->text()).isNull()) {
                continue;
            }
            // Without a buddy the '&' is shown as a character.
            EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
            take(label->text());
        }
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (button->isVisibleTo(&dialog)) {
                take(button->text());
            }
        }
    }
}

TEST_F(PrintJobTest, TheSetUpFormChoosesThePrinterAndPrintsNothing) {
    test::PdfOnlyCatalog catalog;
    CTembraPrintDialog dialog(catalog, nullptr, CTembraPrintDialog::kSetup);
    PrinterDevMode mode{kPdfPrinterName, 8, "A3", PrinterDevMode::kLandscape};
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(dialog.PrinterCombo()->isVisible());
        EXPECT_TRUE(dialog.PropertiesButton()->isVisible());
        EXPECT_EQ(dialog.PaperLabel()->text(), QString::fromUtf8("A3 横"));
        const std::vector<QWidget*> printing = {dialog.FileEdit(), dialog.AllPages(),
                                                dialog.FromSpin(), dialog.CopiesSpin(),
                                                dialog.PreviewButton()};
        for (QWidget* widget : printing) {
            EXPECT_FALSE(widget->isVisible()) << widget->metaObject()->className();
        }
        // The PDF printer's file is the print's, not the set-up's.
        dialog.FileEdit()->clear();
        EXPECT_TRUE(dialog.OkButton()->isEnabled());
        dialog.OkButton()->click();
    });
    EXPECT_EQ(dialog.DoModal(mode), IDOK);
    EXPECT_EQ(mode, (PrinterDevMode{kPdfPrinterName, 8, "A3", PrinterDevMode::kLandscape}));
}

} // namespace
} // namespace tembra
