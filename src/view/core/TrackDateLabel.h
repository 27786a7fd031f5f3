// The texts of the date labels a process drag or drawing shows beside the moving end, of the
// duration label at the middle of the line, and of the date text that follows the cursor.
//
// Dates: in a calendar-day chart "MM/DD" at midnight, "DD.HH" on a whole hour, else
// "DD.HH:MM"; in an elapsed-day chart the elapsed months (counting the years past the first as
// twelve each) and days "MMM/DD" at midnight, else the day and time as above. Rows: "[NN]" with
// the row counted from 1. Durations: "D", "D.H" or "D.H:M", followed by the working-day span in
// parentheses when that differs.
#pragma once

#include "platform/Time.h"

#include <optional>
#include <string>

namespace tembra {

class CPageLayout;

class CTrackDateLabel {
public:
    // The date text; layout null (or calendar-day) uses the calendar form.
    static std::string FormatDate(const CPageLayout* elapsedLayout, const CTime& date);
    static std::string FormatRow(int row);
    // The label at a span's end: the row, a blank and the date right-aligned when the span runs
    // forward (rightAligned set), else the date, a blank and the row left-aligned.
    static std::string SpanLabel(const std::string& date, const std::string& row, bool forward);
    // The date a span's end shows: with endDateDec, a forward span ending at midnight shows the
    // day before (the last day the period covers).
    static CTime ShownEnd(const CTime& start, const CTime& end, bool endDateDec);
    // The duration label; empty for a zero span.
    static std::string FormatDuration(const CTimeSpan& plain,
                                      const std::optional<CTimeSpan>& working);
    static std::string FormatSpan(const CTimeSpan& span);
};

} // namespace tembra
