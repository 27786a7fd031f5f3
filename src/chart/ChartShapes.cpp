// The shapes of a resource chart: the frame, the bars or lines of the day values, the value
// scale, the totals per day and the totals block, each an ordinary drawing shape anchored on a
// date and a fractional row of the layout it was built on.
#include "chart/Chart.h"

#include "chart/ChartDocument.h"
#include "chart/ResourcedProcesses.h"
#include "model/Calendar.h"
#include "model/Koutei.h"
#include "model/Shigen.h"
#include "platform/DC.h"
#include "platform/Ui.h"
#include "render/PageLayout.h"
#include "shapes/DatePos.h"
#include "shapes/Zukei.h"
#include "shapes/ZukeiBox.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiLine.h"
#include "shapes/ZukeiPolyLine.h"
#include "shapes/ZukeiPolygon.h"
#include "shapes/ZukeiString.h"
#include "shapes/ZukeiView.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace tembra {

namespace {

constexpr UINT IDS_GRAPH_FAILED = 5027;
constexpr CTimeSpan kOneDay(1, 0, 0, 0);
constexpr CTimeSpan kHalfDay(0, 12, 0, 0);
constexpr CTimeSpan kRamp(0, 3, 0, 0);

// The codes -1, -2 and -3 of the attribute words.
constexpr WORD kWordMinus1 = 0xFFFF;
constexpr short kWidthThin = -2;
constexpr short kWidthFine = -3;
// Fill codes: white, none.
constexpr WORD kFillWhite = 100;
constexpr WORD kFillNone = 999;
constexpr COLORREF kGridColor = 0xC0C0C0;

// Attribute records: Style, PointMode, Type, Width, Color, Hatch, HatchColor, BoxRay.
constexpr CZukeiAttr kGroupAttr{17, kPlaceOnPage, 0, 0, 0, kFillWhite, 0, 1};
constexpr CZukeiAttr kGridAttr{0,          kPlaceOnPage, kWordMinus1, kWidthThin,
                               kGridColor, kWordMinus1,  0,           1};
constexpr CZukeiAttr kTickAttr{0, kPlaceOnPage, 0, kWidthFine, 0, kWordMinus1, 0, 1};
constexpr CZukeiAttr kAxisAttr{0, kPlaceOnPage, 0, kWidthFine, 0, kWordMinus1, 0, 1};
constexpr CZukeiAttr kScaleLabelAttr{16, kPlaceOnPage, 0, 0, 0, kWordMinus1, 0, 1};
constexpr CZukeiAttr kDayTotalAttr{16, kPlaceOnPage, kWordMinus1, 0, 0, kWordMinus1, 0, 1};

// Text placement forms of the text attribute block.
constexpr WORD kFormCentre = 1;
constexpr WORD kFormRight = 2;

// How far ticks and labels stand from the axis, logical units.
constexpr int kTickLength = 20;
constexpr int kLabelGap = 20;
// The earned-value scale at the chart's right edge: the labels' left and right edge.
constexpr int kPercentLabelLeft = 75;
constexpr int kPercentLabelRight = 25;

// The step candidates of the automatic scale: 1, 2 and 5 times 10^0 .. 10^4.
constexpr int kStepCandidates[] = {1,   2,    5,    10,   20,    50,    100,  200,
                                   500, 1000, 2000, 5000, 10000, 20000, 50000};

// The chart position at x and a fractional row, as a view places an anchor there.
CDatePos PosAt(const IZukeiView& view, int x, double row) {
    CDatePos pos;
    pos.point = CPoint(x, CZukei::RowToY(view, row));
    pos.date = CZukei::XToDate(view, x);
    pos.row = row;
    return pos;
}

// The same at a device point.
CDatePos PosAtPoint(const IZukeiView& view, int x, int y) {
    CDatePos pos;
    pos.point = CPoint(x, y);
    pos.date = CZukei::XToDate(view, x);
    pos.row = CZukei::YToRow(view, y);
    return pos;
}

int XOf(const IZukeiView& view, const CTime& date) {
    return CZukei::DateToX(view, date);
}

template <class Shape> std::unique_ptr<Shape> MakeShape(const CZukeiAttr& attr) {
    auto shape = std::make_unique<Shape>();
    shape->SetAttr(attr);
    return shape;
}

// A shape of two anchors from (x1, row1) to (x2, row2).
template <class Shape>
std::unique_ptr<Shape> MakeTwoPoint(const IZukeiView& view, const CZukeiAttr& attr, int x1,
                                    double row1, int x2, double row2) {
    auto shape = MakeShape<Shape>(attr);
    shape->SetPoint(PosAt(view, x1, row1), view, 1);
    shape->SetPoint(PosAt(view, x2, row2), view, 2);
    return shape;
}

// A one-line text from (x1, row1) to (x2, row2).
std::unique_ptr<CZukeiString> MakeText(const IZukeiView& view, const CZukeiAttr& attr, WORD form,
                                       COLORREF color, const LOGFONT& font, const std::string& text,
                                       int x1, double row1, int x2, double row2) {
    auto shape = std::make_unique<CZukeiString>();
    shape->SetAttr(attr);
    CTextAttr& textAttr = shape->GetTextAttr();
    textAttr.SetDefaultSize();
    textAttr.m_form = form;
    textAttr.m_color = color;
    textAttr.m_attrb = 0;
    shape->SetFont(font);
    shape->SetText(text);
    shape->SetPoint(PosAt(view, x1, row1), view, 1);
    shape->SetPoint(PosAt(view, x2, row2), view, 2);
    return shape;
}

// Appends a point of a point-list shape at (x, row).
void AddPoint(const IZukeiView& view, CZukei& shape, int x, double row) {
    shape.SetPoint(PosAt(view, x, row), view, 1);
}

void ReportGraphFailed() {
    AfxMessageBox(IDS_GRAPH_FAILED);
}

// The lines of the totals block: "name separator total" for every resource some process of the
// period carries, the chart's own display name before the master's.
std::vector<std::string> TotalLines(const CChart& chart, const CShigenNameTable& master,
                                    const std::vector<std::int64_t>& totals,
                                    const std::vector<bool>& used) {
    const std::vector<std::string>& displayNames = chart.GetDisplayNames();
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < totals.size(); ++i) {
        if (!used[i]) {
            continue;
        }
        std::string name;
        if (i < displayNames.size() && !displayNames[i].empty()) {
            name = displayNames[i];
        } else if (master[i] != nullptr) {
            name = master[i]->GetName();
        }
        lines.push_back(name + " " + chart.GetSeparator() + " " + std::to_string(totals[i]) +
                        "\r\n");
    }
    return lines;
}

