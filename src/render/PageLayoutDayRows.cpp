// The day rows of the date header: day numbers (calendar or elapsed), their weekly variant and
// the weekday names. Each label is fitted to the width its day (or its group of days) gets on
// the time axis, calendar labels are coloured by weekday and holiday, and every group of days
// is separated by a grid line.
//
// A row's labels are drawn after its separators (see RowLabels).
//
// Only the days near the clip box are visited: the clip box widened by one label group on
// each side, so that what a label or a separator inside it depends on is always visited.
#include "render/PageLayout.h"

#include "model/Calendar.h"
#include "model/ConfigPrint.h"
#include "model/HensokuScale.h"
#include "model/Utility.h"
#include "platform/DC.h"
#include "render/DateRowSupport.h"
#include "render/DrawSettings.h"
#include "render/StyledDraw.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tembra {

using daterow::NarrowFont;
using daterow::TextWidth;

namespace {

constexpr CTimeSpan kOneDay(1, 0, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kScreenRed = RGB(255, 0, 0);
constexpr COLORREF kScreenBlue = RGB(0, 0, 255);
constexpr COLORREF kScreenGreen = RGB(0, 255, 0);

constexpr int kSunday = 1;
constexpr int kMonday = 2;
constexpr int kSaturday = 7;
constexpr int kDaysPerWeek = 7;

// "%2d日"
constexpr const char* kDayFormat = "%2d\x93\xfa";
constexpr const char* kNumberFormat = "%2d";
// Sunday first: 日 月 火 水 木 金 土, and the English names of WeekMode 2.
constexpr std::array<const char*, kDaysPerWeek> kWeekdayNames = {
    "\x93\xfa", "\x8c\x8e", "\x89\xce", "\x90\x85", "\x96\xd8", "\x8b\xe0", "\x93\x79"};
constexpr std::array<const char*, kDaysPerWeek> kWeekdayNamesEnglish = {"Sun", "Mon", "Tue", "Wed",
                                                                        "Thu", "Fri", "Sat"};
constexpr int kEnglishWeekdays = 2;

// Where a day row's painter starts: the clip box and the settings it reads.
struct DayRowStart {
    CRect clip;
    daterow::RowSettings settings;
};

// None, and nothing to paint, without a device or where the clip box misses the date band.
std::optional<DayRowStart> BeginDayRow(const CPageLayout& layout, CDC* dc) {
    if (dc == nullptr) {
        return std::nullopt;
    }
    DayRowStart start;
    if (!daterow::HeaderClip(layout, dc, start.clip)) {
        return std::nullopt;
    }
    start.settings = daterow::ReadRowSettings(layout);
    return start;
}

// A label of length bytes that needs more than its room is squeezed into it where it may be:
// narrowed then holds the narrower font, and needed becomes the room. False where the label is
// left out: it may not be squeezed, or no narrower font fits.
bool FitLabel(const LOGFONT& font, std::size_t length, int room, bool squeezable, int& needed,
              std::optional<LOGFONT>& narrowed) {
    if (needed <= room) {
        return true;
    }
    if (!squeezable) {
        return false;
    }
    narrowed = NarrowFont(font, room, length);
    if (!narrowed) {
        return false;
    }
    needed = room;
    return true;
}

// The days a row painter visits: the period's days near the clip box, with the x of the first
// one and the x after the last one.
struct DayWindow {
    CTime first;
    CTime last;
    int left = 0;
    int right = 0;
};

DayWindow VisibleDays(const CPageLayout& layout, const CRect& clip, int marginDays) {
    DayWindow window;
    window.first = layout.GetStartDate();
    window.last = layout.GetEndDate();
    const CRect chart = layout.GetChartRect();
    const CTimeSpan margin(marginDays, 0, 0, 0);
    if (chart.left < clip.left) {
        window.first = std::max(window.first, layout.XToDate(clip.left, 0, 0) - margin);
    }
    if (clip.right < chart.right) {
        window.last = std::min(window.last, layout.XToDate(clip.right, 0, 0) + margin);
    }
    window.left = layout.DateToX(window.first);
    window.right = layout.DateToX(window.last + kOneDay);
    return window;
}

bool IsLastDayOfMonth(const CTime& day) {
    return day.GetDay() == GetDaysInMonth(day.GetYear(), day.GetMonth());
}

// The colour of a calendar label: Sundays and holidays red, Saturdays blue (green in the day
// row on a black screen), on paper the print settings' colours; a colour the device cannot
// show exactly is drawn black.
COLORREF WeekdayColor(const CPageLayout& layout, CDC* dc, const CTime& day, bool dayRow) {
    const IPageLayoutDocument* doc = layout.GetDocument();
    const CCalendar* calendar = doc != nullptr ? doc->GetCalendar() : nullptr;
    const int weekday = day.GetDayOfWeek();
    const bool holiday = calendar != nullptr && calendar->IsHoliday(day) != FALSE;
    COLORREF color = kBlack;
    if (layout.GetOutputMode() != 0) {
        const CConfigPrint& print = layout.GetPrintConfig();
        if (weekday == kSunday || holiday) {
            color = print.GetSundayColor();
        } else if (weekday == kSaturday) {
            color = print.GetSatdayColor();
        }
    } else if (weekday == kSunday || holiday) {
        color = kScreenRed;
    } else if (weekday == kSaturday) {
        color = dayRow && GetDrawSettings().blackBack ? kScreenGreen : kScreenBlue;
    }
    if (dc->GetNearestColor(color) != color) {
        color = kBlack;
    }
    return color;
}

// Whether a separator of a group narrowed by irregular periods stays: at the start of a
// period when the group keeps a fifth of its width, or where the width changes when it keeps
// a tenth.
bool KeepsScaledSeparator(const CHensokuScale& scale, const CTime& day, double span, double full) {
    if (span >= full) {
        return true;
    }
    if (scale.GetDayFlag(day) != 0 && span >= full / 5.0) {
        return true;
    }
    return scale.GetFactor(day) != scale.GetFactor(day - kOneDay) && span >= full / 10.0;
}

// The labels of a row, drawn once its separators are: a printer then gets the row's grid lines
// in one run of one pen instead of a pen switch at every day. A label keeps inside its group
// of days, clear of the separators, so the order does not change what the row shows.
class RowLabels {
public:
    void Add(int x, int y, const std::optional<LOGFONT>& narrowed, COLORREF color, std::string text,
             UINT align) {
        m_labels.push_back({x, y, narrowed, color, std::move(text), align});
    }
    void Draw(CDC* dc) const {
        for (const Label& label : m_labels) {
            DrawStyledText(dc, label.x, label.y, label.narrowed ? &*label.narrowed : nullptr,
                           label.color, label.text, label.align, R2_COPYPEN, TRANSPARENT);
        }
    }

private:
    struct Label {
        int x = 0;
        int y = 0;
        std::optional<LOGFONT> narrowed;
        COLORREF color = 0;
        std::string text;
        UINT align = 0;
    };
    std::vector<Label> m_labels;
};

} // namespace

void CPageLayout::DrawDayRow(CDC* dc, const LOGFONT& font, int top, int bottom, int step,
                             int mode) const {
    const std::optional<DayRowStart> begun = BeginDayRow(*this, dc);
    if (!begun) {
        return;
    }
    const auto& [clip, settings] = *begun;
    step = std::max(step, 1);
    const bool scaled = settings.dateUnit == 0 && m_scale.IsBuilt();
    const DayWindow window = VisibleDays(*this, clip, step + 1);
    const int z = Zoom(1);
    const int textTop = daterow::TextTop(font, top, bottom);
    const std::int64_t monthDays = GetMonthSpan().GetDays();
    const CTime drawStart = GetDrawStart();
    const CTime drawEnd = GetDrawEnd();

    CTime groupDay = window.first;
    int groupX = window.left;
    RowLabels labels;
    for (CTime day = window.first; day <= window.last; day += kOneDay) {
        const int x0 = DateToX(day);
        const int x1 = DateToX(day + kOneDay);

        std::int64_t n = day.GetDay();
        if (mode != 0) {
            const std::int64_t elapsed = DateToNobeYMD(day, nullptr, nullptr, nullptr).GetDays();
            n = elapsed;
            if (mode == 2) {
                n = elapsed % monthDays;
                if (n < 0) {
                    n += monthDays;
                }
            }
            if (n >= 0) {
                ++n;
            }
        }

        if ((n > 0 && (n - 1) % step == 0) || (n < 0 && n % step == 0)) {
            groupDay = day;
            groupX = x0;
            int kind = settings.keisenUnit == 4 || settings.keisenUnit == 5 || (n == 1 && mode != 1)
                           ? kSeparatorMajor
                           : kSeparatorVertical;
            bool keep = !(mode == 0 && step >= 10 && IsLastDayOfMonth(day));
            if (keep && scaled && !(mode == 0 && n == 1)) {
                keep = KeepsScaledSeparator(
                    m_scale, day, m_scale.GetSpanWidth(day, day + CTimeSpan(step, 0, 0, 0)), step);
            }
            if (keep) {
                DrawDateSeparator(dc, kind, x0, top, x0, bottom);
            }
        }

        if (day < drawStart || day > drawEnd || n % step != 0) {
            continue;
        }
        const bool centred = step == 1;
        const bool closesGroup = !centred && n > 0;
        const int room = closesGroup ? std::min(ClampCoord(x1 - groupX), x1 - window.left) - z
                                     : std::min(ClampCoord(x1 - x0), window.right - x0) - z;
        std::string text =
            StringPrintf(settings.dayMode == 1 ? kNumberFormat : kDayFormat, static_cast<int>(n));
        RemoveSpaces(text);
        if (settings.dayMode != 1 && TextWidth(font, text) > room) {
            text = StringPrintf(kNumberFormat, static_cast<int>(n));
            RemoveSpaces(text);
        }
        int needed = TextWidth(font, text);
        std::optional<LOGFONT> narrowed;
        // Only elapsed numbers of three digits or a sign are squeezed in.
        const bool squeezable = mode != 0 && !(n >= 0 && n <= 99);
        if (!FitLabel(font, text.size(), room, squeezable, needed, narrowed)) {
            continue;
        }
        if (scaled) {
            const double width = closesGroup ? m_scale.GetSpanWidth(groupDay, day + kOneDay)
                                             : m_scale.GetFactor(day);
            if (width < step && !(m_scale.GetDayFlag(day) != 0 && width >= step / 5.0)) {
                continue;
            }
        }
        int x = x1 - z;
        UINT align = TA_RIGHT;
        COLORREF color = kBlack;
        if (centred) {
            x = x0 + z + (room - needed) / 2;
            align = TA_LEFT;
            if (mode == 0) {
                color = WeekdayColor(*this, dc, day, true);
            }
        } else if (n < 0) {
            x = x0 + z;
            align = TA_LEFT;
        }
        if (x < window.left + z || x > window.right - z) {
            continue;
        }
        labels.Add(x, textTop, narrowed, color, std::move(text), align);
    }
    labels.Draw(dc);
    daterow::DrawRowRule(*this, dc, bottom);
}

void CPageLayout::DrawWeeklyDayRow(CDC* dc, const LOGFONT& font, int top, int bottom,
                                   int step) const {
    const std::optional<DayRowStart> begun = BeginDayRow(*this, dc);
    if (!begun) {
        return;
    }
    const auto& [clip, settings] = *begun;
    step = std::max(step, 1);
    const bool scaled = settings.dateUnit == 1 && m_scale.IsBuilt();
    const int groupDays = kDaysPerWeek * step;
    const DayWindow window = VisibleDays(*this, clip, groupDays + 1);
    const int z = Zoom(1);
    const int textTop = daterow::TextTop(font, top, bottom);
    const CTime drawStart = GetDrawStart();
    const CTime drawEnd = GetDrawEnd();

    // Weeks run Monday to Sunday and are counted from the period's first day, wherever the
    // walk begins: the counter of the first visited day is 1 + the Sundays before it.
    std::int64_t counter = 1;
    {
        const CTime origin = GetStartDate();
        const std::int64_t days = (window.first - origin).GetDays();
        const std::int64_t firstSunday = (kDaysPerWeek + kSunday - origin.GetDayOfWeek()) % 7;
        if (days > firstSunday) {
            counter += (days - firstSunday - 1) / kDaysPerWeek + 1;
        }
    }

    CTime groupDay = window.first;
    int groupX = window.left;
    RowLabels labels;
    for (CTime day = window.first; day <= window.last; day += kOneDay) {
        const int x0 = DateToX(day);
        const int weekday = day.GetDayOfWeek();
        if (weekday == kMonday && (counter - 1) % step == 0) {
            groupDay = day;
            groupX = x0;
            bool keep = true;
            if (scaled) {
                keep = KeepsScaledSeparator(
                    m_scale, day, m_scale.GetSpanWidth(day, day + CTimeSpan(groupDays, 0, 0, 0)),
                    groupDays);
            }
            if (keep) {
                DrawDateSeparator(dc, kSeparatorVertical, x0, top, x0, bottom);
            }
        }
        if (weekday != kSunday) {
            continue;
        }
        const std::int64_t week = counter++;
        if (day < drawStart || day > drawEnd || week % step != 0) {
            continue;
        }
        const int x1 = DateToX(day + kOneDay);
        const int room = std::min(ClampCoord(x1 - groupX), x1 - window.left) - z;
        const std::string text = StringPrintf("%d", day.GetDay());
        std::optional<LOGFONT> narrowed;
        if (TextWidth(font, text) > room) {
            narrowed = NarrowFont(font, room, text.size());
            if (!narrowed) {
                continue;
            }
        }
        if (scaled) {
            const double span = m_scale.GetSpanWidth(groupDay, day + kOneDay);
            if (span < groupDays && !(m_scale.GetDayFlag(day) != 0 && span >= groupDays / 5.0)) {
                continue;
            }
        }
        const int x = x1 - z;
        if (x < window.left + z || x > window.right - z) {
            continue;
        }
        labels.Add(x, textTop, narrowed, kBlack, std::move(text), TA_RIGHT);
    }
    labels.Draw(dc);
    daterow::DrawRowRule(*this, dc, bottom);
}

void CPageLayout::DrawWeekdayRow(CDC* dc, const LOGFONT& font, int top, int bottom) const {
    const std::optional<DayRowStart> begun = BeginDayRow(*this, dc);
    if (!begun) {
        return;
    }
    const auto& [clip, settings] = *begun;
    const bool scaled = settings.dateUnit == 0 && m_scale.IsBuilt();
    // English names are squeezed into their day rather than left out.
    const bool forced =
        settings.dateUnit == 0 && settings.weekMode == kEnglishWeekdays && !m_scale.IsBuilt();
    const auto& names =
        settings.weekMode == kEnglishWeekdays ? kWeekdayNamesEnglish : kWeekdayNames;
    const DayWindow window = VisibleDays(*this, clip, 2);
    const int z = Zoom(1);
    const int textTop = daterow::TextTop(font, top, bottom);

    RowLabels labels;
    for (CTime day = window.first; day <= window.last; day += kOneDay) {
        const int x0 = DateToX(day);
        const int x1 = DateToX(day + kOneDay);
        const bool monthStart = day.GetDay() == 1;

        int kind = settings.keisenUnit == 4 || monthStart ? kSeparatorMajor : kSeparatorVertical;
        if (monthStart || !scaled ||
            KeepsScaledSeparator(m_scale, day, m_scale.GetFactor(day), 1.0)) {
            DrawDateSeparator(dc, kind, x0, top, x0, bottom);
        }

        const int room = std::min(ClampCoord(x1 - x0), window.right - x0) - z;
        const std::string text = names[static_cast<std::size_t>(day.GetDayOfWeek() - 1)];
        int needed = TextWidth(font, text);
        std::optional<LOGFONT> narrowed;
        if (!FitLabel(font, text.size(), room, forced, needed, narrowed)) {
            continue;
        }
        if (scaled) {
            const double factor = m_scale.GetFactor(day);
            if (factor < 1.0 && !(m_scale.GetDayFlag(day) != 0 && factor >= 0.2)) {
                continue;
            }
        }
        const int x = x0 + z + (room - needed) / 2;
        if (x < window.left + z || x > window.right - z) {
            continue;
        }
        labels.Add(x, textTop, narrowed, WeekdayColor(*this, dc, day, false), std::move(text),
                   TA_LEFT);
    }
    labels.Draw(dc);
    daterow::DrawRowRule(*this, dc, bottom);
}

} // namespace tembra
