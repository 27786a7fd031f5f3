#include "dialogs/attributes/core/HensokuFields.h"

#include "model/Utility.h"
#include "platform/RangeMessage.h"
#include "platform/Time.h"

#include <algorithm>

namespace tembra {

namespace {

constexpr UINT IDS_WHOLE_DAY_ALL_DAYS = 5913; // "「終日」で「曜日指定なし」は無効です"
constexpr UINT IDS_WHOLE_RANGE_ALL_DAYS = 5914; // "「全期間」で「曜日指定なし」は無効です"
constexpr UINT IDS_BAD_PERIOD = 5915;           // "期間指定が正しくありません"
constexpr UINT IDS_BAD_HOURS = 5916;            // "時間指定が正しくありません。..."

void ClampDate(int& year, int& month, int& day) {
    year = std::clamp(year, kMinDateYear, kMaxDateYear);
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, GetDaysInMonth(year, month));
}

void SetDates(HensokuFields& fields, const CTime& start, const CTime& end) {
    fields.startYear = start.GetYear();
    fields.startMonth = start.GetMonth();
    fields.startDay = start.GetDay();
    fields.endYear = end.GetYear();
    fields.endMonth = end.GetMonth();
    fields.endDay = end.GetDay();
}

} // namespace

HensokuFields NewHensokuFields() {
    HensokuFields fields;
    SetDates(fields, GetMinDate(), GetMaxDate());
    return fields;
}

HensokuFields LoadHensokuFields(const CHensokuData& data, bool hourMode) {
    HensokuFields fields = NewHensokuFields();
    fields.specified = data.GetRangeKind() != 0 ? 1 : 0;
    if (fields.specified != 0) {
        if (hourMode) {
            fields.startHour = data.GetStartHour();
            fields.endHour = data.GetEndHour();
        } else {
            SetDates(fields, CTime(data.GetStart()), CTime(data.GetEnd()));
        }
    }
    fields.dayClass = data.GetDayClass();
    fields.weekdays = data.GetDayClass() == CHensokuData::kChosenWeekdays ? data.GetWeekdays() : 0;
    fields.numerator = static_cast<int>(data.GetNumerator());
    fields.denominator = static_cast<int>(data.GetDenominator());
    fields.dateColumn = data.GetDateColumn() != 0 ? 1 : 0;
    fields.ruledLine = data.GetRuledLine() != 0 ? 1 : 0;
    return fields;
}

UINT CheckHensokuFields(HensokuFields& fields, bool hourMode) {
    const bool everyDay = fields.dayClass == CHensokuData::kAllDays;
    if (hourMode) {
        if (fields.specified == 0 && everyDay) {
            return IDS_WHOLE_DAY_ALL_DAYS;
        }
        if (fields.specified != 0 && fields.startHour >= fields.endHour) {
            return IDS_BAD_HOURS;
        }
    } else if (fields.specified == 0) {
        if (everyDay) {
            return IDS_WHOLE_RANGE_ALL_DAYS;
        }
    } else {
        ClampDate(fields.startYear, fields.startMonth, fields.startDay);
        ClampDate(fields.endYear, fields.endMonth, fields.endDay);
        if (CTime(fields.startYear, fields.startMonth, fields.startDay) >
            CTime(fields.endYear, fields.endMonth, fields.endDay)) {
            return IDS_BAD_PERIOD;
        }
    }
    // A part of 0 would divide by zero when the scale is built; a negative one makes no width.
    for (const int part : {fields.numerator, fields.denominator}) {
        if (part < HensokuFields::kMinRatio || part > HensokuFields::kMaxRatio) {
            return IDS_VALUE_RANGE;
        }
    }
    return 0;
}

std::unique_ptr<CHensokuData> MakeHensokuData(HensokuFields fields, bool hourMode) {
    if (CheckHensokuFields(fields, hourMode) != 0) {
        return nullptr;
    }
    const WORD weekdays = fields.dayClass == CHensokuData::kChosenWeekdays ? fields.weekdays : 0;
    auto data = std::make_unique<CHensokuData>();
    const auto rangeKind = static_cast<WORD>(fields.specified);
    const auto dayClass = static_cast<short>(fields.dayClass);
    const auto dateColumn = static_cast<short>(fields.dateColumn);
    const auto ruledLine = static_cast<short>(fields.ruledLine);
    const BOOL made =
        hourMode
            ? data->SetHourPeriod(rangeKind, fields.startHour, fields.endHour, dayClass, weekdays,
                                  dateColumn, ruledLine, fields.numerator, fields.denominator)
            : data->SetDayPeriod(
                  rangeKind, CTime(fields.startYear, fields.startMonth, fields.startDay).GetTime(),
                  CTime(fields.endYear, fields.endMonth, fields.endDay).GetTime(), dayClass,
                  weekdays, dateColumn, ruledLine, fields.numerator, fields.denominator);
    return made ? std::move(data) : nullptr;
}

} // namespace tembra