// The block's size: half as wide again as its widest line and twice as high as its lines,
// measured on the screen at 100 %, then zoomed.
CSize TotalsBlockSize(const CPageLayout& layout, const LOGFONT& blockFont,
                      const std::vector<std::string>& lines) {
    LONG widest = 0;
    LONG height = 0;
    std::unique_ptr<CDC> screen = CreateScreenDC();
    screen->SetMapMode(MM_LOMETRIC);
    CFont font;
    font.CreateFontIndirect(&blockFont);
    CFont* old = screen->SelectObject(&font);
    for (const std::string& line : lines) {
        const CSize extent = screen->GetTextExtent(line);
        widest = std::max(widest, std::abs(extent.cx));
        height += std::abs(extent.cy);
    }
    screen->SelectObject(old);
    return CSize(layout.Zoom(static_cast<int>(std::trunc(1.5 * widest))),
                 layout.Zoom(static_cast<int>(std::trunc(2.0 * height))));
}

// The corners of a w x h block at a corner place of the chart: the process area's right edge
// or the item area's left, the band's baseline (yBase) or its top (yTop); nothing for any other
// place (where the user put it).
std::optional<CRect> TotalsBlockCorners(const CPageLayout& layout, LONG place, int w, int h,
                                        int yBase, int yTop) {
    const int right = layout.GetKouteiRect().right;
    const int left = layout.GetKoumokuRect().left;
    switch (place) {
    case CChart::kLabelBottomRight:
        return CRect(right - w, yBase, right, yBase - h);
    case CChart::kLabelTopRight:
        return CRect(right - w, yTop + h, right, yTop);
    case CChart::kLabelBottomLeft:
        return CRect(left, yBase, left + w, yBase - h);
    case CChart::kLabelTopLeft:
        return CRect(left, yTop + h, left + w, yTop);
    default:
        return std::nullopt;
    }
}

} // namespace

