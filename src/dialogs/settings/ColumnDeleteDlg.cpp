#include "dialogs/settings/ColumnDeleteDlg.h"

#include "document/EditDialogRequests.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

CColumnDeleteDlg::CColumnDeleteDlg(ColumnDeleteDlgRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("列削除"));
    auto* box = new QGroupBox(QString::fromUtf8("削除方法"), this);
    auto* column = new QVBoxLayout(box);
    m_delete = new QRadioButton(QString::fromUtf8("右の列を繰り上げる（削除）*"), box);
    m_delete->setObjectName(IdName(IDC_DELETE));
    m_blank = new QRadioButton(QString::fromUtf8("空白にする（消去）"), box);
    m_blank->setObjectName(IdName(IDC_BLANK));
    auto* group = new QButtonGroup(this);
    group->addButton(m_delete);
    group->addButton(m_blank);
    column->addWidget(m_delete);
    column->addWidget(m_blank);
    (request.method == ColumnDeleteDlgRequest::kBlank ? m_blank : m_delete)->setChecked(true);
    auto* note = new QLabel(QString::fromUtf8("< *注意 > \n"
                                              "「作図・編集条件」の休日考慮が有効であれば、\n"
                                              "選択期間内の休日は削除日数に含まれません。"),
                            this);
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_delete, m_blank});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(note);
    layout->addWidget(MakeOkCancel(this, enter));
}

void CColumnDeleteDlg::accept() {
    m_request.method =
        m_blank->isChecked() ? ColumnDeleteDlgRequest::kBlank : ColumnDeleteDlgRequest::kMoveLeft;
    QDialog::accept();
}

} // namespace tembra
