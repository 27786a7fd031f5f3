#include "dialogs/settings/SyokiSetRekiDlg.h"

#include "dialogs/attributes/HensokuDlg.h"
#include "dialogs/settings/DateColumnDlg.h"
#include "dialogs/settings/ElementFontDlg.h"
#include "dialogs/settings/PaperSelectDlg.h"
#include "dialogs/settings/SizeInitDlg.h"
#include "model/ConfigBase.h"
#include "model/Utility.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"
#include "print/ui/LayoutSelDlg.h"
#include "print/ui/LayoutWaitDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tembra {

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QComboBox* Combo(QWidget* parent, int id) {
    auto* box = new QComboBox(parent);
    box->setObjectName(IdName(id));
    return box;
}

QLineEdit* Edit(QWidget* parent, int id) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(IdName(id));
    edit->setMaximumWidth(70);
    return edit;
}

QPushButton* Button(QWidget* parent, int id, const char* text) {
    auto* button = new QPushButton(U(text), parent);
    button->setObjectName(IdName(id));
    button->setAutoDefault(false);
    return button;
}

void FillNumbers(QComboBox* box, int from, int to, const char* format) {
    box->clear();
    for (int n = from; n <= to; ++n) {
        box->addItem(QString::asprintf(format, n));
    }
}

void SetIndex(QComboBox* box, int index) {
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

void SetList(QComboBox* box, const std::vector<std::string>& items) {
    box->clear();
    for (const std::string& item : items) {
        box->addItem(QString::fromStdString(item));
    }
}

} // namespace

CSyokiSetRekiDlg::CSyokiSetRekiDlg(CSyokiSetRekiModel& model, int templateId, QWidget* parent)
    : QDialog(parent), m_model(model), m_elapsed(model.GetDateMode() != 0) {
    setObjectName(IdName(templateId));
    setWindowTitle(U(m_elapsed ? "初期設定（延）" : "初期設定（暦）"));
    Build();
    Connect();
    m_model.SetControls(this);
    m_model.SetLayoutDialogs(this);
    PutControls();
}

CSyokiSetRekiDlg::~CSyokiSetRekiDlg() {
    // The fields losing the focus while the widgets go must not reach the model any more.
    for (QObject* child : findChildren<QObject*>()) {
        child->blockSignals(true);
    }
    m_model.SetControls(nullptr);
    m_model.SetLayoutDialogs(nullptr);
}

void CSyokiSetRekiDlg::Build() {
    auto* enter = new CEnterMovesFocus(this);
    auto* main = new QVBoxLayout(this);
    BuildPaper(main, enter);
    BuildPeriod(main, enter);
    BuildSizes(main, enter);
    BuildIntervals(main, enter);
    BuildButtons(main, enter);
}

// Paper and layout.
void CSyokiSetRekiDlg::BuildPaper(QVBoxLayout* main, CEnterMovesFocus* enter) {
    auto* paperBox = new QGroupBox(U("用紙・書式"), this);
    auto* paperRow = new QHBoxLayout(paperBox);
    m_paper = Combo(paperBox, IDC_PAPER);
    for (const char* paper : {"Ａ４", "Ｂ４", "Ａ３", "Ａ３縦", "Ａ２", "Ａ１"}) {
        m_paper->addItem(U(paper));
    }
    m_layoutName = new QLabel(paperBox);
    m_layoutName->setObjectName(IdName(IDC_LAYOUT_NAME));
    m_layoutName->setMinimumWidth(160);
    auto* change = Button(paperBox, IDC_LAYOUT_CHANGE, "変更");
    auto* edit = Button(paperBox, IDC_LAYOUT_EDIT, "一時編集");
    paperRow->addWidget(new QLabel(U("用紙"), paperBox));
    paperRow->addWidget(m_paper);
    paperRow->addWidget(new QLabel(U("書式"), paperBox));
    paperRow->addWidget(m_layoutName, 1);
    paperRow->addWidget(change);
    paperRow->addWidget(edit);
    main->addWidget(paperBox);
    connect(change, &QPushButton::clicked, this, [this] { m_model.OnLayoutChange(); });
    connect(edit, &QPushButton::clicked, this, [this] { m_model.OnLayoutEdit(); });
    enter->Watch({m_paper, change, edit});
}

