// The name of a group of duty persons (作業所当番者グループ名の編集): one field of up to 100
// characters, 決定 and 取消; centred on its parent.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLineEdit;

namespace tembra {

class CDutyGroupNameDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDutyGroupNameDlg(QWidget* parent = nullptr);

    int DoModal();
    // 決定 first hands the typed name (CP932) to the check, when there is one: a name it refuses
    // (it has shown its message) keeps the dialog open with the name selected.
    void accept() override;

    // The name (CP932): set before the run, read after 決定.
    std::string m_name;
    std::function<bool(const std::string&)> m_accepts;

    QLineEdit* NameField() const { return m_field; }

private:
    QLineEdit* m_field = nullptr;
};

} // namespace tembra
