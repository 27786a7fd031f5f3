#include "safety/ui/ManeiToubanP1.h"

#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "safety/ToubanLastList.h"
#include "safety/ui/DutyGroupLoadDlg.h"
#include "safety/ui/PlanRowCombo.h"
#include "safety/ui/ToubanListEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace tembra {

namespace {

QDate ToQDate(const CTime& date) {
    return QDate(date.GetYear(), date.GetMonth(), date.GetDay());
}

} // namespace

QDateEdit* MakeToubanDateField(const CSyokiSet& settings, QWidget* parent) {
    auto* field = new QDateEdit(parent);
    field->setDisplayFormat(QString::fromUtf8("yyyy'年 'MM'月 'dd'日'"));
    // Only the supported dates can be typed: the roster's days are calendar days.
    field->setDateRange(ToQDate(GetMinDate()), ToQDate(GetMaxDate()));
    field->setDate(ToQDate(settings.GetStartDate()));
    return field;
}

CTime ToubanDate(const QDateEdit* field) {
    const QDate date = field->date();
    return CTime(date.year(), date.month(), date.day());
}

CManeiToubanP1::CManeiToubanP1(const CSyokiSet& settings, const PlanRowRange& rows, QWidget* parent)
    : QWidget(parent), m_settings(settings) {
    m_values.rows = rows;
    const int rowCount = settings.GetRowSpan();
    m_rows[0] = new CPlanRowCombo(rowCount, rows.first, this);
    m_rows[1] = new CPlanRowCombo(rowCount, rows.last, this);
    m_date = MakeToubanDateField(settings, this);
    m_shift = new QComboBox(this);
    for (int i = 1; i <= 7; ++i) {
        m_shift->addItem(QString::number(i));
    }
    m_assign = new QCheckBox(QString::fromUtf8("休日にも当番者を割付ける"), this);
    m_styleLabel = new QLabel(QString::fromUtf8("→　休日表現"), this);
    m_style = new QComboBox(this);
    for (const char* style : {"空白", "―", "／", "＊", "休日色で塗り潰し"}) {
        m_style->addItem(QString::fromUtf8(style));
    }
    m_style->setCurrentIndex(1);
    connect(m_assign, &QCheckBox::toggled, this, [this](bool on) {
        m_styleLabel->setEnabled(!on);
        m_style->setEnabled(!on);
    });
    m_editor = new CToubanListEditor(this);
    m_loadGroup = new QPushButton(QString::fromUtf8("当番者リスト読込(&L)..."), this);
    m_lastList = new QPushButton(QString::fromUtf8("前回使用した当番者リスト(&R)"), this);
    connect(m_loadGroup, &QPushButton::clicked, this, [this] { OnLoadGroup(); });
    connect(m_lastList, &QPushButton::clicked, this,
            [this] { m_editor->SetList(CToubanList(LoadLastList())); });

    auto* widthBox = new QGroupBox(QString::fromUtf8("枠幅間隔"), this);
    (new QGridLayout(widthBox))->addWidget(new QLabel(QString::fromUtf8("１日毎"), this), 0, 0);
    auto* heightBox = new QGroupBox(QString::fromUtf8("枠高さ"), this);
    auto* heights = new QGridLayout(heightBox);
    heights->addWidget(new QLabel(QString::fromUtf8("開始行"), this), 0, 0);
    heights->addWidget(m_rows[0], 0, 1);
    heights->addWidget(new QLabel(QString::fromUtf8("終了行"), this), 0, 2);
    heights->addWidget(m_rows[1], 0, 3);
    auto* rotaBox = new QGroupBox(QString::fromUtf8("当番者割付け設定"), this);
    auto* rota = new QGridLayout(rotaBox);
    rota->addWidget(m_date, 0, 0);
    rota->addWidget(new QLabel(QString::fromUtf8("から"), this), 0, 1);
    rota->addWidget(m_shift, 0, 2);
    rota->addWidget(new QLabel(QString::fromUtf8("日交代で割付け"), this), 0, 3);
    rota->addWidget(m_assign, 1, 0, 1, 2);
    rota->addWidget(m_styleLabel, 1, 2);
    rota->addWidget(m_style, 1, 3);

    auto* grid = new QGridLayout(this);
    grid->addWidget(widthBox, 0, 0);
    grid->addWidget(heightBox, 0, 1);
    grid->addWidget(rotaBox, 1, 0, 1, 2);
    grid->addWidget(m_editor, 2, 0, 1, 2);
    grid->addWidget(m_loadGroup, 3, 0);
    grid->addWidget(m_lastList, 3, 1);
}

bool CManeiToubanP1::Apply() {
    for (CPlanRowCombo* field : m_rows) {
        field->Commit();
    }
    m_values.rows = {m_rows[0]->Value(), m_rows[1]->Value()};
    m_values.startDate = ToubanDate(m_date);
    m_values.shiftDays = m_shift->currentIndex() + 1;
    m_values.assignOnHolidays = m_assign->isChecked();
    m_values.holidayStyle = m_style->currentIndex();
    m_values.entries = m_editor->List().Entries();
    return true;
}

void CManeiToubanP1::ClearEntries() {
    m_values.entries.clear();
    m_editor->SetList(CToubanList());
}

void CManeiToubanP1::OnLoadGroup() {
    CDutyGroupLoadDlg dialog(m_settings.GetPath(), this);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    m_editor->SetList(CToubanList(dialog.Persons()));
}

} // namespace tembra