// The period, its margins and (elapsed) the month length.
void CSyokiSetRekiDlg::BuildPeriod(QVBoxLayout* main, CEnterMovesFocus* enter) {
    auto* periodBox = new QGroupBox(U("期間"), this);
    auto* period = new QGridLayout(periodBox);
    const int ids[2][3] = {{IDC_START_YEAR, IDC_START_MONTH, IDC_START_DAY},
                           {IDC_END_YEAR, IDC_END_MONTH, IDC_END_DAY}};
    const char* startLabels[3] = {"年", "月", "日～"};
    const char* endLabels[3] = {"年", "月", "日"};
    const char* elapsedStart[3] = {"不使用", "ヶ月", "日～（準備期間）"};
    const char* elapsedEnd[3] = {"年", "ヶ月", "日"};
    if (m_elapsed) {
        period->addWidget(new QLabel(U("－"), periodBox), 0, 0);
    }
    for (int i = 0; i < 3; ++i) {
        m_start[i] = Combo(periodBox, ids[0][i]);
        m_end[i] = Combo(periodBox, ids[1][i]);
        period->addWidget(m_start[i], 0, 1 + 2 * i);
        period->addWidget(new QLabel(U(m_elapsed ? elapsedStart[i] : startLabels[i]), periodBox), 0,
                          2 + 2 * i);
        period->addWidget(m_end[i], 1, 1 + 2 * i);
        period->addWidget(new QLabel(U(m_elapsed ? elapsedEnd[i] : endLabels[i]), periodBox), 1,
                          2 + 2 * i);
    }
    m_mae = Edit(periodBox, IDC_MAE);
    m_ato = Edit(periodBox, IDC_ATO);
    m_days = Edit(periodBox, IDC_DAYS);
    m_startHour = Combo(periodBox, IDC_START_HOUR);
    FillNumbers(m_startHour, 0, 23, "%d");
    period->addWidget(new QLabel(U("前余白"), periodBox), 2, 0);
    period->addWidget(m_mae, 2, 1);
    period->addWidget(new QLabel(U("日"), periodBox), 2, 2);
    period->addWidget(new QLabel(U("後余白"), periodBox), 2, 3);
    period->addWidget(m_ato, 2, 4);
    period->addWidget(new QLabel(U("日"), periodBox), 2, 5);
    period->addWidget(new QLabel(U("日数"), periodBox), 3, 0);
    period->addWidget(m_days, 3, 1);
    period->addWidget(new QLabel(U("日間"), periodBox), 3, 2);
    period->addWidget(new QLabel(U(m_elapsed ? "開始時間（不使用）" : "開始時間"), periodBox), 3,
                      3);
    period->addWidget(m_startHour, 3, 4);
    period->addWidget(new QLabel(U("時"), periodBox), 3, 5);
    m_monthLength = Edit(periodBox, IDC_MONTH_LENGTH);
    if (m_elapsed) {
        period->addWidget(new QLabel(U("◎１ヶ月は"), periodBox), 4, 0);
        period->addWidget(m_monthLength, 4, 1);
        period->addWidget(new QLabel(U("日で換算"), periodBox), 4, 2);
        m_start[0]->hide();
        m_start[0]->setEnabled(false);
        m_startHour->setEnabled(false);
    } else {
        m_monthLength->hide();
    }
    auto* hensoku = Button(periodBox, IDC_HENSOKU, "変則期間設定");
    hensoku->setEnabled(!m_elapsed);
    hensoku->setVisible(!m_elapsed);
    period->addWidget(hensoku, 4, 4, 1, 2);
    connect(hensoku, &QPushButton::clicked, this, &CSyokiSetRekiDlg::OnHensoku);
    main->addWidget(periodBox);
    FillPeriodLists();
    enter->Watch({m_start[0], m_start[1], m_start[2], m_end[0], m_end[1], m_end[2], m_mae, m_ato,
                  m_days, m_startHour, m_monthLength, hensoku});
}

