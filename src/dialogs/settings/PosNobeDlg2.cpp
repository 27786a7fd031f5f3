#include "dialogs/settings/PosNobeDlg2.h"

#include "dialogs/settings/ArrowField.h"
#include "dialogs/settings/PointGroup.h"
#include "dialogs/settings/PosNobeDlg.h"
#include "dialogs/settings/PositionFields.h"
#include "document/PositionRequest.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <climits>

namespace tembra {

namespace {

QLineEdit* PeriodField(int id, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(IdName(id));
    field->setMaximumWidth(64);
    return field;
}

} // namespace

CPosNobeDlg2::CPosNobeDlg2(PositionRequest& request, const CSyokiSet& settings, QWidget* parent)
    : QDialog(parent), m_request(request), m_scale(ElapsedScaleOf(settings)),
      m_start(request.span.GetStartDate()) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("位置指定(延)"));
    CPointGroup* base = MakeElapsedGroup("基準日", IDC_BASE_FIRST, true, this);
    ShowElapsedPoint(*base, m_scale.Display(m_start));
    base->Field(kNobeRow)->SetValue(request.span.GetStartRow() + 1);
    m_point = MakeElapsedGroup("指定日", IDC_POS_FIRST, false, this);
    ShowElapsedPoint(*m_point, m_scale.Display(request.span.GetEndDate()));
    m_point->Field(kNobeRow)->SetValue(request.span.GetEndRow() + 1);
    WireElapsedPoint(*m_point, m_scale, [this](const CTime& entered) {
        if (!m_closing) {
            ShowPeriod(entered);
        }
    });

    auto* period = new QGroupBox(QString::fromUtf8("期間"), this);
    auto* line = new QHBoxLayout(period);
    m_days = PeriodField(IDC_SPAN_DAYS, period);
    m_hours = PeriodField(IDC_SPAN_HOURS, period);
    m_minutes = PeriodField(IDC_SPAN_MINUTES, period);
    line->addWidget(m_days);
    line->addWidget(new QLabel(QString::fromUtf8("日"), period));
    line->addWidget(m_hours);
    line->addWidget(new QLabel(QString::fromUtf8("時"), period));
    line->addWidget(m_minutes);
    line->addWidget(new QLabel(QString::fromUtf8("分間"), period));
    line->addStretch();
    for (QLineEdit* field : {m_days, m_hours, m_minutes}) {
        connect(field, &QLineEdit::editingFinished, this, [this] {
            if (!m_closing) {
                EnteredFromPeriod();
            }
        });
    }
    if (request.noTimeOfDay) {
        // The arrows of the time of day stay: they still move the point by an hour or a minute.
        DisableTimeOfDay(*m_point, false);
        m_hours->setEnabled(false);
        m_minutes->setEnabled(false);
    }
    auto* enter = new CEnterMovesFocus(this);
    WatchGroup(*enter, *m_point);
    enter->Watch({m_days, m_hours, m_minutes});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(base);
    layout->addWidget(m_point);
    layout->addWidget(period);
    layout->addWidget(MakeOkCancel(this, enter));
    ShowPeriod(request.span.GetEndDate());
}

void CPosNobeDlg2::ShowPeriod(const CTime& entered) {
    const CTimeSpan period = entered - m_start;
    m_days->setText(QString::number(period.GetDays()));
    m_hours->setText(QString::number(period.GetHours()));
    m_minutes->setText(QString::number(period.GetMinutes()));
}

CTimeSpan CPosNobeDlg2::Period() const {
    return CTimeSpan(m_days->text().trimmed().toInt(), m_hours->text().trimmed().toInt(),
                     m_minutes->text().trimmed().toInt(), 0);
}

void CPosNobeDlg2::EnteredFromPeriod() {
    // The second point is start + period with the start's time of day, kept inside the
    // supported dates.
    ElapsedPoint point = m_scale.Display(m_start + Period());
    const CTime entered = m_scale.Normalise(point);
    ShowElapsedPoint(*m_point, point);
    ShowPeriod(entered);
}

void CPosNobeDlg2::accept() {
    int row = 0;
    if (!ReadElapsedFields(*m_point, row)) {
        return;
    }
    for (QLineEdit* field : {m_days, m_hours, m_minutes}) {
        int value = 0;
        if (!ReadIntField(field, INT_MIN / 2, INT_MAX / 2, value, kRangeMessages)) {
            return;
        }
    }
    m_request.span.SetEndDate(m_start + Period());
    m_request.span.SetEndRow(static_cast<WORD>(row - 1));
    QDialog::accept();
}

void CPosNobeDlg2::reject() {
    m_closing = true;
    QDialog::reject();
}

} // namespace tembra
