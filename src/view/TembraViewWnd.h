// The window of one chart view (one pane of a chart window's splitter): a scroll area whose
// viewport shows a backing image. The view draws the chart into the image through the Qt device
// context (0.1 mm, y upwards) where the window was invalidated, and each paint copies the image
// to the screen; feedback drawn through the window's device context between paints goes into the
// same image with its raster operation, so drawing it twice takes it away again.
//
// The window is the view's host: it keeps the pending update region, turns Qt's mouse events into
// the view's mouse messages (and shows the hyperlink under the mouse as a tool tip), runs the
// print jobs and the preview of the chart, and hosts the edit window of a framed text.
#pragma once

#include "shapes/ui/ZukeiEditHostWidget.h"
#include "view/PreviewViewEx.h"
#include "view/core/PrinterCatalog.h"
#include "view/core/TembraToolTip.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QTimer>

#include <memory>

class QPainter;
class QPrinter;

namespace tembra {

class CTembraDoc;
class CTembraFrame;
class IViewApplication;
struct CPrintInfo;

class CTembraViewWnd : public QAbstractScrollArea, public IViewHost, public IZukeiEditHostWidget {
    Q_OBJECT
public:
    CTembraViewWnd(CTembraDoc& document, CTembraFrame& frame, IViewApplication& app,
                   QWidget* parent = nullptr);
    ~CTembraViewWnd() override;

    CTembraView& View() { return *m_view; }
    CTembraDoc& Document() { return m_document; }
    // Whether the window repeats the mouse move while it holds the capture.
    bool IsAutoScrolling() const { return m_autoScroll.isActive(); }
    // The timer that repeats a drag held outside the window; tests count its ticks.
    const QTimer& AutoScrollTimer() const { return m_autoScroll; }
    // The viewport's picture as last painted.
    const QImage& BackingImage() const { return m_back; }
    // The printer of the last print job or preview (null before the first).
    QPrinter* Printer() const { return m_printer.get(); }
    // The preview shown, or null.
    CPreviewViewEx* Preview() const { return m_preview.data(); }

    // Prints straight to a printer without the dialog (the command line's print): the named
    // printer (empty: the default one), into the file for the PDF printer. False when nothing
    // printed; a printer that does not start has said why.
    bool PrintDirect(const std::string& printerName, const std::string& pdfFile);
    // Draws the pages of the job on the printer, from its first to its last page. False, and
    // nothing drawn, when the printer does not start (a file that cannot be written, a printer
    // that is gone).
    bool PrintPages(QPrinter& printer, CPrintInfo& info);

    // ---- IViewHost ---------------------------------------------------------------------------
    CSize GetClientSize() const override;
    std::unique_ptr<CDC> GetClientDC() override;
    COLORREF GetWorkspaceColor() const override;
    void UpdateScrollBars() override;
    void ResizeParentToFit(const CSize& totalDevice) override;
    void InvalidateRect(const CRect* deviceRect, bool erase) override;
    void ValidateRect(const CRect& deviceRect) override;
    bool GetUpdateRect(CRect& deviceRect) const override;
    void UpdateWindow() override;
    void SetCapture() override;
    void ReleaseCapture() override;
    bool HasCapture() const override;
    void PostMouseEvent(int action, UINT keyFlags, const CPoint& devicePoint) override;
    void PostObjectAction(const std::optional<CMouseEvent>& record) override;
    bool SetCursor(int cursor) override;
    bool IsCursorOverView() const override;
    void SetAutoScroll(bool on) override;
    CPoint GetCursorPos() const override;
    void SetCursorPos(const CPoint& devicePoint) override;
    bool TakePreviewAbort() override;
    bool IsSplitterPane() const override { return true; }
    int GetPaneRow() const override;
    int GetPaneColumn() const override;
    int GetSplitterRows() const override;
    int GetSplitterColumns() const override;
    std::vector<SplitterPane> GetOtherPanes() const override;
    bool IsHalfScroll() const override;
    bool HasDialog(const char* name) const override;
    bool GetPrinterDefaults(CPrintInfo& info) override;
    int RunPrintDialog(CPrintInfo& info) override;
    bool HasPrinterDevice(CPrintInfo& info) override;
    void Print() override;
    bool StartPreview() override;
    void RunPrinterSetup() override;
    IFloatOverview* GetOverview() const override;
    // The main window's floating overview, which every chart window tells of its view's changes
    // (null: none). Set by the main window while it exists.
    static void SetOverview(IFloatOverview* overview);