// Rows, widths and insets.
void CSyokiSetRekiDlg::BuildSizes(QVBoxLayout* main, CEnterMovesFocus* enter) {
    auto* sizeBox = new QGroupBox(U("項目"), this);
    auto* sizes = new QGridLayout(sizeBox);
    m_rows = Edit(sizeBox, IDC_ROWS);
    m_itemWidth = Edit(sizeBox, IDC_ITEM_WIDTH);
    m_insetLeft = Edit(sizeBox, IDC_INSET_LEFT);
    m_insetRight = Edit(sizeBox, IDC_INSET_RIGHT);
    sizes->addWidget(new QLabel(U("項目数"), sizeBox), 0, 0);
    sizes->addWidget(m_rows, 0, 1);
    sizes->addWidget(new QLabel(U("行"), sizeBox), 0, 2);
    sizes->addWidget(new QLabel(U("項目欄幅"), sizeBox), 0, 3);
    sizes->addWidget(m_itemWidth, 0, 4);
    sizes->addWidget(new QLabel(U("×0.1mm"), sizeBox), 0, 5);
    sizes->addWidget(new QLabel(U("工程欄マージン　左"), sizeBox), 1, 0);
    sizes->addWidget(m_insetLeft, 1, 1);
    sizes->addWidget(new QLabel(U("右"), sizeBox), 1, 3);
    sizes->addWidget(m_insetRight, 1, 4);
    sizes->addWidget(new QLabel(U("×0.1mm"), sizeBox), 1, 5);
    main->addWidget(sizeBox);
    enter->Watch({m_rows, m_itemWidth, m_insetLeft, m_insetRight});
}

// Intervals, holidays, date rows.
void CSyokiSetRekiDlg::BuildIntervals(QVBoxLayout* main, CEnterMovesFocus* enter) {
    auto* intervalBox = new QGroupBox(U("日付表示"), this);
    auto* intervals = new QGridLayout(intervalBox);
    m_dateStep = Combo(intervalBox, IDC_DATE_STEP);
    m_dateUnit = Combo(intervalBox, IDC_DATE_UNIT);
    m_keisenStep = Combo(intervalBox, IDC_KEISEN_STEP);
    m_keisenUnit = Combo(intervalBox, IDC_KEISEN_UNIT);
    for (const char* unit : {"日", m_elapsed ? "週×" : "週", "月", "年", "時"}) {
        m_dateUnit->addItem(U(unit));
        m_keisenUnit->addItem(U(unit));
    }
    m_keisenUnit->addItem(U("分"));
    m_holiday = Combo(intervalBox, IDC_HOLIDAY);
    for (const char* mode : {"無　　効", "連休限定", "有　　効"}) {
        m_holiday->addItem(U(mode));
    }
    if (m_elapsed) {
        m_holiday->setEnabled(false);
    }
    m_alwaysOptimise = new QCheckBox(U("常に最適ﾁｪｯｸ"), intervalBox);
    m_alwaysOptimise->setObjectName(IdName(IDC_ALWAYS_OPTIMISE));
    auto* optimise = Button(intervalBox, IDC_OPTIMISE, "最適ﾁｪｯｸ");
    intervals->addWidget(new QLabel(U("日付間隔"), intervalBox), 0, 0);
    intervals->addWidget(m_dateStep, 0, 1);
    intervals->addWidget(m_dateUnit, 0, 2);
    intervals->addWidget(new QLabel(U("毎"), intervalBox), 0, 3);
    intervals->addWidget(new QLabel(U("罫線間隔"), intervalBox), 1, 0);
    intervals->addWidget(m_keisenStep, 1, 1);
    intervals->addWidget(m_keisenUnit, 1, 2);
    intervals->addWidget(new QLabel(U("毎"), intervalBox), 1, 3);
    intervals->addWidget(new QLabel(U(m_elapsed ? "休日（不使用）" : "休日"), intervalBox), 2, 0);
    intervals->addWidget(m_holiday, 2, 1, 1, 2);
    intervals->addWidget(m_alwaysOptimise, 3, 0, 1, 2);
    intervals->addWidget(optimise, 3, 2, 1, 2);
    auto* dateColumn = Button(intervalBox, IDC_DATE_COLUMN, "日付欄");
    intervals->addWidget(dateColumn, 0, 4);
    for (int i = 0; i < 3; ++i) {
        m_rowLabels[i] = new QLabel(intervalBox);
        intervals->addWidget(new QLabel(QString("%1.").arg(i + 1), intervalBox), i + 1, 4);
        intervals->addWidget(m_rowLabels[i], i + 1, 5);
    }
    main->addWidget(intervalBox);
    connect(optimise, &QPushButton::clicked, this, [this] { m_model.OnOptimise(); });
    connect(dateColumn, &QPushButton::clicked, this, &CSyokiSetRekiDlg::OnDateColumn);
    enter->Watch({m_dateStep, m_dateUnit, m_keisenStep, m_keisenUnit, m_holiday, m_alwaysOptimise,
                  optimise, dateColumn});
}

