#include "view/TembraViewWnd.h"

#include "document/CommandIds.h"
#include "document/TembraDoc.h"
#include "platform/GdiObjects.h"
#include "platform/Sjis.h"
#include "platform/qt/QtDC.h"
#include "view/ModeCursors.h"
#include "view/PreviewViewEx.h"
#include "view/PrintFailure.h"
#include "view/TembraFrame.h"
#include "view/TembraPrintDialog.h"
#include "view/ViewApplication.h"
#include "view/core/MouseEvent.h"
#include "view/core/PrintInfo.h"

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>

namespace tembra {

namespace {

QRect ToQRect(const CRect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

CRect ToCRect(const QRect& r) {
    return CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

UINT KeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    UINT flags = 0;
    if ((buttons & Qt::LeftButton) != 0) {
        flags |= MK_LBUTTON;
    }
    if ((buttons & Qt::RightButton) != 0) {
        flags |= MK_RBUTTON;
    }
    if ((buttons & Qt::MiddleButton) != 0) {
        flags |= MK_MBUTTON;
    }
    if ((modifiers & Qt::ShiftModifier) != 0) {
        flags |= MK_SHIFT;
    }
    if ((modifiers & Qt::ControlModifier) != 0) {
        flags |= MK_CONTROL;
    }
    if ((modifiers & Qt::AltModifier) != 0) {
        flags |= MK_ALT;
    }
    return flags;
}

// How often a drag held outside the window moves again, milliseconds.
constexpr int kAutoScrollMs = 50;

// How long a preview draws between two looks at the mouse, milliseconds.
constexpr qint64 kAbortCheckMs = 100;

// While a preview draws: user input is held back, except that a right press is noted.
class PreviewInputFilter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
                rightPressed = true;
            }
            return true;
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Close:
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }
    bool rightPressed = false;
};

} // namespace

// The painter of the backing image lent to a device context of the window; the last one to go
// ends it and shows what was drawn.
class CTembraViewWnd::PainterLease {
public:
    explicit PainterLease(CTembraViewWnd& wnd) : m_wnd(wnd) {
        if (m_wnd.m_backPainter == nullptr) {
            m_wnd.m_backPainter = new QPainter(&m_wnd.m_back);
        }
        ++m_wnd.m_backUsers;
    }
    ~PainterLease() {
        if (--m_wnd.m_backUsers == 0) {
            m_wnd.m_backPainter->end();
            delete m_wnd.m_backPainter;
            m_wnd.m_backPainter = nullptr;
        }
        // A paint shows what it drew by itself.
        if (!m_wnd.m_painting) {
            m_wnd.viewport()->update();
        }
    }
    PainterLease(const PainterLease&) = delete;
    PainterLease& operator=(const PainterLease&) = delete;

protected:
    CTembraViewWnd& m_wnd;
};

// A device context of the window: it draws into the backing image through the painter it shares
// with a paint that comes meanwhile. The lease outlives the device context's own end.
class CTembraViewWnd::ClientDC : private PainterLease, public CQtDC {
public:
    ClientDC(CTembraViewWnd& wnd, const Options& options)
        : PainterLease(wnd), CQtDC(wnd.m_backPainter, options) {}
};

CTembraViewWnd::CTembraViewWnd(CTembraDoc& document, CTembraFrame& frame, IViewApplication& app,
                               QWidget* parent)
    : QAbstractScrollArea(parent), m_document(document), m_frame(frame), m_app(app),
      m_tip(
          [this](const std::string& text) {
              QToolTip::showText(QCursor::pos(), QString::fromStdString(Sjis::ToUtf8(text)),
                                 viewport());
          },
          [] { QToolTip::hideText(); }) {
    m_dpi = CQtDC::ForScreen()->GetDeviceCaps(LOGPIXELSX);
    m_back = QImage(QSize(1, 1), QImage::Format_RGB32);
    m_back.fill(Qt::white);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // Input-method text typed over the chart is passed on to the term combo.
    setAttribute(Qt::WA_InputMethodEnabled);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    m_view = std::make_unique<CTembraView>(*this);
    m_view->SetDocument(document);
    m_autoScroll.setInterval(kAutoScrollMs);
    connect(&m_autoScroll, &QTimer::timeout, this, &CTembraViewWnd::OnAutoScroll);
}

