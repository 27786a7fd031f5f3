#include "dialogs/attributes/HensokuDlg.h"

#include "model/Utility.h"
#include "platform/RangeMessage.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

namespace {
// The weekday checks from 月 to 日 and their bits.
constexpr std::array<std::pair<const char*, WORD>, 7> kWeekdays = {{
    {"月", HensokuFields::kMon},
    {"火", HensokuFields::kTue},
    {"水", HensokuFields::kWed},
    {"木", HensokuFields::kThu},
    {"金", HensokuFields::kFri},
    {"土", HensokuFields::kSat},
    {"日", HensokuFields::kSun},
}};

constexpr std::array<const char*, 4> kDayClasses = {"なし（全て）", "平日限定", "休日限定",
                                                    "曜日限定"};

QString U(const char* text) {
    return QString::fromUtf8(text);
}

// A drop-down list of the numbers first .. last; position = number - first.
QComboBox* NumberCombo(QWidget* parent, int id, int first, int last) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(IdName(id));
    for (int n = first; n <= last; ++n) {
        combo->addItem(QString::number(n));
    }
    return combo;
}

QComboBox* NoneAutoCombo(QWidget* parent, int id) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(IdName(id));
    combo->addItems({U("なし"), U("自動")});
    return combo;
}

QLabel* IdLabel(QWidget* parent, int id, const char* text) {
    auto* label = new QLabel(U(text), parent);
    label->setObjectName(IdName(id));
    return label;
}

} // namespace

CHensokuDlg::CHensokuDlg(CHensoku& record, QWidget* parent)
    : QDialog(parent), m_record(record), m_copy(record) {
    setObjectName(IdName(IDD));
    setWindowTitle(U("変則期間設定"));

    auto* grid = new QGridLayout(this);
    BuildRange(grid);
    BuildDays(grid);
    BuildButtons(grid);

    (m_copy.GetPrecedence() != 0 ? m_upperFirst : m_lowerFirst)->setChecked(true);
    FillList(m_copy.GetDataCount() > 0 ? 0 : -1);
    LoadSelected();
}

CHensokuDlg::~CHensokuDlg() = default;

void CHensokuDlg::BuildRange(QGridLayout* grid) {
    const bool hours = HourMode();
    auto* box = new QGroupBox(U("期間"), this);
    auto* layout = new QGridLayout(box);
    m_whole = new QRadioButton(U(hours ? "終日" : "全期間"), box);
    m_whole->setObjectName(IdName(IDC_WHOLE));
    m_specified = new QRadioButton(U(hours ? "時間指定:" : "期間指定:"), box);
    m_specified->setObjectName(IdName(IDC_SPECIFIED));
    auto* range = new QButtonGroup(this);
    range->addButton(m_whole, 0);
    range->addButton(m_specified, 1);
    connect(range, &QButtonGroup::idClicked, this, [this](int) { OnRangeClicked(); });
    layout->addWidget(m_whole, 0, 0);
    layout->addWidget(m_specified, 1, 0);

    const std::array<int, 3> startIds = {IDC_YEAR_START, IDC_MONTH_START, IDC_DAY_START};
    const std::array<int, 3> endIds = {IDC_YEAR_END, IDC_MONTH_END, IDC_DAY_END};
    const std::array<std::pair<int, int>, 3> ranges = {
        {{kMinDateYear, GetMaxDate().GetYear()}, {1, 12}, {1, 31}}};
    const std::array<const char*, 3> units = {"年", "月", "日"};
    auto* dates = new QGridLayout;
    for (std::size_t i = 0; i < 3; ++i) {
        m_start[i] = NumberCombo(box, startIds[i], ranges[i].first, ranges[i].second);
        m_end[i] = NumberCombo(box, endIds[i], ranges[i].first, ranges[i].second);
        m_dateLabels[i] = IdLabel(box, IDC_DATE_LABEL_FIRST + static_cast<int>(i), units[i]);
        m_dateLabels[i + 3] =
            IdLabel(box, IDC_DATE_LABEL_FIRST + 3 + static_cast<int>(i), units[i]);
        const int column = static_cast<int>(i) * 2;
        dates->addWidget(m_start[i], 0, column);
        dates->addWidget(m_dateLabels[i], 0, column + 1);
        dates->addWidget(m_end[i], 1, column);
        dates->addWidget(m_dateLabels[i + 3], 1, column + 1);
    }
    m_startHour = NumberCombo(box, IDC_HOUR_START, 0, 23);
    m_endHour = NumberCombo(box, IDC_HOUR_END, 1, 24);
    m_hourLabels[0] = IdLabel(box, IDC_HOUR_LABEL_START, "時から");
    m_hourLabels[1] = IdLabel(box, IDC_HOUR_LABEL_END, "時まで");
    dates->addWidget(m_startHour, 2, 0);
    dates->addWidget(m_hourLabels[0], 2, 1);
    dates->addWidget(m_endHour, 2, 2);
    dates->addWidget(m_hourLabels[1], 2, 3);
    layout->addLayout(dates, 1, 1);
    grid->addWidget(box, 0, 0, 1, 2);
}

