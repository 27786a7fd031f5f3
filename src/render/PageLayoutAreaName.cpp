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

// The header's cells in one of its styles: the band from left to right (the item area's right
// edge) and from top to bottom, split into columns (the item columns) and rows (the date rows,
// step apart) as the split options say.
class AreaNamePainter {
public:
    AreaNamePainter(const CPageLayout& layout, CDC* dc, const CSyokiSet& set)
        : m_layout(layout), m_dc(dc), m_set(set), m_names(set.GetChart().GetAreaNameSet()) {
        const CRect band = layout.GetBodyRect();
        m_left = band.left;
        m_top = band.top;
        m_bottom = band.bottom;
        m_right = layout.GetKoumokuRect().right;
        const WORD split = m_names.GetBunkatuOpt();
        m_byColumns = (split & CAreaNameSet::kSplitByColumns) != 0;
        // Without date rows (a first row kind of 0) there is nothing to split by: the header is
        // one row.
        const int dateRows = set.GetDateRowCount();
        m_byRows = (split & CAreaNameSet::kSplitByRows) != 0 && dateRows > 0;
        const IPageLayoutDocument* doc = layout.GetDocument();
        const CKoumoku* table = doc != nullptr ? doc->GetKoumoku() : nullptr;
        m_columns = m_byColumns && table != nullptr ? std::max(1, int(table->GetColumnCount())) : 1;
        // Rows as the date header cuts its band; one row over the whole header when not split.
        m_rows = m_byRows ? dateRows : 1;
        m_step = (m_bottom - m_top) / m_rows;
    }

    void Draw() const {
        switch (m_names.GetStyle()) {
        case CAreaNameSet::kStyleStandard:
            DrawStandard();
            break;
        case CAreaNameSet::kStyleGrid:
            DrawGrid();
            break;
        case CAreaNameSet::kStyleSlant:
            DrawSlant();
            break;
        default:
            break;
        }
    }

private:
    int RowTop(int i) const { return m_top + m_step * i; }
    int RowBottom(int i) const { return m_bottom - m_step * (m_rows - 1 - i); }
    int ColumnLeft(int c) const { return m_layout.ColumnToX(c, -1); }
    int ColumnRight(int c) const { return m_byColumns ? m_layout.ColumnToX(c, 1) : m_right; }

    void Line(int x1, int y1, int x2, int y2, const AreaLineStyle& style) const {
        // A hidden line has no width either (on screen a hidden line with a width is a guide).
        const int width = style.type == -1 ? -1 : style.width;
        DrawStyledPolyline(m_dc, x1, y1, x2, y2, style.type, width, style.color, R2_COPYPEN,
                           OPAQUE);
    }

    LOGFONT FontOf(const CAreaNameData& cell) const {
        LOGFONT font =
            cell.GetOwnFont() != 0 ? cell.GetLogFont() : m_set.GetChart().GetKoumokuAttr().m_font;
        font.lfHeight = m_layout.Zoom(font.lfHeight);
        font.lfWidth = m_layout.Zoom(font.lfWidth);
        if ((cell.GetStyle() & CAreaNameData::kStyleBold) != 0) {
            font.lfWeight = kBold;
        }
        return font;
    }

    // The text's extent across the base line, downwards on the chart.
    static int ExtentOf(const LOGFONT& font) { return -std::abs(static_cast<int>(font.lfHeight)); }

    void Text(const CAreaNameData& cell, const LOGFONT& font, int x, int y, UINT align) const {
        if (cell.GetText().empty()) {
            return;
        }
        DrawStyledText(m_dc, x, y, &font, cell.GetTextColor(), cell.GetText(), align, R2_COPYPEN,
                       TRANSPARENT);
    }

    void DrawStandard() const {
        Line(m_left, m_top, m_right, m_bottom, AreaLineStyle{0, 3, RGB(0, 0, 0)});
        if (const CAreaNameDataStd* cell = m_names.GetKoumokuCell()) {
            Text(*cell, FontOf(*cell), m_left + kHeadingInset, m_bottom + kHeadingInset, TA_BOTTOM);
        }
        if (const CAreaNameDataStd* cell = m_names.GetHizukeCell()) {
            Text(*cell, FontOf(*cell), m_right - kHeadingInset, m_top - kHeadingInset, TA_RIGHT);
        }
    }

