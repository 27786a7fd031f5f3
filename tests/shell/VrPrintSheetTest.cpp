// The print settings sheet driven through its widgets over a chart's print header and settings:
// the choices of every page reaching the chart, the refused fields that keep the sheet open, the
// page never opened, the elapsed-day chart, the texts under the pages, the dotted-line options,
// the printer set-up and the preview.
#include "shell/VrPrintSheet.h"

#include "dialogs/attributes/DotLineDlg.h"
#include "dialogs/attributes/FineDotLineDlg.h"
#include "model/SyokiSet.h"
#include "platform/ColorRequest.h"
#include "platform/Profile.h"
#include "platform/RangeMessage.h"
#include "platform/Sjis.h"
#include "print/PrHeader.h"
#include "shell/VrPrint1.h"
#include "shell/VrPrint2.h"
#include "shell/VrPrint3.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/qt/DialogControls.h"
#include "view/core/PrintSheetRequest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Control;
using test::WhenShown;

class VrPrintSheetTest : public ::testing::Test {
protected:
    VrPrintSheetTest() {
        settings.SetStartDate(CTime(2001, 4, 1));
        settings.SetEndDate(CTime(2002, 3, 31));
        settings.GetPageSetting().SetPaperKind(2);
        request.devMode = &printer;
        request.header = &header;
        request.settings = &settings;
    }
    // The sheet, shown, with every page opened when asked.
    CVrPrintSheet& Open(bool everyPage = true) {
        sheet = std::make_unique<CVrPrintSheet>(request, nullptr);
        sheet->show();
        if (everyPage) {
            for (int i = sheet->Tabs()->count() - 1; i >= 0; --i) {
                sheet->Tabs()->setCurrentIndex(i);
            }
        }
        return *sheet;
    }
    void Type(QWidget* page, int id, const char* text) {
        Control<QLineEdit>(*page, id)->setText(QString::fromUtf8(text));
    }
    std::vector<CVrPrintPage*> Pages() const {
        return {sheet->Page1(), sheet->Page2(), sheet->Page3()};
    }

    test::ScopedPaths paths;
    test::ScopedUi ui;
    CPrHeader header;
    CSyokiSet settings;
    PrinterDevMode printer{"office", 9, "A4", PrinterDevMode::kPortrait};
    PrintSheetRequest request;
    std::unique_ptr<CVrPrintSheet> sheet;
};

