// The insert confirmation (dialog 291 "差込"): objects inserted without the file's settings may
// land outside the chart's period. はい goes on, いいえ gives the insert up; the check box 1973
// "現在の初期設定範囲内に入るように調整する" (ticked at the start) fits them into the period.
#pragma once

#include <QDialog>

class QCheckBox;

namespace tembra {

class DialogRequest;

class CInsertConfirmDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 291;
    static constexpr int IDC_ADJUST = 1973;

    explicit CInsertConfirmDlg(QWidget* parent = nullptr);
    ~CInsertConfirmDlg() override;

    // The check box: set before the dialog runs, read after はい.
    bool m_bAdjust = true;

    QCheckBox* AdjustBox() const { return m_adjust; }

    int exec() override;
    void accept() override;

    // The dialog for an insert confirmation request: はい is IDOK with the box's value.
    static int Run(DialogRequest& request, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QCheckBox* m_adjust = nullptr;
};

} // namespace tembra
