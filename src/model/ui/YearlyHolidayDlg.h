// A yearly holiday (414 "毎年休日設定"): a date or the n-th weekday of a month, its kind and
// name, and the years it holds in. An entry without a month is a new line, by date. The controls
// carry their template ids as object names.
#pragma once

#include "model/HolidaySettings.h"
#include "model/ui/HolidayWeekGrid.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace tembra {

class CYearlyHolidayDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 414;
    enum : int {
        IDC_MONTH = 1435,
        IDC_DAY = 1163,
        IDC_NAME = 1201,
        IDC_BY_DATE = 1118,
        IDC_BY_WEEKDAY = 1119,
        IDC_ALL_YEARS = 1361,
        IDC_SOME_YEARS = 1362,
        IDC_FIRST_YEAR = 1120,
        IDC_LAST_YEAR = 1121,
    };

    explicit CYearlyHolidayDlg(const CHolidayEntry& entry, QWidget* parent = nullptr);
    ~CYearlyHolidayDlg() override;

    // After IDOK: the entry with the values entered.
    const CHolidayEntry& Entry() const { return m_entry; }

    // The checks in order: month, day (by date), the years (with a period), their order, a
    // weekday (by weekday); the first that fails tells the user and keeps the dialog open.
    void accept() override;

private:
    void ShowEntry(const CHolidayEntry& entry);
    void ByWeekday(bool weekday);
    void WithPeriod(bool period);
    // Checking a box clears the one checked before.
    void OnBox(int index);

    CHolidayEntry m_entry;
    QComboBox* m_month = nullptr;
    QComboBox* m_day = nullptr;
    QLineEdit* m_name = nullptr;
    QRadioButton* m_byDate = nullptr;
    QRadioButton* m_byWeekday = nullptr;
    QRadioButton* m_allYears = nullptr;
    QRadioButton* m_someYears = nullptr;
    QComboBox* m_firstYear = nullptr;
    QComboBox* m_lastYear = nullptr;
    HolidayWeekGrid m_grid;
    std::array<QRadioButton*, 3> m_kinds{};
};

} // namespace tembra