CTembraViewWnd::~CTembraViewWnd() {
    WatchEscape(false);
    EndPreview();
    if (IFloatOverview* overview = GetOverview()) {
        overview->ForgetView(m_view.get());
    }
    m_view.reset();
}

namespace {
IFloatOverview* g_overview = nullptr;
} // namespace

IFloatOverview* CTembraViewWnd::GetOverview() const {
    return g_overview;
}

void CTembraViewWnd::SetOverview(IFloatOverview* overview) {
    g_overview = overview;
}

// ---- The window -------------------------------------------------------------------------------

CSize CTembraViewWnd::GetClientSize() const {
    return CSize(viewport()->width(), viewport()->height());
}

std::unique_ptr<CDC> CTembraViewWnd::GetClientDC() {
    if (m_back.size() != viewport()->size() && m_backUsers == 0) {
        QImage grown(viewport()->size(), QImage::Format_RGB32);
        grown.fill(Qt::white);
        m_back = grown;
        m_dirty = QRegion(viewport()->rect());
    }
    CQtDC::Options options;
    options.dpiX = Dpi();
    options.dpiY = Dpi();
    options.size = m_back.size();
    return std::make_unique<ClientDC>(*this, options);
}

COLORREF CTembraViewWnd::GetWorkspaceColor() const {
    const QColor color = palette().color(QPalette::Dark);
    return RGB(color.red(), color.green(), color.blue());
}

void CTembraViewWnd::UpdateScrollBars() {
    const CSize total = m_view->GetTotalDeviceSize();
    const CPoint position = m_view->GetDeviceScrollPosition();
    const QSize client = viewport()->size();
    m_updatingBars = true;
    horizontalScrollBar()->setRange(0, std::max(0, static_cast<int>(total.cx) - client.width()));
    horizontalScrollBar()->setPageStep(std::max(1, client.width()));
    verticalScrollBar()->setRange(0, std::max(0, static_cast<int>(total.cy) - client.height()));
    verticalScrollBar()->setPageStep(std::max(1, client.height()));
    horizontalScrollBar()->setValue(position.x);
    verticalScrollBar()->setValue(position.y);
    m_updatingBars = false;
}

void CTembraViewWnd::ResizeParentToFit(const CSize& totalDevice) {
    m_frame.ResizeToFit(totalDevice);
}

void CTembraViewWnd::InvalidateRect(const CRect* deviceRect, bool erase) {
    static_cast<void>(erase); // every paint fills what lies outside the page
    const QRect r = deviceRect != nullptr ? ToQRect(*deviceRect) : viewport()->rect();
    m_dirty += r.intersected(viewport()->rect());
    viewport()->update(r);
}

void CTembraViewWnd::ValidateRect(const CRect& deviceRect) {
    m_dirty -= ToQRect(deviceRect);
}

bool CTembraViewWnd::GetUpdateRect(CRect& deviceRect) const {
    // A part of the window that something covers (a bar shown below the chart) gets no paint:
    // it is not waited for.
    const QRegion pending = m_dirty.intersected(viewport()->visibleRegion());
    if (pending.isEmpty()) {
        return false;
    }
    deviceRect = ToCRect(pending.boundingRect());
    return true;
}

void CTembraViewWnd::UpdateWindow() {
    if (!m_dirty.isEmpty() && viewport()->isVisible()) {
        viewport()->repaint(m_dirty.boundingRect());
    }
}

void CTembraViewWnd::paintEvent(QPaintEvent* event) {
    if (m_back.size() != viewport()->size() && m_backUsers == 0) {
        m_back = QImage(viewport()->size(), QImage::Format_RGB32);
        m_back.fill(Qt::white);
        m_dirty = QRegion(viewport()->rect());
    }
    const QRegion redraw = m_dirty.intersected(event->region());
    if (!redraw.isEmpty()) {
        // The image's painter, shared with the device contexts the drawing asks for.
        m_painting = true;
        {
            const PainterLease lease(*this);
            CQtDC::Options options;
            options.dpiX = Dpi();
            options.dpiY = Dpi();
            options.size = m_back.size();
            options.updateRect = redraw.boundingRect();
            CQtDC dc(m_backPainter, options);
            m_view->OnPaint(&dc);
        }
        m_painting = false;
        m_dirty -= redraw.boundingRect();
    }
    QPainter painter(viewport());
    for (const QRect& r : event->region()) {
        painter.drawImage(r, m_back, r);
    }
}

void CTembraViewWnd::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    m_view->OnSize();
}