std::unique_ptr<CZukeiGroup> CChart::NewPartGroup() const {
    try {
        return MakeShape<CZukeiGroup>(kGroupAttr);
    } catch (const std::bad_alloc&) {
        ReportGraphFailed();
        return nullptr;
    }
}

bool CChart::IsStale(const IChartDocument& document) const {
    return m_builtAt && *m_builtAt != document.GetObjectsChangeCount();
}

BOOL CChart::BuildShapes(IChartDocument& document, const CPageLayout& layout) {
    BuildGroups(document, layout);
    document.SetModified();
    return TRUE;
}

void CChart::BuildGroups(IChartDocument& document, const CPageLayout& layout) {
    m_shapes.clear();
    m_builtAt = document.GetObjectsChangeCount();
    DWORD maximum = 0;
    const auto append = [this](std::unique_ptr<CZukeiGroup> group) {
        try {
            m_shapes.push_back(std::move(group));
        } catch (const std::bad_alloc&) {
            ReportGraphFailed();
        }
    };

    if (std::unique_ptr<CZukeiGroup> frame = NewPartGroup()) {
        BuildFrame(layout, *frame);
        append(std::move(frame));
    }
    if (std::unique_ptr<CZukeiGroup> scale = NewPartGroup()) {
        if (ComputeLoading(document, layout, maximum)) {
            if (m_graphType == kBarGraph) {
                BuildBars(layout, *scale, TRUE);
            }
            BuildScale(layout, *scale);
        }
        append(std::move(scale));
    }
    if (maximum > 0) {
        if (std::unique_ptr<CZukeiGroup> graph = NewPartGroup()) {
            if (m_graphType == kBarGraph) {
                BuildBars(layout, *graph, FALSE);
            } else {
                BuildLines(layout, *graph);
            }
            append(std::move(graph));
        }
        if ((m_options & kOptionDayTotals) != 0) {
            if (std::unique_ptr<CZukeiGroup> totals = NewPartGroup()) {
                BuildDayTotals(layout, *totals);
                append(std::move(totals));
            }
        }
    }
    if ((m_options & kOptionResourceTotals) != 0) {
        BuildResourceTotals(document, layout);
    }
}

BOOL CChart::BuildFrame(const CPageLayout& layout, CZukeiGroup& group) const {
    const CZukeiLayoutView view(layout);
    const CZukeiAttr attr{3, kPlaceOnPage,
                          0, kWidthFine,
                          0, m_purpose == kPurposeEarnedValue ? kFillNone : kFillWhite,
                          0, 1};
    try {
        group.AddMember(MakeTwoPoint<CZukeiBox>(view, attr, layout.GetKoumokuRect().left, m_topRow,
                                                layout.GetKouteiRect().right, Baseline()));
    } catch (const std::bad_alloc&) {
        ReportGraphFailed();
        return FALSE;
    }
    return TRUE;
}

