// The fields dialogs 193, 211 and 215 share: style (193 and 211 only), position relation, line
// type, width, line colour, pattern, pattern colour, corner radius (1 to 100 in 0.1 mm) and the
// sample, a box in the line filled with the pattern. The values live in a ZukeiAttrFields; a
// user's change reports its group, so that dialog 215 ticks the group's box.
#pragma once

#include "dialogs/settings/core/ZukeiAttrFields.h"

#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QLineEdit;

namespace tembra {

class CAttrColorCombo;
class CAttrSample;

class CZukeiAttrPanel : public QWidget {
    Q_OBJECT
public:
    enum : int {
        IDC_STYLE = 1601,
        IDC_POINTMODE = 1602,
        IDC_TYPE = 1603,
        IDC_WIDTH = 1604,
        IDC_COLOR = 1605,
        IDC_HATCH = 1606,
        IDC_HATCHCOLOR = 1607,
        IDC_RADIUS = 1608,
        IDC_SAMPLE = 1609,
    };
    // In the order of the apply boxes of dialog 215.
    enum Group : int { kLineType, kWidth, kColor, kHatch, kHatchColor, kBoxRay, kPointMode };
    enum class Style { kNone, kFullWidth, kHalfWidth };
    using WidthSource = std::function<std::array<WORD, 3>()>;

    CZukeiAttrPanel(QWidget* parent, Style style, WidthSource widths);

    void Load(const ZukeiAttrFields& fields);
    const ZukeiAttrFields& Fields() const { return m_fields; }
    // The fields with the radius read from its field; false (with the range message and the
    // focus on the field) when it is outside 1 to 100. Without checkRadius the radius stays as
    // loaded and is not looked at.
    bool ReadFields(ZukeiAttrFields& fields, bool checkRadius = true) const;
    void RefreshSample();

    std::function<void(Group)> changed;

private:
    void Changed(Group group);

    WidthSource m_widthSource;
    ZukeiAttrFields m_fields;
    QComboBox* m_style = nullptr;
    QComboBox* m_pointMode = nullptr;
    QComboBox* m_type = nullptr;
    QComboBox* m_width = nullptr;
    CAttrColorCombo* m_color = nullptr;
    QComboBox* m_hatch = nullptr;
    CAttrColorCombo* m_hatchColor = nullptr;
    QLineEdit* m_radius = nullptr;
    CAttrSample* m_sample = nullptr;
};

} // namespace tembra
