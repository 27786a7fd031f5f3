// What the four position dialogs share: the ids of their fields, the calendar and elapsed-day
// point groups, and reading and showing a calendar point.
#pragma once

#include "dialogs/settings/core/ElapsedPosition.h"
#include "platform/Time.h"

#include <functional>

class QDialog;
class QWidget;

namespace tembra {

class CEnterMovesFocus;
class CPointGroup;

// Field ids: the entered point, the base point (read-only), the span.
enum : int {
    IDC_POS_FIRST = 1100, // year (calendar) or month (elapsed), then day, hour, minute, row
    IDC_BASE_FIRST = 1110,
    IDC_SPAN_DAYS = 1120,
    IDC_SPAN_HOURS = 1121,
    IDC_SPAN_MINUTES = 1122,
    IDC_SPAN_HOLIDAYS = 1123,
    IDC_SPAN_CALENDAR = 1124, // 延べ
    IDC_SPAN_WORKING = 1125,  // 実動
};

// The index of each part in a calendar point group and in an elapsed-day one.
enum : int { kCalYear = 0, kCalMonth, kCalDay, kCalHour, kCalMinute, kCalRow, kCalCount };
enum : int { kNobeMonth = 0, kNobeDay, kNobeHour, kNobeMinute, kNobeRow, kNobeCount };

CPointGroup* MakeCalendarGroup(const char* title, int firstId, bool readOnly, QWidget* parent);
CPointGroup* MakeElapsedGroup(const char* title, int firstId, bool readOnly, QWidget* parent);

void ShowCalendarPoint(CPointGroup& group, const CTime& date, int shownRow);
// The date the fields name as they stand (a text that holds no number counts as the lowest
// value of its field).
CTime CalendarPointDate(const CPointGroup& group);
// OK's check of every field against its range, then of the day against its month (the range
// message and the focus back on the first wrong field); the date and the shown row on success.
bool ReadCalendarPoint(const CPointGroup& group, CTime& date, int& shownRow);
// The dialog's own arrows on a calendar point: each field steps within its range, no carry;
// then after runs. Leaving a field of the date or the time of day runs after; what was typed
// stays as it is.
void WireCalendarPoint(CPointGroup& group, std::function<void()> after);

// An elapsed-day point as the fields hold it (a text that holds no number counts as month 1,
// day 1, hour 0, minute 0) and its fields shown; the row is left as it is.
ElapsedPoint ElapsedPointOf(const CPointGroup& group);
void ShowElapsedPoint(CPointGroup& group, const ElapsedPoint& point);
// The dialog's own arrows on an elapsed-day point: month and day step across the missing month 0,
// hour and minute carry; after each press, and after leaving the month, day, hour or minute
// field, the point is normalised and shown and after runs with its date. The row steps within
// its range.
void WireElapsedPoint(CPointGroup& group, const CElapsedScale& scale,
                      std::function<void(const CTime&)> after);
// OK's check of the row, and of the other fields for numbers.
bool ReadElapsedFields(const CPointGroup& group, int& shownRow);

// Disables the hour and minute fields (and with arrows their arrows) for a chart without
// times of day.
void DisableTimeOfDay(CPointGroup& group, bool arrows);

// Every field of the group watched by the dialog's Enter rule.
void WatchGroup(CEnterMovesFocus& enter, const CPointGroup& group);

} // namespace tembra