TEST_F(VrPrintSheetTest, TheChoicesOfEveryPageReachTheChart) {
    Open();
    CVrPrint1* p1 = sheet->Page1();
    Control<QRadioButton>(*p1, CVrPrint1::IDC_KIKAN_OFF)->click();
    Type(p1, CVrPrint1::kPeriodIds[2], "15");
    Control<QPushButton>(*p1, CVrPrint1::IDC_DATE_CLEAR)->click();
    Type(p1, CVrPrint1::kDateIds[0], "2001");
    CVrPrint2* p2 = sheet->Page2();
    Control<QRadioButton>(*p2, CVrPrint2::kAmikakeIds[3])->click();
    Control<QComboBox>(*p2, CVrPrint2::IDC_HOLIDAY_LINE)->setCurrentIndex(1);
    Control<QRadioButton>(*p2, CVrPrint2::kVerticalIds[2])->click();
    Control<QRadioButton>(*p2, CVrPrint2::kHorizontalIds[3])->click();
    Type(p2, CVrPrint2::IDC_MARGIN_LEFT, "120");
    Type(p2, CVrPrint2::IDC_MARGIN_TOP, "80");
    Type(p2, CVrPrint2::IDC_FROM_PAGE, "2");
    Type(p2, CVrPrint2::IDC_TO_PAGE, "3");
    ui->OnDialog("Color", [](DialogRequest& r) {
        static_cast<ColorRequest&>(r).color = RGB(1, 2, 3);
        return IDOK;
    });
    Control<QPushButton>(*p2, CVrPrint2::IDC_LINE_COLOR)->click();
    CVrPrint3* p3 = sheet->Page3();
    Control<QCheckBox>(*p3, CVrPrint3::IDC_BOLD_LINE_FIX)->setChecked(true);
    Control<QComboBox>(*p3, CVrPrint3::IDC_LINE_RATE)->setEditText("2.5");
    Control<QCheckBox>(*p3, CVrPrint3::IDC_ZOOM_PRINTING)->setChecked(false);
    Control<QRadioButton>(*p3, CVrPrint3::kCrossIds[2])->click();
    Type(p3, CVrPrint3::IDC_ARC_RAY, "999");
    Control<QPushButton>(*p3, CVrPrint3::IDC_SUNDAY_COLOR)->click();
    Control<QRadioButton>(*p3, CVrPrint3::kHatchIds[0])->click();

    sheet->OkButton()->click();
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_TRUE(request.applied);
    EXPECT_EQ(header.GetKikan(), 0);
    EXPECT_EQ(header.GetHeaderTexts(),
              (CConfigPrint::PeriodTexts{"2001", "4", "15", "2002", "3", "31"}));
    EXPECT_EQ(header.GetPeriodSetFlag(), 1);
    EXPECT_EQ(header.GetHeaderTexts2(), (CConfigPrint::DateTexts{"2001", "", ""}));
    EXPECT_EQ(header.GetDateSetFlag(), 1);
    EXPECT_EQ(header.GetAmikake(), 3);
    EXPECT_EQ(header.GetHolidayLine(), 1);
    EXPECT_EQ(header.GetKeisen(), 0x0203);
    EXPECT_EQ(header.GetColor(), RGB(1, 2, 3));
    EXPECT_EQ(settings.GetPageSetting().GetMarginShift(), CPoint(120, -80));
    EXPECT_EQ(request.fromPage, 2u);
    EXPECT_EQ(request.toPage, 3u);
    EXPECT_EQ(header.GetVoldLineEx(), 1);
    EXPECT_EQ(header.GetLineRate(), "2.5");
    EXPECT_EQ(header.GetZoomPrinting(), 0);
    EXPECT_EQ(header.GetCrossType(), 2);
    EXPECT_EQ(header.GetArcRay(), 999);
    EXPECT_EQ(header.GetSundayColor(), RGB(1, 2, 3));
    EXPECT_EQ(header.GetHatch(), 0);
}

TEST_F(VrPrintSheetTest, ARefusedFieldKeepsItsPageOpenAndWritesNothing) {
    struct Case {
        const char* name;
        int page;
        int id;
        const char* text;
        std::vector<UINT> messages; // the warning of the factor has no string id
    };
    const std::vector<Case> cases = {
        {"left margin", 1, CVrPrint2::IDC_MARGIN_LEFT, "501", {IDS_VALUE_RANGE}},
        {"top margin", 1, CVrPrint2::IDC_MARGIN_TOP, "-1", {IDS_VALUE_RANGE}},
        {"radius", 2, CVrPrint3::IDC_ARC_RAY, "4", {IDS_VALUE_RANGE}},
        {"factor", 2, CVrPrint3::IDC_LINE_RATE, "3.1", {0}},
    };
    header.SetArcRay(30);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui->ClearRecords();
        Open();
        sheet->Tabs()->setCurrentIndex(0);
        QWidget* page = sheet->Tabs()->widget(c.page);
        if (auto* edit = page->findChild<QLineEdit*>(QString::number(c.id))) {
            edit->setText(QString::fromUtf8(c.text));
        } else {
            Control<QComboBox>(*page, c.id)->setEditText(QString::fromUtf8(c.text));
        }
        Control<QRadioButton>(*sheet->Page2(), CVrPrint2::kAmikakeIds[3])->click();
        sheet->OkButton()->click();
        EXPECT_TRUE(sheet->isVisible());
        EXPECT_EQ(sheet->Tabs()->currentIndex(), c.page);
        EXPECT_EQ(ui->MessageIds(), c.messages);
        EXPECT_FALSE(request.applied);
        EXPECT_EQ(header.GetAmikake(), 0);
        EXPECT_EQ(header.GetArcRay(), 30);
        EXPECT_EQ(settings.GetPageSetting().GetMarginShift(), CPoint(0, 0));
    }
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_NE(ui->MessageBoxes()[0].type & MB_ICONEXCLAMATION, 0u);
}

