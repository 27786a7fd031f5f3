// The chart windows of the main frame: each shows its document in a child frame of chart views
// (CTembraFrame), routes commands to the frame's active view and retitles itself with its
// document. The factory makes them with the application's services for the views (printing,
// preview, half-page scrolling), which it owns.
#pragma once

#include "shell/ChartWindowFactory.h"

#include <QPointer>

#include <memory>

namespace tembra {

class CChartViewServices;
class CTembraApp;
class CTembraFrame;

class CChartViewWindow : public IChartWindow {
public:
    CChartViewWindow(CTembraDoc& document, CChartViewServices& services);
    ~CChartViewWindow() override;

    QWidget* Widget() override;
    CTembraDoc& Document() override { return m_document; }
    // The commands of the frame's active view.
    ICommandTarget* Commands() override;
    // Each view evaluates the pointer: the feedback that follows it ends off the view.
    void OnIdleHover() override;
    void OnModeChanged() override;
    void OnTitleChanged() override;

    CTembraFrame* Frame() const { return m_frame.data(); }

private:
    class ViewCommands;
    // Each view of the frame's panes.
    template <class Visit> void ForEachView(Visit visit);

    CTembraDoc& m_document;
    CChartViewServices& m_services;
    // The frame goes with the MDI child that shows it, or with this window when not shown.
    QPointer<CTembraFrame> m_frame;
    std::unique_ptr<ViewCommands> m_commands;
};

class CChartViewFactory : public IChartWindowFactory {
public:
    explicit CChartViewFactory(CTembraApp& app);
    ~CChartViewFactory() override;

    std::unique_ptr<IChartWindow> CreateChartWindow(CTembraDoc& document) override;
    CChartViewServices& Services() { return *m_services; }

private:
    std::unique_ptr<CChartViewServices> m_services;
};

} // namespace tembra
