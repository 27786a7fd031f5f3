#include "dialogs/attributes/EventBatchDateDlg.h"

#include "controls/DayButton.h"
#include "dialogs/attributes/EnterAcceptsButtons.h"
#include "dialogs/attributes/core/EventBatchChecks.h"
#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

constexpr UINT kNothingChosen = 5098;
constexpr UINT kNotInPeriod = 5099;

} // namespace

CEventBatchDateDlg::CEventBatchDateDlg(EventBatchDateTable* table, const CTime& start,
                                       const CTime& end, QWidget* parent)
    : QDialog(parent), m_table(table), m_work(table != nullptr ? *table : EventBatchDateTable()),
      m_start(start), m_end(end), m_shown(m_work.mode) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("行事一括入力設定（日付指定）"));
    m_every = new QRadioButton(QString::fromUtf8("毎月"), this);
    m_every->setObjectName(IdName(IDC_EVERY_MONTH));
    m_chosen = new QRadioButton(QString::fromUtf8("月指定"), this);
    m_chosen->setObjectName(IdName(IDC_CHOSEN_MONTHS));
    connect(m_every, &QRadioButton::clicked, this, [this] { SetMode(false); });
    connect(m_chosen, &QRadioButton::clicked, this, [this] { SetMode(true); });
    auto* monthBox = new QGroupBox(QString::fromUtf8("月選択"), this);
    auto* monthGrid = new QGridLayout(monthBox);
    for (int m = 0; m < 12; ++m) {
        auto* button = new CDayButton(QString::number(m + 1), monthBox);
        button->setObjectName(IdName(IDC_MONTH_FIRST + m));
        button->setFixedSize(36, 32);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, m] {
            if (m_shown != 0) {
                ShowMonth(m + 1);
            }
        });
        m_months[m] = button;
        monthGrid->addWidget(button, m / 6, m % 6);
    }
    auto* dayBox = new QGroupBox(QString::fromUtf8("日付指定"), this);
    auto* dayGrid = new QGridLayout(dayBox);
    for (int d = 0; d < 31; ++d) {
        auto* button = new CDayButton(QString::number(d + 1), dayBox);
        button->setObjectName(IdName(IDC_DAY_FIRST + d));
        button->setFixedSize(36, 32);
        connect(button, &QPushButton::clicked, this,
                [button] { button->SetValue(button->GetValue() != 0 ? 0 : 1); });
        m_days[d] = button;
        dayGrid->addWidget(button, d / 7, d % 7);
    }
    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, [this] {
        if (m_shown != 0) {
            m_work.monthDays = {};
        } else {
            m_work.everyMonth = {};
        }
        ShowAll();
    });
    QDialogButtonBox* buttons = MakeEnterAcceptsButtons(this);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);
    auto* modes = new QHBoxLayout;
    modes->addWidget(m_every);
    modes->addWidget(m_chosen);
    modes->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(modes);
    left->addWidget(monthBox);
    left->addWidget(dayBox);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(buttons, 0, Qt::AlignTop);
    ShowAll();
}

void CEventBatchDateDlg::Save() {
    for (int d = 0; d < 31; ++d) {
        const int value = m_days[d]->GetValue();
        if (m_shown == 0) {
            m_work.everyMonth[d] = value;
        } else {
            m_work.monthDays[m_shown - 1][d] = value;
        }
    }
}

void CEventBatchDateDlg::ShowAll() {
    m_every->setChecked(m_shown == 0);
    m_chosen->setChecked(m_shown != 0);
    const int visible = m_shown == 0 ? 31 : VisibleDayButtons(m_shown);
    for (int d = 0; d < 31; ++d) {
        m_days[d]->SetValue(m_shown == 0 ? m_work.everyMonth[d] : m_work.monthDays[m_shown - 1][d]);
        m_days[d]->setVisible(d < visible);
    }
    for (int m = 0; m < 12; ++m) {
        m_months[m]->SetValue(m_shown == 0 ? 1 : MonthButtonState(m_work, m + 1, m_shown));
    }
}

void CEventBatchDateDlg::SetMode(bool chosenMonths) {
    if (chosenMonths == (m_shown != 0)) {
        return;
    }
    Save();
    m_shown = chosenMonths ? 1 : 0;
    ShowAll();
}

void CEventBatchDateDlg::ShowMonth(int month) {
    Save();
    m_shown = month;
    ShowAll();
}

void CEventBatchDateDlg::accept() {
    Save();
    m_work.mode = m_shown;
    if (!AnyDayChosen(m_work)) {
        AfxMessageBox(kNothingChosen, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!DatePeriodHolds(m_work, m_start, m_end)) {
        AfxMessageBox(kNotInPeriod, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (m_table != nullptr) {
        *m_table = m_work;
    }
    QDialog::accept();
}

} // namespace tembra
