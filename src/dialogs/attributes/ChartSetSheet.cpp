#include "dialogs/attributes/ChartSetSheet.h"

#include "dialogs/attributes/ChartSetGraph.h"
#include "dialogs/attributes/ChartSetOption.h"
#include "dialogs/attributes/ChartSetPoint.h"
#include "dialogs/attributes/ChartSetScale.h"
#include "dialogs/attributes/ChartSetTotal.h"
#include "dialogs/attributes/ChartSetTotalDay.h"
#include "platform/StringTable.h"

#include <QTabWidget>

namespace tembra {

namespace {
const char* const kPointCaption = "折れ線";
}

CChartSetSheet::CChartSetSheet(CChart& chart, const CShigenNameTable& names, QWidget* parent)
    : CPropertySheet(QString::fromStdString(LoadStringUtf8(IDS_CAPTION)), parent), m_chart(chart) {
    m_work = chart;
    m_graph = new CChartSetGraph(m_work, names, this);
    m_scale = new CChartSetScale(this);
    m_option = new CChartSetOption(this);
    m_total = new CChartSetTotal(m_work, names, this);
    m_totalDay = new CChartSetTotalDay(this);
    m_point = new CChartSetPoint(this);
    AddPage(m_graph, QString::fromUtf8("グラフ"), {});
    AddPage(m_scale, QString::fromUtf8("目盛"), [this] { return m_scale->Apply(); });
    AddPage(m_option, QString::fromUtf8("オプション"), {});
    AddPage(m_total, QString::fromUtf8("資源毎の集計"), {});
    AddPage(m_totalDay, QString::fromUtf8("日毎の集計"), [this] { return m_totalDay->Apply(); });
    AddPage(m_point, QString::fromUtf8(kPointCaption), {});

    m_scale->LoadFromChart(m_work);
    m_option->Fill(m_work);
    m_point->Fill(m_work);
    m_total->Fill();
    m_totalDay->Fill(m_work);
    connect(m_graph, &CChartSetGraph::GraphFormChanged, this,
            [this](bool line) { ShowPointPage(line); });
    m_graph->Fill();
}

CChartSetSheet::~CChartSetSheet() = default;

void CChartSetSheet::ShowPointPage(bool line) {
    const int index = Tabs()->indexOf(m_point);
    if (line && index < 0) {
        Tabs()->addTab(m_point, QString::fromUtf8(kPointCaption));
    } else if (!line && index >= 0) {
        Tabs()->removeTab(index);
    }
}

void CChartSetSheet::StoreToChart() {
    m_graph->Store();
    m_scale->StoreToChart(m_work);
    m_option->Store(m_work);
    m_point->Store(m_work);
    m_total->Store();
    m_totalDay->Store(m_work);
    m_chart = m_work;
}

} // namespace tembra
