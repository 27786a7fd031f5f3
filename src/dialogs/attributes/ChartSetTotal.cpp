#include "dialogs/attributes/ChartSetTotal.h"

#include "chart/Chart.h"
#include "dialogs/attributes/ChartFormSheet.h"
#include "dialogs/attributes/ChartSheetControls.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/Cp932Validator.h"
#include "platform/qt/DialogParts.h"
#include "shapes/ZukeiString.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <string>

namespace tembra {

CChartSetTotal::CChartSetTotal(CChart& chart, const CShigenNameTable& names, QWidget* parent)
    : QWidget(parent), m_chart(chart), m_names(names) {
    setObjectName(IdName(IDD));
    m_totals = new QCheckBox(QString::fromUtf8("資源ごとに集計する"), this);
    m_totals->setObjectName(IdName(IDC_TOTALS));
    auto* format = MakePageButton(this, IDC_FORMAT, "書式設定(&O)...");

    auto* place = new QGroupBox(this);
    auto* placeLayout = new QHBoxLayout(place);
    m_positions = new QButtonGroup(this);
    struct Position {
        int id;
        const char* text;
        int pos;
    };
    for (const Position& position : {Position{IDC_FREE, "独立", CChart::kLabelFree},
                                     Position{IDC_BOTTOM_RIGHT, "右下", CChart::kLabelBottomRight},
                                     Position{IDC_TOP_RIGHT, "右上", CChart::kLabelTopRight},
                                     Position{IDC_BOTTOM_LEFT, "左下", CChart::kLabelBottomLeft},
                                     Position{IDC_TOP_LEFT, "左上", CChart::kLabelTopLeft}}) {
        auto* radio = new QRadioButton(QString::fromUtf8(position.text), place);
        radio->setObjectName(IdName(position.id));
        m_positions->addButton(radio, position.pos);
        placeLayout->addWidget(radio);
    }

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QString::fromUtf8("資源名"), this), 0, 0);
    grid->addWidget(new QLabel(QString::fromUtf8("資源表示名"), this), 0, 1);
    for (std::size_t r = 0; r < m_rowNames.size(); ++r) {
        m_rowNames[r] = new QLabel(this);
        m_rowNames[r]->setObjectName(IdName(kNameIds[r]));
        m_rowNames[r]->setMinimumWidth(160);
        m_displayNames[r] = new QLineEdit(this);
        m_displayNames[r]->setObjectName(IdName(kDisplayIds[r]));
        m_displayNames[r]->setValidator(new CCp932Validator(40, m_displayNames[r]));
        grid->addWidget(m_rowNames[r], static_cast<int>(r) + 1, 0);
        grid->addWidget(m_displayNames[r], static_cast<int>(r) + 1, 1);
    }
    m_next = MakePageButton(this, IDC_NEXT_ROWS, "▼次");
    m_previous = MakePageButton(this, IDC_PREVIOUS_ROWS, "▲前");
    auto* top = new QHBoxLayout;
    top->addWidget(m_totals);
    top->addStretch();
    top->addWidget(format);
    auto* paging = new QHBoxLayout;
    paging->addStretch();
    paging->addWidget(m_previous);
    paging->addWidget(m_next);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(place);
    layout->addLayout(grid);
    layout->addLayout(paging);
    layout->addStretch();

    connect(format, &QPushButton::clicked, this, [this] { OpenFormat(); });
    connect(m_next, &QPushButton::clicked, this, [this] { Page(true); });
    connect(m_previous, &QPushButton::clicked, this, [this] { Page(false); });
}

void CChartSetTotal::Fill() {
    m_totals->setChecked((m_chart.GetOptions() & CChart::kOptionResourceTotals) != 0);
    if (QAbstractButton* radio = m_positions->button(static_cast<int>(m_chart.GetLabelPos()))) {
        radio->setChecked(true);
    }
    for (std::size_t r = 0; r < m_rowNames.size(); ++r) {
        const int index = m_first + static_cast<int>(r);
        std::string name;
        const bool exists = ResourceName(m_names, index, name);
        m_rowNames[r]->setText(exists ? FromCp932(name) : QString());
        m_displayNames[r]->setText(
            exists ? FromCp932(ShownDisplayName(m_chart.GetDisplayNames(), index, name))
                   : QString());
        m_displayNames[r]->setEnabled(exists);
    }
    m_next->setEnabled(HasNextRows(m_first, static_cast<int>(m_names.size())));
    m_previous->setEnabled(HasPreviousRows(m_first));
}

void CChartSetTotal::Store() {
    StoreOption(m_chart, CChart::kOptionResourceTotals, m_totals->isChecked());
    if (m_positions->checkedId() >= 0) {
        m_chart.SetLabelPos(m_positions->checkedId());
    }
    std::vector<std::string> stored = m_chart.GetDisplayNames();
    for (std::size_t r = 0; r < m_rowNames.size(); ++r) {
        const int index = m_first + static_cast<int>(r);
        std::string name;
        if (ResourceName(m_names, index, name)) {
            StoreDisplayName(stored, index, ToCp932(m_displayNames[r]->text()), name);
        }
    }
    m_chart.SetDisplayNames(std::move(stored));
}

void CChartSetTotal::Page(bool forward) {
    Store();
    m_first = forward ? m_first + kSeriesRows : PreviousFirst(m_first);
    Fill();
}

void CChartSetTotal::OpenFormat() {
    CZukeiString* box = m_chart.GetLabel();
    if (box == nullptr) {
        return;
    }
    CChartFormSheet sheet(m_chart, *box, this);
    sheet.exec();
}

} // namespace tembra
