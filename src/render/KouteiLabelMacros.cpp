#include "render/KouteiLabels.h"

#include "model/Calendar.h"
#include "model/ConfigChart.h"
#include "model/DcUtility.h"
#include "model/SyokiSet.h"
#include "model/TextMacros.h"
#include "model/Utility.h"
#include "model/Yogo.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"
#include "render/Geometry.h"
#include "render/KouteiRoute.h"
#include "render/PageLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <new>
#include <optional>
#include <string_view>

#include "render/KouteiLabelSupport.h"

namespace tembra {

namespace {

constexpr std::string_view kMonthDay = "%m/%d";
constexpr std::string_view kSpanArrow = "->";

constexpr std::int64_t kHourSeconds = 3600;

// "%ld", or "%ld.%d" with the part below the unit when it is not 0.
std::string WithPart(std::int64_t whole, int part) {
    if (part == 0) {
        return StringPrintf("%lld", static_cast<long long>(whole));
    }
    return StringPrintf("%lld.%d", static_cast<long long>(whole), std::abs(part));
}

std::string InParentheses(const std::string& text) {
    return "(" + text + ")";
}

} // namespace

// ---- Date macros --------------------------------------------------------------------------------

// The macros, in this order, each replacing every occurrence; S and E are the process's start
// and end, B the settings' elapsed-day base date, k the term's date kind (the date D is S for
// k = 1, E for k = 2):
//   "$日時$"      calendar mode: D "%m/%d"; other k: S "->" E
//   "$日時{f}$"   calendar mode, f up to the next "}$" and not empty (the first such macro, every
//                 occurrence of it): D formatted with f's date tokens; other k: S "->" E
//   "$延$"        whole days of D - B; other k: the plain span in days, "%ld" or "%ld.%d" with
//                 the hours part
//   "$延時$"      whole hours of D - B; other k: the plain span in hours, with the minutes part
//   "$実$"        "(%ld)": calendar mode, days of D - B less the calendar's holidays between them;
//                 elapsed mode, the layout's elapsed span of D, one day added when not negative;
//                 other k: the working span less the spare days, "(%ld)" or "(%ld.%d)"
//   "$実時$"      the same in hours (elapsed mode: one hour added)
// The part after the point is the remainder in hours (of days) or minutes (of hours).
void FormatYogoText(const CKoutei& koutei, const CPageLayout& layout, const CYogo& term,
                    std::string& text) {
    const CSyokiSet* set = layout.GetSyokiSet();
    const IPageLayoutDocument* document = layout.GetDocument();
    const CCalendar* calendar = document != nullptr ? document->GetCalendar() : nullptr;
    const bool calendarMode = set == nullptr || set->GetNobeMode() == 0;
    const CTime base = set != nullptr ? set->GetNobeBaseDate() : CTime();
    const CTime start = koutei.GetStartTime();
    const CTime end = koutei.GetEndTime();
    const WORD kind = term.GetDateKind();
    const bool onNode = kind == kYogoOnStart || kind == kYogoOnEnd;
    const CTime date = kind == kYogoOnEnd ? end : start;

    const auto dates = [&](std::string_view format) {
        if (onNode) {
            return date.Format(format);
        }
        return start.Format(format) + std::string(kSpanArrow) + end.Format(format);
    };

    if (calendarMode) {
        ReplaceAll(text, kMacroDate, dates(kMonthDay));
        const std::size_t begin = Sjis::Find(text, kMacroDateFormat);
        if (begin != std::string::npos) {
            const std::size_t formatAt = begin + kMacroDateFormat.size();
            const std::size_t close = Sjis::Find(text, kMacroFormatEnd, formatAt);
            if (close != std::string::npos && close > formatAt) {
                const std::string format = text.substr(formatAt, close - formatAt);
                const std::string macro =
                    text.substr(begin, close + kMacroFormatEnd.size() - begin);
                ReplaceAll(text, macro, dates(FormatDateTokens(format)));
            }
        }
    }

    const CTimeSpan fromBase = date - base;
    const CTimeSpan plain = koutei.CalcSpan(static_cast<const CCalendar*>(nullptr));
    if (onNode) {
        ReplaceAll(text, kMacroNobeDays, WithPart(fromBase.GetDays(), 0));
        ReplaceAll(text, kMacroNobeHours, WithPart(fromBase.GetTotalHours(), 0));
    } else {
        ReplaceAll(text, kMacroNobeDays, WithPart(plain.GetDays(), plain.GetHours()));
        ReplaceAll(text, kMacroNobeHours, WithPart(plain.GetTotalHours(), plain.GetMinutes()));
    }

    if (!onNode) {
        const CTimeSpan work = koutei.CalcSpan(calendar) - koutei.GetSpareDays();
        ReplaceAll(text, kMacroWorkDays, InParentheses(WithPart(work.GetDays(), work.GetHours())));
        ReplaceAll(text, kMacroWorkHours,
                   InParentheses(WithPart(work.GetTotalHours(), work.GetMinutes())));
    } else if (calendarMode) {
        const CTimeSpan holidays =
            calendar != nullptr ? calendar->GetHolidayTime(base, date) : CTimeSpan();
        ReplaceAll(text, kMacroWorkDays,
                   InParentheses(WithPart(fromBase.GetDays() - holidays.GetDays(), 0)));
        ReplaceAll(text, kMacroWorkHours,
                   InParentheses(WithPart(fromBase.GetTotalHours() - holidays.GetTotalHours(), 0)));
    } else {
        const std::int64_t span =
            layout.DateToNobeYMD(date, nullptr, nullptr, nullptr).GetTimeSpan();
        const std::int64_t days = span >= 0 ? span + kDaySeconds : span;
        const std::int64_t hours = span >= 0 ? span + kHourSeconds : span;
        ReplaceAll(text, kMacroWorkDays, InParentheses(WithPart(days / kDaySeconds, 0)));
        ReplaceAll(text, kMacroWorkHours, InParentheses(WithPart(hours / kHourSeconds, 0)));
    }
    // A long span or format can grow the text past the term's field.
    text = Sjis::Cut(text, CYogo::kTextCapacity);
}

} // namespace tembra
