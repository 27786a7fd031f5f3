// The batch input by weekdays (246 "行事一括入力設定（曜日指定）"): weekdays in every week or in
// the first to fifth week of the month. 決定 refuses an empty choice and one that no day of the
// period takes; the caller's grid changes only on 決定.
#pragma once

#include "document/EventBatchTables.h"
#include "platform/Time.h"

#include <QDialog>

#include <array>

class QCheckBox;

namespace tembra {

class CEventBatchWeekDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 246;
    // Sunday to Saturday: the header button and the box of week 1 (weeks 2 to 5 follow).
    static constexpr std::array<int, 7> kHeaderIds = {1218, 1215, 1220, 1221, 1219, 1214, 1217};
    static constexpr std::array<int, 7> kFirstBoxIds = {1596, 1442, 1616, 1628, 1608, 1259, 1555};

    CEventBatchWeekDlg(EventBatchWeekTable* table, const CTime& start, const CTime& end,
                       QWidget* parent = nullptr);

    void accept() override;

private:
    EventBatchWeekTable Taken() const;

    EventBatchWeekTable* m_table;
    CTime m_start;
    CTime m_end;
    std::array<std::array<QCheckBox*, 5>, 7> m_boxes{};
};

} // namespace tembra
