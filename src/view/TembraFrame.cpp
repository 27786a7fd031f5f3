#include "view/TembraFrame.h"

#include "view/TembraViewWnd.h"

#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>

namespace tembra {

namespace {

// The place of a pane not in use: an empty widget the divider can be dragged over.
QWidget* MakeSlot() {
    auto* slot = new QWidget;
    slot->setMinimumSize(0, 0);
    return slot;
}

bool InUse(const QList<int>& sizes, int index) {
    return index < sizes.size() && sizes[index] > 0;
}

} // namespace

CTembraFrame::CTembraFrame(CTembraDoc& document, IViewApplication& app, QWidget* parent)
    : QWidget(parent), m_document(document), m_app(app) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_rows = new QSplitter(Qt::Vertical, this);
    m_rows->setChildrenCollapsible(true);
    layout->addWidget(m_rows);
    for (int row = 0; row < kMaxRows; ++row) {
        auto* columns = new QSplitter(Qt::Horizontal);
        columns->setChildrenCollapsible(true);
        for (int column = 0; column < kMaxColumns; ++column) {
            columns->addWidget(MakeSlot());
        }
        m_rows->addWidget(columns);
        m_columns[static_cast<std::size_t>(row)] = columns;
        connect(columns, &QSplitter::splitterMoved, this, [this, row] {
            // The columns of both rows keep one divider.
            if (!m_laying) {
                m_laying = true;
                const QList<int> sizes = m_columns[static_cast<std::size_t>(row)]->sizes();
                m_columns[static_cast<std::size_t>(1 - row)]->setSizes(sizes);
                m_laying = false;
            }
            OnSplitterMoved();
        });
    }
    connect(m_rows, &QSplitter::splitterMoved, this, [this] { OnSplitterMoved(); });
    m_rows->setSizes({1, 0});
    for (QSplitter* columns : m_columns) {
        columns->setSizes({1, 0});
    }
    CTembraViewWnd* first = MakePane(0, 0);
    first->View().OnInitialUpdate();
    SetActive(first);
}

CTembraFrame::~CTembraFrame() {
    // The views leave the document before the widgets go.
    for (int row = 0; row < kMaxRows; ++row) {
        for (int column = 0; column < kMaxColumns; ++column) {
            if (CTembraViewWnd* pane = Pane(row, column)) {
                delete pane;
            }
        }
    }
}

CTembraViewWnd* CTembraFrame::Pane(int row, int column) const {
    if (row < 0 || row >= kMaxRows || column < 0 || column >= kMaxColumns) {
        return nullptr;
    }
    return m_panes[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

CTembraViewWnd* CTembraFrame::ActivePane() const {
    return m_active != nullptr ? m_active : Pane(0, 0);
}

int CTembraFrame::Rows() const {
    return Pane(1, 0) != nullptr ? 2 : 1;
}

int CTembraFrame::Columns() const {
    return Pane(0, 1) != nullptr ? 2 : 1;
}

CTembraViewWnd* CTembraFrame::MakePane(int row, int column) {
    auto* pane = new CTembraViewWnd(m_document, *this, m_app);
    pane->setMinimumSize(kMinPane, kMinPane);
    QSplitter* columns = m_columns[static_cast<std::size_t>(row)];
    QWidget* slot = columns->widget(column);
    columns->replaceWidget(column, pane);
    delete slot;
    m_panes[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = pane;
    connect(pane, &CTembraViewWnd::scrolled, this,
            [this, pane](const QPoint& position) { OnPaneScrolled(pane, position); });
    connect(pane, &CTembraViewWnd::activated, this, [this, pane] { SetActive(pane); });
    return pane;
}

void CTembraFrame::ClosePane(int row, int column) {
    CTembraViewWnd* pane = Pane(row, column);
    if (pane == nullptr) {
        return;
    }
    m_panes[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = nullptr;
    if (m_active == pane) {
        SetActive(Pane(0, 0));
    }
    m_columns[static_cast<std::size_t>(row)]->replaceWidget(column, MakeSlot());
    delete pane;
}

void CTembraFrame::Split(int rows, int columns) {
    const int height = std::max(m_rows->height(), 2 * kMinPane + 2);
    const int width = std::max(m_columns[0]->width(), 2 * kMinPane + 2);
    m_laying = true;
    m_rows->setSizes(rows > 1 ? QList<int>{height / 2, height - height / 2}
                              : QList<int>{height, 0});
    for (QSplitter* splitter : m_columns) {
        splitter->setSizes(columns > 1 ? QList<int>{width / 2, width - width / 2}
                                       : QList<int>{width, 0});
    }
    m_laying = false;
    OnSplitterMoved();
}

void CTembraFrame::OnSplitterMoved() {
    const QList<int> rowSizes = m_rows->sizes();
    const QList<int> columnSizes = m_columns[0]->sizes();
    const int rows = InUse(rowSizes, 1) ? 2 : 1;
    const int columns = InUse(columnSizes, 1) ? 2 : 1;
    // Closed first, so that a new pane finds the splitter as it now is.
    for (int row = 0; row < kMaxRows; ++row) {
        for (int column = 0; column < kMaxColumns; ++column) {
            if ((row >= rows || column >= columns) && Pane(row, column) != nullptr) {
                ClosePane(row, column);
            }
        }
    }
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (Pane(row, column) == nullptr) {
                MakePane(row, column)->View().OnInitialUpdate();
            }
        }
    }
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            Pane(row, column)->View().OnSize();
        }
    }
}

