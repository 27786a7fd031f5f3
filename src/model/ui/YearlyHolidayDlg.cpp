#include "model/ui/YearlyHolidayDlg.h"

#include "model/Utility.h"
#include "model/ui/HolidayKindButtons.h"
#include "platform/RangeMessage.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/Cp932Validator.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

QComboBox* NumberCombo(QWidget* parent, int id, int first, int last, int maxLength) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(IdName(id));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (int n = first; n <= last; ++n) {
        combo->addItem(QString::number(n));
    }
    combo->lineEdit()->setMaxLength(maxLength);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
    return combo;
}

QRadioButton* Radio(QWidget* parent, int id, const char* text, QButtonGroup* group) {
    auto* button = new QRadioButton(QString::fromUtf8(text), parent);
    button->setObjectName(IdName(id));
    group->addButton(button);
    return button;
}

// A year field: empty, or a year of the supported dates (the range prompt otherwise).
bool ReadYear(QComboBox* combo, int& year) {
    if (combo->currentText().trimmed().isEmpty()) {
        year = 0;
        return true;
    }
    return ReadIntField(combo->lineEdit(), GetMinDate().GetYear(), GetMaxDate().GetYear(), year,
                        kRangeMessages);
}

} // namespace

CYearlyHolidayDlg::CYearlyHolidayDlg(const CHolidayEntry& entry, QWidget* parent)
    : QDialog(parent), m_entry(entry) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("毎年休日設定"));
    const int firstYear = GetMinDate().GetYear();
    const int lastYear = GetMaxDate().GetYear();

    m_month = NumberCombo(this, IDC_MONTH, 1, 12, 2);
    m_day = NumberCombo(this, IDC_DAY, 1, 31, 2);
    m_name = new QLineEdit(this);
    m_name->setObjectName(IdName(IDC_NAME));
    m_name->setValidator(new CCp932Validator(CHolidayEntry::kNameBytes, m_name));
    auto* how = new QButtonGroup(this);
    m_byDate = Radio(this, IDC_BY_DATE, "日を指定", how);
    m_byWeekday = Radio(this, IDC_BY_WEEKDAY, "曜日を指定", how);
    QGridLayout* gridLayout = nullptr;
    m_grid = HolidayWeekGrid::Make(this, gridLayout, true);
    QLayout* kindBox = nullptr;
    m_kinds = HolidayKindButtons::Make(this, kindBox).buttons;
    auto* period = new QButtonGroup(this);
    m_allYears = Radio(this, IDC_ALL_YEARS, "全期間有効", period);
    m_someYears = Radio(this, IDC_SOME_YEARS, "期間を指定する", period);
    m_firstYear = NumberCombo(this, IDC_FIRST_YEAR, firstYear, lastYear, 4);
    m_lastYear = NumberCombo(this, IDC_LAST_YEAR, firstYear, lastYear, 4);

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_month, m_day, m_name, m_byDate, m_byWeekday, m_allYears, m_someYears,
                  m_firstYear, m_lastYear});

    connect(m_byDate, &QRadioButton::clicked, this, [this] { ByWeekday(false); });
    connect(m_byWeekday, &QRadioButton::clicked, this, [this] { ByWeekday(true); });
    connect(m_allYears, &QRadioButton::clicked, this, [this] { WithPeriod(false); });
    connect(m_someYears, &QRadioButton::clicked, this, [this] { WithPeriod(true); });
    for (int i = 0; i < 35; ++i) {
        connect(m_grid.boxes[static_cast<std::size_t>(i)], &QCheckBox::clicked, this,
                [this, i] { OnBox(i); });
    }

    auto* date = new QHBoxLayout;
    date->addWidget(m_month);
    date->addWidget(new QLabel(QString::fromUtf8("月"), this));
    date->addWidget(m_day);
    date->addWidget(new QLabel(QString::fromUtf8("日"), this));
    auto* years = new QHBoxLayout;
    years->addWidget(m_allYears);
    years->addWidget(m_someYears);
    years->addWidget(m_firstYear);
    years->addWidget(new QLabel(QString::fromUtf8("年～"), this));
    years->addWidget(m_lastYear);
    years->addWidget(new QLabel(QString::fromUtf8("年"), this));
    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("日付"), date);
    form->addRow(QString::fromUtf8("名称"), m_name);
    auto* choice = new QHBoxLayout;
    choice->addWidget(m_byDate);
    choice->addWidget(m_byWeekday);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(choice);
    layout->addLayout(gridLayout);
    layout->addLayout(kindBox);
    layout->addLayout(years);
    layout->addWidget(MakeOkCancel(this, enter));

    ShowEntry(entry);
}

