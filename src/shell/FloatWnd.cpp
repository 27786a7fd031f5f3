#include "shell/FloatWnd.h"

#include "document/AppState.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/QtDC.h"
#include "shell/core/FramePositions.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QScreen>

#include <map>

namespace tembra {

namespace {

QRect ToQRect(const CRect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

CRect ToCRect(const QRect& r) {
    return CRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

CPoint ToCPoint(const QMouseEvent& event) {
    const QPoint p = event.position().toPoint();
    return CPoint(p.x(), p.y());
}

// The overview's own cursors, drawn in code: 328 a cross-hair with a small frame (the frame is
// centred here), 329 four open arrows (the frame moves), 330 four filled arrows (it is moving).
QCursor DrawCursor(int id) {
    constexpr int kSize = 32;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPoint c(kSize / 2, kSize / 2);
    if (id == CFloatView::kCursorCentre) {
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(c.x(), 2, c.x(), kSize - 3);
        p.drawLine(2, c.y(), kSize - 3, c.y());
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(c.x(), 2, c.x(), kSize - 3);
        p.drawLine(2, c.y(), kSize - 3, c.y());
        p.setPen(QPen(Qt::red, 2));
        p.drawRect(QRect(c - QPoint(6, 4), QSize(12, 8)));
        return QCursor(pixmap, c.x(), c.y());
    }
    const bool filled = id == CFloatView::kCursorMoving;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(filled ? QBrush(Qt::black) : QBrush(Qt::white));
    const QPolygon up({QPoint(0, -14), QPoint(-5, -8), QPoint(-2, -8), QPoint(-2, -2),
                       QPoint(2, -2), QPoint(2, -8), QPoint(5, -8)});
    for (int turn = 0; turn < 4; ++turn) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(90.0 * turn);
        p.drawPolygon(t.map(up));
    }
    return QCursor(pixmap, c.x(), c.y());
}

QCursor FloatCursor(int id) {
    switch (id) {
    case CFloatView::kCursorSizeNWSE:
        return QCursor(Qt::SizeFDiagCursor);
    case CFloatView::kCursorSizeNESW:
        return QCursor(Qt::SizeBDiagCursor);
    case CFloatView::kCursorCentre:
    case CFloatView::kCursorMove:
    case CFloatView::kCursorMoving: {
        static std::map<int, QCursor> made;
        if (const auto it = made.find(id); it != made.end()) {
            return it->second;
        }
        return made.emplace(id, DrawCursor(id)).first->second;
    }
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

} // namespace

// The painter of the backing image lent to the device contexts of the window and to a paint that
// comes meanwhile; the last one to go ends it and shows what was drawn.
class CFloatWnd::PainterLease {
public:
    explicit PainterLease(CFloatWnd& wnd) : m_wnd(wnd) {
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
        if (!m_wnd.m_painting) {
            m_wnd.update();
        }
    }
    PainterLease(const PainterLease&) = delete;
    PainterLease& operator=(const PainterLease&) = delete;

protected:
    CFloatWnd& m_wnd;
};

class CFloatWnd::ClientDC : private PainterLease, public CQtDC {
public:
    ClientDC(CFloatWnd& wnd, const Options& options)
        : PainterLease(wnd), CQtDC(wnd.m_backPainter, options) {}
};

CFloatWnd::CFloatWnd(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    m_dpi = CQtDC::ForScreen()->GetDeviceCaps(LOGPIXELSX);
    m_back = QImage(QSize(1, 1), QImage::Format_RGB32);
    m_back.fill(Qt::white);
}

CFloatWnd::~CFloatWnd() = default;

BOOL CFloatWnd::Create(const CRect& stored) {
    QSize screen(1024, 768);
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screen = primary->size();
    }
    setWindowTitle(QString());
    setGeometry(ToQRect(FramePositions::PlaceFloatWnd(stored, screen.width(), screen.height())));
    return TRUE;
}

// ---- IFloatOverview -----------------------------------------------------------------------------

void CFloatWnd::UpdateFloatView(CView* sender, LPARAM hint, CObject* hintObject) {
    if (m_shown != 0) {
        m_view.OnUpdate(sender, hint, hintObject);
    }
}

void CFloatWnd::Refresh() {
    m_chartKey.reset();
    InvalidateRect(nullptr, true);
}

void CFloatWnd::RepaintNow() {
    UpdateWindow();
}

void CFloatWnd::ForgetView(CView* view) {
    m_view.ForgetView(view);
}

// ---- The window ---------------------------------------------------------------------------------

void CFloatWnd::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The desktop hiding and showing the tool window with its owner is not the user's choice.
    if (!event->spontaneous()) {
        m_shown = 1;
        // A hidden overview heard of no activation: it starts with the active chart view.
        if (const CAppState* state = GetAppState()) {
            if (CView* view = state->GetActiveView()) {
                m_view.OnUpdate(view, CFloatView::kHintActiveView, nullptr);
            }
        }
    }
}

void CFloatWnd::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        m_shown = 0;
    }
}

