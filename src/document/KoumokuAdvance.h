// Where the text input of the item table goes after a text was entered into a cell: the next
// column, wrapping to the first column of the next row and past the last row shown to the first
// row shown; columns the table does not show (width 0) are passed over.
#pragma once

#include "model/Koumoku.h"

#include <optional>

namespace tembra {

struct KoumokuPlace {
    int row = 0;
    int column = 0;
    bool operator==(const KoumokuPlace&) const = default;
};

// The place after from, or none when the table shows no column at all.
std::optional<KoumokuPlace> NextKoumokuPlace(const CKoumoku& table, KoumokuPlace from,
                                             int firstShownRow, int lastShownRow);

// The code of a ruled-line type as the ruled-line dialog shows it: 1 and 2 exchanged, the others
// as they are. Applied twice it gives the code back.
int ShownKeisenCode(int code);

} // namespace tembra