BOOL CChart::BuildBars(const CPageLayout& layout, CZukeiGroup& group, BOOL filled) const {
    if (m_slotCount == 0) {
        return FALSE;
    }
    const CZukeiLayoutView view(layout);
    const CTime start = layout.GetStartDate();
    try {
        // From the last slot to the first: each lower series lies over the total above it.
        for (int slot = m_slotCount; slot >= 1; --slot) {
            const CDispSetData* series = GetSeries(GetSlotSeries(slot));
            if (series == nullptr) {
                continue;
            }
            CZukeiAttr attr{2, kPlaceOnPage, 0, kWidthFine, series->GetLineColor(), kFillNone, 0,
                            1};
            if (filled) {
                attr.m_hatch = static_cast<WORD>(series->GetPattern());
                attr.m_hatchColor = series->GetPatternColor();
            }
            auto polygon = MakeShape<CZukeiPolygon>(attr);
            // A staircase along the days: up or down at the start of every day that changes.
            int prev = 0;
            CTime date = start;
            for (const int v : GetDayValues(slot)) {
                if (v != prev) {
                    const int x = XOf(view, date);
                    AddPoint(view, *polygon, x, ValueRow(prev));
                    AddPoint(view, *polygon, x, ValueRow(v));
                    prev = v;
                }
                date += kOneDay;
            }
            if (prev == 0) {
                if (polygon->GetPointCount() < 2) {
                    const int x = XOf(view, start);
                    AddPoint(view, *polygon, x, Baseline());
                    AddPoint(view, *polygon, x, Baseline());
                }
            } else {
                // Closed at the day after the period.
                const int x = XOf(view, date);
                AddPoint(view, *polygon, x, ValueRow(prev));
                AddPoint(view, *polygon, x, Baseline());
            }
            group.AddMember(std::move(polygon));
        }
    } catch (const std::bad_alloc&) {
        ReportGraphFailed();
        return FALSE;
    }
    return TRUE;
}

BOOL CChart::BuildLines(const CPageLayout& layout, CZukeiGroup& group) const {
    if (m_slotCount == 0) {
        return FALSE;
    }
    const CZukeiLayoutView view(layout);
    const CTime start = layout.GetStartDate();
    const short mode = m_pointMode;
    const bool earnedValue = m_purpose == kPurposeEarnedValue;
    // Where the point at the old value of a change stands, date being the day of the change.
    const auto xBefore = [&](const CTime& date) {
        switch (mode) {
        case kPointStandard:
            return XOf(view, date - kOneDay);
        case kPointChange:
            return XOf(view, date - kRamp);
        default:
            return XOf(view, date);
        }
    };
    try {
        for (int slot = m_slotCount; slot >= 1; --slot) {
            const CDispSetData* series = GetSeries(GetSlotSeries(slot));
            if (series == nullptr) {
                continue;
            }
            const CZukeiAttr attr{1,
                                  kPlaceOnPage,
                                  static_cast<WORD>(series->GetLineType()),
                                  series->GetLineWidth(),
                                  series->GetLineColor(),
                                  static_cast<WORD>(series->GetPattern()),
                                  series->GetPatternColor(),
                                  1};
            auto line = MakeShape<CZukeiPolyLine>(attr);
            CTime date = mode == kPointStandard ? start + kHalfDay : start;
            bool started = false;
            int prev = 0;
            int lastNonZero = 0;
            for (const int v : GetDayValues(slot)) {
                if (!started) {
                    if (v != 0) {
                        const int x = XOf(view, mode == kPointChange ? date + kRamp : date);
                        AddPoint(view, *line, x, mode == kPointBefore ? Baseline() : ValueRow(v));
                        started = true;
                        prev = v;
                    }
                } else if (v != prev) {
                    // An earned-value line keeps its level across days without activity.
                    const int from = earnedValue && prev == 0 ? lastNonZero : prev;
                    if (mode != kPointAfter) {
                        AddPoint(view, *line, xBefore(date), ValueRow(from));
                    }
                    if (mode != kPointBefore) {
                        const int x = XOf(view, mode == kPointChange ? date + kRamp : date);
                        AddPoint(view, *line, x, ValueRow(v));
                    }
                    prev = v;
                }
                if (v != 0) {
                    lastNonZero = v;
                }
                date += kOneDay;
            }
            if (prev == 0) {
                // Ending on 0: the standard and the ramped lines end at the old value.
                if (mode == kPointStandard || mode == kPointChange) {
                    line->RemoveLastPoint();
                }
                if (line->GetPointCount() < 2) {
                    const int x = XOf(view, start);
                    AddPoint(view, *line, x, Baseline());
                    AddPoint(view, *line, x, Baseline());
                }
            } else {
                AddPoint(view, *line, xBefore(date), ValueRow(prev));
            }
            group.AddMember(std::move(line));
        }
    } catch (const std::bad_alloc&) {
        ReportGraphFailed();
        return FALSE;
    }
    return TRUE;
}

