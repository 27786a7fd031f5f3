#include "safety/ui/DutyGroupNameDlg.h"

#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/Cp932Validator.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace tembra {

CDutyGroupNameDlg::CDutyGroupNameDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8("作業所当番者グループ名の編集"));
    m_field = new QLineEdit(this);
    m_field->setMaxLength(100);
    m_field->setValidator(new CCp932Validator(200, m_field));
    m_field->setMinimumWidth(300);
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_field});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_field);
    layout->addWidget(MakeOkCancel(this, enter));
}

void CDutyGroupNameDlg::accept() {
    if (m_accepts && !m_accepts(ToCp932(m_field->text()))) {
        m_field->setFocus(Qt::OtherFocusReason);
        m_field->selectAll();
        return;
    }
    QDialog::accept();
}

int CDutyGroupNameDlg::DoModal() {
    m_field->setText(FromCp932(m_name));
    m_field->selectAll();
    if (exec() != QDialog::Accepted) {
        return IDCANCEL;
    }
    m_name = ToCp932(m_field->text());
    return IDOK;
}

} // namespace tembra
