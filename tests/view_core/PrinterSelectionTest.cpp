// The printer selection with a catalog of the test's own: the saved printer restored once a run,
// its loss, no printer at all, the orientation that follows the document, and the print dialog
// sequence.
#include "view/core/PrinterSelection.h"

#include "model/PrintArea.h"
#include "platform/Profile.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "view/core/PrintSheetRequest.h"

#include <gtest/gtest.h>

#include <map>

namespace tembra {
namespace {

class FakeCatalog : public IPrinterCatalog {
public:
    std::vector<std::string> PrinterNames() const override {
        std::vector<std::string> names;
        for (const auto& [name, papers] : printers) {
            names.push_back(name);
        }
        return names;
    }
    std::optional<std::string> DefaultPrinter() const override {
        if (printers.count(defaultPrinter) == 0) {
            return std::nullopt;
        }
        return defaultPrinter;
    }
    std::optional<PrinterDevMode> DefaultDevMode(const std::string& printer) const override {
        if (printers.count(printer) == 0) {
            return std::nullopt;
        }
        return PrinterDevMode{printer, 9, "A4", PrinterDevMode::kPortrait};
    }
    std::vector<int> PaperSizes(const std::string& printer) const override {
        auto it = printers.find(printer);
        return it == printers.end() ? std::vector<int>{} : it->second;
    }

    std::map<std::string, std::vector<int>> printers;
    std::string defaultPrinter;
};

class FakePrinterDialog : public IPrinterDialog {
public:
    int DoModal(PrinterDevMode& settings) override {
        ++runs;
        if (choose) {
            settings = *choose;
        }
        return answer;
    }
    int answer = IDOK;
    std::optional<PrinterDevMode> choose;
    int runs = 0;
};

class PrinterSelectionTest : public ::testing::Test {
protected:
    PrinterSelectionTest() {
        catalog.printers = {{"Office", {9, 8}}, {"Plotter", {8, 66}}};
        catalog.defaultPrinter = "Office";
    }
    void Save(const char* device, int paper, const char* form) {
        WriteProfileString(CPrinterSelection::kSection, "DeviceName", device);
        WriteProfileInt(CPrinterSelection::kSection, "PaperSize", paper);
        WriteProfileString(CPrinterSelection::kSection, "FormName", form);
    }

    test::ScopedPaths paths;
    test::ScopedUi ui;
    FakeCatalog catalog;
    CPrinterSelection selection{catalog};
};

TEST_F(PrinterSelectionTest, TheSavedPrinterIsRestoredWithItsPaper) {
    Save("Plotter", 66, "A2");
    PrinterDevMode devMode;
    ASSERT_TRUE(selection.GetPrinterDeviceDefaults(devMode, nullptr));
    EXPECT_EQ(devMode, (PrinterDevMode{"Plotter", 66, "A2", PrinterDevMode::kPortrait}));
    EXPECT_TRUE(ui->MessageBoxes().empty());

    // A paper the printer does not list keeps the driver's.
    Save("Plotter", 1, "");
    CPrinterSelection again(catalog);
    ASSERT_TRUE(again.GetPrinterDeviceDefaults(devMode, nullptr));
    EXPECT_EQ(devMode.paperSize, 9);
    EXPECT_EQ(devMode.formName, "A4");

    // A paper that has a code of the program's own (A1) comes back as well.
    catalog.printers["Plotter"].push_back(kPaperCodeA1);
    Save("Plotter", kPaperCodeA1, "A1");
    CPrinterSelection third(catalog);
    ASSERT_TRUE(third.GetPrinterDeviceDefaults(devMode, nullptr));
    EXPECT_EQ(devMode, (PrinterDevMode{"Plotter", kPaperCodeA1, "A1", PrinterDevMode::kPortrait}));
}

TEST_F(PrinterSelectionTest, AGoneSavedPrinterIsToldOnceAndTheDefaultSaved) {
    Save("Gone", 8, "A3");
    PrinterDevMode devMode;
    ASSERT_TRUE(selection.GetPrinterDeviceDefaults(devMode, nullptr));
    EXPECT_EQ(devMode.deviceName, "Office");
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_PRINTER_GONE);
    EXPECT_EQ(GetProfileString(CPrinterSelection::kSection, "DeviceName"), "Office");
    EXPECT_EQ(GetProfileInt(CPrinterSelection::kSection, "PaperSize", 0), 9u);

