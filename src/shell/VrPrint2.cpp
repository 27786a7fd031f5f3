#include "shell/VrPrint2.h"

#include "dialogs/attributes/DotLineDlg.h"
#include "dialogs/attributes/FineDotLineDlg.h"
#include "dialogs/attributes/core/DotLineFields.h"
#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/IntField.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace tembra {

namespace {

// A row of exclusive radios.
template <std::size_t N>
void AddRadios(std::array<QRadioButton*, N>& radios, const std::array<int, N>& ids,
               const std::array<const char*, N>& texts, QGridLayout* grid, int row,
               QWidget* parent) {
    auto* group = new QButtonGroup(parent);
    for (std::size_t i = 0; i < N; ++i) {
        radios[i] =
            CVrPrintPage::Named(new QRadioButton(CVrPrintPage::Text(texts[i]), parent), ids[i]);
        group->addButton(radios[i]);
        grid->addWidget(radios[i], row, static_cast<int>(i) + 1);
    }
}

template <std::size_t N> int CheckedIndex(const std::array<QRadioButton*, N>& radios) {
    for (std::size_t i = 0; i < N; ++i) {
        if (radios[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

template <std::size_t N> void Check(const std::array<QRadioButton*, N>& radios, int index) {
    if (index >= 0 && index < static_cast<int>(N)) {
        radios[static_cast<std::size_t>(index)]->setChecked(true);
    }
}

QLineEdit* NumberEdit(QWidget* parent, int id) {
    auto* edit = CVrPrintPage::Named(new QLineEdit(parent), id);
    edit->setFixedWidth(56);
    return edit;
}

} // namespace

CVrPrint2::CVrPrint2(VrPrintValues& values, QWidget* parent) : CVrPrintPage(values, parent) {
    setObjectName(IdName(IDD));

    auto* holiday = new QGroupBox(Text("休日"), this);
    auto* holidayGrid = new QGridLayout(holiday);
    AddRadios(m_amikake, kAmikakeIds, {"網掛", "斜線", "なし", "べた"}, holidayGrid, 0, holiday);
    m_holidayColor = Named(new QPushButton(Text("休日色..."), holiday), IDC_HOLIDAY_COLOR);
    holidayGrid->addWidget(m_holidayColor, 0, 5);
    m_holidayLine = Named(new QComboBox(holiday), IDC_HOLIDAY_LINE);
    m_holidayLine->addItems({Text("実線"), Text("破線"), Text("点線")});
    holidayGrid->addWidget(new QLabel(Text("休日の線"), holiday), 1, 0);
    holidayGrid->addWidget(m_holidayLine, 1, 1, 1, 2);
    Body()->addWidget(holiday);

    auto* keisen = new QGroupBox(Text("罫線"), this);
    auto* keisenGrid = new QGridLayout(keisen);
    static constexpr std::array<const char*, 4> kLineTexts = {"点 線(標準)", "細点線(淡い)",
                                                              "実　線 →", "な　し"};
    keisenGrid->addWidget(new QLabel(Text("縦"), keisen), 0, 0);
    AddRadios(m_vertical, kVerticalIds, kLineTexts, keisenGrid, 0, keisen);
    keisenGrid->addWidget(new QLabel(Text("横"), keisen), 1, 0);
    AddRadios(m_horizontal, kHorizontalIds, kLineTexts, keisenGrid, 1, keisen);
    auto* dotOption = Named(new QPushButton(Text("ｵﾌﾟｼｮﾝ"), keisen), IDC_DOT_OPTION);
    auto* fineOption = Named(new QPushButton(Text("ｵﾌﾟｼｮﾝ"), keisen), IDC_FINE_DOT_OPTION);
    m_lineColor = Named(new QPushButton(Text("実線色..."), keisen), IDC_LINE_COLOR);
    keisenGrid->addWidget(dotOption, 2, 1);
    keisenGrid->addWidget(fineOption, 2, 2);
    keisenGrid->addWidget(m_lineColor, 2, 3);
    Body()->addWidget(keisen);

    auto* lower = new QHBoxLayout;
    auto* margins = new QGroupBox(Text("余白(0.1mm)"), this);
    auto* marginRow = new QHBoxLayout(margins);
    m_left = NumberEdit(margins, IDC_MARGIN_LEFT);
    m_top = NumberEdit(margins, IDC_MARGIN_TOP);
    marginRow->addWidget(new QLabel(Text("左"), margins));
    marginRow->addWidget(m_left);
    marginRow->addWidget(new QLabel(Text("上"), margins));
    marginRow->addWidget(m_top);
    lower->addWidget(margins);
    auto* pages = new QGroupBox(Text("印刷ページ"), this);
    auto* pageRow = new QHBoxLayout(pages);
    m_from = NumberEdit(pages, IDC_FROM_PAGE);
    m_to = NumberEdit(pages, IDC_TO_PAGE);
    pageRow->addWidget(m_from);
    pageRow->addWidget(new QLabel(Text("～"), pages));
    pageRow->addWidget(m_to);
    lower->addWidget(pages);
    Body()->addLayout(lower);

    for (QPushButton* button : {m_holidayColor, m_lineColor, dotOption, fineOption}) {
        button->setAutoDefault(false);
    }
    connect(m_holidayColor, &QPushButton::clicked, this,
            [this] { PickColor(m_holidayColor, m_values.amikakeColor); });
    connect(m_lineColor, &QPushButton::clicked, this,
            [this] { PickColor(m_lineColor, m_values.color); });
    connect(dotOption, &QPushButton::clicked, this, [this] { RunDotLineOptions(); });
    connect(fineOption, &QPushButton::clicked, this, [this] { RunFineDotLineOptions(); });
}

void CVrPrint2::RunDotLineOptions() {
    CDotLineDlg dialog(this);
    dialog.fields = LoadDotLine(m_values.keisenDotFlag != 0, m_values.keisenDotWidth,
                                m_values.keisenDotLen, m_values.keisenDotItv);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    m_values.keisenDotFlag = dialog.fields.method;
    m_values.keisenDotWidth = static_cast<WORD>(dialog.fields.width);
    m_values.keisenDotLen = static_cast<WORD>(DotLineDash(dialog.fields));
    m_values.keisenDotItv = static_cast<WORD>(DotLineGap(dialog.fields));
}

void CVrPrint2::RunFineDotLineOptions() {
    CFineDotLineDlg dialog(this);
    dialog.index = FineDotIndex(m_values.keisenDot2Width);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    m_values.keisenDot2Width = static_cast<WORD>(FineDotWidth(dialog.index));
}

void CVrPrint2::LoadFields() {
    Check(m_amikake, m_values.amikake);
    m_holidayLine->setCurrentIndex(m_values.holidayLine);
    Check(m_vertical, m_values.keisenVertical);
    Check(m_horizontal, m_values.keisenHorizontal);
    ShowColor(m_holidayColor, m_values.amikakeColor);
    ShowColor(m_lineColor, m_values.color);
    m_left->setText(QString::number(m_values.marginLeft));
    m_top->setText(QString::number(m_values.marginTop));
    m_from->setText(QString::number(m_values.fromPage));
    m_to->setText(QString::number(m_values.toPage));
}

bool CVrPrint2::ReadFields() {
    int left = 0;
    int top = 0;
    int from = 0;
    int to = 0;
    if (!ReadIntField(m_left, 0, kPrintMarginMax, left, kRangeMessages) ||
        !ReadIntField(m_top, 0, kPrintMarginMax, top, kRangeMessages) ||
        !ReadIntField(m_from, 1, kPrintPageMax, from, kRangeMessages) ||
        !ReadIntField(m_to, 1, kPrintPageMax, to, kRangeMessages)) {
        return false;
    }
    m_values.amikake = static_cast<short>(CheckedIndex(m_amikake));
    m_values.holidayLine = static_cast<short>(std::max(0, m_holidayLine->currentIndex()));
    m_values.keisenVertical = CheckedIndex(m_vertical);
    m_values.keisenHorizontal = CheckedIndex(m_horizontal);
    m_values.marginLeft = left;
    m_values.marginTop = top;
    m_values.fromPage = static_cast<UINT>(from);
    m_values.toPage = static_cast<UINT>(to);
    return true;
}

} // namespace tembra
