#include "dialogs/settings/ZukeiAttrPanel.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "dialogs/settings/AttrColorCombo.h"
#include "dialogs/settings/AttrSample.h"
#include "dialogs/settings/core/AttrComboTables.h"
#include "platform/qt/IntField.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tembra {

CZukeiAttrPanel::CZukeiAttrPanel(QWidget* parent, Style style, WidthSource widths)
    : QWidget(parent), m_widthSource(std::move(widths)) {
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    if (style != Style::kNone) {
        m_style = MakeCodeCombo(this, IDC_STYLE, ShapeStyleTable(style == Style::kHalfWidth));
        form->addRow(QString::fromUtf8("スタイル"), m_style);
        connect(m_style, &QComboBox::currentIndexChanged, this,
                [this](int index) { m_fields.style = index; });
    }
    m_pointMode = MakeCodeCombo(this, IDC_POINTMODE, PointModeTable());
    m_type = MakeCodeCombo(this, IDC_TYPE, LineTypeTable());
    m_width = MakeCodeCombo(this, IDC_WIDTH, LineWidthTable());
    m_color = new CAttrColorCombo(this, IDC_COLOR, [this] {
        m_fields.color = m_color->Choice();
        Changed(kColor);
    });
    m_hatch = MakeCodeCombo(this, IDC_HATCH, HatchTable());
    m_hatchColor = new CAttrColorCombo(this, IDC_HATCHCOLOR, [this] {
        m_fields.hatchColor = m_hatchColor->Choice();
        Changed(kHatchColor);
    });
    m_radius = MakeNumberEdit(this, IDC_RADIUS, 3);
    m_sample = new CAttrSample(this, IDC_SAMPLE);
    form->addRow(QString::fromUtf8("位置関係"), m_pointMode);
    form->addRow(QString::fromUtf8("線種"), m_type);
    form->addRow(QString::fromUtf8("線幅"), m_width);
    form->addRow(QString::fromUtf8("線色"), m_color);
    form->addRow(QString::fromUtf8("模様"), m_hatch);
    form->addRow(QString::fromUtf8("模様色"), m_hatchColor);
    form->addRow(QString::fromUtf8("角丸半径 (×0.1mm)"), m_radius);
    form->addRow(m_sample);

    const struct {
        QComboBox* combo;
        int ZukeiAttrFields::*field;
        Group group;
    } lists[] = {{m_pointMode, &ZukeiAttrFields::pointMode, kPointMode},
                 {m_type, &ZukeiAttrFields::lineType, kLineType},
                 {m_width, &ZukeiAttrFields::width, kWidth},
                 {m_hatch, &ZukeiAttrFields::hatch, kHatch}};
    for (const auto& list : lists) {
        const auto field = list.field;
        const Group group = list.group;
        connect(list.combo, &QComboBox::currentIndexChanged, this, [this, field, group](int index) {
            m_fields.*field = index;
            Changed(group);
        });
    }
    connect(m_radius, &QLineEdit::textEdited, this, [this] { Changed(kBoxRay); });
}

void CZukeiAttrPanel::Load(const ZukeiAttrFields& fields) {
    m_fields = fields;
    const std::pair<QComboBox*, int> lists[] = {{m_style, fields.style},
                                                {m_pointMode, fields.pointMode},
                                                {m_type, fields.lineType},
                                                {m_width, fields.width},
                                                {m_hatch, fields.hatch}};
    for (const auto& [combo, index] : lists) {
        if (combo != nullptr) {
            const QSignalBlocker quiet(combo);
            combo->setCurrentIndex(index);
        }
    }
    m_color->Load(fields.color);
    m_hatchColor->Load(fields.hatchColor);
    m_radius->setText(QString::number(fields.boxRay));
    RefreshSample();
}

bool CZukeiAttrPanel::ReadFields(ZukeiAttrFields& fields, bool checkRadius) const {
    fields = m_fields;
    if (!checkRadius) {
        return true;
    }
    return ReadIntField(m_radius, ZukeiAttrFields::kRadiusMin, ZukeiAttrFields::kRadiusMax,
                        fields.boxRay, kRangeMessages);
}

void CZukeiAttrPanel::RefreshSample() {
    const std::array<WORD, 3> widths = m_widthSource();
    CZukeiAttr attr;
    m_fields.WriteTo(attr);
    AttrSampleLook look;
    look.type = attr.m_type;
    look.width = SampleWidthPixels(
        widths[static_cast<std::size_t>(attr.m_width >= 0 && attr.m_width < 3 ? attr.m_width : 0)]);
    look.color = attr.m_color;
    look.fill = attr.m_hatch;
    look.fillColor = attr.m_hatchColor;
    m_sample->Show(look);
}

void CZukeiAttrPanel::Changed(Group group) {
    RefreshSample();
    if (changed) {
        changed(group);
    }
}

} // namespace tembra
