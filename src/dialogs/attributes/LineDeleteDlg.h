// The row delete dialog (168 "行削除"): delete the selected rows by moving the rows below up
// (0), or blank them (1).
#pragma once

#include <QDialog>

class QRadioButton;

namespace tembra {

class LineDeleteDlgRequest;

class CLineDeleteDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 168;
    enum : int { IDC_DELETE = 1566, IDC_BLANK = 1567 };

    explicit CLineDeleteDlg(LineDeleteDlgRequest& request, QWidget* parent = nullptr);

    void accept() override;

private:
    LineDeleteDlgRequest& m_request;
    QRadioButton* m_delete = nullptr;
    QRadioButton* m_blank = nullptr;
};

} // namespace tembra
