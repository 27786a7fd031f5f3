// The fixed skeleton of a chart page: the white band under it, the frames of the page and of the
// body, the selected item cells and date range, the holiday shading, the rows of the date header,
// the vertical time grid and the item table's ruled lines, and, while the print header is shown
// above the chart, the print header's areas.
#include "render/PageLayout.h"

#include "model/ConfigPrint.h"
#include "model/KoumokuData.h"
#include "model/SyokiSet.h"
#include "platform/DC.h"
#include "render/DrawSettings.h"
#include "render/StyledDraw.h"

#include <algorithm>

namespace tembra {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
// The pale band of the selected item cells.
constexpr COLORREF kSelectionColor = RGB(192, 220, 192);
// A cell selected as part of a whole row.
constexpr WORD kWholeRowMark = 255;

constexpr int kFrameWidth = 4;
constexpr int kSeparatorWidth = 3;
constexpr int kSolidFill = 99;
constexpr int kNoFill = -1;
// The print header's frame: a line, and a fill code that fills nothing.
constexpr int kFrameOnlyFill = 999;

int FlipY(int y) {
    return GetDrawSettings().flipY ? -y : y;
}

// Resets the clip and sets it to the rectangle (layout coordinates; y negated under the
// flipped-y option, as every y handed to the device).
void ClipTo(CDC* dc, const CRect& rect) {
    dc->SelectClipRgn(nullptr);
    dc->IntersectClipRect(rect.left, FlipY(rect.top), rect.right, FlipY(rect.bottom));
}

// The label step handed to a row of the unit: the settings' label interval when the date-label
// unit is that unit, else every unit.
int RowStep(const CSyokiSet& set, int unit) {
    if (set.GetDateUnit() != unit) {
        return 1;
    }
    return std::max(1, GetThinningStep(unit, set.GetOption2()));
}

// The rows of the date header kinds of the settings; TRUE when one of them counted era years.
BOOL DrawDateRows(const CPageLayout& layout, CDC* dc, const CSyokiSet& set, const LOGFONT& font) {
    // Without date rows (a first row kind of 0) there is nothing to divide the band by.
    const int rows = set.GetDateRowCount();
    if (rows <= 0) {
        return FALSE;
    }
    const int elapsed = set.GetNobeMode() != 0 ? 1 : 0;
    const int top = layout.GetBodyRect().top;
    const int bottom = layout.GetBodyRect().bottom;
    // Rows share the band evenly; the remainder of the division is shared by overlapping rows.
    const int step = (bottom - top) / rows;
    BOOL era = FALSE;
    for (int i = 0; i < rows; ++i) {
        const int rowTop = top + step * i;
        const int rowBottom = bottom - step * (rows - 1 - i);
        switch (set.GetDateRowKind(i)) {
        case kDateRowYear:
            layout.DrawYearRow(dc, font, rowTop, rowBottom, RowStep(set, kUnitYear), elapsed, 0);
            break;
        case kDateRowNobeYear:
            layout.DrawYearRow(dc, font, rowTop, rowBottom, RowStep(set, kUnitYear), 1, 0);
            break;
        case kDateRowEraYear:
            layout.DrawYearRow(dc, font, rowTop, rowBottom, RowStep(set, kUnitYear), 0, 1);
            era = TRUE;
            break;
        case kDateRowMonth:
            layout.DrawMonthRow(dc, font, rowTop, rowBottom, RowStep(set, kUnitMonth),
                                elapsed == 1 ? 2 : 0);
            break;
        case kDateRowNobeMonth:
            layout.DrawMonthRow(dc, font, rowTop, rowBottom, RowStep(set, kUnitMonth),
                                elapsed == 0 ? 3 : 1);
            break;
        case kDateRowDay: {
            const int mode = elapsed == 1 ? 2 : 0;
            if (mode == 0 && set.GetDateUnit() == kUnitWeek) {
                layout.DrawWeeklyDayRow(dc, font, rowTop, rowBottom, RowStep(set, kUnitDay));
            } else {
                layout.DrawDayRow(dc, font, rowTop, rowBottom, RowStep(set, kUnitDay), mode);
            }
            break;
        }
        case kDateRowNobeDay:
            layout.DrawDayRow(dc, font, rowTop, rowBottom, RowStep(set, kUnitDay), 1);
            break;
        case kDateRowHour:
            layout.DrawHourRow(dc, font, rowTop, rowBottom, RowStep(set, kUnitHour));
            break;
        case kDateRowWeekday:
            layout.DrawWeekdayRow(dc, font, rowTop, rowBottom);
            break;
        default:
            // Kinds without a painter leave their row empty.
            break;
        }
    }
    return era;
}

} // namespace

