#include "layout_editor/LayoutFormatNameDlg.h"

#include "layout_editor/core/EditorTexts.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/Cp932Validator.h"
#include "platform/qt/TextFieldCheck.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace marquell {

CLayoutFormatNameDlg::CLayoutFormatNameDlg(LayoutFormatNameRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request), m_name(new QLineEdit(this)) {
    setWindowTitle(QString::fromUtf8("レイアウト書式名"));
    m_name->setValidator(new tembra::CCp932Validator(kFormatNameLimit, m_name));
    m_name->setText(tembra::FromCp932(request.name));
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 30);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QString::fromUtf8("決定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QString::fromUtf8("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(QString::fromUtf8("書式名"), m_name);
    layout->addRow(buttons);
}

void CLayoutFormatNameDlg::accept() {
    if (!tembra::CheckTextFields(this)) {
        return;
    }
    const std::string name = tembra::ToCp932(m_name->text());
    if (const tembra::UINT message = CheckFormatName(name)) {
        tembra::AfxMessageBox(message, tembra::MB_OK | tembra::MB_ICONEXCLAMATION);
        m_name->setFocus();
        return;
    }
    m_request.name = name;
    QDialog::accept();
}

} // namespace marquell
