#include "dialogs/attributes/ChartSetGraph.h"

#include "chart/Chart.h"
#include "dialogs/attributes/BarPatternDlg.h"
#include "dialogs/attributes/ChartSheetControls.h"
#include "dialogs/attributes/LineTypeDlg.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "shell/controls/GraphSampleButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <string>

namespace tembra {

CChartSetGraph::CChartSetGraph(CChart& chart, const CShigenNameTable& names, QWidget* parent)
    : QWidget(parent), m_chart(chart), m_names(names) {
    setObjectName(IdName(IDD));
    m_bar = new QRadioButton(QString::fromUtf8("棒グラフ"), this);
    m_bar->setObjectName(IdName(IDC_BAR_GRAPH));
    m_line = new QRadioButton(QString::fromUtf8("折れ線グラフ"), this);
    m_line->setObjectName(IdName(IDC_LINE_GRAPH));
    auto* form = new QGroupBox(this);
    auto* formLayout = new QHBoxLayout(form);
    formLayout->addWidget(m_bar);
    formLayout->addWidget(m_line);

    auto* grid = new QGridLayout;
    for (int row = 0; row < kSeriesRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        m_shown[r] = new QCheckBox(this);
        m_shown[r]->setObjectName(IdName(kShownIds[r]));
        m_samples[r] = new CGraphSampleButton(this);
        m_samples[r]->setObjectName(IdName(kSampleIds[r]));
        m_samples[r]->setFixedSize(80, 20);
        m_rowNames[r] = new QLabel(this);
        m_rowNames[r]->setObjectName(QStringLiteral("name%1").arg(row));
        m_rowNames[r]->setMinimumWidth(160);
        grid->addWidget(m_shown[r], row, 0);
        grid->addWidget(m_samples[r], row, 1);
        grid->addWidget(m_rowNames[r], row, 2);
        connect(m_samples[r], &QAbstractButton::clicked, this, [this, row] { OpenSample(row); });
    }
    m_next = MakePageButton(this, IDC_NEXT_ROWS, "▼次");
    m_previous = MakePageButton(this, IDC_PREVIOUS_ROWS, "▲前");
    auto* paging = new QHBoxLayout;
    paging->addStretch();
    paging->addWidget(m_previous);
    paging->addWidget(m_next);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form);
    layout->addLayout(grid);
    layout->addLayout(paging);
    layout->addStretch();

    connect(m_bar, &QRadioButton::toggled, this, [this] { ShowForm(); });
    connect(m_next, &QPushButton::clicked, this, [this] { Page(true); });
    connect(m_previous, &QPushButton::clicked, this, [this] { Page(false); });
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
    for (int row = 0; row < kSeriesRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        const int index = m_first + row;
        std::string name;
        const bool exists = ResourceName(m_names, index, name);
        m_rowNames[r]->setText(exists ? FromCp932(name) : QString());
        m_shown[r]->setChecked(exists && m_chart.IsSeriesShown(index) != 0);
        m_shown[r]->setEnabled(exists);
        m_samples[r]->setEnabled(exists);
        RefreshSample(row);
    }
    m_next->setEnabled(HasNextRows(m_first, static_cast<int>(m_names.size())));
    m_previous->setEnabled(HasPreviousRows(m_first));
    ShowForm();
}

void CChartSetGraph::ShowForm() {
    const bool line = IsLineGraph();
    for (CGraphSampleButton* sample : m_samples) {
        sample->SetKind(line ? CGraphSampleButton::kLineSample
                             : CGraphSampleButton::kPatternSample);
    }
    emit GraphFormChanged(line);
}

void CChartSetGraph::RefreshSample(int row) {
    CGraphSampleButton* sample = m_samples[static_cast<std::size_t>(row)];
    if (!sample->isEnabled()) {
        return;
    }
    const int index = m_first + row;
    sample->SetLineColor(m_chart.GetSeriesLineColor(index));
    sample->SetFillColor(m_chart.GetSeriesPatternColor(index));
    sample->SetPattern(static_cast<int>(m_chart.GetSeriesPattern(index)));
    sample->SetLineType(m_chart.GetSeriesLineType(index));
    sample->SetLineWidth(m_chart.GetSeriesLineWidth(index));
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
        RefreshSample(row);
    }
}

void CChartSetGraph::Store() {
    m_chart.SetGraphType(IsLineGraph() ? CChart::kLineGraph : CChart::kBarGraph);
    const int count = static_cast<int>(m_names.size());
    for (int row = 0; row < kSeriesRows && m_first + row < count; ++row) {
        StoreSeriesShown(m_chart, m_first + row,
                         m_shown[static_cast<std::size_t>(row)]->isChecked());
    }
}

void CChartSetGraph::Page(bool forward) {
    Store();
    m_first = forward ? m_first + kSeriesRows : PreviousFirst(m_first);
    Fill();
}

} // namespace tembra
