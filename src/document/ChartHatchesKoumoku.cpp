// The item-cell hatchings (kind 12) following the rows and columns of the item table that were
// cleared, deleted or inserted. A block only moves as a whole: one lying wholly inside a cleared
// or deleted block goes, one that reaches outside the edited band is left alone.
#include "document/ChartHatches.h"

namespace tembra {

template <class Follows, class Shift>
void CChartHatches::KoumokuHatchesMoved(BOOL deleted, BOOL clearOnly, int firstRow, int lastRow,
                                        int firstColumn, int lastColumn, Follows follows,
                                        Shift shift) {
    OwnedObList<CKtkmHatch>& list = m_objects.GetHatchList();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CKtkmHatch* hatch = list.GetNext(pos);
        if (hatch->GetKind() != CKtkmHatch::kKoumokuCells || !follows(*hatch)) {
            continue;
        }
        if (deleted && ClipHatch(hatch, current, CKtkmHatch::kKoumokuCells, CTime(), CTime(),
                                 firstRow, lastRow, firstColumn, lastColumn) == kHatchRemoved) {
            continue; // it lay inside the block and went
        }
        if (clearOnly) {
            continue;
        }
        std::unique_ptr<CKtkmHatch> before = hatch->Clone();
        if (before == nullptr) {
            return;
        }
        shift(*hatch);
        RecordHatchChange(std::move(before), hatch);
    }
}

namespace {

// The columns (rows) of a hatching lie within the edited ones and it starts at or after the
// first edited row (column).
bool InColumnsFromRow(const CKtkmHatch& hatch, int firstRow, int firstColumn, int lastColumn) {
    return firstColumn <= hatch.GetFirstColumn() && hatch.GetLastColumn() <= lastColumn &&
           hatch.GetFirstRow() >= firstRow;
}

bool InRowsFromColumn(const CKtkmHatch& hatch, int firstRow, int lastRow, int firstColumn) {
    return firstRow <= hatch.GetFirstRow() && hatch.GetLastRow() <= lastRow &&
           hatch.GetFirstColumn() >= firstColumn;
}

void ShiftRows(CKtkmHatch& hatch, int rows) {
    hatch.SetFirstRow(hatch.GetFirstRow() + rows);
    hatch.SetLastRow(hatch.GetLastRow() + rows);
}

void ShiftColumns(CKtkmHatch& hatch, int columns) {
    hatch.SetFirstColumn(hatch.GetFirstColumn() + columns);
    hatch.SetLastColumn(hatch.GetLastColumn() + columns);
}

} // namespace

void CChartHatches::HatchRowsDeleted(BOOL clearOnly, int firstRow, int lastRow, int firstColumn,
                                     int lastColumn) {
    const int rows = lastRow - firstRow + 1;
    KoumokuHatchesMoved(
        TRUE, clearOnly, firstRow, lastRow, firstColumn, lastColumn,
        [&](const CKtkmHatch& h) { return InColumnsFromRow(h, firstRow, firstColumn, lastColumn); },
        [&](CKtkmHatch& h) { ShiftRows(h, -rows); });
}

void CChartHatches::HatchRowsInserted(int firstRow, int lastRow, int firstColumn, int lastColumn) {
    const int rows = lastRow - firstRow + 1;
    KoumokuHatchesMoved(
        FALSE, FALSE, firstRow, lastRow, firstColumn, lastColumn,
        [&](const CKtkmHatch& h) { return InColumnsFromRow(h, firstRow, firstColumn, lastColumn); },
        [&](CKtkmHatch& h) { ShiftRows(h, rows); });
}

void CChartHatches::HatchColsDeleted(BOOL clearOnly, int firstRow, int lastRow, int firstColumn,
                                     int lastColumn) {
    const int columns = lastColumn - firstColumn + 1;
    KoumokuHatchesMoved(
        TRUE, clearOnly, firstRow, lastRow, firstColumn, lastColumn,
        [&](const CKtkmHatch& h) { return InRowsFromColumn(h, firstRow, lastRow, firstColumn); },
        [&](CKtkmHatch& h) { ShiftColumns(h, -columns); });
}

void CChartHatches::HatchColsInserted(int firstRow, int lastRow, int firstColumn, int lastColumn) {
    const int columns = lastColumn - firstColumn + 1;
    KoumokuHatchesMoved(
        FALSE, FALSE, firstRow, lastRow, firstColumn, lastColumn,
        [&](const CKtkmHatch& h) { return InRowsFromColumn(h, firstRow, lastRow, firstColumn); },
        [&](CKtkmHatch& h) { ShiftColumns(h, columns); });
}

} // namespace tembra
