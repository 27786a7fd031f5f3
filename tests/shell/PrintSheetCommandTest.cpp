// The print settings sheet as the print command runs it on an open chart: the preview applies
// the settings and marks the chart modified, the print header button runs the print header
// command, and the printer set-up chooses the printer the sheet then shows.
#include "ShellFixture.h"

#include "shell/VrPrint1.h"
#include "shell/VrPrint2.h"
#include "shell/VrPrint3.h"
#include "shell/VrPrintSheet.h"
#include "support/qt/DialogControls.h"
#include "view/TembraPrintDialog.h"
#include "view/core/PrintSheetRequest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>

namespace tembra {
namespace {

using test::Control;
using test::WhenShown;

// The PDF printer and an office printer.
class TwoPrinters : public IPrinterCatalog {
public:
    static constexpr const char* kOffice = "office";
    std::vector<std::string> PrinterNames() const override { return {kOffice, kPdfPrinterName}; }
    std::optional<std::string> DefaultPrinter() const override { return kPdfPrinterName; }
    std::optional<PrinterDevMode> DefaultDevMode(const std::string& printer) const override {
        return PrinterDevMode{printer, 9, "A4", PrinterDevMode::kPortrait};
    }
    std::vector<int> PaperSizes(const std::string&) const override { return {8, 9, 12, 66}; }
};

class PrintSheetCommandTest : public test::ShellFixture {
protected:
    PrintSheetCommandTest() { printers = &catalog; }
    // Opens the sample and prints it; act works the real sheet and answers for it.
    CTembraDoc& PrintWith(const std::function<int(CVrPrintSheet&)>& act) {
        EXPECT_FALSE(Start());
        CTembraDoc* document = app->OpenDocumentFile(test::CopyOfSample(files, "a.tbr").string());
        EXPECT_NE(document, nullptr);
        before(*document);
        ui.OnDialog("PrintSheet", [act](DialogRequest& r) {
            CVrPrintSheet sheet(static_cast<PrintSheetRequest&>(r), nullptr);
            sheet.show();
            for (int i = sheet.Tabs()->count() - 1; i >= 0; --i) {
                sheet.Tabs()->setCurrentIndex(i);
            }
            return act(sheet);
        });
        app->Router().Execute(kPrintCommand);
        return *document;
    }

    static constexpr UINT kPrintCommand = 57607;
    TwoPrinters catalog;
    test::TempDir files;
    std::function<void(CTembraDoc&)> before = [](CTembraDoc&) {};
};

TEST_F(PrintSheetCommandTest, ThePreviewAppliesTheSettingsAndMarksTheChartModified) {
    CTembraDoc& document = PrintWith([](CVrPrintSheet& sheet) {
        Control<QLineEdit>(*sheet.Page2(), CVrPrint2::IDC_MARGIN_LEFT)->setText("150");
        Control<QPushButton>(*sheet.Page2(), CVrPrintPage::IDC_PREVIEW)->click();
        return sheet.result();
    });
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.GetSyokiSet().GetPageSetting().GetMarginShift().x, 150);
    EXPECT_EQ(document.GetPrHeader().GetPeriodSetFlag(), 1);
}

TEST_F(PrintSheetCommandTest, CancelLeavesTheChartAsItWas) {
    CTembraDoc& document = PrintWith([](CVrPrintSheet& sheet) {
        Control<QLineEdit>(*sheet.Page2(), CVrPrint2::IDC_MARGIN_LEFT)->setText("150");
        sheet.CancelButton()->click();
        EXPECT_EQ(sheet.result(), QDialog::Rejected);
        return IDCANCEL;
    });
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.GetPrHeader().GetPeriodSetFlag(), 0);
}

TEST_F(PrintSheetCommandTest, ThePrintHeaderButtonOpensThePlanSheetOfASafetyPlanChart) {
    before = [](CTembraDoc& document) { document.GetPrHeader().SetLayoutKind(1); };
    bool plan = false;
    ui.OnDialog("PrhMst03Sheet", [&plan](DialogRequest&) {
        plan = true;
        return IDCANCEL;
    });
    PrintWith([](CVrPrintSheet& sheet) {
        Control<QPushButton>(*sheet.Page1(), CVrPrintPage::IDC_PRINT_HEADER)->click();
        return IDCANCEL;
    });
    EXPECT_TRUE(plan);
}

TEST_F(PrintSheetCommandTest, ThePrinterSetUpChoosesThePrinterTheSheetShows) {
    QString shown;
    PrintWith([&shown](CVrPrintSheet& sheet) {
        WhenShown<CTembraPrintDialog>([](CTembraPrintDialog& dialog) {
            EXPECT_FALSE(dialog.PreviewButton()->isVisible()) << "the set-up form";
            dialog.PrinterCombo()->setCurrentText(QString::fromUtf8(TwoPrinters::kOffice));
            dialog.OkButton()->click();
        });
        Control<QPushButton>(*sheet.Page3(), CVrPrintPage::IDC_PRINTER_SETUP)->click();
        shown = sheet.Page1()->PrinterLabel()->text();
        return IDCANCEL;
    });
    EXPECT_EQ(shown, QString::fromUtf8(TwoPrinters::kOffice));
    EXPECT_EQ(GetProfileString("PrinterSetting", "DeviceName"), TwoPrinters::kOffice);
}

TEST_F(PrintSheetCommandTest, ThePrinterSetUpGivesTheChartItsOrientation) {
    PrintWith([](CVrPrintSheet& sheet) {
        WhenShown<CTembraPrintDialog>([](CTembraPrintDialog& dialog) {
            WhenShown<QPageSetupDialog>([](QPageSetupDialog& page) {
                auto* portrait = page.findChild<QRadioButton*>(QStringLiteral("portrait"));
                ASSERT_NE(portrait, nullptr);
                portrait->click();
                page.accept();
            });
            dialog.PropertiesButton()->click();
            dialog.OkButton()->click();
        });
        Control<QPushButton>(*sheet.Page2(), CVrPrintPage::IDC_PRINTER_SETUP)->click();
        return IDCANCEL;
    });
    // The sample's A3 chart is landscape; the next print opens in the orientation set up.
    ui.OnDialog("PrintSheet", [](DialogRequest&) { return IDOK; });
    QString paper;
    WhenShown<CTembraPrintDialog>([&paper](CTembraPrintDialog& dialog) {
        paper = dialog.PaperLabel()->text();
        dialog.reject();
    });
    app->Router().Execute(kPrintCommand);
    EXPECT_EQ(paper, QString::fromUtf8("A3 縦"));
}

} // namespace
} // namespace tembra
