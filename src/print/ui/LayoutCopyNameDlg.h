// The copy-name dialog ("書式ファイル複写名設定"): the destination already holds a file of the
// name. Over an ordinary layout the user may keep the name (overwrite) or give another; over a
// master layout only another name or Cancel leaves the dialog. OK acts only from its own button
// (Enter in the name field does nothing).
#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tembra {

class CLayoutCopyNameDlg : public QDialog {
    Q_OBJECT
public:
    // outcome: set to kCopyNothing, then to what OK decided; name: the file's name in, the new
    // one out (file-system text).
    CLayoutCopyNameDlg(int masterMode, int* outcome, std::string* name, QWidget* parent = nullptr);

    QLineEdit* NameField() const { return m_field; }
    QLabel* MasterNote() const { return m_masterNote; }
    QLabel* ExistingNote() const { return m_existingNote; }
    QPushButton* OkButton() const { return m_ok; }
    void accept() override;

private:
    int m_masterMode;
    int* m_outcome;
    std::string* m_name;
    std::string m_startName;
    QLineEdit* m_field;
    QLabel* m_masterNote;
    QLabel* m_existingNote;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace tembra
