// Dialog 175 "進捗属性": the program's defaults for new progress lines, on the progress part of
// the application settings: the shared fields, the three line widths (1 to 50 in 0.1 mm) and
// 初期化, which loads the built-in defaults of fresh settings (never the profile). 決定 writes
// every field back; the command then writes the part to the profile.
#pragma once

#include <QDialog>

class QLineEdit;

namespace tembra {

class CConfigShin;
class CShinAttrPanel;
struct ShinAttrFields;

class CProgressAttrDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 175;
    enum : int { IDC_NORMAL = 1420, IDC_THIN = 1421, IDC_BOLD = 1422, IDC_RESET = 1430 };

    explicit CProgressAttrDlg(CConfigShin& settings, QWidget* parent = nullptr);

    void accept() override;

private:
    void Load(const ShinAttrFields& fields);

    CConfigShin& m_settings;
    CShinAttrPanel* m_panel = nullptr;
    QLineEdit* m_widths[3] = {};
};

} // namespace tembra
