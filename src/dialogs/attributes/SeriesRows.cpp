#include "dialogs/attributes/SeriesRows.h"

#include "chart/Chart.h"
#include "controls/GraphSampleButton.h"
#include "dialogs/attributes/ChartSheetControls.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

namespace tembra {

CSeriesRows::CSeriesRows(const CShigenNameTable& names, QWidget* parent)
    : QWidget(parent), m_names(names) {
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
        connect(m_samples[r], &QAbstractButton::clicked, this,
                [this, row] { emit SampleClicked(row); });
    }
    m_next = MakePageButton(this, IDC_NEXT_ROWS, "▼次");
    m_previous = MakePageButton(this, IDC_PREVIOUS_ROWS, "▲前");
    auto* paging = new QHBoxLayout;
    paging->addStretch();
    paging->addWidget(m_previous);
    paging->addWidget(m_next);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addLayout(paging);
    connect(m_next, &QPushButton::clicked, this, [this] { emit PageRequested(true); });
    connect(m_previous, &QPushButton::clicked, this, [this] { emit PageRequested(false); });
}

void CSeriesRows::Fill(const CChart& chart, int first) {
    for (int row = 0; row < kSeriesRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        const int index = first + row;
        std::string name;
        const bool exists = ResourceName(m_names, index, name);
        m_rowNames[r]->setText(exists ? FromCp932(name) : QString());
        m_shown[r]->setChecked(exists && chart.IsSeriesShown(index) != 0);
        m_shown[r]->setEnabled(exists);
        m_samples[r]->setEnabled(exists);
        RefreshSample(chart, first, row);
    }
    m_next->setEnabled(HasNextRows(first, static_cast<int>(m_names.size())));
    m_previous->setEnabled(HasPreviousRows(first));
}

void CSeriesRows::StoreShown(CChart& chart, int first) const {
    for (int row = 0; row < kSeriesRows; ++row) {
        std::string name;
        // Up to the last resource; a missing entry of the table keeps its series as it is.
        if (first + row >= static_cast<int>(m_names.size())) {
            break;
        }
        if (ResourceName(m_names, first + row, name)) {
            StoreSeriesShown(chart, first + row,
                             m_shown[static_cast<std::size_t>(row)]->isChecked());
        }
    }
}

void CSeriesRows::RefreshSample(const CChart& chart, int first, int row) {
    CGraphSampleButton* sample = m_samples[static_cast<std::size_t>(row)];
    if (!sample->isEnabled()) {
        return;
    }
    const int index = first + row;
    sample->SetLineColor(chart.GetSeriesLineColor(index));
    sample->SetFillColor(chart.GetSeriesPatternColor(index));
    sample->SetPattern(static_cast<int>(chart.GetSeriesPattern(index)));
    sample->SetLineType(chart.GetSeriesLineType(index));
    sample->SetLineWidth(chart.GetSeriesLineWidth(index));
}

void CSeriesRows::SetSampleKind(int kind) {
    for (CGraphSampleButton* sample : m_samples) {
        sample->SetKind(kind);
    }
}

} // namespace tembra
