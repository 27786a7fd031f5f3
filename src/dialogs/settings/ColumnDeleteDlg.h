// The column delete dialog (173 "列削除"): delete the selected period or columns by moving what
// lies to their right left (0), or blank them (1).
#pragma once

#include <QDialog>

class QRadioButton;

namespace tembra {

class ColumnDeleteDlgRequest;

class CColumnDeleteDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 173;
    enum : int { IDC_DELETE = 1566, IDC_BLANK = 1567 };

    explicit CColumnDeleteDlg(ColumnDeleteDlgRequest& request, QWidget* parent = nullptr);

    void accept() override;

private:
    ColumnDeleteDlgRequest& m_request;
    QRadioButton* m_delete = nullptr;
    QRadioButton* m_blank = nullptr;
};

} // namespace tembra