// Fonts, sizes, reset, 決定, 取消.
void CSyokiSetRekiDlg::BuildButtons(QVBoxLayout* main, CEnterMovesFocus* enter) {
    auto* fonts = Button(this, IDC_FONTS, "フォントの設定");
    auto* sizesButton = Button(this, IDC_SIZES, "サイズの設定");
    auto* reset = Button(this, IDC_RESET, "初期化");
    QDialogButtonBox* buttons = MakeOkCancel(this, enter);
    buttons->addButton(fonts, QDialogButtonBox::ActionRole);
    buttons->addButton(sizesButton, QDialogButtonBox::ActionRole);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);
    main->addWidget(buttons);
    connect(fonts, &QPushButton::clicked, this, &CSyokiSetRekiDlg::OnFonts);
    connect(sizesButton, &QPushButton::clicked, this, &CSyokiSetRekiDlg::OnSizes);
    connect(reset, &QPushButton::clicked, this, [this] { m_model.Reset(); });
    enter->Watch({fonts, sizesButton, reset});
}

void CSyokiSetRekiDlg::FillPeriodLists() {
    if (m_elapsed) {
        m_start[0]->addItem(U("不使用"));
        m_start[1]->addItem(" 0 ");
        for (int n = 1; n <= 12; ++n) {
            m_start[1]->addItem(QString::asprintf("%2d", n));
        }
        FillNumbers(m_start[2], 0, 30, "%2d");
        FillNumbers(m_end[0], 0, 23, "%2d");
        FillNumbers(m_end[1], 0, 11, "%2d");
        FillNumbers(m_end[2], 0, 30, "%2d");
        return;
    }
    for (QComboBox* year : {m_start[0], m_end[0]}) {
        FillNumbers(year, kMinDateYear, kMaxDateYear, "%d");
    }
    for (QComboBox* month : {m_start[1], m_end[1]}) {
        FillNumbers(month, 1, 12, "%2d");
    }
    for (QComboBox* day : {m_start[2], m_end[2]}) {
        FillNumbers(day, 1, 31, "%2d");
    }
}

void CSyokiSetRekiDlg::Connect() {
    const auto values = [this]() -> SyokiSetValues& { return m_model.Values(); };
    for (QComboBox* box : {m_start[0], m_start[1], m_start[2], m_end[0], m_end[1], m_end[2]}) {
        connect(box, &QComboBox::activated, this, [this] { m_model.RecalcDayCount(); });
    }
    for (QLineEdit* edit : {m_mae, m_ato, m_monthLength}) {
        connect(edit, &QLineEdit::editingFinished, this, [this] {
            if (!m_putting) {
                m_model.RecalcDayCount();
            }
        });
    }
    connect(m_days, &QLineEdit::editingFinished, this, [this] {
        if (!m_putting) {
            m_model.RecalcEndFromDays();
        }
    });
    connect(m_itemWidth, &QLineEdit::editingFinished, this, [this] {
        if (!m_putting) {
            m_model.OnItemWidthLeft();
        }
    });
    for (QLineEdit* edit : {m_insetLeft, m_insetRight}) {
        connect(edit, &QLineEdit::editingFinished, this, [this] {
            if (!m_putting) {
                m_model.OnInsetsLeft();
            }
        });
    }
    connect(m_paper, &QComboBox::activated, this, [this, values](int index) {
        values().paper = index;
        m_model.OnSelchangePaper();
    });
    connect(m_dateUnit, &QComboBox::activated, this, [this, values](int index) {
        values().dateUnit = index;
        m_model.OnDateUnitChanged();
    });
    connect(m_dateStep, &QComboBox::activated, this, [this, values](int index) {
        values().dateStep = index;
        m_model.OnDateStepChanged();
    });
    connect(m_keisenUnit, &QComboBox::activated, this, [this, values](int index) {
        values().keisenUnit = index;
        m_model.OnKeisenUnitChanged();
    });
    connect(m_keisenStep, &QComboBox::activated, this,
            [values](int index) { values().keisenStep = index; });
    connect(m_startHour, &QComboBox::activated, this, [this, values](int index) {
        values().startHour = index;
        m_model.OnStartHourChanged();
    });
    connect(m_holiday, &QComboBox::activated, this,
            [values](int index) { values().holidayMode = index; });
    connect(m_alwaysOptimise, &QCheckBox::toggled, this,
            [values](bool on) { values().alwaysOptimise = on; });
}

