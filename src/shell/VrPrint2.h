// Page 127 "印刷表現設定" of the print settings sheet: the holiday fill, its colour and line,
// the vertical and horizontal ruled lines with their colour and dotted-line options, the
// margins and the pages to print.
#pragma once

#include "shell/VrPrintPage.h"

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tembra {

class CVrPrint2 : public CVrPrintPage {
    Q_OBJECT
public:
    static constexpr int IDD = 127;
    enum : int {
        IDC_HOLIDAY_COLOR = 1029,
        IDC_HOLIDAY_LINE = 1279,
        IDC_LINE_COLOR = 1358,
        IDC_DOT_OPTION = 1835,
        IDC_FINE_DOT_OPTION = 2033,
        IDC_MARGIN_LEFT = 1526,
        IDC_MARGIN_TOP = 1527,
        IDC_FROM_PAGE = 1604,
        IDC_TO_PAGE = 1230,
    };
    // 網掛, 斜線, なし, べた.
    static constexpr std::array<int, 4> kAmikakeIds = {1508, 1509, 1510, 1511};
    // 点線(標準), 細点線(淡い), 実線, なし: the vertical lines, then the horizontal ones.
    static constexpr std::array<int, 4> kVerticalIds = {1532, 1533, 1534, 1535};
    static constexpr std::array<int, 4> kHorizontalIds = {1543, 1544, 1545, 1546};

    CVrPrint2(VrPrintValues& values, QWidget* parent);

protected:
    void LoadFields() override;
    bool ReadFields() override;

private:
    void RunDotLineOptions();
    void RunFineDotLineOptions();

    std::array<QRadioButton*, 4> m_amikake{};
    QComboBox* m_holidayLine = nullptr;
    std::array<QRadioButton*, 4> m_vertical{};
    std::array<QRadioButton*, 4> m_horizontal{};
    QPushButton* m_holidayColor = nullptr;
    QPushButton* m_lineColor = nullptr;
    QLineEdit* m_left = nullptr;
    QLineEdit* m_top = nullptr;
    QLineEdit* m_from = nullptr;
    QLineEdit* m_to = nullptr;
};

} // namespace tembra
