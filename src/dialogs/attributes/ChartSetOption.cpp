#include "dialogs/attributes/ChartSetOption.h"

#include "chart/Chart.h"
#include "platform/qt/DialogParts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace tembra {

CChartSetOption::CChartSetOption(QWidget* parent) : QWidget(parent) {
    setObjectName(IdName(IDD));
    auto* group = new QGroupBox(QString::fromUtf8("休日認識"), this);
    m_ignore = new QCheckBox(QString::fromUtf8("工程線の休日有効を無視する"), group);
    m_ignore->setObjectName(IdName(IDC_IGNORE_HOLIDAY));
    auto* note = new QLabel(
        QString::fromUtf8(
            "* チェックすると休日について有効・無効に関わらず資源のカウントを行います。"),
        group);
    note->setWordWrap(true);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_ignore);
    groupLayout->addWidget(note);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
}

void CChartSetOption::Fill(const CChart& chart) {
    m_loaded = chart.GetIgnoreHoliday();
    m_ignore->setChecked(m_loaded != 0);
}

void CChartSetOption::Store(CChart& chart) const {
    // Any non-zero flag means on: an untouched check keeps the value it came with.
    if (m_ignore->isChecked() != (m_loaded != 0)) {
        chart.SetIgnoreHoliday(m_ignore->isChecked() ? 1 : 0);
    }
}

} // namespace tembra