TEST_F(VrPrintSheetTest, APageTakesItsFieldsWhenItIsLeft) {
    Open();
    Type(sheet->Page1(), CVrPrint1::kPeriodIds[4], "5");
    sheet->Tabs()->setCurrentIndex(1);
    Type(sheet->Page2(), CVrPrint2::IDC_MARGIN_TOP, "501");
    sheet->Tabs()->setCurrentIndex(2);
    EXPECT_EQ(sheet->Tabs()->currentIndex(), 1);
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{IDS_VALUE_RANGE});
    Type(sheet->Page2(), CVrPrint2::IDC_MARGIN_TOP, "50");
    Control<QPushButton>(*sheet->Page2(), CVrPrintPage::IDC_PREVIEW)->click();
    EXPECT_EQ(sheet->result(), CVrPrintSheet::kPreviewResult);
    EXPECT_EQ(header.GetHeaderTexts()[4], "5");
    EXPECT_EQ(settings.GetPageSetting().GetMarginShift(), CPoint(0, -50));
}

TEST_F(VrPrintSheetTest, AFactorOutsideItsBoundsOnAPageNeverOpenedIsClamped) {
    header.SetLineRate("5.0");
    Open(false);
    sheet->OkButton()->click();
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_TRUE(ui->MessageBoxes().empty());
    EXPECT_EQ(header.GetLineRate(), "3.0");
}

TEST_F(VrPrintSheetTest, AnElapsedDayChartHasNoPeriodOfDates) {
    for (const short mode : {0, 1}) {
        SCOPED_TRACE(mode);
        settings.SetNobeMode(mode);
        Open();
        CVrPrint1* p1 = sheet->Page1();
        EXPECT_EQ(Control<QPushButton>(*p1, CVrPrint1::IDC_PERIOD_FILL)->isVisible(), mode == 0);
        EXPECT_EQ(Control<QLineEdit>(*p1, CVrPrint1::kPeriodIds[0])->text(),
                  mode == 0 ? QStringLiteral("2001") : QString());
        EXPECT_EQ(Control<QLineEdit>(*p1, CVrPrint1::kPeriodIds[5])->text(),
                  mode == 0 ? QStringLiteral("31") : QString());
    }
}

TEST_F(VrPrintSheetTest, ThePeriodButtonsClearAndRefillTheFields) {
    request.layout = LayoutPeriod{CTime(2001, 6, 1), CTime(2001, 9, 30)};
    header.SetHeaderTexts({"1999", "1", "1", "1999", "2", "2"});
    header.SetPeriodSetFlag(1);
    Open();
    CVrPrint1* p1 = sheet->Page1();
    EXPECT_EQ(Control<QLineEdit>(*p1, CVrPrint1::kPeriodIds[0])->text(), QStringLiteral("1999"));
    Control<QPushButton>(*p1, CVrPrint1::IDC_PERIOD_CLEAR)->click();
    EXPECT_EQ(Control<QLineEdit>(*p1, CVrPrint1::kPeriodIds[3])->text(), QString());
    Control<QPushButton>(*p1, CVrPrint1::IDC_PERIOD_FILL)->click();
    EXPECT_EQ(Control<QLineEdit>(*p1, CVrPrint1::kPeriodIds[1])->text(), QStringLiteral("6"));
    EXPECT_EQ(Control<QLineEdit>(*p1, CVrPrint1::kPeriodIds[4])->text(), QStringLiteral("9"));
}

TEST_F(VrPrintSheetTest, WithoutADocumentThePageRangeStillReachesTheJob) {
    request.header = nullptr;
    request.settings = nullptr;
    Open();
    Type(sheet->Page2(), CVrPrint2::IDC_FROM_PAGE, "2");
    Type(sheet->Page2(), CVrPrint2::IDC_TO_PAGE, "4");
    sheet->OkButton()->click();
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_FALSE(request.applied);
    EXPECT_EQ(request.fromPage, 2u);
    EXPECT_EQ(request.toPage, 4u);
    EXPECT_EQ(sheet->Page1()->PaperLabel()->text(), QString());
}

