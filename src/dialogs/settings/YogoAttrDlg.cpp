#include "dialogs/settings/YogoAttrDlg.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "dialogs/settings/AttrDlgParts.h"
#include "dialogs/settings/YogoAttrPanel.h"
#include "model/ConfigBase.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

constexpr CodeEntry kGaps[] = {{"用語間隔と同じ", 0}, {"ノード分逃がす", 1}};

} // namespace

CYogoAttrDlg::CYogoAttrDlg(CElemAttr& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("用語属性"));
    m_panel = new CYogoAttrPanel(this);
    auto* spacingBox = new QGroupBox(QString::fromUtf8("用語間隔"), this);
    auto* spacingRow = new QHBoxLayout(spacingBox);
    m_spacing = MakeNumberEdit(spacingBox, IDC_SPACING, 3);
    spacingRow->addWidget(new QLabel(QString::fromUtf8("用語高さの"), spacingBox));
    spacingRow->addWidget(m_spacing);
    spacingRow->addWidget(new QLabel(QString::fromUtf8("％"), spacingBox));
    spacingRow->addStretch();
    auto* gapBox = new QGroupBox(QString::fromUtf8("工程線との間隔"), this);
    auto* gapRow = new QHBoxLayout(gapBox);
    m_gap = MakeRadioGroup(gapBox, gapRow, IDC_GAP, kGaps);
    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    connect(reset, &QPushButton::clicked, this, [this] {
        CConfigBase fresh;
        fresh.Read(FALSE);
        Load(YogoAttrFields::From(fresh.GetChart().GetYogoAttr()));
    });
    auto* enter = new CEnterMovesFocus(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel);
    layout->addWidget(spacingBox);
    layout->addWidget(gapBox);
    AddBottomRow(this, layout, enter, {reset});
    WatchFields(enter, this);
    Load(YogoAttrFields::From(settings));
}

void CYogoAttrDlg::Load(const YogoAttrFields& fields) {
    m_panel->Load(fields);
    m_spacing->setText(QString::number(fields.spacing));
    CheckPosition(m_gap, fields.gap);
}

void CYogoAttrDlg::accept() {
    int spacing = 0;
    if (!ReadIntField(m_spacing, YogoAttrFields::kSpacingMin, YogoAttrFields::kSpacingMax, spacing,
                      kRangeMessages)) {
        return;
    }
    YogoAttrFields fields = m_panel->Fields();
    fields.spacing = spacing;
    fields.gap = m_gap->checkedId() >= 0 ? m_gap->checkedId() : fields.gap;
    fields.WriteSettings(m_settings);
    QDialog::accept();
}

} // namespace tembra
