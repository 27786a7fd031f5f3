#include "dialogs/settings/PosRekiDlg2.h"

#include "dialogs/settings/ArrowField.h"
#include "dialogs/settings/PointGroup.h"
#include "dialogs/settings/PositionFields.h"
#include "dialogs/settings/core/CalendarPosition.h"
#include "document/PositionRequest.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

QLineEdit* SpanField(int id, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(IdName(id));
    field->setMaximumWidth(64);
    return field;
}

int FieldValue(const QLineEdit* field) {
    return field->text().trimmed().toInt();
}

} // namespace

CPosRekiDlg2::CPosRekiDlg2(PositionRequest& request, const CCalendar& calendar, QWidget* parent)
    : QDialog(parent), m_request(request), m_calendar(calendar) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("位置指定"));
    m_basePoint = MakeCalendarGroup("基準日", IDC_BASE_FIRST, true, this);
    const CTime start = request.span.GetStartDate();
    ShowCalendarPoint(*m_basePoint, start, request.span.GetStartRow() + 1);
    m_base = CTime(start.GetYear(), start.GetMonth(), start.GetDay(), start.GetHour(),
                   start.GetMinute());
    m_point = MakeCalendarGroup("指定日", IDC_POS_FIRST, false, this);
    ShowCalendarPoint(*m_point, request.span.GetEndDate(), request.span.GetEndRow() + 1);
    WireCalendarPoint(*m_point, [this] { SpanFromDates(); });

    auto* span = new QGroupBox(QString::fromUtf8("日　数"), this);
    auto* spanLine = new QHBoxLayout(span);
    m_calendarDays = new QRadioButton(QString::fromUtf8("延べ"), span);
    m_calendarDays->setObjectName(IdName(IDC_SPAN_CALENDAR));
    m_workingDays = new QRadioButton(QString::fromUtf8("実動"), span);
    m_workingDays->setObjectName(IdName(IDC_SPAN_WORKING));
    auto* counting = new QButtonGroup(this);
    counting->addButton(m_calendarDays);
    counting->addButton(m_workingDays);
    m_calendarDays->setChecked(true);
    m_days = SpanField(IDC_SPAN_DAYS, span);
    m_hours = SpanField(IDC_SPAN_HOURS, span);
    m_minutes = SpanField(IDC_SPAN_MINUTES, span);
    m_holidays = SpanField(IDC_SPAN_HOLIDAYS, span);
    m_holidays->setReadOnly(true);
    m_holidays->setFocusPolicy(Qt::NoFocus);
    spanLine->addWidget(m_calendarDays);
    spanLine->addWidget(m_workingDays);
    spanLine->addWidget(m_days);
    spanLine->addWidget(new QLabel(QString::fromUtf8("日"), span));
    spanLine->addWidget(m_hours);
    spanLine->addWidget(new QLabel(QString::fromUtf8("時"), span));
    spanLine->addWidget(m_minutes);
    spanLine->addWidget(new QLabel(QString::fromUtf8("分間"), span));
    spanLine->addWidget(new QLabel(QString::fromUtf8("休日"), span));
    spanLine->addWidget(m_holidays);
    spanLine->addWidget(new QLabel(QString::fromUtf8("日"), span));
    for (QLineEdit* field : {m_days, m_hours, m_minutes}) {
        connect(field, &QLineEdit::editingFinished, this, [this] { DatesFromSpan(); });
    }
    connect(counting, &QButtonGroup::buttonClicked, this, [this] { SpanFromDates(); });
    if (request.noTimeOfDay) {
        DisableTimeOfDay(*m_point, true);
        m_hours->setEnabled(false);
        m_minutes->setEnabled(false);
    }
    auto* note = new QLabel(QString::fromUtf8("<注意>\n指定日は－１日されていません。"), this);

    auto* enter = new CEnterMovesFocus(this);
    WatchGroup(*enter, *m_point);
    enter->Watch({m_calendarDays, m_workingDays, m_days, m_hours, m_minutes});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_basePoint);
    layout->addWidget(m_point);
    layout->addWidget(span);
    layout->addWidget(note);
    layout->addWidget(MakeOkCancel(this, enter));
    SpanFromDates();
}

bool CPosRekiDlg2::Working() const {
    return m_workingDays->isChecked();
}

void CPosRekiDlg2::SpanFromDates() {
    if (m_closing) {
        return;
    }
    const CalendarSpan span =
        SpanBetween(m_base, CalendarPointDate(*m_point), m_calendar, Working());
    m_days->setText(QString::number(span.days));
    m_hours->setText(QString::number(span.hours));
    m_minutes->setText(QString::number(span.minutes));
    m_holidays->setText(QString::number(span.holidays));
}

void CPosRekiDlg2::DatesFromSpan() {
    if (m_closing) {
        return;
    }
    const CalendarSpan typed{FieldValue(m_days), FieldValue(m_hours), FieldValue(m_minutes), 0};
    SpanEntry entry;
    entry.working = Working();
    entry.noTimeOfDay = m_request.noTimeOfDay;
    entry.sameRow = m_point->Field(kCalRow)->Value(0) == m_request.span.GetStartRow() + 1;
    const CTime entered = EnteredFromSpan(m_base, typed, m_calendar, entry);
    const int row = m_point->Field(kCalRow)->Value(kRowRange.min);
    ShowCalendarPoint(*m_point, entered, row);
    SpanFromDates();
}

void CPosRekiDlg2::accept() {
    CTime date;
    int row = 0;
    if (!ReadCalendarPoint(*m_point, date, row)) {
        return;
    }
    m_request.span.SetEndDate(date);
    m_request.span.SetEndRow(static_cast<WORD>(row - 1));
    QDialog::accept();
}

void CPosRekiDlg2::reject() {
    m_closing = true;
    QDialog::reject();
}

} // namespace tembra
