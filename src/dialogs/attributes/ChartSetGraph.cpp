#include "dialogs/attributes/ChartSetGraph.h"

#include "chart/Chart.h"
#include "controls/GraphSampleButton.h"
#include "dialogs/attributes/BarPatternDlg.h"
#include "dialogs/attributes/ChartSheetControls.h"
#include "dialogs/attributes/LineTypeDlg.h"
#include "platform/qt/DialogParts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

CChartSetGraph::CChartSetGraph(CChart& chart, const CShigenNameTable& names, QWidget* parent)
    : QWidget(parent), m_chart(chart) {
    setObjectName(IdName(IDD));
    m_bar = new QRadioButton(QString::fromUtf8("棒グラフ"), this);
    m_bar->setObjectName(IdName(IDC_BAR_GRAPH));
    m_line = new QRadioButton(QString::fromUtf8("折れ線グラフ"), this);
    m_line->setObjectName(IdName(IDC_LINE_GRAPH));
    auto* form = new QGroupBox(this);
    auto* formLayout = new QHBoxLayout(form);
    formLayout->addWidget(m_bar);
    formLayout->addWidget(m_line);
    m_rows = new CSeriesRows(names, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form);
    layout->addWidget(m_rows);
    layout->addStretch();

    connect(m_bar, &QRadioButton::toggled, this, [this] { ShowForm(); });
    connect(m_rows, &CSeriesRows::SampleClicked, this, [this](int row) { OpenSample(row); });
    connect(m_rows, &CSeriesRows::PageRequested, this, [this](bool forward) { Page(forward); });
}

bool CChartSetGraph::IsLineGraph() const {
    return m_line->isChecked();
}

void CChartSetGraph::Fill() {
    {
        const QSignalBlocker blockBar(m_bar);
        const bool line = m_chart.GetGraphType() == CChart::kLineGraph;
        m_line->setChecked(line);
        m_bar->setChecked(!line);
    }
    m_rows->Fill(m_chart, m_first);
    ShowForm();
}

void CChartSetGraph::ShowForm() {
    const bool line = IsLineGraph();
    m_rows->SetSampleKind(line ? CGraphSampleButton::kLineSample
                               : CGraphSampleButton::kPatternSample);
    emit GraphFormChanged(line);
}

void CChartSetGraph::OpenSample(int row) {
    const int index = m_first + row;
    int result = 0;
    if (IsLineGraph()) {
        CLineTypeDlg dialog(index, m_chart, this);
        result = dialog.exec();
    } else {
        CBarPatternDlg dialog(index, m_chart, this);
        result = dialog.exec();
    }
    if (result == QDialog::Accepted) {
        m_rows->RefreshSample(m_chart, m_first, row);
    }
}

void CChartSetGraph::Store() {
    m_chart.SetGraphType(IsLineGraph() ? CChart::kLineGraph : CChart::kBarGraph);
    m_rows->StoreShown(m_chart, m_first);
}

void CChartSetGraph::Page(bool forward) {
    Store();
    m_first = forward ? m_first + kSeriesRows : PreviousFirst(m_first);
    Fill();
}

} // namespace tembra
