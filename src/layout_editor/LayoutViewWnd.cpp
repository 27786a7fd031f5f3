#include "layout_editor/LayoutViewWnd.h"

#include "platform/GdiObjects.h"
#include "platform/Sjis.h"
#include "platform/qt/QtDC.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace marquell {

namespace {

// The cursor of a mode's cursor resource: crosses where something is drawn, arrows where
// something is picked, a cross of arrows where it is moved or copied.
Qt::CursorShape CursorOf(int resource) {
    switch (resource) {
    case 104:
    case 106:
    case 108:
    case 111:
        return Qt::CrossCursor;
    case 115:
        return Qt::DragCopyCursor;
    case 117:
        return Qt::SizeAllCursor;
    case 118:
        return Qt::SizeFDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

CLayoutViewWnd::CLayoutViewWnd(CMarquellDoc& doc, CAppSettings& app, QWidget* parent)
    : QAbstractScrollArea(parent) {
    // The screen's resolution, as the measuring device context has it.
    m_dpi = tembra::CQtDC::ForScreen()->GetDeviceCaps(tembra::LOGPIXELSX);
    m_view = std::make_unique<CMarquellView>(doc, app, *this);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

CLayoutViewWnd::~CLayoutViewWnd() = default;

int CLayoutViewWnd::Dpi() const {
    return m_dpi;
}

CSize CLayoutViewWnd::GetClientSize() const {
    return CSize(viewport()->width(), viewport()->height());
}

std::unique_ptr<CDC> CLayoutViewWnd::CreateMeasureDC() const {
    return tembra::CQtDC::ForScreen();
}

void CLayoutViewWnd::UpdateScrollBars() {
    const CSize total = m_view->GetTotalDeviceSize();
    const CPoint position = m_view->GetDeviceScrollPosition();
    const QSize client = viewport()->size();
    m_updatingBars = true;
    horizontalScrollBar()->setRange(0, std::max(0, static_cast<int>(total.cx) - client.width()));
    horizontalScrollBar()->setPageStep(client.width());
    verticalScrollBar()->setRange(0, std::max(0, static_cast<int>(total.cy) - client.height()));
    verticalScrollBar()->setPageStep(client.height());
    horizontalScrollBar()->setValue(position.x);
    verticalScrollBar()->setValue(position.y);
    m_updatingBars = false;
}

void CLayoutViewWnd::Invalidate(const CRect& deviceRect) {
    viewport()->update(QRect(deviceRect.left, deviceRect.top, deviceRect.right - deviceRect.left,
                             deviceRect.bottom - deviceRect.top));
}

void CLayoutViewWnd::InvalidateAll() {
    viewport()->update();
}

COLORREF CLayoutViewWnd::GetWorkspaceColor() const {
    const QColor color = palette().color(QPalette::Dark);
    return tembra::RGB(color.red(), color.green(), color.blue());
}

std::string CLayoutViewWnd::GetFrameTitle() const {
    return tembra::Sjis::FromUtf8(window()->windowTitle().toStdString());
}

void CLayoutViewWnd::SetFrameTitle(const std::string& title) {
    window()->setWindowTitle(QString::fromStdString(tembra::Sjis::ToUtf8(title)));
}

void CLayoutViewWnd::paintEvent(QPaintEvent* event) {
    const QSize size = viewport()->size();
    if (m_back.size() != size) {
        m_back = QImage(size, QImage::Format_RGB32);
        m_back.fill(Qt::white);
    }
    {
        tembra::CQtDC::Options options;
        options.dpiX = Dpi();
        options.dpiY = Dpi();
        options.updateRect = event->rect();
        tembra::CQtDC dc(&m_back, options);
        m_view->OnPaint(&dc);
    }
    QPainter painter(viewport());
    painter.drawImage(event->rect(), m_back, event->rect());
}

void CLayoutViewWnd::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    m_view->OnSize();
}

void CLayoutViewWnd::scrollContentsBy(int dx, int dy) {
    static_cast<void>(dx);
    static_cast<void>(dy);
    if (!m_updatingBars) {
        m_view->OnScroll(CPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()));
    }
}

bool CLayoutViewWnd::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        viewport()->setCursor(CursorOf(m_view->GetCursorShape(CPoint(at.x(), at.y()))));
    }
    return QAbstractScrollArea::viewportEvent(event);
}

} // namespace marquell
