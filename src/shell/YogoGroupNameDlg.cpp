#include "shell/YogoGroupNameDlg.h"

#include "platform/qt/Cp932Text.h"
#include "platform/qt/Cp932Validator.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace tembra {

CYogoGroupNameDlg::CYogoGroupNameDlg(const std::string& name, QWidget* parent) : QDialog(parent) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("用語グループ名の編集"));
    m_name = new QLineEdit(FromCp932(name), this);
    m_name->setObjectName(IdName(IDC_NAME));
    m_name->setValidator(new CCp932Validator(kMaxBytes, m_name));
    m_name->selectAll();
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_name});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_name);
    layout->addWidget(MakeOkCancel(this, enter));
    setMinimumWidth(280);
}

CYogoGroupNameDlg::~CYogoGroupNameDlg() = default;

std::string CYogoGroupNameDlg::Name() const {
    return ToCp932(m_name->text());
}

void CYogoGroupNameDlg::accept() {
    if (m_accepts && !m_accepts(Name())) {
        m_name->setFocus(Qt::OtherFocusReason);
        m_name->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace tembra
