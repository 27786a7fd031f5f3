#include "layout_editor/FixedTextDlg.h"

#include "layout_editor/core/EditorTexts.h"
#include "layout_editor/core/PHeadMojiData.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/TextFieldCheck.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace marquell {

CFixedTextDlg::CFixedTextDlg(FixedTextRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request), m_text(new QPlainTextEdit(this)) {
    setWindowTitle(QString::fromUtf8("固定文字の入力"));
    // Lines end with CR LF in the element, with LF in the field.
    QString text = tembra::FromCp932(request.element.GetText());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text->setPlainText(text);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QString::fromUtf8("決定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QString::fromUtf8("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(420, 220);
}

void CFixedTextDlg::accept() {
    if (!tembra::CheckTextFields(this)) {
        return;
    }
    QString text = m_text->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const std::string bytes = tembra::ToCp932(text);
    if (const tembra::UINT message = CheckFixedText(bytes)) {
        tembra::AfxMessageBox(message, tembra::MB_OK | tembra::MB_ICONEXCLAMATION);
        m_text->clear();
        m_text->setFocus();
        return;
    }
    m_request.element.SetText(bytes);
    QDialog::accept();
}

} // namespace marquell
