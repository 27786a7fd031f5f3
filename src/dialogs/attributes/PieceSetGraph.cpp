#include "dialogs/attributes/PieceSetGraph.h"

#include "chart/Chart.h"
#include "dialogs/attributes/ChartSheetControls.h"
#include "dialogs/attributes/LineTypeDlg.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "shell/controls/GraphSampleButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

namespace tembra {

CPieceSetGraph::CPieceSetGraph(CChart& chart, const CShigenNameTable& names, QWidget* parent)
    : QWidget(parent), m_chart(chart), m_names(names) {
    setObjectName(IdName(IDD));
    auto* totalGroup = new QGroupBox(QString::fromUtf8("出来高 合計値"), this);
    m_total = new QLineEdit(totalGroup);
    m_total->setObjectName(QStringLiteral("total"));
    m_total->setMaxLength(10);
    auto* totalLayout = new QHBoxLayout(totalGroup);
    totalLayout->addWidget(m_total);
    totalLayout->addWidget(
        new QLabel(QString::fromUtf8("＊この値が100％時の値となります"), totalGroup));

    auto* grid = new QGridLayout;
    for (int row = 0; row < kSeriesRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        m_shown[r] = new QCheckBox(this);
        m_shown[r]->setObjectName(IdName(kShownIds[r]));
        m_samples[r] = new CGraphSampleButton(this);
        m_samples[r]->setObjectName(IdName(kSampleIds[r]));
        m_samples[r]->SetKind(CGraphSampleButton::kLineSample);
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
    layout->addWidget(totalGroup);
    layout->addLayout(grid);
    layout->addLayout(paging);
    layout->addStretch();

    connect(m_next, &QPushButton::clicked, this, [this] { Page(true); });
    connect(m_previous, &QPushButton::clicked, this, [this] { Page(false); });
}

void CPieceSetGraph::Fill() {
    m_total->setText(QString::number(static_cast<long>(m_chart.GetMaxValue())));
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
}

void CPieceSetGraph::RefreshSample(int row) {
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

void CPieceSetGraph::OpenSample(int row) {
    CLineTypeDlg dialog(m_first + row, m_chart, this);
    if (dialog.exec() == QDialog::Accepted) {
        RefreshSample(row);
    }
}

void CPieceSetGraph::Store() {
    const long total = ReadChartNumber(m_total->text().toStdString());
    if (static_cast<DWORD>(total) != m_chart.GetMaxValue()) {
        m_chart.SetMaxValue(static_cast<DWORD>(total));
    }
    const int count = static_cast<int>(m_names.size());
    for (int row = 0; row < kSeriesRows && m_first + row < count; ++row) {
        StoreSeriesShown(m_chart, m_first + row,
                         m_shown[static_cast<std::size_t>(row)]->isChecked());
    }
}

bool CPieceSetGraph::Apply() {
    if (ReadChartNumber(m_total->text().toStdString()) < 1) {
        AfxMessageBox(IDS_EARNED_VALUE_TOTAL, MB_OK | MB_ICONEXCLAMATION);
        FocusOnPage(this, m_total);
        return false;
    }
    return true;
}

void CPieceSetGraph::Page(bool forward) {
    Store();
    m_first = forward ? m_first + kSeriesRows : PreviousFirst(m_first);
    Fill();
}

} // namespace tembra
