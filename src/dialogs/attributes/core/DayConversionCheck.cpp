#include "dialogs/attributes/core/DayConversionCheck.h"

#include "model/Utility.h"
#include "platform/RangeMessage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tembra {

namespace {

constexpr UINT IDS_PREPARATION_TOO_LONG = 5038; // "準備期間が大きすぎます"
constexpr UINT IDS_SCALE_TOO_LARGE = 5043;      // "指定係数が大きすぎます"
constexpr UINT IDS_SCALE_TOO_SMALL = 5044;      // "指定係数が小さすぎます"
constexpr UINT IDS_SHIFT_TOO_LARGE = 5051;      // "移動日数が大きすぎます"
constexpr UINT IDS_DAY_TOO_LARGE = 5055;        // "指定延日が大きすぎます"
constexpr UINT IDS_DAY_TOO_SMALL = 5056;        // "指定延日が小さすぎます"
constexpr UINT IDS_DATE_TOO_LARGE = 5070;       // "指定暦日が大きすぎます"
constexpr UINT IDS_DATE_TOO_SMALL = 5071;       // "指定暦日が小さすぎます"

constexpr std::int64_t kDaySeconds = 24 * 60 * 60;

// Midnight of the day a time lies on.
CTime DateOf(const CTime& time) {
    return CTime(time.GetYear(), time.GetMonth(), time.GetDay());
}

CTime AddDays(const CTime& date, std::int64_t days) {
    return CTime(date.GetYear(), date.GetMonth(), date.GetDay() + static_cast<int>(days));
}

// Whole days from one midnight to another; a day that a clock change shortened still counts one.
std::int64_t DaysBetween(const CTime& from, const CTime& to) {
    return std::llround(static_cast<double>((DateOf(to) - DateOf(from)).GetTimeSpan()) /
                        kDaySeconds);
}

DayConversionCheck Refuse(UINT message) {
    DayConversionCheck check;
    check.message = message;
    return check;
}

// The field ranges, as the dialogs' fields refuse them.
DayConversionCheck CheckRanges(const DayConversionValues& v) {
    struct Range {
        int value;
        DayConversionCheck::Field field;
        int min;
        int max;
    };
    const Range ranges[] = {
        {v.year, DayConversionCheck::kYear, kMinDateYear, kMaxDateYear},
        {v.month, DayConversionCheck::kMonth, 1, 12},
        {v.day, DayConversionCheck::kDay, 1, 31},
        {v.fromRatio, DayConversionCheck::kFromRatio, DayConversionValues::kMinRatio,
         DayConversionValues::kMaxRatio},
        {v.toRatio, DayConversionCheck::kToRatio, DayConversionValues::kMinRatio,
         DayConversionValues::kMaxRatio},
    };
    for (const Range& r : ranges) {
        if (r.value < r.min || r.value > r.max) {
            DayConversionCheck check = Refuse(IDS_VALUE_RANGE);
            check.field = r.field;
            check.min = r.min;
            check.max = r.max;
            return check;
        }
    }
    return {};
}

// Steps shared by both directions: the chart period moved by shift days must stay inside the
// supported dates, and scaled at its new start it must end inside them and last at least a day.
UINT CheckMovedPeriod(const CSyokiSet& settings, std::int64_t shift, double scale) {
    const CTime start = AddDays(DateOf(settings.GetStartDate()), shift);
    const CTime end = AddDays(DateOf(settings.GetEndDate()), shift);
    if (start < GetMinDate() || end > GetMaxDate()) {
        return IDS_SHIFT_TOO_LARGE;
    }
    const double scaledDays = settings.GetDayCount() * scale;
    const double lastDays = static_cast<double>(DaysBetween(start, GetMaxDate())) + 1.0;
    if (scaledDays > lastDays) {
        return IDS_SCALE_TOO_LARGE;
    }
    if (scaledDays < 1.0) {
        return IDS_SCALE_TOO_SMALL;
    }
    return 0;
}

} // namespace

DayConversionValues InitialDayConversion(DayConversionKind kind, const CSyokiSet& settings,
                                         const CTime& today) {
    CTime date = kind == DayConversionKind::kToElapsed ? settings.GetNobeBaseDate() : today;
    date = std::clamp(DateOf(date), GetMinDate(), GetMaxDate());
    DayConversionValues values;
    values.year = date.GetYear();
    values.month = date.GetMonth();
    values.day = date.GetDay();
    return values;
}

DayConversionCheck CheckDayConversion(DayConversionKind kind, const DayConversionValues& values,
                                      const CSyokiSet& settings) {
    if (DayConversionCheck range = CheckRanges(values); range.message != 0) {
        return range;
    }
    // 31 February is the last of February, not a day of March.
    const CTime date(values.year, values.month,
                     std::min(values.day, GetDaysInMonth(values.year, values.month)));
    const std::int64_t n = values.dayNumber;
    const CTime oldBase = DateOf(settings.GetNobeBaseDate());
    // The date the elapsed day N stands on before the conversion.
    const CTime dayN = AddDays(oldBase, n - 1);
    std::int64_t shift = 0;
    if (kind == DayConversionKind::kToElapsed) {
        if (date < DateOf(settings.GetWorkStartDate())) {
            return Refuse(IDS_DATE_TOO_SMALL);
        }
        if (date > DateOf(settings.GetWorkEndDate())) {
            return Refuse(IDS_DATE_TOO_LARGE);
        }
        if (n < 1 && -n > settings.GetDayCount() - 1) {
            return Refuse(IDS_PREPARATION_TOO_LONG);
        }
        // The calendar date becomes day N: the objects move from it to where day N stands.
        shift = DaysBetween(date, dayN);
    } else {
        if (n < 0 && -n > settings.GetNobeOffset().GetDays()) {
            return Refuse(IDS_DAY_TOO_SMALL);
        }
        if (n >= 0 && n - 1 > DaysBetween(oldBase, settings.GetWorkEndDate())) {
            return Refuse(IDS_DAY_TOO_LARGE);
        }
        // Day N becomes the calendar date.
        shift = DaysBetween(dayN, date);
    }
    const double scale = static_cast<double>(values.toRatio) / values.fromRatio;
    if (const UINT refused = CheckMovedPeriod(settings, shift, scale); refused != 0) {
        return Refuse(refused);
    }

    DayConversionCheck check;
    check.conversion.offset = CTimeSpan(n - 1, 0, 0, 0);
    check.conversion.date = date;
    check.conversion.holidayChoice = values.holidayChoice;
    if (kind == DayConversionKind::kToElapsed) {
        check.conversion.calendarRatio = values.fromRatio;
        check.conversion.elapsedRatio = values.toRatio;
    } else {
        check.conversion.elapsedRatio = values.fromRatio;
        check.conversion.calendarRatio = values.toRatio;
    }
    check.conversion.round = values.round;
    const bool negate = !values.round || values.fromRatio == values.toRatio;
    check.scale = negate ? -scale : scale;
    check.nobeBase = AddDays(date, -(n - 1));
    return check;
}

} // namespace tembra
