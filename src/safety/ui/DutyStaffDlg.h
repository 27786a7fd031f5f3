// The duty staff dialog (309 "作業所当番者の管理"): the groups of duty persons of SHIFT.INI, made,
// renamed and deleted, and the persons of the shown group in rota order with one head. Every
// change is written to the file at once and the list shown again from the file, so closing
// ("閉じる") neither saves nor discards anything.
#pragma once

#include "safety/DutyStaffFile.h"
#include "safety/ToubanList.h"

#include <QDialog>

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;

namespace tembra {

class CConfigPath;
class CToubanListEditor;

class CDutyStaffDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 309;

    explicit CDutyStaffDlg(const CConfigPath& paths, QWidget* parent = nullptr);

    // A file the next write would change (CDutyStaffFile::Damaged) is refused with message 5008
    // and the dialog does not open (IDCANCEL).
    int DoModal();

    const std::string& CurrentGroup() const { return m_group; }
    QComboBox* GroupList() const { return m_groups; }
    CToubanListEditor* Editor() const { return m_editor; }
    QPushButton* GroupButton(int i) const { return m_groupButtons[i]; }

    // The group buttons: 新規作成, 名称変更, 削除.
    void OnNewGroup();
    void OnRenameGroup();
    void OnDeleteGroup();

private:
    // Shows a group (the first when name is empty); refills the group list when asked.
    void LoadGroup(const std::string& name, bool refill);
    // LoadGroup with the group selected in the list.
    void ShowGroup(bool refill);
    std::optional<std::string> SelectedGroup() const;
    // Asks for a group name starting from text until it is new and storable; nothing on 取消
    // or an empty name. skip: the group being renamed, or -1.
    std::optional<std::string> AskGroupName(std::string text, int skip);
    // Writes the shown group with the persons edited and gives back what the file holds.
    CToubanList Store(const CToubanList& edited);
    // Tells the user of a write the file refused (5938); gives written back.
    bool Written(bool written);

    CDutyStaffFile m_file;
    std::string m_group;
    QComboBox* m_groups = nullptr;
    QPushButton* m_groupButtons[3] = {};
    QLabel* m_current = nullptr;
    CToubanListEditor* m_editor = nullptr;
};

} // namespace tembra
