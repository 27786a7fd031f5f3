// The second point of a two-point object in a calendar-day chart (169 "位置指定"): the first
// point read-only, the second typed, and the span between them in calendar days (延べ) or in
// working days (実動) over the calendar whose holidays the processes skip. Editing the span
// moves the second point, editing the second point recounts the span.
#pragma once

#include "platform/Time.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace tembra {

class CCalendar;
class CPointGroup;
class PositionRequest;

class CPosRekiDlg2 : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 169;

    CPosRekiDlg2(PositionRequest& request, const CCalendar& calendar, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    void SpanFromDates();
    void DatesFromSpan();
    bool Working() const;

    PositionRequest& m_request;
    const CCalendar& m_calendar;
    CTime m_base;
    bool m_closing = false;
    CPointGroup* m_basePoint = nullptr;
    CPointGroup* m_point = nullptr;
    QRadioButton* m_calendarDays = nullptr;
    QRadioButton* m_workingDays = nullptr;
    QLineEdit* m_days = nullptr;
    QLineEdit* m_hours = nullptr;
    QLineEdit* m_minutes = nullptr;
    QLineEdit* m_holidays = nullptr;
};

} // namespace tembra
