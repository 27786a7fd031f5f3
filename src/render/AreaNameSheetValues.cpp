#include "render/AreaNameSheetValues.h"

#include <algorithm>
#include <cstdio>

namespace tembra {

namespace {

std::string Label(bool used, const char* format, int a, int b = 0) {
    char text[16];
    std::snprintf(text, sizeof text, format, a, b);
    return std::string(used ? "*" : " ") + text;
}

AreaNameListEntry GridEntry(bool used, int row, int column) {
    AreaNameListEntry entry;
    entry.label = Label(used, "%d-%d", row + 1, column + 1);
    entry.used = used;
    entry.row = row;
    entry.column = column;
    return entry;
}

AreaNameListEntry SlantEntry(bool used, int no) {
    AreaNameListEntry entry;
    entry.label = Label(used, no < CAreaNameSet::kSlantRowBase ? "%d" : "%0x",
                        no < CAreaNameSet::kSlantRowBase ? no + 1 : no);
    entry.used = used;
    entry.slant = true;
    entry.no = no;
    return entry;
}

} // namespace

AreaNameSheetValues AreaNameSheetValues::FromSet(const CAreaNameSet& set, int dateRows,
                                                 int documentColumns) {
    AreaNameSheetValues values;
    values.style = set.GetStyle() == CAreaNameSet::kStyleStandard ? kStyleStandard : kStyleExtended;
    values.slant = set.GetStyle() == CAreaNameSet::kStyleSlant;
    const int columns = documentColumns > 0 ? documentColumns : set.GetKoumokuColumnCount();
    values.columns = std::clamp(columns, 1, kMaxColumns);
    values.dateRows = std::clamp(dateRows, 0, kMaxRows);
    values.byColumns = (set.GetBunkatuOpt() & CAreaNameSet::kSplitByColumns) != 0;
    values.byRows = (set.GetBunkatuOpt() & CAreaNameSet::kSplitByRows) != 0;
    values.cells = set;
    for (DWORD no = 0; no < DWORD(CAreaNameSet::kStdCount); ++no) {
        if (values.cells.FindStd(no) == nullptr) {
            values.cells.ReplaceStd(no, std::make_unique<CAreaNameDataStd>(no));
        }
    }
    for (DWORD row = 0; row < DWORD(kMaxRows); ++row) {
        for (DWORD column = 0; column < DWORD(kMaxColumns); ++column) {
            if (values.cells.FindGrid(row, column) == nullptr) {
                values.cells.ReplaceGrid(row, column,
                                         std::make_unique<CAreaNameDataGrid>(row, column));
            }
        }
    }
    for (DWORD no = 0; no < DWORD(CAreaNameSet::kSlantCount); ++no) {
        if (values.cells.FindSlant(no) == nullptr) {
            values.cells.ReplaceSlant(no, std::make_unique<CAreaNameDataSlant>(no));
        }
    }
    return values;
}

int AreaNameSheetValues::UsedColumns() const {
    return byColumns ? columns : 1;
}

int AreaNameSheetValues::UsedRows() const {
    return byRows ? std::max(1, dateRows) : 1;
}

std::vector<AreaNameListEntry> AreaNameSheetValues::CellList() const {
    const int usedColumns = UsedColumns();
    const int usedRows = UsedRows();
    std::vector<AreaNameListEntry> list;
    if (slant) {
        for (int c = 0; c < usedColumns; ++c) {
            list.push_back(SlantEntry(true, c));
        }
        for (int r = 0; r < usedRows; ++r) {
            list.push_back(SlantEntry(true, CAreaNameSet::kSlantRowBase + r));
        }
        for (int c = usedColumns; c < kMaxColumns; ++c) {
            list.push_back(SlantEntry(false, c));
        }
        for (int r = usedRows; r < kMaxRows; ++r) {
            list.push_back(SlantEntry(false, CAreaNameSet::kSlantRowBase + r));
        }
        return list;
    }
    for (int r = 0; r < usedRows; ++r) {
        for (int c = 0; c < usedColumns; ++c) {
            list.push_back(GridEntry(true, r, c));
        }
    }
    for (int r = 0; r < usedRows; ++r) {
        for (int c = usedColumns; c < kMaxColumns; ++c) {
            list.push_back(GridEntry(false, r, c));
        }
    }
    for (int r = usedRows; r < kMaxRows; ++r) {
        for (int c = 0; c < kMaxColumns; ++c) {
            list.push_back(GridEntry(false, r, c));
        }
    }
    return list;
}

CAreaNameData& AreaNameSheetValues::CellOf(const AreaNameListEntry& entry) {
    if (entry.slant) {
        return *cells.FindSlant(DWORD(entry.no));
    }
    return *cells.FindGrid(DWORD(entry.row), DWORD(entry.column));
}

bool AreaNameSheetValues::HasLineSettings(const AreaNameListEntry& entry) const {
    if (!entry.slant) {
        return true;
    }
    const int lastRow = CAreaNameSet::kSlantRowBase + UsedRows() - 1;
    return entry.no != lastRow && entry.no != CAreaNameSet::kSlantCount - 1;
}

void AreaNameSheetValues::Apply(CAreaNameSet& set, bool extendedShown, int* documentColumns) const {
    WORD styleWord = CAreaNameSet::kStyleStandard;
    if (style == kStyleExtended) {
        styleWord = slant ? CAreaNameSet::kStyleSlant : CAreaNameSet::kStyleGrid;
    }
    set.SetStyle(styleWord);
    if (documentColumns != nullptr) {
        *documentColumns = columns;
    } else {
        set.SetKoumokuColumnCount(WORD(columns));
    }
    for (DWORD no = 0; no < DWORD(CAreaNameSet::kStdCount); ++no) {
        set.ReplaceStd(no, std::make_unique<CAreaNameDataStd>(*cells.FindStd(no)));
    }
    set.SetHizukeName(cells.GetHizukeName());
    set.SetKoumokuName(cells.GetKoumokuName());
    set.SetBunkatuOpt(WORD((byColumns ? CAreaNameSet::kSplitByColumns : 0) |
                           (byRows ? CAreaNameSet::kSplitByRows : 0)));
    if (!extendedShown) {
        return;
    }
    for (const auto& cell : cells.GetGridCells()) {
        DWORD row = 0;
        DWORD column = 0;
        cell->GetNoPair(row, column);
        set.ReplaceGrid(row, column, std::make_unique<CAreaNameDataGrid>(*cell));
    }
    for (const auto& cell : cells.GetSlantCells()) {
        set.ReplaceSlant(cell->GetNo(), std::make_unique<CAreaNameDataSlant>(*cell));
    }
}

} // namespace tembra