void CPageLayout::FillWhiteBand(CDC* dc) const {
    if (dc == nullptr) {
        return;
    }
    const CRect page = GetPageRect();
    const int top = m_header != nullptr ? GetRect().top : GetBodyRect().top;
    const int bottom = (m_header != nullptr ? GetFixedBodyRect().bottom : GetEditRect().bottom) - 1;
    DrawStyledRect(dc, page.left, top, page.right + 1, bottom, 0, kFrameWidth, kWhite, kSolidFill,
                   kWhite, R2_COPYPEN, OPAQUE);
}

void CPageLayout::DrawItemSelection(CDC* dc) const {
    if (dc == nullptr || m_doc == nullptr) {
        return;
    }
    // The document looks through its item table for the selected cells: once per change of
    // the document, when it counts its changes.
    const DrawCacheKey key = DrawCacheKeyOf(*this);
    auto& cached = m_caches.selectedCells;
    if (key.changes == 0 || !cached || !(cached->key == key)) {
        // (Assigned rather than emplaced: clang cannot default-construct the nested record
        // through the optional.)
        cached = DrawCaches::SelectedCells{};
        cached->key = key;
        cached->rows = m_doc->GetSelectedKoumokuRows(cached->firstRow, cached->lastRow);
        cached->columns = m_doc->GetSelectedKoumokuCols(cached->firstColumn, cached->lastColumn);
    }
    if (cached->rows == 0 || cached->columns == 0) {
        return;
    }
    const int firstRow = cached->firstRow;
    const int lastRow = cached->lastRow;
    const int firstColumn = cached->firstColumn;
    const int lastColumn = cached->lastColumn;
    // A selection wholly above or below the displayed rows shows nothing (clamped, it would
    // mark a row that is not selected).
    const int first = std::max<int>(firstRow, m_firstRow);
    const int last = std::min<int>(lastRow, m_lastRow);
    if (first > last) {
        return;
    }
    const int left = ColumnToX(firstColumn, -1) + 1;
    int right = ColumnToX(lastColumn, 1) + 2;
    // Rows selected whole run on across the chart.
    const CKoumokuData* cell = m_doc->GetKoumokuCell(lastRow, lastColumn);
    if (cell != nullptr && cell->IsSelected() == kWholeRowMark) {
        right = GetKouteiRect().right + 1;
    }
    DrawStyledRect(dc, left, RowToY(first, -1) - 1, right, RowToY(last, 1) - 2, -1, -1,
                   static_cast<COLORREF>(-1), kSolidFill, kSelectionColor, R2_MERGEPENNOT, OPAQUE);
}

