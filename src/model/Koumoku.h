// The item table (項目) of a document: a CObTable of item cells (CKoumokuData) with the header
// levels, their heights and a ruled-line (罫線) type per chart row.
//
// A table row is an item column (a header level) and a table column is a chart row:
// GetAt(chartRow, itemColumn). The level count is the number of item columns (at most 10) and
// the level heights are their widths in percent of the item area, so GetColumnCount and
// GetColumnWidth read the same two fields as GetLevelCount and GetLevelHeight.
#pragma once

#include "model/ObTable.h"
#include "platform/Archive.h"
#include "platform/Types.h"

#include <optional>
#include <utility>
#include <vector>

namespace tembra {

// The first version whose item table holds its levels, heights and ruled-line types.
constexpr int kKoumokuTableVersion = 32000;

class CKoumoku : public CObTable {
    DECLARE_DYNAMIC(CKoumoku)
public:
    static constexpr int kMaxLevels = 10;

    // One level of 100 percent.
    CKoumoku();

    // n is clamped to 1..10. Levels 0..n-2 get 100 / n percent, level n-1 the rest of 100, and
    // the levels n..9 get 0: ten heights are always kept.
    void SetLevelCount(int n);
    int GetLevelCount() const { return m_levelCount; }
    // Stores one height, growing the heights up to the level; FALSE for a level outside
    // 0..kMaxLevels-1.
    BOOL SetLevelHeight(int level, WORD percent);
    // The height of a level; 0 beyond the heights kept.
    WORD GetLevelHeight(int level) const;
    const std::vector<WORD>& GetLevelHeights() const { return m_levelHeights; }

    // The same fields under the names of the item columns: the number of item columns and the
    // width of each in percent of the item area.
    WORD GetColumnCount() const { return static_cast<WORD>(m_levelCount); }
    WORD GetColumnWidth(int column) const { return GetLevelHeight(column); }
    WORD GetColumnWord(int column) const { return GetLevelHeight(column); }
    BOOL SetColumnWidth(int column, WORD percent) { return SetLevelHeight(column, percent); }

    // Ruled-line (罫線) types per chart row.
    // Stores one type, growing the array; a row outside 0..kMaxIndex is ignored.
    void SetKeisenType(int row, WORD type);
    // 0 for a row beyond the array.
    WORD GetKeisenType(int row) const;
    const std::vector<WORD>& GetKeisenTypes() const { return m_keisenTypes; }
    // direction 1: the table's types become a copy of array; 0: array becomes a copy of them.
    void CopyKeisenTypes(std::vector<WORD>& array, int direction);
    // Removes the entries first..last, each clamped to the last entry; nothing when both lie
    // beyond it, when first is negative or when the range is empty.
    void RemoveKeisenTypes(int first, int last);
    // Inserts last - first + 1 zero entries at first (padding with zeros when first lies beyond
    // the array); nothing for a negative first, an empty range or one beyond kMaxIndex.
    void InsertRowRange(int first, int last);
    // The ruled-line type that an item cell of a file before 32000 carries for its row. While
    // this table reads such a file the types wait, and are stored only once the whole table
    // has been read (a load that fails leaves the types as they were); at any other time the
    // type is stored at once.
    void SetLoadedKeisenType(int row, WORD type);

    // The table's DeleteAll, then the ruled-line types are emptied.
    void DeleteAll() override;

    // From 32000: the rows below the level count as the table form (limit and rows; each row
    // holding its cells up to its last one, rows without cells as null and none after the last
    // row with a cell), then WORD level count, then the heights and the ruled-line types as
    // word arrays (a count, then the words). Before 32000 a file holds one array of cells
    // (a count, then each cell): cell i is the cell of chart row i in item column 0, and the
    // level count is 1. A cell that is no item cell fails the load with the archive's badClass;
    // a level count outside 1..10 says "ファイルが異常です" and abandons it. A failed load
    // leaves the table as it was.
    void Serialize(CArchive& ar) override;

private:
    void StoreCurrent(CArchive& ar);
    void LoadCurrent(CArchive& ar);
    void StoreOld(CArchive& ar) const;
    void LoadOld(CArchive& ar);

    short m_levelCount = 1;
    std::vector<WORD> m_levelHeights;
    std::vector<WORD> m_keisenTypes;
    // (row, type) of the old cells read so far, while this table reads a file before 32000.
    std::optional<std::vector<std::pair<int, WORD>>> m_loadedKeisenTypes;
    // The row objects of the last store. The archive knows written objects by their address, so
    // they stay alive after the store, where no later object can take their place.
    Rows m_storedRows;
};

} // namespace tembra
