// What the two conversion dialogs share (198 "暦日→延日変換", 199 "延日→暦日変換"): one date,
// the elapsed day N it goes with, the holiday switch, the ratio and the rounding. 決定 checks the
// fields' ranges and then CheckDayConversion; a refusal shows its message and the dialog stays.
// The controls carry their template ids as object names.
#pragma once

#include "dialogs/attributes/core/DayConversionCheck.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace tembra {

class CDayConversionDlg : public QDialog {
    Q_OBJECT
public:
    enum : int {
        IDC_HOLIDAY_VALID = 1547,
        IDC_HOLIDAY_INVALID = 1548,
        IDC_RATIO_FROM = 1671,
        IDC_RATIO_TO = 1672,
        IDC_ROUND = 1673,
        IDC_YEAR = 1674,
        IDC_MONTH = 1675,
        IDC_DAY = 1676,
        IDC_DAY_NUMBER = 1678,
    };

    CDayConversionDlg(DayConversionKind kind, const CSyokiSet& settings, QWidget* parent);
    ~CDayConversionDlg() override;

    void SetValues(const DayConversionValues& values);
    DayConversionValues GetValues() const { return m_values; }
    // After IDOK: what the checks gave.
    const DayConversionCheck& Result() const { return m_result; }

    void accept() override;

private:
    QLineEdit* AddField(int id, int width);
    bool ReadFields(DayConversionValues& values);

    DayConversionKind m_kind;
    const CSyokiSet& m_settings;
    DayConversionValues m_values;
    DayConversionCheck m_result;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_month = nullptr;
    QLineEdit* m_day = nullptr;
    QLineEdit* m_dayNumber = nullptr;
    QRadioButton* m_holidayValid = nullptr;
    QRadioButton* m_holidayInvalid = nullptr;
    QLineEdit* m_fromRatio = nullptr;
    QLineEdit* m_toRatio = nullptr;
    QCheckBox* m_round = nullptr;
};

} // namespace tembra
