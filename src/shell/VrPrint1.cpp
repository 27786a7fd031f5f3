#include "shell/VrPrint1.h"

#include "platform/Sjis.h"
#include "platform/qt/DialogParts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

// Year, month and day fields with their units, in one row.
template <std::size_t N>
void AddDateFields(QGridLayout* grid, int row, int column, std::array<QLineEdit*, N>& fields,
                   std::size_t first, const std::array<int, N>& ids, QWidget* parent) {
    static constexpr const char* kUnits[] = {"年", "月", "日"};
    for (std::size_t i = 0; i < 3; ++i) {
        QLineEdit* edit = CVrPrintPage::Named(new QLineEdit(parent), ids[first + i]);
        edit->setMaxLength(i == 0 ? 4 : 2);
        edit->setFixedWidth(i == 0 ? 56 : 36);
        fields[first + i] = edit;
        grid->addWidget(edit, row, column + static_cast<int>(2 * i));
        grid->addWidget(new QLabel(CVrPrintPage::Text(kUnits[i]), parent), row,
                        column + static_cast<int>(2 * i) + 1);
    }
}

QString FieldText(const std::string& text) {
    return QString::fromStdString(Sjis::ToUtf8(text));
}

std::string StoredText(const QLineEdit* edit) {
    return Sjis::FromUtf8(edit->text().trimmed().toStdString());
}

} // namespace

CVrPrint1::CVrPrint1(VrPrintValues& values, QWidget* parent) : CVrPrintPage(values, parent) {
    setObjectName(IdName(IDD));
    auto* formatRow = new QHBoxLayout;
    formatRow->addWidget(new QLabel(Text("書式"), this));
    m_format = Named(new QLabel(this), IDC_FORMAT);
    m_format->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    formatRow->addWidget(m_format, 1);
    Body()->addLayout(formatRow);

    auto* period = new QGroupBox(Text("期間"), this);
    auto* periodGrid = new QGridLayout(period);
    m_kikanOff = Named(new QRadioButton(Text("なし"), period), IDC_KIKAN_OFF);
    m_kikanOn = Named(new QRadioButton(Text("あり"), period), IDC_KIKAN_ON);
    auto* kikanGroup = new QButtonGroup(period);
    kikanGroup->addButton(m_kikanOff);
    kikanGroup->addButton(m_kikanOn);
    periodGrid->addWidget(m_kikanOff, 0, 0);
    periodGrid->addWidget(m_kikanOn, 0, 1);
    AddDateFields(periodGrid, 1, 0, m_period, 0, kPeriodIds, period);
    periodGrid->addWidget(new QLabel(Text("～"), period), 2, 0);
    AddDateFields(periodGrid, 3, 0, m_period, 3, kPeriodIds, period);
    auto* periodClear = Named(new QPushButton(Text("ｸﾘｱ"), period), IDC_PERIOD_CLEAR);
    m_periodFill = Named(new QPushButton(Text("期間"), period), IDC_PERIOD_FILL);
    periodGrid->addWidget(periodClear, 1, 6);
    periodGrid->addWidget(m_periodFill, 3, 6);
    Body()->addWidget(period);

    auto* date = new QGroupBox(Text("印刷日"), this);
    auto* dateGrid = new QGridLayout(date);
    m_toDayOff = Named(new QRadioButton(Text("なし"), date), IDC_TODAY_OFF);
    m_toDayOn = Named(new QRadioButton(Text("あり"), date), IDC_TODAY_ON);
    auto* toDayGroup = new QButtonGroup(date);
    toDayGroup->addButton(m_toDayOff);
    toDayGroup->addButton(m_toDayOn);
    dateGrid->addWidget(m_toDayOff, 0, 0);
    dateGrid->addWidget(m_toDayOn, 0, 1);
    AddDateFields(dateGrid, 1, 0, m_date, 0, kDateIds, date);
    auto* dateClear = Named(new QPushButton(Text("ｸﾘｱ"), date), IDC_DATE_CLEAR);
    auto* today = Named(new QPushButton(Text("今日"), date), IDC_DATE_TODAY);
    dateGrid->addWidget(dateClear, 1, 6);
    dateGrid->addWidget(today, 1, 7);
    Body()->addWidget(date);

    for (QPushButton* button : {periodClear, m_periodFill, dateClear, today}) {
        button->setAutoDefault(false);
    }
    connect(periodClear, &QPushButton::clicked, this, [this] {
        for (QLineEdit* edit : m_period) {
            edit->clear();
        }
    });
    connect(m_periodFill, &QPushButton::clicked, this, [this] {
        for (std::size_t i = 0; i < m_period.size(); ++i) {
            m_period[i]->setText(FieldText(m_values.layoutPeriod[i]));
        }
    });
    connect(dateClear, &QPushButton::clicked, this, [this] {
        for (QLineEdit* edit : m_date) {
            edit->clear();
        }
    });
    connect(today, &QPushButton::clicked, this, [this] {
        const CConfigPrint::DateTexts texts = DateTextsOf(CTime::GetCurrentTime());
        for (std::size_t i = 0; i < m_date.size(); ++i) {
            m_date[i]->setText(FieldText(texts[i]));
        }
    });
}

void CVrPrint1::LoadFields() {
    m_format->setText(FieldText(m_values.formatName));
    (m_values.kikan != 0 ? m_kikanOn : m_kikanOff)->setChecked(true);
    for (std::size_t i = 0; i < m_period.size(); ++i) {
        m_period[i]->setText(m_values.elapsed ? QString() : FieldText(m_values.period[i]));
    }
    m_periodFill->setVisible(!m_values.elapsed);
    (m_values.toDay != 0 ? m_toDayOn : m_toDayOff)->setChecked(true);
    for (std::size_t i = 0; i < m_date.size(); ++i) {
        m_date[i]->setText(FieldText(m_values.date[i]));
    }
}

bool CVrPrint1::ReadFields() {
    m_values.kikan = m_kikanOn->isChecked() ? 1 : 0;
    for (std::size_t i = 0; i < m_period.size(); ++i) {
        m_values.period[i] = StoredText(m_period[i]);
    }
    m_values.toDay = m_toDayOn->isChecked() ? 1 : 0;
    for (std::size_t i = 0; i < m_date.size(); ++i) {
        m_values.date[i] = StoredText(m_date[i]);
    }
    return true;
}

} // namespace tembra