void CTembraViewWnd::scrollContentsBy(int dx, int dy) {
    static_cast<void>(dx);
    static_cast<void>(dy);
    if (m_updatingBars) {
        return;
    }
    const QPoint position(horizontalScrollBar()->value(), verticalScrollBar()->value());
    m_view->OnScroll(CPoint(position.x(), position.y()));
    emit scrolled(position);
}

void CTembraViewWnd::ScrollToDevice(const QPoint& position) {
    m_view->OnScroll(CPoint(position.x(), position.y()));
    UpdateScrollBars();
}

void CTembraViewWnd::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    emit activated();
}

void CTembraViewWnd::wheelEvent(QWheelEvent* event) {
    const QPoint turn = event->angleDelta();
    if ((event->modifiers() & Qt::ControlModifier) != 0) {
        // One step of the zoom per notch, the chart point under the pointer kept there.
        constexpr int kNotch = 120;
        m_wheelZoom += turn.y() != 0 ? turn.y() : turn.x();
        const QPoint at = event->position().toPoint();
        while (std::abs(m_wheelZoom) >= kNotch) {
            const bool in = m_wheelZoom > 0;
            m_wheelZoom -= in ? kNotch : -kNotch;
            m_view->ZoomStepAt(in, CPoint(at.x(), at.y()));
        }
        event->accept();
        return;
    }
    if ((event->modifiers() & Qt::ShiftModifier) != 0 && turn.x() == 0) {
        // As on the desktop around it, Shift turns the wheel sideways (the scroll bar itself
        // would take Shift for a page up or down).
        QWheelEvent sideways(event->position(), event->globalPosition(),
                             event->pixelDelta().transposed(), turn.transposed(), event->buttons(),
                             event->modifiers() & ~Qt::ShiftModifier, event->phase(),
                             event->inverted(), event->source());
        QAbstractScrollArea::wheelEvent(&sideways);
        event->setAccepted(sideways.isAccepted());
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

// ---- Mouse --------------------------------------------------------------------------------------

bool CTembraViewWnd::ForwardMouse(int action, const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    return m_view->ObjectActionAt(action, KeyFlags(event.buttons(), event.modifiers()),
                                  CPoint(at.x(), at.y())) != FALSE;
}

void CTembraViewWnd::ShowHyperlinkTip(const QMouseEvent& event) {
    std::string link;
    const QPoint at = event.position().toPoint();
    const CObject* object = m_view->HitTestHyperlink(CPoint(at.x(), at.y()), &link);
    const auto id = object != nullptr && !link.empty() ? reinterpret_cast<std::uintptr_t>(object)
                                                       : std::uintptr_t{0};
    m_tip.UpdateTip(event.type() == QEvent::MouseMove, id, link);
}

bool CTembraViewWnd::viewportEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        ShowHyperlinkTip(*mouse);
        emit activated();
        if (mouse->button() == Qt::LeftButton) {
            return ForwardMouse(CMouseEvent::kLeftDown, *mouse);
        }
        if (mouse->button() == Qt::RightButton) {
            return ForwardMouse(CMouseEvent::kRightDown, *mouse);
        }
        return QAbstractScrollArea::viewportEvent(event);
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            return ForwardMouse(CMouseEvent::kLeftUp, *mouse);
        }
        if (mouse->button() == Qt::RightButton) {
            return ForwardMouse(CMouseEvent::kRightUp, *mouse);
        }
        return QAbstractScrollArea::viewportEvent(event);
    }
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            return ForwardMouse(CMouseEvent::kLeftDoubleClick, *mouse);
        }
        return QAbstractScrollArea::viewportEvent(event);
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool taken = ForwardMouse(CMouseEvent::kMove, *mouse);
        m_view->OnSetCursor(IsCursorOverView());
        ShowHyperlinkTip(*mouse);
        return taken;
    }
    default:
        return QAbstractScrollArea::viewportEvent(event);
    }
}

void CTembraViewWnd::SetCapture() {
    m_capture = true;
    WatchEscape(true);
    if (viewport()->isVisible()) {
        viewport()->grabMouse();
    }
}

void CTembraViewWnd::ReleaseCapture() {
    m_capture = false;
    WatchEscape(false);
    if (QWidget::mouseGrabber() == viewport()) {
        viewport()->releaseMouse();
    }
}

bool CTembraViewWnd::HasCapture() const {
    return m_capture;
}

