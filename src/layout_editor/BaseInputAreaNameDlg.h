// The base input-area names dialog ("基本入力領域名設定"): the user's list of the names every
// paper offers as base input areas. "追加" appends the typed name (refusals by their message),
// "削除" takes out the chosen entry; OK, only from its own button, stores the list and tells
// that it counts from the next start (61249).
#pragma once

#include "layout_editor/core/EditorRequests.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace marquell {

class CBaseInputAreaNameDlg : public QDialog {
    Q_OBJECT
public:
    CBaseInputAreaNameDlg(BaseInputAreaNamesRequest& request, QWidget* parent = nullptr);

    QLineEdit* NewNameField() const { return m_newName; }
    QPushButton* AddButton() const { return m_add; }
    QComboBox* List() const { return m_list; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* OkButton() const { return m_ok; }
    void accept() override;

private:
    void Fill();
    void OnAdd();
    void OnDelete();

    CBaseInputAreaNameData& m_data;
    QLineEdit* m_newName;
    QPushButton* m_add;
    QComboBox* m_list;
    QPushButton* m_delete;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace marquell