void CHensokuDlg::BuildDays(QGridLayout* grid) {
    auto* box = new QGroupBox(U("曜日"), this);
    auto* layout = new QGridLayout(box);
    auto* classes = new QButtonGroup(this);
    for (std::size_t i = 0; i < kDayClasses.size(); ++i) {
        m_dayClass[i] = new QRadioButton(U(kDayClasses[i]), box);
        m_dayClass[i]->setObjectName(IdName(IDC_CLASS_ALL + static_cast<int>(i)));
        classes->addButton(m_dayClass[i], static_cast<int>(i));
        layout->addWidget(m_dayClass[i], 0, static_cast<int>(i));
    }
    connect(classes, &QButtonGroup::idClicked, this, [this](int) { UpdateControls(); });
    auto* checks = new QHBoxLayout;
    for (std::size_t i = 0; i < kWeekdays.size(); ++i) {
        m_weekdays[i] = new QCheckBox(U(kWeekdays[i].first), box);
        m_weekdays[i]->setObjectName(IdName(IDC_WEEKDAY_FIRST + static_cast<int>(i)));
        checks->addWidget(m_weekdays[i]);
    }
    layout->addLayout(checks, 1, 0, 1, 4);
    grid->addWidget(box, 1, 0, 1, 2);

    auto* ratio = new QHBoxLayout;
    m_numerator = new QLineEdit(this);
    m_numerator->setObjectName(IdName(IDC_NUMERATOR));
    m_denominator = new QLineEdit(this);
    m_denominator->setObjectName(IdName(IDC_DENOMINATOR));
    for (QLineEdit* edit : {m_numerator, m_denominator}) {
        edit->setMaxLength(4);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    }
    m_dateColumn = NoneAutoCombo(this, IDC_DATE_COLUMN);
    m_ruledLine = NoneAutoCombo(this, IDC_RULED_LINE);
    ratio->addWidget(new QLabel(U("変則指定"), this));
    ratio->addWidget(m_numerator);
    ratio->addWidget(new QLabel(U("／"), this));
    ratio->addWidget(m_denominator);
    ratio->addWidget(new QLabel(U(HourMode() ? "時" : "日"), this));
    ratio->addSpacing(12);
    ratio->addWidget(new QLabel(U("日付欄"), this));
    ratio->addWidget(m_dateColumn);
    ratio->addWidget(new QLabel(U("罫線"), this));
    ratio->addWidget(m_ruledLine);
    ratio->addStretch();
    grid->addLayout(ratio, 2, 0, 1, 2);
}

