// Dialog 193 "線画属性": the program's defaults for new shapes, on the shape part of the
// application settings: the shared fields with the style, the three line widths (0 to 50 in
// 0.1 mm), the grid (有効 / 無効 and the divisions of a day and a row, なし kept as 0) and the
// shape texts' colour, format and 強調. 初期化 loads the built-in defaults of fresh settings;
// 決定 checks the numbers and writes every field; the command then writes the part.
#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tembra {

class CAttrColorCombo;
class CConfigZukei;
class CZukeiAttrPanel;

class CZukeiAttrDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 193;
    enum : int {
        IDC_NORMAL = 1620,
        IDC_THIN = 1621,
        IDC_BOLD = 1622,
        IDC_GRID = 1623, // 有効, 無効
        IDC_DAY_DIVISION = 1625,
        IDC_ROW_DIVISION = 1626,
        IDC_TEXT_COLOR = 1627,
        IDC_TEXT_HALIGN = 1628,
        IDC_TEXT_VALIGN = 1629,
        IDC_TEXT_BOLD = 1630,
        IDC_RESET = 1430,
    };

    explicit CZukeiAttrDlg(CConfigZukei& settings, QWidget* parent = nullptr);

    void accept() override;

private:
    void Load(const CConfigZukei& settings);

    CConfigZukei& m_settings;
    CZukeiAttrPanel* m_panel = nullptr;
    QLineEdit* m_widths[3] = {};
    QButtonGroup* m_grid = nullptr;
    QComboBox* m_dayDivision = nullptr;
    QComboBox* m_rowDivision = nullptr;
    CAttrColorCombo* m_textColor = nullptr;
    QComboBox* m_hAlign = nullptr;
    QComboBox* m_vAlign = nullptr;
    QCheckBox* m_bold = nullptr;
};

} // namespace tembra
