#include "dialogs/attributes/core/WeeklyRestTable.h"

#include <algorithm>

namespace tembra {

WeeklyRestTable LoadWeeklyRestTable() {
    WeeklyRestTable table{};
    if (!ReadWeeklyRestDays(table)) {
        table.fill(0);
        if (!ReadRegWeeklyRestDays(table)) {
            table.fill(0);
        }
    }
    for (BYTE& flag : table) {
        flag = flag != 0 ? 1 : 0;
    }
    return table;
}

void ToggleWeekdayRow(WeeklyRestTable& table, int weekday) {
    if (weekday < 0 || weekday >= 7) {
        return;
    }
    const auto row = table.begin() + weekday * kWeeksInTable;
    const bool full = std::all_of(row, row + kWeeksInTable, [](BYTE flag) { return flag != 0; });
    std::fill(row, row + kWeeksInTable, full ? BYTE{0} : BYTE{1});
}

} // namespace tembra
