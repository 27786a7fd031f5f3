// The floating overview window ("ﾌﾛｰﾃｨﾝｸﾞｳｨﾝﾄﾞｳ"): a small tool window of the main window that
// shows the whole chart of the active chart view with a red frame round the part the chart view
// shows (the rules are CFloatView's, src/view/core/FloatView.h). It is shown without taking the
// focus or the activation from the main window, and its close button only hides it.
//
// Its client area is a backing image: the chart fitted into the window is drawn once into an
// image of its own and kept while CFloatView::GetChartKey stays the same; a paint copies the
// parts to repaint from it and draws the frame over them. The drag feedback, drawn between
// paints through the window's device context, goes into the backing image with its raster
// operation (R2_NOT), so that drawing it twice takes it away.
//
// The main window owns it (a child object), creates it with the stored "FloatWndPos" and writes
// its rectangle (the client area's, in screen pixels) and its shown flag back on closing.
#pragma once

#include "platform/Types.h"
#include "view/core/FloatView.h"
#include "view/core/FloatViewHost.h"
#include "view/core/ViewHost.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <memory>
#include <optional>

class QPainter;

namespace tembra {

class CFloatWnd : public QWidget, public IFloatOverview, private IFloatViewHost {
    Q_OBJECT
public:
    explicit CFloatWnd(QWidget* parent);
    ~CFloatWnd() override;

    // Places the window (the stored rectangle kept on a screen of the primary screen's size,
    // see FramePositions::PlaceFloatWnd); it stays hidden. Always succeeds here.
    BOOL Create(const CRect& stored);
    // The last show or hide of the window (1 shown, 0 hidden); 0 before the first.
    int IsShown() const { return m_shown; }
    CFloatView& View() { return m_view; }
    // The picture of the client area as last painted.
    const QImage& BackingImage() const { return m_back; }

    // Draws the chart anew on the next paint and asks for one: after a setting that changes how
    // the chart looks (the black background) but not what the backing image is kept by.
    void Refresh();

    // ---- IFloatOverview --------------------------------------------------------------------
    // Passed on to the overview while the window is shown.
    void UpdateFloatView(CView* sender, LPARAM hint, CObject* hintObject) override;
    void RepaintNow() override;
    void ForgetView(CView* view) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    class PainterLease;
    class ClientDC;

    // ---- IFloatViewHost --------------------------------------------------------------------
    CSize GetClientSize() const override;
    std::unique_ptr<CDC> GetClientDC() override;
    void SetCaption(const std::string& text) override;
    void InvalidateRect(const CRect* deviceRect, bool erase) override;
    void ValidateRect(const CRect& deviceRect) override;
    bool GetUpdateRect(CRect& deviceRect) const override;
    void UpdateWindow() override;
    void SetCapture() override;
    void ReleaseCapture() override;
    bool HasCapture() const override;
    void SetCursor(int cursor) override;

    // The chart fitted into the window, drawn anew when what it depends on changed.
    void RefreshChart();
    void FitBackingImage();

    CFloatView m_view{*this};
    int m_shown = 0;
    int m_dpi = 96;
    bool m_capture = false;
    QImage m_chart;
    std::optional<CFloatView::ChartKey> m_chartKey;
    QImage m_back;
    QRegion m_dirty;
    QPainter* m_backPainter = nullptr;
    int m_backUsers = 0;
    bool m_painting = false;
};

} // namespace tembra
