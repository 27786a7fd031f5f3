// The item text controls both item attribute dialogs show (164 and 244 "項目属性"): size,
// horizontal and vertical alignment radios, emphasis and colour, loaded from and read into
// KoumokuAttrFields.
#pragma once

#include "dialogs/attributes/core/KoumokuAttrFields.h"

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QRadioButton;
class QWidget;

namespace tembra {

class KoumokuControls {
public:
    enum : int { IDC_EMPHASIS = 1044, IDC_COLOR = 1369 };
    // In the order of the size table, of the alignments 0 to 2 and top, centre, bottom.
    static constexpr std::array<int, 4> kSizeIds = {1038, 1039, 1040, 1037};
    static constexpr std::array<int, 3> kHorizontalIds = {1239, 1235, 1240};
    static constexpr std::array<int, 3> kVerticalIds = {1727, 1728, 1729};

    // used(change) runs with the KoumokuChange of the group the user clicked or picked in.
    KoumokuControls(QWidget* parent, std::function<void(unsigned)> used);

    // Lays the groups out from row on; returns the next free row. A change box, when given,
    // stands beside each group (by KoumokuChange bit: format, size, attribute, colour).
    int AddRows(QGridLayout* grid, int row, QWidget* parent,
                std::function<QWidget*(unsigned)> changeBox) const;
    void Show(const KoumokuAttrFields& fields);
    void Take(KoumokuAttrFields& fields) const;
    std::vector<QWidget*> Controls() const;

private:
    std::array<QRadioButton*, 4> m_size{};
    std::array<QRadioButton*, 3> m_horizontal{};
    std::array<QRadioButton*, 3> m_vertical{};
    QCheckBox* m_emphasis = nullptr;
    QComboBox* m_color = nullptr;
    COLORREF m_custom = 0;
};

} // namespace tembra
