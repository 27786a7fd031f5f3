#include "dialogs/attributes/LineTypeDlg.h"

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

CLineTypeDlg::CLineTypeDlg(int series, CChart& chart, QWidget* parent)
    : QDialog(parent), m_series(series), m_chart(chart), m_fields(LoadLineType(chart, series)) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("折線グラフの線種設定"));
    CColorComboBox* line = MakeChoiceColorCombo(this, IDC_LINE_COLOR, &m_fields.line);
    m_type = MakeTableCombo(this, IDC_LINE_TYPE, LineTypeTable());
    m_type->setCurrentIndex(m_fields.type.position);
    m_width = MakeTableCombo(this, IDC_LINE_WIDTH, LineWidthTable());
    m_width->setCurrentIndex(m_fields.width.position);

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({line, m_type, m_width});
    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("線色"), line);
    form->addRow(QString::fromUtf8("線種"), m_type);
    form->addRow(QString::fromUtf8("線幅"), m_width);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancel(this, enter));
    // Wide enough for the caption.
    setMinimumWidth(300);
}

void CLineTypeDlg::accept() {
    m_fields.type.position = m_type->currentIndex();
    m_fields.width.position = m_width->currentIndex();
    StoreLineType(m_fields, m_chart, m_series);
    QDialog::accept();
}

} // namespace tembra
