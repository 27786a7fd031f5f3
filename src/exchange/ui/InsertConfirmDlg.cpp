#include "exchange/ui/InsertConfirmDlg.h"

#include "document/DocFileRequests.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

CInsertConfirmDlg::CInsertConfirmDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(IDD));
    setWindowTitle(QString::fromUtf8("差込"));
    auto* text = new QLabel(QString::fromUtf8("初期設定を対象外にすると現在の設定期間の外にデータが"
                                              "差し込まれる可能性が有ります。\n続行しますか？"),
                            this);
    m_adjust = new QCheckBox(QString::fromUtf8("現在の初期設定範囲内に入るように調整する"), this);
    m_adjust->setObjectName(QString::number(IDC_ADJUST));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* yes = buttons->addButton(QString::fromUtf8("はい(&Y)"), QDialogButtonBox::YesRole);
    yes->setObjectName(QString::number(1));
    yes->setDefault(true);
    QPushButton* no = buttons->addButton(QString::fromUtf8("いいえ(&N)"), QDialogButtonBox::NoRole);
    no->setObjectName(QString::number(2));
    connect(yes, &QPushButton::clicked, this, &CInsertConfirmDlg::accept);
    connect(no, &QPushButton::clicked, this, &CInsertConfirmDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_adjust);
    layout->addWidget(buttons);
}

CInsertConfirmDlg::~CInsertConfirmDlg() = default;

int CInsertConfirmDlg::exec() {
    m_adjust->setChecked(m_bAdjust);
    return QDialog::exec();
}

void CInsertConfirmDlg::accept() {
    m_bAdjust = m_adjust->isChecked();
    QDialog::accept();
}

void CInsertConfirmDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the window it belongs to.
    if (QWidget* owner = parentWidget()) {
        const QRect frame = owner->window()->frameGeometry();
        move(frame.center() - rect().center());
    }
}

int CInsertConfirmDlg::Run(DialogRequest& request, QWidget* parent) {
    auto& confirm = static_cast<InsertConfirmRequest&>(request);
    CInsertConfirmDlg dialog(parent);
    dialog.m_bAdjust = confirm.adjust;
    if (dialog.exec() != QDialog::Accepted) {
        return IDCANCEL;
    }
    confirm.adjust = dialog.m_bAdjust;
    return IDOK;
}

} // namespace tembra
