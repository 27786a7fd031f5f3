// The work-site page "作業所" of the duty roster sheet: the rows of the band, the first day of the
// rota, the days per turn, the holidays, and the duty persons in rota order with the head, typed,
// loaded from a group of SHIFT.INI or from the list used last time.
#pragma once

#include "safety/DutyRoster.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;

namespace tembra {

class CConfigPath;
class CPlanRowCombo;
class CSyokiSet;
class CToubanListEditor;

class CManeiToubanP1 : public QWidget {
public:
    // The date field starts at the chart's first day and keeps what the user types, also when
    // the sheet is shown again after a declined overlap question.
    CManeiToubanP1(const CSyokiSet& settings, const PlanRowRange& rows, QWidget* parent);

    // Takes the fields into Values(); always true.
    bool Apply();
    const DutyWorkSite& Values() const { return m_values; }
    // Deletes the duty persons (the command does so after the sheet has ended).
    void ClearEntries();

    CPlanRowCombo* RowField(int i) const { return m_rows[i]; }
    QDateEdit* DateField() const { return m_date; }
    QComboBox* ShiftList() const { return m_shift; }
    QCheckBox* HolidayCheck() const { return m_assign; }
    QComboBox* HolidayStyleList() const { return m_style; }
    CToubanListEditor* Editor() const { return m_editor; }
    QPushButton* LoadGroupButton() const { return m_loadGroup; }
    QPushButton* LastListButton() const { return m_lastList; }

private:
    void OnLoadGroup();

    const CSyokiSet& m_settings;
    DutyWorkSite m_values;
    CPlanRowCombo* m_rows[2] = {};
    QDateEdit* m_date = nullptr;
    QComboBox* m_shift = nullptr;
    QCheckBox* m_assign = nullptr;
    QLabel* m_styleLabel = nullptr;
    QComboBox* m_style = nullptr;
    CToubanListEditor* m_editor = nullptr;
    QPushButton* m_loadGroup = nullptr;
    QPushButton* m_lastList = nullptr;
};

// The date picker of both pages: "yyyy年 MM月 dd日" from the chart's first day.
QDateEdit* MakeToubanDateField(const CSyokiSet& settings, QWidget* parent);
// The picker's date as the chart's local midnight.
CTime ToubanDate(const QDateEdit* field);

} // namespace tembra
