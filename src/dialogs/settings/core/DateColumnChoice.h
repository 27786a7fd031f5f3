// What the three rows of the date column may show (142 "日付欄"): each row is a set of radio
// buttons, and which of them are open depends on the chart's counting, the unit of the date
// labels and the choice in the row above. The rows a chart commonly needs are fixed cells of the
// choice table; every other cell follows one rule (see DateColumnChoice.cpp).
#pragma once

#include "model/SyokiSet.h"
#include "platform/Types.h"

#include <array>
#include <vector>

namespace tembra {

constexpr int kDateColumnRows = 3;

// The row codes of a row's buttons in radio order.
const std::vector<WORD>& DateColumnButtons(int row);

// 0 closed, 1 open, 2 open only when the flag is set (the label step is not the unit's first):
// chartMode 0 calendar, 1 elapsed; unit the date-label unit (0 日 … 4 時); previous the radio
// index chosen in the row above (row 0: 0).
int DateColumnChoice(int chartMode, int row, int unit, int previous, int button);

// The choices of the three rows and the four display styles ("表現方法": year, month, day,
// weekday) as the dialog holds them.
class CDateColumnChoices {
public:
    CDateColumnChoices(int chartMode, int unit, bool flag)
        : m_mode(chartMode), m_unit(unit), m_flag(flag) {}

    // From the settings' row codes and styles: each row's radio index (-1 when its code has no
    // button there), then the enabling pass.
    void Load(const std::array<WORD, kDateRowMax>& rows, const std::array<WORD, 4>& styles);
    // The row codes (the fourth kept as loaded) and styles after the enabling pass.
    void Store(std::array<WORD, kDateRowMax>& rows, std::array<WORD, 4>& styles);

    // Enables each row's buttons from the table: a closed button that was chosen loses the
    // choice, and a row without a choice takes its first open button.
    void Enable();
    // A click in a row: the choice, and the rows below looked up again when it changed.
    void Click(int row, int index);

    bool IsEnabled(int row, int index) const;
    int GetChoice(int row) const { return m_choice[static_cast<std::size_t>(row)]; }
    std::array<WORD, 4>& Styles() { return m_styles; }

private:
    void EnableRow(int row);

    int m_mode;
    int m_unit;
    bool m_flag;
    std::array<int, kDateColumnRows> m_choice{-1, -1, -1};
    std::array<std::vector<bool>, kDateColumnRows> m_enabled;
    std::array<WORD, kDateRowMax> m_rows{};
    std::array<WORD, 4> m_styles{};
};

} // namespace tembra
