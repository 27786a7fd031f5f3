#include "model/ui/SpecialHolidayDlg.h"

#include "model/ui/HolidayDlg.h"
#include "model/ui/YearlyHolidayDlg.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

// "変更内容は次回新規作成から有効になります"
constexpr UINT IDS_VALID_FROM_NEXT_CHART = 5084;

} // namespace

CSpecialHolidayDlg::CSpecialHolidayDlg(CHolidaySettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("特別休日設定"));

    auto* weekly = new QGroupBox(QString::fromUtf8("週休"), this);
    QGridLayout* grid = nullptr;
    m_grid = HolidayWeekGrid::Make(weekly, grid, false);
    static const char* const kWeekdays[7] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int weekday = 0; weekday < 7; ++weekday) {
        auto* button = new QPushButton(QString::fromUtf8(kWeekdays[weekday]), weekly);
        button->setObjectName(IdName(kWeekdayButtons[static_cast<std::size_t>(weekday)]));
        button->setAutoDefault(false);
        grid->addWidget(button, weekday + 1, 0);
        connect(button, &QPushButton::clicked, this, [this, weekday] { OnWeekday(weekday); });
        for (int week = 0; week < 5; ++week) {
            m_grid.At(weekday, week)
                ->setChecked(settings.Weekly()[static_cast<std::size_t>(weekday * 5 + week)] != 0);
        }
    }
    weekly->setLayout(grid);

    auto* which = new QButtonGroup(this);
    m_yearly = new QRadioButton(QString::fromUtf8("毎年"), this);
    m_yearly->setObjectName(IdName(IDC_YEARLY));
    m_specific = new QRadioButton(QString::fromUtf8("特定"), this);
    m_specific->setObjectName(IdName(IDC_SPECIFIC));
    which->addButton(m_yearly);
    which->addButton(m_specific);
    m_yearlyList = new QListWidget(this);
    m_yearlyList->setObjectName(IdName(IDC_YEARLY_LIST));
    m_specificList = new QListWidget(this);
    m_specificList->setObjectName(IdName(IDC_SPECIFIC_LIST));
    for (QListWidget* list : {m_yearlyList, m_specificList}) {
        list->setMinimumWidth(320);
        list->setFont(QFont(QStringLiteral("monospace")));
    }
    auto* add = new QPushButton(QString::fromUtf8("追加"), this);
    add->setObjectName(IdName(IDC_ADD));
    auto* change = new QPushButton(QString::fromUtf8("変更"), this);
    change->setObjectName(IdName(IDC_CHANGE));
    auto* remove = new QPushButton(QString::fromUtf8("削除"), this);
    remove->setObjectName(IdName(IDC_DELETE));
    auto* ok = new QPushButton(QString::fromUtf8("決定"), this);
    ok->setObjectName(IdName(1));
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName(IdName(2));
    for (QPushButton* button : {add, change, remove, ok, cancel}) {
        button->setAutoDefault(false);
    }
    connect(m_yearly, &QRadioButton::clicked, this, [this] { ShowList(true); });
    connect(m_specific, &QRadioButton::clicked, this, [this] { ShowList(false); });
    connect(add, &QPushButton::clicked, this, &CSpecialHolidayDlg::OnAdd);
    connect(change, &QPushButton::clicked, this, &CSpecialHolidayDlg::OnChange);
    connect(remove, &QPushButton::clicked, this, &CSpecialHolidayDlg::OnDelete);
    connect(ok, &QPushButton::clicked, this, &CSpecialHolidayDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CSpecialHolidayDlg::reject);
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_yearly, m_specific, m_yearlyList, m_specificList, add, change, remove});
    enter->SetButtons(ok, cancel);

    auto* holidays = new QGroupBox(QString::fromUtf8("休日"), this);
    auto* choice = new QHBoxLayout;
    choice->addWidget(m_yearly);
    choice->addWidget(m_specific);
    choice->addStretch();
    auto* edits = new QHBoxLayout;
    edits->addWidget(add);
    edits->addWidget(change);
    edits->addWidget(remove);
    auto* holidayLayout = new QVBoxLayout(holidays);
    holidayLayout->addLayout(choice);
    holidayLayout->addWidget(m_yearlyList);
    holidayLayout->addWidget(m_specificList);
    holidayLayout->addLayout(edits);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* body = new QHBoxLayout;
    body->addWidget(weekly);
    body->addWidget(holidays);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);

    Refill(true);
    Refill(false);
    m_yearlyList->setCurrentRow(m_yearlyList->count() > 0 ? 0 : -1);
    m_specificList->setCurrentRow(m_specificList->count() > 0 ? 0 : -1);
    m_yearly->setChecked(true);
    ShowList(true);
}

