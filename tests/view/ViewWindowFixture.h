// The chart windows as the tests see them: the shipped sample chart (data/sample.tbr, copied into
// a folder of the test's own) in a chart window of its own, with an application that answers as
// the test scripts it and keeps what the windows asked of it.
#pragma once

#include "document/DocFileFixture.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"
#include "view/ViewApplication.h"
#include "view/core/PrinterSelection.h"

#include <QImage>
#include <QMainWindow>
#include <QScrollBar>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace tembra::test {

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
    std::vector<int> PaperSizes(const std::string&) const override { return {8, 9}; }
};

class FakeViewApplication : public IViewApplication {
public:
    bool IsHalfScroll() const override { return false; }
    const IPrinterCatalog& GetPrinters() const override { return catalog; }
    bool GetPrinterDefaults(CTembraDoc&, PrinterDevMode& out) override {
        out = *catalog.DefaultDevMode(kPdfPrinterName);
        out.orientation = PrinterDevMode::kLandscape;
        return true;
    }
    int DoPrintDialog(CTembraDoc& document, IPrinterDialog& dialog, PrinterDevMode& devMode,
                      const std::function<void()>& preview) override {
        ++dialogs;
        GetPrinterDefaults(document, devMode);
        const int result = printDialog ? printDialog(dialog, devMode) : dialog.DoModal(devMode);
        if (result == kPreviewAnswer) {
            preview();
            return IDCANCEL;
        }
        return result;
    }
    void RunPrinterSetup(CTembraDoc&) override { ++setups; }
    // With a main window, the preview takes its central area as the application's does.
    void ShowPreview(QWidget* widget) override {
        shown = widget;
        if (mainWindow != nullptr) {
            mainCentre = mainWindow->takeCentralWidget();
            mainWindow->setCentralWidget(widget);
            widget->show();
            widget->setFocus();
        }
    }
    void EndPreview(QWidget* widget) override {
        if (shown == widget) {
            shown = nullptr;
            if (mainWindow != nullptr) {
                mainWindow->takeCentralWidget();
                widget->hide();
                widget->setParent(nullptr);
                mainWindow->setCentralWidget(mainCentre);
                mainCentre->show();
            }
        }
    }
    void SendCommand(UINT id) override { commands.push_back(id); }

    static constexpr int kPreviewAnswer = 41000;
    int dialogs = 0;
    PdfOnlyCatalog catalog;
    std::function<int(IPrinterDialog&, PrinterDevMode&)> printDialog;
    int setups = 0;
    QWidget* shown = nullptr;
    std::vector<UINT> commands;
    QMainWindow* mainWindow = nullptr;
    QWidget* mainCentre = nullptr;
};

class ViewWindowFixture : public DocFileFixture {
protected:
    ViewWindowFixture() {
        const std::filesystem::path copy = files.File("sample.tbr");
        std::filesystem::copy_file(std::filesystem::path(TEMBRA_DATA_DIR) / "sample.tbr", copy);
        doc = std::make_unique<CTembraDoc>();
        EXPECT_TRUE(doc->OnOpenDocument(copy.string()));
        doc->SetPathName(copy.string());
    }
    ~ViewWindowFixture() override {
        frame.reset();
        if (doc) {
            doc->OnCloseDocument();
        }
    }

    // The chart window, shown, its first pane's client area of the size asked for.
    CTembraFrame& Show(const QSize& client) {
        frame = std::make_unique<CTembraFrame>(*doc, app);
        frame->resize(client);
        frame->show();
        for (int i = 0; i < 3; ++i) {
            const QSize now = Pane().viewport()->size();
            frame->resize(frame->size() + (client - now));
        }
        return *frame;
    }
    CTembraViewWnd& Pane(int row = 0, int column = 0) { return *frame->Pane(row, column); }
    // What the pane shows, painted now.
    QImage Picture(CTembraViewWnd& pane) {
        return pane.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    FakeViewApplication app;
    std::unique_ptr<CTembraDoc> doc;
    std::unique_ptr<CTembraFrame> frame;
};

} // namespace tembra::test
