// The auto-save settings dialog (dialog 249 "自動保存の設定"): whether the open charts are saved
// automatically (check box 1755) and every how many minutes (edit 1756 with its arrows 1757,
// 3 to 60). The interval comes in and goes out signed: switched off it is kept as its negative,
// so the last interval is remembered. The controls carry their template ids as object names.
#pragma once

#include "platform/Types.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace tembra {

class CAutoSaveDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 249;
    enum : int { IDC_AUTOSAVE = 1755, IDC_INTERVAL = 1756, IDC_SPIN = 1757 };
    static constexpr long kMinMinutes = 3;
    static constexpr long kMaxMinutes = 60;

    // Shows |*interval| minutes, switched on when *interval > 0; OK stores the signed result.
    CAutoSaveDlg(LONG* interval, QWidget* parent = nullptr);
    // 10 minutes, switched off.
    explicit CAutoSaveDlg(QWidget* parent = nullptr);
    ~CAutoSaveDlg() override;

    // An interval outside 3 to 60 keeps the dialog open with the range message.
    void accept() override;

private:
    void Build(LONG interval);
    // The edit and its arrows follow the check box.
    void UpdateEnabling();
    // One step of the arrows, kept within 3 to 60.
    void Step(int delta);

    LONG* m_target = nullptr;
    LONG m_own = -10;
    QCheckBox* m_on = nullptr;
    QLineEdit* m_minutes = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
};

} // namespace tembra