BOOL CChart::BuildScale(const CPageLayout& layout, CZukeiGroup& group) const {
    const CZukeiLayoutView view(layout);
    const bool earnedValue = m_purpose == kPurposeEarnedValue;
    const double top = earnedValue ? 100.0 : static_cast<double>(m_axisMax);
    const double k = earnedValue ? m_rowsPerPercent : m_rowsPerUnit;
    const double rowHeight = layout.GetRowHeight();
    const double fontHeight = std::abs(static_cast<double>(m_scaleFont.lfHeight));
    // Half a label's height, in rows; a font of no height has no labels.
    const bool labels = fontHeight > 0.0 && rowHeight > 0.0;
    const double half = labels ? fontHeight / 2.0 / rowHeight : 0.0;
    const double baseline = Baseline();

    // The step: the one set, or the first of 1, 2, 5, 10, ... (10, 20, ... in percent) nearest
    // the estimate that still fits the values and the band.
    double step = m_scaleStep;
    if (step == 0 && labels) {
        const double room = std::trunc(m_graphHeight / (2.0 * fontHeight));
        const auto count = static_cast<std::int64_t>(std::clamp(room, -32768.0, 32767.0));
        const auto topValue = static_cast<std::int64_t>(top);
        const std::int64_t estimate = count >= 1 ? topValue / count : topValue / 2;
        if (estimate < 1) {
            step = 1;
        } else {
            double prev = earnedValue ? 10 : 1;
            bool stopped = false;
            for (const int c : kStepCandidates) {
                if (earnedValue && c < 10) {
                    continue;
                }
                const double e = static_cast<double>(estimate);
                if (c > top || baseline - c * k - half < m_topRow ||
                    std::abs(e - prev) < std::abs(e - c)) {
                    stopped = true;
                    break;
                }
                prev = c;
            }
            step = stopped ? prev : static_cast<double>(estimate);
        }
    }

    // The x positions: a resource-loading graph's scale stands at the chart's left edge with its
    // labels in the item columns, an earned-value line's at the chart's right edge.
    const CRect items = layout.GetKoumokuRect();
    int tickLeft = 0;
    int tickRight = 0;
    int labelLeft = 0;
    int labelRight = 0;
    if (earnedValue) {
        const int xr = layout.GetChartRect().right;
        tickLeft = xr - kTickLength;
        tickRight = xr;
        labelLeft = xr - kPercentLabelLeft;
        labelRight = xr - kPercentLabelRight;
    } else {
        tickLeft = items.right;
        tickRight = items.right + kTickLength;
        labelLeft = items.left;
        labelRight = items.Width() <= kLabelGap ? items.right : items.right - kLabelGap;
    }
    const bool gridLines = m_purpose == kPurposeLoading;

    try {
        // Lines closer together than a unit would only fill the band: the scale then has none.
        if (step > 0 && k > 0 && step * k * rowHeight >= 1.0) {
            for (std::int64_t i = 1;; ++i) {
                const double value = step * static_cast<double>(i);
                const double y = baseline - value * k;
                if (y - half < m_topRow) {
                    break;
                }
                if (gridLines) {
                    group.AddMember(MakeTwoPoint<CZukeiLine>(view, kGridAttr, items.right, y,
                                                             layout.GetEditRect().right, y));
                }
                group.AddMember(
                    MakeTwoPoint<CZukeiLine>(view, kTickAttr, tickLeft, y, tickRight, y));
                if (labels) {
                    group.AddMember(MakeText(view, kScaleLabelAttr, kFormRight, 0, m_scaleFont,
                                             std::to_string(static_cast<std::int64_t>(value)),
                                             labelLeft, y - half, labelRight, y + half));
                }
            }
        }
        if (gridLines) {
            group.AddMember(MakeTwoPoint<CZukeiLine>(view, kAxisAttr, items.right, m_topRow,
                                                     items.right, baseline));
        }
    } catch (const std::bad_alloc&) {
        ReportGraphFailed();
        return FALSE;
    }
    return TRUE;
}

