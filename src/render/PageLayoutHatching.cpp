// The hatching pass: the document's hatching records drawn under the grid and the objects.
// Bands of rows and dates are drawn one by one inside the process area; hatchings of item cells
// are gathered into a table of the visible rows and the item columns and drawn as one run per
// column wherever consecutive rows carry the same fill, so that a pattern runs down a column
// without seams.
#include "render/PageLayout.h"

#include "model/Koumoku.h"
#include "model/KtkmHatch.h"
#include "model/Utility.h"
#include "platform/DC.h"
#include "render/DrawSettings.h"
#include "render/KtkmHatchDraw.h"

#include <algorithm>
#include <vector>

namespace tembra {

namespace {

// The rectangle with its top and bottom replaced by a given band (both non-zero), in device
// terms under the flipped-y option.
CRect ClipRect(CRect rect, int y1, int y2) {
    if (y1 != 0 && y2 != 0) {
        rect.top = y1;
        rect.bottom = y2;
    }
    if (GetDrawSettings().flipY) {
        rect.top = -rect.top;
        rect.bottom = -rect.bottom;
    }
    return rect;
}

void SetClip(CDC* dc, const CRect& rect) {
    dc->SelectClipRgn(nullptr);
    dc->IntersectClipRect(&rect);
}

bool SameFill(const CKtkmHatch& a, const CKtkmHatch& b) {
    return a.GetColor() == b.GetColor() && a.GetPattern() == b.GetPattern();
}

} // namespace

void CPageLayout::DrawHatching(CDC* dc, int y1, int y2) const {
    if (m_doc == nullptr) {
        return;
    }
    const CKoumoku* table = m_doc->GetKoumoku();
    const int columns = table != nullptr ? table->GetColumnCount() : 0;

    int saved = dc->SaveDC();
    const CRect itemClip = ClipRect(GetKoumokuRect(), y1, y2);
    SetClip(dc, ClipRect(GetKouteiRect(), y1, y2));

    // The rows that the clip shows, and one more on each side (a band on screen reaches 2 units
    // into the row below it): the table holds one entry per such row and item column, never
    // more rows than the layout displays.
    int firstRow = m_firstRow;
    int lastRow = m_lastRow;
    CRect box;
    const int region = dc->GetClipBox(&box);
    if (region != NULLREGION && region != RGN_ERROR) {
        if (GetDrawSettings().flipY) {
            box.top = -box.top;
            box.bottom = -box.bottom;
        }
        NormalizeLogRect(box);
        firstRow = std::max(firstRow, YToRow(box.top) - 1);
        lastRow = std::min(lastRow, YToRow(box.bottom) + 1);
    }
    const int rows = std::max(0, lastRow - firstRow + 1);
    std::vector<const CKtkmHatch*> cells;
    bool used = false;

    m_doc->ForEachHatch([&](const CKtkmHatch& hatch) {
        if (hatch.GetKind() != CKtkmHatch::kKoumokuCells) {
            Draw(hatch, dc, *this, y1, y2);
            return;
        }
        // Cells outside the visible rows or the item columns are not entered.
        const int r0 = std::max(std::min(hatch.GetFirstRow(), hatch.GetLastRow()), firstRow);
        const int r1 = std::min(std::max(hatch.GetFirstRow(), hatch.GetLastRow()), lastRow);
        const LONG c0 = std::max<LONG>(std::min(hatch.GetFirstColumn(), hatch.GetLastColumn()), 0);
        const LONG c1 =
            std::min<LONG>(std::max(hatch.GetFirstColumn(), hatch.GetLastColumn()), columns - 1);
        if (r0 > r1 || c0 > c1) {
            return;
        }
        if (!used) {
            cells.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns),
                         nullptr);
            used = true;
        }
        for (LONG c = c0; c <= c1; ++c) {
            for (int r = r0; r <= r1; ++r) {
                cells[static_cast<std::size_t>(c) * static_cast<std::size_t>(rows) +
                      static_cast<std::size_t>(r - firstRow)] = &hatch;
            }
        }
    });

    dc->RestoreDC(saved);
    saved = dc->SaveDC();
    SetClip(dc, itemClip);
    if (used) {
        CKtkmHatch run;
        run.SetKind(CKtkmHatch::kKoumokuCells);
        for (int c = 0; c < columns; ++c) {
            run.SetFirstColumn(c);
            run.SetLastColumn(c);
            bool open = false;
            for (int r = firstRow; r <= lastRow; ++r) {
                const CKtkmHatch* cell =
                    cells[static_cast<std::size_t>(c) * static_cast<std::size_t>(rows) +
                          static_cast<std::size_t>(r - firstRow)];
                if (open && (cell == nullptr || !SameFill(*cell, run))) {
                    Draw(run, dc, *this, y1, y2);
                    open = false;
                }
                if (cell == nullptr) {
                    continue;
                }
                if (!open) {
                    run.SetColor(cell->GetColor());
                    run.SetPattern(cell->GetPattern());
                    run.SetFirstRow(r);
                    open = true;
                }
                run.SetLastRow(r);
            }
            if (open) {
                Draw(run, dc, *this, y1, y2);
            }
        }
    }
    dc->RestoreDC(saved);
}

} // namespace tembra
