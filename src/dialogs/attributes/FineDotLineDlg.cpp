#include "dialogs/attributes/FineDotLineDlg.h"

#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

CFineDotLineDlg::CFineDotLineDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("細点線オプション設定"));
    auto* box = new QGroupBox(QString::fromUtf8("線幅"), this);
    auto* row = new QHBoxLayout(box);
    auto* group = new QButtonGroup(this);
    auto* enter = new CEnterMovesFocus(this);
    const std::array<const char*, 3> texts = {"細い", "標準", "太い"};
    for (std::size_t i = 0; i < m_radios.size(); ++i) {
        m_radios[i] = new QRadioButton(QString::fromUtf8(texts[i]), box);
        m_radios[i]->setObjectName(IdName(kRadioIds[i]));
        group->addButton(m_radios[i]);
        row->addWidget(m_radios[i]);
        enter->Watch({m_radios[i]});
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(MakeOkCancel(this, enter));
}

int CFineDotLineDlg::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CFineDotLineDlg::showEvent(QShowEvent* event) {
    if (index >= 0 && index < static_cast<int>(m_radios.size())) {
        m_radios[static_cast<std::size_t>(index)]->setChecked(true);
    }
    QDialog::showEvent(event);
}

void CFineDotLineDlg::accept() {
    for (std::size_t i = 0; i < m_radios.size(); ++i) {
        if (m_radios[i]->isChecked()) {
            index = static_cast<int>(i);
        }
    }
    QDialog::accept();
}

} // namespace tembra
