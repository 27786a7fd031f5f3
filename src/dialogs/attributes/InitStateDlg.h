// The initial state dialog (167 "初期状態"): the defaults every new chart starts from, on the
// application's settings: mode, paper and layout, period, rows and margins, the date-row
// labels, the long-holiday threshold, the elapsed-day items and the data folder, with its own
// copy of the chart settings part for the area names. 決定 checks the ranges and writes back.
#pragma once

#include "dialogs/attributes/core/InitStateFields.h"

#include <QDialog>

#include <array>
#include <vector>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace tembra {

class CConfigBase;

class CInitStateDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 167;
    enum : int {
        IDC_CALENDAR = 1547,
        IDC_ELAPSED = 1548,
        IDC_PAPER = 1494,
        IDC_LAYOUT_NAME = 1719,
        IDC_LAYOUT_CHANGE = 1720,
        IDC_DATA_PATH = 1059,
        IDC_BROWSE = 1058,
        IDC_AREA_NAMES = 2032,
        IDC_RESET = 1290,
    };
    static constexpr std::array<int, 2> kYearIds = {1877, 1878};
    static constexpr std::array<int, 3> kMonthIds = {1879, 1880, 1881};
    static constexpr std::array<int, 2> kDayIds = {1882, 1883};
    static constexpr std::array<int, 2> kWeekIds = {1884, 1885};

    // Without settings the dialog is inert.
    explicit CInitStateDlg(CConfigBase* settings, QWidget* parent = nullptr);
    ~CInitStateDlg() override;

    void accept() override;

private:
    void BuildControls();
    void Show(const InitStateFields& fields);
    // The fields the user can change without a range check (radios, combo, texts).
    void TakeChoices();
    void ChangeLayout();
    void PaperChanged();
    void Browse();
    void EditAreaNames();
    int CurrentDiscernmentFlag() const;

    CConfigBase* m_settings;
    InitStateFields m_fields;
    std::array<QRadioButton*, 2> m_mode{};
    QComboBox* m_paper = nullptr;
    QLineEdit* m_layoutName = nullptr;
    std::vector<QLineEdit*> m_numbers; // in the order of InitStateNumberFields
    std::array<QRadioButton*, 2> m_year{};
    std::array<QRadioButton*, 3> m_month{};
    std::array<QRadioButton*, 2> m_day{};
    std::array<QRadioButton*, 2> m_week{};
    QLineEdit* m_dataPath = nullptr;
};

} // namespace tembra