void CTembraFrame::PlaceOf(const CTembraViewWnd* pane, int& row, int& column) const {
    row = 0;
    column = 0;
    for (int r = 0; r < kMaxRows; ++r) {
        for (int c = 0; c < kMaxColumns; ++c) {
            if (Pane(r, c) == pane) {
                row = r;
                column = c;
            }
        }
    }
}

std::vector<SplitterPane> CTembraFrame::OtherPanes(const CTembraViewWnd* pane) const {
    std::vector<SplitterPane> others;
    for (int row = 0; row < kMaxRows; ++row) {
        for (int column = 0; column < kMaxColumns; ++column) {
            CTembraViewWnd* other = Pane(row, column);
            if (other != nullptr && other != pane) {
                others.push_back({&other->View(), row, column});
            }
        }
    }
    return others;
}

void CTembraFrame::OnPaneScrolled(CTembraViewWnd* pane, const QPoint& position) {
    if (m_syncing) {
        return;
    }
    m_syncing = true;
    int row = 0;
    int column = 0;
    PlaceOf(pane, row, column);
    for (int r = 0; r < kMaxRows; ++r) {
        for (int c = 0; c < kMaxColumns; ++c) {
            CTembraViewWnd* other = Pane(r, c);
            if (other == nullptr || other == pane || (r != row && c != column)) {
                continue;
            }
            const CPoint at = other->View().GetDeviceScrollPosition();
            QPoint target(at.x, at.y);
            if (c == column) {
                target.setX(position.x());
            }
            if (r == row) {
                target.setY(position.y());
            }
            other->ScrollToDevice(target);
        }
    }
    m_syncing = false;
}

void CTembraFrame::SetActive(CTembraViewWnd* pane) {
    if (m_active == pane) {
        return;
    }
    if (m_active != nullptr) {
        m_active->View().OnActivateView(false);
    }
    m_active = pane;
    if (pane != nullptr) {
        pane->View().OnActivateView(true);
    }
    emit activePaneChanged();
}

void CTembraFrame::ResizeToFit(const CSize& totalDevice) {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    CTembraViewWnd* pane = Pane(0, 0);
    if (sub == nullptr || pane == nullptr || Rows() > 1 || Columns() > 1) {
        return;
    }
    // The frame around the chart: the window less its viewport.
    const QSize chrome = sub->size() - pane->viewport()->size();
    const QSize wanted(static_cast<int>(totalDevice.cx) + chrome.width(),
                       static_cast<int>(totalDevice.cy) + chrome.height());
    const QSize now = sub->size();
    const QSize shrunk(std::min(now.width(), wanted.width()),
                       std::min(now.height(), wanted.height()));
    if (shrunk != now) {
        sub->resize(shrunk);
    }
}

} // namespace tembra
