#include "model/ObTable.h"

#include "model/DamagedFile.h"
#include "model/KoumokuData.h"
#include "platform/Document.h"

#include <algorithm>
#include <cstdint>

namespace tembra {

namespace {

DWORD ReadBoundedCount(CArchive& ar) {
    const DWORD count = ar.ReadCount();
    if (count > static_cast<DWORD>(kObTableMaxIndex) + 1) {
        FailDamagedFile();
    }
    return count;
}

void StoreWords(CArchive& ar, const std::vector<WORD>& words) {
    ar.WriteCount(static_cast<DWORD>(words.size()));
    for (WORD w : words) {
        ar << w;
    }
}

std::vector<WORD> LoadWords(CArchive& ar) {
    const DWORD count = ReadBoundedCount(ar);
    std::vector<WORD> words(count);
    for (WORD& w : words) {
        ar >> w;
    }
    return words;
}

bool IsIndex(std::int64_t i) {
    return i >= 0 && i <= kObTableMaxIndex;
}

} // namespace

// ---- CObTableRow ----------------------------------------------------------------------------

// The framework's object array class, by whose name and schema the rows stand in a file.
CObject* CObTableRow::CreateObject() {
    return new CObTableRow;
}
const CRuntimeClass CObTableRow::classCObTableRow = {"CObArray", 0, &CObTableRow::CreateObject,
                                                     RUNTIME_CLASS(CObject)};
const CRuntimeClass* CObTableRow::GetRuntimeClass() const {
    return &classCObTableRow;
}
static const ClassRegistrar s_registerCObTableRow(RUNTIME_CLASS(CObTableRow));

void CObTableRow::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(m_cells.size()));
        for (CObject* cell : m_cells) {
            ar.WriteObject(cell);
        }
        return;
    }
    const DWORD count = ReadBoundedCount(ar);
    // A cell is null or read here for the first time: a table keeps no second pointer to a cell,
    // and whoever frees the cells must not meet one twice (a back-reference fails the load).
    std::vector<std::unique_ptr<CObject>> loaded;
    for (DWORD i = 0; i < count; ++i) {
        loaded.push_back(ar.ReadOwnedOrNull<CObject>());
    }
    m_cells.clear();
    for (const auto& cell : loaded) {
        m_cells.push_back(cell.get());
    }
    m_loaded = std::move(loaded);
}

void CObTableRow::ReleaseCells() {
    for (auto& cell : m_loaded) {
        static_cast<void>(cell.release());
    }
    m_loaded.clear();
}

// ---- CObTable -------------------------------------------------------------------------------

TEMBRA_IMPLEMENT_CREATABLE(CObTable, CObTableRow, 1)

CObject* CObTable::GetAt(int column, int row) const {
    if (row < 0 || row >= GetRowCount() || column < 0 || !m_rows[row]) {
        return nullptr;
    }
    const auto& cells = m_rows[row]->m_cells;
    return static_cast<std::size_t>(column) < cells.size() ? cells[column] : nullptr;
}

BOOL CObTable::SetAt(int column, int row, CObject* cell) {
    if (!IsIndex(column) || !IsIndex(row)) {
        return FALSE;
    }
    if (row >= GetRowCount()) {
        m_rows.resize(static_cast<std::size_t>(row) + 1);
    }
    if (!m_rows[row]) {
        m_rows[row] = std::make_unique<CObTableRow>();
    }
    auto& cells = m_rows[row]->m_cells;
    if (static_cast<std::size_t>(column) >= cells.size()) {
        cells.resize(static_cast<std::size_t>(column) + 1, nullptr);
    }
    cells[column] = cell;
    return TRUE;
}

int CObTable::GetColCount(int row) const {
    if (row < 0 || row >= GetRowCount() || !m_rows[row]) {
        return 0;
    }
    return static_cast<int>(m_rows[row]->m_cells.size());
}

void CObTable::PutCell(int column, int row, CObject* cell) {
    if (cell != nullptr) {
        SetAt(column, row, cell);
    } else if (column < GetColCount(row)) {
        m_rows[row]->m_cells[column] = nullptr;
    }
}

BOOL CObTable::InsertAt(int column, int row, CObject* cell, int count) {
    if (column < 0 || !IsIndex(row) || count < 1) {
        return FALSE;
    }
    const std::int64_t length = GetColCount(row);
    if (std::max<std::int64_t>(length, column) + count > kMaxIndex + 1) {
        return FALSE;
    }
    if (row >= GetRowCount()) {
        m_rows.resize(static_cast<std::size_t>(row) + 1);
    }
    if (!m_rows[row]) {
        m_rows[row] = std::make_unique<CObTableRow>();
    }
    auto& cells = m_rows[row]->m_cells;
    if (static_cast<std::size_t>(column) > cells.size()) {
        cells.resize(static_cast<std::size_t>(column), nullptr);
    }
    cells.insert(cells.begin() + column, static_cast<std::size_t>(count), cell);
    return TRUE;
}

