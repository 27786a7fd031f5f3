// The dialogs of the day-counting switch and of the initial settings, as requests the document
// raises through the UI services: the conversion dialogs (198 "暦日→延日変換", 199
// "延日→暦日変換") and the initial-settings dialogs (180 初期設定（暦）, 195 初期設定（延）).
#pragma once

#include "model/SyokiSet.h"
#include "platform/Time.h"
#include "platform/Types.h"
#include "platform/Ui.h"

namespace tembra {

class CTembraDoc;

// What both conversion dialogs give on OK.
struct DayConversion {
    // Between the two numberings: the elapsed day that goes with the calendar date, as the span
    // from the elapsed-day base date (day n of the dialog is n - 1 days).
    CTimeSpan offset;
    // The calendar date that goes with that elapsed day.
    CTime date;
    // "●休日：" 0 "有効" (working days count; holidays are left out), else "無効".
    int holidayChoice = 0;
    // "●係数：" calendar : elapsed.
    int calendarRatio = 1;
    int elapsedRatio = 1;
    // "時間を丸める": scaled spans become whole days.
    bool round = true;

    // The factor the process spans are scaled by: negative when not rounded, and when the two
    // parts are equal.
    double Factor(bool toElapsed) const;
};

// Dialog 198: calendar days to elapsed days. In: the settings the dialog starts from.
class CalDateToDayDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "CalDateToDayDlg"; }
    const CSyokiSet* settings = nullptr;
    DayConversion conversion;
};

// Dialog 199: elapsed days to calendar days.
class DayToCalDateDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "DayToCalDateDlg"; }
    const CSyokiSet* settings = nullptr;
    DayConversion conversion;
};

// The initial-settings dialogs edit a copy of the settings, which the document takes over on OK
// (the store step), together with what the dialog tells about the print header.
struct SyokiSetResults {
    CSyokiSet settings;
    // The layout was edited in the layout editor: the header comes from the temporary layout.
    bool temporaryLayout = false;
    // The header is to be built again whatever changed.
    bool rebuildHeader = false;
    // The header's temporary-layout flag as the dialog found it when it opened.
    short layoutNumber = 0;
};

class SyokiSetRekiDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "SyokiSetRekiDlg"; }
    // The chart the dialog is opened for, and the conversion when the chart changes its
    // counting (nullptr otherwise).
    CTembraDoc* document = nullptr;
    const DayConversion* conversion = nullptr;
    SyokiSetResults results;
};

class SyokiSetNobeDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "SyokiSetNobeDlg"; }
    // The chart the dialog is opened for, and the conversion when the chart changes its
    // counting (nullptr otherwise).
    CTembraDoc* document = nullptr;
    const DayConversion* conversion = nullptr;
    SyokiSetResults results;
};

} // namespace tembra
