// The child frame of a chart window: a splitter of at most two rows and two columns of chart
// views. The window starts with one pane; dragging a divider away from the right or bottom edge
// opens the panes of a second column or row (each taking the first pane's layout), dragging it
// back to the edge closes them again. The panes of one column scroll sideways together and those
// of one row up and down together, as if they shared their scroll bars.
#pragma once

#include "view/core/ViewHost.h"

#include <QPoint>
#include <QWidget>

#include <array>
#include <vector>

class QSplitter;

namespace tembra {

class CTembraDoc;
class CTembraViewWnd;
class IViewApplication;

class CTembraFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxRows = 2;
    static constexpr int kMaxColumns = 2;
    // The smallest size of a pane, pixels.
    static constexpr int kMinPane = 10;

    CTembraFrame(CTembraDoc& document, IViewApplication& app, QWidget* parent = nullptr);
    ~CTembraFrame() override;

    CTembraDoc& Document() { return m_document; }
    // The pane at a place, null where none is open.
    CTembraViewWnd* Pane(int row, int column) const;
    // The pane that was last active (the first one to begin with).
    CTembraViewWnd* ActivePane() const;
    // The rows and columns in use.
    int Rows() const;
    int Columns() const;
    QSplitter* RowSplitter() const { return m_rows; }
    QSplitter* ColumnSplitter(int row) const { return m_columns[static_cast<std::size_t>(row)]; }

    // Opens or closes panes to the rows and columns asked for (the dividers set accordingly).
    void Split(int rows, int columns);
    // The dividers moved: the panes follow.
    void OnSplitterMoved();

    // What a pane's host answers about the splitter.
    void PlaceOf(const CTembraViewWnd* pane, int& row, int& column) const;
    std::vector<SplitterPane> OtherPanes(const CTembraViewWnd* pane) const;
    // Shrinks the window to the chart when it is larger.
    void ResizeToFit(const CSize& totalDevice);

signals:
    // The active pane changed.
    void activePaneChanged();

private:
    CTembraViewWnd* MakePane(int row, int column);
    void ClosePane(int row, int column);
    void OnPaneScrolled(CTembraViewWnd* pane, const QPoint& position);
    void SetActive(CTembraViewWnd* pane);

    CTembraDoc& m_document;
    IViewApplication& m_app;
    QSplitter* m_rows = nullptr;
    std::array<QSplitter*, kMaxRows> m_columns{};
    std::array<std::array<CTembraViewWnd*, kMaxColumns>, kMaxRows> m_panes{};
    CTembraViewWnd* m_active = nullptr;
    bool m_syncing = false;
    bool m_laying = false;
};

} // namespace tembra
