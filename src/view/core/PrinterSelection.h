// The printer that all documents print on: restored at the first print of a run from the one the
// user chose last ("PrinterSetting"), its orientation kept in step with the document printed,
// and the print dialog sequence of the chart view's print and preview commands.
#pragma once

#include "platform/Types.h"
#include "view/core/PrinterCatalog.h"

#include <functional>
#include <optional>
#include <string>

namespace tembra {

class PrintSheetRequest;

// "前回使用したプリンターが見つかりません。\n通常使うプリンターに設定します。"
constexpr UINT IDS_PRINTER_GONE = 5147;
// "プリンターが見つかりません。\nプリンターをインストールしてください。"
constexpr UINT IDS_NO_PRINTER = 5146;
// The answer of the print settings sheet and of the printer dialog that asks for the preview.
constexpr int ID_PRINT_PREVIEW_ANSWER = 41000;

// What a document contributes to its print: its paper direction (1 portrait, 0 landscape) and
// the orientation it last gave the printer (0 none, 1 portrait, 2 landscape), which it keeps;
// its paper (the chart's, as the printer's paper code and form name; none: the printer's own)
// and the paper chosen for it in a printer dialog (0 none), which it keeps.
struct PrintOrientation {
    int direction = 1;
    int remembered = 0;
    int paperSize = 0;
    std::string formName{};
    int rememberedPaper = 0;
};

// The paper codes the profile keeps ("PaperSize") are the Windows paper codes; the papers that
// Windows has no code for get codes of the program's own, above every code that Windows or a
// printer driver gives, so that a saved code is never taken for another paper.
constexpr int kPaperCodeA4 = 9;
constexpr int kPaperCodeJisB4 = 12;
constexpr int kPaperCodeA3 = 8;
constexpr int kPaperCodeA2 = 66;
constexpr int kPaperCodeA1 = 32001;
constexpr int kPaperCodeA0 = 32000;
constexpr int kPaperCodeJisB3 = 32013;

// The printer's paper code and form name of a chart's paper kind (A4, B4, A3, A3 upright, A2,
// A1).
struct ChartPaper {
    int paperSize = 0;
    const char* formName = "";
};
ChartPaper PaperOfChart(int kind);

// The printer dialog of the print command (the chart view's); runs on a copy of the settings
// and answers IDOK, IDCANCEL or ID_PRINT_PREVIEW_ANSWER.
class IPrinterDialog {
public:
    virtual ~IPrinterDialog() = default;
    virtual int DoModal(PrinterDevMode& settings) = 0;
};

class CPrinterSelection {
public:
    static constexpr const char* kSection = "PrinterSetting";

    explicit CPrinterSelection(const IPrinterCatalog& catalog) : m_catalog(catalog) {}

    // The printer in force, nothing while none was taken.
    const std::optional<PrinterDevMode>& GetDevMode() const { return m_devMode; }
    bool IsRestored() const { return m_restored; }

    // Unforced with a printer in force: only its orientation follows the document. Otherwise
    // the system's default printer is taken (none: no printer in force).
    void UpdatePrinterSelection(bool force, PrintOrientation* document);
    // The printer for a print of the document; the first call of a run restores the saved one.
    // FALSE when there is no printer.
    BOOL GetPrinterDeviceDefaults(PrinterDevMode& out, PrintOrientation* document);
    // A document that remembers no orientation gives its direction's (portrait 1, landscape 2)
    // and remembers it; otherwise the remembered one is set. Nothing without a document.
    static void SyncPrinterOrientation(PrintOrientation* document, PrinterDevMode* devMode);
    // The document's paper (the one chosen for it, else the chart's) becomes the printer's when
    // the printer lists it. Nothing without a document or a paper.
    void SyncPrinterPaper(const PrintOrientation* document, PrinterDevMode& devMode) const;
    // The print settings sheet (a "PrintSheet" dialog request), then, on OK and unless setup,
    // the printer dialog, whose choice is saved. A preview answer of either calls preview and
    // counts as IDCANCEL. Returns IDOK or IDCANCEL; 5146 and IDCANCEL without a printer. The
    // sheet request given (none: one without a document) is run on the printer in force.
    int DoPrintDialog(bool setup, PrintOrientation* document, IPrinterDialog& printerDialog,
                      const std::function<void()>& preview, PrintSheetRequest* sheet = nullptr);
    // "PaperSize", "DeviceName" and "FormName".
    static void SavePrinterSetting(const PrinterDevMode& devMode);
    // Selects the saved printer ("DeviceName"; none saved: the default stays). A saved printer
    // that is gone gives 5147 and the default printer, which is saved; with no printer at all,
    // 5146 and FALSE.
    BOOL RestorePrinterSetting(PrintOrientation* document);

private:
    // The default printer taken after the saved one could not be; FALSE without any.
    BOOL FallBackToDefault(PrintOrientation* document);

    const IPrinterCatalog& m_catalog;
    std::optional<PrinterDevMode> m_devMode;
    bool m_restored = false;
};

} // namespace tembra
