#include "dialogs/attributes/ChangeDaysDlg.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "document/TembraDoc.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

enum : int { kYear = 0, kMonth, kDay, kHour, kMinute };

constexpr int kEndIds[] = {CChangeDaysDlg::IDC_YEAR, CChangeDaysDlg::IDC_MONTH,
                           CChangeDaysDlg::IDC_DAY, CChangeDaysDlg::IDC_HOUR,
                           CChangeDaysDlg::IDC_MINUTE};
constexpr int kSpinIds[] = {CChangeDaysDlg::IDC_SPIN_YEAR, CChangeDaysDlg::IDC_SPIN_MONTH,
                            CChangeDaysDlg::IDC_SPIN_DAY, CChangeDaysDlg::IDC_SPIN_HOUR,
                            CChangeDaysDlg::IDC_SPIN_MINUTE};
constexpr const char* kEndUnits[] = {"年", "月", "日", "時", "分"};
constexpr int kDurationIds[] = {CChangeDaysDlg::IDC_DAYS, CChangeDaysDlg::IDC_HOURS,
                                CChangeDaysDlg::IDC_MINUTES};
constexpr const char* kDurationUnits[] = {"日", "時", "分間"};
constexpr int kMaxDays = 99999;

// The process's Holiday flag chooses the working calendar; without it every day counts.
const CCalendar* CalendarFor(const CKoutei* koutei, const CTembraDoc* doc) {
    if (koutei == nullptr || doc == nullptr || koutei->GetLines()->GetAttr().GetHoliday() == 0) {
        return nullptr;
    }
    return &doc->GetWorkCalendar();
}

} // namespace

CChangeDaysDlg::CChangeDaysDlg(bool daysOnly, CKoutei* koutei, const CTembraDoc* doc,
                               QWidget* parent)
    : CChangeDaysDlg(daysOnly, koutei, doc, false, parent) {}

CChangeDaysDlg::CChangeDaysDlg(bool daysOnly, CKoutei* koutei, const CTembraDoc* doc, bool elapsed,
                               QWidget* parent)
    : QDialog(parent), m_koutei(koutei), m_doc(doc), m_daysOnly(daysOnly), m_elapsed(elapsed) {
    setObjectName(IdName(elapsed ? kElapsedIdd : IDD));
    setWindowTitle(QString::fromUtf8(elapsed ? "日数変更（延）" : "日数変更"));
    if (doc != nullptr) {
        m_base = doc->GetSyokiSet().GetNobeBaseDate();
        m_monthDays = ElapsedMonthDays(doc->GetSyokiSet().GetNobeOrigin());
    }
    if (koutei != nullptr) {
        m_math = std::make_unique<ChangeDaysMath>(*koutei, CalendarFor(koutei, doc), daysOnly);
    }
    Build();
    Refill();
}

CChangeDaysDlg::~CChangeDaysDlg() = default;