BOOL CObTable::InsertRows(int column, int row, CObject* cell, int count) {
    if (!IsIndex(column) || row < 0 || count < 1) {
        return FALSE;
    }
    const int last = GetRowUpperBound();
    const std::int64_t reach = std::max<std::int64_t>(last, row - 1) + count;
    if (reach > kMaxIndex) {
        return FALSE;
    }
    for (int r = last; r >= row; --r) {
        PutCell(column, r + count, GetAt(column, r));
    }
    for (int r = row; r < row + count; ++r) {
        PutCell(column, r, cell);
    }
    return TRUE;
}

void CObTable::RemoveAt(int column, int row, int count) {
    const int length = GetColCount(row);
    if (column < 0 || column >= length || count < 1) {
        return;
    }
    auto& cells = m_rows[row]->m_cells;
    const int n = std::min(count, length - column);
    cells.erase(cells.begin() + column, cells.begin() + column + n);
}

void CObTable::RemoveRows(int column, int row, int count) {
    if (column < 0 || row < 0 || count < 1) {
        return;
    }
    const int last = GetRowUpperBound();
    for (int r = row; r <= last; ++r) {
        const std::int64_t source = static_cast<std::int64_t>(r) + count;
        if (source <= last) {
            const int from = static_cast<int>(source);
            PutCell(column, r, GetAt(column, from));
            PutCell(column, from, nullptr);
        } else {
            PutCell(column, r, nullptr);
        }
    }
}

void CObTable::FreeExtra() {
    for (auto& row : m_rows) {
        if (row) {
            row->m_cells.shrink_to_fit();
        }
    }
    m_rows.shrink_to_fit();
}

void CObTable::DeleteAll() {
    m_rows.clear();
}

void CObTable::StoreRows(CArchive& ar, short limit, const Rows& rows) {
    ar << static_cast<WORD>(limit);
    ar.WriteCount(static_cast<DWORD>(rows.size()));
    for (const auto& row : rows) {
        ar.WriteObject(row.get());
    }
}

CObTable::Rows CObTable::LoadRows(CArchive& ar, short& limit, const CRuntimeClass* cellClass) {
    WORD storedLimit = 0;
    ar >> storedLimit;
    const DWORD count = ReadBoundedCount(ar);
    Rows rows;
    for (DWORD i = 0; i < count; ++i) {
        rows.push_back(ar.ReadOwnedOrNull<CObTableRow>());
        if (cellClass == nullptr || !rows.back()) {
            continue;
        }
        for (const CObject* cell : rows.back()->m_cells) {
            if (cell != nullptr && !cell->IsKindOf(cellClass)) {
                AfxThrowArchiveException(CArchiveException::badClass, ar.m_strFileName);
            }
        }
    }
    limit = static_cast<short>(storedLimit);
    return rows;
}

void CObTable::AdoptRows(Rows rows) {
    for (auto& row : rows) {
        if (row) {
            row->ReleaseCells();
        }
    }
    m_rows = std::move(rows);
}

void CObTable::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        StoreRows(ar, m_limit, m_rows);
        return;
    }
    short limit = kDefaultLimit;
    Rows rows = LoadRows(ar, limit, nullptr);
    m_limit = limit;
    AdoptRows(std::move(rows));
}

// ---- CKoumoku -------------------------------------------------------------------------------

IMPLEMENT_SERIAL(CKoumoku, CObTable, 1)

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
    if (!IsIndex(row)) {
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

void CKoumoku::LoadOld(CArchive& ar) {
    // The cells hand their rows' ruled-line types to this table while they are read, so the
    // types are left as the cells set them.
    const DWORD count = ReadBoundedCount(ar);
    std::vector<std::unique_ptr<CObject>> cells;
    for (DWORD i = 0; i < count; ++i) {
        cells.push_back(ar.ReadOwnedOrNull<CObject>());
        if (cells.back() && !cells.back()->IsKindOf(RUNTIME_CLASS(CKoumokuData))) {
            AfxThrowArchiveException(CArchiveException::badClass, ar.m_strFileName);
        }
    }
    CObTable::DeleteAll();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        SetAt(static_cast<int>(i), 0, cells[i].release());
    }
    SetLevelCount(1);
}

} // namespace tembra
