// What the area-name sheet (列数と欄名称設定) edits, apart from its widgets: the header style,
// the number of item columns, the two headings of the standard style, the split checks and
// copies of every cell, read from an area-name set and written back into it on 決定.
//
// The extended style lists its cells by a label: "*1-2" is the grid cell of date row 1 and item
// column 2, "*3" the slant cell of item column 3 and "*a" the slant cell of date row 1 (the
// rows are counted on from 10, in hexadecimal). A leading "*" marks a cell the header uses, a
// space one it does not.
#pragma once

#include "model/AreaNameSet.h"

#include <string>
#include <vector>

namespace tembra {

// One entry of the cell list: its label and the cell it stands for.
struct AreaNameListEntry {
    std::string label;
    bool used = false;
    bool slant = false;
    int row = 0;    // grid cells
    int column = 0; // grid cells
    int no = 0;     // slant cells: 0..9 the item columns, 10..12 the date rows

    bool operator==(const AreaNameListEntry&) const = default;
};

struct AreaNameSheetValues {
    enum : int { kStyleStandard = 0, kStyleExtended = 1 };
    static constexpr int kMaxColumns = CAreaNameSet::kGridColumns;
    static constexpr int kMaxRows = CAreaNameSet::kGridRows;
    // The headings take at most this many characters.
    static constexpr int kTextLimit = 128;

    int style = kStyleStandard;
    bool slant = false; // extended: split diagonally (else as a grid)
    int columns = 1;    // the item columns, 1..10
    int dateRows = 0;   // the header's date rows; 0 when it has none
    bool byColumns = false;
    bool byRows = false;
    // Copies of every cell: Std 0 and 1 (the headings), Grid (3 x 10) and Slant 0..12. A cell
    // the source lacks is made with its defaults.
    CAreaNameSet cells;

    // The sheet's start from a set. documentColumns is the item columns of the chart the set
    // belongs to, 0 when it belongs to none (the user defaults), in which case the set's own
    // column-count word gives them.
    static AreaNameSheetValues FromSet(const CAreaNameSet& set, int dateRows, int documentColumns);

    // The columns and rows the header is split into; without date rows the header still has
    // one row.
    int UsedColumns() const;
    int UsedRows() const;

    // The cell list of the extended page in the current split.
    std::vector<AreaNameListEntry> CellList() const;
    // The cell an entry stands for in the copies (never null).
    CAreaNameData& CellOf(const AreaNameListEntry& entry);
    // The line of the last used date row and of cell 12 of the diagonal split is the header's
    // frame: it has no line settings.
    bool HasLineSettings(const AreaNameListEntry& entry) const;

    // Writes the values into the set: style word (0, 1, or 2 for the diagonal), the split word,
    // the headings, and, when the extended page has been shown, every Grid and Slant copy over
    // the set's cell of the same number. The column count goes into *documentColumns when the
    // set belongs to a chart, else into the set's column-count word.
    void Apply(CAreaNameSet& set, bool extendedShown, int* documentColumns) const;
};

} // namespace tembra
