#include "dialogs/attributes/InitStateDlg.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "model/ConfigBase.h"
#include "model/LayoutFile.h"
#include "model/PrintArea.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/FolderSelect.h"
#include "platform/qt/IntField.h"
#include "print/ui/LayoutSelDlg.h"
#include "render/AreaNameSheetRequest.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tembra {

namespace {

constexpr const char* kPaperTexts[kPaperListCount] = {"Ａ４", "Ｂ４", "Ａ３"};
// The labels of the number fields, in the order of InitStateNumberFields.
constexpr const char* kNumberLabels[] = {"作表期間 日幅",      "作表行 行幅",       "前余白 (日)",
                                         "後余白 (日)",        "長期休日 … 日以上", "準備期間 (日)",
                                         "１ヶ月： … 日で換算"};

template <std::size_t N>
QGroupBox* RadioGroup(QWidget* parent, const char* title, std::array<QRadioButton*, N>& radios,
                      const std::array<int, N>& ids, const std::array<const char*, N>& texts) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    auto* row = new QHBoxLayout(box);
    auto* group = new QButtonGroup(parent);
    for (std::size_t i = 0; i < N; ++i) {
        radios[i] = new QRadioButton(QString::fromUtf8(texts[i]), box);
        radios[i]->setObjectName(IdName(ids[i]));
        group->addButton(radios[i]);
        row->addWidget(radios[i]);
    }
    return box;
}

template <std::size_t N> void Check(std::array<QRadioButton*, N>& radios, int index) {
    radios[index >= 0 && static_cast<std::size_t>(index) < N ? static_cast<std::size_t>(index) : 0]
        ->setChecked(true);
}

template <std::size_t N> int Checked(const std::array<QRadioButton*, N>& radios) {
    for (std::size_t i = 0; i < N; ++i) {
        if (radios[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

std::filesystem::path LayoutPath(const CConfigBase& settings, const std::string& file) {
    return ConfigPathToFs(settings.GetPath().GetFolder() + file);
}

} // namespace

CInitStateDlg::CInitStateDlg(CConfigBase* settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("初期状態"));
    BuildControls();
    if (m_settings != nullptr) {
        Show(LoadInitState(*m_settings));
    }
}

CInitStateDlg::~CInitStateDlg() = default;

void CInitStateDlg::BuildControls() {
    auto* enter = new CEnterMovesFocus(this);
    QGroupBox* mode =
        RadioGroup(this, "モード", m_mode, {IDC_CALENDAR, IDC_ELAPSED}, {"暦日", "延日"});
    m_paper = new QComboBox(this);
    m_paper->setObjectName(IdName(IDC_PAPER));
    for (const char* text : kPaperTexts) {
        m_paper->addItem(QString::fromUtf8(text));
    }
    connect(m_paper, &QComboBox::activated, this, &CInitStateDlg::PaperChanged);
    m_layoutName = new QLineEdit(this);
    m_layoutName->setObjectName(IdName(IDC_LAYOUT_NAME));
    m_layoutName->setReadOnly(true);
    m_layoutName->setMinimumWidth(180);
    auto* change = new QPushButton(QString::fromUtf8("変更"), this);
    change->setObjectName(IdName(IDC_LAYOUT_CHANGE));
    change->setAutoDefault(false);
    connect(change, &QPushButton::clicked, this, &CInitStateDlg::ChangeLayout);
    enter->Watch({m_mode[0], m_mode[1], m_paper, change});

    auto* top = new QGridLayout;
    top->addWidget(mode, 0, 0, 1, 3);
    top->addWidget(new QLabel(QString::fromUtf8("用紙"), this), 1, 0);
    top->addWidget(m_paper, 1, 1);
    top->addWidget(new QLabel(QString::fromUtf8("書式"), this), 2, 0);
    top->addWidget(m_layoutName, 2, 1);
    top->addWidget(change, 2, 2);
    int row = 3;
    std::size_t label = 0;
    for (const InitStateNumberField& field : InitStateNumberFields()) {
        QLineEdit* edit = MakeNumberEdit(this, field.id, 4);
        m_numbers.push_back(edit);
        enter->Watch({edit});
        top->addWidget(new QLabel(QString::fromUtf8(kNumberLabels[label++]), this), row, 0);
        top->addWidget(edit, row++, 1);
    }

    auto* dates = new QGroupBox(QString::fromUtf8("日付欄"), this);
    auto* dateRows = new QVBoxLayout(dates);
    dateRows->addWidget(RadioGroup(this, "年", m_year, kYearIds, {"年数＋「年」", "年数のみ"}));
    dateRows->addWidget(
        RadioGroup(this, "月", m_month, kMonthIds, {"月数＋「月」", "月数のみ", "英語"}));
    dateRows->addWidget(RadioGroup(this, "日", m_day, kDayIds, {"日数＋「日」", "日数のみ"}));
    dateRows->addWidget(RadioGroup(this, "曜日", m_week, kWeekIds, {"日本語", "英語"}));

    m_dataPath = new QLineEdit(this);
    m_dataPath->setObjectName(IdName(IDC_DATA_PATH));
    auto* browse = new QPushButton(QString::fromUtf8("参照"), this);
    browse->setObjectName(IdName(IDC_BROWSE));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &CInitStateDlg::Browse);
    auto* path = new QHBoxLayout;
    path->addWidget(new QLabel(QString::fromUtf8("データ ディレクトリ"), this));
    path->addWidget(m_dataPath);
    path->addWidget(browse);
    enter->Watch({m_dataPath, browse});

    auto* areaNames = new QPushButton(QString::fromUtf8("欄名称設定"), this);
    areaNames->setObjectName(IdName(IDC_AREA_NAMES));
    areaNames->setAutoDefault(false);
    connect(areaNames, &QPushButton::clicked, this, &CInitStateDlg::EditAreaNames);
    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, [this] {
        if (m_settings == nullptr) {
            return;
        }
        CConfigBase defaults;
        defaults.Read(FALSE);
        Show(LoadInitState(defaults));
    });
    QDialogButtonBox* buttons = MakeOkCancel(this, enter, Qt::Vertical);
    buttons->addButton(areaNames, QDialogButtonBox::ActionRole);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);

    auto* layout = new QGridLayout(this);
    layout->addLayout(top, 0, 0);
    layout->addWidget(dates, 0, 1, Qt::AlignTop);
    layout->addWidget(buttons, 0, 2, Qt::AlignTop);
    layout->addLayout(path, 1, 0, 1, 3);
}

