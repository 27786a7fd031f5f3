// The calendar dialog (133 "カレンダー設定"): one month of the calendar copy it is given as a
// grid of day buttons with a colour swatch under each; a click on a day toggles the user's
// holiday bit; the arrows step through the months of the supported dates; "反　転" swaps holidays
// and working days after asking; "一括変更" opens the holiday initialisation on the copy. The
// controls carry their template ids as object names; a swatch keeps its colour in the property
// "colour".
#pragma once

#include "model/CalendarMonthGrid.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tembra {

class CCalendar;

class CCalendarSetDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 133;
    enum : int {
        IDC_YEAR = 1135,
        IDC_MONTH = 1134,
        IDC_PREVIOUS = 1049,
        IDC_NEXT = 1048,
        IDC_FIRST_DAY = 1050,    // .. 1091
        IDC_FIRST_SWATCH = 1092, // .. 1133
        IDC_INVERT = 1553,
        IDC_BATCH = 1552,
    };

    // Works on calendar (the caller's copy), starting at year and month (0: today's).
    CCalendarSetDlg(CCalendar* calendar, int year, int month, QWidget* parent = nullptr);
    ~CCalendarSetDlg() override;

    int Year() const { return m_grid.Year(); }
    int Month() const { return m_grid.Month(); }

private:
    // Shows the month of the year and month fields (a text that is no month of the supported
    // dates keeps the month shown).
    void TakeFields();
    void Redraw();
    void OnDay(int cell);
    void OnInvert();
    void OnBatch();

    CCalendar* m_calendar;
    CalendarMonthGrid m_grid;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_month = nullptr;
    std::array<QPushButton*, CalendarMonthGrid::kCells> m_days{};
    std::array<QLabel*, CalendarMonthGrid::kCells> m_swatches{};
};

} // namespace tembra
