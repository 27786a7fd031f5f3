// Page 125 "日付設定" of the print settings sheet: the format name, the printed period and the
// print date. An elapsed-day chart has no period of dates: "期間" is hidden and the period
// fields open empty.
#pragma once

#include "shell/VrPrintPage.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tembra {

class CVrPrint1 : public CVrPrintPage {
    Q_OBJECT
public:
    static constexpr int IDD = 125;
    enum : int {
        IDC_FORMAT = 1719,
        IDC_KIKAN_OFF = 1524,
        IDC_KIKAN_ON = 1525,
        IDC_PERIOD_CLEAR = 1530,
        IDC_PERIOD_FILL = 1531,
        IDC_TODAY_OFF = 1514,
        IDC_TODAY_ON = 1515,
        IDC_DATE_CLEAR = 1516,
        IDC_DATE_TODAY = 1517,
    };
    // From-year, -month, -day, to-year, -month, -day; year, month, day of the print date.
    static constexpr std::array<int, 6> kPeriodIds = {1541, 1528, 1512, 1542, 1529, 1513};
    static constexpr std::array<int, 3> kDateIds = {1538, 1537, 1536};

    CVrPrint1(VrPrintValues& values, QWidget* parent);

protected:
    void LoadFields() override;
    bool ReadFields() override;

private:
    QLabel* m_format = nullptr;
    QRadioButton* m_kikanOff = nullptr;
    QRadioButton* m_kikanOn = nullptr;
    std::array<QLineEdit*, 6> m_period{};
    QPushButton* m_periodFill = nullptr;
    QRadioButton* m_toDayOff = nullptr;
    QRadioButton* m_toDayOn = nullptr;
    std::array<QLineEdit*, 3> m_date{};
};

} // namespace tembra
