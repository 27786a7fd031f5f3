#include "shell/VrPrint3.h"

#include "platform/Sjis.h"
#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/IntField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tembra {

CVrPrint3::CVrPrint3(VrPrintValues& values, QWidget* parent) : CVrPrintPage(values, parent) {
    setObjectName(IdName(IDD));

    auto* lines = new QGroupBox(Text("線"), this);
    auto* linesGrid = new QGridLayout(lines);
    m_boldLine = Named(new QCheckBox(Text("太線の線種対策"), lines), IDC_BOLD_LINE_FIX);
    linesGrid->addWidget(m_boldLine, 0, 0, 1, 2);
    linesGrid->addWidget(new QLabel(Text("点線倍率 0.5～3.0"), lines), 1, 0);
    m_lineRate = Named(new QComboBox(lines), IDC_LINE_RATE);
    m_lineRate->setEditable(true);
    m_lineRate->addItems({"0.5", "1.0", "1.5", "2.0", "2.5", "3.0"});
    linesGrid->addWidget(m_lineRate, 1, 1);
    m_zoom = Named(new QCheckBox(Text("自動拡大／縮小"), lines), IDC_ZOOM_PRINTING);
    linesGrid->addWidget(m_zoom, 2, 0, 1, 2);
    Body()->addWidget(lines);

    auto* cross = new QGroupBox(Text("線の交差"), this);
    auto* crossGrid = new QGridLayout(cross);
    auto* crossGroup = new QButtonGroup(cross);
    static constexpr std::array<const char*, 3> kCrossTexts = {"なし", "飛び越し線", "断線"};
    for (std::size_t i = 0; i < m_cross.size(); ++i) {
        m_cross[i] = Named(new QRadioButton(Text(kCrossTexts[i]), cross), kCrossIds[i]);
        crossGroup->addButton(m_cross[i]);
        crossGrid->addWidget(m_cross[i], 0, static_cast<int>(i));
    }
    crossGrid->addWidget(new QLabel(Text("半径(×0.1mm)"), cross), 1, 0);
    m_arcRay = Named(new QLineEdit(cross), IDC_ARC_RAY);
    m_arcRay->setFixedWidth(56);
    crossGrid->addWidget(m_arcRay, 1, 1);
    Body()->addWidget(cross);

    auto* colors = new QGroupBox(Text("色"), this);
    auto* colorRow = new QHBoxLayout(colors);
    m_saturday = Named(new QPushButton(Text("土曜色"), colors), IDC_SATURDAY_COLOR);
    m_sunday = Named(new QPushButton(Text("日曜色"), colors), IDC_SUNDAY_COLOR);
    colorRow->addWidget(m_saturday);
    colorRow->addWidget(m_sunday);
    Body()->addWidget(colors);

    auto* hatch = new QGroupBox(Text("塗りつぶし印刷"), this);
    auto* hatchRow = new QHBoxLayout(hatch);
    auto* hatchGroup = new QButtonGroup(hatch);
    static constexpr std::array<const char*, 2> kHatchTexts = {"しない", "する"};
    for (std::size_t i = 0; i < m_hatch.size(); ++i) {
        m_hatch[i] = Named(new QRadioButton(Text(kHatchTexts[i]), hatch), kHatchIds[i]);
        hatchGroup->addButton(m_hatch[i]);
        hatchRow->addWidget(m_hatch[i]);
    }
    Body()->addWidget(hatch);

    for (QPushButton* button : {m_saturday, m_sunday}) {
        button->setAutoDefault(false);
    }
    connect(m_saturday, &QPushButton::clicked, this,
            [this] { PickColor(m_saturday, m_values.satdayColor); });
    connect(m_sunday, &QPushButton::clicked, this,
            [this] { PickColor(m_sunday, m_values.sundayColor); });
    connect(m_zoom, &QCheckBox::toggled, this, &CVrPrint3::zoomPrintingToggled);
}

void CVrPrint3::LoadFields() {
    m_boldLine->setChecked(m_values.voldLineEx != 0);
    m_lineRate->setEditText(QString::fromStdString(Sjis::ToUtf8(m_values.lineRate)));
    m_zoom->setChecked(m_values.zoomPrinting != 0);
    if (m_values.crossType >= 0 && m_values.crossType < static_cast<short>(m_cross.size())) {
        m_cross[static_cast<std::size_t>(m_values.crossType)]->setChecked(true);
    }
    m_arcRay->setText(QString::number(m_values.arcRay));
    ShowColor(m_saturday, m_values.satdayColor);
    ShowColor(m_sunday, m_values.sundayColor);
    m_hatch[m_values.hatch != 0 ? 1 : 0]->setChecked(true);
}

bool CVrPrint3::ReadFields() {
    int arcRay = 0;
    if (!ReadIntField(m_arcRay, kArcRayMin, kArcRayMax, arcRay, kRangeMessages)) {
        return false;
    }
    const std::string rate = Sjis::FromUtf8(m_lineRate->currentText().trimmed().toStdString());
    if (!IsLineRateInRange(rate)) {
        AfxMessageBox(Sjis::FromUtf8(kLineRateWarning), MB_OK | MB_ICONEXCLAMATION);
        m_lineRate->setFocus();
        return false;
    }
    m_values.voldLineEx = m_boldLine->isChecked() ? 1 : 0;
    m_values.lineRate = rate;
    m_values.zoomPrinting = m_zoom->isChecked() ? 1 : 0;
    for (std::size_t i = 0; i < m_cross.size(); ++i) {
        if (m_cross[i]->isChecked()) {
            m_values.crossType = static_cast<short>(i);
        }
    }
    m_values.arcRay = static_cast<short>(arcRay);
    m_values.hatch = m_hatch[1]->isChecked() ? 1 : 0;
    return true;
}

} // namespace tembra
