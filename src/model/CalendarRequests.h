// The dialogs of the working calendar as requests: the calendar dialog (133 "カレンダー設定"),
// the confirmation of the automatic adjustment (134 "自動調整の確認") and the holiday
// initialisation that the calendar dialog opens (163).
#pragma once

#include "platform/Ui.h"

namespace tembra {

class CCalendar;

// Edits the calendar in place (a copy the caller made), starting at the month given.
class CalendarSetRequest : public DialogRequest {
public:
    const char* Name() const override { return "CalendarSet"; }
    CCalendar* calendar = nullptr;
    int year = 0;
    int month = 1;
};

// OK for the yes button; limitToPeriod is the box "初期設定期間に限定する".
class AutoAdjustRequest : public DialogRequest {
public:
    const char* Name() const override { return "AutoAdjust"; }
    bool limitToPeriod = true;
};

// Makes the holidays of the calendar anew (button "休日初期化" of the calendar dialog).
class HolidayInitRequest : public DialogRequest {
public:
    const char* Name() const override { return "HolidayInit"; }
    CCalendar* calendar = nullptr;
};

} // namespace tembra
