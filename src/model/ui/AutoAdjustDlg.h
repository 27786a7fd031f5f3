// The confirmation of the automatic adjustment (134 "自動調整の確認"): yes (OK) or no, and the
// box "初期設定期間に限定する" (1602), checked by default. The controls carry their template ids
// as object names.
#pragma once

#include <QDialog>

class QCheckBox;

namespace tembra {

class CAutoAdjustDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 134;
    enum : int { IDC_LIMIT = 1602 };

    explicit CAutoAdjustDlg(bool limitToPeriod, QWidget* parent = nullptr);
    ~CAutoAdjustDlg() override;
    bool LimitToPeriod() const;

private:
    QCheckBox* m_limit = nullptr;
};

} // namespace tembra
