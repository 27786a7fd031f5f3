// Dialog 199 "延日→暦日変換": which elapsed day becomes which calendar date when a chart goes
// from elapsed days to calendar days. Starts at today.
#pragma once

#include "dialogs/attributes/DayConversionDlg.h"

namespace tembra {

class CDayToCalDateDlg : public CDayConversionDlg {
    Q_OBJECT
public:
    static constexpr int IDD = 199;
    explicit CDayToCalDateDlg(const CSyokiSet& settings, QWidget* parent = nullptr)
        : CDayConversionDlg(DayConversionKind::kToCalendar, settings, parent) {}
};

} // namespace tembra
