// The holiday shading of the chart: every run of consecutive holidays of the working calendar
// that the visible dates touch becomes one band. At shading level 1 only runs of at least
// "BigHolidays" days are shaded (a run is measured whole, also where the visible dates cut it).
#include "render/PageLayout.h"

#include "model/Calendar.h"
#include "model/ConfigPrint.h"
#include "model/SyokiSet.h"
#include "platform/DC.h"
#include "render/DrawSettings.h"
#include "render/ExactColors.h"
#include "render/StyledDraw.h"

#include <algorithm>
#include <optional>

namespace tembra {

namespace {

struct ShadeStyle {
    int fill = 90;
    COLORREF color = 0;
    int rop2 = R2_COPYPEN;
    int bkMode = TRANSPARENT;
    // Printed solid fills keep their exact colour.
    bool exactColors = false;
};

// The look of the shading, or none (printing with "Amikake" 2). On screen by the application's
// settings, on paper by the print settings; a resource chart's background combines its solid
// fills with what lies below instead of covering it.
std::optional<ShadeStyle> ShadingStyle(int outputMode, const CConfigPrint& print, bool background) {
    ShadeStyle style;
    style.color = print.GetAmikakeColor();
    if (outputMode == 0) {
        const DrawSettings& settings = GetDrawSettings();
        if (!settings.holidayMesh) {
            style.color = settings.holidayMeshColor;
            style.fill = 99;
            style.bkMode = OPAQUE;
            if (background) {
                style.rop2 = R2_NOTXORPEN;
                style.bkMode = TRANSPARENT;
            }
        } else if (settings.blackBack) {
            style.color = RGB(128, 128, 128);
            style.rop2 = R2_MERGEPEN;
        } else {
            style.color = RGB(255, 0, 0);
            style.rop2 = R2_NOTXORPEN;
        }
        return style;
    }
    switch (print.GetAmikake()) {
    case 1:
        style.fill = 2;
        break;
    case 2:
        return std::nullopt;
    case 3:
        style.fill = 99;
        style.bkMode = OPAQUE;
        style.exactColors = true;
        if (background) {
            style.rop2 = R2_NOTXORPEN;
            style.bkMode = TRANSPARENT;
        }
        break;
    default:
        style.fill = 91;
        style.rop2 = R2_NOTXORPEN;
        break;
    }
    return style;
}

} // namespace

void CPageLayout::DrawHolidayShading(CDC* dc, int x1, int y1, int x2, int y2,
                                     BOOL background) const {
    const CSyokiSet* set = GetSyokiSet();
    const CCalendar* calendar = m_doc != nullptr ? m_doc->GetCalendar() : nullptr;
    if (set == nullptr || calendar == nullptr) {
        return;
    }
    const int level = set->GetHolidayShade();
    if (level == 0) {
        return;
    }
    const std::optional<ShadeStyle> style =
        ShadingStyle(m_outputMode, GetPrintConfig(), background != 0);
    if (!style) {
        return;
    }
    const int bigHolidays = set->GetChart().GetDateStyle().GetBigHolidays();
    const int left = std::min(x1, x2);
    const int right = std::max(x1, x2);
    const CRect chart = GetChartRect();

    std::optional<ExactColors> exact;
    if (style->exactColors) {
        exact.emplace(dc);
    }
    // The first day is the one the range's left end lies in, also when the range covers only its
    // right part (the region repainted after a node moved off a holiday): rounded to the nearest
    // day, that holiday would be left white.
    const CTime first = std::max(XToDate(left, 0, 0), m_start);
    CTime from = first;
    const CTime to = std::min(XToDate(right), m_end);
    while (from <= to) {
        CTime runStart;
        CTime runEnd;
        const int length = calendar->FindHolidayRun(from, to, runStart, runEnd);
        if (length == 0 || runEnd <= from) {
            break;
        }
        from = runEnd;
        // A run that the search found cut at the visible dates begins where it truly begins
        // (within the period), so that a part of the chart redrawn alone shows what a redraw of
        // the whole shows there.
        if (runStart == first && runStart > m_start) {
            CTime wholeStart;
            CTime wholeEnd;
            if (calendar->GetHolidayRun(runStart, wholeStart, wholeEnd) != 0) {
                runStart = std::max(wholeStart, m_start);
            }
        }
        if (level == 1 && length < bigHolidays &&
            !calendar->InSameHolidayRun(runStart, bigHolidays)) {
            continue;
        }
        const int bandLeft = std::max(DateToX(runStart) + 1, static_cast<int>(chart.left));
        const int bandRight = std::min(DateToX(runEnd), static_cast<int>(chart.right));
        if (bandLeft < bandRight && bandLeft < right && bandRight > left) {
            DrawStyledRect(dc, bandLeft, y1, bandRight, y2, -1, -1, static_cast<COLORREF>(-1),
                           style->fill, style->color, style->rop2, style->bkMode);
        }
    }
}

void CPageLayout::DrawChartBackground(CDC* dc, int x1, int y1, int x2, int y2) const {
    DrawHolidayShading(dc, x1, y1, x2, y2, TRUE);
    // Era years (和暦) when the date header shows an era row.
    BOOL era = FALSE;
    if (const CSyokiSet* set = GetSyokiSet()) {
        for (int i = 0; i < set->GetDateRowCount(); ++i) {
            if (set->GetDateRowKind(i) == kDateRowEraYear) {
                era = TRUE;
            }
        }
    }
    DrawTimeGrid(dc, era);
}

} // namespace tembra
