// The selection queries of the item table: which rows and item columns the selected cells
// cover. The table is walked as it is stored: one array of cells per item column.
#include "document/KoumokuSelection.h"

#include "model/Koumoku.h"
#include "model/KoumokuData.h"

namespace tembra {

namespace {

bool IsSelectedCell(const CKoumoku& table, int column, int row) {
    const auto* cell = dynamic_cast<const CKoumokuData*>(table.GetAt(row, column));
    return cell != nullptr && cell->IsSelected() != 0;
}

} // namespace

int SelectedKoumokuRows(const CKoumoku& table, int& first, int& last) {
    first = -1;
    last = -1;
    for (int column = 0; column < table.GetRowCount(); ++column) {
        int count = 0;
        const int rows = table.GetColCount(column);
        for (int row = 0; row < rows; ++row) {
            if (IsSelectedCell(table, column, row)) {
                if (count == 0) {
                    first = row;
                }
                last = row;
                ++count;
            }
        }
        if (count != 0) {
            return count;
        }
    }
    return 0;
}

int SelectedKoumokuCols(const CKoumoku& table, int& first, int& last) {
    first = -1;
    last = -1;
    const int columns = table.GetRowCount();
    for (int column = 0; column < columns; ++column) {
        const int rows = table.GetColCount(column);
        for (int row = 0; row < rows; ++row) {
            if (!IsSelectedCell(table, column, row)) {
                continue;
            }
            // The first selected cell: the columns with a selected cell on its row.
            int count = 0;
            for (int other = column; other < columns; ++other) {
                if (IsSelectedCell(table, other, row)) {
                    if (count == 0) {
                        first = other;
                    }
                    last = other;
                    ++count;
                }
            }
            return count;
        }
    }
    return 0;
}

} // namespace tembra
