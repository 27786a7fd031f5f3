#include "dialogs/attributes/ChartSetTotalDay.h"

#include "chart/Chart.h"
#include "controls/ColorComboBox.h"
#include "dialogs/attributes/ChartSheetControls.h"
#include "platform/qt/DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>

namespace tembra {

CChartSetTotalDay::CChartSetTotalDay(QWidget* parent) : QWidget(parent) {
    setObjectName(IdName(IDD));
    m_dayTotals = new QCheckBox(QString::fromUtf8("１日ごとに資源を集計する"), this);
    m_dayTotals->setObjectName(IdName(IDC_DAY_TOTALS));
    m_faces = new CChartFaceList(this, IDC_FACE_LIST);
    m_size = MakeTextCombo(this, IDC_SIZE, ChartFontSizeTexts(), 3);
    m_color = MakeChoiceColorCombo(this, IDC_COLOR, &m_colorChoice);
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_dayTotals, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QString::fromUtf8("ﾌｫﾝﾄ"), this), 1, 0);
    grid->addWidget(m_faces, 2, 0, 2, 1);
    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("ﾌｫﾝﾄｻｲｽﾞ"), m_size);
    form->addRow(QString::fromUtf8("文字色"), m_color);
    grid->addLayout(form, 2, 1);
}

void CChartSetTotalDay::Fill(const CChart& chart) {
    m_dayTotals->setChecked((chart.GetOptions() & CChart::kOptionDayTotals) != 0);
    m_font = chart.GetTotalsFont();
    m_faces->Select(m_font);
    m_size->setEditText(QString::number(FontSizeOf(m_font)));
    m_colorChoice = LoadColorChoice(chart.GetTotalsColor());
    m_color->setCurrentIndex(m_colorChoice.position);
}

bool CChartSetTotalDay::Apply() {
    m_font = m_faces->SelectedFace(m_font);
    return true;
}

void CChartSetTotalDay::Store(CChart& chart) const {
    StoreOption(chart, CChart::kOptionDayTotals, m_dayTotals->isChecked());
    chart.SetTotalsFont(SizedFont(
        m_font, static_cast<int>(ReadChartNumber(m_size->currentText().toStdString())), true));
    chart.SetTotalsColor(StoreColorChoice(m_colorChoice));
}

} // namespace tembra