    void DrawGrid() const {
        for (int c = 0; c < m_columns; ++c) {
            for (int i = 0; i < m_rows; ++i) {
                const CAreaNameDataGrid* cell = m_names.FindGrid(i, c);
                if (cell == nullptr) {
                    continue;
                }
                if (m_byColumns) {
                    const int x = m_layout.ColumnToX(c, 1);
                    Line(x, RowTop(i), x, RowBottom(i), cell->GetRightLineStyle());
                }
                if (m_byRows) {
                    Line(ColumnLeft(c), RowBottom(i), ColumnRight(c), RowBottom(i),
                         cell->GetBottomLineStyle());
                }
            }
        }
        for (int c = 0; c < m_columns; ++c) {
            for (int i = 0; i < m_rows; ++i) {
                const CAreaNameDataGrid* cell = m_names.FindGrid(i, c);
                if (cell == nullptr) {
                    continue;
                }
                const LOGFONT font = FontOf(*cell);
                const AreaTextPos pos = cell->GetTextPos(
                    CRect(ColumnLeft(c), RowTop(i), ColumnRight(c), RowBottom(i)), ExtentOf(font));
                Text(*cell, font, pos.x, pos.y, pos.align);
            }
        }
    }

    void DrawSlant() const {
        if (m_byColumns) {
            for (int c = 0; c < m_columns; ++c) {
                if (const CAreaNameDataSlant* cell = m_names.FindSlantColumn(c)) {
                    Line(m_left, m_top, m_layout.ColumnToX(c, 1), m_bottom, cell->GetLineStyle());
                }
            }
        }
        if (const CAreaNameDataSlant* cell = m_names.FindSlantColumn(m_columns - 1)) {
            Line(m_left, m_top, m_right, m_bottom, cell->GetLineStyle());
        }
        for (int k = m_rows - 1; k >= 1; --k) {
            if (const CAreaNameDataSlant* cell = m_names.FindSlantRow(m_rows - 1 - k)) {
                Line(m_left, m_top, m_right, m_top + m_step * k, cell->GetLineStyle());
            }
        }
        for (int c = 0; c < m_columns; ++c) {
            if (const CAreaNameDataSlant* cell = m_names.FindSlantColumn(c)) {
                const LOGFONT font = FontOf(*cell);
                const AreaTextPos pos =
                    cell->GetSlantColumnTextPos(m_left, m_top, ColumnLeft(c), m_bottom,
                                                ColumnRight(c), m_bottom, ExtentOf(font));
                Text(*cell, font, pos.x, pos.y, pos.align);
            }
        }
        for (int k = m_rows - 1; k >= 0; --k) {
            if (const CAreaNameDataSlant* cell = m_names.FindSlantRow(m_rows - 1 - k)) {
                const LOGFONT font = FontOf(*cell);
                const AreaTextPos pos =
                    cell->GetSlantRowTextPos(m_left, m_top, m_right, m_top + m_step * k, m_right,
                                             m_bottom - m_step * (m_rows - 1 - k), ExtentOf(font));
                Text(*cell, font, pos.x, pos.y, pos.align);
            }
        }
    }

    const CPageLayout& m_layout;
    CDC* m_dc;
    const CSyokiSet& m_set;
    const CAreaNameSet& m_names;
    int m_left = 0;
    int m_top = 0;
    int m_bottom = 0;
    int m_right = 0;
    bool m_byColumns = false;
    bool m_byRows = false;
    int m_columns = 1;
    int m_rows = 1;
    int m_step = 0;
};

} // namespace

void CPageLayout::DrawHeaderCells(CDC* dc) const {
    if (const CSyokiSet* set = GetSyokiSet()) {
        AreaNamePainter(*this, dc, *set).Draw();
    }
}

} // namespace tembra