void CTembraViewWnd::PostMouseEvent(int action, UINT keyFlags, const CPoint& devicePoint) {
    QPointer<CTembraViewWnd> self(this);
    QTimer::singleShot(0, this, [self, action, keyFlags, devicePoint] {
        if (self) {
            self->m_view->ObjectActionAt(action, keyFlags, devicePoint);
        }
    });
}

void CTembraViewWnd::PostObjectAction(const std::optional<CMouseEvent>& record) {
    QPointer<CTembraViewWnd> self(this);
    QTimer::singleShot(0, this, [self, record] {
        if (self) {
            self->m_view->OnObjectAction(0, record ? &*record : nullptr);
        }
    });
}

bool CTembraViewWnd::SetCursor(int cursor) {
    const std::optional<QCursor> shape = ViewCursor(cursor);
    if (!shape) {
        return false;
    }
    viewport()->setCursor(*shape);
    return true;
}

bool CTembraViewWnd::IsCursorOverView() const {
    if (!viewport()->isVisible()) {
        return false;
    }
    const QPoint global = QCursor::pos();
    const QPoint at = viewport()->mapFromGlobal(global);
    if (!viewport()->rect().contains(at)) {
        return false;
    }
    // No other window (a menu, a dialog, another chart) above the view at the pointer.
    const QWidget* top = QApplication::widgetAt(global);
    return top == nullptr || top == viewport() || viewport()->isAncestorOf(top);
}

void CTembraViewWnd::SetAutoScroll(bool on) {
    if (on && !m_autoScroll.isActive()) {
        m_autoScroll.start();
    } else if (!on) {
        m_autoScroll.stop();
    }
}

void CTembraViewWnd::OnAutoScroll() {
    if (!m_capture) {
        m_autoScroll.stop();
        return;
    }
    const QPoint at = viewport()->mapFromGlobal(QCursor::pos());
    if (viewport()->rect().contains(at)) {
        return;
    }
    m_view->ObjectActionAt(
        CMouseEvent::kMove,
        KeyFlags(QGuiApplication::mouseButtons(), QGuiApplication::queryKeyboardModifiers()),
        CPoint(at.x(), at.y()));
}

void CTembraViewWnd::SetCursorPos(const CPoint& devicePoint) {
    // Wayland lets no program move the pointer: there it stays where the user has it.
    if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) {
        return;
    }
    QCursor::setPos(viewport()->mapToGlobal(QPoint(devicePoint.x, devicePoint.y)));
}

CPoint CTembraViewWnd::GetCursorPos() const {
    const QPoint at = viewport()->mapFromGlobal(QCursor::pos());
    return CPoint(at.x(), at.y());
}

QWidget* CTembraViewWnd::GetEditParent() const {
    return viewport();
}

// ---- The splitter -------------------------------------------------------------------------------

int CTembraViewWnd::GetPaneRow() const {
    int row = 0;
    int column = 0;
    m_frame.PlaceOf(this, row, column);
    return row;
}

int CTembraViewWnd::GetPaneColumn() const {
    int row = 0;
    int column = 0;
    m_frame.PlaceOf(this, row, column);
    return column;
}

int CTembraViewWnd::GetSplitterRows() const {
    return m_frame.Rows();
}

int CTembraViewWnd::GetSplitterColumns() const {
    return m_frame.Columns();
}

std::vector<SplitterPane> CTembraViewWnd::GetOtherPanes() const {
    return m_frame.OtherPanes(this);
}

bool CTembraViewWnd::IsHalfScroll() const {
    return m_app.IsHalfScroll();
}

bool CTembraViewWnd::HasDialog(const char* name) const {
    return m_app.HasDialog(name);
}

// ---- Printing -----------------------------------------------------------------------------------

void CTembraViewWnd::MakePrinter(const PrinterDevMode& devMode, const QString& file) {
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    CTembraPrintDialog::ConfigurePrinter(*m_printer, devMode, file);
}

void CTembraViewWnd::PaperOf(CPrintInfo& info) const {
    if (!m_printer) {
        return;
    }
    // The printable area, 0.1 mm.
    const QRectF area = m_printer->pageLayout().paintRect(QPageLayout::Millimeter);
    info.m_paperSize = CSize(static_cast<LONG>(std::lround(area.width() * 10)),
                             static_cast<LONG>(std::lround(area.height() * 10)));
}

