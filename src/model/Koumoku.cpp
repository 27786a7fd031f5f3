#include "model/Koumoku.h"

#include "model/DamagedFile.h"
#include "model/KoumokuData.h"
#include "platform/Document.h"

#include <algorithm>
#include <cstdint>

namespace tembra {

namespace {

void StoreWords(CArchive& ar, const std::vector<WORD>& words) {
    ar.WriteCount(static_cast<DWORD>(words.size()));
    for (WORD w : words) {
        ar << w;
    }
}

std::vector<WORD> LoadWords(CArchive& ar) {
    const DWORD count = ReadObTableCount(ar);
    std::vector<WORD> words(count);
    for (WORD& w : words) {
        ar >> w;
    }
    return words;
}

} // namespace

// ---- CKoumoku -------------------------------------------------------------------------------

// Serialisable (schema 1) but not creatable by name, as every table.
TEMBRA_IMPLEMENT_RUNTIMECLASS(CKoumoku, CObTable, 1, nullptr)

CKoumoku::CKoumoku() {
    SetLevelCount(1);
}

void CKoumoku::SetLevelCount(int n) {
    // Fewer than one level would leave nothing to divide 100 percent among.
    n = std::clamp(n, 1, kMaxLevels);
    m_levelCount = static_cast<short>(n);
    m_levelHeights.assign(kMaxLevels, 0);
    const WORD share = static_cast<WORD>(100 / n);
    for (int level = 0; level < n - 1; ++level) {
        m_levelHeights[level] = share;
    }
    m_levelHeights[n - 1] = static_cast<WORD>(100 - share * (n - 1));
}

BOOL CKoumoku::SetLevelHeight(int level, WORD percent) {
    if (level < 0 || level >= kMaxLevels) {
        return FALSE;
    }
    if (static_cast<std::size_t>(level) >= m_levelHeights.size()) {
        m_levelHeights.resize(static_cast<std::size_t>(level) + 1, 0);
    }
    m_levelHeights[level] = percent;
    return TRUE;
}

WORD CKoumoku::GetLevelHeight(int level) const {
    if (level < 0 || static_cast<std::size_t>(level) >= m_levelHeights.size()) {
        return 0;
    }
    return m_levelHeights[level];
}

void CKoumoku::SetKeisenType(int row, WORD type) {
    if (!IsObTableIndex(row)) {
        return;
    }
    if (static_cast<std::size_t>(row) >= m_keisenTypes.size()) {
        m_keisenTypes.resize(static_cast<std::size_t>(row) + 1, 0);
    }
    m_keisenTypes[row] = type;
}

WORD CKoumoku::GetKeisenType(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= m_keisenTypes.size()) {
        return 0;
    }
    return m_keisenTypes[row];
}

void CKoumoku::CopyKeisenTypes(std::vector<WORD>& array, int direction) {
    if (direction != 0) {
        m_keisenTypes = array;
    } else {
        array = m_keisenTypes;
    }
}

void CKoumoku::RemoveKeisenTypes(int first, int last) {
    const int lastEntry = static_cast<int>(m_keisenTypes.size()) - 1;
    if (first > lastEntry && last > lastEntry) {
        return;
    }
    first = std::min(first, lastEntry);
    last = std::min(last, lastEntry);
    if (first < 0 || first > last) {
        return;
    }
    m_keisenTypes.erase(m_keisenTypes.begin() + first, m_keisenTypes.begin() + last + 1);
}

void CKoumoku::InsertRowRange(int first, int last) {
    if (first < 0 || last < first) {
        return;
    }
    const std::int64_t count = static_cast<std::int64_t>(last) - first + 1;
    const std::int64_t size = static_cast<std::int64_t>(m_keisenTypes.size());
    if (std::max<std::int64_t>(size, first) + count > kMaxIndex + 1) {
        return;
    }
    if (first > size) {
        m_keisenTypes.resize(static_cast<std::size_t>(first), 0);
    }
    m_keisenTypes.insert(m_keisenTypes.begin() + first, static_cast<std::size_t>(count), 0);
}