// ---- The model's controls -----------------------------------------------------------------------

bool CSyokiSetRekiDlg::ReadControls(SyokiSetValues& v, SyokiSetField& failed) {
    v.paper = m_paper->currentIndex();
    for (int i = 0; i < 3; ++i) {
        v.start[i] = m_start[i]->currentIndex();
        v.end[i] = m_end[i]->currentIndex();
    }
    if (m_elapsed) {
        v.start[0] = 0;
    }
    v.startHour = m_startHour->currentIndex();
    v.dateUnit = m_dateUnit->currentIndex();
    v.dateStep = m_dateStep->currentIndex();
    v.keisenUnit = m_keisenUnit->currentIndex();
    v.keisenStep = m_keisenStep->currentIndex();
    v.holidayMode = m_holiday->currentIndex();
    v.alwaysOptimise = m_alwaysOptimise->isChecked();

    struct Field {
        QLineEdit* edit;
        SyokiSetField field;
        int* value;
    };
    std::vector<Field> fields{
        {m_mae, SyokiSetField::kMaeYohaku, &v.maeYohaku},
        {m_ato, SyokiSetField::kAtoYohaku, &v.atoYohaku},
        {m_rows, SyokiSetField::kRows, &v.rows},
        {m_itemWidth, SyokiSetField::kItemWidth, &v.itemWidth},
        {m_insetLeft, SyokiSetField::kInsetLeft, &v.insetLeft},
        {m_insetRight, SyokiSetField::kInsetRight, &v.insetRight},
    };
    if (m_elapsed) {
        fields.push_back({m_monthLength, SyokiSetField::kMonthLength, &v.monthLength});
    }
    for (const Field& f : fields) {
        for (const SyokiSetFieldRange& range : SyokiSetFieldRanges()) {
            if (range.field == f.field &&
                !ReadIntField(f.edit, range.min, range.max, *f.value, kRangeMessages)) {
                failed = f.field;
                return false;
            }
        }
    }
    // The day count has no range of its own: any integer is repaired by the recalculation.
    if (!ReadIntField(m_days, -99999, 99999, v.dayCount, kRangeMessages)) {
        failed = SyokiSetField::kNone;
        return false;
    }
    return true;
}

void CSyokiSetRekiDlg::PutControls() {
    m_putting = true;
    const SyokiSetValues& v = m_model.Values();
    std::vector<QSignalBlocker> blockers;
    for (QObject* o : std::initializer_list<QObject*>{
             m_paper, m_startHour, m_dateStep, m_dateUnit, m_keisenStep, m_keisenUnit, m_holiday,
             m_alwaysOptimise, m_mae, m_ato, m_days, m_rows, m_itemWidth, m_insetLeft, m_insetRight,
             m_monthLength}) {
        blockers.emplace_back(o);
    }
    SetIndex(m_paper, v.paper);
    m_layoutName->setText(FromCp932(m_model.GetLayoutName()));
    for (int i = 0; i < 3; ++i) {
        SetIndex(m_start[i], v.start[i]);
        SetIndex(m_end[i], v.end[i]);
    }
    m_mae->setText(QString::number(v.maeYohaku));
    m_ato->setText(QString::number(v.atoYohaku));
    m_days->setText(QString::number(v.dayCount));
    SetIndex(m_startHour, v.startHour);
    m_startHour->setEnabled(m_model.IsStartHourEnabled());
    m_rows->setText(QString::number(v.rows));
    m_itemWidth->setText(QString::number(v.itemWidth));
    m_insetLeft->setText(QString::number(v.insetLeft));
    m_insetRight->setText(QString::number(v.insetRight));
    m_monthLength->setText(QString::number(v.monthLength));
    SetList(m_dateStep, m_model.GetDateStepList());
    SetList(m_keisenStep, m_model.GetKeisenStepList());
    SetIndex(m_dateUnit, v.dateUnit);
    SetIndex(m_dateStep, v.dateStep);
    SetIndex(m_keisenUnit, v.keisenUnit);
    SetIndex(m_keisenStep, v.keisenStep);
    SetIndex(m_holiday, v.holidayMode);
    m_alwaysOptimise->setChecked(v.alwaysOptimise);
    for (int i = 0; i < 3; ++i) {
        m_rowLabels[i]->setText(FromCp932(m_model.GetRowLabels()[i]));
    }
    m_putting = false;
}

