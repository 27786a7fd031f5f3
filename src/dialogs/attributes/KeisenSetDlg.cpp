#include "dialogs/attributes/KeisenSetDlg.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "document/AttrDialogRequests.h"
#include "document/EditDialogRequests.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

namespace tembra {

namespace {
constexpr std::array<const char*, 3> kLabels = {"工程欄 下罫線", "項目欄 下罫線", "項目欄 右罫線"};
// The request's line of combo i: the process row's, the item cell's lower, its right.
int* Line(KeisenSetDlgRequest& request, std::size_t i) {
    int* lines[] = {&request.rowLine, &request.lineA, &request.lineB};
    return lines[i];
}

} // namespace

CKeisenSetDlg::CKeisenSetDlg(KeisenSetDlgRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("罫線設定"));
    auto* grid = new QGridLayout;
    auto* enter = new CEnterMovesFocus(this);
    for (std::size_t i = 0; i < m_combos.size(); ++i) {
        m_changes[i] = MakeCheck(this, kChangeIds[i], kLabels[i]);
        m_combos[i] = MakeCodeCombo(this, kComboIds[i], KeisenTable());
        m_combos[i]->setCurrentIndex(*Line(request, i));
        QCheckBox* change = m_changes[i];
        connect(m_combos[i], &QComboBox::activated, this, [change] { change->setChecked(true); });
        grid->addWidget(m_changes[i], static_cast<int>(i), 0);
        grid->addWidget(m_combos[i], static_cast<int>(i), 1);
        enter->Watch({m_changes[i], m_combos[i]});
    }
    auto* layout = new QGridLayout(this);
    layout->addLayout(grid, 0, 0);
    layout->addWidget(MakeOkCancel(this, enter, Qt::Vertical), 0, 1, Qt::AlignTop);
}

void CKeisenSetDlg::accept() {
    for (std::size_t i = 0; i < m_combos.size(); ++i) {
        *Line(m_request, i) = m_changes[i]->isChecked() ? m_combos[i]->currentIndex() : -1;
    }
    QDialog::accept();
}

} // namespace tembra
