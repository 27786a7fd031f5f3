#include "dialogs/settings/PaperSelectDlg.h"

#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>

namespace tembra {

CPaperSelectDlg::CPaperSelectDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("用紙選択"));
    auto* enter = new CEnterMovesFocus(this);
    auto* layout = new QVBoxLayout(this);
    for (const char* line :
         {"現在設定されている用紙は", "安全衛生管理計画表書式に", "対応していません。",
          "用紙（A3,A2,A1）を選択し", "決定ボタンを押してください。"}) {
        layout->addWidget(new QLabel(QString::fromUtf8(line), this));
    }
    auto* group = new QGroupBox(QString::fromUtf8("用紙"), this);
    auto* row = new QHBoxLayout(group);
    m_list = new QComboBox(group);
    m_list->setObjectName(IdName(IDC_PAPER));
    m_list->addItems({"A3", "A2", "A1"});
    m_list->setCurrentIndex(0);
    row->addWidget(m_list);
    row->addWidget(new QLabel(QString::fromUtf8("に変更する。"), group));
    layout->addWidget(group);
    enter->Watch({m_list});
    layout->addWidget(MakeOkCancel(this, enter));
}

int CPaperSelectDlg::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CPaperSelectDlg::accept() {
    m_paperIndex = m_list->currentIndex();
    QDialog::accept();
}

int CPaperSelectDlg::GetPaperCode() const {
    static constexpr std::array<int, 3> kCodes{2, 4, 5};
    return kCodes[static_cast<std::size_t>(m_paperIndex >= 0 && m_paperIndex < 3 ? m_paperIndex
                                                                                 : 0)];
}

} // namespace tembra
