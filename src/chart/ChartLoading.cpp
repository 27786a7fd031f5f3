// The day values of a resource chart: every process's resources added up per day of the
// displayed period, one buffer per shown series, and the vertical scale they are drawn with.
//
// A process adds its quantity to a run of days, so each series is added up as differences (the
// quantity enters on the first day of the run and leaves after the last) and summed once over the
// period: the work grows with the processes plus the days, not with their product. A process
// that skips holidays adds to a second difference list whose days count only where the calendar
// has no holiday.
#include "chart/Chart.h"

#include "chart/ChartDocument.h"
#include "chart/ResourcedProcesses.h"
#include "model/Calendar.h"
#include "model/Koutei.h"
#include "model/Shigen.h"
#include "platform/Ui.h"
#include "render/PageLayout.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <vector>

namespace tembra {

namespace {

constexpr UINT IDS_NO_DATA = 5012;

// The time itself when it is 00:00 of its day (in the charts' zone), else 00:00 of the next day.
CTime CeilToDay(const CTime& time) {
    const std::int64_t local = time.GetTime() + kChartZoneOffsetSeconds;
    const std::int64_t past = ((local % kDaySeconds) + kDaySeconds) % kDaySeconds;
    return past == 0 ? time : time + CTimeSpan(kDaySeconds - past);
}

int ToValue(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// The differences of one series: a quantity enters at the first day of its run and leaves after
// the last, on every day or on working days only.
struct SeriesDiff {
    std::vector<std::int64_t> all;
    std::vector<std::int64_t> working;

    void Add(bool skipHolidays, int d0, int d1, std::int64_t q) {
        std::vector<std::int64_t>& diff = skipHolidays ? working : all;
        diff[static_cast<std::size_t>(d0)] += q;
        diff[static_cast<std::size_t>(d1)] -= q;
    }
};

} // namespace

bool CChart::CountedDays(const CKoutei& process, const CTime& start, const CTime& end, int days,
                         int& d0, int& d1) {
    const CTime s = CeilToDay(process.GetStartTime());
    const CTime e = CeilToDay(process.GetEndTime());
    if (s >= end || e <= start) {
        return false;
    }
    const std::int64_t first = s > start ? (s - start).GetDays() : 0;
    const std::int64_t last = days - (e < end ? (end - e).GetDays() : 0);
    d0 = static_cast<int>(std::clamp<std::int64_t>(first, 0, days));
    d1 = static_cast<int>(std::clamp<std::int64_t>(last, 0, days));
    return d0 < d1;
}

BOOL CChart::IsSkippedHoliday(const IChartDocument& document, const CKoutei& process,
                              const CTime& start, int day) {
    if (process.GetLines()->GetAttr().GetHoliday() == 0) {
        return FALSE;
    }
    const CCalendar* calendar = document.GetCalendar();
    return calendar != nullptr && calendar->IsHoliday(start + CTimeSpan(day, 0, 0, 0)) ? TRUE
                                                                                       : FALSE;
}

void CChart::ClearDayValues() {
    while (!m_dayValues.empty()) {
        m_dayValues.pop_back();
    }
}

std::span<const int> CChart::GetDayValues(int slot) const {
    if (slot < 1 || slot > static_cast<int>(m_dayValues.size())) {
        return {};
    }
    const std::vector<int>& buffer = m_dayValues[static_cast<std::size_t>(slot - 1)];
    return std::span<const int>(buffer).subspan(1);
}

int CChart::GetSlotSeries(int slot) const {
    if (slot < 1 || slot > static_cast<int>(m_dayValues.size())) {
        return -1;
    }
    return m_dayValues[static_cast<std::size_t>(slot - 1)][0];
}

BOOL CChart::ComputeLoading(const IChartDocument& document, const CPageLayout& layout,
                            DWORD& maximum) {
    maximum = 0;
    const CTime start = layout.GetStartDate();
    const CTime end = layout.GetEndDate() + CTimeSpan(1, 0, 0, 0);
    const int days = std::max(0, layout.GetDayCount());
    ClearDayValues();
    m_slotCount = 0;

    // A band upside down (a damaged file) or rows of no height leave no room for a graph.
    const int rows = m_bottomRow - m_topRow + 1;
    const double rowHeight = layout.GetRowHeight();
    const int zoom = layout.GetZoom();
    if (rows < 1 || !(rowHeight > 0.0) || zoom <= 0) {
        return FALSE;
    }

    const bool barGraph = m_graphType == kBarGraph;
    const bool earnedValue = m_purpose == kPurposeEarnedValue;
    // The line of an earned-value series grows over every day; only its activity shows where.
    const bool cumulative = earnedValue && !barGraph;

    // The value buffers, and the differences and activity of each, the holidays of the period
    // and the running stacked total (working memory).
    std::vector<SeriesDiff> diffs;
    std::vector<std::vector<std::int64_t>> activity;
    std::vector<bool> holiday;
    std::vector<std::int64_t> stacked;
    const auto size = static_cast<std::size_t>(days) + 1;
    try {
        for (std::size_t i = 0; i < m_series.size(); ++i) {
            if (m_series[i]->GetSlot() == 0) {
                continue;
            }
            std::vector<int> buffer(size, 0);
            buffer[0] = static_cast<int>(i);
            m_dayValues.push_back(std::move(buffer));
            if (earnedValue) {
                activity.emplace_back(size, 0);
            }
            diffs.push_back(
                {std::vector<std::int64_t>(size, 0), std::vector<std::int64_t>(size, 0)});
            m_series[i]->SetSlot(static_cast<LONG>(m_dayValues.size()));
        }
        if (m_dayValues.empty()) {
            return FALSE;
        }
        holiday.assign(size, false);
        stacked.assign(size, 0);
        m_slotCount = static_cast<int>(m_dayValues.size());
        const int n = m_slotCount;
        ForEachResourcedProcess(document, [&](const CKoutei& process) {
            int d0 = 0;
            int d1 = 0;
            if (!CountedDays(process, start, end, days, d0, d1)) {
                return;
            }
            const bool skipHolidays = m_ignoreHoliday == 0 && !cumulative &&
                                      process.GetLines()->GetAttr().GetHoliday() != 0;
            for (const std::unique_ptr<CShigenData>& entry : process.GetShigen()->GetEntries()) {
                const LONG k = SlotOfResource(entry->GetNumber());
                if (k <= 0 || k > n) {
                    continue;
                }
                const std::int64_t q = entry->GetQuantity();
                SeriesDiff& diff = diffs[static_cast<std::size_t>(k - 1)];
                if (cumulative) {
                    // What the process adds stays after it ends; it is active on its own days.
                    diff.Add(false, d0, days, q);
                    std::vector<std::int64_t>& active = activity[static_cast<std::size_t>(k - 1)];
                    active[static_cast<std::size_t>(d0)] += q;
                    active[static_cast<std::size_t>(d1)] -= q;
                } else {
                    diff.Add(skipHolidays, d0, d1, q);
                }
            }
        });
    } catch (const std::bad_alloc&) {
        AfxMessageBox(IDS_NO_DATA);
        return FALSE;
    }
    const int n = m_slotCount;

    if (const CCalendar* calendar = document.GetCalendar()) {
        for (int d = 0; d < days; ++d) {
            holiday[static_cast<std::size_t>(d)] =
                calendar->IsHoliday(start + CTimeSpan(d, 0, 0, 0)) != 0;
        }
    }

    // Each series' own values; a bar graph stacks them, so that each buffer holds the sum of
    // its series and the ones before it, and the last the total of all.
    for (int k = 0; k < n; ++k) {
        const SeriesDiff& diff = diffs[static_cast<std::size_t>(k)];
        std::vector<int>& buffer = m_dayValues[static_cast<std::size_t>(k)];
        std::int64_t all = 0;
        std::int64_t working = 0;
        std::int64_t active = 0;
        for (int d = 0; d < days; ++d) {
            const auto i = static_cast<std::size_t>(d);
            all += diff.all[i];
            working += diff.working[i];
            std::int64_t value = all + (holiday[i] ? 0 : working);
            if (earnedValue) {
                active += activity[static_cast<std::size_t>(k)][i];
                if (active == 0) {
                    value = 0;
                }
            }
            if (barGraph) {
                stacked[i] += value;
                value = stacked[i];
            }
            buffer[i + 1] = ToValue(value);
        }
    }

    // The largest value: of the stacked totals for a bar graph, of every buffer for lines.
    DWORD largest = 0;
    for (int k = barGraph ? n - 1 : 0; k < n; ++k) {
        const std::vector<int>& buffer = m_dayValues[static_cast<std::size_t>(k)];
        for (std::size_t i = 1; i < buffer.size(); ++i) {
            if (buffer[i] > 0) {
                largest = std::max(largest, static_cast<DWORD>(buffer[i]));
            }
        }
    }
    maximum = largest;

    m_axisMax = m_maxValue != 0 ? m_maxValue : largest;
    if (m_axisMax == 0) {
        return FALSE;
    }

    // The vertical scale: the graph leaves 20 units (or a tenth of the band, on a band too low
    // for that) free above it for the labels.
    const double tenth = rowHeight * rows / 10.0 * 100.0 / zoom;
    const double height = tenth >= 20.0 ? rows - 20.0 / rowHeight : rows - rows / 10.0;
    m_rowsPerUnit = height / m_axisMax;
    m_rowsPerPercent = height / 100.0;
    m_graphHeight = rowHeight * height * 100.0 / zoom;
    return TRUE;
}

} // namespace tembra
