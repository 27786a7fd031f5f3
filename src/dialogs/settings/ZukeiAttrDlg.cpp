#include "dialogs/settings/ZukeiAttrDlg.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "dialogs/settings/AttrColorCombo.h"
#include "dialogs/settings/AttrDlgParts.h"
#include "dialogs/settings/ZukeiAttrPanel.h"
#include "dialogs/settings/core/AttrComboTables.h"
#include "model/ConfigBase.h"
#include "model/ConfigZukei.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

constexpr CodeEntry kGrid[] = {{"有効", 1}, {"無効", 0}};
constexpr int kGridOn = 0; // position of 有効

} // namespace

CZukeiAttrDlg::CZukeiAttrDlg(CConfigZukei& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("線画属性"));
    m_panel = new CZukeiAttrPanel(this, CZukeiAttrPanel::Style::kFullWidth, [this] {
        std::array<WORD, 3> widths{};
        for (std::size_t i = 0; i < widths.size(); ++i) {
            bool ok = false;
            const int value = m_widths[i]->text().trimmed().toInt(&ok);
            widths[i] = static_cast<WORD>(
                ok && value >= 0 && value <= ZukeiAttrFields::kWidthMax ? value : 1);
        }
        return widths;
    });
    auto* widthBox = new QGroupBox(QString::fromUtf8("実線幅 (×0.1mm)"), this);
    auto* widthForm = new QFormLayout(widthBox);
    const int ids[] = {IDC_NORMAL, IDC_THIN, IDC_BOLD};
    const char* labels[] = {"標準", "細線", "太線"};
    for (int i = 0; i < 3; ++i) {
        m_widths[i] = MakeNumberEdit(widthBox, ids[i], 2);
        widthForm->addRow(QString::fromUtf8(labels[i]), m_widths[i]);
        connect(m_widths[i], &QLineEdit::textEdited, m_panel, &CZukeiAttrPanel::RefreshSample);
    }
    auto* gridBox = new QGroupBox(QString::fromUtf8("グリッド設定"), this);
    auto* gridForm = new QFormLayout(gridBox);
    auto* gridRow = new QHBoxLayout;
    m_grid = MakeRadioGroup(gridBox, gridRow, IDC_GRID, kGrid);
    m_dayDivision = MakeCodeCombo(gridBox, IDC_DAY_DIVISION, GridDivisionTable());
    m_rowDivision = MakeCodeCombo(gridBox, IDC_ROW_DIVISION, GridDivisionTable());
    gridForm->addRow(gridRow);
    gridForm->addRow(QString::fromUtf8("１日の分割"), m_dayDivision);
    gridForm->addRow(QString::fromUtf8("行の分割"), m_rowDivision);
    auto* textBox = new QGroupBox(QString::fromUtf8("文字"), this);
    auto* textForm = new QFormLayout(textBox);
    m_textColor = new CAttrColorCombo(textBox, IDC_TEXT_COLOR);
    m_hAlign = MakeCodeCombo(textBox, IDC_TEXT_HALIGN, TextHAlignTable());
    m_vAlign = MakeCodeCombo(textBox, IDC_TEXT_VALIGN, TextVAlignTable());
    m_bold = MakeCheck(textBox, IDC_TEXT_BOLD, "強調");
    textForm->addRow(QString::fromUtf8("文字色"), m_textColor);
    textForm->addRow(QString::fromUtf8("文字書式"), m_hAlign);
    textForm->addRow(QString(), m_vAlign);
    textForm->addRow(QString::fromUtf8("文字属性"), m_bold);
    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    connect(reset, &QPushButton::clicked, this, [this] {
        CConfigBase fresh;
        fresh.Read(FALSE);
        Load(fresh.GetZukei());
    });
    auto* enter = new CEnterMovesFocus(this);

    auto* columns = new QHBoxLayout;
    columns->addWidget(m_panel);
    auto* right = new QVBoxLayout;
    right->addWidget(widthBox);
    right->addWidget(gridBox);
    right->addWidget(textBox);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    AddBottomRow(this, layout, enter, {reset});
    WatchFields(enter, this);
    Load(settings);
}

void CZukeiAttrDlg::Load(const CConfigZukei& settings) {
    const ZukeiTextGridFields f = ZukeiTextGridFields::From(settings);
    for (std::size_t i = 0; i < 3; ++i) {
        m_widths[i]->setText(QString::number(f.widths[i]));
    }
    CheckPosition(m_grid, f.grid ? kGridOn : kGridOn + 1);
    m_dayDivision->setCurrentIndex(f.dayDivision);
    m_rowDivision->setCurrentIndex(f.rowDivision);
    m_textColor->Load(f.textColor);
    m_hAlign->setCurrentIndex(f.hAlign);
    m_vAlign->setCurrentIndex(f.vAlign);
    m_bold->setChecked(f.bold);
    m_panel->Load(ZukeiAttrFields::From(settings.GetAttr()));
}

void CZukeiAttrDlg::accept() {
    ZukeiTextGridFields f;
    for (std::size_t i = 0; i < 3; ++i) {
        int value = 0;
        if (!ReadIntField(m_widths[i], ZukeiAttrFields::kWidthMin, ZukeiAttrFields::kWidthMax,
                          value, kRangeMessages)) {
            return;
        }
        f.widths[i] = static_cast<WORD>(value);
    }
    ZukeiAttrFields fields;
    if (!m_panel->ReadFields(fields)) {
        return;
    }
    f.grid = m_grid->checkedId() == kGridOn;
    f.dayDivision = m_dayDivision->currentIndex();
    f.rowDivision = m_rowDivision->currentIndex();
    f.textColor = m_textColor->Choice();
    f.hAlign = m_hAlign->currentIndex();
    f.vAlign = m_vAlign->currentIndex();
    f.bold = m_bold->isChecked();
    fields.WriteTo(m_settings.GetAttr());
    f.WriteTo(m_settings);
    QDialog::accept();
}

} // namespace tembra
