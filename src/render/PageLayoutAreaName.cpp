// The area-name header (欄名称): the corner of the date band above the item columns. Three
// styles: one cell split by a diagonal with the item heading below it and the date heading
// above; a grid of one cell per item column and date row; or lines fanning out from the
// top-left corner to the column edges and the date-row boundaries, each triangle with its
// text. The split options choose whether the header is divided by the item columns and by the
// date rows.
#include "render/PageLayout.h"

#include "model/Koumoku.h"
#include "model/SyokiSet.h"
#include "platform/DC.h"
#include "render/StyledDraw.h"

#include <algorithm>
#include <cstdlib>

namespace tembra {

namespace {

constexpr int kBold = 700;
// The standard style's headings sit this far inside the header's corners.
constexpr int kHeadingInset = 10;

} // namespace

void CPageLayout::DrawHeaderCells(CDC* dc) const {
    const CSyokiSet* set = GetSyokiSet();
    if (set == nullptr) {
        return;
    }
    const CAreaNameSet& names = set->GetChart().GetAreaNameSet();
    const CRect band = GetBodyRect();
    const int left = band.left;
    const int top = band.top;
    const int bottom = band.bottom;
    const int right = GetKoumokuRect().right;

    const WORD split = names.GetBunkatuOpt();
    const bool byColumns = (split & CAreaNameSet::kSplitByColumns) != 0;
    // Without date rows (a first row kind of 0) there is nothing to split by: the header is one
    // row.
    const int dateRows = set->GetDateRowCount();
    const bool byRows = (split & CAreaNameSet::kSplitByRows) != 0 && dateRows > 0;
    const CKoumoku* table = m_doc != nullptr ? m_doc->GetKoumoku() : nullptr;
    const int columns =
        byColumns && table != nullptr ? std::max(1, int(table->GetColumnCount())) : 1;
    // Rows as the date header cuts its band; one row over the whole header when not split.
    const int rows = byRows ? dateRows : 1;
    const int step = (bottom - top) / rows;
    const auto rowTop = [&](int i) { return top + step * i; };
    const auto rowBottom = [&](int i) { return bottom - step * (rows - 1 - i); };
    const auto columnLeft = [&](int c) { return ColumnToX(c, -1); };
    const auto columnRight = [&](int c) { return byColumns ? ColumnToX(c, 1) : right; };

    const auto line = [&](int x1, int y1, int x2, int y2, const AreaLineStyle& style) {
        // A hidden line has no width either (on screen a hidden line with a width is a guide).
        const int width = style.type == -1 ? -1 : style.width;
        DrawStyledPolyline(dc, x1, y1, x2, y2, style.type, width, style.color, R2_COPYPEN, OPAQUE);
    };
    const auto fontOf = [&](const CAreaNameData& cell) {
        LOGFONT font =
            cell.GetOwnFont() != 0 ? cell.GetLogFont() : set->GetChart().GetKoumokuAttr().m_font;
        font.lfHeight = Zoom(font.lfHeight);
        font.lfWidth = Zoom(font.lfWidth);
        if ((cell.GetStyle() & CAreaNameData::kStyleBold) != 0) {
            font.lfWeight = kBold;
        }
        return font;
    };
    // The text's extent across the base line, downwards on the chart.
    const auto extentOf = [](const LOGFONT& font) {
        return -std::abs(static_cast<int>(font.lfHeight));
    };
    const auto text = [&](const CAreaNameData& cell, const LOGFONT& font, int x, int y,
                          UINT align) {
        if (cell.GetText().empty()) {
            return;
        }
        DrawStyledText(dc, x, y, &font, cell.GetTextColor(), cell.GetText(), align, R2_COPYPEN,
                       TRANSPARENT);
    };

    switch (names.GetStyle()) {
    case CAreaNameSet::kStyleStandard: {
        line(left, top, right, bottom, AreaLineStyle{0, 3, RGB(0, 0, 0)});
        if (const CAreaNameDataStd* cell = names.GetKoumokuCell()) {
            text(*cell, fontOf(*cell), left + kHeadingInset, bottom + kHeadingInset, TA_BOTTOM);
        }
        if (const CAreaNameDataStd* cell = names.GetHizukeCell()) {
            text(*cell, fontOf(*cell), right - kHeadingInset, top - kHeadingInset, TA_RIGHT);
        }
        break;
    }
    case CAreaNameSet::kStyleGrid: {
        for (int c = 0; c < columns; ++c) {
            for (int i = 0; i < rows; ++i) {
                const CAreaNameDataGrid* cell = names.FindGrid(i, c);
                if (cell == nullptr) {
                    continue;
                }
                if (byColumns) {
                    const int x = ColumnToX(c, 1);
                    line(x, rowTop(i), x, rowBottom(i), cell->GetRightLineStyle());
                }
                if (byRows) {
                    line(columnLeft(c), rowBottom(i), columnRight(c), rowBottom(i),
                         cell->GetBottomLineStyle());
                }
            }
        }
        for (int c = 0; c < columns; ++c) {
            for (int i = 0; i < rows; ++i) {
                const CAreaNameDataGrid* cell = names.FindGrid(i, c);
                if (cell == nullptr) {
                    continue;
                }
                const LOGFONT font = fontOf(*cell);
                const AreaTextPos pos = cell->GetTextPos(
                    CRect(columnLeft(c), rowTop(i), columnRight(c), rowBottom(i)), extentOf(font));
                text(*cell, font, pos.x, pos.y, pos.align);
            }
        }
        break;
    }
    case CAreaNameSet::kStyleSlant: {
        if (byColumns) {
            for (int c = 0; c < columns; ++c) {
                if (const CAreaNameDataSlant* cell = names.FindSlantColumn(c)) {
                    line(left, top, ColumnToX(c, 1), bottom, cell->GetLineStyle());
                }
            }
        }
        if (const CAreaNameDataSlant* cell = names.FindSlantColumn(columns - 1)) {
            line(left, top, right, bottom, cell->GetLineStyle());
        }
        for (int k = rows - 1; k >= 1; --k) {
            if (const CAreaNameDataSlant* cell = names.FindSlantRow(rows - 1 - k)) {
                line(left, top, right, top + step * k, cell->GetLineStyle());
            }
        }
        for (int c = 0; c < columns; ++c) {
            if (const CAreaNameDataSlant* cell = names.FindSlantColumn(c)) {
                const LOGFONT font = fontOf(*cell);
                const AreaTextPos pos = cell->GetSlantColumnTextPos(
                    left, top, columnLeft(c), bottom, columnRight(c), bottom, extentOf(font));
                text(*cell, font, pos.x, pos.y, pos.align);
            }
        }
        for (int k = rows - 1; k >= 0; --k) {
            if (const CAreaNameDataSlant* cell = names.FindSlantRow(rows - 1 - k)) {
                const LOGFONT font = fontOf(*cell);
                const AreaTextPos pos =
                    cell->GetSlantRowTextPos(left, top, right, top + step * k, right,
                                             bottom - step * (rows - 1 - k), extentOf(font));
                text(*cell, font, pos.x, pos.y, pos.align);
            }
        }
        break;
    }
    default:
        break;
    }
}

} // namespace tembra
