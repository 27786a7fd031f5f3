// The line and node controls both process attribute dialogs show (166 and 216 "工程属性"): the
// combos of line type, width, colour, holiday, style, node shape and pattern and the two
// sub-style checks, loaded from and read into KouteiAttrFields.
#pragma once

#include "dialogs/attributes/core/KouteiAttrFields.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QWidget;

namespace tembra {

class KouteiBlockControls {
public:
    enum : int {
        IDC_TYPE = 1365,
        IDC_WIDTH = 1368,
        IDC_COLOR = 1362,
        IDC_HOLIDAY = 1363,
        IDC_STYLE = 1366,
        IDC_NODE_SHAPE = 1364,
        IDC_HATCH = 1041,
        IDC_SLANTED = 1288,
        IDC_NO_ARROW = 1633,
    };

    // Builds the controls in parent; the node shapes with milestones for the selection dialog.
    // used(id) runs when the user picks in a combo or clicks a check (after "その他" asked for
    // its colour).
    KouteiBlockControls(QWidget* parent, bool withMilestones, std::function<void(int)> used);

    // Lays the controls out as labelled rows from row on; returns the next free row.
    int AddRows(QGridLayout* grid, int row, QWidget* parent) const;
    void Show(const KouteiAttrFields& fields);
    // The combo positions and checks into fields (the custom colour is kept there already).
    void Take(KouteiAttrFields& fields) const;
    // The colour "その他" shows and starts the colour dialog from.
    COLORREF& CustomColor() { return m_custom; }

    QComboBox* type = nullptr;
    QComboBox* width = nullptr;
    QComboBox* color = nullptr;
    QComboBox* holiday = nullptr;
    QComboBox* style = nullptr;
    QComboBox* nodeShape = nullptr;
    QComboBox* hatch = nullptr;
    QCheckBox* slanted = nullptr;
    QCheckBox* noArrow = nullptr;

private:
    COLORREF m_custom = 0;
};

} // namespace tembra
