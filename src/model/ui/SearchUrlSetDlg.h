// The online term-search settings dialog (dialog 156 "用語オンライン検索設定"): up to ten web
// searches for terms, each a title and an address, listed with an add row, edited in the two
// fields below the list, moved and removed; OK writes them to the profile, Cancel writes nothing.
// The rules of the list and its buttons are CSearchUrlList's. The controls carry their template
// ids as object names.
#pragma once

#include "model/SearchUrlList.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tembra {

class CSearchUrlSetDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 156;
    enum : int {
        IDC_TITLE = 1993,
        IDC_URL = 1994,
        IDC_LIST = 1995,
        IDC_SET = 1996,
        IDC_UP = 1997,
        IDC_DOWN = 1998,
        IDC_REMOVE = 1999,
    };

    explicit CSearchUrlSetDlg(QWidget* parent = nullptr);
    ~CSearchUrlSetDlg() override;

    const CSearchUrlList& List() const { return m_list; }

    void accept() override;

private:
    // The list's rows from the entries, the selection and the buttons.
    void Refill();
    void SelectRow(int row);
    void UpdateButtons();
    void UpdateSetButton();
    void OnSet();
    void OnRemove();
    void OnMove(bool up);

    CSearchUrlList m_list;
    QTreeWidget* m_rows = nullptr;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_url = nullptr;
    QPushButton* m_set = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    QPushButton* m_remove = nullptr;
    bool m_busy = false;
};

} // namespace tembra
