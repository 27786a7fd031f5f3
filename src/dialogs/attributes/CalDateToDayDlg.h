// Dialog 198 "暦日→延日変換": which calendar date becomes which elapsed day when a chart goes
// from calendar days to elapsed days. Starts at the chart's elapsed-day base date.
#pragma once

#include "dialogs/attributes/DayConversionDlg.h"

namespace tembra {

class CCalDateToDayDlg : public CDayConversionDlg {
    Q_OBJECT
public:
    static constexpr int IDD = 198;
    explicit CCalDateToDayDlg(const CSyokiSet& settings, QWidget* parent = nullptr)
        : CDayConversionDlg(DayConversionKind::kToElapsed, settings, parent) {}
};

} // namespace tembra
