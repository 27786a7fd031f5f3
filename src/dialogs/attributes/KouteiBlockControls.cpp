#include "dialogs/attributes/KouteiBlockControls.h"

#include "dialogs/attributes/AttrDialogControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace tembra {

KouteiBlockControls::KouteiBlockControls(QWidget* parent, bool withMilestones,
                                         std::function<void(int)> used) {
    type = MakeCodeCombo(parent, IDC_TYPE, LineTypeTable());
    width = MakeCodeCombo(parent, IDC_WIDTH, LineWidthTable());
    color = MakeColorCombo(parent, IDC_COLOR, &m_custom, [used] { used(IDC_COLOR); });
    holiday = MakeCodeCombo(parent, IDC_HOLIDAY, HolidayTable());
    style = MakeCodeCombo(parent, IDC_STYLE, StyleTable());
    nodeShape = MakeCodeCombo(parent, IDC_NODE_SHAPE, NodeShapeTable(withMilestones));
    hatch = MakeCodeCombo(parent, IDC_HATCH, HatchTable());
    slanted = MakeCheck(parent, IDC_SLANTED, "斜行");
    noArrow = MakeCheck(parent, IDC_NO_ARROW, "矢印なし");
    for (QComboBox* combo : {type, width, holiday, style, nodeShape, hatch}) {
        const int id = combo->objectName().toInt();
        QObject::connect(combo, &QComboBox::activated, parent, [used, id](int) { used(id); });
    }
    for (QCheckBox* check : {slanted, noArrow}) {
        const int id = check->objectName().toInt();
        QObject::connect(check, &QCheckBox::clicked, parent, [used, id](bool) { used(id); });
    }
}

int KouteiBlockControls::AddRows(QGridLayout* grid, int row, QWidget* parent) const {
    const struct {
        const char* label;
        QWidget* control;
    } rows[] = {{"線種", type},      {"線幅", width},           {"線色", color}, {"休日", holiday},
                {"スタイル", style}, {"ノード形状", nodeShape}, {"模様", hatch}};
    for (const auto& r : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(r.label), parent), row, 0);
        grid->addWidget(r.control, row, 1);
        ++row;
    }
    grid->addWidget(new QLabel(QString::fromUtf8("サブスタイル"), parent), row, 0);
    grid->addWidget(slanted, row, 1);
    grid->addWidget(noArrow, row + 1, 1);
    return row + 2;
}

void KouteiBlockControls::Show(const KouteiAttrFields& f) {
    type->setCurrentIndex(f.type);
    width->setCurrentIndex(f.width);
    color->setCurrentIndex(f.color);
    holiday->setCurrentIndex(f.holiday);
    style->setCurrentIndex(f.style);
    nodeShape->setCurrentIndex(f.nodeShape);
    hatch->setCurrentIndex(f.hatch);
    slanted->setChecked(f.slanted);
    noArrow->setChecked(f.noArrow);
    m_custom = f.customColor;
}

void KouteiBlockControls::Take(KouteiAttrFields& f) const {
    f.type = type->currentIndex();
    f.width = width->currentIndex();
    f.color = color->currentIndex();
    f.customColor = m_custom;
    f.holiday = holiday->currentIndex();
    f.style = style->currentIndex();
    f.nodeShape = nodeShape->currentIndex();
    f.hatch = hatch->currentIndex();
    f.slanted = slanted->isChecked();
    f.noArrow = noArrow->isChecked();
}

} // namespace tembra
