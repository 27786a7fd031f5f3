// The settings of the floating overview window (dialog 337 "ﾌﾛｰﾃｨﾝｸﾞｳｨﾝﾄﾞｳの設定"): whether a
// drag of the position frame scrolls the chart window with every move (check box 2042), with a
// note that this can slow the display. It edits the "TemWithFlt" flag of the settings it is
// given and writes it back on 決定 only; the option command then stores the "FloatOpt" section.
// The controls carry their template ids as object names.
#pragma once

#include <QDialog>

class QCheckBox;

namespace tembra {

class CConfigBase;
class IDialogRegistry;

class CFloatWndSetDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 337;
    enum : int { IDC_SCROLL_WITH_FRAME = 2042 };
    // The request the option command ID_FLOAT_SETTINGS raises (an OptionDialogRequest).
    static constexpr const char* kRequestName = "FloatWndSettings";

    CFloatWndSetDlg(CConfigBase& config, QWidget* parent = nullptr);
    ~CFloatWndSetDlg() override;

    void accept() override;

    // Answers the request with this dialog.
    static void Register(IDialogRegistry& registry);

private:
    CConfigBase& m_config;
    QCheckBox* m_scroll = nullptr;
};

} // namespace tembra