void CInitStateDlg::Show(const InitStateFields& fields) {
    m_fields = fields;
    Check(m_mode, fields.nobeMode);
    m_paper->setCurrentIndex(fields.paper);
    m_layoutName->setText(FromCp932(fields.layoutName));
    std::size_t i = 0;
    for (const InitStateNumberField& field : InitStateNumberFields()) {
        m_numbers[i++]->setText(QString::number(fields.*field.value));
    }
    Check(m_year, fields.yearMode);
    Check(m_month, fields.monthMode);
    Check(m_day, fields.dayMode);
    Check(m_week, fields.weekMode);
    m_dataPath->setText(FromCp932(fields.dataPath));
}

void CInitStateDlg::TakeChoices() {
    m_fields.nobeMode = Checked(m_mode);
    m_fields.paper = m_paper->currentIndex();
    m_fields.yearMode = Checked(m_year);
    m_fields.monthMode = Checked(m_month);
    m_fields.dayMode = Checked(m_day);
    m_fields.weekMode = Checked(m_week);
    m_fields.dataPath = ToCp932(m_dataPath->text());
}

int CInitStateDlg::CurrentDiscernmentFlag() const {
    return GetLayoutDiscernmentFlag(LayoutPath(*m_settings, m_fields.layoutFileName));
}

void CInitStateDlg::ChangeLayout() {
    if (m_settings == nullptr) {
        return;
    }
    TakeChoices();
    CLayoutSelDlg select(this);
    select.manageMode = FALSE;
    select.fileName = m_fields.layoutFileName;
    select.layoutFolder = ConfigPathToFs(m_settings->GetPath().GetFolder());
    select.currentLayout = m_settings->GetPath().GetLayoutFileName();
    if (select.DoModal() != IDOK) {
        return;
    }
    const int flag = GetLayoutDiscernmentFlag(LayoutPath(*m_settings, select.fileName));
    if (LayoutNeedsA3(flag, m_fields.paper)) {
        if (AfxMessageBox(IDS_LAYOUT_NEEDS_A3, MB_YESNO | MB_ICONQUESTION) != IDYES) {
            return;
        }
        m_fields.paper = kPaperA3Position;
        m_paper->setCurrentIndex(kPaperA3Position);
    }
    m_fields.layoutFileName = select.fileName;
    m_fields.layoutName = select.layoutName;
    m_layoutName->setText(FromCp932(m_fields.layoutName));
}

void CInitStateDlg::PaperChanged() {
    if (m_settings == nullptr) {
        return;
    }
    TakeChoices();
    if (LayoutNeedsA3(CurrentDiscernmentFlag(), m_fields.paper)) {
        if (AfxMessageBox(IDS_PAPER_NEEDS_STANDARD, MB_YESNO | MB_ICONQUESTION) == IDYES) {
            CConfigBase defaults;
            defaults.Read(FALSE);
            m_fields.layoutFileName = defaults.GetPath().GetLayoutFileName();
            m_fields.layoutName = ReadLayoutName(LayoutPath(*m_settings, m_fields.layoutFileName));
        } else {
            m_fields.paper = kPaperA3Position;
        }
    }
    m_paper->setCurrentIndex(m_fields.paper);
    m_layoutName->setText(FromCp932(m_fields.layoutName));
}

void CInitStateDlg::Browse() {
    TakeChoices();
    CFolderSelect select(this, m_fields.dataPath);
    std::string folder;
    if (select.Browse(folder)) {
        m_fields.dataPath = folder;
        m_dataPath->setText(FromCp932(folder));
    }
}

void CInitStateDlg::EditAreaNames() {
    AreaNameSheetRequest request;
    request.areaNames = m_fields.chart.GetAreaNameSet();
    if (Ui().RunDialog(request) == IDOK) {
        m_fields.chart.GetAreaNameSet() = request.areaNames;
    }
}

void CInitStateDlg::accept() {
    if (m_settings == nullptr) {
        QDialog::accept();
        return;
    }
    TakeChoices();
    InitStateFields fields = m_fields;
    std::size_t i = 0;
    for (const InitStateNumberField& field : InitStateNumberFields()) {
        if (!ReadIntField(m_numbers[i++], field.min, field.max, fields.*field.value,
                          kRangeMessages)) {
            return;
        }
    }
    StoreInitState(fields, *m_settings);
    QDialog::accept();
}

} // namespace tembra