bool CTembraViewWnd::GetPrinterDefaults(CPrintInfo& info) {
    if (info.m_bDirect && m_printer) {
        // The command line named the printer.
        PaperOf(info);
        return true;
    }
    PrinterDevMode devMode;
    if (!m_app.GetPrinterDefaults(m_document, devMode)) {
        return false;
    }
    MakePrinter(devMode, QString());
    PaperOf(info);
    return true;
}

int CTembraViewWnd::RunPrintDialog(CPrintInfo& info) {
    CTembraPrintDialog dialog(m_app.GetPrinters(), window());
    dialog.SetPageRange(info.m_nMinPage, info.m_nMaxPage, info.m_nFromPage, info.m_nToPage);
    // The PDF printer proposes a file beside the chart's (or in the home folder, untitled).
    const QString path = QString::fromStdString(m_document.GetPathName());
    const QFileInfo chart(path.isEmpty() ? QDir::home().filePath(QStringLiteral("chart.tbr"))
                                         : path);
    dialog.SetOutputFile(chart.dir().filePath(chart.completeBaseName() + QStringLiteral(".pdf")));
    PrinterDevMode devMode;
    QPointer<CTembraViewWnd> self(this);
    const int result = m_app.DoPrintDialog(m_document, dialog, devMode, [self] {
        // The preview starts once the dialogs are closed.
        QTimer::singleShot(0, self, [self] {
            if (self) {
                self->m_view->OnFilePrintPreview();
            }
        });
    });
    if (result != IDOK) {
        return IDCANCEL;
    }
    MakePrinter(devMode, dialog.OutputFile());
    m_printer->setCopyCount(dialog.Copies());
    info.m_nFromPage = dialog.FromPage();
    info.m_nToPage = dialog.ToPage();
    PaperOf(info);
    return IDOK;
}

bool CTembraViewWnd::HasPrinterDevice(CPrintInfo& info) {
    static_cast<void>(info);
    return m_printer != nullptr && m_printer->isValid();
}

bool CTembraViewWnd::PrintPages(QPrinter& printer, CPrintInfo& info) {
    // A file that cannot be written, or a printer that is gone, does not start.
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    CQtDC dc(&painter, CQtDC::ForPrinter(printer));
    m_view->OnBeginPrinting();
    const UINT first = std::max(info.m_nFromPage, info.m_nMinPage);
    const UINT last = std::min(info.m_nToPage, info.m_nMaxPage);
    for (UINT page = first; page <= last; ++page) {
        if (page != first) {
            dc.Flush();
            printer.newPage();
        }
        info.m_nCurPage = page;
        const int saved = dc.SaveDC();
        m_view->OnPrepareDC(&dc);
        m_view->OnPrint(&dc, info);
        dc.RestoreDC(saved);
    }
    m_view->OnEndPrinting();
    return true;
}

bool CTembraViewWnd::RunPrintJob(CPrintInfo& info) {
    if (!PrintPages(*m_printer, info)) {
        ReportPrintFailure(*m_printer);
        return false;
    }
    return true;
}

void CTembraViewWnd::Print() {
    CPrintInfo info;
    if (!m_view->OnPreparePrinting(info) || !m_printer) {
        return;
    }
    RunPrintJob(info);
}

bool CTembraViewWnd::PrintDirect(const std::string& printerName, const std::string& pdfFile) {
    PrinterDevMode devMode;
    if (!m_app.GetPrinterDefaults(m_document, devMode)) {
        return false;
    }
    if (!printerName.empty()) {
        devMode.deviceName = printerName;
    }
    MakePrinter(devMode, QString::fromStdString(pdfFile));
    CPrintInfo info;
    info.m_bDirect = true;
    if (!m_view->OnPreparePrinting(info)) {
        return false;
    }
    return RunPrintJob(info);
}

bool CTembraViewWnd::StartPreview() {
    if (m_preview) {
        return true;
    }
    auto info = std::make_unique<CPrintInfo>();
    info->m_bPreview = true;
    if (!m_view->OnPreparePrinting(*info) || !m_printer) {
        return false;
    }
    m_previewInfo = std::move(info);
    m_view->OnBeginPrinting();
    auto* preview = new CPreviewViewEx(m_printer.get());
    m_preview = preview;
    connect(preview, &CPreviewViewEx::paintRequested, this,
            [this](QPrinter* printer) { PaintPreview(printer); });
    connect(preview, &CPreviewViewEx::closeRequested, this, [this] { LeavePreview(0); });
    connect(preview, &CPreviewViewEx::setupRequested, this,
            [this] { LeavePreview(ID_FILE_PRINT_SETUP); });
    connect(preview, &CPreviewViewEx::printRequested, this,
            [this] { LeavePreview(ID_FILE_PRINT); });
    m_app.ShowPreview(preview);
    preview->UpdatePreview();
    return true;
}

