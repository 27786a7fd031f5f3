#include "dialogs/settings/ResourceEditDlg.h"

#include "document/TembraDoc.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

QLabel* Static(int id, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(IdName(id));
    label->setMinimumWidth(parent->fontMetrics().averageCharWidth() * 16);
    return label;
}

} // namespace

CResourceEditDlg::CResourceEditDlg(QWidget* parent)
    : CResourceDlgBase(IDD, "資源編集設定", parent) {
    m_workName = Static(IDC_WORK_NAME, this);
    m_totalDays = Static(IDC_TOTAL_DAYS, this);
    m_realDays = Static(IDC_REAL_DAYS, this);
    auto* apply = new QPushButton(QString::fromUtf8("決定"), this);
    apply->setObjectName(IdName(IDC_APPLY));
    apply->setAutoDefault(false);
    connect(apply, &QPushButton::clicked, this, &CResourceEditDlg::OnApply);
    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("作業名称："), m_workName);
    form->addRow(QString::fromUtf8("延べ日数："), m_totalDays);
    form->addRow(QString::fromUtf8("実日数："), m_realDays);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(RowsLayout());
    layout->addLayout(buttons);
}

void CResourceEditDlg::ShowKoutei(const CKoutei* process) {
    CTembraDoc* document = Document();
    if (document == nullptr) {
        return;
    }
    const ShigenKouteiTexts texts = MutableRows().ShowKoutei(process, *document);
    m_workName->setText(FromCp932(texts.workName));
    m_totalDays->setText(FromCp932(texts.totalDays));
    m_realDays->setText(FromCp932(texts.realDays));
    LoadControls();
}

void CResourceEditDlg::OnApply() {
    CTembraDoc* document = Document();
    if (document == nullptr || !CheckQuantities()) {
        return;
    }
    const std::vector<CShigenData> entries = Entries();
    document->GetResources().SetSelShigen(entries);
}

} // namespace tembra
