// One row of a CObTable: the array of its cells, indexed by column.
#pragma once

#include "platform/Archive.h"
#include "platform/Types.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace tembra {

// Indices and lengths of a table stay within what a 16-bit row or column field can address.
constexpr int kObTableMaxIndex = 0xFFFF;
constexpr bool IsObTableIndex(std::int64_t i) {
    return i >= 0 && i <= kObTableMaxIndex;
}

// A count of a table's rows, of a row's cells or of the item table's words: more than
// kObTableMaxIndex + 1 says "ファイルが異常です" and abandons the load.
DWORD ReadObTableCount(CArchive& ar);

// In a file a row is an object of the framework's object array class ("CObArray", schema 0): a
// count, then each cell as an object reference (null cells as null references).
class CObTableRow : public CObject {
    DECLARE_SERIAL(CObTableRow)
public:
    CObTableRow() = default;
    CObTableRow(const CObTableRow&) = delete;
    CObTableRow& operator=(const CObTableRow&) = delete;
    ~CObTableRow() override = default;

    // A loaded row owns the cells it read until its table takes them (ReleaseCells), so that a
    // load that fails part way, or a row that is refused, leaves nothing behind.
    void Serialize(CArchive& ar) override;
    void ReleaseCells();

    std::vector<CObject*> m_cells;

private:
    std::vector<std::unique_ptr<CObject>> m_loaded;
};

} // namespace tembra