void CHensokuDlg::BuildButtons(QGridLayout* grid) {
    auto* header = new QLabel(U("  期間                 曜日    変則   日付欄  罫線"), this);
    m_list = new QListWidget(this);
    m_list->setObjectName(IdName(IDC_LIST));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    header->setFont(fixed);
    m_list->setFont(fixed);
    m_list->setMinimumWidth(header->sizeHint().width() + 40);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int) { LoadSelected(); });
    grid->addWidget(header, 3, 0);
    grid->addWidget(m_list, 4, 0);

    auto* side = new QVBoxLayout;
    const std::array<std::pair<int, const char*>, 6> edits = {{{IDC_ADD, "追加"},
                                                               {IDC_INSERT, "挿入"},
                                                               {IDC_MODIFY, "修正"},
                                                               {IDC_DELETE, "削除"},
                                                               {IDC_UP, "上へ"},
                                                               {IDC_DOWN, "下へ"}}};
    const std::array<void (CHensokuDlg::*)(), 4> actions = {
        &CHensokuDlg::OnAdd, &CHensokuDlg::OnInsert, &CHensokuDlg::OnModify,
        &CHensokuDlg::OnDelete};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        auto* button = new QPushButton(U(edits[i].second), this);
        button->setObjectName(IdName(edits[i].first));
        button->setAutoDefault(false);
        if (i < actions.size()) {
            connect(button, &QPushButton::clicked, this, actions[i]);
        } else {
            const bool up = edits[i].first == IDC_UP;
            connect(button, &QPushButton::clicked, this, [this, up] { OnMove(up); });
        }
        side->addWidget(button);
    }
    m_lowerFirst = new QRadioButton(U("下優先"), this);
    m_lowerFirst->setObjectName(IdName(IDC_LOWER_FIRST));
    m_upperFirst = new QRadioButton(U("上優先"), this);
    m_upperFirst->setObjectName(IdName(IDC_UPPER_FIRST));
    auto* priority = new QButtonGroup(this);
    priority->addButton(m_lowerFirst, 0);
    priority->addButton(m_upperFirst, 1);
    connect(priority, &QButtonGroup::idClicked, this,
            [this](int precedence) { m_copy.SetPrecedence(precedence); });
    side->addWidget(m_lowerFirst);
    side->addWidget(m_upperFirst);
    side->addStretch();

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_whole, m_specified, m_start[0], m_start[1], m_start[2], m_end[0], m_end[1],
                  m_end[2], m_startHour, m_endHour, m_numerator, m_denominator, m_dateColumn,
                  m_ruledLine, m_list, m_lowerFirst, m_upperFirst});
    for (QWidget* control : m_dayClass) {
        enter->Watch({control});
    }
    for (QWidget* control : m_weekdays) {
        enter->Watch({control});
    }
    side->addWidget(MakeOkCancel(this, enter, Qt::Vertical));
    grid->addLayout(side, 0, 2, 5, 1);
}

void CHensokuDlg::LoadSelected() {
    const CHensokuData* data = m_copy.GetAt(m_list->currentRow());
    ShowFields(data != nullptr ? LoadHensokuFields(*data, HourMode()) : NewHensokuFields());
}

void CHensokuDlg::ShowFields(const HensokuFields& fields) {
    (fields.specified != 0 ? m_specified : m_whole)->setChecked(true);
    if (HourMode()) {
        for (QComboBox* combo :
             {m_start[0], m_start[1], m_start[2], m_end[0], m_end[1], m_end[2]}) {
            combo->setCurrentIndex(-1);
        }
    } else {
        const std::array<int, 3> start = {fields.startYear - kMinDateYear, fields.startMonth - 1,
                                          fields.startDay - 1};
        const std::array<int, 3> end = {fields.endYear - kMinDateYear, fields.endMonth - 1,
                                        fields.endDay - 1};
        for (std::size_t i = 0; i < 3; ++i) {
            m_start[i]->setCurrentIndex(start[i]);
            m_end[i]->setCurrentIndex(end[i]);
        }
    }
    m_startHour->setCurrentIndex(fields.startHour);
    m_endHour->setCurrentIndex(fields.endHour - 1);
    m_dayClass[static_cast<std::size_t>(std::clamp(fields.dayClass, 0, 3))]->setChecked(true);
    for (std::size_t i = 0; i < kWeekdays.size(); ++i) {
        m_weekdays[i]->setChecked((fields.weekdays & kWeekdays[i].second) != 0);
    }
    m_numerator->setText(QString::number(fields.numerator));
    m_denominator->setText(QString::number(fields.denominator));
    m_dateColumn->setCurrentIndex(fields.dateColumn != 0 ? 1 : 0);
    m_ruledLine->setCurrentIndex(fields.ruledLine != 0 ? 1 : 0);
    UpdateControls();
}

HensokuFields CHensokuDlg::ReadFields() const {
    HensokuFields fields = NewHensokuFields();
    fields.specified = m_specified->isChecked() ? 1 : 0;
    if (!HourMode()) {
        fields.startYear = m_start[0]->currentIndex() + kMinDateYear;
        fields.startMonth = m_start[1]->currentIndex() + 1;
        fields.startDay = m_start[2]->currentIndex() + 1;
        fields.endYear = m_end[0]->currentIndex() + kMinDateYear;
        fields.endMonth = m_end[1]->currentIndex() + 1;
        fields.endDay = m_end[2]->currentIndex() + 1;
    }
    fields.startHour = m_startHour->currentIndex();
    fields.endHour = m_endHour->currentIndex() + 1;
    for (std::size_t i = 0; i < m_dayClass.size(); ++i) {
        if (m_dayClass[i]->isChecked()) {
            fields.dayClass = static_cast<int>(i);
        }
    }
    fields.weekdays = 0;
    for (std::size_t i = 0; i < kWeekdays.size(); ++i) {
        if (m_weekdays[i]->isChecked()) {
            fields.weekdays = static_cast<WORD>(fields.weekdays | kWeekdays[i].second);
        }
    }
    fields.numerator = m_numerator->text().trimmed().toInt();
    fields.denominator = m_denominator->text().trimmed().toInt();
    fields.dateColumn = m_dateColumn->currentIndex() == 1 ? 1 : 0;
    fields.ruledLine = m_ruledLine->currentIndex() == 1 ? 1 : 0;
    return fields;
}