    // ---- The host of a framed text's edit window ---------------------------------------------
    QWidget* GetEditParent() const override;
    void EndStringEdit() override { m_view->EndStringEdit(); }

    // The scroll position as the scroll bars show it changed (the frame keeps the panes of a
    // row and of a column together).
    void ScrollToDevice(const QPoint& position);

signals:
    // The view scrolled by its scroll bars (device pixels).
    void scrolled(const QPoint& position);
    void activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // The wheel scrolls up and down, with Shift sideways, and with Ctrl zooms a step at the
    // pointer.
    void wheelEvent(QWheelEvent* event) override;
    // Typing over the chart goes to the term bar's combo (TembraViewWndKeys.cpp): the main
    // window's shortcuts and the scroll keys stay here, Delete is the command "消　去".
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // While the window holds the mouse, Escape ends the gesture that holds it, wherever the
    // keyboard focus is (TembraViewWndKeys.cpp).
    class EscapeFilter;
    void WatchEscape(bool on);
    // Focuses the term combo with its text selected; the widget that took the focus, or null
    // when the bar is not there to take it.
    QWidget* FocusTermCombo();
    class PainterLease;
    class ClientDC;
    int Dpi() const { return m_dpi; }
    // The mouse message of a Qt mouse event: the view's action, the key flags, the point;
    // whether the view took it.
    bool ForwardMouse(int action, const QMouseEvent& event);
    // The move the auto-scroll timer repeats while the pointer is outside with the capture.
    void OnAutoScroll();
    // The tip of the hyperlink under the pointer, shown at a move onto a link and hidden at
    // any other mouse message.
    void ShowHyperlinkTip(const QMouseEvent& event);
    // The printer of the choice (the PDF printer writes into the file).
    void MakePrinter(const PrinterDevMode& devMode, const QString& file);
    void PaperOf(CPrintInfo& info) const;
    // The print job on m_printer; a printer that does not start is reported (the print-failure
    // message with the reason).
    bool RunPrintJob(CPrintInfo& info);
    void EndPreview();
    // The preview ends by one of its buttons: this window is the active one again, with the
    // focus, and the button's command (0: none) goes to its view.
    void LeavePreview(UINT command);
    // Draws the preview's pages.
    void PaintPreview(QPrinter* printer);
    // One page of the job as the printer prints it, at dpi pixels per inch (the whole sheet).
    QImage DrawPreviewPage(const QPrinter& printer, CPrintInfo& info, UINT page, double dpi);

    CTembraDoc& m_document;
    CTembraFrame& m_frame;
    IViewApplication& m_app;
    std::unique_ptr<CTembraView> m_view;
    QImage m_back;
    // The painter of the image while a device context of the window draws on it; a paint in
    // the meantime draws through it.
    QPainter* m_backPainter = nullptr;
    int m_backUsers = 0;
    bool m_painting = false;
    QRegion m_dirty;
    // The hyperlink tip of the window.
    CTembraToolTip m_tip;
    int m_dpi = 96;
    bool m_updatingBars = false;
    bool m_capture = false;
    // A child of the window, installed on the application while the window holds the mouse.
    EscapeFilter* m_escape = nullptr;
    bool m_watchingEscape = false;
    QTimer m_autoScroll;
    // The wheel's turn towards the next zoom step (eighths of a degree).
    int m_wheelZoom = 0;

    // Printing and preview.
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<CPrintInfo> m_previewInfo;
    QPointer<CPreviewViewEx> m_preview;
    bool m_previewDrawing = false;
    bool m_previewAbort = false;
    qint64 m_lastAbortCheck = 0;
};

} // namespace tembra