void CChangeDaysDlg::Build() {
    auto* enter = new CEnterMovesFocus(this);
    auto* endBox = new QGroupBox(QString::fromUtf8("終了日"), this);
    auto* endRow = new QHBoxLayout(endBox);
    if (m_elapsed) {
        endRow->addWidget(new QLabel(QString::fromUtf8("第"), endBox));
    }
    for (int f = 0; f < 5; ++f) {
        auto* edit = MakeNumberEdit(endBox, kEndIds[f], 5);
        m_end[f] = edit;
        auto* spin = new QWidget(endBox);
        spin->setObjectName(IdName(kSpinIds[f]));
        auto* arrows = new QVBoxLayout(spin);
        arrows->setContentsMargins(0, 0, 0, 0);
        arrows->setSpacing(0);
        for (int d = 0; d < 2; ++d) {
            auto* arrow = new QToolButton(spin);
            arrow->setObjectName(IdName(kSpinIds[f]) + (d == 0 ? ".up" : ".down"));
            arrow->setArrowType(d == 0 ? Qt::UpArrow : Qt::DownArrow);
            arrow->setFixedSize(16, 11);
            const int step = d == 0 ? 1 : -1;
            connect(arrow, &QToolButton::clicked, this, [this, f, step] { Step(f, step); });
            arrows->addWidget(arrow);
            m_spins[f][d] = arrow;
        }
        connect(edit, &QLineEdit::editingFinished, this, [this] { EndLeft(); });
        enter->Watch({edit});
        if (f == kYear && m_elapsed) {
            edit->hide();
            spin->hide();
            continue;
        }
        endRow->addWidget(edit);
        endRow->addWidget(spin);
        endRow->addWidget(new QLabel(QString::fromUtf8(kEndUnits[f]), endBox));
    }
    auto* daysBox = new QGroupBox(QString::fromUtf8("日数"), this);
    auto* daysRow = new QHBoxLayout(daysBox);
    for (int f = 0; f < 3; ++f) {
        auto* edit = MakeNumberEdit(daysBox, kDurationIds[f], 5);
        m_duration[f] = edit;
        connect(edit, &QLineEdit::editingFinished, this, [this] { DurationLeft(); });
        enter->Watch({edit});
        daysRow->addWidget(edit);
        daysRow->addWidget(new QLabel(QString::fromUtf8(kDurationUnits[f]), daysBox));
    }
    m_count = new QButtonGroup(this);
    const struct {
        int id;
        const char* text;
    } counts[] = {{IDC_ELAPSED, "延べ"}, {IDC_WORKING, "実動"}};
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(counts[i].text), daysBox);
        radio->setObjectName(IdName(counts[i].id));
        radio->setVisible(!m_elapsed);
        m_count->addButton(radio, i);
        daysRow->addWidget(radio);
    }
    connect(m_count, &QButtonGroup::idClicked, this, [this](int mode) {
        m_values.countMode = mode;
        EndLeft();
    });
    m_spareSwitch = MakeCheck(this, IDC_SPARE_SWITCH, "予備日数");
    m_spare = MakeNumberEdit(this, IDC_SPARE_DAYS, 5);
    connect(m_spareSwitch, &QCheckBox::clicked, this, [this](bool on) {
        Take();
        m_values.spareSwitch = on;
        if (m_math != nullptr) {
            m_math->Fill(m_values);
        }
        Show();
    });
    connect(m_spare, &QLineEdit::editingFinished, this, [this] {
        if (Take() && m_math != nullptr) {
            m_math->DurationFromEnd(m_values);
            Show();
        }
    });
    m_link = MakeCheck(this, IDC_LINK, "連結工程を連動させる");
    enter->Watch({m_spareSwitch, m_spare, m_link});
    auto* spareRow = new QHBoxLayout;
    spareRow->addWidget(m_spareSwitch);
    spareRow->addWidget(m_spare);
    spareRow->addWidget(new QLabel(QString::fromUtf8("日"), this));
    spareRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(endBox);
    layout->addWidget(daysBox);
    layout->addLayout(spareRow);
    layout->addWidget(m_link);
    layout->addWidget(MakeOkCancel(this, enter));
}

bool CChangeDaysDlg::Take() {
    ChangeDaysValues v = m_values;
    int* endParts[] = {&v.year, &v.month, &v.day, &v.hour, &v.minute};
    if (m_elapsed) {
        ElapsedEnd elapsed;
        if (!ReadIntField(m_end[kMonth], -12, 999, elapsed.month, kRangeMessages) ||
            !ReadIntField(m_end[kDay], 1, m_monthDays, elapsed.day, kRangeMessages) ||
            !ReadIntField(m_end[kHour], 0, 23, v.hour, kRangeMessages) ||
            !ReadIntField(m_end[kMinute], 0, 59, v.minute, kRangeMessages)) {
            return false;
        }
        const CTime day = FromElapsedEnd(elapsed, m_base, m_monthDays);
        v.year = day.GetYear();
        v.month = day.GetMonth();
        v.day = day.GetDay();
    } else {
        const int limits[][2] = {
            {GetMinDate().GetYear(), GetMaxDate().GetYear()}, {1, 12}, {1, 31}, {0, 23}, {0, 59}};
        for (int f = 0; f < 5; ++f) {
            if (!ReadIntField(m_end[f], limits[f][0], limits[f][1], *endParts[f], kRangeMessages)) {
                return false;
            }
        }
    }
    if (!ReadIntField(m_duration[0], 0, kMaxDays, v.days, kRangeMessages) ||
        !ReadIntField(m_duration[1], 0, 23, v.hours, kRangeMessages) ||
        !ReadIntField(m_duration[2], 0, 59, v.minutes, kRangeMessages) ||
        !ReadIntField(m_spare, 0, kMaxDays, v.spareDays, kRangeMessages)) {
        return false;
    }
    v.spareSwitch = m_spareSwitch->isChecked();
    v.link = m_link->isChecked();
    v.countMode = m_elapsed ? ChangeDaysValues::kWorking : m_count->checkedId();
    m_values = v;
    return true;
}

