// The date column dialog (142 "日付欄"): what the three rows of the date header show and how
// years, months, days and weekdays are written. The rows' buttons open and close by the chart's
// counting, the label unit and the row above (CDateColumnChoices).
#pragma once

#include "dialogs/settings/core/DateColumnChoice.h"
#include "platform/Ui.h"

#include <QDialog>

#include <array>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace tembra {

class CDateColumnDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 142;

    // chartMode 0 calendar, 1 elapsed; unit the date-label unit; flag: the label step is not
    // the unit's first.
    CDateColumnDlg(int chartMode, int unit, bool flag, QWidget* parent = nullptr);
    ~CDateColumnDlg() override;

    void SetValues(const std::array<WORD, kDateRowMax>& rows, const std::array<WORD, 4>& styles);
    // After IDOK.
    const std::array<WORD, kDateRowMax>& GetRows() const { return m_rows; }
    const std::array<WORD, 4>& GetStyles() const { return m_styles; }

    int DoModal();
    void accept() override;

    QRadioButton* RowButton(int row, int index) const;
    QRadioButton* StyleButton(int style, int index) const;

private:
    // The rows' buttons as the choices stand; the styles as set.
    void Show();
    void ShowStyles();

    CDateColumnChoices m_choices;
    std::array<std::vector<QRadioButton*>, kDateColumnRows> m_rowButtons;
    std::array<std::vector<QRadioButton*>, 4> m_styleButtons;
    std::array<WORD, kDateRowMax> m_rows{};
    std::array<WORD, 4> m_styles{};
};

} // namespace tembra
