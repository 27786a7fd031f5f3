// The batch input by dates (245 "行事一括入力設定（日付指定）"): days of every month (毎月) or
// of chosen months (月指定) on which one event is repeated over the chart period. 決定 refuses
// an empty choice and one that no date of the period takes; the caller's table changes only on
// 決定.
#pragma once

#include "document/EventBatchTables.h"
#include "platform/Time.h"

#include <QDialog>

#include <array>

class QRadioButton;

namespace tembra {

class CDayButton;

class CEventBatchDateDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 245;
    enum : int {
        IDC_EVERY_MONTH = 1547,
        IDC_CHOSEN_MONTHS = 1739,
        IDC_MONTH_FIRST = 1740, // "1" to "12": 1740 to 1751
        IDC_DAY_FIRST = 1050,   // "1" to "31": 1050 to 1080
        IDC_RESET = 1290,
    };

    CEventBatchDateDlg(EventBatchDateTable* table, const CTime& start, const CTime& end,
                       QWidget* parent = nullptr);

    void accept() override;

private:
    void Save();
    void ShowAll();
    void SetMode(bool chosenMonths);
    void ShowMonth(int month);

    EventBatchDateTable* m_table;
    EventBatchDateTable m_work;
    CTime m_start;
    CTime m_end;
    int m_shown = 0; // the month shown, 0 in 毎月
    QRadioButton* m_every = nullptr;
    QRadioButton* m_chosen = nullptr;
    std::array<CDayButton*, 12> m_months{};
    std::array<CDayButton*, 31> m_days{};
};

} // namespace tembra
