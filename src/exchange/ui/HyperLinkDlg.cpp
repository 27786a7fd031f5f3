#include "exchange/ui/HyperLinkDlg.h"

#include "document/HyperLinkRequest.h"

#include "platform/StringTable.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/TextFieldCheck.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

CHyperLinkDlg::CHyperLinkDlg(UINT captionId, QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(IDD));
    setWindowTitle(QString::fromStdString(LoadStringUtf8(captionId)));

    m_text = new QLineEdit(this);
    m_text->setObjectName(QString::number(IDC_TEXT));
    auto* group = new QGroupBox(QString::fromUtf8("リンク先"), this);
    m_file = new QRadioButton(QString::fromUtf8("ファイル、Webページ"), group);
    m_file->setObjectName(QString::number(IDC_KIND_FILE));
    m_mail = new QRadioButton(QString::fromUtf8("電子メールアドレス"), group);
    m_mail->setObjectName(QString::number(IDC_KIND_MAIL));
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(m_file, 0);
    kinds->addButton(m_mail, 1);
    connect(m_file, &QRadioButton::clicked, this, [this] {
        TakeValues();
        UpdateLabel();
    });
    connect(m_mail, &QRadioButton::clicked, this, [this] {
        TakeValues();
        UpdateLabel();
    });
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_file);
    groupLayout->addWidget(m_mail);

    m_label = new QLabel(this);
    m_label->setObjectName(QString::number(IDC_TARGET_LABEL));
    m_target = new QLineEdit(this);
    m_target->setObjectName(QString::number(IDC_TARGET));
    auto* browse = new QPushButton(QString::fromUtf8("参照"), this);
    browse->setObjectName(QString::number(IDC_BROWSE));
    connect(browse, &QPushButton::clicked, this, &CHyperLinkDlg::Browse);
    auto* targetRow = new QHBoxLayout;
    targetRow->addWidget(m_target);
    targetRow->addWidget(browse);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString::fromUtf8("決定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QString::number(1));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QString::fromUtf8("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QString::number(2));
    connect(buttons, &QDialogButtonBox::accepted, this, &CHyperLinkDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CHyperLinkDlg::reject);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("表示文字列"), m_text);
    layout->addLayout(form);
    layout->addWidget(group);
    layout->addWidget(m_label);
    layout->addLayout(targetRow);
    layout->addWidget(buttons);
    ShowValues();
}

CHyperLinkDlg::~CHyperLinkDlg() = default;

void CHyperLinkDlg::ShowValues() {
    m_text->setText(FromCp932(m_strText));
    m_target->setText(FromCp932(m_strTarget));
    m_file->setChecked(m_nKind == 0);
    m_mail->setChecked(m_nKind == 1);
    UpdateLabel();
}

void CHyperLinkDlg::TakeValues() {
    m_strText = ToCp932(m_text->text());
    m_strTarget = ToCp932(m_target->text());
    m_nKind = m_mail->isChecked() ? 1 : m_file->isChecked() ? 0 : -1;
}

void CHyperLinkDlg::UpdateLabel() {
    m_label->setText(
        QString::fromUtf8(m_nKind != 0 ? "電子メールアドレス:" : "ファイル名またはWebページ名:"));
}

int CHyperLinkDlg::Run(DialogRequest& request, QWidget* parent) {
    auto& link = static_cast<HyperLinkRequest&>(request);
    CHyperLinkDlg dialog(link.captionId, parent);
    dialog.m_strText = link.text;
    dialog.m_strTarget = link.address;
    dialog.m_nKind = link.mail ? 1 : 0;
    if (dialog.exec() != QDialog::Accepted) {
        return IDCANCEL;
    }
    link.text = dialog.m_strText;
    link.address = dialog.m_strTarget;
    link.mail = dialog.m_nKind == 1;
    return IDOK;
}

int CHyperLinkDlg::exec() {
    ShowValues();
    return QDialog::exec();
}

void CHyperLinkDlg::accept() {
    if (!CheckTextFields(this)) {
        return;
    }
    TakeValues();
    QDialog::accept();
}

QString CHyperLinkDlg::ChooseFile() {
    return QFileDialog::getOpenFileName(this, QString::fromUtf8("ファイルにリンク"), QString(),
                                        QString::fromUtf8("すべてのファイル (*)"), nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

void CHyperLinkDlg::Browse() {
    const QString path = ChooseFile();
    if (path.isEmpty()) {
        return;
    }
    TakeValues();
    m_strTarget = ToCp932(path);
    ShowValues();
}

} // namespace tembra
