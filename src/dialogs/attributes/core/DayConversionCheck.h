// The values of the two conversion dialogs (198 "暦日→延日変換", 199 "延日→暦日変換") and their
// checks, one plain function that the dialogs' 決定 and a caller without widgets both use.
#pragma once

#include "document/ModeChangeRequests.h"
#include "model/SyokiSet.h"
#include "model/Utility.h"
#include "platform/Time.h"
#include "platform/Types.h"

namespace tembra {

// What the fields hold. The two ratio fields are "from : to": 暦 : 延 in dialog 198, 延 : 暦 in
// dialog 199; the scale is to / from.
struct DayConversionValues {
    int year = kMinDateYear;
    int month = 1;
    int day = 1;
    // The elapsed day N (day 1 is the elapsed-day base date).
    int dayNumber = 1;
    // "●休日：" 0 "有効", 1 "無効".
    int holidayChoice = 0;
    int fromRatio = 1;
    int toRatio = 1;
    // "時間を丸める".
    bool round = true;

    static constexpr int kMinRatio = 1;
    static constexpr int kMaxRatio = 100;

    bool operator==(const DayConversionValues&) const = default;
};

// Which way the chart goes.
enum class DayConversionKind { kToElapsed, kToCalendar };

// The answer of the checks. message is 0 when the values are taken, else the string id of the
// refusal (IDS_VALUE_RANGE for a field outside its range, with field naming it).
struct DayConversionCheck {
    enum Field { kNone, kYear, kMonth, kDay, kFromRatio, kToRatio };
    UINT message = 0;
    Field field = kNone;
    // The range the refused field must lie in.
    int min = 0;
    int max = 0;

    // When taken: what the document converts with.
    DayConversion conversion;
    // to / from, negated when not rounded or when the two parts are equal.
    double scale = 0.0;
    // The date of elapsed day 1 after the conversion: the chosen date lies N - 1 days after it.
    CTime nobeBase;
};

// The fields' start values: dialog 198 starts at the chart's elapsed-day base date, dialog 199
// at today (kept inside the supported years).
DayConversionValues InitialDayConversion(DayConversionKind kind, const CSyokiSet& settings,
                                         const CTime& today);

// Checks the values against the chart's settings in the order the dialogs refuse them: the field
// ranges first, then the date or day number, the moved period and the scale.
DayConversionCheck CheckDayConversion(DayConversionKind kind, const DayConversionValues& values,
                                      const CSyokiSet& settings);

} // namespace tembra
