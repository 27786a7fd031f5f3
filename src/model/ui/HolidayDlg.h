// One holiday of a specific date (161 "休日"): year, month, day, name and kind of the entry it is
// given. OK refuses a year outside the supported dates ("%1年から%2年以外は無効です。"), a month
// outside 1..12, and a day that the month does not have, each with the focus back on its field.
// The controls carry their template ids as object names.
#pragma once

#include "model/HolidaySettings.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QRadioButton;

namespace tembra {

class CHolidayDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 161;
    enum : int {
        IDC_YEAR = 1204,
        IDC_MONTH = 1200,
        IDC_DAY = 1199,
        IDC_NAME = 1201,
        IDC_KIND_WORKING = 1276,
        IDC_KIND_HOLIDAY = 1277,
        IDC_KIND_SPECIAL = 1278,
    };

    explicit CHolidayDlg(const CHolidayEntry& entry, QWidget* parent = nullptr);
    ~CHolidayDlg() override;

    // After IDOK: the entry with the values entered.
    const CHolidayEntry& Entry() const { return m_entry; }

    void accept() override;

private:
    CHolidayEntry m_entry;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_month = nullptr;
    QLineEdit* m_day = nullptr;
    QLineEdit* m_name = nullptr;
    std::array<QRadioButton*, 3> m_kinds{};
};

} // namespace tembra