void CSyokiSetRekiDlg::RepaintNow() {
    repaint();
}

void CSyokiSetRekiDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_initialised) {
        m_initialised = true;
        m_model.InitControls();
    }
}

int CSyokiSetRekiDlg::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CSyokiSetRekiDlg::accept() {
    if (!m_model.CanClose()) {
        return;
    }
    QDialog::accept();
}

// ---- The layout dialogs
// ---------------------------------------------------------------------------

int CSyokiSetRekiDlg::SelectLayout(const CPrintArea&, std::string& fileName,
                                   std::string& layoutName) {
    CLayoutSelDlg dialog(this);
    dialog.fileName = fileName;
    const CSyokiSet* loaded = m_model.GetLoaded();
    if (loaded != nullptr) {
        dialog.layoutFolder = ConfigPathToFs(loaded->GetPath().GetFolder());
    }
    dialog.currentLayout = GetAppConfig()->GetPath().GetLayoutFileName();
    if (dialog.DoModal() != IDOK || dialog.fileName.empty()) {
        return IDCANCEL;
    }
    fileName = dialog.fileName;
    layoutName = dialog.layoutName;
    return IDOK;
}

int CSyokiSetRekiDlg::SelectPlanPaper(int& paperCode) {
    // No parent: the paper choice stands on its own.
    CPaperSelectDlg dialog;
    if (dialog.DoModal() != IDOK) {
        return IDCANCEL;
    }
    paperCode = dialog.GetPaperCode();
    return IDOK;
}

int CSyokiSetRekiDlg::EditLayout(const CPrHeader& header, const CPrintArea& area,
                                 const std::string& layoutName, const CConfigPath& path) {
    CLayoutWaitDlg wait(header, area, layoutName, path, this);
    return wait.DoModal();
}

// ---- The other dialogs
// ----------------------------------------------------------------------------

void CSyokiSetRekiDlg::OnHensoku() {
    CHensokuDlg dialog(m_model.Hensoku(), this);
    if (dialog.exec() == QDialog::Accepted) {
        m_model.OnHensokuChanged();
    }
}

void CSyokiSetRekiDlg::OnFonts() {
    CElementFontDlg dialog(this);
    dialog.SetFonts(m_model.GetFonts());
    if (dialog.DoModal() == IDOK) {
        m_model.SetFonts(dialog.GetFonts());
    }
}

void CSyokiSetRekiDlg::OnSizes() {
    if (m_model.ReadControls() != SyokiSetField::kNone) {
        return;
    }
    CSyokiSet holder;
    holder.GetChart().Copy(m_model.Chart());
    CSizeInitDlg dialog(holder, this);
    if (dialog.DoModal() == IDOK) {
        m_model.Chart().Copy(holder.GetChart());
        PutControls();
    }
}

void CSyokiSetRekiDlg::OnDateColumn() {
    const SyokiSetValues& v = m_model.Values();
    CDateColumnDlg dialog(m_model.GetDateMode(), v.dateUnit, v.dateStep > 0, this);
    dialog.SetValues(m_model.GetDateRows(), m_model.GetDateModes());
    if (dialog.DoModal() == IDOK) {
        m_model.SetDateRows(dialog.GetRows(), dialog.GetStyles());
    }
}

} // namespace tembra
