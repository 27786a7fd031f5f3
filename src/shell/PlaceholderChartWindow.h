// The chart window the main frame shows while the chart view is still to come: a plain widget
// with the document's title. It has no view commands and nothing under the cursor to look at.
#pragma once

#include "shell/ChartWindowFactory.h"

#include <QPointer>

class QLabel;

namespace tembra {

class CPlaceholderChartWindow : public IChartWindow {
public:
    explicit CPlaceholderChartWindow(CTembraDoc& document);
    ~CPlaceholderChartWindow() override;

    QWidget* Widget() override;
    CTembraDoc& Document() override { return m_document; }
    ICommandTarget* Commands() override { return nullptr; }
    void OnIdleHover() override {}
    void OnTitleChanged() override;

private:
    CTembraDoc& m_document;
    // The label goes with the MDI child that shows it, or with this window when it is not shown.
    QPointer<QLabel> m_label;
};

class CPlaceholderChartFactory : public IChartWindowFactory {
public:
    std::unique_ptr<IChartWindow> CreateChartWindow(CTembraDoc& document) override {
        return std::make_unique<CPlaceholderChartWindow>(document);
    }
};

} // namespace tembra