void CPageLayout::DrawDateHeader(CDC* dc) {
    if (dc == nullptr) {
        return;
    }
    const bool headerShown = m_header != nullptr;
    const CRect page = GetPageRect();
    const CRect band = GetBodyRect();
    const CRect body = GetEditRect();
    const CRect items = GetKoumokuRect();

    // 1. The page band, and the part of the chart the clip box shows (layout coordinates). A
    // device without a clip box (a metafile) and the embedded picture show the whole page.
    const CRect pageBand(page.left, headerShown ? GetRect().top : band.top, page.right + 1,
                         (headerShown ? GetFixedBodyRect().bottom : body.bottom) - 1);
    CRect clip;
    const int region = dc->GetClipBox(&clip);
    if (region == NULLREGION || region == RGN_ERROR || GetDrawSettings().embeddedPicture) {
        clip = pageBand;
    } else {
        clip =
            CRect(std::min(clip.left, clip.right), std::max(FlipY(clip.top), FlipY(clip.bottom)),
                  std::max(clip.left, clip.right), std::min(FlipY(clip.top), FlipY(clip.bottom)));
    }

    // 2. Hatchings: always on screen, on paper when the print settings ask for them.
    if (m_outputMode == 0 || GetPrintConfig().GetHatch() != 0) {
        DrawHatching(dc, 0, 0);
    }

    // 3. The selections, on screen only.
    if (!dc->IsPrinting()) {
        DrawItemSelection(dc);
        DrawColumnRangeBand(dc);
    }

    // 4.-6. The frames of the page and of the body, and the line between the item columns and
    // the chart.
    DrawStyledRect(dc, pageBand, 0, kFrameWidth, kBlack, kNoFill, 0, R2_COPYPEN, OPAQUE);
    DrawStyledRect(dc, band.left, band.top, band.right + 1, body.bottom - 1, 0, kFrameWidth, kBlack,
                   kNoFill, 0, R2_COPYPEN, OPAQUE);
    const auto itemSeparator = [&] {
        DrawStyledPolyline(dc, items.right, band.top, items.right, items.bottom, 0, kSeparatorWidth,
                           kBlack, R2_COPYPEN, OPAQUE);
    };
    itemSeparator();

    // 7. The print header shown above the chart: each of its areas drawn under a clip of its
    // own, where the clip leaves anything to draw.
    if (headerShown && m_doc != nullptr) {
        const int saved = dc->SaveDC();
        DrawStyledRect(dc, page.left, band.top, page.right + 1, body.bottom - 1, 0, kFrameWidth,
                       kBlack, kFrameOnlyFill, kBlack, R2_COPYPEN, OPAQUE);
        CRect footer = GetFixedBodyRect();
        footer.top += 1;
        CRect right = GetRightArea();
        right.left += 1;
        for (const CRect& area : {GetRect(), footer, GetLeftArea(), right}) {
            ClipTo(dc, area);
            CRect box;
            dc->GetClipBox(&box);
            dc->LPtoDP(&box);
            if ((!box.IsRectEmpty() && !box.IsRectNull()) || GetDrawSettings().flipY) {
                m_doc->DrawPrintHeader(dc, *this);
            }
        }
        dc->RestoreDC(saved);
    }

    // 8. From here on the drawing stays inside the page.
    const CRect own = GetRect();
    ClipTo(dc, CRect(own.left, own.top, own.right - 2, body.bottom + 3));

    const CSyokiSet* set = GetSyokiSet();
    if (set != nullptr) {
        // 9., 10. Holidays over the visible dates.
        DrawHolidayShading(dc, clip.left, body.top, clip.right, GetChartRect().bottom, FALSE);

        // 11. The date rows, in the date font at the zoom.
        LOGFONT font = set->GetChart().GetDateStyle().GetLogFont();
        font.lfHeight = Zoom(font.lfHeight);
        font.lfWidth = Zoom(font.lfWidth);
        CFont made;
        made.CreateFontIndirect(&font);
        CFont* old = dc->SelectObject(&made);
        const BOOL era = DrawDateRows(*this, dc, *set, font);

        // 12. The time grid of the ruled-line unit.
        DrawTimeGrid(dc, era);

        // 13. The date band's top and bottom lines.
        for (const int y : {band.top, band.bottom}) {
            DrawStyledPolyline(dc, band.left, y, band.right, y, 0, kFrameWidth, kBlack, R2_COPYPEN,
                               OPAQUE);
        }

        // 14. The item table's ruled lines, and those of the fixed rows of a chart scrolled down.
        DrawKoumokuGrid(dc);
        DrawRowLines(dc, clip);
        if (m_scrolledDown) {
            const BOOL clipPass = m_clipPass;
            m_clipPass = TRUE;
            DrawKoumokuGrid(dc);
            DrawRowLines(dc, clip);
            m_clipPass = clipPass;
        }

        // 15. The item separator over what the grid drew.
        itemSeparator();
        dc->SelectObject(old);
    }
}

} // namespace tembra
