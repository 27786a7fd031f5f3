#include "dialogs/attributes/BarPatternDlg.h"

#include "chart/Chart.h"
#include "controls/ColorComboBox.h"
#include "dialogs/attributes/ChartSheetControls.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace tembra {

CBarPatternDlg::CBarPatternDlg(int series, CChart& chart, QWidget* parent)
    : QDialog(parent), m_series(series), m_chart(chart), m_fields(LoadBarPattern(chart, series)) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("棒グラフの模様設定"));
    CColorComboBox* line = MakeChoiceColorCombo(this, IDC_LINE_COLOR, &m_fields.line);
    CColorComboBox* fill = MakeChoiceColorCombo(this, IDC_PATTERN_COLOR, &m_fields.fill);
    m_pattern = MakeTableCombo(this, IDC_PATTERN, BarPatternTable());
    m_pattern->setCurrentIndex(m_fields.pattern.position);

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({line, m_pattern, fill});
    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("線色"), line);
    form->addRow(QString::fromUtf8("模様"), m_pattern);
    form->addRow(QString::fromUtf8("模様色"), fill);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancel(this, enter));
    // Wide enough for the caption.
    setMinimumWidth(300);
}

void CBarPatternDlg::accept() {
    m_fields.pattern.position = m_pattern->currentIndex();
    StoreBarPattern(m_fields, m_chart, m_series);
    QDialog::accept();
}

} // namespace tembra