CSpecialHolidayDlg::~CSpecialHolidayDlg() = default;

bool CSpecialHolidayDlg::YearlyShown() const {
    return m_yearly->isChecked();
}

void CSpecialHolidayDlg::ShowList(bool yearly) {
    m_yearlyList->setVisible(yearly);
    m_specificList->setVisible(!yearly);
}

void CSpecialHolidayDlg::Refill(bool yearly) {
    QListWidget* list = yearly ? m_yearlyList : m_specificList;
    const std::vector<CHolidayEntry>& entries =
        yearly ? m_settings.Yearly() : m_settings.Specific();
    const int row = list->currentRow();
    list->clear();
    for (const CHolidayEntry& entry : entries) {
        list->addItem(FromCp932(entry.LineText()));
    }
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row);
    }
}

void CSpecialHolidayDlg::OnWeekday(int weekday) {
    bool all = true;
    for (int week = 0; week < 5; ++week) {
        all = all && m_grid.At(weekday, week)->isChecked();
    }
    for (int week = 0; week < 5; ++week) {
        m_grid.At(weekday, week)->setChecked(!all);
    }
}

bool CSpecialHolidayDlg::Edit(CHolidayEntry& entry, bool yearly) {
    if (yearly) {
        CYearlyHolidayDlg dialog(entry, this);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
        entry = dialog.Entry();
        return true;
    }
    CHolidayDlg dialog(entry, this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    entry = dialog.Entry();
    return true;
}

void CSpecialHolidayDlg::OnAdd() {
    const bool yearly = YearlyShown();
    CHolidayEntry entry;
    if (yearly) {
        entry.kind = 1; // by date (month 0: nothing chosen yet), in all years
    } else {
        entry.year = 1990;
        entry.kind = 0;
    }
    if (!Edit(entry, yearly)) {
        return;
    }
    std::vector<CHolidayEntry>& entries = yearly ? m_settings.Yearly() : m_settings.Specific();
    entries.push_back(entry);
    Refill(yearly);
    (yearly ? m_yearlyList : m_specificList)->setCurrentRow(static_cast<int>(entries.size()) - 1);
}

void CSpecialHolidayDlg::OnChange() {
    const bool yearly = YearlyShown();
    const int row = (yearly ? m_yearlyList : m_specificList)->currentRow();
    std::vector<CHolidayEntry>& entries = yearly ? m_settings.Yearly() : m_settings.Specific();
    if (row < 0 || row >= static_cast<int>(entries.size())) {
        return;
    }
    CHolidayEntry entry = entries[static_cast<std::size_t>(row)];
    if (!Edit(entry, yearly)) {
        return;
    }
    m_settings.Replace(entries, static_cast<std::size_t>(row), entry);
    Refill(yearly);
}

void CSpecialHolidayDlg::OnDelete() {
    const bool yearly = YearlyShown();
    const int row = (yearly ? m_yearlyList : m_specificList)->currentRow();
    std::vector<CHolidayEntry>& entries = yearly ? m_settings.Yearly() : m_settings.Specific();
    if (row < 0 || row >= static_cast<int>(entries.size())) {
        return;
    }
    entries[static_cast<std::size_t>(row)].kind = CHolidayEntry::kDeleted;
    Refill(yearly);
}

void CSpecialHolidayDlg::accept() {
    for (int i = 0; i < 35; ++i) {
        m_settings.Weekly()[static_cast<std::size_t>(i)] =
            m_grid.boxes[static_cast<std::size_t>(i)]->isChecked() ? 1 : 0;
    }
    m_settings.Save();
    AfxMessageBox(IDS_VALID_FROM_NEXT_CHART, MB_OK | MB_ICONINFORMATION);
    QDialog::accept();
}

} // namespace tembra
