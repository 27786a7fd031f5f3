#include "layout_editor/InputAreaNameDlg.h"

#include "layout_editor/core/EditorTexts.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/TextFieldCheck.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace marquell {

namespace {

constexpr tembra::UINT kInvalidName = 61251;

} // namespace

CInputAreaNameBox::CInputAreaNameBox(CInputAreaNameData& data, QWidget* parent)
    : QComboBox(parent), m_data(data) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void CInputAreaNameBox::showPopup() {
    if (currentText().isEmpty() && m_data.GetChosenBase() >= 0 &&
        m_data.GetChosenBase() < count()) {
        setCurrentIndex(m_data.GetChosenBase());
    }
    QComboBox::showPopup();
}

CInputAreaNameDlg::CInputAreaNameDlg(InputAreaNameRequest& request, QWidget* parent)
    : QDialog(parent), m_data(request.data), m_name(new CInputAreaNameBox(request.data, this)),
      m_text(new QPlainTextEdit(this)) {
    setWindowTitle(QString::fromUtf8("文字入力領域名の設定"));
    for (const std::string& name : m_data.BaseNames()) {
        m_name->addItem(tembra::FromCp932(name));
    }
    m_name->setEditText(tembra::FromCp932(m_data.name));
    m_name->lineEdit()->setMaxLength(kNameLength);
    m_name->setEnabled(m_data.IsNameEditable());
    connect(m_name, &QComboBox::activated, this, [this](int index) { m_data.ChooseBase(index); });
    // Lines end with CR LF in the element, with LF in the field.
    QString text = tembra::FromCp932(m_data.defaultText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text->setPlainText(text);

    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("領域名"), m_name);
    form->addRow(QString::fromUtf8("デフォルト文字"), m_text);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QString::fromUtf8("決定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QString::fromUtf8("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(420, 240);
}

void CInputAreaNameDlg::accept() {
    if (!tembra::CheckTextFields(this)) {
        return;
    }
    m_data.name = tembra::ToCp932(m_name->currentText());
    QString text = m_text->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    m_data.defaultText = tembra::ToCp932(text);
    if (const tembra::UINT message = m_data.Check()) {
        tembra::AfxMessageBox(message, tembra::MB_OK | tembra::MB_ICONEXCLAMATION);
        // The default text, when it is the one refused, is corrected where it stands.
        if (CheckInputAreaName(m_data.name) == 0 && CheckDefaultText(m_data.defaultText) != 0) {
            m_text->setFocus();
            return;
        }
        if (message == kInvalidName) {
            m_name->setEditText(QString());
        }
        m_name->setFocus();
        return;
    }
    m_data.Apply();
    QDialog::accept();
}

} // namespace marquell
