#include "dialogs/settings/PositionFields.h"

#include "dialogs/settings/ArrowField.h"
#include "dialogs/settings/PointGroup.h"
#include "dialogs/settings/core/CalendarPosition.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QLineEdit>

#include <array>

namespace tembra {

namespace {

constexpr std::array<CalendarFieldRange, kCalCount> kCalendarRanges{
    kYearRange, kMonthRange, kDayRange, kHourRange, kMinuteRange, kRowRange};

} // namespace

CPointGroup* MakeCalendarGroup(const char* title, int firstId, bool readOnly, QWidget* parent) {
    return new CPointGroup(title,
                           {{firstId, nullptr, "年"},
                            {firstId + 1, nullptr, "月"},
                            {firstId + 2, nullptr, "日"},
                            {firstId + 3, nullptr, "時"},
                            {firstId + 4, nullptr, "分"},
                            {firstId + 5, nullptr, "行"}},
                           readOnly, parent);
}

CPointGroup* MakeElapsedGroup(const char* title, int firstId, bool readOnly, QWidget* parent) {
    return new CPointGroup(title,
                           {{firstId, "第", "月"},
                            {firstId + 1, nullptr, "日"},
                            {firstId + 2, nullptr, "時"},
                            {firstId + 3, nullptr, "分"},
                            {firstId + 4, nullptr, "行"}},
                           readOnly, parent);
}

void ShowCalendarPoint(CPointGroup& group, const CTime& date, int shownRow) {
    group.Show({date.GetYear(), date.GetMonth(), date.GetDay(), date.GetHour(), date.GetMinute(),
                shownRow});
}

CTime CalendarPointDate(const CPointGroup& group) {
    std::array<int, kCalRow> parts{};
    for (int i = 0; i < kCalRow; ++i) {
        parts[i] = group.Field(i)->Value(kCalendarRanges[i].min);
    }
    return CTime(parts[0], parts[1], parts[2], parts[3], parts[4]);
}

bool ReadCalendarPoint(const CPointGroup& group, CTime& date, int& shownRow) {
    std::array<int, kCalCount> parts{};
    for (int i = 0; i < kCalCount; ++i) {
        if (!ReadIntField(group.Field(i)->Field(), kCalendarRanges[i].min, kCalendarRanges[i].max,
                          parts[i], kRangeMessages)) {
            return false;
        }
    }
    // The date is checked as a whole once the user is done: a day the month does not have is
    // refused on the day field with the range of that month.
    const int days = CivilDate::DaysInMonth(parts[kCalYear], parts[kCalMonth]);
    if (parts[kCalDay] > days) {
        ReadIntField(group.Field(kCalDay)->Field(), kDayRange.min, days, parts[kCalDay],
                     kRangeMessages);
        return false;
    }
    date = CTime(parts[0], parts[1], parts[2], parts[3], parts[4]);
    shownRow = parts[kCalRow];
    return true;
}

void WireCalendarPoint(CPointGroup& group, std::function<void()> after) {
    for (int i = 0; i < kCalCount; ++i) {
        CArrowField* field = group.Field(i);
        const CalendarFieldRange range = kCalendarRanges[i];
        field->OnStep([field, range, after, i](int delta) {
            field->SetValue(StepInRange(field->Value(range.min), delta, range));
            if (i != kCalRow) {
                after();
            }
        });
    }
    // Leaving a field keeps what was typed (a month and a day may be typed in either order);
    // the date is checked on OK.
    CPointGroup* point = &group;
    for (int i = kCalYear; i <= kCalMinute; ++i) {
        QObject::connect(point->Field(i)->Field(), &QLineEdit::editingFinished, point, after);
    }
}

ElapsedPoint ElapsedPointOf(const CPointGroup& group) {
    ElapsedPoint point;
    point.month = group.Field(kNobeMonth)->Value(1);
    point.day = group.Field(kNobeDay)->Value(1);
    point.hour = group.Field(kNobeHour)->Value(0);
    point.minute = group.Field(kNobeMinute)->Value(0);
    return point;
}

void ShowElapsedPoint(CPointGroup& group, const ElapsedPoint& point) {
    group.Show({point.month, point.day, point.hour, point.minute});
}

void WireElapsedPoint(CPointGroup& group, const CElapsedScale& scale,
                      std::function<void(const CTime&)> after) {
    CPointGroup* point = &group;
    const CElapsedScale* steps = &scale;
    auto normalise = [point, steps, after](ElapsedPoint typed) {
        const CTime date = steps->Normalise(typed);
        ShowElapsedPoint(*point, typed);
        after(date);
    };
    for (int i = kNobeMonth; i <= kNobeMinute; ++i) {
        point->Field(i)->OnStep([point, steps, normalise, i](int delta) {
            ElapsedPoint typed = ElapsedPointOf(*point);
            if (i == kNobeMonth) {
                steps->StepMonth(typed, delta);
            } else if (i == kNobeDay) {
                steps->StepDay(typed, delta);
            } else {
                (i == kNobeHour ? typed.hour : typed.minute) += delta;
            }
            normalise(typed);
        });
        QObject::connect(point->Field(i)->Field(), &QLineEdit::editingFinished, point,
                         [point, normalise] { normalise(ElapsedPointOf(*point)); });
    }
    CArrowField* row = point->Field(kNobeRow);
    row->OnStep([row](int delta) {
        row->SetValue(StepInRange(row->Value(kRowRange.min), delta, kRowRange));
    });
}

bool ReadElapsedFields(const CPointGroup& group, int& shownRow) {
    for (int i = kNobeMonth; i <= kNobeMinute; ++i) {
        int value = 0;
        if (!ReadIntField(group.Field(i)->Field(), -99999, 99999, value, kRangeMessages)) {
            return false;
        }
    }
    return ReadIntField(group.Field(kNobeRow)->Field(), kRowRange.min, kRowRange.max, shownRow,
                        kRangeMessages);
}

void DisableTimeOfDay(CPointGroup& group, bool arrows) {
    // The hour and the minute are the two parts before the row, in both kinds of group.
    const int hour = static_cast<int>(group.Size()) - 3;
    for (const int part : {hour, hour + 1}) {
        group.Field(part)->EnableField(false);
        if (arrows) {
            group.Field(part)->EnableArrows(false);
        }
    }
}

void WatchGroup(CEnterMovesFocus& enter, const CPointGroup& group) {
    for (std::size_t i = 0; i < group.Size(); ++i) {
        enter.Watch({group.Field(i)->Field()});
    }
}

} // namespace tembra
