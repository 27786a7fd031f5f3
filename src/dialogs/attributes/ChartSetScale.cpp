#include "dialogs/attributes/ChartSetScale.h"

#include "chart/Chart.h"
#include "dialogs/attributes/ChartSheetControls.h"
#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace tembra {

CChartSetScale::CChartSetScale(QWidget* parent) : QWidget(parent) {
    setObjectName(IdName(IDD));
    m_faces = new CChartFaceList(this, IDC_FACE_LIST);
    m_size = MakeTextCombo(this, IDC_SIZE, ChartFontSizeTexts(), 3);
    m_step = MakeTextCombo(this, IDC_STEP, ScaleStepTexts(), 4);
    m_maximum = MakeTextCombo(this, IDC_MAXIMUM, ScaleMaximumTexts(), 4);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QString::fromUtf8("目盛ﾌｫﾝﾄ"), this), 0, 0);
    grid->addWidget(m_faces, 1, 0, 3, 1);
    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("目盛ﾌｫﾝﾄｻｲｽﾞ"), m_size);
    form->addRow(QString::fromUtf8("目盛刻み値"), m_step);
    form->addRow(QString::fromUtf8("目盛最大値"), m_maximum);
    grid->addLayout(form, 1, 1);
}

void CChartSetScale::LoadFromChart(const CChart& chart) {
    m_chart = &chart;
    m_fields = LoadScaleFields(chart);
    m_faces->Select(m_fields.font);
    m_size->setEditText(QString::fromStdString(m_fields.size));
    m_step->setEditText(QString::fromUtf8(m_fields.step.c_str()));
    m_maximum->setEditText(QString::fromUtf8(m_fields.maximum.c_str()));
    m_maximum->setEnabled(m_fields.maximumEnabled);
}

void CChartSetScale::ReadControls() {
    m_fields.size = m_size->currentText().toStdString();
    m_fields.step = m_step->currentText().toStdString();
    m_fields.maximum = m_maximum->currentText().toStdString();
}

bool CChartSetScale::Apply() {
    ReadControls();
    if (m_chart != nullptr && !ScaleStepAccepted(m_fields, *m_chart)) {
        AfxMessageBox(IDS_EARNED_VALUE_STEP, MB_OK | MB_ICONEXCLAMATION);
        FocusOnPage(this, m_step);
        return false;
    }
    m_fields.font = m_faces->SelectedFace(m_fields.font);
    return true;
}

void CChartSetScale::StoreToChart(CChart& chart) {
    ReadControls();
    StoreScaleFields(m_fields, chart);
}

} // namespace tembra
