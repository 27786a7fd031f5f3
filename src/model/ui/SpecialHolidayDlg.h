// The holiday rules new charts take (162 "特別休日設定"): the weekly days off, the yearly holidays
// and the holidays of specific dates, edited on the settings it is given and written back to
// their stores on OK. The lines are opened in the yearly holiday dialog (414) and the one-holiday
// dialog (161). The controls carry their template ids as object names.
#pragma once

#include "model/HolidaySettings.h"
#include "model/ui/HolidayWeekGrid.h"

#include <QDialog>

class QListWidget;
class QRadioButton;

namespace tembra {

class CSpecialHolidayDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 162;
    enum : int {
        IDC_YEARLY = 1222,
        IDC_SPECIFIC = 1575,
        IDC_YEARLY_LIST = 1641,
        IDC_SPECIFIC_LIST = 1577,
        IDC_ADD = 1030,
        IDC_CHANGE = 1136,
        IDC_DELETE = 1171,
    };
    // The weekday buttons that toggle a row, Sunday first.
    static constexpr std::array<int, 7> kWeekdayButtons = {1218, 1215, 1220, 1221,
                                                           1219, 1214, 1217};

    explicit CSpecialHolidayDlg(CHolidaySettings& settings, QWidget* parent = nullptr);
    ~CSpecialHolidayDlg() override;

    // Writes the settings, tells that they hold from the next new chart, and closes.
    void accept() override;

private:
    bool YearlyShown() const;
    void ShowList(bool yearly);
    // The lines of a list from its entries, keeping the selected row.
    void Refill(bool yearly);
    void OnWeekday(int weekday);
    void OnAdd();
    void OnChange();
    void OnDelete();
    // Runs the dialog of the line's kind on the entry; true on OK.
    bool Edit(CHolidayEntry& entry, bool yearly);

    CHolidaySettings& m_settings;
    HolidayWeekGrid m_grid;
    QRadioButton* m_yearly = nullptr;
    QRadioButton* m_specific = nullptr;
    QListWidget* m_yearlyList = nullptr;
    QListWidget* m_specificList = nullptr;
};

} // namespace tembra
