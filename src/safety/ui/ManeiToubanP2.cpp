#include "safety/ui/ManeiToubanP2.h"

#include "model/SyokiSet.h"
#include "safety/ui/ManeiToubanP1.h"
#include "safety/ui/PlanRowCombo.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace tembra {

CManeiToubanP2::CManeiToubanP2(const CSyokiSet& settings, const PlanRowRange& rows, QWidget* parent)
    : QWidget(parent) {
    m_values.rows = rows;
    m_mode[0] = new QRadioButton(QString::fromUtf8("週指定"), this);
    m_mode[1] = new QRadioButton(QString::fromUtf8("実日数指定"), this);
    m_mode[0]->setChecked(true);
    m_weekday = new QComboBox(this);
    m_weekday->addItems({QString::fromUtf8("日曜日"), QString::fromUtf8("月曜日")});
    m_weeks = new QComboBox(this);
    m_weeks->addItems({"1", "2"});
    m_date = MakeToubanDateField(settings, this);
    m_shift = new QComboBox(this);
    for (int i = 1; i <= 14; ++i) {
        m_shift->addItem(QString::number(i));
    }
    const int rowCount = settings.GetRowSpan();
    m_rows[0] = new CPlanRowCombo(rowCount, rows.first, this);
    m_rows[1] = new CPlanRowCombo(rowCount, rows.last, this);
    for (QRadioButton* mode : m_mode) {
        connect(mode, &QRadioButton::clicked, this, [this] { EnableMode(); });
    }
    EnableMode();

    auto* widthBox = new QGroupBox(QString::fromUtf8("枠幅間隔"), this);
    auto* width = new QGridLayout(widthBox);
    width->addWidget(m_mode[0], 0, 0);
    width->addWidget(m_weekday, 0, 1);
    width->addWidget(new QLabel(QString::fromUtf8("から"), this), 0, 2);
    width->addWidget(m_weeks, 0, 3);
    width->addWidget(new QLabel(QString::fromUtf8("週交代"), this), 0, 4);
    width->addWidget(m_mode[1], 1, 0);
    width->addWidget(m_date, 1, 1);
    width->addWidget(new QLabel(QString::fromUtf8("から"), this), 1, 2);
    width->addWidget(m_shift, 1, 3);
    width->addWidget(new QLabel(QString::fromUtf8("日交代"), this), 1, 4);
    auto* heightBox = new QGroupBox(QString::fromUtf8("枠高さ"), this);
    auto* heights = new QGridLayout(heightBox);
    heights->addWidget(new QLabel(QString::fromUtf8("開始行"), this), 0, 0);
    heights->addWidget(m_rows[0], 0, 1);
    heights->addWidget(new QLabel(QString::fromUtf8("終了行"), this), 0, 2);
    heights->addWidget(m_rows[1], 0, 3);
    auto* grid = new QGridLayout(this);
    grid->addWidget(widthBox, 0, 0);
    grid->addWidget(heightBox, 1, 0);
    grid->setRowStretch(2, 1);
}

void CManeiToubanP2::EnableMode() {
    const bool weeks = m_mode[0]->isChecked();
    m_weekday->setEnabled(weeks);
    m_weeks->setEnabled(weeks);
    m_date->setEnabled(!weeks);
    m_shift->setEnabled(!weeks);
}

bool CManeiToubanP2::Apply() {
    for (CPlanRowCombo* field : m_rows) {
        field->Commit();
    }
    m_values.rows = {m_rows[0]->Value(), m_rows[1]->Value()};
    m_values.widthMode = m_mode[0]->isChecked() ? 0 : 1;
    m_values.mondayStart = m_weekday->currentIndex() == 1;
    m_values.weeks = m_weeks->currentIndex() + 1;
    m_values.startDate = ToubanDate(m_date);
    m_values.shiftDays = m_shift->currentIndex() + 1;
    return true;
}

} // namespace tembra