void CKoumoku::DeleteAll() {
    CObTable::DeleteAll();
    m_keisenTypes.clear();
}

void CKoumoku::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    const bool current = ArchiveVersion(ar) >= kKoumokuTableVersion;
    if (ar.IsStoring()) {
        if (current) {
            StoreCurrent(ar);
        } else {
            StoreOld(ar);
        }
    } else if (current) {
        LoadCurrent(ar);
    } else {
        LoadOld(ar);
    }
}

void CKoumoku::StoreCurrent(CArchive& ar) {
    // The file holds the table as it would be rebuilt from its cells: only the item columns
    // below the level count, each up to its last cell, the empty ones as null.
    Rows rows;
    std::size_t used = 0;
    const int levels = std::min<int>(m_levelCount, GetRowCount());
    for (int r = 0; r < levels; ++r) {
        const auto* source = m_rows[r].get();
        std::size_t length = source != nullptr ? source->m_cells.size() : 0;
        while (length > 0 && source->m_cells[length - 1] == nullptr) {
            --length;
        }
        if (length == 0) {
            rows.push_back(nullptr);
            continue;
        }
        auto row = std::make_unique<CObTableRow>();
        row->m_cells.assign(source->m_cells.begin(), source->m_cells.begin() + length);
        rows.push_back(std::move(row));
        used = rows.size();
    }
    rows.resize(used);
    m_storedRows = std::move(rows);

    StoreRows(ar, m_limit, m_storedRows);
    ar << static_cast<WORD>(m_levelCount);
    StoreWords(ar, m_levelHeights);
    StoreWords(ar, m_keisenTypes);
}

void CKoumoku::LoadCurrent(CArchive& ar) {
    short limit = kDefaultLimit;
    Rows rows = LoadRows(ar, limit, RUNTIME_CLASS(CKoumokuData));
    WORD levelCount = 0;
    ar >> levelCount;
    if (levelCount < 1 || levelCount > kMaxLevels) {
        FailDamagedFile();
    }
    std::vector<WORD> heights = LoadWords(ar);
    std::vector<WORD> keisenTypes = LoadWords(ar);

    m_limit = limit;
    AdoptRows(std::move(rows));
    m_levelCount = static_cast<short>(levelCount);
    m_levelHeights = std::move(heights);
    m_keisenTypes = std::move(keisenTypes);
}

void CKoumoku::StoreOld(CArchive& ar) const {
    const int count = GetColCount(0);
    ar.WriteCount(static_cast<DWORD>(count));
    for (int i = 0; i < count; ++i) {
        ar.WriteObject(GetAt(i, 0));
    }
}

void CKoumoku::SetLoadedKeisenType(int row, WORD type) {
    if (m_loadedKeisenTypes) {
        m_loadedKeisenTypes->emplace_back(row, type);
    } else {
        SetKeisenType(row, type);
    }
}

void CKoumoku::LoadOld(CArchive& ar) {
    // The cells hand their rows' ruled-line types to the document's table as they are read
    // (SetLoadedKeisenType). When that is this table, the types wait for the last cell.
    m_loadedKeisenTypes.emplace();
    std::vector<std::unique_ptr<CKoumokuData>> cells;
    try {
        const DWORD count = ReadObTableCount(ar);
        for (DWORD i = 0; i < count; ++i) {
            cells.push_back(ar.ReadOwnedOrNull<CKoumokuData>());
        }
    } catch (...) {
        m_loadedKeisenTypes.reset();
        throw;
    }
    const auto keisenTypes = std::move(*m_loadedKeisenTypes);
    m_loadedKeisenTypes.reset();

    CObTable::DeleteAll();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        SetAt(static_cast<int>(i), 0, cells[i].release());
    }
    SetLevelCount(1);
    for (const auto& [row, type] : keisenTypes) {
        SetKeisenType(row, type);
    }
}

} // namespace tembra
