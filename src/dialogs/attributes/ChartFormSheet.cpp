#include "dialogs/attributes/ChartFormSheet.h"

#include "controls/ColorComboBox.h"
#include "dialogs/attributes/ChartSheetControls.h"
#include "platform/StringTable.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "shapes/ZukeiString.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

QButtonGroup* MakeRadios(QWidget* page, QLayout* layout, std::initializer_list<int> ids,
                         std::initializer_list<const char*> texts, int checked) {
    auto* group = new QButtonGroup(page);
    int position = 0;
    auto text = texts.begin();
    for (const int id : ids) {
        auto* radio = new QRadioButton(QString::fromUtf8(*text++), page);
        radio->setObjectName(IdName(id));
        group->addButton(radio, position);
        radio->setChecked(position == checked);
        layout->addWidget(radio);
        ++position;
    }
    return group;
}

} // namespace

CChartFormSheet::CChartFormSheet(CChart& chart, CZukeiString& box, QWidget* parent)
    : CPropertySheet(QString::fromStdString(LoadStringUtf8(IDS_CAPTION)), parent), m_chart(chart),
      m_box(box), m_fields(LoadTotalsFormat(chart, box)) {
    AddPage(BuildFramePage(), QString::fromUtf8("スタイル"), [this] { return StoreFrame(); });
    AddPage(BuildFontPage(), QString::fromUtf8("フォント"), [this] { return StoreFont(); });
}

QWidget* CChartFormSheet::BuildFramePage() {
    auto* page = new QWidget(this);
    page->setObjectName(IdName(IDD_FRAME));
    m_lineType = MakeTableCombo(page, IDC_LINE_TYPE, LineTypeTable());
    m_lineType->setCurrentIndex(m_fields.lineType.position);
    CColorComboBox* lineColor = MakeChoiceColorCombo(page, IDC_LINE_COLOR, &m_fields.line);
    m_width = MakeTableCombo(page, IDC_WIDTH, LineWidthTable());
    m_width->setCurrentIndex(m_fields.lineWidth.position);
    m_hatch = MakeTableCombo(page, IDC_HATCH, HatchTable());
    m_hatch->setCurrentIndex(m_fields.hatch.position);
    CColorComboBox* hatchColor = MakeChoiceColorCombo(page, IDC_HATCH_COLOR, &m_fields.hatchColor);
    m_separator = MakeTextCombo(page, IDC_SEPARATOR, {":", "=", "->", "/"}, 5);
    m_separator->setEditText(FromCp932(m_fields.separator));

    auto* line = new QGroupBox(QString::fromUtf8("線"), page);
    auto* lineForm = new QFormLayout(line);
    lineForm->addRow(QString::fromUtf8("ｽﾀｲﾙ(&S):"), m_lineType);
    lineForm->addRow(QString::fromUtf8("色(&C):"), lineColor);
    lineForm->addRow(QString::fromUtf8("太さ(&W):"), m_width);
    auto* hatch = new QGroupBox(QString::fromUtf8("網掛け"), page);
    auto* hatchForm = new QFormLayout(hatch);
    hatchForm->addRow(QString::fromUtf8("模様(&H):"), m_hatch);
    hatchForm->addRow(QString::fromUtf8("色(&C):"), hatchColor);
    auto* separator = new QGroupBox(QString::fromUtf8("区切り記号"), page);
    (new QVBoxLayout(separator))->addWidget(m_separator);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(line);
    layout->addWidget(hatch);
    layout->addWidget(separator);
    return page;
}

QWidget* CChartFormSheet::BuildFontPage() {
    auto* page = new QWidget(this);
    page->setObjectName(IdName(IDD_FONT));
    m_faces = new CChartFaceList(page, IDC_FACE_LIST);
    m_faces->Select(m_fields.font);
    m_size = MakeTextCombo(page, IDC_SIZE, ChartFontSizeTexts(), 3);
    m_size->setEditText(QString::fromStdString(m_fields.size));
    CColorComboBox* textColor = MakeChoiceColorCombo(page, IDC_TEXT_COLOR, &m_fields.text);

    auto* horizontal = new QGroupBox(page);
    auto* horizontalLayout = new QVBoxLayout(horizontal);
    m_horizontal = MakeRadios(page, horizontalLayout, {IDC_LEFT, IDC_CENTER, IDC_RIGHT},
                              {"左寄せ", "中央寄", "右寄せ"}, m_fields.horizontal);
    auto* vertical = new QGroupBox(QString::fromUtf8("書式"), page);
    auto* verticalLayout = new QVBoxLayout(vertical);
    m_vertical = MakeRadios(page, verticalLayout, {IDC_TOP, IDC_MIDDLE, IDC_BOTTOM},
                            {"上寄せ", "行中央", "下寄せ"}, m_fields.vertical);

    auto* grid = new QGridLayout(page);
    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("ﾌｫﾝﾄｻｲｽﾞ"), m_size);
    form->addRow(QString::fromUtf8("文字色"), textColor);
    grid->addWidget(m_faces, 0, 0, 3, 1);
    grid->addLayout(form, 0, 1);
    grid->addWidget(horizontal, 1, 1);
    grid->addWidget(vertical, 2, 1);
    return page;
}

bool CChartFormSheet::StoreFrame() {
    m_fields.lineType.position = m_lineType->currentIndex();
    m_fields.lineWidth.position = m_width->currentIndex();
    m_fields.hatch.position = m_hatch->currentIndex();
    m_fields.separator = ToCp932(m_separator->currentText());
    return true;
}

bool CChartFormSheet::StoreFont() {
    m_fields.font = m_faces->SelectedFace(m_fields.font);
    m_fields.size = m_size->currentText().toStdString();
    // A stored alignment the radios cannot show stays as it is until one is chosen.
    if (m_horizontal->checkedId() >= 0) {
        m_fields.horizontal = m_horizontal->checkedId();
    }
    m_fields.vertical = m_vertical->checkedId();
    // The last page: both pages' values go into the box together.
    StoreTotalsFormat(m_fields, m_chart, m_box);
    return true;
}

} // namespace tembra
