// The 35 check boxes of the holiday dialogs (162, 414): a row per weekday from Sunday, a column per
// week of the month, each with its template id.
#pragma once

#include <array>

class QCheckBox;
class QGridLayout;
class QWidget;

namespace tembra {

struct HolidayWeekGrid {
    // The first id of each weekday's row (Sunday first); the five weeks follow it.
    static constexpr std::array<int, 7> kRowIds = {1596, 1442, 1616, 1628, 1608, 1259, 1555};

    // The boxes in a grid of parent, the weeks from column 1; column 0 holds the weekday names
    // when labelled (else it is left to the caller).
    static HolidayWeekGrid Make(QWidget* parent, QGridLayout*& grid, bool labelled);
    QCheckBox* At(int weekday, int week) const {
        return boxes[static_cast<std::size_t>(weekday * 5 + week)];
    }

    std::array<QCheckBox*, 35> boxes{};
};

} // namespace tembra
