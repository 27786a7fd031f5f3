#include "dialogs/attributes/ChartSetPoint.h"

#include "chart/Chart.h"
#include "platform/qt/DialogParts.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

CChartSetPoint::CChartSetPoint(QWidget* parent) : QWidget(parent) {
    setObjectName(IdName(IDD));
    m_modes = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(this);
    struct Mode {
        int id;
        const char* text;
        int mode;
    };
    for (const Mode& mode : {Mode{IDC_STANDARD, "標準", CChart::kPointStandard},
                             Mode{IDC_BEFORE, "資源数変化前", CChart::kPointBefore},
                             Mode{IDC_AFTER, "資源数変化後", CChart::kPointAfter},
                             Mode{IDC_CHANGE, "資源数変化", CChart::kPointChange}}) {
        auto* radio = new QRadioButton(QString::fromUtf8(mode.text), this);
        radio->setObjectName(IdName(mode.id));
        m_modes->addButton(radio, mode.mode);
        layout->addWidget(radio);
    }
    layout->addStretch();
}

void CChartSetPoint::Fill(const CChart& chart) {
    if (QAbstractButton* radio = m_modes->button(chart.GetPointMode())) {
        radio->setChecked(true);
    }
}

void CChartSetPoint::Store(CChart& chart) const {
    // A stored mode no radio shows stays until one is chosen.
    if (m_modes->checkedId() >= 0) {
        chart.SetPointMode(static_cast<short>(m_modes->checkedId()));
    }
}

} // namespace tembra