    ASSERT_TRUE(selection.GetPrinterDeviceDefaults(devMode, nullptr));
    EXPECT_EQ(ui->MessageBoxes().size(), 1u) << "only the first print of a run restores";
}

TEST_F(PrinterSelectionTest, NoPrinterAtAll) {
    catalog.printers.clear();
    PrinterDevMode devMode;
    EXPECT_FALSE(selection.GetPrinterDeviceDefaults(devMode, nullptr));
    FakePrinterDialog dialog;
    EXPECT_EQ(selection.DoPrintDialog(false, nullptr, dialog, {}), IDCANCEL);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_NO_PRINTER);
    EXPECT_EQ(dialog.runs, 0);

    // The saved printer gone and none left: 5147, then 5146.
    catalog.printers = {{"Office", {9}}};
    Save("Gone", 9, "");
    CPrinterSelection again(catalog);
    catalog.defaultPrinter = "Office";
    again.UpdatePrinterSelection(true, nullptr);
    catalog.printers.clear();
    EXPECT_FALSE(again.RestorePrinterSetting(nullptr));
    ASSERT_EQ(ui->MessageBoxes().size(), 3u);
    EXPECT_EQ(ui->MessageBoxes()[1].stringId, IDS_PRINTER_GONE);
    EXPECT_EQ(ui->MessageBoxes()[2].stringId, IDS_NO_PRINTER);
}

TEST_F(PrinterSelectionTest, TheOrientationFollowsTheDocument) {
    struct Case {
        int direction;
        int remembered;
        int orientation;
    };
    const std::vector<Case> cases = {{1, 0, 1}, {0, 0, 2}, {0, 1, 1}, {1, 2, 2}};
    for (const Case& c : cases) {
        PrintOrientation document{c.direction, c.remembered};
        PrinterDevMode devMode;
        devMode.orientation = 0;
        CPrinterSelection::SyncPrinterOrientation(&document, &devMode);
        EXPECT_EQ(devMode.orientation, c.orientation) << c.direction << " " << c.remembered;
        EXPECT_EQ(document.remembered, c.orientation);
    }
    PrinterDevMode untouched;
    untouched.orientation = 2;
    CPrinterSelection::SyncPrinterOrientation(nullptr, &untouched);
    EXPECT_EQ(untouched.orientation, 2);

    // A landscape chart printed after a portrait one.
    PrintOrientation portrait{1, 0};
    PrintOrientation landscape{0, 0};
    PrinterDevMode devMode;
    ASSERT_TRUE(selection.GetPrinterDeviceDefaults(devMode, &portrait));
    EXPECT_EQ(devMode.orientation, PrinterDevMode::kPortrait);
    ASSERT_TRUE(selection.GetPrinterDeviceDefaults(devMode, &landscape));
    EXPECT_EQ(devMode.orientation, PrinterDevMode::kLandscape);
}

