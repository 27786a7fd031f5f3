// The choice of a group of duty persons for the roster (作業所当番者グループの読込): the sorted
// groups of SHIFT.INI and a preview of the chosen group's persons; 読込 and 取消.
#pragma once

#include "safety/DutyStaffFile.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QListWidget;

namespace tembra {

class CConfigPath;

class CDutyGroupLoadDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDutyGroupLoadDlg(const CConfigPath& paths, QWidget* parent = nullptr);

    int DoModal();
    // The group shown (empty when the file has none) and its persons in rota order.
    const std::string& Group() const { return m_group; }
    std::vector<CToubanEntry> Persons() const;

    QComboBox* GroupList() const { return m_groups; }
    QListWidget* PersonList() const { return m_persons; }

private:
    // Shows a group (the first when name is empty); refills the group list when asked.
    void LoadGroup(const std::string& name, bool refill);

    CDutyStaffFile m_file;
    std::string m_group;
    QComboBox* m_groups = nullptr;
    QListWidget* m_persons = nullptr;
};

// Fills a group list with the groups and selects name (none when it is not there).
void FillDutyGroups(QComboBox* list, const std::vector<std::string>& groups,
                    const std::string& name);

} // namespace tembra
