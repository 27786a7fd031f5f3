#include "render/AreaNamePreviewPicture.h"

#include <cstddef>

namespace tembra {

namespace {

bool Hidden(short type) {
    return type == -1;
}

} // namespace

AreaNamePreviewPicture AreaNamePreviewPicture::Make(const AreaNameSheetValues& values, int width,
                                                    int height, int selected) {
    AreaNamePreviewPicture picture;
    const int columns = values.UsedColumns();
    const int rows = values.UsedRows();
    const int cellWidth = (width - kMargin) / columns;
    const int cellHeight = (height - kMargin) / rows;
    const int left = kMargin / 2;
    const int top = kMargin / 2;
    const int right = left + cellWidth * columns;
    const int bottom = top + cellHeight * rows;
    picture.frame = CRect(left, top, right, bottom);

    const std::vector<AreaNameListEntry> list = values.CellList();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const AreaNameListEntry& entry = list[i];
        if (!entry.used) {
            continue;
        }
        AreaNamePreviewLabel label;
        label.text = entry.label.substr(1);
        label.selected = static_cast<int>(i) == selected;
        if (!entry.slant) {
            const CAreaNameDataGrid* cell =
                values.cells.FindGrid(DWORD(entry.row), DWORD(entry.column));
            const int x0 = left + cellWidth * entry.column;
            const int y0 = top + cellHeight * entry.row;
            const int x1 = x0 + cellWidth;
            const int y1 = y0 + cellHeight;
            picture.lines.push_back({{x1, y0}, {x1, y1}, Hidden(cell->GetLineType())});
            picture.lines.push_back({{x0, y1}, {x1, y1}, Hidden(cell->GetLine2Type())});
            label.center = CPoint((x0 + x1) / 2, (y0 + y1) / 2);
        } else if (entry.no < CAreaNameSet::kSlantRowBase) {
            // An item column's diagonal runs from the top-left corner to the bottom of the
            // column's right edge; its text sits in the triangle left of it.
            const CAreaNameDataSlant* cell = values.cells.FindSlant(DWORD(entry.no));
            const int x0 = left + cellWidth * entry.no;
            const int x1 = x0 + cellWidth;
            picture.lines.push_back({{left, top}, {x1, bottom}, Hidden(cell->GetLineType())});
            label.center = CPoint((left + x0 + x1) / 3, (top + 2 * bottom) / 3);
        } else {
            // Date row r lies in the band k = rows - 1 - r from the top, above the diagonal to
            // the band's lower end; the lowest band's line is the last column's diagonal and
            // the top band's upper edge is the frame.
            const CAreaNameDataSlant* cell = values.cells.FindSlant(DWORD(entry.no));
            const int k = rows - 1 - (entry.no - CAreaNameSet::kSlantRowBase);
            const int y0 = top + cellHeight * k;
            const int y1 = y0 + cellHeight;
            if (k >= 1) {
                picture.lines.push_back({{left, top}, {right, y0}, Hidden(cell->GetLineType())});
            }
            label.center = CPoint((left + 2 * right) / 3, (top + y0 + y1) / 3);
        }
        picture.labels.push_back(label);
    }
    return picture;
}

} // namespace tembra
