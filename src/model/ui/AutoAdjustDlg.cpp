#include "model/ui/AutoAdjustDlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

CAutoAdjustDlg::CAutoAdjustDlg(bool limitToPeriod, QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(IDD));
    setWindowTitle(QString::fromUtf8("自動調整の確認"));
    auto* question = new QLabel(QString::fromUtf8("工程の自動調整を行いますか？"), this);
    m_limit = new QCheckBox(QString::fromUtf8("初期設定期間に限定する"), this);
    m_limit->setObjectName(QString::number(IDC_LIMIT));
    m_limit->setChecked(limitToPeriod);
    auto* note = new QLabel(QString::fromUtf8("（OFFにすると処理に時間がかかります）"), this);

    auto* yes = new QPushButton(QString::fromUtf8("はい"), this);
    yes->setObjectName(QString::number(1));
    auto* no = new QPushButton(QString::fromUtf8("いいえ"), this);
    no->setObjectName(QString::number(2));
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(m_limit);
    layout->addWidget(note);
    layout->addLayout(buttons);
}

CAutoAdjustDlg::~CAutoAdjustDlg() = default;

bool CAutoAdjustDlg::LimitToPeriod() const {
    return m_limit->isChecked();
}

} // namespace tembra
