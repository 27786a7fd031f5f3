// The irregular period dialog (254 "変則期間設定"): the periods of a CHensoku in the list of its
// mode (days or hours of the day), each with its range, its days, its ratio and its date-label
// and ruled-line choice, and the priority between them. It works on a deep copy and writes the
// copy into the caller's record only on 決定. The controls carry their template ids as object
// names.
#pragma once

#include "dialogs/attributes/core/HensokuFields.h"
#include "model/Hensoku.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace tembra {

class CHensokuDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 254;
    enum : int {
        IDC_DAY_START = 1164,
        IDC_DAY_END = 1166,
        IDC_MONTH_START = 1436,
        IDC_MONTH_END = 1438,
        IDC_WHOLE = 1547,
        IDC_SPECIFIED = 1548,
        IDC_HOUR_START = 1585,
        IDC_HOUR_END = 1586,
        IDC_YEAR_START = 1637,
        IDC_YEAR_END = 1639,
        IDC_HOUR_LABEL_START = 1869,
        IDC_HOUR_LABEL_END = 1870,
        IDC_DATE_LABEL_FIRST = 1871, // 1871 .. 1876
        IDC_CLASS_ALL = 1780,        // 1780 .. 1783
        IDC_WEEKDAY_FIRST = 1784,    // 1784 月 .. 1790 日
        IDC_NUMERATOR = 1791,
        IDC_DENOMINATOR = 1792,
        IDC_DATE_COLUMN = 1794,
        IDC_RULED_LINE = 1795,
        IDC_LIST = 1796,
        IDC_ADD = 1797,
        IDC_INSERT = 1798,
        IDC_MODIFY = 1799,
        IDC_DELETE = 1800,
        IDC_UP = 1801,
        IDC_DOWN = 1802,
        IDC_LOWER_FIRST = 1803,
        IDC_UPPER_FIRST = 1804,
    };

    // The record stays untouched until 決定.
    explicit CHensokuDlg(CHensoku& record, QWidget* parent = nullptr);
    ~CHensokuDlg() override;

    const CHensoku& Copy() const { return m_copy; }

    void accept() override;

private:
    void BuildRange(QGridLayout* grid);
    void BuildDays(QGridLayout* grid);
    void BuildButtons(QGridLayout* grid);
    bool HourMode() const { return m_copy.IsHourMode() != FALSE; }
    // Shows the fields of the selected period, or those of a new one.
    void LoadSelected();
    void ShowFields(const HensokuFields& fields);
    HensokuFields ReadFields() const;
    // The fields as a period, after the checks; nullptr (after the message) when refused.
    std::unique_ptr<CHensokuData> TakeFields();
    // Refills the list and selects the line (none for -1).
    void FillList(int select);
    void UpdateControls();

    void OnRangeClicked();
    void OnAdd();
    void OnInsert();
    void OnModify();
    void OnDelete();
    void OnMove(bool up);

    CHensoku& m_record;
    CHensoku m_copy;
    QRadioButton* m_whole = nullptr;
    QRadioButton* m_specified = nullptr;
    std::array<QComboBox*, 3> m_start{}; // year, month, day
    std::array<QComboBox*, 3> m_end{};
    std::array<QLabel*, 6> m_dateLabels{};
    QComboBox* m_startHour = nullptr;
    QComboBox* m_endHour = nullptr;
    std::array<QLabel*, 2> m_hourLabels{};
    std::array<QRadioButton*, 4> m_dayClass{};
    std::array<QCheckBox*, 7> m_weekdays{}; // 月 .. 日
    QLineEdit* m_numerator = nullptr;
    QLineEdit* m_denominator = nullptr;
    QComboBox* m_dateColumn = nullptr;
    QComboBox* m_ruledLine = nullptr;
    QListWidget* m_list = nullptr;
    QRadioButton* m_lowerFirst = nullptr;
    QRadioButton* m_upperFirst = nullptr;
};

} // namespace tembra
