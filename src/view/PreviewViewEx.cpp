#include "view/PreviewViewEx.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tembra {

namespace {

struct BarButton {
    UINT id;
    const char* text;
};

// The bar's buttons in their order; the page button's text is set as the view changes.
constexpr BarButton kButtons[] = {
    {CPreviewViewEx::ID_PREVIEW_CLOSE, "閉じる(&C)"},
    {CPreviewViewEx::ID_PREVIEW_SETUP, "設定(&S)..."},
    {CPreviewViewEx::ID_PREVIEW_PRINT, "印刷(&P)..."},
    {CPreviewViewEx::ID_PREVIEW_NEXT, "次ﾍﾟｰｼﾞ(&N)"},
    {CPreviewViewEx::ID_PREVIEW_PREV, "前ﾍﾟｰｼﾞ(&V)"},
    {CPreviewViewEx::ID_PREVIEW_NUMPAGE, ""},
    {CPreviewViewEx::ID_PREVIEW_ZOOMIN, "拡大(&I)"},
    {CPreviewViewEx::ID_PREVIEW_ZOOMOUT, "縮小(&O)"},
};

// Holds back the paint events of the preview's widgets while its pages are drawn anew.
class OldPagesUnpainted : public QObject {
public:
    explicit OldPagesUnpainted(const QWidget* preview) : m_preview(preview) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            m_preview->isAncestorOf(static_cast<QWidget*>(watched))) {
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QWidget* m_preview;
};

} // namespace

CPreviewViewEx::CPreviewViewEx(QPrinter* printer, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("170"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QHBoxLayout;
    for (const BarButton& b : kButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.text), this);
        button->setObjectName(QString::number(b.id));
        const UINT id = b.id;
        connect(button, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
        bar->addWidget(button);
    }
    bar->addStretch();
    layout->addLayout(bar);
    m_pages = new QPrintPreviewWidget(printer, this);
    layout->addWidget(m_pages, 1);
    connect(m_pages, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* p) {
        m_drawnDpi = PageDpi();
        // The old pages' pictures are rewritten while the new ones are drawn: nothing of the
        // preview may paint them meanwhile (the abort check lets paint events through).
        m_drawing = true;
        OldPagesUnpainted unpainted(this);
        qApp->installEventFilter(&unpainted);
        emit paintRequested(p);
        qApp->removeEventFilter(&unpainted);
        m_drawing = false;
        update();
    });
    connect(m_pages, &QPrintPreviewWidget::previewChanged, this, [this] {
        UpdateButtons();
        // The pages are drawn at the scale they are shown at: a zoom, or a fit to a window of
        // another size, draws them anew (once the view has settled).
        if (m_drawnDpi > 0 && std::abs(PageDpi() - m_drawnDpi) > m_drawnDpi * 0.01 &&
            !m_redrawDue) {
            m_redrawDue = true;
            ScheduleRedraw();
        }
    });
    UpdateButtons();
}

CPreviewViewEx::~CPreviewViewEx() = default;

QPushButton* CPreviewViewEx::Button(UINT id) const {
    return findChild<QPushButton*>(QString::number(id));
}

void CPreviewViewEx::ScheduleRedraw() {
    QTimer::singleShot(0, this, [this] {
        // Due while the pages are still drawn: after them.
        if (m_drawing) {
            ScheduleRedraw();
            return;
        }
        m_redrawDue = false;
        // A preview put away (its printer may be gone with it) draws nothing.
        if (isVisible()) {
            UpdatePreview();
        }
    });
}

void CPreviewViewEx::UpdatePreview() {
    m_pages->updatePreview();
    UpdateButtons();
}

double CPreviewViewEx::PageDpi() const {
    return m_pages->zoomFactor() * m_pages->logicalDpiY();
}

void CPreviewViewEx::OnCommand(UINT id) {
    switch (id) {
    case ID_PREVIEW_CLOSE:
        emit closeRequested();
        break;
    case ID_PREVIEW_SETUP:
        emit setupRequested();
        break;
    case ID_PREVIEW_PRINT:
        emit printRequested();
        break;
    case ID_PREVIEW_NEXT:
        m_pages->setCurrentPage(m_pages->currentPage() + (m_twoPages ? 2 : 1));
        break;
    case ID_PREVIEW_PREV:
        m_pages->setCurrentPage(std::max(1, m_pages->currentPage() - (m_twoPages ? 2 : 1)));
        break;
    case ID_PREVIEW_NUMPAGE:
        m_twoPages = !m_twoPages;
        m_pages->setViewMode(m_twoPages ? QPrintPreviewWidget::FacingPagesView
                                        : QPrintPreviewWidget::SinglePageView);
        break;
    case ID_PREVIEW_ZOOMIN:
        m_pages->zoomIn();
        break;
    case ID_PREVIEW_ZOOMOUT:
        m_pages->zoomOut();
        break;
    default:
        return;
    }
    UpdateButtons();
}

void CPreviewViewEx::UpdateButtons() {
    const int page = m_pages->currentPage();
    const int pages = m_pages->pageCount();
    Button(ID_PREVIEW_NEXT)->setEnabled(page < pages);
    Button(ID_PREVIEW_PREV)->setEnabled(page > 1);
    Button(ID_PREVIEW_NUMPAGE)
        ->setText(QString::fromUtf8(m_twoPages ? "1ﾍﾟｰｼﾞ(&O)" : "2ﾍﾟｰｼﾞ(&T)"));
    Button(ID_PREVIEW_NUMPAGE)->setEnabled(pages > 1 || m_twoPages);
}

} // namespace tembra
