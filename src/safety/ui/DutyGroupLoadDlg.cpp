#include "safety/ui/DutyGroupLoadDlg.h"

#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "safety/ToubanList.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

namespace tembra {

namespace {

constexpr UINT kDamagedFile = 5008;

} // namespace

void FillDutyGroups(QComboBox* list, const std::vector<std::string>& groups,
                    const std::string& name) {
    const QSignalBlocker block(list);
    list->clear();
    for (const std::string& group : groups) {
        list->addItem(FromCp932(group));
    }
    const auto at = std::find(groups.begin(), groups.end(), name);
    list->setCurrentIndex(at == groups.end() ? -1 : static_cast<int>(at - groups.begin()));
}

CDutyGroupLoadDlg::CDutyGroupLoadDlg(const CConfigPath& paths, QWidget* parent)
    : QDialog(parent), m_file(paths) {
    setWindowTitle(QString::fromUtf8("作業所当番者グループの読込"));
    m_groups = new QComboBox(this);
    m_persons = new QListWidget(this);
    m_persons->setSelectionMode(QAbstractItemView::NoSelection);
    connect(m_groups, &QComboBox::currentIndexChanged, this,
            [this] { LoadGroup(ToCp932(m_groups->currentText()), false); });
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_groups});
    QDialogButtonBox* buttons = MakeOkCancel(this, enter);
    for (QAbstractButton* button : buttons->buttons()) {
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
            button->setText(QString::fromUtf8("読込"));
        }
    }
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QString::fromUtf8("グループ"), this), 0, 0);
    grid->addWidget(m_groups, 0, 1);
    grid->addWidget(new QLabel(QString::fromUtf8("当番者一覧"), this), 1, 0);
    grid->addWidget(m_persons, 2, 0, 1, 2);
    grid->addWidget(buttons, 3, 0, 1, 2);
    LoadGroup({}, true);
}

void CDutyGroupLoadDlg::LoadGroup(const std::string& name, bool refill) {
    const std::vector<std::string> groups = m_file.Groups();
    m_persons->clear();
    if (groups.empty()) {
        m_group.clear();
        FillDutyGroups(m_groups, groups, {});
        return;
    }
    m_group = name.empty() ? groups.front() : name;
    if (refill) {
        FillDutyGroups(m_groups, groups, m_group);
    }
    for (const CToubanEntry& person : m_file.Persons(m_group)) {
        m_persons->addItem(FromCp932(CToubanList::LineText(person)));
    }
}

int CDutyGroupLoadDlg::DoModal() {
    // Names the file does not give back as written would reach the roster changed.
    if (m_file.Damaged()) {
        AfxMessageBox(kDamagedFile, MB_OK | MB_ICONEXCLAMATION);
        return IDCANCEL;
    }
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

std::vector<CToubanEntry> CDutyGroupLoadDlg::Persons() const {
    return m_file.Persons(m_group);
}

} // namespace tembra
