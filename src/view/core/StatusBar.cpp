#include "view/core/StatusBar.h"

#include "model/ConfigOperation.h"
#include "platform/StringTable.h"
#include "render/PageLayout.h"

#include <cstdarg>
#include <cstdio>

namespace tembra {

namespace {

IStatusBar* g_statusBar = nullptr;

bool HasTimeOfDay(const CTime& date) {
    return date.GetHour() != 0 || date.GetMinute() != 0;
}

std::string Printf(const char* format, auto... args) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

} // namespace

IStatusBar* GetStatusBar() {
    return g_statusBar;
}

IStatusBar* SetStatusBar(IStatusBar* bar) {
    IStatusBar* previous = g_statusBar;
    g_statusBar = bar;
    return previous;
}

bool IsStatusBarVisible() {
    return g_statusBar != nullptr && g_statusBar->IsVisible();
}

int SetStatusText(const char* format, ...) {
    if (!IsStatusBarVisible()) {
        return 0;
    }
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    g_statusBar->SetPaneText(IStatusBar::kMessagePane, buffer);
    g_statusBar->UpdateNow();
    return 1;
}

int SetStatusTextId(UINT id) {
    if (FindString(id) == nullptr) {
        return 0;
    }
    return SetStatusText("%s", LoadString(id).c_str());
}

std::string FormatRekiStatusDate(const CTime& date, bool rangeEnd) {
    if (HasTimeOfDay(date)) {
        return Printf("%02d/%02d %02d:%02d", date.GetMonth(), date.GetDay(), date.GetHour(),
                      date.GetMinute());
    }
    return Printf(rangeEnd ? "%03d/%02d/%02d" : "%04d/%02d/%02d", date.GetYear(), date.GetMonth(),
                  date.GetDay());
}

std::string FormatNobeStatusDate(int year, int month, int day, int hour, int minute) {
    if (hour != 0 || minute != 0) {
        return Printf("%02d %02d:%02d", day, hour, minute);
    }
    const int months = year > 0 ? 12 * (year - 1) + month : month;
    return Printf("%03d/%02d", months, day);
}

std::string FormatStatusDateText(const CPageLayout& layout, const CTime& date, bool rangeEnd) {
    if (layout.GetNobeMode() == 0) {
        return FormatRekiStatusDate(date, rangeEnd);
    }
    int year = 0;
    int month = 0;
    int day = 0;
    layout.DateToNobeYMD(date, &year, &month, &day);
    return FormatNobeStatusDate(year, month, day, date.GetHour(), date.GetMinute());
}

std::string FormatStatusRowText(int row) {
    return Printf("%04d", row + 1);
}

int UpdateStatusDatePane(const CPageLayout& layout, const CConfigOperation& operation,
                         const CPoint& point, const CTime& date, int row) {
    if (operation.GetOperation() == COperationState::kOpDraw &&
        operation.GetMode() == COperationState::kModeKoutei && operation.GetState() != 0) {
        return 0; // the feedback of the line being drawn owns the panes
    }
    IStatusBar* bar = GetStatusBar();
    if (bar == nullptr) {
        return 1;
    }
    const int zone = layout.HitZone(point);
    constexpr int kChartZones = CPageLayout::kZoneChart | CPageLayout::kZoneKoutei;
    const bool showRow = zone == CPageLayout::kZoneKoumoku || (zone & kChartZones) != 0;
    const bool showDate = (zone & (kChartZones | CPageLayout::kZoneDateBand)) != 0;
    bar->SetPaneText(IStatusBar::kStartDatePane, {});
    bar->SetPaneStyle(IStatusBar::kStartDatePane, IStatusBar::kDisabled);
    bar->SetPaneText(IStatusBar::kStartRowPane, {});
    bar->SetPaneStyle(IStatusBar::kStartRowPane, IStatusBar::kDisabled);
    bar->SetPaneText(IStatusBar::kEndDatePane,
                     showDate ? FormatStatusDateText(layout, date, false) : std::string());
    bar->SetPaneStyle(IStatusBar::kEndDatePane, IStatusBar::kPopOut);
    bar->SetPaneText(IStatusBar::kEndRowPane, showRow ? FormatStatusRowText(row) : std::string());
    bar->SetPaneStyle(IStatusBar::kEndRowPane, IStatusBar::kPopOut);
    return 1;
}

void FormatStatusDate(const CPageLayout& layout, const CTime& startDate, int startRow,
                      const CTime& endDate, int endRow) {
    IStatusBar* bar = GetStatusBar();
    if (bar == nullptr) {
        return;
    }
    const bool swapped = startDate > endDate;
    const CTime& firstDate = swapped ? endDate : startDate;
    const CTime& lastDate = swapped ? startDate : endDate;
    const int firstRow = swapped ? endRow : startRow;
    const int lastRow = swapped ? startRow : endRow;
    bar->SetPaneText(IStatusBar::kStartDatePane, FormatStatusDateText(layout, firstDate, true));
    bar->SetPaneText(IStatusBar::kStartRowPane, FormatStatusRowText(firstRow));
    bar->SetPaneText(IStatusBar::kEndDatePane, FormatStatusDateText(layout, lastDate, true));
    bar->SetPaneText(IStatusBar::kEndRowPane, FormatStatusRowText(lastRow));
    const IStatusBar::PaneStyle start = swapped ? IStatusBar::kPopOut : IStatusBar::kNormal;
    const IStatusBar::PaneStyle end = swapped ? IStatusBar::kNormal : IStatusBar::kPopOut;
    bar->SetPaneStyle(IStatusBar::kStartDatePane, start);
    bar->SetPaneStyle(IStatusBar::kStartRowPane, start);
    bar->SetPaneStyle(IStatusBar::kEndDatePane, end);
    bar->SetPaneStyle(IStatusBar::kEndRowPane, end);
}

} // namespace tembra
