// The group "当番者設定" of the roster page and of the duty staff dialog: the name field, the
// list of duty persons in rota order (the head marked "(先頭)") and the buttons that add, insert,
// change, delete, mark the head and move persons. It edits a CToubanList; the owner may refuse
// more names, confirm a deletion, and is told after every change (the staff dialog writes the
// file then and gives back what the file holds).
#pragma once

#include "safety/ToubanList.h"

#include <QGroupBox>

#include <functional>
#include <optional>
#include <string>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tembra {

class CToubanListEditor : public QGroupBox {
public:
    struct Hooks {
        // Whether the list may be edited at all (the staff dialog needs a group).
        std::function<bool()> editable;
        // Whether a typed name is taken besides the list's own rule; skip is the position being
        // renamed, else -1.
        std::function<bool(const std::string& name, int skip)> accepts;
        // Asked before a person is deleted.
        std::function<bool()> confirmDelete;
        // After every change: returns the list to show (the owner may have stored and re-read
        // it).
        std::function<CToubanList(const CToubanList&)> changed;
    };

    explicit CToubanListEditor(QWidget* parent, Hooks hooks = {});

    const CToubanList& List() const { return m_list; }
    // Shows a list; no selection.
    void SetList(CToubanList list);

    QLineEdit* NameField() const { return m_name; }
    QListWidget* ListBox() const { return m_listBox; }
    // 0 追加, 1 挿入, 2 修正, 3 削除, 4 先頭設定, 5 上へ, 6 下へ.
    QPushButton* Button(int i) const { return m_buttons[i]; }

private:
    std::optional<int> Selection() const;
    std::string TypedName() const;
    bool Accepts(const std::string& name, int skip) const;
    // Stores the edited list through the owner and shows it, selecting select.
    void Commit(CToubanList edited, std::optional<int> select);
    void ClearTyping();

    void OnAdd();
    void OnInsert();
    void OnModify();
    void OnDelete();
    void OnHead();
    void OnMove(int delta);

    Hooks m_hooks;
    CToubanList m_list;
    QLineEdit* m_name = nullptr;
    QListWidget* m_listBox = nullptr;
    QPushButton* m_buttons[7] = {};
};

} // namespace tembra
