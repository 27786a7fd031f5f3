// The status-bar helpers: a message into pane 0 of the main frame's status bar, and the date and
// row under the cursor, or the two ends of a dragged range, into panes 5 to 8. The main frame
// installs its status bar once (SetStatusBar); until then, and while the bar is hidden, the
// helpers show nothing.
#pragma once

#include "platform/Time.h"
#include "platform/Types.h"

#include <string>

namespace tembra {

class CConfigOperation;
class CPageLayout;

// The status bar as the helpers see it. Texts are CP932.
class IStatusBar {
public:
    enum PaneStyle { kNormal, kPopOut, kDisabled };
    // The panes that the helpers write.
    enum : int {
        kMessagePane = 0,
        kStartDatePane = 5,
        kStartRowPane = 6,
        kEndDatePane = 7,
        kEndRowPane = 8,
    };

    virtual ~IStatusBar() = default;
    virtual bool IsVisible() const = 0;
    virtual void SetPaneText(int pane, const std::string& text) = 0;
    virtual void SetPaneStyle(int pane, PaneStyle style) = 0;
    // Repaints the bar at once.
    virtual void UpdateNow() = 0;
};

// The status bar in force (null while none is installed); installs one and returns the previous.
IStatusBar* GetStatusBar();
IStatusBar* SetStatusBar(IStatusBar* bar);
bool IsStatusBarVisible();

// A printf-formatted text (at most 255 bytes) into pane 0 of a visible bar, repainted at once:
// 1; 0 when the bar is hidden or missing.
int SetStatusText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
// The string-table text of id through SetStatusText; 0 when the id has no text.
int SetStatusTextId(UINT id);

// The texts of a date and a row of the chart, in the form of the chart's mode: calendar days
// "2000/03/01" (or, with hours or minutes, "03/01 09:30"); elapsed days "015/05" (months counted
// on from the first year) or, with hours or minutes, "05 09:30"; a row counted from 1, "0001".
// A range end writes the calendar date's year "%03d".
std::string FormatRekiStatusDate(const CTime& date, bool rangeEnd);
std::string FormatNobeStatusDate(int year, int month, int day, int hour, int minute);
std::string FormatStatusDateText(const CPageLayout& layout, const CTime& date, bool rangeEnd);
std::string FormatStatusRowText(int row);

// The date and row under the cursor into panes 7 and 8 (popped out), panes 5 and 6 emptied and
// disabled; the row only over the item columns or the chart, the date only over the chart or
// the date band. Returns 1, or 0 (panes untouched) while a process line is being drawn.
int UpdateStatusDatePane(const CPageLayout& layout, const CConfigOperation& operation,
                         const CPoint& point, const CTime& date, int row);
// The two ends of a range in date order: the start into panes 5 and 6, the end into 7 and 8;
// the two panes of the end given second pop out (5 and 6 when the ends were swapped).
void FormatStatusDate(const CPageLayout& layout, const CTime& startDate, int startRow,
                      const CTime& endDate, int endRow);

} // namespace tembra
