#include "dialogs/settings/YogoAttrPanel.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "dialogs/settings/AttrColorCombo.h"
#include "dialogs/settings/AttrDlgParts.h"
#include "dialogs/settings/core/AttrComboTables.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tembra {

namespace {

constexpr CodeEntry kPositions[] = {{"上部", 0}, {"下部", 1}};
constexpr CodeEntry kStacking[] = {{"上に積む", 0}, {"下に積む", 1}};

QGroupBox* Box(QWidget* parent, const char* title, QBoxLayout*& row) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    row = new QHBoxLayout(box);
    return box;
}

} // namespace

CYogoAttrPanel::CYogoAttrPanel(QWidget* parent) : QWidget(parent) {
    QBoxLayout* row = nullptr;
    QGroupBox* formatBox = Box(this, "書式", row);
    m_format = MakeRadioGroup(formatBox, row, IDC_FORMAT, YogoFormatTable());
    QGroupBox* sizeBox = Box(this, "サイズ", row);
    m_size = MakeRadioGroup(sizeBox, row, IDC_SIZE, TextSizeTable());
    QGroupBox* flagBox = Box(this, "属性", row);
    const struct {
        int id;
        const char* text;
        WORD bit;
        Group group;
    } flags[] = {{IDC_FRAME, "囲み", kYogoFrame, kFlags},
                 {IDC_OUTLINE, "白抜", kYogoOutline, kFlags},
                 {IDC_BOLD, "強調", kYogoBold, kFlags},
                 {IDC_VERTICAL, "縦書", kYogoVertical, kFlags},
                 {IDC_HALF_ACROSS, "常に横書き", kYogoHalfAcross, kHalfWidth}};
    for (const auto& f : flags) {
        QCheckBox* box = MakeCheck(flagBox, f.id, f.text);
        row->addWidget(box);
        m_flags.push_back({box, f.bit, f.group});
        const WORD bit = f.bit;
        const Group group = f.group;
        connect(box, &QCheckBox::clicked, this, [this, bit, group](bool on) {
            m_fields.SetFlag(bit, on);
            Changed(group);
        });
    }
    QGroupBox* placeBox = Box(this, "表示位置", row);
    m_position = MakeRadioGroup(placeBox, row, IDC_POSITION, kPositions);
    m_stackBox = Box(this, "積み重ね", row);
    m_stack = MakeRadioGroup(m_stackBox, row, IDC_STACK, kStacking);
    m_color = new CAttrColorCombo(this, IDC_COLOR, [this] {
        m_fields.color = m_color->Choice();
        Changed(kColor);
    });
    auto* colorRow = new QFormLayout;
    colorRow->addRow(QString::fromUtf8("色"), m_color);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* box : {formatBox, sizeBox, flagBox, placeBox, m_stackBox}) {
        layout->addWidget(box);
    }
    layout->addLayout(colorRow);

    connect(m_format, &QButtonGroup::idClicked, this, [this](int id) {
        m_fields.format = id;
        Changed(kFormat);
    });
    connect(m_size, &QButtonGroup::idClicked, this, [this](int id) {
        m_fields.size = id;
        Changed(kSize);
    });
    connect(m_position, &QButtonGroup::idClicked, this, [this](int id) {
        m_fields.position = id;
        Changed(kPosition);
    });
    connect(m_stack, &QButtonGroup::idClicked, this, [this](int id) { m_fields.stack = id; });
}

void CYogoAttrPanel::Load(const YogoAttrFields& fields) {
    m_fields = fields;
    CheckPosition(m_format, fields.format);
    CheckPosition(m_size, fields.size);
    CheckPosition(m_position, fields.position);
    CheckPosition(m_stack, fields.stack);
    for (const FlagBox& f : m_flags) {
        f.box->setChecked(fields.Flag(f.bit));
    }
    m_color->Load(fields.color);
}

void CYogoAttrPanel::EnableStacking(bool enable) {
    m_stackBox->setEnabled(enable);
}

void CYogoAttrPanel::Changed(Group group) {
    if (changed) {
        changed(group);
    }
}

} // namespace tembra