void CFloatWnd::closeEvent(QCloseEvent* event) {
    // Closing only hides the window; the main window owns it.
    event->ignore();
    hide();
}

CSize CFloatWnd::GetClientSize() const {
    return CSize(width(), height());
}

void CFloatWnd::FitBackingImage() {
    if (m_back.size() != size() && m_backUsers == 0) {
        m_back = QImage(size(), QImage::Format_RGB32);
        m_back.fill(palette().color(QPalette::Dark));
        m_dirty = QRegion(rect());
    }
}

std::unique_ptr<CDC> CFloatWnd::GetClientDC() {
    FitBackingImage();
    CQtDC::Options options;
    options.dpiX = m_dpi;
    options.dpiY = m_dpi;
    options.size = m_back.size();
    return std::make_unique<ClientDC>(*this, options);
}

void CFloatWnd::SetCaption(const std::string& text) {
    setWindowTitle(FromCp932(text));
}

void CFloatWnd::InvalidateRect(const CRect* deviceRect, bool erase) {
    static_cast<void>(erase); // every paint copies the whole part from the chart's image
    const QRect r = deviceRect != nullptr ? ToQRect(*deviceRect) : rect();
    m_dirty += r.intersected(rect());
    update(r);
}

void CFloatWnd::ValidateRect(const CRect& deviceRect) {
    m_dirty -= ToQRect(deviceRect);
}

bool CFloatWnd::GetUpdateRect(CRect& deviceRect) const {
    if (m_dirty.isEmpty()) {
        return false;
    }
    deviceRect = ToCRect(m_dirty.boundingRect());
    return true;
}

void CFloatWnd::UpdateWindow() {
    if (!m_dirty.isEmpty() && isVisible()) {
        repaint(m_dirty);
    }
}

void CFloatWnd::SetCapture() {
    m_capture = true;
}

void CFloatWnd::ReleaseCapture() {
    m_capture = false;
}

bool CFloatWnd::HasCapture() const {
    return m_capture;
}

void CFloatWnd::SetCursor(int cursor) {
    setCursor(FloatCursor(cursor));
}

// ---- Painting -----------------------------------------------------------------------------------

void CFloatWnd::RefreshChart() {
    const CFloatView::ChartKey key = m_view.GetChartKey();
    if (m_chartKey == key && m_chart.size() == size()) {
        return;
    }
    m_chart = QImage(size(), QImage::Format_RGB32);
    m_chart.fill(palette().color(QPalette::Dark));
    {
        CQtDC::Options options;
        options.dpiX = m_dpi;
        options.dpiY = m_dpi;
        options.size = m_chart.size();
        CQtDC dc(&m_chart, options);
        m_view.DrawChart(&dc);
    }
    m_chartKey = key;
}

void CFloatWnd::paintEvent(QPaintEvent* event) {
    FitBackingImage();
    const QRegion redraw = m_dirty.intersected(event->region());
    if (!redraw.isEmpty()) {
        RefreshChart();
        m_painting = true;
        {
            const PainterLease lease(*this);
            QPainter& painter = *m_backPainter;
            painter.save();
            painter.setClipRegion(redraw);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            for (const QRect& r : redraw) {
                painter.drawImage(r, m_chart, r);
            }
            painter.restore();
            CQtDC::Options options;
            options.dpiX = m_dpi;
            options.dpiY = m_dpi;
            options.size = m_back.size();
            options.updateRect = redraw.boundingRect();
            CQtDC dc(m_backPainter, options);
            m_view.DrawFrame(&dc);
        }
        m_painting = false;
        m_dirty -= redraw;
    }
    QPainter painter(this);
    for (const QRect& r : event->region()) {
        painter.drawImage(r, m_back, r);
    }
}

void CFloatWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_dirty = QRegion(rect());
    update();
}

// ---- Mouse --------------------------------------------------------------------------------------

void CFloatWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_view.OnLButtonDown(ToCPoint(*event));
    }
}

void CFloatWnd::mouseMoveEvent(QMouseEvent* event) {
    if (m_capture) {
        m_view.OnMouseMove(ToCPoint(*event));
        return;
    }
    if (!m_view.OnSetCursor(ToCPoint(*event))) {
        unsetCursor();
    }
}

void CFloatWnd::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_view.OnLButtonUp(ToCPoint(*event));
    }
}

void CFloatWnd::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_view.OnLButtonDblClk(ToCPoint(*event));
    } else if (event->button() == Qt::RightButton) {
        m_view.OnRButtonDblClk(ToCPoint(*event));
    }
}

} // namespace tembra