BOOL CChart::BuildDayTotals(const CPageLayout& layout, CZukeiGroup& group) const {
    if (m_slotCount == 0) {
        return FALSE;
    }
    const CZukeiLayoutView view(layout);
    const bool barGraph = m_graphType == kBarGraph;
    const double base = barGraph ? Baseline() : static_cast<double>(m_topRow);
    const CTime start = layout.GetStartDate();
    const std::size_t days = GetDayValues(m_slotCount).size();
    try {
        CTime date = start;
        for (std::size_t d = 0; d < days; ++d, date += kOneDay) {
            std::int64_t total = 0;
            double height = 0.0;
            if (barGraph) {
                // The stacked total, on top of the day's bar.
                total = GetDayValues(m_slotCount)[d];
                height = static_cast<double>(total) * m_rowsPerUnit;
            } else {
                for (int slot = 1; slot <= m_slotCount; ++slot) {
                    total += GetDayValues(slot)[d];
                }
            }
            if (total == 0) {
                continue;
            }
            group.AddMember(MakeText(view, kDayTotalAttr, kFormCentre, m_totalsColor, m_totalsFont,
                                     std::to_string(total), XOf(view, date), base - (height + 1.0),
                                     XOf(view, date + kOneDay), base - height));
        }
    } catch (const std::bad_alloc&) {
        ReportGraphFailed();
        return FALSE;
    }
    return TRUE;
}

void CChart::BuildResourceTotals(IChartDocument& document, const CPageLayout& layout) {
    CZukeiString* block = GetLabel();
    if (block == nullptr) {
        return;
    }
    try {
        const CZukeiLayoutView view(layout);
        const CTime start = layout.GetStartDate();
        const CTime end = layout.GetEndDate() + kOneDay;
        const int days = std::max(0, layout.GetDayCount());
        const CShigenNameTable& master = document.GetShigenNames();
        const CCalendar* calendar = document.GetCalendar();

        // The total of every resource over its processes' days in the period; a resource that no
        // process of the period carries has no line.
        const std::size_t count = std::min(master.size(), m_series.size());
        std::vector<std::int64_t> totals(count, 0);
        std::vector<bool> used(count, false);
        ForEachResourcedProcess(document, [&](const CKoutei& process) {
            int d0 = 0;
            int d1 = 0;
            if (!CountedDays(process, start, end, days, d0, d1)) {
                return;
            }
            std::int64_t counted = d1 - d0;
            if (m_ignoreHoliday == 0 && calendar != nullptr &&
                process.GetLines()->GetAttr().GetHoliday() != 0) {
                counted -= calendar
                               ->GetHolidayTime(start + CTimeSpan(d0, 0, 0, 0),
                                                start + CTimeSpan(d1, 0, 0, 0))
                               .GetDays();
            }
            for (const std::unique_ptr<CShigenData>& entry : process.GetShigen()->GetEntries()) {
                const int r = entry->GetNumber();
                if (r < 1 || static_cast<std::size_t>(r) > count || SlotOfResource(r) == 0) {
                    continue;
                }
                totals[static_cast<std::size_t>(r - 1)] += counted * entry->GetQuantity();
                used[static_cast<std::size_t>(r - 1)] = true;
            }
        });

        const std::vector<std::string> lines = TotalLines(*this, master, totals, used);
        std::string text;
        for (const std::string& line : lines) {
            text += line;
        }
        const CSize size = TotalsBlockSize(layout, block->GetFont(), lines);
        block->SetText(text);
        block->SetUpdate(TRUE);

        LONG place = m_labelPos;
        if (place == kLabelFree) {
            const CRect rect = block->GetDeviceRect(view);
            if (rect.Width() == 0 || rect.Height() == 0) {
                place = kLabelBottomRight; // never placed
            }
        }
        const std::optional<CRect> corners =
            TotalsBlockCorners(layout, place, size.cx, size.cy, CZukei::RowToY(view, Baseline()),
                               CZukei::RowToY(view, m_topRow));
        if (!corners) {
            return;
        }
        document.UpdateAllViewsWith(this);
        block->SetPoint(PosAtPoint(view, corners->left, corners->top), view, 1);
        block->SetPoint(PosAtPoint(view, corners->right, corners->bottom), view, 2);
    } catch (const std::bad_alloc&) {
        ReportGraphFailed();
    }
}

} // namespace tembra
