// The holiday initialisation dialog (163 "休日の初期化"): the weekly rest days as a matrix of
// weekdays by week of the month, and whether the yearly and the specific holidays count. 決定
// makes the calendar's holidays anew from them. The controls carry their template ids as
// object names.
#pragma once

#include "dialogs/attributes/core/WeeklyRestTable.h"

#include <QDialog>

#include <array>

class QCheckBox;

namespace tembra {

class CCalendar;

class CHolidayInitDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 163;
    enum : int {
        IDC_YEARLY = 1483,
        IDC_SPECIAL = 1576,
    };
    // The first check of each weekday's row (Sunday first); the row's five follow.
    static constexpr std::array<int, 7> kRowFirstIds = {1596, 1442, 1616, 1628, 1608, 1259, 1555};
    // The button of each weekday (Sunday first).
    static constexpr std::array<int, 7> kRowButtonIds = {1218, 1215, 1220, 1221, 1219, 1214, 1217};

    // The matrix starts from the stored weekly pattern. Without a calendar 決定 only closes.
    explicit CHolidayInitDlg(CCalendar* calendar, QWidget* parent = nullptr);
    ~CHolidayInitDlg() override;

    WeeklyRestTable Table() const;

    void accept() override;

private:
    void ShowTable(const WeeklyRestTable& table);

    CCalendar* m_calendar;
    std::array<QCheckBox*, kWeeklyTableSize> m_checks{};
    QCheckBox* m_yearly = nullptr;
    QCheckBox* m_special = nullptr;
};

} // namespace tembra