void CChangeDaysDlg::Show() {
    if (m_elapsed) {
        const ElapsedEnd elapsed = ToElapsedEnd(m_values.End(), m_base, m_monthDays);
        m_end[kMonth]->setText(QString::number(elapsed.month));
        m_end[kDay]->setText(QString::number(elapsed.day));
    } else {
        m_end[kYear]->setText(QString::number(m_values.year));
        m_end[kMonth]->setText(QString::number(m_values.month));
        m_end[kDay]->setText(QString::number(m_values.day));
    }
    m_end[kHour]->setText(QString::number(m_values.hour));
    m_end[kMinute]->setText(QString::number(m_values.minute));
    m_duration[0]->setText(QString::number(m_values.days));
    m_duration[1]->setText(QString::number(m_values.hours));
    m_duration[2]->setText(QString::number(m_values.minutes));
    m_spare->setText(QString::number(m_values.spareDays));
    m_spareSwitch->setChecked(m_values.spareSwitch);
    m_link->setChecked(m_values.link);
    m_count->button(m_values.countMode)->setChecked(true);
    Enable();
}

void CChangeDaysDlg::Enable() {
    const bool dates = !m_values.spareSwitch;
    for (int f = 0; f < 5; ++f) {
        const bool on = dates && !(m_daysOnly && (f == kHour || f == kMinute));
        m_end[f]->setEnabled(on);
        m_spins[f][0]->setEnabled(on);
        m_spins[f][1]->setEnabled(on);
    }
    for (int f = 0; f < 3; ++f) {
        m_duration[f]->setEnabled(dates && !(m_daysOnly && f > 0));
    }
    m_link->setEnabled(dates);
    m_spare->setEnabled(!dates);
}

void CChangeDaysDlg::Refill() {
    if (m_math != nullptr) {
        m_math->Fill(m_values);
    }
    Show();
}

void CChangeDaysDlg::EndLeft() {
    if (m_math != nullptr && Take()) {
        m_math->DurationFromEnd(m_values);
        Show();
    }
}

void CChangeDaysDlg::DurationLeft() {
    if (m_math != nullptr && Take()) {
        m_math->EndFromDuration(m_values);
        Show();
    }
}

void CChangeDaysDlg::Step(int field, int step) {
    if (m_math == nullptr || !Take()) {
        return;
    }
    if (m_elapsed && field == kMonth) {
        // An elapsed month is a run of days, not a calendar month.
        const CTime end =
            m_values.End() + CTimeSpan(static_cast<std::int64_t>(step) * m_monthDays * kDaySeconds);
        if (end < GetMinDate() || end > GetMaxDate()) {
            return;
        }
        m_values.SetEnd(end);
        m_math->DurationFromEnd(m_values);
    } else {
        m_math->StepEnd(m_values, field, step);
    }
    Show();
}

void CChangeDaysDlg::accept() {
    if (!Take() || m_math == nullptr || m_koutei == nullptr) {
        return;
    }
    bool shortened = false;
    const int refused = m_math->Accept(m_values, *m_koutei, shortened);
    if (refused != 0) {
        AfxMessageBox(static_cast<UINT>(refused), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (shortened) {
        AfxMessageBox(5081, MB_OK | MB_ICONINFORMATION);
    }
    if (m_values.spareSwitch) {
        m_values.link = false;
    }
    QDialog::accept();
}

void CChangeDaysDlg::reject() {
    Refill();
    QDialog::reject();
}

} // namespace tembra
