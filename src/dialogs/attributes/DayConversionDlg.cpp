#include "dialogs/attributes/DayConversionDlg.h"

#include "model/Utility.h"
#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <limits>
#include <variant>

namespace tembra {

namespace {
QString U(const char* text) {
    return QString::fromUtf8(text);
}

// A row of fields and the words between them.
QHBoxLayout* Row(QWidget* parent,
                 std::initializer_list<std::variant<const char*, QWidget*>> parts) {
    auto* row = new QHBoxLayout;
    for (const auto& part : parts) {
        if (const auto* text = std::get_if<const char*>(&part)) {
            row->addWidget(new QLabel(U(*text), parent));
        } else {
            row->addWidget(std::get<QWidget*>(part));
        }
    }
    row->addStretch();
    return row;
}

} // namespace

CDayConversionDlg::CDayConversionDlg(DayConversionKind kind, const CSyokiSet& settings,
                                     QWidget* parent)
    : QDialog(parent), m_kind(kind), m_settings(settings) {
    const bool toElapsed = kind == DayConversionKind::kToElapsed;
    setObjectName(IdName(toElapsed ? 198 : 199));
    setWindowTitle(U(toElapsed ? "暦日→延日変換" : "延日→暦日変換"));

    m_year = AddField(IDC_YEAR, 5);
    m_month = AddField(IDC_MONTH, 3);
    m_day = AddField(IDC_DAY, 3);
    m_dayNumber = AddField(IDC_DAY_NUMBER, 6);
    m_fromRatio = AddField(IDC_RATIO_FROM, 4);
    m_toRatio = AddField(IDC_RATIO_TO, 4);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        U(toElapsed ? "現在は暦日モードで作図中です。" : "現在は延日モードで作図中です。"), this));
    layout->addWidget(new QLabel(U(toElapsed ? "暦日モードから延日モードに変更します。"
                                             : "延日モードから暦日モードに変更します。"),
                                 this));
    if (toElapsed) {
        layout->addLayout(Row(this, {"暦日の", m_year, "年", m_month, "月", m_day, "日を"}));
        layout->addLayout(Row(this, {"延日の第", m_dayNumber, "日目に展開"}));
    } else {
        layout->addLayout(Row(this, {"延日の第", m_dayNumber, "日目を"}));
        layout->addLayout(Row(this, {"暦日の", m_year, "年", m_month, "月", m_day, "日に展開"}));
    }

    m_holidayValid = new QRadioButton(U("有効"), this);
    m_holidayValid->setObjectName(IdName(IDC_HOLIDAY_VALID));
    m_holidayInvalid = new QRadioButton(U("無効"), this);
    m_holidayInvalid->setObjectName(IdName(IDC_HOLIDAY_INVALID));
    auto* holidays = new QButtonGroup(this);
    holidays->addButton(m_holidayValid, 0);
    holidays->addButton(m_holidayInvalid, 1);
    layout->addLayout(Row(this, {"●休日：", m_holidayValid, m_holidayInvalid}));

    m_round = new QCheckBox(U("時間を丸める"), this);
    m_round->setObjectName(IdName(IDC_ROUND));
    layout->addLayout(Row(this, {"●係数：", toElapsed ? "暦" : "延", m_fromRatio, ":",
                                 toElapsed ? "延" : "暦", m_toRatio, m_round}));

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_year, m_month, m_day, m_dayNumber, m_holidayValid, m_holidayInvalid,
                  m_fromRatio, m_toRatio, m_round});
    layout->addWidget(MakeOkCancel(this, enter));

    SetValues(InitialDayConversion(kind, settings, CTime::GetCurrentTime()));
}

CDayConversionDlg::~CDayConversionDlg() = default;

QLineEdit* CDayConversionDlg::AddField(int id, int width) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(IdName(id));
    edit->setMaxLength(11);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (width + 2));
    return edit;
}

void CDayConversionDlg::SetValues(const DayConversionValues& values) {
    m_values = values;
    m_year->setText(QString::number(values.year));
    m_month->setText(QString::number(values.month));
    m_day->setText(QString::number(values.day));
    m_dayNumber->setText(QString::number(values.dayNumber));
    (values.holidayChoice != 0 ? m_holidayInvalid : m_holidayValid)->setChecked(true);
    m_fromRatio->setText(QString::number(values.fromRatio));
    m_toRatio->setText(QString::number(values.toRatio));
    m_round->setChecked(values.round);
}

bool CDayConversionDlg::ReadFields(DayConversionValues& values) {
    constexpr int kAny = std::numeric_limits<int>::max();
    const struct {
        QLineEdit* edit;
        int min;
        int max;
        int* value;
    } fields[] = {
        {m_year, kMinDateYear, kMaxDateYear, &values.year},
        {m_month, 1, 12, &values.month},
        {m_day, 1, 31, &values.day},
        {m_dayNumber, -kAny, kAny, &values.dayNumber},
        {m_fromRatio, DayConversionValues::kMinRatio, DayConversionValues::kMaxRatio,
         &values.fromRatio},
        {m_toRatio, DayConversionValues::kMinRatio, DayConversionValues::kMaxRatio,
         &values.toRatio},
    };
    for (const auto& field : fields) {
        if (!ReadIntField(field.edit, field.min, field.max, *field.value, kRangeMessages)) {
            return false;
        }
    }
    values.holidayChoice = m_holidayInvalid->isChecked() ? 1 : 0;
    values.round = m_round->isChecked();
    return true;
}

void CDayConversionDlg::accept() {
    DayConversionValues values = m_values;
    if (!ReadFields(values)) {
        return;
    }
    const DayConversionCheck check = CheckDayConversion(m_kind, values, m_settings);
    if (check.message != 0) {
        AfxMessageBox(check.message, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_values = values;
    m_result = check;
    QDialog::accept();
}

} // namespace tembra