CYearlyHolidayDlg::~CYearlyHolidayDlg() = default;

void CYearlyHolidayDlg::ShowEntry(const CHolidayEntry& entry) {
    const int firstYear = GetMinDate().GetYear();
    const int lastYear = GetMaxDate().GetYear();
    if (entry.month >= 1 && entry.month <= 12) {
        m_month->setEditText(QString::number(entry.month));
    }
    // A new line (no month yet) is by date.
    const bool weekday = entry.ByWeekday() && entry.month != 0;
    (weekday ? m_byWeekday : m_byDate)->setChecked(true);
    m_day->setEnabled(!weekday);
    for (QCheckBox* box : m_grid.boxes) {
        box->setEnabled(weekday);
    }
    if (weekday) {
        if (entry.weekday >= 1 && entry.weekday <= 7 && entry.week >= 1 && entry.week <= 5) {
            m_grid.At(entry.weekday - 1, entry.week - 1)->setChecked(true);
        }
    } else if (entry.day > 0) {
        m_day->setEditText(QString::number(entry.day));
    }
    m_name->setText(FromCp932(entry.name));
    HolidayKindButtons{m_kinds}.Show(entry.kind);
    const auto shownYear = [firstYear, lastYear](int year) {
        return year >= firstYear && year <= lastYear ? QString::number(year) : QString();
    };
    const bool withPeriod = entry.firstYear != 0 || entry.lastYear != 0;
    (withPeriod ? m_someYears : m_allYears)->setChecked(true);
    m_firstYear->setEditText(shownYear(entry.firstYear));
    m_lastYear->setEditText(shownYear(entry.lastYear));
    m_firstYear->setEnabled(withPeriod);
    m_lastYear->setEnabled(withPeriod);
}

void CYearlyHolidayDlg::ByWeekday(bool weekday) {
    m_day->setEnabled(!weekday);
    for (QCheckBox* box : m_grid.boxes) {
        box->setEnabled(weekday);
        if (!weekday) {
            box->setChecked(false);
        }
    }
    if (weekday) {
        m_day->setEditText(QString());
    }
    HolidayKindButtons{m_kinds}.Show(weekday ? 2 : 1);
}

void CYearlyHolidayDlg::WithPeriod(bool period) {
    m_firstYear->setEnabled(period);
    m_lastYear->setEnabled(period);
    if (!period) {
        m_firstYear->setEditText(QString());
        m_lastYear->setEditText(QString());
    }
}

void CYearlyHolidayDlg::OnBox(int index) {
    QCheckBox* clicked = m_grid.boxes[static_cast<std::size_t>(index)];
    if (!clicked->isChecked()) {
        return;
    }
    for (QCheckBox* box : m_grid.boxes) {
        if (box != clicked) {
            box->setChecked(false);
        }
    }
}

void CYearlyHolidayDlg::accept() {
    CHolidayEntry entry = m_entry;
    entry.year = 0;
    if (!ReadIntField(m_month->lineEdit(), 1, 12, entry.month, kRangeMessages)) {
        return;
    }
    const bool weekday = m_byWeekday->isChecked();
    if (!weekday && !ReadIntField(m_day->lineEdit(), 1, 31, entry.day, kRangeMessages)) {
        return;
    }
    entry.firstYear = 0;
    entry.lastYear = 0;
    if (m_someYears->isChecked()) {
        if (!ReadYear(m_firstYear, entry.firstYear) || !ReadYear(m_lastYear, entry.lastYear)) {
            return;
        }
        if (entry.firstYear != 0 && entry.lastYear != 0 && entry.firstYear > entry.lastYear) {
            AfxMessageBox(
                Sjis::FromUtf8("有効期間が、「開始年 ≦ 終了年」 となるように設定して下さい。"),
                MB_OK | MB_ICONEXCLAMATION);
            m_firstYear->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (weekday) {
        entry.day = 0;
        entry.week = 0;
        for (int i = 0; i < 35; ++i) {
            if (m_grid.boxes[static_cast<std::size_t>(i)]->isChecked()) {
                entry.weekday = i / 5 + 1;
                entry.week = i % 5 + 1;
            }
        }
        if (entry.week == 0) {
            AfxMessageBox(Sjis::FromUtf8("曜日を選択して下さい。"), MB_OK | MB_ICONEXCLAMATION);
            m_byWeekday->setFocus(Qt::OtherFocusReason);
            return;
        }
    } else {
        entry.week = 0;
        entry.weekday = 0;
    }
    entry.kind = HolidayKindButtons{m_kinds}.Read(m_entry.kind);
    entry.name = ToCp932(m_name->text());
    m_entry = entry;
    QDialog::accept();
}

} // namespace tembra
