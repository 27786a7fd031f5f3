#include "dialogs/attributes/HolidayInitDlg.h"

#include "model/Calendar.h"
#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

namespace {
constexpr std::array<const char*, 7> kWeekdayNames = {"日", "月", "火", "水", "木", "金", "土"};
constexpr std::array<const char*, kWeeksInTable> kWeekNames = {"第１", "第２", "第３", "第４",
                                                               "第５"};

} // namespace

CHolidayInitDlg::CHolidayInitDlg(CCalendar* calendar, QWidget* parent)
    : QDialog(parent), m_calendar(calendar) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("休日の初期化"));

    auto* matrix = new QGridLayout;
    for (int week = 0; week < kWeeksInTable; ++week) {
        matrix->addWidget(new QLabel(QString::fromUtf8(kWeekNames[week]), this), 0, week + 1,
                          Qt::AlignCenter);
    }
    for (int weekday = 0; weekday < 7; ++weekday) {
        auto* button = new QPushButton(QString::fromUtf8(kWeekdayNames[weekday]), this);
        button->setObjectName(IdName(kRowButtonIds[weekday]));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, weekday] {
            WeeklyRestTable table = Table();
            ToggleWeekdayRow(table, weekday);
            ShowTable(table);
        });
        matrix->addWidget(button, weekday + 1, 0);
        for (int week = 0; week < kWeeksInTable; ++week) {
            auto* check = new QCheckBox(this);
            check->setObjectName(IdName(kRowFirstIds[weekday] + week));
            m_checks[static_cast<std::size_t>(weekday * kWeeksInTable + week)] = check;
            matrix->addWidget(check, weekday + 1, week + 1, Qt::AlignCenter);
        }
    }

    m_yearly = new QCheckBox(QString::fromUtf8("公休、祝日"), this);
    m_yearly->setObjectName(IdName(IDC_YEARLY));
    m_yearly->setChecked(true);
    m_special = new QCheckBox(QString::fromUtf8("特定休日"), this);
    m_special->setObjectName(IdName(IDC_SPECIAL));
    m_special->setChecked(true);

    auto* enter = new CEnterMovesFocus(this);
    for (QCheckBox* check : m_checks) {
        enter->Watch({check});
    }
    enter->Watch({m_yearly, m_special});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(matrix);
    layout->addWidget(m_yearly);
    layout->addWidget(m_special);
    layout->addWidget(MakeOkCancel(this, enter));

    ShowTable(LoadWeeklyRestTable());
}

CHolidayInitDlg::~CHolidayInitDlg() = default;

WeeklyRestTable CHolidayInitDlg::Table() const {
    WeeklyRestTable table{};
    for (std::size_t i = 0; i < m_checks.size(); ++i) {
        table[i] = m_checks[i]->isChecked() ? 1 : 0;
    }
    return table;
}

void CHolidayInitDlg::ShowTable(const WeeklyRestTable& table) {
    for (std::size_t i = 0; i < m_checks.size(); ++i) {
        m_checks[i]->setChecked(table[i] != 0);
    }
}

void CHolidayInitDlg::accept() {
    if (m_calendar != nullptr) {
        const WeeklyRestTable table = Table();
        CWaitCursor wait;
        m_calendar->MakeHolidays(table.data(), m_yearly->isChecked() ? TRUE : FALSE,
                                 m_special->isChecked() ? TRUE : FALSE);
    }
    QDialog::accept();
}

} // namespace tembra