void CTembraViewWnd::PaintPreview(QPrinter* printer) {
    if (m_previewDrawing || !m_previewInfo) {
        return;
    }
    m_previewDrawing = true;
    m_previewAbort = false;
    m_lastAbortCheck = QDateTime::currentMSecsSinceEpoch();
    CPrintInfo info = *m_previewInfo;
    // Each page is drawn at the scale the preview shows it, through the printer's page set-up,
    // and laid on the preview's page: drawn at the printer's resolution and shrunk on the
    // screen, pens of one device pixel and their dash patterns would keep their printer sizes
    // in screen pixels, so that thin dotted lines would show as heavy bars.
    const double dpi = m_preview ? m_preview->PageDpi() : printer->resolution();
    const QRect full = printer->pageLayout().fullRectPixels(printer->resolution());
    const QRect paint = printer->pageLayout().paintRectPixels(printer->resolution());
    const QRect sheet(full.topLeft() - paint.topLeft(), full.size());
    m_view->OnBeginPrinting();
    QPainter painter(printer);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (UINT page = info.m_nMinPage; page <= info.m_nMaxPage; ++page) {
        if (page != info.m_nMinPage) {
            printer->newPage();
        }
        painter.drawImage(sheet, DrawPreviewPage(*printer, info, page, dpi));
    }
    painter.end();
    m_view->OnEndPrinting();
    m_view->OnBeginPrinting();
    m_previewDrawing = false;
}

QImage CTembraViewWnd::DrawPreviewPage(const QPrinter& printer, CPrintInfo& info, UINT page,
                                       double dpi) {
    const int resolution = std::max(1, static_cast<int>(std::lround(dpi)));
    const QPageLayout layout = printer.pageLayout();
    const QRect full = layout.fullRectPixels(resolution);
    const QRect paint = layout.paintRectPixels(resolution);
    QImage image(full.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(paint.topLeft() - full.topLeft());
    // The printer's device context at the preview's resolution.
    CQtDC::Options options = CQtDC::ForPrinter(printer);
    options.dpiX = resolution;
    options.dpiY = resolution;
    options.size = paint.size();
    options.physicalOffset = paint.topLeft() - full.topLeft();
    options.physicalSize = full.size();
    CQtDC dc(&painter, options);
    info.m_nCurPage = page;
    const int saved = dc.SaveDC();
    m_view->OnPrepareDC(&dc);
    m_view->OnPrint(&dc, info);
    dc.RestoreDC(saved);
    return image;
}

bool CTembraViewWnd::TakePreviewAbort() {
    if (!m_previewDrawing) {
        return false;
    }
    if (!m_previewAbort) {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        if (now - m_lastAbortCheck >= kAbortCheckMs) {
            m_lastAbortCheck = now;
            // Only a right press gets through while the page is drawn.
            PreviewInputFilter filter;
            qApp->installEventFilter(&filter);
            QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
            qApp->removeEventFilter(&filter);
            m_previewAbort = filter.rightPressed;
        }
    }
    const bool abort = m_previewAbort;
    m_previewAbort = false;
    return abort;
}

void CTembraViewWnd::EndPreview() {
    if (!m_preview) {
        return;
    }
    CPreviewViewEx* preview = m_preview.data();
    m_preview.clear();
    m_previewInfo.reset();
    m_view->OnEndPrinting();
    m_app.EndPreview(preview);
    preview->hide();
    preview->deleteLater();
}

void CTembraViewWnd::LeavePreview(UINT command) {
    EndPreview();
    // While the preview was shown no chart window was active; the one that started it becomes
    // active again, so that its document's commands are enabled and the button's command
    // reaches this view rather than whichever window the application would pick.
    for (QWidget* up = parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(up)) {
            if (QMdiArea* area = sub->mdiArea()) {
                area->setActiveSubWindow(sub);
            }
            break;
        }
    }
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    emit activated();
    if (command != 0) {
        m_view->OnCommand(command);
    }
}

void CTembraViewWnd::RunPrinterSetup() {
    m_app.RunPrinterSetup(m_document);
}

} // namespace tembra