TEST_F(VrPrintSheetTest, TheTextsUnderEveryPageFollowThePaperTheScaleAndThePrinter) {
    settings.GetPageSetting().SetPaperKind(6);
    header.SetZoomPrinting(1);
    bool confirm = true;
    request.printerSetup = [&confirm](PrinterDevMode& chosen) {
        chosen.deviceName = "plotter";
        chosen.formName = "A1";
        return confirm;
    };
    Open();
    for (CVrPrintPage* page : Pages()) {
        EXPECT_EQ(page->PaperLabel()->text(), QString());
        EXPECT_EQ(page->ScaleLabel()->text(), QStringLiteral("ON"));
        EXPECT_EQ(page->PrinterLabel()->text(), QStringLiteral("office"));
    }
    Control<QCheckBox>(*sheet->Page3(), CVrPrint3::IDC_ZOOM_PRINTING)->setChecked(false);
    // The set-up reloads the page's fields from what the sheet holds.
    Type(sheet->Page2(), CVrPrint2::IDC_MARGIN_LEFT, "77");
    Control<QPushButton>(*sheet->Page2(), CVrPrintPage::IDC_PRINTER_SETUP)->click();
    EXPECT_EQ(printer.deviceName, "plotter");
    for (CVrPrintPage* page : Pages()) {
        EXPECT_EQ(page->ScaleLabel()->text(), QStringLiteral("OFF"));
        EXPECT_EQ(page->PrinterLabel()->text(), QStringLiteral("plotter"));
        EXPECT_EQ(page->FormLabel()->text(), QStringLiteral("A1"));
    }
    EXPECT_EQ(Control<QLineEdit>(*sheet->Page2(), CVrPrint2::IDC_MARGIN_LEFT)->text(),
              QStringLiteral("0"));
    // A set-up cancelled leaves the texts as they were.
    confirm = false;
    printer.deviceName = "other";
    Control<QPushButton>(*sheet->Page1(), CVrPrintPage::IDC_PRINTER_SETUP)->click();
    EXPECT_EQ(sheet->Page3()->PrinterLabel()->text(), QStringLiteral("plotter"));
}

TEST_F(VrPrintSheetTest, PreviewAndStoreTakeThePagesFieldsFirst) {
    Open();
    Type(sheet->Page2(), CVrPrint2::IDC_MARGIN_LEFT, "600");
    Control<QPushButton>(*sheet->Page2(), CVrPrintPage::IDC_PREVIEW)->click();
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_FALSE(request.applied);

    Type(sheet->Page2(), CVrPrint2::IDC_MARGIN_LEFT, "60");
    Control<QRadioButton>(*sheet->Page2(), CVrPrint2::kVerticalIds[1])->click();
    Control<QPushButton>(*sheet->Page2(), CVrPrintPage::IDC_STORE)->click();
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_TRUE(request.applied);
    EXPECT_EQ(settings.GetPageSetting().GetMarginShift(), CPoint(60, 0));
    EXPECT_EQ(GetProfileString(CConfigPrint::kSection, "Keisen", ""), "256");

    Control<QPushButton>(*sheet->Page2(), CVrPrintPage::IDC_PREVIEW)->click();
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(sheet->result(), CVrPrintSheet::kPreviewResult);
}

TEST_F(VrPrintSheetTest, TheDottedLineOptionsShowStoredValuesOutsideTheirRangesAsDefaults) {
    header.SetKeisenDotFlag(1);
    header.SetKeisenDotWidth(7);
    header.SetKeisenDotItv(0);
    header.SetKeisenDotLen(25);
    header.SetKeisenDot2Width(9);
    Open();
    DotLineFields shown;
    WhenShown<CDotLineDlg>([&shown](CDotLineDlg& dialog) {
        shown = dialog.fields;
        dialog.accept();
    });
    Control<QPushButton>(*sheet->Page2(), CVrPrint2::IDC_DOT_OPTION)->click();
    EXPECT_EQ(shown, (DotLineFields{1, 1, 9, 9}));
    int fine = -1;
    WhenShown<CFineDotLineDlg>([&fine](CFineDotLineDlg& dialog) {
        fine = dialog.index;
        dialog.accept();
    });
    Control<QPushButton>(*sheet->Page2(), CVrPrint2::IDC_FINE_DOT_OPTION)->click();
    EXPECT_EQ(fine, 1);
    sheet->OkButton()->click();
    EXPECT_EQ(header.GetKeisenDotWidth(), 1);
    EXPECT_EQ(header.GetKeisenDotItv(), 10);
    EXPECT_EQ(header.GetKeisenDotLen(), 10);
    EXPECT_EQ(header.GetKeisenDot2Width(), 2);
}

} // namespace
} // namespace tembra
