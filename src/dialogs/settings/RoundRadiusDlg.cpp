#include "dialogs/settings/RoundRadiusDlg.h"

#include "dialogs/settings/ArrowField.h"
#include "dialogs/settings/core/CalendarPosition.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tembra {

CRoundRadiusDlg::CRoundRadiusDlg(int templateId, WORD& radius, QWidget* parent)
    : QDialog(parent), m_radius(radius) {
    setObjectName(IdName(templateId));
    setWindowTitle(QString::fromUtf8(templateId == IDD_SET ? "角丸四角の角丸半径設定"
                                                           : "角丸四角の角丸半径変更"));
    auto* box = new QGroupBox(QString::fromUtf8("半径 ｒ"), this);
    auto* row = new QHBoxLayout(box);
    m_field = new CArrowField(IDC_RADIUS, box);
    m_field->SetValue(radius);
    m_field->OnStep([this](int delta) {
        const int value = m_field->Value(kMinRadius);
        m_field->SetValue(StepInRange(value, delta, {kMinRadius, kMaxRadius}));
    });
    row->addWidget(m_field);
    row->addWidget(new QLabel(QString::fromUtf8("×0.1mm"), box));
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_field->Field()});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(MakeOkCancel(this, enter));
}

void CRoundRadiusDlg::accept() {
    int value = 0;
    if (!ReadIntField(m_field->Field(), kMinRadius, kMaxRadius, value, kRangeMessages)) {
        return;
    }
    m_radius = static_cast<WORD>(value);
    QDialog::accept();
}

} // namespace tembra
