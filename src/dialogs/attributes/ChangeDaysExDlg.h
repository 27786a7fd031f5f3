// The duration change dialog of elapsed-day charts (221 "日数変更（延）"): as the calendar-date
// one, the end being an elapsed month ("第" … "月") and a day of it, counted from the chart's
// elapsed-day base date.
#pragma once

#include "dialogs/attributes/ChangeDaysDlg.h"

namespace tembra {

class CChangeDaysExDlg : public CChangeDaysDlg {
    Q_OBJECT
public:
    static constexpr int IDD = kElapsedIdd;
    CChangeDaysExDlg(bool daysOnly, CKoutei* koutei, const CTembraDoc* doc,
                     QWidget* parent = nullptr);
};

} // namespace tembra
