#include "dialogs/attributes/LineDeleteDlg.h"

#include "document/AttrDialogRequests.h"
#include "document/EditDialogRequests.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

CLineDeleteDlg::CLineDeleteDlg(LineDeleteDlgRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("行削除"));
    auto* box = new QGroupBox(QString::fromUtf8("削除方法"), this);
    auto* column = new QVBoxLayout(box);
    m_delete = new QRadioButton(QString::fromUtf8("下の行を繰り上げる（削除）"), box);
    m_delete->setObjectName(IdName(IDC_DELETE));
    m_blank = new QRadioButton(QString::fromUtf8("空白にする（消去）"), box);
    m_blank->setObjectName(IdName(IDC_BLANK));
    auto* group = new QButtonGroup(this);
    group->addButton(m_delete);
    group->addButton(m_blank);
    column->addWidget(m_delete);
    column->addWidget(m_blank);
    (request.method == 1 ? m_blank : m_delete)->setChecked(true);
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_delete, m_blank});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(MakeOkCancel(this, enter));
}

void CLineDeleteDlg::accept() {
    m_request.method = m_blank->isChecked() ? 1 : 0;
    QDialog::accept();
}

} // namespace tembra