// The printer takes the chart's paper where it has it; a paper chosen in the dialog stays the
// chart's.
TEST_F(PrinterSelectionTest, ThePaperFollowsTheChart) {
    catalog.printers[kPdfPrinterName] = {9, 8, 12, 66, kPaperCodeA1, kPaperCodeJisB3};
    struct Case {
        const char* name;
        std::string printer;
        int chartKind;
        int rememberedPaper;
        int paperSize;
        std::string formName;
    };
    const std::vector<Case> cases = {
        {"A3 on a printer that has it", "Plotter", kPaperA3, 0, 8, "A3"},
        {"upright A3", "Plotter", kPaperA3Tate, 0, 8, "A3"},
        {"B4 where there is none", "Office", kPaperB4, 0, 9, "A4"},
        {"A1 on the printer that lists its code", kPdfPrinterName, kPaperA1, 0, kPaperCodeA1, "A1"},
        {"A1 on another printer", "Plotter", kPaperA1, 0, 9, "A4"},
        {"A1 chosen for an A2 chart", kPdfPrinterName, kPaperA2, kPaperCodeA1, kPaperCodeA1, ""},
        {"B3 chosen for a B4 chart", kPdfPrinterName, kPaperB4, kPaperCodeJisB3, kPaperCodeJisB3,
         ""},
        {"a chosen paper", "Plotter", kPaperA3, 66, 66, ""},
        {"a chosen paper the printer lacks", "Office", kPaperA3, 66, 8, "A3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartPaper paper = PaperOfChart(c.chartKind);
        PrintOrientation document{0, 0, paper.paperSize, paper.formName, c.rememberedPaper};
        PrinterDevMode devMode = *catalog.DefaultDevMode(c.printer);
        selection.SyncPrinterPaper(&document, devMode);
        EXPECT_EQ(devMode.paperSize, c.paperSize);
        EXPECT_EQ(devMode.formName, c.formName);
    }

    // The dialog's choice of another paper is kept; the chart's own again forgets it.
    catalog.defaultPrinter = "Plotter";
    const ChartPaper a3 = PaperOfChart(kPaperA3);
    PrintOrientation document{0, 0, a3.paperSize, a3.formName, 0};
    FakePrinterDialog dialog;
    dialog.choose = PrinterDevMode{"Plotter", 66, "A2", PrinterDevMode::kLandscape};
    ui->OnDialog("PrintSheet", [](DialogRequest&) { return IDOK; });
    ASSERT_EQ(selection.DoPrintDialog(false, &document, dialog, {}), IDOK);
    EXPECT_EQ(document.rememberedPaper, 66);
    dialog.choose = PrinterDevMode{"Plotter", 8, "A3", PrinterDevMode::kLandscape};
    ASSERT_EQ(selection.DoPrintDialog(false, &document, dialog, {}), IDOK);
    EXPECT_EQ(document.rememberedPaper, 0);
}

TEST_F(PrinterSelectionTest, ThePrintDialogSequence) {
    FakePrinterDialog dialog;
    dialog.choose = PrinterDevMode{"Plotter", 66, "A2", 2};
    int previews = 0;
    const auto preview = [&] { ++previews; };

    ui->OnDialog("PrintSheet", [](DialogRequest& r) {
        EXPECT_NE(static_cast<PrintSheetRequest&>(r).devMode, nullptr);
        return IDOK;
    });
    EXPECT_EQ(selection.DoPrintDialog(false, nullptr, dialog, preview), IDOK);
    EXPECT_EQ(dialog.runs, 1);
    EXPECT_EQ(selection.GetDevMode()->deviceName, "Plotter");
    EXPECT_EQ(GetProfileString(CPrinterSelection::kSection, "DeviceName"), "Plotter");
    EXPECT_EQ(GetProfileString(CPrinterSelection::kSection, "FormName"), "A2");

    // Set-up runs the sheet only.
    EXPECT_EQ(selection.DoPrintDialog(true, nullptr, dialog, preview), IDOK);
    EXPECT_EQ(dialog.runs, 1);

    // The preview answer of the sheet or of the printer dialog.
    ui->OnDialog("PrintSheet", [](DialogRequest&) { return ID_PRINT_PREVIEW_ANSWER; });
    EXPECT_EQ(selection.DoPrintDialog(false, nullptr, dialog, preview), IDCANCEL);
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(dialog.runs, 1);
    ui->OnDialog("PrintSheet", [](DialogRequest&) { return IDOK; });
    dialog.answer = ID_PRINT_PREVIEW_ANSWER;
    EXPECT_EQ(selection.DoPrintDialog(false, nullptr, dialog, preview), IDCANCEL);
    EXPECT_EQ(previews, 2);

    // A cancelled printer dialog saves nothing.
    WriteProfileString(CPrinterSelection::kSection, "DeviceName", "Office");
    dialog.answer = IDCANCEL;
    EXPECT_EQ(selection.DoPrintDialog(false, nullptr, dialog, preview), IDCANCEL);
    EXPECT_EQ(GetProfileString(CPrinterSelection::kSection, "DeviceName"), "Office");
}

} // namespace
} // namespace tembra
