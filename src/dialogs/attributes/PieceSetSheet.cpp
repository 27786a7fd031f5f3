#include "dialogs/attributes/PieceSetSheet.h"

#include "dialogs/attributes/ChartSetScale.h"
#include "dialogs/attributes/PieceSetGraph.h"
#include "platform/StringTable.h"

namespace tembra {

CPieceSetSheet::CPieceSetSheet(CChart& chart, const CShigenNameTable& names, QWidget* parent)
    : CPropertySheet(QString::fromStdString(LoadStringUtf8(IDS_CAPTION)), parent), m_chart(chart) {
    m_work = chart;
    m_graph = new CPieceSetGraph(m_work, names, this);
    m_scale = new CChartSetScale(this);
    AddPage(m_graph, QString::fromUtf8("グラフ"), [this] { return m_graph->Apply(); });
    AddPage(m_scale, QString::fromUtf8("目盛"), [this] { return m_scale->Apply(); });
    m_graph->Fill();
    m_scale->LoadFromChart(m_work);
}

CPieceSetSheet::~CPieceSetSheet() = default;

void CPieceSetSheet::StoreToChart() {
    m_graph->Store();
    m_scale->StoreToChart(m_work);
    m_chart = m_work;
}

} // namespace tembra
