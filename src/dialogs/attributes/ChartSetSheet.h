// The settings sheet of a resource-loading chart (5164 "山積表設定"): the pages グラフ, 目盛,
// オプション, 資源毎の集計 and 日毎の集計, and 折れ線 as the last tab while the graph is a line.
// Everything the pages and the editors they open write goes into a working copy of the chart;
// StoreToChart, after 決定, stores the pages into the copy and the copy into the chart, so that
// 取消 leaves the chart as it was.
#pragma once

#include "chart/Chart.h"
#include "model/Shigen.h"
#include "platform/qt/PropertySheet.h"

namespace tembra {

class CChartSetGraph;
class CChartSetOption;
class CChartSetPoint;
class CChartSetScale;
class CChartSetTotal;
class CChartSetTotalDay;

class CChartSetSheet : public CPropertySheet {
    Q_OBJECT
public:
    static constexpr UINT IDS_CAPTION = 5164;

    // names: the resource master table of the chart's document.
    CChartSetSheet(CChart& chart, const CShigenNameTable& names, QWidget* parent = nullptr);
    ~CChartSetSheet() override;

    // The pages in the order graph, scale, option, point, totals, per-day totals into the
    // working copy, then the copy into the chart.
    void StoreToChart();

    // The copy the pages edit.
    const CChart& WorkingCopy() const { return m_work; }

private:
    void ShowPointPage(bool line);

    CChart& m_chart;
    CChart m_work;
    CChartSetGraph* m_graph = nullptr;
    CChartSetScale* m_scale = nullptr;
    CChartSetOption* m_option = nullptr;
    CChartSetTotal* m_total = nullptr;
    CChartSetTotalDay* m_totalDay = nullptr;
    CChartSetPoint* m_point = nullptr;
};

} // namespace tembra
