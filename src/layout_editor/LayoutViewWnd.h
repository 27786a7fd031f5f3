// The window of the layout editing view: a scroll area whose viewport shows a backing image that
// the view draws into through the Qt device context (0.1 mm, y upward). A paint draws again only
// what was marked to be drawn again and copies the image to the screen, so that the inverted
// feedback of a drag, drawn into the image between paints, stays until it is drawn over again.
// It passes the mouse to the view, holds the mouse for it, repeats the last move while the
// pointer is out during a drag (so that the view scrolls on), and hands the status-bar panes
// and the context menu to the frame.
#pragma once

#include "layout_editor/core/MarquellView.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QRegion>
#include <QTimer>

#include <functional>
#include <memory>

namespace marquell {

class CAppSettings;
class CMarquellDoc;

class CLayoutViewWnd : public QAbstractScrollArea, public IMarquellViewHost {
    Q_OBJECT
public:
    CLayoutViewWnd(CMarquellDoc& doc, CAppSettings& app, QWidget* parent = nullptr);
    ~CLayoutViewWnd() override;

    CMarquellView& View() { return *m_view; }
    // The viewport's picture as last painted.
    const QImage& BackingImage() const { return m_back; }
    // What the frame shows for the view: a pane's text, the context menu at a point of the
    // screen, and what it does before the view takes a mouse move.
    void SetPaneHandler(std::function<void(int, const std::string&)> handler) {
        m_paneHandler = std::move(handler);
    }
    void SetContextMenuHandler(std::function<void(const QPoint&)> handler) {
        m_menuHandler = std::move(handler);
    }
    void SetBeforeMouseMove(std::function<void()> handler) { m_beforeMove = std::move(handler); }
    bool IsAutoScrolling() const { return m_autoScroll.isActive(); }
    // The cursor of a cursor code of the view.
    static Qt::CursorShape CursorOf(int code);

    // ---- IMarquellViewHost -------------------------------------------------------------------
    CSize GetClientSize() const override;
    std::unique_ptr<CDC> CreateMeasureDC() const override;
    void UpdateScrollBars() override;
    void Invalidate(const CRect& deviceRect) override;
    void InvalidateAll() override;
    COLORREF GetWorkspaceColor() const override;
    std::string GetFrameTitle() const override;
    void SetFrameTitle(const std::string& title) override;
    void SetCapture() override;
    void ReleaseCapture() override;
    void UpdateWindow() override;
    void DrawDirect(const std::function<void(CDC*)>& draw) override;
    void SetAutoScroll(bool on) override;
    void SetPaneText(int pane, const std::string& text) override;
    void ShowContextMenu(const CPoint& devicePoint) override;
    void RefreshCursor() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

private:
    // Draws what is marked into the backing image.
    void Render();
    void OnAutoScroll();

    std::unique_ptr<CMarquellView> m_view;
    QImage m_back;
    QRegion m_dirty;
    int m_dpi = 96;
    bool m_updatingBars = false;
    bool m_captured = false;
    QTimer m_autoScroll;
    std::function<void(int, const std::string&)> m_paneHandler;
    std::function<void(const QPoint&)> m_menuHandler;
    std::function<void()> m_beforeMove;
};

// The flags of a mouse message (MK_...) from Qt's buttons and keys.
UINT MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

} // namespace marquell
