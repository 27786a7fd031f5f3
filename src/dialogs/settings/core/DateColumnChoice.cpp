#include "dialogs/settings/core/DateColumnChoice.h"

#include <algorithm>

namespace tembra {

namespace {

// The fixed cells: for a chart mode, row, unit and choice above, the open buttons (by row
// code) and those open only with the flag.
struct FixedCells {
    int mode;
    int row;
    std::vector<int> units;
    WORD above; // the row code chosen above (row 0: ignored)
    std::vector<WORD> open;
    std::vector<WORD> withFlag;
};

const std::vector<FixedCells>& Fixed() {
    static const std::vector<FixedCells> cells{
        {0,
         0,
         {kUnitDay, kUnitWeek},
         0,
         {kDateRowYear, kDateRowEraYear, kDateRowMonth, kDateRowDay},
         {}},
        {0, 0, {kUnitMonth}, 0, {kDateRowYear, kDateRowEraYear, kDateRowMonth}, {}},
        {0, 0, {kUnitYear}, 0, {kDateRowYear, kDateRowEraYear}, {}},
        {0, 0, {kUnitHour}, 0, {kDateRowMonth, kDateRowDay, kDateRowHour}, {}},
        {1,
         0,
         {kUnitDay, kUnitWeek},
         0,
         {kDateRowMonth, kDateRowDay, kDateRowNobeYear, kDateRowNobeMonth, kDateRowNobeDay},
         {}},
        {1, 0, {kUnitYear}, 0, {kDateRowNobeYear}, {}},
        {1,
         0,
         {kUnitHour},
         0,
         {kDateRowMonth, kDateRowDay, kDateRowHour, kDateRowNobeMonth, kDateRowNobeDay},
         {}},
        {0, 1, {kUnitDay}, kDateRowDay, {kDateRowNone, kDateRowNobeDay}, {kDateRowWeekday}},
        {0, 2, {kUnitDay}, kDateRowNone, {kDateRowNone, kDateRowNobeDay}, {kDateRowWeekday}},
    };
    return cells;
}

// How coarse a row code is: 3 years, 2 months, 1 days and weekdays, 0 hours.
int Rank(WORD code) {
    switch (code) {
    case kDateRowYear:
    case kDateRowEraYear:
    case kDateRowNobeYear:
        return 3;
    case kDateRowMonth:
    case kDateRowNobeMonth:
        return 2;
    case kDateRowHour:
        return 0;
    default:
        return 1;
    }
}

int UnitRank(int unit) {
    switch (unit) {
    case kUnitMonth:
        return 2;
    case kUnitYear:
        return 3;
    case kUnitHour:
        return 0;
    default:
        return 1;
    }
}

bool IsElapsedCode(WORD code) {
    return code == kDateRowNobeYear || code == kDateRowNobeMonth || code == kDateRowNobeDay;
}

// The rule of the cells the fixed ones leave open. A row offers nothing finer than the label
// unit; the first row nothing coarser than two ranks above it; a lower row nothing coarser
// than the row above and not the row above's own code, of the same rank only the other
// counting or the weekday; below なし only なし. A calendar chart's first row shows calendar dates
// only, an elapsed chart shows no calendar years. The weekday needs the flag.
int RuleChoice(int mode, int row, int unit, WORD above, WORD code) {
    if (mode != 0 && (code == kDateRowYear || code == kDateRowEraYear)) {
        return 0;
    }
    if (row > 0 && above == kDateRowNone) {
        return code == kDateRowNone ? 1 : 0;
    }
    if (code == kDateRowNone) {
        return row > 0 ? 1 : 0;
    }
    const int rank = Rank(code);
    if (rank < UnitRank(unit)) {
        return 0;
    }
    if (row == 0) {
        if (mode == 0 && IsElapsedCode(code)) {
            return 0;
        }
        return rank <= UnitRank(unit) + 2 ? 1 : 0;
    }
    if (rank > Rank(above) || code == above ||
        (rank == Rank(above) && code != kDateRowWeekday &&
         IsElapsedCode(code) == IsElapsedCode(above))) {
        return 0;
    }
    return code == kDateRowWeekday ? 2 : 1;
}

bool Contains(const std::vector<WORD>& list, WORD code) {
    return std::find(list.begin(), list.end(), code) != list.end();
}

} // namespace

const std::vector<WORD>& DateColumnButtons(int row) {
    static const std::array<std::vector<WORD>, kDateColumnRows> buttons{{
        {kDateRowYear, kDateRowEraYear, kDateRowMonth, kDateRowDay, kDateRowHour, kDateRowNobeYear,
         kDateRowNobeMonth, kDateRowNobeDay},
        {kDateRowYear, kDateRowEraYear, kDateRowMonth, kDateRowDay, kDateRowHour, kDateRowNone,
         kDateRowWeekday, kDateRowNobeMonth, kDateRowNobeDay},
        {kDateRowMonth, kDateRowDay, kDateRowHour, kDateRowNone, kDateRowWeekday, kDateRowNobeMonth,
         kDateRowNobeDay},
    }};
    static const std::vector<WORD> none;
    return row >= 0 && row < kDateColumnRows ? buttons[static_cast<std::size_t>(row)] : none;
}

int DateColumnChoice(int chartMode, int row, int unit, int previous, int button) {
    const std::vector<WORD>& buttons = DateColumnButtons(row);
    if (button < 0 || button >= static_cast<int>(buttons.size())) {
        return 0;
    }
    const WORD code = buttons[static_cast<std::size_t>(button)];
    WORD above = 0;
    if (row > 0) {
        const std::vector<WORD>& upper = DateColumnButtons(row - 1);
        if (previous < 0 || previous >= static_cast<int>(upper.size())) {
            return 0;
        }
        above = upper[static_cast<std::size_t>(previous)];
    }
    const int mode = chartMode != 0 ? 1 : 0;
    for (const FixedCells& cells : Fixed()) {
        if (cells.mode == mode && cells.row == row &&
            std::find(cells.units.begin(), cells.units.end(), unit) != cells.units.end() &&
            (row == 0 || cells.above == above)) {
            return Contains(cells.open, code) ? 1 : Contains(cells.withFlag, code) ? 2 : 0;
        }
    }
    return RuleChoice(mode, row, unit, above, code);
}

// ---- The dialog's rows
// ---------------------------------------------------------------------------

void CDateColumnChoices::Load(const std::array<WORD, kDateRowMax>& rows,
                              const std::array<WORD, 4>& styles) {
    m_rows = rows;
    m_styles = styles;
    for (int row = 0; row < kDateColumnRows; ++row) {
        const std::vector<WORD>& buttons = DateColumnButtons(row);
        const auto at =
            std::find(buttons.begin(), buttons.end(), rows[static_cast<std::size_t>(row)]);
        m_choice[static_cast<std::size_t>(row)] =
            at == buttons.end() ? -1 : static_cast<int>(at - buttons.begin());
    }
    Enable();
}

void CDateColumnChoices::Store(std::array<WORD, kDateRowMax>& rows, std::array<WORD, 4>& styles) {
    Enable();
    rows = m_rows;
    for (int row = 0; row < kDateColumnRows; ++row) {
        const int choice = m_choice[static_cast<std::size_t>(row)];
        rows[static_cast<std::size_t>(row)] =
            choice < 0 ? WORD{0} : DateColumnButtons(row)[static_cast<std::size_t>(choice)];
    }
    styles = m_styles;
}

void CDateColumnChoices::EnableRow(int row) {
    const std::vector<WORD>& buttons = DateColumnButtons(row);
    std::vector<bool>& enabled = m_enabled[static_cast<std::size_t>(row)];
    int& choice = m_choice[static_cast<std::size_t>(row)];
    const int previous = row == 0 ? 0 : m_choice[static_cast<std::size_t>(row - 1)];
    enabled.assign(buttons.size(), false);
    for (std::size_t b = 0; b < buttons.size(); ++b) {
        const int value = DateColumnChoice(m_mode, row, m_unit, previous, static_cast<int>(b));
        enabled[b] = value == 1 || (value == 2 && m_flag);
        if (!enabled[b] && choice == static_cast<int>(b)) {
            choice = -1;
        }
    }
    if (choice < 0) {
        const auto first = std::find(enabled.begin(), enabled.end(), true);
        if (first != enabled.end()) {
            choice = static_cast<int>(first - enabled.begin());
        }
    }
}

void CDateColumnChoices::Enable() {
    for (int row = 0; row < kDateColumnRows; ++row) {
        EnableRow(row);
    }
}

void CDateColumnChoices::Click(int row, int index) {
    if (row < 0 || row >= kDateColumnRows || !IsEnabled(row, index)) {
        return;
    }
    int& choice = m_choice[static_cast<std::size_t>(row)];
    if (choice == index) {
        return;
    }
    choice = index;
    for (int below = row + 1; below < kDateColumnRows; ++below) {
        EnableRow(below);
    }
}

bool CDateColumnChoices::IsEnabled(int row, int index) const {
    if (row < 0 || row >= kDateColumnRows) {
        return false;
    }
    const std::vector<bool>& enabled = m_enabled[static_cast<std::size_t>(row)];
    return index >= 0 && index < static_cast<int>(enabled.size()) &&
           enabled[static_cast<std::size_t>(index)];
}

} // namespace tembra
