#include "layout_editor/LayoutViewWnd.h"

#include "platform/GdiObjects.h"
#include "platform/Sjis.h"
#include "platform/qt/QtDC.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace marquell {

namespace {

// How often the last move is repeated while the pointer is out during a drag.
constexpr int kAutoScrollMs = 50;

CPoint At(const QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    return CPoint(at.x(), at.y());
}

} // namespace

UINT MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    UINT flags = 0;
    flags |= (buttons & Qt::LeftButton) != 0 ? UINT{MK_LBUTTON} : 0;
    flags |= (buttons & Qt::RightButton) != 0 ? UINT{MK_RBUTTON} : 0;
    flags |= (modifiers & Qt::ShiftModifier) != 0 ? UINT{MK_SHIFT} : 0;
    flags |= (modifiers & Qt::ControlModifier) != 0 ? UINT{MK_CONTROL} : 0;
    return flags;
}

// The cursors of the modes: crosses where something is drawn, arrows where something is picked,
// a cross of arrows where it is moved or copied; the selection's marks their sizing cursors.
Qt::CursorShape CLayoutViewWnd::CursorOf(int code) {
    switch (code) {
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
    case kCursorSizeNWSE:
        return Qt::SizeFDiagCursor;
    case kCursorSizeNESW:
        return Qt::SizeBDiagCursor;
    case kCursorSizeWE:
        return Qt::SizeHorCursor;
    case kCursorSizeNS:
        return Qt::SizeVerCursor;
    default:
        return Qt::ArrowCursor;
    }
}

CLayoutViewWnd::CLayoutViewWnd(CMarquellDoc& doc, CAppSettings& app, QWidget* parent)
    : QAbstractScrollArea(parent) {
    // The screen's resolution, as the measuring device context has it.
    m_dpi = tembra::CQtDC::ForScreen()->GetDeviceCaps(tembra::LOGPIXELSX);
    m_view = std::make_unique<CMarquellView>(doc, app, *this);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    m_autoScroll.setInterval(kAutoScrollMs);
    connect(&m_autoScroll, &QTimer::timeout, this, &CLayoutViewWnd::OnAutoScroll);
}

CLayoutViewWnd::~CLayoutViewWnd() = default;

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
    const QRect rect(deviceRect.left, deviceRect.top, deviceRect.right - deviceRect.left,
                     deviceRect.bottom - deviceRect.top);
    m_dirty += rect;
    viewport()->update(rect);
}

void CLayoutViewWnd::InvalidateAll() {
    m_dirty = QRegion(viewport()->rect());
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

void CLayoutViewWnd::SetCapture() {
    m_captured = true;
    if (viewport()->isVisible()) {
        viewport()->grabMouse();
    }
}

void CLayoutViewWnd::ReleaseCapture() {
    if (m_captured && viewport()->isVisible()) {
        viewport()->releaseMouse();
    }
    m_captured = false;
}

void CLayoutViewWnd::Render() {
    const QSize size = viewport()->size();
    if (m_back.size() != size) {
        m_back = QImage(size, QImage::Format_RGB32);
        m_back.fill(Qt::white);
        m_dirty = QRegion(viewport()->rect());
    }
    if (m_dirty.isEmpty()) {
        return;
    }
    tembra::CQtDC::Options options;
    options.dpiX = m_dpi;
    options.dpiY = m_dpi;
    options.updateRect = m_dirty.boundingRect();
    m_dirty = QRegion();
    tembra::CQtDC dc(&m_back, options);
    m_view->OnPaint(&dc);
}

void CLayoutViewWnd::UpdateWindow() {
    const QRect rendered = m_dirty.boundingRect();
    Render();
    if (!rendered.isEmpty()) {
        viewport()->update(rendered);
    }
}

void CLayoutViewWnd::DrawDirect(const std::function<void(CDC*)>& draw) {
    Render();
    {
        tembra::CQtDC::Options options;
        options.dpiX = m_dpi;
        options.dpiY = m_dpi;
        tembra::CQtDC dc(&m_back, options);
        draw(&dc);
    }
    viewport()->update();
}

void CLayoutViewWnd::SetAutoScroll(bool on) {
    if (on && !m_autoScroll.isActive()) {
        m_autoScroll.start();
    } else if (!on) {
        m_autoScroll.stop();
    }
}

void CLayoutViewWnd::OnAutoScroll() {
    const QPoint at = viewport()->mapFromGlobal(QCursor::pos());
    if (!m_captured || viewport()->rect().contains(at)) {
        m_autoScroll.stop();
        return;
    }
    m_view->OnMouseMove(
        MouseFlags(QGuiApplication::mouseButtons(), QGuiApplication::queryKeyboardModifiers()),
        CPoint(at.x(), at.y()));
}

void CLayoutViewWnd::SetPaneText(int pane, const std::string& text) {
    if (m_paneHandler) {
        m_paneHandler(pane, text);
    }
}

void CLayoutViewWnd::ShowContextMenu(const CPoint& devicePoint) {
    if (m_menuHandler) {
        m_menuHandler(viewport()->mapToGlobal(QPoint(devicePoint.x, devicePoint.y)));
    }
}

void CLayoutViewWnd::RefreshCursor() {
    const QPoint at = viewport()->mapFromGlobal(QCursor::pos());
    viewport()->setCursor(CursorOf(m_view->GetCursorShape(CPoint(at.x(), at.y()))));
}

void CLayoutViewWnd::paintEvent(QPaintEvent* event) {
    Render();
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
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const UINT flags = MouseFlags(mouse->buttons(), mouse->modifiers());
        const bool press = event->type() == QEvent::MouseButtonPress;
        if (mouse->button() == Qt::LeftButton) {
            if (event->type() == QEvent::MouseButtonDblClick) {
                m_view->OnLButtonDblClk(flags, At(mouse));
            } else if (press) {
                m_view->OnLButtonDown(flags, At(mouse));
            } else {
                m_view->OnLButtonUp(flags, At(mouse));
            }
        } else if (mouse->button() == Qt::RightButton) {
            if (event->type() == QEvent::MouseButtonRelease) {
                m_view->OnRButtonUp(flags, At(mouse));
            } else {
                m_view->OnRButtonDown(flags, At(mouse));
            }
        }
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_beforeMove) {
            m_beforeMove();
        }
        m_view->OnMouseMove(MouseFlags(mouse->buttons(), mouse->modifiers()), At(mouse));
        viewport()->setCursor(CursorOf(m_view->GetCursorShape(At(mouse))));
        return true;
    }
    default:
        return QAbstractScrollArea::viewportEvent(event);
    }
}

} // namespace marquell
