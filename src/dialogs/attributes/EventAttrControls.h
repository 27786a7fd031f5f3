// The event text controls both event attribute dialogs show (148 and 218 "行事属性"): form and
// size radios, the style boxes, colour, "常に横書き" and the day and row alignment radios,
// loaded from and read into EventAttrFields; in bulk mode a group check box beside each group.
#pragma once

#include "dialogs/attributes/core/EventAttrFields.h"

#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QWidget;

namespace tembra {

class EventAttrControls {
public:
    enum : int {
        IDC_FRAME = 1297,
        IDC_OUTLINE = 1574,
        IDC_BOLD = 1044,
        IDC_VERTICAL = 1607,
        IDC_COLOR = 1223,
        IDC_HORIZONTAL = 2029,
        IDC_CHANGE_FORM = 1681,
        IDC_CHANGE_SIZE = 1682,
        IDC_CHANGE_STYLE = 1683,
        IDC_CHANGE_COLOR = 1684,
        IDC_CHANGE_HALF = 2030,
    };
    static constexpr std::array<int, 5> kFormIds = {1239, 1235, 1240, 1236, 1237};
    static constexpr std::array<int, 4> kSizeIds = {1038, 1039, 1040, 1037};
    static constexpr std::array<int, 3> kDayIds = {1226, 1224, 1225};
    static constexpr std::array<int, 2> kRowIds = {1229, 1228};

    // used(change) runs with the EventAttrChange of the group the user touched; dayChosen with
    // the day alignment picked.
    EventAttrControls(QWidget* parent, bool bulk, std::function<void(unsigned)> used,
                      std::function<void(int)> dayChosen);

    void AddTo(QGridLayout* grid) const;
    void Show(const EventAttrFields& fields);
    void Take(EventAttrFields& fields) const;
    // The ticked groups (bulk mode).
    unsigned Changes() const;
    void TickAll();
    void Tick(unsigned change);
    std::vector<QWidget*> Controls() const;

private:
    QWidget* m_parent;
    bool m_bulk;
    QButtonGroup* m_form = nullptr;
    QButtonGroup* m_size = nullptr;
    QButtonGroup* m_day = nullptr;
    QButtonGroup* m_row = nullptr;
    QCheckBox* m_frame = nullptr;
    QCheckBox* m_outline = nullptr;
    QCheckBox* m_bold = nullptr;
    QCheckBox* m_vertical = nullptr;
    QComboBox* m_color = nullptr;
    QCheckBox* m_horizontal = nullptr;
    std::array<QCheckBox*, 5> m_changes{};
    COLORREF m_custom = 0;
};

} // namespace tembra
