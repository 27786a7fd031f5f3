// The resource edit window (259 "資源編集設定"), shown while processes' resources are edited:
// the work name, the total and the real days of the process picked last, its quantities in
// the rows, and 決定, which gives the rows' quantities to every selected process as one undo
// step.
#pragma once

#include "dialogs/settings/ResourceDlgBase.h"

class QLabel;

namespace tembra {

class CKoutei;

class CResourceEditDlg : public CResourceDlgBase {
    Q_OBJECT
public:
    static constexpr int IDD = 259;
    enum : int {
        IDC_WORK_NAME = 1231,
        IDC_TOTAL_DAYS = 1232,
        IDC_REAL_DAYS = 1233,
        IDC_APPLY = 1234,
    };

    explicit CResourceEditDlg(QWidget* parent = nullptr);

    // The process's term, days and quantities (null: none, every quantity 0).
    void ShowKoutei(const CKoutei* process);
    // 決定.
    void OnApply();

private:
    QLabel* m_workName = nullptr;
    QLabel* m_totalDays = nullptr;
    QLabel* m_realDays = nullptr;
};

} // namespace tembra
