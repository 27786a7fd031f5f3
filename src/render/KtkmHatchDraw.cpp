#include "render/KtkmHatchDraw.h"

#include "model/KtkmHatch.h"
#include "platform/DC.h"
#include "render/PageLayout.h"
#include "render/StyledDraw.h"

#include <algorithm>

namespace tembra {

void Draw(const CKtkmHatch& hatch, CDC* dc, const CPageLayout& layout, int clipTop,
          int clipBottom) {
    const WORD kind = hatch.GetKind();
    // Printing in the first print mode draws the band exactly; elsewhere it covers the ruled
    // line along its right and bottom edges.
    const bool exact = layout.GetOutputMode() == 1;
    int firstRow = hatch.GetFirstRow();
    int lastRow = hatch.GetLastRow();
    if (kind == CKtkmHatch::kRowBand || kind == CKtkmHatch::kKoumokuCells) {
        const int shownFirst = layout.GetFirstRow();
        const int shownLast = layout.GetLastRow();
        if (lastRow < shownFirst || firstRow > shownLast) {
            return;
        }
        firstRow = std::max(firstRow, shownFirst);
        lastRow = std::min(lastRow, shownLast);
    }

    CRect rect;
    switch (kind) {
    case CKtkmHatch::kRowBand: {
        const CRect process = layout.GetKouteiRect();
        rect = CRect(process.left, layout.RowToY(firstRow, -1), process.right,
                     layout.RowToY(lastRow, 1));
        if (!exact) {
            rect.bottom -= 2;
        }
        break;
    }
    case CKtkmHatch::kDateBand:
        rect = CRect(layout.DateToX(hatch.GetStartDate()), layout.GetEditRect().top,
                     layout.DateToX(hatch.GetEndDate()), layout.GetKouteiRect().bottom);
        if (!exact) {
            rect.right += 2;
        }
        break;
    case CKtkmHatch::kKoumokuCells:
        rect = CRect(layout.ColumnToX(hatch.GetFirstColumn(), -1), layout.RowToY(firstRow, -1),
                     layout.ColumnToX(hatch.GetLastColumn(), 1), layout.RowToY(lastRow, 1));
        if (!exact) {
            rect.right += 2;
            rect.bottom -= 2;
        }
        break;
    default:
        return;
    }

    if (clipTop != 0 && clipBottom != 0) {
        bool inBand = false;
        if (rect.top <= clipTop && rect.bottom >= clipBottom) {
            inBand = true;
        }
        if (rect.top >= clipTop && rect.bottom < clipTop) {
            rect.top = clipTop - (exact ? 2 : 4);
            inBand = true;
        }
        if (rect.bottom <= clipBottom && rect.top > clipBottom) {
            rect.bottom = clipBottom + (exact ? 2 : 0);
            inBand = true;
        }
        if (!inBand) {
            return;
        }
        // Keep clear of the item table's left frame.
        if (kind == CKtkmHatch::kKoumokuCells && hatch.GetFirstColumn() == 0) {
            rect.left += 2;
        }
    }
    DrawStyledRect(dc, rect, -1, -1, static_cast<COLORREF>(-1), hatch.GetPattern(),
                   hatch.GetColor(), R2_COPYPEN, OPAQUE);
}

} // namespace tembra
