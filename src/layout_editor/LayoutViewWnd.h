// The window of the layout editing view: a scroll area whose viewport shows a backing image that
// the view draws into through the Qt device context (0.1 mm, y upward) and that each paint copies
// to the screen, so that inverted feedback can be drawn into it between paints.
#pragma once

#include "layout_editor/core/MarquellView.h"

#include <QAbstractScrollArea>
#include <QImage>

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

    // ---- IMarquellViewHost -------------------------------------------------------------------
    CSize GetClientSize() const override;
    std::unique_ptr<CDC> CreateMeasureDC() const override;
    void UpdateScrollBars() override;
    void Invalidate(const CRect& deviceRect) override;
    void InvalidateAll() override;
    COLORREF GetWorkspaceColor() const override;
    std::string GetFrameTitle() const override;
    void SetFrameTitle(const std::string& title) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

private:
    int Dpi() const;

    std::unique_ptr<CMarquellView> m_view;
    QImage m_back;
    int m_dpi = 96;
    bool m_updatingBars = false;
};

} // namespace marquell
