// The selection queries of the item table: which rows and item columns the selected cells
// cover. The document answers them for its commands, and its page-layout seam for the painters.
#pragma once

namespace tembra {

class CKoumoku;

// The first and last selected row in the first item column that holds a selected cell; their
// count, or 0 with first = last = -1 when no cell is selected.
int SelectedKoumokuRows(const CKoumoku& table, int& first, int& last);
// The first and last item column holding a selected cell on the row of the first selected cell;
// their count, or 0 with first = last = -1 when no cell is selected.
int SelectedKoumokuCols(const CKoumoku& table, int& first, int& last);

} // namespace tembra
