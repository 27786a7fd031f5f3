#include "exchange/ui/QkrImportSelDlg.h"

#include "exchange/QkrImport.h"
#include "platform/Ui.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

const std::array<CQkrImportSelDlg::Box, 5> CQkrImportSelDlg::kBoxes{{
    {IDC_CALENDAR, "カレンダー情報", kQkrCalendar},
    {IDC_HEADER, "印刷ヘッダー情報", kQkrHeader},
    {IDC_ITEMS, "項目データー", kQkrItems},
    {IDC_PROCESSES, "工程+用語データー", kQkrProcesses},
    {IDC_EVENTS, "行事データ", kQkrEvents},
}};

CQkrImportSelDlg::CQkrImportSelDlg(DWORD& flags, QWidget* parent)
    : QDialog(parent), m_flags(flags) {
    setObjectName(QString::number(IDD));
    setWindowTitle(QString::fromUtf8("QKRｱｽｷｰﾌｧｲﾙ読み込み選択"));
    auto* group = new QGroupBox(QString::fromUtf8("読み込みデータ"), this);
    auto* groupLayout = new QVBoxLayout(group);
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        auto* check = new QCheckBox(QString::fromUtf8(kBoxes[i].label), group);
        check->setObjectName(QString::number(kBoxes[i].id));
        check->setChecked((flags & kBoxes[i].bit) != 0);
        groupLayout->addWidget(check);
        m_boxes[i] = check;
    }
    connect(CheckBox(IDC_CALENDAR), &QCheckBox::clicked, this, [this] { CalendarChanged(); });
    for (const int id : {IDC_PROCESSES, IDC_EVENTS}) {
        connect(CheckBox(id), &QCheckBox::clicked, this,
                [this](bool checked) { NeedsCalendar(checked); });
    }
    // Neither button is the default: Enter moves on, and presses a button only on it.
    m_ok = new QPushButton(QString::fromUtf8("決定"), this);
    m_ok->setObjectName(QString::number(1));
    m_ok->setAutoDefault(false);
    m_cancel = new QPushButton(QString::fromUtf8("取消"), this);
    m_cancel->setObjectName(QString::number(2));
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &CQkrImportSelDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CQkrImportSelDlg::reject);
    auto* enter = new CEnterMovesFocus(this);
    for (QCheckBox* check : m_boxes) {
        enter->Watch({check});
    }
    enter->SetButtons(m_ok, m_cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

CQkrImportSelDlg::~CQkrImportSelDlg() = default;

QCheckBox* CQkrImportSelDlg::CheckBox(int id) const {
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        if (kBoxes[i].id == id) {
            return m_boxes[i];
        }
    }
    return nullptr;
}

void CQkrImportSelDlg::CalendarChanged() {
    QCheckBox* calendar = CheckBox(IDC_CALENDAR);
    if (!calendar->isChecked() &&
        (CheckBox(IDC_PROCESSES)->isChecked() || CheckBox(IDC_EVENTS)->isChecked())) {
        AfxMessageBox(IDS_QKR_CALENDAR_NEEDED, MB_OK | MB_ICONEXCLAMATION);
        calendar->setChecked(true);
    }
}

void CQkrImportSelDlg::NeedsCalendar(bool checked) {
    if (checked) {
        CheckBox(IDC_CALENDAR)->setChecked(true);
    }
}

void CQkrImportSelDlg::accept() {
    DWORD flags = 0;
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        if (m_boxes[i]->isChecked()) {
            flags |= kBoxes[i].bit;
        }
    }
    m_flags = flags;
    QDialog::accept();
}

int CQkrImportSelDlg::Run(DialogRequest& request, QWidget* parent) {
    auto& select = static_cast<QkrImportSelectRequest&>(request);
    CQkrImportSelDlg dialog(select.flags, parent);
    return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

} // namespace tembra
