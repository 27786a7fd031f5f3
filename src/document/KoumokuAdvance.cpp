#include "document/KoumokuAdvance.h"

namespace tembra {

std::optional<KoumokuPlace> NextKoumokuPlace(const CKoumoku& table, KoumokuPlace from,
                                             int firstShownRow, int lastShownRow) {
    const int columns = table.GetColumnCount();
    KoumokuPlace place = from;
    // One step per column is a whole cycle: a table that shows no column has no next cell.
    for (int step = 0; step < columns; ++step) {
        ++place.column;
        if (place.column >= columns) {
            place.column = 0;
            ++place.row;
            if (place.row > lastShownRow) {
                place.row = firstShownRow;
            }
        }
        if (table.GetColumnWidth(place.column) != 0) {
            return place;
        }
    }
    return std::nullopt;
}

int ShownKeisenCode(int code) {
    switch (code) {
    case 1:
        return 2;
    case 2:
        return 1;
    default:
        return code;
    }
}

} // namespace tembra
