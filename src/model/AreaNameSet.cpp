#include "model/AreaNameSet.h"

#include "platform/Profile.h"
#include "platform/Sjis.h"

#include <new>

namespace tembra {

namespace {

template <class Cell> Cell* FindIn(const std::vector<std::unique_ptr<Cell>>& cells, DWORD no) {
    for (const auto& cell : cells) {
        if (cell->GetNo() == no) {
            return cell.get();
        }
    }
    return nullptr;
}

// Puts the cell into the slot of the first cell that matches, removes the other matches, or
// appends the cell when nothing matches.
template <class Cell, class Match>
void ReplaceIn(std::vector<std::unique_ptr<Cell>>& cells, std::unique_ptr<Cell> cell, Match match) {
    if (!cell) {
        return;
    }
    bool placed = false;
    for (auto it = cells.begin(); it != cells.end();) {
        if (!match(**it)) {
            ++it;
        } else if (!placed) {
            *it = std::move(cell);
            placed = true;
            ++it;
        } else {
            it = cells.erase(it);
        }
    }
    if (!placed) {
        cells.push_back(std::move(cell));
    }
}

template <class Cell>
void CopyCells(std::vector<std::unique_ptr<Cell>>& to,
               const std::vector<std::unique_ptr<Cell>>& from) {
    to.clear();
    to.reserve(from.size());
    for (const auto& cell : from) {
        to.push_back(std::make_unique<Cell>(*cell));
    }
}

template <class Cell>
void StoreCells(CArchive& ar, const std::vector<std::unique_ptr<Cell>>& cells) {
    ar.WriteCount(static_cast<DWORD>(cells.size()));
    for (const auto& cell : cells) {
        ar.WriteObject(cell.get());
    }
}

template <class Cell> std::vector<std::unique_ptr<Cell>> LoadCells(CArchive& ar) {
    const DWORD count = ar.ReadCount();
    std::vector<std::unique_ptr<Cell>> cells;
    for (DWORD i = 0; i < count; ++i) {
        cells.push_back(ar.ReadOwned<Cell>());
    }
    return cells;
}

} // namespace

// ---- CAreaNameSet -----------------------------------------------------------------------------

CAreaNameSet::CAreaNameSet(const CAreaNameSet& other)
    : m_columnCount(other.m_columnCount), m_style(other.m_style), m_bunkatuOpt(other.m_bunkatuOpt) {
    Copy(other);
}

CAreaNameSet& CAreaNameSet::operator=(const CAreaNameSet& other) {
    if (this != &other) {
        Copy(other);
        m_columnCount = other.m_columnCount;
        m_style = other.m_style;
        m_bunkatuOpt = other.m_bunkatuOpt;
    }
    return *this;
}

int CAreaNameSet::SetDefaults() {
    try {
        auto koumoku = std::make_unique<CAreaNameDataStd>(0);
        koumoku->SetText(GetProfileString("BaseConfig", "KoumokuName", Sjis::FromUtf8("作業")));
        m_std.push_back(std::move(koumoku));

        auto hizuke = std::make_unique<CAreaNameDataStd>(1);
        hizuke->SetText(GetProfileString("BaseConfig", "HizukeName", Sjis::FromUtf8("期間")));
        hizuke->SetAlign(CAreaNameData::kAlignRight);
        hizuke->SetStyle(CAreaNameData::kStyleTop);
        m_std.push_back(std::move(hizuke));

        for (DWORD c = 0; c < kGridColumns; ++c) {
            for (DWORD r = 0; r < kGridRows; ++r) {
                m_grid.push_back(std::make_unique<CAreaNameDataGrid>(r, c));
            }
        }
        for (DWORD k = 0; k < kSlantCount; ++k) {
            auto cell = std::make_unique<CAreaNameDataSlant>(k);
            if (k >= kSlantRowBase) {
                cell->SetAlign(CAreaNameData::kAlignRight);
                cell->SetStyle(CAreaNameData::kStyleTop);
            }
            m_slant.push_back(std::move(cell));
        }
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

void CAreaNameSet::RemoveAll() {
    m_std.clear();
    m_grid.clear();
    m_slant.clear();
}

void CAreaNameSet::Copy(const CAreaNameSet& other) {
    if (this == &other) {
        return;
    }
    CopyCells(m_std, other.m_std);
    CopyCells(m_grid, other.m_grid);
    CopyCells(m_slant, other.m_slant);
}

void CAreaNameSet::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        StoreCells(ar, m_std);
        StoreCells(ar, m_grid);
        StoreCells(ar, m_slant);
    } else {
        auto stdCells = LoadCells<CAreaNameDataStd>(ar);
        auto gridCells = LoadCells<CAreaNameDataGrid>(ar);
        auto slantCells = LoadCells<CAreaNameDataSlant>(ar);
        m_std = std::move(stdCells);
        m_grid = std::move(gridCells);
        m_slant = std::move(slantCells);
    }
}

CAreaNameDataStd* CAreaNameSet::FindStd(DWORD no) const {
    return FindIn(m_std, no);
}

CAreaNameDataGrid* CAreaNameSet::FindGrid(DWORD row, DWORD column) const {
    for (const auto& cell : m_grid) {
        DWORD r = 0;
        DWORD c = 0;
        cell->GetNoPair(r, c);
        if (r == row && c == column) {
            return cell.get();
        }
    }
    return nullptr;
}

CAreaNameDataSlant* CAreaNameSet::FindSlant(DWORD no) const {
    return FindIn(m_slant, no);
}

std::string CAreaNameSet::GetKoumokuName() const {
    const CAreaNameDataStd* cell = GetKoumokuCell();
    return cell != nullptr ? cell->GetText() : std::string();
}

std::string CAreaNameSet::GetHizukeName() const {
    const CAreaNameDataStd* cell = GetHizukeCell();
    return cell != nullptr ? cell->GetText() : std::string();
}

void CAreaNameSet::SetKoumokuName(const std::string& name) {
    if (CAreaNameDataStd* cell = GetKoumokuCell()) {
        cell->SetText(name);
    }
}

void CAreaNameSet::SetHizukeName(const std::string& name) {
    if (CAreaNameDataStd* cell = GetHizukeCell()) {
        cell->SetText(name);
    }
}

void CAreaNameSet::ReplaceStd(DWORD no, std::unique_ptr<CAreaNameDataStd> cell) {
    ReplaceIn(m_std, std::move(cell), [no](const CAreaNameDataStd& c) { return c.GetNo() == no; });
}

void CAreaNameSet::ReplaceGrid(DWORD row, DWORD column, std::unique_ptr<CAreaNameDataGrid> cell) {
    ReplaceIn(m_grid, std::move(cell), [row, column](const CAreaNameDataGrid& c) {
        DWORD r = 0;
        DWORD k = 0;
        c.GetNoPair(r, k);
        return r == row && k == column;
    });
}

void CAreaNameSet::ReplaceSlant(DWORD no, std::unique_ptr<CAreaNameDataSlant> cell) {
    ReplaceIn(m_slant, std::move(cell),
              [no](const CAreaNameDataSlant& c) { return c.GetNo() == no; });
}

} // namespace tembra