std::unique_ptr<CHensokuData> CHensokuDlg::TakeFields() {
    HensokuFields fields = ReadFields();
    // The ratio parts first, with the range message and the focus on the part.
    for (auto [edit, part] : {std::pair{m_numerator, &fields.numerator},
                              std::pair{m_denominator, &fields.denominator}}) {
        if (!ReadIntField(edit, HensokuFields::kMinRatio, HensokuFields::kMaxRatio, *part,
                          kRangeMessages)) {
            return nullptr;
        }
    }
    if (const UINT refused = CheckHensokuFields(fields, HourMode()); refused != 0) {
        AfxMessageBox(refused, MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    return MakeHensokuData(fields, HourMode());
}

void CHensokuDlg::FillList(int select) {
    const QSignalBlocker block(m_list);
    m_list->clear();
    std::string line;
    for (int i = 0; i < m_copy.GetDataCount(); ++i) {
        m_copy.FormatPeriod(i, line);
        m_list->addItem(FromCp932(line));
    }
    m_list->setCurrentRow(select);
}

void CHensokuDlg::UpdateControls() {
    const bool specified = m_specified->isChecked();
    for (QWidget* widget : {static_cast<QWidget*>(m_start[0]), static_cast<QWidget*>(m_start[1]),
                            static_cast<QWidget*>(m_start[2]), static_cast<QWidget*>(m_end[0]),
                            static_cast<QWidget*>(m_end[1]), static_cast<QWidget*>(m_end[2])}) {
        widget->setVisible(!HourMode() && specified);
    }
    for (QLabel* label : m_dateLabels) {
        label->setVisible(!HourMode() && specified);
    }
    for (QWidget* widget :
         {static_cast<QWidget*>(m_startHour), static_cast<QWidget*>(m_endHour),
          static_cast<QWidget*>(m_hourLabels[0]), static_cast<QWidget*>(m_hourLabels[1])}) {
        widget->setVisible(HourMode() && specified);
    }
    const bool chosen = m_dayClass[CHensokuData::kChosenWeekdays]->isChecked();
    for (QCheckBox* check : m_weekdays) {
        check->setEnabled(chosen);
    }
}

void CHensokuDlg::OnRangeClicked() {
    // A specified range starts over with every day.
    if (m_specified->isChecked()) {
        m_dayClass[CHensokuData::kAllDays]->setChecked(true);
    }
    UpdateControls();
}

void CHensokuDlg::OnAdd() {
    std::unique_ptr<CHensokuData> data = TakeFields();
    if (!data) {
        return;
    }
    const int index = m_copy.AddData(std::move(data));
    FillList(index);
    LoadSelected();
}

void CHensokuDlg::OnInsert() {
    const int row = m_list->currentRow();
    if (row < 0) {
        OnAdd();
        return;
    }
    std::unique_ptr<CHensokuData> data = TakeFields();
    if (!data) {
        return;
    }
    const int index = m_copy.InsertAt(row, std::move(data));
    FillList(index);
    LoadSelected();
}

void CHensokuDlg::OnModify() {
    const int row = m_list->currentRow();
    if (m_copy.GetAt(row) == nullptr) {
        return;
    }
    std::unique_ptr<CHensokuData> data = TakeFields();
    if (!data) {
        return;
    }
    *m_copy.GetAt(row) = *data;
    FillList(row);
    LoadSelected();
}

void CHensokuDlg::OnDelete() {
    const int row = m_list->currentRow();
    if (m_copy.GetAt(row) == nullptr) {
        return;
    }
    m_copy.RemoveAt(row);
    FillList(std::min(row, m_copy.GetDataCount() - 1));
    LoadSelected();
}

void CHensokuDlg::OnMove(bool up) {
    const int row = m_list->currentRow();
    const int moved = up ? m_copy.MoveUp(row) : m_copy.MoveDown(row);
    if (moved < 0) {
        return;
    }
    FillList(moved);
    LoadSelected();
}

void CHensokuDlg::accept() {
    if (!TakeFields()) {
        return;
    }
    m_record = m_copy;
    QDialog::accept();
}

} // namespace tembra
