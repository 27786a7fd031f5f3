#include "model/ObTable.h"

#include <algorithm>
#include <cstdint>

namespace tembra {

// ---- CObTable -------------------------------------------------------------------------------

// Serialisable (schema 1) but not creatable by name: see Serialize in the header.
TEMBRA_IMPLEMENT_RUNTIMECLASS(CObTable, CObTableRow, 1, nullptr)

CObject* CObTable::GetAt(int column, int row) const {
    if (row < 0 || row >= GetRowCount() || column < 0 || !m_rows[row]) {
        return nullptr;
    }
    const auto& cells = m_rows[row]->m_cells;
    return static_cast<std::size_t>(column) < cells.size() ? cells[column] : nullptr;
}

BOOL CObTable::SetAt(int column, int row, CObject* cell) {
    if (!IsObTableIndex(column) || !IsObTableIndex(row)) {
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
    if (column < 0 || !IsObTableIndex(row) || count < 1) {
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
    if (!IsObTableIndex(column) || row < 0 || count < 1) {
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
    const DWORD count = ReadObTableCount(ar);
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

} // namespace tembra
