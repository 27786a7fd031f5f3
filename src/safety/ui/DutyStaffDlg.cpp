#include "safety/ui/DutyStaffDlg.h"

#include "model/Utility.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "safety/ui/DutyGroupLoadDlg.h"
#include "safety/ui/DutyGroupNameDlg.h"
#include "safety/ui/ToubanListEditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tembra {

namespace {

constexpr UINT kDamagedFile = 5008;
constexpr UINT kCannotWrite = 5938;
constexpr UINT kDeleteGroup = 1067;
constexpr UINT kCannotUndo = 1068;

bool AskOkCancel(UINT id, std::initializer_list<std::string> args = {}) {
    const std::string text = FormatString(LoadString(id), args);
    return Ui().MessageBox(text, MB_OKCANCEL | MB_ICONQUESTION, id) == IDOK;
}

std::vector<std::string> Names(const CToubanList& list) {
    std::vector<std::string> names;
    for (const CToubanEntry& e : list.Entries()) {
        names.push_back(e.m_name);
    }
    return names;
}

} // namespace

CDutyStaffDlg::CDutyStaffDlg(const CConfigPath& paths, QWidget* parent)
    : QDialog(parent), m_file(paths) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("作業所当番者の管理"));
    m_groups = new QComboBox(this);
    const char* captions[3] = {"新規作成", "名称変更", "削除"};
    for (int i = 0; i < 3; ++i) {
        m_groupButtons[i] = new QPushButton(QString::fromUtf8(captions[i]), this);
        m_groupButtons[i]->setAutoDefault(false);
    }
    connect(m_groupButtons[0], &QPushButton::clicked, this, [this] { OnNewGroup(); });
    connect(m_groupButtons[1], &QPushButton::clicked, this, [this] { OnRenameGroup(); });
    connect(m_groupButtons[2], &QPushButton::clicked, this, [this] { OnDeleteGroup(); });
    connect(m_groups, &QComboBox::currentIndexChanged, this, [this] { ShowGroup(false); });
    m_current = new QLabel(this);

    CToubanListEditor::Hooks hooks;
    hooks.editable = [this] { return m_groups->count() > 0; };
    hooks.accepts = [this](const std::string& name, int skip) {
        const DutyNameProblem problem =
            CheckDutyName(name, Names(m_editor->List()), skip, DutyNameKind::Person);
        // A name the list already holds is refused without a word, as the list refuses it.
        return problem != DutyNameProblem::Duplicate &&
               !RefuseDutyName(problem, DutyNameKind::Person);
    };
    hooks.confirmDelete = [] { return AskOkCancel(kCannotUndo); };
    hooks.changed = [this](const CToubanList& edited) { return Store(edited); };
    m_editor = new CToubanListEditor(this, std::move(hooks));

    auto* close = new QPushButton(QString::fromUtf8("閉じる"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QString::fromUtf8("グループ"), this), 0, 0);
    grid->addWidget(m_groups, 0, 1, 1, 3);
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(m_groupButtons[i], 1, 1 + i);
    }
    grid->addWidget(m_current, 2, 0, 1, 4);
    grid->addWidget(m_editor, 3, 0, 1, 4);
    grid->addWidget(close, 4, 3);
    LoadGroup({}, true);
}

int CDutyStaffDlg::DoModal() {
    if (m_file.Damaged()) {
        AfxMessageBox(kDamagedFile, MB_OK | MB_ICONEXCLAMATION);
        return IDCANCEL;
    }
    exec();
    return IDOK;
}

bool CDutyStaffDlg::Written(bool written) {
    if (!written) {
        const std::string path = Sjis::FromUtf8(m_file.Path().string());
        AfxMessageBox(FormatString(LoadString(kCannotWrite), {path}), MB_OK | MB_ICONSTOP);
    }
    return written;
}

std::optional<std::string> CDutyStaffDlg::SelectedGroup() const {
    if (m_groups->currentIndex() < 0) {
        return std::nullopt;
    }
    return ToCp932(m_groups->currentText());
}

void CDutyStaffDlg::LoadGroup(const std::string& name, bool refill) {
    const std::vector<std::string> groups = m_file.Groups();
    if (refill) {
        FillDutyGroups(m_groups, groups, name);
    }
    m_editor->SetList(CToubanList());
    if (groups.empty()) {
        m_group.clear();
        m_current->clear();
        return;
    }
    m_group = name.empty() ? groups.front() : name;
    FillDutyGroups(m_groups, groups, m_group);
    m_current->setText(FromCp932(m_group));
    m_editor->SetList(CToubanList(m_file.Persons(m_group)));
}

void CDutyStaffDlg::ShowGroup(bool refill) {
    LoadGroup(SelectedGroup().value_or(std::string()), refill);
}

CToubanList CDutyStaffDlg::Store(const CToubanList& edited) {
    if (const std::optional<std::string> group = SelectedGroup(); group && !group->empty()) {
        // A refused write leaves the file and so the list as they were.
        Written(m_file.SaveGroup(*group, *group, edited.Entries()));
        LoadGroup(*group, true);
    }
    return m_editor->List();
}

std::optional<std::string> CDutyStaffDlg::AskGroupName(std::string text, int skip) {
    CDutyGroupNameDlg dialog(this);
    dialog.m_name = std::move(text);
    // Refused where it is typed: the name dialog stays open on a name the file cannot hold or
    // one in use (5115).
    const std::vector<std::string> groups = m_file.Groups();
    dialog.m_accepts = [&](const std::string& name) {
        return name.empty() ||
               !RefuseDutyName(CheckDutyName(name, groups, skip), DutyNameKind::Group);
    };
    if (dialog.DoModal() != IDOK || dialog.m_name.empty()) {
        return std::nullopt;
    }
    return dialog.m_name;
}

void CDutyStaffDlg::OnNewGroup() {
    const std::optional<std::string> name = AskGroupName(Sjis::FromUtf8("新しいグループ名"), -1);
    if (!name) {
        return;
    }
    if (Written(m_file.AddGroup(*name))) {
        LoadGroup(*name, true);
    }
}

void CDutyStaffDlg::OnRenameGroup() {
    const std::optional<std::string> selected = SelectedGroup();
    if (!selected) {
        return;
    }
    m_group = *selected;
    const std::vector<std::string> groups = m_file.Groups();
    const auto at = std::find(groups.begin(), groups.end(), m_group);
    const int skip = at == groups.end() ? -1 : static_cast<int>(at - groups.begin());
    const std::optional<std::string> name = AskGroupName(m_group, skip);
    if (!name || *name == m_group) {
        return;
    }
    if (Written(m_file.SaveGroup(m_group, *name, m_editor->List().Entries()))) {
        LoadGroup(*name, true);
    }
}

void CDutyStaffDlg::OnDeleteGroup() {
    const std::optional<std::string> selected = SelectedGroup();
    if (!selected) {
        return;
    }
    m_group = *selected;
    if (!AskOkCancel(kDeleteGroup, {m_group}) || !AskOkCancel(kCannotUndo)) {
        return;
    }
    const int index = m_groups->currentIndex();
    if (!Written(m_file.DeleteGroup(m_group))) {
        return;
    }
    const std::vector<std::string> groups = m_file.Groups();
    // The group now at the deleted one's place; none when it was the last, and then the first
    // group is shown.
    const std::string next =
        index < static_cast<int>(groups.size()) ? groups[static_cast<std::size_t>(index)] : "";
    LoadGroup(next, true);
}

} // namespace tembra
