#include "safety/ui/ToubanCreateSelDlg.h"

#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "safety/DutyRoster.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

constexpr int kMasks[3] = {kDutyBoth, kDutyWorkSite, kDutyPartners};

} // namespace

CToubanCreateSelDlg::CToubanCreateSelDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("安全当番枠作成選択"));
    const char* captions[3] = {"作業所と協力会社の両方を作成する", "作業所のみ作成する",
                               "協力会社のみ作成する"};
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 3; ++i) {
        m_choices[i] = new QRadioButton(QString::fromUtf8(captions[i]), this);
        layout->addWidget(m_choices[i]);
    }
    m_choices[0]->setChecked(true);
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_choices[0], m_choices[1], m_choices[2]});
    QDialogButtonBox* buttons = MakeOkCancel(this, enter);
    for (QAbstractButton* button : buttons->buttons()) {
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
            button->setText(QString::fromUtf8("作成"));
        }
    }
    layout->addWidget(buttons);
}

int CToubanCreateSelDlg::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

int CToubanCreateSelDlg::Mask() const {
    for (int i = 0; i < 3; ++i) {
        if (m_choices[i]->isChecked()) {
            return kMasks[i];
        }
    }
    return kDutyBoth;
}

} // namespace tembra
