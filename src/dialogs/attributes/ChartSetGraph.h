// The graph page (422 "グラフ") of the resource-loading chart's sheet: bar or line, and five
// resources at a time, each with its on/off check and the sample of its series, which opens the
// bar-pattern or the line-type dialog on the chart it was given (the sheet's working copy).
// "▼次" and "▲前" store the shown rows into that chart before they move.
#pragma once

#include "dialogs/attributes/SeriesRows.h"

#include <QWidget>

class QRadioButton;

namespace tembra {

class CChart;

class CChartSetGraph : public QWidget {
    Q_OBJECT
public:
    static constexpr int IDD = 422;
    enum : int { IDC_LINE_GRAPH = 1547, IDC_BAR_GRAPH = 1548 };
    static constexpr auto kShownIds = CSeriesRows::kShownIds;
    static constexpr auto kSampleIds = CSeriesRows::kSampleIds;

    CChartSetGraph(CChart& chart, const CShigenNameTable& names, QWidget* parent = nullptr);

    // The graph form and the rows from the chart, from the first shown resource on.
    void Fill();
    // The graph form and the shown rows' checks into the chart.
    void Store();
    bool IsLineGraph() const;

signals:
    // The graph form shown changed (also when filled): the sheet shows the "折れ線" page with a
    // line graph only.
    void GraphFormChanged(bool line);

private:
    void ShowForm();
    void OpenSample(int row);
    void Page(bool forward);

    CChart& m_chart;
    int m_first = 0;
    QRadioButton* m_bar = nullptr;
    QRadioButton* m_line = nullptr;
    CSeriesRows* m_rows = nullptr;
};

} // namespace tembra
