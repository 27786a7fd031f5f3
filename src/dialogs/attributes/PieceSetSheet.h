// The settings sheet of an earned-value chart (5165 "出来高表設定"): the graph page and the scale
// page. The pages and the line-type dialog edit a working copy of the chart; StoreToChart, after
// 決定, stores the pages into the copy and the copy into the chart, so that 取消 leaves the chart
// as it was.
#pragma once

#include "chart/Chart.h"
#include "model/Shigen.h"
#include "platform/qt/PropertySheet.h"

namespace tembra {

class CChartSetScale;
class CPieceSetGraph;

class CPieceSetSheet : public CPropertySheet {
    Q_OBJECT
public:
    static constexpr UINT IDS_CAPTION = 5165;

    CPieceSetSheet(CChart& chart, const CShigenNameTable& names, QWidget* parent = nullptr);
    ~CPieceSetSheet() override;

    // The graph page, then the scale page into the working copy; the copy into the chart.
    void StoreToChart();

private:
    CChart& m_chart;
    CChart m_work;
    CPieceSetGraph* m_graph = nullptr;
    CChartSetScale* m_scale = nullptr;
};

} // namespace tembra
