#include "model/ui/HolidayDlg.h"

#include "model/Utility.h"
#include "model/ui/HolidayKindButtons.h"
#include "platform/RangeMessage.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Time.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/Cp932Validator.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <climits>

namespace tembra {

namespace {

QLineEdit* NumberEdit(QWidget* parent, int id, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(IdName(id));
    edit->setMaxLength(maxLength);
    return edit;
}

} // namespace

CHolidayDlg::CHolidayDlg(const CHolidayEntry& entry, QWidget* parent)
    : QDialog(parent), m_entry(entry) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("休日"));
    m_year = NumberEdit(this, IDC_YEAR, 4);
    m_month = NumberEdit(this, IDC_MONTH, 2);
    m_day = NumberEdit(this, IDC_DAY, 2);
    m_name = new QLineEdit(this);
    m_name->setObjectName(IdName(IDC_NAME));
    m_name->setValidator(new CCp932Validator(CHolidayEntry::kNameBytes, m_name));

    auto* date = new QHBoxLayout;
    date->addWidget(m_year);
    auto* yearLabel = new QLabel(QString::fromUtf8("年"), this);
    date->addWidget(yearLabel);
    date->addWidget(m_month);
    date->addWidget(new QLabel(QString::fromUtf8("月"), this));
    date->addWidget(m_day);
    date->addWidget(new QLabel(QString::fromUtf8("日"), this));
    QLayout* kindBox = nullptr;
    const HolidayKindButtons kinds = HolidayKindButtons::Make(this, kindBox);
    m_kinds = kinds.buttons;

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_year, m_month, m_day, m_name, m_kinds[0], m_kinds[1], m_kinds[2]});

    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("日付"), date);
    form->addRow(QString::fromUtf8("名称"), m_name);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(kindBox);
    layout->addWidget(MakeOkCancel(this, enter));

    const bool withYear = entry.year >= 1;
    m_year->setVisible(withYear);
    yearLabel->setVisible(withYear);
    m_year->setText(QString::number(entry.year));
    m_month->setText(QString::number(entry.month));
    m_day->setText(QString::number(entry.day));
    m_name->setText(FromCp932(entry.name));
    kinds.Show(entry.kind);
}

CHolidayDlg::~CHolidayDlg() = default;

void CHolidayDlg::accept() {
    CHolidayEntry entry = m_entry;
    if (!m_year->isHidden()) {
        const int first = GetMinDate().GetYear();
        const int last = GetMaxDate().GetYear();
        const std::optional<long> year =
            ParseIntInRange(m_year->text().toStdString(), INT_MIN, INT_MAX);
        if (!year || *year < first || *year > last) {
            const std::string text = FormatString(Sjis::FromUtf8("%1年から%2年以外は無効です。"),
                                                  {std::to_string(first), std::to_string(last)});
            Ui().MessageBox(text, MB_OK | MB_ICONEXCLAMATION, 0);
            m_year->setFocus(Qt::OtherFocusReason);
            m_year->selectAll();
            return;
        }
        entry.year = static_cast<int>(*year);
    }
    if (!ReadIntField(m_month, 1, 12, entry.month, kRangeMessages) ||
        !ReadIntField(m_day, 1, 31, entry.day, kRangeMessages)) {
        return;
    }
    // A day the month does not have would name no date: refused like a day outside 1..31.
    const int days = entry.year >= 1 ? CivilDate::DaysInMonth(entry.year, entry.month)
                                     : CivilDate::DaysInMonth(2000, entry.month);
    if (!ReadIntField(m_day, 1, days, entry.day, kRangeMessages)) {
        return;
    }
    entry.name = ToCp932(m_name->text());
    entry.kind = HolidayKindButtons{m_kinds}.Read(m_entry.kind);
    m_entry = entry;
    QDialog::accept();
}

} // namespace tembra
