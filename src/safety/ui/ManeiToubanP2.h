// The partner page "協力会社" of the duty roster sheet: the rows of the band and the width of its
// frames, one or two weeks from Sunday or Monday, or a number of working days from a date.
#pragma once

#include "safety/DutyRoster.h"

#include <QWidget>

class QComboBox;
class QDateEdit;
class QRadioButton;

namespace tembra {

class CPlanRowCombo;
class CSyokiSet;

class CManeiToubanP2 : public QWidget {
public:
    CManeiToubanP2(const CSyokiSet& settings, const PlanRowRange& rows, QWidget* parent);

    bool Apply();
    const DutyPartners& Values() const { return m_values; }

    QRadioButton* ModeButton(int i) const { return m_mode[i]; }
    QComboBox* WeekdayList() const { return m_weekday; }
    QComboBox* WeeksList() const { return m_weeks; }
    QDateEdit* DateField() const { return m_date; }
    QComboBox* ShiftList() const { return m_shift; }
    CPlanRowCombo* RowField(int i) const { return m_rows[i]; }

private:
    // Week mode enables the weekday and weeks lists, working-day mode the date and the days.
    void EnableMode();

    DutyPartners m_values;
    QRadioButton* m_mode[2] = {};
    QComboBox* m_weekday = nullptr;
    QComboBox* m_weeks = nullptr;
    QDateEdit* m_date = nullptr;
    QComboBox* m_shift = nullptr;
    CPlanRowCombo* m_rows[2] = {};
};

} // namespace tembra
