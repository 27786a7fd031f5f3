// Dialog 184 "用語属性": the program's defaults for new terms, on the term block of the
// application settings: the shared fields, the spacing ("用語高さの" n "％", 0 to 100) and the
// gap to the process line. 初期化 loads the built-in defaults of fresh settings; 決定 checks
// the spacing and writes every field back; the command then writes the part to the profile.
#pragma once

#include <QDialog>

class QButtonGroup;
class QLineEdit;

namespace tembra {

struct CElemAttr;
class CYogoAttrPanel;
struct YogoAttrFields;

class CYogoAttrDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 184;
    enum : int { IDC_SPACING = 1540, IDC_GAP = 1541, IDC_RESET = 1430 };

    explicit CYogoAttrDlg(CElemAttr& settings, QWidget* parent = nullptr);

    void accept() override;

private:
    void Load(const YogoAttrFields& fields);

    CElemAttr& m_settings;
    CYogoAttrPanel* m_panel = nullptr;
    QLineEdit* m_spacing = nullptr;
    QButtonGroup* m_gap = nullptr;
};

} // namespace tembra
