#include "view/core/TrackDateLabel.h"

#include "render/PageLayout.h"

#include <cstdio>

namespace tembra {

namespace {

std::string Printf(const char* format, long a, long b, long c = 0) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, a, b, c);
    return buffer;
}

} // namespace

std::string CTrackDateLabel::FormatDate(const CPageLayout* elapsedLayout, const CTime& date) {
    const int hour = date.GetHour();
    const int minute = date.GetMinute();
    long day = date.GetDay();
    if (elapsedLayout != nullptr) {
        int years = 0;
        int months = 0;
        int days = 0;
        elapsedLayout->DateToNobeYMD(date, &years, &months, &days);
        if (years > 0) {
            months += (years - 1) * 12;
        }
        if (hour == 0 && minute == 0) {
            return Printf("%03ld/%02ld", months, days);
        }
        day = days;
    } else if (hour == 0 && minute == 0) {
        return Printf("%02ld/%02ld", date.GetMonth(), day);
    }
    if (minute == 0) {
        return Printf("%02ld.%02ld", day, hour);
    }
    return Printf("%02ld.%02ld:%02ld", day, hour, minute);
}

std::string CTrackDateLabel::FormatRow(int row) {
    return Printf("[%02ld]", row + 1L, 0);
}

std::string CTrackDateLabel::SpanLabel(const std::string& date, const std::string& row,
                                       bool forward) {
    return forward ? row + " " + date : date + " " + row;
}

CTime CTrackDateLabel::ShownEnd(const CTime& start, const CTime& end, bool endDateDec) {
    if (endDateDec && end.GetHour() == 0 && end.GetMinute() == 0 && start < end) {
        return end - CTimeSpan(1, 0, 0, 0);
    }
    return end;
}

std::string CTrackDateLabel::FormatSpan(const CTimeSpan& span) {
    const long days = static_cast<long>(span.GetDays());
    if (span.GetHours() == 0 && span.GetMinutes() == 0) {
        return Printf("%ld", days, 0);
    }
    if (span.GetMinutes() == 0) {
        return Printf("%ld.%ld", days, span.GetHours());
    }
    return Printf("%ld.%ld:%ld", days, span.GetHours(), span.GetMinutes());
}

std::string CTrackDateLabel::FormatDuration(const CTimeSpan& plain,
                                            const std::optional<CTimeSpan>& working) {
    if (plain.GetTimeSpan() == 0) {
        return std::string();
    }
    std::string text = FormatSpan(plain);
    if (working && working->GetTimeSpan() != plain.GetTimeSpan()) {
        text += "(" + FormatSpan(*working) + ")";
    }
    return text;
}

} // namespace tembra
