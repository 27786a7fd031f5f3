// What the irregular period dialog (254 "変則期間設定") shows of one period, and the rules it
// applies without widgets: the fields of a new period, of a listed one, the checks before a
// period is added, changed or the dialog is closed, and the period the fields make.
#pragma once

#include "model/Hensoku.h"
#include "platform/Types.h"

#include <memory>

namespace tembra {

struct HensokuFields {
    // Bits of the weekday mask.
    enum : WORD { kSun = 1, kMon = 2, kTue = 4, kWed = 8, kThu = 16, kFri = 32, kSat = 64 };
    // The ratio "N ／ M" is limited to what the list shows (three digits).
    static constexpr int kMinRatio = 1;
    static constexpr int kMaxRatio = 999;

    // 0 the whole range ("全期間", "終日"), 1 specified ("期間指定:", "時間指定:").
    int specified = 0;
    int startYear = 0;
    int startMonth = 1;
    int startDay = 1;
    int endYear = 0;
    int endMonth = 12;
    int endDay = 31;
    // Hours of the day; the end is exclusive (1 .. 24).
    int startHour = 0;
    int endHour = 24;
    // CHensokuData::kAllDays .. kChosenWeekdays.
    int dayClass = CHensokuData::kHolidays;
    // Only for kChosenWeekdays.
    WORD weekdays = 0;
    int numerator = 1;
    int denominator = 2;
    // "日付欄", "罫線": 0 "なし", 1 "自動".
    int dateColumn = 1;
    int ruledLine = 1;

    bool operator==(const HensokuFields&) const = default;
};

// The fields of a new period: the whole range of holidays, 1 ／ 2, both "自動", the dates of
// the whole supported range (hours 0 to 24).
HensokuFields NewHensokuFields();
// The fields of a listed period in the mode given: dates (or hours) of the whole range when the
// period is not specified, weekdays only for chosen weekdays.
HensokuFields LoadHensokuFields(const CHensokuData& data, bool hourMode);

// The checks before a period is taken; 0 when the fields pass, else the message: 5913 the whole
// day of every day (hour mode), 5914 the whole range of every day, 5915 a start date after the
// end, 5916 a start hour not before the end hour, IDS_VALUE_RANGE a ratio part outside its
// range. Date parts are first clamped into their ranges (31 February is its last day), in place.
UINT CheckHensokuFields(HensokuFields& fields, bool hourMode);

// The period the fields make (checked first); nullptr when they are refused.
std::unique_ptr<CHensokuData> MakeHensokuData(HensokuFields fields, bool hourMode);

} // namespace tembra
